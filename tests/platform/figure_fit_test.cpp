// A figure wider than its label or box is painted smaller, down to the smallest screen size,
// and past it cut with its sign and yen mark kept; a box being typed in shows its text as it is.
#include "platform/controls.h"
#include "platform/figure_label.h"
#include "support/painted_figures.h"
#include "support/ui_script.h"

#include <QApplication>
#include <QFont>
#include <QFontMetricsF>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace lukana::platform;

namespace {

QFont amountFont() {
    QFont f(QStringLiteral("Courier New"), 9);
    f.setBold(true);
    return f;
}

const QString kWidestTwelve = QStringLiteral("-¥999,999,999,999");

struct Figure {
    QString text;
    int digits;
};

// Twelve, thirteen and fourteen digits, positive and negative, with and without the yen mark.
const Figure kFigures[] = {
    {QStringLiteral("999,999,999,999"), 12},     {QStringLiteral("-999,999,999,999"), 12},
    {QStringLiteral("¥999,999,999,999"), 12},    {QStringLiteral("-¥999,999,999,999"), 12},
    {QStringLiteral("1,999,999,999,998"), 13},   {QStringLiteral("-1,999,999,999,998"), 13},
    {QStringLiteral("¥1,000,016,777,716"), 13},  {QStringLiteral("-¥1,999,999,999,998"), 13},
    {QStringLiteral("29,999,999,999,970"), 14},  {QStringLiteral("-29,999,999,999,970"), 14},
    {QStringLiteral("¥29,999,999,999,970"), 14}, {QStringLiteral("-¥29,999,999,999,970"), 14},
};

// A width that shows the widest twelve-digit figure whole, as the windows size their labels.
template <class W> int widthForTwelveDigits(W& w) {
    const QString kept = w.text();
    w.setText(kWidestTwelve);
    const int width = w.sizeHint().width();
    w.setText(kept);
    return width;
}

} // namespace

// In a label as wide as twelve digits need, every figure up to fourteen digits is painted whole,
// twelve digits at the label's size; in half that room the longer ones are cut, sign kept.
TEST(FigureFit, ALabelPaintsEveryFigureWholeOrCutWithItsSign) {
    QWidget window;
    auto* label = new FigureLabel(&window);
    label->setFont(amountFont());
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    const int full = widthForTwelveDigits(*label);
    label->setGeometry(0, 0, full, 24);
    window.show();
    ScreenTextRecording rec;
    for (const Figure& f : kFigures) {
        SCOPED_TRACE(f.text.toStdString());
        label->resize(full, 24);
        label->setText(f.text);
        const ScreenText* painted = paintedBy(rec, *label, label);
        EXPECT_TRUE(expectPaintedFigure(painted, f.text));
        ASSERT_TRUE(painted);
        EXPECT_EQ(painted->room, label->textRoom());
        // Smaller only where the figure is wider than the label, as fourteen digits are.
        const bool wider =
            QFontMetricsF(label->font()).horizontalAdvance(f.text) > label->textRoom().width();
        EXPECT_EQ(painted->fitted.points < 9, wider);
        EXPECT_TRUE(wider || f.digits < 14);
        EXPECT_EQ(painted->fitted.text, label->shownText().text);

        label->resize(full / 2, 24);
        painted = paintedBy(rec, *label, label);
        if (f.digits > 12) {
            EXPECT_FALSE(expectPaintedFigure(painted, f.text)); // cut, its sign kept
        } else {
            expectPaintedFigure(painted, f.text);
        }
    }
    // A text that is no figure is painted as it is.
    label->setText(QStringLiteral("abc"));
    const ScreenText* painted = paintedBy(rec, *label, label);
    ASSERT_TRUE(painted);
    EXPECT_EQ(painted->fitted.text, QStringLiteral("abc"));
}

// A box not being typed in paints a long figure as a label does; typed in, it shows the real
// text, and the figure it holds is never changed by the painting.
TEST(FigureFit, ABoxPaintsAFigureFittedUntilItIsTypedIn) {
    QWidget window;
    auto* other = new TextBox(&window);
    auto* box = new TextBox(&window);
    box->setFont(amountFont());
    box->setAlignment(Qt::AlignRight);
    box->setWidestText(kWidestTwelve);
    box->setGeometry(0, 30, box->minimumWidth(), box->sizeHint().height());
    window.show();
    QApplication::setActiveWindow(&window);
    other->setFocus();
    ScreenTextRecording rec;
    for (const Figure& f : kFigures) {
        SCOPED_TRACE(f.text.toStdString());
        box->setText(f.text);
        const ScreenText* painted = paintedBy(rec, *box, box);
        EXPECT_TRUE(expectPaintedFigure(painted, f.text));
        if (painted && f.digits == 12) {
            EXPECT_EQ(painted->fitted.points, 9);
        }
        EXPECT_EQ(box->text(), f.text);
    }
    box->setFocus();
    ASSERT_TRUE(box->hasFocus());
    rec.texts.clear();
    box->grab();
    EXPECT_EQ(rec.last(box), nullptr); // the line edit's own painting, the whole text
    EXPECT_EQ(box->text(), kFigures[std::size(kFigures) - 1].text);
}

// A figure is taken as fitting without being laid out only where it truly fits: in the
// program's fonts, a room a little narrower than the figure always gets it smaller or cut.
TEST(FigureFit, AFigureIsNeverTakenAsFittingARoomNarrowerThanIt) {
    std::vector<QString> figures{QStringLiteral("@499,999,999,999.5"),
                                 QStringLiteral("-@123,456,789,012."), QStringLiteral("11,111")};
    for (const Figure& f : kFigures)
        figures.push_back(f.text);
    for (const char* family : {"Liberation Mono", "Liberation Sans", "IPAGothic", "IPAPGothic"}) {
        for (const bool bold : {false, true}) {
            QFont font{QString::fromLatin1(family), 9};
            font.setBold(bold);
            const ScreenFont measured(font);
            for (const QString& text : figures) {
                SCOPED_TRACE((QString::fromLatin1(family) + u' ' + text).toStdString());
                const double width = QFontMetricsF(font).horizontalAdvance(text);
                const FittedText narrower = measured.fit(text, width - 0.5, TextKeep::End);
                EXPECT_TRUE(narrower.cut || narrower.points < measured.points());
                const FittedText room = measured.fit(text, std::ceil(width), TextKeep::End);
                EXPECT_EQ(room.text, text);
                EXPECT_EQ(room.points, measured.points());
            }
        }
    }
}

// A password of digits is a figure to look at, but its box keeps hiding it when left.
TEST(FigureFit, APasswordBoxKeepsItsDigitsHidden) {
    QWidget window;
    auto* other = new TextBox(&window);
    auto* box = new TextBox(&window);
    box->setEchoMode(QLineEdit::Password);
    box->setGeometry(0, 30, 100, box->sizeHint().height());
    window.show();
    QApplication::setActiveWindow(&window);
    other->setFocus();
    ScreenTextRecording rec;
    box->setText(QStringLiteral("1234"));
    box->grab();
    EXPECT_EQ(rec.last(box), nullptr);
}
