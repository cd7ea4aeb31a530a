#include "data/instalado.h"

#include <system_error>

namespace sendaro {

namespace fs = std::filesystem;

RutasInstaladas RutasDesde(const fs::path& carpetaPrograma) {
  const fs::path prefijo = carpetaPrograma.parent_path();
  // The GNU rule: the configuration of /usr lives in /etc.
  const fs::path etc =
      prefijo.filename() == "usr" ? prefijo.parent_path() / "etc" : prefijo / "etc";
  return {prefijo / "share" / "sendaro", prefijo / "lib" / "sendaro",
          etc / "sendaro"};
}

fs::path CarpetaPrograma() {
  std::error_code error;
  const fs::path programa = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path() : programa.parent_path();
}

}  // namespace sendaro
