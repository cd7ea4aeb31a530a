// The professions questionnaire driven as a student would: the long phrases
// answered in the panel, the review, the pages of short phrases, the final
// pick, the results with their hover details, the printout and leaving.
#include "sections/professions/qt/tprofe.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "app/qt/programa.h"
#include "qt/apoyo.h"
#include "qt/programa_muestra.h"
#include "ui/navegacion.h"
#include "ui/servicios.h"
#include "ui/ventana_principal.h"

namespace sendaro {
namespace {

QByteArray Lineas(const std::vector<std::string>& lineas) {
  QByteArray bytes;
  for (const std::string& l : lineas) bytes += QByteArray::fromStdString(l) + "\r\n";
  return bytes;
}

std::string Larga(const std::string& texto, const std::string& codigos) {
  std::string l = texto;
  l.resize(115, ' ');
  return l + codigos;
}

std::string Prof(const std::string& a, const std::string& b, std::string nombre, int f1, int f2,
                 const std::string& estudios) {
  nombre.resize(40, ' ');
  char numeros[8];
  std::snprintf(numeros, sizeof numeros, "%3d%3d", f1, f2);
  return a + " " + b + " " + nombre + numeros + estudios;
}

class PantallaProfesiones : public prueba::ProgramaPrueba {
 protected:
  void SetUp() override {
    ProgramaPrueba::SetUp();
    // Long phrases: 0 health, 1 teaching, 2 computing, 3 cooking.
    ins.Escribir(QStringLiteral("FRALARGAS"),
                 Lineas({Larga("Me gusta cuidar a las personas", "SALU           "),
                         Larga("Me gusta explicar cosas", "EDUC SALU      "),
                         Larga("Me gustan los ordenadores", "INFO           "),
                         Larga("Me gusta cocinar", "HOST           ")}));
    // Short phrases 1-6; phrase 6 has no profession.
    ins.Escribir(
        QStringLiteral("FRACORTAS"),
        Lineas({"SALU      Curar heridas", "SALU EDUC Cuidar ninos", "EDUC      Dar clase",
                "EDUC SALU Ensenar salud", "INFO      Programar", "SALU      Hacer deporte"}));
    ins.Escribir(QStringLiteral("ACTIVIDA"),
                 Lineas({"SALU Sanidad", "EDUC Ensenanza", "INFO Informatica", "HOST Hosteleria"}));
    ins.Escribir(QStringLiteral("profesio"),
                 Lineas({Prof("SALU", "    ", "Enfermero", 1, 2, "C001S002"),
                         Prof("EDUC", "SALU", "Maestro", 3, 4, "C002"),
                         Prof("SALU", "EDUC", "Pediatra", 2, 6, "C001"),
                         Prof("INFO", "    ", "Programador", 5, 0, "S003")}));
    ins.Escribir(QStringLiteral("CARRERA"), Lineas({"Medicina (L)", "Magisterio (D)"}));
    ins.Escribir(QStringLiteral("FP"), Lineas({"-Sanidad", "Laboratorio clinico", "DAI"}));
    ASSERT_NO_FATAL_FAILURE(Arrancar(ins.Carpeta()));
    servicios = &programa->Comunes();
  }

  void Abrir() {
    servicios->navegacion.Abrir(entrada::Profesiones::kCuestionario);
    p = &servicios->navegacion.Pantalla<Tprofe>();
    ASSERT_EQ(programa->Ventana().Actual(), p);
  }
  void Crecer() {
    for (int i = 0; i < 100 && p->TimerFrase->isActive(); ++i)
      QMetaObject::invokeMethod(p->TimerFrase, "timeout");
  }
  static std::vector<int> Elegidas(const QListWidget* l) {
    std::vector<int> filas;
    for (int i = 0; i < l->count(); ++i)
      if (l->item(i)->isSelected()) filas.push_back(i);
    return filas;
  }
  static void Elegir(QListWidget* l, int fila) {
    const QRect r = l->visualItemRect(l->item(fila));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, r.center());
  }
  // Answers the long phrases in order (true: Yes) and closes the closing message.
  void Responder(const std::vector<bool>& respuestas) {
    Abrir();
    EXPECT_TRUE(p->BotNo->isHidden());  // the introduction has no No
    prueba::Pulsar(p->BotSi);
    for (const bool si : respuestas) prueba::Pulsar(si ? p->BotSi : p->BotNo);
    Crecer();
  }

