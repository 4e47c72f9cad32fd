// The look the memos and fields share.
#pragma once

#include <QWidget>

namespace dividir {

// A selection shows only while the text box has the focus; the text box
// keeps it all the same.
void HideSelectionWithoutFocus(QWidget& textBox);

}  // namespace dividir
