#include <QSize>

#include "app/shell/main_window/frm_table_viewer.h"
#include "app/shell/settings/window_size.h"

namespace table {

void frmTableViewer::applyOuterSize(QSize outer) {
  // Until the window manager frames the window it has no frame: the outer size is the client
  // size for now, and keepOuterSize takes the frame off once it is known.
  m_wantedOuterSize = outer;
  m_requestedClientSize = outer;
  resize(outer);
}

void frmTableViewer::keepOuterSize() {
  if (!m_wantedOuterSize.isValid()) return;
  // A size that someone else gave the window (the user, the window manager) stands.
  if (size() != m_requestedClientSize || isMaximized() || isFullScreen()) {
    m_wantedOuterSize = QSize();
    return;
  }
  const QSize frameExtra = frameGeometry().size() - size();
  if (frameExtra == QSize(0, 0)) return;
  const QSize client = ClientSizeFor(m_wantedOuterSize, frameExtra);
  m_wantedOuterSize = QSize();
  resize(client);
}

}  // namespace table
