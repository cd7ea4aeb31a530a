// The study questionnaire driven as a person would: from the hall's door
// through a whole questionnaire answered row by row, its result, an area's
// titles, the printed and saved report, and the two-stage runs. Timers are
// stepped by calling their handlers; printouts go to PDF files that pdftotext
// reads.
#include "sections/itineraries/qt/tform2.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/qt/programa.h"
#include "hall/qt/tform0.h"
#include "qt/apoyo.h"
#include "qt/programa_muestra.h"
#include "ui/tform4.h"
#include "ui/ventana_principal.h"

namespace sendaro {
namespace {

QByteArray Lineas(const std::vector<std::string>& lineas) {
  QByteArray bytes;
  for (const std::string& l : lineas) bytes += QByteArray::fromStdString(l) + "\r\n";
  return bytes;
}

// 60 questions: 1..35 of class 5, type 3 (points 0, 4, 7, 10); 36 of class
// 4, type 2 (0, 7); 37..60 of class 4, type 4 (0, 2, 5, 7). Areas 1..4 hold
// questions 36+37, 38, 39 and 40; areas 14..19 six questions of the first
// part each (19: 31..35); area 2 lists titles 5 and 90.
void EscribirCuestionario(prueba::InstalacionPrueba& ins) {
  std::vector<std::string> preguntas;
  for (int i = 1; i <= 35; ++i) preguntas.push_back("53Pregunta " + std::to_string(i));
  preguntas.push_back("42Interes 36");
  for (int i = 37; i <= 60; ++i) preguntas.push_back("44Interes " + std::to_string(i));
  ins.Escribir(QStringLiteral("CUESTION"), Lineas(preguntas));

  std::vector<std::string> itinerar;
  for (int n = 1; n <= 52; ++n) {
    itinerar.push_back(n <= 20   ? "Area " + std::to_string(n)
                       : n < 28  ? "Mod " + std::to_string(n)
                       : n >= 35 ? "Consejo " + std::to_string(n)
                                 : "Linea " + std::to_string(n));
  }
  ins.Escribir(QStringLiteral("ITINERAR"), Lineas(itinerar));
  std::vector<std::string> titulos;
  for (int n = 1; n <= 100; ++n) titulos.push_back("Titulo " + std::to_string(n));
  ins.Escribir(QStringLiteral("TITULOS"), Lineas(titulos));

  QByteArray areas(2 * 3030, '\0');
  const auto entrada = [&areas](int registro, int area, const std::vector<int>& numeros) {
    const int base = (registro - 1) * 3030 + (area - 1) * 101;
    areas[base] = static_cast<char>(numeros.size());
    for (std::size_t k = 0; k < numeros.size(); ++k) {
      areas[base + 1 + static_cast<int>(k)] = static_cast<char>(numeros[k]);
    }
  };
  entrada(1, 1, {36, 37});
  entrada(1, 2, {38});
  entrada(1, 3, {39});
  entrada(1, 4, {40});
  for (int k = 14; k <= 18; ++k) {
    const int desde = (k - 14) * 6 + 1;
    entrada(1, k, {desde, desde + 1, desde + 2, desde + 3, desde + 4, desde + 5});
  }
  entrada(1, 19, {31, 32, 33, 34, 35});
  entrada(1, 20, {1});
  entrada(2, 2, {5, 90});
  ins.Escribir(QStringLiteral("datitine"), areas);
}

QString Area(int k, const char* nota) {
  return QStringLiteral("Area %1").arg(k).leftJustified(45) + QLatin1String(nota);
}

class CuestionarioEstudios : public prueba::ProgramaPrueba {
 protected:
  void SetUp() override {
    ProgramaPrueba::SetUp();
    EscribirCuestionario(ins);
    ASSERT_NO_FATAL_FAILURE(Arrancar(ins.Carpeta()));
    f = &programa->Navegar().Pantalla<TForm2>();
    ASSERT_NE(f, nullptr);
  }
  // The ESO questionnaires door.
  void PuertaDelCuestionario() {
    CruzarPuerta(&Tform0::LabelCuesEClick);
    ASSERT_EQ(programa->Ventana().Actual(), f);
  }
  // The pointer over the questionnaires' button opens their submenu.
  void Elegir(QPushButton* boton) {
    QEvent entrar(QEvent::Enter);
    QCoreApplication::sendEvent(f->botCuestio, &entrar);
    ASSERT_TRUE(f->PanelMenu2->isVisible());
    prueba::Pulsar(boton);
  }
  // Presses on row `fila` (1-based) as many times as asked.
  void Pulsar(int fila, int veces) {
    QTableWidget* g = f->Gcuestio;
    g->scrollToItem(g->item(fila - 1, 0));
    const QPoint centro = g->visualItemRect(g->item(fila - 1, 0)).center();
    for (int v = 0; v < veces; ++v) QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, centro);
  }
  QString Celda(int fila, int columna) const {
    const QTableWidgetItem* c = f->Gcuestio->item(fila - 1, columna);
    return c != nullptr ? c->text() : QStringLiteral("(nada)");
  }
  void PulsarLinea(int linea) {
    QListWidget* l = f->ListresCues;
    l->scrollToItem(l->item(linea - 1));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                      l->visualItemRect(l->item(linea - 1)).center());
  }
  void ResponderNombre(const QString& nombre) {
    dialogos.ResponderConBoton(QStringLiteral("ShadowSi"), [nombre](QDialog& d) {
      d.findChild<QLineEdit*>(QStringLiteral("EditNombre"))->setText(nombre);
    });
  }
  bool Visible(const QWidget* w) const { return !w->isHidden(); }

