#include "data/tablas_datos.h"

#include "data/disposiciones.h"

namespace sendaro {
namespace {

// Reads a file and tells whether it was found, whatever the reader returns.
template <typename Lectura>
bool Leido(Entorno& entorno, Lectura lectura) {
  const bool antes = entorno.FalloGrave;
  entorno.FalloGrave = false;
  lectura();
  const bool leido = !entorno.FalloGrave;
  entorno.FalloGrave = antes || entorno.FalloGrave;
  return leido;
}

}  // namespace

std::string NombreFichero(const Instalacion& instalacion, const FicheroDatos& fichero) {
  return fichero.idioma ? instalacion.NombreConIdioma(fichero.nombre) : std::string(fichero.nombre);
}

int LeerFicheroTabla(Entorno& entorno, const FicheroDatos& fichero, TablaLinea& tabla) {
  const std::string nombre = NombreFichero(entorno.instalacion, fichero);
  switch (fichero.lector) {
    case Lector::kTabla:
    case Lector::kTablaFamilias:
      return LeerTabla(entorno, nombre, tabla, fichero.ancho);
    case Lector::kTablaLarga:
      return LeerTablaLarga(entorno, nombre, tabla, fichero.ancho);
    case Lector::kTabla90:
      return LeerTabla90(entorno, nombre, tabla);
    case Lector::kTablaSimple:
      return LeerTablaSimple(entorno, nombre, tabla);
    default:
      return tabla.Cuenta();
  }
}

namespace {

bool Tabla(Entorno& entorno, const FicheroDatos& fichero, TablaLinea& tabla) {
  return Leido(entorno, [&] { LeerFicheroTabla(entorno, fichero, tabla); });
}

bool TablaYFamilias(Entorno& entorno, const FicheroDatos& fichero, TablaLinea& tabla,
                    TablaLinea& familias, NumerosLinea& lineas) {
  const bool leido = Tabla(entorno, fichero, tabla);
  if (!leido) return false;
  return Leido(entorno, [&] {
    LeerFamilias(entorno, NombreFichero(entorno.instalacion, fichero), familias, fichero.ancho,
                 lineas);
  });
}

bool Bloques(Entorno& entorno, const FicheroDatos& fichero, TablaBloques& tabla) {
  return Leido(entorno,
               [&] { LeerBloques(entorno, NombreFichero(entorno.instalacion, fichero), tabla); });
}

}  // namespace

bool CargarTablasGrados(Entorno& entorno, TablasDatos& t) {
  namespace f = ficheros;
  bool todo = true;
  todo &= Tabla(entorno, f::kCarreran, t.carrerasNuevas);
  todo &= Tabla(entorno, f::kCarrera, t.carreras);
  todo &= Tabla(entorno, f::kOtros, t.otros);
  todo &= Tabla(entorno, f::kRequisit, t.requisitos);
  todo &= Tabla(entorno, f::kSalidas, t.salidas);
  todo &= Tabla(entorno, f::kCualidad, t.cualidades);
  todo &= Tabla(entorno, f::kInteres, t.intereses);
  todo &= Tabla(entorno, f::kGrupos, t.grupos);
  todo &= TablaYFamilias(entorno, f::kFP, t.titulosFP, t.familiasFP, t.lineasFamiliasFP);
  todo &= Tabla(entorno, f::kCarreFP, t.carrerasFP);
  todo &= Tabla(entorno, f::kReqFP, t.requisitosFP);
  todo &= Bloques(entorno, f::kAsignacar, t.bloquesCarreras);
  todo &= Bloques(entorno, f::kAsignacarn, t.bloquesCarrerasNuevas);
  todo &= Bloques(entorno, f::kAsignafp, t.bloquesFP);
  todo &= Bloques(entorno, f::kAsignaot, t.bloquesOtros);
  todo &= Tabla(entorno, f::kComunida, t.comunidades);
  todo &= Leido(entorno, [&] { LeerUniversidades(entorno, f::kLugar.nombre, t.universidades); });
  todo &= Leido(entorno,
                [&] { LeerDirecciones(entorno, f::kComuint.nombre, t.direccionesComunidades); });
  const FicheroDatos* centros[] = {&f::kLU1, &f::kLU2, &f::kLU3, &f::kLU4};
  for (std::size_t g = 0; g < t.centros.size(); ++g) {
    todo &= Leido(entorno, [&] { LeerCentros(entorno, centros[g]->nombre, t.centros[g]); });
  }
  todo &= Leido(entorno, [&] { LeerDobles(entorno, f::kDobles.nombre, t.dobles); });
  todo &= Leido(
      entorno, [&] { LeerComarcas(entorno, f::kComarcas.nombre, t.comarcas, f::kComarcas.ancho); });
  todo &= Leido(entorno,
                [&] { LeerZonas(entorno, f::kComarcasm.nombre, t.zonas, f::kComarcasm.ancho); });
  return todo;
}

bool CargarTablasItinerarios(Entorno& entorno, TablasDatos& t) {
  namespace f = ficheros;
  bool todo = true;
  todo &= Tabla(entorno, f::kMaterias, t.materias);
  todo &= Tabla(entorno, f::kCarreras, t.carrerasItinerario);
  todo &= Tabla(entorno, f::kInforma, t.lineasInforma);
  todo &= Tabla(entorno, f::kFPS, t.titulosFPS);
  todo &= Tabla(entorno, f::kTitulos, t.titulos);
  todo &= Tabla(entorno, f::kCuestion, t.cuestionario);
  todo &= Tabla(entorno, f::kCuesgm, t.cuestionarioGM);
  todo &= Tabla(entorno, f::kItinerar, t.itinerarios);
  todo &= TablaYFamilias(entorno, f::kFP2, t.titulosGM, t.familiasGM, t.inicioFamiliaGM);
  todo &= Bloques(entorno, f::kAsignagm, t.bloquesGM);
  todo &= Leido(entorno, [&] { LeerLugaresGM(entorno, f::kDatFPL2.nombre, t.lugaresGM); });
  todo &= Leido(entorno, [&] { LeerRegistrosFilas(entorno, t.areasCuestionario); });
  return todo;
}

bool CargarTablasIniciales(Entorno& entorno, TablasDatos& t) {
  namespace f = ficheros;
  bool todo = true;
  todo &= Tabla(entorno, f::kFpip, t.programas);
  todo &= Tabla(entorno, f::kIPmodulos, t.modulosPrograma);
  todo &= Leido(entorno, [&] { LeerCentros(entorno, f::kLU2.nombre, t.centrosIniciales); });
  BlanquearColumna45(t.centrosIniciales);
  return todo;
}

bool CargarTablasCertificados(Entorno& entorno, TablasDatos& t) {
  bool todo = true;
  todo &= Tabla(entorno, ficheros::kCertifica, t.certificados);
  todo &= Tabla(entorno, ficheros::kCertificaH, t.textosCertificados);
  return todo;
}

void BlanquearColumna45(TablaCentros& centros) {
  TablaLinea& lineas = centros.lineas;
  int desde = 0;
  for (int n = 1; n <= lineas.Cuenta(); ++n) {
    const std::string& linea = lineas[n];
    const char primero = linea.empty() ? ' ' : linea[0];
    if (desde == 0 && primero == '8') desde = n;
    if (desde == 0) continue;
    if (primero == 'D') break;
    if (linea.size() >= 45) {
      std::string blanqueada = linea;
      blanqueada[44] = ' ';
      lineas.Fijar(n, blanqueada);
    }
  }
}

bool CargarTablasCatalogo(Entorno& entorno, TablasDatos& t) {
  bool todo = Tabla(entorno, ficheros::kFamilias, t.familias);
  todo &= Leido(entorno, [&] {
    LeerTabla(entorno, ficheros::kIndices.nombre, t.indicesFamilias, ficheros::kIndices.ancho);
  });
  return todo;
}

}  // namespace sendaro
