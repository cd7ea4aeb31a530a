// The itinerary map and the explanation diagram on the sample installation,
// driven as a person would: from the hall's itineraries door the map is built
// click by click and key by key, nodes open their lists, a sheet is printed,
// the more-information button leads to another screen and back, the game
// button asks for three node clicks first; the diagram is uncovered arrow by
// arrow. Timers are stepped by calling their handlers.
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "qt/programa_muestra.h"
#include "sections/certificates/qt/tcertifica.h"
#include "sections/itineraries/qt/tform2.h"
#include "ui/navegacion.h"

namespace sendaro {
namespace {

class MapaItinerarios : public prueba::ProgramaMuestra {
 protected:
  void SetUp() override {
    ProgramaMuestra::SetUp();
    f = &programa->Navegar().Pantalla<TForm2>();
    CruzarPuerta(&Tform0::LabelItiClick);
    ASSERT_EQ(Actual(), f);
  }
  QString T(int n) { return S().Texto(n).trimmed(); }
  FuentesMapa Fuentes() {
    const TablasDatos& t = S().tablas;
    return {t.lineasInforma, t.materias, t.carrerasItinerario, t.titulosFPS, S().catalogo};
  }
  static QStringList Lineas(const std::vector<std::string>& lineas) {
    QStringList r;
    for (const std::string& l : lineas) r << DeWin(l);
    return r;
  }
  // A click on the drawing area, clear of every node.
  void ClicEnElMapa() { QTest::mouseClick(f, ::Qt::LeftButton, {}, QPoint(900, 700)); }
  void Construir() {
    prueba::Pulsar(f->BotItinerarios);
    for (int i = 0; i < 8; ++i) ClicEnElMapa();
    ASSERT_FALSE(f->Mapa().MapaEnConstruccion);
  }
  void AbrirLista() {
    for (int i = 0; i < 200 && f->TimerLista->isActive(); ++i) f->TimerListaTimer();
    ASSERT_FALSE(f->TimerLista->isActive());
  }
  QPushButton* Nodo(int k) { return f->Nodos[static_cast<std::size_t>(k - 1)]; }
  QImage Captura() { return f->grab().toImage(); }
  bool Rojo(const QImage& i, int x, int y) { return i.pixelColor(x, y) == QColor(Qt::red); }
  void Guardar(const QImage& i, const char* nombre) {
    const QByteArray carpeta = qgetenv("SENDARO_CAPTURAS");
    if (!carpeta.isEmpty()) i.save(QString::fromUtf8(carpeta + "/" + nombre + ".png"));
  }

