// Middle-grade titles written into a test installation.
//
// "FP2": 45 families "Familia 01".."Familia 45" of three titles each
// ("Ciclo 01-1".."Ciclo 45-3"), then "|Nuevos" with "Ciclo nuevo" and
// "|Vacia" without titles. Family f (1..45) has its header on line
// 4·(f − 1) + 1; "|Nuevos" is on line 181, its title on 182, "|Vacia" on 183.
// "asignagm": the block of line L holds "Desc L.k" on lines 1-5 and
// "Modulo L.k" on lines 6-25. "INFORMA": two requirement lines (code 17).
#pragma once

#include <QByteArray>
#include <string>
#include <vector>

#include "data/disposiciones.h"
#include "qt/apoyo.h"

namespace sendaro::prueba {

inline QByteArray LineasGM(const std::vector<std::string>& lineas) {
  QByteArray bytes;
  for (const std::string& l : lineas) bytes += QByteArray::fromStdString(l) + "\r\n";
  return bytes;
}

inline std::string Dos(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

inline std::vector<std::string> LineasFP2() {
  std::vector<std::string> fp2;
  for (int f = 1; f <= 45; ++f) {
    fp2.push_back("-Familia " + Dos(f));
    for (int k = 1; k <= 3; ++k) fp2.push_back("Ciclo " + Dos(f) + "-" + std::to_string(k));
  }
  fp2.push_back("-|Nuevos");
  fp2.push_back("Ciclo nuevo");
  fp2.push_back("-|Vacia");
  return fp2;
}

inline void EscribirDatosGM(InstalacionPrueba& ins) {
  const std::vector<std::string> fp2 = LineasFP2();
  ins.Escribir(QStringLiteral("FP2"), LineasGM(fp2));
  std::vector<std::string> bloques;
  for (std::size_t i = 0; i < fp2.size(); ++i) {
    const std::string l = std::to_string(i + 1);
    bloques.push_back(fp2[i]);
    for (int k = 1; k <= 25; ++k)
      bloques.push_back((k <= 5 ? "Desc " : "Modulo ") + l + "." + std::to_string(k));
  }
  ins.Escribir(QStringLiteral("asignagm"), LineasGM(bloques));
  ins.Escribir(QStringLiteral("INFORMA"),
               LineasGM({"16Otra informacion", "17Con el titulo de ESO.", "17O con la prueba."}));
}

}  // namespace sendaro::prueba

namespace sendaro::prueba {

// Places: Andalucia (1) has Almeria and Cadiz (entries 1 "37" and 2 "38",
// group 3), Ceuta (18, entry 63 "31") none of its own. "LU3": 1 IES Uno and
// 2 IES Tres in Almeria town, 3 IES Cuatro in Nijar, 4 IES Dos in Cadiz,
// 5 IES Ceuta. Titles: line 2 "Ciclo 01-1" at 1 and 2; line 3 "Ciclo 01-2"
// at 4 and 5; line 6 "Ciclo 02-1" at 3 and 1. On the communities map the block
// x 20..40, y 20..40 is Andalucia, x 42..49, y 20..40 Ceuta.
inline std::string CentroGM(char provincia, const std::string& pueblo, const std::string& nombre,
                            const std::string& telefono) {
  std::string p = pueblo;
  p.resize(17, ' ');
  std::string n = nombre;
  n.resize(27, ' ');
  return std::string(1, provincia) + p + n + telefono;
}

inline void EscribirLugaresGM(InstalacionPrueba& ins) {
  std::vector<std::string> comunidades;
  for (int c = 1; c <= 19; ++c) comunidades.push_back("99Comunidad " + std::to_string(c));
  comunidades[0] = " 1Andalucia";
  comunidades[17] = "63Ceuta";
  comunidades.push_back(" 1Almeria");
  comunidades.push_back(" 1Cadiz");
  ins.Escribir(QStringLiteral("COMUNIDA"), LineasGM(comunidades));
  ins.Escribir(QStringLiteral("LU3"), LineasGM({CentroGM('7', "Almeria", "IES Uno", "950000001"),
                                                CentroGM('7', "Almeria", "IES Tres", "950000002"),
                                                CentroGM('7', "Nijar", "IES Cuatro", "950000003"),
                                                CentroGM('8', "Cadiz", "IES Dos", "956000004"),
                                                CentroGM('1', "Ceuta", "IES Ceuta", "956000005")}));
  const auto& r = registros::kDatFPL2;
  QByteArray lugares(r.BytesTotales(), '\0');
  auto fila = [&](int grupo, int titulo, std::vector<int> centros) {
    const int base = ((grupo - 1) * r.filas + (titulo - 1)) * r.enterosPorFila;
    lugares[base * 2] = static_cast<char>(centros.size());
    for (std::size_t k = 0; k < centros.size(); ++k)
      lugares[(base + static_cast<int>(k) + 1) * 2] = static_cast<char>(centros[k]);
  };
  fila(3, 2, {1, 2});
  fila(3, 3, {4, 5});
  fila(3, 6, {3, 1});
  ins.Escribir(QStringLiteral("datFPL2"), lugares);

  const auto& p = registros::kPuntos3;
  QByteArray puntos(p.BytesTotales(), '\0');
  auto bloque = [&](int x0, int x1, int y0, int y1, int codigo) {
    for (int x = x0; x <= x1; ++x) {
      for (int y = y0; y <= y1; ++y)
        puntos[((x - 1) * p.enterosPorFila + (y - 1)) * 4] = static_cast<char>(codigo);
    }
  };
  bloque(20, 40, 20, 40, 1);
  bloque(42, 49, 20, 40, 18);
  ins.Escribir(QStringLiteral("puntos3"), puntos);
}

}  // namespace sendaro::prueba

namespace sendaro::prueba {

// "CUESGM": areas "Area 1".."Area 11", then four statements: "Frase uno"
// (family 1, all titles; area 1), "Frase dos" (family 2, titles 1-2; area
// 2), "Frase tres" (family 1, title 2; area 3, second area 1), "Frase diez"
// (family 3, title 1; area 10).
inline void EscribirCuestionarioGM(InstalacionPrueba& ins) {
  std::vector<std::string> l;
  for (int a = 1; a <= 11; ++a) l.push_back("Area " + std::to_string(a));
  l.push_back("1T10Frase uno");
  l.push_back("2Z20Frase dos");
  l.push_back("1231Frase tres");
  l.push_back("3100Frase diez");
  ins.Escribir(QStringLiteral("CUESGM"), LineasGM(l));
}

}  // namespace sendaro::prueba
