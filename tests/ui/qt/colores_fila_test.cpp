// Lists painted in any colour of the palettes: the selected row and the row
// under the pointer stand out from the others, and from each other.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QHoverEvent>
#include <QImage>
#include <QListWidget>
#include <cmath>
#include <map>

#include "data/temas.h"
#include "ui/piezas.h"
#include "ui/texto_qt.h"

namespace sendaro {
namespace {

double Contraste(QColor a, QColor b) {
  const double la = piezas::Luminancia(a), lb = piezas::Luminancia(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The commonest colour inside a row: its background.
QColor Fondo(const QImage& imagen, const QRect& fila) {
  std::map<QRgb, int> cuenta;
  for (int y = fila.top() + 1; y < fila.bottom(); ++y) {
    for (int x = fila.left() + 1; x < fila.right(); ++x) ++cuenta[imagen.pixel(x, y)];
  }
  auto mayor = std::max_element(cuenta.begin(), cuenta.end(),
                                [](const auto& a, const auto& b) { return a.second < b.second; });
  return QColor(mayor->first);
}

TEST(ColoresFila, SeleccionadaYBajoElPunteroSeDistinguenEnCadaColor) {
  std::vector<std::pair<QColor, QColor>> colores = {
      {ColorQ(ColorMenu), Qt::black},      {ColorQ(ColorListas), QColor(0, 0, 128)},
      {ColorQ(ColorImpresion), Qt::black}, {ColorQ(ColorFondo1), Qt::black},
      {ColorQ(ColorFondo2), Qt::black},
  };
  for (char letra : {'I', 'F', 'C', 'N', 'A', 'P'}) {
    const Tema* tema = BuscarTema(letra);
    ASSERT_NE(tema, nullptr);
    colores.emplace_back(ColorQ(tema->ColorTitulo), ColorQ(tema->ColorTextoTitulo));
  }
  for (const auto& [fondo, texto] : colores) {
    SCOPED_TRACE(fondo.name().toStdString());
    QListWidget lista;
    lista.resize(200, 150);
    for (int i = 0; i < 6; ++i) lista.addItem(QStringLiteral("Fila %1").arg(i));
    piezas::PintarLista(&lista, fondo, texto);
    lista.show();
    lista.setCurrentRow(1);
    const QPoint sobre = lista.visualItemRect(lista.item(3)).center();
    QHoverEvent hover(QEvent::HoverMove, sobre, lista.viewport()->mapToGlobal(sobre), QPoint());
    QApplication::sendEvent(lista.viewport(), &hover);
    const QImage imagen = lista.viewport()->grab().toImage();
    const QString carpeta = qEnvironmentVariable("SENDARO_CAPTURAS");
    if (!carpeta.isEmpty())
      imagen.save(QDir(carpeta).filePath(fondo.name() + QStringLiteral(".png")));
    const QColor normal = Fondo(imagen, lista.visualItemRect(lista.item(2)));
    const QColor elegida = Fondo(imagen, lista.visualItemRect(lista.item(1)));
    const QColor bajo = Fondo(imagen, lista.visualItemRect(lista.item(3)));
    EXPECT_EQ(normal, fondo);
    EXPECT_GE(Contraste(elegida, normal), 3.0);
    EXPECT_GE(Contraste(bajo, normal), 1.25);
    EXPECT_GE(Contraste(bajo, elegida), 1.5);
  }
}

}  // namespace
}  // namespace sendaro
