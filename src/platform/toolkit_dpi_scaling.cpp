#include "toolkit_dpi_scaling.h"

#include <QByteArray>
#include <QtGlobal>

namespace dividir {

void DisableToolkitDpiScaling() {
    // Qt would otherwise scale every window by the screen's logical
    // resolution over 96, on top of the form's own scaling.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", QByteArrayLiteral("0"));
}

}  // namespace dividir
