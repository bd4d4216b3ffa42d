#pragma once

#include <QIcon>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>

#include "app/dialogs/color_chooser.h"
#include "app/shell/main_window/viewer_windows.h"
#include "app/shell/main_window/wheel_scroll.h"
#include "app/shell/services/help_calls.h"
#include "app/shell/services/printer_setup.h"
#include "app/shell/services/registry.h"
#include "app/shell/services/save_file_dialog.h"
#include "app/shell/services/user_prompts.h"
#include "app/shell/settings/table_options.h"
#include "component/vexel_interface.h"
#include "data/element_data_file.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;
class QToolButton;

namespace table {

class ElementFinder;
class PropertyViewChooser;
class frmModifyColors;

// What the main window needs from outside: where the control library lies, the dialogs it
// may show, and the splash window's progress bar.
struct MainWindowSetup {
  QString libraryFolder;                 // empty: the program's folder
  UserPrompts* prompts = nullptr;        // null: real dialogs
  RegistryReader* registry = nullptr;    // null: the system's
  ProgramStarter* starter = nullptr;     // null: real processes
  PrinterSetup* printerSetup = nullptr;  // null: the real printer-setup dialog
  HelpCalls* help = nullptr;             // null: the program's help
  SaveFileDialog* saveFile = nullptr;    // null: the real save-file dialog
  ColorChooser* colorChooser = nullptr;  // null: the real colour chooser
  // Where the program makes its own Elements.dat when the control's cannot be read, in turn.
  QString programDataFolder;  // empty: Data beside the program
  QString userDataFolder;     // empty: the user's data folder for the program
  std::function<void(int)> progress;
};

// The program's main window: the table control Halden between a toolbar and a status bar,
// with the menus and keys that drive it.
class frmTableViewer : public QMainWindow {
  Q_OBJECT

 public:
  explicit frmTableViewer(const MainWindowSetup& setup);
  ~frmTableViewer() override;

  // False when the control library could not be loaded; loadError() then says why.
  bool hasControl() const { return m_halden != nullptr; }
  const QString& loadError() const { return m_loadError; }
  vexel::VexelControl* Halden() { return m_halden.get(); }
  TableOptions& options() { return m_options; }
  bool initialRefreshPending() const { return m_initialRefreshPending; }
  periodic::ElementDataFile& dataFile() { return m_dataFile; }
  PrinterSetup& printerSetup() { return *m_printerSetup; }
  HelpCalls& help() { return *m_help; }
  UserPrompts& prompts() { return *m_prompts; }
  RegistryReader& registry() { return *m_registry; }
  ProgramStarter& starter() { return *m_starter; }
  // The pool of element card windows and the File menu's list of the open ones.
  ViewerWindows& viewerWindows() { return *m_viewerWindows; }
  ElementFinder* finder() { return m_finder; }
  PropertyViewChooser* propertyViews() { return m_propertyViews; }

  // Commands, as the menus, the toolbar and the keys run them.
  void toggleView(const char* property);
  void zoomOut();
  void zoomIn();
  void promptZoom();
  void savePosition();

  // The commands that leave the table: bitmap, printing, the calculator and the dialogs.
  void saveAsBitmap();
  void printTable();
  void startCalculator();
  void showOptionsDialog();
  void showColorsDialog();
  // The open colour dialog, or null.
  frmModifyColors* colorsDialog() const;

  // The configuration files and the bars.
  void LoadConfiguration();
  void SaveConfiguration();
  void SetDefaultConfiguration();
  void ApplyBarsLayout();
  // Failures to save the settings go to the error output instead of a message box: for a
  // shutdown that no one may be there to answer.
  void setQuietFailures(bool quiet) { m_quietFailures = quiet; }
  // True once the main window's shutdown has run.
  bool shutDown() const { return m_shutDown; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private slots:
  void onStatusText(const QString& text);

 private:
  void showAbout();
  SaveFileDialog& saveFileDialog();
  ColorChooser& colorChooser();
  void closeColorsDialog();
  void createMenus();
  QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption,
                       std::function<void()> action = {});
  void createToolbar();
  void addToolButton(const char* key, const QString& tooltip, const char* image, bool check);
  void createStatusBar();
  void connectControl();
  void runLoadSequence();
  void openDataFile();
  QStringList dataFallbackFolders() const;
  // Adds the note that the open data file is damaged and the built-in records are drawn.
  void noteDamagedDataFile();
  // Reports, once, why the table could not be drawn or its data file not be read.
  void tableDrawn(const vexel::Error& error);
  QString DataFileProblem(const vexel::Error& error) const;
  void onToolbarKey(const QString& key);
  void onZoomSelected(int index);
  bool handleKey(int key, Qt::KeyboardModifiers modifiers);
  void setStatusText(const QString& text);
  void reportProgress(int value);
  // Gives the window the outer size `outer`, now and again once the window manager has framed it.
  void applyOuterSize(QSize outer);
  void keepOuterSize();

  // The view-state mirror: menus and buttons follow the control's properties.
  void mirrorProperty(const QString& property);
  void mirrorAll();
  QIcon toolbarIcon(const QString& key) const;
  void setButtonImage(const char* key, const QString& image);
  void setButtonPressed(const char* key, bool pressed);
  void setButtonVisible(const char* key, bool visible);

  MainWindowSetup m_setup;
  std::unique_ptr<UserPrompts> m_ownPrompts;
  std::unique_ptr<RegistryReader> m_ownRegistry;
  std::unique_ptr<ProgramStarter> m_ownStarter;
  UserPrompts* m_prompts;
  RegistryReader* m_registry;
  ProgramStarter* m_starter;
  std::unique_ptr<PrinterSetup> m_ownPrinterSetup;
  std::unique_ptr<HelpCalls> m_ownHelp;
  PrinterSetup* m_printerSetup;
  HelpCalls* m_help;
  std::unique_ptr<SaveFileDialog> m_ownSaveFile;
  std::unique_ptr<ColorChooser> m_ownColorChooser;
  QPointer<frmModifyColors> m_colorsDialog;
  std::unique_ptr<vexel::VexelControl> m_halden;
  QString m_loadError;
  TableOptions m_options;
  bool m_initialRefreshPending = false;
  periodic::ElementDataFile m_dataFile;
  WheelNotches m_wheel;
  QSize m_wantedOuterSize;  // until the frame is known
  QSize m_requestedClientSize;
  QString m_dataProblem;  // a data-file failure of the load, reported when the table is drawn
  bool m_dataProblemReported = false;
  bool m_tableFailed = false;
  bool m_quietFailures = false;
  bool m_shutDown = false;

  std::map<QString, QAction*> m_menuItems;
  std::map<QString, QAction*> m_buttons;
  mutable std::map<QString, QIcon> m_icons;
  QToolBar* tlbToolbar = nullptr;
  QComboBox* cmbZoom = nullptr;
  QLabel* m_statusText = nullptr;
  QLabel* m_statusDate = nullptr;
  QLabel* m_statusTime = nullptr;
  QTimer* m_clock = nullptr;
  ElementFinder* m_finder = nullptr;
  PropertyViewChooser* m_propertyViews = nullptr;
  // Last, so that the cards go before anything they use.
  std::unique_ptr<ViewerWindows> m_viewerWindows;
};

}  // namespace table
