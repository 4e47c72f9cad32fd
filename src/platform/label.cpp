#include "label.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include "platform/access_keys.h"
#include "platform/qt_system_text.h"

using dividir::SystemText;
using dividir::SystemTextView;

namespace {

// One line, "&" marking the access key and "&&" standing for "&".
constexpr int kCaptionFlags =
    Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;

}  // namespace

TLabel::TLabel(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);  // not transparent: the window's colour behind the text
}

SystemText TLabel::Caption() const { return dividir::ToSystemText(caption_); }

void TLabel::SetCaption(SystemTextView caption) {
    caption_ = dividir::ToQString(dividir::UpToFirstNul(caption));
    if (!Loading()) AdjustSizeToFont();
    update();
}

bool TLabel::SetDescribedProperty(const QString& name, const QVariant& value) {
    if (name != u"text") return false;
    SetCaption(dividir::ToSystemText(value.toString()));
    return true;
}

void TLabel::AdjustSizeToFont() { resize(fontMetrics().size(kCaptionFlags, caption_)); }

std::optional<QChar> TLabel::AccessKey() const { return dividir::AccessKeyOf(caption_); }

void TLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), kCaptionFlags, caption_);
}

void TLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange && !Loading()) AdjustSizeToFont();
    QWidget::changeEvent(event);
}
