#include "sections/degrees/carreras_nuevas.h"

#include <algorithm>

#include "data/impresion/lineas_enteras.h"
#include "data/texto.h"
#include "sections/degrees/ficha_carrera.h"

namespace sendaro {

namespace {

constexpr int kTextoCentros = 276;
constexpr int kTextoRequisitos = 277;
constexpr int kTextoSalidas = 278;
constexpr int kTextoNotaCorte = 296;
constexpr int kTextoDescripcion = 312;
constexpr int kTextoGrado = 522;
constexpr int kTextoDondeSeImparte = 593;
constexpr int kAnchoUniversidad = 35;
// Requirement codes above this are listed with a bullet; outlet codes up to
// this one are not listed for new degrees.
constexpr int kUltimoRequisitoSinVineta = 35;
constexpr int kUltimaSalidaComun = 14;
constexpr char kVineta = '\x95';

std::string Texto(const CatalogoTextos& c, int n) { return RecortarDerecha(c.Texto(n)); }

bool Existe(const FuentesNuevas& f, int d) { return d >= 1 && d <= f.nuevas.Cuenta(); }

}  // namespace

FilasLista ListaNuevas(const FuentesNuevas& f, int categoria) {
  FilasLista r;
  for (int d = 1; d <= f.nuevas.Cuenta(); ++d) {
    if (categoria != 0 && f.datos.Categoria(d) != categoria) continue;
    r.filas.push_back(RecortarDerecha(f.nuevas[d]));
    r.carreras.push_back(d);
  }
  return r;
}

std::vector<int> UniversidadesConNuevas(const FuentesNuevas& f, int comunidad) {
  std::vector<bool> ensena(static_cast<std::size_t>(f.universidades.cuenta) + 1, false);
  for (int d = 1; d <= f.nuevas.Cuenta(); ++d) {
    for (const UniversidadNota& u : f.datos.UniversidadesNueva(d)) {
      if (u.universidad >= 1 && u.universidad <= f.universidades.cuenta)
        ensena[static_cast<std::size_t>(u.universidad)] = true;
    }
  }
  std::vector<int> lista;
  for (int u = 1; u <= f.universidades.cuenta; ++u) {
    if (f.universidades.comunidades[static_cast<std::size_t>(u)] == comunidad &&
        ensena[static_cast<std::size_t>(u)]) {
      lista.push_back(u);
    }
  }
  return lista;
}

FilasLista NuevasDeUniversidad(const FuentesNuevas& f, int u) {
  FilasLista r;
  for (int d = 1; d <= f.nuevas.Cuenta(); ++d) {
    for (const UniversidadNota& un : f.datos.UniversidadesNueva(d)) {
      if (un.universidad != u) continue;
      r.filas.push_back(FilaConNota(f.nuevas[d], un.nota));
      r.carreras.push_back(d);
    }
  }
  return r;
}

std::vector<std::string> VistaUniversidadesNueva(const FuentesNuevas& f, int d) {
  std::vector<std::string> filas;
  if (!Existe(f, d)) return filas;
  const CatalogoTextos& c = f.catalogo;
  filas.push_back(Unir({std::string(17, ' '), Texto(c, kTextoDondeSeImparte)}));
  filas.push_back(
      Unir({"- ", Texto(c, kTextoCentros), std::string(23, ' '), Texto(c, kTextoNotaCorte)}));
  for (const UniversidadNota& u : f.datos.UniversidadesNueva(d)) {
    if (u.universidad < 1 || u.universidad > f.universidades.cuenta) continue;
    std::string nombre(Cortar(f.universidades.nombres[u.universidad], kAnchoUniversidad));
    nombre.resize(kAnchoUniversidad, ' ');
    filas.push_back(Unir({nombre, EscribirNota(u.nota)}));
  }
  filas.emplace_back();
  filas.push_back(Unir({"-", std::string(5, ' '), Texto(c, kTextoDescripcion)}));
  // The block keeps 14 lines: a line past them would be the next block's.
  const int lineas = f.descripciones.Disposicion().lineasGuardadas;
  for (int k = 1; k <= lineas; ++k) {
    const std::string& linea = f.descripciones.Linea(d, k);
    if (linea.empty() || EsBlanco(Cortar(linea, 8))) continue;
    const std::string texto = RecortarDerecha(linea);
    filas.push_back(texto[0] != ' ' ? Unir({std::string_view(&kVineta, 1), " ", texto}) : texto);
  }
  return filas;
}

std::vector<std::string> VistaRequisitosNueva(const FuentesNuevas& f, int d) {
  std::vector<std::string> filas;
  if (!Existe(f, d)) return filas;
  filas.push_back(Unir({std::string(5, ' '), Texto(f.catalogo, kTextoRequisitos)}));
  filas.emplace_back();
  for (const int codigo : f.datos.RequisitosNueva(d)) {
    if (codigo < 1 || codigo > f.requisitos.Cuenta()) continue;
    const std::string texto = RecortarDerecha(f.requisitos[codigo]);
    const bool vineta = !texto.empty() && texto[0] != ' ' && codigo > kUltimoRequisitoSinVineta;
    filas.push_back(vineta ? Unir({std::string_view(&kVineta, 1), "  ", texto}) : texto);
  }
  return filas;
}

std::vector<std::string> VistaSalidasNueva(const FuentesNuevas& f, int d) {
  std::vector<std::string> filas;
  if (!Existe(f, d)) return filas;
  filas.push_back(Unir({std::string(5, ' '), Texto(f.catalogo, kTextoSalidas)}));
  filas.emplace_back();
  for (const int codigo : f.datos.SalidasNueva(d)) {
    if (codigo <= kUltimaSalidaComun || codigo > f.salidas.Cuenta()) continue;
    const std::string texto = RecortarDerecha(f.salidas[codigo]);
    const bool vineta = !texto.empty() && texto[0] != ' ';
    filas.push_back(vineta ? Unir({std::string_view(&kVineta, 1), "  ", texto}) : texto);
  }
  return filas;
}

InformeNueva InformeCarreraNueva(const FuentesNuevas& f, int d) {
  InformeNueva inf;
  if (!Existe(f, d)) return inf;
  inf.titulo = Unir({Texto(f.catalogo, kTextoGrado), ":  ", RecortarDerecha(f.nuevas[d])});
  auto anadir = [&](const std::vector<std::string>& filas) {
    inf.lineas.emplace_back();
    for (const std::string& fila : filas) {
      for (std::string& l : LineasEnteras(fila)) inf.lineas.push_back(std::move(l));
    }
  };
  const std::vector<std::string> universidades = VistaUniversidadesNueva(f, d);
  anadir(universidades);
  // The universities' header is its second row, the description's header the
  // row after the empty one.
  inf.negritas.push_back(3);
  const auto vacia = std::find(universidades.begin() + 2, universidades.end(), std::string());
  inf.negritas.push_back(2 + static_cast<int>(vacia - universidades.begin()) + 1);
  const int requisitos = static_cast<int>(inf.lineas.size()) + 2;
  anadir(VistaRequisitosNueva(f, d));
  const int salidas = static_cast<int>(inf.lineas.size()) + 2;
  anadir(VistaSalidasNueva(f, d));
  inf.negritas.push_back(requisitos);
  inf.negritas.push_back(salidas);
  return inf;
}

const PasoDiagrama& PasoDelDiagrama(int paso) {
  static const std::array<PasoDiagrama, kPasosDiagrama> kPasos = {{
      {1, true, 1, {}, {539}},
      {1, true, 1, {}, {540}},
      {1, true, 1, {}, {541, 542}},
      {1, false, 1, {}, {543}},
      {3, false, 1, {1, 2}, {544}},
      {4, false, 1, {3}, {545}},
      {5, false, 1, {4}, {546}},
      {6, false, 3, {5}, {547}},
      {7, false, 1, {6}, {548, 549}},
      {0, false, 1, {7}, {}},
  }};
  return kPasos[static_cast<std::size_t>(std::clamp(paso, 0, kPasosDiagrama - 1))];
}

bool AvanzarCubierta(const PasoDiagrama& paso, Cubierta& cubierta) {
  if (paso.panel == 0) return true;
  const int mover = std::min(paso.pixeles, std::max(cubierta.ancho, 0));
  cubierta.izquierda += mover;
  cubierta.ancho = std::max(cubierta.ancho - paso.pixeles, 0);
  return paso.unaVez || cubierta.ancho <= 0;
}

}  // namespace sendaro
