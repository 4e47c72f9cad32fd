// net_close_window WINDOW: asks the window manager to close WINDOW (a window
// id, decimal or 0x hexadecimal) the way a taskbar's Close does, with a
// _NET_CLOSE_WINDOW message to the root window. Exit status 0 when sent.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: net_close_window WINDOW\n");
        return 2;
    }
    char* end = nullptr;
    const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], &end, 0));
    if (end == argv[1] || *end != '\0') {
        std::fprintf(stderr, "net_close_window: not a window id: %s\n", argv[1]);
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "net_close_window: cannot open the display\n");
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;

    const char name[] = "_NET_CLOSE_WINDOW";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof name - 1, name),
                              nullptr),
        &std::free);
    if (atom == nullptr) return 1;

    xcb_client_message_event_t message;
    std::memset(&message, 0, sizeof message);
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom->atom;
    message.data.data32[0] = XCB_CURRENT_TIME;
    message.data.data32[1] = 2;  // the request comes from a pager or taskbar
    // Checked, so that the server has handled the request before the
    // connection goes; otherwise it may drop it with the connection.
    xcb_generic_error_t* error = xcb_request_check(
        connection, xcb_send_event_checked(
                        connection, 0, root,
                        XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                        reinterpret_cast<const char*>(&message)));
    const bool sent = error == nullptr;
    std::free(error);
    xcb_disconnect(connection);
    return sent ? 0 : 1;
}
