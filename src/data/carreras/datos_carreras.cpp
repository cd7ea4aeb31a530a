#include "data/carreras/datos_carreras.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "data/lectores.h"
#include "data/lectores_fijos.h"
#include "data/tablas_datos.h"
#include "data/texto.h"

namespace sendaro {
namespace {

std::size_t Tam(int n) { return static_cast<std::size_t>(n); }

// Size of one complete set of records, and where the last one starts (or
// nothing when there is no complete set).
std::optional<std::size_t> InicioUltimoJuego(std::size_t bytes, std::size_t juego) {
  if (juego == 0 || bytes < juego) return std::nullopt;
  return (bytes / juego - 1) * juego;
}

bool LeerEntero(Entorno& entorno, const DisposicionRegistros& d,
                const std::function<bool(std::string_view)>& analizar) {
  const std::string_view nombre = d.fichero;
  const auto bytes = AbrirFicheroDatos(entorno, nombre);
  if (!bytes) return false;
  const auto juego = Tam(d.BytesTotales());
  const auto inicio = InicioUltimoJuego(bytes->size(), juego);
  const bool usable =
      inicio && !DefectoRegistros(d, std::string_view(*bytes).substr(*inicio, juego));
  if (!usable || !analizar(*bytes)) {
    // A file shorter than one set of records, or whose last set cannot be
    // right (junk of the right size), is as good as missing.
    entorno.Avisar(MensajeFaltanFicheros(nombre));
    entorno.FalloGrave = true;
    return false;
  }
  return true;
}

// Runs a reader and tells whether its file was read, whatever it returns.
template <typename Lectura>
bool Leido(Entorno& entorno, Lectura lectura) {
  const bool antes = entorno.FalloGrave;
  entorno.FalloGrave = false;
  lectura();
  const bool leido = !entorno.FalloGrave;
  entorno.FalloGrave = antes || entorno.FalloGrave;
  return leido;
}

bool Contiene(std::string_view linea, std::string_view pieza) {
  return linea.find(pieza) != std::string_view::npos;
}

std::vector<UniversidadNota> ConNotas(const RegistrosFilas& r, int d) {
  const auto universidades = r.Lista(registros::kRegistroUniversidades, d, 0, registros::kMaxLista);
  std::vector<UniversidadNota> lista;
  for (std::size_t i = 0; i < universidades.size(); ++i) {
    // The mark at the same position of record 3.
    lista.push_back(
        {universidades[i], r.Byte(registros::kRegistroNotas, d, static_cast<int>(i) + 1)});
  }
  return lista;
}

}  // namespace

RegistrosFilas::RegistrosFilas(const DisposicionRegistros& disposicion)
    : disposicion_(disposicion), bytes_(Tam(disposicion.BytesTotales()), 0) {}

int RegistrosFilas::Byte(int registro, int fila, int k) const {
  const auto& d = disposicion_;
  if (registro < 1 || registro > d.registros || fila < 1 || fila > d.filas || k < 0 ||
      k >= d.enterosPorFila) {
    return 0;
  }
  return bytes_[Tam((registro - 1) * d.BytesPorRegistro() + (fila - 1) * d.enterosPorFila + k)];
}

std::vector<int> RegistrosFilas::Lista(int registro, int fila, int inicio, int maximo) const {
  const int cabe = std::min(maximo, disposicion_.enterosPorFila - 1 - inicio);
  const int n = std::min(Byte(registro, fila, inicio), cabe);
  std::vector<int> lista;
  for (int i = 1; i <= n; ++i) lista.push_back(Byte(registro, fila, inicio + i));
  return lista;
}

bool RegistrosFilas::Analizar(std::string_view bytes) {
  const auto inicio = InicioUltimoJuego(bytes.size(), bytes_.size());
  if (!inicio) return false;
  std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(*inicio), bytes_.size(), bytes_.begin());
  return true;
}

RegistroTitulosFP::RegistroTitulosFP() : bytes_(Tam(registros::kDatFPR.BytesTotales()), 0) {}

std::vector<int> RegistroTitulosFP::Lista(const registros::TramoRegistro& tramo, int titulo) const {
  if (titulo < 1 || titulo > registros::kDatFPR.filas) return {};
  const auto base = Tam(tramo.inicio + tramo.bytesPorTitulo * (titulo - 1));
  const int n = std::min<int>(bytes_[base], std::min(tramo.maximo, tramo.bytesPorTitulo - 1));
  std::vector<int> lista;
  for (int i = 1; i <= n; ++i) lista.push_back(bytes_[base + Tam(i)]);
  return lista;
}

