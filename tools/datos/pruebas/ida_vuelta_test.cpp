// The sample installation there and back: the sources in instalacion/ are
// compiled with the data tool and the result is read with the program's own
// readers; every line, field, block, catalogue text and record list must come
// back as the sources say. The sources are parsed here on their own (comments,
// statements, blocks, UTF-8 to Windows-1252) so that a fault of the compiler
// cannot hide behind the same fault on this side.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "data/carreras/datos_carreras.h"
#include "data/catalogo.h"
#include "data/disposiciones.h"
#include "data/lectores.h"
#include "data/lectores_fijos.h"
#include "data/registros.h"
#include "data/tablas_datos.h"
#include "data/texto.h"
#include "ficheros.h"
#include "herramienta.h"

namespace fs = std::filesystem;

namespace sendaro::datos {
namespace {

const fs::path kFuentes = SENDARO_FUENTES_INSTALACION;

std::string Leer(const fs::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

// UTF-8 to Windows-1252, written apart from the tool's converter: Latin-1
// code points are their own byte, the others come from this list.
std::string ACp1252(std::string_view utf8) {
  static const std::map<char32_t, unsigned char> kAltos = {
      {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85},
      {0x2020, 0x86}, {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A},
      {0x2039, 0x8B}, {0x0152, 0x8C}, {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92},
      {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97},
      {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C},
      {0x017E, 0x9E}, {0x0178, 0x9F}};
  std::string r;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    const std::size_t largo = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    char32_t c = largo == 1 ? b : largo == 2 ? (b & 0x1Fu) : largo == 3 ? (b & 0x0Fu) : (b & 0x07u);
    for (std::size_t k = 1; k < largo && i + k < utf8.size(); ++k) {
      c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
    }
    i += largo;
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      r.push_back(static_cast<char>(c));
    } else if (const auto it = kAltos.find(c); it != kAltos.end()) {
      r.push_back(static_cast<char>(it->second));
    } else {
      ADD_FAILURE() << "character U+" << std::hex << static_cast<unsigned>(c)
                    << " has no Windows-1252 byte: " << utf8;
    }
  }
  return r;
}

std::string SinBlancosAlFinal(std::string s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\r')) s.pop_back();
  return s;
}

std::vector<std::string> Palabras(std::string_view s, std::string_view separadores = " ,") {
  std::vector<std::string> r;
  std::string actual;
  for (const char c : s) {
    if (separadores.find(c) != std::string_view::npos) {
      if (!actual.empty()) r.push_back(actual);
      actual.clear();
    } else {
      actual.push_back(c);
    }
  }
  if (!actual.empty()) r.push_back(actual);
  return r;
}

// One data line of a source, in Windows-1252, with the statements under it.
struct Dato {
  std::string texto;
  std::map<std::string, std::string> notas;
};

// A data source as its maintainers write it (instalacion/README.md).
struct Fuente {
  bool existe = false;
  std::vector<Dato> lineas;
  std::map<std::string, int> claves;  // "#> clave:" -> line number
};

// "#|" lines are comments; "#> key: value" speaks of the data line above;
// in block files (`bloque` lines a block) "#= title" opens a block whose
// first line is the title and which is padded with empty lines.
Fuente LeerFuente(const fs::path& ruta, int bloque = 0) {
  Fuente f;
  if (!fs::exists(ruta)) return f;
  f.existe = true;
  const std::string todo = Leer(ruta);
  std::size_t en_bloque = 0;
  const auto cerrar = [&] {
    for (; bloque > 0 && en_bloque > 0 && en_bloque < static_cast<std::size_t>(bloque);
         ++en_bloque) {
      f.lineas.push_back({});
    }
  };
  std::size_t pos = 0;
  while (pos < todo.size()) {
    std::size_t fin = todo.find('\n', pos);
    if (fin == std::string::npos) fin = todo.size();
    std::string linea = todo.substr(pos, fin - pos);
    pos = fin + 1;
    if (!linea.empty() && linea.back() == '\r') linea.pop_back();
    if (linea.rfind("\xEF\xBB\xBF", 0) == 0) linea.erase(0, 3);
    if (linea.rfind("#|", 0) == 0) continue;
    if (linea.rfind("#>", 0) == 0) {
      const std::size_t dos = linea.find(':');
      std::string clave = linea.substr(2, dos - 2);
      clave.erase(0, clave.find_first_not_of(' '));
      clave = SinBlancosAlFinal(clave);
      std::string valor = linea.substr(dos + 1);
      valor.erase(0, valor.find_first_not_of(' '));
      valor = SinBlancosAlFinal(valor);
      if (f.lineas.empty()) {
        ADD_FAILURE() << ruta << ": statement before any data line";
        continue;
      }
      f.lineas.back().notas[clave] = valor;
      if (clave == "clave") f.claves[valor] = static_cast<int>(f.lineas.size());
      continue;
    }
    if (bloque > 0 && linea.rfind("#=", 0) == 0) {
      cerrar();
      std::string titulo = SinBlancosAlFinal(linea.substr(2));
      if (!titulo.empty() && titulo[0] == ' ') titulo.erase(0, 1);
      f.lineas.push_back({ACp1252(titulo), {}});
      en_bloque = 1;
      continue;
    }
    if (bloque > 0 && en_bloque == 0) continue;  // blank lines before the first block
    f.lineas.push_back({ACp1252(SinBlancosAlFinal(linea)), {}});
    if (bloque > 0) ++en_bloque;
  }
  cerrar();
  return f;
}

// The catalogue source: "N text" lines, '#' comments, blank lines ignored.
std::map<int, std::string> LeerCatalogo(const fs::path& ruta) {
  std::map<int, std::string> r;
  const std::string todo = Leer(ruta);
  std::size_t pos = 0;
  while (pos < todo.size()) {
    std::size_t fin = todo.find('\n', pos);
    if (fin == std::string::npos) fin = todo.size();
    std::string linea = SinBlancosAlFinal(todo.substr(pos, fin - pos));
    pos = fin + 1;
    const std::size_t i = linea.find_first_not_of(' ');
    if (i == std::string::npos || linea[i] == '#') continue;
    std::size_t j = i;
    while (j < linea.size() && linea[j] >= '0' && linea[j] <= '9') ++j;
    r[std::stoi(linea.substr(i, j - i))] = ACp1252(j < linea.size() ? linea.substr(j + 1) : "");
  }
  return r;
}

class Avisos : public Avisador {
 public:
  void Aviso(const std::string& texto) override { avisos.push_back(texto); }
  std::vector<std::string> avisos;
};

// Where a data file's source lives: the language's own translation when
// there is one, else the Spanish source (the copy the compiler makes).
fs::path RutaFuente(std::string_view nombre, std::string_view subcarpeta) {
  const fs::path traducida =
      kFuentes / "datos" / std::string(subcarpeta) / (std::string(nombre) + ".txt");
  if (!subcarpeta.empty() && fs::exists(traducida)) return traducida;
  return kFuentes / "datos" / (std::string(nombre) + ".txt");
}

// The sample compiled once (without pictures) and read back through the
// program's loaders, in Spanish and in each language subfolder.
class IdaVuelta : public ::testing::Test {
 protected:
  struct Leido {
    std::string subcarpeta;
    std::unique_ptr<TablasDatos> tablas = std::make_unique<TablasDatos>();
    CatalogoTextos catalogo;
    Avisos avisos;
    bool todo = false;
  };

