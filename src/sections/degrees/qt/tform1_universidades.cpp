// Universities by community, double degrees and other degrees: the browsers
// that share the list beside the map.
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

#include "data/texto.h"
#include "sections/degrees/consulta.h"
#include "sections/degrees/qt/lista_marcada.h"
#include "sections/degrees/qt/tform1.h"
#include "ui/direccion_web.h"
#include "ui/piezas.h"
#include "ui/servicios.h"

namespace sendaro {

using namespace piezas;

namespace {

constexpr int kTextoCursos = 241;
constexpr int kTextoDobles = 242;
constexpr int kTextoCarreraElegida = 325;
constexpr int kTextoConsulta = 289;
constexpr int kTextoDescripcion = 312;
constexpr int kTextoNoHay = 292;
constexpr int kTextoDoblesPares = 443;

QStringList AQt(const std::vector<std::string>& filas) {
  QStringList lista;
  for (const std::string& f : filas) lista << RecortadoQt(DeWin(f));
  return lista;
}

int Fila(const std::vector<int>& indice, int fila) {
  return fila >= 0 && fila < static_cast<int>(indice.size())
             ? indice[static_cast<std::size_t>(fila)]
             : 0;
}

}  // namespace

void TForm1::ConectarUniversidades() {
  connect(menuCarUni3, &QPushButton::clicked, this, &TForm1::menuCarUni3Click);
  connect(MenuCarUniDoble, &QPushButton::clicked, this, &TForm1::MenuCarUniDobleClick);
  connect(MenuCarUniDoble2, &QPushButton::clicked, this, &TForm1::MenuCarUniDoble2Click);
  connect(menui6, &QPushButton::clicked, this, &TForm1::menui6Click);
  connect(ListComunidad, &QListWidget::itemClicked, this, [this] { ListComunidadClick(); });
  connect(ListComunidad, &QListWidget::itemActivated, this, [this] { ListComunidadClick(); });
  connect(BotIntUni, &QPushButton::clicked, this, &TForm1::BotIntUniClick);
  connect(BotImprimir, &QPushButton::clicked, this, &TForm1::BotImprimirClick);
}

void TForm1::menuCarUni3Click() {
  PanelMenu2->hide();
  ModoDobles = false;
  ModoFP = false;
  PanelMenu->hide();
  OcultarSubmenus();
  mapa->show();
  MostrarAyuda(31);
  for (QWidget* w : std::initializer_list<QWidget*>{PanelSel, PanelSelTit, ListSel, BotRetroceder})
    w->show();
}

void TForm1::ComunidadElegida() {
  MostrarAyuda(15);
  ComunidadSel = ComunidadConsultada(ComunidadSel);
  const TablasDatos& t = servicios_.tablas;
  const QString nombre = RecortadoQt(DeWin(Columnas(t.comunidades[ComunidadSel], 3, 60)));
  if (ModoArtes && static_cast<Arte>(ArteSel) == Arte::kPlastica) {
    LugaresArteComunidad();
    return;
  }
  if (ModoGrados) {
    NuevasDeComunidad();
    return;
  }
  if (ModoDobles) {
    UniversidadesLista = EntradasDobles(t.dobles, ComunidadSel);
    ListComunidad->clear();
    if (UniversidadesLista.empty()) {
      // Nothing of the last community stays listed.
      ListSel->Rellenar({T(kTextoNoHay)});
      ListaActiva = false;
      return;
    }
    for (const int e : UniversidadesLista) {
      ListComunidad->addItem(
          RecortadoQt(DeWin(t.dobles.universidades[static_cast<std::size_t>(e)].nombre)));
    }
  } else {
    const std::vector<int> lista = UniversidadesComunidad(t.universidades, ComunidadSel);
    if (lista.empty()) return;
    UniversidadesLista = lista;
    ListComunidad->clear();
    ListComunidad->addItems(AQt(NombresUniversidades(t.universidades, lista)));
    ListaActiva = true;
  }
  PanelSelTit->setText(nombre);
  ListSel->clear();
  mapa->hide();
  PanelMapa->hide();
  ListComunidad->show();
  ListComunidad->raise();
}

void TForm1::ListComunidadClick() {
  const int fila = ListComunidad->currentRow();
  if (fila < 0) return;
  if (ModoArtes) {
    MostrarLugaresEspecialidad(fila);
  } else if (ModoGrados) {
    if (ModoLista) {
      MostrarNueva(fila);
    } else {
      MostrarNuevasDeUniversidad(fila);
    }
  } else if (ModoOtras) {
    MostrarOtra(fila, false);
  } else if (ModoDobles) {
    if (ModoLista) {
      MostrarDoblesDeCarrera(fila, false);
    } else {
      MostrarDoblesDeEntrada(fila, false);
    }
  } else {
    MostrarUniversidad(fila);
  }
}

void TForm1::MostrarUniversidad(int fila) {
  const int u = Fila(UniversidadesLista, fila);
  if (u == 0) return;
  const TablasDatos& t = servicios_.tablas;
  BotImprimir->show();
  ListaUniversidad = true;
  ListSel->setCursor(Qt::PointingHandCursor);
  BotIntUni->show();
  UniversidadSel = u;
  const FilasLista filas = CarrerasDeUniversidad(t.carreras, t.datosCarreras, u);
  IndiceFilas = filas.carreras;
  ListSel->setFont(LetraQt(QStringLiteral("Courier New"), Letra(10)));
  PanelSelTit->setText(ListComunidad->item(fila)->text());
  PanelSelTit->show();
  for (QWidget* w :
       std::initializer_list<QWidget*>{BotSelcar, ComSelCar, LabelSeleccion, listSelFP})
    w->hide();
  RevelarPanel(PanelSel, 0);
  ListSel->show();
  ListSel->Rellenar(AQt(filas.filas));
  RevelarPanel(PanelSel, 1);
  ListaActiva = false;
}

void TForm1::BotIntUniClick() {
  const TablaUniversidades& u = servicios_.tablas.universidades;
  if (UniversidadSel < 1 || UniversidadSel > u.cuenta) return;
  AbrirDireccionWeb(
      servicios_.dialogos,
      DeWin(DireccionUniversidad(u.direcciones[static_cast<std::size_t>(UniversidadSel)])));
}

void TForm1::MenuCarUniDobleClick() {
  MostrarAyuda(14);
  PanelMenu2->hide();
  ModoLista = true;
  ModoDobles = true;
  ModoFP = false;
  PanelMenu->hide();
  const TablasDatos& t = servicios_.tablas;
  CarrerasDobles = CarrerasConDobles(t.dobles, t.datosCarreras.numCarreras);
  RevelarPanel(PanelSel, 0);
  for (QWidget* w : std::initializer_list<QWidget*>{PanelSelTit, ListSel, BotRetroceder}) w->show();
  ListSel->clear();
  PanelSelTit->clear();
  RevelarPanel(PanelSel, 1);
  ListComunidad->clear();
  for (const int d : CarrerasDobles) ListComunidad->addItem(RecortadoQt(DeWin(t.carreras[d])));
  ListComunidad->show();
  ListComunidad->raise();
}

void TForm1::MenuCarUniDoble2Click() {
  MostrarAyuda(14);
  PanelMenu2->hide();
  ModoLista = false;
  ModoDobles = true;
  ModoFP = false;
  PanelMenu->hide();
  mapa->show();
  MostrarAyuda(31);
  for (QWidget* w : std::initializer_list<QWidget*>{PanelSel, PanelSelTit, ListSel, BotRetroceder})
    w->show();
  ListSel->clear();
  PanelSelTit->clear();
}

void TForm1::MostrarDoblesDeCarrera(int fila, bool imprimir) {
  const int c = Fila(CarrerasDobles, fila);
  if (c == 0) return;
  const TablasDatos& t = servicios_.tablas;
  const FilasLista filas = DoblesDeCarrera(t.dobles, t.carreras, t.datosCarreras.numCarreras, c);
  if (imprimir) {
    Imprimir(InformeDobles(servicios_.catalogo, servicios_.estado.NombreCentro,
                           kTextoCarreraElegida, t.carreras[c], filas),
             kNegritasDobles, AWin(T(kTextoDobles)));
    return;
  }
  LabelSeleccion->setText(T(kTextoCursos) + QLatin1Char(' ') + T(kTextoDoblesPares));
  LabelSeleccion->show();
  PanelSelTit->setText(T(kTextoCursos) + QString(26, QLatin1Char(' ')) + T(kTextoDobles));
  ListSel->hide();
  listSelFP->hide();
  // Header rows in red, pair rows in black.
  QString html = QStringLiteral("<div style=\"white-space: pre\">");
  const QStringList textos = AQt(filas.filas);
  for (int i = 0; i < textos.size(); ++i) {
    const bool cabecera =
        std::find(filas.cabeceras.begin(), filas.cabeceras.end(), i) != filas.cabeceras.end();
    html += QStringLiteral("<span style=\"color: %1\">%2</span><br>")
                .arg(cabecera ? QStringLiteral("#ff0000") : QStringLiteral("#000000"),
                     textos[i].toHtmlEscaped());
  }
  html += QStringLiteral("</div>");
  listSel2->setFont(LetraQt(QStringLiteral("Times New Roman"), Letra(10)));
  listSel2->setHtml(html);
  listSel2->show();
  ListaActiva = false;
  BotImprimir->show();
}

void TForm1::MostrarDoblesDeEntrada(int fila, bool imprimir) {
  const int e = Fila(UniversidadesLista, fila);
  if (e == 0) return;
  const TablasDatos& t = servicios_.tablas;
  const FilasLista filas =
      DoblesDeEntrada(t.dobles, t.carreras, servicios_.catalogo, t.datosCarreras.numCarreras, e);
  const std::string& nombre = t.dobles.universidades[static_cast<std::size_t>(e)].nombre;
  if (imprimir) {
    Imprimir(InformeDobles(servicios_.catalogo, servicios_.estado.NombreCentro, kTextoConsulta,
                           nombre, filas),
             kNegritasDobles, AWin(T(kTextoDobles)));
    return;
  }
  PanelSelTit->setText(T(kTextoDobles));
  listSel2->hide();
  listSelFP->hide();
  ListSel->setFont(LetraQt(QStringLiteral("Times New Roman"), Letra(12)));
  RevelarPanel(PanelSel, 0);
  ListSel->show();
  ListSel->Rellenar(AQt(filas.filas));
  RevelarPanel(PanelSel, 1);
  ListaActiva = false;
  BotImprimir->show();
}

void TForm1::menui6Click() {
  MostrarAyuda(23);
  ModoOtras = true;
  PanelMenu->hide();
  OcultarSubmenus();
  PanelFP->hide();
  for (QWidget* w : std::initializer_list<QWidget*>{PanelSel, ListSel, PanelSelTit, BotRetroceder})
    w->show();
  ListSel->clear();
  PanelSelTit->clear();
  const TablaLinea& otros = servicios_.tablas.otros;
  ListComunidad->clear();
  for (int i = 1; i <= otros.Cuenta(); ++i) ListComunidad->addItem(RecortadoQt(DeWin(otros[i])));
  ListComunidad->show();
  ListComunidad->raise();
  ListaActiva = true;
}

void TForm1::MostrarOtra(int fila, bool imprimir) {
  const TablasDatos& t = servicios_.tablas;
  if (fila < 0 || fila >= t.otros.Cuenta()) return;
  CarreraSel = fila + 1;
  const std::vector<std::string> descripcion = DescripcionOtra(t.bloquesOtros, CarreraSel);
  if (imprimir) {
    Imprimir(InformeOtra(servicios_.catalogo, servicios_.estado.NombreCentro, t.otros[CarreraSel],
                         descripcion),
             kNegritasOtra, RecortarDerecha(t.otros[CarreraSel]));
    return;
  }
  BotImprimir->show();
  listSelFP->hide();
  ListSel->show();
  PanelSelTit->setText(T(kTextoDescripcion));
  ListSel->setFont(LetraQt(QStringLiteral("Times New Roman"), Letra(12)));
  RevelarPanel(PanelSel, 0);
  ListSel->Rellenar(AQt(descripcion));
  RevelarPanel(PanelSel, 1);
  ListaActiva = false;
}

void TForm1::BotImprimirClick() {
  if (ModoLugaresFP) return;  // the vocational centres print their own way
  const int fila = ListComunidad->currentRow();
  if (ModoDobles) {
    if (ModoLista) {
      MostrarDoblesDeCarrera(fila, true);
    } else {
      MostrarDoblesDeEntrada(fila, true);
    }
  } else if (ModoOtras) {
    MostrarOtra(fila, true);
  } else if (ListaUniversidad && UniversidadSel != 0) {
    const TablasDatos& t = servicios_.tablas;
    const std::string nombre = RecortarDerecha(Cortar(t.universidades.nombres[UniversidadSel], 35));
    Imprimir(InformeUniversidad(t.carreras, t.datosCarreras, servicios_.catalogo,
                                servicios_.estado.NombreCentro, nombre, UniversidadSel),
             kNegritasUniversidad, nombre);
  }
}

}  // namespace sendaro
