#include "session_end.h"

#include <fcntl.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <system_error>

#include "platform/guard.h"

namespace dividir {

namespace {

// A signal handler may do next to nothing; it writes one byte into a pipe
// whose other end the event loop watches, so the session's end is handled
// on the program's one thread, between two events, without a timer.
int signalPipe[2] = {-1, -1};

constexpr std::array kSessionEndSignals = {SIGTERM, SIGHUP};
std::array<struct sigaction, kSessionEndSignals.size()> previousActions;

extern "C" void WriteSignalByte(int /*signal*/) {
    const int savedErrno = errno;
    const char byte = 1;
    // A full pipe already holds a wake-up; nothing is lost.
    [[maybe_unused]] const auto written = write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

}  // namespace

SessionEndWatcher::SessionEndWatcher(std::function<void()> sessionEnds)
    : sessionEnds_(std::move(sessionEnds)) {
    if (pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        throw std::system_error(errno, std::generic_category(), "pipe2");
    }
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { SignalArrived(); });

    struct sigaction action = {};
    action.sa_handler = WriteSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSessionEndSignals.size(); ++i) {
        sigaction(kSessionEndSignals[i], &action, &previousActions[i]);
    }

    // Nothing to save, nothing that objects: not cancelling is the yes. A
    // program that keeps no state is not to be started again with the
    // session either.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [](QSessionManager&) {});
    connect(qGuiApp, &QGuiApplication::saveStateRequest, this, [](QSessionManager& manager) {
        manager.setRestartHint(QSessionManager::RestartNever);
    });
}

SessionEndWatcher::~SessionEndWatcher() {
    for (std::size_t i = 0; i < kSessionEndSignals.size(); ++i) {
        sigaction(kSessionEndSignals[i], &previousActions[i], nullptr);
    }
    delete notifier_;
    close(signalPipe[0]);
    close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void SessionEndWatcher::SignalArrived() {
    char bytes[16];
    while (read(signalPipe[0], bytes, sizeof bytes) > 0) {
    }
    RunGuarded([this] { sessionEnds_(); });
}

}  // namespace dividir