bool RegistroTitulosFP::Analizar(std::string_view bytes) {
  const auto inicio = InicioUltimoJuego(bytes.size(), bytes_.size());
  if (!inicio) return false;
  std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(*inicio), bytes_.size(), bytes_.begin());
  return true;
}

bool AnalizarCentrosFP(std::string_view bytes, TablaLugaresGM& tabla) {
  const auto& d = registros::kDatFPL;
  const auto inicio = InicioUltimoJuego(bytes.size(), Tam(d.BytesTotales()));
  if (!inicio) return false;
  std::size_t p = *inicio;
  for (int g = 1; g <= d.registros; ++g) {
    for (int t = 1; t <= d.filas; ++t) {
      for (int k = 0; k < d.enterosPorFila; ++k, p += 2) {
        const auto bajo = static_cast<unsigned char>(bytes[p]);
        const auto alto = static_cast<unsigned char>(bytes[p + 1]);
        tabla.Fijar(g, t, k, static_cast<std::uint16_t>(bajo | (alto << 8)));
      }
    }
  }
  return true;
}

bool LeerRegistrosFilas(Entorno& entorno, RegistrosFilas& tabla) {
  return LeerEntero(entorno, tabla.Disposicion(),
                    [&tabla](std::string_view b) { return tabla.Analizar(b); });
}

bool LeerRegistroTitulosFP(Entorno& entorno, RegistroTitulosFP& tabla) {
  return LeerEntero(entorno, registros::kDatFPR,
                    [&tabla](std::string_view b) { return tabla.Analizar(b); });
}

bool LeerCentrosFP(Entorno& entorno, TablaLugaresGM& tabla) {
  return LeerEntero(entorno, registros::kDatFPL,
                    [&tabla](std::string_view b) { return AnalizarCentrosFP(b, tabla); });
}

int TipoCarrera(std::string_view l) {
  if (Contiene(l, "(D")) return 1;
  if (Contiene(l, "(L")) return 2;
  if (Contiene(l, "(2")) return 3;
  if (Contiene(l, "Inge") || Contiene(l, "Engi") || Contiene(l, "Enxe")) return 2;
  if (Contiene(l, "I T") || Contiene(l, "E.T") || Contiene(l, "E T")) return 1;
  if (Contiene(l, "Arquitectura  ") || Contiene(l, "Arquitecte") || Contiene(l, "Arkitektoa  ")) {
    return 2;
  }
  if (Contiene(l, "Arquitectura T") || Contiene(l, "Arkitekto T")) return 1;
  return 0;
}

std::string EscribirNota(int nota) {
  if (nota == registros::kSinNota) return "  - ";
  // Right-aligned in three characters, then the comma before the last one.
  const std::string cifras = std::to_string(nota);
  const std::string alineadas =
      cifras.size() < 3 ? std::string(3 - cifras.size(), ' ') + cifras : cifras;
  return alineadas.substr(0, alineadas.size() - 1) + "," + alineadas.substr(alineadas.size() - 1);
}

std::vector<UniversidadNota> DatosCarreras::Universidades(int d) const {
  return ConNotas(carreras, d);
}
std::vector<int> DatosCarreras::Requisitos(int d) const {
  return carreras.Lista(registros::kRegistroRequisitos, d, 0, registros::kMaxLista);
}
std::vector<int> DatosCarreras::Salidas(int d) const {
  return carreras.Lista(registros::kRegistroSalidas, d, 0, registros::kMaxLista);
}
std::vector<int> DatosCarreras::Grupos(int d) const {
  return carreras.Lista(registros::kRegistroGruposYRelacionadas, d, 0,
                        registros::kMaxGruposCarrera);
}
std::vector<int> DatosCarreras::Relacionadas(int d) const {
  return carreras.Lista(registros::kRegistroGruposYRelacionadas, d, registros::kInicioRelacionadas,
                        registros::kMaxLista);
}
int DatosCarreras::Dificultad(int d) const {
  return d >= 1 && d <= TablaLinea::kCapacidad ? dificultades[Tam(d)] : 0;
}
int DatosCarreras::Tipo(int d) const {
  return d >= 1 && d <= TablaLinea::kCapacidad ? tipos[Tam(d)] : 0;
}

