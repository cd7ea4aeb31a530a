#include "app/qt/programa.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "app/ajustes_centro.h"
#include "app/linea_ordenes.h"
#include "app/qt/tbienvenida.h"
#include "data/instalado.h"
#include "data/qt/impresora_qt.h"
#include "data/texto.h"
#include "hall/qt/escena_vestibulo.h"
#include "hall/qt/tform0.h"
#include "hall/vestibulo_estatico.h"
#include "sections/assistant/qt/tform5.h"
#include "sections/catalogue/qt/tformcat.h"
#include "sections/certificates/qt/tcertifica.h"
#include "sections/degrees/qt/tform1.h"
#include "sections/degrees/qt/tform6.h"
#include "sections/initial_programmes/qt/tfinipro.h"
#include "sections/itineraries/qt/tform2.h"
#include "sections/middle_grade/qt/tform3.h"
#include "sections/professions/qt/tprofe.h"
#include "sections/search/qt/tbusqueda.h"
#include "ui/botones_dialogo.h"
#include "ui/dialogos.h"
#include "ui/imagenes.h"
#include "ui/pantalla_modos.h"
#include "ui/salida.h"
#include "ui/sonido.h"
#include "ui/accesible.h"
#include "ui/foco_teclado.h"
#include "ui/teclas_listas.h"
#include "ui/traduccion_qt.h"
#include "ui/traza.h"
#include "ui/ventana_principal.h"

namespace sendaro {

namespace {

// The start-up messages name the file that is missing or broken, so that
// whoever mends the installation knows what to copy again.
QString FaltanFicherosSendaro(std::string_view nombre) {
  return QStringLiteral("Faltan ficheros (%1). Vuelva a instalar Sendaro")
      .arg(QString::fromLatin1(nombre.data(), static_cast<qsizetype>(nombre.size())));
}

// A picture by the name the program opens it by, as a file name: "mapa" is
// "mapa.bmp".
QString FaltaImagen(std::string_view nombre) {
  std::string fichero(nombre);
  if (fichero.find('.') == std::string::npos) fichero += ".bmp";
  return QString::fromLatin1(MensajeFaltanFicheros(fichero));
}

QString Ruta(const std::filesystem::path& carpeta, std::string_view nombre) {
  return QDir(QFile::decodeName(carpeta.c_str()))
      .filePath(QString::fromLatin1(nombre.data(), static_cast<qsizetype>(nombre.size())));
}

// Drops the student's input while start-up completes after the hall's first
// paint: nothing may be opened before the sections' checks have run.
class SinEntrada : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override {
    switch (evento->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Wheel:
      case QEvent::TouchBegin:
        return true;
      default:
        return QObject::eventFilter(objeto, evento);
    }
  }
};

}  // namespace

std::filesystem::path CarpetaDatosPorDefecto() {
  // The program's own folder from the kernel, so that this works before the
  // application object exists.
  const std::filesystem::path programa = CarpetaPrograma();
  const std::filesystem::path junto = programa / "instalacion";
  std::error_code error;
  if (!programa.empty() && std::filesystem::is_directory(junto, error)) return junto;
  return RutasDesde(programa).datos;
}

Programa::Programa(Dialogos& dialogos, Sonido& sonido, PantallaModos& pantalla)
    : dialogos_(dialogos),
      sonido_(sonido),
      pantalla_(pantalla),
      avisador_(dialogos),
      tablas_(std::make_unique<TablasDatos>()),
      puntos_(std::make_unique<DatosPuntos>()),
      ventana_(std::make_unique<VentanaPrincipal>()),
      navegacion_(std::make_unique<Navegacion>(servicios_)),
      servicios_{estado_,  catalogo_, recursos_,    *tablas_, *puntos_, dialogos, sonido,
                 pantalla, *ventana_, *navegacion_, nullptr,  nullptr,  false} {
  ventana_->AlCerrar = [this] { return SalidaConfirmada(servicios_); };
  // Every dialog and list of the program, with the window's lifetime.
  new RotuladorDialogos(catalogo_, ventana_.get());
  new TeclasListas(ventana_.get());
  servicios_.busqueda = &busqueda_;
  auto* buscar = new QShortcut(QKeySequence::Find, ventana_.get());
  buscar->setContext(Qt::ApplicationShortcut);
  QObject::connect(buscar, &QShortcut::activated, ventana_.get(), [this] { AbrirBusqueda(); });
  new NombresAccesibles(ventana_.get());
  new FocoTeclado(ventana_.get());
  RegistrarPantallas();
}

