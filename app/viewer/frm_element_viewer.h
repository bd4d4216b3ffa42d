#pragma once

#include <QMainWindow>
#include <QString>
#include <map>
#include <memory>

#include "app/viewer/viewer_host.h"
#include "card/text_canvas.h"
#include "data/element_record.h"
#include "platform/qt_text_metrics.h"
#include "table/drawing.h"

class QAction;
class QLineEdit;
class QMenu;
class QPrinter;
class QPushButton;

namespace table {

class CardPicture;
class UpDownControl;

// The element card window: one element as a coloured card, with the number box and its
// up-down control, the element's help and the menus to step, print, recolour and close. The
// window is one of the program's pool; it shows the element whose number its tag holds each
// time it is shown, restored or activated.
class frmTElementViewer : public QMainWindow {
  Q_OBJECT

 public:
  // The window is made empty: its controls and menus are made when it is first shown (or
  // asked for them), so that a pool of hidden windows costs next to nothing.
  explicit frmTElementViewer(ViewerHost& host);
  ~frmTElementViewer() override;

  // Makes the controls and menus and runs the load steps, once.
  void ensureBuilt();
  void setVisible(bool visible) override;

  // The element number on display as text; empty for a window never shown.
  const QString& tag() const { return m_tag; }
  void setTag(const QString& tag) { m_tag = tag; }
  int helpContextNumber() const { return m_helpContext; }
  int upDownValue() const;
  // True once the window has been closed: it is about to be destroyed and is not reused.
  bool isClosed() const { return m_closed; }

  const periodic::ElementRecord& CurrentElement() const { return m_currentElement; }
  bool CardInvertColors() const { return m_cardInvertColors; }
  bool CardBlackAndWhite() const { return m_cardBlackAndWhite; }
  // The card as last drawn, and whether it shows an element (false: a read error's message).
  const periodic::Drawing& picture() const { return m_drawing; }
  bool showsElement() const { return m_showsElement; }
  QAction* menuItem(const QString& name);

  // Commands, as the menus, the keys and the controls run them.
  void previousElement();
  void nextElement();
  void toggleBlackAndWhite();
  void toggleInvertColors();
  void callElementHelp();
  void helpOnViewer();
  void printAsPicture();
  void printAsText();

  // Redraws the card from CurrentElement and the two view flags; reads nothing.
  void ShowElement();

  CardPicture* picElement = nullptr;
  QLineEdit* txtEntryNumber = nullptr;
  UpDownControl* updEntryNumber = nullptr;
  QPushButton* cbCallElementHelp = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void createControls();
  void createMenus();
  QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption,
                       void (frmTElementViewer::*command)());
  void watchKeys(QWidget* widget);
  bool handleKey(int key, Qt::KeyboardModifiers modifiers);
  void runLoadSteps();
  void showFromTag();
  void onValueChanged(int value);
  void onEntryTextChanged(const QString& text);
  void showNumberInBox();
  void reportPrintError(int number, const QString& description);
  QPrinter& printer();
  bool choosePrinter();
  void onActivated();
  void onDeactivated();
  void onActiveWindowChanged();
  bool ownsWindow(const QWidget* window) const;

  // Counts the card's own modal dialogs (printer setup, its messages, About) while they are
  // open: the card's activation passes to them and comes back without the user going elsewhere.
  class OwnDialog {
   public:
    explicit OwnDialog(frmTElementViewer& card) : m_card(card) { ++m_card.m_ownDialogs; }
    ~OwnDialog() { --m_card.m_ownDialogs; }
    OwnDialog(const OwnDialog&) = delete;
    OwnDialog& operator=(const OwnDialog&) = delete;

   private:
    frmTElementViewer& m_card;
  };

  ViewerHost& m_host;
  periodic::Drawing m_drawing;
  periodic::QtTextMetrics m_metrics;
  periodic::TextCanvas m_canvas{m_drawing, m_metrics};
  periodic::ElementRecord m_currentElement;
  bool m_cardInvertColors = false;
  bool m_cardBlackAndWhite = false;
  bool m_showsElement = false;
  bool m_built = false;
  bool m_closed = false;
  bool m_settingBoxText = false;
  int m_ownDialogs = 0;
  // The card lost the activation to one of its own dialogs and has not been elsewhere since:
  // its next activation is a return from that dialog, not one by the user.
  bool m_awayInOwnDialog = false;
  QString m_tag;
  int m_helpContext = 0;
  std::map<QString, QAction*> m_menuItems;
  std::unique_ptr<QPrinter> m_printer;
};

}  // namespace table
