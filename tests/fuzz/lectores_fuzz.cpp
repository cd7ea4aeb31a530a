// libFuzzer target over the pure readers: the first byte chooses the reader,
// the rest is the file's content. Tables are allocated once, as the program
// does, and reused between inputs. With SENDARO_FUZZ_LECTOR=n every input goes
// to reader n (the first byte is then ignored), so that each reader can be
// fuzzed on its own (tests/fuzz/fuzz_largo.sh).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/carreras/datos_carreras.h"
#include "data/catalogo.h"
#include "data/lectores.h"
#include "data/lectores_fijos.h"
#include "data/registros.h"
#include "data/tablas_datos.h"
#include "data/texto.h"

namespace {

using namespace sendaro;

class AvisadorMudo : public Avisador {
 public:
  void Aviso(const std::string& texto) override { total += texto.size(); }
  std::size_t total = 0;
};

struct Estado {
  AvisadorMudo avisador;
  Entorno entorno;
  std::unique_ptr<TablasDatos> tablas = std::make_unique<TablasDatos>();
  TablaLinea textos{kLongitudLineaTextos};
  CatalogoTextos catalogo;

  Estado() { entorno.avisador = &avisador; }
};

Estado& ElEstado() {
  static Estado estado;
  return estado;
}

// The record files are large: most inputs are stretched to the full size by
// repeating their bytes, so that the parsing runs on arbitrary content; an
// odd second byte keeps the input as it is, to try short files.
std::string AlTamano(std::string_view bytes, std::size_t tamano, bool estirar) {
  if (!estirar || bytes.empty()) return std::string(bytes);
  std::string resultado;
  resultado.reserve(tamano + bytes.size());
  while (resultado.size() < tamano) resultado.append(bytes);
  return resultado;
}

constexpr int kLectores = 21;
int lectorFijo = -1;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (const char* n = std::getenv("SENDARO_FUZZ_LECTOR")) lectorFijo = std::atoi(n) % kLectores;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
  if (tamano == 0) return 0;
  Estado& e = ElEstado();
  TablasDatos& t = *e.tablas;
  const std::string_view bytes(reinterpret_cast<const char*>(datos) + 1, tamano - 1);
  // A width from the second byte, so that odd widths are tried too.
  const int ancho = tamano > 1 ? static_cast<int>(datos[1]) - 8 : 60;
  switch (lectorFijo >= 0 ? lectorFijo : datos[0] % kLectores) {
    case 0:
      AnalizarTabla(bytes, "CARRERA", t.carreras, ancho);
      break;
    case 1:
      AnalizarTabla(bytes, "CUESGM", t.cuestionarioGM, 75);
      break;
    case 2:
      AnalizarTablaBruta(bytes, "certificaH", t.textosCertificados);
      break;
    case 3:
      AnalizarFamilias(bytes, "FP", t.familiasFP, ancho, t.lineasFamiliasFP);
      OrdenarLineas(t.familiasFP, t.lineasFamiliasFP, t.familiasFP.Cuenta());
      break;
    case 4: {
      TablaBloques* todas[] = {&t.bloquesCarreras, &t.bloquesCarrerasNuevas, &t.bloquesFP,
                               &t.bloquesGM, &t.bloquesOtros};
      TablaBloques& tabla = *todas[tamano % 5];
      AnalizarBloques(bytes, tabla);
      for (int k = 0; k <= tabla.Cuenta() + 1; ++k) (void)tabla.Dificultad(k);
      break;
    }
    case 5:
      AnalizarComarcas(e.entorno, bytes, t.comarcas, ancho);
      break;
    case 6:
      AnalizarZonas(e.entorno, bytes, t.zonas, ancho);
      break;
    case 7:
      AnalizarUniversidades(bytes, "LUGAR", t.universidades);
      break;
    case 8:
      AnalizarDirecciones(bytes, t.direccionesComunidades);
      break;
    case 9:
      AnalizarCentros(bytes, "LU1", t.centros[0]);
      break;
    case 10:
      AnalizarDobles(e.entorno, bytes, "dobles", t.dobles);
      break;
    case 11:
      if (AnalizarLugaresGM(
              AlTamano(bytes, static_cast<std::size_t>(registros::kDatFPL2.BytesTotales()),
                       ancho % 2 == 0),
              t.lugaresGM)) {
        for (int titulo = 1; titulo <= TablaLugaresGM::kTitulos; ++titulo) {
          const int n = t.lugaresGM.NumCentros(4, titulo);
          for (int i = 1; i <= n; ++i) (void)t.lugaresGM.Centro(4, titulo, i);
        }
      }
      break;
    case 12: {
      auto puntos = std::make_unique<DatosPuntos>();
      const auto estirados = AlTamano(
          bytes, static_cast<std::size_t>(registros::kPuntos3.BytesTotales()), ancho % 2 == 0);
      if (AnalizarPuntos(estirados, *puntos)) (void)puntos->Valor(281, 659);
      break;
    }
    case 13: {
      const int cuenta = AnalizarTextos(bytes, "textos", e.textos);
      std::vector<std::string> lineas;
      for (int n = 1; n <= cuenta; ++n) lineas.push_back(e.textos[n]);
      e.catalogo.Rellenar(lineas);
      break;
    }
    case 14:
      AnalizarTabla(bytes, "COMUNIDA", t.comunidades, 53);
      OrdenarLineas(t.comunidades, t.lineasFamiliasFP, t.comunidades.Cuenta() % 64);
      break;
    case 15:
      AnalizarTablaBruta(bytes, "familias", t.familias);
      break;
    case 16: {
      // A text file as the readers open it: the encoding, then the defects.
      (void)GuardadoEnUtf8(bytes);
      const std::string texto = TextoWindows1252(bytes);
      if (!BuscarDefectoTexto(texto)) AnalizarTabla(texto, "CARRERA", t.carreras, 60);
      break;
    }
    case 17: {
      // The content check of every record file, on junk of its size.
      const auto& d = registros::kTodos[tamano % registros::kTodos.size()];
      (void)DefectoRegistros(d, AlTamano(bytes, static_cast<std::size_t>(d.BytesTotales()),
                                         ancho % 2 == 0));
      break;
    }
    case 18: {
      DatosCarreras& c = t.datosCarreras;
      RegistrosFilas* filas[] = {&c.carreras, &c.nuevas, &c.grupos};
      RegistrosFilas& r = *filas[tamano % 3];
      const auto juego = static_cast<std::size_t>(r.Disposicion().BytesTotales());
      if (r.Analizar(AlTamano(bytes, juego, ancho % 2 == 0))) {
        for (int fila = 0; fila <= 201; ++fila) (void)r.Lista(1 + fila % 6, fila, fila % 12, 100);
      }
      break;
    }
    case 19: {
      RegistroTitulosFP& r = t.datosCarreras.titulosFP;
      if (r.Analizar(AlTamano(bytes, static_cast<std::size_t>(registros::kDatFPR.BytesTotales()),
                              ancho % 2 == 0))) {
        for (const auto& tramo : registros::kTramosFPR) {
          for (int titulo = 0; titulo <= 171; ++titulo) (void)r.Lista(tramo, titulo);
        }
      }
      break;
    }
    default: {
      TablaLugaresGM& r = t.datosCarreras.centrosFP;
      if (AnalizarCentrosFP(
              AlTamano(bytes, static_cast<std::size_t>(registros::kDatFPL.BytesTotales()),
                       ancho % 2 == 0),
              r)) {
        for (int titulo = 1; titulo <= TablaLugaresGM::kTitulos; ++titulo) {
          const int n = r.NumCentros(2, titulo);
          for (int i = 1; i <= n; ++i) (void)r.Centro(2, titulo, i);
        }
      }
      break;
    }
  }
  return 0;
}
