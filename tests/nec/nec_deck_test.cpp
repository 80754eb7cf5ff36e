#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

#include "nec/nec_deck.h"

namespace ondarel {
namespace {

// One card read back by its fixed columns: the mnemonic in 1-2, integers in
// 3-5 and 5-column fields, reals in 10-column fields (GW: from column 11,
// control cards from 21). Every field must stand apart from its neighbour,
// so free-format readers such as nec2c see the same numbers.
struct Card {
    std::string name;
    std::vector<int> ints;
    std::vector<double> reals;
};

std::vector<Card> readDeck(const std::string& deck)
{
    std::vector<Card> cards;
    std::istringstream lines(deck);
    std::string line;
    while (std::getline(lines, line)) {
        Card c{line.substr(0, 2), {}, {}};
        if (c.name == "CM" || c.name == "CE" || c.name == "EN") {
            cards.push_back(c);
            continue;
        }
        EXPECT_LE(line.size(), 80u) << line;
        const bool geometry = c.name == "GW";
        const std::size_t intEnd = geometry ? 10 : 20;
        auto field = [&](std::size_t from, std::size_t width) {
            const std::string text = line.substr(from, width);
            EXPECT_EQ(text.front(), ' ') << "field at column " << from + 1 << " touches its neighbour: " << line;
            return text;
        };
        c.ints.push_back(std::stoi(field(2, 3)));
        for (std::size_t at = 5; at < intEnd && at < line.size(); at += 5) c.ints.push_back(std::stoi(field(at, 5)));
        for (std::size_t at = intEnd; at < line.size(); at += 10) c.reals.push_back(std::stod(field(at, 10)));
        cards.push_back(c);
    }
    return cards;
}

using Point = nec::Point;

bool same(const Point& a, const Point& b, double scale)
{
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]) <= 1e-6 * scale;
}

struct DeckCase {
    const char* name;
    std::string extension;
    std::vector<long double> inputs;
    double frequency_mhz;
    int freeEnds;  // wire ends that meet no other wire (nor the ground)
    std::vector<std::string> controlCards;
};

void PrintTo(const DeckCase& c, std::ostream* os) { *os << c.name; }

class NecDecks : public ::testing::TestWithParam<DeckCase> {};

TEST_P(NecDecks, CardsJunctionsAndSegmentsFollowTheRules)
{
    const DeckCase& c = GetParam();
    const auto deck = nec::necDeck(c.extension, c.inputs);
    ASSERT_TRUE(std::holds_alternative<std::string>(deck)) << std::get<Refusal>(deck).message;
    const auto cards = readDeck(std::get<std::string>(deck));
    const double wavelength = 300 / c.frequency_mhz;

    std::vector<std::string> order;
    std::vector<std::pair<Point, Point>> ends;
    std::vector<int> segments;
    bool ground = false;
    int feedTag = 0, feedSegment = 0;
    double frequency = 0;
    for (const Card& card : cards) {
        if (card.name == "GW") {
            ASSERT_EQ(card.reals.size(), 7u);
            const Point a{card.reals[0], card.reals[1], card.reals[2]}, b{card.reals[3], card.reals[4], card.reals[5]};
            const double length = std::hypot(b[0] - a[0], b[1] - a[1], b[2] - a[2]);
            const double segment = length / card.ints[1];
            EXPECT_LT(segment, 0.1 * wavelength) << "segment below λ/10";
            EXPECT_GE(segment, 2 * card.reals[6] * (1 - 1e-3)) << "segment at least two radii";
            ends.push_back({a, b});
            // A loop's or spiral's wires share one tag and number their segments on.
            const int tag = card.ints[0];
            const int last = static_cast<int>(segments.size());
            EXPECT_TRUE(tag == last || tag == last + 1) << "tags in order";
            if (tag == last)
                segments.back() += card.ints[1];
            else
                segments.push_back(card.ints[1]);
        } else if (card.name != "CM" && card.name != "CE") {
            order.push_back(card.name);
        }
        if (card.name == "GE") ground = card.ints[0] == 1;
        if (card.name == "EX") feedTag = card.ints[1], feedSegment = card.ints[2];
        if (card.name == "FR") frequency = card.reals[0];
        if (card.name == "TL") {
            for (int t : {card.ints[0], card.ints[2]}) ASSERT_TRUE(t >= 1 && t <= static_cast<int>(segments.size()));
            EXPECT_EQ(card.ints[1], (segments[card.ints[0] - 1] + 1) / 2) << "feeder at the middle segment";
        }
    }
    EXPECT_EQ(cards.front().name, "CM");
    EXPECT_EQ(order, c.controlCards);
    EXPECT_NEAR(frequency, c.frequency_mhz, 1e-4 * c.frequency_mhz);
    ASSERT_TRUE(feedTag >= 1 && feedTag <= static_cast<int>(segments.size()));
    EXPECT_TRUE(feedSegment >= 1 && feedSegment <= segments[feedTag - 1]);

    int freeEnds = 0;
    for (std::size_t i = 0; i < ends.size(); ++i) {
        for (const Point& p : {ends[i].first, ends[i].second}) {
            bool met = ground && std::fabs(p[2]) < 1e-9;
            for (std::size_t j = 0; j < ends.size() && !met; ++j)
                met = j != i && (same(p, ends[j].first, wavelength) || same(p, ends[j].second, wavelength));
            freeEnds += met ? 0 : 1;
        }
    }
    EXPECT_EQ(freeEnds, c.freeEnds);
}

