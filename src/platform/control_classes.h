// The control classes a window description can name.
#pragma once

#include <QString>
#include <QWidget>

#include "platform/control.h"

namespace dividir {

// Creates a control of the named class (TLabel, TMemo, TEdit or TButton)
// inside `parent`; raises Exception for any other name.
TControl* NewControl(const QString& className, QWidget* parent);

}  // namespace dividir
