// Saving a report as a text file: the name the save dialog proposes, and the
// write itself (UTF-8 with the platform's line ends, through a temporary file
// renamed over the target, so a failed save never leaves a half-written
// file).
#pragma once

#include <QString>
#include <QStringList>

namespace sendaro {

class Dialogos;

// The name without / \ : * ? " < > |, without leading dots and blanks, at most
// 100 characters.
QString NombreFicheroLimpio(const QString& nombre);

// Writes the lines, one per file line. Empty on success, else the reason.
QString EscribirTextoUtf8(const QString& ruta, const QStringList& lineas);

// Asks where to save with the save dialog, proposing `nombre` (cleaned) and
// ".TXT" in the user's documents folder, and writes the lines there. A failed
// write shows a message naming the file and the reason. True only when the
// file was written; false when cancelled or failed.
bool GuardarTexto(Dialogos& dialogos, const QString& nombre, const QStringList& lineas);

}  // namespace sendaro
