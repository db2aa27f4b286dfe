#pragma once
// The progressive tables of the individual income tax, in cents and whole percents, and the tax
// a table puts on a taxable amount.
#include <array>

#include "tools/tax/money.h"

namespace orvanta {

struct TaxBracket {
  Cents up_to;  // the taxable amount up to and including this bound; the last bracket has none
  int rate_percent;
  Cents quick_deduction;
};

using TaxBrackets = std::array<TaxBracket, 7>;

// Monthly wages under the rules of 2011 to 2018 (base 3500).
extern const TaxBrackets kMonthlyTable2011;
// Monthly amounts under the rules in force since 2019: what the year-end bonus taken on its own
// is divided against.
extern const TaxBrackets kMonthlyTable2019;
// A year's comprehensive income, in force since 2019: the table of the annual settlement and of
// cumulative withholding.
extern const TaxBrackets kAnnualTable;

// The bracket `taxable` falls in when it is spread evenly over `parts` (the year-end bonus is
// divided by 12): the first whose bound its share does not exceed.
const TaxBracket& bracket_for(Cents taxable, const TaxBrackets& brackets, int parts = 1);

// taxable × rate − quick deduction, to the cent, halves up; nothing on an amount of 0 or less.
Cents tax_by_table(Cents taxable, const TaxBrackets& brackets);

}  // namespace orvanta
