#include "sections/assistant/asistente.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sendaro::asistente {
namespace {

// A catalogue whose line n reads "T<n>".
CatalogoTextos Numerado() {
  std::vector<std::string> lineas(CatalogoTextos::kUltimaLinea);
  for (int n = 1; n <= CatalogoTextos::kUltimaLinea; ++n)
    lineas[static_cast<std::size_t>(n - 1)] = "T" + std::to_string(n);
  CatalogoTextos c;
  c.Rellenar(lineas);
  return c;
}

TablaLinea Tabla(const std::vector<std::string>& lineas) {
  TablaLinea t;
  for (std::size_t i = 0; i < lineas.size(); ++i) t.Fijar(static_cast<int>(i + 1), lineas[i]);
  t.FijarCuenta(static_cast<int>(lineas.size()));
  return t;
}

TEST(MensajesAsistente, SeComponenDelCatalogoConSaltosDeLinea) {
  const CatalogoTextos c = Numerado();
  const auto m = Mensajes(c);
  EXPECT_EQ(m.at(1), "T498\nT499");
  EXPECT_EQ(m.at(2), "T492");
  EXPECT_EQ(m.at(3), "T485\nT486");
  EXPECT_EQ(m.at(6), "T494\nT495\nT496\nT497");
  EXPECT_EQ(m.at(8), "T504\nT505\nT506\nT507\nT508");
  EXPECT_EQ(m.at(9), "T509\nT510");
  // The Bachillerato sequence repeats the first two ESO messages.
  EXPECT_EQ(m.at(10), m.at(1));
  EXPECT_EQ(m.at(11), m.at(2));
  EXPECT_EQ(m.at(12), "T484");
  EXPECT_EQ(m.at(19), "T457\nT458\nT459\nT460\n\nT461\nT462\nT463\nT464\nT465");
  // Messages 4 and 13 do not exist.
  EXPECT_EQ(m.count(4), 0u);
  EXPECT_EQ(m.count(13), 0u);

  const Pistas p = PistasAsistente(c);
  EXPECT_EQ(p.image4, "T466\nT467\nT468\nT469\nT470\nT471");
  EXPECT_EQ(p.bConsejo, "T557");
  EXPECT_EQ(p.bFpTitGs, "T472\nT473\nT474\nT475");
  EXPECT_EQ(p.biCar, "T476\nT477\nT478\nT479");
}

TEST(MensajesAsistente, LasListasEmergentesTomanSuCodigoDeINFORMA) {
  const TablaLinea informa = Tabla({"34Primera linea", "19Paso a grado superior", "3Xotra",
                                    "34Segunda linea   ", "1934 no es 34"});
  EXPECT_EQ(LineasDiversificacion(informa),
            (std::vector<std::string>{"Primera linea", "Segunda linea"}));
  EXPECT_EQ(LineasPasoGradoSuperior(Numerado(), informa),
            (std::vector<std::string>{"T480", "T481", "T482", "", "T483", "Paso a grado superior",
                                      "34 no es 34"}));
}

TEST(AnimacionesAsistente, ElTextoCorrienteSubeParpadeaLaFlechaYPasaDePaso) {
  TextoCorriente t;
  t.paso = 1;
  t.arriba = 4;
  std::vector<bool> flecha;
  std::vector<int> arriba;
  bool avanzo = false;
  int tics = 0;
  while (!avanzo && tics < 100) {
    avanzo = AvanzarTexto(t, 40);
    ++tics;
    flecha.push_back(t.flecha);
    arriba.push_back(t.arriba);
  }
  // Still for five ticks, then 2 px a tick: 4, 2, 0, -2 leaves on the eighth.
  EXPECT_EQ(tics, 8);
  EXPECT_EQ((std::vector<int>{4, 4, 4, 4, 4, 2, 0, 40}), arriba);
  // The arrow blinks every third tick; a new step's arrow starts hidden.
  EXPECT_EQ((std::vector<bool>{false, false, true, true, true, false, false, false}), flecha);
  EXPECT_EQ(t.paso, 2);
  EXPECT_EQ(t.tics, 0);
  // The next step starts from the panel's bottom and takes its full run.
  int siguientes = 0;
  while (!AvanzarTexto(t, 40)) ++siguientes;
  EXPECT_EQ(siguientes + 1, 5 + 21);
  EXPECT_EQ(t.paso, 3);
}

TEST(AnimacionesAsistente, ElTextoDeInicioVuelveAEmpezarDesdeAbajo) {
  EXPECT_EQ(AvanzarInicio(10, 50, 120), 8);
  EXPECT_EQ(AvanzarInicio(-46, 50, 120), -48);
  EXPECT_EQ(AvanzarInicio(-48, 50, 120), 120);  // its own height above the top
}

TEST(AnimacionesAsistente, ElHelicopteroVuela26TicsYSePara) {
  Vuelo v{100, 50, 4, 2, 0, true};
  int tics = 0;
  while (!AvanzarVuelo(v)) ++tics;
  EXPECT_EQ(tics + 1, kTicsVuelo);
  EXPECT_EQ(v.x, 100 + 4 * 26);
  EXPECT_EQ(v.y, 50 + 2 * 26);
  EXPECT_FALSE(v.enCurso);
  EXPECT_FALSE(AvanzarVuelo(v));  // a stopped flight does not move
  EXPECT_EQ(v.x, 204);
}

}  // namespace
}  // namespace sendaro::asistente
