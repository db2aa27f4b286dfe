#include "display/lcd_description.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(LcdDescription, ValueIsTheCellsWithoutLeadingBlanks) {
  LcdFrame frame;
  frame.text = "        1,234.5";
  EXPECT_EQ(lcd_value(frame), "1,234.5");
  frame.text = "   ";
  EXPECT_EQ(lcd_value(frame), "");
}

TEST(LcdDescription, TheLightsThatAreOnInTheirOrderWithTheBase) {
  LcdIndicators lights;
  EXPECT_EQ(lcd_description(lights, NumberBase::Bin), "二进制");
  lights.sound_on = true;
  lights.mem_on = true;
  lights.pt_mode = true;
  lights.angle_jd = true;
  lights.add_on = true;
  EXPECT_EQ(lcd_description(lights, NumberBase::Dec),
            "语音开，存储器有数，普通模式，角度，十进制，加");
  lights = {};
  lights.error_on = true;
  lights.kx_mode = true;
  lights.angle_hd = true;
  lights.div_on = true;
  EXPECT_EQ(lcd_description(lights, NumberBase::Hex),
            "显示不下全部数字，科学模式，弧度，十六进制，除");
}

}  // namespace
}  // namespace orvanta
