// Scaling a form's stored layout to the screen's resolution. All products
// and quotients are taken with MulDiv: to the nearest integer, a half going
// away from zero.
#pragma once

#include <QRect>

namespace dividir {

// The font height (negative: character height in pixels) a form takes at
// `screenPpi` when its stored font was made at `storedPpi`. It changes only
// when the resolutions differ and the stored font is not already the
// platform's default font for new windows at that resolution.
int ScaledFontHeight(int storedHeight, bool storedFontIsDefaultAtScreenPpi, int storedPpi,
                     int screenPpi);

// The character height of the platform's default font for new windows at a
// resolution: "ＭＳ Ｐゴシック", 9 points.
int DefaultFormFontHeight(int screenPpi);

// A control's bounds scaled by `measuredTextHeight` / `storedTextHeight`:
// right and bottom edges are scaled like left and top ones, so controls that
// touched still touch. Unchanged when the two heights are equal.
QRect ScaledBounds(const QRect& bounds, int measuredTextHeight, int storedTextHeight);

}  // namespace dividir
