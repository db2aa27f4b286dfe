#include "tools/units/unit_table.h"

namespace orvanta {
namespace {

// Each unit's size in the category's reference unit, from its definition. Exact decimals
// where the definition is one; the others are the quotients of exact decimals, rounded once
// into the 80-bit format. Sources:
// - SI prefixes and the litre, tonne, hectare and are: the 9th SI Brochure (BIPM 2019).
// - Inch 0.0254 m, foot, yard 0.9144 m, mile 1760 yd, pound 0.45359237 kg, ounce 1/16 lb,
//   grain 1/7000 lb, short and long tons 2000 and 2240 lb: the international yard and pound
//   agreement of 1959 (as in NIST Handbook 44, appendix C). Mil: 0.001 inch.
// - Nautical mile 1852 m: International Extraordinary Hydrographic Conference, Monaco 1929.
// - Shi units: 1 市尺 = 1/3 m, 1 市里 = 1500 市尺, 1 市斤 = 500 g = 10 两, 1 担 = 100 斤,
//   1 亩 = 6000 平方市尺, 1 斗 = 10 L (the State Council's order unifying the measurement
//   system, 1959).
// - US gallon 231 cubic inches; imperial gallon 4.54609 L (UK Weights and Measures Act 1985),
//   imperial bushel 8 imperial gallons.
// - Standard gravity 9.80665 m/s^2 (3rd CGPM 1901): kilogram-force, pound-force, kgf·m,
//   kgf/cm^2 and metres of water (1000 kg/m^3).
// - Metric horsepower 75 kgf·m/s; mechanical horsepower 550 ft·lbf/s.
// - Thermochemical calorie 4.184 J; British thermal unit of the International Table
//   1055.05585262 J (ISO 31-4).
// - Standard atmosphere 101325 Pa (10th CGPM 1954) = 760 mmHg, the millimetre of mercury
//   taken as the torr (1/760 atm); millibar 100 Pa.
// - 匹 of an air conditioner's power draw is the metric horsepower; of its cooling capacity
//   the trade's 2500 W.
// - Storage in bits, binary multiples of 1024 as the column header says.

// Metres.
constexpr Extended kInch = 0.0254L;
constexpr Extended kFoot = 0.3048L;
constexpr Extended kShiChi = 1.0L / 3;
// Grams.
constexpr Extended kPound = 453.59237L;
// Newtons.
constexpr Extended kKilogramForce = 9.80665L;
constexpr Extended kPoundForce = 4.4482216152605L;  // 0.45359237 kg x 9.80665 m/s^2
// Joules.
constexpr Extended kFootPound = 1.3558179483314004L;  // 0.3048 m x 1 lbf
constexpr Extended kMetricHorsepower = 735.49875L;    // 75 kgf·m/s, in watts
constexpr Extended kCalorie = 4.184L;
constexpr Extended kBtu = 1055.05585262L;
// Pascals.
constexpr Extended kAtmosphere = 101325.0L;

constexpr UnitRow kLength[] = {
    {" 米", 1.0L},           {" 分米", 0.1L},          {" 厘米", 0.01L},
    {" 毫米", 0.001L},       {" 微米", 0.000001L},     {" 纳米", 0.000000001L},
    {" 公里", 1000.0L},      {" 市里", 500.0L},        {" 市尺", kShiChi},
    {" 市寸", kShiChi / 10}, {" 市分", kShiChi / 100}, {" 市厘", kShiChi / 1000},
    {" 英寸", kInch},        {" 英尺", kFoot},         {" 码", 0.9144L},
    {" 英里", 1609.344L},    {" 海里", 1852.0L},       {" 密耳MIL(PCB或晶片布局)", 0.0000254L},
};

// Grams.
constexpr UnitRow kWeight[] = {
    {" 克", 1.0L},
    {" 公斤", 1000.0L},
    {" 吨", 1000000.0L},
    {" 市两", 50.0L},
    {" 市斤", 500.0L},
    {" 市担", 50000.0L},
    {" 盎司", kPound / 16},
    {" 格令", 0.06479891L},  // 1/7000 lb
    {" 磅", kPound},
    {" 美(短)吨", 2000 * kPound},
    {" 英(长)吨", 2240 * kPound},
};

// Square metres.
constexpr UnitRow kArea[] = {
    {" 平方米", 1.0L},
    {" 平方公里", 1000000.0L},
    {" 平方厘米", 0.0001L},
    {" 平方毫米", 0.000001L},
    {" 平方市尺", kShiChi* kShiChi},
    {" 平方英尺", 0.09290304L},
    {" 平方英寸", 0.00064516L},
    {" 公顷", 10000.0L},
    {" 公亩", 100.0L},
    {" 公厘", 1.0L},  // the centiare
    {" 市亩", 2000.0L / 3},
    {" 英亩", 4046.8564224L},  // 43560 square feet
};

// Cubic metres.
constexpr UnitRow kVolume[] = {
    {" 立方米", 1.0L},
    {" 立方厘米(毫升)", 0.000001L},
    {" 立方分米(升)", 0.001L},
    {" 立方尺", kShiChi* kShiChi* kShiChi},
    {" 立方英寸", 0.000016387064L},
    {" 立方英尺", 0.028316846592L},
    {" 斗", 0.01L},
    {" 美加仑", 0.003785411784L},  // 231 cubic inches
    {" 英加仑", 0.00454609L},
    {" 英蒲式耳", 0.03636872L},
};

// Newtons.
constexpr UnitRow kForce[] = {
    {" 公斤(力)", kKilogramForce},
    {" 磅(力)", kPoundForce},
    {" 达因(克·厘米/秒^2)", 0.00001L},
    {" 牛顿(公斤·米/秒^2)", 1.0L},
};

// Watts.
constexpr UnitRow kPower[] = {
    {" 千瓦", 1000.0L},
    {" 公制马力", kMetricHorsepower},
    {" 英制马力", 550 * kFootPound},
    {" 公斤·米/秒", kKilogramForce},
    {" 英尺·磅/秒", kFootPound},
    {" 千卡/秒", 1000 * kCalorie},
    {" 英热单位/秒", kBtu},
    {" 匹(空调耗电量)", kMetricHorsepower},
    {" 匹(空调制冷量)", 2500.0L},
};

// Joules.
constexpr UnitRow kEnergy[] = {
    {" 千瓦·小时(度)", 3600000.0L}, {" 马力·小时", 3600 * kMetricHorsepower},
    {" 公斤·米", kKilogramForce},   {" 磅·英尺", kFootPound},
    {" 焦耳(10^7尔格)", 1.0L},
};

// Pascals.
constexpr UnitRow kPressure[] = {
    {" 公斤/厘米^2", 98066.5L},
    {" 大气压", kAtmosphere},
    {" 水银柱高度(毫米)", kAtmosphere / 760},
    {" 水柱高度(米)", 9806.65L},
    {" 毫巴", 100.0L},
    {" 磅/英寸^2", kPoundForce / 0.00064516L},
};

constexpr UnitRow kTemperature[] = {
    {" 摄氏温度(℃)", 0.0L},
    {" 华氏温度(℉)", 0.0L},
};

// Bits.
constexpr UnitRow kStorage[] = {
    {" 位(Bit)", 1.0L},
    {" 字节(Byte)", 8.0L},
    {" 字(Word)", 16.0L},
    {" 双字(DWord)", 32.0L},
    {" 千字节(KB)", 8192.0L},
    {" 兆字节(MB)", 8388608.0L},
    {" 千兆字节(GB)", 8589934592.0L},
    {" 兆兆字节(TB)", 8796093022208.0L},
};

// Both rows write their own text; no unit names.
constexpr UnitRow kAngle[] = {
    {"", 0.0L},
    {"", 0.0L},
};

}  // namespace

const std::array<UnitCategory, kUnitCategories>& unit_categories() {
  static const std::array<UnitCategory, kUnitCategories> kCategories{{
      {"     长 度", UnitKind::Factor, kLength, 1},
      {"     重 量", UnitKind::Factor, kWeight, 1},
      {"     面 积", UnitKind::Factor, kArea, 1},
      {"   体积(容积)", UnitKind::Factor, kVolume, 1},
      {"       力", UnitKind::Factor, kForce, 1},
      {"     功 率", UnitKind::Factor, kPower, 1},
      {"     功 能", UnitKind::Factor, kEnergy, 1},
      {"     压 强", UnitKind::Factor, kPressure, 1},
      {"     温 度", UnitKind::Temperature, kTemperature, 1},
      // Kilobytes are what most people count in.
      {"   电脑存储容量(KB)", UnitKind::Factor, kStorage, 5},
      {"  度/分/秒(dms)", UnitKind::Angle, kAngle, 1},
  }};
  return kCategories;
}

}  // namespace orvanta
