// What every control of a form is besides its Qt widget: the part the form
// builds, binds and asks for access keys, and the way its events reach their
// handlers.
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>
#include <QVariant>
#include <QWidget>
#include <optional>

#include "platform/notify_event.h"

class TControl {
  public:
    TControl() = default;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;
    virtual ~TControl() = default;

    // The Qt widget this control is.
    virtual QWidget& Widget() = 0;

    // While its window is built a control raises no event.
    void SetLoading(bool loading) noexcept { loading_ = loading; }
    bool Loading() const noexcept { return loading_; }

    // Applies a property of the window description other than the bounds
    // and the events; false when the control has no such property.
    virtual bool SetDescribedProperty(const QString& name, const QVariant& value);

    // The event of that name, for binding a handler by name; nullptr when the
    // control has no such event.
    virtual TNotifyEvent* EventNamed(QStringView name);

    // Takes the size its font asks for, after the window's font has changed:
    // labels the size of their caption, fields the height of their font.
    virtual void AdjustSizeToFont() {}

    // The access key of the control's caption, if it has one.
    virtual std::optional<QChar> AccessKey() const { return std::nullopt; }

    // What pressing the access key does: nothing unless a control says so.
    virtual void AccessKeyPressed() {}

    // Whether a typed character is text for this control; where it is not,
    // the character alone counts as an access key.
    virtual bool TakesTypedCharacters() const { return true; }

  protected:
    // Runs the event's handler, with this control as the sender, inside the
    // window's guard; nothing while loading or when the event has no handler.
    void Raise(const TNotifyEvent& event) noexcept;

  private:
    bool loading_ = false;
};