  static void SetUpTestSuite() {
    carpeta_ = fs::temp_directory_path() / ("sendaro-ida-vuelta-" + std::to_string(::getpid()));
    fs::remove_all(carpeta_);
    std::vector<std::string> avisos;
    const auto problemas = Compilar({kFuentes, carpeta_, {}}, avisos);
    for (const auto& p : problemas) ADD_FAILURE() << p.Texto();
    for (const auto& idioma : kIdiomas) {
      auto l = std::make_unique<Leido>();
      l->subcarpeta = idioma.subcarpeta;
      Entorno entorno;
      entorno.instalacion = Instalacion(carpeta_);
      entorno.instalacion.FijarIdioma(l->subcarpeta);
      entorno.avisador = &l->avisos;
      TablasDatos& t = *l->tablas;
      l->todo = CargarTablasGrados(entorno, t) && CargarTablasItinerarios(entorno, t) &&
                CargarTablasIniciales(entorno, t) && CargarTablasCertificados(entorno, t) &&
                CargarTablasCatalogo(entorno, t) && l->catalogo.Leer(entorno) &&
                !entorno.FalloGrave;
      leidos_.push_back(std::move(l));
    }
    // The record files and the tables read with them, apart: loading them
    // puts catalogue texts in slot 0 of some line tables.
    Entorno entorno;
    entorno.instalacion = Instalacion(carpeta_);
    entorno.avisador = &leidos_.front()->avisos;
    fijos_ = std::make_unique<TablasDatos>();
    fijos_leidos_ =
        CargarDatosFijos(entorno, leidos_.front()->catalogo, *fijos_) && !entorno.FalloGrave;
  }
  static void TearDownTestSuite() {
    leidos_.clear();
    fijos_.reset();
    fs::remove_all(carpeta_);
  }

