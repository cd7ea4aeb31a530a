// The explanation diagram's domain: the covers moved by the two timers
// (every arrow click stops both first; sizes stop at 0), the lists of the
// information pictures and the captions.
#include "sections/itineraries/diagrama.h"

#include <gtest/gtest.h>

#include <string>

#include "../itineraries/datos_cuestionario.h"

namespace sendaro {
namespace {

using Lineas = std::vector<std::string>;

int Flecha(const char* nombre) {
  const auto& f = FlechasDiagrama();
  for (std::size_t i = 0; i < f.size(); ++i) {
    if (std::string(f[i].nombre) == nombre) return static_cast<int>(i);
  }
  ADD_FAILURE() << nombre;
  return -1;
}

constexpr int kT0 = 0, kT1i = 1, kT1d = 2, kT3i = 6, kT3D = 7;

TEST(CubiertasDiagrama, DeslizarseParaEnCeroAunqueElPasoSobre) {
  CubiertasEnMovimiento c;
  c.Pulsar(Flecha("Image29"));
  ASSERT_TRUE(c.TimerHorizontal());
  EXPECT_FALSE(c.TimerVertical());
  int tics = 0;
  while (c.TimerHorizontal() && tics < 1000) {
    c.TickHorizontal();
    ++tics;
  }
  // 673 pixels at 7 a tick: 96 whole ticks and a last one of 1.
  EXPECT_EQ(tics, 97);
  EXPECT_EQ(c.Cubierta(kT0).ancho, 0);
  EXPECT_EQ(c.Cubierta(kT0).x, 48 + 673);
  EXPECT_EQ(c.Cubierta(kT0).alto, 73);
  // Used up: its arrow starts nothing.
  c.Pulsar(Flecha("Image29"));
  EXPECT_FALSE(c.TimerHorizontal());
  c.TickHorizontal();
  EXPECT_EQ(c.Cubierta(kT0).x, 48 + 673);
}

TEST(CubiertasDiagrama, OtraFlechaParaLaPrimeraDondeEsta) {
  CubiertasEnMovimiento c;
  c.Pulsar(Flecha("Image1"));
  for (int i = 0; i < 20; ++i) c.TickVertical();
  EXPECT_EQ(c.Cubierta(kT1i).alto, 73 - 20);
  EXPECT_EQ(c.Cubierta(kT1i).y, 461);
  // A horizontal arrow stops the vertical timer too, so the shrinking cover
  // stays where it is whichever timer ticks.
  c.Pulsar(Flecha("Image4"));
  EXPECT_FALSE(c.TimerVertical());
  EXPECT_TRUE(c.TimerHorizontal());
  c.TickVertical();
  c.TickHorizontal();
  EXPECT_EQ(c.Cubierta(kT1i).alto, 73 - 20);
  EXPECT_EQ(c.Cubierta(kT1i).x, 47);
  EXPECT_EQ(c.Cubierta(kT1d).x, 393 + 4);
  EXPECT_EQ(c.Cubierta(kT1d).ancho, 327 - 4);
  // The first arrow again finishes its cover.
  c.Pulsar(Flecha("Image1"));
  EXPECT_FALSE(c.TimerHorizontal());
  while (c.TimerVertical()) c.TickVertical();
  EXPECT_EQ(c.Cubierta(kT1i).alto, 0);
  EXPECT_EQ(c.Cubierta(kT1d).ancho, 327 - 4);
  // A cover slid away is gone for its vertical arrow as well.
  c.Pulsar(Flecha("Image4"));
  while (c.TimerHorizontal()) c.TickHorizontal();
  c.Pulsar(Flecha("Image2"));
  EXPECT_FALSE(c.TimerVertical());
}

TEST(CubiertasDiagrama, DosCubiertasCadaUnaHastaCero) {
  CubiertasEnMovimiento c;
  c.Pulsar(Flecha("Image8"));
  for (int i = 0; i < 97; ++i) c.TickVertical();
  EXPECT_EQ(c.Cubierta(kT3D).alto, 0);
  EXPECT_EQ(c.Cubierta(kT3i).alto, 2);
  EXPECT_TRUE(c.TimerVertical());
  c.TickVertical();
  c.TickVertical();
  EXPECT_EQ(c.Cubierta(kT3i).alto, 0);
  EXPECT_EQ(c.Cubierta(kT3D).alto, 0);
  EXPECT_FALSE(c.TimerVertical());
  c.Parar();
  EXPECT_FALSE(c.TimerVertical());
  EXPECT_FALSE(c.TimerHorizontal());
}

TEST(InformacionDiagrama, ListasDeLasImagenes) {
  TablaLinea informa;
  const Lineas lineas = {"20general", "21hum", "22soc",    "24cie", "25sal",
                         "23art",     "34div", "16acceso", "28bach"};
  for (std::size_t i = 0; i < lineas.size(); ++i) informa.Fijar(static_cast<int>(i + 1), lineas[i]);
  informa.FijarCuenta(static_cast<int>(lineas.size()));
  const CatalogoTextos c = prueba::Catalogo();
  EXPECT_EQ(ListaInformacion("Image16", informa, c), (Lineas{"div"}));
  EXPECT_EQ(ListaInformacion("Image23", informa, c), (Lineas{"     T74", "acceso"}));
  EXPECT_EQ(ListaInformacion("Image32", informa, c), (Lineas{"     T88", "bach"}));
  EXPECT_EQ(ListaInformacion("Image25", informa, c),
            (Lineas{"general", "", "    T97", "hum", "", "    T99 T100", "soc", "", "    T99 T112",
                    "cie", "", "    T101 T78", "sal", "", "    T92", "art"}));
  EXPECT_TRUE(ListaInformacion("Image21", informa, c).empty());
  EXPECT_TRUE(ListaInformacion("Image99", informa, c).empty());
}

TEST(EtiquetasDiagrama, RotulosDeTextosYLiterales) {
  const CatalogoTextos c = prueba::Catalogo();
  const std::vector<EtiquetaDiagrama> e = EtiquetasDiagrama(c);
  const auto texto = [&](const char* nombre) {
    for (const EtiquetaDiagrama& x : e) {
      if (std::string(x.nombre) == nombre) return x.texto;
    }
    return std::string("?");
  };
  EXPECT_EQ(texto("LabelG3"), "2\xBA T2");
  EXPECT_EQ(texto("LabelEx9"), "T229 2\xBA T175");
  EXPECT_EQ(texto("LabelEx16"), "T111 T140");
  EXPECT_EQ(texto("LabelEx7r"), "T538");
  EXPECT_EQ(texto("LabelEx24"), "T675");
  EXPECT_EQ(texto("Label4"), "T676");
  EXPECT_EQ(texto("Label6"), "T2");
  EXPECT_EQ(TextoNotaDiagrama(c), "T672 T125");
}

}  // namespace
}  // namespace sendaro
