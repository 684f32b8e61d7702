#include "fonts.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

namespace lukana::platform {

namespace {

const QString kJapaneseFace = QStringLiteral("ＭＳ Ｐゴシック");

// Once; pages are also drawn and measured where installFonts never ran (tests, tools).
void substituteFonts() {
    static const bool done = [] {
        const QStringList gothic{QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック")};
        const QStringList pGothic{QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")};
        const QStringList mincho{QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝")};
        const QStringList pMincho{QStringLiteral("IPAPMincho"), QStringLiteral("IPA P明朝")};
        const struct {
            const char* name;
            QStringList substitutes;
        } table[] = {
            {"ＭＳ ゴシック", gothic},
            {"MS ゴシック", gothic},
            {"MS Gothic", gothic},
            {"ＭＳ Ｐゴシック", pGothic},
            {"MS Pゴシック", pGothic},
            {"MS PGothic", pGothic},
            {"MS UI Gothic", pGothic},
            {"ＭＳ 明朝", mincho},
            {"MS 明朝", mincho},
            {"MS Mincho", mincho},
            {"ＭＳ Ｐ明朝", pMincho},
            {"MS P明朝", pMincho},
            {"MS PMincho", pMincho},
            {"Courier New", {QStringLiteral("Liberation Mono")}},
            {"Courier", {QStringLiteral("Liberation Mono")}},
            {"Arial", {QStringLiteral("Liberation Sans")}},
            {"Times New Roman", {QStringLiteral("Liberation Serif")}},
        };
        for (const auto& entry : table)
            QFont::insertSubstitutions(QString::fromUtf8(entry.name), entry.substitutes);
        return true;
    }();
    (void)done;
}

} // namespace

void installFonts() {
    substituteFonts();
    // Latin text in the Japanese UI font, with the Japanese glyphs always found.
    QFont base(kJapaneseFace);
    base.setPointSize(10);
    QApplication::setFont(base);
}

QFont pageFont() {
    substituteFonts();
    QFont font(kJapaneseFace);
    font.setPointSizeF(10);
    return font;
}

} // namespace lukana::platform