  static Entorno EntornoDe(const Leido& l) {
    Entorno e;
    e.instalacion = Instalacion(carpeta_);
    e.instalacion.FijarIdioma(l.subcarpeta);
    return e;
  }

  static fs::path carpeta_;
  static std::vector<std::unique_ptr<Leido>> leidos_;
  static std::unique_ptr<TablasDatos> fijos_;
  static bool fijos_leidos_;
};
fs::path IdaVuelta::carpeta_;
std::vector<std::unique_ptr<IdaVuelta::Leido>> IdaVuelta::leidos_;
std::unique_ptr<TablasDatos> IdaVuelta::fijos_;
bool IdaVuelta::fijos_leidos_ = false;

TEST_F(IdaVuelta, LosLectoresDelProgramaLeenTodaLaInstalacion) {
  for (const auto& l : leidos_) {
    EXPECT_TRUE(l->todo) << "language folder '" << l->subcarpeta << "'";
    EXPECT_TRUE(l->avisos.avisos.empty()) << l->subcarpeta << ": " << l->avisos.avisos.front();
  }
  EXPECT_TRUE(fijos_leidos_);
}

// Every text file, byte for byte: each source data line re-encoded, CR LF
// after each, nothing more. Block files with their separators and padding.
TEST_F(IdaVuelta, CadaFicheroDeTextoEsSuFuenteLineaALinea) {
  int ficheros = 0;
  for (const auto& idioma : kIdiomas) {
    const std::string sub = idioma.subcarpeta;
    for (const auto& f : FicherosTexto()) {
      if (!sub.empty() && !f.idioma) continue;
      const Fuente fuente = LeerFuente(RutaFuente(f.nombre, sub), f.bloque);
      ASSERT_TRUE(fuente.existe) << f.nombre;
      std::string esperado;
      for (const auto& d : fuente.lineas) esperado += d.texto + "\r\n";
      const fs::path ruta = carpeta_ / sub / std::string(f.nombre);
      const std::string bytes = Leer(ruta);
      const auto lineas = DividirLineas(bytes);
      ASSERT_EQ(lineas.size(), fuente.lineas.size()) << ruta;
      for (std::size_t i = 0; i < lineas.size(); ++i) {
        ASSERT_EQ(lineas[i], fuente.lineas[i].texto) << ruta << ":" << i + 1;
      }
      EXPECT_EQ(bytes, esperado) << ruta;
      ++ficheros;
    }
  }
  EXPECT_GE(ficheros, 4 * 40);
}

// A line table and the source it comes from.
struct CasoTabla {
  const FicheroDatos* fichero;
  TablaLinea TablasDatos::*tabla;  // nullptr: read on demand (the arts files)
};

TEST_F(IdaVuelta, LasTablasDeLineasDevuelvenCadaLineaConSuAnchura) {
  namespace f = ficheros;
  const CasoTabla casos[] = {
      {&f::kCarreran, &TablasDatos::carrerasNuevas},
      {&f::kCarrera, &TablasDatos::carreras},
      {&f::kOtros, &TablasDatos::otros},
      {&f::kRequisit, &TablasDatos::requisitos},
      {&f::kSalidas, &TablasDatos::salidas},
      {&f::kCualidad, &TablasDatos::cualidades},
      {&f::kInteres, &TablasDatos::intereses},
      {&f::kGrupos, &TablasDatos::grupos},
      {&f::kFP, &TablasDatos::titulosFP},
      {&f::kCarreFP, &TablasDatos::carrerasFP},
      {&f::kReqFP, &TablasDatos::requisitosFP},
      {&f::kComunida, &TablasDatos::comunidades},
      {&f::kMaterias, &TablasDatos::materias},
      {&f::kCarreras, &TablasDatos::carrerasItinerario},
      {&f::kInforma, &TablasDatos::lineasInforma},
      {&f::kFPS, &TablasDatos::titulosFPS},
      {&f::kTitulos, &TablasDatos::titulos},
      {&f::kCuestion, &TablasDatos::cuestionario},
      {&f::kCuesgm, &TablasDatos::cuestionarioGM},
      {&f::kItinerar, &TablasDatos::itinerarios},
      {&f::kFP2, &TablasDatos::titulosGM},
      {&f::kCertifica, &TablasDatos::certificados},
      {&f::kCertificaH, &TablasDatos::textosCertificados},
      {&f::kFpip, &TablasDatos::programas},
      {&f::kIPmodulos, &TablasDatos::modulosPrograma},
      {&f::kFamilias, &TablasDatos::familias},
      {&f::kArtesplas, nullptr},
      {&f::kMusica, nullptr},
      {&f::kDanza, nullptr},
      {&f::kDramatico, nullptr},
  };
  // Every line-table file of the program is in the table above.
  for (const auto& d : f::kTodos) {
    const bool de_tabla = d.lector == Lector::kTabla || d.lector == Lector::kTablaFamilias ||
                          d.lector == Lector::kTablaLarga || d.lector == Lector::kTabla90 ||
                          d.lector == Lector::kTablaSimple;
    bool esta = false;
    for (const auto& c : casos) esta = esta || c.fichero->nombre == d.nombre;
    EXPECT_EQ(esta, de_tabla) << d.nombre;
  }
  for (const auto& l : leidos_) {
    for (const auto& c : casos) {
      if (!l->subcarpeta.empty() && !c.fichero->idioma) continue;
      const std::string nombre = NombreFichero(EntornoDe(*l).instalacion, *c.fichero);
      TablaLinea propia;
      const TablaLinea* tabla = &propia;
      if (c.tabla != nullptr) {
        tabla = &((*l->tablas).*c.tabla);
      } else {
        Entorno e = EntornoDe(*l);
        LeerFicheroTabla(e, *c.fichero, propia);
      }
      const Fuente fuente = LeerFuente(RutaFuente(c.fichero->nombre, l->subcarpeta));
      ASSERT_EQ(tabla->Cuenta(), static_cast<int>(fuente.lineas.size())) << nombre;
      EXPECT_EQ(tabla->Linea(0), nombre);
      const bool bruta =
          c.fichero->lector == Lector::kTabla90 || c.fichero->lector == Lector::kTablaSimple;
      for (int n = 1; n <= tabla->Cuenta(); ++n) {
        const std::string& linea = fuente.lineas[static_cast<std::size_t>(n - 1)].texto;
        const std::string esperada(
            Cortar(bruta ? linea : AplicarAncho(linea, c.fichero->ancho), tabla->Limite()));
        ASSERT_EQ(tabla->Linea(n), esperada) << nombre << ":" << n;
      }
    }
  }
}

TEST_F(IdaVuelta, LasFamiliasDeFPyFP2ConSuNumeroDeLinea) {
  struct Caso {
    const FicheroDatos* fichero;
    TablaLinea TablasDatos::*familias;
    NumerosLinea TablasDatos::*lineas;
  };
  const Caso casos[] = {{&ficheros::kFP, &TablasDatos::familiasFP, &TablasDatos::lineasFamiliasFP},
                        {&ficheros::kFP2, &TablasDatos::familiasGM, &TablasDatos::inicioFamiliaGM}};
  for (const auto& l : leidos_) {
    for (const auto& c : casos) {
      const Fuente fuente = LeerFuente(RutaFuente(c.fichero->nombre, l->subcarpeta));
      const TablaLinea& familias = (*l->tablas).*c.familias;
      const NumerosLinea& lineas = (*l->tablas).*c.lineas;
      int k = 0;
      for (std::size_t i = 0; i < fuente.lineas.size(); ++i) {
        const std::string& texto = fuente.lineas[i].texto;
        if (texto.empty() || texto[0] != '-') continue;
        ++k;
        EXPECT_EQ(familias.Linea(k), AplicarAncho(texto.substr(1), c.fichero->ancho))
            << c.fichero->nombre << " family " << k;
        EXPECT_EQ(lineas[static_cast<std::size_t>(k)], static_cast<int>(i) + 1)
            << c.fichero->nombre << " family " << k;
      }
      EXPECT_GT(k, 10) << c.fichero->nombre;
      EXPECT_EQ(familias.Cuenta(), k) << c.fichero->nombre;
    }
  }
}

TEST_F(IdaVuelta, LosBloquesDevuelvenCadaLineaEnSuBloque) {
  struct Caso {
    const DisposicionBloques* disposicion;
    TablaBloques TablasDatos::*tabla;
  };
  const Caso casos[] = {{&bloques::kAsignacar, &TablasDatos::bloquesCarreras},
                        {&bloques::kAsignacarn, &TablasDatos::bloquesCarrerasNuevas},
                        {&bloques::kAsignafp, &TablasDatos::bloquesFP},
                        {&bloques::kAsignaot, &TablasDatos::bloquesOtros},
                        {&bloques::kAsignagm, &TablasDatos::bloquesGM}};
  static_assert(std::size(casos) == bloques::kTodos.size());
  for (const auto& l : leidos_) {
    for (const auto& c : casos) {
      const DisposicionBloques& d = *c.disposicion;
      const Fuente fuente = LeerFuente(RutaFuente(d.fichero, l->subcarpeta), d.lineasPorBloque);
      const TablaBloques& tabla = (*l->tablas).*c.tabla;
      const auto tamano = static_cast<std::size_t>(d.lineasPorBloque);
      ASSERT_EQ(fuente.lineas.size() % tamano, 0u) << d.fichero;
      const int bloques = static_cast<int>(fuente.lineas.size() / tamano);
      ASSERT_EQ(tabla.Cuenta(), bloques) << l->subcarpeta << " " << d.fichero;
      for (int b = 1; b <= bloques; ++b) {
        for (int k = 1; k <= d.lineasGuardadas; ++k) {
          const std::string& linea =
              fuente.lineas[static_cast<std::size_t>(b - 1) * tamano + static_cast<std::size_t>(k)]
                  .texto;
          ASSERT_EQ(tabla.Linea(b, k), Cortar(AplicarAncho(linea, d.ancho), d.caracteres))
              << d.fichero << " block " << b << " line " << k;
        }
      }
    }
  }
}

// The fixed-column files read by their own readers give back each field of
// the source line.
TEST_F(IdaVuelta, LosFicherosDeColumnasFijasDevuelvenSusCampos) {
  const TablasDatos& t = *leidos_.front()->tablas;
  const auto campo = [](const std::string& linea, const CampoFijo& c, int k = 0) {
    return std::string(Columnas(linea, c.ColumnaDe(k), c.ancho));
  };
  {
    const Fuente f = LeerFuente(kFuentes / "datos/LUGAR.txt");
    ASSERT_EQ(t.universidades.cuenta, static_cast<int>(f.lineas.size()));
    for (int n = 1; n <= t.universidades.cuenta; ++n) {
      const std::string& l = f.lineas[static_cast<std::size_t>(n - 1)].texto;
      const auto i = static_cast<std::size_t>(n);
      EXPECT_EQ(t.universidades.comunidades[i], std::stoi(l.substr(0, 2))) << "LUGAR:" << n;
      EXPECT_EQ(t.universidades.nombres.Linea(n), campo(l, columnas::kUniversidadNombre))
          << "LUGAR:" << n;
      EXPECT_EQ(t.universidades.direcciones[i], SinBlancosAlFinal(l.substr(37))) << "LUGAR:" << n;
    }
  }
  {
    const Fuente f = LeerFuente(kFuentes / "datos/COMUINT.txt");
    ASSERT_EQ(t.direccionesComunidades.cuenta, static_cast<int>(f.lineas.size()));
    for (int n = 1; n <= t.direccionesComunidades.cuenta; ++n) {
      EXPECT_EQ(t.direccionesComunidades.direcciones[static_cast<std::size_t>(n)],
                SinBlancosAlFinal(f.lineas[static_cast<std::size_t>(n - 1)].texto.substr(14)))
          << "COMUINT:" << n;
    }
  }
  for (int g = 1; g <= 4; ++g) {
    const std::string lu = "LU" + std::to_string(g);
    const Fuente f = LeerFuente(kFuentes / "datos" / (lu + ".txt"));
    const TablaCentros& c = t.centros[static_cast<std::size_t>(g - 1)];
    ASSERT_EQ(c.Cuenta(), static_cast<int>(f.lineas.size())) << lu;
    for (int n = 1; n <= c.Cuenta(); ++n) {
      const std::string& l = f.lineas[static_cast<std::size_t>(n - 1)].texto;
      const auto i = static_cast<std::size_t>(n);
      EXPECT_EQ(c.lineas.Linea(n), l.substr(0, 55)) << lu << ":" << n;
      std::vector<int> programas;
      for (std::size_t col = 55;
           col + 2 <= l.size() && l.compare(col, 2, "  ") != 0 && programas.size() < 10; col += 2) {
        programas.push_back(std::stoi(l.substr(col, 2)));
      }
      ASSERT_EQ(c.numCodigos[i], static_cast<int>(programas.size())) << lu << ":" << n;
      for (std::size_t k = 0; k < programas.size(); ++k)
        EXPECT_EQ(c.codigos[i][k], programas[k]) << lu << ":" << n;
    }
  }
  {
    const Fuente f = LeerFuente(kFuentes / "datos/dobles.txt");
    int u = 0;
    std::vector<int> detalles(1, 0);  // per university, from 1
    for (const auto& d : f.lineas) {
      const std::string& l = d.texto;
      if (l[0] != ' ' || l[1] != ' ') {
        ++u;
        detalles.push_back(0);
        const UniversidadDobles& ud = t.dobles.universidades[static_cast<std::size_t>(u)];
        EXPECT_EQ(ud.codigo, std::stoi(l.substr(0, 2))) << "dobles university " << u;
        EXPECT_EQ(ud.nombre, campo(l, columnas::kDobleNombre)) << "dobles university " << u;
        continue;
      }
      ASSERT_GT(u, 0);
      const auto k = static_cast<std::size_t>(detalles.back()++);
      const DetalleDoble& dd = t.dobles.universidades[static_cast<std::size_t>(u)].detalles[k];
      EXPECT_EQ(dd.tipo, std::stoi(l.substr(3, 1))) << "dobles university " << u;
      EXPECT_EQ(dd.numero1, std::stoi(l.substr(4, 3))) << "dobles university " << u;
      EXPECT_EQ(dd.numero2, std::stoi(l.substr(7, 3))) << "dobles university " << u;
    }
    EXPECT_EQ(t.dobles.cuenta, u);
    for (int k = 1; k <= u; ++k) {
      EXPECT_EQ(t.dobles.universidades[static_cast<std::size_t>(k)].numDetalles,
                detalles[static_cast<std::size_t>(k)])
          << "dobles university " << k;
    }
    EXPECT_GT(u, 5);
  }
  {
    const Fuente f = LeerFuente(kFuentes / "datos/comarcas.txt");
    ASSERT_EQ(t.comarcas.cuenta, static_cast<int>(f.lineas.size()));
    for (int n = 1; n <= t.comarcas.cuenta; ++n) {
      const std::string& l = f.lineas[static_cast<std::size_t>(n - 1)].texto;
      const int entrada = n <= 41 ? std::stoi(l.substr(2, 2)) : n;
      if (n <= 41) {
        EXPECT_EQ(t.comarcas.numeros[static_cast<std::size_t>(n)], entrada) << "comarcas:" << n;
      }
      const int ancho = n <= 41 ? 20 : 30;
      EXPECT_EQ(t.comarcas.codigos[static_cast<std::size_t>(entrada)], l.substr(0, 2))
          << "comarcas:" << n;
      EXPECT_EQ(t.comarcas.nombres[static_cast<std::size_t>(entrada)],
                std::string(Columnas(l, n <= 41 ? 5 : 3, ancho)))
          << "comarcas:" << n;
    }
  }
  {
    const Fuente f = LeerFuente(kFuentes / "datos/comarcasm.txt");
    ASSERT_EQ(t.zonas.cuenta, static_cast<int>(f.lineas.size()));
    for (int n = 1; n <= t.zonas.cuenta; ++n) {
      const std::string& l = f.lineas[static_cast<std::size_t>(n - 1)].texto;
      const auto i = static_cast<std::size_t>(n);
      EXPECT_EQ(t.zonas.codigos[i], l.substr(0, 2)) << "comarcasm:" << n;
      EXPECT_EQ(t.zonas.zonas[i], std::stoi(l.substr(2, 2))) << "comarcasm:" << n;
      EXPECT_EQ(t.zonas.nombres[i], std::string(Columnas(l, 5, 25))) << "comarcasm:" << n;
    }
  }
}

TEST_F(IdaVuelta, ElCatalogoDevuelveCadaTextoEnSuLinea) {
  for (const auto& l : leidos_) {
    std::string fuente;
    for (const auto& idioma : kIdiomas) {
      if (l->subcarpeta == idioma.subcarpeta) fuente = idioma.fuente;
    }
    const fs::path ruta = kFuentes / "textos" / fuente;
    ASSERT_TRUE(fs::exists(ruta)) << ruta;
    const auto textos = LeerCatalogo(ruta);
    EXPECT_GE(textos.size(), 600u) << ruta;
    for (int n = 1; n <= CatalogoTextos::kUltimaLinea; ++n) {
      const auto it = textos.find(n);
      const std::string esperado = it == textos.end() ? std::string() : it->second;
      ASSERT_EQ(l->catalogo.Texto(n), Cortar(esperado, CatalogoTextos::LongitudHueco(n)))
          << fuente << " line " << n;
    }
  }
}

// References of the statements, resolved here as instalacion/README.md
// tells: a line number, a key of the file, or a university's web address.
class Referencias {
 public:
  const Fuente& De(const std::string& fichero) {
    auto it = fuentes_.find(fichero);
    if (it == fuentes_.end()) {
      it = fuentes_.emplace(fichero, LeerFuente(kFuentes / "datos" / (fichero + ".txt"))).first;
    }
    return it->second;
  }
  int Linea(const std::string& fichero, const std::string& ref) {
    if (ref.find_first_not_of("0123456789") == std::string::npos) return std::stoi(ref);
    const Fuente& f = De(fichero);
    if (const auto it = f.claves.find(ref); it != f.claves.end()) return it->second;
    if (fichero == "LUGAR") {
      for (std::size_t i = 0; i < f.lineas.size(); ++i) {
        if (SinBlancosAlFinal(f.lineas[i].texto.substr(37)) == ref) return static_cast<int>(i) + 1;
      }
    }
    ADD_FAILURE() << "\"" << ref << "\" names no line of " << fichero;
    return 0;
  }
  std::vector<int> Lista(const std::string& fichero, const Dato& d, const std::string& nota) {
    std::vector<int> r;
    const auto it = d.notas.find(nota);
    if (it == d.notas.end()) return r;
    for (const auto& p : Palabras(it->second)) r.push_back(Linea(fichero, p));
    return r;
  }
  // "web mark; web mark": the universities and their cut-offs in tenths (10: none known).
  std::vector<UniversidadNota> Universidades(const Dato& d) {
    std::vector<UniversidadNota> r;
    const auto it = d.notas.find("universidades");
    if (it == d.notas.end()) return r;
    for (const auto& parte : Palabras(it->second, ";")) {
      const auto p = Palabras(parte, " ");
      EXPECT_EQ(p.size(), 2u) << parte;
      const std::string& nota = p.back();
      const int decimas = nota == "-" ? 10
                                      : std::stoi(nota.substr(0, nota.find(','))) * 10 +
                                            std::stoi(nota.substr(nota.find(',') + 1));
      r.push_back({Linea("LUGAR", p.front()), decimas});
    }
    return r;
  }

