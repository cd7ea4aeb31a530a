// sendaro-datos: builds an installation from its readable sources and checks
// an installation before it goes onto the school's workstations.
//
//   sendaro-datos compilar SRC DIR [--recursos GEN]
//   sendaro-datos comprobar DIR
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>

#include "herramienta.h"

namespace {

int Uso() {
  std::cerr << "Uso: sendaro-datos compilar FUENTES DESTINO [--recursos CARPETA]\n"
               "     sendaro-datos comprobar CARPETA\n";
  return 2;
}

int Ejecutar(int argc, char** argv) {
  using namespace sendaro::datos;
  if (argc < 3) return Uso();
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
    if (argc != 3) return Uso();
    int comprobados = 0;
    std::vector<std::string> avisos;
    const auto problemas = Comprobar(argv[2], comprobados, &avisos);
    for (const auto& a : avisos) std::cerr << "aviso: " << a << '\n';
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
