// The cumulative-withholding page: the ticks and counts as the form's special deductions, the
// twelve months as the page draws, copies and hands out its cells, and the year-end bonus beside
// the year with its cliffs.
#include "tools/tax/cumulative_tax_page.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/calculator.h"
#include "sim/recording_ports.h"

namespace orvanta {
namespace {

struct ShownCase {
  Cents amount;
  std::string text;
};

TEST(MoneyShown, GroupsTheYuanAndKeepsTheCents) {
  for (const ShownCase& c :
       {ShownCase{0, "0.00"}, ShownCase{5, "0.05"}, ShownCase{yuan(100), "100.00"},
        ShownCase{yuan(1000), "1,000.00"}, ShownCase{339010, "3,390.10"},
        ShownCase{123456789, "1,234,567.89"}, ShownCase{-yuan(12345), "-12,345.00"}}) {
    EXPECT_EQ(money_shown(c.amount), c.text) << c.amount;
  }
}

struct CliffCase {
  std::string name;
  Cents bonus;
  std::optional<Cents> bound;  // none: no cliff
  Cents more_tax = 0;
};

class Cliffs : public testing::TestWithParam<CliffCase> {};

TEST_P(Cliffs, OnlyWhereLessIsLeftThanOfTheBound) {
  const CliffCase& c = GetParam();
  const std::optional<BonusCliff> cliff = bonus_cliff(c.bonus);
  ASSERT_EQ(cliff.has_value(), c.bound.has_value());
  if (!cliff) return;
  EXPECT_EQ(cliff->bound, *c.bound);
  EXPECT_EQ(cliff->beyond, c.bonus - *c.bound);
  EXPECT_EQ(cliff->more_tax, c.more_tax);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Cliffs,
    testing::Values(CliffCase{"Below", yuan(30000), std::nullopt},
                    CliffCase{"AtTheBound", yuan(36000), std::nullopt},
                    CliffCase{"OneYuanPast", yuan(36001), yuan(36000), 231010},
                    // 3,646.67 of tax either side: from 38,566.67 on more is left again.
                    CliffCase{"LastCentOfTheCliff", 3856666, yuan(36000), 256667},
                    CliffCase{"PastTheCliff", 3856667, std::nullopt},
                    CliffCase{"PastTheTopBound", yuan(960001), yuan(960000), yuan(88000) + 45}),
    [](const auto& info) { return info.param.name; });

TEST(Cliffs, TextSaysWhatPassingTheBoundCosts) {
  EXPECT_EQ(cliff_text(*bonus_cliff(yuan(36001))),
            "临界点：超过 36,000.00 元 1.00 元，税多 2,310.10 元，到手少 2,309.10 元");
}

// The page on a calculator's options, as the window and the form are wired.
class Page : public testing::Test {
 protected:
  void SetUp() override { form.table_changed(TaxTable::Cumulative); }
  // 30,000 a month, 4,500 insurance, 3,000 for the parents of an only child.
  void worked_example() {
    form.salary_changed("30000");
    form.deductions_changed("4500");
    AdditionalDeductionChoices choices;
    choices.parents = ParentsCare::OnlyChild;
    page.choices_changed(choices);
  }
  std::string column(int c) const {
    std::string texts;
    for (const ScheduleLine& line : page.cells()) texts += line[static_cast<std::size_t>(c)] + ";";
    return texts;
  }

