#include "data/profesiones.h"

#include "data/disposiciones.h"
#include "data/tablas_datos.h"
#include "data/texto.h"

namespace sendaro {
namespace {

std::string Campo(std::string_view linea, const CampoFijo& campo, int k = 0) {
  return std::string(Columnas(linea, campo.ColumnaDe(k), campo.ancho));
}

template <typename Convertir>
void PorLineas(std::string_view bytes, const FicheroDatos& fichero, Convertir convertir) {
  int cuenta = 0;
  for (const std::string_view linea : DividirLineas(bytes)) {
    if (cuenta >= fichero.capacidad) break;
    ++cuenta;
    std::string relleno(linea);
    if (relleno.size() < static_cast<std::size_t>(fichero.ancho))
      relleno.resize(static_cast<std::size_t>(fichero.ancho), ' ');
    convertir(relleno);
  }
}

}  // namespace

void AnalizarFrasesLargas(std::string_view bytes, DatosProfesiones& datos) {
  datos.frasesLargas.clear();
  PorLineas(bytes, ficheros::kFraLargas, [&](const std::string& linea) {
    FraseLarga f;
    f.texto = RecortarDerecha(Campo(linea, columnas::kFraseLargaTexto));
    for (int k = 0; k < kCodigosFraseLarga; ++k)
      f.actividades[static_cast<std::size_t>(k)] =
          Campo(linea, columnas::kFraseLargaActividades, k);
    datos.frasesLargas.push_back(std::move(f));
  });
}

void AnalizarFrasesCortas(std::string_view bytes, DatosProfesiones& datos) {
  datos.frasesCortas.clear();
  PorLineas(bytes, ficheros::kFraCortas, [&](const std::string& linea) {
    datos.frasesCortas.push_back({Campo(linea, columnas::kFraseCortaActividadA),
                                  Campo(linea, columnas::kFraseCortaActividadB),
                                  RecortarDerecha(Campo(linea, columnas::kFraseCortaTexto))});
  });
}

void AnalizarActividades(std::string_view bytes, DatosProfesiones& datos) {
  datos.actividades.clear();
  PorLineas(bytes, ficheros::kActivida, [&](const std::string& linea) {
    datos.actividades.push_back({Campo(linea, columnas::kActividadCodigo),
                                 RecortarDerecha(Campo(linea, columnas::kActividadNombre))});
  });
}

void AnalizarProfesiones(std::string_view bytes, DatosProfesiones& datos) {
  datos.profesiones.clear();
  PorLineas(bytes, ficheros::kProfesio, [&](const std::string& linea) {
    Profesion p;
    p.actividadA = Campo(linea, columnas::kProfesionActividadA);
    p.actividadB = Campo(linea, columnas::kProfesionActividadB);
    p.nombre = RecortarDerecha(Campo(linea, columnas::kProfesionNombre));
    for (int k = 0; k < kFrasesProfesion; ++k)
      p.frases[static_cast<std::size_t>(k)] =
          NumeroDecimal(Campo(linea, columnas::kProfesionFrases, k)).value_or(0);
    for (int k = 0; k < kEstudiosProfesion; ++k)
      p.estudios[static_cast<std::size_t>(k)] = Campo(linea, columnas::kProfesionEstudios, k);
    datos.profesiones.push_back(std::move(p));
  });
}

bool CargarTablasProfesiones(Entorno& entorno, DatosProfesiones& datos) {
  bool todos = true;
  const auto leer = [&](const FicheroDatos& fichero, auto analizar) {
    const auto bytes = AbrirFicheroTexto(entorno, NombreFichero(entorno.instalacion, fichero));
    if (!bytes) {
      todos = false;
      return;
    }
    analizar(*bytes, datos);
  };
  leer(ficheros::kFraLargas, AnalizarFrasesLargas);
  leer(ficheros::kFraCortas, AnalizarFrasesCortas);
  leer(ficheros::kActivida, AnalizarActividades);
  leer(ficheros::kProfesio, AnalizarProfesiones);
  return todos;
}

}  // namespace sendaro
