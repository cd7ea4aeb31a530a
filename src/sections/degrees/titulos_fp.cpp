#include "sections/degrees/titulos_fp.h"

#include <algorithm>
#include <numeric>

#include "data/alfabeto.h"
#include "data/impresion/lineas_enteras.h"
#include "data/mapas.h"
#include "data/texto.h"
#include "sections/degrees/centros_fp.h"

namespace sendaro {

namespace {

constexpr char kMarcaSegundoGrupo = '|';
constexpr int kLineasEmergente = 5;
constexpr int kMinFilasDescripcion = 14;

// Joins the pieces (GCC 12 warns wrongly on a literal + std::string).
std::string Unir(std::initializer_list<std::string_view> partes) {
  std::string s;
  for (const std::string_view p : partes) s.append(p);
  return s;
}

std::string Linea(const TablaLinea& t, int n) {
  return n >= 1 && n <= t.Cuenta() ? RecortarDerecha(t[n]) : std::string();
}

}  // namespace

ListaFamiliasFP ListaFamilias(const TablaLinea& familias) {
  const int n = familias.Cuenta();
  ListaFamiliasFP lista;
  lista.familias.resize(static_cast<std::size_t>(n));
  std::iota(lista.familias.begin(), lista.familias.end(), 1);
  // Alphabetical order: the second group ("|") after the first.
  std::stable_sort(lista.familias.begin(), lista.familias.end(), [&](int a, int b) {
    return MenorAlfabetico(familias[a], familias[b]);
  });
  for (const int f : lista.familias) {
    std::string_view nombre = familias[f];
    if (!nombre.empty() && nombre.front() == kMarcaSegundoGrupo) nombre.remove_prefix(1);
    lista.filas.push_back(Unir({"< ", RecortarDerecha(nombre)}));
  }
  return lista;
}

std::vector<int> TitulosDeFamilia(const FuentesFP& f, int familia) {
  const int familias = f.familias.Cuenta();
  std::vector<int> titulos;
  if (familia < 1 || familia > familias) return titulos;
  const auto linea = [&](int k) { return f.lineasFamilia[static_cast<std::size_t>(k)]; };
  const int desde = linea(familia) + 1;
  const int hasta = familia < familias ? linea(familia + 1) - 1 : f.titulos.Cuenta();
  for (int t = std::max(desde, 1); t <= std::min(hasta, f.titulos.Cuenta()); ++t) {
    if (!EsBlanco(f.titulos[t])) titulos.push_back(t);
  }
  return titulos;
}

std::vector<std::string> DescripcionEmergente(const FuentesFP& f, int titulo) {
  std::vector<std::string> filas;
  bool vacio = true;
  for (int l = 1; l <= f.descripciones.Disposicion().lineasGuardadas && vacio; ++l)
    vacio = EsBlanco(f.descripciones.Linea(titulo, l));
  if (vacio) return filas;
  filas.push_back(Unir({"      ", RecortarDerecha(f.catalogo.Texto(271))}));
  for (int l = 1; l <= kLineasEmergente; ++l)
    filas.push_back(RecortarDerecha(f.descripciones.Linea(titulo, l)));
  return filas;
}

ColocacionEmergente ColocarEmergente(const MedidasEmergente& m) {
  constexpr int kSeparacion = 325;
  constexpr int kSobreEtiqueta = 30;
  ColocacionEmergente c;
  c.izquierda = m.izquierdaLista - kSeparacion;
  const int titulos = std::max(1, m.titulos);
  c.altoTitulos = titulos * m.altoFila + 4;
  const bool arriba = m.arribaFila - m.arribaLista < m.altoLista / 2;
  c.arribaTitulos = arriba ? m.arribaFila : m.arribaFila - m.altoFila * (titulos - 1) - 5;
  // Label, titles and description stay inside the page; the titles scroll
  // when the three do not fit.
  const int espacio = m.altoPagina - kSobreEtiqueta - 1 - m.altoDescripcion;
  c.altoTitulos = std::clamp(c.altoTitulos, std::min(m.altoFila + 4, espacio), std::max(espacio, 0));
  c.arribaTitulos = std::clamp(c.arribaTitulos, kSobreEtiqueta,
                               std::max(kSobreEtiqueta, m.altoPagina - m.altoDescripcion - 1 -
                                                            c.altoTitulos));
  c.arribaDescripcion = c.arribaTitulos + c.altoTitulos + 1;
  c.arribaEtiqueta = c.arribaTitulos - kSobreEtiqueta;
  return c;
}

VistaFP VistaTitulo(const FuentesFP& f, VistaTituloFP vista, int t) {
  VistaFP v;
  const DatosCarreras& d = f.datos;
  switch (vista) {
    case VistaTituloFP::kRequisitos:
      v.titulo = RecortarDerecha(f.catalogo.Texto(277));
      for (const int c : d.RequisitosTitulo(t)) {
        if (c >= 1 && c <= f.requisitos.Cuenta()) v.filas.push_back(Linea(f.requisitos, c));
      }
      break;
    case VistaTituloFP::kCarreras:
      v.titulo = RecortarDerecha(f.catalogo.Texto(324));
      for (const int c : d.CarrerasTitulo(t)) {
        if (c >= 1 && c <= f.carreras.Cuenta()) v.filas.push_back(Linea(f.carreras, c));
      }
      break;
    case VistaTituloFP::kDescripcion: {
      v.titulo = RecortarDerecha(f.catalogo.Texto(312));
      const auto bloque = [&](int l) { return RecortarDerecha(f.descripciones.Linea(t, l)); };
      v.filas.push_back(Unir({"   ", RecortarDerecha(f.catalogo.Texto(271))}));
      for (int l = 1; l <= 5; ++l) v.filas.push_back(bloque(l));
      if (!EsBlanco(bloque(5))) v.filas.emplace_back();
      v.filas.push_back(bloque(6));
      v.filas.emplace_back();
      const int ultima = f.descripciones.Disposicion().lineasGuardadas;
      for (int l = 7; l <= ultima; ++l) v.filas.push_back(bloque(l));
      while (static_cast<int>(v.filas.size()) > kMinFilasDescripcion && EsBlanco(v.filas.back()))
        v.filas.pop_back();
      break;
    }
  }
  return v;
}

InformeLineas ImpresionTitulo(const FuentesFP& f, int t, const std::vector<int>& comunidades,
                              const AMayusculas& mayusculas) {
  InformeLineas inf;
  const CatalogoTextos& cat = f.catalogo;
  inf.titulo = Unir({Linea(f.titulos, t), " (", RecortarDerecha(cat.Texto(47)), ")"});
  // A line longer than the print buffer keeps goes on several.
  auto anadir = [&](std::string_view linea, bool negrita = false) {
    for (std::string& l : LineasEnteras(linea)) {
      inf.lineas.push_back(std::move(l));
      if (negrita) inf.negritas.push_back(static_cast<int>(inf.lineas.size()));
    }
  };
  auto cabecera = [&](std::string_view linea) { anadir(linea, true); };
  const std::pair<VistaTituloFP, int> secciones[] = {{VistaTituloFP::kRequisitos, 277},
                                                     {VistaTituloFP::kDescripcion, 312},
                                                     {VistaTituloFP::kCarreras, 324}};
  for (const auto& [vista, texto] : secciones) {
    cabecera(Unir({"- ", RecortarDerecha(cat.Texto(texto))}));
    for (const std::string& fila : VistaTitulo(f, vista, t).filas) anadir(fila);
    anadir("");
  }
  anadir(std::string(6, ' ') + std::string(24, '_'));
  anadir("");
  cabecera(Unir({"-", mayusculas(RecortarDerecha(cat.Texto(317)))}));
  anadir("");
  for (const int c : comunidades) {
    const std::vector<FilaReja> filas = CentrosDelTitulo(f, t, c);
    std::string nombre = mayusculas(NombreComunidad(f.comunidades, c));
    nombre.resize(30, ' ');
    for (std::string& linea : CentrosDelTituloImpresion(filas, nombre)) {
      anadir(linea, linea.rfind("***", 0) == 0);
    }
  }
  return inf;
}

bool HayQueElegirComunidades(int lineas, int comunidadesUsadas, bool enPantalla) {
  return lineas > kMaxLineasImpresionTitulo && comunidadesUsadas == kNumComunidades && !enPantalla;
}

void EleccionComunidades::Abrir() {
  elegidas_.clear();
  abierta_ = true;
}

bool EleccionComunidades::Anadir(int comunidad) {
  if (comunidad < 1 || comunidad > kNumComunidades) return false;
  if (std::find(elegidas_.begin(), elegidas_.end(), comunidad) != elegidas_.end()) return false;
  elegidas_.push_back(comunidad);
  return true;
}

bool EleccionComunidades::Quitar(int fila) {
  if (fila < 0 || fila >= static_cast<int>(elegidas_.size())) return false;
  elegidas_.erase(elegidas_.begin() + fila);
  return true;
}

}  // namespace sendaro
