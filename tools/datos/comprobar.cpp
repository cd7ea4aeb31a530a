#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

#include "comprobar_mapas.h"
#include "data/catalogo.h"
#include "data/registros.h"
#include "data/texto.h"
#include "ficheros.h"
#include "herramienta.h"
#include "traducciones.h"

namespace fs = std::filesystem;

namespace sendaro::datos {
namespace {

// Lines of a Windows-1252 CR LF file; faults in the line ends and bytes are
// reported as they are found.
std::vector<std::string> LineasCrLf(const std::string& bytes, const std::string& nombre,
                                    std::vector<Problema>& problemas) {
  std::vector<std::string> lineas;
  std::string actual;
  int numero = 1;
  bool sin_crlf = false;
  bool byte_malo = false;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
      lineas.push_back(actual);
      actual.clear();
      ++numero;
      ++i;
      continue;
    }
    if (b == '\n' || b == '\r') {
      if (!sin_crlf) problemas.push_back({nombre, numero, "fin de línea que no es CR LF"});
      sin_crlf = true;
      if (b == '\n') {
        lineas.push_back(actual);
        actual.clear();
        ++numero;
      }
      continue;
    }
    if (!byte_malo && (b < 0x20 || b == 0x7F || !CaracterCp1252(b))) {
      problemas.push_back(
          {nombre, numero, "byte " + std::to_string(b) + " que no es texto en Windows-1252"});
      byte_malo = true;
    }
    actual.push_back(static_cast<char>(b));
  }
  if (!actual.empty()) {
    lineas.push_back(actual);
    problemas.push_back({nombre, numero, "la última línea no termina en CR LF"});
  }
  return lineas;
}

bool LeerTodo(const fs::path& ruta, std::string& contenido) {
  std::ifstream f(ruta, std::ios::binary | std::ios::ate);
  if (!f) return false;
  const auto tamano = static_cast<std::streamoff>(f.tellg());
  if (tamano < 0) return false;
  contenido.assign(static_cast<std::size_t>(tamano), '\0');
  f.seekg(0);
  return static_cast<bool>(f.read(contenido.data(), tamano));
}

std::uint32_t Entero32(const std::string& b, std::size_t pos) {
  if (pos + 4 > b.size()) return 0;
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[pos])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[pos + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[pos + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[pos + 3])) << 24;
}

// A text file saved as UTF-8 is read by the program as the same Windows-1252
// text; it is reported (at the first line with a character beyond ASCII, or
// line 1 for the byte-order mark) and checked as the program reads it.
std::string ComoLoLeeElPrograma(const std::string& bytes, const std::string& nombre,
                                std::vector<Problema>& problemas) {
  if (!GuardadoEnUtf8(bytes)) return bytes;
  int linea = 1;
  if (!bytes.starts_with("\xEF\xBB\xBF")) {
    for (const char c : bytes) {
      if (static_cast<unsigned char>(c) >= 0x80) break;
      if (c == '\n') ++linea;
    }
  }
  problemas.push_back({nombre, linea,
                       "guardado en UTF-8: el programa lo convierte al leerlo, pero debe guardarse "
                       "en Windows-1252"});
  return TextoWindows1252(bytes);
}

std::uint32_t Entero(const std::string& b, std::size_t pos, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) {
    v = v << 8 | static_cast<unsigned char>(b[pos + static_cast<std::size_t>(i)]);
  }
  return v;
}

bool PngEntero(std::string_view b) {
  return b.starts_with("\x89PNG\r\n\x1A\n") && b.ends_with("IEND\xAE\x42\x60\x82");
}

