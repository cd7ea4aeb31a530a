// The study assistant: the student says ESO or Bachillerato, three running
// messages point at blinking arrows, and an arrow sends the helicopter to the
// column of buttons that open the sections. It is a page over the hall: it
// hides while a section it opened is showing, and that section comes back
// here when it is left.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "sections/assistant/asistente.h"
#include "ui/navegacion.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class QToolButton;

namespace sendaro {

struct Servicios;
class Mosaico;

class TForm5 : public QWidget {
  Q_OBJECT

 public:
  TForm5(Servicios& servicios, QWidget* padre = nullptr);
  ~TForm5() override;

  void Entrar(entrada::Asistente accion);

  void L41Click();  // ESO (also Panel2, BotEso)
  void Lb1Click();  // Bachillerato (also Panel3, BotBachi)
  void FlechaClick(QToolButton* flecha);
  void BotRetroAsisClick();
  void BotDiversiClick();
  void BotFP2Click();

  Mosaico* Fondo;
  QPushButton* BotRetroAsis;
  QPushButton* BotEso;
  QPushButton* BotBachi;

  QFrame* PInicio;
  QLabel* TiledBitmap8;
  QPushButton* Panel2;
  QPushButton* Panel3;
  QFrame* Panel9;
  QLabel* Textoinicio;

  QFrame* PanelEso;
  QLabel* L41;
  QFrame* p4;
  Mosaico* TiledBitmap2;
  QLabel* LabelCentro;
  QLabel* LabelT1;
  QLabel* LabelT2;
  QLabel* LabelT3;
  QFrame* Panel1;
  QLabel* texto4;
  QToolButton* Image2;
  QToolButton* Image3;
  QToolButton* Image4;
  QLabel* he;
  QPushButton* BGarantia;
  QPushButton* BDejar;
  QPushButton* BotDiversi;
  QPushButton* Biti;
  QPushButton* BtGM;
  QPushButton* CatTit;
  QPushButton* BcBachi;
  QPushButton* BotProfe;
  QFrame* PanelDiversifi;
  QListWidget* ListBox1;
  QPushButton* BotCerrar;

  QFrame* PanelBachi;
  QLabel* Lb1;
  QFrame* Pb;
  Mosaico* TiledBitmap1;
  QLabel* LabelCentroB;
  QLabel* LabelT5;
  QLabel* LabelT6;
  QLabel* LabelT7;
  QFrame* Panel5;
  QLabel* TextoBa;
  QToolButton* Image6;
  QToolButton* Image7;
  QToolButton* Image8;
  QLabel* HeB;
  QPushButton* BotFP;
  QPushButton* BotFP2;
  QPushButton* BiCar;
  QPushButton* BFpTitGsAsis;
  QPushButton* BitiB;
  QPushButton* CatTitB;
  QPushButton* BConsejoAsis;
  QPushButton* BotProfeB;
  QFrame* PanelFP2;
  QListWidget* ListFP2;
  QPushButton* BotCerrar2;

  QTimer* TimerMueTexBotBACHI;
  QTimer* TimerComienzo;
  QTimer* TimerMueTexFleESO;
  QTimer* TimerMueTexFleBACHI;
  QTimer* TimerVuela;
  QTimer* TimerVuela2;

  int PasoTexto() const { return texto_.paso; }
  int OpcionAsistente() const { return opcion_; }
  bool InicioPendiente() const { return inicioPendiente_; }

 protected:
  void showEvent(QShowEvent* evento) override;
  void hideEvent(QHideEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  // One side of the assistant: the ESO or the Bachillerato panel.
  struct Lado {
    QFrame* panel = nullptr;
    QFrame* interior = nullptr;             // p4 / Pb
    QFrame* pequeno = nullptr;              // Panel1 / Panel5
    QLabel* corriente = nullptr;            // texto4 / TextoBa
    std::array<QLabel*, 3> etiquetas{};     // step 1 (bottom), 2 (middle), 3 (top)
    std::array<QToolButton*, 3> flechas{};  // the arrow of each step
    QLabel* helicoptero = nullptr;
    QTimer* secuencia = nullptr;
    QTimer* vuelo = nullptr;
    int primerMensaje = 0;  // message of step s: primerMensaje + s - 1
  };

  void CrearControles();
  void CrearLado(Lado& lado, bool eso);
  QPushButton* BotonSeccion(QWidget* padre, const char* nombre, const QRect& donde);
  void PonerTextos();
  void PararTodo();
  void Elegir(bool eso);
  void TicComienzo();
  void TicSecuencia(Lado& lado);
  void TicVuelo(Lado& lado);
  void TicInicio();
  void MostrarBotones(int opcion);
  void Abrir(const std::function<void()>& abrir);
  QString T(int n) const;

  Servicios& servicios_;
  Lado eso_, bachi_;
  Lado* lado_ = nullptr;  // the panel chosen last
  std::map<int, std::string> mensajes_;
  asistente::TextoCorriente texto_;
  asistente::Vuelo vuelo_;
  int opcion_ = 0;
  bool inicioPendiente_ = true;
  int izquierdaPanel1_ = 0;                           // designed left of the small panels
  std::map<int, std::vector<QPushButton*>> botones_;  // by arrow option
};

}  // namespace sendaro
