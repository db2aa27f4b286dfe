#include "tools/income_tax.h"

namespace orvanta {
namespace {

std::string_view field_name(TaxField field) {
  switch (field) {
    case TaxField::Salary:
      return "工资总金额";
    case TaxField::Base:
      return "个人所得税基数";
    case TaxField::Deductions:
      return "可扣项目";
  }
  return {};
}

}  // namespace

const TaxBrackets& tax_brackets(TaxTable table) {
  return table == TaxTable::Y2019 ? kMonthlyTable2019 : kMonthlyTable2011;
}

std::string_view default_tax_base(TaxTable table) {
  return table == TaxTable::Y2019 ? "5000" : "3500";
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

TaxResult compute_income_tax(std::string_view salary_text, std::string_view base_text,
                             std::string_view deductions_text, TaxTable table) {
  TaxFieldReader reader;
  const Cents salary = reader.read(TaxField::Salary, salary_text);
  const Cents base = reader.read(TaxField::Base, base_text);
  const Cents deductions = reader.read(TaxField::Deductions, deductions_text);
  if (reader.refused()) return {{}, {}, reader.refused()};
  const Cents tax = tax_by_table(salary - base - deductions, tax_brackets(table));
  return {money_text(salary - tax), money_text(tax), std::nullopt};
}

}  // namespace orvanta
