#include "data/impresion/informes.h"

#include <algorithm>
#include <string>

#include "data/impresion/ajuste_texto.h"
#include "data/texto.h"

namespace sendaro {

namespace {

// Header frame, in inches.
constexpr double kIzquierda = 0.5;
constexpr double kArriba = 0.1;
constexpr double kDerechaVertical = 7.3;
constexpr double kDerechaApaisada = 10.2;
constexpr double kAlto = 0.7;

// Vertical separators of the three columns, in inches.
constexpr double kSeparadores[2] = {3.667, 7.407};
constexpr double kSeparadorDesde = 1.0;
constexpr double kSeparadorHasta = 7.5;

int DivisionArriba(int a, int b) { return (a + b - 1) / b; }

// Room kept between a header text and its neighbours, and between a report
// column and a separator or the page edge, in inches.
constexpr double kHuecoCabecera = 0.1;
constexpr double kHuecoColumna = 0.05;

int Pixeles(const HojaImpresion& hoja, double pulgadas) { return hoja.Pixeles(pulgadas, 0).x; }

// Writes a header text at (x, y) inches, in the current family in bold,
// shrunk from `tamano` and elided as needed to stay within `ancho` pixels.
void TextoCabecera(HojaImpresion& hoja, double x, double y, double tamano, std::string_view texto,
                   int ancho, Alineacion alineacion) {
  Fuente fuente = hoja.FuenteActual();
  fuente.tamano = tamano;
  fuente.negrita = true;
  const TextoAjustado ajustado = AjustarTextoCabecera(hoja, fuente, texto, std::max(ancho, 0));
  hoja.FijarTamano(ajustado.tamano);
  hoja.MoverA(x, y);
  if (ajustado.texto.empty()) return;
  switch (alineacion) {
    case Alineacion::kIzquierda:
      hoja.Texto(ajustado.texto);
      break;
    case Alineacion::kCentro:
      hoja.TextoCentrado(ajustado.texto);
      break;
    case Alineacion::kDerecha:
      hoja.TextoDerecha(ajustado.texto);
      break;
  }
}

// The header both pages share: the frame, the picture, the school year, then
// the centre's name (size 12) centred on the frame and the title
// (size `tamanoTitulo`), each kept clear of the picture and the year's texts.
void Cabecera(HojaImpresion& hoja, const DatosCabecera& datos, double derecha,
              std::string_view titulo, double tamanoTitulo) {
  hoja.FijarNegrita(true);
  hoja.FijarPincel(kBlanco);
  hoja.Rectangulo(kIzquierda, kArriba, derecha, kArriba + kAlto);
  hoja.ImagenEn(
      hoja.AreaImagen(kIzquierda + 0.1, kArriba + 0.03, kIzquierda + 0.45, kArriba + 0.58),
      datos.Imagen);
  hoja.FijarPincel(kBlanco);
  hoja.FijarTamano(10);
  const int anchoCurso = hoja.AnchoTexto(datos.TextoCurso);
  const int anchoAno = hoja.AnchoTexto(kCursoCabecera);
  hoja.MoverA(derecha - 0.05, kArriba + 0.1);
  hoja.TextoDerecha(datos.TextoCurso);
  hoja.MoverA(derecha - 0.05, kArriba + 0.4);
  hoja.TextoDerecha(kCursoCabecera);

  const int hueco = Pixeles(hoja, kHuecoCabecera);
  const int finCurso = Pixeles(hoja, derecha - 0.05) - anchoCurso - hueco;
  const int finAno = Pixeles(hoja, derecha - 0.05) - anchoAno - hueco;
  const double centro = (kIzquierda + derecha) / 2;
  const int finImagen = Pixeles(hoja, kIzquierda + 0.45) + hueco;
  const int mitad = std::min(Pixeles(hoja, centro) - finImagen, finCurso - Pixeles(hoja, centro));
  TextoCabecera(hoja, centro, kArriba + 0.1, 12, datos.NombreCentro, 2 * mitad,
                Alineacion::kCentro);
  TextoCabecera(hoja, kIzquierda + 0.5, kArriba + 0.4, tamanoTitulo, titulo,
                finAno - Pixeles(hoja, kIzquierda + 0.5), Alineacion::kIzquierda);
}

void TextoNoVacio(HojaImpresion& hoja, std::string_view texto) {
  if (!texto.empty()) hoja.Texto(texto);
}

}  // namespace

DatosCabecera DatosCabeceraDe(const CatalogoTextos& catalogo, std::string_view nombreCentro) {
  return {std::string(Cortar(nombreCentro, 50)), catalogo.Texto(175),
          ImagenHoja{std::string(kImagenCabecera)}};
}

void CabeceraVertical(HojaImpresion& hoja, const DatosCabecera& datos, std::string_view titulo) {
  Cabecera(hoja, datos, std::min(kDerechaVertical, hoja.AnchoEnUnidades() - kHuecoColumna), titulo,
           12);
}

void CabeceraApaisada(HojaImpresion& hoja, const DatosCabecera& datos, std::string_view titulo,
                      int pagina) {
  // On a page too narrow for the frame and the page circle, the frame ends
  // earlier so that the circle stays on the page.
  const double derecha =
      std::min(kDerechaApaisada, hoja.AnchoEnUnidades() - 0.2 - kAlto - kHuecoColumna);
  hoja.FijarNegrita(true);
  hoja.FijarPincel(kBlanco);
  hoja.Elipse(derecha + 0.2, kArriba, derecha + 0.2 + kAlto, kArriba + kAlto);
  if (pagina != 0) {
    hoja.FijarTamano(16);
    hoja.MoverA(derecha + 0.5, kArriba + 0.2);
    hoja.Texto(std::to_string(pagina));
  }
  Cabecera(hoja, datos, derecha, titulo, 11);
}

void ImprimirVertical(SuperficieHoja& superficie, const DatosCabecera& datos,
                      BufferImpresion& buffer, int n, bool fijo, int tamano,
                      const SeccionesImpresion& secciones) {
  const int porPagina = tamano == 12 ? 50 : 70;
  buffer.VaciarDesde(n + 1);
  superficie.FijarOrientacion(Orientacion::kVertical);
  if (!superficie.Comenzar()) return;
  const std::string familia(fijo ? kFuenteCourier : kFuenteArial);
  HojaImpresion hoja(superficie);
  hoja.FijarFuente({familia, static_cast<double>(tamano), false});
  hoja.PrepararHoja(50, porPagina + 8);
  CabeceraVertical(hoja, datos, buffer.Linea(0));

  // The lines run from grid column 5 to the header's right edge.
  const int x = hoja.PixelesFila(5, 0).x;
  const int derecha = std::min(superficie.AnchoPixeles() - Pixeles(hoja, kHuecoColumna),
                               Pixeles(hoja, kDerechaVertical));
  const InformeAjustado informe =
      AjustarInforme(hoja, {familia, static_cast<double>(tamano), false}, derecha - x,
                     superficie.AltoPixeles() / (porPagina + 8), buffer, n, secciones);

  int fila = 0;
  for (std::size_t i = 0; i < informe.lineas.size(); ++i) {
    const auto& filas = informe.filas[i];
    // A page holds rows 0..porPagina; a wrapped line starts a new page
    // rather than being split, unless it is longer than a page. The next
    // page starts only when a line is left for it, so a full last page is
    // not followed by a blank one.
    if (fila > 0 && fila + static_cast<int>(filas.size()) > porPagina + 1) {
      superficie.NuevaPagina();
      fila = 0;
    }
    hoja.FijarFuente({familia, informe.tamano, informe.lineas[i].negrita});
    for (const std::string& texto : filas) {
      if (fila > porPagina) {
        superficie.NuevaPagina();
        fila = 0;
      }
      hoja.MoverAPixeles({x, hoja.PixelesFila(0, fila + 6).y});
      TextoNoVacio(hoja, texto);
      ++fila;
    }
  }
  superficie.Terminar();
}

FormatoTresColumnas CalcularTresColumnas(int n, bool compacto) {
  FormatoTresColumnas f;
  if (n <= 150) {
    f.filas = DivisionArriba(n, 3);
    f.paginas = 1;
  } else if (compacto) {
    f.filas = 50;
    f.paginas = DivisionArriba(n, 150);
  } else {
    const int grupos = DivisionArriba(n, 50);
    f.filas = DivisionArriba(n, grupos);
    f.paginas = DivisionArriba(grupos, 3);
  }
  if (compacto) {
    f.tamano = 8;
    f.columnasRejilla = 150;
    f.x[0] = 2;
    f.x[1] = 50;
    f.x[2] = 100;
  } else {
    f.tamano = 10;
    f.columnasRejilla = 130;
    f.x[0] = 4;
    f.x[1] = 44;
    f.x[2] = 86;
  }
  return f;
}

namespace {

// Where the text of each column may run, in pixels: from the column's grid
// position (moved right of the separator before it when the page is so
// narrow that the grid puts it on or behind the line) to the next separator
// or the page's edge.
struct ColumnasEnPixeles {
  int desde[3] = {};
  int hasta[3] = {};

