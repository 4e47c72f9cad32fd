// The window manager hints Qt has no API for, which make the application
// window the program's one taskbar entry on X11 window managers that follow
// the desktop (EWMH) and Motif hints. Where the windows do not live on an X
// server (the offscreen platform, Wayland) each of these does nothing.
#pragma once

class QWidget;

namespace dividir {

// Replaces the window's Motif hints: no frame and no title bar, and of the
// window manager's functions only minimise and close, so that the window menu
// of its taskbar entry offers Restore, Minimize and Close. Qt's own
// Qt::FramelessWindowHint would also take minimise and close away. Call after
// winId(), before the window is shown.
void SetTaskbarEntryHints(QWidget& window);

// Adds _NET_WM_STATE_SKIP_TASKBAR to the window's state, keeping what Qt put
// there. Call after winId() and before the first show(): Qt merges its own
// states into the property when it maps the window, but the window manager
// removes the property whenever the window is withdrawn, so the window must
// never be hidden while the program runs.
void AddSkipTaskbarState(QWidget& window);

// Writes the window's names (WM_NAME and _NET_WM_NAME) as empty. Qt shows
// the application's name instead of an empty title, but an empty application
// title must stay empty. Call after the window has been created.
void WriteEmptyWindowName(QWidget& window);

}  // namespace dividir
