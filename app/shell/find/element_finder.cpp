#include "app/shell/find/element_finder.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPalette>
#include <QStyle>
#include <QToolBar>
#include <algorithm>

#include "app/shell/icons/desktop_icon.h"
#include "data/data_error.h"
#include "search/element_search.h"
#include "table/color_map.h"

namespace table {
namespace {

double Contrast(const QColor& a, const QColor& b) {
  const auto color = [](const QColor& c) {
    const QColor rgb = c.toRgb();
    return periodic::RgbColor(rgb.red(), rgb.green(), rgb.blue());
  };
  return periodic::ContrastRatio(color(a), color(b));
}

// The colour halfway from the text to its background, moved back towards the text until it
// reads at 4.5:1 (the text colour itself when nothing lighter does).
QColor ReadableMutedColor(const QColor& text, const QColor& background) {
  constexpr double kReadable = 4.5;
  const QColor t = text.toRgb();
  const QColor b = background.toRgb();
  for (int share = 50; share > 0; share -= 5) {
    const auto mix = [share](double from, double to) { return from + (to - from) * share / 100.0; };
    // Checked as it is drawn, eight bits a channel.
    const QColor muted(QColor::fromRgbF(static_cast<float>(mix(t.redF(), b.redF())),
                                        static_cast<float>(mix(t.greenF(), b.greenF())),
                                        static_cast<float>(mix(t.blueF(), b.blueF())))
                           .rgb());
    if (Contrast(muted, background) >= kReadable) return muted;
  }
  return t;
}

// Room for the placeholder whole, beside the clear button, and never less than 28 characters.
int FieldWidthFor(const QLineEdit& field) {
  const QFontMetrics metrics = field.fontMetrics();
  const int frame = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &field);
  const int clearButton = field.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &field);
  constexpr int kTextMargins = 4;
  constexpr int kClearButtonMargins = 12;
  const int placeholder = metrics.horizontalAdvance(field.placeholderText()) + 2 * frame +
                          kTextMargins + clearButton + kClearButtonMargins;
  return std::max(metrics.averageCharWidth() * 28, placeholder);
}

}  // namespace

ElementFinder::ElementFinder(QMainWindow& window, QToolBar& toolbar, vexel::VexelControl& control,
                             periodic::ElementDataFile& dataFile)
    : QObject(&window),
      m_window(window),
      m_toolbar(toolbar),
      m_control(control),
      m_dataFile(dataFile) {
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
  txtFind->setFixedWidth(FieldWidthFor(*txtFind));
  txtFind->installEventFilter(this);
  connect(txtFind, &QLineEdit::textChanged, this, &ElementFinder::search);
  tlbFind->addWidget(txtFind);
  lblFindHint = new QLabel;
  lblFindHint->setObjectName("lblFindHint");
  lblFindHint->setContentsMargins(6, 0, 6, 0);
  // Quiet, yet readable: the hint and the placeholder in a muted colour that keeps 4.5:1.
  QPalette hintPalette = lblFindHint->palette();
  hintPalette.setColor(QPalette::WindowText,
                       ReadableMutedColor(hintPalette.color(QPalette::WindowText),
                                          tlbFind->palette().color(QPalette::Window)));
  lblFindHint->setPalette(hintPalette);
  QPalette fieldPalette = txtFind->palette();
  fieldPalette.setColor(
      QPalette::PlaceholderText,
      ReadableMutedColor(fieldPalette.color(QPalette::Text), fieldPalette.color(QPalette::Base)));
  txtFind->setPalette(fieldPalette);
  tlbFind->addWidget(lblFindHint);
  // The field and its longest hint keep their room on the line; when the window is made narrower
  // while finding, the main toolbar gives way (its last buttons move behind its extension arrow).
  int hintWidth = 0;
  for (const char* longest : {"Не найдено", "110 из 110"}) {
    lblFindHint->setText(QString::fromUtf8(longest));
    hintWidth = std::max(hintWidth, lblFindHint->sizeHint().width());
  }
  lblFindHint->clear();
  lblFindHint->setMinimumWidth(hintWidth);
  tlbFind->setMinimumWidth(tlbFind->sizeHint().width());
  // On the toolbar's line, so that it shifts nothing when there is room beside the toolbar, and
  // on a line of its own when there is not (see placeBar).
  m_window.addToolBar(Qt::TopToolBarArea, tlbFind);
}

void ElementFinder::placeBar() {
  // The toolbar's own buttons, the bar, and a little room for the handles and the spacing.
  constexpr int kLineSpacing = 16;
  const int toolbar = m_toolbar.isVisible() ? m_toolbar.sizeHint().width() : 0;
  const bool room = toolbar + tlbFind->sizeHint().width() + kLineSpacing <= m_window.width();
  if (room && m_window.toolBarBreak(tlbFind)) m_window.removeToolBarBreak(tlbFind);
  if (!room && !m_window.toolBarBreak(tlbFind)) m_window.insertToolBarBreak(tlbFind);
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
  placeBar();
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
