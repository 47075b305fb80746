#include "script/program_script_app.h"

#include "app/app_main.h"
#include "document/worksheet.h"

namespace {

class ProgramApp : public ScriptApp {
 public:
  void StartUp(std::string_view commandLine) override { App_StartUp(commandLine); }
  bool IsModified() override { return App_IsModified(); }
  bool Save(const std::string& path) override { return App_Document().Save(path); }
};

}  // namespace

ScriptApp& ProgramScriptApp() {
  static ProgramApp app;
  return app;
}
