// Messages of the data readers, shown as plain message boxes.
#pragma once

#include "data/entorno.h"
#include "ui/dialogos.h"
#include "ui/texto_qt.h"

namespace sendaro {

class AvisadorDialogos : public Avisador {
 public:
  explicit AvisadorDialogos(Dialogos& dialogos) : dialogos_(dialogos) {}
  void Aviso(const std::string& texto) override { dialogos_.Aviso(DeWin(texto)); }

 private:
  Dialogos& dialogos_;
};

}  // namespace sendaro
