// The animated hall's pictures and sounds: every theme's scene list, the
// figure and control list "segdxg1.DXG", the decoration lists and the sound
// lists, drawn and synthesised here and packed in the formats of
// src/hall/qt/sprites/paquete.h.
#pragma once

#include <QImage>
#include <QString>

namespace sendaro::recursos {

// Writes every list into `destino`; with `vistas`, a PNG sheet of each list
// there too, for looking at. False when a file cannot be written.
bool EscribirEscena(const QString& destino, const QString& vistas);

// One frame of the figure: direction set ("manup", "mandoizq"...) and 1..10.
QImage FiguraCaminando(const QString& conjunto, int numero);

}  // namespace sendaro::recursos
