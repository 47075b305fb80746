#include "app/desktop_entry.h"

namespace {

bool HasControlCharacter(std::string_view text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
  return false;
}

// A desktop entry's string value: a backslash is written doubled.
std::string StringValue(std::string_view text) {
  std::string value;
  for (const char c : text) {
    if (c == '\\') value += '\\';
    value += c;
  }
  return value;
}

std::string XmlText(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

}  // namespace

std::optional<std::string> DesktopExecPath(std::string_view path) {
  if (path.empty() || HasControlCharacter(path)) return std::nullopt;
  // Inside double quotes ", `, $ and \ take a backslash; % is a field code
  // unless doubled. The whole is then a string value.
  std::string quoted = "\"";
  for (const char c : path) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    if (c == '%') quoted += '%';
    quoted += c;
  }
  quoted += '"';
  return StringValue(quoted);
}

std::optional<std::string> DesktopEntryText(const SetupParameters& parameters,
                                            std::string_view programPath) {
  const std::optional<std::string> exec = DesktopExecPath(programPath);
  if (!exec) return std::nullopt;
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Version=1.4\n"
         "Name=" + StringValue(parameters.productTitle) + "\n"
         "GenericName=Livestock Enterprise Budgets\n"
         "Comment=Livestock enterprise budgets for farms and ranches\n"
         "Exec=" + *exec + " %f\n"
         "TryExec=" + StringValue(programPath) + "\n"
         "Icon=" + kIconName + "\n"
         "Terminal=false\n"
         "MimeType=" + parameters.contentType + ";\n"
         "Categories=Office;Finance;\n"
         "Keywords=budget;livestock;cattle;sheep;goat;ranch;\n";
}

std::string MimePackageText(const SetupParameters& parameters) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
         "  <mime-type type=\"" + XmlText(parameters.contentType) + "\">\n"
         "    <comment>" + XmlText(parameters.typeDescription) + "</comment>\n"
         "    <icon name=\"" + kIconName + "\"/>\n"
         "    <glob pattern=\"*" + XmlText(parameters.extension) + "\"/>\n"
         "  </mime-type>\n"
         "</mime-info>\n";
}
