#include "sections/degrees/qt/visor_cuestionario.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "data/impresion/buffers_impresion.h"
#include "data/impresion/informes.h"
#include "data/texto.h"
#include "sections/degrees/qt/pagina_grados.h"
#include "ui/dialogos.h"
#include "ui/guardar_texto.h"
#include "ui/mosaico.h"
#include "ui/panel_explicacion.h"
#include "ui/piezas.h"
#include "ui/servicios.h"
#include "ui/teclas_listas.h"
#include "ui/tform4.h"

namespace sendaro {

using namespace piezas;

namespace {

// Catalogue texts of the page.
constexpr int kTextoAcabar = 344;
constexpr int kTextoImprime = 345;
constexpr int kTextoTuPerfil = 286;
constexpr int kTextoResultadoJunto = 288;
constexpr int kTextoEmpezar = 329;
constexpr int kTextoNombre = 339;
constexpr int kAltoFilaResultado = 20;

constexpr int kAnchoLista = 548;

void Visitado(QPushButton* b) {
  b->setStyleSheet(QStringLiteral("QPushButton { color: purple; }"));
  QFont f = b->font();
  f.setBold(true);
  f.setItalic(true);
  b->setFont(f);
}

void SinVisitar(QPushButton* b) {
  b->setStyleSheet(QString());
  b->setFont(QFont());
}

// The ticked item numbers (1-based) of one answer list.
std::vector<int> Marcados(const QListWidget* lista) {
  std::vector<int> marcados;
  for (int i = 0; i < lista->count(); ++i) {
    if (lista->item(i)->isSelected()) marcados.push_back(i + 1);
  }
  return marcados;
}

QStringList AQt(const std::vector<std::string>& filas) {
  QStringList lista;
  for (const std::string& f : filas) lista << RecortadoQt(DeWin(f));
  return lista;
}

}  // namespace

VisorCuestionario::VisorCuestionario(PaginaGrados& pagina) : QObject(&pagina), p_(pagina) {
  Crear();
  Preparar();
}

bool VisorCuestionario::eventFilter(QObject* objeto, QEvent* evento) {
  const QEvent::Type tipo = evento->type();
  if (tipo == QEvent::KeyPress && (objeto == ListCua || objeto == Listint)) {
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
      auto* lista = static_cast<QListWidget*>(objeto);
      if (QListWidgetItem* fila = lista->currentItem()) {
        fila->setSelected(!fila->isSelected());
        if (lista == ListCua) ListCuaClick(lista->currentRow());
      }
      return true;
    }
  }
  if (tipo == QEvent::KeyPress && objeto == ListResul) {
    // Enter or Space opens the current row as a click does.
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter || tecla == Qt::Key_Space) {
      ListResulClick(ListResul->currentRow());
      return true;
    }
  }
  if (tipo == QEvent::MouseMove) {
    if (objeto == ListResul->viewport()) {
      ListResulMouseMove(static_cast<QMouseEvent*>(evento)->position().toPoint().y());
    } else if (objeto == PanelListCon || objeto == Panelcon || objeto == degradecon) {
      LabelAviso->hide();
    }
  }
  if (tipo == QEvent::MouseButtonPress &&
      (objeto == PanelListCon || objeto == ListCarreras->viewport())) {
    ListCarreras->hide();
  }
  return false;
}

