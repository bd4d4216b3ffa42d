#pragma once

#include <QUrl>
#include <QWidget>
#include <memory>
#include <vector>

#include "help/search/help_search.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace table {

// The full-text search of the help window: a query line and the pages found, each with its
// title and a passage with the matched words in bold. The results follow the query as it is
// typed; Enter opens the first page. The search reads the index the build wrote beside the
// help; without it the pane says so.
class HelpSearchPane : public QWidget {
  Q_OBJECT

 public:
  HelpSearchPane(const QString& indexFile, QWidget* parent);
  ~HelpSearchPane() override;

  void focusQuery();
  // Runs a search as if typed.
  void search(const QString& text);

  // The words of a page's text that the query on show matches: first character and length.
  std::vector<periodic::MatchedWord> matchedWords(const QString& text) const;

 signals:
  void pageChosen(const QUrl& url);
  // Every search ends here, with the number of pages found.
  void searchFinished(int hits);

 private:
  void runQuery(const QString& text);

  std::unique_ptr<periodic::HelpSearch> m_search;
  QString m_problem;
  QString m_query;
  QLineEdit* txtSearch;
  QLabel* lblSearchStatus;
  QListWidget* lstSearchResults;
};

}  // namespace table
