// Finding any study, profession or place by words: an index over the names
// the tables hold (degrees, new degrees, arts studies, higher and middle
// vocational titles, initial programmes, certificates, professions,
// universities, centres and towns), on the Windows-1252 texts the readers
// give.
//
// Texts and queries are folded the same way: case and accents go, "ç" reads
// as "c", "ñ" as "n", and a Catalan "l·l" is one word ("col·legi" is found by
// "collegi") whose halves are words too ("col legi"). A query matches an
// element when each of its words begins one of the element's words, in any
// order.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "data/entorno.h"
#include "data/tabla_linea.h"

namespace sendaro {

struct TablasDatos;

// What an element is, in the order results are grouped.
enum class ClaseBusqueda : std::uint8_t {
  kCarrera,         // a degree: line of "CARRERA"
  kCarreraNueva,    // a new degree: line of "carreran" (without its category digit)
  kArte,            // an arts study: line of its field's file, field 1..4 in `grupo`
  kTituloSuperior,  // a higher vocational title: line of "FP"
  kTituloMedio,     // a middle vocational title: line of "FP2"
  kPrograma,        // an initial programme: its number in the programme list
  kCertificado,     // a certificate: its number in the certificate list
  kProfesion,       // a profession: its number in "profesio", from 1
  kUniversidad,     // a university: line of "LUGAR"
  kCentro,          // a centre: line of "LU<grupo>"
  kLocalidad,       // a town: the line of its first centre in "LU<grupo>"
};
inline constexpr int kClasesBusqueda = static_cast<int>(ClaseBusqueda::kLocalidad) + 1;

struct ElementoBusqueda {
  ClaseBusqueda clase = ClaseBusqueda::kCarrera;
  int linea = 0;
  int grupo = 0;      // centres and towns: the centre file 1..4; arts: the field 1..4
  std::string texto;  // the name as shown, Windows-1252
  std::string lugar;  // centres: their town
};

// The folded words of a text, in order (a Catalan "l·l" word is followed by
// its two halves).
std::vector<std::string> PalabrasBusqueda(std::string_view texto);

class IndiceBusqueda {
 public:
  // Elements are kept in the order they are added: add them grouped by
  // class, in class order, and results come out grouped the same way.
  void Anadir(ElementoBusqueda elemento);
  // Sorts the words; call once after the last Anadir.
  void Terminar();

  // The elements matching every word of the query, in the order added. A
  // query without words finds nothing.
  std::vector<int> Buscar(std::string_view consulta) const;

  int Cuenta() const { return static_cast<int>(elementos_.size()); }
  const ElementoBusqueda& Elemento(int n) const { return elementos_[static_cast<std::size_t>(n)]; }

 private:
  struct Palabra {
    std::string texto;
    std::uint32_t elemento;
  };
  std::vector<ElementoBusqueda> elementos_;
  std::vector<Palabra> palabras_;
};

// The arts fields' files (plastic arts, music, dance, drama), as the arts
// screen reads them; a missing one is left empty, silently.
std::array<TablaLinea, 4> LeerArtesBusqueda(const Instalacion& instalacion);

// The whole index from the tables start-up has read and the arts files.
IndiceBusqueda ConstruirIndiceBusqueda(const TablasDatos& tablas,
                                       const std::array<TablaLinea, 4>& artes);

// The index built on a thread of its own: the program starts it once the
// hall has painted (the tables are complete and only read from then on), and
// the search asks for it as the student types.
class IndiceEnFondo {
 public:
  IndiceEnFondo() = default;
  IndiceEnFondo(const IndiceEnFondo&) = delete;
  IndiceEnFondo& operator=(const IndiceEnFondo&) = delete;

  // Starts building from `tablas`, which must outlive this object; once only.
  void Iniciar(const TablasDatos& tablas, Instalacion instalacion);
  bool Iniciado() const { return hilo_.joinable() || listo_.load(); }
  // The index once built, else null; never waits.
  const IndiceBusqueda* Listo() const;
  // The index, waiting for it to be built (empty when never started).
  const IndiceBusqueda& Esperar();

 private:
  IndiceBusqueda indice_;
  std::atomic<bool> listo_{false};
  std::jthread hilo_;
};

// A centre line's town and name (columns 2-44): the town is what comes before
// the first two blanks, or, when the name follows after one blank, the words
// before the first word that names a kind of centre ("IES", "Colegio"...).
struct CentroPartido {
  std::string localidad;
  std::string nombre;
};
CentroPartido PartirCentro(std::string_view linea);

}  // namespace sendaro
