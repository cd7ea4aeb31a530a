#include "data/qt/impresora_qt.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <string>

#include "data/impresion/impresion_texto.h"
#include "data/impresion/informes.h"

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

  QTemporaryDir carpeta_;
  QByteArray anterior_;
  bool habia_ = false;
};

TEST_F(ImpresoraQtTest, InformesAPdfNumeradosConCabeceraYLineas) {
  QImage chica(20, 30, QImage::Format_RGB32);
  chica.fill(Qt::darkCyan);
  ASSERT_TRUE(chica.save(carpeta_.filePath(QStringLiteral("chica.bmp"))));
  ASSERT_TRUE(CargarImagenImpresion(
      QDir(carpeta_.path()).filePath(QStringLiteral("chica.bmp")).toStdString()));

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
