#include "control.h"

#include "platform/guard.h"

bool TControl::SetDescribedProperty(const QString& /*name*/, const QVariant& /*value*/) {
    return false;
}

TNotifyEvent* TControl::EventNamed(QStringView /*name*/) { return nullptr; }

void TControl::Raise(const TNotifyEvent& event) noexcept {
    if (loading_ || !event) return;
    // The guard sits directly around the handler call: whatever the handler
    // raises ends here, never in the Qt code that delivered the event.
    dividir::RunGuarded([&] { event(&Widget()); });
}
