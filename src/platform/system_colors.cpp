#include "system_colors.h"

namespace dividir {

std::optional<QPalette::ColorRole> SystemColorRole(QStringView name) {
    if (name == u"clBtnFace") return QPalette::Button;
    if (name == u"clWindow") return QPalette::Base;
    if (name == u"clWindowText") return QPalette::WindowText;
    return std::nullopt;
}

}  // namespace dividir
