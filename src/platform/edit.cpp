#include "edit.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QValidator>
#include <algorithm>
#include <limits>

#include "platform/code_page_filter.h"
#include "platform/guard.h"
#include "platform/qt_system_text.h"
#include "platform/text_box_look.h"

using dividir::SystemText;
using dividir::SystemTextView;

namespace {

// Eight thin borders of one pixel around the character cell.
constexpr int kBorderHeight = 8;

}  // namespace

// Every edit of the field by the user (typing, pasting, dropping, composing,
// undoing) passes here before it shows, which makes this the one place where
// arriving text goes through the code page. A single-line field takes pasted
// text only up to its first line break.
class TEdit::ArrivingTextFilter : public QValidator {
  public:
    explicit ArrivingTextFilter(const TEdit& field) : field_(field) {}

    State validate(QString& text, int& caret) const override {
        if (field_.settingText_) return Acceptable;  // the program's own text is taken as it is
        bool filtered = false;
        dividir::RunGuarded([&] {
            const qsizetype start = ArrivalStart(field_.shownText_, text, caret);
            QString arriving = text.mid(start, caret - start);
            arriving.truncate(EndOfFirstLine(arriving));
            arriving = dividir::ThroughCodePage(arriving);
            text = text.left(start) + arriving + text.mid(caret);
            caret = static_cast<int>(start + arriving.size());
            filtered = true;
        });
        return filtered ? Acceptable : Invalid;  // an edit that could not be filtered is undone
    }

  private:
    // An edit replaces a stretch of the shown text with what arrives and
    // leaves the caret after it; the arrival starts where the two texts part.
    static qsizetype ArrivalStart(const QString& shown, const QString& edited, int caret) {
        qsizetype start = 0;
        const qsizetype limit = std::min({shown.size(), edited.size(), qsizetype(caret)});
        while (start < limit && shown[start] == edited[start]) ++start;
        return start;
    }

    // Where pasted text ends: before its first LF (and a CR right before
    // it) or its first U+0000, as a C string would.
    static qsizetype EndOfFirstLine(const QString& arriving) {
        const qsizetype lineFeed = arriving.indexOf(u'\n');
        const qsizetype nul = arriving.indexOf(QChar(u'\0'));
        if (nul >= 0 && (lineFeed < 0 || nul < lineFeed)) return nul;
        if (lineFeed < 0) return arriving.size();
        return lineFeed > 0 && arriving[lineFeed - 1] == u'\r' ? lineFeed - 1 : lineFeed;
    }

    const TEdit& field_;
};

TEdit::TEdit(QWidget* parent)
    : QLineEdit(parent), filter_(std::make_unique<ArrivingTextFilter>(*this)) {
    setMaxLength(std::numeric_limits<int>::max());  // no limit of the program's own
    setValidator(filter_.get());
    dividir::HideSelectionWithoutFocus(*this);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& shown) {
        shownText_ = shown;
        if (!settingText_) Raise(OnChange);
    });
}

TEdit::~TEdit() { setValidator(nullptr); }

SystemText TEdit::Text() const { return dividir::ToSystemText(text()); }

void TEdit::SetText(SystemTextView text) {
    const SystemTextView taken = dividir::UpToFirstNul(text);
    if (taken == Text()) return;
    settingText_ = true;
    setText(dividir::ToQString(taken));
    settingText_ = false;
    // Reported here, once, even where the new text shows as the old one did.
    Raise(OnChange);
}

TNotifyEvent* TEdit::EventNamed(QStringView name) {
    return name == u"OnChange" ? &OnChange : nullptr;
}

void TEdit::AdjustSizeToFont() { resize(width(), fontMetrics().height() + kBorderHeight); }

void TEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->accept();  // neither changes the text nor reaches a button
            return;
        default:
            QLineEdit::keyPressEvent(event);
    }
}

void TEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // AutoSelect: entering the field selects its whole text, unless a left
    // click placed the caret or the window only became active again.
    const bool byLeftClick = event->reason() == Qt::MouseFocusReason &&
                             (QGuiApplication::mouseButtons() & Qt::LeftButton);
    const bool returning =
        event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
    if (!byLeftClick && !returning) selectAll();
}
