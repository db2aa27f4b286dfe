#pragma once
// The cumulative-withholding page of the income-tax panel without its window: the special
// additional deductions as ticks and counts, the table of the twelve months as the page draws,
// copies and hands out its cells, and the year-end bonus taxed on its own beside the bonus added
// to the year's income.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tools/tax/additional_deductions.h"
#include "tools/tax/income_tax_form.h"
#include "tools/tax/year_end_bonus.h"

namespace orvanta {

// An amount as the page shows it: to the cent, the yuan grouped in threes ("25,080.00").
std::string money_shown(Cents amount);

// 月份, 累计应纳税所得额, 税率, 本月预扣, 累计预扣, 税后工资.
inline constexpr int kScheduleColumns = 6;
// The heading, the twelve months and the year's total.
inline constexpr int kScheduleRows = 14;
using ScheduleLine = std::array<std::string, kScheduleColumns>;

// The cells as drawn and copied; without a result the months and the total stand without
// figures.
std::vector<ScheduleLine> schedule_cells(std::span<const MonthWithholding> months);
// The number a cell stands for as the calculator takes an entry ("1680", "3390.1", "10" for
// 10%); empty for the heading, the names of the months and the blank cells.
std::string schedule_value(std::span<const MonthWithholding> months, int column, int row);
// Tab-separated, each line ended by `line_end`.
std::string tab_separated(const std::vector<ScheduleLine>& lines, std::string_view line_end);

// A bonus taxed on its own just past a bound of the monthly table times 12 (36,000, 144,000,
// ...): the whole bonus takes the higher rate, so passing the bound costs more tax than the
// bonus grew by.
struct BonusCliff {
  Cents bound = 0;
  Cents beyond = 0;    // how far the bonus passed the bound
  Cents more_tax = 0;  // its tax taken alone less the bound's
};

// Set while less of the bonus is left after tax than of the bound itself.
std::optional<BonusCliff> bonus_cliff(Cents bonus);
// "临界点：超过 36,000.00 元 1.00 元，税多 2,310.10 元，到手少 2,309.10 元".
std::string cliff_text(const BonusCliff& cliff);
// Which way costs less, and by how much.
std::string bonus_verdict(const BonusComparison& comparison);

struct BonusOutcome {
  Cents bonus = 0;
  BonusComparison comparison;
  std::optional<BonusCliff> cliff;
};

class CumulativeTaxPage {
 public:
  // `form` holds the pay, the base and the insurance (the calculator's options) and computes
  // the months; `boxes` shows a refused field of the page's own.
  CumulativeTaxPage(IncomeTaxForm& form, MessageBoxes& boxes) : form_(form), boxes_(boxes) {}

  // The ticks and counts; the parents' share is read from its own text.
  void choices_changed(const AdditionalDeductionChoices& choices) { choices_ = choices; }
  void share_changed(std::string_view text) { share_ = text; }
  void bonus_changed(std::string_view text) { bonus_ = text; }
  const AdditionalDeductionChoices& choices() const { return choices_; }
  const std::string& share() const { return share_; }
  const std::string& bonus_text() const { return bonus_; }

  // "计  算": the special additional deductions go to the form, which computes the twelve
  // months; then the bonus beside the year. A field that is no amount brings up a box naming it
  // and leaves no result: false then.
  bool compute();

  // What the ticks come to each month, as the line under them reads it.
  std::string special_summary() const;

  // The results stand until the next computation or a change of the table.
  bool has_result() const { return computed_ && !form_.schedule().empty(); }
  std::vector<ScheduleLine> cells() const { return schedule_cells(months()); }
  std::string value(int column, int row) const { return schedule_value(months(), column, row); }
  std::string table_text(std::string_view line_end) const {
    return tab_separated(cells(), line_end);
  }
  // A bonus above 0 with the year's result.
  std::optional<BonusOutcome> bonus() const;

 private:
  std::span<const MonthWithholding> months() const;
  bool refuse(const FieldRefusal& refusal);

  IncomeTaxForm& form_;
  MessageBoxes& boxes_;
  AdditionalDeductionChoices choices_;
  std::string share_;
  std::string bonus_;
  bool computed_ = false;
  std::optional<BonusOutcome> outcome_;
};

}  // namespace orvanta