// The packed lists of the scene (".DXG" pictures, ".dxw" sounds): the
// header, every item whole, nothing after the last one, every picture a whole
// PNG (image lists of version 1) or all its pixels (version 2), and every
// sound a RIFF file. Empty when the list is sound.
std::string DefectoListaEscena(const std::string& b, bool imagenes) {
  const char* magia = imagenes ? "SDXG" : "SDXW";
  if (b.size() < 8 || b.compare(0, 4, magia) != 0) return std::string("no empieza por ") + magia;
  const std::uint32_t version = Entero(b, 4, 2);
  const std::uint32_t ultima = imagenes ? 2 : 1;
  if (version < 1 || version > ultima) {
    return "versión " + std::to_string(version) + "; se leen de la 1 a la " +
           std::to_string(ultima);
  }
  const bool pixeles = imagenes && version == 2;
  const std::uint32_t cuantos = Entero(b, 6, 2);
  std::size_t p = 8;
  for (std::uint32_t i = 1; i <= cuantos; ++i) {
    const std::string elemento = "elemento " + std::to_string(i) + ": ";
    if (p + 1 > b.size()) return elemento + "la lista está cortada";
    const std::size_t largo = static_cast<unsigned char>(b[p]);
    p += 1 + largo;
    const std::size_t cabecera = pixeles ? 6 : imagenes ? 10 : 4;
    if (p + cabecera > b.size()) return elemento + "la lista está cortada";
    if (imagenes && (Entero(b, p, 2) == 0 || Entero(b, p + 2, 2) == 0 || Entero(b, p + 4, 2) == 0)) {
      return elemento + "medidas o número de cuadros 0";
    }
    std::size_t datos = 0;
    if (pixeles) {
      datos = std::size_t{Entero(b, p, 2)} * Entero(b, p + 2, 2) * Entero(b, p + 4, 2) * 4;
      p += cabecera;
      p += (4 - p % 4) % 4;  // the pixels start at a multiple of 4
      if (p > b.size()) return elemento + "la lista está cortada";
    } else {
      datos = Entero(b, p + cabecera - 4, 4);
      p += cabecera;
    }
    if (datos > b.size() - p) return elemento + "la lista está cortada";
    const std::string_view contenido(b.data() + p, datos);
    if (imagenes && !pixeles && !PngEntero(contenido)) return elemento + "la imagen no es un PNG entero";
    if (!imagenes && !contenido.starts_with("RIFF")) return elemento + "el sonido no es un WAV";
    p += datos;
  }
  if (p != b.size()) return "hay bytes después del último elemento";
  return {};
}

class Comprobador {
 public:
  explicit Comprobador(fs::path carpeta) : carpeta_(std::move(carpeta)) {}

  std::vector<Problema> problemas;
  int comprobados = 0;

  // Reads a file of the installation; a missing one is a problem.
  bool Abrir(const std::string& nombre, std::string& contenido) {
    ++comprobados;
    std::error_code ec;
    const fs::path ruta = carpeta_ / nombre;
    if (!fs::is_regular_file(ruta, ec) || !LeerTodo(ruta, contenido)) {
      problemas.push_back({nombre, 0, "falta el fichero"});
      return false;
    }
    return true;
  }

  void Texto(const FicheroTexto& f, const std::string& nombre) {
    std::string bytes;
    if (!Abrir(nombre, bytes)) return;
    bytes = ComoLoLeeElPrograma(bytes, nombre, problemas);
    const auto lineas = LineasCrLf(bytes, nombre, problemas);
    if (lineas.empty()) problemas.push_back({nombre, 0, "el fichero está vacío"});
    if (static_cast<int>(lineas.size()) > f.capacidad) {
      problemas.push_back(
          {nombre, f.capacidad + 1,
           "pasa de las " + std::to_string(f.capacidad) + " líneas que el programa lee"});
    }
    for (std::size_t i = 0; f.ancho > 0 && i < lineas.size(); ++i) {
      std::string_view l = lineas[i];
      while (!l.empty() && l.back() == ' ') l.remove_suffix(1);
      if (static_cast<int>(l.size()) > f.ancho) {
        problemas.push_back({nombre, static_cast<int>(i) + 1,
                             "texto después de la columna " + std::to_string(f.ancho) +
                                 ", que el programa no lee"});
      }
    }
    if (f.bloque > 0 && lineas.size() % static_cast<std::size_t>(f.bloque) != 0) {
      problemas.push_back({nombre, static_cast<int>(lineas.size()),
                           "el número de líneas (" + std::to_string(lineas.size()) +
                               ") no es múltiplo del bloque de " + std::to_string(f.bloque)});
    }
  }

