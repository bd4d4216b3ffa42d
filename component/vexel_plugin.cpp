#include "component/vexel_plugin.h"

#include "component/library_path.h"
#include "component/vexel.h"

namespace vexel {

std::unique_ptr<VexelControl> VexelPlugin::CreateControl(const QString& progId, QWidget* parent,
                                                         Error* creationError) {
  if (progId.compare(QLatin1String(kProgId), Qt::CaseInsensitive) != 0) {
    if (creationError)
      *creationError = {429, QString("the library has no class '%1'").arg(progId), "Vexel"};
    return nullptr;
  }
  auto control = std::make_unique<Vexel>(parent);
  if (creationError) *creationError = control->creationError();
  return control;
}

QString VexelPlugin::LibraryPath() const {
  return LibraryDirectory();
}

}  // namespace vexel
