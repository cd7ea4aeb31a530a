#include "hall/puertas.h"

#include "data/union_textos.h"

namespace sendaro {

std::vector<PuertaVestibulo> PuertasVestibulo(const FuenteTextos& t) {
  const std::string_view nl = kSaltoLinea;
  using U = UnionTextos;

  // The two questionnaire doors share their first three lines.
  auto cuestionario = [&](int ultimo, std::size_t maximo) {
    return U(t(8))
        .Y(nl, 11)
        .Y(t(9), 21)
        .Y(nl, 22)
        .Y(t(10), 32)
        .Y(nl, 33)
        .Y(t(ultimo), maximo)
        .Texto();
  };

  std::vector<PuertaVestibulo> puertas = {
      {"LabelCarreras", 1, 46, 81, 83, 120, std::string(t(84)),
       U(t(306)).Y(nl, 31).Y(t(307), 61).Y(nl, 62).Y(t(300), 92).Texto()},
      {"LabelCat", 2, 220, 81, 83, 120, std::string(t(103)), std::string(t(224))},
      {"LabelFpS", 3, 394, 81, 83, 120, std::string(t(513)),
       U(t(318)).Y(nl, 31).Y(t(316), 61).Y(nl, 62).Y(t(317), 92).Texto()},
      {"LabelIti", 4, 568, 81, 83, 120, std::string(t(21)),
       U(t(179)).Y(nl, 26).Y(t(180), 51).Texto()},
      {"LabelFPM", 5, 742, 81, 83, 120, std::string(t(512)),
       U(t(113))
           .Y(nl, 21)
           .Y(t(154), 41)
           .Y(nl, 42)
           .Y(t(155), 62)
           .Y(nl, 63)
           .Y(t(156), 83)
           .Y(nl, 84)
           .Y(t(157), 104)
           .Y(nl, 105)
           .Y(t(158), 125)
           .Y(nl, 126)
           .Y(t(159), 146)
           .Texto()},
      {"LabelFPip", 6, 915, 82, 83, 120, U(t(514)).Y(nl, 11).Y(t(229), 41).Y(nl, 42).Texto(),
       U(t(229)).Y(nl, 31).Y(t(584), 61).Texto()},
      {"LabelProfe", 7, 220, 480, 83, 120, U(t(622)).Y(" ", 21).Y(t(623), 41).Texto(),
       std::string(t(641))},
      {"LabelCuesB", 8, 394, 480, 83, 120, cuestionario(11, 44),
       U(t(305)).Y(nl, 31).Y(t(301), 61).Y(nl, 62).Y(t(302), 92).Texto()},
      {"LabelCuesE", 9, 568, 480, 83, 120, cuestionario(12, 43),
       U(t(305)).Y(nl, 31).Y(t(509), 53).Y(" ", 54).Y(t(510), 76).Texto()},
      {"LabelAsistente", 11, 915, 480, 83, 120, std::string(t(6)), std::string()},
      {"LabelDejar", 0, 926, 293, 73, 34, U(t(587)).Y(nl, 16).Y(t(588), 31).Texto(),
       std::string(t(580))},
  };
  return puertas;
}

}  // namespace sendaro
