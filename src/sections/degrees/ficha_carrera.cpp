#include "sections/degrees/ficha_carrera.h"

#include <algorithm>

#include "data/impresion/lineas_enteras.h"
#include "data/texto.h"

namespace sendaro {

namespace {

// Catalogue texts of the card.
constexpr int kTextoUniversidades = 309;  // the universities table's title
constexpr int kTextoNotaCorte = 296;
constexpr int kTextoRelacionadas = 295;
constexpr int kTextoAfines = 313;
constexpr int kTextoOtrasRelacionadas = 178;
constexpr int kTextoAsignaturas = 312;
constexpr int kTextoNivel = 651;
constexpr int kTextoDificultad = 652;
constexpr int kTextoPrincipales = 500;
constexpr int kTextoCarrera = 290;
constexpr int kTemaRelacionadas = 20;
// The type of degree that has no access from vocational training.
constexpr int kTipoSegundoCiclo = 3;
// The bullet of Windows-1252.
constexpr char kVineta = '\x95';

std::string Texto(const FuentesFicha& f, int n) { return RecortarDerecha(f.catalogo.Texto(n)); }

std::string Linea(const TablaLinea& tabla, int n) { return RecortarDerecha(tabla[n]); }

bool EmpiezaPor(std::string_view texto, std::string_view prefijo) {
  return texto.substr(0, prefijo.size()) == prefijo;
}

// Title of a view on screen and in print, and its rows.
struct Vista {
  std::string tituloPantalla;
  std::string tituloImpresion;
  std::vector<std::string> filas;
  bool anadidasTrasOtras = false;  // related view: degrees after the 178 row
};

Vista ConstruirVista(const FuentesFicha& f, VistaFicha vista, int d) {
  Vista v;
  switch (vista) {
    case VistaFicha::kUniversidades: {
      const std::string titulo = Texto(f, kTextoUniversidades);
      const auto universidades = f.datos.Universidades(d);
      v.tituloPantalla =
          universidades.empty()
              ? titulo
              : std::string("   ") + titulo + std::string(24, ' ') + Texto(f, kTextoNotaCorte);
      v.tituloImpresion = titulo + std::string(21, ' ') + Texto(f, kTextoNotaCorte);
      for (const UniversidadNota& u : universidades) {
        v.filas.push_back(FilaConNota(f.universidades.nombres[u.universidad], u.nota));
      }
      break;
    }
    case VistaFicha::kRequisitos:
    case VistaFicha::kSalidas: {
      const bool requisitos = vista == VistaFicha::kRequisitos;
      const TablaLinea& tabla = requisitos ? f.requisitos : f.salidas;
      v.tituloPantalla = v.tituloImpresion = Linea(tabla, 0);
      for (const int c : requisitos ? f.datos.Requisitos(d) : f.datos.Salidas(d)) {
        v.filas.push_back(Linea(tabla, c));
      }
      break;
    }
    case VistaFicha::kRelacionadas: {
      // On screen the degree table's title reads 313, in print 295.
      v.tituloPantalla = Texto(f, kTextoAfines);
      v.tituloImpresion = Texto(f, kTextoRelacionadas);
      v.filas.push_back(Texto(f, kTextoRelacionadas));
      for (const int c : f.datos.Relacionadas(d)) v.filas.push_back(Linea(f.carreras, c));
      v.filas.emplace_back();
      v.filas.push_back(Texto(f, kTextoOtrasRelacionadas));
      const int n = f.datos.numCarreras;
      // A technical engineering degree: "I T" in Spanish and Basque, "E T" in
      // Catalan and Galician.
      const bool esIT = EmpiezaPor(f.carreras[d], "I T") || EmpiezaPor(f.carreras[d], "E T");
      const std::size_t antes = v.filas.size();
      for (int i = 1; i <= n; ++i) {
        for (const int c : f.datos.Relacionadas(i)) {
          if (c == d) v.filas.push_back(Linea(f.carreras, i));
          if (c == n + 3 && esIT) v.filas.push_back(Linea(f.carreras, i));
        }
      }
      v.anadidasTrasOtras = v.filas.size() > antes;
      break;
    }
  }
  return v;
}

std::vector<std::string> FilasAsignaturas(const FuentesFicha& f, int d) {
  std::vector<std::string> filas;
  filas.push_back(std::string(" ") + Texto(f, kTextoNivel));
  const int nivel = f.datos.Dificultad(d);
  filas.push_back(std::string("    ") +
                  (nivel >= 1 && nivel <= 7 ? Texto(f, kTextoDificultad + nivel) : ""));
  filas.push_back(std::string(" ") + Texto(f, kTextoPrincipales));
  filas.emplace_back(" ");
  // Stored lines 2.. of the block are the subject lines.
  const int ultima = f.asignaturas.Disposicion().lineasGuardadas;
  for (int k = 2; k <= ultima; ++k) {
    const std::string& linea = f.asignaturas.Linea(d, k);
    // Two lines in a row that start with four blanks end the list.
    if (k < ultima && EmpiezaPor(linea, "    ") &&
        EmpiezaPor(f.asignaturas.Linea(d, k + 1), "    ")) {
      break;
    }
    const bool mayuscula = !linea.empty() && linea[0] >= 'A' && linea[0] <= 'Z';
    std::string fila;
    if (mayuscula) fila.append({kVineta, ' ', ' '});
    fila.append(linea);
    filas.push_back(RecortarDerecha(fila));
  }
  return filas;
}

void Anadir(InformeLineas& informe, const std::string& titulo,
            const std::vector<std::string>& filas) {
  informe.lineas.emplace_back();
  informe.lineas.push_back(titulo);
  informe.negritas.push_back(static_cast<int>(informe.lineas.size()));
  informe.lineas.emplace_back();
  for (const std::string& fila : filas) {
    for (std::string& l : LineasEnteras(fila)) informe.lineas.push_back(std::move(l));
  }
}

}  // namespace

std::string FilaConNota(std::string_view linea, int nota) {
  // A longer name stays whole, the mark one blank after it.
  std::string nombre = RecortarDerecha(linea);
  nombre.resize(std::max<std::size_t>(kAnchoNombreNota, nombre.size() + 1), ' ');
  return nombre + EscribirNota(nota);
}

FichaEnPantalla ListaFicha(const FuentesFicha& f, VistaFicha vista, int d) {
  Vista v = ConstruirVista(f, vista, d);
  FichaEnPantalla ficha;
  ficha.titulo = std::move(v.tituloPantalla);
  ficha.filas = std::move(v.filas);
  if (vista == VistaFicha::kRelacionadas) {
    ficha.temaAyuda = kTemaRelacionadas;
    ficha.botonFP = f.datos.Tipo(d) != kTipoSegundoCiclo;
    // Under the last row: one row less when nothing followed the 178 row.
    ficha.filaBotonFP = static_cast<int>(ficha.filas.size()) + (v.anadidasTrasOtras ? 3 : 2);
  }
  return ficha;
}

FichaEnPantalla VistaAsignaturas(const FuentesFicha& f, int d) {
  FichaEnPantalla ficha;
  ficha.titulo = Texto(f, kTextoAsignaturas);
  ficha.filas = FilasAsignaturas(f, d);
  return ficha;
}

void AnadirFichaImpresion(const FuentesFicha& f, VistaFicha vista, int d, InformeLineas& informe) {
  const Vista v = ConstruirVista(f, vista, d);
  Anadir(informe, v.tituloImpresion, v.filas);
}

void AnadirAsignaturasImpresion(const FuentesFicha& f, int d, InformeLineas& informe) {
  Anadir(informe, Texto(f, kTextoAsignaturas), FilasAsignaturas(f, d));
}

InformeLineas FichaCompleta(const FuentesFicha& f, int d) {
  InformeLineas informe;
  informe.titulo = Texto(f, kTextoCarrera) + ": " + Linea(f.carreras, d);
  AnadirFichaImpresion(f, VistaFicha::kUniversidades, d, informe);
  AnadirFichaImpresion(f, VistaFicha::kRequisitos, d, informe);
  AnadirFichaImpresion(f, VistaFicha::kSalidas, d, informe);
  AnadirAsignaturasImpresion(f, d, informe);
  AnadirFichaImpresion(f, VistaFicha::kRelacionadas, d, informe);
  return informe;
}

}  // namespace sendaro
