// The qualities and interests questionnaire on its own page: the two answer
// lists, the rankings, a group's studies, the printout and the saved report.
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
#include "sections/degrees/qt/tform1.h"
#include "ui/dialogos.h"
#include "ui/guardar_texto.h"
#include "ui/mosaico.h"
#include "ui/piezas.h"
#include "ui/servicios.h"
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

// Keys and pointer moves the page's lists react to.
class FiltroCuestionario : public QObject {
 public:
  FiltroCuestionario(TForm1* f) : QObject(f), f_(f) {}

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override {
    const QEvent::Type tipo = evento->type();
    if (tipo == QEvent::KeyPress && (objeto == f_->ListCua || objeto == f_->Listint)) {
      const int tecla = static_cast<QKeyEvent*>(evento)->key();
      if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
        auto* lista = static_cast<QListWidget*>(objeto);
        if (QListWidgetItem* fila = lista->currentItem()) {
          fila->setSelected(!fila->isSelected());
          if (lista == f_->ListCua) f_->ListCuaClick(lista->currentRow());
        }
        return true;
      }
    }
    if (tipo == QEvent::MouseMove) {
      if (objeto == f_->ListResul->viewport()) {
        f_->ListResulMouseMove(static_cast<QMouseEvent*>(evento)->position().toPoint().y());
      } else if (objeto == f_->PanelListCon || objeto == f_->Panelcon || objeto == f_->degradecon) {
        f_->LabelAviso->hide();
      }
    }
    if (tipo == QEvent::MouseButtonPress &&
        (objeto == f_->PanelListCon || objeto == f_->ListCarreras->viewport())) {
      f_->ListCarreras->hide();
    }
    return false;
  }

 private:
  TForm1* f_;
};

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

// The score of each group for the ticks of one answer list.
std::vector<double> PuntosDe(const QListWidget* lista, const TablasDatos& t, bool cualidades) {
  const int g = NumeroGrupos(t.grupos);
  std::vector<int> marcados;
  for (int i = 0; i < lista->count(); ++i) {
    if (lista->item(i)->isSelected()) marcados.push_back(i + 1);
  }
  const DatosCarreras& datos = t.datosCarreras;
  return PuntuarGrupos(marcados,
                       cualidades ? MiembrosCualidades(datos, g) : MiembrosIntereses(datos, g));
}

QStringList AQt(const std::vector<std::string>& filas) {
  QStringList lista;
  for (const std::string& f : filas) lista << RecortadoQt(DeWin(f));
  return lista;
}

}  // namespace

void TForm1::CrearCuestionario() {
  Panelcon = new QWidget(this);
  Panelcon->setObjectName(QStringLiteral("Panelcon"));
  Panelcon->setGeometry(rect());
  degradecon = new Mosaico(Panelcon);
  degradecon->setObjectName(QStringLiteral("degradecon"));
  degradecon->setGeometry(0, 0, 1024, 768);
  degradecon->FijarTesela(servicios_.recursos.Suelo);
  TilIzqC = new Mosaico(Panelcon);
  TilIzqC->setObjectName(QStringLiteral("TilIzqC"));
  TilIzqC->setGeometry(0, 0, 23, 768);
  TilIzqC->FijarTesela(servicios_.recursos.MarcoIzquierdo);
  TilDerC = new Mosaico(Panelcon);
  TilDerC->setObjectName(QStringLiteral("TilDerC"));
  TilDerC->setGeometry(1024 - 23, 0, 23, 768);
  TilDerC->FijarTesela(servicios_.recursos.MarcoDerecho);
  TilArrC = new Mosaico(Panelcon);
  TilArrC->setObjectName(QStringLiteral("TilArrC"));
  TilArrC->setGeometry(23, 0, 1024 - 46, 12);
  TilArrC->FijarTesela(servicios_.recursos.Lateral);

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
  Panelcon->hide();

  // Captions, colours and fonts.
  const std::pair<QPushButton*, int> rotulos[] = {
      {Menucua, 301},  {MenuGus, 302}, {MenuMedia, 303},          {MenuRetroCon, 82},
      {VerResul, 287}, {revisa, 328},  {acabarCua, kTextoAcabar}, {ImpResul, kTextoImprime},
      {grabar, 330},
  };
  for (const auto& [boton, n] : rotulos) boton->setText(T(n));
  LabelAviso->setText(T(283));
  const Tema& tema = servicios_.TemaActual();
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
    w->setFont(LetraQt(times, Letra(13)));
  ListResul->setFont(LetraQt(QStringLiteral("Courier New"), Letra(12)));
  ListResul->setStyleSheet(
      ListResul->styleSheet() +
      QStringLiteral(" QListWidget::item { height: %1px; }").arg(kAltoFilaResultado));
  ListResul->setMouseTracking(true);
  ListResul->setCursor(Qt::PointingHandCursor);
  ListCarreras->setFont(LetraQt(times, Letra(11)));
  PanelResCon->setFont(LetraQt(times, Letra(12), true));

  auto* filtro = new FiltroCuestionario(this);
  for (QObject* o :
       std::initializer_list<QObject*>{ListCua, Listint, ListResul->viewport(), PanelListCon,
                                       Panelcon, degradecon, ListCarreras->viewport()}) {
    o->installEventFilter(filtro);
  }
  degradecon->setMouseTracking(true);
  Panelcon->setMouseTracking(true);
  PanelListCon->setMouseTracking(true);

  connect(Menucua, &QPushButton::clicked, this, &TForm1::MenuCuaClick);
  connect(MenuGus, &QPushButton::clicked, this, &TForm1::MenuGusClick);
  connect(MenuMedia, &QPushButton::clicked, this, &TForm1::MenuMediaClick);
  connect(MenuRetroCon, &QPushButton::clicked, this, &TForm1::MenuRetroConClick);
  connect(ListCua, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ListCuaClick(ListCua->row(item)); });
  connect(VerResul, &QPushButton::clicked, this, &TForm1::verresulClick);
  connect(revisa, &QPushButton::clicked, this, &TForm1::revisaClick);
  connect(acabarCua, &QPushButton::clicked, this, &TForm1::acabarCuaClick);
  connect(ImpResul, &QPushButton::clicked, this, &TForm1::IMpResulClick);
  connect(grabar, &QPushButton::clicked, this, &TForm1::grabarClick);
  connect(ListResul, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ListResulClick(ListResul->row(item)); });
}

