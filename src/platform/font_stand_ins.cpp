#include "font_stand_ins.h"

#include <QStringList>
#include <mutex>

namespace dividir {

namespace {

void RegisterStandIns() {
    // VL PGothic and Ume P Gothic set text exactly at the font's pixel height,
    // as MS PGothic does; other Japanese fonts (IPA P Gothic among them)
    // measure a pixel more and would scale the whole layout.
    const QStringList pGothicStandIns = {QStringLiteral("MS PGothic"), QStringLiteral("VL PGothic"),
                                         QStringLiteral("Ume P Gothic")};
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), pGothicStandIns);
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), pGothicStandIns.mid(1));
}

}  // namespace

QFont DescribedFont(const QString& family, int pixelHeight) {
    static std::once_flag registered;
    std::call_once(registered, RegisterStandIns);
    QFont font(family);
    font.setPixelSize(pixelHeight);
    return font;
}

}  // namespace dividir
