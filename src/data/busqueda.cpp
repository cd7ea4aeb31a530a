#include "data/busqueda.h"

#include <algorithm>
#include <set>
#include <utility>

#include "data/certificados.h"
#include "data/disposiciones.h"
#include "data/programas_iniciales.h"
#include "data/tablas_datos.h"
#include "data/texto.h"

namespace sendaro {

namespace {

constexpr char kPuntoMedio = '\xB7';

// The folded form of each Windows-1252 byte: a lower-case letter or digit
// without its accent, "ss"/"ae"/"oe" for the ligatures, empty for a byte that
// separates words.
struct TablaPliegue {
  std::array<std::string_view, 256> forma{};

  constexpr TablaPliegue() {
    for (int c = '0'; c <= '9'; ++c) forma[static_cast<std::size_t>(c)] = Letra(c);
    for (int c = 'a'; c <= 'z'; ++c) {
      forma[static_cast<std::size_t>(c)] = Letra(c);
      forma[static_cast<std::size_t>(c - 'a' + 'A')] = Letra(c);
    }
    const std::pair<std::string_view, std::string_view> acentos[] = {
        {"\xC0\xC1\xC2\xC3\xC4\xC5\xE0\xE1\xE2\xE3\xE4\xE5\xAA", "a"},
        {"\xC7\xE7", "c"},
        {"\xC8\xC9\xCA\xCB\xE8\xE9\xEA\xEB", "e"},
        {"\xCC\xCD\xCE\xCF\xEC\xED\xEE\xEF", "i"},
        {"\xD1\xF1", "n"},
        {"\xD2\xD3\xD4\xD5\xD6\xD8\xF2\xF3\xF4\xF5\xF6\xF8\xBA", "o"},
        {"\xD9\xDA\xDB\xDC\xF9\xFA\xFB\xFC", "u"},
        {"\xDD\xFD\xFF\x9F", "y"},
        {"\x8A\x9A", "s"},
        {"\x8E\x9E", "z"},
        {"\xD0\xF0", "d"},
        {"\xDF", "ss"},
        {"\xC6\xE6", "ae"},
        {"\x8C\x9C", "oe"},
    };
    for (const auto& [bytes, forma_] : acentos) {
      for (const char b : bytes) forma[static_cast<unsigned char>(b)] = forma_;
    }
  }