void Programa::RegistrarPantallas() {
  Navegacion& n = *navegacion_;
  n.Registrar(&Tform0::Entrar, Forma::kPagina);
  n.Registrar(&TForm6::Entrar, Forma::kDialogo);
  n.Registrar(&TForm1::Entrar, Forma::kPagina, &TForm1::Preparar);
  n.Registrar(&TForm2::Entrar, Forma::kPagina, &TForm2::Preparar);
  n.Registrar(&TForm5::Entrar, Forma::kPagina);
  n.Registrar(&TForm3::Entrar, Forma::kPagina);
  n.Registrar(&TFIniPro::Entrar, Forma::kPagina, &TFIniPro::Preparar);
  n.Registrar(&TCertifica::Entrar, Forma::kPagina, &TCertifica::Preparar);
  n.Registrar(&Tprofe::Entrar, Forma::kPagina, &Tprofe::Preparar);
  n.Registrar(&TFormCat::Entrar, Forma::kPagina, &TFormCat::Preparar);
  n.Registrar(&TBusqueda::Entrar, Forma::kPagina);
}

void Programa::AbrirBusqueda() {
  if (arranque_ != EstadoArranque::kListo) return;
  navegacion_->AbrirEncima(entrada::Busqueda::kMostrar);
}

Programa::~Programa() = default;

void Programa::InicializarDatosCompartidos() {
  estado_.SinAnimacion = true;
  Lecturas::Compartidos leidos;
  if (lecturas_.compartidos.valid()) leidos = lecturas_.compartidos.get();
  const std::optional<QImage> chica =
      leidos.chica ? std::move(leidos.chica)
                   : LeerImagen(estado_.entorno.instalacion.Carpeta(), "chica.bmp");
  if (chica) {
    recursos_.CabeceraImpresion = *chica;
    ImagenesCompartidas()["chica.bmp"] = recursos_.CabeceraImpresion;
  }
  bool puntos = false;
  if (chica && leidos.puntos) {
    *puntos_ = std::move(*leidos.puntos);
    puntos = true;
  } else {
    puntos = chica && LeerPuntosSinAviso(estado_.entorno.instalacion, "puntos3", *puntos_);
  }
  if (!puntos) {
    dialogos_.Aviso(FaltanFicherosSendaro(chica ? "puntos3" : "chica.bmp"));
    estado_.DatosCompartidosFallidos = true;
    estado_.FalloGrave() = true;
  }
}