void VisorCuestionario::Crear() {
  Panelcon = new QWidget(p_.Pantalla());
  Panelcon->setObjectName(QStringLiteral("Panelcon"));
  Panelcon->setGeometry(p_.Pantalla()->rect());
  degradecon = new Mosaico(Panelcon);
  degradecon->setObjectName(QStringLiteral("degradecon"));
  degradecon->setGeometry(0, 0, 1024, 768);
  degradecon->FijarTesela(p_.servicios().recursos.Suelo);
  TilIzqC = new Mosaico(Panelcon);
  TilIzqC->setObjectName(QStringLiteral("TilIzqC"));
  TilIzqC->setGeometry(0, 0, 23, 768);
  TilIzqC->FijarTesela(p_.servicios().recursos.MarcoIzquierdo);
  TilDerC = new Mosaico(Panelcon);
  TilDerC->setObjectName(QStringLiteral("TilDerC"));
  TilDerC->setGeometry(1024 - 23, 0, 23, 768);
  TilDerC->FijarTesela(p_.servicios().recursos.MarcoDerecho);
  TilArrC = new Mosaico(Panelcon);
  TilArrC->setObjectName(QStringLiteral("TilArrC"));
  TilArrC->setGeometry(23, 0, 1024 - 46, 12);
  TilArrC->FijarTesela(p_.servicios().recursos.Lateral);

  PanelMenuCon = Panel(Panelcon, "PanelMenuCon", {60, 130, 320, 16 + 4 * 52 - 6});
  const char* nombres[] = {"Menucua", "MenuGus", "MenuMedia", "MenuRetroCon"};
  QPushButton** botones[] = {&Menucua, &MenuGus, &MenuMedia, &MenuRetroCon};
  for (int i = 0; i < 4; ++i)
    *botones[i] = Boton(PanelMenuCon, nombres[i], {10, 8 + i * 52, 300, 46});
  PanelMenuCon->hide();

  PanelListCon = Panel(Panelcon, "PanelListCon", {450, 40, kAnchoLista, 640});
  PanelListCon->setFrameShape(QFrame::NoFrame);
  ListCua = Lista<QListWidget>(PanelListCon, "ListCua", {0, 0, kAnchoLista, 640});
  Listint = Lista<QListWidget>(PanelListCon, "Listint", {0, 0, kAnchoLista, 640});
  PanelResCon = Etiqueta(PanelListCon, "PanelResCon", {0, 0, kAnchoLista, 34});
  PanelResCon->setIndent(10);
  ListResul = Lista<QListWidget>(PanelListCon, "ListResul", {0, 36, kAnchoLista, 12 * 20 + 8});
  ListCarreras = Lista<QListWidget>(PanelListCon, "ListCarreras",
                                    {0, 36 + 12 * 20 + 14, kAnchoLista, 640 - (50 + 12 * 20)});
  for (QListWidget* l : {ListCua, Listint}) {
    l->setSelectionMode(QAbstractItemView::MultiSelection);
    l->setWordWrap(false);
  }
  for (QWidget* w :
       std::initializer_list<QWidget*>{ListCua, Listint, PanelResCon, ListResul, ListCarreras}) {
    w->hide();
  }

  const int fila = 40 + 640 + 10;
  VerResul = Boton(Panelcon, "VerResul", {450, fila, 180, 38});
  revisa = Boton(Panelcon, "revisa", {450, fila, 180, 38});
  acabarCua = Boton(Panelcon, "acabarCua", {636, fila, 120, 38});
  ImpResul = Boton(Panelcon, "ImpResul", {762, fila, 116, 38});
  grabar = Boton(Panelcon, "grabar", {884, fila, 114, 38});
  for (QWidget* w : std::initializer_list<QWidget*>{VerResul, revisa, acabarCua, ImpResul, grabar})
    w->hide();
  LabelAviso = Etiqueta(Panelcon, "LabelAviso", {206, 0, 240, 24});
  LabelAviso->setAlignment(Qt::AlignCenter);
  LabelAviso->setAttribute(Qt::WA_TransparentForMouseEvents);
  Pintar(LabelAviso, QColor(255, 255, 225), Qt::black);
  LabelAviso->setFrameShape(QFrame::Box);
  LabelAviso->hide();
  PanelPorQue = new PanelExplicacion(Panelcon, QStringLiteral("PanelPorQue"),
                                     p_.T(textos_explicacion::kTituloPanel), {40, 360, 400, 196});
  Panelcon->hide();
}

