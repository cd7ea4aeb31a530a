#include "data/lectores_fijos.h"

#include "data/texto.h"

namespace sendaro {
namespace {

std::string_view Campo(std::string_view linea, const CampoFijo& campo, int k = 0) {
  return Columnas(linea, campo.ColumnaDe(k), campo.ancho);
}

std::size_t Indice(int n) { return static_cast<std::size_t>(n); }

}  // namespace

int AnalizarComarcas(const Entorno& entorno, std::string_view bytes, TablaComarcas& tabla,
                     int ancho) {
  int entrada = 0;
  int linea_n = 0;
  for (const std::string_view linea : DividirLineas(bytes)) {
    ++linea_n;
    if (linea_n <= TablaComarcas::kNumeradas) {
      const auto numero = NumeroDecimal(Campo(linea, columnas::kComarcaNumero));
      if (!numero || *numero < 1 || *numero > TablaComarcas::kCapacidad) {
        entorno.Avisar("mal " + std::to_string(linea_n));
        return tabla.cuenta;
      }
      tabla.numeros[Indice(linea_n)] = *numero;
      tabla.nombres[Indice(*numero)] = Columnas(linea, columnas::kComarcaNombre.columna, ancho);
      tabla.codigos[Indice(*numero)] = Campo(linea, columnas::kComarcaCodigo);
      entrada = linea_n;
    } else {
      if (entrada >= TablaComarcas::kCapacidad) break;
      ++entrada;
      tabla.nombres[Indice(entrada)] =
          Columnas(linea, columnas::kSubareaNombre.columna, ancho + columnas::kSubareaMasAncho);
      tabla.codigos[Indice(entrada)] = Campo(linea, columnas::kSubareaCodigo);
    }
  }
  tabla.cuenta = entrada;
  return entrada;
}

int LeerComarcas(Entorno& entorno, std::string_view nombre, TablaComarcas& tabla, int ancho) {
  const auto bytes = AbrirFicheroTexto(entorno, nombre);
  if (!bytes) return tabla.cuenta;
  return AnalizarComarcas(entorno, *bytes, tabla, ancho);
}

int AnalizarZonas(const Entorno& entorno, std::string_view bytes, TablaZonas& tabla, int ancho) {
  int entrada = 0;
  for (const std::string_view linea : DividirLineas(bytes)) {
    const auto zona = NumeroDecimal(Campo(linea, columnas::kZonaNumero));
    if (!zona) {
      entorno.Avisar("mal " + std::to_string(entrada));
      return tabla.cuenta;
    }
    if (entrada >= TablaZonas::kCapacidad) break;
    ++entrada;
    tabla.zonas[Indice(entrada)] = *zona;
    tabla.nombres[Indice(entrada)] = Columnas(linea, columnas::kZonaNombre.columna, ancho);
    tabla.codigos[Indice(entrada)] = Campo(linea, columnas::kZonaCodigo);
  }
  for (int z = 1; z <= TablaZonas::kZonas; ++z) {
    int miembros = 0;
    for (int e = 1; e <= entrada; ++e) {
      if (tabla.zonas[Indice(e)] != z || miembros >= TablaZonas::kMiembrosPorZona) continue;
      tabla.miembros[Indice(z)][Indice(miembros)] = e;
      ++miembros;
    }
    tabla.numMiembros[Indice(z)] = miembros;
  }
  tabla.cuenta = entrada;
  return entrada;
}

int LeerZonas(Entorno& entorno, std::string_view nombre, TablaZonas& tabla, int ancho) {
  const auto bytes = AbrirFicheroTexto(entorno, nombre);
  if (!bytes) return tabla.cuenta;
  return AnalizarZonas(entorno, *bytes, tabla, ancho);
}

int AnalizarUniversidades(std::string_view bytes, std::string_view nombre,
                          TablaUniversidades& tabla) {
  tabla.nombres.Fijar(0, nombre);
  int cuenta = 0;
  for (const std::string_view linea : DividirLineas(bytes)) {
    if (cuenta >= TablaUniversidades::kCapacidad) break;
    ++cuenta;
    tabla.comunidades[Indice(cuenta)] =
        NumeroDecimal(Campo(linea, columnas::kUniversidadComunidad)).value_or(0);
    tabla.nombres.Fijar(cuenta, Campo(linea, columnas::kUniversidadNombre));
    tabla.direcciones[Indice(cuenta)] =
        RecortarDerecha(Campo(linea, columnas::kUniversidadDireccion));
  }
  tabla.nombres.FijarCuenta(cuenta);
  tabla.cuenta = cuenta;
  return cuenta;
}

int LeerUniversidades(Entorno& entorno, std::string_view nombre, TablaUniversidades& tabla) {
  const auto bytes = AbrirFicheroTexto(entorno, nombre);
  if (!bytes) return tabla.cuenta;
  return AnalizarUniversidades(*bytes, nombre, tabla);
}

int AnalizarDirecciones(std::string_view bytes, TablaDirecciones& tabla) {
  int cuenta = 0;
  for (const std::string_view linea : DividirLineas(bytes)) {
    if (cuenta >= TablaDirecciones::kCapacidad) break;
    ++cuenta;
    tabla.direcciones[Indice(cuenta)] =
        RecortarDerecha(Campo(linea, columnas::kComunidadDireccion));
  }
  tabla.cuenta = cuenta;
  return cuenta;
}

int LeerDirecciones(Entorno& entorno, std::string_view nombre, TablaDirecciones& tabla) {
  const auto bytes = AbrirFicheroTexto(entorno, nombre);
  if (!bytes) return tabla.cuenta;
  return AnalizarDirecciones(*bytes, tabla);
}

int AnalizarCentros(std::string_view bytes, std::string_view nombre, TablaCentros& tabla) {
  tabla.lineas.Fijar(0, nombre);
  int cuenta = 0;
  for (const std::string_view linea : DividirLineas(bytes)) {
    if (cuenta >= TablaCentros::kCapacidad) break;
    ++cuenta;
    tabla.lineas.Fijar(cuenta, Campo(linea, columnas::kCentroLinea));
    auto& codigos = tabla.codigos[Indice(cuenta)];
    int leidos = 0;
    for (int k = 0; k < TablaCentros::kMaxCodigos; ++k) {
      const std::string_view campo = Campo(linea, columnas::kCentroCodigos, k);
      if (EsBlanco(campo)) break;
      codigos[Indice(k)] = NumeroDecimal(campo).value_or(TablaCentros::kSinCodigo);
      ++leidos;
    }
    for (int k = leidos; k < TablaCentros::kMaxCodigos; ++k) {
      codigos[Indice(k)] = TablaCentros::kSinCodigo;
    }
    tabla.numCodigos[Indice(cuenta)] = leidos;
    tabla.regiones[Indice(cuenta)].clear();
  }
  tabla.lineas.FijarCuenta(cuenta);
  return cuenta;
}

void PrepararRegionesCentros(TablaCentros& tabla, char antigua, char nueva, char fin) {
  constexpr std::size_t kColumnaRegion = 45;
  const int n = tabla.Cuenta();
  int desde = 0;
  for (int c = 1; c <= n; ++c) {
    std::string linea = tabla.lineas[c];
    if (!linea.empty() && linea[0] == antigua) {
      linea[0] = nueva;
      tabla.lineas.Fijar(c, linea);
    }
    if (desde == 0 && !linea.empty() && linea[0] == nueva) desde = c;
  }
  if (desde == 0) return;
  for (int c = desde; c <= n; ++c) {
    std::string linea = tabla.lineas[c];
    if (fin != '\0' && !linea.empty() && linea[0] == fin) break;
    const char columna = linea.size() >= kColumnaRegion ? linea[kColumnaRegion - 1] : ' ';
    tabla.regiones[Indice(c)] = std::string{linea.empty() ? ' ' : linea[0], columna};
    if (linea.size() >= kColumnaRegion) {
      linea[kColumnaRegion - 1] = ' ';
      tabla.lineas.Fijar(c, linea);
    }
  }
}

int LeerCentros(Entorno& entorno, std::string_view nombre, TablaCentros& tabla) {
  const auto bytes = AbrirFicheroTexto(entorno, nombre);
  if (!bytes) return tabla.Cuenta();
  return AnalizarCentros(*bytes, nombre, tabla);
}

int AnalizarDobles(const Entorno& entorno, std::string_view bytes, std::string_view nombre,
                   TablaDobles& tabla) {
  tabla.titulo = Cortar(nombre, TablaDobles::kLongitudTexto);
  int cuenta = 0;
  // The stored university the following detail lines belong to; 0 when
  // there is none (before the first one, or beyond the capacity).
  int actual = 0;
  for (const std::string_view linea : DividirLineas(bytes)) {
    const auto codigo = NumeroDecimal(Campo(linea, columnas::kDobleUniversidad));
    if (codigo) {
      if (*codigo < 1 || *codigo > 99) continue;
      if (cuenta >= TablaDobles::kCapacidad) {
        actual = 0;
        continue;
      }
      ++cuenta;
      actual = cuenta;
      UniversidadDobles& universidad = tabla.universidades[Indice(cuenta)];
      universidad.codigo = *codigo;
      universidad.nombre =
          Cortar(Campo(linea, columnas::kDobleNombre), TablaDobles::kLongitudTexto);
      universidad.numDetalles = 0;
      continue;
    }
    DetalleDoble detalle;
    for (const auto& [campo, destino] : {std::pair{&columnas::kDobleTipo, &detalle.tipo},
                                         std::pair{&columnas::kDobleNumero1, &detalle.numero1},
                                         std::pair{&columnas::kDobleNumero2, &detalle.numero2}}) {
      *destino = NumeroDecimal(Campo(linea, *campo));
      if (!destino->has_value()) entorno.Avisar(std::string(kErrorDobles));
    }
    if (actual == 0) continue;
    UniversidadDobles& universidad = tabla.universidades[Indice(actual)];
    if (universidad.numDetalles >= UniversidadDobles::kMaxDetalles) continue;
    universidad.detalles[Indice(universidad.numDetalles)] = detalle;
    ++universidad.numDetalles;
  }
  tabla.cuenta = cuenta;
  return cuenta;
}

int LeerDobles(Entorno& entorno, std::string_view nombre, TablaDobles& tabla) {
  const auto bytes = AbrirFicheroTexto(entorno, nombre);
  if (!bytes) return tabla.cuenta;
  return AnalizarDobles(entorno, *bytes, nombre, tabla);
}

}  // namespace sendaro
