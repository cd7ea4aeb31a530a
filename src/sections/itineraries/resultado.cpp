#include "sections/itineraries/resultado.h"

#include <algorithm>
#include <numeric>

#include "data/disposiciones.h"
#include "data/impresion/lineas_enteras.h"
#include "data/texto.h"

namespace sendaro {

namespace {

std::size_t Indice(int i) { return static_cast<std::size_t>(i); }

// Maximum and points of answers 1..5 (type 2 uses answers 1 and 2 with 0 and
// the maximum).
struct ClasePeso {
  int peso;
  int maximo;
  std::array<int, 5> puntos;
};

constexpr ClasePeso kClases[] = {
    {2, 3, {0, 1, 2, 3, 0}},   {3, 5, {0, 1, 3, 5, 0}},     {4, 7, {0, 2, 5, 7, 0}},
    {5, 10, {0, 4, 7, 10, 0}}, {8, 20, {0, 5, 10, 15, 20}}, {9, 30, {0, 8, 16, 23, 30}},
};
// Any other class: maximum 7, never any points.
constexpr int kMaximoSinClase = 7;

const ClasePeso* BuscarClase(int peso) {
  for (const ClasePeso& c : kClases) {
    if (c.peso == peso) return &c;
  }
  return nullptr;
}

// A line of "ITINERAR" without its trailing blanks, cut first to `n`.
std::string Linea(const TablaLinea& t, int n, int corte = 0) {
  std::string_view l = t.Linea(n);
  if (corte > 0) l = Cortar(l, corte);
  return RecortarDerecha(l);
}

std::string Texto(const CatalogoTextos& c, int n) { return RecortarDerecha(c.Texto(n)); }

// An answer's words as the grid shows them (12 characters).
std::string Linea0(const CatalogoTextos& c, int n) {
  return RecortarDerecha(Cortar(c.Texto(n), 12));
}

// A mark's explanation: the points of the questions that count for it, then
// the questions that gave points, gathered by the words of their answer.
ResultadoExplicado ExplicarNota(int fila, std::string nombre, int decimas, const Suma& suma,
                                int preguntas, std::vector<Aportacion> aportaciones,
                                const CatalogoTextos& t) {
  namespace tx = textos_resultado;
  ResultadoExplicado e;
  e.fila = fila;
  e.nombre = std::move(nombre);
  e.valor = decimas / 10.0;
  e.lineas.push_back(PrefijoResultado(e.nombre, e.valor) +
                     Plantilla(Texto(t, tx::kPuntosPosibles),
                               {std::to_string(suma.puntos), std::to_string(suma.maximo),
                                std::to_string(preguntas)}));
  std::vector<std::string> palabras;
  for (const Aportacion& a : aportaciones) {
    if (std::find(palabras.begin(), palabras.end(), a.respuesta) == palabras.end())
      palabras.push_back(a.respuesta);
  }
  for (const std::string& p : palabras) {
    std::vector<int> numeros;
    double puntos = 0;
    for (const Aportacion& a : aportaciones) {
      if (a.respuesta != p) continue;
      numeros.push_back(a.numero);
      puntos += a.puntos;
    }
    e.lineas.push_back(Plantilla(Texto(t, numeros.size() == 1 ? tx::kPregunta : tx::kPreguntas),
                                 {EnumerarNumeros(numeros, t), p, ConComaBreve(puntos)}));
  }
  if (aportaciones.empty()) e.lineas.push_back(Texto(t, tx::kNingunaPuntua));
  e.aportaciones = std::move(aportaciones);
  return e;
}

// How many of the questions fall in desde..hasta.
int Contadas(const std::vector<int>& preguntas, int desde, int hasta) {
  return static_cast<int>(std::count_if(preguntas.begin(), preguntas.end(),
                                        [&](int q) { return q >= desde && q <= hasta; }));
}

const std::string kRaya(56, '_');

// The first 45 characters of the area's line, blank-padded, and its mark.
std::string LineaArea(const TablaLinea& itinerar, int area, int decimas) {
  std::string nombre(Cortar(itinerar.Linea(area), 45));
  nombre.resize(45, ' ');
  return nombre + NotaTexto(decimas);
}

// Areas 1..13 ordered by a mark, highest first; equal marks keep area order.
std::array<int, kAreasInteres + 1> Ordenar(const std::array<int, kAreasCalificadas + 1>& notas) {
  std::array<int, kAreasInteres + 1> orden{};
  std::iota(orden.begin() + 1, orden.end(), 1);
  std::stable_sort(orden.begin() + 1, orden.end(),
                   [&notas](int a, int b) { return notas[Indice(a)] > notas[Indice(b)]; });
  return orden;
}

// "ITINERAR" lines of advice for the weak first-part areas 14..19.
struct Consejo {
  int desde;
  int hasta;
};
constexpr Consejo kConsejos[] = {{35, 36}, {37, 39}, {40, 41}, {42, 43}, {44, 45}, {46, 47}};

}  // namespace

int Puntos(int peso, int tipo, int respuesta) {
  const ClasePeso* c = BuscarClase(peso);
  if (c == nullptr || respuesta < 1 || respuesta > 5) return 0;
  if (tipo == 2) return respuesta == 2 ? c->maximo : 0;
  return c->puntos[Indice(respuesta - 1)];
}

int Maximo(int peso) {
  const ClasePeso* c = BuscarClase(peso);
  return c != nullptr ? c->maximo : kMaximoSinClase;
}

std::optional<int> Decimas(int puntos, int maximo) {
  if (maximo <= 0) return std::nullopt;
  // 100 x puntos / maximo, rounded half up, in whole numbers: exact.
  const long long n = 200LL * puntos + maximo;
  return static_cast<int>(n / (2LL * maximo));
}

std::string NotaTexto(int decimas) {
  const int d = std::max(0, decimas);
  std::string t = std::to_string(d / 10) + "." + std::to_string(d % 10);
  if (t.size() < 4) t.insert(0, 4 - t.size(), ' ');
  return t;
}

AreasCuestionario AreasDe(const RegistrosFilas& datitine, int cuesTotal, int cuentaTitulos) {
  AreasCuestionario a;
  const auto lista = [&datitine](int registro, int area, int tope) {
    std::vector<int> numeros;
    if (datitine.Byte(registro, area, 0) > registros::kMaxLista) return numeros;
    for (const int n : datitine.Lista(registro, area, 0, registros::kMaxLista)) {
      if (n >= 1 && n <= tope) numeros.push_back(n);
    }
    return numeros;
  };
  for (int k = 1; k <= kAreasCalificadas; ++k) {
    a.preguntas[Indice(k)] = lista(registros::kRegistroPreguntas, k, cuesTotal);
  }
  for (int k = 1; k <= kAreasInteres; ++k) {
    a.titulos[Indice(k)] = lista(registros::kRegistroTitulos, k, cuentaTitulos);
  }
  return a;
}

Suma SumaArea(const Cuestionario& c, const std::vector<int>& preguntas, int desde, int hasta) {
  Suma s;
  for (const int q : preguntas) {
    if (q < desde || q > hasta) continue;
    s.puntos += Puntos(c.Peso(q), c.Tipo(q), c.Respuesta(q));
    s.maximo += Maximo(c.Peso(q));
  }
  return s;
}

std::vector<Aportacion> AportacionesArea(const Cuestionario& c, const std::vector<int>& preguntas,
                                         int desde, int hasta, const CatalogoTextos& catalogo) {
  std::vector<Aportacion> a;
  for (const int q : preguntas) {
    if (q < desde || q > hasta) continue;
    const int puntos = Puntos(c.Peso(q), c.Tipo(q), c.Respuesta(q));
    if (puntos <= 0) continue;
    const int texto = TextoRespuesta(c.Tipo(q), c.Respuesta(q));
    std::string palabras = texto != 0 ? Linea0(catalogo, texto) : std::string();
    a.push_back({q, RecortarDerecha(c.Texto(q)), std::move(palabras), static_cast<double>(puntos),
                 0, false});
  }
  return a;
}

int NotaPrimeraParte(const Cuestionario& c) {
  Suma s;
  const int hasta = std::min(c.CuesPrimeraParte, c.CuesNumPreguntas);
  for (int i = 1; i <= hasta; ++i) {
    s.puntos += Puntos(c.Peso(i), c.Tipo(i), c.Respuesta(i));
    s.maximo += Maximo(c.Peso(i));
  }
  return Decimas(s.puntos, s.maximo).value_or(0);
}

ResultadoPrimeraEtapa PrimeraEtapa(const Cuestionario& c, const AreasCuestionario& areas,
                                   const FuentesResultado& f, bool segundaOportunidad) {
  ResultadoPrimeraEtapa r;
  r.nota = NotaPrimeraParte(c);
  for (int k = kPrimeraAreaPrimeraParte; k <= kUltimaAreaPrimeraParte && !r.areaFloja; ++k) {
    const Suma s = SumaArea(c, areas.preguntas[Indice(k)], 1, c.CuesNumPreguntas);
    const std::optional<int> nota = Decimas(s.puntos, s.maximo);
    r.areaFloja = nota && *nota < 60;
  }

  int a = 0, b = 0, cc = 0, d = 0, e = 0;
  bool continuar = true;
  if (r.nota > 60) {
    a = 142, b = 143, e = 201;
  } else if (r.nota >= 50) {
    a = 144, b = r.areaFloja ? 145 : 0, e = 201;
  } else if (r.nota >= 44 && segundaOportunidad) {
    a = 146, b = 147, cc = 148, d = 149;
    continuar = false;
    r.usaSegundaOportunidad = true;
  } else {
    a = 150, b = 151, e = 202;
  }
  r.aprobado = r.nota >= 50;

  const CatalogoTextos& t = f.catalogo;
  const auto texto = [&t](int n) { return n != 0 ? Texto(t, n) : std::string(); };
  r.lineas = {std::string(7, ' ') + Linea(f.itinerar, 21, 35),
              "",
              Texto(t, 124),
              texto(a),
              texto(b),
              texto(cc),
              texto(d),
              "",
              "",
              "",
              "",
              continuar ? "   " + Texto(t, 125) : std::string(),
              texto(e)};
  return r;
}

std::string Recomendacion(const TablaLinea& itinerar, int area) {
  // "ITINERAR" line of each area's modality; area 5 joins two.
  static constexpr int kLinea[kAreasInteres + 1] = {0,  26, 22, 26, 25, 0,  24,
                                                    24, 23, 23, 24, 25, 25, 27};
  if (area < 1 || area > kAreasInteres) return {};
  if (area == 5) return Linea(itinerar, 24, 35) + " o " + Linea(itinerar, 23, 35);
  return Linea(itinerar, kLinea[area], 35);
}

namespace {

// The explanations of the whole result's marks and recommendations.
void Explicar(ResultadoCompleto& r, const Cuestionario& c, const AreasCuestionario& areas,
              const FuentesResultado& f) {
  const CatalogoTextos& t = f.catalogo;
  const int n = c.CuesNumPreguntas;
  std::vector<int> primera;
  for (int q = 1; q <= std::min(c.CuesPrimeraParte, n); ++q) primera.push_back(q);
  const int hasta = std::min(c.CuesPrimeraParte, n);
  // The mark's caption ends in a colon of its own.
  std::string marca = Texto(t, 152);
  while (!marca.empty() && (marca.back() == ':' || marca.back() == ' ')) marca.pop_back();
  r.explicaciones.push_back(ExplicarNota(6, marca, r.nota, SumaArea(c, primera, 1, hasta),
                                         Contadas(primera, 1, hasta),
                                         AportacionesArea(c, primera, 1, hasta, t), t));

  const auto nombre = [&f](int area) { return Linea(f.itinerar, area, 45); };
  const std::string r1 = Recomendacion(f.itinerar, r.a1);
  const std::string texto2 = Recomendacion(f.itinerar, r.a2);
  const auto recomendacion = [&](int fila, const std::string& texto, int plantilla, int area,
                                 int decimas) {
    ResultadoExplicado e;
    e.fila = fila;
    e.nombre = texto;
    e.lineas.push_back(PrefijoResultado(texto, std::nullopt) +
                       Plantilla(Texto(t, plantilla), {nombre(area), ConComa(decimas / 10.0)}));
    r.explicaciones.push_back(std::move(e));
  };
  recomendacion(10, r1, textos_resultado::kPorMejorArea, r.a1, r.notaArea[Indice(r.a1)]);
  if (!(r.a1 == 5 || texto2 == r1)) {
    recomendacion(11, Texto(t, 123) + " " + texto2, textos_resultado::kPorSegundaParte, r.a2,
                  r.notaSegunda[Indice(r.a2)]);
  }

  const auto area = [&](int fila, int k, int desde, int decimas) {
    const std::vector<int>& preguntas = areas.preguntas[Indice(k)];
    r.explicaciones.push_back(ExplicarNota(fila, nombre(k), decimas,
                                           SumaArea(c, preguntas, desde, n),
                                           Contadas(preguntas, desde, n),
                                           AportacionesArea(c, preguntas, desde, n, t), t));
  };
  for (int i = 1; i <= 6; ++i) {
    const int k = r.ordenAreas[Indice(i)];
    area(16 + i, k, 1, r.notaArea[Indice(k)]);
  }
  for (int i = 1; i <= 2; ++i) {
    const int k = r.ordenSegunda[Indice(i)];
    area(24 + i, k, kPreguntasPrimeraParte + 1, r.notaSegunda[Indice(k)]);
  }
}

}  // namespace

ResultadoCompleto ResultadoEntero(const Cuestionario& c, const AreasCuestionario& areas,
                                  const FuentesResultado& f) {
  ResultadoCompleto r;
  r.nota = NotaPrimeraParte(c);
  for (int k = 1; k <= kAreasCalificadas; ++k) {
    const std::vector<int>& preguntas = areas.preguntas[Indice(k)];
    const Suma s = SumaArea(c, preguntas, 1, c.CuesNumPreguntas);
    const Suma s2 = SumaArea(c, preguntas, kPreguntasPrimeraParte + 1, c.CuesNumPreguntas);
    const std::optional<int> nota = Decimas(s.puntos, s.maximo);
    r.notaArea[Indice(k)] = nota.value_or(0);
    r.notaSegunda[Indice(k)] = Decimas(s2.puntos, s2.maximo).value_or(0);
    r.floja[Indice(k)] =
        k >= kPrimeraAreaPrimeraParte && k <= kUltimaAreaPrimeraParte && nota && *nota < 60;
  }
  r.ordenAreas = Ordenar(r.notaArea);
  r.ordenSegunda = Ordenar(r.notaSegunda);
  r.a1 = r.ordenAreas[1];
  r.a2 = r.ordenSegunda[1];

  const TablaLinea& it = f.itinerar;
  const CatalogoTextos& t = f.catalogo;
  const std::string r1 = Recomendacion(it, r.a1);
  const std::string texto2 = Recomendacion(it, r.a2);
  const std::string r2 = r.a1 == 5 || texto2 == r1 ? std::string() : Texto(t, 123) + " " + texto2;
  const bool aprobado = r.nota >= 50;

  std::vector<std::string>& l = r.lineas;
  l = {std::string(7, ' ') + Linea(it, 21, 35),
       "",
       Texto(t, 124),
       Texto(t, aprobado ? 142 : 146),
       Texto(t, aprobado ? 143 : 147),
       Texto(t, 152) + " " + NotaTexto(r.nota),
       kRaya,
       "",
       Texto(t, 153),
       RecortarDerecha(std::string(6, ' ') + r1),
       RecortarDerecha(std::string(6, ' ') + r2),
       kRaya,
       "",
       std::string(8, ' ') + Linea(it, 30),
       Linea(it, 33) + std::string(9, ' ') + Linea(it, 32),
       "  " + Texto(t, 240)};
  for (int i = 1; i <= 6; ++i) {
    const int area = r.ordenAreas[Indice(i)];
    l.push_back(LineaArea(it, area, r.notaArea[Indice(area)]));
  }
  l.push_back("");
  l.push_back("  " + Texto(t, 341));
  for (int i = 1; i <= 2; ++i) {
    const int area = r.ordenSegunda[Indice(i)];
    l.push_back(LineaArea(it, area, r.notaSegunda[Indice(area)]));
  }
  l.push_back(kRaya);
  l.push_back("");
  l.push_back(Linea(it, 34));
  l.push_back("");
  bool consejo = false;
  for (int k = kPrimeraAreaPrimeraParte; k <= kUltimaAreaPrimeraParte; ++k) {
    if (!r.floja[Indice(k)]) continue;
    consejo = true;
    const Consejo& c2 = kConsejos[k - kPrimeraAreaPrimeraParte];
    for (int n = c2.desde; n <= c2.hasta; ++n) l.push_back(Linea(it, n));
  }
  if (!consejo) {
    l.push_back(Linea(it, 48));
    l.push_back(Linea(it, 49));
  }
  for (const std::string& fin :
       {std::string(), Linea(it, 50), std::string(), Linea(it, 51), Linea(it, 52)}) {
    l.push_back(fin);
  }
  for (std::string& linea : l) linea = RecortarDerecha(Cortar(linea, TablaLinea::kLimiteNormal));
  // Result lines 1, 10, 14 and 29, one further down in the print buffer.
  r.negritas = {2, 11, 15, 30};
  Explicar(r, c, areas, f);
  return r;
}

const ResultadoExplicado* ExplicacionDeLinea(const ResultadoCompleto& r, int linea) {
  for (const ResultadoExplicado& e : r.explicaciones) {
    if (e.fila == linea) return &e;
  }
  return nullptr;
}

ResultadoImpreso ResultadoConExplicaciones(const ResultadoCompleto& r,
                                           const CatalogoTextos& catalogo) {
  ResultadoImpreso i{r.lineas, r.negritas};
  // Result line n is print buffer line n + 1.
  const LineasExplicacion porque =
      InformeExplicaciones(r.explicaciones, catalogo, static_cast<int>(r.lineas.size()) + 2);
  i.lineas.insert(i.lineas.end(), porque.lineas.begin(), porque.lineas.end());
  i.negritas.insert(i.negritas.end(), porque.negritas.begin(), porque.negritas.end());
  return i;
}

int AreaDeLinea(const ResultadoCompleto& r, int linea) {
  if (linea < 17 || linea > 22) return 0;
  return r.ordenAreas[Indice(linea - 16)];
}

std::vector<std::string> LineasTitulosArea(int area, const AreasCuestionario& areas,
                                           const TablaLinea& titulos, const FuentesResultado& f) {
  std::vector<std::string> l;
  if (area < 1 || area > kAreasInteres) return l;
  const CatalogoTextos& t = f.catalogo;
  l.push_back(std::string(13, ' ') + Texto(t, 48));
  l.push_back("   " + Linea(f.itinerar, area));
  if (area != 11 && area != 12) {
    l.push_back("");
    l.push_back("- " + Texto(t, 80));
    l.push_back("");
  }
  bool cabecera = false;
  for (const int titulo : areas.titulos[Indice(area)]) {
    if (titulo >= kPrimerTituloUniversitario && !cabecera) {
      cabecera = true;
      l.push_back("");
      l.push_back("- " + Texto(t, 84) + " " + Texto(t, 46));
      l.push_back("");
    }
    l.push_back(RecortarDerecha(titulos.Linea(titulo)));
  }
  return l;
}

std::vector<std::string> ImpresionTitulos(std::string_view nombreCentro,
                                          const std::vector<std::string>& lineas) {
  std::vector<std::string> l = {std::string(10, ' ') + RecortarDerecha(nombreCentro), "",
                                std::string(60, '-'), ""};
  for (const std::string& linea : lineas) {
    for (std::string& parte : LineasEnteras(linea)) l.push_back(std::move(parte));
  }
  return l;
}

std::string EncabezadoAlumno(std::string_view nombre, int curso, const CatalogoTextos& catalogo) {
  std::string e = RecortarDerecha(Cortar(nombre, kLongitudEncabezado)) + "  -  " +
                  std::to_string(curso) + Texto(catalogo, 342);
  return std::string(Cortar(e, kLongitudEncabezado));
}

std::vector<std::string> InformeResultado(std::string_view encabezado,
                                          const std::vector<std::string>& lineas) {
  std::vector<std::string> l = {std::string(encabezado), ""};
  l.insert(l.end(), lineas.begin(), lineas.end());
  return l;
}

std::string NombreGuardado(std::string_view encabezado) {
  std::string n;
  for (const char ch : encabezado) {
    if (std::string_view("/\\:*?\"<>|").find(ch) != std::string_view::npos) continue;
    if (static_cast<unsigned char>(ch) < 32) continue;
    n.push_back(ch);
  }
  const std::size_t inicio = n.find_first_not_of(". ");
  n = inicio == std::string::npos ? std::string() : n.substr(inicio);
  n = RecortarDerecha(Cortar(n, 100));
  if (n.empty()) n = "resultado";
  return n + ".TXT";
}

}  // namespace sendaro
