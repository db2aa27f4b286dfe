// The constants table: its texts as shown, and a pick of a value into the calculator.
#include "tools/constants_table.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/calculator.h"
#include "sim/calculator_sim.h"

namespace orvanta {
namespace {

TEST(ConstantsTable, TextsAsShown) {
  const auto rows = constants_table();
  ASSERT_EQ(rows.size(), 118u);
  EXPECT_EQ(kConstantsHeading.name, "    名 称");
  EXPECT_EQ(kConstantsHeading.value, "      数 值");
  EXPECT_EQ(kConstantsHeading.unit, "     单 位");
  struct Row {
    int row;
    std::string name, value, unit;
  };
  for (const Row& r : {
           Row{1, " π", "3.14159265359", ""},
           Row{3, " g", "9.81", ""},
           Row{6, "万有引力常数", "6.67259e-11", "米^2/秒^-2/千克"},
           Row{7, "阿伏伽德罗常数", "6.0221367e+23", "摩"},
           Row{10, "标准大气压", "101325", "帕"},
           Row{57, "钼的密度", "10.20", "克/立方厘米"},
           Row{74, "硅的密度", "2.33", "克/立方厘米"},
           Row{80, "硅的密度", "2.33", "克/立方厘米"},
           Row{90, "柏木(15%水分时)的密度", "0.600", "克/立方厘米"},
           Row{108, "白刚玉的密度", "3.90", "克/立方厘米"},
           Row{118, "泡沫塑料的密度", "0.2", "克/立方厘米"},
       }) {
    const ConstantRow& got = rows[r.row - 1];
    EXPECT_EQ(got.name, r.name) << r.row;
    EXPECT_EQ(got.value, r.value) << r.row;
    EXPECT_EQ(got.unit, r.unit) << r.row;
  }
}

struct PickCase {
  std::string name;
  int row;
  bool hexadecimal;
  std::string entry;
  long double value;
  std::string shown = {};  // what the LCD shows, when it is not the entry as it stands
};

class ConstantPick : public testing::TestWithParam<PickCase> {
 protected:
  ConstantPick() { sim::start_calculator(calc); }
  sim::RecordingPorts ports;
  Calculator calc{ports.ports()};
};

TEST_P(ConstantPick, EntersTheValue) {
  const PickCase& c = GetParam();
  if (c.hexadecimal) calc.Khex_on(MouseButton::Left);
  ports.voice.said.clear();
  ASSERT_TRUE(pick_constant(calc, c.row));
  EXPECT_EQ(calc.calc_state().entry_text, c.entry);
  EXPECT_EQ(calc.calc_state().cur_value, c.value);
  // The LCD shows the whole value, a long one in the exponent form.
  EXPECT_EQ(ports.lcd.frame.text, c.shown.empty() ? c.entry : c.shown);
  EXPECT_FALSE(ports.lcd.frame.lights.error_on);
  EXPECT_TRUE(ports.voice.said.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConstantPick,
    testing::Values(PickCase{"Atmosphere", 10, false, "101325", 101325},
                    PickCase{"Pi", 1, false, "3.14159265359", 3.14159265359L},
                    // The stored zero is no digit of the value.
                    PickCase{"Molybdenum", 57, false, "10.2", 10.2L},
                    PickCase{"LightYear", 13, false, "9460500000000000", 9.4605e15L, "9.4605E15"},
                    // Too small for fifteen decimals: the exponent form keeps its digits.
                    PickCase{"ElectronCharge", 5, false, "1.60217733E-19", 1.60217733e-19L},
                    PickCase{"Avogadro", 7, false, "6.0221367E23", 6.0221367e23L},
                    // Hexadecimal takes the integer part, written in the base.
                    PickCase{"InHexadecimal", 10, true, "18BCD", 101325},
                    PickCase{"FractionInHexadecimal", 3, true, "9", 9}),
    [](const auto& info) { return info.param.name; });

TEST(ConstantPickRows, OutsideTheTableNothingHappens) {
  sim::RecordingPorts ports;
  Calculator calc{ports.ports()};
  sim::start_calculator(calc);
  EXPECT_FALSE(pick_constant(calc, 0));
  EXPECT_FALSE(pick_constant(calc, 119));
  EXPECT_EQ(ports.lcd.frame.text, "0.");
}

}  // namespace
}  // namespace orvanta
