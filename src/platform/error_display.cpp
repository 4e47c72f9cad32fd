#include "error_display.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include "platform/application.h"
#include "platform/message_box.h"
#include "platform/qt_system_text.h"
#include "platform/services/error_display_text.h"

namespace dividir {

namespace {

// A drag or a mouse capture must not outlive the opening of a modal box.
void EndMouseCapture() {
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
}

// The box opens centred on its owner. While it is open the owner stands on
// the screen of the window the user was working in, so the box opens there.
class OwnerOnScreenOf {
  public:
    OwnerOnScreenOf(QWidget* owner, const QWidget* active) : owner_(owner) {
        if (owner == nullptr || active == nullptr || active->screen() == owner->screen()) return;
        home_ = owner->pos();
        moved_ = true;
        owner->move(active->screen()->geometry().center());
    }
    ~OwnerOnScreenOf() {
        if (moved_ && owner_ != nullptr) owner_->move(home_);
    }
    OwnerOnScreenOf(const OwnerOnScreenOf&) = delete;
    OwnerOnScreenOf& operator=(const OwnerOnScreenOf&) = delete;

  private:
    QPointer<QWidget> owner_;
    QPoint home_;
    bool moved_ = false;
};

}  // namespace

void DisplayError(const Exception& error) {
    EndMouseCapture();
    if (dynamic_cast<const EAbort*>(&error) != nullptr) return;
    // The box shows a C string: the text ends at its first byte 0.
    ShowErrorBox(ErrorBoxCaption(), ToQString(UpToFirstNul(ErrorDisplayText(error.Message()))));
}

QString ErrorBoxCaption() {
    // The application title. This layer's own tests run without an
    // application object; there Qt's application name stands in.
    return Application != nullptr ? ToQString(Application->Title())
                                  : QCoreApplication::applicationName();
}

void ShowErrorBox(const QString& caption, const QString& text) {
    // The window that was active gets the activation back afterwards, and
    // with it the focus goes back to the control that had it, so the user
    // goes on typing where the error arose.
    const QPointer<QWidget> active = QApplication::activeWindow();
    QWidget* owner = Application != nullptr ? &Application->Window() : nullptr;
    {
        const OwnerOnScreenOf placement(owner, active);
        ShowErrorMessageBox(owner, caption, text);
    }
    if (active != nullptr) active->activateWindow();
}

}  // namespace dividir
