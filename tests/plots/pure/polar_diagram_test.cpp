#include "plots/pure/polar_diagram.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/checked_math.h"
#include "plots/pure/recording_canvas.h"

namespace ondarel {
namespace {

using test::CallKind;
using test::CanvasCall;
using test::RecordingCanvas;

constexpr PolarFrame kPrinted{700, 600, 250};

// Point j (1 … 360) of the curve: the start of line j, the end of the last.
std::pair<int, int> curvePoint(const std::vector<CanvasCall>& curve, int j)
{
    if (j == 360) return {curve.back().x2, curve.back().y2};
    return {curve[j - 1].x1, curve[j - 1].y1};
}

std::vector<CanvasCall> drawnCurve(const PatternTable& samples, const PolarFrame& frame)
{
    RecordingCanvas canvas;
    drawPolarDiagram(canvas, samples, frame);
    return canvas.linesIn(CanvasColor::Red);
}

PatternTable filled(long double value)
{
    PatternTable t{};
    for (int k = 1; k <= 360; ++k) t[k] = value;
    return t;
}

struct PlacementCase {
    int pageWidth, pageHeight;
    PolarPlane plane;
    PolarBox box;
    PolarFrame frame;
};

TEST(PolarPlacement, BoxAndCentreFollowThePage)
{
    const PlacementCase cases[] = {
        // The E-plane centre is (h div 6)·3, the H-plane one h div 2.
        {642, 300, PolarPlane::E, {10, 20, 301, 295}, {150, 147, 97}},
        {642, 300, PolarPlane::H, {331, 20, 301, 295}, {150, 147, 97}},
        {643, 304, PolarPlane::E, {10, 20, 301, 299}, {150, 147, 97}},
        {643, 304, PolarPlane::H, {331, 20, 301, 299}, {150, 149, 99}},
        {800, 461, PolarPlane::E, {10, 20, 380, 456}, {190, 228, 178}},
        {800, 461, PolarPlane::H, {410, 20, 380, 456}, {190, 228, 178}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pageWidth << "x" << c.pageHeight << " plane " << int(c.plane));
        const PolarBox box = polarBox(c.pageWidth, c.pageHeight, c.plane);
        EXPECT_EQ(box.left, c.box.left);
        EXPECT_EQ(box.top, c.box.top);
        EXPECT_EQ(box.width, c.box.width);
        EXPECT_EQ(box.height, c.box.height);
        const PolarFrame frame = polarFrameOnScreen(box, c.plane);
        EXPECT_EQ(frame.cx, c.frame.cx);
        EXPECT_EQ(frame.cy, c.frame.cy);
        EXPECT_EQ(frame.radius, c.frame.radius);
    }
}

struct LevelCase {
    PolarFrame frame;
    int circle[5][4];  // bounding boxes, n = 4 … 0
    int labelY[5];
};

TEST(PolarDiagram, LevelCirclesFromTheOuterRingInwardsWithTheirLabels)
{
    const LevelCase cases[] = {
        {kPrinted,
         {{450, 350, 950, 850}, {512, 412, 887, 787}, {575, 475, 825, 725}, {637, 537, 762, 662}, {700, 600, 700, 600}},
         {340, 402, 465, 527, 590}},
        {{150, 147, 97},
         {{53, 50, 247, 244}, {77, 74, 222, 219}, {101, 98, 198, 195}, {125, 122, 174, 171}, {150, 147, 150, 147}},
         {40, 64, 88, 112, 137}},
    };
    const char* labels[] = {"   0dB", " -10dB", " -20dB", " -30dB", " -40dB"};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "radius " << c.frame.radius);
        RecordingCanvas canvas;
        drawPolarDiagram(canvas, filled(1), c.frame);
        const auto circles = canvas.of(CallKind::Ellipse);
        const auto texts = canvas.of(CallKind::Text);
        ASSERT_EQ(circles.size(), 5u);
        ASSERT_EQ(texts.size(), 5u + 12u);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(circles[i].x1, c.circle[i][0]);
            EXPECT_EQ(circles[i].y1, c.circle[i][1]);
            EXPECT_EQ(circles[i].x2, c.circle[i][2]);
            EXPECT_EQ(circles[i].y2, c.circle[i][3]);
            EXPECT_EQ(circles[i].brush, CanvasColor::White);
            EXPECT_EQ(circles[i].penColor, CanvasColor::Black);
            EXPECT_EQ(texts[i].text, labels[i]);
            EXPECT_EQ(texts[i].x1, c.frame.cx - 20);
            EXPECT_EQ(texts[i].y1, c.labelY[i]);
            EXPECT_EQ(texts[i].brush, CanvasColor::SystemWindow);
        }
    }
}

// A coordinate truncated from its exact value. Where that value is a whole
// number the computed cosine or sine may fall a hair either side of it, and
// truncation then gives it or the pixel before.
void expectTruncated(int actual, double exact)
{
    if (exact == std::floor(exact))
        EXPECT_TRUE(actual == exact || actual == exact - 1) << actual << " for " << exact;
    else
        EXPECT_EQ(actual, static_cast<int>(std::trunc(exact)));
}

