// The system colours a window description names, as roles of Qt's palette.
#pragma once

#include <QPalette>
#include <QStringView>
#include <optional>

namespace dividir {

// clBtnFace, clWindow and clWindowText; none for any other name.
std::optional<QPalette::ColorRole> SystemColorRole(QStringView name);

}  // namespace dividir
