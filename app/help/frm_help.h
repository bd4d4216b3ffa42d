#pragma once

#include <QMainWindow>
#include <QSize>
#include <memory>

class QHelpEngine;
class QLabel;
class QLineEdit;
class QScreen;
class QTabWidget;

namespace table {

// The help window's size on `screen`: its design size, made smaller where the screen's available
// area (less room for the window's frame) has less room, as at high scaling factors.
QSize FittedHelpSize(QSize design, const QScreen* screen);

class HelpBrowser;
class HelpSearchPane;

// The help window: contents, index and full-text search beside the page view, with back and
// forward. Without a usable help collection it shows why instead.
class frmHelp : public QMainWindow {
  Q_OBJECT

 public:
  // `engine` null: the window shows `problem`. The search pane reads `searchIndexFile`.
  frmHelp(std::unique_ptr<QHelpEngine> engine, const QString& problem,
          const QString& searchIndexFile = QString());
  ~frmHelp() override;

  bool hasHelp() const { return m_engine != nullptr; }
  QString problem() const { return m_problem; }

  void showContents();
  void showIndex();
  void showSearch();
  // Shows a page by its path inside the collection ("html/Fe.htm").
  void showTopic(const QString& path);
  // The path of the page on view, empty when none.
  QString currentTopic() const;

  QHelpEngine* engine() const { return m_engine.get(); }
  HelpSearchPane* searchPane() const { return m_searchPane; }

 private:
  void createPanes();
  void createToolbar();
  void showUrl(const QUrl& url);
  void showFirstPage();
  void showFound(const QUrl& url);

  std::unique_ptr<QHelpEngine> m_engine;
  QString m_problem;
  QString m_searchIndexFile;
  QTabWidget* tbsNavigation = nullptr;
  QLineEdit* txtIndexFilter = nullptr;
  HelpSearchPane* m_searchPane = nullptr;
  HelpBrowser* m_browser = nullptr;
};

}  // namespace table
