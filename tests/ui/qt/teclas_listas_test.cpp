// Lists answer the movement keys from the first press: End goes to the last
// row, Down to the second, Home and Up select the first.
#include "ui/teclas_listas.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <functional>

#include "ui/lista_iconos.h"

namespace sendaro {
namespace {

constexpr int kFilas = 60;

struct Caso {
  Qt::Key tecla;
  int fila;        // current and selected row after the first press
  int desplazada;  // the list scrolled to show it (1), not (0), either (-1)
};

const Caso kCasos[] = {
    {Qt::Key_End, kFilas - 1, 1}, {Qt::Key_Down, 1, 0}, {Qt::Key_PageDown, -2, -1},
    {Qt::Key_Home, 0, 0},         {Qt::Key_Up, 0, 0},   {Qt::Key_PageUp, 0, 0},
};

// One fresh list per case, filled as the screens fill theirs. In a grid of
// whole rows Home and End go to the first and last row too.
void Probar(const std::function<QAbstractItemView*(QWidget*)>& crear) {
  for (const Caso& c : kCasos) {
    SCOPED_TRACE(c.tecla);
    QWidget ventana;
    ventana.resize(300, 200);
    TeclasListas teclas(&ventana);
    QAbstractItemView* lista = crear(&ventana);
    lista->setGeometry(0, 0, 300, 200);
    ventana.show();
    ASSERT_FALSE(lista->currentIndex().isValid());
    QTest::keyClick(lista, c.tecla);
    const int fila = lista->currentIndex().row();
    if (c.fila == -2) {
      EXPECT_GT(fila, 5);  // a page down from the first row
    } else {
      EXPECT_EQ(fila, c.fila);
    }
    EXPECT_TRUE(lista->selectionModel()->isSelected(lista->currentIndex()));
    if (c.desplazada >= 0) {
      EXPECT_EQ(lista->verticalScrollBar()->value() > 0, c.desplazada == 1);
    }
    // The next press goes on from there.
    if (c.tecla == Qt::Key_Down) {
      QTest::keyClick(lista, Qt::Key_Down);
      EXPECT_EQ(lista->currentIndex().row(), 2);
    }
  }
}

TEST(TeclasListas, PrimeraPulsacionEnUnaLista) {
  Probar([](QWidget* padre) {
    auto* l = new QListWidget(padre);
    for (int i = 0; i < kFilas; ++i) l->addItem(QStringLiteral("Fila %1").arg(i));
    return l;
  });
}

TEST(TeclasListas, PrimeraPulsacionEnUnaRejilla) {
  Probar([](QWidget* padre) {
    auto* t = new QTableWidget(kFilas, 2, padre);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int i = 0; i < kFilas; ++i) t->setItem(i, 0, new QTableWidgetItem(QString::number(i)));
    return t;
  });
}

// The first shown row becomes current without being selected; a list
// already on a row keeps it.
TEST(TeclasListas, FilaActualSinElegir) {
  QListWidget lista;
  for (int i = 0; i < 5; ++i) lista.addItem(QString::number(i));
  lista.setRowHidden(0, true);
  EXPECT_TRUE(FijarFilaActual(lista));
  EXPECT_EQ(lista.currentRow(), 1);
  EXPECT_TRUE(lista.selectedItems().isEmpty());
  EXPECT_FALSE(FijarFilaActual(lista));
  lista.setCurrentRow(3);
  EXPECT_FALSE(FijarFilaActual(lista));
  EXPECT_EQ(lista.currentRow(), 3);
  QListWidget vacia;
  EXPECT_FALSE(FijarFilaActual(vacia));
}

// A list that follows the pointer, its first row marked current (the
// toolkit does so when the keyboard focuses it): the pointer over that row
// still chooses and announces it.
TEST(TeclasListas, LaListaQueSigueAlPunteroEligeLaFilaMarcada) {
  ListaIconos lista(nullptr, 20);
  lista.resize(200, 120);
  lista.Rellenar({QStringLiteral("a"), QStringLiteral("b")}, {}, {});
  lista.show();
  ASSERT_TRUE(FijarFilaActual(lista));
  QSignalSpy sobre(&lista, &ListaIconos::Sobre);
  const QPoint p = lista.visualItemRect(lista.item(0)).center();
  QMouseEvent mover(QEvent::MouseMove, p, lista.viewport()->mapToGlobal(p), Qt::NoButton,
                    Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(lista.viewport(), &mover);
  EXPECT_TRUE(lista.item(0)->isSelected());
  ASSERT_EQ(sobre.count(), 1);
  EXPECT_EQ(sobre.at(0).at(0).toInt(), 0);
}

}  // namespace
}  // namespace sendaro