void Programa::PrepararVestibulo(const OpcionesArranque& opciones) {
  EstadoPrograma& e = estado_;
  const std::filesystem::path& carpeta = opciones.carpeta;

  if (e.DatosCompartidosFallidos) {
    e.FalloGrave() = true;
    return;
  }

  Traza("vestibulo: inicio");
  const auto ajustes = LeerAjustesInstalacion(carpeta);
  if (!ajustes) {
    dialogos_.Pitido();
    dialogos_.Aviso(QStringLiteral("El programa no funcionar\u00e1 correctamente. Faltan ficheros "
                                   "(%1). Vuelva a instalarlo.")
                        .arg(QString::fromLatin1(kFicheroAjustes.data(),
                                                 static_cast<qsizetype>(kFicheroAjustes.size()))));
    e.FalloGrave() = true;
    return;
  }

  e.NombreCentro = ajustes->NombreCentro;
  e.CodigoIdioma = ajustes->CodigoIdioma;
  const Preferencias preferencias = AplicarLineaOrdenes(
      {ajustes->LetraTema, ajustes->ConAnimacion != 0, SubcarpetaIdioma(ajustes->CodigoIdioma)},
      opciones.posicionales);
  e.LetraTema = preferencias.LetraTema;
  e.ConAnimacion = preferencias.ConAnimacion;
  e.entorno.instalacion.FijarIdioma(preferencias.subcarpeta);
  // The toolkit's dialogs speak the same language from the first one on.
  InstalarTraduccionQt(preferencias.subcarpeta);

  servicios_.tema = BuscarTema(e.LetraTema);
  const Tema& tema = servicios_.TemaActual();
  QFile piel(Ruta(carpeta, kPiel));
  if (piel.open(QIODevice::ReadOnly)) {
    QByteArray hoja = piel.readAll();
    // An editor may have saved it with a byte-order mark, which the style
    // sheet parser does not take.
    if (hoja.startsWith("\xEF\xBB\xBF")) hoja.remove(0, 3);
    piel_ = QString::fromUtf8(hoja);
  }

  Traza("ajustes y piel");
  // A picture read whole before start-up, or read now.
  Lecturas::Imagenes leidas;
  if (lecturas_.imagenes.valid()) leidas = lecturas_.imagenes.get();
  const auto cargar = [&](std::string_view nombre) -> std::optional<QPixmap> {
    if (const auto it = leidas.find(nombre); it != leidas.end()) {
      return QPixmap::fromImage(it->second);
    }
    return CargarImagen(carpeta, nombre);
  };
  QPixmap* mapas[] = {&recursos_.mapa, &recursos_.mapac, &recursos_.mapam};
  for (int i = 0; i < 3; ++i) {
    if (auto imagen = cargar(kMapas[i])) {
      *mapas[i] = *imagen;
    } else {
      dialogos_.Aviso(FaltaImagen(kMapas[i]));
      e.FalloGrave() = true;
    }
  }
  const std::pair<std::string_view, QPixmap*> propias[] = {
      {tema.Suelo, &recursos_.Suelo},
      {tema.Rotulo, &recursos_.Rotulo},
      {tema.MarcoDerecho, &recursos_.MarcoDerecho},
      {tema.MarcoIzquierdo, &recursos_.MarcoIzquierdo},
      {tema.Pared, &recursos_.Pared},
      {tema.Lateral, &recursos_.Lateral},
      {kHeli, &recursos_.heli},
  };
  for (const auto& [nombre, destino] : propias) {
    if (nombre.empty()) continue;  // the theme has no such picture
    if (auto imagen = cargar(nombre)) {
      *destino = *imagen;
    } else {
      dialogos_.Aviso(FaltaImagen(nombre));
      e.FalloGrave() = true;
    }
  }
  // The static hall's strips and bubble, which the hall loads itself: only
  // checked here, so that a broken one stops start-up like the others.
  for (const std::string_view nombre : {kTiraFigura, kTiraPuerta, kTiraIconos, kImagenBocadillo}) {
    if (!ImagenEntera(carpeta, nombre)) {
      dialogos_.Aviso(FaltaImagen(nombre));
      e.FalloGrave() = true;
    }
  }
  Traza("imagenes");
  if (e.FalloGrave()) return;

  if (!catalogo_.Leer(e.entorno)) {
    e.FalloGrave() = true;
    return;
  }

  Traza("catalogo");
  ComprobarPantalla();
  Traza("pantalla");

  // This platform has no graphics-layer version to check: the scene's
  // surface is always available, so only the animation switch decides.
  e.SinAnimacion = DecidirSinAnimacion(7, e.ConAnimacion);

  if (const QScreen* pantalla = QGuiApplication::primaryScreen()) {
    e.TamanoLetraDelta = DeltaLetra(pantalla->logicalDotsPerInch());
  }

  e.PausaAyuda = 30000;
  e.DesdeAsistente = false;
  e.PrimeraVisita = true;
}

void Programa::IniciarSonido(const std::filesystem::path& carpeta) {
  if (sonidoIniciado_) return;
  sonidoIniciado_ = true;
  sonido_.Iniciar(carpeta);
  QFile motor(Ruta(carpeta, "motor.wav"));
  if (motor.open(QIODevice::ReadOnly)) sonido_.FijarMotor(motor.read(kBytesMotor));
  Traza("sonido");
}

void Programa::ComprobarPantalla() {
  const ModoPantalla actual = pantalla_.Actual();
  if (!HayQuePreguntarPantalla(actual)) return;
  // Where the display cannot switch modes a Yes could change nothing: do not ask.
  const std::vector<ModoPantalla> modos = pantalla_.Modos();
  if (modos.empty()) return;
  dialogos_.Pitido();
  estado_.ModoPantallaCambiado = false;
  if (!dialogos_.PreguntaSiNo(servicios_.Texto(253) + QStringLiteral(" ") +
                              servicios_.Texto(254))) {
    return;
  }
  const auto destino = ModoDestino(actual, modos);
  if (destino && pantalla_.Cambiar(*destino)) {
    estado_.ModoAnterior = actual;
    estado_.ModoPantallaCambiado = true;
  }
}

void Programa::Progreso(int valor) {
  progresos_.push_back(valor);
  if (bienvenida_) bienvenida_->FijarProgreso(valor);
}

