// Usage: startup_probe RRGGBB EXECUTABLE [ARGUMENT...]
// Starts the program and prints two figures in microseconds from just before exec: until the
// window manager lists its window as a managed client (_NET_CLIENT_LIST on the root window), and
// until a pixel of colour RRGGBB first shows in that window (its first paint). Then it closes the
// window as a user would and waits for the program to end.
//
// Both are observed from outside through X events, without polling and without any help from the
// program: a PropertyNotify on the root window, then a DAMAGE notification for each drawing into
// the window, after which the window's pixels are read back and searched for the colour.
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kGiveUpAfter = std::chrono::seconds(10);

template <class Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <class Reply>
Owned<Reply> Own(Reply* reply) {
  return Owned<Reply>(reply, &std::free);
}

xcb_atom_t Atom(xcb_connection_t* x, const char* name) {
  const auto reply = Own(xcb_intern_atom_reply(
      x, xcb_intern_atom(x, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::optional<std::uint32_t> Cardinal(xcb_connection_t* x, xcb_window_t window, xcb_atom_t name) {
  const auto reply = Own(xcb_get_property_reply(
      x, xcb_get_property(x, 0, window, name, XCB_ATOM_CARDINAL, 0, 1), nullptr));
  if (!reply || xcb_get_property_value_length(reply.get()) < 4) return std::nullopt;
  return *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
}

// The managed client window whose _NET_WM_PID is `pid`, if the manager lists one yet.
xcb_window_t ClientOf(xcb_connection_t* x, xcb_window_t root, xcb_atom_t clientList,
                      xcb_atom_t wmPid, pid_t pid) {
  const auto reply = Own(xcb_get_property_reply(
      x, xcb_get_property(x, 0, root, clientList, XCB_ATOM_WINDOW, 0, 1024), nullptr));
  if (!reply) return XCB_WINDOW_NONE;
  const auto* windows = static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
  const int count = xcb_get_property_value_length(reply.get()) / 4;
  for (int i = 0; i < count; ++i) {
    if (Cardinal(x, windows[i], wmPid) == static_cast<std::uint32_t>(pid)) return windows[i];
  }
  return XCB_WINDOW_NONE;
}

// Whether the window's pixels (read back as 32-bit BGRX) hold the colour anywhere.
bool ShowsColour(xcb_connection_t* x, xcb_window_t window, std::uint32_t rgb) {
  const auto geometry = Own(xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr));
  if (!geometry) return false;
  const auto image =
      Own(xcb_get_image_reply(x,
                              xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                            geometry->width, geometry->height, ~0u),
                              nullptr));
  if (!image || image->depth != 24) return false;
  const auto* pixels = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(image.get()));
  const int count = xcb_get_image_data_length(image.get()) / 4;
  for (int i = 0; i < count; ++i) {
    if ((pixels[i] & 0xffffffu) == rgb) return true;
  }
  return false;
}

long long MicrosecondsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
}

pid_t Start(char** argv) {
  const pid_t pid = fork();
  if (pid == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    execv(argv[0], argv);
    _exit(127);
  }
  return pid;
}

// Asks the window manager to close the window (the close button), and waits up to 5 s for the
// program to end before killing it.
void Close(xcb_connection_t* x, xcb_window_t root, xcb_window_t window, pid_t pid) {
  if (window != XCB_WINDOW_NONE) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = Atom(x, "_NET_CLOSE_WINDOW");
    message.data.data32[1] = 2;  // from a pager, as wmctrl sends it
    xcb_send_event(x, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(x);
  }
  for (int i = 0; i < 250; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s RRGGBB EXECUTABLE [ARGUMENT...]\n", argv[0]);
    return 2;
  }
  const auto colour = static_cast<std::uint32_t>(std::stoul(argv[1], nullptr, 16));
  int screenNumber = 0;
  xcb_connection_t* x = xcb_connect(nullptr, &screenNumber);
  if (xcb_connection_has_error(x)) {
    std::fprintf(stderr, "cannot open the display\n");
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
  const xcb_atom_t clientList = Atom(x, "_NET_CLIENT_LIST");
  const xcb_atom_t wmPid = Atom(x, "_NET_WM_PID");
  const auto damageVersion = Own(xcb_damage_query_version_reply(
      x, xcb_damage_query_version(x, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION), nullptr));
  const xcb_query_extension_reply_t* damage = xcb_get_extension_data(x, &xcb_damage_id);
  if (!damageVersion || !damage || !damage->present) {
    std::fprintf(stderr, "the X server lacks the DAMAGE extension\n");
    return 1;
  }
  const std::uint32_t rootEvents = XCB_EVENT_MASK_PROPERTY_CHANGE;
  xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &rootEvents);
  xcb_flush(x);

  const Clock::time_point start = Clock::now();
  const pid_t pid = Start(argv + 2);
  xcb_window_t window = XCB_WINDOW_NONE;
  long long managed = -1;
  long long painted = -1;
  pollfd connection{xcb_get_file_descriptor(x), POLLIN, 0};
  while (painted < 0 && Clock::now() - start < kGiveUpAfter) {
    xcb_generic_event_t* event = xcb_poll_for_event(x);
    if (event == nullptr) {
      poll(&connection, 1, 100);
      continue;
    }
    const auto owned = Own(event);
    const int type = event->response_type & 0x7f;
    if (type == XCB_PROPERTY_NOTIFY && window == XCB_WINDOW_NONE &&
        reinterpret_cast<xcb_property_notify_event_t*>(event)->atom == clientList) {
      window = ClientOf(x, root, clientList, wmPid, pid);
      if (window == XCB_WINDOW_NONE) continue;
      managed = MicrosecondsSince(start);
      xcb_damage_create(x, xcb_generate_id(x), window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
      // Drawing may have begun before the damage object existed.
      if (ShowsColour(x, window, colour)) painted = MicrosecondsSince(start);
    } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY && ShowsColour(x, window, colour)) {
      painted = MicrosecondsSince(start);
    }
  }
  Close(x, root, window, pid);
  xcb_disconnect(x);
  if (painted < 0) {
    std::fprintf(stderr, "%s: no window showing #%s within 10 s\n", argv[2], argv[1]);
    return 1;
  }
  std::printf("%lld %lld\n", managed, painted);
  return 0;
}
