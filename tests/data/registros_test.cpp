#include "data/registros.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "data/ayuda_pruebas.h"

namespace sendaro {
namespace {

using prueba::EntornoDePrueba;

constexpr std::size_t kBytesLugares = 4 * 119340;
constexpr std::size_t kBytesPuntos = 714864;

void PonerPalabra(std::string& bytes, int grupo, int titulo, int k, int valor) {
  const auto i = static_cast<std::size_t>(((grupo - 1) * 170 + (titulo - 1)) * 351 + k) * 2;
  bytes[i] = static_cast<char>(valor & 0xFF);
  bytes[i + 1] = static_cast<char>((valor >> 8) & 0xFF);
}

std::string LugaresDePrueba() {
  std::string bytes(kBytesLugares, '\0');
  PonerPalabra(bytes, 1, 1, 0, 2);
  PonerPalabra(bytes, 1, 1, 1, 300);
  PonerPalabra(bytes, 1, 1, 2, 7);
  PonerPalabra(bytes, 4, 170, 0, 1);
  PonerPalabra(bytes, 4, 170, 1, 0xABCD);
  PonerPalabra(bytes, 2, 5, 0, 60000);  // a count larger than the row
  return bytes;
}

TEST(LeerLugaresGM, PalabrasLittleEndianPorGrupoYTitulo) {
  auto tabla = std::make_unique<TablaLugaresGM>();
  ASSERT_TRUE(AnalizarLugaresGM(LugaresDePrueba(), *tabla));
  EXPECT_EQ(tabla->NumCentros(1, 1), 2);
  EXPECT_EQ(tabla->Centro(1, 1, 1), 300);
  EXPECT_EQ(tabla->Centro(1, 1, 2), 7);
  EXPECT_EQ(tabla->Centro(1, 1, 3), 0);
  EXPECT_EQ(tabla->NumCentros(4, 170), 1);
  EXPECT_EQ(tabla->Centro(4, 170, 1), 0xABCD);
  EXPECT_EQ(tabla->Palabra(2, 5, 0), 60000);
  EXPECT_EQ(tabla->NumCentros(2, 5), 350);
  EXPECT_EQ(tabla->Centro(2, 5, 351), 0);
  for (const auto [g, t] : {std::pair{0, 1}, {5, 1}, {1, 0}, {1, 171}}) {
    EXPECT_EQ(tabla->NumCentros(g, t), 0);
  }
}

TEST(LeerLugaresGM, FicheroCortoNoLeeNadaYFicheroLargoLeeLoEsperado) {
  auto tabla = std::make_unique<TablaLugaresGM>();
  ASSERT_TRUE(AnalizarLugaresGM(LugaresDePrueba() + std::string(500, '\x01'), *tabla));
  EXPECT_EQ(tabla->Centro(1, 1, 1), 300);
  std::string corto = LugaresDePrueba();
  corto.pop_back();
  PonerPalabra(corto, 1, 1, 1, 5);
  EXPECT_FALSE(AnalizarLugaresGM(corto, *tabla));
  EXPECT_EQ(tabla->Centro(1, 1, 1), 300);
}

// A count larger than its row or a centre number that no centre file can
// have: the file is junk, and the reader refuses it whole, with its message.
TEST(LeerLugaresGM, ContenidoImposibleNoSeLee) {
  std::string bien(kBytesLugares, '\0');
  PonerPalabra(bien, 2, 5, 0, 2);
  PonerPalabra(bien, 2, 5, 1, 4);
  PonerPalabra(bien, 2, 5, 2, 1000);
  EXPECT_EQ(DefectoRegistros(registros::kDatFPL2, bien), std::nullopt);
  for (const auto [k, valor, motivo] :
       {std::tuple{0, 351, "registro 2, fila 5: cuenta 351; caben 350"},
        {2, 0, "registro 2, fila 5: centro 0 fuera de 1..1000"},
        {1, 1001, "registro 2, fila 5: centro 1001 fuera de 1..1000"}}) {
    std::string bytes = bien;
    PonerPalabra(bytes, 2, 5, k, valor);
    EXPECT_EQ(DefectoRegistros(registros::kDatFPL2, bytes), motivo);
    EntornoDePrueba prueba;
    prueba.carpeta.Escribir("datFPL2", bytes);
    auto tabla = std::make_unique<TablaLugaresGM>();
    EXPECT_FALSE(LeerLugaresGM(prueba.entorno, "datFPL2", *tabla));
    EXPECT_EQ(tabla->NumCentros(2, 5), 0);
    EXPECT_EQ(prueba.avisador.avisos,
              std::vector<std::string>{"Faltan ficheros (datFPL2). Vuelva a instalar el programa"});
  }
}

TEST(LeerLugaresGM, FaltaOCortoAvisaConElNombre) {
  for (const bool existe : {false, true}) {
    EntornoDePrueba prueba;
    if (existe) prueba.carpeta.Escribir("datFPL2", std::string(119340, '\0'));
    auto tabla = std::make_unique<TablaLugaresGM>();
    EXPECT_FALSE(LeerLugaresGM(prueba.entorno, "datFPL2", *tabla));
    EXPECT_TRUE(prueba.entorno.FalloGrave);
    EXPECT_EQ(prueba.avisador.avisos,
              std::vector<std::string>{"Faltan ficheros (datFPL2). Vuelva a instalar el programa"});
  }
}

std::string PuntosDePrueba() {
  std::string bytes(kBytesPuntos, '\0');
  for (std::size_t i = 0; i < kBytesPuntos / 4; ++i) {
    bytes[i * 4] = static_cast<char>(i % 251);
    bytes[i * 4 + 1] = '\x7F';  // high bytes are not used
    bytes[i * 4 + 3] = '\xFF';
  }
  return bytes;
}

TEST(LeerPuntos, ByteBajoDeCadaEnteroYCeroFueraDelRegistro) {
  auto datos = std::make_unique<DatosPuntos>();
  ASSERT_TRUE(AnalizarPuntos(PuntosDePrueba(), *datos));
  EXPECT_EQ(datos->Byte(0), 0);
  EXPECT_EQ(datos->Byte(300), 300 % 251);
  EXPECT_EQ(datos->Valor(2, 0), 636 % 251);
  EXPECT_EQ(datos->Valor(1, 636), datos->Valor(2, 0));  // runs into the next column
  EXPECT_EQ(datos->Valor(281, 635), (281 * 636 - 1) % 251);
  EXPECT_EQ(datos->Valor(281, 636), 0);  // past the record's end
  EXPECT_EQ(datos->Valor(281, 659), 0);
  EXPECT_EQ(datos->Byte(DatosPuntos::kEnteros), 0);
  EXPECT_EQ(datos->Byte(-1), 0);
  EXPECT_EQ(datos->Valor(0, 0), 0);
  EXPECT_EQ(datos->Valor(282, 0), 0);
}

// The integers hold region codes: one with a high byte set says the file is
// junk, which the reader refuses (the parser alone keeps the low bytes).
TEST(LeerPuntos, EnteroQueNoEsUnByteNoSeLee) {
  std::string bytes(kBytesPuntos, '\0');
  bytes[(636 + 3) * 4] = '\x07';
  EXPECT_EQ(DefectoRegistros(registros::kPuntos3, bytes), std::nullopt);
  bytes[(636 + 3) * 4 + 2] = '\x01';
  EXPECT_EQ(DefectoRegistros(registros::kPuntos3, bytes),
            "registro 1, fila 2: el entero 3 vale 65543; no es un código de región");
  EntornoDePrueba prueba;
  prueba.carpeta.Escribir("puntos3", bytes);
  auto datos = std::make_unique<DatosPuntos>();
  EXPECT_FALSE(LeerPuntosSinAviso(prueba.entorno.instalacion, "puntos3", *datos));
  EXPECT_TRUE(AnalizarPuntos(bytes, *datos));
  EXPECT_EQ(datos->Byte(636 + 3), 7);
}

TEST(LeerPuntos, FicheroCortoOQueFalta) {
  EntornoDePrueba prueba;
  auto datos = std::make_unique<DatosPuntos>();
  EXPECT_FALSE(LeerPuntosSinAviso(prueba.entorno.instalacion, "puntos3", *datos));
  EXPECT_TRUE(prueba.avisador.avisos.empty());
  EXPECT_FALSE(prueba.entorno.FalloGrave);

  prueba.carpeta.Escribir("puntos3", PuntosDePrueba().substr(0, kBytesPuntos - 4));
  EXPECT_FALSE(LeerPuntosSinAviso(prueba.entorno.instalacion, "puntos3", *datos));
  EXPECT_FALSE(LeerPuntos(prueba.entorno, "puntos3", *datos));
  EXPECT_TRUE(prueba.entorno.FalloGrave);
  EXPECT_EQ(prueba.avisador.avisos,
            std::vector<std::string>{"Faltan ficheros (puntos3). Vuelva a instalar el programa"});
  EXPECT_EQ(datos->Byte(300), 0);

  // As an installation holds it: the high bytes of every integer 0.
  std::string puntos = PuntosDePrueba();
  for (std::size_t i = 0; i < kBytesPuntos; ++i) {
    if (i % 4 != 0) puntos[i] = '\0';
  }
  prueba.carpeta.Escribir("puntos3", puntos + "sobra");
  EXPECT_TRUE(LeerPuntosSinAviso(prueba.entorno.instalacion, "puntos3", *datos));
  EXPECT_EQ(datos->Byte(300), 300 % 251);
}

}  // namespace
}  // namespace sendaro
