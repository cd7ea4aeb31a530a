#include "sections/degrees/qt/visor_universidades.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <algorithm>

#include "data/texto.h"
#include "sections/degrees/consulta.h"
#include "sections/degrees/universidades.h"
#include "sections/degrees/qt/lista_marcada.h"
#include "sections/degrees/qt/pagina_grados.h"
#include "sections/degrees/qt/visor_ficha.h"
#include "sections/degrees/qt/visor_fp.h"
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
constexpr int kAnchoSel = 492;
constexpr int kAltoLista = 430;

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

VisorUniversidades::VisorUniversidades(PaginaGrados& pagina) : QObject(&pagina), p_(pagina) {
  listSel2 = Lista<QTextEdit>(p_.PanelSel, "listSel2", {0, 0, kAnchoSel, kAltoLista});
  listSel2->setReadOnly(true);
  listSel2->hide();
  BotIntUni = Boton(p_.PanelSel, "BotIntUni", {kAnchoSel - 156, kAltoLista + 6, 150, 32});
  LabelSeleccion = Etiqueta(p_.PanelSel, "LabelSeleccion", {50, kAltoLista + 8, 300, 28});
  BotIntUni->hide();
  LabelSeleccion->hide();

  connect(p_.menuCarUni3, &QPushButton::clicked, this, &VisorUniversidades::menuCarUni3Click);
  connect(p_.MenuCarUniDoble, &QPushButton::clicked, this,
          &VisorUniversidades::MenuCarUniDobleClick);
  connect(p_.MenuCarUniDoble2, &QPushButton::clicked, this,
          &VisorUniversidades::MenuCarUniDoble2Click);
  connect(p_.menui6, &QPushButton::clicked, this, &VisorUniversidades::menui6Click);
  connect(BotIntUni, &QPushButton::clicked, this, &VisorUniversidades::BotIntUniClick);
}

void VisorUniversidades::Preparar() {
  BotIntUni->setText(p_.T(230));
  BotIntUni->setToolTip(p_.T(231));
  BotIntUni->setStatusTip(BotIntUni->toolTip());
  const Tema& tema = p_.servicios().TemaActual();
  Pintar(LabelSeleccion, ColorQ(tema.ColorTitulo), ColorQ(tema.ColorTextoTitulo));
  LabelSeleccion->setAutoFillBackground(false);
}

void VisorUniversidades::menuCarUni3Click() {
  p_.PanelMenu2->hide();
  ModoDobles = false;
  p_.fp->ModoFP = false;
  p_.PanelMenu->hide();
  p_.OcultarSubmenus();
  p_.mapa->show();
  p_.MostrarAyuda(31);
  for (QWidget* w :
       std::initializer_list<QWidget*>{p_.PanelSel, p_.PanelSelTit, p_.ListSel, p_.BotRetroceder})
    w->show();
}

void VisorUniversidades::ComunidadElegida() {
  const TablasDatos& t = p_.servicios().tablas;
  const int comunidad = p_.ComunidadSel;
  if (ModoDobles) {
    UniversidadesLista = EntradasDobles(t.dobles, comunidad);
    p_.ListComunidad->clear();
    if (UniversidadesLista.empty()) {
      // Nothing of the last community stays listed.
      p_.ListSel->Rellenar({p_.T(kTextoNoHay)});
      p_.BotImprimir->hide();
      p_.ListaActiva = false;
      return;
    }
    for (const int e : UniversidadesLista) {
      p_.ListComunidad->addItem(
          RecortadoQt(DeWin(t.dobles.universidades[static_cast<std::size_t>(e)].nombre)));
    }
  } else {
    const std::vector<int> lista = UniversidadesComunidad(t.universidades, comunidad);
    if (lista.empty()) return;
    UniversidadesLista = lista;
    p_.ListComunidad->clear();
    p_.ListComunidad->addItems(AQt(NombresUniversidades(t.universidades, lista)));
    p_.ListaActiva = true;
  }
  p_.PanelSelTit->setText(p_.NombreComunidad(comunidad));
  p_.ListSel->clear();
  p_.mapa->hide();
  p_.PanelMapa->hide();
  p_.ListComunidad->show();
  p_.ListComunidad->raise();
}

