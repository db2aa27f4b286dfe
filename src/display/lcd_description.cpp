#include "display/lcd_description.h"

#include <string_view>
#include <utility>

namespace orvanta {

std::string lcd_value(const LcdFrame& frame) {
  const size_t first = frame.text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : frame.text.substr(first);
}

std::string lcd_description(const LcdIndicators& lights, NumberBase base) {
  const std::pair<bool, std::string_view> said[] = {
      {lights.sound_on, "语音开"},
      {lights.mem_on, "存储器有数"},
      {lights.error_on, "显示不下全部数字"},
      {lights.pt_mode, "普通模式"},
      {lights.kx_mode, "科学模式"},
      {lights.angle_jd, "角度"},
      {lights.angle_hd, "弧度"},
      {true, base == NumberBase::Hex   ? "十六进制"
             : base == NumberBase::Dec ? "十进制"
             : base == NumberBase::Oct ? "八进制"
                                       : "二进制"},
      {lights.add_on, "加"},
      {lights.sub_on, "减"},
      {lights.sum_on, "乘"},
      {lights.div_on, "除"},
  };
  std::string text;
  for (const auto& [on, words] : said) {
    if (!on) continue;
    if (!text.empty()) text += "，";
    text += words;
  }
  return text;
}

}  // namespace orvanta
