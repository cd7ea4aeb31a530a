// The degrees and higher vocational titles screen. It hosts the frame every
// browser shares (PaginaGrados) and the browsers, each with its widgets and
// its state: the degree catalogue and card (VisorFicha), the cut-off mark
// consultation (VisorConsulta), universities, double and other degrees
// (VisorUniversidades), new degrees (VisorNuevas), arts (VisorArtes), higher
// vocational titles and their centres (VisorFP) and the qualities
// questionnaire on a page of its own (VisorCuestionario). The screen routes
// what the shared controls do (the map, the list beside it, the back and
// print buttons) to the browser on view, and switches pages.
#pragma once

#include <QWidget>
#include <memory>

#include "sections/degrees/marco.h"
#include "ui/navegacion.h"

namespace sendaro {

struct Servicios;
class Impresora;
class PaginaGrados;
class VisorArtes;
class VisorConsulta;
class VisorCuestionario;
class VisorFicha;
class VisorFP;
class VisorNuevas;
class VisorUniversidades;

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm1(Servicios& servicios, QWidget* padre = nullptr);
  ~TForm1() override;

  // Start-up: the degree tables (a missing file shows its message and stops start-up).
  static void Preparar(Servicios& servicios);
  // The ways in from the hall and the assistant.
  void Entrar(entrada::Carreras accion);
  // Replaces the printer (tests).
  void FijarImpresora(std::unique_ptr<Impresora> impresora);
  bool FormCloseQuery();

  PaginaGrados& Pagina() const { return *pagina_; }
  VisorFicha& Ficha() const { return *ficha_; }
  VisorConsulta& Consulta() const { return *consulta_; }
  VisorUniversidades& Universidades() const { return *universidades_; }
  VisorNuevas& Nuevas() const { return *nuevas_; }
  VisorArtes& Artes() const { return *artes_; }
  VisorFP& FP() const { return *fp_; }
  VisorCuestionario& Cuestionario() const { return *cuestionario_; }

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  bool event(QEvent* evento) override;

 private:
  void Conectar();
  // The search's way in: the item the navigation carries (a degree's card, a
  // university's degrees, a higher vocational title's card).
  void AbrirElegido();
  void AbrirUniversidad(int u);
  // Entries from the hall.
  void BotInformacionClick();
  void botSendaroClick();
  void VolverDelCuestionario();
  // The shared controls, routed to the browser on view.
  void mapaMouseMove(int x, int y);
  void mapaClick();
  void ComunidadElegida();
  void ListComunidadClick();
  void ListSelAbrir();
  void BotImprimirClick();
  void BotRetrocederClick();
  void EjecutarRetroceso(PasoRetroceso paso);
  EstadoRetroceso EstadoActual() const;

  Servicios& servicios_;
  PaginaGrados* pagina_;
  VisorFicha* ficha_;
  VisorConsulta* consulta_;
  VisorUniversidades* universidades_;
  VisorNuevas* nuevas_;
  VisorArtes* artes_;
  VisorCuestionario* cuestionario_;
  VisorFP* fp_;
};

}  // namespace sendaro
