// Where an installed Sendaro keeps its files. Everything is found from the
// folder of the running executable, so that a copy unpacked under another
// root (a package's files, an install with DESTDIR) finds its own files:
//
//   <prefijo>/bin/sendaro, <prefijo>/bin/sendaro-datos
//   <prefijo>/lib/sendaro/libsendaro_audio.so    the sound module
//   <prefijo>/share/sendaro/                     the installation
//   /etc/sendaro/                                the school's settings when
//                                                <prefijo> is /usr, else
//                                                <prefijo>/etc/sendaro/
//
// The install rules (packaging/CMakeLists.txt) put the files there.
#pragma once

#include <filesystem>

namespace sendaro {

struct RutasInstaladas {
  std::filesystem::path datos;    // the installation's program folder
  std::filesystem::path modulos;  // the sound module's folder
  std::filesystem::path ajustes;  // the system's settings folder
};

// The places for an executable in `carpetaPrograma` (<prefijo>/bin).
RutasInstaladas RutasDesde(const std::filesystem::path& carpetaPrograma);

// The folder of the running executable, from the kernel (it works before
// any toolkit starts); empty when it cannot be read.
std::filesystem::path CarpetaPrograma();

}  // namespace sendaro
