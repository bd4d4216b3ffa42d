#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QWindowStateChangeEvent>
#include <cerrno>
#include <utility>

#include "app/shell/services/error_text.h"
#include "app/shell/services/help_calls.h"
#include "app/viewer/card_picture.h"
#include "app/viewer/frm_element_viewer.h"
#include "app/viewer/up_down_control.h"
#include "card/card_message.h"
#include "card/element_number.h"
#include "data/data_error.h"
#include "platform/virtual_key.h"

namespace table {

namespace {

constexpr int kHelpContextBase = 1000;

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// What the card says in place of element n when its record cannot be read, from the error's
// code.
QString RecordReadProblem(int n, int code) {
  QString cause;
  switch (code) {
    case EBADF:
      cause = "файл данных элементов не открыт";
      break;
    case EINVAL:
      cause = "такого номера нет в файле данных элементов";
      break;
    case 0:
      cause = "файл данных элементов не читается";
      break;
    default:
      cause = RussianCause(code);
  }
  return QString("Не удалось прочитать данные элемента %1: %2.").arg(n).arg(cause);
}

}  // namespace

int frmTElementViewer::upDownValue() const {
  // Before its first showing the window has shown no element.
  return updEntryNumber ? updEntryNumber->value() : 0;
}

void frmTElementViewer::runLoadSteps() {
  const periodic::CardView defaults = m_host.ViewerDefaults();
  m_cardBlackAndWhite = defaults.blackAndWhite;
  m_menuItems["mnuView_BlackAndWhite"]->setChecked(m_cardBlackAndWhite);
  m_menuItems["mnuView_InvertColors"]->setEnabled(!m_cardBlackAndWhite);
  m_cardInvertColors = defaults.invertColors;
  m_menuItems["mnuView_InvertColors"]->setChecked(m_cardInvertColors);
  showNumberInBox();
  m_canvas.setFontName("arial cyr");
}

void frmTElementViewer::showFromTag() {
  bool numeric = false;
  const int value = m_tag.trimmed().toInt(&numeric);
  if (numeric) updEntryNumber->setValue(value);
}

void frmTElementViewer::onValueChanged(int value) {
  showNumberInBox();
  try {
    m_currentElement = m_host.ReadElementRecord(value);
    m_showsElement = true;
    setWindowTitle(FromUtf8(periodic::CardCaption(m_currentElement)));
  } catch (const periodic::DataError& error) {
    // A stale card would pass for the element asked for: the card says what went wrong.
    m_currentElement = periodic::ElementRecord();
    m_showsElement = false;
    setWindowTitle(QString("Элемент %1 - ошибка чтения").arg(value));
    periodic::ShowCardMessage(m_canvas, RecordReadProblem(value, error.code()).toStdString());
    picElement->update();
  }
  m_tag = QString::number(value);
  m_helpContext = value + kHelpContextBase;
  for (const char* item : {"mnuOptions_Print", "mnuOptions_PrintAsText"})
    m_menuItems[item]->setEnabled(m_showsElement);
  cbCallElementHelp->setEnabled(m_showsElement);
  if (m_showsElement) ShowElement();
  m_host.RebuildWindowList();
}

void frmTElementViewer::ShowElement() {
  if (!m_showsElement || !m_built) return;
  periodic::ShowElement(m_canvas, m_currentElement, m_host.ColorScheme(),
                        {m_cardInvertColors, m_cardBlackAndWhite});
  picElement->update();
}

void frmTElementViewer::showNumberInBox() {
  m_settingBoxText = true;
  txtEntryNumber->setText(QString::number(upDownValue()));
  m_settingBoxText = false;
}

void frmTElementViewer::onEntryTextChanged(const QString& text) {
  if (m_settingBoxText) return;
  const std::string typed = text.toStdString();
  const std::optional<int> wanted = periodic::RequestedElementNumber(typed, upDownValue());
  if (wanted) {
    updEntryNumber->setValue(*wanted);
    return;
  }
  // The current number typed again stays as typed, so that the next digit extends it rather
  // than replacing it: "1" then "2" on hydrogen gives magnesium.
  if (periodic::NamesCurrentElement(typed, upDownValue())) return;
  showNumberInBox();
  // Selected, the number is replaced by the next key typed.
  txtEntryNumber->selectAll();
}

void frmTElementViewer::previousElement() {
  updEntryNumber->setValue(periodic::PreviousElementNumber(upDownValue()));
}

void frmTElementViewer::nextElement() {
  updEntryNumber->setValue(periodic::NextElementNumber(upDownValue()));
}

void frmTElementViewer::toggleBlackAndWhite() {
  m_cardBlackAndWhite = !m_cardBlackAndWhite;
  m_menuItems["mnuView_BlackAndWhite"]->setChecked(m_cardBlackAndWhite);
  m_menuItems["mnuView_InvertColors"]->setEnabled(!m_cardBlackAndWhite);
  ShowElement();
}

void frmTElementViewer::toggleInvertColors() {
  m_cardInvertColors = !m_cardInvertColors;
  m_menuItems["mnuView_InvertColors"]->setChecked(m_cardInvertColors);
  ShowElement();
}

void frmTElementViewer::callElementHelp() {
  m_helpContext = m_currentElement.Number + kHelpContextBase;
  m_host.Help().ShowHelpTopic(FromUtf8(periodic::ElementHelpTopic(m_currentElement)));
}

void frmTElementViewer::helpOnViewer() {
  m_host.Help().ShowHelpTopic("html/HelpOnViewer.htm");
}

bool frmTElementViewer::handleKey(int key, Qt::KeyboardModifiers modifiers) {
  // Shift and the keypad do not matter; with Ctrl or Alt the key belongs to the menus.
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  switch (key) {
    case Qt::Key_P:
    case Qt::Key_Down:
      previousElement();
      return true;
    case Qt::Key_N:
    case Qt::Key_Up:
      nextElement();
      return true;
    case Qt::Key_Q:
    case Qt::Key_Escape:
      close();
      return true;
    case Qt::Key_F1:
      m_host.Help().ShowHelpContext(m_helpContext);
      return true;
    default:
      return false;
  }
}

bool frmTElementViewer::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (handleKey(periodic::VirtualKey(*key), key->modifiers())) return true;
  } else if (watched == txtEntryNumber && event->type() == QEvent::FocusIn) {
    // After the focus handling, or the click that brought the focus would undo the selection.
    QTimer::singleShot(0, txtEntryNumber, &QLineEdit::selectAll);
  }
  return QMainWindow::eventFilter(watched, event);
}

