// The sample installation's professions files: every long phrase chosen on
// its own deals its short phrases over pages with no empty slot, and every
// short phrase can reach a page.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "data/profesiones.h"
#include "sections/professions/cuestionario_profesiones.h"
#include "qt/rutas_prueba.h"

namespace sendaro::profesiones {
namespace {

std::string Bytes(const char* nombre) {
  std::ifstream f(std::string(SENDARO_INSTALACION) + "/" + nombre, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

class PaginasMuestra : public testing::Test {
 protected:
  void SetUp() override {
    AnalizarFrasesLargas(Bytes("FRALARGAS"), datos);
    AnalizarFrasesCortas(Bytes("FRACORTAS"), datos);
    AnalizarProfesiones(Bytes("profesio"), datos);
    ASSERT_FALSE(datos.frasesLargas.empty());
    ASSERT_FALSE(datos.profesiones.empty());
  }
  DatosProfesiones datos;
};

TEST_F(PaginasMuestra, CadaFraseLargaLlenaTodasSusPaginas) {
  for (int fila = 0; fila < static_cast<int>(datos.frasesLargas.size()); ++fila) {
    const std::vector<int> derivadas = DerivarFrases(datos, CodigosElegidos(datos, {fila}));
    const Paginas p = RepartirPaginas(derivadas);
    ASSERT_GE(p.numPaginas, 1) << "frase larga " << fila + 1;
    // Four pages of at most eleven slots.
    EXPECT_LE(p.frasesPorPagina, 11) << "frase larga " << fila + 1;
    for (std::size_t pagina = 0; pagina < p.paginas.size(); ++pagina)
      EXPECT_EQ(p.paginas[pagina].size(), static_cast<std::size_t>(p.frasesPorPagina))
          << "frase larga " << fila + 1 << ", página " << pagina + 1 << " de " << p.numPaginas
          << " con " << derivadas.size() << " frases";
  }
}

TEST_F(PaginasMuestra, HaySesentaFrasesCortasYTodasLlevanAUnaProfesion) {
  EXPECT_GE(datos.frasesCortas.size(), 60u);
  std::set<int> usadas;
  for (const Profesion& p : datos.profesiones) usadas.insert(p.frases.begin(), p.frases.end());
  for (int n = 1; n <= static_cast<int>(datos.frasesCortas.size()); ++n)
    EXPECT_TRUE(usadas.count(n)) << "la frase corta " << n << " no sale en ninguna página";
}

}  // namespace
}  // namespace sendaro::profesiones