  void Textos(const std::string& nombre) {
    std::string bytes;
    if (!Abrir(nombre, bytes)) return;
    bytes = ComoLoLeeElPrograma(bytes, nombre, problemas);
    const auto lineas = LineasCrLf(bytes, nombre, problemas);
    if (lineas.size() < static_cast<std::size_t>(CatalogoTextos::kLineasObligatorias)) {
      problemas.push_back({nombre, 0,
                           "tiene " + std::to_string(lineas.size()) + " líneas; hacen falta " +
                               std::to_string(CatalogoTextos::kLineasObligatorias)});
    }
    for (std::size_t i = 0; i < lineas.size(); ++i) {
      const int n = static_cast<int>(i) + 1;
      std::string linea = lineas[i];
      while (!linea.empty() && linea.back() == ' ') linea.pop_back();
      if (linea.empty()) continue;
      const int hueco = n <= CatalogoTextos::kUltimaLinea ? CatalogoTextos::LongitudHueco(n) : 75;
      if (hueco == 0) {
        problemas.push_back({nombre, n, "línea sin uso que tiene texto"});
      } else if (static_cast<int>(linea.size()) > hueco) {
        problemas.push_back({nombre, n,
                             "texto de " + std::to_string(linea.size()) +
                                 " caracteres; su hueco es de " + std::to_string(hueco)});
      }
    }
  }

  void Registro(const FicheroRegistro& r) {
    std::string bytes;
    const std::string nombre(r.nombre);
    if (!Abrir(nombre, bytes)) return;
    if (bytes.size() != r.bytes) {
      problemas.push_back({nombre, 0,
                           "mide " + std::to_string(bytes.size()) + " bytes; debe medir " +
                               std::to_string(r.bytes)});
      return;
    }
    // Junk of the right size: what the program refuses.
    for (const auto& d : registros::kTodos) {
      if (d.fichero != r.nombre) continue;
      if (const auto defecto = DefectoRegistros(d, bytes)) problemas.push_back({nombre, 0, *defecto});
    }
  }

  void ListaEscena(const std::string& nombre, bool imagenes) {
    std::string b;
    if (!Abrir(nombre, b)) return;
    if (const std::string defecto = DefectoListaEscena(b, imagenes); !defecto.empty()) {
      problemas.push_back({nombre, 0, "lista de la escena dañada: " + defecto});
    }
  }

