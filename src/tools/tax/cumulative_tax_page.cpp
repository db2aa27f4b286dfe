#include "tools/tax/cumulative_tax_page.h"

#include <cstdlib>

#include "tools/tax/tax_tables.h"

namespace orvanta {
namespace {

constexpr int kMonths = 12;
constexpr int kTotalRow = kScheduleRows - 1;
enum Column { Month, TaxableSoFar, Rate, Withheld, WithheldSoFar, AfterTax };

const ScheduleLine kHeading{"月份", "累计应纳税所得额", "税率", "本月预扣", "累计预扣", "税后工资"};

Cents total_withheld(std::span<const MonthWithholding> months) {
  return months.empty() ? 0 : months.back().withheld_so_far;
}

Cents total_after_tax(std::span<const MonthWithholding> months) {
  Cents sum = 0;
  for (const MonthWithholding& m : months) sum += m.after_tax;
  return sum;
}

// The amount in a cell, or none for a cell without one.
std::optional<Cents> cell_amount(std::span<const MonthWithholding> months, int column, int row) {
  if (months.size() != kMonths || row < 1 || row > kTotalRow) return std::nullopt;
  if (row == kTotalRow) {
    if (column == Withheld) return total_withheld(months);
    if (column == AfterTax) return total_after_tax(months);
    return std::nullopt;
  }
  const MonthWithholding& m = months[static_cast<std::size_t>(row - 1)];
  switch (column) {
    case TaxableSoFar:
      return m.taxable_so_far;
    case Withheld:
      return m.withheld;
    case WithheldSoFar:
      return m.withheld_so_far;
    case AfterTax:
      return m.after_tax;
    default:
      return std::nullopt;
  }
}

bool has_rate(std::span<const MonthWithholding> months, int column, int row) {
  return months.size() == kMonths && column == Rate && row >= 1 && row < kTotalRow;
}

// A field the form has already accepted.
Cents accepted(std::string_view text) {
  return read_money(text).cents;
}

}  // namespace

std::string money_shown(Cents amount) {
  const Cents magnitude = std::abs(amount);
  std::string whole = std::to_string(magnitude / kCentsPerYuan);
  for (int at = static_cast<int>(whole.size()) - 3; at > 0; at -= 3) {
    whole.insert(static_cast<std::size_t>(at), 1, ',');
  }
  const Cents cents = magnitude % kCentsPerYuan;
  std::string text = amount < 0 ? "-" : "";
  text += whole;
  text += '.';
  text += static_cast<char>('0' + cents / 10);
  text += static_cast<char>('0' + cents % 10);
  return text;
}

std::vector<ScheduleLine> schedule_cells(std::span<const MonthWithholding> months) {
  std::vector<ScheduleLine> lines(kScheduleRows);
  lines[0] = kHeading;
  for (int row = 1; row < kScheduleRows; ++row) {
    ScheduleLine& line = lines[static_cast<std::size_t>(row)];
    line[Month] = row == kTotalRow ? "全年" : std::to_string(row) + "月";
    for (int column = 1; column < kScheduleColumns; ++column) {
      if (const auto amount = cell_amount(months, column, row)) {
        line[static_cast<std::size_t>(column)] = money_shown(*amount);
      } else if (has_rate(months, column, row)) {
        line[Rate] = schedule_value(months, column, row) + "%";
      }
    }
  }
  return lines;
}

std::string schedule_value(std::span<const MonthWithholding> months, int column, int row) {
  if (const auto amount = cell_amount(months, column, row)) return money_text(*amount);
  if (has_rate(months, column, row)) {
    return std::to_string(months[static_cast<std::size_t>(row - 1)].rate_percent);
  }
  return {};
}

std::string tab_separated(const std::vector<ScheduleLine>& lines, std::string_view line_end) {
  std::string text;
  for (const ScheduleLine& line : lines) {
    for (int column = 0; column < kScheduleColumns; ++column) {
      if (column > 0) text += '\t';
      text += line[static_cast<std::size_t>(column)];
    }
    text += line_end;
  }
  return text;
}

// The bonus is compared with the highest bound below it: only there can the step of the rate
// outweigh what the bonus passed it by.
std::optional<BonusCliff> bonus_cliff(Cents bonus) {
  Cents bound = 0;
  for (std::size_t i = 0; i + 1 < kMonthlyTable2019.size(); ++i) {
    const Cents b = kMonthlyTable2019[i].up_to * kMonths;
    if (b < bonus) bound = b;
  }
  if (bound == 0) return std::nullopt;
  const BonusCliff cliff{bound, bonus - bound,
                         bonus_tax_alone(bonus).tax - bonus_tax_alone(bound).tax};
  if (cliff.more_tax <= cliff.beyond) return std::nullopt;
  return cliff;
}

std::string cliff_text(const BonusCliff& cliff) {
  return "临界点：超过 " + money_shown(cliff.bound) + " 元 " + money_shown(cliff.beyond) +
         " 元，税多 " + money_shown(cliff.more_tax) + " 元，到手少 " +
         money_shown(cliff.more_tax - cliff.beyond) + " 元";
}

std::string bonus_verdict(const BonusComparison& c) {
  const Cents alone = c.alone.tax;
  if (alone == c.added) return "两种方式税额相同";
  if (c.alone_is_lower) return "单独计税较低，少缴 " + money_shown(c.added - alone) + " 元";
  return "并入综合所得较低，少缴 " + money_shown(alone - c.added) + " 元";
}

std::span<const MonthWithholding> CumulativeTaxPage::months() const {
  if (!has_result()) return {};
  return form_.schedule();
}

std::optional<BonusOutcome> CumulativeTaxPage::bonus() const {
  if (!has_result()) return std::nullopt;
  return outcome_;
}

bool CumulativeTaxPage::refuse(const FieldRefusal& refusal) {
  computed_ = false;
  boxes_.show(kTaxRefusalCaption, refusal_text(refusal), BoxIcon::Information, BoxButtons::Ok);
  return false;
}

bool CumulativeTaxPage::compute() {
  computed_ = false;
  outcome_.reset();
  TaxFieldReader reader;
  AdditionalDeductionChoices choices = choices_;
  if (choices.parents == ParentsCare::Shared) {
    choices.parents_share = reader.read(TaxField::ParentsShare, share_);
  }
  const Cents bonus = reader.read(TaxField::Bonus, bonus_);
  const AdditionalDeduction special = additional_deduction(choices);
  // The form's fields stand above the page's own, so their refusal comes first.
  form_.special_changed(money_text(special.per_month));
  if (!form_.compute()) return false;
  if (reader.refused()) return refuse(*reader.refused());
  computed_ = true;
  if (bonus <= 0) return true;
  // The year as the annual settlement reckons it, where a certificate of this year counts.
  const Cents month = accepted(form_.salary()) - accepted(form_.base()) -
                      accepted(form_.deductions()) - special.per_month;
  const Cents taxable = month * kMonths - special.once_this_year;
  outcome_ = BonusOutcome{bonus, compare_bonus_tax(bonus, taxable), bonus_cliff(bonus)};
  return true;
}

std::string CumulativeTaxPage::special_summary() const {
  AdditionalDeductionChoices choices = choices_;
  if (choices.parents == ParentsCare::Shared) {
    const MoneyField share = read_money(share_);
    if (share.problem != MoneyProblem::None) {
      return refusal_text({TaxField::ParentsShare, share.problem});
    }
    choices.parents_share = share.cents;
  }
  const AdditionalDeduction special = additional_deduction(choices);
  std::string text = "专项附加扣除每月 " + money_shown(special.per_month) + " 元";
  if (special.once_this_year != 0) {
    text += "；职业资格证书 " + money_shown(special.once_this_year) + " 元在年度汇算时扣除";
  }
  return text;
}

}  // namespace orvanta
