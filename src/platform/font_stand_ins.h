// Fonts a window description names that this system may not have.
#pragma once

#include <QFont>
#include <QString>

namespace dividir {

// The font of a window description: the named family at a character height
// of `pixelHeight` pixels. Where the family is missing, a stand-in that
// measures text at its pixel height like the original takes its place, so
// that the stored layout needs no scaling.
QFont DescribedFont(const QString& family, int pixelHeight);

}  // namespace dividir
