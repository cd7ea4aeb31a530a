// The yardstick of the start-up benchmark: a blank 1024 x 768 window that
// ends as soon as it has painted for the first time.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

namespace {

class Vacia : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    if (!pintada_) {
      pintada_ = true;
      // Ends the same way as Sendaro does in the benchmark: right after the
      // first paint, without teardown.
      QTimer::singleShot(0, qApp, [] { std::_Exit(0); });
    }
  }

 private:
  bool pintada_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication aplicacion(argc, argv);
  Vacia ventana;
  ventana.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  ventana.resize(1024, 768);
  ventana.show();
  return QApplication::exec();
}