const std::vector<std::string> kFreeSpace = {"GE", "EX", "FR", "RP", "RP", "EN"};
const std::vector<std::string> kLossy = {"GE", "LD", "EX", "FR", "RP", "RP", "EN"};
const std::vector<std::string> kOverGround = {"GE", "EK", "GN", "EX", "FR", "RP", "RP", "EN"};

INSTANTIATE_TEST_SUITE_P(
    EveryWireDesign, NecDecks,
    ::testing::Values(
        DeckCase{"short dipole", "dip", {100, 0.01L}, 100, 2, kFreeSpace},
        DeckCase{"half-wave dipole", "lin", {300, 0.5L, 0.001L, 5.76e7L}, 300, 2, kLossy},
        DeckCase{"one-turn small loop", "aec", {300, 0.05L, 0.001L, 5.76e7L, 1}, 300, 0, kLossy},
        DeckCase{"two-turn loop closed by its lead", "aec", {300, 0.1L, 0.001L, 5.76e7L, 2}, 300, 0, kLossy},
        // 0.02λ wire: helix segments of 8 radii would pass λ/10, so the extended kernel.
        DeckCase{"axial helix over ground", "mag", {300, 10, 13, 1}, 300, 1, kOverGround},
        DeckCase{"normal helix over ground", "mng", {300, 1.76L, 12.5L, 0.05L, 0.01L}, 300, 1, kOverGround},
        DeckCase{"six-element dipole Yagi", "yud", {300, 10, 0.005L}, 300, 12, kFreeSpace},
        DeckCase{"six-loop Yagi", "lpc", {300, 10}, 300, 0, kFreeSpace},
        DeckCase{"log-periodic at its band centre",
                 "lgp",
                 {300, 100, 1, 0.9L, 0.15L},
                 std::sqrt(300.0 * 100),
                 32,
                 {"GE", "EX", "TL", "TL", "TL", "TL", "TL", "TL", "TL", "TL", "TL",
                  "TL", "TL", "TL", "TL", "TL", "TL", "FR", "RP", "RP", "EN"}},
        DeckCase{"folded dipole", "dpd", {300, 73, 42.5L, 0.5L, 0.001L, 0.01L}, 300, 0, kFreeSpace}));

