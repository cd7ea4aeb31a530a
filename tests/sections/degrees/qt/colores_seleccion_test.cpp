// In every theme the current row of a drop-down list and of the lists stands
// out clearly from the other rows: checked on the pictures the controls draw.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <map>
#include <memory>

#include "app/qt/programa.h"
#include "qt/arranque_completo.h"
#include "qt/apoyo.h"
#include "sections/degrees/qt/lista_marcada.h"
#include "sections/degrees/qt/pagina_grados.h"
#include "sections/degrees/qt/tform1.h"
#include "sections/degrees/qt/visor_consulta.h"
#include "sections/degrees/qt/visor_ficha.h"
#include "ui/navegacion.h"
#include "ui/piezas.h"
#include "ui/servicios.h"
#include "ui/ventana_principal.h"
#include "qt/rutas_prueba.h"

namespace sendaro {
namespace {

// The contrast ratio of two colours (1 the same, 21 black on white).
double Contraste(QColor a, QColor b) {
  const double la = piezas::Luminancia(a), lb = piezas::Luminancia(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The commonest colour of a row of the picture: the row's background.
QColor Fondo(const QImage& imagen, const QRect& fila) {
  std::map<QRgb, int> cuenta;
  for (int y = fila.top() + 1; y < fila.bottom(); ++y) {
    for (int x = fila.left() + 1; x < fila.right(); ++x) ++cuenta[imagen.pixel(x, y)];
  }
  QRgb mejor = 0;
  int veces = -1;
  for (const auto& [c, n] : cuenta) {
    if (n > veces) mejor = c, veces = n;
  }
  return QColor(mejor);
}

void Guardar(const QImage& imagen, const QString& nombre) {
  const QString carpeta = qEnvironmentVariable("SENDARO_CAPTURAS");
  if (!carpeta.isEmpty()) imagen.save(QDir(carpeta).filePath(nombre + QStringLiteral(".png")));
}

// The contrast between the backgrounds of two rows of the view as drawn; the
// picture goes to SENDARO_CAPTURAS when that names a folder.
double ContrasteFilas(QAbstractItemView* vista, int actual, int otra, const QString& nombre) {
  const QImage imagen = vista->viewport()->grab().toImage();
  Guardar(vista->window()->grab().toImage(), nombre);
  const QColor a = Fondo(imagen, vista->visualRect(vista->model()->index(actual, 0)));
  const QColor b = Fondo(imagen, vista->visualRect(vista->model()->index(otra, 0)));
  return Contraste(a, b);
}

class ColoresSeleccion : public testing::TestWithParam<char> {
 protected:
  void TearDown() override { qApp->setStyleSheet(QString()); }
  prueba::DialogosPrueba dialogos;
  prueba::SonidoPrueba sonido;
  prueba::PantallaPrueba pantalla;
};

TEST_P(ColoresSeleccion, LaFilaActualSeDistingue) {
  const char tema = GetParam();
  Programa programa(dialogos, sonido, pantalla);
  ASSERT_TRUE(prueba::ArrancarDelTodo(programa, {SENDARO_INSTALACION, {std::string(1, tema), "N"}}));
  programa.Ventana().show();
  TForm1& f = programa.Navegar().Pantalla<TForm1>();
  programa.Navegar().Abrir(entrada::Carreras::kInformacion);
  prueba::Pulsar(f.Pagina().MenuCarUni1);
  for (QComboBox* combo : {f.Ficha().ComSelCar, f.Ficha().BotSelcar, f.Consulta().listBachiL}) {
    SCOPED_TRACE(combo->objectName().toStdString());
    combo->showPopup();
    QAbstractItemView* vista = combo->view();
    ASSERT_TRUE(vista->isVisible());
    vista->setCurrentIndex(vista->model()->index(1, 0));
    const double contraste = ContrasteFilas(
        vista, 1, 2, QStringLiteral("%1-%2").arg(QChar::fromLatin1(tema), combo->objectName()));
    EXPECT_GE(contraste, 3.0);
    combo->hidePopup();
  }
  ASSERT_GT(f.Pagina().ListSel->count(), 3);
  f.Pagina().ListSel->setCurrentRow(1);
  const double contraste =
      ContrasteFilas(f.Pagina().ListSel, 1, 2, QStringLiteral("%1-ListSel").arg(QChar::fromLatin1(tema)));
  EXPECT_GE(contraste, 3.0);
}

INSTANTIATE_TEST_SUITE_P(Temas, ColoresSeleccion, testing::Values('I', 'F', 'C', 'N', 'A', 'P'));

}  // namespace
}  // namespace sendaro
