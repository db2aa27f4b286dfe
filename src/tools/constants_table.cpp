#include "tools/constants_table.h"

#include <array>
#include <cmath>
#include <string>

#include "engine/calculator.h"
#include "numeric/base_conversion.h"
#include "numeric/integer_ops.h"
#include "numeric/number_text.h"

namespace orvanta {
namespace {

// Rows 74 and 80 are both silicon; the table has always listed it twice.
//
// Sources of the physical rows. Exact by definition: the speed of light, the elementary charge,
// Planck's and Avogadro's constants (the SI since 2019, 9th SI Brochure, BIPM 2019), the
// standard atmosphere and the standard acceleration of gravity 9.80665 m/s^2 (3rd CGPM 1901,
// adopted for sea level at 45 degrees latitude; 1 atm = 101325 Pa, 10th CGPM 1954), the
// thermochemical calorie (4.184 J), the astronomical unit (IAU 2012 Resolution B2) and the
// light year (IAU: c times a Julian year of 365.25 days). G is the CODATA 2018 recommended
// value; the molar volume of an ideal gas at 273.15 K and 101.325 kPa, RT/p with the exact
// R = N_A k, is not a finite decimal and is shown to 15 digits (CODATA 2018:
// 22.41396954... L/mol). The mean densities of the earth, the moon and the sun are those of
// NASA's planetary and solar fact sheets (5514, 3344 and 1408 kg/m^3); the materials are
// handbook values. G's unit is written N·m^2/kg^2 (= m^3/(kg·s^2)), which fits the unit column.
constexpr std::array<ConstantRow, kConstantRows> kConstants{{
    {" π", "3.14159265359", ""},
    {" e", "2.71828183", ""},
    {" g", "9.80665", "米/秒^2"},
    {"真空中的光速", "299792458", "米/秒"},
    {"一个电子带的电量", "1.602176634e-19", "库"},
    {"万有引力常数", "6.67430e-11", "牛·米^2/千克^2"},
    {"阿伏伽德罗常数", "6.02214076e+23", "摩^-1"},
    {"普朗克常量", "6.62607015e-34", "焦·秒"},
    {"标准情况下理想气体摩尔体积", "0.0224139695450141", "米^3/摩"},
    {"标准大气压", "101325", "帕"},
    {"热功当量", "4.184", "焦/卡"},
    {"1天文单位", "149597870700", "米"},
    {"1光年", "9.4607304725808e+15", "米"},
    {"地球表面重力加速度(45°纬度处)", "9.80665", "米/秒^2"},
    {"地球的平均密度", "5.51", "克/立方厘米"},
    {"月球的平均密度", "3.34", "克/立方厘米"},
    {"太阳的平均密度", "1.41", "克/立方厘米"},
    {"灰铸铁的密度", "6.8", "克/立方厘米"},
    {"白口铸铁的密度", "7.4", "克/立方厘米"},
    {"可锻铸铁的密度", "7.2", "克/立方厘米"},
    {"工业纯铁的密度", "7.87", "克/立方厘米"},
    {"钢材的密度", "7.85", "克/立方厘米"},
    {"铸钢的密度", "7.8", "克/立方厘米"},
    {"低碳钢(含碳0.1%)的密度", "7.85", "克/立方厘米"},
    {"中碳钢(含碳0.4%)的密度", "7.82", "克/立方厘米"},
    {"高碳钢(含碳1%)的密度", "7.81", "克/立方厘米"},
    {"高速钢(含钨9%)的密度", "8.3", "克/立方厘米"},
    {"不锈钢(含铬13%)的密度", "7.75", "克/立方厘米"},
    {"生铁的密度", "7.3", "克/立方厘米"},
    {"熟铁的密度", "7.7", "克/立方厘米"},
    {"紫铜的密度", "8.89", "克/立方厘米"},
    {"黄铜的密度", "8.4", "克/立方厘米"},
    {"铸造用黄铜的密度", "8.622", "克/立方厘米"},
    // Aluminium bronzes for working are 7.5 (QAl9-4, QAl10-3-1.5) to 8.2 g/cm^3 and cast tin
    // bronzes 8.7 to 8.8 (common metals table of the mechanical design handbooks); the table
    // had given the aluminium bronze 8.65 and the tin bronze 7.5.
    {"压力加工用铝青铜的密度", "7.5", "克/立方厘米"},
    {"铸造用锡青铜的密度", "8.8", "克/立方厘米"},
    {"工业纯铝的密度", "2.71", "克/立方厘米"},
    {"压力加工用铝合金的密度", "2.67", "克/立方厘米"},
    {"铸造用铝合金的密度", "2.6", "克/立方厘米"},
    {"锡基轴承合金的密度", "7.34", "克/立方厘米"},
    {"铅基轴承合金的密度", "9.33", "克/立方厘米"},
    {"硬质合金(钨钴)的密度", "14.4", "克/立方厘米"},
    {"硬质合金(钨钛钴)的密度", "9.5", "克/立方厘米"},
    {"水银(汞)的密度", "13.6", "克/立方厘米"},
    {"金的密度", "19.3", "克/立方厘米"},
    {"银的密度", "10.5", "克/立方厘米"},
    {"铂的密度", "21.4", "克/立方厘米"},
    {"铅的密度", "11.4", "克/立方厘米"},
    {"锌的密度", "7.05", "克/立方厘米"},
    {"锰的密度", "7.43", "克/立方厘米"},
    {"铬的密度", "7.19", "克/立方厘米"},
    {"钴的密度", "8.9", "克/立方厘米"},
    {"镁的密度", "1.74", "克/立方厘米"},
    {"镍的密度", "8.9", "克/立方厘米"},
    {"钨的密度", "19.3", "克/立方厘米"},
    {"锆的密度", "6.49", "克/立方厘米"},
    {"钒的密度", "6.11", "克/立方厘米"},
    {"钼的密度", "10.20", "克/立方厘米"},
    {"铌的密度", "8.57", "克/立方厘米"},
    {"锇的密度", "22.5", "克/立方厘米"},
    {"锑的密度", "6.62", "克/立方厘米"},
    {"镉的密度", "8.64", "克/立方厘米"},
    {"钡的密度", "3.5", "克/立方厘米"},
    {"铍的密度", "1.85", "克/立方厘米"},
    {"铋的密度", "9.84", "克/立方厘米"},
    {"铱的密度", "22.4", "克/立方厘米"},
    {"铈的密度", "6.9", "克/立方厘米"},
    {"钽的密度", "16.6", "克/立方厘米"},
    {"碲的密度", "6.24", "克/立方厘米"},
    {"钍的密度", "11.5", "克/立方厘米"},
    {"钾的密度", "0.86", "克/立方厘米"},
    {"钠的密度", "0.97", "克/立方厘米"},
    {"钙的密度", "1.55", "克/立方厘米"},
    {"硼的密度", "2.34", "克/立方厘米"},
    {"硅的密度", "2.33", "克/立方厘米"},
    {"硒的密度", "4.84", "克/立方厘米"},
    {"砷的密度", "5.7", "克/立方厘米"},
    {"碳的密度", "2.25", "克/立方厘米"},
    {"磷的密度", "1.83", "克/立方厘米"},
    {"硫的密度", "2.07", "克/立方厘米"},
    {"硅的密度", "2.33", "克/立方厘米"},
    {"混凝土的密度", "2.25", "克/立方厘米"},
    {"汽油的密度", "0.7", "克/立方厘米"},
    {"煤油的密度", "0.8", "克/立方厘米"},
    {"海水的密度", "1.03", "克/立方厘米"},
    {"硫酸的密度", "1.8", "克/立方厘米"},
    {"华山松(15%水分时)的密度", "0.455", "克/立方厘米"},
    {"马尾松(15%水分时)的密度", "0.533", "克/立方厘米"},
    {"四川红杉(15%水分时)的密度", "0.452", "克/立方厘米"},
    {"杉木(15%水分时)的密度", "0.376", "克/立方厘米"},
    {"柏木(15%水分时)的密度", "0.600", "克/立方厘米"},
    {"水曲柳(15%水分时)的密度", "0.686", "克/立方厘米"},
    {"榆木(15%水分时)的密度", "0.548", "克/立方厘米"},
    {"白桦(15%水分时)的密度", "0.607", "克/立方厘米"},
    {"楠木(15%水分时)的密度", "0.610", "克/立方厘米"},
    {"柞木(15%水分时)的密度", "0.766", "克/立方厘米"},
    {"软木(15%水分时)的密度", "0.1", "克/立方厘米"},
    {"竹材(15%水分时)的密度", "0.9", "克/立方厘米"},
    {"木炭(15%水分时)的密度", "0.3", "克/立方厘米"},
    {"石墨的密度", "1.9", "克/立方厘米"},
    {"生石灰的密度", "1.1", "克/立方厘米"},
    {"水泥的密度", "1.2", "克/立方厘米"},
    {"砂(干)的密度", "1.4", "克/立方厘米"},
    {"普通砖的密度", "1.7", "克/立方厘米"},
    {"大理石的密度", "2.6", "克/立方厘米"},
    {"花岗石的密度", "2.6", "克/立方厘米"},
    {"石英的密度", "2.5", "克/立方厘米"},
    {"金刚石的密度", "3.5", "克/立方厘米"},
    {"白刚玉的密度", "3.90", "克/立方厘米"},
    {"云母的密度", "2.7", "克/立方厘米"},
    {"纯橡胶的密度", "0.93", "克/立方厘米"},
    {"平板玻璃的密度", "2.5", "克/立方厘米"},
    {"陶瓷的密度", "2.3", "克/立方厘米"},
    {"聚乙烯的密度", "0.92", "克/立方厘米"},
    {"尼龙6的密度", "1.13", "克/立方厘米"},
    {"玻璃钢的密度", "1.4", "克/立方厘米"},
    {"赛璐珞的密度", "1.35", "克/立方厘米"},
    {"有机玻璃的密度", "1.18", "克/立方厘米"},
    {"泡沫塑料的密度", "0.2", "克/立方厘米"},
}};

}  // namespace

std::span<const ConstantRow> constants_table() {
  return kConstants;
}

bool pick_constant(Calculator& calculator, int row) {
  if (row < 1 || row > kConstantRows) return false;
  const Extended value = parse_number(kConstants[row - 1].value);
  CalcState& state = calculator.calc_state();
  if (state.calc_base != NumberBase::Dec) {
    // Other bases hold integers only: the constant enters as its integer part, written in the
    // base, as a base switch would convert it. A decimal text there would be read as digits of
    // the base and cannot be shown.
    const Extended whole = static_cast<Extended>(truncate_to_int64(value));
    const std::string text =
        from_decimal(decimal_text_for(whole, state.calc_base), state.calc_base);
    state.cur_value = whole;
    state.entry_text = as_entry_text(text, state.calc_base);
    calculator.qel_play(text);
    return true;
  }
  state.cur_value = value;
  // The plain number text; the constants below 0.0001 (the electron's charge, the gravitational
  // and Planck's constants), which fifteen decimals would round to 0 or cut, and those from
  // 1E15 up (the light year), whose digits overflow the 14 cells, in the exponent form.
  const Extended size = std::fabs(value);
  state.entry_text =
      value != 0 && (size < 1e-4L || size >= 1e15L) ? general_text(value) : fix_text(value);
  calculator.qel_play(state.entry_text);
  return true;
}

}  // namespace orvanta