  TForm2* f = nullptr;
};

// The red dividing line each build step adds, at its x and at y 300.
constexpr int kLineas[] = {373, 438, 492, 573, 633, 693, 774};

TEST_F(MapaItinerarios, SeConstruyePasoAPasoYCadaRepintadoDibujaSuPaso) {
  EXPECT_FALSE(f->BotItinerarios->isHidden());
  EXPECT_FALSE(f->BotExplica->isHidden());
  prueba::Pulsar(f->BotItinerarios);
  EXPECT_EQ(f->Mapa().PasoMapa, 0);
  EXPECT_EQ(f->TemaAyudaActual(), 9);
  EXPECT_EQ(f->PanelItiner->width(), f->payuda->x() + f->payuda->width() + 3);
  constexpr int kAyudas[] = {12, 13, 14, 15, 16, 17, 19};
  for (int paso = 0; paso < 8; ++paso) {
    // A fresh repaint (grab) shows the boxes and exactly the lines drawn so far.
    const QImage i = Captura();
    EXPECT_EQ(i.pixelColor(390, 240), ColorQ(ColorImpresion)) << paso;
    for (int k = 0; k < 7; ++k) EXPECT_EQ(Rojo(i, kLineas[k], 300), k < paso) << paso << " " << k;
    if (paso == 4) Guardar(i, "mapa_a_medias");
    if (paso < 7) {
      // Clicks and keys take turns.
      if (paso % 2 == 0) {
        ClicEnElMapa();
      } else {
        QTest::keyClick(f, ::Qt::Key_Space);
      }
      EXPECT_EQ(f->Mapa().PasoMapa, paso + 1);
      EXPECT_EQ(f->TemaAyudaActual(), kAyudas[paso]);
      EXPECT_TRUE(Nodo(1)->isHidden());
    }
  }
  ClicEnElMapa();
  EXPECT_FALSE(f->Mapa().MapaEnConstruccion);
  EXPECT_EQ(f->TemaAyudaActual(), 22);
  for (int k = 1; k <= kNodosMapa; ++k) {
    ASSERT_FALSE(Nodo(k)->isHidden()) << k;
    const NodoMapa& n = NodoDelMapa(k);
    EXPECT_EQ(Nodo(k)->pos(), QPoint(10 * n.columna + 40, 15 * n.fila - 15)) << k;
  }
  EXPECT_EQ(Nodo(2)->objectName(), QStringLiteral("B2"));
  EXPECT_EQ(Nodo(8)->objectName(), QStringLiteral("BitBtn2"));
  EXPECT_EQ(Nodo(46)->objectName(), QStringLiteral("BitBtn48"));
  EXPECT_EQ(Nodo(49)->objectName(), QStringLiteral("b48"));
  EXPECT_EQ(Nodo(39)->toolTip(), DeWin(PistaNodo(NodoDelMapa(39), S().catalogo)));
  const QImage completo = Captura();
  for (const int x : kLineas) EXPECT_TRUE(Rojo(completo, x, 300)) << x;
  Guardar(completo, "mapa_completo");
  // More clicks and keys change nothing once the map is complete.
  ClicEnElMapa();
  QTest::keyClick(f, ::Qt::Key_A);
  EXPECT_EQ(f->TemaAyudaActual(), 22);
}

TEST_F(MapaItinerarios, NodosAbrenSusListasYLaHojaSeImprime) {
  Construir();
  // Notes with more information: the titles list opens from it.
  prueba::Pulsar(Nodo(2));
  AbrirLista();
  EXPECT_EQ(Filas(f->List_Sel), Lineas(ListaNotas(Fuentes(), 41)));
  EXPECT_TRUE(f->Mapa().ListaDeNotas);
  EXPECT_EQ(f->List_Sel->height(), kAltoListaAmpliada);
  ASSERT_FALSE(f->botContextual->isHidden());
  EXPECT_EQ(f->botContextual->y(), f->List_Sel->y() + f->List_Sel->height());
  EXPECT_TRUE(f->TimerParpadeo->isActive());
  Guardar(Captura(), "mapa_lista");
  prueba::Pulsar(f->botContextual);
  AbrirLista();
  EXPECT_EQ(Filas(f->List_Sel), Lineas(TitulosDeNodo(Fuentes(), 2)));
  EXPECT_TRUE(Filas(f->List_Sel).contains(QStringLiteral(" Bellas Artes")));
  EXPECT_FALSE(f->Mapa().ListaDeNotas);
  EXPECT_TRUE(f->botContextual->isHidden());
  EXPECT_EQ(f->List_Sel->height(), 225);

  // A node click while a list is open only closes it.
  prueba::Pulsar(Nodo(24));
  EXPECT_TRUE(f->List_Sel->isHidden());
  prueba::Pulsar(Nodo(24));
  AbrirLista();
  const QStringList materias = Filas(f->List_Sel);
  EXPECT_EQ(materias, Lineas(ListaMaterias(Fuentes(), S().catalogo.Texto(65), 2014038)));
  EXPECT_TRUE(materias.contains(QStringLiteral("  Dibujo Artístico II")));
  EXPECT_TRUE(f->botContextual->isHidden());
  prueba::Pulsar(f->BotCerrarV);
  EXPECT_TRUE(f->List_Sel->isHidden());

  // A sheet is printed and no list shows.
  prueba::Pulsar(Nodo(4));
  EXPECT_TRUE(f->List_Sel->isHidden());
  ASSERT_EQ(Pdfs().size(), 1);
  const QString hoja = TextoPdf(Pdfs().first());
  EXPECT_TRUE(hoja.contains(T(66))) << hoja.toStdString();
  EXPECT_TRUE(hoja.contains(T(59)));
  EXPECT_TRUE(hoja.contains(QStringLiteral("Latín I")));
  EXPECT_TRUE(hoja.contains(QStringLiteral("Filología")));
  // With no list left open, the next node click opens its list at once.
  prueba::Pulsar(Nodo(3));
  AbrirLista();
  EXPECT_EQ(Filas(f->List_Sel), Lineas(ListaNotas(Fuentes(), 23)));
  // Acted on: nodes 2, 24 (its second click), 4 and 3.
  EXPECT_EQ(f->Mapa().ClicsNodos, 4);
}

TEST_F(MapaItinerarios, MasInformacionLlevaAOtraPantallaYSeVuelve) {
  Construir();
  prueba::Pulsar(Nodo(43));
  AbrirLista();
  EXPECT_EQ(Filas(f->List_Sel).last(), T(568));
  ASSERT_FALSE(f->botContextual->isHidden());
  // The caption blinks nine ticks and stays.
  for (int i = 1; i <= 9; ++i) {
    f->TimerParpadeoTimer();
    EXPECT_EQ(f->botContextual->text().isEmpty(), i % 2 == 0 && i < 9) << i;
  }
  EXPECT_FALSE(f->TimerParpadeo->isActive());
  prueba::Pulsar(f->botContextual);
  auto& certificados = programa->Navegar().Pantalla<TCertifica>();
  ASSERT_EQ(Actual(), &certificados);
  S().navegacion.Salir(certificados);
  EXPECT_EQ(Actual(), f);
  EXPECT_FALSE(S().estado.DesdeContexto);
  EXPECT_FALSE(Nodo(43)->isHidden());
}

TEST_F(MapaItinerarios, ElJuegoPideTresClicsEnNodos) {
  S().estado.SinAnimacion = false;
  QTemporaryDir carpeta;
  QFile juego(carpeta.filePath(QStringLiteral("tarvelo")));
  ASSERT_TRUE(juego.open(QIODevice::WriteOnly));
  juego.close();
  QStringList lanzados;
  f->FijarLanzador(carpeta.path(), [&lanzados](const QString& ruta) {
    lanzados << ruta;
    return true;
  });
  Construir();
  ASSERT_FALSE(f->BotBachEsp->isHidden());
  prueba::Pulsar(Nodo(3));
  prueba::Pulsar(Nodo(3));
  prueba::Pulsar(Nodo(9));  // two acted on, one only closed
  prueba::Pulsar(f->BotBachEsp);
  EXPECT_TRUE(lanzados.isEmpty());
  EXPECT_TRUE(dialogos.ejecutados.contains(QStringLiteral("TForm4")));
  prueba::Pulsar(Nodo(9));  // closes the list
  prueba::Pulsar(Nodo(9));  // the third acted on
  prueba::Pulsar(f->BotBachEsp);
  ASSERT_EQ(lanzados.size(), 1);
  EXPECT_EQ(lanzados.first(), QDir(carpeta.path()).absoluteFilePath(QStringLiteral("tarvelo")));
  EXPECT_EQ(f->Mapa().ClicsNodos, 0);
}

TEST_F(MapaItinerarios, ElEsquemaSeDescubreFlechaAFlecha) {
  // A build under way ends when the diagram opens.
  prueba::Pulsar(f->BotItinerarios);
  ClicEnElMapa();
  prueba::Pulsar(f->BotExplica);
  ASSERT_FALSE(f->PanelExplica->isHidden());
  EXPECT_FALSE(f->Mapa().MapaEnConstruccion);
  EXPECT_EQ(f->Mapa().PasoMapa, -1);
  QTest::keyClick(f, ::Qt::Key_Space);
  EXPECT_EQ(f->Mapa().PasoMapa, -1);

  // The note blinks 17 ticks.
  const QString nota = f->LabelNota->text();
  EXPECT_TRUE(nota.startsWith(T(672)));
  for (int i = 1; i <= 17; ++i) f->TimerParpadeoTimer();
  EXPECT_EQ(f->LabelNota->text(), nota);
  EXPECT_FALSE(f->ParpadeoNota);

  const auto flecha = [&](const char* nombre) {
    for (std::size_t i = 0; i < f->Flechas.size(); ++i) {
      if (f->Flechas[i]->objectName() == QLatin1String(nombre)) return f->Flechas[i];
    }
    return static_cast<QLabel*>(nullptr);
  };
  // A click where the arrow lies reaches whatever is on top there.
  const auto pulsar = [&](const char* nombre) {
    const QPoint centro = flecha(nombre)->geometry().center();
    QWidget* arriba = f->PanelExplica->childAt(centro);
    ASSERT_NE(arriba, nullptr);
    QTest::mouseClick(arriba, ::Qt::LeftButton, {}, arriba->mapFrom(f->PanelExplica, centro));
  };
  QFrame* t0 = f->Cubiertas[0];
  QFrame* t1i = f->Cubiertas[1];
  QFrame* t1d = f->Cubiertas[2];
  // Image1 lies under PanelT0: a click there reaches the cover, not the arrow.
  pulsar("Image1");
  EXPECT_FALSE(f->Timergrado->isActive());
  pulsar("Image29");
  ASSERT_TRUE(f->TimerGradoDer->isActive());
  for (int i = 0; i < 200 && f->TimerGradoDer->isActive(); ++i) f->TimerGradoDerTimer();
  EXPECT_TRUE(t0->isHidden());
  EXPECT_EQ(f->EstadoCubiertas().Cubierta(0).ancho, 0);

  pulsar("Image1");
  ASSERT_TRUE(f->Timergrado->isActive());
  for (int i = 0; i < 30; ++i) f->TimergradoTimer();
  EXPECT_EQ(t1i->height(), 73 - 30);
  // Image4 lies under what is left of PanelT1i: nothing starts.
  pulsar("Image4");
  EXPECT_TRUE(f->Timergrado->isActive());
  EXPECT_FALSE(f->TimerGradoDer->isActive());
  // Another arrow stops the shrinking where it is and slides the cover.
  pulsar("Image28");
  EXPECT_FALSE(f->Timergrado->isActive());
  ASSERT_TRUE(f->TimerGradoDer->isActive());
  f->TimergradoTimer();
  EXPECT_EQ(t1i->height(), 73 - 30);
  for (int i = 0; i < 10; ++i) f->TimerGradoDerTimer();
  EXPECT_EQ(t1i->x(), 47 + 40);
  EXPECT_EQ(t1i->width(), 346 - 40);
  EXPECT_EQ(t1d->width(), 327);
  pulsar("Image2");
  EXPECT_FALSE(f->TimerGradoDer->isActive());
  for (int i = 0; i < 40; ++i) f->TimergradoTimer();
  EXPECT_EQ(t1d->height(), 73 - 40);
  Guardar(Captura(), "esquema_a_medias");

  // An information picture lists its notes; Image21 opens the bridge dialog.
  QLabel* info = nullptr;
  QLabel* pasarela = nullptr;
  for (QLabel* l : f->Informaciones) {
    if (l->objectName() == QLatin1String("Image16")) info = l;
    if (l->objectName() == QLatin1String("Image21")) pasarela = l;
  }
  ASSERT_NE(info, nullptr);
  ASSERT_NE(pasarela, nullptr);
  f->PulsarInformacion(0);
  EXPECT_FALSE(f->PanelEx->isHidden());
  EXPECT_EQ(Filas(f->ListBoxEx),
            Lineas(ListaInformacion("Image16", S().tablas.lineasInforma, S().catalogo)));
  prueba::Pulsar(f->BotCerrarEx);
  EXPECT_TRUE(f->PanelEx->isHidden());
  f->PulsarInformacion(static_cast<int>(f->Informaciones.size()) - 1);
  EXPECT_TRUE(dialogos.ejecutados.contains(QStringLiteral("TForm6")));

  // Every arrow in turn takes every cover away.
  for (std::size_t i = 0; i < f->Flechas.size(); ++i) {
    f->PulsarFlecha(static_cast<int>(i));
    for (int t = 0; t < 1000 && f->Timergrado->isActive(); ++t) f->TimergradoTimer();
    for (int t = 0; t < 1000 && f->TimerGradoDer->isActive(); ++t) f->TimerGradoDerTimer();
  }
  for (QFrame* c : f->Cubiertas) EXPECT_TRUE(c->isHidden()) << c->objectName().toStdString();
  f->PulsarInformacion(9);  // Image25: the entrance exam by modality
  Guardar(Captura(), "esquema_descubierto");
  prueba::Pulsar(f->BotCerrarEx);

  // Back to the map: the diagram hides and the build starts from step 0.
  prueba::Pulsar(f->BotItinerarios);
  EXPECT_TRUE(f->PanelExplica->isHidden());
  EXPECT_EQ(f->Mapa().PasoMapa, 0);
}

TEST_F(MapaItinerarios, DesdeElAsistenteElMapaEmpiezaYNoOfreceMas) {
  prueba::Pulsar(f->BitAcabarLogse);
  S().estado.DesdeAsistente = true;
  S().navegacion.Abrir(entrada::Itinerarios::kMapa);
  ASSERT_EQ(Actual(), f);
  EXPECT_EQ(f->Mapa().PasoMapa, 0);
  for (int i = 0; i < 8; ++i) ClicEnElMapa();
  prueba::Pulsar(Nodo(2));
  AbrirLista();
  EXPECT_FALSE(f->List_Sel->isHidden());
  EXPECT_TRUE(f->botContextual->isHidden());
  EXPECT_EQ(f->List_Sel->height(), 150);
}

TEST_F(MapaItinerarios, SalirDuranteLaConstruccionLaTermina) {
  prueba::Pulsar(f->BotItinerarios);
  ClicEnElMapa();
  prueba::Pulsar(f->BitAcabarLogse);
  EXPECT_NE(Actual(), f);
  EXPECT_FALSE(f->Mapa().MapaEnConstruccion);
  EXPECT_FALSE(f->Mapa().MapaVisible);
  EXPECT_EQ(f->PanelItiner->width(), f->width());
  QTest::keyClick(f, ::Qt::Key_Space);
  EXPECT_EQ(f->Mapa().PasoMapa, -1);
}

}  // namespace
}  // namespace sendaro
