#pragma once

#include <QUrl>
#include <QWidget>

class QHelpSearchEngine;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace table {

// The full-text search of the help window: a query line, a button and the pages found. The
// search index is built the first time the pane exists; a query asked for meanwhile runs when
// the index is ready.
class HelpSearchPane : public QWidget {
  Q_OBJECT

 public:
  HelpSearchPane(QHelpSearchEngine& engine, QWidget* parent);

  void focusQuery();
  // Runs a search as if typed and asked for.
  void search(const QString& text);
  bool indexing() const { return m_indexing; }

 signals:
  void pageChosen(const QUrl& url);
  // Every search ends here, with the number of pages found.
  void searchFinished(int hits);

 private:
  void runPendingQuery();
  void showResults(int hits);

  QHelpSearchEngine& m_engine;
  QLineEdit* txtSearch;
  QPushButton* cmdSearch;
  QLabel* lblSearchStatus;
  QListWidget* lstSearchResults;
  bool m_indexing = false;
  QString m_pending;
};

}  // namespace table
