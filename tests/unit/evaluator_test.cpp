#include "formula/evaluator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "unit/recording_formula_host.h"

namespace orvanta {
namespace {

const std::string kInvalid(kInvalidExpression);
const std::string kFailureBox = "错误！: " + std::string(kInvalidExpressionMessage);

// Every pass from `text` until a bare number or the error text comes back.
std::vector<std::string> passes(const std::string& text, RecordingFormulaHost& host) {
  std::vector<std::string> out;
  std::string current = text;
  for (int i = 0; i < 50; ++i) {
    std::string next = gs_step(current, false, host);
    if (next == current) break;
    out.push_back(next);
    if (next == kInvalid) break;
    current = next;
  }
  return out;
}

struct PassCase {
  std::string text;
  std::vector<std::string> passes;
};

class EvaluatorPasses : public testing::TestWithParam<PassCase> {};

TEST_P(EvaluatorPasses, RewritesPassByPass) {
  RecordingFormulaHost host;
  EXPECT_EQ(passes(GetParam().text, host), GetParam().passes);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, EvaluatorPasses,
    testing::Values(
        // A bare number is already finished and comes back untouched.
        PassCase{"", {}}, PassCase{"-5", {}}, PassCase{"12.50", {}}, PassCase{"2 + 3", {"5"}},
        PassCase{"sin(30)", {"0.5"}}, PassCase{"sina(0.5)", {"30"}},
        PassCase{"SIN(1+2)", {"SIN(3)", "0.052335956242944"}},
        PassCase{"SQRT(2+2,3)", {"SQRT(4,3)", "1.587401051968199"}}, PassCase{"LN(-1)", {"0"}},
        PassCase{"ABS(-2.5)", {"2.5"}}, PassCase{"COTA(0)", {"90"}}, PassCase{"SQRT(8,3)", {"2"}},
        PassCase{"SQRT(8,-3)", {"0.5"}}, PassCase{"SQRT(-9)", {"3"}},
        // The radicand ends at the first comma, the index is the run after it.
        PassCase{"SQRT(9,2,3)", {"3"}}, PassCase{"(1+2)*3", {"3*3", "9"}},
        PassCase{"2(3)", {kInvalid}}, PassCase{"(2)3", {kInvalid}}, PassCase{"2^-2", {"0.25"}},
        PassCase{"2^-(1)", {kInvalid}}, PassCase{"2^(1+1)", {"2^2", "4"}},
        PassCase{"2^3^2", {"8^2", "64"}}, PassCase{"-2^2", {"4"}}, PassCase{"3-2^2", {"-1"}},
        PassCase{"3*-2^2", {"12"}}, PassCase{"2*3^2", {"18"}},
        // An operation waits while an operand of it still belongs to a power; once the power
        // is reduced, the operation follows in the same pass (as in 2*3^2).
        PassCase{"2^2+2^2", {"4+2^2", "8"}}, PassCase{"2^3*2^2", {"8*2^2", "32"}},
        PassCase{"2^3^2*5", {"8^2*5", "320"}}, PassCase{"1+2^2^2", {"1+4^2", "17"}},
        PassCase{"1.2.3+1", {kInvalid}}, PassCase{"8/4*2", {"2*2", "4"}},
        PassCase{"8-4+2", {"4+2", "6"}}, PassCase{"2*-3", {"-6"}}, PassCase{"-2*3", {"-6"}},
        PassCase{"5--3", {"8"}}, PassCase{"1-2-3", {"-1-3", "-4"}},
        PassCase{"1/3", {"0.333333333333333"}}, PassCase{"2.50*1", {"2.5"}},
        PassCase{"2+(18-10)/7^2+sin(1)+sqrt(sqrt(5),3)*2",
                 {"2+8/49+0.017452406437284+SQRT(2.23606797749979,3)*2",
                  "2+0.163265306122449+0.017452406437284+1.307660486011831*2",
                  "2+0.163265306122449+0.017452406437284+2.615320972023662",
                  "2.163265306122449+0.017452406437284+2.615320972023662",
                  "2.180717712559733+2.615320972023662", "4.796038684583395"}}));

TEST(Evaluator, RadiansWhenTheDegreeFlagIsOff) {
  RecordingFormulaHost host;
  host.degrees = false;
  EXPECT_EQ(gs_step("sin(30)", false, host), "-0.988031624092862");
  EXPECT_EQ(gs_step("TANA(1)", false, host), "0.785398163397448");
}

TEST(Evaluator, CleansBlanksAndCaseEvenWithoutReduction) {
  RecordingFormulaHost host;
  EXPECT_EQ(gs_step("x y", false, host), "XY");
}

TEST(Evaluator, DivisionByZeroResetsTheCalculatorAndGoesOnWithZero) {
  RecordingFormulaHost host;
  EXPECT_EQ(passes("1/0+5", host), (std::vector<std::string>{"0+5", "5"}));
  EXPECT_EQ(host.resets, 1);
  EXPECT_TRUE(host.boxes.shown.empty());
}

struct FailureCase {
  std::string text;
  const char* why;
};

class EvaluatorFailures : public testing::TestWithParam<FailureCase> {};

TEST_P(EvaluatorFailures, FailsThePassWithTheMessage) {
  RecordingFormulaHost host;
  EXPECT_EQ(gs_step(GetParam().text, true, host), kInvalid) << GetParam().why;
  EXPECT_EQ(host.boxes.texts(), std::vector<std::string>{kFailureBox});
  EXPECT_EQ(host.boxes.shown[0].icon, BoxIcon::Error);
  EXPECT_EQ(host.resets, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, EvaluatorFailures,
    testing::Values(FailureCase{"1.2.3*2", "two points"}, FailureCase{"-*2", "a lone minus"},
                    FailureCase{"2+", "nothing after the operator"},
                    FailureCase{"LN(0)", "logarithm of zero"}, FailureCase{"LG(0)", "ditto"},
                    FailureCase{"SINA(2)", "arcsine beyond 1"},
                    FailureCase{"COSA(-1.5)", "arccosine beyond 1"},
                    FailureCase{"SECA(0.5)", "arcsecant inside (-1, 1)"},
                    FailureCase{"COT(0)", "cotangent of 0"}, FailureCase{"CSC(0)", "ditto"},
                    FailureCase{"SQRT(8,0)", "zero root index"},
                    FailureCase{"-8^0.5", "negative base, fractional exponent"},
                    FailureCase{"0^-1", "zero to a negative power"},
                    FailureCase{"9^99999", "overflow"},
                    FailureCase{")2(", "a ) with no ( before it"},
                    FailureCase{"2+(3)4", "a number glued after a group"},
                    FailureCase{"2SIN(30)", "a number glued before a function"},
                    FailureCase{"SIN(30)5", "a number glued after a function"}));

TEST(Evaluator, FailureWithoutMessagesIsSilent) {
  RecordingFormulaHost host;
  EXPECT_EQ(gs_step("1.2.3+1", false, host), kInvalid);
  EXPECT_TRUE(host.boxes.shown.empty());
}

TEST(Evaluator, GroupsAreReducedWithMessagesOnWhateverTheCaller) {
  RecordingFormulaHost host;
  EXPECT_EQ(gs_step("2*(1.2.3+1)", false, host), "2*" + kInvalid);
  EXPECT_EQ(host.boxes.texts(), std::vector<std::string>{kFailureBox});
  EXPECT_EQ(gs_step("2*" + kInvalid, false, host), kInvalid);
}

TEST(Evaluator, LetsMessagesRunWhileLookingForTheOpeningParenthesis) {
  RecordingFormulaHost host;
  EXPECT_EQ(gs_step("(1+2)", false, host), "3");
  EXPECT_EQ(host.message_runs, 4);
}

// Large values are written in full so that the next pass reads the same value; an exponent
// form typed by hand and the infinity stay unreadable words.
TEST(Evaluator, LargeValuesAreWrittenBackInFullDigits) {
  RecordingFormulaHost host;
  EXPECT_EQ(gs_step("1000000000*1000000000", false, host), "1000000000000000000");
  EXPECT_EQ(passes("10000000000*10000000000-1", host),
            (std::vector<std::string>{"100000000000000000000-1", "100000000000000000000"}));
  EXPECT_EQ(gs_step("2^70", false, host), "1180591620717411303400");
  EXPECT_EQ(gs_step("2^70/4", false, host), "295147905179352825860");
  EXPECT_EQ(gs_step("-10^19*3", false, host), "-30000000000000000000");
  EXPECT_EQ(gs_step("1E18", false, host), "1E18");
  EXPECT_EQ(gs_step("SECA(0)", false, host), "INF");
  EXPECT_EQ(gs_step("INF", false, host), "INF");
}

}  // namespace
}  // namespace orvanta
