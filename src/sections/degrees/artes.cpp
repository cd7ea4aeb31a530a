#include "sections/degrees/artes.h"

#include <cctype>

#include "data/lectores.h"
#include "data/tablas_datos.h"
#include "data/texto.h"
#include "sections/degrees/universidades.h"

namespace sendaro {

namespace {

constexpr int kComunidades = 19;
// Drama: the eight texts after "f2" (from its second line on), and the
// places from "f2" + 8 on.
constexpr int kTextosDrama = 8;
constexpr int kInicioLugaresDrama = 8;

bool EmpiezaPor(std::string_view texto, std::string_view prefijo) {
  return texto.substr(0, prefijo.size()) == prefijo;
}

// The first line that starts with `marca`, 0 when there is none.
int LineaMarca(const TablaLinea& t, std::string_view marca) {
  for (int i = 1; i <= t.Cuenta(); ++i) {
    if (EmpiezaPor(t[i], marca)) return i;
  }
  return 0;
}

std::string Desde(std::string_view linea, int columna) {
  return RecortarDerecha(Columnas(linea, columna, static_cast<int>(linea.size())));
}

std::string NombreComunidad(const FuentesArte& f, int c) {
  return RecortarDerecha(Columnas(f.comunidades[c], 3, 60));
}

bool EsComunidad(std::optional<int> c) { return c && *c >= 1 && *c <= kComunidades; }

// A plastic-arts place line: community, name, phone and speciality codes.
struct LugarPlastica {
  int comunidad = 0;
  std::string nombre;
  std::string telefono;
  std::vector<int> especialidades;
};

std::optional<LugarPlastica> LeerLugar(std::string_view linea) {
  const std::optional<int> c = NumeroDecimal(Columnas(linea, 1, 2));
  if (!EsComunidad(c)) return std::nullopt;
  LugarPlastica l;
  l.comunidad = *c;
  l.nombre = RecortarDerecha(Columnas(linea, 3, 22));
  l.telefono = RecortarDerecha(Columnas(linea, 25, 9));
  for (int k = 0; k < 5; ++k) {
    const std::string_view campo = Columnas(linea, 41 + 2 * k, 2);
    if (campo.size() < 2 || !std::isdigit(static_cast<unsigned char>(campo[0])) ||
        !std::isdigit(static_cast<unsigned char>(campo[1]))) {
      break;
    }
    const int codigo = (campo[0] - '0') * 10 + (campo[1] - '0');
    if (codigo < kEspecialidadesPlastica) l.especialidades.push_back(codigo);
  }
  return l;
}

// The places of plastic arts: after "f1", its 17 specialities and the empty
// line that closes them.
std::vector<LugarPlastica> LugaresPlastica(const FuentesArte& f) {
  std::vector<LugarPlastica> lugares;
  const int f1 = LineaMarca(f.lineas, "f1");
  if (f1 == 0) return lugares;
  for (int i = f1 + kEspecialidadesPlastica + 2; i <= f.lineas.Cuenta(); ++i) {
    if (auto l = LeerLugar(f.lineas[i])) lugares.push_back(std::move(*l));
  }
  return lugares;
}

std::string FilaLugar(const LugarPlastica& l, std::string_view prefijo) {
  return Unir({prefijo, l.nombre, "  -  Tel. ", l.telefono});
}

}  // namespace

const FicheroDatos& FicheroArte(Arte arte) {
  switch (arte) {
    case Arte::kMusica:
      return ficheros::kMusica;
    case Arte::kDanza:
      return ficheros::kDanza;
    case Arte::kDramatico:
      return ficheros::kDramatico;
    case Arte::kPlastica:
    default:
      return ficheros::kArtesplas;
  }
}

int TextoTituloArte(Arte arte) { return 528 + static_cast<int>(arte); }

bool LeerArte(Entorno& entorno, Arte arte, TablaLinea& tabla) {
  tabla.Vaciar();
  const bool fallo = entorno.FalloGrave;
  entorno.FalloGrave = false;
  LeerFicheroTabla(entorno, FicheroArte(arte), tabla);
  const bool leido = !entorno.FalloGrave;
  // A missing arts file is told, not fatal.
  entorno.FalloGrave = fallo;
  if (!leido) tabla.Vaciar();
  return leido;
}

std::vector<std::string> TitulosArte(const FuentesArte& f) {
  std::vector<std::string> filas;
  const int f1 = LineaMarca(f.lineas, "f1");
  const int fin = f1 == 0 ? f.lineas.Cuenta() + 1 : f1;
  for (int i = 1; i < fin; ++i) filas.push_back(RecortarDerecha(f.lineas[i]));
  return filas;
}

std::vector<std::string> EspecialidadesArte(const FuentesArte& f) {
  std::vector<std::string> filas;
  const int f1 = LineaMarca(f.lineas, "f1");
  if (f1 == 0) return filas;
  if (f.arte == Arte::kPlastica) {
    for (int k = 0; k < kEspecialidadesPlastica && f1 + 1 + k <= f.lineas.Cuenta(); ++k) {
      filas.push_back(Desde(f.lineas[f1 + 1 + k], 3));
    }
    return filas;
  }
  for (int i = f1 + 1; i <= f.lineas.Cuenta() && !EmpiezaPor(f.lineas[i], "f2"); ++i) {
    filas.push_back(RecortarDerecha(f.lineas[i]));
  }
  return filas;
}

std::vector<std::string> LugaresPorEspecialidad(const FuentesArte& f, int especialidad) {
  std::vector<std::string> filas;
  int anterior = 0;
  for (const LugarPlastica& l : LugaresPlastica(f)) {
    bool ensena = false;
    for (const int e : l.especialidades) ensena = ensena || e == especialidad;
    if (!ensena) continue;
    if (l.comunidad != anterior) filas.push_back(Unir({"- ", NombreComunidad(f, l.comunidad)}));
    anterior = l.comunidad;
    filas.push_back(FilaLugar(l, "   "));
  }
  return filas;
}

std::vector<std::string> LugaresPorComunidad(const FuentesArte& f, int comunidad) {
  std::vector<std::string> filas;
  const std::vector<std::string> especialidades = EspecialidadesArte(f);
  for (const LugarPlastica& l : LugaresPlastica(f)) {
    if (l.comunidad != comunidad) continue;
    filas.push_back(FilaLugar(l, "-   "));
    for (const int e : l.especialidades) {
      if (e < static_cast<int>(especialidades.size()))
        filas.push_back(especialidades[static_cast<std::size_t>(e)]);
    }
  }
  return filas;
}

std::vector<std::string> LugaresArte(const FuentesArte& f) {
  std::vector<std::string> filas;
  const TablaLinea& t = f.lineas;
  const int f2 = LineaMarca(t, "f2");
  if (f2 == 0) return filas;
  switch (f.arte) {
    case Arte::kMusica:
      for (int i = f2 + 1; i <= t.Cuenta(); ++i) {
        const std::string& linea = t[i];
        const std::optional<int> c = NumeroDecimal(Columnas(linea, 1, 2));
        if (c) {
          if (EsComunidad(c)) filas.push_back(Unir({"- ", NombreComunidad(f, *c)}));
          continue;
        }
        const std::size_t p = linea.find("http");
        // The address starts after the place's name (1-based position > 3).
        if (p == std::string::npos || p + 1 <= 3) continue;
        filas.push_back(Unir({"  ", RecortarDerecha(linea.substr(2, p - 2))}));
        filas.push_back(RecortarDerecha(linea.substr(p)));
      }
      break;
    case Arte::kDanza:
      for (int i = f2 + 1; i <= t.Cuenta(); ++i) filas.push_back(RecortarDerecha(t[i]));
      break;
    case Arte::kDramatico: {
      std::vector<std::string> textos;
      for (int k = 0; k < kTextosDrama; ++k) textos.push_back(Desde(t[f2 + 2 + k], 2));
      for (int i = f2 + kInicioLugaresDrama; i <= t.Cuenta(); ++i) {
        const std::string& linea = t[i];
        if (EmpiezaPor(linea, "-")) {
          filas.push_back(Unir({Cortar(linea, 25), textos[0]}));
          for (const char c : Columnas(linea, 41, 7)) {
            if (!std::isdigit(static_cast<unsigned char>(c))) break;
            const int n = c - '0';
            if (n >= 1 && n < kTextosDrama) {
              filas.push_back(Unir({"   ", textos[static_cast<std::size_t>(n)]}));
            }
          }
          filas.push_back(Unir({"Tel. ", RecortarDerecha(Columnas(linea, 26, 9))}));
        } else if (EmpiezaPor(linea, "http")) {
          filas.push_back(RecortarDerecha(linea));
          filas.emplace_back();
        }
      }
      break;
    }
    case Arte::kPlastica:
      break;
  }
  return filas;
}

InformeArte ImprimirArte(const FuentesArte& f, const std::string& titulo) {
  InformeArte inf;
  std::vector<std::string>& l = inf.lineas;
  l.push_back(titulo);
  l.emplace_back();
  const TablaLinea& t = f.lineas;
  switch (f.arte) {
    case Arte::kMusica:
    case Arte::kDanza: {
      bool trasF2 = false;
      for (int i = 1; i <= t.Cuenta(); ++i) {
        const std::string& linea = t[i];
        if (EmpiezaPor(linea, "f1")) continue;
        if (EmpiezaPor(linea, "f2")) {
          trasF2 = true;
          continue;
        }
        l.push_back(f.arte == Arte::kMusica && trasF2 ? Desde(linea, 3) : RecortarDerecha(linea));
      }
      break;
    }
    case Arte::kPlastica: {
      for (const std::string& titulo2 : TitulosArte(f)) l.push_back(titulo2);
      const std::vector<std::string> especialidades = EspecialidadesArte(f);
      int anterior = 0;
      for (const LugarPlastica& lugar : LugaresPlastica(f)) {
        if (lugar.comunidad != anterior)
          l.push_back(Unir({"- ", NombreComunidad(f, lugar.comunidad)}));
        anterior = lugar.comunidad;
        l.push_back(FilaLugar(lugar, "  "));
        for (const int e : lugar.especialidades) {
          if (e < static_cast<int>(especialidades.size()))
            l.push_back(especialidades[static_cast<std::size_t>(e)]);
        }
      }
      break;
    }
    case Arte::kDramatico: {
      const int f2 = LineaMarca(t, "f2");
      const int fin = f2 == 0 ? t.Cuenta() + 1 : f2;
      for (int i = 1; i < fin; ++i) {
        if (!EmpiezaPor(t[i], "f1")) l.push_back(RecortarDerecha(t[i]));
      }
      for (const std::string& fila : LugaresArte(f)) l.push_back(fila);
      break;
    }
  }
  for (int i = 2; i < static_cast<int>(l.size()); ++i) {
    if (EmpiezaPor(l[static_cast<std::size_t>(i)], "-")) inf.negritas.push_back(i);
  }
  return inf;
}

bool EsDireccionArte(const std::string& fila) {
  const std::string t = RecortarDerecha(fila);
  return EmpiezaPor(t, "http");
}

}  // namespace sendaro