void VisorCuestionario::Preparar() {
  // Captions, colours and fonts.
  const std::pair<QPushButton*, int> rotulos[] = {
      {Menucua, 301},  {MenuGus, 302}, {MenuMedia, 303},          {MenuRetroCon, 82},
      {VerResul, 287}, {revisa, 328},  {acabarCua, kTextoAcabar}, {ImpResul, kTextoImprime},
      {grabar, 330},
  };
  for (const auto& [boton, n] : rotulos) boton->setText(p_.T(n));
  LabelAviso->setText(p_.T(283));
  const Tema& tema = p_.servicios().TemaActual();
  Pintar(PanelMenuCon, ColorQ(ColorMenu));
  PanelMenuCon->setStyleSheet(
      QStringLiteral("QFrame#PanelMenuCon { background-color: %1; border: 2px solid;"
                     " border-radius: 6px; border-color: #fff6ea #b89a7a #b89a7a #fff6ea; }")
          .arg(Rgb(ColorQ(ColorMenu))));
  Pintar(PanelListCon, ColorQ(tema.ColorTitulo), ColorQ(tema.ColorTextoTitulo));
  Pintar(PanelResCon, ColorQ(tema.ColorTitulo), ColorQ(tema.ColorTextoTitulo));
  for (QWidget* w : std::initializer_list<QWidget*>{ListCua, Listint, ListResul})
    PintarLista(w, ColorQ(ColorMenu));
  PintarLista(ListCarreras, ColorQ(ColorListas));
  const QString times = QStringLiteral("Times New Roman");
  for (QWidget* w : std::initializer_list<QWidget*>{ListCua, Listint})
    w->setFont(LetraQt(times, p_.Letra(13)));
  ListResul->setFont(LetraQt(QStringLiteral("Courier New"), p_.Letra(12)));
  ListResul->setStyleSheet(
      ListResul->styleSheet() +
      QStringLiteral(" QListWidget::item { height: %1px; }").arg(kAltoFilaResultado));
  ListResul->setMouseTracking(true);
  ListResul->setCursor(Qt::PointingHandCursor);
  ListCarreras->setFont(LetraQt(times, p_.Letra(11)));
  PanelResCon->setFont(LetraQt(times, p_.Letra(12), true));

  for (QObject* o :
       std::initializer_list<QObject*>{ListCua, Listint, ListResul, ListResul->viewport(), PanelListCon,
                                       Panelcon, degradecon, ListCarreras->viewport()}) {
    o->installEventFilter(this);
  }
  EnterPropio(*ListCua);
  EnterPropio(*Listint);
  degradecon->setMouseTracking(true);
  Panelcon->setMouseTracking(true);
  PanelListCon->setMouseTracking(true);

  connect(Menucua, &QPushButton::clicked, this, &VisorCuestionario::MenuCuaClick);
  connect(MenuGus, &QPushButton::clicked, this, &VisorCuestionario::MenuGusClick);
  connect(MenuMedia, &QPushButton::clicked, this, &VisorCuestionario::MenuMediaClick);
  connect(MenuRetroCon, &QPushButton::clicked, this, &VisorCuestionario::MenuRetroConClick);
  connect(ListCua, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ListCuaClick(ListCua->row(item)); });
  connect(VerResul, &QPushButton::clicked, this, &VisorCuestionario::verresulClick);
  connect(revisa, &QPushButton::clicked, this, &VisorCuestionario::revisaClick);
  connect(acabarCua, &QPushButton::clicked, this, &VisorCuestionario::acabarCuaClick);
  connect(ImpResul, &QPushButton::clicked, this, &VisorCuestionario::IMpResulClick);
  connect(grabar, &QPushButton::clicked, this, &VisorCuestionario::grabarClick);
  connect(ListResul, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ListResulClick(ListResul->row(item)); });
}

FuentesCuestionario VisorCuestionario::FuentesCues() const {
  const TablasDatos& t = p_.servicios().tablas;
  return {t.grupos, t.carreras, t.titulosFP, t.datosCarreras, p_.servicios().catalogo};
}

void VisorCuestionario::Empezar() {
  NombreAlumno.clear();
  p_.MostrarAyuda(3);
  PanelMenuCon->show();
  for (QPushButton* b : {Menucua, MenuGus, MenuMedia, MenuRetroCon}) b->show();
  revisa->hide();
  VerResul->hide();
  // The page is put on view after its way in: the question about the last
  // student's answers waits for it.
  if (CualidadesRellenas || InteresesRellenos) {
    QTimer::singleShot(0, this, &VisorCuestionario::PreguntarEmpezar);
  }
}

void VisorCuestionario::PreguntarEmpezar() {
  // The student may have left the page already.
  if (Panelcon->isHidden()) return;
  TForm4* dialogo = p_.servicios().Dialogo();
  if (dialogo == nullptr || !dialogo->Preguntar(p_.T(kTextoEmpezar))) return;
  // A new student: no answer, score or ranking of the last one stays.
  CualidadesRellenas = false;
  InteresesRellenos = false;
  Resultados = {};
  OrdenGrupos.clear();
  for (QListWidget* l : {ListCua, Listint, ListResul, ListCarreras}) {
    l->clear();
    l->hide();
  }
  for (QWidget* w :
       std::initializer_list<QWidget*>{PanelResCon, acabarCua, ImpResul, grabar, PanelPorQue})
    w->hide();
  Explicaciones.clear();
  for (QPushButton* b : {Menucua, MenuGus, MenuMedia}) SinVisitar(b);
}

