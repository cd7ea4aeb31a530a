#include "sections/itineraries/cuestionario.h"

#include <gtest/gtest.h>

#include "sections/itineraries/datos_cuestionario.h"

namespace sendaro {
namespace {

TEST(LeerPregunta, ClaseTipoYTextoDeSusColumnas) {
  const Pregunta p = LeerPregunta("53" + std::string("¿Estudias cada día?").append(30, ' '));
  EXPECT_EQ(p.peso, 5);
  EXPECT_EQ(p.tipo, 3);
  EXPECT_EQ(p.texto.size(), 48u);  // trailing blanks kept, as stored
  EXPECT_EQ(p.texto.substr(0, 10), "¿Estudias");

  // A column that is not a digit gives 0.
  const Pregunta mala = LeerPregunta("x 012");
  EXPECT_EQ(mala.peso, 0);
  EXPECT_EQ(mala.tipo, 0);
  EXPECT_EQ(mala.texto, "012");
  EXPECT_EQ(LeerPregunta("").tipo, 0);
}

// Each press moves the answer on; what the grid shows for it.
TEST(Respuestas, CicloTextosYMarcasDeCadaTipo) {
  struct Caso {
    int tipo;
    std::vector<int> ciclo;  // answers after presses 1, 2, ...
    std::vector<int> textos;
    std::vector<std::string_view> marcas;
  };
  const Caso casos[] = {
      {2, {2, 1, 2}, {141, 140, 141}, {"***", "", "***"}},
      {3, {2, 3, 4, 1}, {137, 138, 139, 136}, {"*", "**", "***", ""}},
      {4, {2, 3, 4, 1}, {133, 134, 135, 132}, {"*", "**", "***", ""}},
      {5, {2, 3, 4, 5, 1}, {128, 129, 130, 131, 127}, {"*", "*", "**", "***", ""}},
      {0, {1, 1}, {0, 0}, {"", ""}},
      {7, {1, 1}, {0, 0}, {"", ""}},
  };
  for (const Caso& c : casos) {
    int r = 1;
    for (std::size_t i = 0; i < c.ciclo.size(); ++i) {
      r = SiguienteRespuesta(c.tipo, r);
      EXPECT_EQ(r, c.ciclo[i]) << "tipo " << c.tipo << " pulsación " << i + 1;
      EXPECT_EQ(TextoRespuesta(c.tipo, r), c.textos[i]) << "tipo " << c.tipo;
      EXPECT_EQ(MarcasRespuesta(c.tipo, r), c.marcas[i]) << "tipo " << c.tipo;
    }
  }
  EXPECT_EQ(TextoRespuesta(2, 3), 0);
  EXPECT_EQ(SiguienteRespuesta(2, 5), 1);
}

class RondaCuestionario : public testing::Test {
 protected:
  // 40 questions: 35 of the first part and five more.
  TablaLinea preguntas = prueba::Preguntas(40, 5, 3);
  Cuestionario c{preguntas};
};

TEST_F(RondaCuestionario, CompletoCargaTodasLasFilasConLaRespuestaInicial) {
  c.Empezar(false);
  EXPECT_TRUE(c.CuesActivo);
  EXPECT_FALSE(c.PreguntarReinicio());
  const AperturaCuestionario a = c.Abrir();
  EXPECT_EQ(a.ayuda, 31);
  EXPECT_EQ(a.filas, 40);
  EXPECT_EQ(a.desde, 1);
  EXPECT_EQ(a.hasta, 40);
  EXPECT_EQ(a.filaArriba, 1);
  EXPECT_TRUE(a.primeraCarga);
  EXPECT_EQ(c.Respuesta(40), 1);
  EXPECT_EQ(c.Peso(40), 5);
  EXPECT_EQ(c.Tipo(40), 3);
  EXPECT_EQ(c.Texto(40).substr(0, 11), "Pregunta 40");

  EXPECT_EQ(c.Responder(40), 2);
  EXPECT_EQ(c.Responder(0), std::nullopt);
  EXPECT_EQ(c.Responder(41), std::nullopt);

  // Opening again within the run keeps the answers.
  const AperturaCuestionario otra = c.Abrir();
  EXPECT_LT(otra.hasta, otra.desde);
  EXPECT_EQ(c.Respuesta(40), 2);
}

TEST_F(RondaCuestionario, DosEtapasSigueConLaSegundaParteYConservaLaPrimera) {
  c.Empezar(true);
  EXPECT_TRUE(c.CuesModoCorto);
  c.Abrir();
  EXPECT_EQ(c.CuesNumPreguntas, 35);
  EXPECT_EQ(c.Responder(36), std::nullopt);  // not shown in the first stage
  c.Responder(7);
  c.Responder(35);

  c.CuesAprobado = true;  // a passed first stage
  EXPECT_TRUE(c.Continuar());
  EXPECT_FALSE(c.CuesModoCorto);
  const AperturaCuestionario a = c.Abrir();
  EXPECT_EQ(a.ayuda, 30);
  EXPECT_EQ(a.filas, 40);
  EXPECT_EQ(a.desde, 36);
  EXPECT_EQ(a.hasta, 40);
  EXPECT_EQ(a.filaArriba, 36);
  EXPECT_EQ(c.Respuesta(7), 2);
  EXPECT_EQ(c.Respuesta(35), 2);
  EXPECT_EQ(c.Responder(38), 2);
}

TEST_F(RondaCuestionario, PrimeraEtapaSuspendidaTerminaLaRonda) {
  c.Empezar(true);
  c.Abrir();
  EXPECT_FALSE(c.Continuar());
  EXPECT_FALSE(c.CuesActivo);
  EXPECT_TRUE(c.CuesTerminado);
}

TEST_F(RondaCuestionario, ReinicioSiEmpiezaDeCeroYNoConservaLasRespuestas) {
  c.Empezar(false);
  c.Abrir();
  c.Responder(3);
  c.CuesSegundaOportunidad = false;
  c.Terminar();

  // No: the answers stay and every question shows, whatever was started.
  c.Empezar(true);
  ASSERT_TRUE(c.PreguntarReinicio());
  c.Reiniciar(false);
  AperturaCuestionario a = c.Abrir();
  EXPECT_EQ(a.filas, 40);
  EXPECT_FALSE(c.CuesModoCorto);
  EXPECT_LT(a.hasta, a.desde);
  EXPECT_EQ(c.Respuesta(3), 2);
  c.Terminar();

  // Yes: the rows come in again with nothing answered, second chance back.
  c.Empezar(false);
  ASSERT_TRUE(c.PreguntarReinicio());
  c.Reiniciar(true);
  a = c.Abrir();
  EXPECT_EQ(a.desde, 1);
  EXPECT_EQ(a.hasta, 40);
  EXPECT_EQ(c.Respuesta(3), 1);
  EXPECT_TRUE(c.CuesSegundaOportunidad);
}

// A finished first stage reopened whole: the questions it never showed come
// in unanswered, never with an earlier run's answers.
TEST_F(RondaCuestionario, ReabrirEnteraUnaPrimeraEtapaCargaLoQueNoMostro) {
  c.Empezar(false);
  c.Abrir();
  c.FijarRespuesta(38, 4);
  c.Terminar();
  c.Empezar(true);
  c.Reiniciar(true);
  c.Abrir();
  c.Terminar();

  c.Empezar(false);
  c.Reiniciar(false);
  const AperturaCuestionario a = c.Abrir();
  EXPECT_EQ(a.desde, 36);
  EXPECT_EQ(a.hasta, 40);
  EXPECT_EQ(c.Respuesta(38), 1);
}

TEST(Cuestionario, DosEtapasConMenosDe35PreguntasLasMuestraTodas) {
  const TablaLinea preguntas = prueba::Preguntas(20, 5, 3);
  Cuestionario c(preguntas);
  c.Empezar(true);
  EXPECT_EQ(c.CuesNumPreguntas, 20);
  c.CuesAprobado = true;
  c.Continuar();
  const AperturaCuestionario a = c.Abrir();
  EXPECT_EQ(a.filaArriba, 1);  // no row 36 to scroll to
  EXPECT_LT(a.hasta, a.desde);
}

TEST(TemaAyudaItinerarios, ConjuntosDelCuestionario) {
  EXPECT_EQ(TemaAyudaItinerarios(1), (LineasAyudaItinerarios{0, 185, 186, 187, 0, 0, 0, 0}));
  EXPECT_EQ(TemaAyudaItinerarios(20), (LineasAyudaItinerarios{22, 23, 24, 25, 26, 27, 28, 0}));
  EXPECT_EQ(TemaAyudaItinerarios(30), (LineasAyudaItinerarios{203, 204, 205, 206, 211, 212, 0, 0}));
  EXPECT_EQ(TemaAyudaItinerarios(33),
            (LineasAyudaItinerarios{232, 233, 234, 235, 236, 237, 238, 239}));
  EXPECT_EQ(TemaAyudaItinerarios(2), std::nullopt);
}

}  // namespace
}  // namespace sendaro
