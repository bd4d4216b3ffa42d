#include "app/shell/services/user_prompts.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>

namespace table {

void DialogPrompts::information(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::information(parent, title, text);
}

void DialogPrompts::warning(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::warning(parent, title, text);
}

std::optional<QString> DialogPrompts::askText(QWidget* parent, const QString& title,
                                              const QString& prompt) {
  bool ok = false;
  const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, {}, &ok);
  if (!ok) return std::nullopt;
  return text;
}

bool ProcessStarter::startDetached(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments);
}

}  // namespace table