void VisorCuestionario::AbrirListaCuestionario(bool cualidades) {
  QPushButton* boton = cualidades ? Menucua : MenuGus;
  Visitado(boton);
  p_.MostrarAyuda(cualidades ? 4 : 5);
  EnCualidades = cualidades;
  for (QPushButton* b : {Menucua, MenuGus, MenuMedia, MenuRetroCon}) b->setVisible(b == boton);
  QListWidget* lista = cualidades ? ListCua : Listint;
  QListWidget* otra = cualidades ? Listint : ListCua;
  for (QWidget* w : std::initializer_list<QWidget*>{revisa, otra, ListResul, PanelResCon,
                                                    ListCarreras, LabelAviso, PanelPorQue}) {
    w->hide();
  }
  bool& rellena = cualidades ? CualidadesRellenas : InteresesRellenos;
  if (!rellena) {
    const TablaLinea& tabla =
        cualidades ? p_.servicios().tablas.cualidades : p_.servicios().tablas.intereses;
    lista->clear();
    for (int i = 1; i <= tabla.Cuenta(); ++i) lista->addItem(RecortadoQt(DeWin(tabla[i])));
    rellena = true;
  }
  VerResul->show();
  lista->show();
  lista->setFocus();
}

void VisorCuestionario::MenuCuaClick() { AbrirListaCuestionario(true); }

void VisorCuestionario::MenuGusClick() { AbrirListaCuestionario(false); }

void VisorCuestionario::ListCuaClick(int fila) {
  QListWidgetItem* item = ListCua->item(fila);
  if (item == nullptr || !item->isSelected()) return;
  for (const int otra : CualidadesGraduadas(fila)) {
    if (QListWidgetItem* i = ListCua->item(otra)) i->setSelected(true);
  }
}

RespuestasLista VisorCuestionario::Respuestas(bool cualidades,
                                              const std::vector<std::vector<int>>& miembros) const {
  const TablasDatos& t = p_.servicios().tablas;
  return {cualidades, cualidades ? t.cualidades : t.intereses, miembros,
          Marcados(cualidades ? ListCua : Listint)};
}

Clasificacion VisorCuestionario::PuntuarLista(bool cualidades) {
  const TablasDatos& t = p_.servicios().tablas;
  const int g = NumeroGrupos(t.grupos);
  const auto miembros = cualidades ? MiembrosCualidades(t.datosCarreras, g)
                                   : MiembrosIntereses(t.datosCarreras, g);
  Clasificacion c =
      ClasificarLista(t.grupos, Respuestas(cualidades, miembros), p_.servicios().catalogo);
  (cualidades ? Resultados.cualidades : Resultados.intereses) = c;
  return c;
}

void VisorCuestionario::MostrarClasificacion(const Clasificacion& c, const QString& cabecera) {
  OrdenGrupos = c.orden;
  Explicaciones = c.explicaciones;
  PanelPorQue->Mostrar(nullptr);
  PanelResCon->setText(cabecera);
  PanelResCon->show();
  ListCua->hide();
  Listint->hide();
  ListResul->clear();
  ListResul->addItems(AQt(c.lineas));
  ListResul->show();
}

void VisorCuestionario::verresulClick() {
  VerResul->hide();
  revisa->show();
  acabarCua->show();
  p_.MostrarAyuda(6);
  const Clasificacion c = PuntuarLista(EnCualidades);
  MostrarClasificacion(c, p_.T(kTextoTuPerfil) + QStringLiteral("    ") + p_.T(EnCualidades ? 279 : 280));
}

void VisorCuestionario::revisaClick() {
  for (QWidget* w : std::initializer_list<QWidget*>{revisa, PanelResCon, acabarCua, ListResul,
                                                    ListCarreras, LabelAviso, PanelPorQue}) {
    w->hide();
  }
  VerResul->show();
  QListWidget* lista = EnCualidades ? ListCua : Listint;
  lista->show();
  lista->setFocus();
}

void VisorCuestionario::MenuMediaClick() {
  if (!CualidadesRellenas || !InteresesRellenos) {
    p_.MostrarAyuda(18);
    return;
  }
  Visitado(MenuMedia);
  for (QPushButton* b : {Menucua, MenuGus, MenuMedia, MenuRetroCon}) b->setVisible(b == MenuMedia);
  for (QWidget* w : std::initializer_list<QWidget*>{acabarCua, ImpResul, grabar}) w->show();
  // Both lists are scored from their current ticks, so the average never
  // mixes in a score left from an earlier run.
  const TablasDatos& t = p_.servicios().tablas;
  const int g = NumeroGrupos(t.grupos);
  const auto mc = MiembrosCualidades(t.datosCarreras, g);
  const auto mi = MiembrosIntereses(t.datosCarreras, g);
  const RespuestasLista cualidades = Respuestas(true, mc);
  const RespuestasLista intereses = Respuestas(false, mi);
  const CatalogoTextos& catalogo = p_.servicios().catalogo;
  Resultados.cualidades = ClasificarLista(t.grupos, cualidades, catalogo);
  Resultados.intereses = ClasificarLista(t.grupos, intereses, catalogo);
  Resultados.conjunto = ClasificarConjunto(t.grupos, cualidades, intereses, catalogo);
  p_.MostrarAyuda(8);
  MostrarClasificacion(Resultados.conjunto, p_.T(kTextoResultadoJunto));
}

