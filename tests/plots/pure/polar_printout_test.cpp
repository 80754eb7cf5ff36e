#include "plots/pure/polar_printout.h"

#include <gtest/gtest.h>

#include "antennas/wire/wire_patterns.h"
#include "catalogue/catalogue.h"
#include "plots/pure/recording_canvas.h"

namespace ondarel {
namespace {

using test::CallKind;
using test::RecordingCanvas;

RecordingCanvas printed(int code)
{
    const auto tables = infinitesimalDipolePolarTables();
    const PatternSource* source = patternSourceFor(code, "TForm3");
    RecordingCanvas page;
    printWirePolarPage(page, source ? source->printTitle : std::nullopt, tables.e, tables.h);
    return page;
}

TEST(PolarPrintout, TitleFollowsTheRememberedCalculator)
{
    struct Case {
        int code;
        const char* title;  // nullptr: no title line
    };
    const Case cases[] = {
        {2, "Diagrama da Antena Dipolo Elementar ou Infinitesimal"},
        {8, "Diagrama da Antena Helicoidal - Modo Axial"},
        {12, "Diagrama da Antena Helicoidal - Modo Normal"},
        {10, nullptr},
        {3, nullptr},  // the pattern window's own number is never a calculator
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        const RecordingCanvas page = printed(c.code);
        const auto* title = page.textAt(700, 150);
        int twelvePointTexts = 0;
        for (const auto& t : page.of(CallKind::Text)) twelvePointTexts += t.font.size == 12;
        if (!c.title) {
            EXPECT_EQ(title, nullptr);
            EXPECT_EQ(twelvePointTexts, 0);
            continue;
        }
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->text, c.title);
        EXPECT_EQ(title->font.family, "Arial");
        EXPECT_EQ(title->font.size, 12);
        EXPECT_FALSE(title->font.sizeInPixels);
        EXPECT_EQ(twelvePointTexts, 1);
    }
}

TEST(PolarPrintout, BothPlanesAtTheirPrinterPositions)
{
    const RecordingCanvas page = printed(10);
    struct Caption {
        int x, y;
        const char* text;
    };
    for (const Caption& c :
         {Caption{550, 250, "Plano E (Plano Vertical):"}, Caption{1200, 250, "Plano H (Plano Horizontal):"}}) {
        const auto* t = page.textAt(c.x, c.y);
        ASSERT_NE(t, nullptr) << c.text;
        EXPECT_EQ(t->text, c.text);
        EXPECT_EQ(t->font.size, 8);
    }
    const auto circles = page.of(CallKind::Ellipse);
    ASSERT_EQ(circles.size(), 10u);
    // Outer rings of radius 250 round (700, 600) and (1400, 600).
    EXPECT_EQ(std::vector<int>({circles[0].x1, circles[0].y1, circles[0].x2, circles[0].y2}),
              std::vector<int>({450, 350, 950, 850}));
    EXPECT_EQ(std::vector<int>({circles[5].x1, circles[5].y1, circles[5].x2, circles[5].y2}),
              std::vector<int>({1150, 350, 1650, 850}));
    EXPECT_NE(page.textAt(680, 340), nullptr);   // "0dB" of the E plane
    EXPECT_NE(page.textAt(1380, 590), nullptr);  // "-40dB" of the H plane
}

TEST(PolarPrintout, GridUsesThePagePenAndTheCurveAThinRedOne)
{
    const RecordingCanvas page = printed(2);
    for (const auto& c : page.of(CallKind::Ellipse)) EXPECT_EQ(c.penWidth, 5);
    const auto grid = page.linesIn(CanvasColor::Black);
    ASSERT_EQ(grid.size(), 24u);
    for (const auto& line : grid) EXPECT_EQ(line.penWidth, 5);
    const auto curves = page.linesIn(CanvasColor::Red);
    ASSERT_EQ(curves.size(), 2u * 359u);
    for (const auto& line : curves) EXPECT_EQ(line.penWidth, 1);
    // The H plane of the dipole is a full circle on the outer ring.
    EXPECT_EQ(std::make_pair(curves[359 + 89].x1, curves[359 + 89].y1), std::make_pair(1650, 600));
}

}  // namespace
}  // namespace ondarel
