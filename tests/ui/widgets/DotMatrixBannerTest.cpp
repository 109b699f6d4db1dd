#include "platform/widgets/DotGlyphs.h"
#include "platform/widgets/DotMatrixBanner.h"

#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

using quorvel::DotMatrixBanner;

namespace {

TEST(DotMatrixBannerTest, textEntersAtTheRightAndRestartsOnceItsLastCharacterReachedTheLeft)
{
    DotMatrixBanner banner;
    banner.setScrolling(false);
    banner.setCells(4);
    banner.setText(QStringLiteral("ABC"));

    const QStringList expected = {
        QStringLiteral("   A"), QStringLiteral("  AB"), QStringLiteral(" ABC"), QStringLiteral("ABC "),
        QStringLiteral("BC  "), QStringLiteral("C   "),
        QStringLiteral("   A"),   // round again, without end
    };
    for (int i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(banner.shownText(), expected[i]) << "step " << i;
        banner.step();
    }
}

TEST(DotMatrixBannerTest, textLongerThanTheCellsScrollsThroughWhole)
{
    DotMatrixBanner banner;
    banner.setScrolling(false);
    const QString text = QStringLiteral("Welcome to use Quorvel  ");
    banner.setText(text);
    ASSERT_EQ(banner.cells(), 17);
    for (int i = 1; i < 17; ++i)
        banner.step();
    EXPECT_EQ(banner.shownText(), text.left(17));
    for (int i = 0; i < int(text.size()) - 1; ++i)
        banner.step();
    EXPECT_EQ(banner.shownText(), QString(16, QLatin1Char(' ')) + text.back());
}

TEST(DotMatrixBannerTest, scrollsByItselfEvery400Ms)
{
    DotMatrixBanner banner;
    EXPECT_EQ(banner.interval(), 400);
    EXPECT_TRUE(banner.isScrolling());
    banner.setText(QStringLiteral("AB"));
    const QString first = banner.shownText();
    EXPECT_TRUE(QTest::qWaitFor([&] { return banner.shownText() != first; }, 2000));
}

TEST(DotGlyphsTest, blankIsDarkAndLettersLightSomeDots)
{
    const auto& blank = quorvel::dotGlyph(QLatin1Char(' '));
    const auto& w = quorvel::dotGlyph(QLatin1Char('W'));
    int blankDots = 0, wDots = 0;
    for (int r = 0; r < quorvel::kDotRows; ++r)
        for (int c = 0; c < quorvel::kDotColumns; ++c) {
            blankDots += quorvel::dotLit(blank, c, r);
            wDots += quorvel::dotLit(w, c, r);
        }
    EXPECT_EQ(blankDots, 0);
    EXPECT_GT(wDots, 8);
}

} // namespace
