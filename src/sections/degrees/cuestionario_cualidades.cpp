#include "sections/degrees/cuestionario_cualidades.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

#include "data/impresion/lineas_enteras.h"
#include "data/texto.h"

namespace sendaro {

namespace {

constexpr int kMaxGrupos = 12;
constexpr int kAnchoGrupo = 40;
constexpr int kTextoCualidades = 279;
constexpr int kTextoIntereses = 280;
constexpr int kTextoAlumno = 284;
constexpr int kTextoJuntos = 285;
constexpr int kTextoCiclos = 326;
constexpr int kTextoCarreras = 327;
constexpr int kTextoTresGrupos = 340;
constexpr int kTextoCuestionario = 596;
constexpr int kTextoOrientar = 597;
constexpr int kTextoSuerte = 598;
constexpr int kGruposEstudiados = 3;

std::string Texto(const CatalogoTextos& c, int n) { return RecortarDerecha(c.Texto(n)); }

bool Contiene(const std::vector<int>& lista, int valor) {
  return std::find(lista.begin(), lista.end(), valor) != lista.end();
}

// A heading of the detail: the text, twelve blanks, at most 60 characters.
std::string CabeceraDetalle(const CatalogoTextos& c, int n) {
  return std::string(Cortar(Texto(c, n) + std::string(12, ' '), TablaLinea::kLimiteNormal));
}

}  // namespace

std::vector<int> CualidadesGraduadas(int item) {
  switch (item) {
    case 1:
      return {0};
    case 2:
      return {0, 1};
    case 4:
      return {3};
    case 5:
      return {3, 4};
    default:
      return {};
  }
}

std::vector<PuntuacionGrupo> PuntuarGruposDetalle(std::vector<int> marcados,
                                                  const std::vector<std::vector<int>>& miembros) {
  std::sort(marcados.begin(), marcados.end());
  std::vector<PuntuacionGrupo> grupos;
  grupos.reserve(miembros.size());
  for (const std::vector<int>& grupo : miembros) {
    PuntuacionGrupo p;
    p.miembros = static_cast<int>(grupo.size());
    if (grupo.empty()) {
      grupos.push_back(p);
      continue;
    }
    double s = 0.01;
    for (const int item : marcados) {
      for (const int m : grupo) {
        if (m != item) continue;
        s += 1.0;
        p.marcados.push_back(item);
      }
    }
    p.puntos = s * 10.0 / static_cast<double>(grupo.size());
    grupos.push_back(std::move(p));
  }
  return grupos;
}

std::vector<double> PuntuarGrupos(std::vector<int> marcados,
                                  const std::vector<std::vector<int>>& miembros) {
  std::vector<double> puntos;
  for (const PuntuacionGrupo& p : PuntuarGruposDetalle(std::move(marcados), miembros))
    puntos.push_back(p.puntos);
  return puntos;
}

std::vector<double> PromediarPuntos(const std::vector<double>& a, const std::vector<double>& b) {
  std::vector<double> media(std::max(a.size(), b.size()), 0.0);
  for (std::size_t g = 0; g < media.size(); ++g) {
    const double x = g < a.size() ? a[g] : 0.0;
    const double y = g < b.size() ? b[g] : 0.0;
    media[g] = (x + y) / 2.0;
  }
  return media;
}

std::string LineaPuntuacion(std::string_view grupo, double puntos) {
  std::string linea(Cortar(grupo, kAnchoGrupo));
  linea.resize(kAnchoGrupo, ' ');
  char cifra[32];
  std::snprintf(cifra, sizeof cifra, "%4.1f", puntos);
  return linea + cifra;
}

Clasificacion Clasificar(const TablaLinea& grupos, const std::vector<double>& puntos) {
  Clasificacion c;
  const int g = static_cast<int>(puntos.size());
  c.orden.resize(static_cast<std::size_t>(g));
  std::iota(c.orden.begin(), c.orden.end(), 1);
  // Highest first; equal scores keep the group order.
  std::stable_sort(c.orden.begin(), c.orden.end(), [&](int x, int y) {
    return puntos[static_cast<std::size_t>(x - 1)] > puntos[static_cast<std::size_t>(y - 1)];
  });
  for (const int grupo : c.orden) {
    const double p = puntos[static_cast<std::size_t>(grupo - 1)];
    c.lineas.push_back(LineaPuntuacion(grupos[grupo], p));
    c.puntos.push_back(p);
  }
  return c;
}

int NumeroGrupos(const TablaLinea& grupos) { return std::min(grupos.Cuenta(), kMaxGrupos); }

std::vector<std::vector<int>> MiembrosCualidades(const DatosCarreras& datos, int grupos) {
  std::vector<std::vector<int>> m;
  for (int g = 1; g <= grupos; ++g) m.push_back(datos.CualidadesGrupo(g));
  return m;
}

std::vector<std::vector<int>> MiembrosIntereses(const DatosCarreras& datos, int grupos) {
  std::vector<std::vector<int>> m;
  for (int g = 1; g <= grupos; ++g) m.push_back(datos.InteresesGrupo(g));
  return m;
}

namespace {

// The group's name as its result row shows it.
std::string NombreGrupo(const TablaLinea& grupos, int grupo) {
  return RecortarDerecha(Cortar(grupos[grupo], kAnchoGrupo));
}

// What one selected member adds to its group's score.
double Cada(const PuntuacionGrupo& p) { return p.miembros > 0 ? 10.0 / p.miembros : 0.0; }

// The items of one list that gave a group its score, each worth `cada`.
std::vector<Aportacion> AportacionesLista(const RespuestasLista& lista, const PuntuacionGrupo& p,
                                          double cada, int parte) {
  std::vector<Aportacion> a;
  for (const int item : p.marcados) {
    a.push_back({item, RecortarDerecha(lista.items[item]), {}, cada, parte, false});
  }
  return a;
}

// "marcaste 4 de sus 5 cualidades (2,0 puntos cada una): A, B, C y D", or
// "no marcaste ninguna de sus 5 cualidades".
std::string FraseLista(const RespuestasLista& lista, const PuntuacionGrupo& p,
                       const CatalogoTextos& c) {
  namespace t = textos_cualidades;
  const std::string miembros = std::to_string(p.miembros);
  if (p.marcados.empty()) {
    return Plantilla(Texto(c, lista.cualidades ? t::kNingunaCualidad : t::kNingunInteres),
                     {miembros});
  }
  std::vector<std::string> nombres;
  for (const int item : p.marcados) nombres.push_back(RecortarDerecha(lista.items[item]));
  return Plantilla(Texto(c, lista.cualidades ? t::kMarcasteCualidades : t::kMarcasteIntereses),
                   {std::to_string(p.marcados.size()), miembros, ConComa(Cada(p))}) +
         ": " + Enumerar(nombres, c);
}

const PuntuacionGrupo& DeGrupo(const std::vector<PuntuacionGrupo>& p, int grupo) {
  return p[static_cast<std::size_t>(grupo - 1)];
}

}  // namespace

Clasificacion ClasificarLista(const TablaLinea& grupos, const RespuestasLista& lista,
                              const CatalogoTextos& catalogo) {
  const std::vector<PuntuacionGrupo> p = PuntuarGruposDetalle(lista.marcados, lista.miembros);
  std::vector<double> puntos;
  for (const PuntuacionGrupo& g : p) puntos.push_back(g.puntos);
  Clasificacion c = Clasificar(grupos, puntos);
  for (std::size_t fila = 0; fila < c.orden.size(); ++fila) {
    const int grupo = c.orden[fila];
    const PuntuacionGrupo& g = DeGrupo(p, grupo);
    ResultadoExplicado e;
    e.fila = static_cast<int>(fila);
    e.nombre = NombreGrupo(grupos, grupo);
    e.valor = g.puntos;
    e.aportaciones = AportacionesLista(lista, g, Cada(g), lista.cualidades ? 0 : 1);
    e.lineas.push_back(PrefijoResultado(e.nombre, e.valor) + FraseLista(lista, g, catalogo));
    c.explicaciones.push_back(std::move(e));
  }
  return c;
}

Clasificacion ClasificarConjunto(const TablaLinea& grupos, const RespuestasLista& cualidades,
                                 const RespuestasLista& intereses, const CatalogoTextos& catalogo) {
  const std::vector<PuntuacionGrupo> a =
      PuntuarGruposDetalle(cualidades.marcados, cualidades.miembros);
  const std::vector<PuntuacionGrupo> b = PuntuarGruposDetalle(intereses.marcados, intereses.miembros);
  std::vector<double> pa, pb;
  for (const PuntuacionGrupo& g : a) pa.push_back(g.puntos);
  for (const PuntuacionGrupo& g : b) pb.push_back(g.puntos);
  Clasificacion c = Clasificar(grupos, PromediarPuntos(pa, pb));
  const PuntuacionGrupo vacio;
  for (std::size_t fila = 0; fila < c.orden.size(); ++fila) {
    const int grupo = c.orden[fila];
    const auto g = static_cast<std::size_t>(grupo - 1);
    const PuntuacionGrupo& ga = g < a.size() ? a[g] : vacio;
    const PuntuacionGrupo& gb = g < b.size() ? b[g] : vacio;
    ResultadoExplicado e;
    e.fila = static_cast<int>(fila);
    e.nombre = NombreGrupo(grupos, grupo);
    e.valor = c.puntos[fila];
    // In the average each item counts half of what it gives its own list.
    e.aportaciones = AportacionesLista(cualidades, ga, Cada(ga) / 2.0, 0);
    for (Aportacion& x : AportacionesLista(intereses, gb, Cada(gb) / 2.0, 1))
      e.aportaciones.push_back(std::move(x));
    e.lineas.push_back(PrefijoResultado(e.nombre, e.valor) +
                       Plantilla(Texto(catalogo, textos_cualidades::kMedia),
                                 {ConComa(ga.puntos), ConComa(gb.puntos)}));
    e.lineas.push_back(FraseLista(cualidades, ga, catalogo));
    e.lineas.push_back(FraseLista(intereses, gb, catalogo));
    c.explicaciones.push_back(std::move(e));
  }
  return c;
}

namespace {

std::vector<int> CarrerasDelGrupo(const FuentesCuestionario& f, int grupo) {
  std::vector<int> carreras;
  for (int d = 1; d <= f.datos.numCarreras; ++d) {
    if (Contiene(f.datos.Grupos(d), grupo)) carreras.push_back(d);
  }
  return carreras;
}

std::vector<int> TitulosDelGrupo(const FuentesCuestionario& f, int grupo) {
  std::vector<int> titulos;
  const int n = std::min(f.titulosFP.Cuenta(), DatosCarreras::kMaxTitulos);
  for (int t = 1; t <= n; ++t) {
    if (Contiene(f.datos.GruposTitulo(t), grupo)) titulos.push_back(t);
  }
  return titulos;
}

}  // namespace

std::vector<std::string> DetalleGrupo(const FuentesCuestionario& f, int grupo) {
  std::vector<std::string> filas;
  filas.push_back(f.grupos[grupo]);
  filas.emplace_back(TablaLinea::kLimiteNormal, ' ');
  filas.push_back(CabeceraDetalle(f.catalogo, kTextoCarreras));
  for (const int d : CarrerasDelGrupo(f, grupo)) filas.push_back(f.carreras[d]);
  filas.emplace_back(TablaLinea::kLimiteNormal, ' ');
  filas.push_back(CabeceraDetalle(f.catalogo, kTextoCiclos));
  for (const int t : TitulosDelGrupo(f, grupo)) {
    filas.emplace_back(Cortar(f.titulosFP[t], TablaLinea::kLimiteNormal));
  }
  return filas;
}

std::vector<std::string> InformeCuestionario::Completo() const {
  std::vector<std::string> todo;
  todo.reserve(retrato.size() + estudios.size() + 2);
  todo.push_back(titulo);
  todo.insert(todo.end(), retrato.begin(), retrato.end());
  todo.push_back(tituloEstudios);
  todo.insert(todo.end(), estudios.begin(), estudios.end());
  return todo;
}

InformeCuestionario InformeCualidades(const FuentesCuestionario& f, const ResultadoCuestionario& r,
                                      std::string_view nombre) {
  const CatalogoTextos& c = f.catalogo;
  InformeCuestionario inf;
  // The catalogue's texts are stored right-trimmed: a blank before the name.
  inf.titulo = Texto(c, kTextoAlumno) + " " + std::string(nombre);

  auto& a = inf.retrato;
  auto seccion = [&](int sangria, const std::string& titulo, const Clasificacion& lista) {
    a.push_back(std::string(static_cast<std::size_t>(sangria), ' ') + titulo);
    inf.negritasRetrato.push_back(static_cast<int>(a.size()));
    a.emplace_back();
    for (const std::string& l : lista.lineas) a.push_back(std::string(9, ' ') + l);
  };
  a.push_back(Texto(c, kTextoCuestionario) + " " + Texto(c, kTextoOrientar));
  a.emplace_back();
  seccion(26, Texto(c, kTextoCualidades), r.cualidades);
  a.emplace_back();
  a.emplace_back();
  seccion(26, Texto(c, kTextoIntereses), r.intereses);
  a.emplace_back();
  a.emplace_back();
  seccion(11, Texto(c, kTextoJuntos), r.conjunto);
  LineasExplicacion porque =
      InformeExplicaciones(r.conjunto.explicaciones, c, static_cast<int>(a.size()) + 1);
  a.insert(a.end(), porque.lineas.begin(), porque.lineas.end());
  for (const int n : porque.negritas) inf.negritasRetrato.push_back(n);
  a.emplace_back();
  a.push_back(std::string(44, ' ') + Texto(c, kTextoSuerte));

  inf.tituloEstudios = Texto(c, kTextoTresGrupos);
  auto& b = inf.estudios;
  b.emplace_back();
  const std::size_t tres =
      std::min(r.conjunto.orden.size(), static_cast<std::size_t>(kGruposEstudiados));
  for (std::size_t i = 0; i < tres; ++i) {
    const int grupo = r.conjunto.orden[i];
    b.push_back(RecortarDerecha(f.grupos[grupo]));
    inf.negritasEstudios.push_back(static_cast<int>(b.size()));
    b.emplace_back();
    b.push_back(Texto(c, kTextoCarreras));
    // Indented names longer than a report line go on several.
    const auto entero = [&b](const std::string& texto) {
      for (std::string& l : LineasEnteras("   " + RecortarDerecha(texto)))
        b.push_back(std::move(l));
    };
    for (const int d : CarrerasDelGrupo(f, grupo)) entero(f.carreras[d]);
    b.emplace_back();
    b.push_back(Texto(c, kTextoCiclos));
    for (const int t : TitulosDelGrupo(f, grupo)) entero(f.titulosFP[t]);
    b.emplace_back();
    b.push_back(std::string(29, '_'));
    b.emplace_back();
  }
  return inf;
}

}  // namespace sendaro
