#include "data/impresion/impresion_texto.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/impresion/superficie_registro.h"

namespace sendaro {
namespace {

const std::string kSangria(8, ' ');

std::string Linea(int i) { return "Linea " + std::to_string(i); }

FuenteLineas Numeradas() {
  return [](int i) { return Linea(i); };
}

// 8 x 11 inches at 1200 dpi; Courier New 12 lines are 230 pixels apart, so a
// page holds 57 written lines.
SuperficieRegistro Superficie() { return SuperficieRegistro(9600, 13200, 1200, 1.15); }

using Rutina = void (*)(SuperficieRegistro&, int cuenta);

void Texto(SuperficieRegistro& s, int cuenta) { ImprimirTexto(s, Numeradas(), cuenta); }
void Lista(SuperficieRegistro& s, int cuenta) { ImprimirLista(s, Numeradas(), cuenta, 0); }

struct CasoCabecera {
  const char* nombre;
  Rutina rutina;
  int cuenta;
  int yNumero;        // -1: no page-number line on page 1
  int yPrimeraLinea;  // where line 1 is written
  std::size_t lineasPrimeraPagina;
};

TEST(ImpresionTexto, PrimeraPaginaSegunRutinaYCuenta) {
  for (const CasoCabecera& c : {CasoCabecera{"texto 54", Texto, 54, -1, 920, 53},
                                CasoCabecera{"texto 55", Texto, 55, 460, 920, 53},
                                CasoCabecera{"lista 54", Lista, 54, -1, 690, 54},
                                CasoCabecera{"lista 55", Lista, 55, 230, 690, 54},
                                CasoCabecera{"lista 3", Lista, 3, -1, 690, 3}}) {
    SCOPED_TRACE(c.nombre);
    auto s = Superficie();
    c.rutina(s, c.cuenta);
    ASSERT_FALSE(s.paginas.empty());
    const auto& primera = s.paginas[0];
    EXPECT_EQ(primera.orientacion, Orientacion::kVertical);
    const auto* numero = primera.Buscar(LineaNumeroPagina(1));
    if (c.yNumero < 0) {
      EXPECT_EQ(numero, nullptr);
    } else {
      ASSERT_NE(numero, nullptr);
      EXPECT_EQ(numero->punto, (PuntoPixeles{0, c.yNumero}));
    }
    const auto* uno = primera.Buscar(kSangria + Linea(1));
    ASSERT_NE(uno, nullptr);
    EXPECT_EQ(uno->punto, (PuntoPixeles{0, c.yPrimeraLinea}));
    EXPECT_EQ(uno->fuente, (Fuente{"Courier New", 12, false}));
    EXPECT_EQ(primera.textos.size(), c.lineasPrimeraPagina + (numero ? 1u : 0u));
    EXPECT_EQ(s.trabajos, 1);
    EXPECT_EQ(s.terminados, 1);
    EXPECT_EQ(s.fueraDeTrabajo, 0);
  }
}

TEST(ImpresionTexto, PaginasSiguientesEmpiezanConSuNumero) {
  auto s = Superficie();
  ImprimirTexto(s, Numeradas(), 55 + 54 + 2);
  ASSERT_EQ(s.paginas.size(), 3u);
  // Page 1 holds lines 1..53; pages 2 and 3 start with an empty line, their
  // number and an empty line.
  EXPECT_NE(s.paginas[0].Buscar(kSangria + Linea(53)), nullptr);
  const auto& segunda = s.paginas[1].textos;
  ASSERT_EQ(segunda.size(), 55u);
  EXPECT_EQ(segunda[0].texto, "                             -2-");
  EXPECT_EQ(segunda[0].punto, (PuntoPixeles{0, 230}));
  EXPECT_EQ(segunda[1].texto, kSangria + Linea(54));
  EXPECT_EQ(segunda[1].punto, (PuntoPixeles{0, 690}));
  EXPECT_EQ(segunda.back().texto, kSangria + Linea(107));
  EXPECT_EQ(segunda.back().punto, (PuntoPixeles{0, 56 * 230}));
  const auto& tercera = s.paginas[2].textos;
  ASSERT_EQ(tercera.size(), 5u);
  EXPECT_EQ(tercera[0].texto, LineaNumeroPagina(3));
  EXPECT_EQ(tercera.back().texto, kSangria + Linea(111));
}

TEST(ImpresionTexto, UnaPaginaLlenaNoDejaOtraEnBlanco) {
  for (const auto& [rutina, cuenta] :
       std::vector<std::pair<Rutina, int>>{{Texto, 53}, {Lista, 54}}) {
    auto s = Superficie();
    rutina(s, cuenta);
    EXPECT_EQ(s.paginas.size(), 1u) << cuenta;
    auto t = Superficie();
    rutina(t, cuenta + 1);
    EXPECT_EQ(t.paginas.size(), 2u) << cuenta + 1;
  }
}

TEST(ImpresionTexto, NegritasYCorteDeLaLista) {
  const std::string larga(75, 'x');
  const FuenteLineas lineas = [&](int i) { return i == 4 ? larga : Linea(i); };

  auto lista = Superficie();
  ImprimirLista(lista, lineas, 6, 3);
  std::vector<bool> negritas;
  for (const auto& t : lista.paginas[0].textos) negritas.push_back(t.fuente.negrita);
  EXPECT_EQ(negritas, (std::vector<bool>{true, true, true, false, false, false}));
  EXPECT_EQ(lista.paginas[0].textos[3].texto, kSangria + std::string(60, 'x'));

  auto texto = Superficie();
  ImprimirTexto(texto, lineas, 6);
  for (const auto& t : texto.paginas[0].textos) EXPECT_FALSE(t.fuente.negrita);
  EXPECT_EQ(texto.paginas[0].textos[3].texto, kSangria + larga);
}

TEST(ImpresionTexto, NumeroDePaginaNuncaEnNegrita) {
  auto s = Superficie();
  ImprimirLista(s, Numeradas(), 120, 120);
  ASSERT_EQ(s.paginas.size(), 3u);
  const auto* numero = s.paginas[1].Buscar(LineaNumeroPagina(2));
  ASSERT_NE(numero, nullptr);
  EXPECT_FALSE(numero->fuente.negrita);
  EXPECT_TRUE(s.paginas[1].textos[1].fuente.negrita);
}

TEST(ImpresionTexto, DesdeTablasYBuffer) {
  TablaLinea tabla;
  tabla.Fijar(1, "Primera");
  tabla.Fijar(2, "Segunda");
  BufferImpresion buffer;
  buffer.Fijar(1, "Uno");
  auto s = Superficie();
  ImprimirTexto(s, LineasDe(tabla), 2);
  ImprimirLista(s, LineasDe(buffer), 1, 0);
  ASSERT_EQ(s.paginas.size(), 2u);
  EXPECT_NE(s.paginas[0].Buscar(kSangria + "Segunda"), nullptr);
  EXPECT_NE(s.paginas[1].Buscar(kSangria + "Uno"), nullptr);
}

TEST(ImpresionTexto, ImpresoraTituloYCancelacion) {
  ImpresoraRegistro impresora;
  const FuenteLineas lineas = [](int i) {
    return i == 1 ? std::string("   ") : i == 2 ? std::string("   IES Rio Ebro  ") : Linea(i);
  };
  impresora.confirmar = false;
  EXPECT_FALSE(ImprimirTexto(impresora, lineas, 5));
  EXPECT_TRUE(impresora.superficie.paginas.empty());
  impresora.confirmar = true;
  EXPECT_TRUE(ImprimirLista(impresora, lineas, 5, 2, "Universidades"));
  EXPECT_EQ(impresora.superficie.paginas.size(), 1u);
  EXPECT_EQ(impresora.titulos, (std::vector<std::string>{"IES Rio Ebro", "Universidades"}));
}

}  // namespace
}  // namespace sendaro
