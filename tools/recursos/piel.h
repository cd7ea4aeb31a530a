// The skin "mdd_spring.ssk": a Qt style sheet the program applies to the
// whole application. Soft spring colours; text stays dark on light.
#pragma once

inline constexpr const char* kPielPrimavera = R"(/* Sendaro: spring skin */
QPushButton {
  background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fbfff4, stop:1 #d8f2c0);
  border: 1px solid #8fbf74;
  border-radius: 6px;
  padding: 4px 12px;
  color: #23401a;
  min-height: 20px;
}
QPushButton:hover {
  background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e6f8d2);
  border-color: #6fa856;
}
QPushButton:pressed {
  background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #c4e8a6, stop:1 #e6f8d2);
  padding-top: 5px;
  padding-bottom: 3px;
}
QPushButton:default { border: 2px solid #5c9a44; }
QPushButton:focus { outline: none; border-color: #e98fb0; }
QPushButton:disabled { color: #9aa893; background-color: #eef3ea; border-color: #c9d6c1; }

QListWidget, QListView, QTreeView, QTableView {
  background-color: #fffdf6;
  alternate-background-color: #f6fbef;
  border: 1px solid #b7d6a3;
  border-radius: 4px;
  color: #1f2d1a;
  selection-background-color: #2e5e1a;
  selection-color: #ffffff;
}
QListWidget::item { padding: 1px 3px; }
/* A row in its own colours keeps the text where the other rows have it. */
QListWidget::item:hover { background-color: #b6c5a9; padding-left: 0px; }
QListWidget::item:selected { background-color: #2e5e1a; color: #ffffff; padding-left: 0px; }

QScrollBar:vertical {
  background: #f3f9ec;
  width: 16px;
  margin: 16px 0 16px 0;
  border: 1px solid #cfe4c0;
}
QScrollBar:horizontal {
  background: #f3f9ec;
  height: 16px;
  margin: 0 16px 0 16px;
  border: 1px solid #cfe4c0;
}
QScrollBar::handle:vertical, QScrollBar::handle:horizontal {
  background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #c6e9a8, stop:1 #a6d884);
  border: 1px solid #86b96a;
  border-radius: 5px;
  min-height: 24px;
  min-width: 24px;
}
QScrollBar::handle:hover { background: #9bd174; }
QScrollBar::add-line, QScrollBar::sub-line {
  background: #e4f3d6;
  border: 1px solid #b7d6a3;
  subcontrol-origin: margin;
}
QScrollBar::add-line:vertical { height: 15px; subcontrol-position: bottom; }
QScrollBar::sub-line:vertical { height: 15px; subcontrol-position: top; }
QScrollBar::add-line:horizontal { width: 15px; subcontrol-position: right; }
QScrollBar::sub-line:horizontal { width: 15px; subcontrol-position: left; }
QScrollBar::add-page, QScrollBar::sub-page { background: none; }

QProgressBar {
  border: 1px solid #9cc884;
  border-radius: 6px;
  background-color: #fbfff4;
  text-align: center;
  color: #23401a;
  height: 16px;
}
QProgressBar::chunk {
  border-radius: 5px;
  background-color: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #f7b6cf, stop:1 #a6d884);
}

QMessageBox { background-color: #fdf6e6; }
QMessageBox QLabel { color: #2b2418; font-size: 10pt; }
QMessageBox QPushButton { min-width: 72px; }

QToolTip {
  background-color: #fffbe0;
  color: #2b2418;
  border: 1px solid #a0a0a0;
}
)";
