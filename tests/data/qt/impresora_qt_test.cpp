#include "data/qt/impresora_qt.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "data/impresion/impresion_texto.h"
#include "data/impresion/informe.h"
#include "data/impresion/informes.h"
#include "data/impresion/lineas_prueba.h"
#include "data/programas_iniciales.h"

namespace sendaro {
namespace {

// Fonts and the PDF engine need a GUI application; the test program's main
// makes one, this only stands in when the test runs on its own.
void AsegurarAplicacion() {
  if (QCoreApplication::instance() != nullptr) return;
  static int argc = 1;
  static char nombre[] = "pruebas_qt";
  static char* argv[] = {nombre, nullptr};
  static QGuiApplication aplicacion(argc, argv);
}

// Runs a poppler tool and returns its standard output.
QString Poppler(const QString& programa, const QStringList& argumentos) {
  QProcess proceso;
  proceso.start(programa, argumentos);
  if (!proceso.waitForFinished(60000) || proceso.exitCode() != 0) return QString();
  return QString::fromUtf8(proceso.readAllStandardOutput());
}

int Paginas(const QString& pdf) {
  const auto coincidencia = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                .match(Poppler(QStringLiteral("pdfinfo"), {pdf}));
  return coincidencia.hasMatch() ? coincidencia.captured(1).toInt() : -1;
}

QString Texto(const QString& pdf) {
  return Poppler(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

std::string LineaNumero(int k) {
  char texto[16];
  std::snprintf(texto, sizeof texto, "Linea %04d", k);
  return texto;
}

class ImpresoraQtTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AsegurarAplicacion();
    ASSERT_TRUE(carpeta_.isValid());
    anterior_ = qgetenv("SENDARO_PDF_DIR");
    habia_ = qEnvironmentVariableIsSet("SENDARO_PDF_DIR");
    qputenv("SENDARO_PDF_DIR", carpeta_.path().toUtf8());
  }
  void TearDown() override {
    if (habia_) {
      qputenv("SENDARO_PDF_DIR", anterior_);
    } else {
      qunsetenv("SENDARO_PDF_DIR");
    }
  }
  QString Pdf(const QString& nombre) const { return carpeta_.filePath(nombre); }
  // The header picture, loaded as at start-up.
  void CargarChica() {
    QImage chica(20, 30, QImage::Format_RGB32);
    chica.fill(Qt::darkCyan);
    ASSERT_TRUE(chica.save(carpeta_.filePath(QStringLiteral("chica.bmp"))));
    ASSERT_TRUE(CargarImagenImpresion(
        QDir(carpeta_.path()).filePath(QStringLiteral("chica.bmp")).toStdString()));
  }

  QTemporaryDir carpeta_;
  QByteArray anterior_;
  bool habia_ = false;
};

TEST_F(ImpresoraQtTest, InformesAPdfNumeradosConCabeceraYLineas) {
  CargarChica();

  const DatosCabecera datos{"IES R\xEDo Ebro", "Curso", ImagenHoja{"chica.bmp"}};
  BufferImpresion buffer;
  SeccionesImpresion secciones;
  secciones.Agregar(2);
  buffer.Fijar(0, "Ficha de Medicina");
  for (int k = 1; k <= 400; ++k) buffer.Fijar(k, LineaNumero(k));

  ImpresoraQt impresora;
  ASSERT_TRUE(ImprimirTresColumnas(impresora, datos, buffer, 400, true, secciones));
  buffer.Fijar(0, "Universidades: Le\xF3n / Castilla");
  for (int k = 1; k <= 60; ++k) buffer.Fijar(k, LineaNumero(k));
  ASSERT_TRUE(ImprimirVertical(impresora, datos, buffer, 60, false, 12, secciones));

  const QString columnas = Pdf(QStringLiteral("001 Ficha de Medicina.pdf"));
  const QString vertical = Pdf(QStringLiteral("002 Universidades_ Le\u00F3n _ Castilla.pdf"));
  ASSERT_TRUE(QFile::exists(columnas))
      << QDir(carpeta_.path()).entryList().join(u',').toStdString();
  ASSERT_TRUE(QFile::exists(vertical))
      << QDir(carpeta_.path()).entryList().join(u',').toStdString();

  EXPECT_EQ(Paginas(columnas), 3);
  const QString texto = Texto(columnas);
  for (const QString& esperado :
       {QStringLiteral("IES R\u00EDo Ebro"), QStringLiteral("Ficha de Medicina"),
        QStringLiteral("2008-2009"), QStringLiteral("Curso"), QStringLiteral("Linea 0001"),
        QStringLiteral("Linea 0150"), QStringLiteral("Linea 0400")}) {
    EXPECT_TRUE(texto.contains(esperado)) << esperado.toStdString();
  }
  // Each page has its number; pages end at 150 and 300.
  const QStringList paginas = texto.split(u'\f', Qt::SkipEmptyParts);
  ASSERT_GE(paginas.size(), 3);
  EXPECT_TRUE(paginas[0].contains(QStringLiteral("Linea 0150")));
  EXPECT_FALSE(paginas[0].contains(QStringLiteral("Linea 0151")));
  EXPECT_TRUE(paginas[2].contains(QStringLiteral("Linea 0301")));
  // The header picture is on every page.
  const QString imagenes =
      Poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), columnas});
  EXPECT_EQ(imagenes.count(QStringLiteral("image")), 3) << imagenes.toStdString();

  EXPECT_EQ(Paginas(vertical), 2);
  const QString textoVertical = Texto(vertical);
  EXPECT_TRUE(textoVertical.contains(QStringLiteral("Universidades: Le\u00F3n / Castilla")));
  const QStringList paginasVertical = textoVertical.split(u'\f', Qt::SkipEmptyParts);
  ASSERT_EQ(paginasVertical.size(), 2);
  EXPECT_TRUE(paginasVertical[0].contains(QStringLiteral("Linea 0051")));
  EXPECT_TRUE(paginasVertical[1].contains(QStringLiteral("Linea 0052")));
  EXPECT_FALSE(paginasVertical[1].contains(QStringLiteral("IES R\u00EDo Ebro")));
}

