#include "sections/catalogue/catalogo_titulos.h"

#include <algorithm>

#include "data/disposiciones.h"
#include "data/texto.h"

namespace sendaro {

namespace {

constexpr int kTextoCatalogo = 103;
constexpr int kTextoArtesFP = 176;
constexpr int kTextoArtesGM = 177;
constexpr int kTextoRequisitos = 277;
constexpr int kTextoSalidas = 311;
constexpr int kTextoDificultad = 651;
constexpr int kTextoPrimeraDificultad = 653;
constexpr int kTextoDescripcion = 271;
constexpr int kTextoModulos = 67;
constexpr int kTextoRequisitosAcceso = 29;
constexpr int kTextoHoras = 582;
// Requirement codes from 34 and outlet codes from 14 are not lines of
// "REQUISIT" and "SALIDAS".
constexpr int kLimiteRequisito = 34;
constexpr int kLimiteSalida = 14;
constexpr int kLineasDescripcion = 5;
constexpr std::string_view kSangria = "    ";
constexpr int kAnchoLinea = 60;

char Columna(std::string_view linea, int columna) {
  const auto i = static_cast<std::size_t>(columna - 1);
  return i < linea.size() ? linea[i] : ' ';
}

std::string Texto(const CatalogoTextos& catalogo, int n) {
  return RecortarDerecha(catalogo.Texto(n));
}

// Line n of a table when it is one of its lines, else nothing.
std::string LineaDe(const TablaLinea& tabla, int n) {
  return n >= 1 && n <= tabla.Cuenta() ? RecortarDerecha(tabla[n]) : std::string();
}

bool EsArtes(char familia) { return familia == columnas::kFamiliaArtesCatalogo; }

// Lines 1-5 of a title's description block, the empty ones left out.
std::vector<std::string> Descripcion(const TablaBloques& bloques, int t) {
  std::vector<std::string> lineas;
  for (int k = 1; k <= kLineasDescripcion; ++k) {
    std::string l = RecortarDerecha(bloques.Linea(t, k));
    if (!EsBlanco(l)) lineas.push_back(std::move(l));
  }
  return lineas;
}

// A programme's module lines, leaving out those that begin with five blanks.
std::vector<std::string> Modulos(const TablasCatalogo& t, int p) {
  std::vector<std::string> lineas;
  for (std::string& m : ModulosPrograma(t.programas, p)) {
    if (Columnas(m, 1, 5) != "     " && !m.empty()) lineas.push_back(std::move(m));
  }
  return lineas;
}

std::string TextoDificultad(const CatalogoTextos& catalogo, int nivel) {
  return nivel >= 1 && nivel <= 7 ? Texto(catalogo, kTextoPrimeraDificultad + nivel - 1)
                                  : std::string();
}

// Rows of lists 1-3: the index lines whose two characters for the list
// name the family, up to the length of the list.
FilasConLineas PorIndice(const TablasCatalogo& t, char familia, int columna,
                         const TablaLinea& lista, int cuenta) {
  FilasConLineas f;
  const int n = std::min(t.indices.Cuenta(), cuenta);
  for (int c = 1; c <= n; ++c) {
    const std::string& indice = t.indices[c];
    if (Columna(indice, columna) != familia && Columna(indice, columna + 1) != familia) continue;
    f.filas.push_back(RecortarDerecha(Cortar(lista[c], kAnchoLinea)));
    f.lineas.push_back(c);
  }
  return f;
}

// Rows of lists 4-5: the lines with the family's character and no "-".
template <typename Linea, typename TextoDe>
FilasConLineas PorCaracter(char familia, int cuenta, Linea linea, TextoDe texto) {
  FilasConLineas f;
  for (int c = 1; c <= cuenta; ++c) {
    const std::string& l = linea(c);
    if (Columna(l, 1) != familia || Columna(l, 2) == '-') continue;
    f.filas.push_back(texto(c));
    f.lineas.push_back(c);
  }
  return f;
}

}  // namespace

std::vector<std::string> FamiliasCatalogo(const TablasCatalogo& t) {
  std::vector<std::string> familias;
  for (int f = 1; f <= t.familias.Cuenta(); ++f) {
    familias.push_back(RecortarDerecha(Columnas(t.familias[f], 2, kAnchoLinea)));
  }
  return familias;
}

char CodigoFamilia(const TablasCatalogo& t, int f) {
  return f >= 1 && f <= t.familias.Cuenta() ? Columna(t.familias[f], 1) : ' ';
}

std::array<FilasConLineas, kListasCatalogo> ListasDeFamilia(const TablasCatalogo& t,
                                                            const CatalogoTextos& catalogo,
                                                            char familia) {
  std::array<FilasConLineas, kListasCatalogo> listas;
  if (familia == ' ') return listas;
  listas[0] = PorIndice(t, familia, 1, t.carreras, t.datos.numCarreras);
  if (EsArtes(familia)) {
    listas[1] = {{Texto(catalogo, kTextoArtesFP)}, {columnas::kTituloArtesFP}};
    listas[2] = {{Texto(catalogo, kTextoArtesGM)}, {columnas::kTituloArtesFP2}};
  } else {
    listas[1] = PorIndice(t, familia, 3, t.titulosFP, t.titulosFP.Cuenta());
    listas[2] = PorIndice(t, familia, 5, t.titulosGM, t.titulosGM.Cuenta());
  }
  const TablasProgramas& p = t.programas;
  listas[3] = PorCaracter(
      familia, CuentaProgramas(p), [&](int c) -> const std::string& { return LineaPrograma(p, c); },
      [&](int c) { return TextoPrograma(p, c); });
  const TablasCertificados& k = t.certificados;
  listas[4] = PorCaracter(
      familia, CuentaCertificados(k),
      [&](int c) -> const std::string& { return LineaCertificado(k, c); },
      [&](int c) { return TextoCertificado(k, c); });
  return listas;
}

std::vector<RenglonDetalle> DetalleCatalogo(const TablasCatalogo& t, const CatalogoTextos& catalogo,
                                            char familia, int lista, int linea) {
  std::vector<RenglonDetalle> d;
  auto cabecera = [&](int n) { d.push_back({Texto(catalogo, n), true}); };
  auto cuerpo = [&](std::string texto) { d.push_back({std::move(texto), false}); };
  auto cuerpos = [&](std::vector<std::string> textos) {
    for (std::string& x : textos) cuerpo(std::move(x));
  };
  switch (lista) {
    case 1:
      if (linea < 1 || linea > t.datos.numCarreras) break;
      cabecera(kTextoRequisitos);
      for (const int k : t.datos.Requisitos(linea)) {
        if (k < kLimiteRequisito) cuerpo(LineaDe(t.requisitos, k));
      }
      cabecera(kTextoSalidas);
      for (const int k : t.datos.Salidas(linea)) {
        if (k < kLimiteSalida) cuerpo(LineaDe(t.salidas, k));
      }
      cabecera(kTextoDificultad);
      cuerpo(std::string(kSangria) + TextoDificultad(catalogo, t.datos.Dificultad(linea)));
      break;
    case 2:
      if (linea < 1 || linea > t.titulosFP.Cuenta()) break;
      cabecera(kTextoRequisitos);
      for (const int k : t.datos.RequisitosTitulo(linea)) cuerpo(LineaDe(t.requisitosFP, k));
      if (!EsArtes(familia)) {
        cuerpo("");
        cabecera(kTextoDescripcion);
        for (int k = 1; k <= kLineasDescripcion; ++k) {
          cuerpo(RecortarDerecha(t.bloquesFP.Linea(linea, k)));
        }
      }
      break;
    case 3:
      if (linea < 1 || linea > t.titulosGM.Cuenta()) break;
      if (!EsArtes(familia)) {
        cabecera(kTextoDescripcion);
        for (int k = 1; k <= kLineasDescripcion; ++k) {
          cuerpo(RecortarDerecha(t.bloquesGM.Linea(linea, k)));
        }
      }
      cabecera(kTextoRequisitos);
      cuerpos(LineasConCodigo(t.informa, "17"));
      break;
    case 4:
      if (linea < 1 || linea > CuentaProgramas(t.programas)) break;
      cabecera(kTextoModulos);
      cuerpos(Modulos(t, linea));
      cuerpo("");
      cuerpos(LineasConCodigo(t.informa, "39"));
      cuerpo("");
      cabecera(kTextoRequisitosAcceso);
      cuerpos(LineasConCodigo(t.informa, "38"));
      break;
    case 5: {
      if (linea < 1 || linea > CuentaCertificados(t.certificados)) break;
      const DetalleCertificado c = Detalle(t.certificados, linea);
      cabecera(kTextoRequisitosAcceso);
      cuerpos(c.requisitos);
      cabecera(kTextoHoras);
      cuerpo(c.horas);
      cuerpo("");
      cuerpo(c.descripcion);
      break;
    }
    default:
      break;
  }
  return d;
}

InformeImpresion InformeCatalogo(const TablasCatalogo& t, const CatalogoTextos& catalogo,
                                 int familiaLinea,
                                 const std::array<FilasConLineas, kListasCatalogo>& listas,
                                 bool completo,
                                 const std::array<std::string, kListasCatalogo>& encabezados,
                                 const std::array<std::string, kListasCatalogo>& rotulos) {
  InformeImpresion informe;
  const char familia = CodigoFamilia(t, familiaLinea);
  const std::string nombre =
      familiaLinea >= 1 && familiaLinea <= t.familias.Cuenta()
          ? RecortarDerecha(Columnas(t.familias[familiaLinea], 2, kAnchoLinea))
          : std::string();
  informe.titulo = Texto(catalogo, kTextoCatalogo) + ": " + nombre;
  auto detalle = [&](std::string texto) { informe.Anadir(std::string(kSangria) + texto); };
  auto detalles = [&](const std::vector<std::string>& textos) {
    for (const std::string& x : textos) detalle(x);
  };
  for (std::size_t k = 0; k < listas.size(); ++k) {
    const FilasConLineas& lista = listas[k];
    if (lista.filas.empty()) continue;
    informe.Anadir("");
    informe.Anadir(encabezados[k], true);
    if (!completo) {
      for (const std::string& fila : lista.filas) informe.Anadir(" -" + fila);
      continue;
    }
    for (std::size_t r = 0; r < lista.filas.size(); ++r) {
      const int linea = lista.lineas[r];
      informe.Anadir("");
      informe.Anadir(" -" + lista.filas[r], true);
      switch (k) {
        case 0:
          for (const int c : t.datos.Requisitos(linea)) {
            if (c < kLimiteRequisito) detalle(LineaDe(t.requisitos, c));
          }
          informe.Anadir("");
          for (const int c : t.datos.Salidas(linea)) {
            if (c < kLimiteSalida) detalle(LineaDe(t.salidas, c));
          }
          detalle(Texto(catalogo, kTextoDificultad) + ":  " +
                  TextoDificultad(catalogo, t.datos.Dificultad(linea)));
          break;
        case 1: {
          if (EsArtes(familia)) break;
          detalle(Texto(catalogo, kTextoRequisitos));
          // Position 2 and the last three codes are not printed.
          const std::vector<int> codigos = t.datos.RequisitosTitulo(linea);
          const int n = static_cast<int>(codigos.size());
          for (int i = 1; i <= n - 3; ++i) {
            if (i != 2) detalle(LineaDe(t.requisitosFP, codigos[static_cast<std::size_t>(i - 1)]));
          }
          detalle(Texto(catalogo, kTextoDescripcion));
          detalles(Descripcion(t.bloquesFP, linea));
          break;
        }
        case 2:
          if (EsArtes(familia)) break;
          detalle(Texto(catalogo, kTextoDescripcion));
          detalles(Descripcion(t.bloquesGM, linea));
          break;
        case 3:
          detalle(Texto(catalogo, kTextoModulos));
          detalles(Modulos(t, linea));
          break;
        case 4: {
          const std::string linea90 = LineaDetalle(t.certificados, linea);
          detalle(Texto(catalogo, kTextoRequisitosAcceso));
          detalles(RequisitosDe(t.certificados, linea));
          detalle(Texto(catalogo, kTextoHoras) + ": " + RecortarDerecha(Columnas(linea90, 4, 3)));
          detalle(RecortarDerecha(Columnas(linea90, 8, 90)));
          break;
        }
        default:
          break;
      }
      // The arts family's middle-grade section is its one fixed row.
      if (k == 2 && EsArtes(familia)) break;
    }
    if (k == 2 && !EsArtes(familia)) {
      informe.Anadir("");
      informe.Anadir("  " + Texto(catalogo, kTextoRequisitos) + " " + rotulos[2]);
      for (const std::string& x : LineasConCodigo(t.informa, "17")) informe.Anadir("      " + x);
    }
    if (k == 3) {
      informe.Anadir("");
      for (const std::string& x : LineasConCodigo(t.informa, "39")) informe.Anadir(x);
      informe.Anadir("");
      informe.Anadir("  " + Texto(catalogo, kTextoRequisitos) + " " + rotulos[3]);
      for (const std::string& x : LineasConCodigo(t.informa, "38")) {
        if (!EsBlanco(x)) informe.Anadir(x);
      }
    }
  }
  return informe;
}

}  // namespace sendaro