 private:
  std::map<std::string, Fuente> fuentes_;
};

const Dato& DatoDe(const Fuente& f, int n) {
  static const Dato kVacio;
  return n >= 1 && n <= static_cast<int>(f.lineas.size())
             ? f.lineas[static_cast<std::size_t>(n - 1)]
             : kVacio;
}

TEST_F(IdaVuelta, LasCarrerasDevuelvenSusUniversidadesNotasYEnlaces) {
  const DatosCarreras& d = fijos_->datosCarreras;
  Referencias r;
  const Fuente& carreras = r.De("CARRERA");
  const int n = static_cast<int>(carreras.lineas.size()) - 4;
  int con_universidades = 0;
  for (int c = 1; c <= DatosCarreras::kMaxCarreras; ++c) {
    const Dato& dato = DatoDe(carreras, c <= n ? c : 0);
    const auto universidades = r.Universidades(dato);
    con_universidades += universidades.empty() ? 0 : 1;
    EXPECT_EQ(d.Universidades(c), universidades) << "CARRERA:" << c;
    EXPECT_EQ(d.Requisitos(c), r.Lista("REQUISIT", dato, "requisitos")) << "CARRERA:" << c;
    EXPECT_EQ(d.Salidas(c), r.Lista("SALIDAS", dato, "salidas")) << "CARRERA:" << c;
    EXPECT_EQ(d.Grupos(c), r.Lista("GRUPOS", dato, "grupos")) << "CARRERA:" << c;
    std::vector<int> relacionadas;
    if (const auto it = dato.notas.find("relacionadas"); it != dato.notas.end()) {
      for (const auto& p : Palabras(it->second)) {
        relacionadas.push_back(p == "todas-las-IT" ? n + 3 : r.Linea("CARRERA", p));
      }
    }
    EXPECT_EQ(d.Relacionadas(c), relacionadas) << "CARRERA:" << c;
  }
  EXPECT_GT(con_universidades, 100);

  const Fuente& nuevas = r.De("carreran");
  int notas_altas = 0;
  for (int c = 1; c <= DatosCarreras::kMaxCarreras; ++c) {
    const Dato& dato = DatoDe(nuevas, c);
    const auto universidades = r.Universidades(dato);
    for (const auto& u : universidades) notas_altas += u.nota > 100 ? 1 : 0;
    EXPECT_EQ(d.UniversidadesNueva(c), universidades) << "carreran:" << c;
    EXPECT_EQ(d.RequisitosNueva(c), r.Lista("REQUISIT", dato, "requisitos")) << "carreran:" << c;
    EXPECT_EQ(d.SalidasNueva(c), r.Lista("SALIDAS", dato, "salidas")) << "carreran:" << c;
  }
  EXPECT_GT(notas_altas, 0) << "the new degrees' marks above 10 come back";
}

TEST_F(IdaVuelta, LosGruposYLosCiclosDevuelvenSusListas) {
  const DatosCarreras& d = fijos_->datosCarreras;
  Referencias r;
  const Fuente& grupos = r.De("GRUPOS");
  for (int g = 1; g <= registros::kDatgru.filas; ++g) {
    const Dato& dato = DatoDe(grupos, g);
    EXPECT_EQ(d.CualidadesGrupo(g), r.Lista("CUALIDAD", dato, "cualidades")) << "GRUPOS:" << g;
    EXPECT_EQ(d.InteresesGrupo(g), r.Lista("INTERES", dato, "intereses")) << "GRUPOS:" << g;
  }
  const Fuente& fp = r.De("FP");
  int con_grupos = 0;
  for (int t = 1; t <= DatosCarreras::kMaxTitulos; ++t) {
    const Dato& dato = DatoDe(fp, t);
    const auto lista_grupos = r.Lista("GRUPOS", dato, "grupos");
    con_grupos += lista_grupos.empty() ? 0 : 1;
    EXPECT_EQ(d.RequisitosTitulo(t), r.Lista("REQFP", dato, "requisitos")) << "FP:" << t;
    EXPECT_EQ(d.CarrerasTitulo(t), r.Lista("carreFP", dato, "carreras")) << "FP:" << t;
    EXPECT_EQ(d.GruposTitulo(t), lista_grupos) << "FP:" << t;
  }
  EXPECT_GT(con_grupos, 100);
}

// "LUk n: t t": centre n of LUk teaches titles t; each title's centres in
// the order the lines give them.
TEST_F(IdaVuelta, LosCentrosDeCadaCicloEnSuOrden) {
  const TablasDatos& t = *leidos_.front()->tablas;
  Referencias r;
  struct Caso {
    const char* fuente;
    const char* titulos;
    std::function<std::vector<int>(int, int)> leidos;
  };
  const Caso casos[] = {
      {"datFPL", "FP", [&](int g, int ti) { return fijos_->datosCarreras.Centros(g, ti); }},
      {"datFPL2", "FP2",
       [&](int g, int ti) {
         std::vector<int> v;
         for (int i = 1; i <= t.lugaresGM.NumCentros(g, ti); ++i)
           v.push_back(t.lugaresGM.Centro(g, ti, i));
         return v;
       }},
  };
  for (const auto& c : casos) {
    std::map<std::pair<int, int>, std::vector<int>> esperado;
    int enlaces = 0;
    for (const auto& d : r.De(c.fuente).lineas) {
      if (d.texto.empty()) continue;
      const std::size_t dos = d.texto.find(':');
      const auto cabeza = Palabras(d.texto.substr(0, dos), " ");
      ASSERT_EQ(cabeza.size(), 2u) << d.texto;
      const int g = cabeza[0][2] - '0';
      const int centro = r.Linea(cabeza[0], cabeza[1]);
      for (const auto& ti : Palabras(d.texto.substr(dos + 1))) {
        esperado[{g, r.Linea(c.titulos, ti)}].push_back(centro);
        ++enlaces;
      }
    }
    EXPECT_GT(enlaces, 500) << c.fuente;
    for (int g = 1; g <= 4; ++g) {
      for (int ti = 1; ti <= 170; ++ti) {
        const auto it = esperado.find({g, ti});
        EXPECT_EQ(c.leidos(g, ti), it == esperado.end() ? std::vector<int>() : it->second)
            << c.fuente << " LU" << g << " title " << ti;
      }
    }
  }
}

// "preguntas K: q q" and "titulos K: t t" add to entry K of the first and
// second record of "datitine", in the order written.
TEST_F(IdaVuelta, LasAreasDelCuestionarioDevuelvenPreguntasYTitulos) {
  Entorno e = EntornoDe(*leidos_.front());
  RegistrosFilas areas(registros::kDatitine);
  ASSERT_TRUE(LeerRegistrosFilas(e, areas));
  Referencias r;
  std::map<std::pair<int, int>, std::vector<int>> esperado;
  for (const auto& d : r.De("datitine").lineas) {
    if (d.texto.empty()) continue;
    const std::size_t dos = d.texto.find(':');
    const auto cabeza = Palabras(d.texto.substr(0, dos), " ");
    ASSERT_EQ(cabeza.size(), 2u) << d.texto;
    const bool preguntas = cabeza[0] == "preguntas";
    ASSERT_TRUE(preguntas || cabeza[0] == "titulos") << d.texto;
    auto& lista = esperado[{preguntas ? 1 : 2, std::stoi(cabeza[1])}];
    for (const auto& p : Palabras(d.texto.substr(dos + 1))) {
      lista.push_back(r.Linea(preguntas ? "CUESTION" : "TITULOS", p));
    }
  }
  EXPECT_GE(esperado.size(), 30u);
  for (int reg = 1; reg <= 2; ++reg) {
    for (int a = 1; a <= registros::kDatitine.filas; ++a) {
      const auto it = esperado.find({reg, a});
      EXPECT_EQ(areas.Lista(reg, a, 0, registros::kMaxLista),
                it == esperado.end() ? std::vector<int>() : it->second)
          << "datitine record " << reg << " area " << a;
    }
  }
}

}  // namespace
}  // namespace sendaro::datos
