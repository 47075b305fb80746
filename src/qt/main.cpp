// herdwright: the desktop program. Usage: herdwright [FILE.vqn | /NoSetup | /Setup]

#include <QApplication>

#include <string>

#include "app/app_main.h"
#include "platform/app_message.h"
#include "platform/platform.h"
#include "qt/design_font.h"
#include "qt/qt_platform.h"
#include "qt/qt_text.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(ToQString(kProductTitle));
  QApplication::setOrganizationName(QStringLiteral("Corvale"));
  // The program ends when its main window is destroyed, not when a window closes.
  QApplication::setQuitOnLastWindowClosed(false);
  UseDesignFont();

  int exitCode = 0;
  {
    QtPlatform platform;
    App_SetPlatform(&platform);
    const QStringList arguments = QApplication::arguments();
    const std::string commandLine = arguments.size() > 1 ? ToStdString(arguments.at(1)) : std::string();
    if (App_StartUp(commandLine) != nullptr) exitCode = QApplication::exec();
    // Windows left at the end are destroyed without a screen to report to.
    App_SetPlatform(nullptr);
  }
  return exitCode;
}
