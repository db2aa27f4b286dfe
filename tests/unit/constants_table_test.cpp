// The constants table: its texts as shown, and a pick of a value into the calculator.
#include "tools/constants_table.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/calculator.h"
#include "numeric/number_text.h"
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
           Row{2, " e", "2.71828183", ""},
           // The physical constants: exact since 2019 or by their definitions, G from CODATA 2018,
           // the molar volume to 15 digits of its exact RT/p.
           Row{3, " g", "9.80665", "米/秒^2"},
           Row{4, "真空中的光速", "299792458", "米/秒"},
           Row{5, "一个电子带的电量", "1.602176634e-19", "库"},
           Row{6, "万有引力常数", "6.67430e-11", "牛·米^2/千克^2"},
           Row{7, "阿伏伽德罗常数", "6.02214076e+23", "摩^-1"},
           Row{8, "普朗克常量", "6.62607015e-34", "焦·秒"},
           Row{9, "标准情况下理想气体摩尔体积", "0.0224139695450141", "米^3/摩"},
           Row{10, "标准大气压", "101325", "帕"},
           Row{11, "热功当量", "4.184", "焦/卡"},
           Row{12, "1天文单位", "149597870700", "米"},
           Row{13, "1光年", "9.4607304725808e+15", "米"},
           Row{14, "地球表面重力加速度(45°纬度处)", "9.80665", "米/秒^2"},
           Row{15, "地球的平均密度", "5.51", "克/立方厘米"},
           Row{16, "月球的平均密度", "3.34", "克/立方厘米"},
           Row{17, "太阳的平均密度", "1.41", "克/立方厘米"},
           Row{34, "压力加工用铝青铜的密度", "7.5", "克/立方厘米"},
           Row{35, "铸造用锡青铜的密度", "8.8", "克/立方厘米"},
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
  // A pick reads the value text as a number.
  for (const ConstantRow& row : rows) {
    Extended value = 0;
    EXPECT_TRUE(try_parse_number(row.value, value)) << row.name;
  }
}

struct PickCase {
  std::string name;
  int row;
  bool hexadecimal;
  std::string entry;
  long double value;
  std::string lcd;  // what the 14 cells show; the error light tells that it was shortened
  bool shortened;
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
  EXPECT_EQ(ports.lcd.frame.text, c.lcd);
  EXPECT_EQ(ports.lcd.frame.lights.error_on, c.shortened);
  EXPECT_TRUE(ports.voice.said.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConstantPick,
    testing::Values(
        PickCase{"Atmosphere", 10, false, "101325", 101325, "101325", false},
        PickCase{"Pi", 1, false, "3.14159265359", 3.14159265359L, "3.14159265359", false},
        // The stored zero is no digit of the value.
        PickCase{"Molybdenum", 57, false, "10.2", 10.2L, "10.2", false},
        PickCase{"AstronomicalUnit", 12, false, "149597870700", 149597870700.0L, "149597870700",
                 false},
        // Sixteen digits would show the first fourteen, a hundredth of the value: the exponent
        // form keeps the magnitude.
        PickCase{"LightYear", 13, false, "9.4607304725808E15", 9460730472580800.0L,
                 "9.460730473E15", true},
        // Too small for fifteen decimals: the exponent form keeps its digits.
        PickCase{"ElectronCharge", 5, false, "1.602176634E-19", 1.602176634e-19L, "1.60217663E-19",
                 true},
        PickCase{"Planck", 8, false, "6.62607015E-34", 6.62607015e-34L, "6.62607015E-34", false},
        PickCase{"Avogadro", 7, false, "6.02214076E23", 6.02214076e23L, "6.02214076E23", false},
        PickCase{"MolarVolume", 9, false, "0.022413969545014", 0.0224139695450141L,
                 "0.022413969545", true},
        // Hexadecimal takes the integer part, written in the base.
        PickCase{"InHexadecimal", 10, true, "18BCD", 101325, "18BCD", false},
        PickCase{"FractionInHexadecimal", 3, true, "9", 9, "9", false}),
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
