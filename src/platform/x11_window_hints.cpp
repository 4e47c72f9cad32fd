#include "x11_window_hints.h"

#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>
#include <QWidget>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace dividir {

namespace {

// Null on every platform that is not X11.
xcb_connection_t* Connection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* connection, std::string_view name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t WindowOf(QWidget& window) { return static_cast<xcb_window_t>(window.winId()); }

}  // namespace

void SetTaskbarEntryHints(QWidget& window) {
    xcb_connection_t* connection = Connection();
    if (connection == nullptr) return;
    // The Motif hints: flags (functions and decorations given), functions,
    // decorations, input mode, status.
    constexpr std::uint32_t kFunctionsAndDecorations = 0x1 | 0x2;
    constexpr std::uint32_t kMinimize = 0x08;
    constexpr std::uint32_t kClose = 0x20;
    const std::array<std::uint32_t, 5> hints = {kFunctionsAndDecorations, kMinimize | kClose, 0, 0,
                                                0};
    const xcb_atom_t motifHints = Atom(connection, "_MOTIF_WM_HINTS");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, WindowOf(window), motifHints, motifHints,
                        32, hints.size(), hints.data());
    xcb_flush(connection);
}

void AddSkipTaskbarState(QWidget& window) {
    xcb_connection_t* connection = Connection();
    if (connection == nullptr) return;
    const xcb_atom_t skipTaskbar = Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, WindowOf(window),
                        Atom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 1, &skipTaskbar);
    xcb_flush(connection);
}

void WriteEmptyWindowName(QWidget& window) {
    xcb_connection_t* connection = Connection();
    if (connection == nullptr) return;
    const xcb_window_t id = WindowOf(window);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, Atom(connection, "_NET_WM_NAME"),
                        Atom(connection, "UTF8_STRING"), 8, 0, nullptr);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        0, nullptr);
    xcb_flush(connection);
}

}  // namespace dividir
