// Starts a program and prints how many milliseconds passed until the X server mapped its first
// window that is not a splash screen, and the program's peak memory and private memory once that
// window has had time to draw itself (VmHWM and RssAnon, in KiB); then ends the program.
//   launch_until_mapped PROGRAM [ARGUMENTS...]
// It waits on the server's map notifications rather than polling, so that it takes no processor
// time from the program it measures. Without a window manager, top-level windows are children of
// the root window, whose substructure events tell of every map.
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

namespace {

double Milliseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  const auto cookie =
      xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
  return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The first 32-bit value of a window's property, or 0.
uint32_t Property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property) {
  const auto cookie = xcb_get_property(connection, 0, window, property, XCB_ATOM_ANY, 0, 1);
  std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
      xcb_get_property_reply(connection, cookie, nullptr), &std::free);
  if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4) return 0;
  return *static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
}

struct Memory {
  long peakKiB = -1;     // VmHWM
  long privateKiB = -1;  // RssAnon: anonymous pages, not shared with any other process
};

Memory MemoryOf(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  Memory memory;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) memory.peakKiB = std::strtol(line.c_str() + 6, nullptr, 10);
    if (line.rfind("RssAnon:", 0) == 0) {
      memory.privateKiB = std::strtol(line.c_str() + 8, nullptr, 10);
    }
  }
  return memory;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: launch_until_mapped PROGRAM [ARGUMENTS...]\n");
    return 2;
  }
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) {
    std::fprintf(stderr, "cannot connect to the X display\n");
    return 2;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
  const xcb_atom_t pidAtom = Atom(connection, "_NET_WM_PID");
  const xcb_atom_t typeAtom = Atom(connection, "_NET_WM_WINDOW_TYPE");
  const xcb_atom_t splashAtom = Atom(connection, "_NET_WM_WINDOW_TYPE_SPLASH");
  xcb_flush(connection);

  const double start = Milliseconds();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[1], argv + 1);
    std::perror(argv[1]);
    _exit(127);
  }

  double mapped = -1;
  while (mapped < 0) {
    std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_wait_for_event(connection),
                                                                     &std::free);
    if (!event) break;
    if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
    const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
    if (map->override_redirect) continue;  // menus, tool tips
    if (Property(connection, map->window, pidAtom) != static_cast<uint32_t>(pid)) continue;
    if (Property(connection, map->window, typeAtom) == splashAtom) continue;
    mapped = Milliseconds() - start;
  }
  if (mapped < 0) {
    std::fprintf(stderr, "%s showed no window\n", argv[1]);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return 1;
  }
  // The window draws itself after it is mapped; the peak is read once that is done.
  usleep(400 * 1000);
  const Memory memory = MemoryOf(pid);
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  xcb_disconnect(connection);
  std::printf("%.1f %ld %ld\n", mapped, memory.peakKiB, memory.privateKiB);
  return 0;
}