  void Imagen(const FicheroImagen& im) {
    std::string b;
    if (!Abrir(im.nombre, b)) return;
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || Entero32(b, 2) != b.size()) {
      problemas.push_back({im.nombre, 0, "no es un mapa de bits BMP válido"});
      return;
    }
    const auto ancho = static_cast<std::int32_t>(Entero32(b, 18));
    auto alto = static_cast<std::int32_t>(Entero32(b, 22));
    if (alto < 0) alto = -alto;
    if ((im.ancho != 0 && ancho != im.ancho) || (im.alto != 0 && alto != im.alto)) {
      problemas.push_back({im.nombre, 0,
                           "mide " + std::to_string(ancho) + "x" + std::to_string(alto) +
                               "; debe medir " + std::to_string(im.ancho) + "x" +
                               (im.alto != 0 ? std::to_string(im.alto) : std::string("N"))});
    }
  }

  // A PNG file: the signature, then the IHDR chunk with the width and the
  // height as big-endian 32-bit numbers.
  void ImagenPng(const FicheroImagen& im) {
    std::string b;
    if (!Abrir(im.nombre, b)) return;
    static constexpr std::string_view kFirma = "\x89PNG\r\n\x1A\n";
    if (b.size() < 24 || b.compare(0, kFirma.size(), kFirma) != 0 ||
        b.compare(12, 4, "IHDR") != 0) {
      problemas.push_back({im.nombre, 0, "no es una imagen PNG"});
      return;
    }
    if (!PngEntero(b)) {
      problemas.push_back({im.nombre, 0, "la imagen está cortada: le falta el final del PNG"});
      return;
    }
    const auto grande = [&b](std::size_t pos) {
      std::uint32_t v = 0;
      for (std::size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(b[pos + i]);
      return v;
    };
    const std::uint32_t ancho = grande(16);
    const std::uint32_t alto = grande(20);
    if (ancho != static_cast<std::uint32_t>(im.ancho) ||
        alto != static_cast<std::uint32_t>(im.alto)) {
      problemas.push_back({im.nombre, 0,
                           "mide " + std::to_string(ancho) + "x" + std::to_string(alto) +
                               "; debe medir " + std::to_string(im.ancho) + "x" +
                               std::to_string(im.alto)});
    }
  }

  void Sonido(const FicheroSonido& s) {
    std::string b;
    if (!Abrir(s.nombre, b)) return;
    if (b.size() < 44 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) {
      problemas.push_back({s.nombre, 0, "no es un sonido WAV"});
    } else if (b.size() < s.minimo) {
      problemas.push_back({s.nombre, 0,
                           "mide " + std::to_string(b.size()) + " bytes; hacen falta al menos " +
                               std::to_string(s.minimo)});
    }
  }

  void Ajustes() {
    std::string b;
    if (!Abrir(kAjustes, b)) return;
    for (const char* clave : kClavesAjustes) {
      if (b.find(std::string(clave) + "=") == std::string::npos) {
        problemas.push_back({kAjustes, 0, std::string("falta la clave ") + clave});
      }
    }
  }

 private:
  fs::path carpeta_;
};

}  // namespace

std::vector<Problema> Comprobar(const fs::path& carpeta, int& comprobados,
                                std::vector<std::string>* avisos) {
  Comprobador c(carpeta);
  std::error_code ec;
  if (!fs::is_directory(carpeta, ec)) {
    comprobados = 0;
    return {{carpeta.string(), 0, "no es una carpeta"}};
  }
  for (const auto& idioma : kIdiomas) {
    const std::string prefijo = *idioma.subcarpeta ? std::string(idioma.subcarpeta) + "/" : "";
    for (const auto& f : FicherosTexto()) {
      if (prefijo.empty() || f.idioma) c.Texto(f, prefijo + std::string(f.nombre));
    }
    c.Textos(prefijo + "textos");
  }
  for (const auto& r : FicherosRegistro()) c.Registro(r);
  for (const auto& im : kImagenes) c.Imagen(im);
  for (const auto& im : kImagenesPng) c.ImagenPng(im);
  ComprobarMapas(carpeta, c.problemas);
  for (const auto& s : kSonidos) c.Sonido(s);
  {
    std::string piel;
    c.Abrir(kPiel, piel);
  }
  // The scene's lists, whatever their names: every ".DXG" and ".dxw".
  std::vector<std::string> listas;
  for (const auto& e : fs::directory_iterator(carpeta, ec)) {
    std::string extension = e.path().extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char x) { return static_cast<char>(std::tolower(x)); });
    if (e.is_regular_file(ec) && (extension == ".dxg" || extension == ".dxw")) {
      listas.push_back(e.path().filename().string());
    }
  }
  std::sort(listas.begin(), listas.end());
  for (const auto& l : listas) {
    const bool imagenes = std::tolower(static_cast<unsigned char>(l.back())) == 'g';
    c.ListaEscena(l, imagenes);
  }
  c.Ajustes();
  const auto referencias = ComprobarReferencias(carpeta);
  c.problemas.insert(c.problemas.end(), referencias.begin(), referencias.end());
  std::vector<std::string> notas;
  const auto traducciones = ComprobarTraducciones(carpeta, notas);
  c.problemas.insert(c.problemas.end(), traducciones.begin(), traducciones.end());
  if (avisos != nullptr) avisos->insert(avisos->end(), notas.begin(), notas.end());
  comprobados = c.comprobados;
  return c.problemas;
}

}  // namespace sendaro::datos
