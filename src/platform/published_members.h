// The members a form class makes known by name, so that its window
// description can name them: fields, bound to the control of the same name
// when the window is built, and handlers, bound to the events that name them.
#pragma once

#include <QString>
#include <functional>

#include "platform/control.h"
#include "platform/notify_event.h"

class TForm;

struct TPublishedMember {
    QString name;
    // For a field: stores the control in the field of the form; false when
    // the control is not of the field's class.
    std::function<bool(TForm& form, TControl& control)> bindField;
    // For a handler: the handler bound to the form.
    std::function<TNotifyEvent(TForm& form)> bindHandler;
};

template <typename Form, typename Control>
TPublishedMember PublishedMember(const char* name, Control* Form::*field) {
    return {QString::fromLatin1(name),
            [field](TForm& form, TControl& control) {
                auto* typed = dynamic_cast<Control*>(&control);
                if (typed == nullptr) return false;
                static_cast<Form&>(form).*field = typed;
                return true;
            },
            {}};
}

template <typename Form>
TPublishedMember PublishedMember(const char* name, void (Form::*handler)(TObject*)) {
    return {QString::fromLatin1(name), {}, [handler](TForm& form) -> TNotifyEvent {
                Form* bound = &static_cast<Form&>(form);
                return [bound, handler](TObject* sender) { (bound->*handler)(sender); };
            }};
}

// Publishes a field or handler of a form class under its own name.
#define DIVIDIR_PUBLISHED(FormClass, member) PublishedMember(#member, &FormClass::member)
