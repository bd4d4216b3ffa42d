#pragma once

#include <QDialog>
#include <QPixmap>

class QFrame;
class QLabel;
class QPushButton;

namespace table {

class ProgramStarter;
class RegistryReader;
class UserPrompts;

// A picture of a flask with a coloured liquid.
QPixmap DrawChemistryPicture(int width, int height);

// The modal About window: title, version, a description, the authors, a disclaimer, and a button
// that starts the system-information program.
class frmAbout : public QDialog {
  Q_OBJECT

 public:
  frmAbout(RegistryReader& registry, ProgramStarter& starter, UserPrompts& prompts,
           QWidget* parent = nullptr);

  // The message shown when no system-information program can be started.
  static QString SysInfoMissingMessage();

  // Starts the system-information program, or says that there is none.
  void StartSysInfo();

  QLabel* picIcon = nullptr;
  QLabel* picChemistry = nullptr;
  QFrame* linSeparator1 = nullptr;
  QFrame* linSeparator2 = nullptr;
  QLabel* lblTitle = nullptr;
  QLabel* lblVersion = nullptr;
  QLabel* lblDescription = nullptr;
  QLabel* lblAuthor = nullptr;
  QLabel* lblDisclaimer = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdSysInfo = nullptr;

 private:
  bool TryStart(const QString& program);

  RegistryReader& m_registry;
  ProgramStarter& m_starter;
  UserPrompts& m_prompts;
};

}  // namespace table