std::vector<UniversidadNota> DatosCarreras::UniversidadesNueva(int d) const {
  return ConNotas(nuevas, d);
}
std::vector<int> DatosCarreras::RequisitosNueva(int d) const {
  return nuevas.Lista(registros::kRegistroRequisitos, d, 0, registros::kMaxLista);
}
std::vector<int> DatosCarreras::SalidasNueva(int d) const {
  return nuevas.Lista(registros::kRegistroSalidas, d, 0, registros::kMaxLista);
}
int DatosCarreras::Categoria(int d) const {
  return d >= 1 && d <= TablaLinea::kCapacidad ? categorias[Tam(d)] : 0;
}

std::vector<int> DatosCarreras::CualidadesGrupo(int g) const {
  return grupos.Lista(1, g, 0, registros::kMaxLista);
}
std::vector<int> DatosCarreras::InteresesGrupo(int g) const {
  return grupos.Lista(2, g, 0, registros::kMaxLista);
}

std::vector<int> DatosCarreras::Centros(int grupo, int t) const {
  std::vector<int> lista;
  for (int i = 1; i <= centrosFP.NumCentros(grupo, t); ++i)
    lista.push_back(centrosFP.Centro(grupo, t, i));
  return lista;
}
std::vector<int> DatosCarreras::RequisitosTitulo(int t) const {
  return titulosFP.Lista(registros::kFPRRequisitos, t);
}
std::vector<int> DatosCarreras::CarrerasTitulo(int t) const {
  return titulosFP.Lista(registros::kFPRCarreras, t);
}
std::vector<int> DatosCarreras::GruposTitulo(int t) const {
  return titulosFP.Lista(registros::kFPRGrupos, t);
}

void AjustarTablasCarreras(const CatalogoTextos& catalogo, TablasDatos& t) {
  DatosCarreras& d = t.datosCarreras;
  d.numCarreras = std::max(0, t.carreras.Cuenta() - 4);
  t.carreras.Fijar(0, catalogo.Texto(48));
  t.requisitos.Fijar(0, catalogo.Texto(277));
  t.salidas.Fijar(0, catalogo.Texto(278));
  t.cualidades.Fijar(0, catalogo.Texto(279));
  t.intereses.Fijar(0, catalogo.Texto(280));
  t.grupos.Fijar(0, catalogo.Texto(281));
  t.titulosFP.Fijar(0, catalogo.Texto(294));
  t.carrerasFP.Fijar(0, catalogo.Texto(48));
  t.requisitosFP.Fijar(0, catalogo.Texto(277));

  // A new degree's line starts with its category digit, which leaves the line.
  d.categorias.fill(0);
  for (int k = 1; k <= t.carrerasNuevas.Cuenta(); ++k) {
    const std::string linea = t.carrerasNuevas.Linea(k);
    if (!linea.empty() && linea[0] >= '0' && linea[0] <= '9') {
      d.categorias[Tam(k)] = linea[0] - '0';
      t.carrerasNuevas.Fijar(k, std::string_view(linea).substr(1));
    }
  }

  d.dificultades.fill(0);
  d.tipos.fill(0);
  for (int k = 1; k <= d.numCarreras; ++k) {
    d.dificultades[Tam(k)] = t.bloquesCarreras.Dificultad(k);
    d.tipos[Tam(k)] = TipoCarrera(t.carreras.Linea(k));
  }

  d.primerasFamilias = t.familiasFP.Cuenta();
  for (int f = 1; f <= t.familiasFP.Cuenta(); ++f) {
    if (t.familiasFP.Linea(f).rfind('|', 0) == 0) {
      d.primerasFamilias = f - 1;
      break;
    }
  }
}

