#include "application.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QIcon>

#include "platform/application_window.h"
#include "platform/guard.h"
#include "platform/qt_system_text.h"
#include "platform/services/application_title.h"
#include "platform/session_end.h"
#include "platform/show_command.h"
#include "platform/x11_window_hints.h"

TApplication* Application = nullptr;

namespace {

// The icon group MAINICON: every image the program's resources hold under
// :/MAINICON, one per size.
QIcon MainIcon() {
    QIcon icon;
    const QDir images(QStringLiteral(":/MAINICON"));
    for (const QString& image : images.entryList(QDir::Files)) icon.addFile(images.filePath(image));
    return icon;
}

}  // namespace

TApplication::TApplication()
    : title_(dividir::ApplicationTitleFromPath(
          dividir::ToSystemText(QCoreApplication::applicationFilePath()))) {
    QApplication::setWindowIcon(MainIcon());
    // The program ends when its main window is closed, not when its last
    // window is: an error box that closes while nothing else shows ends
    // nothing.
    QApplication::setQuitOnLastWindowClosed(false);
    window_ = std::make_unique<dividir::ApplicationWindow>(title_);
    sessionEnd_ = std::make_unique<dividir::SessionEndWatcher>([this] { Terminate(); });
    Application = this;
}

TApplication::~TApplication() {
    Application = nullptr;
    if (mainForm_ != nullptr) mainForm_->hide();
    window_->hide();
    mainForm_.reset();
    window_.reset();
}

QWidget& TApplication::Window() const noexcept { return *window_; }

void TApplication::CreateMainForm(const TMainFormFactory& create) {
    std::unique_ptr<TForm> form = create();
    form->winId();
    dividir::AddSkipTaskbarState(*form);
    form->installEventFilter(this);
    window_->Pair(*form);
    mainForm_ = std::move(form);
}

void TApplication::ShowMainForm(int showCommand) {
    switch (showCommand) {
        case dividir::kShowMaximized:
            mainForm_->setWindowState(Qt::WindowMaximized);
            break;
        case dividir::kShowMinimizedNoActivate:
            mainForm_->setWindowState(Qt::WindowMinimized);
            break;
        default:
            break;
    }
    if (mainForm_->isMinimized()) {
        window_->showMinimized();
    } else {
        window_->show();
    }
    // Shown minimised, the main window stays out of sight until the
    // application is restored. It is never hidden while the program runs.
    mainForm_->show();
}

int TApplication::Run() {
    ShowMainForm(dividir::StartupShowCommand());
    return QApplication::exec();
}

void TApplication::Terminate() { QCoreApplication::exit(0); }

bool TApplication::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mainForm_.get() && event->type() == QEvent::Close) {
        // Nothing objects to closing the main window, and closing it is not
        // hiding it: it requests termination, and the window stays as it is
        // until shutdown. The quit button, the close box, Alt+F4, Close in
        // the window menus and a session manager's end of the session all
        // come this way.
        event->ignore();
        dividir::RunGuarded([this] { Terminate(); });
        return true;
    }
    return QObject::eventFilter(watched, event);
}