void VisorCuestionario::ListResulMouseMove(int y) {
  LabelAviso->move(LabelAviso->x(), PanelListCon->y() + ListResul->y() + y - 10);
  LabelAviso->show();
  LabelAviso->raise();
}

void VisorCuestionario::ListResulClick(int fila) {
  if (fila < 0 || fila >= static_cast<int>(OrdenGrupos.size())) return;
  p_.MostrarAyuda(7);
  ListCarreras->clear();
  ListCarreras->addItems(
      AQt(DetalleGrupo(FuentesCues(), OrdenGrupos[static_cast<std::size_t>(fila)])));
  ListCarreras->show();
  VerResul->hide();
  if (ListResul->currentRow() != fila) ListResul->setCurrentRow(fila);
  const auto i = static_cast<std::size_t>(fila);
  PanelPorQue->Mostrar(i < Explicaciones.size() ? &Explicaciones[i] : nullptr);
}

void VisorCuestionario::acabarCuaClick() {
  PanelPorQue->Mostrar(nullptr);
  if (!ListCarreras->isHidden()) {
    ListCarreras->hide();
    return;
  }
  for (QPushButton* b : {Menucua, MenuGus, MenuMedia, MenuRetroCon}) b->show();
  for (QWidget* w :
       std::initializer_list<QWidget*>{revisa, VerResul, ListResul, PanelResCon, acabarCua,
                                       ListCarreras, ImpResul, grabar, LabelAviso}) {
    w->hide();
  }
}

std::optional<InformeCuestionario> VisorCuestionario::InformeCuestionarioPedido() {
  TForm4* dialogo = p_.servicios().Dialogo();
  if (dialogo == nullptr) return std::nullopt;
  const std::optional<QString> nombre = dialogo->PedirNombre(p_.T(kTextoNombre), NombreAlumno);
  if (!nombre) return std::nullopt;
  NombreAlumno = *nombre;
  return InformeCualidades(FuentesCues(), Resultados, AWin(NombreAlumno));
}

void VisorCuestionario::IMpResulClick() {
  const std::optional<InformeCuestionario> informe = InformeCuestionarioPedido();
  if (!informe) return;
  BuffersCompartidos& b = Compartidos();
  const DatosCabecera cabecera =
      DatosCabeceraDe(p_.servicios().catalogo, p_.servicios().estado.NombreCentro);
  auto llenar = [&](const std::string& titulo, const std::vector<std::string>& lineas,
                    const std::vector<int>& negritas) {
    b.LineasImpresion.Vaciar();
    b.LineasImpresion.Fijar(0, titulo);
    for (std::size_t i = 0; i < lineas.size(); ++i)
      b.LineasImpresion.Fijar(static_cast<int>(i) + 1, lineas[i]);
    b.Secciones.Vaciar();
    for (const int n : negritas) b.Secciones.Agregar(n);
  };
  llenar(informe->titulo, informe->retrato, informe->negritasRetrato);
  p_.servicios().estado.ModoImpresion = true;
  const bool impreso =
      ImprimirVertical(p_.LaImpresora(), cabecera, b.LineasImpresion,
                       static_cast<int>(informe->retrato.size()), true, 12, b.Secciones);
  if (!impreso) {
    p_.servicios().estado.ModoImpresion = false;
    return;
  }
  llenar(informe->tituloEstudios, informe->estudios, informe->negritasEstudios);
  ImprimirTresColumnas(p_.LaImpresora(), cabecera, b.LineasImpresion,
                       static_cast<int>(informe->estudios.size()), false, b.Secciones);
  p_.servicios().estado.ModoImpresion = false;
  p_.MostrarAyuda(17);
}

void VisorCuestionario::grabarClick() {
  const std::optional<InformeCuestionario> informe = InformeCuestionarioPedido();
  if (!informe) return;
  if (GuardarTexto(p_.servicios().dialogos, NombreAlumno, AQt(informe->Completo()))) {
    p_.MostrarAyuda(19);
  }
}

void VisorCuestionario::MenuRetroConClick() {
  NombreAlumno.clear();
  LabelAviso->hide();
  PanelPorQue->hide();
  emit Volver();
}

}  // namespace sendaro
