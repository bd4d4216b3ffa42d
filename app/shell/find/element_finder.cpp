#include "app/shell/find/element_finder.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QToolBar>

#include "app/shell/icons/desktop_icon.h"
#include "data/data_error.h"
#include "search/element_search.h"

namespace table {

ElementFinder::ElementFinder(QMainWindow& window, QToolBar& toolbar, vexel::VexelControl& control,
                             periodic::ElementDataFile& dataFile)
    : QObject(&window), m_window(window), m_control(control), m_dataFile(dataFile) {
  toolbar.addSeparator();
  QAction* button =
      toolbar.addAction(DesktopOrOwnIcon("edit-find", ":/icons/Find.svg"), "Найти элемент");
  button->setObjectName("tlbToolbar_Find");
  button->setData(QStringLiteral("Find"));
  button->setToolTip("Найти элемент (Ctrl+F)");
  connect(button, &QAction::triggered, this, &ElementFinder::open);
}

void ElementFinder::buildBar() {
  tlbFind = new QToolBar("Поиск элемента");
  tlbFind->setObjectName("tlbFind");
  tlbFind->setMovable(false);
  tlbFind->setFloatable(false);
  txtFind = new QLineEdit;
  txtFind->setObjectName("txtFind");
  txtFind->setPlaceholderText("Символ, название или номер");
  txtFind->setAccessibleName("Найти элемент");
  txtFind->setClearButtonEnabled(true);
  txtFind->setFixedWidth(txtFind->fontMetrics().averageCharWidth() * 28);
  txtFind->installEventFilter(this);
  connect(txtFind, &QLineEdit::textChanged, this, &ElementFinder::search);
  tlbFind->addWidget(txtFind);
  lblFindHint = new QLabel;
  lblFindHint->setObjectName("lblFindHint");
  lblFindHint->setEnabled(false);  // a quiet, greyed hint
  lblFindHint->setContentsMargins(6, 0, 6, 0);
  tlbFind->addWidget(lblFindHint);
  // On the toolbar's line, so that it shifts nothing when there is room beside the toolbar.
  m_window.addToolBar(Qt::TopToolBarArea, tlbFind);
}

bool ElementFinder::isOpen() const {
  return tlbFind != nullptr && !tlbFind->isHidden();
}

void ElementFinder::open() {
  // The records are read again each time: the table may have been given another data file.
  m_records.clear();
  try {
    for (int n = 1; n <= periodic::kElementCount; ++n)
      m_records.push_back(m_dataFile.ReadElementRecord(n));
  } catch (const periodic::DataError&) {
    // Without records only numbers can be found.
    m_records.clear();
  }
  if (tlbFind == nullptr) buildBar();
  tlbFind->show();
  txtFind->setFocus(Qt::ShortcutFocusReason);
  txtFind->selectAll();
  search(txtFind->text());
}

void ElementFinder::close() {
  if (tlbFind != nullptr) tlbFind->hide();
  m_matches.clear();
  m_control.MarkElement(0);
  m_control.widget()->setFocus(Qt::OtherFocusReason);
}

bool ElementFinder::ownsKey(const QObject* target, const QKeyEvent& key) const {
  if (target != txtFind) return false;
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
  return !key.text().isEmpty() && key.text().at(0).isPrint();
}

void ElementFinder::search(const QString& text) {
  m_matches = periodic::FindElements(text.toStdString(), m_records);
  if (m_matches.empty()) {
    m_control.MarkElement(0);
    lblFindHint->setText(text.trimmed().isEmpty() ? QString() : "Не найдено");
    return;
  }
  showMatch(0);
}

void ElementFinder::showMatch(std::size_t index) {
  m_current = index;
  const int n = m_matches[index];
  m_control.MarkElement(n);
  m_control.ScrollToElement(n);
  lblFindHint->setText(
      m_matches.size() > 1 ? QString("%1 из %2").arg(index + 1).arg(m_matches.size()) : QString());
}

void ElementFinder::step(int direction) {
  if (m_matches.empty()) return;
  const std::size_t count = m_matches.size();
  showMatch((m_current + count + direction) % count);
}

void ElementFinder::onEnter() {
  if (m_matches.size() == 1)
    m_control.AskElementInfo(m_matches.front());
  else
    step(+1);
}

bool ElementFinder::eventFilter(QObject* watched, QEvent* event) {
  if (watched != txtFind || event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const bool shift = key->modifiers() & Qt::ShiftModifier;
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      onEnter();
      return true;
    case Qt::Key_F3:
      step(shift ? -1 : +1);
      return true;
    case Qt::Key_Escape:
      close();
      return true;
    default:
      return false;
  }
}

}  // namespace table