struct RefusalCase {
    const char* name;
    std::string extension;
    std::vector<long double> inputs;
    int segments;
    std::string message;  // its beginning
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class NecRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(NecRefusals, SayWhyNoDeckIsWritten)
{
    const RefusalCase& c = GetParam();
    const auto deck = nec::necDeck(c.extension, c.inputs, c.segments);
    ASSERT_TRUE(std::holds_alternative<Refusal>(deck));
    EXPECT_EQ(std::get<Refusal>(deck).message.substr(0, c.message.size()), c.message);
}

const std::string kCannot = "O modelo NEC2 não pode representar esta estrutura: ";

INSTANTIATE_TEST_SUITE_P(
    Rules, NecRefusals,
    ::testing::Values(
        RefusalCase{"the calculator's own check first",
                    "lin",
                    {300, 0, 0.001L, 5.76e7L},
                    0,
                    "Comprimento Normalizado do Dipolo com valor não especificado!"},
        // 0.5λ at λ/10 needs 6 segments; a radius of 0.05λ allows at most 5 (2 radii each).
        RefusalCase{"radius too thick for λ/10 segments",
                    "lin",
                    {300, 0.5L, 0.05L, 5.76e7L},
                    0,
                    kCannot + "o raio do fio é grande demais"},
        RefusalCase{"asked segments too long", "lin", {300, 0.5L, 0.001L, 5.76e7L}, 5, kCannot + "os segmentos passam"},
        RefusalCase{"asked segments too short for the wire",
                    "lin",
                    {300, 0.5L, 0.001L, 5.76e7L},
                    251,
                    kCannot + "o raio do fio é grande demais"},
        RefusalCase{"centre feed needs an odd count", "yud", {300, 10, 0.005L}, 20, kCannot + "o elemento alimentado"},
        RefusalCase{"loop turns must be whole",
                    "aec",
                    {300, 0.05L, 0.001L, 5.76e7L, 2.5L},
                    0,
                    "O modelo NEC2 precisa de um número inteiro de voltas!"},
        RefusalCase{"folded conductors that overlap: the calculator's check",
                    "dpd",
                    {300, 73, 42.5L, 0.5L, 0.01L, 0.0099L},
                    0,
                    "Espaçamento centro-a-centro tem que ser maior"},
        RefusalCase{"not a wire structure", "csg", {300}, 0, "Esta estrutura não tem modelo NEC2!"}));

TEST(NecSegments, AskedCountsAreKeptAndAutomaticOnesAreOddNearTwentyPerWavelength)
{
    struct Row {
        double length, radius;
        int wanted;
        bool centre;
        int expected;
    } rows[] = {
        {0.5, 0.001, 0, true, 11},   // λ/20 → 10, odd upwards
        {0.5, 0.001, 21, true, 21},  // as asked
        {1.0, 0.01, 0, false, 12},   // thin kernel caps at 8 radii: 12
        {0.01, 0.001, 0, true, 1},   // a short stub: one segment
        {0.15, 0.01, 0, true, 3},    // 2 would do for λ/10 but the feed needs odd
    };
    for (const Row& r : rows) {
        const auto n = nec::segmentsFor(r.length, r.radius, 1, r.wanted, r.centre);
        ASSERT_TRUE(std::holds_alternative<int>(n)) << r.length;
        EXPECT_EQ(std::get<int>(n), r.expected) << r.length << " " << r.radius;
    }
}

TEST(NecCardNumbers, FitNineCharactersWithoutNoise)
{
    const std::map<double, std::string> rows = {
        {0, "         0"},        {-1e-17, "         0"},     {0.25, "      0.25"},       {-0.0001234567, " -0.000123"},
        {57600000, "  5.76e+07"}, {299.792458, "  299.7925"}, {-12.3456789, " -12.34568"},
        // Rounding that carries into a new digit, a decimal tie, exact integers.
        {9.99999999, "        10"}, {0.000123456789, " 0.0001235"}, {2.0000001, "         2"},
        {-0.2235968, " -0.223597"}, {999999.9, "  999999.9"}};
    for (const auto& [value, text] : rows) EXPECT_EQ(nec::cardNumber(value), text) << value;
}

}  // namespace
}  // namespace ondarel
