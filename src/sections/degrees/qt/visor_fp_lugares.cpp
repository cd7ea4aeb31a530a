#include "sections/degrees/qt/visor_fp.h"

#include <QTextEdit>

#include <QComboBox>
#include <QDesktopServices>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "data/impresion/buffers_impresion.h"
#include "data/impresion/informes.h"
#include "data/texto.h"
#include "sections/degrees/qt/lista_marcada.h"
#include "sections/degrees/qt/pagina_grados.h"
#include "sections/degrees/qt/visor_fp_estado.h"
#include "sections/degrees/qt/visor_consulta.h"
#include "sections/degrees/qt/visor_universidades.h"
#include "ui/dialogos.h"
#include "ui/piezas.h"
#include "ui/servicios.h"

// The title's whole printout with the choice of communities, the map's
// clicks, and the centres by place on the grid.
namespace sendaro {

using namespace piezas;

namespace {

constexpr int kComunidadComarcas = 9;  // Catalonia: the comarca map
constexpr int kComunidadZonas = 13;    // Madrid: the zone map
constexpr int kAltoListaFP = 430;      // listSelFP's designed height
constexpr int kTextoNoHay = 292;
constexpr int kAnchoCombo = 340;         // ComBachi's designed width
constexpr int kAnchoComboMaximo = 392;   // up to the result panel
constexpr int kMargenCombo = 44;         // its frame and arrow

QStringList AQt(const std::vector<std::string>& filas) {
  QStringList l;
  for (const std::string& f : filas) l << DeWin(f);
  return l;
}

std::string Mayusculas(std::string_view texto) { return AWin(DeWin(texto).toUpper()); }

}  // namespace

void VisorFP::ImprimirTodoFP(bool enPantalla, const std::vector<int>& comunidades) {
  ModoFP = true;
  p_.servicios().estado.ModoImpresion = true;
  InformeLineas inf = ImpresionTitulo(FuentesTitulosFP(), TituloFPSel, comunidades, Mayusculas);
  if (HayQueElegirComunidades(static_cast<int>(inf.lineas.size()),
                              static_cast<int>(comunidades.size()), enPantalla)) {
    PanelImp->show();
    PanelImp->raise();
    PanelFpTit->hide();
    PanelFP->hide();
    p_.mapa->show();
    p_.mapa->raise();
    fp_->eleccion.Abrir();
    ListImp->clear();
    return;
  }
  reja->hide();
  listSelFP->setFont(LetraQt(QStringLiteral("Courier New"), p_.Letra(10)));
  listSelFP->setCursor(Qt::ArrowCursor);
  listSelFP->resize(listSelFP->width(), kAltoListaFP);
  listSelFP->clear();
  listSelFP->addItems(AQt(inf.lineas));
  for (const int n : inf.negritas) {
    if (QListWidgetItem* item = listSelFP->item(n - 1)) {
      QFont letra = item->font();
      letra.setBold(true);
      item->setFont(letra);
    }
  }
  listSelFP->show();
  CerrarEleccionFP();
  fp_->impresion = inf;
  if (enPantalla) return;
  BuffersCompartidos& b = Compartidos();
  b.LineasImpresion.Vaciar();
  b.LineasImpresion.Fijar(0, inf.titulo);
  for (std::size_t i = 0; i < inf.lineas.size(); ++i)
    b.LineasImpresion.Fijar(static_cast<int>(i) + 1, inf.lineas[i]);
  b.Secciones.Vaciar();
  for (const int n : inf.negritas) b.Secciones.Agregar(n);
  ImprimirTresColumnas(p_.LaImpresora(),
                       DatosCabeceraDe(p_.servicios().catalogo, p_.servicios().estado.NombreCentro),
                       b.LineasImpresion, static_cast<int>(inf.lineas.size()), true, b.Secciones);
}

void VisorFP::CerrarEleccionFP() {
  if (!fp_->eleccion.Abierta()) return;
  fp_->eleccion.Cerrar();
  ListImp->clear();
  for (QWidget* w : std::initializer_list<QWidget*>{PanelImp, p_.mapa, mapac, mapam, listBarcelona,
                                                    BotCerrar, p_.PanelMapa})
    w->hide();
}

void VisorFP::ListImpClick(int fila) {
  if (!fp_->eleccion.Quitar(fila)) return;
  delete ListImp->takeItem(fila);
}

void VisorFP::BotAceptarClick() {
  const std::vector<int> elegidas = fp_->eleccion.Elegidas();
  CerrarEleccionFP();
  PanelFpTit->show();
  PanelFpTit->raise();
  // Nothing chosen: the choice is given up, nothing is printed.
  if (elegidas.empty()) return;
  ImprimirTodoFP(false, elegidas);
}

// ---------------------------------------------------------------------------
// The map.

bool VisorFP::MapaClick() {
  if (fp_->eleccion.Abierta()) {
    if (fp_->eleccion.Anadir(p_.ComunidadSel)) {
      ListImp->addItem(RecortadoQt(DeWin(NombreComunidad(p_.servicios().tablas.comunidades, p_.ComunidadSel))));
    }
    return true;
  }
  if (!ModoFP || p_.consulta->ModoConsulta) return false;
  const TablasDatos& t = p_.servicios().tablas;
  fp_->provincias = ProvinciasDeComunidad(t.comunidades, p_.ComunidadSel);
  if (!ModoLugaresFP) {
    // The centres of the title in this community.
    const std::vector<FilaReja> filas = CentrosDelTitulo(FuentesTitulosFP(), TituloFPSel, p_.ComunidadSel);
    p_.PanelSelTit->setText(p_.T(323));
    std::vector<std::string> textos, telefonos;
    for (const FilaReja& f : filas) {
      textos.push_back(f.texto);
      telefonos.push_back(f.telefono);
    }
    if (textos.empty()) {
      textos.push_back(p_.servicios().catalogo.Texto(292));
      telefonos.emplace_back();
    }
    fp_->reja = {};
    MostrarRejaFP(textos, telefonos);
    return true;
  }
  p_.MostrarAyuda(32);
  fp_->latchPueblos = false;
  fp_->hayLugar = false;
  for (QWidget* w : std::initializer_list<QWidget*>{p_.mapa, mapac, mapam, ListSelLugFP, reja})
    w->hide();
  BotInternetC->show();
  botTelefono->show();
  fp_->modoMapa = p_.ComunidadSel == kComunidadComarcas ? ModoLugarFP::kComarca
                  : p_.ComunidadSel == kComunidadZonas  ? ModoLugarFP::kZona
                                                     : ModoLugarFP::kProvincia;
  if (fp_->modoMapa == ModoLugarFP::kProvincia) {
    ListSelLugFP->clear();
    for (const ProvinciaFP& p : fp_->provincias) ListSelLugFP->addItem(RecortadoQt(DeWin(p.nombre)));
    ListSelLugFP->show();
    ListSelLugFP->raise();
    ComBachi->move(ListSelLugFP->x(), ListSelLugFP->geometry().bottom() + 6);
  } else {
    QLabel* detalle = fp_->modoMapa == ModoLugarFP::kComarca ? mapac : mapam;
    detalle->show();
    detalle->raise();
    ComBachi->move(mapac->x(), detalle->geometry().bottom() + 6);
  }
  if (fp_->rellenarRamas) {
    fp_->ramas = TextosRamas(t.requisitosFP);
    ComBachi->clear();
    for (const std::string& r : fp_->ramas) ComBachi->addItem(DeWin(r));
    ComBachi->setCurrentIndex(0);
    // Wide enough for its longest branch, short of the result panel.
    int ancho = 0;
    for (int i = 0; i < ComBachi->count(); ++i) {
      ancho = std::max(ancho, ComBachi->fontMetrics().horizontalAdvance(ComBachi->itemText(i)));
    }
    ComBachi->resize(std::clamp(ancho + kMargenCombo, kAnchoCombo, kAnchoComboMaximo),
                     ComBachi->height());
    fp_->rellenarRamas = false;
  }
  ComBachi->show();
  ComBachi->raise();
  p_.ListaActiva = true;
  return true;
}

// ---------------------------------------------------------------------------
// Centres by place.

void VisorFP::menuFP2Click() {
  ModoFP = true;
  ModoLugaresFP = true;
  fp_->rellenarRamas = true;
  fp_->latchPueblos = false;
  fp_->hayLugar = false;
  for (QWidget* w : std::initializer_list<QWidget*>{p_.ListSel, listSelFP, reja, p_.universidades->listSel2}) w->hide();
  p_.PanelSelTit->clear();
  p_.PanelSel->show();
  p_.PanelSelTit->show();
  for (QWidget* w : std::initializer_list<QWidget*>{p_.PanelMenu, PanelFpTit, PanelFP}) w->hide();
  p_.mapa->show();
  p_.mapa->raise();
  BotRetrocederFP->show();
  p_.MostrarAyuda(31);
  reja->setCursor(Qt::PointingHandCursor);
  fp_->dobleClic = true;
}

void VisorFP::ListSelLugFPClick() {
  const int fila = ListSelLugFP->currentRow();
  if (fp_->modoMapa == ModoLugarFP::kProvincia && fila < 0) return;
  p_.BotImprimir->show();
  const TablasDatos& t = p_.servicios().tablas;
  LugarFP& lugar = fp_->lugar;
  switch (fp_->modoMapa) {
    case ModoLugarFP::kProvincia:
      if (!fp_->latchPueblos) {
        if (fila >= static_cast<int>(fp_->provincias.size())) return;
        const ProvinciaFP& p = fp_->provincias[static_cast<std::size_t>(fila)];
        lugar = {ModoLugarFP::kProvincia, p.grupo, p.codigo, {}};
        fp_->nombreLugar = p.nombre;
        fp_->pueblo = 0;
      } else {
        if (fila >= static_cast<int>(fp_->pueblos.size())) return;
        fp_->pueblo = fp_->pueblos[static_cast<std::size_t>(fila)].primerCentro;
      }
      break;
    case ModoLugarFP::kComarca: {
      const int c = fp_->mapas.comarcaSel;
      lugar = {ModoLugarFP::kComarca, 4, ' ',
               c >= 1 && c <= TablaComarcas::kCapacidad ? t.comarcas.codigos[static_cast<std::size_t>(c)]
                                                        : std::string()};
      fp_->nombreLugar = NombreComarca(t.comarcas, c);
      fp_->pueblo = 0;
      break;
    }
    case ModoLugarFP::kZona: {
      const int z = fp_->mapas.zonaSel;
      std::string codigo;
      if (z >= 1 && z <= TablaZonas::kZonas && t.zonas.numMiembros[static_cast<std::size_t>(z)] > 0) {
        const int primera = t.zonas.miembros[static_cast<std::size_t>(z)][0];
        if (primera >= 1 && primera <= TablaZonas::kCapacidad)
          codigo = t.zonas.codigos[static_cast<std::size_t>(primera)];
      }
      lugar = {ModoLugarFP::kZona, 2, ' ', codigo};
      fp_->nombreLugar = NombreZona(t.zonas, z);
      fp_->pueblo = 0;
      break;
    }
  }
  fp_->hayLugar = true;
  const std::vector<int> centros = CentrosDelLugar(t.centros, fp_->indice, lugar);
  if (lugar.modo == ModoLugarFP::kProvincia && !fp_->latchPueblos) {
    fp_->pueblos = PueblosDeCentros(t.centros[static_cast<std::size_t>(lugar.grupo - 1)], centros,
                                    lugar.grupo);
    ListSelLugFP->clear();
    for (const PuebloFP& p : fp_->pueblos) ListSelLugFP->addItem(RecortadoQt(DeWin(p.nombre)));
    fp_->latchPueblos = true;
    return;
  }
  fp_->reja = RejaElegida(centros);
  const std::vector<FilaReja>& filas = fp_->reja.filas;
  p_.PanelSelTit->setText(
      lugar.modo == ModoLugarFP::kComarca
          ? RecortadoQt(DeWin(fp_->nombreLugar))
          : RecortadoQt(DeWin(fp_->nombreLugar)) + QStringLiteral(" - ") +
                RecortadoQt(DeWin(filas.size() > 1 ? filas[1].texto : std::string())));
  std::vector<std::string> textos, telefonos;
  for (const FilaReja& f : filas) {
    textos.push_back(f.texto);
    telefonos.push_back(f.telefono);
  }
  MostrarRejaFP(textos, telefonos);
  p_.ListaActiva = false;
}

void VisorFP::MostrarRejaFP(const std::vector<std::string>& textos,
                           const std::vector<std::string>& telefonos) {
  p_.ListSel->hide();
  // The title's centres stand over its card, which comes back with the back button.
  if (ModoLugaresFP) listSelFP->hide();
  p_.RevelarPanel(p_.PanelSel, 0);
  reja->clearContents();
  reja->clearSpans();
  reja->setRowCount(static_cast<int>(textos.size()));
  const bool conTelefonos = fp_->telefonos || !ModoLugaresFP;
  for (int r = 0; r < static_cast<int>(textos.size()); ++r) {
    const auto i = static_cast<std::size_t>(r);
    auto* texto = new QTableWidgetItem(RecortadoQt(DeWin(Cortar(textos[i], ModoLugaresFP ? 60 : 44))));
    if (textos[i].rfind('-', 0) == 0 && ModoLugaresFP) {
      QFont letra = reja->font();
      letra.setBold(true);
      texto->setFont(letra);
    }
    reja->setItem(r, 0, texto);
    reja->setItem(r, 1, new QTableWidgetItem(conTelefonos ? DeWin(telefonos[i]) : QString()));
    // Rows without a telephone (titles, headings) run across both columns.
    if (telefonos[i].empty()) reja->setSpan(r, 0, 1, 2);
  }
  // The text takes what the telephone leaves.
  reja->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  reja->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
  reja->setColumnWidth(
      1, QFontMetrics(reja->font()).horizontalAdvance(QStringLiteral("999999999")) + 14);
  reja->show();
  reja->raise();
  p_.RevelarPanel(p_.PanelSel, 1);
  const int inicio = fp_->reja.filaInicio;
  if (inicio >= 0 && inicio < reja->rowCount()) {
    reja->scrollToItem(reja->item(inicio, 0), QAbstractItemView::PositionAtTop);
  }
}

void VisorFP::ComBachiChange() {
  // A branch change rebuilds the grid on view, whatever the kind of place.
  if (!ModoLugaresFP || !fp_->hayLugar || reja->isHidden()) return;
  ListSelLugFPClick();
}

void VisorFP::botTelefonoClick() {
  fp_->telefonos = !fp_->telefonos;
  if (ModoLugaresFP && fp_->hayLugar && !reja->isHidden()) ListSelLugFPClick();
}

void VisorFP::BotInternetCClick() {
  const TablaDirecciones& d = p_.servicios().tablas.direccionesComunidades;
  if (p_.ComunidadSel < 1 || p_.ComunidadSel > TablaDirecciones::kCapacidad) return;
  const QString direccion =
      RecortadoQt(DeWin(d.direcciones[static_cast<std::size_t>(p_.ComunidadSel)])).trimmed();
  if (direccion.isEmpty()) return;
  const QUrl url(QStringLiteral("http://") + direccion);
  if (!url.isValid() || !QDesktopServices::openUrl(url)) p_.servicios().dialogos.Aviso(url.toString());
}

void VisorFP::rejaDblClick() {
  if (!fp_->dobleClic) return;
  const int fila = reja->currentRow();
  const auto& filas = fp_->reja.filas;
  if (fila < 0 || fila >= static_cast<int>(filas.size())) return;
  const int titulo = filas[static_cast<std::size_t>(fila)].titulo;
  if (titulo < 1) return;
  p_.PanelSelTit->clear();
  for (QWidget* w : std::initializer_list<QWidget*>{
           p_.BotImprimir, ListSelLugFP, ComBachi, BotInternetC, botTelefono, p_.mapa, mapac, mapam,
           listBarcelona, BotCerrar, p_.PanelSel, p_.PanelSelTit, reja, BotRetrocederFP, p_.PanelMenu, PanelFP})
    w->hide();
  ModoLugaresFP = false;
  fp_->latchPueblos = false;
  p_.PanelSel->show();
  p_.PanelSelTit->show();
  listSelFP->show();
  RetroFP->show();
  ModoFP = true;
  fp_->latch = false;
  fp_->dobleClic = false;
  TituloFPSel = titulo;
  p_.MostrarAyuda(14);
  AbrirTituloFP();
}

void VisorFP::BotRetrocederFPClick() {
  p_.servicios().estado.ModoImpresion = false;
  p_.PanelSelTit->clear();
  p_.BotImprimir->hide();
  if (fp_->latchPueblos && !ListSelLugFP->isHidden()) {
    fp_->latchPueblos = false;
    fp_->hayLugar = false;
    reja->hide();
    ListSelLugFP->clear();
    for (const ProvinciaFP& p : fp_->provincias) ListSelLugFP->addItem(RecortadoQt(DeWin(p.nombre)));
    ListSelLugFP->setCurrentRow(-1);
    return;
  }
  if (ModoLugaresFP && !p_.mapa->isHidden()) {
    p_.MostrarAyuda(2);
    fp_->dobleClic = false;
    reja->setCursor(Qt::ArrowCursor);
    for (QWidget* w : std::initializer_list<QWidget*>{mapac, mapam, listBarcelona, BotCerrar, p_.mapa,
                                                      p_.PanelSel, p_.PanelSelTit, reja, BotRetrocederFP})
      w->hide();
    PanelFP->show();
    PanelFP->raise();
    ModoLugaresFP = false;
    ModoFP = false;
    return;
  }
  if (ModoLugaresFP) {
    p_.mapa->show();
    p_.mapa->raise();
    fp_->hayLugar = false;
    for (QWidget* w : std::initializer_list<QWidget*>{mapac, mapam, ListSelLugFP, ComBachi,
                                                      BotInternetC, botTelefono, reja, listBarcelona,
                                                      BotCerrar})
      w->hide();
    return;
  }
  reja->hide();
  if (!ListSelLugFP->isHidden()) {
    ListSelLugFP->hide();
    p_.mapa->show();
    return;
  }
  for (QWidget* w : std::initializer_list<QWidget*>{BotRetrocederFP, p_.mapa, mapac, mapam,
                                                    listBarcelona, BotCerrar})
    w->hide();
  p_.PanelSelTit->setText(QString());
  PanelFpTit->show();
  PanelFpTit->raise();
}

RejaFP VisorFP::RejaElegida(const std::vector<int>& centros) const {
  const int rama = std::max(0, ComBachi->currentIndex());
  return RejaDelLugar(FuentesTitulosFP(), fp_->indice, fp_->lugar, centros, rama,
                      fp_->ramas[static_cast<std::size_t>(std::min(rama, kRamasFP - 1))],
                      fp_->pueblo);
}

void VisorFP::BotImprimirFPClick() {
  if (!ModoLugaresFP || !fp_->hayLugar) return;
  // The rows of the place chosen now (a province alone prints all of it),
  // with the branch chosen now.
  fp_->reja = RejaElegida(
      CentrosDelLugar(p_.servicios().tablas.centros, fp_->indice, fp_->lugar));
  if (fp_->reja.filas.empty()) {
    p_.servicios().dialogos.Aviso(p_.T(kTextoNoHay));
    return;
  }
  BuffersCompartidos& b = Compartidos();
  b.LineasImpresion.Vaciar();
  b.LineasImpresion.Fijar(0, RecortarDerecha(p_.servicios().catalogo.Texto(289)) + ": " +
                                 RecortarDerecha(fp_->nombreLugar));
  const std::vector<std::string> lineas = ImpresionReja(fp_->reja.filas);
  for (std::size_t i = 0; i < lineas.size(); ++i)
    b.LineasImpresion.Fijar(static_cast<int>(i) + 1, lineas[i]);
  b.Secciones.Vaciar();
  b.Secciones.Agregar(1);
  b.Secciones.Agregar(2);
  p_.servicios().estado.ModoImpresion = true;
  ImprimirTresColumnas(p_.LaImpresora(),
                       DatosCabeceraDe(p_.servicios().catalogo, p_.servicios().estado.NombreCentro),
                       b.LineasImpresion, static_cast<int>(lineas.size()), true, b.Secciones);
}

// ---------------------------------------------------------------------------
// The comarca and zone maps.

void VisorFP::SobreMapaDetalle(bool comarcas, int x, int y) {
  QLabel* detalle = comarcas ? mapac : mapam;
  const Mapa mapa = comarcas ? Mapa::kComarcas : Mapa::kZonas;
  const TablasDatos& t = p_.servicios().tablas;
  const EtiquetaMapa e = MoverSobreMapa(fp_->mapas, fp_->puntos, mapa, x, y,
                                        {&t.comunidades, &t.comarcas, &t.zonas});
  p_.PanelMapa->setGeometry(e.izquierda, e.arriba, e.ancho > 0 ? e.ancho : p_.PanelMapa->width(),
                            p_.PanelMapa->height());
  p_.PanelMapa->setText(RecortadoQt(DeWin(e.texto)));
  p_.PanelMapa->setVisible(!e.texto.empty());
  p_.PanelMapa->raise();
  detalle->setCursor(e.mano ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void VisorFP::mapacMouseMove(int x, int y) { SobreMapaDetalle(true, x, y); }

void VisorFP::mapamMouseMove(int x, int y) { SobreMapaDetalle(false, x, y); }

void VisorFP::mapacClick() {
  const ClickMapa c = ClickComarcas(fp_->mapas);
  if (c.accion == AccionMapa::kNada) return;
  p_.PanelMapa->hide();
  if (c.accion == AccionMapa::kListaBarcelona) {
    listBarcelona->clear();
    for (const std::string& s : SubareasBarcelona(p_.servicios().tablas.comarcas))
      listBarcelona->addItem(RecortadoQt(DeWin(s)));
    listBarcelona->show();
    listBarcelona->raise();
    BotCerrar->show();
    BotCerrar->raise();
    return;
  }
  ListSelLugFPClick();
}

void VisorFP::listBarcelonaClick(int fila) {
  const ClickMapa c = ClickBarcelona(fp_->mapas, fila);
  if (c.accion == AccionMapa::kNada) return;
  ListSelLugFPClick();
}

void VisorFP::mapamClick() {
  const ClickMapa c = ClickZonas(fp_->mapas);
  if (c.accion == AccionMapa::kNada) return;
  p_.PanelMapa->hide();
  ListSelLugFPClick();
}

}  // namespace sendaro
