// A few degrees, universities, communities and links written into a test
// installation, so that the degrees screen has something to browse.
//
// Degrees: 1 "Medicina (L)", 2 "Derecho (L)", 3 "I T Informatica",
// 4 "Psicopedagogia (2o ciclo)"; universities 1 "Universidad de Sevilla" and
// 2 "Universidad de Granada" (community 1), 3 "Universidad de Oviedo" (3).
// On the communities map the block x 20..40, y 20..40 is community 18, the
// block x 60..80, y 20..40 community 3.
#pragma once

#include <QByteArray>
#include <string>
#include <vector>

#include "data/disposiciones.h"
#include "qt/apoyo.h"

namespace sendaro::prueba {

inline QByteArray Lineas(const std::vector<std::string>& lineas) {
  QByteArray bytes;
  for (const std::string& l : lineas) bytes += QByteArray::fromStdString(l) + "\r\n";
  return bytes;
}

inline void EscribirDatosGrados(InstalacionPrueba& ins) {
  ins.Escribir(QStringLiteral("CARRERA"),
               Lineas({"Medicina (L)", "Derecho (L)", "I T Informatica",
                       "Psicopedagogia (2o ciclo)", "Todas las diplomaturas",
                       "Todas las licenciaturas", "I T (todas)", "Segundo ciclo"}));
  std::vector<std::string> requisitos;
  for (int r = 1; r <= 23; ++r) requisitos.push_back("Requisito " + std::to_string(r));
  requisitos[10] = "Requisitos de acceso:";
  requisitos[12] = "Tipo de carrera";
  requisitos[14] = "Cualquier modalidad";
  const char* ramas[] = {"Ciencias", "Salud", "Humanidades", "Sociales", "Artes"};
  for (int b = 0; b < 5; ++b)
    requisitos[static_cast<std::size_t>(18 + b)] = std::string("Bachillerato de ") + ramas[b];
  ins.Escribir(QStringLiteral("REQUISIT"), Lineas(requisitos));
  ins.Escribir(QStringLiteral("SALIDAS"), Lineas({"Hospitales", "Investigacion", "Docencia"}));
  std::vector<std::string> comunidades;
  for (int c = 1; c <= 19; ++c)
    comunidades.push_back((c < 10 ? "0" : "") + std::to_string(c) + "Comunidad " +
                          std::to_string(c));
  comunidades[0] = "01Andalucia";
  comunidades[2] = "03Asturias";
  comunidades[17] = "18Ceuta";
  ins.Escribir(QStringLiteral("COMUNIDA"), Lineas(comunidades));
  auto universidad = [](int comunidad, std::string nombre) {
    nombre.resize(35, ' ');
    return (comunidad < 10 ? " " : "") + std::to_string(comunidad) + nombre +
           "https://www.example.es";
  };
  ins.Escribir(QStringLiteral("LUGAR"), Lineas({universidad(1, "Universidad de Sevilla"),
                                                universidad(1, "Universidad de Granada"),
                                                universidad(3, "Universidad de Oviedo")}));
  // Subjects: a title line, the difficulty digit, then subjects, two blank lines.
  std::vector<std::string> asignaturas;
  const char* niveles[] = {"6", "3", "4", "2"};
  const char* materias[] = {"Anatomia", "Derecho romano", "Programacion", "Orientacion"};
  for (int d = 0; d < 4; ++d) {
    std::vector<std::string> bloque = {"#", niveles[d], materias[d], "  practicas", "", ""};
    bloque.resize(31);
    asignaturas.insert(asignaturas.end(), bloque.begin(), bloque.end());
  }
  ins.Escribir(QStringLiteral("asignacar"), Lineas(asignaturas));

  // datcar: universities with marks, requirements, outlets, related degrees.
  const auto& d = registros::kDatcar;
  QByteArray datcar(d.BytesTotales(), '\0');
  auto lista = [&](int registro, int carrera, int inicio, std::vector<int> valores) {
    const int base =
        (registro - 1) * d.BytesPorRegistro() + (carrera - 1) * d.enterosPorFila + inicio;
    datcar[base] = static_cast<char>(valores.size());
    for (std::size_t i = 0; i < valores.size(); ++i)
      datcar[base + 1 + static_cast<int>(i)] = static_cast<char>(valores[i]);
  };
  lista(1, 1, 0, {1, 2, 3});
  lista(3, 1, 0, {57, 10, 80});
  lista(2, 1, 0, {20});
  lista(4, 1, 0, {1, 2});
  lista(5, 1, 10, {4});
  lista(1, 2, 0, {1});
  lista(3, 2, 0, {50});
  lista(2, 2, 0, {15});
  lista(1, 3, 0, {2});
  lista(3, 3, 0, {51});
  lista(2, 3, 0, {19});
  lista(5, 4, 10, {1});
  ins.Escribir(QStringLiteral("datcar"), datcar);

  // puntos3: two blocks of the communities map.
  const auto& p = registros::kPuntos3;
  QByteArray puntos(p.BytesTotales(), '\0');
  auto bloque = [&](int x0, int x1, int y0, int y1, int codigo) {
    for (int x = x0; x <= x1; ++x) {
      for (int y = y0; y <= y1; ++y)
        puntos[((x - 1) * p.enterosPorFila + (y - 1)) * 4] = static_cast<char>(codigo);
    }
  };
  bloque(20, 40, 20, 40, 18);
  bloque(60, 80, 20, 40, 3);
  ins.Escribir(QStringLiteral("puntos3"), puntos);
}

}  // namespace sendaro::prueba
