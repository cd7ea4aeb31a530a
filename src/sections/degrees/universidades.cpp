#include "sections/degrees/universidades.h"

#include <algorithm>

#include "data/impresion/lineas_enteras.h"
#include "data/texto.h"
#include "sections/degrees/ficha_carrera.h"

namespace sendaro {

namespace {

constexpr int kTextoCursos = 241;
constexpr int kTextoDobles = 242;
constexpr int kTextoConsulta = 289;
constexpr int kTextoCarrera = 290;
constexpr int kTextoNotaCorte = 296;
constexpr int kAnchoNombreUniversidad = 35;
constexpr int kColumnaNota = 45;

std::string Texto(const CatalogoTextos& c, int n) { return RecortarDerecha(c.Texto(n)); }

std::string Relleno(std::string_view texto, int ancho) {
  std::string r(Cortar(texto, ancho));
  r.resize(static_cast<std::size_t>(ancho), ' ');
  return r;
}

bool EmpiezaPor(std::string_view texto, std::string_view prefijo) {
  return texto.substr(0, prefijo.size()) == prefijo;
}

std::string Cursos(int n) { return n == 0 ? "-" : std::to_string(n); }

}  // namespace

std::string Unir(std::initializer_list<std::string_view> piezas) {
  std::string r;
  for (const std::string_view p : piezas) r.append(p);
  return r;
}

std::string DireccionUniversidad(std::string_view guardada) {
  std::string d = RecortarDerecha(guardada);
  const std::size_t inicio = d.find_first_not_of(' ');
  d = inicio == std::string::npos ? std::string() : d.substr(inicio);
  if (EmpiezaPor(d, "http://") || EmpiezaPor(d, "https://")) return d;
  if (EmpiezaPor(d, "www.")) return Unir({"http://", d});
  return Unir({"http://www.", d});
}

std::vector<std::string> NombresUniversidades(const TablaUniversidades& universidades,
                                              const std::vector<int>& lista) {
  std::vector<std::string> nombres;
  for (const int u : lista) {
    nombres.emplace_back(Cortar(universidades.nombres[u], kAnchoNombreUniversidad));
  }
  return nombres;
}

FilasLista CarrerasDeUniversidad(const TablaLinea& carreras, const DatosCarreras& datos, int u) {
  FilasLista r;
  for (int d = 1; d <= datos.numCarreras; ++d) {
    for (const UniversidadNota& un : datos.Universidades(d)) {
      if (un.universidad != u) continue;
      r.filas.push_back(FilaConNota(carreras[d], un.nota));
      r.carreras.push_back(d);
    }
  }
  return r;
}

std::vector<std::string> InformeUniversidad(const TablaLinea& carreras, const DatosCarreras& datos,
                                            const CatalogoTextos& catalogo,
                                            std::string_view nombreCentro,
                                            std::string_view universidad, int u) {
  const std::string sangria(4, ' ');
  std::vector<std::string> l = {
      Unir({sangria, nombreCentro}),
      "",
      Unir({sangria, Texto(catalogo, kTextoConsulta), ": ", RecortarDerecha(universidad)}),
      Unir({sangria, std::string(45, '_')}),
      "",
      Unir({sangria, RecortarDerecha(carreras[0]), std::string(16, ' '),
            Texto(catalogo, kTextoNotaCorte)}),
  };
  for (int d = 1; d <= datos.numCarreras; ++d) {
    for (const UniversidadNota& un : datos.Universidades(d)) {
      if (un.universidad != u) continue;
      // The whole name, its mark from column 45 or a blank after it.
      for (std::string& linea : LineasConCampo(Unir({sangria, RecortarDerecha(carreras[d])}),
                                               EscribirNota(un.nota), kColumnaNota))
        l.push_back(std::move(linea));
    }
  }
  return l;
}

std::vector<ParDoble> ParesValidos(const UniversidadDobles& entrada, int numCarreras) {
  std::vector<ParDoble> pares;
  const int n = std::clamp(entrada.numDetalles, 0, UniversidadDobles::kMaxDetalles);
  for (int i = 0; i < n; ++i) {
    const DetalleDoble& d = entrada.detalles[static_cast<std::size_t>(i)];
    if (!d.numero1 || !d.numero2) continue;
    const int a = *d.numero1;
    const int b = *d.numero2;
    if (a < 1 || a > numCarreras || b < 1 || b > numCarreras) continue;
    pares.push_back({a, b, d.tipo.value_or(0)});
  }
  return pares;
}

std::vector<int> CarrerasConDobles(const TablaDobles& dobles, int numCarreras) {
  std::vector<bool> marcada(static_cast<std::size_t>(std::max(numCarreras, 0)) + 1, false);
  for (int e = 1; e <= dobles.cuenta; ++e) {
    for (const ParDoble& p :
         ParesValidos(dobles.universidades[static_cast<std::size_t>(e)], numCarreras)) {
      marcada[static_cast<std::size_t>(p.a)] = true;
      marcada[static_cast<std::size_t>(p.b)] = true;
    }
  }
  std::vector<int> lista;
  for (int d = 1; d <= numCarreras; ++d) {
    if (marcada[static_cast<std::size_t>(d)]) lista.push_back(d);
  }
  return lista;
}

std::vector<int> EntradasDobles(const TablaDobles& dobles, int comunidad) {
  std::vector<int> lista;
  for (int e = 1; e <= dobles.cuenta; ++e) {
    if (dobles.universidades[static_cast<std::size_t>(e)].codigo == comunidad) lista.push_back(e);
  }
  return lista;
}

FilasLista DoblesDeCarrera(const TablaDobles& dobles, const TablaLinea& carreras, int numCarreras,
                           int c) {
  FilasLista r;
  r.filas.emplace_back();
  r.carreras.push_back(0);
  bool primera = true;
  for (int e = 1; e <= dobles.cuenta; ++e) {
    const UniversidadDobles& entrada = dobles.universidades[static_cast<std::size_t>(e)];
    bool cabecera = false;
    for (const ParDoble& p : ParesValidos(entrada, numCarreras)) {
      if (p.a != c && p.b != c) continue;
      if (!cabecera) {
        if (!primera) {
          r.filas.emplace_back();
          r.carreras.push_back(0);
        }
        r.cabeceras.push_back(static_cast<int>(r.filas.size()));
        r.filas.push_back(Unir({std::string(8, ' '), RecortarDerecha(entrada.nombre)}));
        r.carreras.push_back(0);
        cabecera = true;
        primera = false;
      }
      const int otra = p.a == c ? p.b : p.a;
      r.filas.push_back(Unir({" ", Cursos(p.cursos), " | ", Relleno(carreras[c], 20), "...+ ",
                              RecortarDerecha(carreras[otra])}));
      r.carreras.push_back(otra);
    }
  }
  return r;
}

FilasLista DoblesDeEntrada(const TablaDobles& dobles, const TablaLinea& carreras,
                           const CatalogoTextos& catalogo, int numCarreras, int e) {
  FilasLista r;
  if (e < 1 || e > dobles.cuenta) return r;
  for (const ParDoble& p :
       ParesValidos(dobles.universidades[static_cast<std::size_t>(e)], numCarreras)) {
    r.filas.push_back(RecortarDerecha(carreras[p.a]));
    r.carreras.push_back(p.a);
    r.filas.push_back(RecortarDerecha(carreras[p.b]));
    r.carreras.push_back(p.b);
    r.filas.push_back(Unir({Texto(catalogo, kTextoCursos), "  ", Cursos(p.cursos)}));
    r.carreras.push_back(0);
    r.filas.push_back("     -----     ");
    r.carreras.push_back(0);
  }
  return r;
}

std::vector<std::string> InformeDobles(const CatalogoTextos& catalogo,
                                       std::string_view nombreCentro, int textoElegido,
                                       std::string_view elegido, const FilasLista& filas) {
  const std::string sangria(4, ' ');
  std::vector<std::string> l = {
      Unir({sangria, nombreCentro}),
      "",
      Unir({std::string(14, ' '), Texto(catalogo, kTextoDobles)}),
      "",
      Unir({sangria, Texto(catalogo, textoElegido), ": ", RecortarDerecha(elegido)}),
      Unir({sangria, std::string(45, '_')}),
      "",
  };
  l.insert(l.end(), filas.filas.begin(), filas.filas.end());
  return l;
}

std::vector<std::string> DescripcionOtra(const TablaBloques& bloques, int k) {
  std::vector<std::string> filas;
  const int n = bloques.Disposicion().lineasGuardadas;
  auto blanca = [&](int linea) { return EsBlanco(Cortar(bloques.Linea(k, linea), 16)); };
  for (int linea = 1; linea <= n; ++linea) {
    if (linea < n && blanca(linea) && blanca(linea + 1)) break;
    filas.push_back(RecortarDerecha(bloques.Linea(k, linea)));
  }
  return filas;
}

std::vector<std::string> InformeOtra(const CatalogoTextos& catalogo, std::string_view nombreCentro,
                                     std::string_view carrera,
                                     const std::vector<std::string>& descripcion) {
  std::vector<std::string> l = {
      Unir({"  ", nombreCentro}),
      "  ",
      Unir({std::string(5, ' '), Texto(catalogo, kTextoCarrera), ": ", RecortarDerecha(carrera)}),
      Unir({std::string(5, ' '), std::string(52, '-')}),
      "  ",
  };
  l.insert(l.end(), descripcion.begin(), descripcion.end());
  return l;
}

}  // namespace sendaro
