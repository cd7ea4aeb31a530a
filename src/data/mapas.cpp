#include "data/mapas.h"

#include "data/texto.h"

namespace sendaro {

namespace {

constexpr int kFilaPanel = 110;
constexpr int kAnchoPanel = 115;
constexpr int kAnchoPanelZonas = 250;
constexpr int kPrimeraSubarea = 42;
constexpr int kFilaSeparadora = 4;
constexpr int kComarcaBarcelona = 37;
constexpr int kCeuta = 18;
constexpr int kMelilla = 19;
constexpr int kAyudaComunidad = 15;

std::size_t Indice(int i) { return static_cast<std::size_t>(i); }

int Inicio(Mapa mapa) {
  switch (mapa) {
    case Mapa::kComunidades:
      return TablaPuntos::kInicioComunidades;
    case Mapa::kComarcas:
      return TablaPuntos::kInicioComarcas;
    case Mapa::kZonas:
      break;
  }
  return TablaPuntos::kInicioZonas;
}

std::string NombreRegion(Mapa mapa, int codigo, const NombresMapas& nombres) {
  switch (mapa) {
    case Mapa::kComunidades:
      return nombres.comunidades ? NombreComunidad(*nombres.comunidades, codigo) : std::string();
    case Mapa::kComarcas:
      return nombres.comarcas ? NombreComarca(*nombres.comarcas, codigo) : std::string();
    case Mapa::kZonas:
      break;
  }
  return nombres.zonas ? NombreZona(*nombres.zonas, codigo) : std::string();
}

EtiquetaMapa Etiqueta(Mapa mapa, int region, int x, int y, const NombresMapas& nombres) {
  EtiquetaMapa e;
  e.izquierda = x;
  e.arriba = y + kFilaPanel;
  e.ancho = mapa == Mapa::kZonas ? 0 : kAnchoPanel;
  if (!EsRegion(mapa, region)) return e;
  e.texto = NombreRegion(mapa, region, nombres);
  e.mano = true;
  if (mapa == Mapa::kZonas) e.ancho = kAnchoPanelZonas;
  return e;
}

// Ceuta and Melilla are looked up as Andalusia.
int SinCiudades(int comunidad) { return comunidad == kCeuta || comunidad == kMelilla ? 1 : comunidad; }

}  // namespace

TablaPuntos::TablaPuntos() {
  matrices_[0].assign(Indice(kColumnas * kFilasComunidades), 0);
  matrices_[1].assign(Indice(kColumnas * kFilasDetalle), 0);
  matrices_[2].assign(Indice(kColumnas * kFilasDetalle), 0);
}

TablaPuntos::TablaPuntos(const DatosPuntos& datos) : TablaPuntos() {
  for (const Mapa mapa : {Mapa::kComunidades, Mapa::kComarcas, Mapa::kZonas}) {
    auto& m = matrices_[Indice(static_cast<int>(mapa))];
    const int filas = Filas(mapa);
    for (int x = 1; x <= kColumnas; ++x)
      for (int y = 1; y <= filas; ++y) m[Indice((x - 1) * filas + y - 1)] = datos.Valor(x, Inicio(mapa) + y - 1);
  }
}

int TablaPuntos::Valor(Mapa mapa, int x, int y) const {
  const int filas = Filas(mapa);
  if (x < 1 || x > kColumnas || y < 1 || y > filas) return 0;
  return matrices_[Indice(static_cast<int>(mapa))][Indice((x - 1) * filas + y - 1)];
}

int MaximoRegion(Mapa mapa) {
  switch (mapa) {
    case Mapa::kComunidades:
      return 19;
    case Mapa::kComarcas:
      return 41;
    case Mapa::kZonas:
      break;
  }
  return 28;
}

bool EsRegion(Mapa mapa, int codigo) { return codigo >= 1 && codigo <= MaximoRegion(mapa); }

int RegionEn(const TablaPuntos& tabla, Mapa mapa, int x, int y) { return tabla.Valor(mapa, x, y); }

const std::array<RectanguloRegion, 19> kRectangulosComunidades = {{
    {69, 218, 131, 236},   {153, 139, 164, 170}, {71, 122, 99, 132},   {204, 177, 233, 202},
    {167, 233, 236, 258},  {106, 125, 120, 136}, {106, 185, 144, 202}, {80, 137, 110, 164},
    {179, 134, 202, 165},  {63, 180, 86, 208},   {41, 120, 67, 149},   {125, 142, 142, 155},
    {106, 168, 122, 180},  {139, 209, 157, 226}, {143, 130, 149, 151}, {158, 180, 174, 212},
    {126, 126, 134, 140},  {78, 251, 91, 260},   {130, 251, 144, 262},
}};

int RegionEnRectangulos(int x, int y) {
  for (std::size_t i = 0; i < kRectangulosComunidades.size(); ++i) {
    const auto& r = kRectangulosComunidades[i];
    if (r.izquierda <= x && x < r.derecha && r.arriba - 1 <= y && y < r.abajo) return static_cast<int>(i) + 1;
  }
  return 0;
}

std::string NombreComunidad(const TablaLinea& comunidades, int codigo) {
  if (codigo < 1 || codigo > comunidades.Cuenta()) return {};
  return RecortarDerecha(Columnas(comunidades.Linea(codigo), 3, 60));
}

std::string NombreComarca(const TablaComarcas& comarcas, int entrada) {
  if (entrada < 1 || entrada > TablaComarcas::kCapacidad) return {};
  return RecortarDerecha(comarcas.nombres[Indice(entrada)]);
}

std::string NombreZona(const TablaZonas& zonas, int zona) {
  if (zona < 1 || zona > TablaZonas::kZonas) return {};
  std::string nombre;
  const auto& miembros = zonas.miembros[Indice(zona)];
  for (int i = 0; i < zonas.numMiembros[Indice(zona)]; ++i) {
    if (i > 0) nombre += " - ";
    nombre += RecortarDerecha(zonas.nombres[Indice(miembros[Indice(i)])]);
  }
  return nombre;
}

std::vector<std::string> SubareasBarcelona(const TablaComarcas& comarcas) {
  std::vector<std::string> filas;
  for (int e = kPrimeraSubarea; e <= comarcas.cuenta && e <= TablaComarcas::kCapacidad; ++e)
    filas.push_back(RecortarDerecha(comarcas.nombres[Indice(e)]));
  return filas;
}

EtiquetaMapa MoverSobreMapa(EstadoMapas& estado, const TablaPuntos& tabla, Mapa mapa, int x, int y,
                            const NombresMapas& nombres) {
  estado.regionMapa = RegionEn(tabla, mapa, x, y);
  return Etiqueta(mapa, estado.regionMapa, x, y, nombres);
}

EtiquetaMapa MoverSobreRectangulos(EstadoMapas& estado, int x, int y, int dx, int dy,
                                   const NombresMapas& nombres) {
  estado.regionMapa = RegionEnRectangulos(x + dx, y + dy);
  return Etiqueta(Mapa::kComunidades, estado.regionMapa, x, y, nombres);
}

ClickMapa ClickComunidades(EstadoMapas& estado, const ModosComunidad& modos) {
  ClickMapa c;
  if (!EsRegion(Mapa::kComunidades, estado.regionMapa)) return c;
  estado.comunidadSel = estado.regionMapa;
  c.ocultarEtiqueta = true;
  c.comunidad = estado.comunidadSel;
  if (modos.eleccionImpresion) {
    c.accion = AccionMapa::kEleccionImpresion;
  } else if (modos.consulta) {
    c.accion = AccionMapa::kConsulta;
    c.comunidadTitulo = estado.comunidadSel;
    estado.comunidadSel = c.comunidad = SinCiudades(estado.comunidadSel);
  } else if (modos.fp) {
    c.accion = AccionMapa::kProvinciasFP;
  } else {
    c.temaAyuda = kAyudaComunidad;
    estado.comunidadSel = c.comunidad = SinCiudades(estado.comunidadSel);
    if (modos.artes) c.accion = AccionMapa::kArtes;
    else if (modos.grados) c.accion = AccionMapa::kGradosNuevos;
    else if (modos.dobles) c.accion = AccionMapa::kDobles;
    else c.accion = AccionMapa::kUniversidades;
  }
  return c;
}

ClickMapa ClickComarcas(EstadoMapas& estado) {
  ClickMapa c;
  if (!EsRegion(Mapa::kComarcas, estado.regionMapa)) return c;
  estado.comarcaSel = c.comarca = estado.regionMapa;
  c.ocultarEtiqueta = true;
  c.accion = c.comarca == kComarcaBarcelona ? AccionMapa::kListaBarcelona : AccionMapa::kCentrosComarca;
  return c;
}

ClickMapa ClickBarcelona(EstadoMapas& estado, int fila) {
  ClickMapa c;
  if (fila < 0 || fila == kFilaSeparadora) return c;
  estado.regionMapa = estado.comarcaSel = c.comarca = kPrimeraSubarea + fila;
  c.accion = AccionMapa::kCentrosComarca;
  return c;
}

ClickMapa ClickZonas(EstadoMapas& estado) {
  ClickMapa c;
  if (!EsRegion(Mapa::kZonas, estado.regionMapa)) return c;
  c.ocultarEtiqueta = true;
  estado.zonaSel = c.zona = estado.regionMapa;
  c.accion = AccionMapa::kCentrosZona;
  return c;
}

std::vector<int> UniversidadesDeComunidad(const TablaUniversidades& universidades, int comunidad) {
  std::vector<int> lineas;
  for (int i = 1; i <= universidades.cuenta && i <= TablaUniversidades::kCapacidad; ++i)
    if (universidades.comunidades[Indice(i)] == comunidad) lineas.push_back(i);
  return lineas;
}

}  // namespace sendaro
