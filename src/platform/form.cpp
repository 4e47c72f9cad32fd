#include "form.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "conversion/exception.h"
#include "platform/access_keys.h"
#include "platform/control_classes.h"
#include "platform/font_stand_ins.h"
#include "platform/layout_scaling.h"
#include "platform/qt_system_text.h"
#include "platform/system_colors.h"

using dividir::ControlDescription;
using dividir::DescribedProperty;
using dividir::SystemText;
using dividir::SystemTextView;
using dividir::WindowDescription;

namespace {

// The platform's default font for new windows, against which the stored
// font is compared when the layout is scaled.
const QString kDefaultFontFamily = QStringLiteral("ＭＳ Ｐゴシック");
const QString kShiftJisCharset = QStringLiteral("SHIFTJIS_CHARSET");

[[noreturn]] void RaiseBuildError(const QString& what) {
    throw dividir::Exception(dividir::ToSystemText(what));
}

const TPublishedMember* FindPublished(const std::vector<TPublishedMember>& published,
                                      const QString& name) {
    const auto found =
        std::find_if(published.begin(), published.end(),
                     [&](const TPublishedMember& member) { return member.name == name; });
    return found == published.end() ? nullptr : &*found;
}

QPalette::ColorRole ColorRoleOf(const DescribedProperty& property) {
    const auto role = dividir::SystemColorRole(property.value.toString());
    if (!role) RaiseBuildError(QStringLiteral("Invalid colour %1").arg(property.value.toString()));
    return *role;
}

}  // namespace

TForm::TForm(QWidget* owner) : QWidget(owner, Qt::Window) {
    scroller_ = new QScrollArea(this);
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setFocusPolicy(Qt::NoFocus);
    scroller_->installEventFilter(this);
    client_ = new QWidget;
    scroller_->setWidget(client_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroller_);
}

SystemText TForm::Caption() const { return dividir::ToSystemText(windowTitle()); }

void TForm::SetCaption(SystemTextView caption) {
    setWindowTitle(dividir::ToQString(dividir::UpToFirstNul(caption)));
}

void TForm::Close() { close(); }

void TForm::Build(const WindowDescription& description,
                  const std::vector<TPublishedMember>& published) {
    setObjectName(description.name);
    for (const DescribedProperty& property : description.properties) ApplyWindowProperty(property);
    for (const ControlDescription& control : description.controls)
        CreateControl(control, published);
    for (const TPublishedMember& member : published) {
        if (member.bindField && std::none_of(controls_.begin(), controls_.end(), [&](TControl* c) {
                return c->Widget().objectName() == member.name;
            })) {
            RaiseBuildError(QStringLiteral("Field %1 has no control").arg(member.name));
        }
    }
    ApplyTabOrder(description.tabOrder);
    ScaleLayout();
    for (TControl* control : controls_) control->AdjustSizeToFont();
    FitClientToControls();
    for (TControl* control : controls_) control->SetLoading(false);
}

void TForm::ApplyWindowProperty(const DescribedProperty& property) {
    const QString& name = property.name;
    if (name == u"geometry") {
        // The stored bounds are the outer frame's, title bar included.
        designedFrame_ = property.value.toRect();
        move(designedFrame_.topLeft());
        KeepDesignedOuterSize();
    } else if (name == u"windowTitle") {
        setWindowTitle(property.value.toString());
    } else if (name == u"Color") {
        QPalette colors = palette();
        colors.setColor(QPalette::Window, colors.color(ColorRoleOf(property)));
        setPalette(colors);
    } else if (name == u"font") {
        fontFamily_ = property.value.toString();
        ApplyFont();
    } else if (name == u"FontHeight") {
        fontHeight_ = property.value.toInt();
        if (fontHeight_ >= 0)
            RaiseBuildError(QStringLiteral("Font height must be a character height"));
        ApplyFont();
    } else if (name == u"FontCharset") {
        fontCharset_ = property.value.toString();
    } else if (name == u"FontColor") {
        QPalette colors = palette();
        colors.setColor(QPalette::WindowText, colors.color(ColorRoleOf(property)));
        setPalette(colors);
    } else if (name == u"PixelsPerInch") {
        pixelsPerInch_ = property.value.toInt();
    } else if (name == u"TextHeight") {
        textHeight_ = property.value.toInt();
    } else {
        RaiseBuildError(QStringLiteral("Property %1.%2 does not exist").arg(objectName(), name));
    }
}

void TForm::ApplyFont() {
    if (fontFamily_.isEmpty() || fontHeight_ == 0) return;
    // Every control takes the window's font (ParentFont).
    setFont(dividir::DescribedFont(fontFamily_, -fontHeight_));
}

void TForm::CreateControl(const ControlDescription& description,
                          const std::vector<TPublishedMember>& published) {
    TControl* control = dividir::NewControl(description.className, client_);
    control->SetLoading(true);
    QWidget& widget = control->Widget();
    widget.setObjectName(description.name);
    controls_.push_back(control);
    widget.installEventFilter(this);

    for (const DescribedProperty& property : description.properties) {
        if (property.name == u"geometry") {
            widget.setGeometry(property.value.toRect());
        } else if (TNotifyEvent* event = control->EventNamed(property.name)) {
            const QString handlerName = property.value.toString();
            const TPublishedMember* handler = FindPublished(published, handlerName);
            if (handler == nullptr || !handler->bindHandler) {
                RaiseBuildError(QStringLiteral("Handler %1 of %2.%3 not found")
                                    .arg(handlerName, description.name, property.name));
            }
            *event = handler->bindHandler(*this);
        } else if (!control->SetDescribedProperty(property.name, property.value)) {
            RaiseBuildError(QStringLiteral("Property %1.%2 does not exist")
                                .arg(description.name, property.name));
        }
    }

    const TPublishedMember* field = FindPublished(published, description.name);
    if (field != nullptr && field->bindField && !field->bindField(*this, *control)) {
        RaiseBuildError(
            QStringLiteral("Field %1 is not a %2").arg(description.name, description.className));
    }
}

