#include "ui/direccion_web.h"

#include <QUrl>

#include "ui/dialogos.h"

namespace sendaro {

bool AbrirDireccionWeb(Dialogos& dialogos, const QString& direccion) {
  const QUrl url(direccion.trimmed(), QUrl::StrictMode);
  const QString esquema = url.scheme().toLower();
  const bool web = url.isValid() && !url.host().isEmpty() &&
                   (esquema == QLatin1String("http") || esquema == QLatin1String("https"));
  if (web && dialogos.AbrirWeb(url)) return true;
  dialogos.Aviso(
      QStringLiteral("No se ha podido abrir la p\u00e1gina %1").arg(direccion.trimmed()));
  return false;
}

}  // namespace sendaro
