#include "sections/professions/cuestionario_profesiones.h"

#include <algorithm>
#include <array>

#include "data/impresion/lineas_enteras.h"
#include "data/texto.h"

namespace sendaro::profesiones {
namespace {

// Windows-1252 bytes of the bullet and the ordinal sign.
constexpr std::string_view kVineta = "\x95 ";
constexpr std::string_view kPrimero = "1\xBA";
constexpr std::string_view kSegundo = "2\xBA";

constexpr std::array<int, 15> kIconos{2, 20, 9, 17, 16, 14, 1, 18, 15, 3, 0, 5, 11, 13, 12};

bool EsNinguno(const std::string& codigo) { return EsBlanco(codigo); }

const TablaLinea* TablaDeLetra(char letra, const TablasEstudios& tablas) {
  switch (letra) {
    case 'C':
      return tablas.carreras;
    case 'S':
      return tablas.fp;
    case 'M':
      return tablas.fp2;
    case 'O':
      return tablas.otros;
    default:
      return nullptr;
  }
}

int TextoDeLetra(char letra) {
  switch (letra) {
    case 'C':
      return textos::kUniversitarios;
    case 'S':
      return textos::kFPSuperior;
    case 'M':
      return textos::kFPMedio;
    default:
      return textos::kOtrosTitulos;
  }
}

// The kind of study named after a line of the printout.
std::string ClaseImpresa(char letra, const CatalogoTextos& catalogo) {
  switch (letra) {
    case 'C':
      return "T\xEDt. Univers.)";
    case 'S':
      return "T\xEDt. F.P. Sup.)";
    case 'M':
      return "T\xEDt. " + catalogo.Texto(textos::kFPMedio) + ")";
    default:
      return std::string(Cortar(catalogo.Texto(textos::kOtrosTitulos), 13)) + ".)";
  }
}

std::string Nombre(const DatosProfesiones& datos, int profesion) {
  return datos.profesiones[static_cast<std::size_t>(profesion)].nombre;
}

}  // namespace

int IconoFraseLarga(int fila) {
  if (fila < 0) return kIconos[0];
  return kIconos[static_cast<std::size_t>(fila) % kIconos.size()];
}

PasoFrase AvanzarFrase(int indice, int n, bool si) {
  PasoFrase paso;
  paso.indice = indice + 1;
  if (paso.indice > n) {
    paso.cerrar = true;
    return paso;
  }
  if (paso.indice == n) {
    paso.muestra = PasoFrase::Muestra::kCierre;
    paso.ocultarNo = true;
    if (si && n > 0) paso.elegirFila = n - 1;
    return paso;
  }
  if (paso.indice == -1) {
    paso.muestra = PasoFrase::Muestra::kIntroduccion;
    paso.ocultarNo = true;
    return paso;
  }
  paso.muestra = PasoFrase::Muestra::kFrase;
  if (si && paso.indice > 0) paso.elegirFila = paso.indice - 1;
  return paso;
}

std::string TextoCierre(const CatalogoTextos& catalogo, int elegidas) {
  if (elegidas >= 4)
    return catalogo.Texto(textos::kMasDeTres1) + " " + catalogo.Texto(textos::kMasDeTres2) + " " +
           catalogo.Texto(textos::kDespues);
  return catalogo.Texto(textos::kRevisa) + " " + catalogo.Texto(textos::kDespues);
}

bool EleccionValida(int elegidas) { return elegidas >= 1 && elegidas <= 3; }

std::vector<std::string> CodigosElegidos(const DatosProfesiones& datos,
                                         const std::vector<int>& filas) {
  std::vector<std::string> codigos;
  for (const int fila : filas) {
    if (fila < 0 || fila >= static_cast<int>(datos.frasesLargas.size())) continue;
    for (const std::string& codigo :
         datos.frasesLargas[static_cast<std::size_t>(fila)].actividades) {
      if (EsNinguno(codigo)) continue;
      if (std::find(codigos.begin(), codigos.end(), codigo) == codigos.end())
        codigos.push_back(codigo);
    }
  }
  return codigos;
}

std::vector<int> DerivarFrases(const DatosProfesiones& datos,
                               const std::vector<std::string>& codigos) {
  std::vector<int> lista;
  const auto agregar = [&](int frase) {
    if (datos.Corta(frase) == nullptr) return;
    if (std::find(lista.begin(), lista.end(), frase) == lista.end()) lista.push_back(frase);
  };
  const auto elegido = [&](const std::string& codigo) {
    return !EsNinguno(codigo) && std::find(codigos.begin(), codigos.end(), codigo) != codigos.end();
  };
  for (const bool porA : {true, false})
    for (const std::size_t k : {std::size_t{0}, std::size_t{1}})
      for (const Profesion& p : datos.profesiones)
        if (elegido(porA ? p.actividadA : p.actividadB)) agregar(p.frases[k]);
  return lista;
}

Paginas RepartirPaginas(const std::vector<int>& derivadas) {
  Paginas r;
  const int d = static_cast<int>(derivadas.size());
  if (d == 0) return r;
  r.frasesPorPagina = 4;
  r.numPaginas = (d + 3) / 4;
  if (r.numPaginas > 4) {
    r.numPaginas = 4;
    r.frasesPorPagina = (d + 3) / 4;
  }
  r.paginas.assign(static_cast<std::size_t>(r.numPaginas), {});
  std::size_t siguiente = 0;
  for (int s = 0; s < r.frasesPorPagina && siguiente < derivadas.size(); ++s)
    for (int p = 0; p < r.numPaginas && siguiente < derivadas.size(); ++p)
      r.paginas[static_cast<std::size_t>(p)].push_back(derivadas[siguiente++]);
  return r;
}

std::vector<int> LimitarEleccionPagina(std::vector<int> elegidas) {
  std::sort(elegidas.begin(), elegidas.end());
  elegidas.erase(std::unique(elegidas.begin(), elegidas.end()), elegidas.end());
  // A third choice drops the lowest one; more than three cannot come from
  // one click, but they are cut the same way.
  while (elegidas.size() > 2) elegidas.pop_back();
  return elegidas;
}

std::vector<int> ListaFinal(const Paginas& paginas, const std::vector<std::vector<int>>& elegidas) {
  std::vector<int> lista;
  for (std::size_t p = 0; p < paginas.paginas.size() && p < elegidas.size(); ++p) {
    std::vector<int> filas = elegidas[p];
    std::sort(filas.begin(), filas.end());
    for (const int fila : filas)
      if (fila >= 0 && fila < static_cast<int>(paginas.paginas[p].size()))
        lista.push_back(paginas.paginas[p][static_cast<std::size_t>(fila)]);
  }
  return lista;
}

std::vector<PuntosActividad> PuntuarActividades(const DatosProfesiones& datos,
                                                const std::vector<int>& listaFinal, int elegida) {
  std::vector<PuntosActividad> puntos;
  for (std::size_t a = 0; a < datos.actividades.size(); ++a) {
    const std::string& codigo = datos.actividades[a].codigo;
    PuntosActividad p{static_cast<int>(a), 0.0, {}};
    for (std::size_t j = 0; j < listaFinal.size(); ++j) {
      const FraseCorta* f = datos.Corta(listaFinal[j]);
      if (f == nullptr) continue;
      const bool marcada = static_cast<int>(j) == elegida;
      double fila = 0;
      if (f->actividadA == codigo) fila += marcada ? 2.5 : 1.0;
      if (!EsNinguno(f->actividadB) && f->actividadB == codigo) fila += marcada ? 1.25 : 0.5;
      if (fila == 0) continue;
      p.puntos += fila;
      p.aportaciones.push_back({listaFinal[j], RecortarDerecha(f->texto), {}, fila, 0, marcada});
    }
    if (p.puntos > 0) puntos.push_back(std::move(p));
  }
  std::stable_sort(
      puntos.begin(), puntos.end(),
      [](const PuntosActividad& x, const PuntosActividad& y) { return x.puntos > y.puntos; });
  return puntos;
}

std::vector<int> ProfesionesDeFrase(const DatosProfesiones& datos, int frase) {
  std::vector<int> lista;
  if (frase <= 0) return lista;
  std::vector<std::string> nombres;
  for (std::size_t i = 0; i < datos.profesiones.size(); ++i) {
    const Profesion& p = datos.profesiones[i];
    if (p.frases[0] != frase && p.frases[1] != frase) continue;
    if (std::find(nombres.begin(), nombres.end(), p.nombre) != nombres.end()) continue;
    nombres.push_back(p.nombre);
    lista.push_back(static_cast<int>(i));
  }
  return lista;
}

std::vector<int> ProfesionesDeActividad(const DatosProfesiones& datos, int actividad) {
  std::vector<int> lista;
  if (actividad < 0 || actividad >= static_cast<int>(datos.actividades.size())) return lista;
  const std::string& codigo = datos.actividades[static_cast<std::size_t>(actividad)].codigo;
  for (std::size_t i = 0; i < datos.profesiones.size(); ++i) {
    const Profesion& p = datos.profesiones[i];
    if (p.actividadA == codigo || p.actividadB == codigo) lista.push_back(static_cast<int>(i));
  }
  return lista;
}

std::vector<Estudio> EstudiosDeProfesion(const Profesion& profesion, const TablasEstudios& tablas) {
  std::vector<Estudio> estudios;
  for (const std::string& codigo : profesion.estudios) {
    if (codigo.empty()) break;
    const char letra = codigo[0];
    if (letra != 'C' && letra != 'S' && letra != 'M' && letra != 'O') break;
    const TablaLinea* tabla = TablaDeLetra(letra, tablas);
    const auto linea = NumeroDecimal(Columnas(codigo, 2, 3));
    if (tabla == nullptr || !linea || *linea < 1 || *linea > tabla->Cuenta()) continue;
    estudios.push_back({letra, RecortarDerecha(tabla->Linea(*linea))});
  }
  return estudios;
}

std::vector<LineaEstudios> LineasEstudios(const std::vector<Estudio>& estudios,
                                          const CatalogoTextos& catalogo) {
  std::vector<LineaEstudios> lineas;
  std::string vistas;
  for (const Estudio& e : estudios) {
    if (vistas.find(e.letra) == std::string::npos) {
      vistas.push_back(e.letra);
      lineas.push_back({"      " + catalogo.Texto(TextoDeLetra(e.letra)) + ":", true});
    }
    lineas.push_back({e.linea, false});
  }
  return lineas;
}

std::vector<std::string> FilasActividades(const DatosProfesiones& datos,
                                          const std::vector<PuntosActividad>& puntos,
                                          const CatalogoTextos& catalogo) {
  std::vector<std::string> filas{"         " + catalogo.Texto(textos::kActividadesAfines)};
  const std::array<std::string_view, 2> puestos{kPrimero, kSegundo};
  for (std::size_t i = 0; i < puntos.size() && i < 2; ++i)
    filas.push_back(std::string(puestos[i]) + " " +
                    datos.actividades[static_cast<std::size_t>(puntos[i].actividad)].nombre);
  return filas;
}

std::vector<std::string> FilasProfesiones(const DatosProfesiones& datos,
                                          const std::vector<int>& profesiones) {
  std::vector<std::string> filas{std::string()};
  for (const int p : profesiones) filas.push_back(std::string(kVineta) + Nombre(datos, p));
  return filas;
}

std::vector<std::string> FilasProfesionesActividad(const DatosProfesiones& datos, int actividad,
                                                   int puesto, const CatalogoTextos& catalogo) {
  std::vector<std::string> filas{"     " + catalogo.Texto(textos::kProfesionesDeActividad) + " " +
                                 std::string(puesto == 1 ? kPrimero : kSegundo)};
  for (const int p : ProfesionesDeActividad(datos, actividad))
    filas.push_back(std::string(kVineta) + Nombre(datos, p));
  return filas;
}

std::vector<ResultadoExplicado> ExplicarActividades(const DatosProfesiones& datos,
                                                    const std::vector<PuntosActividad>& puntos,
                                                    const CatalogoTextos& catalogo) {
  std::vector<ResultadoExplicado> r;
  for (std::size_t i = 0; i < puntos.size() && i < 2; ++i) {
    const PuntosActividad& p = puntos[i];
    ResultadoExplicado e;
    e.fila = static_cast<int>(i) + 1;
    e.nombre = RecortarDerecha(datos.actividades[static_cast<std::size_t>(p.actividad)].nombre);
    e.valor = p.puntos;
    e.aportaciones = p.aportaciones;
    e.lineas.push_back(e.nombre + " " + ConComaBreve(p.puntos) + ": " +
                       RecortarDerecha(catalogo.Texto(textos::kSenalanFrases)));
    for (const Aportacion& a : p.aportaciones) {
      e.lineas.push_back(Plantilla(
          RecortarDerecha(catalogo.Texto(a.elegida ? textos::kFraseElegida : textos::kFrasePuntos)),
          {a.texto, ConComaBreve(a.puntos)}));
    }
    r.push_back(std::move(e));
  }
  return r;
}

std::vector<ResultadoExplicado> ExplicarProfesiones(const DatosProfesiones& datos,
                                                    const std::vector<int>& profesiones, int frase,
                                                    const CatalogoTextos& catalogo) {
  std::vector<ResultadoExplicado> r;
  const FraseCorta* f = datos.Corta(frase);
  if (f == nullptr) return r;
  const std::string texto = RecortarDerecha(f->texto);
  for (std::size_t i = 0; i < profesiones.size(); ++i) {
    ResultadoExplicado e;
    e.fila = static_cast<int>(i) + 1;
    e.nombre = RecortarDerecha(Nombre(datos, profesiones[i]));
    e.aportaciones.push_back({frase, texto, {}, 0.0, 0, true});
    e.lineas.push_back(PrefijoResultado(e.nombre, std::nullopt) +
                       Plantilla(RecortarDerecha(catalogo.Texto(textos::kSaleDeFrase)), {texto}));
    r.push_back(std::move(e));
  }
  return r;
}

int InformeProfesiones(const DatosProfesiones& datos, const TablasEstudios& tablas,
                       const CatalogoTextos& catalogo, const Resultado& resultado,
                       const std::string& encabezado, BufferImpresion& buffer,
                       SeccionesImpresion& secciones) {
  buffer.Vaciar();
  secciones.Vaciar();
  buffer.Fijar(0, encabezado);
  int n = 0;
  // A line longer than the buffer keeps goes on several, so that no word is lost.
  const auto linea = [&](const std::string& texto, bool negrita = false) {
    for (const std::string& parte : LineasEnteras(texto)) {
      buffer.Fijar(++n, parte);
      if (negrita) secciones.Agregar(n);
    }
  };
  linea(catalogo.Texto(textos::kResultado), true);
  linea("");
  linea(catalogo.Texto(textos::kSegunRespuestas));
  linea(catalogo.Texto(textos::kProfesionesFrase), true);
  linea("");
  for (const int p : resultado.profesionesFrase) {
    linea(std::string(kVineta) + Nombre(datos, p), true);
    for (const Estudio& e :
         EstudiosDeProfesion(datos.profesiones[static_cast<std::size_t>(p)], tablas))
      linea("    " + e.linea + " (" + ClaseImpresa(e.letra, catalogo));
  }
  if (!resultado.puntos.empty()) {
    linea("");
    linea(catalogo.Texto(textos::kActividadesMasAfines), true);
    for (const std::string& fila : FilasActividades(datos, resultado.puntos, catalogo)) linea(fila);
    linea("");
    linea("     " + catalogo.Texto(textos::kProfesionesDeActividad) + " " + std::string(kPrimero) +
          ":");
    for (const int p : ProfesionesDeActividad(datos, resultado.puntos[0].actividad))
      linea("  " + std::string(kVineta) + Nombre(datos, p));
  }
  const LineasExplicacion porque = InformeExplicaciones(resultado.explicaciones, catalogo, n + 1);
  for (std::size_t i = 0; i < porque.lineas.size(); ++i) {
    const int numero = n + 1;
    buffer.Fijar(++n, porque.lineas[i]);
    if (std::find(porque.negritas.begin(), porque.negritas.end(), numero) != porque.negritas.end())
      secciones.Agregar(numero);
  }
  return n;
}

}  // namespace sendaro::profesiones
