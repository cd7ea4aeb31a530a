// Byte-string helpers shared by the data readers. Texts are Windows-1252 bytes
// held in std::string; columns are 1-based byte positions as the data files
// count them. Only the blank (0x20) counts as a blank.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/entorno.h"

namespace sendaro {

// The text without trailing blanks.
std::string RecortarDerecha(std::string_view texto);

// True when the text is empty or only blanks.
bool EsBlanco(std::string_view texto);

// n - 1 copies of the character (empty when n < 2).
std::string RellenarCon(int n, char caracter);

// The width rule: the line followed by ancho - 1 blanks, cut to its first
// ancho bytes. A non-empty line becomes exactly ancho bytes; an empty one
// ancho - 1 blanks.
std::string AplicarAncho(std::string_view linea, int ancho);

// The first n bytes of the text (the whole text when shorter; empty for n <= 0).
std::string_view Cortar(std::string_view texto, int n);

// Bytes columna..columna+ancho-1 (1-based) of the line, clipped to the line:
// shorter or empty when the line ends earlier.
std::string_view Columnas(std::string_view linea, int columna, int ancho);

// A decimal number: optional leading blanks, then 1..9 digits and nothing
// else. Anything else (empty, trailing blanks, signs, letters) is not a number.
std::optional<int> NumeroDecimal(std::string_view campo);

// Splits a whole file's bytes into lines. Lines end with LF or CR LF; the
// last line needs no line end; a CR not followed by LF stays in the line.
// Every other byte, NUL included, is part of the line. An empty file has no
// lines; a file ending with a line end has no extra empty line after it.
std::vector<std::string_view> DividirLineas(std::string_view bytes);

// The whole content of a file, or nothing when it cannot be opened for
// reading (missing, a folder, no permission).
std::optional<std::string> LeerFicheroCompleto(const std::filesystem::path& ruta);

// True when the file opens for reading.
bool ExisteFichero(const std::filesystem::path& ruta);

// "Faltan ficheros (<nombre>). Vuelva a instalar el programa".
std::string MensajeFaltanFicheros(std::string_view nombre);

// Reads a file of the installation by the name as given ("LUGAR",
// "galego/textos"). When it cannot be read: shows the missing-files message
// with that name, sets FalloGrave and returns nothing.
std::optional<std::string> AbrirFicheroDatos(Entorno& entorno, std::string_view nombre);

// UTF-8 to Windows-1252; characters that Windows-1252 lacks become '?'.
// Nothing when the bytes are not valid UTF-8.
std::optional<std::string> Utf8AWindows1252(std::string_view utf8);

// True when a text file was saved as UTF-8: it starts with the UTF-8
// byte-order mark, or it is valid UTF-8 and has a character beyond ASCII
// (Windows-1252 text with accents is almost never valid UTF-8).
bool GuardadoEnUtf8(std::string_view bytes);

// The text of a data file in Windows-1252, the program's own encoding: a file
// saved as UTF-8 is converted (without its byte-order mark), so its fixed
// columns fall where the readers look for them. Other files are as they are.
std::string TextoWindows1252(std::string_view bytes);

// What makes a text data file unusable: a byte that is no text in
// Windows-1252 (control bytes other than tab, CR and LF; 0x7F; the five
// unused bytes), which a file of junk or of another kind has, or a last line
// without its line end, which a file cut short has. The line counts from 1;
// the reason is for people (UTF-8), as the data tool prints it.
struct DefectoTexto {
  int linea = 0;
  std::string motivo;
};
std::optional<DefectoTexto> BuscarDefectoTexto(std::string_view texto);

// Reads a text data file (line tables, block files, the fixed-column files,
// the catalogue) and gives its text in Windows-1252. A missing file or one
// with a defect shows the missing-files message with the name, sets
// FalloGrave and returns nothing: a broken file is treated as a missing one.
std::optional<std::string> AbrirFicheroTexto(Entorno& entorno, std::string_view nombre);

}  // namespace sendaro
