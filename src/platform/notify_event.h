// What an event handler is: a method of a form, taking the control that
// raised the event, bound to the form it belongs to.
#pragma once

#include <QObject>
#include <functional>

// Every control is a Qt object; a handler only ever sees it as the sender.
using TObject = QObject;

// An event's handler, or empty when the event has none. Raised only through
// the window's guard (guard.h).
using TNotifyEvent = std::function<void(TObject* Sender)>;
