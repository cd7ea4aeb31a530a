// The qualities and interests questionnaire on a page of its own: the two
// answer lists, the rankings, a group's studies, the printout and the saved
// report.
#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

#include "sections/degrees/cuestionario_cualidades.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace sendaro {

class Mosaico;
class PaginaGrados;
class PanelExplicacion;

class VisorCuestionario : public QObject {
  Q_OBJECT

 public:
  explicit VisorCuestionario(PaginaGrados& pagina);

  QWidget* Panelcon;  // the page
  Mosaico* degradecon;
  Mosaico* TilIzqC;
  Mosaico* TilDerC;
  Mosaico* TilArrC;
  QFrame* PanelMenuCon;
  QPushButton* Menucua;
  QPushButton* MenuGus;
  QPushButton* MenuMedia;
  QPushButton* MenuRetroCon;
  QFrame* PanelListCon;
  QListWidget* ListCua;
  QListWidget* Listint;
  QLabel* PanelResCon;
  QListWidget* ListResul;
  QListWidget* ListCarreras;
  QPushButton* VerResul;
  QPushButton* revisa;
  QPushButton* acabarCua;
  QPushButton* ImpResul;
  QPushButton* grabar;
  QLabel* LabelAviso;
  // Why the opened result row scores what it does.
  PanelExplicacion* PanelPorQue;

  bool CualidadesRellenas = false;  // the two list-filled latches
  bool InteresesRellenos = false;
  bool EnCualidades = true;  // which list the questionnaire is on
  QString NombreAlumno;
  std::vector<int> OrdenGrupos;
  ResultadoCuestionario Resultados;
  // The explanations of the ranking on view, row by row.
  std::vector<ResultadoExplicado> Explicaciones;

  // The page is on view: a new student or the last one's answers.
  void Empezar();
  void MenuCuaClick();
  void MenuGusClick();
  void ListCuaClick(int fila);
  void verresulClick();
  void revisaClick();
  void MenuMediaClick();
  void ListResulMouseMove(int y);
  void ListResulClick(int fila);
  void acabarCuaClick();
  void IMpResulClick();
  void grabarClick();
  void MenuRetroConClick();

 signals:
  // Back to the hall: the host leaves the page.
  void Volver();

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void Crear();
  void Preparar();
  void PreguntarEmpezar();
  void AbrirListaCuestionario(bool cualidades);
  Clasificacion PuntuarLista(bool cualidades);
  void MostrarClasificacion(const Clasificacion& c, const QString& cabecera);
  std::optional<InformeCuestionario> InformeCuestionarioPedido();
  RespuestasLista Respuestas(bool cualidades,
                             const std::vector<std::vector<int>>& miembros) const;
  FuentesCuestionario FuentesCues() const;

  PaginaGrados& p_;
};

}  // namespace sendaro
