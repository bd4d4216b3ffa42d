#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace table {

// Message boxes and the input box. The program shows real dialogs; tests answer them.
class UserPrompts {
 public:
  virtual ~UserPrompts() = default;
  // A message with an OK button and the information icon.
  virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
  // A message with an OK button and the warning icon.
  virtual void warning(QWidget* parent, const QString& title, const QString& text) = 0;
  // A line of text, or nothing when the user cancels.
  virtual std::optional<QString> askText(QWidget* parent, const QString& title,
                                         const QString& prompt) = 0;
};

// The real dialogs.
class DialogPrompts : public UserPrompts {
 public:
  void information(QWidget* parent, const QString& title, const QString& text) override;
  void warning(QWidget* parent, const QString& title, const QString& text) override;
  std::optional<QString> askText(QWidget* parent, const QString& title,
                                 const QString& prompt) override;
};

// Starts other programs without waiting for them.
class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
};

class ProcessStarter : public ProgramStarter {
 public:
  bool startDetached(const QString& program, const QStringList& arguments) override;
};

}  // namespace table
