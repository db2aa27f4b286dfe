#include "formula/formula_panel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formula/evaluator.h"
#include "formula/normalise.h"
#include "unit/recording_formula_host.h"

namespace orvanta {
namespace {

const std::string kBracketBox = "错误！: " + std::string(kBracketMessage);
const std::string kLimitBox = "错误！: " + std::string(kPassLimitMessage);

struct NormaliseCase {
  std::string text;
  std::string normalised;
};

class Normalise : public testing::TestWithParam<NormaliseCase> {};

TEST_P(Normalise, TurnsWrittenFormulasIntoPlainOnes) {
  RecordingFormulaHost host;
  EXPECT_EQ(gs_normalise(GetParam().text, host), GetParam().normalised);
  EXPECT_TRUE(host.boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, Normalise,
    testing::Values(NormaliseCase{"（１＋２）×３", "(1+2)*3"},
                    NormaliseCase{"８÷４－１／２＋０·５", "8/4-1/2+0.5"},
                    NormaliseCase{"１　２ 3", "123"},
                    // What an input method types in full-width mode.
                    NormaliseCase{"３．５＋１", "3.5+1"}, NormaliseCase{"２＊３＾２", "2*3^2"},
                    NormaliseCase{"sqrt(8，3)", "sqrt(8,3)"},
                    NormaliseCase{"SQRT(SQRT(5)，-3)", "SQRT(SQRT(5),-3)"},
                    NormaliseCase{"ＳＩＮ（３０）＋ｓｑｒｔ（４）", "SIN(30)+SQRT(4)"},
                    // Full-width letters that name no function are annotation text.
                    NormaliseCase{"2（ＰＶＣ管）*ＰＶＣ3", "2*3"},
                    // A comma inside an annotation goes with the annotation.
                    NormaliseCase{"3（长，宽）*2", "3*2"},
                    NormaliseCase{"3〔长度〕*25〔宽度〕+45〔梁东西方向长度〕*25〔个数〕",
                                  "3*25+45*25"},
                    NormaliseCase{"2(3+4)", "2*(3+4)"}, NormaliseCase{"(1+2)3", "(1+2)*3"},
                    NormaliseCase{"1.(2)(3).5", "1.*(2)(3)*.5"},
                    // Two nested empty pairs leave one.
                    NormaliseCase{"2+(())", "2+()"}, NormaliseCase{"", ""}));

TEST(Normalise, RefusesUnequalBracketCountsWithTheMessage) {
  RecordingFormulaHost host;
  EXPECT_EQ(gs_normalise("((1+2)", host), std::nullopt);
  EXPECT_EQ(host.boxes.texts(), std::vector<std::string>{kBracketBox});
  EXPECT_EQ(host.boxes.shown[0].icon, BoxIcon::Error);
}

FormulaRun calculate(const std::string& formula, RecordingFormulaHost& host) {
  FormulaPanel panel;
  panel.set_working_formula(formula);
  return panel.calculate(false, host);
}

struct PanelCase {
  std::string formula;
  std::string out;
};

class PanelEvaluation : public testing::TestWithParam<PanelCase> {};

TEST_P(PanelEvaluation, PutsTheNumberOnTheCalculator) {
  RecordingFormulaHost host;
  const FormulaRun run = calculate(GetParam().formula, host);
  EXPECT_TRUE(run.evaluated);
  EXPECT_EQ(run.out_text, GetParam().out);
  EXPECT_EQ(run.number_text, GetParam().out);
  EXPECT_TRUE(host.boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, PanelEvaluation,
    testing::Values(PanelCase{"（１＋２）×３", "9"}, PanelCase{"2(3+4)", "14"},
                    PanelCase{"(1+2)3", "9"}, PanelCase{"3〔长度〕*25〔宽度〕", "75"},
                    PanelCase{"1/0+5", "5"}, PanelCase{"-7", "-7"},
                    PanelCase{"1000000000*1000000000+1", "1000000000000000001"}));

TEST(PanelEvaluation, EmptyFormulaDoesNothing) {
  RecordingFormulaHost host;
  EXPECT_FALSE(calculate("", host).evaluated);
  EXPECT_TRUE(host.boxes.shown.empty());
}

TEST(PanelEvaluation, UnbalancedBracketsLeaveTheResultFieldAlone) {
  RecordingFormulaHost host;
  const FormulaRun run = calculate("((1+2)", host);
  EXPECT_FALSE(run.evaluated);
  EXPECT_FALSE(run.number_text);
  EXPECT_EQ(host.boxes.texts(), std::vector<std::string>{kBracketBox});
}

TEST(PanelEvaluation, SingleStepDoesOnePassPerClick) {
  RecordingFormulaHost host;
  FormulaPanel panel;
  panel.set_working_formula("2+3*4");
  FormulaRun run = panel.calculate(true, host);
  EXPECT_EQ(run.out_text, "2+12");
  EXPECT_EQ(run.passes, 1);
  EXPECT_FALSE(run.number_text);
  EXPECT_EQ(panel.working_formula(), "2+12");

  run = panel.calculate(true, host);
  EXPECT_EQ(run.out_text, "14");
  EXPECT_EQ(run.number_text, "14");
  EXPECT_EQ(run.number, 14);
}

TEST(PanelEvaluation, OnlyAPlainNumberGoesOntoTheLcd) {
  RecordingFormulaHost host;
  FormulaPanel panel;
  panel.set_working_formula("+(12)");
  const FormulaRun run = panel.calculate(true, host);
  EXPECT_EQ(run.out_text, "+12");
  EXPECT_FALSE(run.number_text);
}

TEST(PanelEvaluation, InvalidFormulaStopsAtOnceWithTheEvaluatorsMessage) {
  RecordingFormulaHost host;
  const FormulaRun run = calculate("1.2.3+1", host);
  EXPECT_EQ(run.out_text, kInvalidExpression);
  EXPECT_EQ(run.passes, 1);
  EXPECT_FALSE(run.number_text);
  EXPECT_EQ(host.boxes.texts(),
            std::vector<std::string>{"错误！: " + std::string(kInvalidExpressionMessage)});
}

TEST(PanelEvaluation, FormulasThatNeverBecomeANumberStopAtThePassLimit) {
  for (const char* formula : {"2A", "1E5", "SECA(0)"}) {
    RecordingFormulaHost host;
    const FormulaRun run = calculate(formula, host);
    EXPECT_EQ(run.passes, kMaxFormulaPasses) << formula;
    EXPECT_FALSE(run.number_text) << formula;
    EXPECT_EQ(host.boxes.texts(), std::vector<std::string>{kLimitBox}) << formula;
  }
}

TEST(PanelEvaluation, ANumberReachedInTheLastAllowedPassIsAResult) {
  // 1+1+...+1 with 256 terms takes 255 passes to add and one more to see the number.
  std::string formula = "1";
  for (int i = 1; i < kMaxFormulaPasses; ++i) formula += "+1";
  RecordingFormulaHost host;
  const FormulaRun run = calculate(formula, host);
  EXPECT_EQ(run.passes, kMaxFormulaPasses);
  EXPECT_EQ(run.number_text, "256");
  EXPECT_TRUE(host.boxes.shown.empty());
}

TEST(BareNumber, LooksAtEveryCharacterAfterTheFirst) {
  EXPECT_TRUE(is_bare_number("-12.5"));
  EXPECT_TRUE(is_bare_number(""));
  EXPECT_FALSE(is_bare_number("2+1"));
  EXPECT_FALSE(is_bare_number("1E5"));
}

}  // namespace
}  // namespace orvanta