TEST(PolarDiagram, SpokesStartAtTheTopAndGrowClockwise)
{
    struct Spoke {
        int l;
        double endX, endY;
        double labelX, labelY;
        const char* label;
    };
    // Centre (700, 600), radius 250; labels 20 further out, offset by (−15, −10).
    const Spoke spokes[] = {
        {0, 700, 350, 685, 320, "  0\u00B0"},
        {1, 825, 383.4936, 820, 356.1731, " 30\u00B0"},
        {3, 950, 600, 955, 590, " 90\u00B0"},
        {4, 916.5064, 725, 918.8269, 725, "120\u00B0"},
        {6, 700, 850, 685, 860, "180\u00B0"},
        {9, 450, 600, 415, 590, "270\u00B0"},
        {11, 575, 383.4936, 550, 356.1731, "330\u00B0"},
    };
    RecordingCanvas canvas;
    drawPolarDiagram(canvas, filled(1), kPrinted, 5);
    const auto grid = canvas.linesIn(CanvasColor::Black);
    const auto texts = canvas.of(CallKind::Text);
    ASSERT_EQ(grid.size(), 12u);
    ASSERT_EQ(texts.size(), 17u);
    for (const auto& s : spokes) {
        SCOPED_TRACE(s.label);
        const CanvasCall& line = grid[s.l];
        EXPECT_EQ(line.x1, 700);
        EXPECT_EQ(line.y1, 600);
        expectTruncated(line.x2, s.endX);
        expectTruncated(line.y2, s.endY);
        EXPECT_EQ(line.penWidth, 5);
        const CanvasCall& label = texts[5 + s.l];
        EXPECT_EQ(label.text, s.label);
        expectTruncated(label.x1, s.labelX);
        expectTruncated(label.y1, s.labelY);
        EXPECT_EQ(label.brush, CanvasColor::SystemActiveBorder);
    }
}

TEST(PolarDiagram, FigureOfEightHasLobesRightAndLeftAndNullsTopAndBottom)
{
    PatternTable sinSquared{};
    for (int k = 1; k <= 360; ++k) sinSquared[k] = std::pow(std::sin(k * xmath::kPi / 180), 2);
    const auto curve = drawnCurve(sinSquared, kPrinted);
    ASSERT_EQ(curve.size(), 359u);
    for (const auto& line : curve) EXPECT_EQ(line.penWidth, 1);

    struct Expected {
        int j, x, y;
    };
    const Expected points[] = {
        {90, 950, 600},   // lobe to the right
        {270, 450, 600},  // lobe to the left
        {180, 700, 600},  // null at the bottom
        {360, 700, 600},  // null at the top, where the curve ends
    };
    for (const auto& p : points) {
        SCOPED_TRACE(p.j);
        EXPECT_EQ(curvePoint(curve, p.j), std::make_pair(p.x, p.y));
    }
    // Sample 1 (−35.2 dB) lies just off the centre: no segment runs back to it.
    const auto first = curvePoint(curve, 1);
    EXPECT_NE(first, std::make_pair(700, 600));
    for (const auto& line : curve) EXPECT_FALSE(line.x2 == first.first && line.y2 == first.second);
}

TEST(PolarDiagram, ConstantTableLiesOnTheOuterRing)
{
    for (const PolarFrame& frame : {kPrinted, PolarFrame{150, 147, 97}}) {
        const auto curve = drawnCurve(filled(100), frame);
        ASSERT_EQ(curve.size(), 359u);
        for (int j = 1; j <= 360; ++j) {
            const auto [x, y] = curvePoint(curve, j);
            const double distance = std::hypot(x - frame.cx, y - frame.cy);
            EXPECT_NEAR(distance, frame.radius, 1.5) << "point " << j;
        }
    }
}

TEST(PolarDiagram, AllZeroTableDrawsEveryPointAtTheCentre)
{
    const auto curve = drawnCurve(filled(0), kPrinted);
    ASSERT_EQ(curve.size(), 359u);
    for (const auto& line : curve) {
        EXPECT_EQ(std::make_pair(line.x1, line.y1), std::make_pair(700, 600));
        EXPECT_EQ(std::make_pair(line.x2, line.y2), std::make_pair(700, 600));
    }
}

TEST(PolarDiagram, SamplesFortyDecibelsDownOrLessSitAtTheCentre)
{
    struct Case {
        long double sample;
        bool atCentre;
    };
    const Case cases[] = {{0.0001L, true}, {0.00005L, true},  {0, true},
                          {-0.5L, true},   {0.00011L, false}, {0.1L, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.sample));
        PatternTable t = filled(1);
        t[90] = c.sample;  // to the right of the centre
        const auto [x, y] = curvePoint(drawnCurve(t, kPrinted), 90);
        EXPECT_EQ(y, 600);
        if (c.atCentre)
            EXPECT_EQ(x, 700);
        else
            EXPECT_GT(x, 700);
    }
}

TEST(PolarDiagram, DepthIsDecibelsBelowTheReference)
{
    struct Case {
        long double sample, reference, depth;
    };
    const Case cases[] = {
        {1, 1, 0},
        {0.1L, 1, 10},
        {0.5L, 1, 3.0102999566L},
        {0.0001L, 1, 40},
        {0.00011L, 1, 39.5860731484L},
        {0, 1, 40},
        {25, 100, 6.0205999133L},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.sample));
        EXPECT_NEAR(static_cast<double>(polarDepth(c.sample, c.reference)), static_cast<double>(c.depth), 1e-9);
    }
    EXPECT_EQ(polarReference(filled(0)), 1);
    PatternTable mixed = filled(2);
    mixed[200] = -7;
    EXPECT_EQ(polarReference(mixed), 7);
}

}  // namespace
}  // namespace ondarel
