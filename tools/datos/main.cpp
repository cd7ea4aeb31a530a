// sendaro-datos: builds an installation from its readable sources and checks
// an installation before it goes onto the school's workstations.
//
//   sendaro-datos compilar SRC DIR [--recursos GEN]
//   sendaro-datos comprobar [DIR]
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>

#include "app/ajustes_centro.h"
#include "data/instalado.h"
#include "herramienta.h"

#ifndef SENDARO_VERSION
#define SENDARO_VERSION ""
#endif

namespace {

constexpr const char* kUso =
    "Uso: sendaro-datos compilar FUENTES DESTINO [--recursos CARPETA]\n"
    "     sendaro-datos comprobar [CARPETA]\n";

int Uso() {
  std::cerr << kUso;
  return 2;
}

int Ayuda() {
  const sendaro::RutasInstaladas rutas = sendaro::RutasDesde(sendaro::CarpetaPrograma());
  std::cout << kUso
            << "Construye la instalación de Sendaro a partir de sus fuentes legibles y la\n"
               "comprueba antes de llevarla a los puestos del centro.\n"
               "\n"
               "  compilar FUENTES DESTINO  compila los ficheros de FUENTES (como instalacion/\n"
               "                            de las fuentes de Sendaro) en la carpeta DESTINO;\n"
               "                            con --recursos, copia también las imágenes y los\n"
               "                            sonidos de CARPETA\n"
               "  comprobar [CARPETA]       comprueba cada fichero de la instalación; sin\n"
               "                            CARPETA, la instalada ("
            << rutas.datos.string()
            << ")\n"
               "                            y sus ajustes del centro ("
            << (rutas.ajustes / std::string(sendaro::kFicheroAjustes)).string()
            << ")\n"
               "  -h, --help                muestra esta ayuda y termina\n"
               "  -V, --version             muestra la versión y termina\n"
               "\n"
               "Termina con 0 si todo está bien, 1 si hay problemas y 2 si la orden está mal.\n";
  return 0;
}

int Ejecutar(int argc, char** argv) {
  using namespace sendaro::datos;
  if (argc == 2 && (std::string(argv[1]) == "-h" || std::string(argv[1]) == "--help")) {
    return Ayuda();
  }
  if (argc == 2 && (std::string(argv[1]) == "-V" || std::string(argv[1]) == "--version")) {
    std::cout << "sendaro-datos (Sendaro " << SENDARO_VERSION << ")\n";
    return 0;
  }
  if (argc < 2) return Uso();
  const std::string orden = argv[1];
  if (orden == "compilar") {
    if (argc != 4 && argc != 6) return Uso();
    OpcionesCompilar op;
    op.fuentes = argv[2];
    op.destino = argv[3];
    if (argc == 6) {
      if (std::string(argv[4]) != "--recursos") return Uso();
      op.recursos = argv[5];
    }
    std::vector<std::string> avisos;
    const auto problemas = Compilar(op, avisos);
    for (const auto& a : avisos) std::cerr << "aviso: " << a << '\n';
    for (const auto& p : problemas) std::cout << p.Texto() << '\n';
    if (!problemas.empty()) {
      std::cout << problemas.size() << " problemas; la instalación está incompleta.\n";
      return 1;
    }
    return 0;
  }
  if (orden == "comprobar") {
    if (argc > 3) return Uso();
    const sendaro::RutasInstaladas rutas = sendaro::RutasDesde(sendaro::CarpetaPrograma());
    const std::filesystem::path carpeta = argc == 3 ? std::filesystem::path(argv[2]) : rutas.datos;
    int comprobados = 0;
    std::vector<std::string> avisos;
    auto problemas = Comprobar(carpeta, comprobados, &avisos);
    for (const auto& a : avisos) std::cerr << "aviso: " << a << '\n';
    // An installed program reads the school's settings from the system's
    // folder first: that file is checked too.
    const std::filesystem::path ajustes = sendaro::FicheroAjustes(carpeta, rutas);
    if (ajustes != carpeta / std::string(sendaro::kFicheroAjustes)) {
      ++comprobados;
      if (!sendaro::LeerFicheroAjustes(ajustes)) {
        problemas.push_back({ajustes.string(), 0,
                             "no se puede leer, le falta una clave o un valor no es válido"});
      }
    }
    for (const auto& p : problemas) std::cout << p.Texto() << '\n';
    if (!problemas.empty()) {
      std::cout << problemas.size() << (problemas.size() == 1 ? " problema" : " problemas")
                << " en " << comprobados << " ficheros comprobados.\n";
      return 1;
    }
    std::cout << "Instalación correcta: " << comprobados << " ficheros comprobados.\n";
    return 0;
  }
  return Uso();
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Ejecutar(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "sendaro-datos: " << e.what() << '\n';
    return 1;
  }
}
