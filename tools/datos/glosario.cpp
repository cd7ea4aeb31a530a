#include "glosario.h"

#include <algorithm>

namespace sendaro::datos {
namespace {

// Splits a line into its lead (blanks and an optional "- " bullet) and text.
std::pair<std::string_view, std::string_view> PartirVineta(std::string_view linea) {
  std::size_t i = linea.find_first_not_of(' ');
  if (i == std::string_view::npos) return {linea, {}};
  if (linea.substr(i, 2) == "- ") i = linea.find_first_not_of(' ', i + 2);
  if (i == std::string_view::npos) return {linea, {}};
  return {linea.substr(0, i), linea.substr(i)};
}

}  // namespace

std::string_view TextoSinVineta(std::string_view linea) { return PartirVineta(linea).second; }

Glosario LeerGlosario(std::string_view contenido, const std::string& nombre) {
  Glosario g;
  for (const auto& l : PartirLineas(contenido)) {
    const std::string linea = SinBlancosFinales(l.texto);
    if (EsComentario(linea) || SinBlancosAlrededor(linea).empty()) continue;
    const std::size_t igual = linea.find(" = ");
    if (igual == std::string::npos) {
      g.problemas.push_back({nombre, l.numero, "se esperaba \"texto en castellano = traducción\""});
      continue;
    }
    std::string es = SinBlancosAlrededor(std::string_view(linea).substr(0, igual));
    std::string t = SinBlancosAlrededor(std::string_view(linea).substr(igual + 3));
    if (es.empty() || t.empty()) {
      g.problemas.push_back({nombre, l.numero, "se esperaba \"texto en castellano = traducción\""});
      continue;
    }
    if (const auto it = g.entradas.find(es); it != g.entradas.end()) {
      if (it->second != t) {
        std::string que = "\"";
        que += es;
        que += "\" ya se traduce \"";
        que += it->second;
        que += "\" en la línea ";
        que += std::to_string(g.origen[es]);
        g.problemas.push_back({nombre, l.numero, std::move(que)});
      }
      continue;
    }
    g.origen.emplace(es, l.numero);
    g.entradas.emplace(std::move(es), std::move(t));
  }
  return g;
}

std::optional<std::string> TraducirLinea(const Glosario& glosario, std::string_view linea) {
  const auto [entrada, texto] = PartirVineta(linea);
  if (texto.empty()) return std::nullopt;
  const auto it = glosario.entradas.find(texto);
  if (it == glosario.entradas.end()) return std::nullopt;
  std::string r;
  r.reserve(entrada.size() + it->second.size());
  r.append(entrada).append(it->second);
  return r;
}

void AplicarGlosario(const Glosario& glosario, const LineasFichero& espanol, int tamano,
                     const std::string& fuente, LineasFichero& traducido) {
  if (tamano <= 0 || glosario.entradas.empty()) return;
  const auto bloque = static_cast<std::size_t>(tamano);
  const std::size_t bloques_es = espanol.lineas.size() / bloque;
  const std::size_t bloques_t = traducido.lineas.size() / bloque;

  // Consistency first, on the translator's own wording: a block with the
  // same lines as its Spanish block must give each known subject the
  // glossary's translation.
  for (std::size_t b = 0; b < std::min(bloques_es, bloques_t); ++b) {
    const auto contenido = [&](const std::vector<LineaFuente>& ls) {
      std::size_t n = 0;
      for (std::size_t i = 1; i < bloque; ++i) {
        if (!ls[b * bloque + i].texto.empty()) n = i;
      }
      return n;
    };
    if (contenido(espanol.lineas) != contenido(traducido.lineas)) continue;
    for (std::size_t i = 1; i < bloque; ++i) {
      const auto& es = espanol.lineas[b * bloque + i].texto;
      const auto& t = traducido.lineas[b * bloque + i];
      const auto it = glosario.entradas.find(TextoSinVineta(es));
      if (it == glosario.entradas.end() || TextoSinVineta(t.texto) == TextoSinVineta(es)) continue;
      if (TextoSinVineta(t.texto) != it->second) {
        std::string que = "\"";
        que += TextoSinVineta(t.texto);
        que += "\" traduce \"";
        que += it->first;
        que += "\", que el glosario traduce \"";
        que += it->second;
        que += "\"";
        traducido.problemas.push_back({fuente, t.numero, std::move(que)});
      }
    }
  }

  // Lines left in Spanish that the glossary knows.
  for (auto& l : traducido.lineas) {
    if (auto t = TraducirLinea(glosario, l.texto)) l.texto = std::move(*t);
  }
  // Blocks the translation has not reached yet.
  for (std::size_t i = bloques_t * bloque; i < bloques_es * bloque; ++i) {
    LineaFuente l = espanol.lineas[i];
    if (auto t = TraducirLinea(glosario, l.texto)) l.texto = std::move(*t);
    l.numero = 0;
    traducido.lineas.push_back(std::move(l));
  }
}

}  // namespace sendaro::datos
