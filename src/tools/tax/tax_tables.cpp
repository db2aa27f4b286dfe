#include "tools/tax/tax_tables.h"

#include <limits>

namespace orvanta {
namespace {

constexpr Cents kNoBound = std::numeric_limits<Cents>::max();

}  // namespace

// 《中华人民共和国个人所得税法》 as amended in 2011, table 1 (wages and salaries, monthly).
constexpr TaxBrackets kMonthlyTable2011{{
    {yuan(1500), 3, 0},
    {yuan(4500), 10, yuan(105)},
    {yuan(9000), 20, yuan(555)},
    {yuan(35000), 25, yuan(1005)},
    {yuan(55000), 30, yuan(2755)},
    {yuan(80000), 35, yuan(5505)},
    {kNoBound, 45, yuan(13505)},
}};

// The annual table of the 2018 amendment turned into a monthly one, as 财税〔2018〕164号
// publishes it for the year-end bonus taxed on its own.
constexpr TaxBrackets kMonthlyTable2019{{
    {yuan(3000), 3, 0},
    {yuan(12000), 10, yuan(210)},
    {yuan(25000), 20, yuan(1410)},
    {yuan(35000), 25, yuan(2660)},
    {yuan(55000), 30, yuan(4410)},
    {yuan(80000), 35, yuan(7160)},
    {kNoBound, 45, yuan(15160)},
}};

// 《中华人民共和国个人所得税法》 (2018 amendment), table 1 (comprehensive income, per year), with
// the quick deductions of 国家税务总局公告2018年第61号, which applies it to the cumulative
// withholding of wages.
constexpr TaxBrackets kAnnualTable{{
    {yuan(36000), 3, 0},
    {yuan(144000), 10, yuan(2520)},
    {yuan(300000), 20, yuan(16920)},
    {yuan(420000), 25, yuan(31920)},
    {yuan(660000), 30, yuan(52920)},
    {yuan(960000), 35, yuan(85920)},
    {kNoBound, 45, yuan(181920)},
}};

// The share is compared as taxable ≤ bound × parts, so no division rounds it.
const TaxBracket& bracket_for(Cents taxable, const TaxBrackets& brackets, int parts) {
  for (std::size_t i = 0; i + 1 < brackets.size(); ++i) {
    if (taxable <= brackets[i].up_to * parts) return brackets[i];
  }
  return brackets.back();
}

Cents tax_by_table(Cents taxable, const TaxBrackets& brackets) {
  if (taxable <= 0) return 0;
  const TaxBracket& bracket = bracket_for(taxable, brackets);
  return percent_of(taxable, bracket.rate_percent) - bracket.quick_deduction;
}

}  // namespace orvanta
