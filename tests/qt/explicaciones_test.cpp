// Every questionnaire of the sample installation, answered and opened by
// keyboard at a result row: the row says which answers led to it, in the
// catalogue's words, and the printout carries the explanations after the
// result.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <functional>

#include "qt/programa_muestra.h"
#include "sections/degrees/qt/tform1.h"
#include "sections/degrees/qt/visor_cuestionario.h"
#include "sections/itineraries/qt/tform2.h"
#include "sections/middle_grade/qt/tform3.h"
#include "sections/professions/qt/tprofe.h"
#include "ui/panel_explicacion.h"

namespace sendaro {
namespace {

class Explicaciones : public prueba::ProgramaMuestra {
 protected:
  void NombreAlumno() {
    dialogos.ResponderConBoton(QStringLiteral("ShadowSi"), [](QDialog& d) {
      d.findChild<QLineEdit*>(QStringLiteral("EditNombre"))->setText(QStringLiteral("Ana"));
    });
  }
  static void Marcar(QListWidget* l, std::initializer_list<int> filas) {
    for (const int f : filas) l->item(f)->setSelected(true);
  }
  static void Clic(QListWidget* l, int fila) {
    l->scrollToItem(l->item(fila));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(fila)).center());
  }
  // The keyboard reaches row `fila` of a list and presses `tecla` there.
  static void Teclas(QListWidget* l, int fila, Qt::Key tecla) {
    l->setFocus();
    l->setCurrentRow(0);
    for (int i = 0; i < fila; ++i) QTest::keyClick(l, Qt::Key_Down);
    if (tecla != Qt::Key_unknown) QTest::keyClick(l, tecla);
  }
  // What the explanation box shows, and whether it shows.
  static QString Mostrado(const PanelExplicacion* p) {
    return p->isHidden() ? QString() : p->Titulo->text() + QLatin1Char('\n') + p->Texto();
  }

  // Each questionnaire: reach its results, open a row by keyboard and print.
  struct Caso {
    const char* nombre;
    std::function<PanelExplicacion*()> abrir;       // the box after opening a row
    std::vector<QString> esperado;                  // pieces of the box's text
    std::function<void()> imprimir;
  };
  PanelExplicacion* Cualidades();
  PanelExplicacion* Itinerarios();
  PanelExplicacion* Profesiones();
  PanelExplicacion* GradoMedio();
  TForm3* gm = nullptr;
};

PanelExplicacion* Explicaciones::Cualidades() {
  CruzarPuerta(&Tform0::LabelCuesBClick);
  auto& f = programa->Navegar().Pantalla<TForm1>();
  VisorCuestionario& v = f.Cuestionario();
  prueba::Pulsar(v.Menucua);
  Marcar(v.ListCua, {0, 1, 2, 6});
  prueba::Pulsar(v.MenuGus);
  Marcar(v.Listint, {0, 3});
  prueba::Pulsar(v.MenuMedia);
  Teclas(v.ListResul, 0, Qt::Key_Return);
  EXPECT_FALSE(v.ListCarreras->isHidden());  // the group's studies, as a click shows
  return v.PanelPorQue;
}

PanelExplicacion* Explicaciones::Itinerarios() {
  CruzarPuerta(&Tform0::LabelCuesEClick);
  auto& f = programa->Navegar().Pantalla<TForm2>();
  QEvent entrar(QEvent::Enter);
  QCoreApplication::sendEvent(f.botCuestio, &entrar);
  prueba::Pulsar(f.BotCuestio1);
  // Every question answered with its third answer.
  for (int r = 0; r < f.Gcuestio->rowCount(); ++r) {
    f.Gcuestio->setCurrentCell(r, 0);
    f.GcuestioMouseDown(r + 1);
    f.GcuestioMouseDown(r + 1);
  }
  prueba::Pulsar(f.BotResCues);
  Teclas(f.ListresCues, 16, Qt::Key_Space);  // the best area
  EXPECT_FALSE(f.PanelCar->isHidden());      // its titles, as a click shows
  return f.PanelPorQue;
}