TEST_F(ImpresoraQtTest, TextoPlanoConNumerosDePagina) {
  TablaLinea tabla;
  for (int k = 1; k <= 120; ++k) tabla.Fijar(k, LineaNumero(k));
  ImpresoraQt impresora;
  ASSERT_TRUE(ImprimirTexto(impresora, LineasDe(tabla), 120, "Itinerario"));
  const QString pdf = Pdf(QStringLiteral("001 Itinerario.pdf"));
  ASSERT_TRUE(QFile::exists(pdf));
  const int paginas = Paginas(pdf);
  EXPECT_GE(paginas, 2);
  const QStringList texto = Texto(pdf).split(u'\f', Qt::SkipEmptyParts);
  ASSERT_EQ(texto.size(), paginas);
  for (int p = 1; p <= paginas; ++p) {
    EXPECT_TRUE(texto[p - 1].contains(QStringLiteral("-%1-").arg(p))) << p;
  }
  EXPECT_TRUE(texto.back().contains(QStringLiteral("Linea 0120")));
}

// A word of a PDF page as pdftotext -bbox places it, in points from the
// page's top-left corner.
struct PalabraPdf {
  double x1, y1, x2, y2;
  QString texto;
};

struct PaginaPdf {
  double ancho = 0;
  double alto = 0;
  std::vector<PalabraPdf> palabras;
};

std::vector<PaginaPdf> PalabrasPdf(const QString& pdf) {
  const QString xhtml =
      Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  static const QRegularExpression etiqueta(
      QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">|<word xMin=\"([\\d.]+)\" "
                     "yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
  std::vector<PaginaPdf> paginas;
  for (auto it = etiqueta.globalMatch(xhtml); it.hasNext();) {
    const auto m = it.next();
    if (m.capturedLength(1) > 0) {
      paginas.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), {}});
    } else if (!paginas.empty()) {
      QString texto = m.captured(7);
      texto.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
          .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
          .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
          .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
          .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
      paginas.back().palabras.push_back({m.captured(3).toDouble(), m.captured(4).toDouble(),
                                         m.captured(5).toDouble(), m.captured(6).toDouble(),
                                         texto});
    }
  }
  return paginas;
}

