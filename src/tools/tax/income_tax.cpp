#include "tools/tax/income_tax.h"

#include <algorithm>

namespace orvanta {
namespace {

constexpr int kMonthsInYear = 12;

std::string_view field_name(TaxField field) {
  switch (field) {
    case TaxField::Salary:
      return "工资总金额";
    case TaxField::Base:
      return "个人所得税基数";
    case TaxField::Deductions:
      return "可扣项目";
    case TaxField::Special:
      return "专项附加扣除";
    case TaxField::Bonus:
      return "年终奖";
    case TaxField::ParentsShare:
      return "赡养老人分摊额";
  }
  return {};
}

TaxResult monthly_tax(Cents salary, Cents taxable, TaxTable table) {
  const Cents tax = tax_by_table(taxable, tax_brackets(table));
  return {money_text(salary - tax), money_text(tax), {}, std::nullopt};
}

// The same pay every month of the year; the fields show `month`.
TaxResult cumulative_tax(const MonthIncome& income, Cents basic, int month) {
  const std::vector<MonthIncome> year(kMonthsInYear, income);
  TaxResult result;
  result.schedule = withhold_cumulative(year, basic);
  const MonthWithholding& row = result.schedule[std::clamp(month, 1, kMonthsInYear) - 1];
  result.after_tax = money_text(row.after_tax);
  result.tax = money_text(row.withheld);
  return result;
}

}  // namespace

std::string_view tax_table_caption(TaxTable table) {
  switch (table) {
    case TaxTable::Y2011:
      return "2011版税率表";
    case TaxTable::Y2019:
      return "2019版税率表";
    case TaxTable::Cumulative:
      return "累计预扣（2019年起）";
  }
  return {};
}

const TaxBrackets& tax_brackets(TaxTable table) {
  switch (table) {
    case TaxTable::Y2011:
      return kMonthlyTable2011;
    case TaxTable::Y2019:
      return kMonthlyTable2019;
    case TaxTable::Cumulative:
      break;
  }
  return kAnnualTable;
}

std::string_view default_tax_base(TaxTable table) {
  return tax_base_for_table(static_cast<int>(table));
}

std::string base_for_table(std::string_view base, TaxTable from, TaxTable to) {
  return std::string(base == default_tax_base(from) ? default_tax_base(to) : base);
}

std::string refusal_text(const FieldRefusal& refusal) {
  const std::string name(field_name(refusal.field));
  return refusal.problem == MoneyProblem::TooLarge ? name + "的数值过大，请重新输入。"
                                                   : name + "不是有效的数字，请重新输入。";
}

Cents TaxFieldReader::read(TaxField field, std::string_view text) {
  const MoneyField value = read_money(text);
  if (value.problem != MoneyProblem::None && !refused_) refused_ = {field, value.problem};
  return value.cents;
}

TaxResult compute_income_tax(const TaxFields& fields, TaxTable table) {
  TaxFieldReader reader;
  const Cents salary = reader.read(TaxField::Salary, fields.salary);
  const Cents base = reader.read(TaxField::Base, fields.base);
  const Cents deductions = reader.read(TaxField::Deductions, fields.deductions);
  const bool cumulative = table == TaxTable::Cumulative;
  const Cents special = cumulative ? reader.read(TaxField::Special, fields.special) : 0;
  if (reader.refused()) return {{}, {}, {}, reader.refused()};
  if (cumulative) return cumulative_tax({salary, deductions, special, 0}, base, fields.month);
  return monthly_tax(salary, salary - base - deductions, table);
}

}  // namespace orvanta
