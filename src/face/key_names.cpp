#include "face/key_names.h"

#include <array>
#include <utility>

namespace orvanta::face {
namespace {

// By handler name; every key of kFaceKeys has its line (a unit test checks it).
constexpr std::array<std::pair<std::string_view, std::string_view>, 71> kNames = {{
    {"k0", "零"},
    {"k1", "一"},
    {"k2", "二"},
    {"k3", "三"},
    {"k4", "四"},
    {"k5", "五"},
    {"k6", "六"},
    {"k7", "七"},
    {"k8", "八"},
    {"k9", "九"},
    {"ka", "十六进制数字A"},
    {"kb", "十六进制数字B"},
    {"kc", "十六进制数字C"},
    {"kd", "十六进制数字D"},
    {"ke", "十六进制数字E"},
    {"kf", "十六进制数字F"},
    {"kp", "小数点"},
    {"kzf", "正负号"},
    {"kadd", "加"},
    {"ksub", "减"},
    {"ksum", "乘"},
    {"kdiv", "除"},
    {"kdy", "等于"},
    {"tg", "退格"},
    {"ce", "清除"},
    {"c", "归零"},
    {"Ksin", "正弦"},
    {"kcos", "余弦"},
    {"ktan", "正切"},
    {"kcot", "余切"},
    {"ksec", "正割"},
    {"kcsc", "余割"},
    {"ksinh", "双曲正弦"},
    {"kcosh", "双曲余弦"},
    {"ktanh", "双曲正切"},
    {"kcoth", "双曲余切"},
    {"ksech", "双曲正割"},
    {"kcsch", "双曲余割"},
    {"kpf", "平方"},
    {"kycf", "乘方"},
    {"klog", "常用对数"},
    {"kds", "倒数"},
    {"kjc", "阶乘"},
    {"kbfh", "百分比"},
    {"kint", "取整"},
    {"pi", "圆周率"},
    {"jd_hd", "角度弧度转换"},
    {"mdiv", "存储除"},
    {"msum", "存储乘"},
    {"msub", "存储减"},
    {"madd", "存储加"},
    {"mc", "清除存储"},
    {"mr", "调用存储"},
    {"ms", "存储"},
    {"kmod", "模除"},
    {"kand", "逻辑与"},
    {"kor", "逻辑或"},
    {"kxor", "逐位异或"},
    {"knot", "逐位取反"},
    {"k_shl", "左移"},
    {"k_shr", "右移"},
    {"voice", "语音开关"},
    {"Ktime", "日期时间"},
    {"klz", "闹钟"},
    {"kdwhs", "单位换算表"},
    {"kmin", "最小化"},
    {"kpower", "关闭计算器"},
    {"Khex_on", "十六进制"},
    {"kden_on", "十进制"},
    {"kocx_on", "八进制"},
    {"kbin_on", "二进制"},
}};

}  // namespace

std::string_view key_spoken_name(std::string_view key) {
  for (const auto& [name, spoken] : kNames) {
    if (name == key) return spoken;
  }
  return {};
}

}  // namespace orvanta::face
