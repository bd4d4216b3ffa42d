#include "app/help/help_browser.h"

#include <QDesktopServices>
#include <QHelpEngineCore>
#include <QScrollBar>
#include <QTextCursor>

#include "app/help/help_topics.h"

namespace table {

HelpBrowser::HelpBrowser(QHelpEngineCore& engine, QWidget* parent)
    : QTextBrowser(parent), m_engine(engine) {
  setObjectName("txtHelpPage");
  setOpenLinks(false);
  connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
    const QUrl url = source().resolved(link);
    if (url.scheme() == "qthelp")
      showPage(url);
    else
      QDesktopServices::openUrl(url);
  });
}

void HelpBrowser::showPage(const QUrl& url) {
  if (url.fragment().isEmpty() ||
      url.adjusted(QUrl::RemoveFragment) != source().adjusted(QUrl::RemoveFragment)) {
    setSource(url, QTextDocument::HtmlResource);
  }
  if (!url.fragment().isEmpty()) scrollToAnchor(url.fragment());
}

void HelpBrowser::markText(const std::vector<std::pair<int, int>>& stretches) {
  QList<QTextEdit::ExtraSelection> marks;
  const int end = document()->characterCount() - 1;
  for (const auto& [start, length] : stretches) {
    if (start < 0 || length <= 0 || start + length > end) continue;
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(document());
    mark.cursor.setPosition(start);
    mark.cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    mark.format.setBackground(QColor(255, 230, 80));
    mark.format.setForeground(Qt::black);
    marks.append(mark);
  }
  setExtraSelections(marks);
  if (marks.isEmpty()) return;
  QTextCursor first = marks.first().cursor;
  first.clearSelection();
  setTextCursor(first);
  // The first mark a third of the way down, with the text that leads to it above.
  QScrollBar* bar = verticalScrollBar();
  bar->setValue(bar->value() + cursorRect(first).top() - viewport()->height() / 3);
}

void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
  setExtraSelections({});
  m_page = name;
  QTextBrowser::doSetSource(name, type);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  // Pictures and the style sheet come with addresses relative to the page.
  const QUrl url = name.isRelative() ? m_page.resolved(name) : name;
  if (url.scheme() != "qthelp") return QTextBrowser::loadResource(type, url);
  const QByteArray data = m_engine.fileData(url);
  if (!data.isEmpty() || type != QTextDocument::HtmlResource) return data;
  const QString missing =
      QString(
          "<html><body><h1>Страница не найдена</h1><p>В справке нет страницы «%1».</p>"
          "<p><a href=\"%2\">Содержание справки</a></p></body></html>")
          .arg(TopicPath(url).toHtmlEscaped(), TopicUrl(kHomeTopic).toString());
  return missing.toUtf8();
}

}  // namespace table