  prueba::InstalacionPrueba ins;
  Servicios* servicios = nullptr;
  Tprofe* p = nullptr;
};

TEST_F(PantallaProfesiones, DeLasFrasesAlResultadoImpresoYVuelta) {
  Responder({true, false, true, false});
  // Closing message: the answered phrases are chosen, the list and next are usable.
  EXPECT_EQ(p->IndiceFrase(), 4);
  EXPECT_EQ(Elegidas(p->ListCues), (std::vector<int>{0, 2}));
  EXPECT_EQ(p->LabelFrase0->text(), QStringLiteral("T639"));
  EXPECT_EQ(p->LabelFrase->text(), QStringLiteral("T637 T636"));
  EXPECT_TRUE(p->ListCues->isEnabled());
  EXPECT_TRUE(p->BotFraSig->isEnabled());
  EXPECT_EQ(p->PanelFrase->geometry(), QRect(212, 200, 600, 260));  // grown back in full
  prueba::Pulsar(p->BotSi);
  EXPECT_TRUE(p->PanelFrase->isHidden());

  // Health and computing: phrases 1, 2, 5 (code A, phrase 1), 6 (phrase 2), then 3 and 4
  // (code B): six phrases dealt over two pages, alternately.
  prueba::Pulsar(p->BotFraSig);
  EXPECT_EQ(p->PaginaProfe(), 1);
  EXPECT_EQ(p->NumPaginas(), 2);
  EXPECT_TRUE(p->ListCues->isHidden());
  EXPECT_EQ(Filas(p->ListSel),
            (QStringList{QStringLiteral("Curar heridas"), QStringLiteral("Programar"),
                         QStringLiteral("Dar clase")}));
  EXPECT_EQ(p->LabelTit0->text(), QStringLiteral("T629"));
  Elegir(p->ListSel, 0);
  Elegir(p->ListSel, 2);
  Elegir(p->ListSel, 1);  // a third choice drops the lowest one
  EXPECT_EQ(Elegidas(p->ListSel), (std::vector<int>{0, 1}));

  prueba::Pulsar(p->BotFraSig);
  EXPECT_EQ(Filas(p->ListSel),
            (QStringList{QStringLiteral("Cuidar ninos"), QStringLiteral("Hacer deporte"),
                         QStringLiteral("Ensenar salud")}));
  Elegir(p->ListSel, 0);
  prueba::Pulsar(p->BotFraRet);  // back to page 1 keeps its choices
  EXPECT_EQ(Elegidas(p->ListSel), (std::vector<int>{0, 1}));
  prueba::Pulsar(p->BotFraSig);  // a page's choices are kept when going forward from it
  EXPECT_TRUE(Elegidas(p->ListSel).empty());
  Elegir(p->ListSel, 0);
  prueba::Pulsar(p->BotFraSig);
  EXPECT_TRUE(p->ModoFinal());
  EXPECT_EQ(p->ListaFinal(), (std::vector<int>{1, 5, 2}));
  EXPECT_EQ(p->LabelTit0->text(), QStringLiteral("T630"));
  Elegir(p->ListSel, 0);
  Elegir(p->ListSel, 2);  // only the last row clicked stays picked: "Cuidar ninos" (phrase 2)
  EXPECT_EQ(Elegidas(p->ListSel), (std::vector<int>{2}));
  prueba::Pulsar(p->BotFraSig);

  // Sanidad: 1 + 2.5 = 3.5; Ensenanza: 1.25; Informatica: 1.
  ASSERT_FALSE(p->PanelResul->isHidden());
  EXPECT_EQ(Filas(p->ListResulAct),
            (QStringList{QStringLiteral("         T625"), QStringLiteral("1\u00ba Sanidad"),
                         QStringLiteral("2\u00ba Ensenanza")}));
  EXPECT_EQ(Filas(p->ListResulProf), (QStringList{QString(), QStringLiteral("\u2022 Enfermero"),
                                                  QStringLiteral("\u2022 Pediatra")}));
  Sobre(p->ListResulProf, 2);
  EXPECT_FALSE(p->ListTit->isHidden());
  EXPECT_EQ(p->LabelTit3->text(), QStringLiteral("Pediatra"));
  EXPECT_TRUE(p->ListTit->toPlainText().contains(QStringLiteral("Medicina (L)")));
  Sobre(p->ListResulAct, 2);
  EXPECT_EQ(Filas(p->ListResProf).value(0), QStringLiteral("     T624 2\u00ba"));
  EXPECT_TRUE(Filas(p->ListResProf).contains(QStringLiteral("\u2022 Maestro")));

  // The printout asks the student's name once.
  dialogos.ResponderConBoton(QStringLiteral("ShadowSi"), [](QDialog& d) {
    d.findChild<QLineEdit*>(QStringLiteral("EditNombre"))->setText(QStringLiteral("Ana Ruiz"));
  });
  prueba::Pulsar(p->BotImp);
  const QString texto = TextoUltimoPdf();
  EXPECT_TRUE(texto.contains(QStringLiteral("Ana Ruiz")));
  EXPECT_TRUE(texto.contains(QStringLiteral("Enfermero")));
  EXPECT_TRUE(texto.contains(QStringLiteral("Medicina (L) (T\u00edt. Univers.)")));
  EXPECT_TRUE(texto.contains(QStringLiteral("1\u00ba Sanidad")));

  // Back shows the final list again; leaving asks 649 and returns to the hall.
  prueba::Pulsar(p->BotFraRet);
  EXPECT_TRUE(p->PanelResul->isHidden());
  dialogos.ResponderConBoton(QStringLiteral("ShadowSi"));
  prueba::Pulsar(p->BotAcabar);
  EXPECT_NE(programa->Ventana().Actual(), p);
  EXPECT_TRUE(servicios->estado.CuesEncabezado.empty());

  // A new run keeps nothing of the last student.
  Abrir();
  EXPECT_TRUE(Elegidas(p->ListCues).empty());
  EXPECT_TRUE(p->PanelResul->isHidden());
  EXPECT_FALSE(p->ListCues->isEnabled());
}

TEST_F(PantallaProfesiones, MasDeTresFrasesNoAvanzan) {
  Responder({true, true, true, true});
  EXPECT_EQ(p->LabelFrase->text(), QStringLiteral("T634 T635 T636"));
  prueba::Pulsar(p->BotSi);
  prueba::Pulsar(p->BotFraSig);
  EXPECT_EQ(p->PaginaProfe(), 0);
  EXPECT_FALSE(p->PanelFrase->isHidden());  // the closing message again
  EXPECT_EQ(Elegidas(p->ListCues).size(), 4u);
}

TEST_F(PantallaProfesiones, SinFraseElegidaNoQuedanLasProfesionesAnteriores) {
  Responder({true, false, false, false});
  prueba::Pulsar(p->BotSi);
  prueba::Pulsar(p->BotFraSig);
  // Health alone: phrases 1, 2, 6, 3, 4; page 1 holds 1, 6, 4.
  ASSERT_EQ(p->NumPaginas(), 2);
  ASSERT_EQ(p->ListSel->count(), 3);
  Elegir(p->ListSel, 1);  // "Hacer deporte"
  prueba::Pulsar(p->BotFraSig);
  prueba::Pulsar(p->BotFraSig);
  ASSERT_EQ(p->ListaFinal(), std::vector<int>{6});
  Elegir(p->ListSel, 0);
  prueba::Pulsar(p->BotFraSig);
  EXPECT_EQ(Filas(p->ListResulProf), (QStringList{QString(), QStringLiteral("\u2022 Pediatra")}));

  // Back to the final list, the pick undone: the new results keep no profession
  // of the last ones, and hovering the empty list shows nothing.
  prueba::Pulsar(p->BotFraRet);
  const QRect fila = p->ListSel->visualItemRect(p->ListSel->item(0));
  QTest::mouseClick(p->ListSel->viewport(), Qt::LeftButton, Qt::ControlModifier, fila.center());
  ASSERT_TRUE(Elegidas(p->ListSel).empty());
  prueba::Pulsar(p->BotFraSig);
  EXPECT_EQ(p->ListResulProf->count(), 0);
  EXPECT_TRUE(p->Resultado().profesionesFrase.empty());
  EXPECT_EQ(p->Resultado().puntos.size(), 1u);  // Sanidad 1
  QMouseEvent mover(QEvent::MouseMove, QPointF(10, 30),
                    p->ListResulProf->viewport()->mapToGlobal(QPointF(10, 30)), Qt::NoButton,
                    Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(p->ListResulProf->viewport(), &mover);
  EXPECT_TRUE(p->LabelTit3->text().isEmpty());

  // Leaving while the results still slide in stops every animation.
  ASSERT_TRUE(p->TimerAyu->isActive());
  dialogos.ResponderConBoton(QStringLiteral("ShadowSi"));
  prueba::Pulsar(p->BotAcabar);
  for (QTimer* t : {p->TimerFrase, p->TimerAyu, p->TimerAyu0}) EXPECT_FALSE(t->isActive());
}

}  // namespace
}  // namespace sendaro
