// Entry point of the Qt tests: one QApplication for every test.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  // Screen tests draw off screen unless told otherwise, also when the build
  // lists the tests without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication aplicacion(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