PanelExplicacion* Explicaciones::Profesiones() {
  S().navegacion.Abrir(entrada::Profesiones::kCuestionario);
  auto& p = S().navegacion.Pantalla<Tprofe>();
  prueba::Pulsar(p.BotSi);  // the introduction
  prueba::Pulsar(p.BotSi);  // the first long phrase
  for (int i = 1; i < p.ListCues->count(); ++i) prueba::Pulsar(p.BotNo);
  for (int i = 0; i < 100 && p.TimerFrase->isActive(); ++i)
    QMetaObject::invokeMethod(p.TimerFrase, "timeout");
  prueba::Pulsar(p.BotSi);
  prueba::Pulsar(p.BotFraSig);
  for (int i = 0; i < 5 && !p.ModoFinal(); ++i) {
    Clic(p.ListSel, 0);
    prueba::Pulsar(p.BotFraSig);
  }
  Clic(p.ListSel, 0);
  prueba::Pulsar(p.BotFraSig);
  EXPECT_FALSE(p.PanelResul->isHidden());
  Teclas(p.ListResulAct, 1, Qt::Key_Return);  // the best activity
  EXPECT_FALSE(p.ListResProf->isHidden());   // its professions, as the pointer shows
  return p.PanelPorQue;
}

PanelExplicacion* Explicaciones::GradoMedio() {
  // The study questionnaire's middle-grade branch.
  TForm2* t2 = &programa->Navegar().Pantalla<TForm2>();
  programa->Ventana().Mostrar(t2);
  t2->BotCuestio2Click();
  gm = &S().navegacion.Pantalla<TForm3>();
  Clic(gm->ListGM, 0);
  prueba::Pulsar(gm->BitFleGMde);
  Clic(gm->ListGM2, 0);
  Clic(gm->ListGM2, 1);
  prueba::Pulsar(gm->BitFleGMde);
  EXPECT_TRUE(gm->PanelPorQue->isHidden());  // nothing opened yet
  Teclas(gm->ListGM, 1, Qt::Key_unknown);    // the first title
  return gm->PanelPorQue;
}

TEST_F(Explicaciones, CadaCuestionarioExplicaLaFilaAbiertaYLaImprime) {
  const Caso casos[] = {
      {"cualidades",
       [this] { return Cualidades(); },
       {QStringLiteral("Por qu\u00e9 sale este resultado"), QStringLiteral("media de "),
        QStringLiteral("marcaste "), QStringLiteral(" en intereses")},
       [this] {
         NombreAlumno();
         prueba::Pulsar(programa->Navegar().Pantalla<TForm1>().Cuestionario().ImpResul);
       }},
      {"itinerarios",
       [this] { return Itinerarios(); },
       {QStringLiteral("puntos posibles en"), QStringLiteral("contestadas \u00ab")},
       [this] {
         NombreAlumno();
         prueba::Pulsar(programa->Navegar().Pantalla<TForm2>().ImpResul);
       }},
      {"profesiones",
       [this] { return Profesiones(); },
       {QStringLiteral("la se\u00f1alan estas frases de tu lista final"),
        QStringLiteral("la frase que elegiste: +2,5")},
       [this] {
         NombreAlumno();
         prueba::Pulsar(S().navegacion.Pantalla<Tprofe>().BotImp);
       }},
      {"grado medio",
       [this] { return GradoMedio(); },
       {QStringLiteral("lo proponen estas frases que elegiste")},
       [this] {
         Clic(gm->ListGM, 1);
         for (int i = 0; i < 60 && gm->TimerReduce->isActive(); ++i) gm->TimerReduceTimer();
         for (int c = 1; c <= 19 && gm->BotImprimirCuesGM->isHidden(); ++c) gm->mapaClick(c);
         NombreAlumno();
         prueba::Pulsar(gm->BotImprimirCuesGM);
       }},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    const int antes = static_cast<int>(Pdfs().size());
    PanelExplicacion* panel = caso.abrir();
    const QString texto = Mostrado(panel);
    ASSERT_FALSE(texto.isEmpty());
    for (const QString& pieza : caso.esperado)
      EXPECT_TRUE(texto.contains(pieza)) << texto.toStdString() << " / " << pieza.toStdString();
    // The explanation's first line is in the printout, after the result.
    const QString primera = panel->Texto().section(QLatin1Char('\n'), 0, 0);
    caso.imprimir();
    const QStringList pdfs = Pdfs();
    ASSERT_GT(pdfs.size(), antes);
    QString impreso;
    for (int i = antes; i < pdfs.size(); ++i) impreso += TextoPdf(pdfs[i]);
    const QString junto = impreso.simplified();
    EXPECT_TRUE(junto.contains(primera.simplified().left(30))) << junto.toStdString();
    programa->Ventana().Mostrar(hall);
  }
}

}  // namespace
}  // namespace sendaro
