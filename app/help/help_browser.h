#pragma once

#include <QTextBrowser>
#include <utility>
#include <vector>

class QHelpEngineCore;

namespace table {

// The page view of the help window: shows pages and pictures from the help collection, opens
// addresses outside it in the system's browser.
class HelpBrowser : public QTextBrowser {
  Q_OBJECT

 public:
  HelpBrowser(QHelpEngineCore& engine, QWidget* parent);

  // Shows a page of the collection, or a note in its place when the collection lacks it.
  void showPage(const QUrl& url);

  // Marks stretches of the page's text (first character, length), as a search marks the words
  // it found, and scrolls to the first one. Showing another page takes the marks away.
  void markText(const std::vector<std::pair<int, int>>& stretches);

  QVariant loadResource(int type, const QUrl& name) override;

 protected:
  void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

 private:
  QHelpEngineCore& m_engine;
  QUrl m_page;  // the page being shown, which relative addresses start from
};

}  // namespace table
