#include "platform/window_manager.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWindow>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

namespace periodic {

namespace {

// A window manager answers within a few milliseconds; a busy one is given this long.
constexpr auto kAnswerWait = std::chrono::milliseconds(300);
constexpr auto kPollStep = std::chrono::milliseconds(3);

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
      nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The 32-bit items of a property, or an empty reply when it is missing or of another kind.
Reply<xcb_get_property_reply_t> Cardinals(xcb_connection_t* connection, xcb_window_t window,
                                          xcb_atom_t property, xcb_atom_t type, uint32_t count) {
  Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
      connection, xcb_get_property(connection, 0, window, property, type, 0, count), nullptr));
  if (!reply || reply->format != 32 || reply->type != type) return nullptr;
  return reply;
}

std::optional<QMargins> FrameExtentsProperty(xcb_connection_t* connection, xcb_window_t window,
                                             xcb_atom_t extents) {
  const auto reply = Cardinals(connection, window, extents, XCB_ATOM_CARDINAL, 4);
  if (!reply || xcb_get_property_value_length(reply.get()) != 16) return std::nullopt;
  const auto* value = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
  // The property lists left, right, top, bottom.
  return QMargins(static_cast<int>(value[0]), static_cast<int>(value[2]),
                  static_cast<int>(value[1]), static_cast<int>(value[3]));
}

bool WindowManagerAnswers(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t request) {
  const auto supported =
      Cardinals(connection, root, Atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096);
  if (!supported) return false;
  const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get()));
  const int count = xcb_get_property_value_length(supported.get()) / 4;
  for (int i = 0; i < count; ++i) {
    if (atoms[i] == request) return true;
  }
  return false;
}

xcb_window_t RootOf(xcb_connection_t* connection, xcb_window_t window) {
  const Reply<xcb_get_geometry_reply_t> geometry(
      xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
  return geometry ? geometry->root : xcb_window_t{XCB_WINDOW_NONE};
}

xcb_connection_t* X11Connection() {
  const auto* x11 =
      qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11 || QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
  return x11->connection();
}

}  // namespace

std::optional<QMargins> RequestFrameExtents(QWindow& window) {
  xcb_connection_t* connection = X11Connection();
  if (!connection) return std::nullopt;
  const auto id = static_cast<xcb_window_t>(window.winId());
  const xcb_atom_t extents = Atom(connection, "_NET_FRAME_EXTENTS");
  if (const auto known = FrameExtentsProperty(connection, id, extents)) return known;

  const xcb_atom_t request = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
  const xcb_window_t root = RootOf(connection, id);
  if (root == XCB_WINDOW_NONE || !WindowManagerAnswers(connection, root, request))
    return std::nullopt;
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = id;
  message.type = request;
  xcb_send_event(connection, 0, root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection);
  // The answer is a property change that Qt's own event reading would take: the property
  // itself is read until it appears.
  const auto deadline = std::chrono::steady_clock::now() + kAnswerWait;
  while (std::chrono::steady_clock::now() < deadline) {
    if (const auto answer = FrameExtentsProperty(connection, id, extents)) return answer;
    std::this_thread::sleep_for(kPollStep);
  }
  return std::nullopt;
}

void KeepAboveItsGroup(QWindow& window) {
  xcb_connection_t* connection = X11Connection();
  if (!connection) return;
  const auto id = static_cast<xcb_window_t>(window.winId());
  const xcb_window_t root = RootOf(connection, id);
  if (root == XCB_WINDOW_NONE) return;
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_TRANSIENT_FOR,
                      XCB_ATOM_WINDOW, 32, 1, &root);
  xcb_flush(connection);
}

}  // namespace periodic