// No two words overlap, none leaves the page and, on landscape pages, none
// crosses a column separator (at `margen` + 3.667 and + 7.407 inches, from
// `margen` + 1 to + 7.5 inches down).
void EsperarSinSolapes(const std::vector<PaginaPdf>& paginas, double margenIzquierdo,
                       double margenSuperior) {
  constexpr double kHolgura = 0.01;
  for (std::size_t p = 0; p < paginas.size(); ++p) {
    const PaginaPdf& pagina = paginas[p];
    const bool apaisada = pagina.ancho > pagina.alto;
    for (std::size_t i = 0; i < pagina.palabras.size(); ++i) {
      const PalabraPdf& a = pagina.palabras[i];
      const std::string nombre =
          "page " + std::to_string(p + 1) + ": \"" + a.texto.toStdString() + "\"";
      EXPECT_GE(a.x1, 0) << nombre;
      EXPECT_LE(a.x2, pagina.ancho) << nombre;
      EXPECT_LE(a.y2, pagina.alto) << nombre;
      if (apaisada) {
        for (const double separador : {3.667, 7.407}) {
          const double x = (margenIzquierdo + separador) * 72;
          const bool enAltura =
              a.y2 > (margenSuperior + 1) * 72 && a.y1 < (margenSuperior + 7.5) * 72;
          EXPECT_FALSE(enAltura && a.x1 < x + kHolgura && x - kHolgura < a.x2)
              << nombre << " crosses the separator at " << separador;
        }
      }
      for (std::size_t j = i + 1; j < pagina.palabras.size(); ++j) {
        const PalabraPdf& b = pagina.palabras[j];
        EXPECT_FALSE(a.x1 + kHolgura < b.x2 && b.x1 + kHolgura < a.x2 && a.y1 + kHolgura < b.y2 &&
                     b.y1 + kHolgura < a.y2)
            << nombre << " overlaps \"" << b.texto.toStdString() << "\" (" << a.x1 << "," << a.y1
            << "-" << a.x2 << "," << a.y2 << " / " << b.x1 << "," << b.y1 << "-" << b.x2 << ","
            << b.y2 << ")";
      }
    }
  }
}

// Every word of lines 1..n is in the PDF as many times as in the buffer.
void EsperarTodasLasPalabras(const std::vector<PaginaPdf>& paginas, const BufferImpresion& buffer,
                             int n) {
  std::map<QString, int> impresas;
  for (const auto& pagina : paginas) {
    for (const auto& palabra : pagina.palabras) ++impresas[palabra.texto];
  }
  for (int k = 1; k <= n; ++k) {
    for (const std::string& palabra : prueba::Palabras(buffer.Linea(k))) {
      int& cuenta = impresas[DesdeWindows1252(palabra)];
      EXPECT_GT(cuenta, 0) << "line " << k << ": " << DesdeWindows1252(palabra).toStdString();
      --cuenta;
    }
  }
}

// A PDF file on A4 with the given side margins (top and bottom a quarter inch).
class DestinoPdfConMargenes : public DestinoImpresion {
 public:
  DestinoPdfConMargenes(QString fichero, double margen)
      : fichero_(std::move(fichero)), margen_(margen) {}
  bool Preparar(QPrinter& impresora, const QString&) override {
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(margen_, 0.25, margen_, 0.25),
                                        QPageLayout::Inch));
    impresora.setOutputFileName(fichero_);
    return true;
  }

 private:
  QString fichero_;
  double margen_;
};

