#include "button.h"

#include <QKeyEvent>

#include "platform/access_keys.h"
#include "platform/qt_system_text.h"

using dividir::SystemText;
using dividir::SystemTextView;

TButton::TButton(QWidget* parent) : QPushButton(parent) {
    connect(this, &QAbstractButton::clicked, this, [this] { Raise(OnClick); });
}

SystemText TButton::Caption() const { return dividir::ToSystemText(text()); }

void TButton::SetCaption(SystemTextView caption) {
    setText(dividir::ToQString(dividir::UpToFirstNul(caption)));
    // Qt would make the caption's access key a shortcut that moves the focus
    // and clicks later; the form handles access keys itself.
    setShortcut(QKeySequence());
}

bool TButton::SetDescribedProperty(const QString& name, const QVariant& value) {
    if (name != u"text") return false;
    SetCaption(dividir::ToSystemText(value.toString()));
    return true;
}

TNotifyEvent* TButton::EventNamed(QStringView name) {
    return name == u"OnClick" ? &OnClick : nullptr;
}

std::optional<QChar> TButton::AccessKey() const { return dividir::AccessKeyOf(text()); }

void TButton::AccessKeyPressed() { click(); }

void TButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            click();
            return;
        case Qt::Key_Right:
        case Qt::Key_Down:
            focusNextPrevChild(true);
            return;
        case Qt::Key_Left:
        case Qt::Key_Up:
            focusNextPrevChild(false);
            return;
        default:
            QPushButton::keyPressEvent(event);
    }
}

// While it has the focus the button is drawn as the default button.
void TButton::focusInEvent(QFocusEvent* event) {
    setDefault(true);
    QPushButton::focusInEvent(event);
}

void TButton::focusOutEvent(QFocusEvent* event) {
    setDefault(false);
    QPushButton::focusOutEvent(event);
}
