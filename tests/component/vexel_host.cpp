#include "vexel_host.h"

#include <gtest/gtest.h>

VexelHost::VexelHost() : m_loader(QStringLiteral(VEXEL_LIBRARY_FILE)) {
  auto* library = qobject_cast<vexel::VexelLibrary*>(m_loader.instance());
  if (!library) {
    ADD_FAILURE() << "cannot load the control library: " << m_loader.errorString().toStdString();
    std::abort();
  }
  m_control = library->CreateControl(vexel::kProgId, &m_window, &m_creationError);
  if (!m_control) std::abort();
}

VexelHost::~VexelHost() {
  m_control.reset();
}

void VexelHost::resizeTwips(int width, int height) {
  widget().resize(width / 15, height / 15);
  // A hidden control gets its first resize when it is shown.
  if (!m_window.isVisible()) {
    m_window.resize(2400, 1600);
    m_window.show();
  }
}