// Lines of 1 to 60 characters, bold every thirteenth, printed to PDF in every
// layout: no word overlaps another word or a separator or leaves the page,
// and every word of the buffer is there. The wide margins leave columns too
// narrow for 60 characters at the smallest size, so lines wrap.
TEST_F(ImpresoraQtTest, InformesSinSolapesYSinPerderPalabras) {
  enum class Rutina { kCompacta, kNormal, kVerticalArial12, kVerticalCourier10 };
  struct Caso {
    const char* nombre;
    Rutina rutina;
    int n;
    double margen;  // left and right, inches (A4 is 8.27 x 11.69)
    int paginas;
  };
  const DatosCabecera datos{"IES R\xEDo Ebro", "Curso", ImagenHoja{"chica.bmp"}};
  for (const Caso& c : {Caso{"compact", Rutina::kCompacta, 400, 0.25, 3},
                        Caso{"normal", Rutina::kNormal, 400, 0.25, 3},
                        Caso{"three columns as portrait", Rutina::kNormal, 74, 0.25, 2},
                        Caso{"portrait Arial 12", Rutina::kVerticalArial12, 120, 0.25, 3},
                        Caso{"portrait Courier 10", Rutina::kVerticalCourier10, 150, 0.25, 3},
                        // 3 pages without wrapping, 1 for the normal one.
                        Caso{"compact, wrapped", Rutina::kCompacta, 400, 1.0, 4},
                        Caso{"normal, wrapped", Rutina::kNormal, 150, 1.0, 2},
                        Caso{"portrait, wrapped", Rutina::kVerticalCourier10, 150, 2.0, 3}}) {
    SCOPED_TRACE(c.nombre);
    const QString pdf = Pdf(QString::fromUtf8(c.nombre) + QStringLiteral(".pdf"));
    ImpresoraQt impresora(std::make_unique<DestinoPdfConMargenes>(pdf, c.margen));
    BufferImpresion buffer;
    SeccionesImpresion secciones;
    buffer.Fijar(0, "Ficha de Medicina (L)");
    for (int k = 1; k <= c.n; ++k) buffer.Fijar(k, prueba::LineaDeLargo(k, 1 + (k * 7) % 60));
    for (int k = 1; k <= c.n; k += 13) secciones.Agregar(k);
    switch (c.rutina) {
      case Rutina::kCompacta:
      case Rutina::kNormal:
        ASSERT_TRUE(ImprimirTresColumnas(impresora, datos, buffer, c.n,
                                         c.rutina == Rutina::kCompacta, secciones));
        break;
      case Rutina::kVerticalArial12:
        ASSERT_TRUE(ImprimirVertical(impresora, datos, buffer, c.n, false, 12, secciones));
        break;
      case Rutina::kVerticalCourier10:
        ASSERT_TRUE(ImprimirVertical(impresora, datos, buffer, c.n, true, 10, secciones));
        break;
    }
    const auto paginas = PalabrasPdf(pdf);
    EXPECT_EQ(static_cast<int>(paginas.size()), c.paginas);
    EsperarSinSolapes(paginas, c.margen, 0.25);
    EsperarTodasLasPalabras(paginas, buffer, c.n);
  }
}

