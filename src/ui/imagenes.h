// Pictures of the installation, opened by the name the program uses for
// them. A name without extension is a bitmap: "partei" opens "partei.bmp".
#pragma once

#include <QImage>
#include <QPixmap>
#include <filesystem>
#include <optional>
#include <string_view>

namespace sendaro {

// Tries the name as given, then with ".bmp", ".jpg" and ".jpeg"; when none
// exists with that exact spelling, the same names ignoring case (installations
// copied from case-insensitive file systems). Nothing when no file is found
// or it is not a whole picture: a bitmap, PNG or JPEG by its first bytes, that
// decodes, and for a bitmap with all its pixel rows in the file.
std::optional<QPixmap> CargarImagen(const std::filesystem::path& carpeta, std::string_view nombre);

// True when the picture is there and whole (as CargarImagen takes it; a PNG
// must end with its closing chunk), without decoding it.
bool ImagenEntera(const std::filesystem::path& carpeta, std::string_view nombre);

// The same picture as an image, for use away from the GUI thread.
std::optional<QImage> LeerImagen(const std::filesystem::path& carpeta, std::string_view nombre);

}  // namespace sendaro
