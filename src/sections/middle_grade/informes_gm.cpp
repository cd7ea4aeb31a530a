#include "sections/middle_grade/informes_gm.h"

#include "data/impresion/lineas_enteras.h"
#include "data/texto.h"
#include "sections/middle_grade/titulos_gm.h"

namespace sendaro {

namespace {

std::string T(const CatalogoTextos& c, int n) { return RecortarDerecha(c.Texto(n)); }

// A line, on several when it is longer than the print buffer keeps.
void Agregar(InformeGM& i, std::string_view linea, bool negrita = false) {
  for (std::string& l : LineasEnteras(linea)) {
    i.lineas.push_back(std::move(l));
    if (negrita) i.negritas.push_back(static_cast<int>(i.lineas.size()));
  }
}

}  // namespace

InformeGM InformeTituloGM(const FuentesInformeGM& f, int titulo,
                          const std::vector<int>& comunidades) {
  const CatalogoTextos& c = f.catalogo;
  InformeGM i;
  i.titulo = RecortarDerecha(f.titulos[titulo]) + " (" + T(c, 113) + ")";
  Agregar(i, "** " + T(c, 29) + " **", true);
  for (const std::string& l : RequisitosGM(f.informa)) Agregar(i, l);
  Agregar(i, "");
  Agregar(i, "** " + T(c, 199) + " **", true);
  for (const std::string& l : PuestosGM(f.bloques, titulo)) Agregar(i, l);
  Agregar(i, "");
  Agregar(i, "** " + T(c, 312) + " **", true);
  for (const std::string& l : AsignaturasGM(f.bloques, titulo)) Agregar(i, l);
  for (int k = 0; k < kMaxBlancasAsignaturas && !i.lineas.empty() && EsBlanco(i.lineas.back()); ++k)
    i.lineas.pop_back();
  Agregar(i, std::string(34, '_'));
  Agregar(i, "");
  std::string cabecera(1, '-');
  cabecera.append(f.mayusculas(T(c, 317)));
  Agregar(i, std::move(cabecera));
  Agregar(i, "");
  for (const int codigo : comunidades) {
    const ComunidadGM com = ProvinciasComunidadGM(f.comunidades, codigo);
    const std::vector<FilaCentro> filas = CentrosDelTituloGM(f.lugares, com, titulo);
    if (filas.empty()) continue;
    const std::string nombre = RecortarDerecha(Columnas(f.comunidades[codigo], 3, 30));
    Agregar(i, "***  " + f.mayusculas(nombre) + "  ***", true);
    Agregar(i, "");
    for (const FilaCentro& fila : filas) {
      for (const std::string& l : LineasConTelefono(fila)) Agregar(i, l);
    }
  }
  return i;
}

bool InformeLargo(const InformeGM& informe, bool todasLasComunidades) {
  return todasLasComunidades && static_cast<int>(informe.lineas.size()) > kLineasInformeLargo;
}

InformeGM InformeLugarGM(const CatalogoTextos& catalogo, std::string_view lugar,
                         const std::vector<FilaCentro>& filas) {
  InformeGM i;
  i.titulo = T(catalogo, 289) + ": " + RecortarDerecha(lugar) + " - " + T(catalogo, 113);
  for (const FilaCentro& fila : filas) {
    for (const std::string& l : LineasConTelefono(fila)) Agregar(i, l);
  }
  return i;
}

}  // namespace sendaro
