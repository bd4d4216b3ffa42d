#pragma once

#include <QObject>

#include "component/vexel_interface.h"

namespace vexel {

// The library's plugin object: hosts find it with QPluginLoader and create controls by their
// programmatic identifier. Its metadata carries the type library's identity.
class VexelPlugin : public QObject, public VexelLibrary {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID VexelLibrary_iid FILE "vexel.json")
  Q_INTERFACES(vexel::VexelLibrary)

 public:
  std::unique_ptr<VexelControl> CreateControl(const QString& progId, QWidget* parent,
                                              Error* creationError) override;
  QString LibraryPath() const override;
};

}  // namespace vexel
