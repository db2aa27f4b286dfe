// The tools beside the keypad: the unit converter's grid, the income-tax panel, cumulative
// withholding, the year-end bonus and the constants table.
#include <charconv>
#include <string>
#include <vector>

#include "sim/calculator_sim.h"
#include "sim/sim.h"
#include "tools/constants_table.h"
#include "tools/tax/cumulative_withholding.h"
#include "tools/tax/income_tax_form.h"
#include "tools/tax/money.h"
#include "tools/tax/year_end_bonus.h"
#include "tools/units/unit_converter.h"

namespace orvanta::sim {
namespace {

struct ToolSim : SimContext::Extension {
  explicit ToolSim(Calculator& calculator) : tax(calculator) {}
  IncomeTaxForm tax;
};

ToolSim& tool_sim(SimContext& context) {
  auto& slot = context.extensions["tools"];
  if (!slot) slot = std::make_unique<ToolSim>(calculator_sim(context).calculator);
  return static_cast<ToolSim&>(*slot);
}

int whole_number(std::string_view word, std::string_view what) {
  int value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (word.empty() || error != std::errc{} || end != word.data() + word.size()) {
    throw SimError(std::string(what) + ": expected a whole number, got '" + std::string(word) +
                   "'");
  }
  return value;
}

void units(SimContext& context, std::string_view args) {
  if (!args.empty()) throw SimError("units: takes no arguments");
  const UnitConverter& converter = calculator_sim(context).ports.converter;
  for (int row = 0; row < kUnitGridRows; ++row) {
    for (int column = 0; column < kUnitCategories; ++column) {
      if (column > 0) context.out << '\t';
      context.out << converter.cell(column, row);
    }
    context.out << '\n';
  }
}

void unit(SimContext& context, std::string_view args) {
  const auto blank = args.find(' ');
  if (blank == std::string_view::npos) throw SimError("unit: expected <column> <row>");
  const int column = whole_number(args.substr(0, blank), "unit");
  const int row = whole_number(args.substr(blank + 1), "unit");
  if (column < 0 || column >= kUnitCategories || row < 0 || row >= kUnitGridRows) {
    throw SimError("unit: no cell " + std::to_string(column) + " " + std::to_string(row));
  }
  calculator_sim(context).ports.converter.select_cell(column, row);
}

// Each argument is a field's text; fields not given stay empty.
void tax(SimContext& context, std::string_view args) {
  std::string_view fields[3];
  for (std::string_view& field : fields) field = next_word(args);
  if (!next_word(args).empty()) {
    throw SimError("tax: expected at most <salary> <base> <deductions>");
  }
  IncomeTaxForm& form = tool_sim(context).tax;
  form.salary_changed(fields[0]);
  form.base_changed(fields[1]);
  form.deductions_changed(fields[2]);
  form.compute();
  context.out << "after=" << form.after_tax() << "\ttax=" << form.tax() << "\n";
}

Cents amount(std::string_view word, std::string_view what) {
  const MoneyField value = read_money(word);
  if (word.empty() || value.problem != MoneyProblem::None) {
    throw SimError(std::string(what) + ": expected an amount, got '" + std::string(word) + "'");
  }
  return value.cents;
}

void paye(SimContext& context, std::string_view args) {
  constexpr std::string_view kUsage = "paye: expected <months> <salary> <insurance> <special>";
  const std::string_view count = next_word(args);
  const std::string_view words[3] = {next_word(args), next_word(args), next_word(args)};
  if (words[2].empty() || !next_word(args).empty()) throw SimError(std::string(kUsage));
  const int months = whole_number(count, "paye");
  if (months < 1 || months > 12) throw SimError("paye: months run from 1 to 12");
  const MonthIncome income{amount(words[0], "paye"), amount(words[1], "paye"),
                           amount(words[2], "paye"), 0};
  const std::vector<MonthIncome> year(static_cast<std::size_t>(months), income);
  for (const MonthWithholding& row : withhold_cumulative(year)) {
    context.out << "month=" << row.month << "\ttax=" << money_text(row.withheld)
                << "\tcum=" << money_text(row.withheld_so_far) << "\n";
  }
}

void bonus(SimContext& context, std::string_view args) {
  const Cents bonus = amount(next_word(args), "bonus");
  if (!next_word(args).empty()) throw SimError("bonus: expected <amount>");
  context.out << "tax=" << money_text(bonus_tax_alone(bonus).tax) << "\n";
}

void pick(SimContext& context, std::string_view args) {
  const int row = whole_number(args, "pick");
  if (!pick_constant(calculator_sim(context).calculator, row)) {
    throw SimError("pick: no row " + std::to_string(row) + " (1 to 118)");
  }
}

}  // namespace

bool set_tool_setting(SimContext& context, std::string_view key, std::string_view value) {
  IncomeTaxForm& form = tool_sim(context).tax;
  const SettingInfo& table = setting_info(SettingId::DeviceGsTable);
  if (key == table.key) {
    form.table_changed(
        static_cast<TaxTable>(std::get<int>(read_stored(table, std::string(value)))));
  } else if (key == setting_info(SettingId::DeviceGs3500).key) {
    form.base_changed(value);
  } else if (key == setting_info(SettingId::DeviceGs0).key) {
    form.deductions_changed(value);
  } else {
    return false;
  }
  return true;
}

void register_tool_commands(CommandTable& table) {
  table["units"] = units;
  table["unit"] = unit;
  table["tax"] = tax;
  table["paye"] = paye;
  table["bonus"] = bonus;
  table["pick"] = pick;
}

}  // namespace orvanta::sim
