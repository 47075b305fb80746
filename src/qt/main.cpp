// herdwright: the desktop program.
// Usage: herdwright [FILE.vqn | /NoSetup | /Setup]
//        herdwright --run SCRIPT|-   runs an automation script on the real widgets

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/app_main.h"
#include "platform/app_message.h"
#include "platform/platform.h"
#include "qt/design_font.h"
#include "qt/qt_platform.h"
#include "qt/qt_script_shell.h"
#include "qt/qt_text.h"
#include "script/program_script_app.h"
#include "script/script_file.h"

namespace {

bool ScriptRun(int argc, char* argv[]) { return argc > 1 && std::string(argv[1]) == "--run"; }

// Standard error carries the script's failure and nothing else, unless
// HERDWRIGHT_QT_MESSAGES asks for Qt's own messages too.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type != QtFatalMsg && qEnvironmentVariableIsEmpty("HERDWRIGHT_QT_MESSAGES")) return;
  std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  if (type == QtFatalMsg) std::abort();
}

// Without a screen the script runs on the offscreen platform.
void PlatformForScripts() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  // A script answers Qt's own file dialogs and message boxes.
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

int RunScript(const std::string& path) {
  QtPlatform platform;
  App_SetPlatform(&platform);
  int status = 0;
  {
    QtScriptShell shell(platform);
    status = RunScriptFile(path, shell, ProgramScriptApp());
  }
  App_SetPlatform(nullptr);
  return status;
}

int RunProgram() {
  int exitCode = 0;
  QtPlatform platform;
  App_SetPlatform(&platform);
  const QStringList arguments = QApplication::arguments();
  const std::string commandLine = arguments.size() > 1 ? ToStdString(arguments.at(1)) : std::string();
  if (App_StartUp(commandLine) != nullptr) exitCode = QApplication::exec();
  // Windows left at the end are destroyed without a screen to report to.
  App_SetPlatform(nullptr);
  return exitCode;
}

}  // namespace

int main(int argc, char* argv[]) {
  const bool script = ScriptRun(argc, argv);
  if (script && argc != 3) {
    std::fprintf(stderr, "usage: herdwright --run SCRIPT|-\n");
    return 2;
  }
  if (script) {
    PlatformForScripts();
    qInstallMessageHandler(QuietQtMessages);
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(ToQString(kProductTitle));
  QApplication::setOrganizationName(QStringLiteral("Corvale"));
  // The program ends when its main window is destroyed, not when a window closes.
  QApplication::setQuitOnLastWindowClosed(false);
  UseDesignFont();
  return script ? RunScript(argv[2]) : RunProgram();
}
