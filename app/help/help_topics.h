#pragma once

#include <QString>
#include <QUrl>

namespace table {

// The help commands the menus send by name.
enum class HelpCommand { None, Contents, Index, Search };

// "TOC" or "TABLE OF CONTENTS", "INDEX", "SEARCH", compared without regard to case; anything
// else, a trailing blank included, is no command.
HelpCommand ParseHelpCommand(const QString& command);

// A page path as the program's callers write it ("html\Fe.htm", "Table.chm::/html/Fe.htm",
// "/html/Fe.htm") as the collection knows it: "html/Fe.htm".
QString NormalizeTopic(const QString& page);

// The page a help context number stands for: an element's number + 1000 is its page, 1 (the
// main window's) the page on using the program; other numbers stand for no page (empty).
QString ContextTopic(int context);

// The address of a page inside the help collection.
QUrl TopicUrl(const QString& path);

// The page path of an address inside the help collection ("html/Fe.htm").
QString TopicPath(const QUrl& url);

extern const char* const kHomeTopic;
extern const char* const kUsingTopic;

}  // namespace table
