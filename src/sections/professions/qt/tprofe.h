// The professions questionnaire: long phrases answered one at a time, pages
// of short phrases derived from them, a final pick, and the results with the
// best activities, the professions of the picked phrase and their studies.
#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "sections/professions/cuestionario_profesiones.h"
#include "ui/navegacion.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;
class QTimer;
class QToolButton;

namespace sendaro {

struct Servicios;
class Impresora;
class Mosaico;
class PanelExplicacion;

class Tprofe : public QWidget {
  Q_OBJECT

 public:
  Tprofe(Servicios& servicios, QWidget* padre = nullptr);
  ~Tprofe() override;

  // Reads the screen's data files at start-up.
  static void Preparar(Servicios& servicios);
  // The hall's professions door and the assistant: a new run.
  void Entrar(entrada::Profesiones accion);
  void FijarImpresora(std::unique_ptr<Impresora> impresora);

  // Starts a run: the long phrases, the introduction in the phrase panel.
  void BotCuestioClick();
  void botSiClick();
  void BotNoClick();
  void BotFraSigClick();
  void BotFraRetClick();
  void ListSelClick();
  void BotImpClick();
  void BotAcabarClick();

  Mosaico* degradeMapa2;
  Mosaico* TilIzq;
  Mosaico* TilDer;
  QFrame* PanelFrase;
  QLabel* LabelFrase0;
  QLabel* LabelFrase;
  QPushButton* BotSi;
  QPushButton* BotNo;
  QListWidget* ListCues;
  QLabel* PanelSelTit0;
  QLabel* LabelTit0;
  QListWidget* ListSel;
  QToolButton* BotFraRet;
  QToolButton* BotFraSig;
  QFrame* PanelResul;
  QLabel* LabelTitulo;
  QLabel* LabelTit1;
  QLabel* Labeltit2;
  QLabel* LabelTit3;
  QLabel* LabelActi;
  QLabel* LabelTitExpli;
  QListWidget* ListResulProf;
  QTextEdit* ListTit;
  QListWidget* ListResulAct;
  QListWidget* ListResProf;
  // Why the opened result row is there.
  PanelExplicacion* PanelPorQue;
  QPushButton* BotImp;
  QPushButton* BotAcabar;
  QTimer* TimerFrase;
  QTimer* TimerAyu;
  QTimer* TimerAyu0;

  // Run state, readable by tests.
  int IndiceFrase() const { return indiceFrase_; }
  int PaginaProfe() const { return paginaProfe_; }
  int NumPaginas() const { return paginas_.numPaginas; }
  bool ModoFinal() const { return modoFinal_; }
  const std::vector<int>& ListaFinal() const { return listaFinal_; }
  const profesiones::Resultado& Resultado() const { return resultado_; }

 protected:
  void closeEvent(QCloseEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void CrearControles();
  void PonerTextos();
  void PasoFrase(bool si);
  void Plegar();
  void TimerFraseTimer();
  void TimerAyuTimer();
  void TimerAyu0Timer();
  int Elegidas() const;
  std::vector<int> FilasElegidas(const QListWidget* lista) const;
  void DerivarPaginas();
  void LlenarPagina(int pagina);
  void SiguientePagina();
  void CalcularResultados();
  void LlenarLista(QListWidget* lista, const std::vector<std::string>& filas, int altoFila);
  void MostrarEstudios(int fila);
  void MostrarProfesionesActividad(int fila);
  void PasarPorLista(QListWidget* lista, int y);
  void SoltarEnLista(QListWidget* lista, int y);
  // The current row of a result list shows its details and why it is there.
  void AbrirFila(QListWidget* lista, int fila);
  void MostrarPorQue(QListWidget* lista, int fila);
  void OcultarTodo();
  const DatosProfesiones& Datos() const;
  profesiones::TablasEstudios Estudios() const;
  QString T(int n) const;

  Servicios& servicios_;
  std::unique_ptr<Impresora> impresora_;
  int alturaFrase_ = 0;
  int arribaFrase_ = 0;
  int indiceFrase_ = -2;
  int paginaProfe_ = 0;
  profesiones::Paginas paginas_;
  std::vector<std::vector<int>> eleccionPaginas_;
  std::vector<int> listaFinal_;
  bool modoFinal_ = false;
  profesiones::Resultado resultado_;
  std::vector<ResultadoExplicado> porQueActividades_;  // rows 1 and 2 of ListResulAct
  std::vector<ResultadoExplicado> porQueProfesiones_;  // rows 1.. of ListResulProf
  bool detallesActivos_ = false;
  bool seleccionFija_ = false;
  bool desdeListaEstudios_ = false;
  int filaProfesion_ = -1;
  int filaActividad_ = -1;
  int ticAyu_ = 0;
};

}  // namespace sendaro
