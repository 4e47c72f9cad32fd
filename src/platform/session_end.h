// Learns that the session ends, by log-off or system shut-down, and hands it
// on once the event loop is back. The system asks a process to end with
// SIGTERM (at shut-down, and at log-off without a session manager) or with
// SIGHUP (its terminal or session went away); a session manager first asks
// whether the program may end, and the answer is always yes: there is nothing
// to save and nothing objects.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace dividir {

class SessionEndWatcher : public QObject {
  public:
    // Only one watcher may exist at a time: it owns the signals' handling,
    // and gives it back to what was there before when it goes.
    explicit SessionEndWatcher(std::function<void()> sessionEnds);
    ~SessionEndWatcher() override;

  private:
    void SignalArrived();

    std::function<void()> sessionEnds_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace dividir
