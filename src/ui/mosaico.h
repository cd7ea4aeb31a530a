// A picture repeated over the whole widget (wall and floor tiles).
#pragma once

#include <QPixmap>
#include <QRect>
#include <QWidget>

namespace sendaro {

class Mosaico : public QWidget {
  Q_OBJECT

 public:
  explicit Mosaico(QWidget* padre = nullptr);
  void FijarTesela(const QPixmap& tesela);
  const QPixmap& Tesela() const { return tesela_; }

 protected:
  void paintEvent(QPaintEvent* evento) override;

 private:
  QPixmap tesela_;
};

// A tile named `nombre` placed at `donde` in `padre`.
Mosaico* NuevoMosaico(QWidget* padre, const char* nombre, const QRect& donde,
                      const QPixmap& tesela);

}  // namespace sendaro
