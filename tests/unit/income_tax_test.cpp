// The income-tax panel: both tables with their bracket bounds, fields that are no number, and
// what the panel stores.
#include "tools/income_tax.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/calculator.h"
#include "sim/recording_ports.h"
#include "tools/income_tax_form.h"

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
        TaxCase{"JustAboveABound", TaxTable::Y2011, "8000.01", "3500", "", "7655.008", "345.002"},
        TaxCase{"CentsNotRounded", TaxTable::Y2011, "12345.67", "3500", "", "11131.536",
                "1214.134"},
        // Text that is no number counts as 0.
        TaxCase{"EmptySalary", TaxTable::Y2011, "", "3500", "", "0", "0"},
        TaxCase{"BaseNoNumber", TaxTable::Y2011, "2000", "abc", "", "1905", "95"},
        TaxCase{"Rules2019", TaxTable::Y2019, "10000", "5000", "1000", "9810", "190"},
        TaxCase{"Rules2019FirstBound", TaxTable::Y2019, "8000", "5000", "", "7910", "90"},
        TaxCase{"Rules2019TopBracket", TaxTable::Y2019, "100000", "5000", "0", "72410", "27590"},
        TaxCase{"Rules2019BelowTheBase", TaxTable::Y2019, "5000", "5000", "", "5000", "0"},
        // Fields beyond the range of double count as 0; sums beyond it are infinite.
        TaxCase{"SalaryOutOfRange", TaxTable::Y2011, "1E400", "3500", "", "0", "0"},
        TaxCase{"SumOutOfRange", TaxTable::Y2011, "1E308", "-1E308", "-1E308", "-INF", "INF"}),
    [](const auto& info) { return info.param.name; });

TEST(TaxBrackets, SevenRisingBracketsEach) {
  for (const TaxTable table : {TaxTable::Y2011, TaxTable::Y2019}) {
    const TaxBrackets& brackets = tax_brackets(table);
    for (std::size_t i = 1; i < brackets.size(); ++i) {
      EXPECT_GT(brackets[i].up_to, brackets[i - 1].up_to);
      EXPECT_GT(brackets[i].rate, brackets[i - 1].rate);
      // The quick deduction keeps the tax continuous at each bound.
      const double bound = brackets[i - 1].up_to;
      EXPECT_NEAR(bound * brackets[i].rate - brackets[i].quick_deduction,
                  bound * brackets[i - 1].rate - brackets[i - 1].quick_deduction, 1e-9);
    }
  }
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
  form.base_changed("4000");
  form.deductions_changed("800");
  form.salary_changed("9000");
  EXPECT_EQ(settings.value("Device_gs3500"), "4000");
  EXPECT_EQ(settings.value("Device_gs_0"), "800");
  form.base_changed("");
  EXPECT_EQ(settings.value("Device_gs3500"), "");
  form.compute();
  EXPECT_EQ(form.tax(), "1085");  // 8200 taxable, in the third bracket
  EXPECT_EQ(form.after_tax(), "7915");
}

TEST_F(TaxForm, ChoosingATableProposesItsBaseOnlyForAnUntouchedOne) {
  EXPECT_EQ(form.base(), "3500");
  form.table_changed(TaxTable::Y2019);
  EXPECT_EQ(form.base(), "5000");
  EXPECT_EQ(settings.value("Device_gs3500"), "5000");
  EXPECT_EQ(settings.value("Device_gs_table"), "2");
  form.table_changed(TaxTable::Y2011);
  EXPECT_EQ(form.base(), "3500");
  EXPECT_EQ(settings.value("Device_gs_table"), "1");
  form.base_changed("4200");
  form.table_changed(TaxTable::Y2019);
  EXPECT_EQ(form.base(), "4200");
}

TEST_F(TaxForm, StartUpBringsAnEmptyBaseBackAndKeepsTheTable) {
  settings.document.set(kSetupSection, "Device_gs3500", "");
  settings.document.set(kSetupSection, "Device_gs_0", "1200");
  settings.document.set(kSetupSection, "Device_gs_table", "2");
  calculator.start(StartupContext{});
  EXPECT_EQ(form.base(), "3500");
  EXPECT_EQ(form.deductions(), "1200");
  EXPECT_EQ(form.table(), TaxTable::Y2019);
  EXPECT_EQ(settings.value("Device_gs3500"), "3500");
}

}  // namespace
}  // namespace orvanta
