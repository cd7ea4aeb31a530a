// The qualities and interests questionnaire as a student uses it: from the
// hall's door through both lists, the three rankings and a group's studies,
// to the printout and the saved report, and a new start without a trace of
// the last run.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "sections/degrees/qt/pantalla_grados.h"
#include "sections/degrees/registros_prueba.h"
#include "ui/tform4.h"

namespace sendaro {
namespace {

class Cuestionario : public prueba::PantallaGradosBase {
 protected:
  // Six qualities, three interests, three groups: 1 Sanitario (qualities
  // 1-5, interest 1), 2 Tecnologico (quality 6, interest 2), 3 Artistico
  // (qualities 2 3 6, interest 3). Medicina belongs to group 1, I T
  // Informatica to group 2, the radiotherapy title to group 1.
  void Datos() override {
    using prueba::Lineas;
    ins.Escribir(QStringLiteral("CUALIDAD"),
                 Lineas({"Paciencia poca", "Paciencia media", "Paciencia mucha", "Calculo poco",
                         "Calculo medio", "Calculo mucho"}));
    ins.Escribir(QStringLiteral("INTERES"), Lineas({"Ayudar", "Ordenadores", "Dibujar"}));
    ins.Escribir(QStringLiteral("GRUPOS"), Lineas({"Sanitario", "Tecnologico", "Artistico"}));
    std::string gru = prueba::RegistrosVacios(registros::kDatgru);
    const auto& g = registros::kDatgru;
    prueba::PonerLista(gru, g, 1, 1, 0, {1, 2, 3, 4, 5});
    prueba::PonerLista(gru, g, 2, 1, 0, {1});
    prueba::PonerLista(gru, g, 1, 2, 0, {6});
    prueba::PonerLista(gru, g, 2, 2, 0, {2});
    prueba::PonerLista(gru, g, 1, 3, 0, {2, 3, 6});
    prueba::PonerLista(gru, g, 2, 3, 0, {3});
    ins.Escribir(QStringLiteral("datgru"), QByteArray::fromStdString(gru));

    QFile datcar(ins.Ruta(QStringLiteral("datcar")));
    ASSERT_TRUE(datcar.open(QIODevice::ReadOnly));
    std::string car = datcar.readAll().toStdString();
    datcar.close();
    const int r5 = registros::kRegistroGruposYRelacionadas;
    prueba::PonerLista(car, registros::kDatcar, r5, 1, 0, {1});
    prueba::PonerLista(car, registros::kDatcar, r5, 3, 0, {2});
    ins.Escribir(QStringLiteral("datcar"), QByteArray::fromStdString(car));

    ins.Escribir(QStringLiteral("FP"), Lineas({"-Sanidad", "Tecnico Superior en Radioterapia"}));
    std::string fpr = prueba::RegistrosVacios(registros::kDatFPR);
    prueba::PonerListaTitulo(fpr, registros::kFPRGrupos, 2, {1});
    ins.Escribir(QStringLiteral("datFPR"), QByteArray::fromStdString(fpr));
  }

  QList<int> Marcadas(const QListWidget* l) const {
    QList<int> filas;
    for (int i = 0; i < l->count(); ++i) {
      if (l->item(i)->isSelected()) filas << i;
    }
    return filas;
  }
  // Enter on a row that the keyboard has reached without selecting it.
  void Intro(QListWidget* l, int fila) {
    l->selectionModel()->setCurrentIndex(l->model()->index(fila, 0), QItemSelectionModel::NoUpdate);
    QTest::keyClick(l, Qt::Key_Return);
  }
  void ResponderNombre(const QString& nombre, QString* propuesto = nullptr) {
    dialogos.ResponderConBoton(QStringLiteral("ShadowSi"), [nombre, propuesto](QDialog& d) {
      auto* edit = d.findChild<QLineEdit*>(QStringLiteral("EditNombre"));
      if (propuesto != nullptr) *propuesto = edit->text();
      edit->setText(nombre);
    });
  }
  static QString Fila(const char* grupo, const char* puntos) {
    return QString::fromLatin1(grupo).leftJustified(40, QLatin1Char(' ')) +
           QString::fromLatin1(puntos);
  }
};

TEST_F(Cuestionario, DeLaPuertaALasTresClasificacionesElInformeYUnaNuevaVuelta) {
  Puerta(&Tform0::LabelCuesBClick);
  EXPECT_FALSE(Visible(f->Pagina().Panelinicio));
  EXPECT_TRUE(Visible(f->Cuestionario().Panelcon));
  EXPECT_TRUE(Visible(f->Cuestionario().PanelMenuCon));
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 3);
  EXPECT_TRUE(f->Pagina().payuda->isVisibleTo(f->Cuestionario().Panelcon));
  EXPECT_EQ(f->Cuestionario().acabarCua->text(), QStringLiteral("T344"));
  EXPECT_EQ(f->Cuestionario().ImpResul->text(), QStringLiteral("T345"));