  prueba::InstalacionPrueba ins;
  TForm2* f = nullptr;
};

TEST_F(CuestionarioEstudios, CuestionarioEnteroResultadoImpresoYGuardado) {
  PuertaDelCuestionario();
  EXPECT_EQ(f->TemaAyudaActual(), 1);
  EXPECT_EQ(f->Gcuestio->horizontalHeaderItem(2)->text(), QStringLiteral("T343"));
  Elegir(f->BotCuestio1);
  ASSERT_TRUE(f->Gcuestio->isVisible());
  EXPECT_EQ(f->Gcuestio->rowCount(), 60);
  EXPECT_EQ(f->TemaAyudaActual(), 31);
  EXPECT_FALSE(f->botCuestio->isEnabled());
  EXPECT_FALSE(Visible(f->BitAcabarLogse));
  EXPECT_EQ(Celda(1, 0), QStringLiteral("Pregunta 1"));
  EXPECT_EQ(Celda(1, 1), QString());

  // First part: 30 questions at "Muy bien" (10 each), 31..35 unanswered.
  for (int fila = 1; fila <= 30; ++fila) Pulsar(fila, 3);
  EXPECT_EQ(Celda(30, 1), QStringLiteral("T139"));
  EXPECT_EQ(Celda(30, 2), QStringLiteral("***"));
  // Yes/no: one press is yes with its stars.
  Pulsar(36, 1);
  EXPECT_EQ(Celda(36, 1), prueba::InstalacionPrueba::Texto(141));
  EXPECT_EQ(Celda(36, 2), QStringLiteral("***"));
  Pulsar(37, 2);
  EXPECT_EQ(Celda(37, 2), QStringLiteral("**"));
  Pulsar(38, 3);
  // Enter moves the answer on but leaves the stars as they were.
  f->Gcuestio->setCurrentCell(38, 0);
  QTest::keyClick(f->Gcuestio, Qt::Key_Return);
  EXPECT_EQ(Celda(39, 1), QStringLiteral("T133"));
  EXPECT_EQ(Celda(39, 2), QString());
  Pulsar(39, 1);
  EXPECT_EQ(Celda(39, 2), QStringLiteral("**"));
  Pulsar(40, 1);
  // Two quick presses are two presses: a double click arrives as a press, a
  // release, a double-click event and a release.
  f->Gcuestio->scrollToItem(f->Gcuestio->item(44, 0));
  const QPointF donde = f->Gcuestio->visualItemRect(f->Gcuestio->item(44, 0)).center();
  for (const QEvent::Type tipo : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
    const bool suelta = tipo == QEvent::MouseButtonRelease;
    QMouseEvent e(tipo, donde, f->Gcuestio->viewport()->mapToGlobal(donde), Qt::LeftButton,
                  suelta ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f->Gcuestio->viewport(), &e);
  }
  EXPECT_EQ(Celda(45, 1), QStringLiteral("T134"));
  EXPECT_EQ(f->Cues().Respuesta(45), 3);

  // 300 of 350: 8.6. Area 1 12 of 14 (8.6), 2 7 of 7, 3 5 of 7 (7.1), 4 2 of
  // 7 (2.9); area 19 (31..35) is the weak one.
  prueba::Pulsar(f->BotResCues);
  ASSERT_TRUE(f->ListresCues->isVisible());
  EXPECT_EQ(f->TemaAyudaActual(), 32);
  EXPECT_FALSE(f->PanelMenu->isVisible());
  EXPECT_EQ(f->BotResCues->text(), QStringLiteral("T328"));
  EXPECT_TRUE(f->ImpResul->isVisible());
  EXPECT_TRUE(f->grabar->isVisible());
  const QStringList lineas = Filas(f->ListresCues);
  ASSERT_EQ(lineas.size(), 37);
  EXPECT_EQ(lineas[0], QStringLiteral("       Mod 21"));
  EXPECT_EQ(lineas[3], QStringLiteral("T142"));
  EXPECT_EQ(lineas[5], QStringLiteral("T152  8.6"));
  EXPECT_EQ(lineas[9], QStringLiteral("      Mod 22"));
  EXPECT_EQ(lineas[10], QString());
  EXPECT_EQ(lineas.mid(16, 6), (QStringList{Area(2, "10.0"), Area(1, " 8.6"), Area(3, " 7.1"),
                                            Area(4, " 2.9"), Area(5, " 0.0"), Area(6, " 0.0")}));
  EXPECT_EQ(lineas[23], QStringLiteral("  T341"));
  EXPECT_EQ(lineas.mid(24, 2), (QStringList{Area(2, "10.0"), Area(1, " 8.6")}));
  EXPECT_EQ(lineas.mid(30, 2),
            (QStringList{QStringLiteral("Consejo 46"), QStringLiteral("Consejo 47")}));

  // The best area's titles, university degrees after their heading.
  PulsarLinea(17);
  ASSERT_TRUE(f->PanelCar->isVisible());
  EXPECT_EQ(f->TemaAyudaActual(), 33);
  EXPECT_EQ(Filas(f->ListCar), (QStringList{QStringLiteral("             T48"),
                                            QStringLiteral("   Area 2"),
                                            {},
                                            QStringLiteral("- T80"),
                                            {},
                                            QStringLiteral("Titulo 5"),
                                            {},
                                            QStringLiteral("- T84 T46"),
                                            {},
                                            QStringLiteral("Titulo 90")}));
  prueba::Pulsar(f->BotImpTit);
  const QString titulos = TextoUltimoPdf();
  EXPECT_TRUE(titulos.contains(QStringLiteral("IES Pe\u00f1a Grande"))) << qPrintable(titulos);
  EXPECT_TRUE(titulos.contains(QStringLiteral("Titulo 90"))) << qPrintable(titulos);
  QTest::keyClick(f, Qt::Key_Escape);
  EXPECT_FALSE(f->PanelCar->isVisible());
  EXPECT_TRUE(f->ListresCues->isVisible());

  // Printing asks for the name once; the report carries it as its title.
  ResponderNombre(QStringLiteral("Ana Mu\u00f1oz"));
  prueba::Pulsar(f->ImpResul);
  EXPECT_EQ(dialogos.ejecutados, QStringList{QStringLiteral("TForm4")});
  const QString informe = TextoUltimoPdf();
  for (const QString& esperado :
       {QStringLiteral("Ana Mu\u00f1oz - 4T342"), QStringLiteral("T152 8.6"),
        QStringLiteral("Mod 22"), QStringLiteral("Area 4"), QStringLiteral("Consejo 47"),
        QStringLiteral("Consejo 52")}) {
    EXPECT_TRUE(informe.simplified().contains(esperado)) << qPrintable(esperado);
  }

  // Saving proposes "name - course.TXT" and writes UTF-8 text.
  QTemporaryDir carpeta;
  dialogos.rutaGuardar = carpeta.filePath(QStringLiteral("resultado.TXT"));
  prueba::Pulsar(f->grabar);
  EXPECT_EQ(dialogos.nombresGuardar, QStringList{QStringLiteral("Ana Mu\u00f1oz  -  4T342.TXT")});
  EXPECT_EQ(dialogos.ejecutados.size(), 1);  // no second name
  QFile guardado(dialogos.rutaGuardar);
  ASSERT_TRUE(guardado.open(QIODevice::ReadOnly));
  const QStringList texto = QString::fromUtf8(guardado.readAll()).split(QLatin1Char('\n'));
  EXPECT_EQ(texto[0], QStringLiteral("Ana Mu\u00f1oz  -  4T342"));
  EXPECT_EQ(texto[1], QString());
  EXPECT_EQ(texto.mid(2, 37), lineas);
  EXPECT_EQ(f->TemaAyudaActual(), 20);

  // A folder that does not exist: the message names the file, no "saved" help.
  f->MostrarAyuda(32);
  dialogos.rutaGuardar = carpeta.filePath(QStringLiteral("no/hay/r.TXT"));
  prueba::Pulsar(f->grabar);
  ASSERT_EQ(dialogos.avisos.size(), 1);
  EXPECT_TRUE(dialogos.avisos[0].contains(QDir::toNativeSeparators(dialogos.rutaGuardar)));
  EXPECT_EQ(f->TemaAyudaActual(), 32);

  // Back to the grid: the answers are there to be changed.
  prueba::Pulsar(f->BotResCues);
  EXPECT_TRUE(f->Gcuestio->isVisible());
  EXPECT_FALSE(f->grabar->isVisible());
  EXPECT_EQ(Celda(30, 1), QStringLiteral("T139"));

  // Finished; the next run asks whether to start afresh and, on yes, keeps
  // nothing of this student.
  prueba::Pulsar(f->AcabarCues);
  EXPECT_TRUE(f->PanelMenu->isVisible());
  EXPECT_TRUE(f->botCuestio->isEnabled());
  EXPECT_TRUE(f->BitAcabarLogse->isVisible());
  dialogos.ResponderConBoton(QStringLiteral("ShadowSi"));
  Elegir(f->BotCuestio3);
  EXPECT_EQ(programa->Comunes().Dialogo()->LabelNombre->text(), QStringLiteral("T329"));
  EXPECT_EQ(f->Gcuestio->rowCount(), 35);
  EXPECT_EQ(Celda(30, 1), QString());
  EXPECT_TRUE(programa->Estado().CuesEncabezado.empty());
}