FuentesCuestionario TForm1::FuentesCues() const {
  const TablasDatos& t = servicios_.tablas;
  return {t.grupos, t.carreras, t.titulosFP, t.datosCarreras, servicios_.catalogo};
}

void TForm1::botSendaroClick() {
  Panelinicio->hide();
  Panelcon->setGeometry(rect());
  Panelcon->show();
  Panelcon->raise();
  degradecon->show();
  // The help bubble goes with the page on view.
  payuda->setParent(Panelcon);
  NombreAlumno.clear();
  if (CualidadesRellenas || InteresesRellenos) {
    TForm4* dialogo = servicios_.Dialogo();
    if (dialogo != nullptr && dialogo->Preguntar(T(kTextoEmpezar))) {
      // A new student: no answer, score or ranking of the last one stays.
      CualidadesRellenas = false;
      InteresesRellenos = false;
      Resultados = {};
      OrdenGrupos.clear();
      for (QListWidget* l : {ListCua, Listint, ListResul, ListCarreras}) {
        l->clear();
        l->hide();
      }
      for (QWidget* w : std::initializer_list<QWidget*>{PanelResCon, acabarCua, ImpResul, grabar})
        w->hide();
      for (QPushButton* b : {Menucua, MenuGus, MenuMedia}) SinVisitar(b);
    }
  }
  MostrarAyuda(3);
  PanelMenuCon->show();
  for (QPushButton* b : {Menucua, MenuGus, MenuMedia, MenuRetroCon}) b->show();
  revisa->hide();
  VerResul->hide();
}

void TForm1::AbrirListaCuestionario(bool cualidades) {
  QPushButton* boton = cualidades ? Menucua : MenuGus;
  Visitado(boton);
  MostrarAyuda(cualidades ? 4 : 5);
  EnCualidades = cualidades;
  for (QPushButton* b : {Menucua, MenuGus, MenuMedia, MenuRetroCon}) b->setVisible(b == boton);
  QListWidget* lista = cualidades ? ListCua : Listint;
  QListWidget* otra = cualidades ? Listint : ListCua;
  for (QWidget* w : std::initializer_list<QWidget*>{revisa, otra, ListResul, PanelResCon,
                                                    ListCarreras, LabelAviso}) {
    w->hide();
  }
  bool& rellena = cualidades ? CualidadesRellenas : InteresesRellenos;
  if (!rellena) {
    const TablaLinea& tabla =
        cualidades ? servicios_.tablas.cualidades : servicios_.tablas.intereses;
    lista->clear();
    for (int i = 1; i <= tabla.Cuenta(); ++i) lista->addItem(RecortadoQt(DeWin(tabla[i])));
    rellena = true;
  }
  VerResul->show();
  lista->show();
  lista->setFocus();
}

void TForm1::MenuCuaClick() { AbrirListaCuestionario(true); }

void TForm1::MenuGusClick() { AbrirListaCuestionario(false); }

void TForm1::ListCuaClick(int fila) {
  QListWidgetItem* item = ListCua->item(fila);
  if (item == nullptr || !item->isSelected()) return;
  for (const int otra : CualidadesGraduadas(fila)) {
    if (QListWidgetItem* i = ListCua->item(otra)) i->setSelected(true);
  }
}

Clasificacion TForm1::PuntuarLista(bool cualidades) {
  Clasificacion c = Clasificar(servicios_.tablas.grupos, PuntosDe(cualidades ? ListCua : Listint,
                                                                  servicios_.tablas, cualidades));
  (cualidades ? Resultados.cualidades : Resultados.intereses) = c;
  return c;
}

