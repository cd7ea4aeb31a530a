#include "qt/apoyo.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStringEncoder>
#include <QTest>

#include "data/catalogo.h"
#include "data/disposiciones.h"
#include "data/temas.h"
#include "hall/vestibulo_estatico.h"

namespace sendaro::prueba {

bool DialogosPrueba::PreguntaSiNo(const QString& texto) {
  preguntas << texto;
  if (respuestasPregunta.empty()) return false;
  const bool r = respuestasPregunta.front();
  respuestasPregunta.pop_front();
  return r;
}

int DialogosPrueba::Ejecutar(QDialog& dialogo) {
  ejecutados << dialogo.objectName();
  if (respuestas.empty()) return QDialog::Rejected;
  Respuesta r = std::move(respuestas.front());
  respuestas.pop_front();
  return r(dialogo);
}

void DialogosPrueba::ResponderConTecla(int tecla, std::function<void(QDialog&)> antes) {
  respuestas.push_back([tecla, antes](QDialog& d) {
    d.open();
    if (antes) antes(d);
    QWidget* foco = d.focusWidget() != nullptr ? d.focusWidget() : &d;
    QTest::keyClick(foco, static_cast<Qt::Key>(tecla));
    if (d.isVisible()) d.done(-1);  // the key did not close it
    return d.result();
  });
}

void DialogosPrueba::ResponderConBoton(const QString& boton, std::function<void(QDialog&)> antes) {
  respuestas.push_back([boton, antes](QDialog& d) {
    d.open();
    if (antes) antes(d);
    auto* b = d.findChild<QAbstractButton*>(boton);
    if (b != nullptr && b->isVisible()) QTest::mouseClick(b, Qt::LeftButton);
    if (d.isVisible()) d.done(-1);  // the button was not there
    return d.result();
  });
}

namespace {

QByteArray Win(const QString& s) {
  QStringEncoder codificador("windows-1252");
  return codificador.encode(s);
}

QByteArray Catalogo(QChar prefijo) {
  QByteArray bytes;
  for (int n = 1; n <= CatalogoTextos::kUltimaLinea; ++n) {
    QString linea = InstalacionPrueba::Texto(n);
    if (prefijo != QLatin1Char('T')) linea = prefijo + QString::number(n);
    bytes += Win(linea) + "\r\n";
  }
  return bytes;
}

void Imagen(const QString& ruta, QColor color, QSize tam) {
  QImage imagen(tam, QImage::Format_RGB32);
  imagen.fill(color);
  imagen.save(ruta, "BMP");
}

}  // namespace

QString InstalacionPrueba::Texto(int n) {
  static const std::map<int, QString> reales = {
      {49, QStringLiteral("\u00bfDesea salir?")},
      {82, QStringLiteral("Volver")},
      {140, QStringLiteral("No")},
      {141, QStringLiteral("S\u00ed")},
      {253, QStringLiteral("La pantalla no es de 1024x768.")},
      {254, QStringLiteral("\u00bfCambiarla ahora?")},
      {338, QStringLiteral("Sendaro")},
  };
  const auto r = reales.find(n);
  return r != reales.end() ? r->second : QStringLiteral("T%1").arg(n);
}

InstalacionPrueba::InstalacionPrueba() {
  const QDir d(dir_.path());
  d.mkpath(QStringLiteral("catVal"));
  d.mkpath(QStringLiteral("galego"));
  d.mkpath(QStringLiteral("euskera"));
  Ajustes(
      "IES Pe\xF1"
      "a Grande",
      0, 0, 'I');
  Escribir(QStringLiteral("textos"), Catalogo(QLatin1Char('T')));
  Escribir(QStringLiteral("galego/textos"), Catalogo(QLatin1Char('G')));

  // Every data file, empty, in the folder and (language-dependent ones) in
  // each language subfolder; record files with their full size.
  for (const FicheroDatos& f : ficheros::kTodos) {
    const QString nombre =
        QString::fromLatin1(f.nombre.data(), static_cast<qsizetype>(f.nombre.size()));
    if (nombre == QLatin1String("textos")) continue;
    QByteArray contenido;
    if (nombre == QLatin1String("puntos3"))
      contenido.fill('\0', registros::kPuntos3.BytesTotales());
    if (nombre == QLatin1String("datFPL2"))
      contenido.fill('\0', registros::kDatFPL2.BytesTotales());
    Escribir(nombre, contenido);
    if (f.idioma) {
      for (const char* sub : {"catVal/", "galego/", "euskera/"}) {
        Escribir(QString::fromLatin1(sub) + nombre, contenido);
      }
    }
  }

  // The record files, all zero, at their full size.
  for (const DisposicionRegistros& r : registros::kTodos) {
    const QString nombre =
        QString::fromLatin1(r.fichero.data(), static_cast<qsizetype>(r.fichero.size()));
    if (!QFile::exists(Ruta(nombre))) Escribir(nombre, QByteArray(r.BytesTotales(), '\0'));
  }

  Imagen(Ruta(QStringLiteral("chica.bmp")), Qt::magenta, {60, 100});
  Imagen(Ruta(QStringLiteral("heli.bmp")), Qt::gray, {40, 20});
  for (std::string_view m : kMapas) {
    Imagen(Ruta(QString::fromLatin1(m.data(), static_cast<qsizetype>(m.size())) +
                QStringLiteral(".bmp")),
           Qt::green, {50, 50});
  }
  for (char letra : std::string("IFCNAP")) {
    const Tema& t = *BuscarTema(letra);
    for (std::string_view n :
         {t.Lateral, t.Pared, t.Suelo, t.MarcoDerecho, t.MarcoIzquierdo, t.Rotulo}) {
      if (n.empty()) continue;
      QString nombre = QString::fromLatin1(n.data(), static_cast<qsizetype>(n.size()));
      if (!nombre.contains(QLatin1Char('.'))) nombre += QStringLiteral(".bmp");
      Imagen(Ruta(nombre), QColor::fromHsv((letra * 37) % 360, 120, 200), {32, 32});
    }
  }
  // The static hall's strips and bubble, at their sizes.
  const std::pair<std::string_view, QSize> png[] = {{kTiraFigura, {8 * 56, 168}},
                                                    {kTiraPuerta, {5 * 56, 168}},
                                                    {kTiraIconos, {21 * 28, 28}},
                                                    {kImagenBocadillo, {195, 140}}};
  for (const auto& [nombre, tam] : png) {
    QImage imagen(tam, QImage::Format_ARGB32);
    imagen.fill(Qt::transparent);
    imagen.save(Ruta(QString::fromLatin1(nombre.data(), static_cast<qsizetype>(nombre.size()))),
                "PNG");
  }
  QByteArray motor("RIFF");
  motor.append(50000, 'm');
  Escribir(QStringLiteral("motor.wav"), motor);
}

std::filesystem::path InstalacionPrueba::Carpeta() const {
  return std::filesystem::path(QFile::encodeName(dir_.path()).toStdString());
}

QString InstalacionPrueba::Ruta(const QString& nombre) const {
  return QDir(dir_.path()).filePath(nombre);
}

void InstalacionPrueba::Borrar(const QString& nombre) { QFile::remove(Ruta(nombre)); }

void InstalacionPrueba::Escribir(const QString& nombre, const QByteArray& contenido) {
  QFile f(Ruta(nombre));
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(contenido);
}

void InstalacionPrueba::Ajustes(const std::string& nombre, int animacion, int idioma, char letra) {
  // Written in Windows-1252 on purpose: the reader accepts it as well as UTF-8.
  const std::string ini =
      "[Centro]\r\nNombreCentro=" + nombre + "\r\nConAnimacion=" + std::to_string(animacion) +
      "\r\nCodigoIdioma=" + std::to_string(idioma) + "\r\nLetraTema=" + letra + "\r\n";
  Escribir(QStringLiteral("centro.ini"), QByteArray::fromStdString(ini));
}

void Pulsar(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

QString UltimoPdf(const QString& carpeta) {
  const QStringList pdfs =
      QDir(carpeta).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
  return pdfs.isEmpty() ? QString() : QDir(carpeta).filePath(pdfs.last());
}

QString TextoPdf(const QString& pdf) {
  if (pdf.isEmpty()) return {};
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!p.waitForFinished(60000)) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace sendaro::prueba
