#include "data/certificados.h"

#include "data/impresion/lineas_enteras.h"
#include "data/texto.h"

namespace sendaro {

namespace {

constexpr int kTextoTitulo = 580;
constexpr int kTextoFamilia = 583;
constexpr int kTextoRequisitos = 581;
constexpr int kTextoHoras = 582;
constexpr int kAnchoDetalle = 97;
constexpr int kAnchoRequisito = 28;

char Columna(const std::string& linea, int columna) {
  const auto i = static_cast<std::size_t>(columna - 1);
  return i < linea.size() ? linea[i] : ' ';
}

std::string Trozo(std::string_view linea, int columna, int ancho) {
  return RecortarDerecha(Columnas(linea, columna, ancho));
}

// The requirement text of entry r (1..9) cut to `ancho`, and its code.
char CodigoRequisito(const TablasCertificados& t, int r) { return Columna(t.textos[r], 1); }
std::string TextoRequisito(const TablasCertificados& t, int r, int ancho) {
  return Trozo(t.textos[r], 2, ancho);
}

}  // namespace

int CuentaCertificados(const TablasCertificados& t) {
  return std::max(0, t.certificados.Cuenta() - kFamiliasCertificado);
}

const std::string& LineaCertificado(const TablasCertificados& t, int c) {
  static const std::string vacia;
  if (c < 1 || c > CuentaCertificados(t)) return vacia;
  return t.certificados[kFamiliasCertificado + c];
}

std::string TextoCertificado(const TablasCertificados& t, int c) {
  return Trozo(LineaCertificado(t, c), 2, 60);
}

std::string NombreFamiliaCertificado(const TablasCertificados& t, int f) {
  if (f < 1 || f > kFamiliasCertificado) return {};
  return Trozo(t.certificados[f], 9, 60);
}

std::vector<std::string> FamiliasCertificado(const TablasCertificados& t) {
  std::vector<std::string> familias;
  for (int f = 1; f <= kFamiliasCertificado; ++f)
    familias.push_back(NombreFamiliaCertificado(t, f));
  return familias;
}

FilasConLineas AreasDeFamilia(const TablasCertificados& t, int f) {
  FilasConLineas areas;
  if (f < 1 || f > kFamiliasCertificado) return areas;
  const std::string& familia = t.certificados[f];
  for (int c = 1; c <= CuentaCertificados(t); ++c) {
    const std::string& linea = LineaCertificado(t, c);
    if (Columna(linea, 2) != '-') continue;
    for (int k = 1; k <= kAreasPorFamilia; ++k) {
      const char area = Columna(familia, k);
      if (area == ' ' || Columna(linea, 1) != area) continue;
      areas.filas.push_back(TextoCertificado(t, c));
      areas.lineas.push_back(c);
    }
  }
  return areas;
}

FilasConLineas CertificadosDeArea(const TablasCertificados& t, int cabecera) {
  FilasConLineas lista;
  const char area = Columna(LineaCertificado(t, cabecera), 1);
  if (area == ' ') return lista;
  for (int c = 1; c <= CuentaCertificados(t); ++c) {
    const std::string& linea = LineaCertificado(t, c);
    if (Columna(linea, 1) != area || Columna(linea, 2) == '-') continue;
    lista.filas.push_back(TextoCertificado(t, c));
    lista.lineas.push_back(c);
  }
  return lista;
}

std::string LineaDetalle(const TablasCertificados& t, int c) {
  std::string linea;
  if (c >= 1 && c <= CuentaCertificados(t)) linea = t.textos[kRequisitosCertificado + c];
  linea.resize(kAnchoDetalle, ' ');
  return linea;
}

std::vector<std::string> RequisitosDe(const TablasCertificados& t, int c) {
  const std::string detalle = LineaDetalle(t, c);
  std::vector<std::string> textos;
  for (int i = 1; i <= 3; ++i) {
    const char codigo = Columna(detalle, i);
    if (codigo == ' ') continue;
    for (int r = 1; r <= kRequisitosCertificado; ++r) {
      if (CodigoRequisito(t, r) == codigo) textos.push_back(TextoRequisito(t, r, kAnchoRequisito));
    }
  }
  return textos;
}

DetalleCertificado Detalle(const TablasCertificados& t, int c) {
  const std::string detalle = LineaDetalle(t, c);
  DetalleCertificado d;
  d.ocupacion = TextoCertificado(t, c);
  d.requisitos = RequisitosDe(t, c);
  d.horas = Trozo(detalle, 4, 3);
  d.descripcion = Trozo(detalle, 8, 90);
  return d;
}

InformeImpresion InformeAreaCertificados(const TablasCertificados& t,
                                         const CatalogoTextos& catalogo, int cabecera,
                                         const std::vector<int>& certificados) {
  InformeImpresion informe;
  if (certificados.empty()) return informe;
  auto texto = [&](int n) { return RecortarDerecha(catalogo.Texto(n)); };
  auto negrita = [&] { informe.negritas.push_back(static_cast<int>(informe.lineas.size())); };
  informe.titulo = texto(kTextoTitulo);
  informe.lineas.push_back(texto(kTextoFamilia) + ":");
  informe.lineas.push_back(TextoCertificado(t, cabecera));
  negrita();
  informe.lineas.emplace_back();
  for (const int c : certificados) {
    const std::string detalle = LineaDetalle(t, c);
    informe.lineas.push_back(TextoCertificado(t, c));
    negrita();
    for (std::string& l : LineasEnteras(Trozo(detalle, 8, kAnchoDetalle - 7)))
      informe.lineas.push_back(std::move(l));
    informe.lineas.push_back(texto(kTextoRequisitos));
    for (int i = 1; i <= 3; ++i) {
      const char codigo = Columna(detalle, i);
      std::string hueco;
      for (int r = 1; r <= kRequisitosCertificado && codigo != ' '; ++r) {
        if (CodigoRequisito(t, r) == codigo) hueco = TextoRequisito(t, r, kAnchoRequisito);
      }
      if (!hueco.empty()) informe.lineas.push_back(std::string(7, ' ') + hueco);
    }
    informe.lineas.push_back(texto(kTextoHoras) + ": " + Trozo(detalle, 4, 3));
    informe.lineas.emplace_back();
  }
  return informe;
}

}  // namespace sendaro