  static constexpr std::string_view Letra(int c) {
    constexpr std::string_view kLetras = "0123456789abcdefghijklmnopqrstuvwxyz";
    const std::size_t i = c <= '9' ? static_cast<std::size_t>(c - '0')
                                   : static_cast<std::size_t>(c - 'a' + 10);
    return kLetras.substr(i, 1);
  }
};

constexpr TablaPliegue kPliegue;

std::string_view Forma(char c) { return kPliegue.forma[static_cast<unsigned char>(c)]; }

bool EsEle(char c) { return c == 'l' || c == 'L'; }

// Calls `palabra(texto, partes)` for each folded word: `partes` holds the
// halves of a word joined by "l·l" (empty otherwise).
template <typename F>
void RecorrerPalabras(std::string_view texto, F&& palabra) {
  std::string actual;
  std::vector<std::string> partes;
  std::string parte;
  const auto cerrar = [&] {
    if (!actual.empty()) {
      if (!partes.empty() && !parte.empty()) partes.push_back(std::move(parte));
      palabra(actual, partes);
    }
    actual.clear();
    partes.clear();
    parte.clear();
  };
  for (std::size_t i = 0; i < texto.size(); ++i) {
    const char c = texto[i];
    if (c == kPuntoMedio && i > 0 && i + 1 < texto.size() && EsEle(texto[i - 1]) &&
        EsEle(texto[i + 1]) && !actual.empty()) {
      partes.push_back(std::move(parte));
      parte.clear();
      continue;
    }
    const std::string_view f = Forma(c);
    if (f.empty()) {
      cerrar();
      continue;
    }
    actual += f;
    parte += f;
  }
  cerrar();
}

std::string Recortado(std::string_view texto) {
  std::size_t inicio = 0;
  while (inicio < texto.size() && texto[inicio] == ' ') ++inicio;
  return RecortarDerecha(texto.substr(inicio));
}

bool EsEncabezado(std::string_view linea) { return !linea.empty() && linea.front() == '-'; }

// Words that begin a centre's name when the town before it is not followed
// by two blanks.
bool NombraCentro(std::string_view palabra) {
  static constexpr std::string_view kClases[] = {
      "IES",     "CIFP",   "CIPFP",       "CPIFP",     "IFP",         "Colegio",
      "Institut", "Instituto", "Centro", "Centre",   "Escola",      "Escuela",
      "Col\xB7legi", "EFA", "Ikastetxea", "Institutua", "Conservatorio", "Fundaci\xF3n"};
  return std::find(std::begin(kClases), std::end(kClases), palabra) != std::end(kClases);
}

// The lines before the first "f1" that begin a title (not indented).
void AnadirArtes(IndiceBusqueda& indice, const std::array<TablaLinea, 4>& artes) {
  for (int campo = 1; campo <= 4; ++campo) {
    const TablaLinea& t = artes[static_cast<std::size_t>(campo - 1)];
    for (int n = 1; n <= t.Cuenta(); ++n) {
      const std::string& linea = t[n];
      if (linea.rfind("f1", 0) == 0) break;
      if (linea.empty() || linea.front() == ' ') continue;
      indice.Anadir({ClaseBusqueda::kArte, n, campo, RecortarDerecha(linea), {}});
    }
  }
}

void AnadirLineas(IndiceBusqueda& indice, ClaseBusqueda clase, const TablaLinea& tabla,
                  int ultima, int columna) {
  for (int n = 1; n <= std::min(ultima, tabla.Cuenta()); ++n) {
    const std::string& linea = tabla[n];
    if (EsEncabezado(linea)) continue;
    std::string texto = Recortado(Columnas(linea, columna, TablaLinea::kLimite90));
    if (!texto.empty()) indice.Anadir({clase, n, 0, std::move(texto), {}});
  }
}

}  // namespace

std::vector<std::string> PalabrasBusqueda(std::string_view texto) {
  std::vector<std::string> palabras;
  RecorrerPalabras(texto, [&](const std::string& palabra, const std::vector<std::string>& partes) {
    palabras.push_back(palabra);
    for (const std::string& p : partes) {
      if (!p.empty()) palabras.push_back(p);
    }
  });
  return palabras;
}

void IndiceBusqueda::Anadir(ElementoBusqueda elemento) {
  const auto n = static_cast<std::uint32_t>(elementos_.size());
  std::vector<std::string> palabras = PalabrasBusqueda(elemento.texto);
  if (!elemento.lugar.empty()) {
    for (std::string& p : PalabrasBusqueda(elemento.lugar)) palabras.push_back(std::move(p));
  }
  std::sort(palabras.begin(), palabras.end());
  palabras.erase(std::unique(palabras.begin(), palabras.end()), palabras.end());
  for (std::string& p : palabras) palabras_.push_back({std::move(p), n});
  elementos_.push_back(std::move(elemento));
}

void IndiceBusqueda::Terminar() {
  std::sort(palabras_.begin(), palabras_.end(), [](const Palabra& a, const Palabra& b) {
    return a.texto != b.texto ? a.texto < b.texto : a.elemento < b.elemento;
  });
}

std::vector<int> IndiceBusqueda::Buscar(std::string_view consulta) const {
  std::vector<std::string> palabras;
  // The query's l·l words count whole; their halves would only widen it.
  RecorrerPalabras(consulta, [&](const std::string& palabra, const std::vector<std::string>&) {
    palabras.push_back(palabra);
  });
  std::sort(palabras.begin(), palabras.end());
  palabras.erase(std::unique(palabras.begin(), palabras.end()), palabras.end());
  std::vector<int> resultado;
  if (palabras.empty()) return resultado;

  // How many query words each element has matched so far: an element counts
  // for word k only when it matched the k words before it.
  std::vector<std::uint8_t> aciertos(elementos_.size(), 0);
  std::uint8_t k = 0;
  for (const std::string& palabra : palabras) {
    auto it = std::lower_bound(
        palabras_.begin(), palabras_.end(), palabra,
        [](const Palabra& p, const std::string& buscada) { return p.texto < buscada; });
    for (; it != palabras_.end() && it->texto.compare(0, palabra.size(), palabra) == 0; ++it) {
      std::uint8_t& a = aciertos[it->elemento];
      if (a == k) a = static_cast<std::uint8_t>(k + 1);
    }
    ++k;
    if (k == 255) break;
  }
  for (std::size_t n = 0; n < aciertos.size(); ++n) {
    if (aciertos[n] == k) resultado.push_back(static_cast<int>(n));
  }
  return resultado;
}

CentroPartido PartirCentro(std::string_view linea) {
  const std::string_view texto = Columnas(linea, 2, 43);
  CentroPartido c;
  const std::size_t doble = texto.find("  ");
  if (doble != std::string_view::npos && doble <= 17) {
    c.localidad = Recortado(texto.substr(0, doble));
    c.nombre = Recortado(texto.substr(doble));
    return c;
  }
  // The town and the name separated by one blank: the name begins at the
  // first word naming a kind of centre, or after the first word.
  std::size_t corte = texto.find(' ');
  for (std::size_t i = texto.find(' '); i != std::string_view::npos; i = texto.find(' ', i + 1)) {
    const std::size_t fin = texto.find(' ', i + 1);
    if (NombraCentro(texto.substr(i + 1, fin == std::string_view::npos ? fin : fin - i - 1))) {
      corte = i;
      break;
    }
  }
  if (corte == std::string_view::npos) {
    c.nombre = Recortado(texto);
    return c;
  }
  c.localidad = Recortado(texto.substr(0, corte));
  c.nombre = Recortado(texto.substr(corte));
  return c;
}

std::array<TablaLinea, 4> LeerArtesBusqueda(const Instalacion& instalacion) {
  std::array<TablaLinea, 4> artes;
  static constexpr const FicheroDatos* kCampos[] = {&ficheros::kArtesplas, &ficheros::kMusica,
                                                    &ficheros::kDanza, &ficheros::kDramatico};
  Entorno entorno;  // no message sink: a missing field is simply not searched
  entorno.instalacion = instalacion;
  for (std::size_t i = 0; i < artes.size(); ++i) {
    artes[i] = TablaLinea(TablaLinea::kLimite90);
    LeerFicheroTabla(entorno, *kCampos[i], artes[i]);
  }
  return artes;
}

IndiceBusqueda ConstruirIndiceBusqueda(const TablasDatos& t,
                                       const std::array<TablaLinea, 4>& artes) {
  IndiceBusqueda indice;
  AnadirLineas(indice, ClaseBusqueda::kCarrera, t.carreras, t.datosCarreras.numCarreras, 1);
  // The new degrees' category digit was taken off their lines when they were read.
  AnadirLineas(indice, ClaseBusqueda::kCarreraNueva, t.carrerasNuevas, t.carrerasNuevas.Cuenta(),
               1);
  AnadirArtes(indice, artes);
  AnadirLineas(indice, ClaseBusqueda::kTituloSuperior, t.titulosFP, t.titulosFP.Cuenta(), 1);
  AnadirLineas(indice, ClaseBusqueda::kTituloMedio, t.titulosGM, t.titulosGM.Cuenta(), 1);

  const TablasProgramas programas{t.programas, t.modulosPrograma, t.lineasInforma, t.comunidades,
                                  {}};
  for (int p = 1; p <= CuentaProgramas(programas); ++p) {
    if (EsEncabezadoPrograma(programas, p)) continue;
    std::string texto = TextoPrograma(programas, p);
    if (!texto.empty()) indice.Anadir({ClaseBusqueda::kPrograma, p, 0, std::move(texto), {}});
  }
  const TablasCertificados certificados{t.certificados, t.textosCertificados};
  for (int c = 1; c <= CuentaCertificados(certificados); ++c) {
    const std::string& linea = LineaCertificado(certificados, c);
    if (linea.size() >= 2 && linea[1] == '-') continue;
    std::string texto = TextoCertificado(certificados, c);
    if (!texto.empty()) indice.Anadir({ClaseBusqueda::kCertificado, c, 0, std::move(texto), {}});
  }
  const auto& profesiones = t.profesiones.profesiones;
  for (std::size_t i = 0; i < profesiones.size(); ++i) {
    std::string texto = Recortado(profesiones[i].nombre);
    if (!texto.empty()) {
      indice.Anadir({ClaseBusqueda::kProfesion, static_cast<int>(i + 1), 0, std::move(texto), {}});
    }
  }
  for (int n = 1; n <= t.universidades.cuenta; ++n) {
    std::string texto = Recortado(t.universidades.nombres[n]);
    if (!texto.empty()) indice.Anadir({ClaseBusqueda::kUniversidad, n, 0, std::move(texto), {}});
  }

  // Centres, then their towns: one town per file, province and name.
  struct Localidad {
    int grupo, linea;
    std::string nombre;
  };
  std::vector<Localidad> localidades;
  std::set<std::string> vistas;
  for (int g = 1; g <= 4; ++g) {
    const TablaCentros& centros = t.centros[static_cast<std::size_t>(g - 1)];
    for (int n = 1; n <= centros.Cuenta(); ++n) {
      const std::string& linea = centros.lineas[n];
      if (EsBlanco(linea) || EsEncabezado(linea)) continue;
      CentroPartido c = PartirCentro(linea);
      if (c.nombre.empty()) continue;
      if (!c.localidad.empty()) {
        std::string clave = std::to_string(g) + linea.front();
        for (const std::string& p : PalabrasBusqueda(c.localidad)) clave += " " + p;
        if (vistas.insert(clave).second) localidades.push_back({g, n, c.localidad});
      }
      indice.Anadir({ClaseBusqueda::kCentro, n, g, std::move(c.nombre), std::move(c.localidad)});
    }
  }
  for (Localidad& l : localidades) {
    indice.Anadir({ClaseBusqueda::kLocalidad, l.linea, l.grupo, std::move(l.nombre), {}});
  }
  indice.Terminar();
  return indice;
}

void IndiceEnFondo::Iniciar(const TablasDatos& tablas, Instalacion instalacion) {
  if (Iniciado()) return;
  hilo_ = std::jthread([this, &tablas, instalacion = std::move(instalacion)] {
    indice_ = ConstruirIndiceBusqueda(tablas, LeerArtesBusqueda(instalacion));
    listo_.store(true, std::memory_order_release);
  });
}

const IndiceBusqueda* IndiceEnFondo::Listo() const {
  return listo_.load(std::memory_order_acquire) ? &indice_ : nullptr;
}

const IndiceBusqueda& IndiceEnFondo::Esperar() {
  if (hilo_.joinable()) hilo_.join();
  return indice_;
}

}  // namespace sendaro