bool CargarTablasCarreras(Entorno& entorno, const CatalogoTextos& catalogo, TablasDatos& t) {
  namespace f = ficheros;
  auto tabla = [&](const FicheroDatos& fichero, TablaLinea& destino) {
    return Leido(entorno, [&] { LeerFicheroTabla(entorno, fichero, destino); });
  };
  auto bloques = [&](const FicheroDatos& fichero, TablaBloques& destino) {
    return Leido(entorno, [&] {
      LeerBloques(entorno, NombreFichero(entorno.instalacion, fichero), destino);
    });
  };
  bool todo = true;
  todo &= tabla(f::kCarreran, t.carrerasNuevas);
  todo &= tabla(f::kCarrera, t.carreras);
  const bool nuevas_del_idioma = bloques(f::kAsignacarn, t.bloquesCarrerasNuevas);
  todo &= nuevas_del_idioma;
  todo &= tabla(f::kOtros, t.otros);
  todo &= tabla(f::kRequisit, t.requisitos);
  todo &= tabla(f::kSalidas, t.salidas);
  todo &= tabla(f::kCualidad, t.cualidades);
  todo &= tabla(f::kInteres, t.intereses);
  todo &= tabla(f::kGrupos, t.grupos);
  if (tabla(f::kFP, t.titulosFP)) {
    todo &= Leido(entorno, [&] {
      LeerFamilias(entorno, NombreFichero(entorno.instalacion, f::kFP), t.familiasFP, f::kFP.ancho,
                   t.lineasFamiliasFP);
    });
  } else {
    todo = false;
  }
  todo &= tabla(f::kCarreFP, t.carrerasFP);
  todo &= tabla(f::kReqFP, t.requisitosFP);
  todo &= bloques(f::kAsignacar, t.bloquesCarreras);
  todo &= bloques(f::kAsignafp, t.bloquesFP);
  todo &= bloques(f::kAsignaot, t.bloquesOtros);
  // The new-degree descriptions a second time, from the program folder; a
  // language that has its own keeps them (the program folder's are Spanish).
  if (!entorno.instalacion.HayIdioma() || !nuevas_del_idioma) {
    todo &= Leido(entorno,
                  [&] { LeerBloques(entorno, f::kAsignacarn.nombre, t.bloquesCarrerasNuevas); });
  }
  AjustarTablasCarreras(catalogo, t);
  return todo;
}

bool CargarDatosFijos(Entorno& entorno, const CatalogoTextos& catalogo, TablasDatos& t) {
  namespace f = ficheros;
  DatosCarreras& d = t.datosCarreras;
  bool todo = true;
  todo &= Leido(entorno, [&] { LeerFicheroTabla(entorno, f::kComunida, t.comunidades); });
  t.comunidades.Fijar(0, catalogo.Texto(275));
  todo &= Leido(entorno, [&] { LeerUniversidades(entorno, f::kLugar.nombre, t.universidades); });
  todo &= Leido(entorno,
                [&] { LeerDirecciones(entorno, f::kComuint.nombre, t.direccionesComunidades); });
  const FicheroDatos* centros[] = {&f::kLU1, &f::kLU2, &f::kLU3, &f::kLU4};
  for (std::size_t g = 0; g < t.centros.size(); ++g) {
    todo &= Leido(entorno, [&] { LeerCentros(entorno, centros[g]->nombre, t.centros[g]); });
    t.centros[g].lineas.Fijar(0, catalogo.Texto(276));
  }
  // Barcelona's and Madrid's capitals join their provinces; the comarca and
  // zone codes of the detail maps come out of the centre lines.
  PrepararRegionesCentros(t.centros[3], 'A', '5', '\0');
  PrepararRegionesCentros(t.centros[1], 'H', '8', 'D');
  todo &= Leido(entorno, [&] { LeerRegistrosFilas(entorno, d.grupos); });
  todo &= Leido(entorno, [&] { LeerRegistrosFilas(entorno, d.nuevas); });
  todo &= Leido(entorno, [&] { LeerRegistrosFilas(entorno, d.carreras); });
  todo &= Leido(entorno, [&] { LeerCentrosFP(entorno, d.centrosFP); });
  todo &= Leido(entorno, [&] { LeerRegistroTitulosFP(entorno, d.titulosFP); });
  todo &= Leido(entorno, [&] { LeerDobles(entorno, f::kDobles.nombre, t.dobles); });
  todo &= Leido(
      entorno, [&] { LeerComarcas(entorno, f::kComarcas.nombre, t.comarcas, f::kComarcas.ancho); });
  todo &= Leido(entorno,
                [&] { LeerZonas(entorno, f::kComarcasm.nombre, t.zonas, f::kComarcasm.ancho); });
  return todo;
}

}  // namespace sendaro
