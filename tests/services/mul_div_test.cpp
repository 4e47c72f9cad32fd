#include "platform/services/mul_div.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>

namespace dividir {
namespace {

struct MulDivCase {
    const char* name;
    int number;
    int numerator;
    int denominator;
    int result;
};

void PrintTo(const MulDivCase& c, std::ostream* os) { *os << c.name; }

class MulDivTest : public ::testing::TestWithParam<MulDivCase> {};

TEST_P(MulDivTest, RoundsHalfAwayFromZero) {
    const MulDivCase& c = GetParam();
    EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.result);
}

INSTANTIATE_TEST_SUITE_P(Values, MulDivTest,
                         ::testing::Values(
                             // The layout's scaling: the font height at 120 and 144 pixels per
                             // inch, and the edges of the input memo and the quit button for a
                             // text height of 15 instead of 12.
                             MulDivCase{"FontHeightAt120", -12, 120, 96, -15},
                             MulDivCase{"FontHeightAt144", -12, 144, 96, -18},
                             MulDivCase{"DefaultFontAt120", 9, 120, 72, 15},
                             MulDivCase{"MemoRightEdge", 273 + 16, 15, 12, 361},     // 361.25
                             MulDivCase{"MemoBottomEdge", 48 + 73, 15, 12, 151},     // 151.25
                             MulDivCase{"ButtonBottomEdge", 440 + 25, 15, 12, 581},  // 581.25
                             MulDivCase{"ThreeQuartersUp", 11, 15, 12, 14},          // 13.75
                             MulDivCase{"HalfUp", 1, 1, 2, 1},
                             MulDivCase{"HalfUpAgain", 5, 1, 2, 3},
                             MulDivCase{"NegativeHalfAwayFromZero", -5, 1, 2, -3},
                             MulDivCase{"NegativeNumeratorHalf", 5, -1, 2, -3},
                             MulDivCase{"NegativeDenominatorHalf", 5, 1, -2, -3},
                             MulDivCase{"TwoNegativesHalf", -5, 1, -2, 3},
                             MulDivCase{"JustBelowHalf", 7, 1, 15, 0},  // 0.4667
                             MulDivCase{"NegativeJustBelowHalf", -7, 1, 15, 0},
                             MulDivCase{"ProductBeyondInt", INT_MAX, INT_MAX, INT_MAX, INT_MAX},
                             MulDivCase{"SmallestInt", INT_MIN, 1, 1, INT_MIN},
                             MulDivCase{"ResultBeyondIntGivesMinusOne", INT_MAX, 2, 1, -1},
                             MulDivCase{"NegatedSmallestIntGivesMinusOne", INT_MIN, -1, 1, -1},
                             MulDivCase{"ZeroDenominatorGivesMinusOne", 5, 3, 0, -1},
                             MulDivCase{"ZeroOverZeroGivesMinusOne", 0, 0, 0, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dividir
