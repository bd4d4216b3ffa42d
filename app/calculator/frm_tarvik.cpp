#include "app/calculator/frm_tarvik.h"

#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <variant>

#include "chem/formula_parser.h"
#include "chem/molar_mass.h"
#include "chem/result_text.h"
#include "platform/editing_keys.h"
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

// The marker line of an error: blanks up to the fault, then "^".
bool IsMarkerLine(const QString& line) {
  return line.trimmed() == "^";
}

// Prose wraps, but lines whose characters stand in columns do not: the composition table (its
// columns are two blanks apart), the formula of an error and the marker under its fault.
void KeepColumnsWhole(QTextDocument* document) {
  QTextBlockFormat whole;
  whole.setNonBreakableLines(true);
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    const QString line = block.text();
    const bool beforeMarker = block.next().isValid() && IsMarkerLine(block.next().text());
    if (line.contains("  ") || IsMarkerLine(line) || beforeMarker)
      QTextCursor(block).mergeBlockFormat(whole);
  }
}

}  // namespace

frmTarvik::frmTarvik(ProgramData data, QWidget* parent)
    : QWidget(parent),
      m_data(std::move(data)),
      lblFormula(new QLabel("&Формула:", this)),
      txtFormula(new QLineEdit(this)),
      cmdCalculate(new QPushButton("&Вычислить", this)),
      txtResult(new QTextEdit(this)),
      lblHistory(new QLabel("&История:", this)),
      lstHistory(new QListWidget(this)) {
  arrange();
  connect(txtFormula, &QLineEdit::returnPressed, this, &frmTarvik::calculate);
  // A paste the field had to cut is refused at once, not left to pass for the formula.
  connect(txtFormula, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (static_cast<std::size_t>(text.size()) > chem::kMaxFormulaLength) calculate();
  });
  connect(cmdCalculate, &QPushButton::clicked, this, &frmTarvik::calculate);
  connect(lstHistory, &QListWidget::itemClicked, this, &frmTarvik::recall);
  for (QWidget* child : {static_cast<QWidget*>(txtFormula), static_cast<QWidget*>(txtResult),
                         static_cast<QWidget*>(lstHistory), static_cast<QWidget*>(cmdCalculate)})
    child->installEventFilter(this);
  installEventFilter(this);
  // The formula field pastes, cuts and selects with the Russian layout active too.
  qApp->installEventFilter(new periodic::EditingKeysForAnyLayout(this));

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
  // One character more than a formula may have, so that a longer paste is seen and refused
  // rather than cut to a length that would be computed.
  txtFormula->setMaxLength(static_cast<int>(chem::kMaxFormulaLength) + 1);
  txtResult->setReadOnly(true);
  txtResult->setAcceptRichText(false);
  txtResult->setFont(FixedFont());
  txtResult->setLineWrapMode(QTextEdit::WidgetWidth);

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
    lstHistory->setCurrentRow(-1);
    lstHistory->clearSelection();
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

// The newest formula stands at the top; one computed again moves up instead of appearing twice,
// and the entry highlighted is the formula shown, also when a click moved it.
void frmTarvik::remember(const QString& formula) {
  const QList<QListWidgetItem*> same = lstHistory->findItems(formula, Qt::MatchExactly);
  for (QListWidgetItem* item : same) delete lstHistory->takeItem(lstHistory->row(item));
  lstHistory->insertItem(0, formula);
  lstHistory->setCurrentRow(0);
}

void frmTarvik::showResult(const QString& text) {
  txtResult->setPlainText(text);
  KeepColumnsWhole(txtResult->document());
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
