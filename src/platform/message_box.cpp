#include "message_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>

#include "platform/guard.h"
#include "platform/x11_window_hints.h"

namespace dividir {

namespace {

class ErrorMessageBox : public QMessageBox {
  public:
    ErrorMessageBox(QWidget* owner, const QString& caption, const QString& text)
        : QMessageBox(QMessageBox::Critical, caption, text, QMessageBox::Ok, owner) {}

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!event->matches(QKeySequence::Copy)) {
            QMessageBox::keyPressEvent(event);
            return;
        }
        // Everything the box says, for pasting into a report.
        RunGuarded([this] {
            const QString rule = QStringLiteral("---------------------------\n");
            QGuiApplication::clipboard()->setText(rule + windowTitle() + u'\n' + rule + text() +
                                                  u'\n' + rule + QStringLiteral("OK\n") + rule);
        });
    }
};

QString WithLineBreaks(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

}  // namespace

void ShowErrorMessageBox(QWidget* owner, const QString& caption, const QString& text) {
    ErrorMessageBox box(owner, caption, WithLineBreaks(text));
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    if (caption.isEmpty()) {
        box.winId();
        WriteEmptyWindowName(box);
    }
    box.exec();
}

}  // namespace dividir
