#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QWindowStateChangeEvent>

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
    periodic::ShowCardMessage(m_canvas, "Не удалось прочитать данные элемента " +
                                            std::to_string(value) + ".\n" + error.what());
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
  const std::optional<int> wanted =
      periodic::RequestedElementNumber(text.toStdString(), upDownValue());
  if (wanted) {
    updEntryNumber->setValue(*wanted);
    return;
  }
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
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    const bool wasBlackAndWhite = m_cardBlackAndWhite;
    const bool wasInverted = m_cardInvertColors;
    const int shown = upDownValue();
    runLoadSteps();
    showFromTag();
    // The card follows the switches it has just been given, so that it matches their marks.
    if (upDownValue() == shown &&
        (wasBlackAndWhite != m_cardBlackAndWhite || wasInverted != m_cardInvertColors))
      ShowElement();
  } else if (event->type() == QEvent::WindowStateChange && isVisible()) {
    showFromTag();
  }
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
