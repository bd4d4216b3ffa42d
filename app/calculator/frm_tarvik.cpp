#include "app/calculator/frm_tarvik.h"

#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocumentFragment>
#include <variant>

#include "chem/molar_mass.h"
#include "chem/result_text.h"
#include "platform/virtual_key.h"

namespace tarvik {
namespace {

// The result is a text table and the error marker stands under its character: both need a
// font of fixed width.
QFont FixedFont() {
  QFont font("Liberation Mono", 10);
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

}  // namespace

frmTarvik::frmTarvik(ProgramData data, QWidget* parent)
    : QWidget(parent),
      m_data(std::move(data)),
      lblFormula(new QLabel("&Формула:", this)),
      txtFormula(new QLineEdit(this)),
      cmdCalculate(new QPushButton("&Вычислить", this)),
      txtResult(new QPlainTextEdit(this)),
      lblHistory(new QLabel("&История:", this)),
      lstHistory(new QListWidget(this)) {
  arrange();
  connect(txtFormula, &QLineEdit::returnPressed, this, &frmTarvik::calculate);
  connect(cmdCalculate, &QPushButton::clicked, this, &frmTarvik::calculate);
  connect(lstHistory, &QListWidget::itemClicked, this, &frmTarvik::recall);
  for (QWidget* child : {static_cast<QWidget*>(txtFormula), static_cast<QWidget*>(txtResult),
                         static_cast<QWidget*>(lstHistory), static_cast<QWidget*>(cmdCalculate)})
    child->installEventFilter(this);
  installEventFilter(this);

  if (!m_data.masses) {
    txtFormula->setEnabled(false);
    cmdCalculate->setEnabled(false);
    showResult(QString::fromStdString(m_data.error));
  }
}

void frmTarvik::arrange() {
  setObjectName("frmTarvik");
  setWindowTitle("Химический калькулятор");
  lblFormula->setObjectName("lblFormula");
  txtFormula->setObjectName("txtFormula");
  cmdCalculate->setObjectName("cmdCalculate");
  txtResult->setObjectName("txtResult");
  lblHistory->setObjectName("lblHistory");
  lstHistory->setObjectName("lstHistory");

  lblFormula->setBuddy(txtFormula);
  lblHistory->setBuddy(lstHistory);
  txtFormula->setPlaceholderText("например, CuSO4·5H2O или K4[Fe(CN)6]");
  txtResult->setReadOnly(true);
  txtResult->setFont(FixedFont());
  txtResult->setLineWrapMode(QPlainTextEdit::NoWrap);

  auto* layout = new QGridLayout(this);
  layout->addWidget(lblFormula, 0, 0);
  layout->addWidget(txtFormula, 0, 1);
  layout->addWidget(cmdCalculate, 0, 2);
  layout->addWidget(txtResult, 1, 0, 2, 2);
  layout->addWidget(lblHistory, 1, 2);
  layout->addWidget(lstHistory, 2, 2);
  layout->setColumnStretch(1, 1);
  layout->setRowStretch(2, 1);
  resize(760, 420);
}

QString frmTarvik::resultText() const {
  return txtResult->toPlainText();
}

void frmTarvik::calculate() {
  if (!m_data.masses) return;
  const QString formula = txtFormula->text();
  const std::string text = formula.toStdString();
  const auto result = chem::CalculateFormula(text, *m_data.masses);
  if (const auto* error = std::get_if<chem::FormulaError>(&result)) {
    showResult(QString::fromStdString(chem::FormatFormulaError(text, *error)));
    txtFormula->setCursorPosition(static_cast<int>(error->position));
    return;
  }
  showResult(
      QString::fromStdString(chem::FormatMolarMass(text, std::get<chem::MolarMass>(result))));
  remember(formula.trimmed());
}

void frmTarvik::recall(QListWidgetItem* item) {
  if (item == nullptr) return;
  txtFormula->setText(item->text());
  calculate();
}

// The newest formula stands at the top; one computed again moves up instead of appearing twice.
void frmTarvik::remember(const QString& formula) {
  const QList<QListWidgetItem*> same = lstHistory->findItems(formula, Qt::MatchExactly);
  for (QListWidgetItem* item : same) delete lstHistory->takeItem(lstHistory->row(item));
  lstHistory->insertItem(0, formula);
}

void frmTarvik::showResult(const QString& text) {
  txtResult->setPlainText(text);
}

void frmTarvik::copy(QObject* from) {
  QString text;
  if (from == txtFormula && txtFormula->hasSelectedText())
    text = txtFormula->selectedText();
  else if (from == txtResult && txtResult->textCursor().hasSelection())
    text = txtResult->textCursor().selection().toPlainText();
  else
    text = resultText();
  if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

// Ctrl+C is taken by the key itself, so it copies with the Russian layout active as well.
bool frmTarvik::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const Qt::KeyboardModifiers modifiers =
      key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
  if (modifiers == Qt::ControlModifier && periodic::VirtualKey(*key) == Qt::Key_C) {
    copy(watched);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tarvik
