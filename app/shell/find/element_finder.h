#pragma once

#include <QObject>
#include <vector>

#include "component/vexel_interface.h"
#include "data/element_data_file.h"

class QAction;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMainWindow;
class QToolBar;

namespace table {

// The find field of the main window, on a bar of its own that shows only while finding (so
// that it works with the toolbar hidden too). What the user types is looked up among the
// element records; the first match is marked on the table and scrolled into view. Enter and
// F3 step through several matches (Shift+F3 back), Enter on a single match asks for its card,
// and Esc closes the field and removes the mark.
class ElementFinder : public QObject {
  Q_OBJECT

 public:
  // Adds a find button to the end of the toolbar; the find bar beside it is built when it is
  // first opened, so that a start does not build a bar it may never show.
  ElementFinder(QMainWindow& window, QToolBar& toolbar, vexel::VexelControl& control,
                periodic::ElementDataFile& dataFile);

  // Shows the field with its text selected and gives it the keyboard.
  void open();
  void close();
  bool isOpen() const;

  // Whether a key pressed on `target` is the field's own typing, which the window's key
  // bindings must leave alone (the P key types a letter there).
  bool ownsKey(const QObject* target, const QKeyEvent& key) const;

  const std::vector<int>& matches() const { return m_matches; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildBar();
  // Beside the toolbar when the window has room for both, else on a line of its own.
  void placeBar();
  void search(const QString& text);
  void step(int direction);
  void showMatch(std::size_t index);
  void onEnter();

  QMainWindow& m_window;
  QToolBar& m_toolbar;
  vexel::VexelControl& m_control;
  periodic::ElementDataFile& m_dataFile;
  std::vector<periodic::ElementRecord> m_records;
  std::vector<int> m_matches;
  std::size_t m_current = 0;
  QToolBar* tlbFind = nullptr;
  QLineEdit* txtFind = nullptr;
  QLabel* lblFindHint = nullptr;
};

}  // namespace table
