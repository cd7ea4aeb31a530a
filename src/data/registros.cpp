#include "data/registros.h"

#include <algorithm>

#include "data/tabla_linea.h"
#include "data/texto.h"

namespace sendaro {
namespace {

constexpr auto kPalabrasPorFila = static_cast<std::size_t>(registros::kDatFPL2.enterosPorFila);
constexpr auto kPalabrasPorGrupo =
    static_cast<std::size_t>(registros::kDatFPL2.filas) * kPalabrasPorFila;

std::size_t Posicion(int grupo, int titulo, int k) {
  return static_cast<std::size_t>(grupo - 1) * kPalabrasPorGrupo +
         static_cast<std::size_t>(titulo - 1) * kPalabrasPorFila + static_cast<std::size_t>(k);
}

bool DentroLugares(int grupo, int titulo, int k) {
  return grupo >= 1 && grupo <= TablaLugaresGM::kGrupos && titulo >= 1 &&
         titulo <= TablaLugaresGM::kTitulos && k >= 0 && k <= TablaLugaresGM::kMaxCentros;
}

unsigned Byte(std::string_view bytes, std::size_t i) {
  return static_cast<unsigned char>(bytes[i]);
}

unsigned Entero(std::string_view bytes, std::size_t posicion, int ancho) {
  unsigned v = 0;
  for (int i = ancho - 1; i >= 0; --i) v = (v << 8) | Byte(bytes, posicion + static_cast<std::size_t>(i));
  return v;
}

std::string Fila(int registro, int fila) {
  return "registro " + std::to_string(registro) + ", fila " + std::to_string(fila) + ": ";
}

}  // namespace

std::optional<std::string> DefectoRegistros(const DisposicionRegistros& d, std::string_view juego) {
  if (juego.size() < static_cast<std::size_t>(d.BytesTotales())) return "el fichero es corto";
  if (d.fichero == registros::kDatFPR.fichero) {
    for (const auto& tramo : registros::kTramosFPR) {
      for (int t = 1; t <= d.filas; ++t) {
        const auto base = static_cast<std::size_t>(tramo.inicio + tramo.bytesPorTitulo * (t - 1));
        if (const unsigned n = Byte(juego, base); n > static_cast<unsigned>(tramo.maximo)) {
          return "título " + std::to_string(t) + ": " + std::string(tramo.nombre) + " cuenta " +
                 std::to_string(n) + "; caben " + std::to_string(tramo.maximo);
        }
      }
    }
    return std::nullopt;
  }
  const auto ancho = static_cast<std::size_t>(d.bytesPorEntero);
  const auto porFila = static_cast<std::size_t>(d.enterosPorFila);
  for (int r = 1; r <= d.registros; ++r) {
    for (int f = 1; f <= d.filas; ++f) {
      const std::size_t base =
          (static_cast<std::size_t>(r - 1) * static_cast<std::size_t>(d.filas) +
           static_cast<std::size_t>(f - 1)) * porFila * ancho;
      if (d.fichero == registros::kPuntos3.fichero) {
        // Only the low byte of each integer is used: the others are 0.
        for (std::size_t k = 0; k < porFila; ++k) {
          if (const unsigned v = Entero(juego, base + k * ancho, d.bytesPorEntero); v > 0xFF) {
            return Fila(r, f) + "el entero " + std::to_string(k) + " vale " + std::to_string(v) +
                   "; no es un código de región";
          }
        }
        continue;
      }
      const unsigned n = Entero(juego, base, d.bytesPorEntero);
      if (n > porFila - 1) {
        return Fila(r, f) + "cuenta " + std::to_string(n) + "; caben " + std::to_string(porFila - 1);
      }
      if (d.bytesPorEntero == 2) {
        for (std::size_t i = 1; i <= n; ++i) {
          const unsigned c = Entero(juego, base + i * ancho, 2);
          if (c < 1 || c > static_cast<unsigned>(TablaLinea::kCapacidad)) {
            return Fila(r, f) + "centro " + std::to_string(c) + " fuera de 1.." +
                   std::to_string(TablaLinea::kCapacidad);
          }
        }
      }
    }
  }
  return std::nullopt;
}

TablaLugaresGM::TablaLugaresGM()
    : palabras_(static_cast<std::size_t>(kGrupos) * kPalabrasPorGrupo, 0) {}

int TablaLugaresGM::Palabra(int grupo, int titulo, int k) const {
  if (!DentroLugares(grupo, titulo, k)) return 0;
  return palabras_[Posicion(grupo, titulo, k)];
}

int TablaLugaresGM::NumCentros(int grupo, int titulo) const {
  return std::min(Palabra(grupo, titulo, 0), kMaxCentros);
}

int TablaLugaresGM::Centro(int grupo, int titulo, int i) const {
  if (i < 1 || i > NumCentros(grupo, titulo)) return 0;
  return Palabra(grupo, titulo, i);
}

void TablaLugaresGM::Fijar(int grupo, int titulo, int k, std::uint16_t valor) {
  if (DentroLugares(grupo, titulo, k)) palabras_[Posicion(grupo, titulo, k)] = valor;
}

bool AnalizarLugaresGM(std::string_view bytes, TablaLugaresGM& tabla) {
  if (bytes.size() < static_cast<std::size_t>(registros::kDatFPL2.BytesTotales())) return false;
  // Records, rows and words follow each other in the file as in the table.
  for (std::size_t i = 0; i < tabla.palabras_.size(); ++i) {
    tabla.palabras_[i] =
        static_cast<std::uint16_t>(Byte(bytes, 2 * i) | (Byte(bytes, 2 * i + 1) << 8));
  }
  return true;
}

bool LeerLugaresGM(Entorno& entorno, std::string_view nombre, TablaLugaresGM& tabla) {
  const auto bytes = AbrirFicheroDatos(entorno, nombre);
  if (!bytes) return false;
  if (DefectoRegistros(registros::kDatFPL2, *bytes) || !AnalizarLugaresGM(*bytes, tabla)) {
    entorno.Avisar(MensajeFaltanFicheros(nombre));
    entorno.FalloGrave = true;
    return false;
  }
  return true;
}

DatosPuntos::DatosPuntos() : bytes_(static_cast<std::size_t>(kEnteros), 0) {}

std::uint8_t DatosPuntos::Byte(int i) const {
  if (i < 0 || i >= kEnteros) return 0;
  return bytes_[static_cast<std::size_t>(i)];
}

std::uint8_t DatosPuntos::Valor(int columna, int k) const {
  if (columna < 1 || columna > kColumnas || k < 0) return 0;
  // Beyond the record's end reads as 0, so a large k needs no extra check.
  const long indice = static_cast<long>(columna - 1) * kEnterosPorColumna + k;
  return indice >= kEnteros ? std::uint8_t{0} : Byte(static_cast<int>(indice));
}

bool AnalizarPuntos(std::string_view bytes, DatosPuntos& datos) {
  constexpr auto kBytesPorEntero = static_cast<std::size_t>(registros::kPuntos3.bytesPorEntero);
  if (bytes.size() < static_cast<std::size_t>(registros::kPuntos3.BytesTotales())) return false;
  for (std::size_t i = 0; i < datos.bytes_.size(); ++i) {
    datos.bytes_[i] = static_cast<std::uint8_t>(bytes[i * kBytesPorEntero]);
  }
  return true;
}

bool LeerPuntos(Entorno& entorno, std::string_view nombre, DatosPuntos& datos) {
  if (LeerPuntosSinAviso(entorno.instalacion, nombre, datos)) return true;
  entorno.Avisar(MensajeFaltanFicheros(nombre));
  entorno.FalloGrave = true;
  return false;
}

bool LeerPuntosSinAviso(const Instalacion& instalacion, std::string_view nombre,
                        DatosPuntos& datos) {
  const auto bytes = LeerFicheroCompleto(instalacion.Ruta(nombre));
  return bytes && !DefectoRegistros(registros::kPuntos3, *bytes) && AnalizarPuntos(*bytes, datos);
}

}  // namespace sendaro