// The places report of the initial programmes, with a centre that fills its
// field, a longer one and a long programme, printed as its screen prints it:
// every word of the rows is on paper, the phone apart from the name.
TEST_F(ImpresoraQtTest, InformeDeUnLugarConFilasLargasSinPerderPalabras) {
  CargarChica();
  const std::vector<FilaCentroIP> filas = {
      {"-La Almunia de Do\xF1"
       "a Godina IES Miguel Servet",
       "976000129"},
      {"Operaciones auxiliares de montaje de instalaciones electrot\xE9"
       "cnicas y de "
       "telecomunicaciones en edificios",
       ""},
      {"-Centro Integrado de Formaci\xF3n Profesional de la Comarca del Bajo Arag\xF3n",
       "978000001"},
      {"", ""},
  };
  CatalogoTextos catalogo;
  catalogo.Rellenar(std::vector<std::string>(CatalogoTextos::kUltimaLinea, "Consulta"));
  const InformeImpresion informe = InformeLugar(catalogo, "Zaragoza", filas);
  BufferImpresion buffer;
  SeccionesImpresion secciones;
  const int n = PasarAlBuffer(informe, buffer, secciones);
  const QString pdf = Pdf(QStringLiteral("lugar.pdf"));
  ImpresoraQt impresora(std::make_unique<DestinoPdfConMargenes>(pdf, 0.5));
  ASSERT_TRUE(ImprimirVertical(impresora, DatosCabeceraDe(catalogo, "IES R\xEDo Ebro"), buffer, n,
                               true, 10, secciones));

  std::vector<std::string> entrada;
  for (const FilaCentroIP& f : filas) entrada.push_back(f.texto + " " + f.telefono);
  std::vector<std::string> impresas;
  for (int k = 1; k <= n; ++k) impresas.push_back(buffer.Linea(k));
  EXPECT_EQ(prueba::Palabras(impresas), prueba::Palabras(entrada));
  const auto paginas = PalabrasPdf(pdf);
  ASSERT_EQ(paginas.size(), 1u);
  EsperarSinSolapes(paginas, 0.5, 0.25);
  EsperarTodasLasPalabras(paginas, buffer, n);
  const QString texto = Texto(pdf);
  EXPECT_TRUE(texto.contains(QStringLiteral("Servet 976000129"))) << texto.toStdString();
  EXPECT_TRUE(texto.contains(QStringLiteral("Arag\u00F3n"))) << texto.toStdString();
  EXPECT_TRUE(
      texto.contains(QStringLiteral("electrot\u00E9"
                                    "cnicas")))
      << texto.toStdString();
}

// A long centre name and a long title in both headers: they shrink (and, at
// worst, are cut short) so that no header word overlaps another or the year;
// the picture is on every page.
TEST_F(ImpresoraQtTest, CabecerasLargasSinSolapesYConImagen) {
  CargarChica();
  const DatosCabecera datos{
      "Instituto de Educaci\xF3n Secundaria Pe\xF1"
      "a Grande de Madrid",
      "Curso", ImagenHoja{"chica.bmp"}};
  // Cut to the buffer's 60 characters.
  const std::string titulo =
      "Carrera: Teor\xED"
      "a de la Literatura y Literatura Comparada (2\xBA ciclo)";
  BufferImpresion buffer;
  SeccionesImpresion secciones;
  buffer.Fijar(0, titulo);
  for (int k = 1; k <= 160; ++k) buffer.Fijar(k, LineaNumero(k));
  ImpresoraQt impresora;
  // A short card prints portrait in Courier New, a long one in landscape.
  ASSERT_TRUE(ImprimirTresColumnas(impresora, datos, buffer, 10, false, secciones));
  ASSERT_TRUE(ImprimirTresColumnas(impresora, datos, buffer, 160, false, secciones));

  const QStringList ficheros = QDir(carpeta_.path()).entryList({QStringLiteral("*.pdf")});
  ASSERT_EQ(ficheros.size(), 2);
  for (const QString& fichero : ficheros) {
    SCOPED_TRACE(fichero.toStdString());
    const QString pdf = Pdf(fichero);
    const auto paginas = PalabrasPdf(pdf);
    ASSERT_FALSE(paginas.empty());
    EsperarSinSolapes(paginas, 0.25, 0.25);
    QStringList palabras;
    for (const auto& palabra : paginas[0].palabras) palabras += palabra.texto;
    const QString texto = palabras.join(u' ');
    EXPECT_TRUE(texto.contains(QStringLiteral("2008-2009"))) << texto.toStdString();
    EXPECT_TRUE(
        texto.contains(QStringLiteral("Carrera: Teor\u00EDa de la Literatura y "
                                      "Literatura Comparada (2\u00BA")))
        << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("Instituto de Educaci\u00F3n")))
        << texto.toStdString();
    const QString imagenes = Poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    EXPECT_EQ(imagenes.count(QStringLiteral("image")), static_cast<qsizetype>(paginas.size()))
        << imagenes.toStdString();
  }
}