namespace {

// The messages of one section's readers, kept to be shown in order later.
class AvisosGuardados : public Avisador {
 public:
  explicit AvisosGuardados(std::vector<std::string>& destino) : destino_(destino) {}
  void Aviso(const std::string& texto) override { destino_.push_back(texto); }

 private:
  std::vector<std::string>& destino_;
};

}  // namespace

std::future<std::vector<PreparacionSeccion>> Programa::PrepararSecciones() {
  // The thread works on a copy of the program state with its own message
  // sink and FalloGrave, and reads the catalogue start-up has read; the
  // tables it fills are not read by anyone else until its result has been
  // taken. It takes only the processor time the hall's creation leaves: the
  // first paint must not wait for it.
  return std::async(std::launch::async, [this, estado = estado_]() mutable {
    PrioridadDeFondo(19);
    std::vector<PreparacionSeccion> r(kSecciones);
    for (std::size_t i = 0; i < kSecciones; ++i) {
      AvisosGuardados avisos(r[i].avisos);
      estado.entorno.avisador = &avisos;
      estado.entorno.FalloGrave = false;
      Servicios s{estado,    catalogo_, recursos_, *tablas_,  *puntos_,
                  dialogos_, sonido_,   pantalla_, *ventana_, *navegacion_,
                  servicios_.tema,      nullptr,   false};
      navegacion_->Preparar(static_cast<Seccion>(i), s);
      r[i].fallo = estado.entorno.FalloGrave;
    }
    estado.entorno.avisador = nullptr;
    Traza("hilo: secciones");
    return r;
  });
}

bool Programa::Paso(Seccion seccion, const std::vector<PreparacionSeccion>& preparadas) {
  const PreparacionSeccion& p = preparadas[static_cast<std::size_t>(seccion)];
  for (const std::string& aviso : p.avisos) avisador_.Aviso(aviso);
  if (p.fallo) estado_.FalloGrave() = true;
  pasos_.push_back(navegacion_->Nombre(seccion));
  return !estado_.FalloGrave();
}

bool Programa::Arrancar(OpcionesArranque opciones) {
  if (!opciones.lecturas.valid()) {
    opciones.lecturas = Precargar(opciones.carpeta, opciones.posicionales);
  }
  lecturas_ = opciones.lecturas.get();
  if (lecturas_.carpeta != opciones.carpeta || lecturas_.posicionales != opciones.posicionales) {
    lecturas_ = {};
  }
  Traza("lecturas");
  estado_.entorno.instalacion = Instalacion(opciones.carpeta);
  estado_.entorno.avisador = &avisador_;
  InicializarDatosCompartidos();
  Traza("datos compartidos");

  estado_.FalloGrave() = false;
  bienvenida_ = std::make_unique<TBienvenida>(recursos_.CabeceraImpresion, dialogos_);
  Traza("bienvenida: creada");
  bienvenida_->show();
  Traza("bienvenida: show");
  bienvenida_->repaint();
  Traza("bienvenida");

  std::future<ListasEscena> listas;
  Progreso(10);
  PrepararVestibulo(opciones);
  Traza("preparar vestibulo");
  // The sections' data files are read from now on, on a thread of their
  // own, in the language and with the catalogue the hall's creation settled
  // on; what they find is told once the hall has painted.
  if (!estado_.FalloGrave()) secciones_ = PrepararSecciones();
  if (!estado_.FalloGrave() && !estado_.SinAnimacion) {
    // The scene's lists are read on a thread of their own while the hall is
    // created here.
    if (lecturas_.listas.valid() && lecturas_.letraTema == estado_.LetraTema) {
      listas = std::move(lecturas_.listas);
    } else {
      listas = PrecargarEscena(servicios_);
    }
  }
  vestibulo_ = &navegacion_->Pantalla<Tform0>();
  Traza("Tform0");
  pasos_.push_back(vestibulo_->objectName());
  // The hall's creation has failed: nothing else is prepared.
  if (estado_.FalloGrave()) {
    Terminar(false);
    return false;
  }
  if (listas.valid()) {
    ListasEscena leidas = listas.get();
    Traza("listas esperadas");
    QString motivo;
    if (!MontarEscena(*vestibulo_, servicios_, std::move(leidas), motivo)) {
      std::fprintf(stderr, "sendaro: escena: %s\n", qPrintable(motivo));
      dialogos_.Aviso(QStringLiteral("No funcionar\u00e1 la animaci\u00f3n."));
      estado_.SinAnimacion = true;
    }
    Traza("escena montada");
  }

  // The skin styles buttons, lists and bars. The static hall shows a button,
  // so it takes the skin before it shows; the animated hall shows none, and
  // restyling every control of the program would hold its first paint: it
  // takes the skin once start-up is complete.
  if (estado_.SinAnimacion) AplicarPiel();
  ventana_->Mostrar(vestibulo_);
  if (estado_.SinAnimacion) {
    if (const QScreen* pantalla = QGuiApplication::primaryScreen()) {
      ventana_->move(pantalla->availableGeometry().center() - ventana_->rect().center());
    }
  } else {
    ventana_->move(0, 0);
  }

  // The sections' part of start-up runs once the hall has painted, with the
  // splash still up and before any input reaches the hall.
  sinEntrada_ = std::make_unique<SinEntrada>();
  qApp->installEventFilter(sinEntrada_.get());
  const bool salir = qEnvironmentVariableIsSet("SENDARO_SALIR_AL_PINTAR");
  QObject::connect(vestibulo_, &Tform0::PrimerPintado, vestibulo_,
                   [this, salir, carpeta = opciones.carpeta] {
                     Traza("primer pintado");
                     // The start-up benchmark measures up to the first paint:
                     // end there at once, without tearing the screens down.
                     if (salir) {
                       std::fflush(nullptr);
                       std::_Exit(0);
                     }
                     CompletarArranque(carpeta);
                   });
  ventana_->show();
  Traza("show");
  return true;
}

