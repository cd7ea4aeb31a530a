// Entry point of the Qt tests: one QApplication for every test.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  QApplication aplicacion(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