// The plain printouts with lines of every length up to the buffer's width.
TEST_F(ImpresoraQtTest, TextoPlanoSinSolapesYSinPerderPalabras) {
  BufferImpresion buffer;
  for (int k = 1; k <= 120; ++k) buffer.Fijar(k, prueba::LineaDeLargo(k, 1 + (k * 7) % 60));
  ImpresoraQt impresora;
  ASSERT_TRUE(ImprimirTexto(impresora, LineasDe(buffer), 120, "Texto"));
  ASSERT_TRUE(ImprimirLista(impresora, LineasDe(buffer), 120, 3, "Lista"));
  for (const QString& fichero :
       {QStringLiteral("001 Texto.pdf"), QStringLiteral("002 Lista.pdf")}) {
    SCOPED_TRACE(fichero.toStdString());
    const auto paginas = PalabrasPdf(Pdf(fichero));
    EXPECT_GE(paginas.size(), 2u);
    EsperarSinSolapes(paginas, 0.25, 0.25);
    EsperarTodasLasPalabras(paginas, buffer, 120);
  }
}

class DestinoQueCancela : public DestinoImpresion {
 public:
  bool Preparar(QPrinter&, const QString& titulo) override {
    titulos += titulo;
    return false;
  }
  QStringList titulos;
};

TEST_F(ImpresoraQtTest, DialogoCanceladoNoImprime) {
  auto destino = std::make_unique<DestinoQueCancela>();
  auto* visto = destino.get();
  ImpresoraQt impresora(std::move(destino));
  bool dibujado = false;
  EXPECT_FALSE(impresora.Imprimir("Ficha de Le\xF3n", [&](SuperficieHoja&) { dibujado = true; }));
  EXPECT_FALSE(dibujado);
  EXPECT_EQ(visto->titulos, QStringList{QStringLiteral("Ficha de Le\u00F3n")});
  EXPECT_TRUE(QDir(carpeta_.path()).entryList(QDir::Files).isEmpty());
}

TEST(NombreFicheroPdf, NumeradoYSeguroParaElSistemaDeFicheros) {
  struct Caso {
    int numero;
    QString titulo;
    QString esperado;
  };
  for (const Caso& c :
       {Caso{1, QStringLiteral("Ficha de Medicina"), QStringLiteral("001 Ficha de Medicina.pdf")},
        Caso{12, QStringLiteral("a/b\\c:d*e?f\"g<h>i|j"),
             QStringLiteral("012 a_b_c_d_e_f_g_h_i_j.pdf")},
        Caso{3, QStringLiteral("  dos   blancos\tfin. "),
             QStringLiteral("003 dos blancos fin.pdf")},
        Caso{1000, QStringLiteral(" .. "), QStringLiteral("1000 Informe.pdf")},
        Caso{4, QString(100, u'x'),
             QStringLiteral("004 ") + QString(80, u'x') + QStringLiteral(".pdf")}}) {
    EXPECT_EQ(NombreFicheroPdf(c.numero, c.titulo), c.esperado) << c.titulo.toStdString();
  }
}

TEST(NombreFicheroPdf, SiguienteNumeroTrasElMayor) {
  QTemporaryDir carpeta;
  ASSERT_TRUE(carpeta.isValid());
  const std::filesystem::path ruta = carpeta.path().toStdString();
  EXPECT_EQ(SiguienteNumeroPdf(ruta), 1);
  for (const char* nombre : {"002 a.pdf", "010 b.pdf", "notas.txt", "999x.pdf"}) {
    QFile fichero(carpeta.filePath(QString::fromUtf8(nombre)));
    ASSERT_TRUE(fichero.open(QIODevice::WriteOnly));
  }
  EXPECT_EQ(SiguienteNumeroPdf(ruta), 11);
  EXPECT_EQ(SiguienteNumeroPdf(ruta / "no-existe"), 1);
}

}  // namespace
}  // namespace sendaro
