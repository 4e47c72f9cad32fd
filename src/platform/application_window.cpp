#include "application_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QRegion>
#include <QScreen>

#include "platform/guard.h"
#include "platform/qt_system_text.h"
#include "platform/x11_window_hints.h"

namespace dividir {

ApplicationWindow::ApplicationWindow(SystemTextView title) : QWidget(nullptr, Qt::Window) {
    setWindowTitle(ToQString(UpToFirstNul(title)));
    // The window must not show or take a click anywhere: one pixel, and a
    // mask beside it, so that nothing of it is left. Qt's frameless flag
    // is not used: it would also take Minimize and Close from the entry.
    resize(1, 1);
    setMask(QRegion(1, 1, 1, 1));
    move(QGuiApplication::primaryScreen()->geometry().center());
    winId();
    SetTaskbarEntryHints(*this);
    if (windowTitle().isEmpty()) WriteEmptyWindowName(*this);
}

void ApplicationWindow::Pair(QWidget& mainWindow) {
    main_ = &mainWindow;
    mainWindow.installEventFilter(this);
}

void ApplicationWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (main_ == nullptr) return;
    switch (event->type()) {
        case QEvent::WindowStateChange: {
            // Only what the window system reports: the program's own changes
            // set both windows already, and following them too would chase
            // the window system's late echoes of them back and forth.
            if (!event->spontaneous()) break;
            const Qt::WindowStates oldState =
                static_cast<const QWindowStateChangeEvent&>(*event).oldState();
            RunGuarded([&] { FollowOwnState(oldState); });
            break;
        }
        case QEvent::ActivationChange:
            // The window manager activates the entry when it is clicked, and
            // may fall back on it when another window of the program closes;
            // the user works in the main window.
            if (isActiveWindow() && !main_->isMinimized()) {
                RunGuarded([&] {
                    main_->raise();
                    main_->activateWindow();
                });
            }
            break;
        default:
            break;
    }
}

void ApplicationWindow::FollowOwnState(Qt::WindowStates oldState) {
    if (isMinimized()) {
        main_->setWindowState(main_->windowState() | Qt::WindowMinimized);
    } else if (oldState & Qt::WindowMinimized) {
        // Restored: the main window comes back in the state it had, and the
        // focus with it to the control that had it.
        main_->setWindowState(main_->windowState() & ~Qt::WindowMinimized);
        main_->activateWindow();
    }
}

void ApplicationWindow::closeEvent(QCloseEvent* event) {
    // The entry itself never closes: its Close is the main window's close
    // request, which ends the program.
    event->ignore();
    if (main_ != nullptr) RunGuarded([&] { main_->close(); });
}

bool ApplicationWindow::eventFilter(QObject* watched, QEvent* event) {
    // Again only what the window system reports.
    if (watched == main_ && event->type() == QEvent::WindowStateChange && event->spontaneous()) {
        RunGuarded([&] { FollowMainWindowState(); });
    }
    return QWidget::eventFilter(watched, event);
}

void ApplicationWindow::FollowMainWindowState() {
    // Minimising the main window (its minimise box, its window menu) minimises
    // the application as a whole: the entry shows minimised.
    if (main_->isMinimized()) {
        if (!isMinimized()) showMinimized();
    } else if (isMinimized()) {
        showNormal();
    }
}

}  // namespace dividir
