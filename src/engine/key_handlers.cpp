#include "engine/key_handlers.h"

#include <array>

namespace orvanta {

namespace {

constexpr std::array kKeys{
    KeyEntry{"k0", &Calculator::k0},
    KeyEntry{"k1", &Calculator::k1},
    KeyEntry{"k2", &Calculator::k2},
    KeyEntry{"k3", &Calculator::k3},
    KeyEntry{"k4", &Calculator::k4},
    KeyEntry{"k5", &Calculator::k5},
    KeyEntry{"k6", &Calculator::k6},
    KeyEntry{"k7", &Calculator::k7},
    KeyEntry{"k8", &Calculator::k8},
    KeyEntry{"k9", &Calculator::k9},
    KeyEntry{"ka", &Calculator::ka},
    KeyEntry{"kb", &Calculator::kb},
    KeyEntry{"kc", &Calculator::kc},
    KeyEntry{"kd", &Calculator::kd},
    KeyEntry{"ke", &Calculator::ke},
    KeyEntry{"kf", &Calculator::kf},
    KeyEntry{"kp", &Calculator::kp},
    KeyEntry{"kzf", &Calculator::kzf},
    KeyEntry{"tg", &Calculator::tg},
    KeyEntry{"ce", &Calculator::ce},
    KeyEntry{"c", &Calculator::c},
    KeyEntry{"kadd", &Calculator::kadd},
    KeyEntry{"ksub", &Calculator::ksub},
    KeyEntry{"ksum", &Calculator::ksum},
    KeyEntry{"kdiv", &Calculator::kdiv},
    KeyEntry{"kdy", &Calculator::kdy},
    KeyEntry{"Ksin", &Calculator::Ksin},
    KeyEntry{"kcos", &Calculator::kcos},
    KeyEntry{"ktan", &Calculator::ktan},
    KeyEntry{"kcot", &Calculator::kcot},
    KeyEntry{"ksec", &Calculator::ksec},
    KeyEntry{"kcsc", &Calculator::kcsc},
    KeyEntry{"ksinh", &Calculator::ksinh},
    KeyEntry{"kcosh", &Calculator::kcosh},
    KeyEntry{"ktanh", &Calculator::ktanh},
    KeyEntry{"kcoth", &Calculator::kcoth},
    KeyEntry{"ksech", &Calculator::ksech},
    KeyEntry{"kcsch", &Calculator::kcsch},
    KeyEntry{"kpf", &Calculator::kpf},
    KeyEntry{"kycf", &Calculator::kycf},
    KeyEntry{"klog", &Calculator::klog},
    KeyEntry{"kds", &Calculator::kds},
    KeyEntry{"kjc", &Calculator::kjc},
    KeyEntry{"kbfh", &Calculator::kbfh},
    KeyEntry{"kint", &Calculator::kint},
    KeyEntry{"pi", &Calculator::pi},
    KeyEntry{"jd_hd", &Calculator::jd_hd},
    KeyEntry{"mdiv", &Calculator::mdiv},
    KeyEntry{"msum", &Calculator::msum},
    KeyEntry{"msub", &Calculator::msub},
    KeyEntry{"madd", &Calculator::madd},
    KeyEntry{"mc", &Calculator::mc},
    KeyEntry{"mr", &Calculator::mr},
    KeyEntry{"ms", &Calculator::ms},
    KeyEntry{"kmod", &Calculator::kmod},
    KeyEntry{"kand", &Calculator::kand},
    KeyEntry{"kor", &Calculator::kor},
    KeyEntry{"kxor", &Calculator::kxor},
    KeyEntry{"knot", &Calculator::knot},
    KeyEntry{"k_shl", &Calculator::k_shl},
    KeyEntry{"k_shr", &Calculator::k_shr},
    KeyEntry{"voice", &Calculator::voice},
    KeyEntry{"Khex_on", &Calculator::Khex_on},
    KeyEntry{"kden_on", &Calculator::kden_on},
    KeyEntry{"kocx_on", &Calculator::kocx_on},
    KeyEntry{"kbin_on", &Calculator::kbin_on},
};

}  // namespace

std::span<const KeyEntry> key_table() {
  return kKeys;
}

KeyHandler find_key_handler(std::string_view name) {
  for (const KeyEntry& key : kKeys) {
    if (key.name == name) return key.handler;
  }
  return nullptr;
}

bool key_acts_in_base(std::string_view name, NumberBase base) {
  if (name.size() == 2 && name[0] == 'k' && name[1] >= '0' && name[1] <= '9') {
    const int digit = name[1] - '0';
    return base == NumberBase::Hex || base == NumberBase::Dec ||
           (base == NumberBase::Oct ? digit < 8 : digit < 2);
  }
  if (name.size() == 2 && name[0] == 'k' && name[1] >= 'a' && name[1] <= 'f') {
    return base == NumberBase::Hex;
  }
  static constexpr std::string_view kDecimalOnly[] = {
      "kp",    "kzf",   "Ksin",  "kcos",  "ktan", "kcot", "ksec", "kcsc", "ksinh", "kcosh",
      "ktanh", "kcoth", "ksech", "kcsch", "kpf",  "kycf", "klog", "kds",  "kjc",   "kbfh",
      "pi",    "jd_hd", "mdiv",  "msum",  "msub", "madd", "mc",   "mr",   "ms"};
  for (const std::string_view decimal : kDecimalOnly) {
    if (name == decimal) return base == NumberBase::Dec;
  }
  return true;
}

}  // namespace orvanta
