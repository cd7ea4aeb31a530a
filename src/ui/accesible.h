// Accessible names, as screen readers and black-box tests read them.
//
// A control that shows text (a label, a button) is announced by that text:
// its accessible name stays empty and the toolkit reads the text from the
// control each time, so the name follows every change of the text, running
// texts included. A control without text is announced by a short
// description: its hint when it has one, or the one given with Describir.
// Names copied from object names are never kept.
#pragma once

#include <QObject>

class QString;
class QWidget;

namespace sendaro {

// Catalogue texts that name controls without text.
namespace textos_accesibles {
inline constexpr int kFraseAnterior = 770, kFraseSiguiente = 771;
inline constexpr int kVestibulo = 772;
inline constexpr int kMapaComunidades = 773, kMapaComarcas = 774, kMapaZonas = 775;
inline constexpr int kPasoEsquema = 776, kMasInformacion = 777, kEsquema = 778;
inline constexpr int kAnterior = 779, kSiguiente = 780, kSubir = 781, kBajar = 782;
}  // namespace textos_accesibles

// Applies the rule to a widget and every widget below it (a page, once
// built; NombresAccesibles does it again for each widget as it is shown).
void NombrarAccesibles(QWidget* raiz);

// A picture or drawing that carries meaning (a map, a diagram, a door): its
// name and a longer description, both for the screen reader.
void Describir(QWidget* w, const QString& nombre, const QString& descripcion = {});

// A copy of another control drawn only as its shadow (a title written twice,
// offset, in two colours): screen readers skip it, so the text is announced
// once.
void Sombra(QWidget& w);

// True for a name that reads like an object's name rather than a text: one
// word that mixes capitals into lower case or ends in digits ("LabelFrase0",
// "BotFraRet", "chica" when that is the object's name).
bool NombreDeObjeto(const QString& nombre, const QString& objeto = {});

// Installed on the application: applies the rule to every widget when it is
// shown, so that dialogs, pop-ups and controls made later keep it too.
class NombresAccesibles : public QObject {
  Q_OBJECT

 public:
  explicit NombresAccesibles(QObject* padre);

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
};

}  // namespace sendaro
