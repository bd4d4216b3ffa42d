#pragma once

#include <QPluginLoader>
#include <QString>
#include <memory>

#include "component/vexel_interface.h"

class QWidget;

namespace table {

// The control library's file name, in the program's folder.
inline constexpr const char* kControlLibraryFileName = "libVexel.so";

// The table control library, loaded from beside the program, and the control made from it.
class ControlLoader {
 public:
  // The library file in the given folder (by default the program's).
  explicit ControlLoader(const QString& folder = QString());

  // Loads the library and creates the control "Orvanta.Vexel". On failure returns nothing and
  // leaves a message naming the file and the reason in errorText().
  std::unique_ptr<vexel::VexelControl> create(QWidget* parent);

  const QString& errorText() const { return m_errorText; }
  // A creation step that failed although the control exists (its data file).
  const vexel::Error& creationError() const { return m_creationError; }
  const QString& libraryFile() const { return m_file; }

 private:
  QString m_file;
  QPluginLoader m_loader;
  QString m_errorText;
  vexel::Error m_creationError;
};

}  // namespace table
