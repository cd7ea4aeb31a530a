#include "ui/pantalla_modos.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#ifdef SENDARO_CON_XRANDR
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#endif

namespace sendaro {

ModoPantalla PantallaModosNula::Actual() const {
  const QScreen* pantalla = QGuiApplication::primaryScreen();
  if (pantalla == nullptr) return {};
  const QSize tam = pantalla->size();
  return {tam.width(), tam.height(), pantalla->depth()};
}

#ifdef SENDARO_CON_XRANDR

namespace {

// Sizes come from XRandR; the depth of an X screen is fixed by the server, so
// every size is offered at the screen's depth and, when the server has a
// 16-bit visual depth too, at 16 bits. A switch changes the size only.
class PantallaModosX11 : public PantallaModos {
 public:
  explicit PantallaModosX11(Display* pantalla) : x_(pantalla) {}

  ModoPantalla Actual() const override {
    const int s = DefaultScreen(x_);
    return {DisplayWidth(x_, s), DisplayHeight(x_, s), DefaultDepth(x_, s)};
  }

  std::vector<ModoPantalla> Modos() const override {
    std::vector<ModoPantalla> modos;
    int eventos = 0;
    int errores = 0;
    if (!XRRQueryExtension(x_, &eventos, &errores)) return modos;
    const int s = DefaultScreen(x_);
    std::vector<int> profundidades = {DefaultDepth(x_, s)};
    int n = 0;
    if (int* lista = XListDepths(x_, s, &n)) {
      if (std::find(lista, lista + n, 16) != lista + n && profundidades[0] != 16) {
        profundidades.push_back(16);
      }
      XFree(lista);
    }
    int tamanos = 0;
    XRRScreenSize* lista = XRRSizes(x_, s, &tamanos);
    for (int i = 0; i < tamanos; ++i) {
      for (int p : profundidades) modos.push_back({lista[i].width, lista[i].height, p});
    }
    return modos;
  }

  bool Cambiar(const ModoPantalla& modo) override { return Tamano(modo.ancho, modo.alto); }
  void Restaurar(const ModoPantalla& anterior) override { Tamano(anterior.ancho, anterior.alto); }

 private:
  bool Tamano(int ancho, int alto) {
    const Window raiz = DefaultRootWindow(x_);
    XRRScreenConfiguration* conf = XRRGetScreenInfo(x_, raiz);
    if (conf == nullptr) return false;
    int tamanos = 0;
    XRRScreenSize* lista = XRRConfigSizes(conf, &tamanos);
    Rotation rotacion = 0;
    XRRConfigCurrentConfiguration(conf, &rotacion);
    bool hecho = false;
    for (int i = 0; i < tamanos && !hecho; ++i) {
      if (lista[i].width == ancho && lista[i].height == alto) {
        hecho = XRRSetScreenConfig(x_, conf, raiz, i, rotacion, CurrentTime) == 0;
      }
    }
    XRRFreeScreenConfigInfo(conf);
    XSync(x_, False);
    return hecho;
  }

  Display* x_;
};

}  // namespace

std::unique_ptr<PantallaModos> CrearPantallaModos() {
  if (QGuiApplication::platformName() == QLatin1String("xcb")) {
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
      if (Display* d = x11->display()) return std::make_unique<PantallaModosX11>(d);
    }
  }
  return std::make_unique<PantallaModosNula>();
}

#else

std::unique_ptr<PantallaModos> CrearPantallaModos() {
  return std::make_unique<PantallaModosNula>();
}

#endif

}  // namespace sendaro
