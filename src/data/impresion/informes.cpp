#include "data/impresion/informes.h"

#include <algorithm>
#include <string>

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

// Steps shared by both headers: the frame, the picture and the school year.
void MarcoCabecera(HojaImpresion& hoja, const DatosCabecera& datos, double derecha) {
  hoja.FijarNegrita(true);
  hoja.FijarPincel(kBlanco);
  hoja.Rectangulo(kIzquierda, kArriba, derecha, kArriba + kAlto);
  hoja.ImagenEn(
      hoja.AreaImagen(kIzquierda + 0.1, kArriba + 0.03, kIzquierda + 0.45, kArriba + 0.58),
      datos.Imagen);
  hoja.FijarPincel(kBlanco);
  hoja.FijarTamano(10);
  hoja.MoverA(derecha - 0.05, kArriba + 0.1);
  hoja.TextoDerecha(datos.TextoCurso);
  hoja.MoverA(derecha - 0.05, kArriba + 0.4);
  hoja.TextoDerecha(kCursoCabecera);
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
  MarcoCabecera(hoja, datos, kDerechaVertical);
  hoja.FijarTamano(12);
  hoja.MoverA((kIzquierda + kDerechaVertical) / 2, kArriba + 0.1);
  hoja.TextoCentrado(datos.NombreCentro);
  hoja.FijarTamano(12);
  hoja.MoverA(kIzquierda + 0.5, kArriba + 0.4);
  hoja.Texto(titulo);
}

void CabeceraApaisada(HojaImpresion& hoja, const DatosCabecera& datos, std::string_view titulo,
                      int pagina) {
  const double derecha = kDerechaApaisada;
  MarcoCabecera(hoja, datos, derecha);
  hoja.Elipse(derecha + 0.2, kArriba, derecha + 0.2 + kAlto, kArriba + kAlto);
  if (pagina != 0) {
    hoja.FijarTamano(16);
    hoja.MoverA(derecha + 0.5, kArriba + 0.2);
    hoja.Texto(std::to_string(pagina));
  }
  hoja.FijarTamano(12);
  hoja.MoverA((kIzquierda + derecha) / 2, kArriba + 0.1);
  hoja.TextoCentrado(datos.NombreCentro);
  hoja.FijarTamano(11);
  hoja.MoverA(kIzquierda + 0.5, kArriba + 0.4);
  hoja.Texto(titulo);
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
  hoja.FijarFuente({familia, tamano, false});
  hoja.PrepararHoja(50, porPagina + 8);
  CabeceraVertical(hoja, datos, buffer.Linea(0));

  int fila = 0;
  for (int k = 1; k <= n; ++k) {
    // A page holds rows 0..porPagina; the next page starts only when a line
    // is left for it, so a full last page is not followed by a blank one.
    if (fila > porPagina) {
      superficie.NuevaPagina();
      fila = 0;
    }
    hoja.FijarFuente({familia, tamano, secciones.EsNegrita(k)});
    hoja.MoverAFila(5, fila + 6);
    TextoNoVacio(hoja, buffer.Linea(k));
    ++fila;
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

void ImprimirTresColumnas(SuperficieHoja& superficie, const DatosCabecera& datos,
                          BufferImpresion& buffer, int n, bool compacto,
                          const SeccionesImpresion& secciones) {
  if (n <= 74) {
    ImprimirVertical(superficie, datos, buffer, n, true, 10, secciones);
    return;
  }
  buffer.VaciarDesde(n + 1);
  const FormatoTresColumnas f = CalcularTresColumnas(n, compacto);
  const std::string familia(kFuenteCourier);

  superficie.FijarOrientacion(Orientacion::kApaisada);
  if (!superficie.Comenzar()) return;
  HojaImpresion hoja(superficie);
  hoja.FijarFuente({familia, f.tamano, false});
  hoja.PrepararHoja(f.columnasRejilla, f.filas + 8);

  for (int pagina = 1; pagina <= f.paginas; ++pagina) {
    if (pagina > 1) superficie.NuevaPagina();
    CabeceraApaisada(hoja, datos, buffer.Linea(0), f.paginas == 1 ? 0 : pagina);
    for (const double x : kSeparadores) {
      hoja.MoverA(x, kSeparadorDesde);
      hoja.LineaA(x, kSeparadorHasta);
    }
    int i = (pagina - 1) * f.filas * 3 + 1;
    for (int j = 1; j <= f.filas; ++j, ++i) {
      for (int columna = 0; columna < 3; ++columna) {
        const int k = i + columna * f.filas;
        hoja.FijarFuente({familia, f.tamano, secciones.EsNegrita(k)});
        hoja.MoverAFila(f.x[columna], j + 5);
        TextoNoVacio(hoja, RecortarDerecha(buffer.Linea(k)));
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
