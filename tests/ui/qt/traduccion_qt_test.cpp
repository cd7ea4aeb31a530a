// The toolkit's own dialogs speak the chosen language: the system's
// translations for Spanish, Catalan and Galician, ours for Basque.
#include "ui/traduccion_qt.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>

namespace sendaro {
namespace {

struct Caso {
  const char* subcarpeta;
  const char* contexto;
  const char* fuente;
  const char* esperado;
};

TEST(TraduccionQt, LasEtiquetasDeGuardarEImprimirSalenEnCadaIdioma) {
  const Caso casos[] = {
      {"", "QFileDialog", "Look in:", "Ver en:"},
      {"catVal", "QFileDialog", "Look in:", "Cerca a:"},
      {"galego", "QFileDialog", "Look in:", "Procurar en:"},
      {"euskera", "QFileDialog", "Look in:", "Begiratu hemen:"},
      {"", "QFileDialog", "Files of type:", "Ficheros de tipo:"},
      {"catVal", "QFileDialog", "Files of type:", "Fitxers de tipus:"},
      {"galego", "QFileDialog", "Files of type:", "Ficheiros do tipo:"},
      {"euskera", "QFileDialog", "Files of type:", "Fitxategi mota:"},
      {"catVal", "QPrintDialog", "Print", "Imprimeix"},
      {"euskera", "QPrintDialog", "Print", "Inprimatu"},
      {"euskera", "QPrintDialog", "Print to File (PDF)", "Inprimatu fitxategira (PDF)"},
      {"euskera", "QPlatformTheme", "Cancel", "Utzi"},
  };
  for (const auto& c : casos) {
    ASSERT_TRUE(InstalarTraduccionQt(c.subcarpeta)) << c.subcarpeta;
    EXPECT_EQ(QCoreApplication::translate(c.contexto, c.fuente), QString::fromUtf8(c.esperado))
        << c.subcarpeta << ": " << c.fuente;
  }
  QuitarTraduccionQt();
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
}

// The save dialog built after the language is chosen shows its labels in it.
TEST(TraduccionQt, ElDialogoDeGuardarEnEuskera) {
  ASSERT_TRUE(InstalarTraduccionQt("euskera"));
  QFileDialog dialogo;
  dialogo.setOption(QFileDialog::DontUseNativeDialog);
  dialogo.setAcceptMode(QFileDialog::AcceptSave);
  QStringList etiquetas;
  for (const auto* l : dialogo.findChildren<QLabel*>()) etiquetas << l->text();
  QuitarTraduccionQt();
  EXPECT_TRUE(etiquetas.contains(QStringLiteral("Begiratu hemen:"))) << etiquetas.join(u'|').toStdString();
  EXPECT_TRUE(etiquetas.contains(QStringLiteral("Fitxategi mota:"))) << etiquetas.join(u'|').toStdString();
}

}  // namespace
}  // namespace sendaro
