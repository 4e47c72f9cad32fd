#include "layout_scaling.h"

#include "platform/services/mul_div.h"

namespace dividir {

namespace {

constexpr int kPointsPerInch = 72;
constexpr int kDefaultFontPoints = 9;

}  // namespace

int DefaultFormFontHeight(int screenPpi) {
    return -MulDiv(kDefaultFontPoints, screenPpi, kPointsPerInch);
}

int ScaledFontHeight(int storedHeight, bool storedFontIsDefaultAtScreenPpi, int storedPpi,
                     int screenPpi) {
    if (screenPpi == storedPpi || storedFontIsDefaultAtScreenPpi) return storedHeight;
    return MulDiv(storedHeight, screenPpi, storedPpi);
}

QRect ScaledBounds(const QRect& bounds, int measuredTextHeight, int storedTextHeight) {
    if (measuredTextHeight == storedTextHeight) return bounds;
    const auto scale = [&](int value) {
        return MulDiv(value, measuredTextHeight, storedTextHeight);
    };
    const int left = scale(bounds.x());
    const int top = scale(bounds.y());
    const int right = scale(bounds.x() + bounds.width());
    const int bottom = scale(bounds.y() + bounds.height());
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace dividir
