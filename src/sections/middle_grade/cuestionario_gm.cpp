#include "sections/middle_grade/cuestionario_gm.h"

#include <algorithm>

#include "data/disposiciones.h"
#include "data/impresion/lineas_enteras.h"
#include "data/texto.h"

namespace sendaro {

namespace {

std::string T(const CatalogoTextos& c, int n) { return RecortarDerecha(c.Texto(n)); }

int Digito(char c) { return c >= '0' && c <= '9' ? c - '0' : -1; }

// A report line, wrapped when it is longer than the print buffer keeps.
void AgregarEntera(std::vector<std::string>& lineas, std::string_view texto) {
  for (std::string& l : LineasEnteras(texto)) lineas.push_back(std::move(l));
}

}  // namespace

std::vector<std::string> AreasGM(const TablaLinea& cuestionario) {
  std::vector<std::string> areas;
  for (int l = 1; l <= kAreasGM; ++l) areas.push_back(RecortarDerecha(cuestionario[l]));
  return areas;
}

int ValorArea(int fila) { return fila == 10 ? 0 : fila; }

std::vector<EnunciadoGM> EnunciadosGM(const TablaLinea& cuestionario,
                                      const std::vector<int>& valores) {
  std::vector<EnunciadoGM> lista;
  const int ultima = std::min(cuestionario.Cuenta(), kAreasGM + columnas::kMaxEnunciadosCuesGM);
  const auto elegido = [&](int v) {
    return std::find(valores.begin(), valores.end(), v) != valores.end();
  };
  for (int l = kAreasGM + 1; l <= ultima; ++l) {
    const std::string& linea = cuestionario[l];
    if (linea.size() < 4) continue;
    const int primera = Digito(linea[2]);
    const int segunda = Digito(linea[3]);
    const bool sirve = (primera >= 0 && elegido(primera)) || (segunda > 0 && elegido(segunda));
    if (!sirve) continue;
    lista.push_back({RecortarDerecha(Columnas(linea, 5, 70)), std::string(Columnas(linea, 1, 2))});
  }
  return lista;
}

std::vector<FilaResultadoGM> ResultadosGM(const FamiliasGM& familias, const TablaLinea& titulos,
                                          const std::vector<EnunciadoGM>& elegidos,
                                          const CatalogoTextos& catalogo) {
  const int n = familias.Cuenta();
  // For each family and each of its titles 1.., the statements that mark it.
  std::vector<std::vector<int>> familia(static_cast<std::size_t>(n + 1));
  std::vector<std::vector<std::vector<int>>> titulo(static_cast<std::size_t>(n + 1));
  for (int f = 1; f <= n; ++f)
    titulo[static_cast<std::size_t>(f)].resize(static_cast<std::size_t>(familias.NumTitulos(f) + 1));
  for (std::size_t j = 0; j < elegidos.size(); ++j) {
    const EnunciadoGM& e = elegidos[j];
    if (e.codigo.size() < 2) continue;
    const int f = columnas::FamiliaRespuestaGM(e.codigo[0]);
    // A code naming no family of this list marks nothing.
    if (f < 1 || f > n) continue;
    const int indice = static_cast<int>(j);
    familia[static_cast<std::size_t>(f)].push_back(indice);
    auto& marcas = titulo[static_cast<std::size_t>(f)];
    const int cuenta = familias.NumTitulos(f);
    const char q = e.codigo[1];
    const int hasta = q == 'T' ? cuenta : q == 'Z' ? std::min(2, cuenta) : 0;
    for (int k = 1; k <= hasta; ++k) marcas[static_cast<std::size_t>(k)].push_back(indice);
    const int d = Digito(q);
    if (d >= 1 && d <= cuenta) marcas[static_cast<std::size_t>(d)].push_back(indice);
  }
  std::vector<FilaResultadoGM> filas;
  for (int f = 1; f <= n; ++f) {
    if (familia[static_cast<std::size_t>(f)].empty()) continue;
    std::string_view nombre = familias.Nombre(f);
    if (!nombre.empty() && nombre.front() == kMarcaFamilia) nombre.remove_prefix(1);
    // The catalogue's word comes without its trailing blank: one goes back.
    std::string fila = " - " + T(catalogo, 583);
    if (!fila.empty() && fila.back() != ' ') fila += ' ';
    fila += nombre;
    filas.push_back({std::move(fila), 0, RecortarDerecha(nombre), familia[static_cast<std::size_t>(f)]});
    for (int k = 1; k <= familias.NumTitulos(f); ++k) {
      const auto& por = titulo[static_cast<std::size_t>(f)][static_cast<std::size_t>(k)];
      if (por.empty()) continue;
      const int linea = familias.LineaTitulo(f, k);
      std::string texto = RecortarDerecha(titulos[linea]);
      filas.push_back({texto, linea, texto, por});
    }
  }
  return filas;
}

std::vector<ResultadoExplicado> ExplicarResultadosGM(const std::vector<FilaResultadoGM>& filas,
                                                     const std::vector<EnunciadoGM>& elegidos,
                                                     const CatalogoTextos& catalogo) {
  std::vector<ResultadoExplicado> r;
  for (std::size_t i = 0; i < filas.size(); ++i) {
    const FilaResultadoGM& fila = filas[i];
    ResultadoExplicado e;
    e.fila = static_cast<int>(i);
    e.nombre = fila.nombre;
    e.lineas.push_back(Plantilla(
        T(catalogo, fila.titulo == 0 ? kTextoFamiliaPropuesta : kTextoTituloPropuesto),
        {fila.nombre}));
    for (const int j : fila.enunciados) {
      if (j < 0 || j >= static_cast<int>(elegidos.size())) continue;
      const std::string& texto = elegidos[static_cast<std::size_t>(j)].texto;
      e.aportaciones.push_back({j + 1, texto, {}, 0.0, 0, false});
      e.lineas.push_back(texto);
    }
    r.push_back(std::move(e));
  }
  return r;
}

void InformeAreas(InformeCuestionarioGM& i, const std::vector<std::string>& areas,
                  const CatalogoTextos& catalogo) {
  i = {};
  i.lineas.push_back(T(catalogo, 594));
  i.lineas.push_back("");
  for (const std::string& a : areas) AgregarEntera(i.lineas, a);
  i.finAreas = static_cast<int>(i.lineas.size());
}

void InformeEnunciados(InformeCuestionarioGM& i, const std::vector<std::string>& enunciados,
                       const CatalogoTextos& catalogo) {
  i.lineas.resize(static_cast<std::size_t>(i.finAreas));
  i.lineas.push_back("");
  i.lineas.push_back(T(catalogo, 595));
  i.lineaEnunciados = static_cast<int>(i.lineas.size());
  i.lineas.push_back("");
  for (const std::string& e : enunciados) AgregarEntera(i.lineas, e);
  i.lineas.push_back("");
  i.lineaTitulo = static_cast<int>(i.lineas.size()) + 1;
}

void InformeTituloElegido(InformeCuestionarioGM& i, const std::string& titulo,
                          const std::vector<std::string>& centros, const CatalogoTextos& catalogo,
                          const std::vector<std::string>& porque) {
  if (i.lineaTitulo < 1) return;
  i.lineas.resize(static_cast<std::size_t>(i.lineaTitulo - 1));
  AgregarEntera(i.lineas, T(catalogo, 592) + ": " + titulo);
  i.lineas.push_back("");
  i.lineas.push_back(T(catalogo, 593) + ":");
  i.lineas.push_back("");
  for (const std::string& c : centros) AgregarEntera(i.lineas, c);
  if (porque.empty()) return;
  i.lineas.push_back("");
  for (std::size_t k = 0; k < porque.size(); ++k)
    AgregarEntera(i.lineas, (k == 0 ? std::string() : std::string(3, ' ')) + porque[k]);
}

std::vector<int> NegritasCuestionario(const InformeCuestionarioGM& i) {
  std::vector<int> negritas;
  const int n = static_cast<int>(i.lineas.size());
  for (const int l : {1, i.lineaEnunciados, i.lineaTitulo}) {
    if (l >= 1 && l <= n) negritas.push_back(l);
  }
  return negritas;
}

}  // namespace sendaro
