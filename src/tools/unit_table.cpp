#include "tools/unit_table.h"

namespace orvanta {
namespace {

// Factors as decimal literals, read by the compiler into the 80-bit format; the storage
// fractions are exact binary fractions.
constexpr UnitRow kLength[] = {
    {" 米", 1.0L},           {" 分米", 10.0L},
    {" 厘米", 100.0L},       {" 毫米", 1000.0L},
    {" 微米", 1000000.0L},   {" 纳米", 1000000000.0L},
    {" 公里", 0.001L},       {" 市里", 0.002L},
    {" 市尺", 3.0L},         {" 市寸", 30.0L},
    {" 市分", 300.0L},       {" 市厘", 3000.0L},
    {" 英寸", 39.37L},       {" 英尺", 3.2808L},
    {" 码", 1.0936L},        {" 英里", 0.000621388L},
    {" 海里", 0.000539665L}, {" 密耳MIL(PCB或晶片布局)", 39370.07874015748L},
};

constexpr UnitRow kWeight[] = {
    {" 克", 1.0L},
    {" 公斤", 0.001L},
    {" 吨", 0.000001L},
    {" 市两", 0.02L},
    {" 市斤", 0.002L},
    {" 市担", 0.00002L},
    {" 盎司", 0.035274L},
    {" 格令", 15.384615L},
    {" 磅", 0.0022045855L},
    {" 美(短)吨", 0.0000011023L},
    {" 英(长)吨", 0.0000009842L},
};

constexpr UnitRow kArea[] = {
    {" 平方米", 1.0L},         {" 平方公里", 0.000001L}, {" 平方厘米", 10000.0L},
    {" 平方毫米", 1000000.0L}, {" 平方市尺", 9.0L},      {" 平方英尺", 10.7639L},
    {" 平方英寸", 1550.0L},    {" 公顷", 0.0001L},       {" 公亩", 0.01L},
    {" 公厘", 1.0L},           {" 市亩", 0.0015L},       {" 英亩", 0.000247105L},
};

constexpr UnitRow kVolume[] = {
    {" 立方米", 1.0L},
    {" 立方厘米(立方毫升)", 1000000.0L},
    {" 立方分米(升)", 1000.0L},
    {" 立方尺", 27.0L},
    {" 立方英寸", 61027.0L},
    {" 立方英尺", 35.315L},
    {" 斗", 100.0L},
    {" 美加仑", 264.18L},
    {" 英加仑", 219.974L},
    {" 英蒲式耳", 27.4967L},
};

constexpr UnitRow kForce[] = {
    {" 公斤(力)", 1.0L},
    {" 磅(力)", 2.205L},
    {" 达因(克·厘米/秒^2)", 981000.0L},
    {" 牛顿(公斤·米/秒^2)", 9.81L},
};

constexpr UnitRow kPower[] = {
    {" 千瓦", 1.0L},         {" 公制马力", 1.3596L},       {" 英制马力", 1.341L},
    {" 公斤·米/秒", 102.0L}, {" 英尺·磅/秒", 737.5627L},   {" 千卡/秒", 0.238L},
    {" 英热单位", 0.947L},   {" 匹(空调耗电量)", 1.3596L}, {" 匹(空调制冷量)", 0.4L},
};

constexpr UnitRow kEnergy[] = {
    {" 千瓦·小时(度)", 1.0L}, {" 马力·小时", 1.36L},           {" 公斤·米", 367300.0L},
    {" 磅·英尺", 2654000.0L}, {" 焦耳(10^7尔格)", 3600000.0L},
};

constexpr UnitRow kPressure[] = {
    {" 公斤/厘米^2", 1.0L},   {" 大气压", 0.9678L}, {" 水银柱高度(毫米)", 735.56L},
    {" 水柱高度(米)", 10.0L}, {" 毫巴", 981.0L},    {" 磅/英寸^2", 14.223L},
};

constexpr UnitRow kTemperature[] = {
    {" 摄氏温度(℃)", 0.0L},
    {" 华氏温度(℉)", 0.0L},
};

constexpr UnitRow kStorage[] = {
    {" 位(Bit)", 8192.0L},
    {" 字节(Byte)", 1024.0L},
    {" 字(Word)", 512.0L},
    {" 双字(DWord)", 256.0L},
    {" 千字节(KB)", 1.0L},
    {" 兆字节(MB)", 1.0L / 1024},
    {" 千兆字节(GB)", 1.0L / 1048576},
    {" 兆兆字节(TB)", 1.0L / 1073741824},
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
