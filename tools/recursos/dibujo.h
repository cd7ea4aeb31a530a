// Pictures of the sample installation, drawn with QPainter.
#pragma once

#include <QImage>
#include <QString>

namespace sendaro::recursos {

// Theme letters: I Inca, F flowers, C castle, N snow, A Aztec, P prehistoric.
QImage Pared(char tema);        // wall tile with one door, 174 x 384
QImage Vestibulo(char tema);    // full hall picture, 1024 x 768
QImage Suelo(char tema);        // floor tile behind the section pages
QImage Marco(char estilo, bool derecho);  // border strip, 23 px wide; estilo 'a', 'n' or 'p'
QImage Lateral(char tema);      // side picture of the hall
QImage Rotulo(bool nieve);      // stop-studying sign, 97 x 57
QImage Chica();                 // the guide girl
QImage Helicoptero();

}  // namespace sendaro::recursos
