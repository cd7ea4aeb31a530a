// Report lines that keep every word. The print buffer holds 60 bytes of a
// line, so a builder breaks a longer text into whole lines itself instead of
// letting its end be cut off.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/impresion/buffers_impresion.h"

namespace sendaro {

// Width of a report line in the print buffer.
inline constexpr int kAnchoLineaInforme = BufferImpresion::kLimite;
// How much further than its first line a wrapped text's further lines start.
inline constexpr int kSangriaContinuacion = 2;

// The text as lines of at most `ancho` bytes. A text that fits is the one
// line as it is; a longer one, without trailing blanks, breaks at the last
// blank that fits and every further line starts with the text's own indent
// plus kSangriaContinuacion blanks (no indent when that leaves less than half
// a line). A word longer than a line is split, never dropped.
std::vector<std::string> LineasEnteras(std::string_view texto, int ancho = kAnchoLineaInforme);

// A text followed by a field on its last line (a telephone), with at least
// `blancos` blanks between them: the text wraps as LineasEnteras in the room
// the field leaves, and the field starts at `columna` or `blancos` blanks
// after the text, whichever is further. An empty field gives the text's lines
// alone.
std::vector<std::string> LineasConCampo(std::string_view texto, std::string_view campo, int columna,
                                        int blancos = 1, int ancho = kAnchoLineaInforme);

}  // namespace sendaro
