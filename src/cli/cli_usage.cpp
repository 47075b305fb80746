#include "cli/cli_usage.h"

void PrintUsage(std::FILE* stream) {
  std::fputs(
      "Usage:\n"
      "  herdwright-cli export FILE.vqn --tab N --format text\n"
      "      Print budget tab N (1 is the first budget) as the tab-separated text\n"
      "      that \"Copy Current Tab to Clipboard\" places.\n"
      "  herdwright-cli export FILE.vqn --tab N --format cells\n"
      "      Print the main window's grid for budget tab N: a line ROWS<TAB>COLS,\n"
      "      then one line ROW<TAB>COL<TAB>P|U<TAB>TEXT per stored cell, in row,\n"
      "      then column order. P is protected, U unprotected. In TEXT a backslash\n"
      "      is written \\\\, a tab \\t, a line feed \\n and a carriage return \\r.\n"
      "  herdwright-cli export FILE.vqn --format vqn\n"
      "      Print the bytes that saving the document as opened would write.\n"
      "  herdwright-cli --help\n"
      "      Show this text.\n"
      "\n"
      "Exit status: 0 on success; 1 when the file cannot be opened or the tab\n"
      "does not exist (the reason is printed on standard error); 2 for bad\n"
      "arguments.\n",
      stream);
}