TControl& TForm::ControlNamed(const QString& name) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(), [&](TControl* control) {
        return control->Widget().objectName() == name;
    });
    if (found == controls_.end()) RaiseBuildError(QStringLiteral("Control %1 not found").arg(name));
    return **found;
}

void TForm::ApplyTabOrder(const QStringList& order) {
    for (const QString& name : order) tabOrder_.push_back(&ControlNamed(name));
    for (std::size_t i = 1; i < tabOrder_.size(); ++i) {
        QWidget::setTabOrder(&tabOrder_[i - 1]->Widget(), &tabOrder_[i]->Widget());
    }
}

void TForm::ScaleLayout() {
    if (pixelsPerInch_ <= 0 || textHeight_ <= 0)
        return;  // no stored resolution: nothing to scale from
    const int screenPpi = qRound(screen()->logicalDotsPerInchY());
    const bool storedFontIsDefault = fontFamily_ == kDefaultFontFamily &&
                                     fontCharset_ == kShiftJisCharset &&
                                     fontHeight_ == dividir::DefaultFormFontHeight(screenPpi);
    const int scaledHeight =
        dividir::ScaledFontHeight(fontHeight_, storedFontIsDefault, pixelsPerInch_, screenPpi);
    if (scaledHeight != fontHeight_) {
        fontHeight_ = scaledHeight;
        ApplyFont();
    }
    // Measured at every resolution: a stand-in font may measure otherwise.
    const int measured =
        QFontMetrics(font()).size(Qt::TextSingleLine, QStringLiteral("0")).height();
    for (TControl* control : controls_) {
        QWidget& widget = control->Widget();
        widget.setGeometry(dividir::ScaledBounds(widget.geometry(), measured, textHeight_));
    }
}

void TForm::FitClientToControls() {
    // The extent of the controls: beyond it the window shows scroll bars.
    QSize extent;
    for (TControl* control : controls_) {
        const QWidget& widget = control->Widget();
        if (widget.isHidden()) continue;
        extent =
            extent.expandedTo(QSize(widget.x() + widget.width(), widget.y() + widget.height()));
    }
    client_->resize(extent);
}

void TForm::KeepDesignedOuterSize() {
    // The frame's size is known only once the window system has framed the
    // window; until then, and whenever it changes, the inner size follows so
    // that the outer size stays as designed.
    if (designedFrame_.isNull()) return;
    const QMargins margins =
        windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    if (outerSizeApplied_ && margins == appliedFrameMargins_) return;
    outerSizeApplied_ = true;
    appliedFrameMargins_ = margins;
    resize(designedFrame_.width() - margins.left() - margins.right(),
           designedFrame_.height() - margins.top() - margins.bottom());
}

bool TForm::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WinIdChange:
            KeepDesignedOuterSize();
            break;
        default:
            break;
    }
    return QWidget::event(event);
}

void TForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    KeepDesignedOuterSize();
    if (focusWidget() == nullptr) FocusFirstTabStop();
}

void TForm::FocusFirstTabStop() {
    for (TControl* control : tabOrder_) {
        QWidget& widget = control->Widget();
        if (widget.isVisibleTo(this) && widget.isEnabled() &&
            (widget.focusPolicy() & Qt::TabFocus)) {
            widget.setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

TControl* TForm::ControlOf(const QObject* widget) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(), [&](TControl* control) {
        return &control->Widget() == widget;
    });
    return found == controls_.end() ? nullptr : *found;
}

bool TForm::eventFilter(QObject* watched, QEvent* event) {
    // Keys a control leaves alone (Page Down in a field, say) never scroll
    // the window; only its scroll bars do.
    if (watched == scroller_) return event->type() == QEvent::KeyPress;
    TControl* control = ControlOf(watched);
    if (control == nullptr) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        return HandleAccessKey(static_cast<const QKeyEvent&>(*event),
                               control->TakesTypedCharacters());
    }
    if (event->type() == QEvent::FocusIn) {
        // A control that receives the focus is scrolled into view.
        scroller_->ensureWidgetVisible(&control->Widget(), 0, 0);
    }
    return false;
}

void TForm::keyPressEvent(QKeyEvent* event) {
    const TControl* focused = ControlOf(focusWidget());
    if (!HandleAccessKey(*event, focused != nullptr && focused->TakesTypedCharacters())) {
        QWidget::keyPressEvent(event);
    }
}

bool TForm::HandleAccessKey(const QKeyEvent& event, bool focusedTakesCharacters) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const bool withAlt = (modifiers & ~Qt::ShiftModifier) == Qt::AltModifier;
    const bool alone =
        (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier && !focusedTakesCharacters;
    if (!withAlt && !alone) return false;
    if (const auto pressed = dividir::PressedAccessCharacter(event)) {
        for (TControl* control : controls_) {
            if (dividir::IsAccessKey(control->AccessKey(), *pressed)) {
                control->AccessKeyPressed();
                return true;
            }
        }
    }
    // A character typed with Alt that no control takes is the system's; it
    // never becomes text in the focused control.
    return withAlt && !event.text().isEmpty();
}
