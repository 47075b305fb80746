// One QApplication for every test of an executable; no screen needed.

#include <gtest/gtest.h>

#include <QApplication>

#include "qt/design_font.h"
#include "support/private_state_folders.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  UsePrivateStateFolders();
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  UseDesignFont();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
