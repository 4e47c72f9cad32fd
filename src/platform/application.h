// TApplication: the application object, one per process. It holds the
// application title, derived once from the program file's path, and the
// application window, the program's taskbar entry; it owns the main window,
// shows it as the start-up show command asks, runs the message loop until
// termination is requested, and destroys the windows at shutdown.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "conversion/system_text.h"
#include "platform/form.h"

namespace dividir {
class ApplicationWindow;
class SessionEndWatcher;
}  // namespace dividir

// Builds the program's main window, hidden.
using TMainFormFactory = std::function<std::unique_ptr<TForm>()>;

class TApplication : public QObject {
  public:
    // Needs the QApplication. Derives the title, sets the application's icon
    // (the icon group MAINICON of the program's resources) for every window,
    // and creates the application window, not yet shown. From now on a
    // log-off, a shut-down or SIGTERM requests termination.
    TApplication();
    // Shutdown: the windows are hidden, then the main window is destroyed
    // with its controls, and then the application window.
    ~TApplication() override;

    // The caption of the taskbar entry and of every error box.
    const dividir::SystemText& Title() const noexcept { return title_; }

    // The application window: it owns every error box.
    QWidget& Window() const noexcept;

    // Set once CreateMainForm has finished; null until then.
    TForm* MainForm() const noexcept { return mainForm_.get(); }

    // Builds the main window with `create`. It gets its system window at
    // once, without a taskbar entry of its own, and its close request from
    // then on requests termination. If `create` raises, the error leaves
    // and no main window is set.
    void CreateMainForm(const TMainFormFactory& create);

    // Shows the main window as the show command asks: maximised for 3;
    // for 7 the application minimised as a whole, only its taskbar entry
    // showing, and restoring it shows the main window in the normal state;
    // in its normal state for anything else. The entry shows with it.
    void ShowMainForm(int showCommand);

    // Shows the main window as the program was started to, then runs the
    // message loop until termination is requested; returns the exit code.
    int Run();

    // Ends the message loop once the event at hand has been handled; every
    // modal loop open inside it ends with it.
    void Terminate();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    dividir::SystemText title_;
    std::unique_ptr<dividir::ApplicationWindow> window_;
    std::unique_ptr<TForm> mainForm_;
    std::unique_ptr<dividir::SessionEndWatcher> sessionEnd_;
};

// The application object while it exists, null before and after.
extern TApplication* Application;