void TForm1::MostrarClasificacion(const Clasificacion& c, const QString& cabecera) {
  OrdenGrupos = c.orden;
  PanelResCon->setText(cabecera);
  PanelResCon->show();
  ListCua->hide();
  Listint->hide();
  ListResul->clear();
  ListResul->addItems(AQt(c.lineas));
  ListResul->show();
}

void TForm1::verresulClick() {
  VerResul->hide();
  revisa->show();
  acabarCua->show();
  MostrarAyuda(6);
  const Clasificacion c = PuntuarLista(EnCualidades);
  MostrarClasificacion(c, T(kTextoTuPerfil) + QStringLiteral("    ") + T(EnCualidades ? 279 : 280));
}

void TForm1::revisaClick() {
  for (QWidget* w : std::initializer_list<QWidget*>{revisa, PanelResCon, acabarCua, ListResul,
                                                    ListCarreras, LabelAviso}) {
    w->hide();
  }
  VerResul->show();
  QListWidget* lista = EnCualidades ? ListCua : Listint;
  lista->show();
  lista->setFocus();
}

void TForm1::MenuMediaClick() {
  if (!CualidadesRellenas || !InteresesRellenos) {
    MostrarAyuda(18);
    return;
  }
  Visitado(MenuMedia);
  for (QPushButton* b : {Menucua, MenuGus, MenuMedia, MenuRetroCon}) b->setVisible(b == MenuMedia);
  for (QWidget* w : std::initializer_list<QWidget*>{acabarCua, ImpResul, grabar}) w->show();
  // Both lists are scored from their current ticks, so the average never
  // mixes in a score left from an earlier run.
  const TablasDatos& t = servicios_.tablas;
  const std::vector<double> a = PuntosDe(ListCua, t, true);
  const std::vector<double> b = PuntosDe(Listint, t, false);
  Resultados.cualidades = Clasificar(t.grupos, a);
  Resultados.intereses = Clasificar(t.grupos, b);
  Resultados.conjunto = Clasificar(t.grupos, PromediarPuntos(a, b));
  MostrarAyuda(8);
  MostrarClasificacion(Resultados.conjunto, T(kTextoResultadoJunto));
}

void TForm1::ListResulMouseMove(int y) {
  LabelAviso->move(LabelAviso->x(), PanelListCon->y() + ListResul->y() + y - 10);
  LabelAviso->show();
  LabelAviso->raise();
}

void TForm1::ListResulClick(int fila) {
  if (fila < 0 || fila >= static_cast<int>(OrdenGrupos.size())) return;
  MostrarAyuda(7);
  ListCarreras->clear();
  ListCarreras->addItems(
      AQt(DetalleGrupo(FuentesCues(), OrdenGrupos[static_cast<std::size_t>(fila)])));
  ListCarreras->show();
  VerResul->hide();
}

void TForm1::acabarCuaClick() {
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

std::optional<InformeCuestionario> TForm1::InformeCuestionarioPedido() {
  TForm4* dialogo = servicios_.Dialogo();
  if (dialogo == nullptr) return std::nullopt;
  const std::optional<QString> nombre = dialogo->PedirNombre(T(kTextoNombre), NombreAlumno);
  if (!nombre) return std::nullopt;
  NombreAlumno = *nombre;
  return InformeCualidades(FuentesCues(), Resultados, AWin(NombreAlumno));
}

void TForm1::IMpResulClick() {
  const std::optional<InformeCuestionario> informe = InformeCuestionarioPedido();
  if (!informe) return;
  BuffersCompartidos& b = Compartidos();
  const DatosCabecera cabecera =
      DatosCabeceraDe(servicios_.catalogo, servicios_.estado.NombreCentro);
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
  servicios_.estado.ModoImpresion = true;
  const bool impreso =
      ImprimirVertical(*impresora_, cabecera, b.LineasImpresion,
                       static_cast<int>(informe->retrato.size()), true, 12, b.Secciones);
  if (!impreso) {
    servicios_.estado.ModoImpresion = false;
    return;
  }
  llenar(informe->tituloEstudios, informe->estudios, informe->negritasEstudios);
  ImprimirTresColumnas(*impresora_, cabecera, b.LineasImpresion,
                       static_cast<int>(informe->estudios.size()), false, b.Secciones);
  servicios_.estado.ModoImpresion = false;
  MostrarAyuda(17);
}

void TForm1::grabarClick() {
  const std::optional<InformeCuestionario> informe = InformeCuestionarioPedido();
  if (!informe) return;
  if (GuardarTexto(servicios_.dialogos, NombreAlumno, AQt(informe->Completo()))) {
    MostrarAyuda(19);
  }
}

void TForm1::MenuRetroConClick() {
  NombreAlumno.clear();
  LabelAviso->hide();
  payuda->setParent(Panelinicio);
  payuda->hide();
  Panelinicio->show();
  Panelcon->hide();
  menui5Click();
}

}  // namespace sendaro
