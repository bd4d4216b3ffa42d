#include "app/help/qt_help.h"

#include <QHelpEngine>

#include "app/help/frm_help.h"
#include "app/help/help_collection.h"
#include "app/help/help_topics.h"

namespace table {

QtHelp::QtHelp(const QString& helpFile, const QString& cacheFolder)
    : m_helpFile(helpFile.isEmpty() ? DefaultHelpFile() : helpFile),
      m_cacheFolder(cacheFolder.isEmpty() ? DefaultHelpCache() : cacheFolder) {}

QtHelp::~QtHelp() = default;

frmHelp& QtHelp::openWindow() {
  if (!m_window) {
    QString problem;
    std::unique_ptr<QHelpEngine> engine = OpenHelpEngine(m_helpFile, m_cacheFolder, problem);
    m_window = std::make_unique<frmHelp>(std::move(engine), problem, SearchIndexFile(m_helpFile));
  }
  if (m_window->isMinimized()) m_window->showNormal();
  m_window->show();
  m_window->raise();
  m_window->activateWindow();
  return *m_window;
}

void QtHelp::ShowHelpCommand(const QString& command) {
  switch (ParseHelpCommand(command)) {
    case HelpCommand::Contents:
      openWindow().showContents();
      break;
    case HelpCommand::Index:
      openWindow().showIndex();
      break;
    case HelpCommand::Search:
      openWindow().showSearch();
      break;
    case HelpCommand::None:
      break;
  }
}

void QtHelp::ShowHelpTopic(const QString& page) {
  openWindow().showTopic(NormalizeTopic(page));
}

void QtHelp::ShowHelpContext(int context) {
  const QString topic = ContextTopic(context);
  if (topic.isEmpty())
    openWindow().showContents();
  else
    openWindow().showTopic(topic);
}

void QtHelp::CloseAllHelp() {
  m_window.reset();
}

}  // namespace table
