#include "ui/texto_qt.h"

#include <QHash>
#include <QStringDecoder>
#include <array>

namespace sendaro {

namespace {

struct Tabla1252 {
  std::array<char16_t, 256> aUnicode{};
  QHash<char16_t, char> aByte;

  Tabla1252() {
    QStringDecoder decodificador("windows-1252");
    for (int b = 0; b < 256; ++b) {
      const char byte = static_cast<char>(b);
      const QString s = decodificador.decode(QByteArrayView(&byte, 1));
      const char16_t u = s.isEmpty() ? char16_t(b) : s.at(0).unicode();
      aUnicode[static_cast<std::size_t>(b)] = u;
      aByte.insert(u, byte);
    }
  }
};

const Tabla1252& Tabla() {
  static const Tabla1252 tabla;
  return tabla;
}

}  // namespace

QString DeWin(std::string_view texto) {
  const auto& t = Tabla();
  QString r;
  r.reserve(static_cast<qsizetype>(texto.size()));
  for (char c : texto) r.append(QChar(t.aUnicode[static_cast<unsigned char>(c)]));
  return r;
}

std::string AWin(const QString& texto) {
  const auto& t = Tabla();
  std::string r;
  r.reserve(static_cast<std::size_t>(texto.size()));
  for (QChar c : texto) r.push_back(t.aByte.value(c.unicode(), '?'));
  return r;
}

}  // namespace sendaro
