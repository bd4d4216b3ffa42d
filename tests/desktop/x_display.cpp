#include "x_display.h"

#include <xcb/xcb.h>

#include <QElapsedTimer>
#include <QThread>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace desktop {

namespace {

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

}  // namespace

XDisplay::XDisplay(const QString& name) {
  int screen = 0;
  xcb_connection_t* connection = xcb_connect(name.toLatin1().constData(), &screen);
  if (xcb_connection_has_error(connection)) {
    xcb_disconnect(connection);
    return;
  }
  m_connection = connection;
}

XDisplay::~XDisplay() {
  if (m_connection) xcb_disconnect(m_connection);
}

WindowId XDisplay::root() const {
  return xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
}

QRect XDisplay::screen() const {
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
  return QRect(0, 0, screen->width_in_pixels, screen->height_in_pixels);
}

std::uint32_t XDisplay::atom(const char* name) const {
  const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
      m_connection,
      xcb_intern_atom(m_connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
      nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::vector<std::uint32_t> XDisplay::cardinals(WindowId window, const char* property,
                                               std::uint32_t type) const {
  const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
      m_connection, xcb_get_property(m_connection, 0, window, atom(property), type, 0, 4096),
      nullptr));
  if (!reply || reply->format != 32) return {};
  const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
  return std::vector<std::uint32_t>(values,
                                    values + xcb_get_property_value_length(reply.get()) / 4);
}

bool XDisplay::windowManagerRuns() const {
  return !cardinals(root(), "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW).empty();
}

std::vector<WindowId> XDisplay::stacking() const {
  return cardinals(root(), "_NET_CLIENT_LIST_STACKING", XCB_ATOM_WINDOW);
}

std::vector<WindowId> XDisplay::clientList() const {
  return cardinals(root(), "_NET_CLIENT_LIST", XCB_ATOM_WINDOW);
}

QString XDisplay::title(WindowId window) const {
  const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
      m_connection,
      xcb_get_property(m_connection, 0, window, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 0, 1024),
      nullptr));
  if (!reply) return {};
  return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply.get())),
                           xcb_get_property_value_length(reply.get()));
}

QRect XDisplay::client(WindowId window) const {
  const Reply<xcb_get_geometry_reply_t> geometry(
      xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr));
  const Reply<xcb_translate_coordinates_reply_t> origin(xcb_translate_coordinates_reply(
      m_connection, xcb_translate_coordinates(m_connection, window, root(), 0, 0), nullptr));
  if (!geometry || !origin) return {};
  return QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
}

QRect XDisplay::frame(WindowId window) const {
  // The frame is the window's ancestor just below the root.
  WindowId outer = window;
  for (;;) {
    const Reply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, outer), nullptr));
    if (!tree) return {};
    if (tree->parent == tree->root || tree->parent == XCB_WINDOW_NONE) break;
    outer = tree->parent;
  }
  const Reply<xcb_get_geometry_reply_t> geometry(
      xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, outer), nullptr));
  if (!geometry) return {};
  const int border = geometry->border_width;
  return QRect(geometry->x, geometry->y, geometry->width + 2 * border,
               geometry->height + 2 * border);
}

QString XDisplay::atomName(std::uint32_t atom) const {
  const Reply<xcb_get_atom_name_reply_t> name(
      xcb_get_atom_name_reply(m_connection, xcb_get_atom_name(m_connection, atom), nullptr));
  if (!name) return {};
  return QString::fromLatin1(xcb_get_atom_name_name(name.get()),
                             xcb_get_atom_name_name_length(name.get()));
}

QStringList XDisplay::netWmState(WindowId window) const {
  QStringList names;
  for (std::uint32_t state : cardinals(window, "_NET_WM_STATE", XCB_ATOM_ATOM))
    names << atomName(state);
  return names;
}

bool XDisplay::iconic(WindowId window) const {
  const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
      m_connection,
      xcb_get_property(m_connection, 0, window, atom("WM_STATE"), atom("WM_STATE"), 0, 2),
      nullptr));
  if (!reply || xcb_get_property_value_length(reply.get()) < 4) return false;
  constexpr std::uint32_t kIconicState = 3;
  return *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get())) == kIconicState;
}

bool XDisplay::menuShown() const {
  const Reply<xcb_query_tree_reply_t> tree(
      xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, root()), nullptr));
  if (!tree) return false;
  const xcb_window_t* children = xcb_query_tree_children(tree.get());
  for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
    const Reply<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
        m_connection, xcb_get_window_attributes(m_connection, children[i]), nullptr));
    if (!attributes || !attributes->override_redirect ||
        attributes->map_state != XCB_MAP_STATE_VIEWABLE)
      continue;
    for (std::uint32_t type : cardinals(children[i], "_NET_WM_WINDOW_TYPE", XCB_ATOM_ATOM)) {
      if (atomName(type).endsWith(QLatin1String("_MENU"))) return true;
    }
  }
  return false;
}

WindowId XDisplay::activeWindow() const {
  const std::vector<std::uint32_t> active =
      cardinals(root(), "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW);
  return active.empty() ? 0 : active.front();
}

bool WaitUntil(const std::function<bool()>& done, double seconds) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > seconds * 1000) return false;
    QThread::msleep(20);
  }
  return true;
}

void Pause(int milliseconds) {
  QThread::msleep(static_cast<unsigned long>(milliseconds));
}

}  // namespace desktop