void Programa::CompletarArranque(const std::filesystem::path& carpeta) {
  if (arranque_ != EstadoArranque::kEnCurso) return;
  // From here on nothing reaches the hall but through the messages' own
  // modal windows, which must take the student's answer.
  sinEntrada_.reset();
  // Each section's part of start-up, in its fixed order with its checks:
  // what the readers found is told here, so that a missing file stops the
  // program before the hall can be used. The screens themselves are created
  // when first opened.
  const std::vector<PreparacionSeccion> preparadas = secciones_.get();
  Traza("secciones preparadas");
  const auto paso = [&](Seccion seccion) { return Paso(seccion, preparadas); };
  const bool completo = [&] {
    if (!paso(Seccion::kPasarela)) return false;
    Progreso(20);
    if (!paso(Seccion::kCarreras)) return false;
    Progreso(30);
    if (!paso(Seccion::kItinerarios)) return false;
    Progreso(40);
    if (!paso(Seccion::kAsistente)) return false;
    Progreso(50);
    if (!paso(Seccion::kGradoMedio)) return false;
    Progreso(60);
    Progreso(70);
    if (!paso(Seccion::kProgramasIniciales)) return false;
    Progreso(80);
    if (!paso(Seccion::kCertificados)) return false;
    Progreso(90);
    if (!paso(Seccion::kProfesiones)) return false;
    Progreso(100);
    paso(Seccion::kCatalogo);
    return true;
  }();
  Traza("secciones");
  const bool listo = completo && !estado_.FalloGrave();
  Terminar(listo);
  if (!listo) {
    ventana_->hide();
    QCoreApplication::exit(1);
    return;
  }

  AplicarPiel();
  // The tables are complete and only read from now on: the search index is
  // built from them on a thread of its own.
  busqueda_.Iniciar(*tablas_, estado_.entorno.instalacion);
  Traza("busqueda: iniciada");

  const QString senal = qEnvironmentVariable("SENDARO_LISTO");
  if (!senal.isEmpty()) {
    QFile f(senal);
    f.open(QIODevice::WriteOnly);
  }
  if (qEnvironmentVariableIsSet("SENDARO_SALIR_AL_ARRANCAR")) {
    std::fflush(nullptr);
    std::_Exit(0);
  }
  // The sound layer starts once the hall is on screen: connecting to the
  // audio server must not hold the first paint. Nothing plays before it.
  IniciarSonido(carpeta);
}

void Programa::AplicarPiel() {
  if (piel_.isNull()) return;
  qApp->setStyleSheet(std::exchange(piel_, QString()));
}

void Programa::Terminar(bool listo) {
  arranque_ = listo ? EstadoArranque::kListo : EstadoArranque::kFallido;
  sinEntrada_.reset();
  if (bienvenida_) {
    bienvenida_->close();
    bienvenida_.reset();
  }
}

}  // namespace sendaro
