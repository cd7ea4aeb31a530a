#include "sections/itineraries/cuestionario.h"

#include <algorithm>
#include <map>

namespace sendaro {

namespace {

int Digito(std::string_view linea, std::size_t columna) {
  if (columna >= linea.size()) return 0;
  const char c = linea[columna];
  return c >= '0' && c <= '9' ? c - '0' : 0;
}

// Answers of each type: how many, their catalogue texts, their stars.
struct TipoRespuesta {
  int respuestas;
  std::array<int, 5> textos;
  std::array<std::string_view, 5> marcas;
};

const TipoRespuesta* BuscarTipo(int tipo) {
  static const TipoRespuesta kTipos[] = {
      {2, {140, 141, 0, 0, 0}, {"", "***", "", "", ""}},
      {4, {136, 137, 138, 139, 0}, {"", "*", "**", "***", ""}},
      {4, {132, 133, 134, 135, 0}, {"", "*", "**", "***", ""}},
      {5, {127, 128, 129, 130, 131}, {"", "*", "*", "**", "***"}},
  };
  if (tipo < 2 || tipo > 5) return nullptr;
  return &kTipos[tipo - 2];
}

std::size_t Indice(int i) { return static_cast<std::size_t>(i); }

}  // namespace

Pregunta LeerPregunta(std::string_view linea) {
  Pregunta p;
  p.peso = Digito(linea, 0);
  p.tipo = Digito(linea, 1);
  if (linea.size() > 2) p.texto = std::string(linea.substr(2, 48));
  return p;
}

int SiguienteRespuesta(int tipo, int respuesta) {
  const TipoRespuesta* t = BuscarTipo(tipo);
  if (t == nullptr) return 1;
  return respuesta >= 1 && respuesta < t->respuestas ? respuesta + 1 : 1;
}

int TextoRespuesta(int tipo, int respuesta) {
  const TipoRespuesta* t = BuscarTipo(tipo);
  if (t == nullptr || respuesta < 1 || respuesta > t->respuestas) return 0;
  return t->textos[Indice(respuesta - 1)];
}

std::string_view MarcasRespuesta(int tipo, int respuesta) {
  const TipoRespuesta* t = BuscarTipo(tipo);
  if (t == nullptr || respuesta < 1 || respuesta > t->respuestas) return {};
  return t->marcas[Indice(respuesta - 1)];
}

Cuestionario::Cuestionario(const TablaLinea& preguntas)
    : preguntas_(preguntas),
      total_(std::clamp(preguntas.Cuenta(), 0, kMaxPreguntas)),
      respuesta_(kMaxPreguntas + 1, 1),
      tipo_(kMaxPreguntas + 1, 0),
      peso_(kMaxPreguntas + 1, 0),
      texto_(kMaxPreguntas + 1) {}

int Cuestionario::Respuesta(int i) const {
  return i >= 1 && i <= kMaxPreguntas ? respuesta_[Indice(i)] : 0;
}
int Cuestionario::Tipo(int i) const { return i >= 1 && i <= kMaxPreguntas ? tipo_[Indice(i)] : 0; }
int Cuestionario::Peso(int i) const { return i >= 1 && i <= kMaxPreguntas ? peso_[Indice(i)] : 0; }
const std::string& Cuestionario::Texto(int i) const {
  static const std::string vacio;
  return i >= 1 && i <= kMaxPreguntas ? texto_[Indice(i)] : vacio;
}

void Cuestionario::Empezar(bool dosEtapas) {
  CuesActivo = true;
  CuesCurso = 4;
  CuesPrimeraParte = kPreguntasPrimeraParte;
  CuesAprobado = false;
  CuesModoCorto = dosEtapas;
  CuesNumPreguntas = dosEtapas ? std::min(kPreguntasPrimeraParte, total_) : total_;
}

void Cuestionario::Reiniciar(bool empezarDeNuevo) {
  if (empezarDeNuevo) {
    CuesTerminado = false;
    CuesCargado = false;
    CuesSegundaOportunidad = true;
  } else {
    CuesNumPreguntas = total_;
    CuesModoCorto = false;
  }
}

void Cuestionario::Cargar(int desde, int hasta) {
  for (int i = desde; i <= hasta; ++i) {
    const Pregunta p = LeerPregunta(preguntas_.Linea(i));
    tipo_[Indice(i)] = p.tipo;
    peso_[Indice(i)] = p.peso;
    texto_[Indice(i)] = p.texto;
    respuesta_[Indice(i)] = 1;
  }
  cargadasHasta_ = std::max(cargadasHasta_, hasta);
}

AperturaCuestionario Cuestionario::Abrir() {
  CuesResulVisibles = false;
  AperturaCuestionario a;
  a.ayuda = CuesAprobado ? 30 : 31;
  a.filas = CuesNumPreguntas;
  if (!CuesCargado) {
    CuesCargado = true;
    a.primeraCarga = true;
    if (CuesAprobado) {
      // The second part: the first part's answers stay.
      a.desde = kPreguntasPrimeraParte + 1;
      if (CuesNumPreguntas >= a.desde) a.filaArriba = a.desde;
    } else {
      cargadasHasta_ = 0;
      a.desde = 1;
    }
    a.hasta = CuesNumPreguntas;
  } else if (cargadasHasta_ < CuesNumPreguntas) {
    // A finished first stage reopened whole: the rows it never showed come
    // in fresh, never with another run's answers.
    a.desde = cargadasHasta_ + 1;
    a.hasta = CuesNumPreguntas;
  }
  if (a.hasta >= a.desde) Cargar(a.desde, a.hasta);
  return a;
}

std::optional<int> Cuestionario::Responder(int fila) {
  if (fila < 1 || fila > CuesNumPreguntas || fila > cargadasHasta_) return std::nullopt;
  int& r = respuesta_[Indice(fila)];
  r = SiguienteRespuesta(tipo_[Indice(fila)], r);
  return r;
}

void Cuestionario::FijarRespuesta(int fila, int respuesta) {
  if (fila < 1 || fila > kMaxPreguntas) return;
  respuesta_[Indice(fila)] = std::clamp(respuesta, 1, 5);
}

bool Cuestionario::Continuar() {
  if (CuesAprobado) {
    CuesTerminado = false;
    CuesCargado = false;
    CuesModoCorto = false;
    CuesNumPreguntas = total_;
    return true;
  }
  Terminar();
  return false;
}

void Cuestionario::Terminar() {
  CuesActivo = false;
  CuesTerminado = true;
  CuesResulVisibles = false;
}

std::optional<LineasAyudaItinerarios> TemaAyudaItinerarios(int tema) {
  static const std::map<int, LineasAyudaItinerarios> kTemas = {
      {1, {0, 185, 186, 187, 0, 0, 0, 0}},
      {9, {192, 193, 194, 195, 196, 0, 197, 198}},
      {12, {245, 246, 0, 0, 0, 0, 197, 198}},
      {13, {247, 0, 0, 0, 0, 0, 0, 0}},
      {14, {0, 248, 0, 0, 0, 0, 0, 0}},
      {15, {0, 249, 250, 0, 0, 0, 197, 198}},
      {16, {0, 251, 0, 0, 0, 0, 0, 0}},
      {17, {255, 256, 257, 0, 0, 0, 197, 198}},
      {19, {258, 259, 0, 0, 0, 0, 0, 0}},
      {20, {22, 23, 24, 25, 26, 27, 28, 0}},
      {22, {260, 261, 262, 0, 0, 0, 0, 0}},
      {30, {203, 204, 205, 206, 211, 212, 0, 0}},
      {31, {207, 208, 209, 210, 211, 212, 0, 0}},
      {32, {213, 214, 215, 216, 217, 218, 219, 220}},
      {33, {232, 233, 234, 235, 236, 237, 238, 239}},
  };
  const auto it = kTemas.find(tema);
  if (it == kTemas.end()) return std::nullopt;
  return it->second;
}

}  // namespace sendaro
