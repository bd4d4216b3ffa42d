#include "app/help/help_topics.h"

#include "data/builtin_records.h"
#include "help/generator/element_page.h"
#include "help/generator/help_project.h"

namespace table {

const char* const kHomeTopic = "html/Introduction.htm";
const char* const kUsingTopic = "html/HowToUseProgram.htm";

namespace {

constexpr int kElementContextBase = 1000;
constexpr int kMainWindowContext = 1;

}  // namespace

HelpCommand ParseHelpCommand(const QString& command) {
  const QString upper = command.toUpper();
  if (upper == "TOC" || upper == "TABLE OF CONTENTS") return HelpCommand::Contents;
  if (upper == "INDEX") return HelpCommand::Index;
  if (upper == "SEARCH") return HelpCommand::Search;
  return HelpCommand::None;
}

QString NormalizeTopic(const QString& page) {
  QString path = page;
  path.replace('\\', '/');
  const qsizetype join = path.indexOf("::");
  if (join >= 0) path = path.mid(join + 2);
  while (path.startsWith('/')) path.remove(0, 1);
  return path;
}

QString ContextTopic(int context) {
  if (context == kMainWindowContext) return kUsingTopic;
  const int number = context - kElementContextBase;
  const auto& records = periodic::BuiltinRecords();
  if (number < 1 || number > static_cast<int>(records.size())) return {};
  return QString::fromStdString(periodic::ElementPagePath(records[number - 1].Symbol));
}

QUrl TopicUrl(const QString& path) {
  QUrl url;
  url.setScheme("qthelp");
  url.setHost(periodic::kHelpNamespace);
  url.setPath(QString("/") + periodic::kHelpFolder + "/" + path);
  return url;
}

QString TopicPath(const QUrl& url) {
  const QString prefix = QString("/") + periodic::kHelpFolder + "/";
  QString path = url.path();
  if (path.startsWith(prefix)) path = path.mid(prefix.size());
  return path;
}

}  // namespace table
