// Qt's own high-DPI scaling, which must stay off: the forms scale their
// layouts themselves (layout_scaling.h) and keep their sizes in device pixels.
#pragma once

namespace dividir {

// Call before the QApplication is created.
void DisableToolkitDpiScaling();

}  // namespace dividir