TEST_F(CuestionarioEstudios, DosEtapasAprobadaSigueConLaSegundaParte) {
  PuertaDelCuestionario();
  Elegir(f->BotCuestio3);
  ASSERT_EQ(f->Gcuestio->rowCount(), 35);
  for (int fila = 1; fila <= 35; ++fila) Pulsar(fila, 3);
  prueba::Pulsar(f->BotResCues);
  const QStringList lineas = Filas(f->ListresCues);
  ASSERT_EQ(lineas.size(), 13);
  EXPECT_EQ(lineas[3], QStringLiteral("T142"));
  EXPECT_EQ(lineas[11], QStringLiteral("   T125"));
  EXPECT_EQ(lineas[12], QStringLiteral("T201"));
  EXPECT_TRUE(f->BotContinuar->isVisible());
  EXPECT_FALSE(f->ImpResul->isVisible());
  EXPECT_FALSE(f->grabar->isVisible());

  // Back to the grid, the arrow goes until the result is asked again.
  prueba::Pulsar(f->BotResCues);
  EXPECT_FALSE(f->BotContinuar->isVisible());
  prueba::Pulsar(f->BotResCues);
  ASSERT_TRUE(f->BotContinuar->isVisible());

  prueba::Pulsar(f->BotContinuar);
  EXPECT_EQ(f->Gcuestio->rowCount(), 60);
  EXPECT_EQ(f->TemaAyudaActual(), 30);
  EXPECT_EQ(f->Gcuestio->rowAt(0), 35);  // row 36 at the top
  EXPECT_EQ(Celda(1, 1), QStringLiteral("T139"));
  EXPECT_EQ(Celda(36, 0), QStringLiteral("Interes 36"));
  Pulsar(36, 1);
  prueba::Pulsar(f->BotResCues);
  EXPECT_EQ(Filas(f->ListresCues).size(), 37);
  EXPECT_TRUE(f->grabar->isVisible());

  // The name given for the printout goes with the student who leaves.
  ResponderNombre(QStringLiteral("Luis"));
  prueba::Pulsar(f->ImpResul);
  EXPECT_FALSE(programa->Estado().CuesEncabezado.empty());
  prueba::Pulsar(f->AcabarCues);
  prueba::Pulsar(f->BitAcabarLogse);
  EXPECT_EQ(programa->Ventana().Actual(), hall);
  EXPECT_TRUE(programa->Estado().CuesEncabezado.empty());
  EXPECT_FALSE(f->TimerAyuda->isActive());
}

TEST_F(CuestionarioEstudios, DosEtapasSuspendidaPasaAlCuestionarioDeGradoMedio) {
  PuertaDelCuestionario();
  Elegir(f->BotCuestio3);
  prueba::Pulsar(f->BotResCues);
  const QStringList lineas = Filas(f->ListresCues);
  EXPECT_EQ(lineas[3], QStringLiteral("T150"));
  EXPECT_EQ(lineas[12], QStringLiteral("T202"));
  // No result to print: the buttons stay hidden and do nothing.
  f->ImpResulClick();
  EXPECT_TRUE(dialogos.ejecutados.isEmpty());
  prueba::Pulsar(f->BotContinuar);
  EXPECT_EQ(programa->Ventana().Actual(), programa->Navegar().Creada(Seccion::kGradoMedio));
  EXPECT_TRUE(programa->Estado().ModoCuestionario);
  EXPECT_TRUE(f->Cues().CuesTerminado);
}

}  // namespace
}  // namespace sendaro
