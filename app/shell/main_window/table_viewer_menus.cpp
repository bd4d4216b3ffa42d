#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/shell/main_window/frm_table_viewer.h"

namespace table {
namespace {

QString Blanks(int count) {
  return QString(count, QLatin1Char(' '));
}

}  // namespace

QAction* frmTableViewer::addMenuItem(QMenu* menu, const char* name, const QString& caption,
                                     std::function<void()> action) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(QString::fromLatin1(name));
  if (action) connect(item, &QAction::triggered, this, std::move(action));
  m_menuItems[item->objectName()] = item;
  return item;
}

void frmTableViewer::createMenus() {
  // The shortcut texts after the blanks are part of the captions; the window's own key
  // handler serves them.
  QMenu* file = menuBar()->addMenu("&Файл");
  file->setObjectName("mnuFile");
  addMenuItem(file, "mnuFile_RunElementViewer", "&Просмотр элементов" + Blanks(7) + "Ctrl+V");
  addMenuItem(file, "mnuMinimizeAllWindows", "С&вернуть все окна");
  addMenuItem(file, "mnuCloseAllWindows", "&Закрыть все окна");
  QAction* bar1 = file->addSeparator();
  bar1->setObjectName("mnuFile_Bar1");
  bar1->setVisible(false);
  QAction* placeholder = addMenuItem(file, "mnuWindowList", QString());
  placeholder->setVisible(false);
  placeholder->setEnabled(false);
  file->addSeparator()->setObjectName("mnuFile_Bar2");
  addMenuItem(file, "mnuFile_SaveAsBitmap", "Сохранить как рисунок... ",
              [this] { saveAsBitmap(); });
  addMenuItem(file, "mnuFile_PrintTable", "&Печать..." + Blanks(28) + "Ctrl+P",
              [this] { printTable(); });
  file->addSeparator()->setObjectName("mnuFile_Bar3");
  addMenuItem(file, "mnuFileExit", "В&ыход" + Blanks(33) + "Alt+Q", [this] { close(); });

  QMenu* view = menuBar()->addMenu("&Вид");
  view->setObjectName("mnuView");
  addMenuItem(view, "mnuView_ShortLongPeriods", "&Длинные периоды" + Blanks(38) + "P",
              [this] { toggleView("LongPeriods"); });
  const std::pair<const char*, const char*> toggles[] = {
      {"mnuView_MoveOutInertGases", "MoveOutInertGases"},
      {"mnuView_ShowHighestOxidesTable", "ShowHighestOxidesTable"},
      {"mnuView_ShowLatInsteadOfRus", "LatInsteadOfRus"},
      {"mnuView_ShowRussianLatinName", "ShowElementsName"},
      {"mnuView_ShowAtomicMass", "ShowAtomicMass"},
  };
  const QString captions[] = {"Перенести &инертные газы", "Показать &оксиды и гидриды",
                              "&Латинские названия вместо русских", "Показывать &название элемента",
                              "Показывать &атомную массу"};
  for (std::size_t i = 0; i < std::size(toggles); ++i) {
    const char* property = toggles[i].second;
    addMenuItem(view, toggles[i].first, captions[i], [this, property] {
      toggleView(property);
    })->setCheckable(true);
  }
  view->addSeparator()->setObjectName("mnuView_Bar2");
  addMenuItem(view, "mnuView_DifferSPDF", "&Различать s, p, d и f элементы", [this] {
    toggleView("DifferSPDF");
  })->setCheckable(true);
  addMenuItem(view, "mnuDifferMtlsNonmtls", "Различать по &металлическим свойствам", [this] {
    toggleView("DifferMetalsNonmetals");
  })->setCheckable(true);
  addMenuItem(view, "mnuView_InvertColorCoding", "Инвертировать &цвета", [this] {
    toggleView("InvertColors");
  })->setCheckable(true);
  addMenuItem(view, "mnuView_Colors", "&Цвета...", [this] { showColorsDialog(); });

  QMenu* config = menuBar()->addMenu("&Настройка");
  config->setObjectName("mnuConfig");
  addMenuItem(config, "mnuConfig_ShowOptionsDialog", "&Опции...", [this] { showOptionsDialog(); });
  addMenuItem(config, "mnuConfig_SavePosition", "&Сохранить размеры окна",
              [this] { savePosition(); });

  QMenu* commands = menuBar()->addMenu("&Команды");
  commands->setObjectName("mnuCommands");
  addMenuItem(commands, "mnuCommands_Tarvik", "&Химический калькулятор",
              [this] { startCalculator(); });

  QMenu* help = menuBar()->addMenu("&Справка");
  help->setObjectName("mnuHelp");
  addMenuItem(help, "mnuHelp_TOC", "&Содержание...", [this] { m_help->ShowHelpCommand("TOC"); });
  addMenuItem(help, "mnuHelp_Index", "&Указатель...", [this] { m_help->ShowHelpCommand("INDEX"); });
  addMenuItem(help, "mnuHelp_Search", "&Поиск...", [this] { m_help->ShowHelpCommand("SEARCH"); });
  help->addSeparator()->setObjectName("mnuHelp_Bar1");
  addMenuItem(help, "mnuHelp_Introduction", "&Введение" + Blanks(44) + "Alt+F1",
              [this] { m_help->ShowHelpTopic("html\\Introduction.htm"); });
  addMenuItem(help, "mnuHelp_HowToUseProgram", "&Как пользоваться программой?" + Blanks(5) + "F1",
              [this] { m_help->ShowHelpTopic("html\\HowToUseProgram.htm"); });
  addMenuItem(help, "mnuHelp_HelpOnTable", "О&бозначения" + Blanks(38) + "Ctrl+F1",
              [this] { m_help->ShowHelpTopic("html\\HelpOnTable.htm"); });
  help->addSeparator()->setObjectName("mnuHelp_Bar2");
  addMenuItem(help, "mnuHelpAbout", "&О программе...", [this] { showAbout(); });
}

}  // namespace table
