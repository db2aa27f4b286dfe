// The income-tax panel: its tables to the cent, the texts its fields take and refuse, what the
// panel stores and how start-up pairs the base with the table.
#include "tools/tax/income_tax.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/calculator.h"
#include "sim/recording_ports.h"
#include "tools/tax/income_tax_form.h"

namespace orvanta {
namespace {

struct TaxCase {
  std::string name;
  TaxTable table;
  std::string salary;
  std::string base;
  std::string deductions;
  std::string after_tax;
  std::string tax;
};

class IncomeTax : public testing::TestWithParam<TaxCase> {};

TEST_P(IncomeTax, Computes) {
  const TaxCase& c = GetParam();
  const TaxResult result = compute_income_tax(c.salary, c.base, c.deductions, c.table);
  EXPECT_FALSE(result.refused);
  EXPECT_EQ(result.after_tax, c.after_tax);
  EXPECT_EQ(result.tax, c.tax);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IncomeTax,
    testing::Values(
        // An upper bound belongs to its own bracket.
        TaxCase{"UpperBoundOfTheFirstBracket", TaxTable::Y2011, "5000", "3500", "", "4955", "45"},
        TaxCase{"ThirdBracket", TaxTable::Y2011, "10000", "3500", "1000", "9455", "545"},
        TaxCase{"BelowTheBase", TaxTable::Y2011, "3000", "3500", "", "3000", "0"},
        TaxCase{"TopBracket", TaxTable::Y2011, "100000", "3500", "0", "70080", "29920"},
        TaxCase{"BoundOfTheSecondBracket", TaxTable::Y2011, "8000", "3500", "", "7655", "345"},
        // To the cent, halves up, trailing zeros dropped.
        TaxCase{"JustAboveABound", TaxTable::Y2011, "8000.01", "3500", "", "7655.01", "345"},
        TaxCase{"CentsRounded", TaxTable::Y2011, "12345.67", "3500", "", "11131.54", "1214.13"},
        TaxCase{"HalfACentUp", TaxTable::Y2011, "4501.5", "3500", "", "4471.45", "30.05"},
        TaxCase{"NoBinaryNoise", TaxTable::Y2011, "5643.85", "3500", "416.06", "5576.07", "67.78"},
        // An empty field is 0.
        TaxCase{"EmptySalary", TaxTable::Y2011, "", "3500", "", "0", "0"},
        TaxCase{"EmptyBase", TaxTable::Y2011, "2000", "", "", "1905", "95"},
        // Separators and full-width forms are the same amounts.
        TaxCase{"ThousandsSeparators", TaxTable::Y2011, "10,000", "3,500", "1,000", "9455", "545"},
        TaxCase{"FullWidthDigits", TaxTable::Y2011, "１００００", "３５００", "１０００", "9455",
                "545"},
        TaxCase{"Rules2019", TaxTable::Y2019, "10000", "5000", "1000", "9810", "190"},
        TaxCase{"Rules2019FirstBound", TaxTable::Y2019, "8000", "5000", "", "7910", "90"},
        TaxCase{"Rules2019TopBracket", TaxTable::Y2019, "100000", "5000", "0", "72410", "27590"},
        TaxCase{"Rules2019BelowTheBase", TaxTable::Y2019, "5000", "5000", "", "5000", "0"},
        // Cumulative withholding on the panel's fields alone is its first month: the annual
        // table, so 20,000 taxable is still at 3 %; after tax the deductible items are off too.
        TaxCase{"CumulativeFirstMonth", TaxTable::Cumulative, "30000", "5000", "5000", "24400",
                "600"}),
    [](const auto& info) { return info.param.name; });

struct RefusalCase {
  std::string name;
  std::string salary;
  std::string base;
  std::string deductions;
  TaxField field;
  MoneyProblem problem;
};

class Refusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, NamesTheFieldAndGivesNoResult) {
  const RefusalCase& c = GetParam();
  const TaxResult result = compute_income_tax(c.salary, c.base, c.deductions, TaxTable::Y2019);
  ASSERT_TRUE(result.refused);
  EXPECT_EQ(result.refused->field, c.field);
  EXPECT_EQ(result.refused->problem, c.problem);
  EXPECT_EQ(result.after_tax, "");
  EXPECT_EQ(result.tax, "");
}

INSTANTIATE_TEST_SUITE_P(Cases, Refusal,
                         testing::Values(RefusalCase{"SalaryNoNumber", "12a", "5000", "",
                                                     TaxField::Salary, MoneyProblem::NotANumber},
                                         RefusalCase{"BaseNoNumber", "2000", "abc", "",
                                                     TaxField::Base, MoneyProblem::NotANumber},
                                         RefusalCase{"DeductionsNoNumber", "2000", "5000", "五险",
                                                     TaxField::Deductions,
                                                     MoneyProblem::NotANumber},
                                         // Once shown as "INF" or taken for 0.
                                         RefusalCase{"SalaryBeyondDouble", "1E400", "5000", "",
                                                     TaxField::Salary, MoneyProblem::TooLarge},
                                         RefusalCase{"HugeFields", "1E308", "-1E308", "-1E308",
                                                     TaxField::Salary, MoneyProblem::TooLarge},
                                         // The first field in the panel's order is the one named.
                                         RefusalCase{"FirstOfTwo", "2000", "x", "1E13",
                                                     TaxField::Base, MoneyProblem::NotANumber}),
                         [](const auto& info) { return info.param.name; });

TEST(Refusal, TextsNameTheField) {
  EXPECT_EQ(refusal_text({TaxField::Salary, MoneyProblem::NotANumber}),
            "工资总金额不是有效的数字，请重新输入。");
  EXPECT_EQ(refusal_text({TaxField::Deductions, MoneyProblem::TooLarge}),
            "可扣项目的数值过大，请重新输入。");
}

TEST(TaxTables, EachChoiceWithItsBaseAndCaption) {
  EXPECT_EQ(&tax_brackets(TaxTable::Y2011), &kMonthlyTable2011);
  EXPECT_EQ(&tax_brackets(TaxTable::Y2019), &kMonthlyTable2019);
  EXPECT_EQ(&tax_brackets(TaxTable::Cumulative), &kAnnualTable);
  EXPECT_EQ(default_tax_base(TaxTable::Y2011), "3500");
  EXPECT_EQ(default_tax_base(TaxTable::Y2019), "5000");
  EXPECT_EQ(default_tax_base(TaxTable::Cumulative), "5000");
  EXPECT_EQ(tax_table_caption(TaxTable::Cumulative), "累计预扣（2019年起）");
}

// The form stores through the calculator's options, as the window and orvanta-sim wire it.
class TaxForm : public testing::Test {
 protected:
  sim::RecordingPorts ports;
  sim::MemorySettings& settings = ports.settings;
  Calculator calculator{ports.ports()};
  IncomeTaxForm form{calculator};
};

TEST_F(TaxForm, StoresTheBaseAndTheDeductionsOnEveryChange) {
  form.table_changed(TaxTable::Y2011);
  form.base_changed("4000");
  form.deductions_changed("800");
  form.salary_changed("9000");
  EXPECT_EQ(settings.value("Device_gs3500"), "4000");
  EXPECT_EQ(settings.value("Device_gs_0"), "800");
  form.base_changed("");
  EXPECT_EQ(settings.value("Device_gs3500"), "");
  EXPECT_TRUE(form.compute());
  EXPECT_EQ(form.tax(), "1085");  // 8200 taxable, in the third bracket
  EXPECT_EQ(form.after_tax(), "7915");
}

TEST_F(TaxForm, ChoosingATableProposesItsBaseOnlyForAnUntouchedOne) {
  EXPECT_EQ(form.table(), TaxTable::Y2019);
  EXPECT_EQ(form.base(), "5000");
  form.table_changed(TaxTable::Y2011);
  EXPECT_EQ(form.base(), "3500");
  EXPECT_EQ(settings.value("Device_gs3500"), "3500");
  EXPECT_EQ(settings.value("Device_gs_table"), "1");
  form.table_changed(TaxTable::Cumulative);
  EXPECT_EQ(form.base(), "5000");
  EXPECT_EQ(settings.value("Device_gs_table"), "3");
  form.table_changed(TaxTable::Y2019);
  EXPECT_EQ(form.base(), "5000");
  form.base_changed("4200");
  form.table_changed(TaxTable::Y2011);
  EXPECT_EQ(form.base(), "4200");
}

TEST_F(TaxForm, ChangingTheTableClearsTheResults) {
  form.salary_changed("10000");
  ASSERT_TRUE(form.compute());
  EXPECT_EQ(form.tax(), "290");
  form.table_changed(TaxTable::Y2019);  // the same table: nothing changes
  EXPECT_EQ(form.tax(), "290");
  form.table_changed(TaxTable::Y2011);
  EXPECT_EQ(form.after_tax(), "");
  EXPECT_EQ(form.tax(), "");
}

TEST_F(TaxForm, ARefusedFieldBringsUpABoxAndKeepsTheFields) {
  form.salary_changed("10000");
  ASSERT_TRUE(form.compute());
  form.salary_changed("１万");
  EXPECT_FALSE(form.compute());
  ASSERT_EQ(ports.message_boxes.shown.size(), 1u);
  EXPECT_EQ(ports.message_boxes.texts()[0], "提示: 工资总金额不是有效的数字，请重新输入。");
  EXPECT_EQ(form.salary(), "１万");
  EXPECT_EQ(form.base(), "5000");
  EXPECT_EQ(form.after_tax(), "");
  EXPECT_EQ(form.tax(), "");
}

TEST_F(TaxForm, CumulativeWithholdingShowsTheChosenMonthOfTheYear) {
  form.table_changed(TaxTable::Cumulative);
  form.salary_changed("30000");
  form.deductions_changed("4500");
  form.special_changed("3000");
  form.month_changed(3);
  ASSERT_TRUE(form.compute());
  EXPECT_EQ(form.tax(), "1680");
  EXPECT_EQ(form.after_tax(), "23820");
  ASSERT_EQ(form.schedule().size(), 12u);
  EXPECT_EQ(form.schedule().back().withheld_so_far, yuan(25080));
  form.special_changed("三千");
  EXPECT_FALSE(form.compute());
  EXPECT_EQ(ports.message_boxes.texts().back(), "提示: 专项附加扣除不是有效的数字，请重新输入。");
  EXPECT_TRUE(form.schedule().empty());
}

// Start-up pairs the stored base with the stored table.
struct StartCase {
  std::string name;
  std::optional<std::string> base;
  std::optional<std::string> table;
  TaxTable started_table;
  std::string started_base;  // also what the file holds afterwards
};

class TaxStartUp : public TaxForm, public testing::WithParamInterface<StartCase> {};

TEST_P(TaxStartUp, PairsTheBaseWithTheTable) {
  const StartCase& c = GetParam();
  if (c.base) settings.document.set(kSetupSection, "Device_gs3500", *c.base);
  if (c.table) settings.document.set(kSetupSection, "Device_gs_table", *c.table);
  calculator.start(StartupContext{});
  EXPECT_EQ(form.table(), c.started_table);
  EXPECT_EQ(form.base(), c.started_base);
  EXPECT_EQ(settings.value("Device_gs3500"), c.started_base);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TaxStartUp,
    testing::Values(
        StartCase{"NewFile", std::nullopt, std::nullopt, TaxTable::Y2019, "5000"},
        StartCase{"EmptyBaseUnder2019", "", "2", TaxTable::Y2019, "5000"},
        StartCase{"EmptyBaseUnder2011", "", "1", TaxTable::Y2011, "3500"},
        StartCase{"EmptyBaseUnderCumulative", "", "3", TaxTable::Cumulative, "5000"},
        StartCase{"Stored2011Kept", "3500", "1", TaxTable::Y2011, "3500"},
        // A file from before the table was kept: 2011's base goes with 2011's table.
        StartCase{"OldFileMovesToTheLawInForce", "3500", std::nullopt, TaxTable::Y2019, "5000"},
        StartCase{"NoChoiceIsNoTable", "3500", "2019", TaxTable::Y2019, "5000"},
        // What the user typed for the stored table stays.
        StartCase{"TypedBaseUnder2011", "5000", "1", TaxTable::Y2011, "5000"},
        StartCase{"TypedBaseUnder2019", "3500", "2", TaxTable::Y2019, "3500"},
        StartCase{"TypedBaseInAnOldFile", "4200", std::nullopt, TaxTable::Y2019, "4200"}),
    [](const auto& info) { return info.param.name; });

TEST_F(TaxForm, StartUpKeepsTheDeductions) {
  settings.document.set(kSetupSection, "Device_gs_0", "1200");
  calculator.start(StartupContext{});
  EXPECT_EQ(form.deductions(), "1200");
}

}  // namespace
}  // namespace orvanta