  // The combined result needs both lists first.
  prueba::Pulsar(f->Cuestionario().MenuMedia);
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 18);
  EXPECT_FALSE(Visible(f->Cuestionario().ListResul));

  // Qualities: a click on a graded item ticks the ones below it; Enter
  // toggles the row it is on.
  prueba::Pulsar(f->Cuestionario().Menucua);
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 4);
  EXPECT_EQ(f->Cuestionario().ListCua->count(), 6);
  EXPECT_FALSE(Visible(f->Cuestionario().MenuGus));
  EXPECT_TRUE(Visible(f->Cuestionario().VerResul));
  Clic(f->Cuestionario().ListCua, 2);
  EXPECT_EQ(Marcadas(f->Cuestionario().ListCua), (QList<int>{0, 1, 2}));
  Intro(f->Cuestionario().ListCua, 1);
  EXPECT_EQ(Marcadas(f->Cuestionario().ListCua), (QList<int>{0, 2}));
  prueba::Pulsar(f->Cuestionario().VerResul);
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 6);
  EXPECT_EQ(f->Cuestionario().PanelResCon->text(), QStringLiteral("T286    T279"));
  EXPECT_FALSE(Visible(f->Cuestionario().ListCua));
  // Items 1 and 3: 2.01 x 10 / 5, 1.01 x 10 / 3, 0.01 x 10 / 1.
  EXPECT_EQ(Lineas(f->Cuestionario().ListResul), (QStringList{Fila("Sanitario", " 4.0"), Fila("Artistico", " 3.4"),
                                               Fila("Tecnologico", " 0.1")}));
  // Review shows the answers as they were.
  prueba::Pulsar(f->Cuestionario().revisa);
  EXPECT_TRUE(Visible(f->Cuestionario().ListCua));
  EXPECT_EQ(Marcadas(f->Cuestionario().ListCua), (QList<int>{0, 2}));
  prueba::Pulsar(f->Cuestionario().VerResul);
  prueba::Pulsar(f->Cuestionario().acabarCua);
  EXPECT_TRUE(Visible(f->Cuestionario().MenuGus));
  EXPECT_FALSE(Visible(f->Cuestionario().ListResul));

  prueba::Pulsar(f->Cuestionario().MenuGus);
  EXPECT_EQ(Lineas(f->Cuestionario().Listint),
            (QStringList{QStringLiteral("Ayudar"), QStringLiteral("Ordenadores"),
                         QStringLiteral("Dibujar")}));
  Clic(f->Cuestionario().Listint, 1);
  prueba::Pulsar(f->Cuestionario().VerResul);
  // Equal scores keep the group order.
  EXPECT_EQ(Lineas(f->Cuestionario().ListResul),
            (QStringList{Fila("Tecnologico", "10.1"), Fila("Sanitario", " 0.1"),
                         Fila("Artistico", " 0.1")}));
  prueba::Pulsar(f->Cuestionario().acabarCua);

  prueba::Pulsar(f->Cuestionario().MenuMedia);
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 8);
  EXPECT_EQ(f->Cuestionario().PanelResCon->text(), QStringLiteral("T288"));
  const QStringList conjunto = {Fila("Tecnologico", " 5.1"), Fila("Sanitario", " 2.1"),
                                Fila("Artistico", " 1.7")};
  EXPECT_EQ(Lineas(f->Cuestionario().ListResul), conjunto);
  for (QWidget* w : std::initializer_list<QWidget*>{f->Cuestionario().acabarCua, f->Cuestionario().ImpResul, f->Cuestionario().grabar})
    EXPECT_TRUE(Visible(w)) << w->objectName().toStdString();

  // A group's studies.
  Clic(f->Cuestionario().ListResul, 1);
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 7);
  ASSERT_TRUE(Visible(f->Cuestionario().ListCarreras));
  EXPECT_EQ(Lineas(f->Cuestionario().ListCarreras),
            (QStringList{QStringLiteral("Sanitario"), QString(), QStringLiteral("T327"),
                         QStringLiteral("Medicina (L)"), QString(), QStringLiteral("T326"),
                         QStringLiteral("Tecnico Superior en Radioterapia")}));
  QTest::mouseClick(f->Cuestionario().ListCarreras->viewport(), Qt::LeftButton);
  EXPECT_FALSE(Visible(f->Cuestionario().ListCarreras));

  // Printed: the rankings in portrait, then the three best groups' studies.
  ResponderNombre(QStringLiteral("Ana"));
  prueba::Pulsar(f->Cuestionario().ImpResul);
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 17);
  const QStringList impresos = Pdfs();
  ASSERT_EQ(impresos.size(), 2);
  const QString retrato = prueba::TextoDePdf(impresos[0]);
  EXPECT_TRUE(retrato.contains(QStringLiteral("T284 Ana"))) << retrato.toStdString();
  EXPECT_TRUE(retrato.contains(QStringLiteral("T285"))) << retrato.toStdString();
  EXPECT_TRUE(retrato.contains(conjunto[0].trimmed().split(QLatin1Char(' ')).first()));
  const QString estudios = prueba::TextoDePdf(impresos[1]);
  EXPECT_TRUE(estudios.contains(QStringLiteral("T340"))) << estudios.toStdString();
  EXPECT_TRUE(estudios.contains(QStringLiteral("I T Informatica"))) << estudios.toStdString();

  // Cancelling the name prompt saves nothing.
  dialogos.ResponderConBoton(QStringLiteral("ShadowNo"));
  prueba::Pulsar(f->Cuestionario().grabar);
  EXPECT_TRUE(dialogos.nombresGuardar.isEmpty());

  // Saved under the name, which the prompt offers again.
  QTemporaryDir carpeta;
  const QString fichero = carpeta.filePath(QStringLiteral("Ana.TXT"));
  dialogos.rutaGuardar = fichero;
  QString propuesto;
  ResponderNombre(QStringLiteral("Ana"), &propuesto);
  prueba::Pulsar(f->Cuestionario().grabar);
  EXPECT_EQ(propuesto, QStringLiteral("Ana"));
  EXPECT_EQ(dialogos.nombresGuardar, QStringList{QStringLiteral("Ana.TXT")});
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 19);
  QFile guardado(fichero);
  ASSERT_TRUE(guardado.open(QIODevice::ReadOnly | QIODevice::Text));
  const QStringList texto = QString::fromUtf8(guardado.readAll()).split(QLatin1Char('\n'));
  EXPECT_EQ(texto.first(), QStringLiteral("T284 Ana"));
  for (const QString& fila : conjunto) {
    EXPECT_TRUE(texto.contains(QStringLiteral("         ") + fila)) << fila.toStdString();
  }
  EXPECT_TRUE(texto.contains(QStringLiteral("T340")));

  // Back to the hall, and in again as the next student.
  prueba::Pulsar(f->Cuestionario().MenuRetroCon);
  EXPECT_EQ(programa->Ventana().Actual(), hall);
  EXPECT_TRUE(Visible(f->Pagina().Panelinicio));
  EXPECT_FALSE(Visible(f->Cuestionario().Panelcon));
  // The question comes once the page is on view, the hall gone.
  bool paginaALaVista = false;
  dialogos.ResponderConBoton(QStringLiteral("ShadowSi"), [&](QDialog&) {
    paginaALaVista = programa->Ventana().Actual() == f && Visible(f->Cuestionario().Panelcon) &&
                     !Visible(f->Pagina().Panelinicio) && !hall->isVisible();
  });
  const qsizetype preguntas = dialogos.ejecutados.size();
  Puerta(&Tform0::LabelCuesBClick);
  EXPECT_EQ(dialogos.ejecutados.size(), preguntas);
  QCoreApplication::processEvents();
  ASSERT_EQ(dialogos.ejecutados.size(), preguntas + 1);
  EXPECT_EQ(dialogos.ejecutados.back(), QStringLiteral("TForm4"));
  EXPECT_TRUE(paginaALaVista);
  EXPECT_FALSE(Visible(f->Cuestionario().ListResul));
  EXPECT_FALSE(Visible(f->Cuestionario().ImpResul));
  prueba::Pulsar(f->Cuestionario().MenuMedia);
  EXPECT_EQ(f->Pagina().TemaAyudaActual(), 18);
  prueba::Pulsar(f->Cuestionario().Menucua);
  EXPECT_TRUE(Marcadas(f->Cuestionario().ListCua).isEmpty());
}

TEST_F(Cuestionario, SinEmpezarDeNuevoLasRespuestasSiguen) {
  Puerta(&Tform0::LabelCuesBClick);
  prueba::Pulsar(f->Cuestionario().Menucua);
  Clic(f->Cuestionario().ListCua, 5);
  EXPECT_EQ(Marcadas(f->Cuestionario().ListCua), (QList<int>{3, 4, 5}));
  prueba::Pulsar(f->Cuestionario().MenuRetroCon);
  dialogos.ResponderConBoton(QStringLiteral("ShadowNo"));
  Puerta(&Tform0::LabelCuesBClick);
  QCoreApplication::processEvents();
  prueba::Pulsar(f->Cuestionario().Menucua);
  EXPECT_EQ(Marcadas(f->Cuestionario().ListCua), (QList<int>{3, 4, 5}));
}

}  // namespace
}  // namespace sendaro