  int AnchoMenor() const {
    return std::min({hasta[0] - desde[0], hasta[1] - desde[1], hasta[2] - desde[2]});
  }
};

ColumnasEnPixeles Columnas(const HojaImpresion& hoja, const FormatoTresColumnas& f,
                           int anchoPagina) {
  ColumnasEnPixeles c;
  const int hueco = Pixeles(hoja, kHuecoColumna);
  for (int k = 0; k < 3; ++k) {
    c.desde[k] = hoja.PixelesFila(f.x[k], 0).x;
    if (k > 0) c.desde[k] = std::max(c.desde[k], Pixeles(hoja, kSeparadores[k - 1]) + hueco);
    c.hasta[k] = (k < 2 ? Pixeles(hoja, kSeparadores[k]) : anchoPagina) - hueco;
  }
  return c;
}

// A printed row: the text and the line it belongs to (for its weight).
struct FilaColumna {
  std::size_t linea;
  const std::string* texto;
};

// Fills columns of `filas` rows one after another, three to a page. A
// wrapped line is kept in one column unless it is longer than a column.
std::vector<std::vector<std::vector<FilaColumna>>> Repartir(const InformeAjustado& informe,
                                                            int filas) {
  std::vector<std::vector<FilaColumna>> columnas(1);
  for (std::size_t i = 0; i < informe.filas.size(); ++i) {
    const auto& partes = informe.filas[i];
    const int ocupadas = static_cast<int>(columnas.back().size());
    if (ocupadas > 0 && ocupadas + static_cast<int>(partes.size()) > filas) columnas.emplace_back();
    for (const std::string& texto : partes) {
      if (static_cast<int>(columnas.back().size()) >= filas) columnas.emplace_back();
      columnas.back().push_back({i, &texto});
    }
  }
  std::vector<std::vector<std::vector<FilaColumna>>> paginas;
  for (std::size_t c = 0; c < columnas.size(); ++c) {
    if (c % 3 == 0) paginas.emplace_back(3);
    paginas.back()[c % 3] = std::move(columnas[c]);
  }
  return paginas;
}

}  // namespace

void ImprimirTresColumnas(SuperficieHoja& superficie, const DatosCabecera& datos,
                          BufferImpresion& buffer, int n, bool compacto,
                          const SeccionesImpresion& secciones) {
  if (n <= 74) {
    ImprimirVertical(superficie, datos, buffer, n, true, 10, secciones);
    return;
  }
  buffer.VaciarDesde(n + 1);
  FormatoTresColumnas f = CalcularTresColumnas(n, compacto);
  const std::string familia(kFuenteCourier);

  superficie.FijarOrientacion(Orientacion::kApaisada);
  if (!superficie.Comenzar()) return;
  HojaImpresion hoja(superficie);
  hoja.FijarFuente({familia, static_cast<double>(f.tamano), false});
  hoja.PrepararHoja(f.columnasRejilla, f.filas + 8);
  const ColumnasEnPixeles columnas = Columnas(hoja, f, superficie.AnchoPixeles());
  const InformeAjustado informe =
      AjustarInforme(hoja, {familia, static_cast<double>(f.tamano), false}, columnas.AnchoMenor(),
                     superficie.AltoPixeles() / (f.filas + 8), buffer, n, secciones);
  // Wrapped lines take more rows: the columns are laid out for the rows.
  if (informe.totalFilas != n) {
    f = CalcularTresColumnas(informe.totalFilas, compacto);
    hoja.PrepararHoja(f.columnasRejilla, f.filas + 8);
  }
  const auto paginas = Repartir(informe, f.filas);

  for (std::size_t p = 0; p < paginas.size(); ++p) {
    if (p > 0) superficie.NuevaPagina();
    hoja.FijarFuente({familia, static_cast<double>(f.tamano), false});
    CabeceraApaisada(hoja, datos, buffer.Linea(0),
                     paginas.size() == 1 ? 0 : static_cast<int>(p) + 1);
    for (const double x : kSeparadores) {
      hoja.MoverA(x, kSeparadorDesde);
      hoja.LineaA(x, kSeparadorHasta);
    }
    for (int columna = 0; columna < 3; ++columna) {
      const auto& filas = paginas[p][static_cast<std::size_t>(columna)];
      for (std::size_t j = 0; j < filas.size(); ++j) {
        hoja.FijarFuente({familia, informe.tamano, informe.lineas[filas[j].linea].negrita});
        hoja.MoverAPixeles(
            {columnas.desde[columna], hoja.PixelesFila(0, static_cast<int>(j) + 6).y});
        TextoNoVacio(hoja, *filas[j].texto);
      }
    }
  }
  superficie.Terminar();
}

bool ImprimirVertical(Impresora& impresora, const DatosCabecera& datos, BufferImpresion& buffer,
                      int n, bool fijo, int tamano, const SeccionesImpresion& secciones) {
  return impresora.Imprimir(buffer.Linea(0), [&](SuperficieHoja& superficie) {
    ImprimirVertical(superficie, datos, buffer, n, fijo, tamano, secciones);
  });
}

bool ImprimirTresColumnas(Impresora& impresora, const DatosCabecera& datos, BufferImpresion& buffer,
                          int n, bool compacto, const SeccionesImpresion& secciones) {
  return impresora.Imprimir(buffer.Linea(0), [&](SuperficieHoja& superficie) {
    ImprimirTresColumnas(superficie, datos, buffer, n, compacto, secciones);
  });
}

}  // namespace sendaro