void frmTElementViewer::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // A window being shown takes the defaults its opener has just set before it draws. A window
  // shown again on the element it already had draws it anew, as the colours may have changed,
  // and still joins the main window's list.
  m_awayInOwnDialog = false;
  const int shown = upDownValue();
  runLoadSteps();
  showFromTag();
  if (upDownValue() == shown && !m_tag.isEmpty()) {
    ShowElement();
    m_host.RebuildWindowList();
  }
}

void frmTElementViewer::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (!m_built) return;
  if (event->type() == QEvent::ActivationChange) {
    if (isActiveWindow())
      onActivated();
    else
      onDeactivated();
  } else if (event->type() == QEvent::WindowStateChange && isVisible()) {
    showFromTag();
  }
}

void frmTElementViewer::onActivated() {
  // Back from its own dialog (a printout, a message) the card keeps the view the user chose.
  if (std::exchange(m_awayInOwnDialog, false)) return;
  const bool wasBlackAndWhite = m_cardBlackAndWhite;
  const bool wasInverted = m_cardInvertColors;
  const int shown = upDownValue();
  runLoadSteps();
  showFromTag();
  // The card follows the switches it has just been given, so that it matches their marks.
  if (upDownValue() == shown &&
      (wasBlackAndWhite != m_cardBlackAndWhite || wasInverted != m_cardInvertColors))
    ShowElement();
}

void frmTElementViewer::onDeactivated() {
  m_awayInOwnDialog = m_ownDialogs > 0 || ownsWindow(QApplication::activeWindow());
}

void frmTElementViewer::onActiveWindowChanged() {
  if (!m_awayInOwnDialog || m_ownDialogs > 0) return;
  const QWidget* active = QApplication::activeWindow();
  if (active == this || ownsWindow(active)) return;
  // From its closed dialog the user went on to another window or another program: coming back
  // from there is an activation by the user.
  m_awayInOwnDialog = false;
}

bool frmTElementViewer::ownsWindow(const QWidget* window) const {
  for (const QWidget* w = window ? window->parentWidget() : nullptr; w; w = w->parentWidget()) {
    if (w == this) return true;
  }
  return false;
}

void frmTElementViewer::closeEvent(QCloseEvent* event) {
  if (!m_tag.isEmpty()) {
    hide();
    if (!m_host.AppClosing()) m_host.RebuildWindowList();
  }
  m_closed = true;
  event->accept();
}

}  // namespace table
