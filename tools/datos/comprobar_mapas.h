// The map pictures against the region table "puntos3": the code under each
// pixel must be the region the picture shows there.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "fuentes.h"

namespace sendaro::datos {

// An uncompressed Windows bitmap of 24 or 32 bits per pixel, as 0xRRGGBB.
struct ImagenBmp {
  int ancho = 0;
  int alto = 0;
  std::vector<std::uint32_t> pixeles;  // rows from the top

  std::uint32_t En(int x, int y) const {
    return pixeles[static_cast<std::size_t>(y) * static_cast<std::size_t>(ancho) + static_cast<std::size_t>(x)];
  }
};

// False when the bytes are not such a bitmap (the reason in `error`).
bool LeerBmp(std::string_view bytes, ImagenBmp& imagen, std::string& error);

// For each of "mapa.bmp", "mapac.bmp" and "mapam.bmp": every pixel of a
// region has the region's own colour or the border colour (the one colour
// that all regions share), no two regions share a colour, no region's colour
// is seen outside it, and every region of the map (1..19, 1..41, 1..28) is
// drawn. Missing or mis-sized files are left to the other checks.
void ComprobarMapas(const std::filesystem::path& carpeta, std::vector<Problema>& problemas);

}  // namespace sendaro::datos
