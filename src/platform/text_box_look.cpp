#include "text_box_look.h"

#include <QPalette>

namespace dividir {

void HideSelectionWithoutFocus(QWidget& textBox) {
    // Qt draws the selection of a text box without focus in the inactive
    // colours; drawn as plain text it disappears.
    QPalette palette = textBox.palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Inactive, QPalette::Base));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Inactive, QPalette::Text));
    textBox.setPalette(palette);
}

}  // namespace dividir
