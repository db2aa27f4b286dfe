#include "tools/keyboard/key_bindings.h"

#include <vector>

#include "numeric/profile_values.h"

namespace orvanta {

const std::array<KeyFunction, kKeyFunctionCount> kKeyFunctions = {{
    {"0", "k0"},
    {"1", "k1"},
    {"2", "k2"},
    {"3", "k3"},
    {"4", "k4"},
    {"5", "k5"},
    {"6", "k6"},
    {"7", "k7"},
    {"8", "k8"},
    {"9", "k9"},
    {".", "kp"},
    {"±", "kzf"},
    {"÷", "kdiv"},
    {"×", "ksum"},
    {"+", "kadd"},
    {"-", "ksub"},
    {"A", "ka"},
    {"B", "kb"},
    {"C", "kc"},
    {"D", "kd"},
    {"E", "ke"},
    {"F", "kf"},
    {"=", "kdy"},
    {"M÷", "mdiv"},
    {"M×", "msum"},
    {"M-", "msub"},
    {"M+", "madd"},
    {"MC", "mc"},
    {"MR", "mr"},
    {"MS", "ms"},
    {"π", "pi"},
    {"角/弧", "jd_hd"},
    {"时钟", "Ktime"},
    {"闹钟", "klz"},
    {"常用单位", "kdwhs"},
    {"电源", "kpower"},
    {"缩/弹", ""},
    {"清除CE", "ce"},
    {"归零C", "c"},
    {"语音", "voice"},
    {"删除", "tg"},
    {"Sin", "Ksin"},
    {"Cos", "kcos"},
    {"Tan", "ktan"},
    {"Cot", "kcot"},
    {"Sec", "ksec"},
    {"Csc", "kcsc"},
    {"SinH", "ksinh"},
    {"CosH", "kcosh"},
    {"TanH", "ktanh"},
    {"CotH", "kcoth"},
    {"SecH", "ksech"},
    {"CscH", "kcsch"},
    {"平方", "kpf"},
    {"Y次方", "kycf"},
    {"百分比", "kbfh"},
    // The square root is the right-button function of the x² key.
    {"平方根", "kpf", MouseButton::Right},
    {"Log", "klog"},
    {"1/X", "kds"},
    {"n'", "kjc"},
    {"弹出", kPopupButton, MouseButton::Right},
    {"Mod", "kmod"},
    {"And", "kand"},
    {"Or", "kor"},
    {"Xor", "kxor"},
    {"Not", "knot"},
    {"Int", "kint"},
    {"Shl", "k_shl"},
    {"Shr", "k_shr"},
    {"历史记录", kHistoryButton},
}};

namespace {

struct NamedKey {
  int code;
  std::string_view name;
};

constexpr NamedKey kNamedKeys[] = {
    {0x01, "鼠标左键钮"},   {0x02, "鼠标右键钮"},    {0x03, "Control-break执行"},
    {0x04, "鼠标中键钮"},   {0x08, "Backspace键"},   {0x09, "Tab键"},
    {0x0C, "Clear键"},      {0x0D, "Enter键"},       {0x10, "Shift键"},
    {0x11, "Ctrl键"},       {0x12, "Alt键"},         {0x13, "Pause键"},
    {0x14, "CapsLock键"},   {0x1B, "Esc键"},         {0x20, "SpaceBar键"},
    {0x21, "PageUp键"},     {0x22, "PageDown键"},    {0x23, "End键"},
    {0x24, "Home键"},       {0x25, "Left键"},        {0x26, "Up键"},
    {0x27, "Right键"},      {0x28, "Down键"},        {0x29, "Select键"},
    {0x2B, "Execute键"},    {0x2C, "PrintScreen键"}, {0x2D, "Ins键"},
    {0x2E, "Del键"},        {0x2F, "Help键"},        {0x5B, "左窗口键"},
    {0x5C, "右窗口键"},     {0x5D, "属性键"},        {0x6A, "*键"},
    {0x6B, "+键"},          {0x6C, "Separator键"},   {0x6D, "-键"},
    {0x6E, ".键"},          {0x6F, "/键"},           {0x90, "NumLock键"},
    {0x91, "ScrollLock键"}, {0xBA, ";键"},           {0xBB, "=键"},
    {0xBC, ",键"},          {0xBD, "-键"},           {0xBE, ".键"},
    {0xBF, "/键"},          {0xC0, "~键"},           {0xDB, "[键"},
    {0xDC, "\\键"},         {0xDD, "]键"},           {0xDE, "'键"},
};

// "0" ... "9", "A" ... "Z", "数字0键" ... "数字9键", "F1键" ... "F24键".
const std::array<std::string, kKeyCodeCount>& computed_names() {
  static const std::array<std::string, kKeyCodeCount> names = [] {
    std::array<std::string, kKeyCodeCount> n;
    for (int code = 0x30; code <= 0x39; ++code) n[code] = std::string(1, char(code));
    for (int code = 0x41; code <= 0x5A; ++code) n[code] = std::string(1, char(code));
    for (int digit = 0; digit <= 9; ++digit)
      n[0x60 + digit] = "数字" + std::to_string(digit) + "键";
    for (int f = 1; f <= 24; ++f) n[0x6F + f] = "F" + std::to_string(f) + "键";
    for (const NamedKey& key : kNamedKeys) n[key.code] = key.name;
    return n;
  }();
  return names;
}

}  // namespace

const KeyFunction* find_key_function(std::string_view caption) {
  const int row = key_function_row(caption);
  return row < 0 ? nullptr : &kKeyFunctions[row];
}

int key_function_row(std::string_view caption) {
  for (int row = 0; row < kKeyFunctionCount; ++row) {
    if (kKeyFunctions[row].caption == caption) return row;
  }
  return -1;
}

std::string_view key_name(int code) {
  if (code < 0 || code >= kKeyCodeCount) return {};
  return computed_names()[code];
}

std::string shown_key_name(int code) {
  const std::string_view name = key_name(code);
  return name.empty() ? std::to_string(code) : std::string(name);
}

void KeyTable::LoadKeyTable(bool load, SettingsStore& store) {
  entries_.fill(KeyBinding{});
  if (!load) return;
  const std::optional<IniDocument> document = store.read_document();
  if (!document) return;
  for (int code = 0; code < kKeyCodeCount; ++code) {
    const auto get = [&](std::string_view suffix) {
      return document->get(kKeyBordSection, key_binding_key(code, suffix));
    };
    KeyBinding& entry = entries_[code];
    entry.function = get("").value_or("");
    entry.modifiers.ctrl = profile_bool(get("Ctrl"), false);
    entry.modifiers.shift = profile_bool(get("Shift"), false);
    entry.modifiers.alt = profile_bool(get("Alt"), false);
  }
}

std::string_view KeyTable::KeyToFunction(int code, KeyModifiers held) const {
  if (code < 0 || code >= kKeyCodeCount) return {};
  const KeyBinding& entry = entries_[code];
  if (entry.function.empty() || entry.modifiers != held) return {};
  return entry.function;
}

bool KeyTable::save(SettingsStore& store) const {
  std::vector<SettingEntry> values;
  values.reserve(kKeyCodeCount * kKeyBindingKeys.size());
  for (int code = 0; code < kKeyCodeCount; ++code) {
    const KeyBinding& entry = entries_[code];
    values.push_back({key_binding_key(code, ""), entry.function});
    values.push_back({key_binding_key(code, "Ctrl"), profile_text(entry.modifiers.ctrl)});
    values.push_back({key_binding_key(code, "Shift"), profile_text(entry.modifiers.shift)});
    values.push_back({key_binding_key(code, "Alt"), profile_text(entry.modifiers.alt)});
  }
  return store.write_values(kKeyBordSection, values);
}

int KeyTable::code_of(std::string_view function) const {
  if (function.empty()) return -1;
  for (int code = 0; code < kKeyCodeCount; ++code) {
    if (entries_[code].function == function) return code;
  }
  return -1;
}

std::optional<HotkeyBinding> KeyTable::hotkey() const {
  const int code = code_of(kHotkeyFunction);
  if (code < 0) return std::nullopt;
  return HotkeyBinding{code, entries_[code].modifiers};
}

}  // namespace orvanta
