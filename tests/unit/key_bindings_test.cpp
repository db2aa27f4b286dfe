// The key table, the key dispatch with its guards and defaults, and the key-binding editor.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/key_handlers.h"
#include "sim/recording_message_boxes.h"
#include "sim/recording_ports.h"
#include "tools/keyboard/key_dispatch.h"
#include "tools/keyboard/key_editor.h"

namespace orvanta {
namespace {

constexpr KeyModifiers kNone{};
constexpr KeyModifiers kCtrl{true, false, false};
constexpr KeyModifiers kShift{false, true, false};
constexpr KeyModifiers kAlt{false, false, true};
constexpr KeyModifiers kCtrlShift{true, true, false};

KeyPress pressed(std::string_view button, MouseButton mouse = MouseButton::Left) {
  return {KeyRoute::Press, button, mouse};
}
const KeyPress kNothing{KeyRoute::Nothing, {}};
const KeyPress kIgnored{KeyRoute::Ignored, {}};
const KeyPress kToBar{KeyRoute::FormulaBar, {}};

TEST(KeyNamesTest, NamesOfTheKeyList) {
  const struct {
    int code;
    std::string_view name;
  } cases[] = {
      {0x00, ""},        {0x01, "鼠标左键钮"}, {0x03, "Control-break执行"},
      {0x05, ""},        {0x0D, "Enter键"},    {0x1B, "Esc键"},
      {0x2A, ""},        {0x30, "0"},          {0x39, "9"},
      {0x41, "A"},       {0x5A, "Z"},          {0x5D, "属性键"},
      {0x60, "数字0键"}, {0x69, "数字9键"},    {0x6D, "-键"},
      {0xBD, "-键"},     {0x6E, ".键"},        {0xBE, ".键"},
      {0x6F, "/键"},     {0xBF, "/键"},        {0x70, "F1键"},
      {0x87, "F24键"},   {0x88, ""},           {0x91, "ScrollLock键"},
      {0xDC, "\\键"},    {0xDE, "'键"},        {0xFF, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(key_name(c.code), c.name) << c.code;
  EXPECT_EQ(shown_key_name(0x88), "136");
}

TEST(KeyFunctionsTest, UniqueCaptionsEachPressingAKeyOrOpeningAWindow) {
  std::set<std::string_view> captions;
  for (const KeyFunction& f : kKeyFunctions) {
    captions.insert(f.caption);
    const bool window_key = f.button == "Ktime" || f.button == "klz" || f.button == "kdwhs" ||
                            f.button == "kpower" || f.button == kPopupButton ||
                            f.button == kHistoryButton;
    if (!f.button.empty() && !window_key) {
      EXPECT_NE(find_key_handler(f.button), nullptr) << f.caption;
    }
  }
  EXPECT_EQ(captions.size(), kKeyFunctions.size());
  EXPECT_EQ(kKeyFunctions.front().caption, "0");
  EXPECT_EQ(kKeyFunctions.back().caption, "历史记录");
  EXPECT_EQ(find_key_function("平方根")->mouse, MouseButton::Right);
  EXPECT_EQ(find_key_function("平方根")->button, "kpf");
  EXPECT_EQ(find_key_function("sin"), nullptr);  // whole-text, case-sensitive
}

class KeyboardTest : public ::testing::Test {
 protected:
  KeyboardTest() { table_.LoadKeyTable(true, settings_); }

  KeyPress key(int code, KeyModifiers held = kNone, KeyGuards guards = {}) {
    return dispatch_key(table_, code, held, guards);
  }

  sim::MemorySettings settings_;
  sim::RecordingMessageBoxes boxes_;
  KeyTable table_;
  KeyEditor editor_{table_, settings_, boxes_};
};

TEST_F(KeyboardTest, DefaultsWithoutBindings) {
  const struct {
    int code;
    KeyModifiers held;
    KeyPress expected;
  } cases[] = {
      {0x37, kNone, pressed("k7")},   {0x67, kNone, pressed("k7")},
      {0x37, kCtrl, pressed("k7")},   {0x30, kAlt, pressed("k0")},
      {0x0D, kNone, pressed("kdy")},  {0x38, kShift, pressed("ksum")},
      {0x38, kNone, pressed("k8")},   {0x38, kCtrlShift, pressed("k8")},
      {0x68, kShift, kNothing},       {0x68, kNone, pressed("k8")},
      {0xBE, kNone, pressed("kp")},   {0x6E, kNone, pressed("kp")},
      {0x6B, kNone, pressed("kadd")}, {0xBB, kNone, pressed("kadd")},
      {0x6D, kNone, pressed("ksub")}, {0xBD, kNone, pressed("ksub")},
      {0x6A, kNone, pressed("ksum")}, {0x6F, kNone, pressed("kdiv")},
      {0xBF, kNone, pressed("kdiv")}, {0x08, kNone, pressed("tg")},
      {0x41, kNone, kNothing},        {0x1B, kNone, kNothing},
  };
  for (const auto& c : cases) EXPECT_EQ(key(c.code, c.held), c.expected) << c.code;
}

TEST_F(KeyboardTest, GuardsInOrder) {
  const struct {
    int code;
    KeyGuards guards;
    KeyPress expected;
  } cases[] = {
      // While equals reads its result out only a second equals is held back.
      {0x37, {.equals_busy = true}, pressed("k7")},
      {0x6B, {.equals_busy = true}, pressed("kadd")},
      {0x0D, {.equals_busy = true}, kIgnored},
      {0x0D, {.equals_busy = true, .formula_bar_focused = true}, kIgnored},
      {0x37, {.equals_busy = true, .formula_bar_focused = true}, kToBar},
      {0x37, {.equals_busy = true, .clock_shown = true}, kIgnored},
      {0x37, {.formula_bar_focused = true, .clock_shown = true}, kToBar},
      {0x08, {.formula_bar_focused = true}, kToBar},
      {0x6F, {.formula_bar_focused = true}, kToBar},
      {0xBB, {.formula_bar_focused = true}, kToBar},
      {0x0D, {.formula_bar_focused = true}, pressed("kdy")},  // Enter still computes
      {0x37, {.clock_shown = true}, kIgnored},
      {0x37, {.panel_open = true}, kIgnored},
  };
  for (const auto& c : cases) EXPECT_EQ(key(c.code, kNone, c.guards), c.expected) << c.code;
  // A key bound to equals is held back during equals too.
  table_.entry(0x20) = KeyBinding{"=", kNone};
  EXPECT_EQ(key(0x20, kNone, {.equals_busy = true}), kIgnored);
  EXPECT_EQ(key(0x20), pressed("kdy"));
}

TEST_F(KeyboardTest, TabAndTheArrowsMoveTheFocusAcrossTheKeysUnlessBound) {
  const auto moves = [](face::KeyStep step) {
    KeyPress p{KeyRoute::MoveFocus, {}};
    p.step = step;
    return p;
  };
  const KeyPress kPressFocused{KeyRoute::PressFocused, {}};
  const struct {
    int code;
    KeyModifiers held;
    KeyGuards guards;
    KeyPress expected;
  } cases[] = {
      {0x09, kNone, {}, moves(face::KeyStep::Next)},
      {0x09, kShift, {}, moves(face::KeyStep::Previous)},
      {0x25, kNone, {}, moves(face::KeyStep::Left)},
      {0x26, kNone, {}, moves(face::KeyStep::Up)},
      {0x27, kNone, {}, moves(face::KeyStep::Right)},
      {0x28, kNone, {}, moves(face::KeyStep::Down)},
      {0x09, kCtrl, {}, kNothing},
      {0x09, kNone, {.panel_open = true}, kIgnored},
      // Enter computes, Space does nothing, until the focus shows on a key.
      {0x0D, kNone, {}, pressed("kdy")},
      {0x20, kNone, {}, kNothing},
      {0x0D, kNone, {.key_focus_shown = true}, kPressFocused},
      {0x20, kNone, {.key_focus_shown = true}, kPressFocused},
      {0x37, kNone, {.key_focus_shown = true}, pressed("k7")},
      {0x20, kNone, {.clock_shown = true, .key_focus_shown = true}, kIgnored},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(key(c.code, c.held, c.guards), c.expected) << c.code;
  }
  // A key the user bound keeps its binding.
  table_.entry(0x09) = KeyBinding{"Sin", kNone};
  EXPECT_EQ(key(0x09), pressed("Ksin"));
}

TEST_F(KeyboardTest, BindingsNeedExactlyTheirModifiers) {
  // Ctrl+F2 to Sin, 5 to Cos, F3 to the square root, F4 to the hotkey, F5 to the pop-up menu.
  for (const auto& [code, caption, held] :
       {std::tuple{0x71, "Sin", kCtrl}, std::tuple{0x35, "Cos", kNone},
        std::tuple{0x72, "平方根", kNone}, std::tuple{0x73, "缩/弹", kNone},
        std::tuple{0x74, "弹出", kNone}}) {
    table_.entry(code) = KeyBinding{caption, held};
  }
  const struct {
    int code;
    KeyModifiers held;
    KeyPress expected;
  } cases[] = {
      {0x71, kCtrl, pressed("Ksin")},
      {0x71, kNone, kNothing},
      {0x71, kCtrlShift, kNothing},
      {0x35, kNone, pressed("kcos")},
      {0x35, kShift, pressed("k5")},  // the binding misses, the default ignores Shift
      {0x72, kNone, pressed("kpf", MouseButton::Right)},
      {0x73, kNone, kNothing},
      {0x74, kNone, pressed(kPopupButton, MouseButton::Right)},
  };
  for (const auto& c : cases) EXPECT_EQ(key(c.code, c.held), c.expected) << c.code;
  EXPECT_EQ(table_.hotkey(), (HotkeyBinding{0x73, kNone}));
}

TEST_F(KeyboardTest, SavedInCodeOrderAndLoadedBack) {
  table_.entry(113) = KeyBinding{"Sin", kCtrl};
  table_.entry(27) = KeyBinding{"电源", kNone};
  ASSERT_TRUE(table_.save(settings_));
  const std::string file = settings_.document.to_bytes();
  std::size_t at = 0;
  for (const std::string_view key :
       {"Key0=", "Key0Ctrl=", "Key0Shift=", "Key0Alt=", "Key1=", "Key113=Sin", "Key255Alt=0"}) {
    const std::size_t found = file.find(key, at);
    ASSERT_NE(found, std::string::npos) << key;
    at = found;
  }
  EXPECT_EQ(settings_.document.get(kKeyBordSection, "Key113"), "Sin");
  EXPECT_EQ(settings_.document.get(kKeyBordSection, "Key113Ctrl"), "1");
  EXPECT_EQ(settings_.document.get(kKeyBordSection, "Key113Shift"), "0");

  KeyTable loaded;
  loaded.LoadKeyTable(true, settings_);
  EXPECT_EQ(loaded.KeyToFunction(113, kCtrl), "Sin");
  EXPECT_EQ(loaded.KeyToFunction(27, kNone), "电源");
  loaded.LoadKeyTable(false, settings_);
  EXPECT_EQ(loaded.KeyToFunction(113, kCtrl), "");
}

TEST_F(KeyboardTest, FailedSaveIsReportedByTheStore) {
  struct FailingSettings : sim::MemorySettings {
    bool write_values(std::string_view, std::span<const SettingEntry>) override { return false; }
  } failing;
  EXPECT_FALSE(table_.save(failing));
}

int row_of(std::string_view caption) {
  return key_function_row(caption);
}

TEST_F(KeyboardTest, EditorBindsMovesAndClears) {
  table_.entry(0x1B) = KeyBinding{"电源", kNone};
  editor_.open();
  EXPECT_EQ(editor_.row(row_of("电源")), (KeyEditorRow{"Esc键", true, kNone}));
  EXPECT_EQ(editor_.row(row_of("Sin")), KeyEditorRow{});

  const int sin = row_of("Sin");
  editor_.focus(sin);
  EXPECT_TRUE(editor_.key_pressed(sin, 0x71));
  editor_.box_changed(sin, ModifierBox::Ctrl, true);
  EXPECT_EQ(editor_.row(sin), (KeyEditorRow{"F2键", true, kCtrl}));
  EXPECT_EQ(table_.KeyToFunction(0x71, kCtrl), "Sin");

  // Another key for the same row: the old one loses the binding.
  editor_.key_pressed(sin, 0x72);
  EXPECT_EQ(table_.entry(0x71).function, "");
  EXPECT_EQ(table_.entry(0x72).function, "Sin");

  // The same key for another row moves it there.
  const int cos = row_of("Cos");
  editor_.key_pressed(cos, 0x72);
  EXPECT_EQ(editor_.row(sin), KeyEditorRow{});
  EXPECT_EQ(table_.entry(0x72).function, "Cos");
  EXPECT_FALSE(editor_.key_pressed(cos, 256));

  // "清 除" clears the row that last had the focus (Sin has no key any more), then Cos.
  editor_.clear_row();
  EXPECT_EQ(table_.entry(0x72).function, "Cos");
  editor_.focus(cos);
  editor_.clear_row();
  EXPECT_EQ(editor_.row(cos), KeyEditorRow{});
  EXPECT_EQ(table_.code_of("Cos"), -1);
}

TEST_F(KeyboardTest, EditorComparesRowsByShownName) {
  editor_.open();
  const int minus = row_of("-");
  const int msub = row_of("M-");
  editor_.key_pressed(minus, 0xBD);  // main-keyboard minus
  editor_.key_pressed(msub, 0x6D);   // keypad minus: the same name
  EXPECT_EQ(editor_.row(minus), KeyEditorRow{});
  EXPECT_EQ(editor_.row(msub).field, "-键");
  EXPECT_EQ(table_.entry(0xBD).function, "-");  // that binding stays
  EXPECT_EQ(table_.entry(0x6D).function, "M-");
}

TEST_F(KeyboardTest, BoxesOfARowWithoutKeyRecordNothing) {
  editor_.open();
  editor_.box_changed(row_of("Tan"), ModifierBox::Alt, true);
  for (int code = 0; code < kKeyCodeCount; ++code) EXPECT_EQ(table_.entry(code).modifiers, kNone);
  editor_.clear_row();  // no field had the focus: nothing happens
}

TEST_F(KeyboardTest, EditorOkStoresCancelDiscardsClearAllAsks) {
  editor_.open();
  editor_.key_pressed(row_of("Sin"), 0x71);
  EXPECT_TRUE(editor_.ok());
  EXPECT_FALSE(editor_.visible());
  EXPECT_EQ(settings_.document.get(kKeyBordSection, "Key113"), "Sin");

  editor_.open();
  editor_.key_pressed(row_of("Cos"), 0x35);
  editor_.cancel();
  EXPECT_EQ(table_.KeyToFunction(0x35, kNone), "");
  EXPECT_EQ(table_.KeyToFunction(0x71, kNone), "Sin");

  editor_.open();
  boxes_.answer_yes = false;
  editor_.clear_all();
  EXPECT_EQ(table_.KeyToFunction(0x71, kNone), "Sin");
  boxes_.answer_yes = true;
  editor_.clear_all();
  EXPECT_EQ(table_.KeyToFunction(0x71, kNone), "");
  EXPECT_EQ(editor_.row(row_of("Sin")), KeyEditorRow{});
  EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{"警告: 确定要清除所有键盘设置吗?",
                                                      "警告: 确定要清除所有键盘设置吗?"}));
  // Nothing is stored before "确 定".
  EXPECT_EQ(settings_.document.get(kKeyBordSection, "Key113"), "Sin");
  editor_.ok();
  EXPECT_EQ(settings_.document.get(kKeyBordSection, "Key113"), "");
  EXPECT_EQ(table_.hotkey(), std::nullopt);
}

}  // namespace
}  // namespace orvanta