  sim::RecordingPorts ports;
  Calculator calculator{ports.ports()};
  IncomeTaxForm form{calculator};
  CumulativeTaxPage page{form, calculator.message_boxes()};
};

TEST_F(Page, TheWorkedExampleMonthByMonth) {
  worked_example();
  ASSERT_TRUE(page.compute());
  EXPECT_EQ(form.special(), "3000");
  EXPECT_EQ(column(3),
            "本月预扣;525.00;525.00;1,680.00;1,750.00;1,750.00;1,750.00;1,750.00;1,750.00;"
            "3,100.00;3,500.00;3,500.00;3,500.00;25,080.00;");
  EXPECT_EQ(page.cells()[13][5], "280,920.00") << "the year's pay after tax";
  // A cell hands out its number as an entry; names and blanks give nothing.
  EXPECT_EQ(page.value(3, 3), "1680");
  EXPECT_EQ(page.value(2, 3), "10");
  EXPECT_EQ(page.value(1, 12), "210000");
  EXPECT_EQ(page.value(3, 13), "25080");
  EXPECT_EQ(page.value(0, 3), "");
  EXPECT_EQ(page.value(4, 13), "");
  EXPECT_EQ(page.value(3, 0), "");

  const std::string text = page.table_text("\r\n");
  EXPECT_EQ(text.substr(0, text.find("\r\n")),
            "月份\t累计应纳税所得额\t税率\t本月预扣\t累计预扣\t税后工资");
  EXPECT_NE(text.find("\r\n3月\t52,500.00\t10%\t1,680.00\t2,730.00\t23,820.00\r\n"),
            std::string::npos);
  EXPECT_TRUE(text.ends_with("全年\t\t\t25,080.00\t\t280,920.00\r\n"));
}

TEST_F(Page, WithoutAResultTheMonthsStandBare) {
  EXPECT_EQ(column(0), "月份;1月;2月;3月;4月;5月;6月;7月;8月;9月;10月;11月;12月;全年;");
  EXPECT_EQ(column(3), "本月预扣;;;;;;;;;;;;;;");
  EXPECT_EQ(page.value(3, 3), "");
  // A result goes with a change of the table.
  worked_example();
  ASSERT_TRUE(page.compute());
  form.table_changed(TaxTable::Y2019);
  form.table_changed(TaxTable::Cumulative);
  EXPECT_FALSE(page.has_result());
  EXPECT_EQ(column(3), "本月预扣;;;;;;;;;;;;;;");
}

struct BonusBesideCase {
  std::string name;
  std::string salary;
  bool certificate;
  std::string bonus;
  Cents alone;
  Cents added;
  std::string verdict;
};

class BonusBeside : public Page, public testing::WithParamInterface<BonusBesideCase> {};

TEST_P(BonusBeside, ComparedWithTheYearAsSettled) {
  const BonusBesideCase& c = GetParam();
  form.salary_changed(c.salary);
  AdditionalDeductionChoices choices;
  choices.certificate_this_year = c.certificate;
  page.choices_changed(choices);
  page.bonus_changed(c.bonus);
  ASSERT_TRUE(page.compute());
  const std::optional<BonusOutcome> outcome = page.bonus();
  ASSERT_TRUE(outcome);
  EXPECT_EQ(outcome->comparison.alone.tax, c.alone);
  EXPECT_EQ(outcome->comparison.added, c.added);
  EXPECT_EQ(bonus_verdict(outcome->comparison), c.verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BonusBeside,
    testing::Values(
        // 25,500 a month less 5,000: 246,000 a year, in the 20% bracket.
        BonusBesideCase{"AloneLower", "25500", false, "36000", yuan(1080), yuan(7200),
                        "单独计税较低，少缴 6,120.00 元"},
        // Nothing taxable in the year: the annual table's 10% less 2,520 takes the bonus.
        BonusBesideCase{"AddedLower", "5000", false, "36001", 339010, 108010,
                        "并入综合所得较低，少缴 2,310.00 元"},
        // The certificate's 3,600 is deducted from the year first: 32,401 at 3%.
        BonusBesideCase{"CertificateCounts", "5000", true, "36001", 339010, 97203,
                        "并入综合所得较低，少缴 2,418.07 元"},
        BonusBesideCase{"Same", "5000", false, "100", 300, 300, "两种方式税额相同"}),
    [](const auto& info) { return info.param.name; });

TEST_F(Page, NoBonusNoComparison) {
  worked_example();
  for (const char* bonus : {"", "0", "-5"}) {
    page.bonus_changed(bonus);
    ASSERT_TRUE(page.compute());
    EXPECT_FALSE(page.bonus()) << bonus;
  }
}

struct PageRefusalCase {
  std::string name;
  std::string salary;
  std::string share;
  std::string bonus;
  std::string box;
};

class PageRefusal : public Page, public testing::WithParamInterface<PageRefusalCase> {};

TEST_P(PageRefusal, OneBoxForTheFirstFieldAndNoResult) {
  const PageRefusalCase& c = GetParam();
  worked_example();
  ASSERT_TRUE(page.compute());
  form.salary_changed(c.salary);
  AdditionalDeductionChoices choices;
  choices.parents = ParentsCare::Shared;
  page.choices_changed(choices);
  page.share_changed(c.share);
  page.bonus_changed(c.bonus);
  EXPECT_FALSE(page.compute());
  ASSERT_EQ(ports.message_boxes.texts().size(), 1u);
  EXPECT_EQ(ports.message_boxes.texts()[0], c.box);
  EXPECT_FALSE(page.has_result());
  EXPECT_FALSE(page.bonus());
  EXPECT_EQ(page.value(3, 13), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageRefusal,
    testing::Values(PageRefusalCase{"Share", "30000", "一千", "36000",
                                    "提示: 赡养老人分摊额不是有效的数字，请重新输入。"},
                    PageRefusalCase{"Bonus", "30000", "1000", "3万",
                                    "提示: 年终奖不是有效的数字，请重新输入。"},
                    PageRefusalCase{"SalaryFirst", "三万", "一千", "3万",
                                    "提示: 工资总金额不是有效的数字，请重新输入。"}),
    [](const auto& info) { return info.param.name; });

TEST_F(Page, SummaryOfTheTicks) {
  AdditionalDeductionChoices choices;
  choices.children_in_education = 1;
  choices.parents = ParentsCare::OnlyChild;
  choices.certificate_this_year = true;
  page.choices_changed(choices);
  EXPECT_EQ(page.special_summary(),
            "专项附加扣除每月 5,000.00 元；职业资格证书 3,600.00 元在年度汇算时扣除");
  choices = {};
  choices.parents = ParentsCare::Shared;
  choices.housing = Housing::Rent;
  choices.rent_city = RentCity::Class2;
  page.choices_changed(choices);
  page.share_changed("2000");
  EXPECT_EQ(page.special_summary(), "专项附加扣除每月 2,600.00 元") << "the share held to 1,500";
  page.share_changed("abc");
  EXPECT_EQ(page.special_summary(), "赡养老人分摊额不是有效的数字，请重新输入。");
}

}  // namespace
}  // namespace orvanta
