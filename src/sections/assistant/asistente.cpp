#include "sections/assistant/asistente.h"

#include <initializer_list>

#include "data/programas_iniciales.h"

namespace sendaro::asistente {

namespace {

std::string Lineas(const CatalogoTextos& c, std::initializer_list<int> numeros) {
  std::string texto;
  bool primera = true;
  for (const int n : numeros) {
    if (!primera) texto += '\n';
    primera = false;
    if (n > 0) texto += c.Texto(n);  // 0: an empty line
  }
  return texto;
}

}  // namespace

std::map<int, std::string> Mensajes(const CatalogoTextos& c) {
  std::map<int, std::string> m;
  m[1] = Lineas(c, {498, 499});
  m[2] = c.Texto(492);
  m[3] = Lineas(c, {485, 486});
  m[6] = Lineas(c, {494, 495, 496, 497});
  m[8] = Lineas(c, {504, 505, 506, 507, 508});
  m[9] = Lineas(c, {509, 510});
  m[10] = m[1];
  m[11] = m[2];
  m[12] = c.Texto(484);
  m[19] = Lineas(c, {457, 458, 459, 460, 0, 461, 462, 463, 464, 465});
  return m;
}

Pistas PistasAsistente(const CatalogoTextos& c) {
  Pistas p;
  p.image4 = Lineas(c, {466, 467, 468, 469, 470, 471});
  p.bConsejo = c.Texto(textos::kConsejoPista);
  p.bFpTitGs = Lineas(c, {472, 473, 474, 475});
  p.biCar = Lineas(c, {476, 477, 478, 479});
  return p;
}

std::vector<std::string> LineasDiversificacion(const TablaLinea& informa) {
  return LineasConCodigo(informa, "34");
}

std::vector<std::string> LineasPasoGradoSuperior(const CatalogoTextos& c,
                                                 const TablaLinea& informa) {
  std::vector<std::string> lineas{c.Texto(480), c.Texto(481), c.Texto(482), std::string(),
                                  c.Texto(483)};
  for (std::string& l : LineasConCodigo(informa, "19")) lineas.push_back(std::move(l));
  return lineas;
}

bool AvanzarTexto(TextoCorriente& t, int alto) {
  ++t.tics;
  if (t.tics >= 6) t.arriba -= 2;
  if (t.tics % 3 == 0) t.flecha = !t.flecha;
  if (t.arriba >= 0) return false;
  t.flecha = false;
  t.tics = 0;
  t.arriba = alto;
  ++t.paso;
  return true;
}

int AvanzarInicio(int arriba, int altoTexto, int altoPanel) {
  arriba -= 2;
  return arriba <= -altoTexto ? altoPanel : arriba;
}

bool AvanzarVuelo(Vuelo& v) {
  if (!v.enCurso) return false;
  v.x += v.dx;
  v.y += v.dy;
  if (++v.tics < kTicsVuelo) return false;
  v.enCurso = false;
  return true;
}

}  // namespace sendaro::asistente
