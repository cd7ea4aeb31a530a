#include "data/programas_iniciales.h"

#include <algorithm>

#include "data/impresion/lineas_enteras.h"
#include "data/provincias.h"
#include "data/texto.h"

namespace sendaro {

namespace {

constexpr int kTextoModulos = 501;
constexpr int kTextoRequisitos = 29;
constexpr int kTextoDescripcion = 312;
constexpr int kTextoEstudia = 67;
constexpr int kTextoSalidas = 199;
constexpr int kTextoCentros = 323;
constexpr int kTextoPCPI = 229;
constexpr int kTextoConsulta = 289;
constexpr int kLineasPorPrograma = 10;
constexpr int kComunidades = 19;
constexpr int kAnchoCentro = 44;
constexpr char kVineta = '\x95';
constexpr std::string_view kRequisitos = "38";
constexpr std::string_view kEstudia = "39";

char Columna(std::string_view linea, int columna) {
  const auto i = static_cast<std::size_t>(columna - 1);
  return i < linea.size() ? linea[i] : ' ';
}

std::string Trozo(std::string_view linea, int columna, int ancho) {
  return RecortarDerecha(Columnas(linea, columna, ancho));
}

std::string Texto(const CatalogoTextos& catalogo, int n) {
  return RecortarDerecha(catalogo.Texto(n));
}

std::vector<std::string> LineasBloque(const TablasProgramas& t, int p, int desde) {
  std::vector<std::string> lineas;
  const bool valido = p >= 1 && p <= CuentaProgramas(t);
  for (int k = 0; k < kModulosPorPrograma; ++k) {
    const int n = kLineasPorPrograma * (p - 1) + desde + k;
    lineas.push_back(valido && n <= t.modulos.Cuenta() ? RecortarDerecha(t.modulos[n]) : "");
  }
  return lineas;
}

const TablaCentros* Grupo(const TablasProgramas& t, char grupo) {
  if (grupo < '1' || grupo > '4') return nullptr;
  return t.centros[static_cast<std::size_t>(grupo - '1')];
}

// The programme numbers of centre line n that name a programme of the list.
std::vector<int> ProgramasDeCentro(const TablasProgramas& t, const TablaCentros& centros, int n) {
  std::vector<int> programas;
  const auto i = static_cast<std::size_t>(n);
  const int cuenta = std::clamp(centros.numCodigos[i], 0, TablaCentros::kMaxCodigos);
  for (int k = 0; k < cuenta; ++k) {
    const int p = centros.codigos[i][static_cast<std::size_t>(k)];
    if (p >= 1 && p <= CuentaProgramas(t)) programas.push_back(p);
  }
  return programas;
}

FilaCentroIP FilaDeCentro(const TablaCentros& centros, int n, std::string_view prefijo) {
  return {std::string(prefijo) + Trozo(centros.lineas[n], 2, 44), Trozo(centros.lineas[n], 46, 9)};
}

}  // namespace

int CuentaProgramas(const TablasProgramas& t) {
  return std::max(0, t.programas.Cuenta() - kAreasPrograma);
}

const std::string& LineaPrograma(const TablasProgramas& t, int p) {
  static const std::string vacia;
  if (p < 1 || p > CuentaProgramas(t)) return vacia;
  return t.programas[kAreasPrograma + p];
}

std::string TextoPrograma(const TablasProgramas& t, int p) {
  return Trozo(LineaPrograma(t, p), 2, 60);
}

bool EsEncabezadoPrograma(const TablasProgramas& t, int p) {
  return Columna(LineaPrograma(t, p), 2) == '-';
}

std::vector<std::string> AreasPrograma(const TablasProgramas& t) {
  std::vector<std::string> areas;
  for (int a = 1; a <= kAreasPrograma; ++a) areas.push_back(Trozo(t.programas[a], 5, 60));
  return areas;
}

bool AreaBuscaCentros(const TablasProgramas& t, int a) {
  return a >= 1 && a <= kAreasPrograma && Columna(t.programas[a], 1) == '0';
}

FilasConLineas ProgramasDeArea(const TablasProgramas& t, int a) {
  FilasConLineas lista;
  if (a < 1 || a > kAreasPrograma) return lista;
  for (int k = 1; k <= 4; ++k) {
    const char familia = Columna(t.programas[a], k);
    if (familia == ' ') continue;
    for (int p = 1; p <= CuentaProgramas(t); ++p) {
      if (Columna(LineaPrograma(t, p), 1) != familia) continue;
      const std::string texto = TextoPrograma(t, p);
      if (EsEncabezadoPrograma(t, p)) {
        lista.filas.push_back(texto.substr(1));
      } else {
        lista.filas.push_back(std::string{kVineta, ' '} + texto);
      }
      lista.lineas.push_back(p);
    }
  }
  return lista;
}

std::vector<std::string> ModulosPrograma(const TablasProgramas& t, int p) {
  return LineasBloque(t, p, 1);
}

std::vector<std::string> TrabajosPrograma(const TablasProgramas& t, int p) {
  return LineasBloque(t, p, 1 + kModulosPorPrograma);
}

std::vector<std::string> LineasConCodigo(const TablaLinea& informa, std::string_view codigo) {
  std::vector<std::string> lineas;
  for (int n = 1; n <= informa.Cuenta(); ++n) {
    if (Columnas(informa[n], 1, 2) == codigo) lineas.push_back(Trozo(informa[n], 3, 58));
  }
  return lineas;
}

std::vector<std::string> DescripcionPrograma(const TablasProgramas& t,
                                             const CatalogoTextos& catalogo, int p) {
  if (p < 1 || p > CuentaProgramas(t) || EsEncabezadoPrograma(t, p)) return {};
  std::vector<std::string> filas{"    " + Texto(catalogo, kTextoModulos)};
  for (std::string& m : ModulosPrograma(t, p)) filas.push_back(std::move(m));
  return filas;
}

DetallePrograma VistaDePrograma(const TablasProgramas& t, const CatalogoTextos& catalogo,
                                VistaPrograma vista, int p) {
  DetallePrograma d;
  auto anadir = [&d](std::vector<std::string> lineas) {
    for (std::string& l : lineas) d.filas.push_back(std::move(l));
  };
  switch (vista) {
    case VistaPrograma::kRequisitos:
      d.titulo = Texto(catalogo, kTextoRequisitos);
      anadir(LineasConCodigo(t.informa, kRequisitos));
      break;
    case VistaPrograma::kAsignaturas:
      d.titulo = Texto(catalogo, kTextoDescripcion);
      d.filas.push_back(Texto(catalogo, kTextoEstudia));
      anadir(LineasConCodigo(t.informa, kEstudia));
      break;
    case VistaPrograma::kTrabajos:
      d.titulo = Texto(catalogo, kTextoDescripcion);
      d.filas.push_back(Texto(catalogo, kTextoEstudia));
      anadir(ModulosPrograma(t, p));
      d.filas.push_back(Texto(catalogo, kTextoSalidas));
      anadir(TrabajosPrograma(t, p));
      break;
  }
  return d;
}

ProvinciasComunidad Provincias(const TablaLinea& comunidades, int comunidad) {
  ProvinciasComunidad p;
  if (comunidad < 1 || comunidad > kComunidades) return p;
  p.base = NumeroDecimal(Columnas(comunidades[comunidad], 1, 2)).value_or(0);
  for (int n = kComunidades + 1; n <= comunidades.Cuenta(); ++n) {
    if (NumeroDecimal(Columnas(comunidades[n], 1, 2)) != comunidad) continue;
    p.nombres.push_back(Trozo(comunidades[n], 3, 35));
    p.vistas.push_back(Trozo(comunidades[n], 3, 51));
  }
  if (p.nombres.empty()) {
    p.nombres.push_back(Trozo(comunidades[comunidad], 3, 35));
    p.vistas.push_back(Trozo(comunidades[comunidad], 3, 51));
  }
  return p;
}

std::string_view CodigoProvincia(int k) {
  if (k == 35) k = 34;
  if (k < 1 || k > static_cast<int>(TablaProvincias.size())) return {};
  return TablaProvincias[static_cast<std::size_t>(k - 1)];
}

std::vector<FilaCentroIP> CentrosDePrograma(const TablasProgramas& t, int p, int comunidad) {
  std::vector<FilaCentroIP> filas;
  const ProvinciasComunidad provincias = Provincias(t.comunidades, comunidad);
  const int cuenta = static_cast<int>(provincias.nombres.size());
  if (p < 1 || p > CuentaProgramas(t) || provincias.base < 1) return filas;
  const TablaCentros* centros = Grupo(t, Columna(CodigoProvincia(provincias.base), 1));
  if (centros == nullptr) return filas;
  for (int j = 1; j <= cuenta; ++j) {
    const char provincia = Columna(CodigoProvincia(provincias.base + j - 1), 2);
    const std::size_t antes = filas.size();
    if (cuenta > 1) {
      filas.push_back(
          {"- " + provincias.nombres[static_cast<std::size_t>(j - 1)] + std::string(7, ' '), ""});
    }
    const std::size_t cabecera = filas.size();
    for (int n = 1; n <= centros->Cuenta() && provincia != ' '; ++n) {
      if (Columna(centros->lineas[n], 1) != provincia) continue;
      for (const int q : ProgramasDeCentro(t, *centros, n)) {
        if (q == p) filas.push_back(FilaDeCentro(*centros, n, ""));
      }
    }
    if (filas.size() == cabecera) {
      filas.resize(antes);
    } else {
      filas.push_back({"", ""});
    }
  }
  return filas;
}

CentrosProvincia CentrosDeProvincia(const TablasProgramas& t, std::string_view codigo) {
  CentrosProvincia c;
  const TablaCentros* centros = Grupo(t, Columna(codigo, 1));
  const char provincia = Columna(codigo, 2);
  if (centros == nullptr || provincia == ' ') return c;
  c.grupo = Columna(codigo, 1) - '0';
  static constexpr std::string_view kClaveLarga[] = {"1J", "2G", "3G", "3E", "41", "45", "4A"};
  const bool larga =
      std::find(std::begin(kClaveLarga), std::end(kClaveLarga), codigo) != std::end(kClaveLarga);
  std::string anterior;
  for (int n = 1; n <= centros->Cuenta(); ++n) {
    if (Columna(centros->lineas[n], 1) != provincia) continue;
    if (ProgramasDeCentro(t, *centros, n).empty()) continue;
    std::string clave(Columnas(centros->lineas[n], 2, larga ? 35 : 17));
    if (c.centros.empty() || clave != anterior) c.localidades.push_back(RecortarDerecha(clave));
    anterior = std::move(clave);
    c.centros.push_back(n);
    c.localidadDe.push_back(static_cast<int>(c.localidades.size()));
  }
  return c;
}

ListadoLugarIP ListadoDeProvincia(const TablasProgramas& t, const CentrosProvincia& provincia,
                                  int localidad) {
  ListadoLugarIP listado;
  const TablaCentros* centros = provincia.grupo >= 1 && provincia.grupo <= 4
                                    ? t.centros[static_cast<std::size_t>(provincia.grupo - 1)]
                                    : nullptr;
  if (centros == nullptr) return listado;
  bool encontrada = false;
  for (std::size_t i = 0; i < provincia.centros.size(); ++i) {
    const int n = provincia.centros[i];
    if (!encontrada && provincia.localidadDe[i] == localidad) {
      listado.primeraFila = static_cast<int>(listado.filas.size());
      encontrada = true;
    }
    listado.filas.push_back(FilaDeCentro(*centros, n, "-"));
    for (const int p : ProgramasDeCentro(t, *centros, n)) {
      listado.filas.push_back({TextoPrograma(t, p), ""});
    }
    listado.filas.push_back({"", ""});
  }
  return listado;
}

std::string ColumnaCentro(std::string_view texto) {
  return std::string(Cortar(texto, kAnchoCentro));
}

InformeImpresion InformePrograma(const TablasProgramas& t, const CatalogoTextos& catalogo, int p,
                                 std::string_view comunidadMayusculas,
                                 const std::vector<FilaCentroIP>& filas) {
  InformeImpresion informe;
  informe.titulo = TextoPrograma(t, p) + " (" + Texto(catalogo, kTextoPCPI) + ")";
  auto cabecera = [&](int n, bool negrita) {
    informe.Anadir("** " + Texto(catalogo, n) + " **", negrita);
  };
  auto anadir = [&](const std::vector<std::string>& lineas) {
    for (const std::string& l : lineas) informe.Anadir(l);
  };
  cabecera(kTextoRequisitos, true);
  anadir(LineasConCodigo(t.informa, kRequisitos));
  informe.Anadir("");
  cabecera(kTextoDescripcion, true);
  anadir(LineasConCodigo(t.informa, kEstudia));
  informe.Anadir("");
  cabecera(kTextoDescripcion, false);
  anadir(ModulosPrograma(t, p));
  cabecera(kTextoSalidas, true);
  anadir(TrabajosPrograma(t, p));
  informe.Anadir("");
  informe.Anadir(Texto(catalogo, kTextoCentros), true);
  informe.Anadir("***  " + std::string(comunidadMayusculas) + "  ***", true);
  for (const FilaCentroIP& f : filas) {
    for (const std::string& l : LineasConCampo(f.texto, f.telefono, 0, 2)) informe.Anadir(l);
  }
  return informe;
}

InformeImpresion InformeLugar(const CatalogoTextos& catalogo, std::string_view lugar,
                              const std::vector<FilaCentroIP>& filas) {
  InformeImpresion informe;
  informe.titulo = Texto(catalogo, kTextoConsulta) + ": " + RecortarDerecha(lugar) + " - " +
                   Texto(catalogo, kTextoPCPI);
  // A centre with its phone from column 45, a programme its whole name.
  for (const FilaCentroIP& f : filas) {
    for (const std::string& l : LineasConCampo(f.texto, f.telefono, kAnchoCentro + 1))
      informe.Anadir(l);
  }
  return informe;
}

}  // namespace sendaro
