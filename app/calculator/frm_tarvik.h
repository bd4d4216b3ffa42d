#pragma once

#include <QString>
#include <QWidget>

#include "app/calculator/program_data.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTextEdit;

namespace tarvik {

// The calculator's window: a formula field, the result of the last formula as text (molar mass
// and composition, or the message with a marker under the fault) and the history of the
// formulas computed since the window opened. Ctrl+C copies the result as plain text. Long lines
// of the result wrap; its table and error marker keep their columns.
class frmTarvik : public QWidget {
  Q_OBJECT

 public:
  explicit frmTarvik(ProgramData data, QWidget* parent = nullptr);

  // The text of the result area, as Ctrl+C copies it.
  QString resultText() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Names, captions and the layout of the controls.
  void arrange();
  void calculate();
  void recall(QListWidgetItem* item);
  void remember(const QString& formula);
  void showResult(const QString& text);
  // Copies a selection in the field or the result area if there is one, else the whole result.
  void copy(QObject* from);

  ProgramData m_data;
  QLabel* lblFormula;
  QLineEdit* txtFormula;
  QPushButton* cmdCalculate;
  QTextEdit* txtResult;
  QLabel* lblHistory;
  QListWidget* lstHistory;
};

}  // namespace tarvik