void VisorUniversidades::ListComunidadClick(int fila) {
  if (ModoOtras) {
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

void VisorUniversidades::MostrarEnLista(const std::vector<std::string>& filas) {
  p_.RevelarPanel(p_.PanelSel, 0);
  p_.ListSel->show();
  p_.ListSel->Rellenar(AQt(filas));
  p_.RevelarPanel(p_.PanelSel, 1);
  p_.ListaActiva = false;
}

void VisorUniversidades::MostrarUniversidad(int fila) {
  const int u = Fila(UniversidadesLista, fila);
  if (u == 0) return;
  const TablasDatos& t = p_.servicios().tablas;
  p_.BotImprimir->show();
  ListaUniversidad = true;
  p_.ListSel->setCursor(Qt::PointingHandCursor);
  BotIntUni->show();
  UniversidadSel = u;
  const FilasLista filas = CarrerasDeUniversidad(t.carreras, t.datosCarreras, u);
  IndiceFilas = filas.carreras;
  p_.ListSel->setFont(LetraQt(QStringLiteral("Courier New"), p_.Letra(10)));
  p_.PanelSelTit->setText(p_.ListComunidad->item(fila)->text());
  p_.PanelSelTit->show();
  p_.ficha->BotSelcar->hide();
  for (QWidget* w : std::initializer_list<QWidget*>{p_.ficha->ComSelCar, LabelSeleccion,
                                                    p_.fp->listSelFP})
    w->hide();
  MostrarEnLista(filas.filas);
}

int VisorUniversidades::CarreraDeFila(int fila) const { return Fila(IndiceFilas, fila); }

void VisorUniversidades::CerrarLista() {
  for (QWidget* w : std::initializer_list<QWidget*>{p_.ListComunidad, p_.BotRetroceder,
                                                    p_.BotImprimir, BotIntUni})
    w->hide();
  p_.PanelSelTit->clear();
  ListaUniversidad = false;
}

void VisorUniversidades::BotIntUniClick() {
  const Servicios& s = p_.servicios();
  const TablaUniversidades& u = s.tablas.universidades;
  if (UniversidadSel < 1 || UniversidadSel > u.cuenta) return;
  AbrirDireccionWeb(
      s.dialogos,
      DeWin(DireccionUniversidad(u.direcciones[static_cast<std::size_t>(UniversidadSel)])));
}

void VisorUniversidades::MenuCarUniDobleClick() {
  p_.MostrarAyuda(14);
  p_.PanelMenu2->hide();
  ModoLista = true;
  ModoDobles = true;
  p_.fp->ModoFP = false;
  p_.PanelMenu->hide();
  const TablasDatos& t = p_.servicios().tablas;
  CarrerasDobles = CarrerasConDobles(t.dobles, t.datosCarreras.numCarreras);
  p_.RevelarPanel(p_.PanelSel, 0);
  for (QWidget* w : std::initializer_list<QWidget*>{p_.PanelSelTit, p_.ListSel, p_.BotRetroceder})
    w->show();
  p_.ListSel->clear();
  p_.PanelSelTit->clear();
  p_.RevelarPanel(p_.PanelSel, 1);
  p_.ListComunidad->clear();
  for (const int d : CarrerasDobles) p_.ListComunidad->addItem(RecortadoQt(DeWin(t.carreras[d])));
  p_.ListComunidad->show();
  p_.ListComunidad->raise();
}

void VisorUniversidades::MenuCarUniDoble2Click() {
  p_.MostrarAyuda(14);
  p_.PanelMenu2->hide();
  ModoLista = false;
  ModoDobles = true;
  p_.fp->ModoFP = false;
  p_.PanelMenu->hide();
  p_.mapa->show();
  p_.MostrarAyuda(31);
  for (QWidget* w :
       std::initializer_list<QWidget*>{p_.PanelSel, p_.PanelSelTit, p_.ListSel, p_.BotRetroceder})
    w->show();
  p_.ListSel->clear();
  p_.PanelSelTit->clear();
}

void VisorUniversidades::MostrarDoblesDeCarrera(int fila, bool imprimir) {
  const int c = Fila(CarrerasDobles, fila);
  if (c == 0) return;
  const Servicios& s = p_.servicios();
  const TablasDatos& t = s.tablas;
  const FilasLista filas = DoblesDeCarrera(t.dobles, t.carreras, t.datosCarreras.numCarreras, c);
  if (imprimir) {
    p_.Imprimir(InformeDobles(s.catalogo, s.estado.NombreCentro, kTextoCarreraElegida,
                              t.carreras[c], filas),
                kNegritasDobles, AWin(p_.T(kTextoDobles)));
    return;
  }
  LabelSeleccion->setText(p_.T(kTextoCursos) + QLatin1Char(' ') + p_.T(kTextoDoblesPares));
  LabelSeleccion->show();
  p_.PanelSelTit->setText(p_.T(kTextoCursos) + QString(26, QLatin1Char(' ')) + p_.T(kTextoDobles));
  p_.ListSel->hide();
  p_.fp->listSelFP->hide();
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
  listSel2->setFont(LetraQt(QStringLiteral("Times New Roman"), p_.Letra(10)));
  listSel2->setHtml(html);
  listSel2->show();
  p_.ListaActiva = false;
  p_.BotImprimir->show();
}

void VisorUniversidades::MostrarDoblesDeEntrada(int fila, bool imprimir) {
  const int e = Fila(UniversidadesLista, fila);
  if (e == 0) return;
  const Servicios& s = p_.servicios();
  const TablasDatos& t = s.tablas;
  const FilasLista filas =
      DoblesDeEntrada(t.dobles, t.carreras, s.catalogo, t.datosCarreras.numCarreras, e);
  const std::string& nombre = t.dobles.universidades[static_cast<std::size_t>(e)].nombre;
  if (imprimir) {
    p_.Imprimir(
        InformeDobles(s.catalogo, s.estado.NombreCentro, kTextoConsulta, nombre, filas),
        kNegritasDobles, AWin(p_.T(kTextoDobles)));
    return;
  }
  p_.PanelSelTit->setText(p_.T(kTextoDobles));
  listSel2->hide();
  p_.fp->listSelFP->hide();
  p_.ListSel->setFont(LetraQt(QStringLiteral("Times New Roman"), p_.Letra(12)));
  MostrarEnLista(filas.filas);
  p_.BotImprimir->show();
}

void VisorUniversidades::menui6Click() {
  p_.MostrarAyuda(23);
  ModoOtras = true;
  p_.PanelMenu->hide();
  p_.OcultarSubmenus();
  p_.fp->PanelFP->hide();
  for (QWidget* w :
       std::initializer_list<QWidget*>{p_.PanelSel, p_.ListSel, p_.PanelSelTit, p_.BotRetroceder})
    w->show();
  p_.ListSel->clear();
  p_.PanelSelTit->clear();
  const TablaLinea& otros = p_.servicios().tablas.otros;
  p_.ListComunidad->clear();
  for (int i = 1; i <= otros.Cuenta(); ++i)
    p_.ListComunidad->addItem(RecortadoQt(DeWin(otros[i])));
  p_.ListComunidad->show();
  p_.ListComunidad->raise();
  p_.ListaActiva = true;
}

void VisorUniversidades::MostrarOtra(int fila, bool imprimir) {
  const Servicios& s = p_.servicios();
  const TablasDatos& t = s.tablas;
  if (fila < 0 || fila >= t.otros.Cuenta()) return;
  OtraSel = fila + 1;
  const std::vector<std::string> descripcion = DescripcionOtra(t.bloquesOtros, OtraSel);
  if (imprimir) {
    p_.Imprimir(
        InformeOtra(s.catalogo, s.estado.NombreCentro, t.otros[OtraSel], descripcion),
        kNegritasOtra, RecortarDerecha(t.otros[OtraSel]));
    return;
  }
  p_.BotImprimir->show();
  p_.fp->listSelFP->hide();
  p_.ListSel->show();
  p_.PanelSelTit->setText(p_.T(kTextoDescripcion));
  p_.ListSel->setFont(LetraQt(QStringLiteral("Times New Roman"), p_.Letra(12)));
  MostrarEnLista(descripcion);
}

void VisorUniversidades::BotImprimirClick() {
  const int fila = p_.ListComunidad->currentRow();
  if (ModoDobles) {
    if (ModoLista) {
      MostrarDoblesDeCarrera(fila, true);
    } else {
      MostrarDoblesDeEntrada(fila, true);
    }
  } else if (ModoOtras) {
    MostrarOtra(fila, true);
  } else if (ListaUniversidad && UniversidadSel != 0) {
    const Servicios& s = p_.servicios();
    const TablasDatos& t = s.tablas;
    const std::string nombre = RecortarDerecha(Cortar(t.universidades.nombres[UniversidadSel], 35));
    p_.Imprimir(InformeUniversidad(t.carreras, t.datosCarreras, s.catalogo, s.estado.NombreCentro,
                                   nombre, UniversidadSel),
                kNegritasUniversidad, nombre);
  }
}

void VisorUniversidades::CerrarResultado() {
  for (QWidget* w : std::initializer_list<QWidget*>{LabelSeleccion, p_.PanelSel, p_.PanelSelTit,
                                                    p_.ListSel, BotIntUni, p_.BotImprimir}) {
    w->hide();
  }
  p_.PanelSelTit->clear();
  p_.ListSel->clear();
  p_.ListSel->setCursor(Qt::ForbiddenCursor);
  ListaUniversidad = false;
}

void VisorUniversidades::SalirDobles() {
  ModoDobles = false;
  for (QWidget* w : std::initializer_list<QWidget*>{p_.mapa, p_.ListComunidad, listSel2,
                                                    p_.BotRetroceder})
    w->hide();
  p_.AbrirMenu(p_.PanelMenu);
}

void VisorUniversidades::SalirOtras() {
  ModoOtras = false;
  p_.ListComunidad->hide();
  p_.AbrirMenu(p_.PanelMenu);
  p_.ListSel->clear();
  p_.BotRetroceder->hide();
}

}  // namespace sendaro
