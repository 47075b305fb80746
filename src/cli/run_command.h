#pragma once
// "herdwright-cli run SCRIPT": drives the program headless from a script.

#include <string>

// "-" reads the script from standard input. Exit status: 0 when every line
// ran, 1 with "line N: reason" on standard error otherwise.
int RunHeadlessScript(const std::string& path);
