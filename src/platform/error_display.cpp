#include "error_display.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "platform/qt_system_text.h"
#include "platform/services/error_display_text.h"

namespace dividir {

namespace {

// A drag or a mouse capture must not outlive the opening of a modal box.
void EndMouseCapture() {
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
}

}  // namespace

void DisplayError(const Exception& error) {
    EndMouseCapture();
    if (dynamic_cast<const EAbort*>(&error) != nullptr) return;
    // The box shows a C string: the text ends at its first byte 0.
    ShowErrorBox(ErrorBoxCaption(), ToQString(UpToFirstNul(ErrorDisplayText(error.Message()))));
}

QString ErrorBoxCaption() {
    // The application title; the program shell sets it as the application's name.
    return QCoreApplication::applicationName();
}

void ShowErrorBox(const QString& caption, const QString& text) {
    // The window that was active gets the focus back afterwards, so the user
    // goes on typing where the error arose.
    const QPointer<QWidget> active = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    if (active != nullptr) active->activateWindow();
}

}  // namespace dividir
