// The calculator on screen, driven with real mouse input and read back from its pixels.
#include <gtest/gtest.h>

#include "face_reader.h"
#include "harness.h"
#include "win32/chrome/menu_ids.h"

namespace orvanta::e2e {
namespace {

using namespace std::chrono_literals;

// Every value at its control's initial state, so a start with this file writes nothing.
const std::string kSettledSettings =
    "[Setup]\r\nDevice_AutoCopyTo=0\r\nDevice_find_windows=0\r\nDevice_gs3500=5000\r\n"
    "Device_point=-1\r\n[Welcome]\r\nText=Orvanta\r\n";

class CalculatorE2e : public ::testing::Test {
 protected:
  void SetUp() override { remove_settings(); }
  void TearDown() override {
    SetFileAttributesW(settings_file().c_str(), FILE_ATTRIBUTE_NORMAL);
    remove_settings();
  }

  void press_keys(std::initializer_list<const char*> names) { FaceReader::press_keys(app, names); }
  bool lcd_shows(const std::string& text) { return reader.lcd_shows(app, text); }
  std::wstring formula_bar() const {
    const face::Rect bar = face::DisplayScale(e2e_dpi()).rect(face::kFormulaBar);
    return app.text_at(bar.left + bar.width / 18, bar.top + bar.height / 2);
  }

  App app;
  FaceReader reader;
};

TEST_F(CalculatorE2e, StartsShowingZeroWithItsLights) {
  ASSERT_TRUE(app.start());
  EXPECT_TRUE(lcd_shows("0."));
  const Capture c = app.capture();
  EXPECT_TRUE(reader.indicator_visible(c, "sound_on"));
  EXPECT_TRUE(reader.indicator_visible(c, "PT_MODE"));
  EXPECT_TRUE(reader.indicator_visible(c, "angle_jd"));
  EXPECT_FALSE(reader.indicator_visible(c, "KX_MODE"));
  EXPECT_FALSE(reader.indicator_visible(c, "error_on"));
}

TEST_F(CalculatorE2e, NormalModeComputesInInputOrder) {
  ASSERT_TRUE(app.start());
  // The times key computes 1+2 at once and lights its sign until the next digit.
  press_keys({"k1", "kadd", "k2", "ksum"});
  EXPECT_TRUE(lcd_shows("3")) << reader.lcd_text(app.capture());
  EXPECT_TRUE(poll_until([&] { return reader.indicator_visible(app.capture(), "sum_on"); }, 5s));
  press_keys({"k3"});
  EXPECT_TRUE(poll_until([&] { return !reader.indicator_visible(app.capture(), "sum_on"); }, 5s));
  press_keys({"kdy"});
  EXPECT_TRUE(lcd_shows("9")) << reader.lcd_text(app.capture());
}

TEST_F(CalculatorE2e, ScientificModeKeepsPrecedenceAndShowsTheChain) {
  write_settings("[Setup]\r\nDevice_Science_calc=1\r\n");
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(lcd_shows("0."));
  EXPECT_TRUE(reader.indicator_visible(app.capture(), "KX_MODE"));
  press_keys({"k1", "kadd", "k2", "ksum", "k3", "kdy"});
  EXPECT_TRUE(lcd_shows("7")) << reader.lcd_text(app.capture());
  EXPECT_TRUE(poll_until([&] { return formula_bar() == L"1+2*3"; }, 5s))
      << testing::PrintToString(formula_bar());
}

TEST_F(CalculatorE2e, DivisionByZeroShowsTheErrorMark) {
  ASSERT_TRUE(app.start());
  press_keys({"k8", "kdiv", "k0", "kdy"});
  EXPECT_TRUE(lcd_shows("......")) << reader.lcd_text(app.capture());
}

TEST_F(CalculatorE2e, VoiceOffSurvivesARestart) {
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(poll_until([&] { return reader.indicator_visible(app.capture(), "sound_on"); }));
  press_keys({"voice"});
  EXPECT_TRUE(poll_until([&] { return !reader.indicator_visible(app.capture(), "sound_on"); }));
  EXPECT_EQ(read_setting(L"Setup", L"Device_sound"), L"0");
  app.kill();

  App again;
  ASSERT_TRUE(again.start());
  ASSERT_TRUE(poll_until([&] { return reader.lcd_text(again.capture()) == "0."; }));
  EXPECT_FALSE(reader.indicator_visible(again.capture(), "sound_on"));
}

TEST_F(CalculatorE2e, FirstStartLeavesTheSettingsFile) {
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(lcd_shows("0."));
  const struct {
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* value;
  } expected[] = {
      {L"Setup", L"Device_AutoCopyTo", L"0"},
      {L"Setup", L"Device_find_windows", L"1"},
      {L"Setup", L"Device_gs3500", L"5000"},
      {L"Setup", L"Device_point", L"-1"},
      {L"Welcome", L"Text", L"欢迎使用Orvanta 作者:Brenic"},
      {L"KeyBord", L"Key27", L"电源"},
      {L"Setup", L"Device_sound", L"<absent>"},
      {L"Setup", L"Device_Science_calc", L"<absent>"},
  };
  for (const auto& e : expected) {
    EXPECT_EQ(read_setting(e.section, e.key), e.value) << "key " << testing::PrintToString(e.key);
  }
}

TEST_F(CalculatorE2e, ReadOnlySettingsFileWarnsUntilTheUserSaysNo) {
  write_settings(kSettledSettings);
  SetFileAttributesW(settings_file().c_str(), FILE_ATTRIBUTE_READONLY);
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(lcd_shows("0."));
  press_keys({"voice"});
  HWND warning = app.wait_window(L"警告", 5s);
  ASSERT_NE(warning, nullptr);
  const auto texts = App::child_texts(warning);
  EXPECT_NE(std::find_if(texts.begin(), texts.end(),
                         [](const std::wstring& t) { return t.find(L"软件参数设置失败!") == 0; }),
            texts.end());
  ASSERT_TRUE(App::press_dialog_button(warning, L"确定") ||
              App::press_dialog_button(warning, L"OK"));
  HWND ask = app.wait_window(L"提示", 5s);
  ASSERT_NE(ask, nullptr);
  ASSERT_TRUE(App::press_dialog_button(ask, L"否") || App::press_dialog_button(ask, L"No"));
  ASSERT_TRUE(poll_until([&] { return app.find_window(L"提示") == nullptr; }));

  // Silenced: the next failing write shows nothing.
  press_keys({"voice"});
  app.wait_idle();
  EXPECT_EQ(app.find_window(L"警告"), nullptr);
}

TEST_F(CalculatorE2e, PowerKeyAsksAndNoKeepsTheCalculator) {
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(lcd_shows("0."));
  press_keys({"kpower"});
  HWND ask = app.wait_window(L"提示", 5s);
  ASSERT_NE(ask, nullptr);
  const auto texts = App::child_texts(ask);
  EXPECT_NE(std::find(texts.begin(), texts.end(), L"确认关闭语音计算器吗？"), texts.end());
  ASSERT_TRUE(App::press_dialog_button(ask, L"否") || App::press_dialog_button(ask, L"No"));
  EXPECT_FALSE(app.wait_exit(1s));
  EXPECT_TRUE(IsWindowVisible(app.window()));
}

TEST_F(CalculatorE2e, MinimiseHidesAndTheTrayIconBringsItBack) {
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(lcd_shows("0."));
  press_keys({"kmin"});
  EXPECT_TRUE(poll_until([&] { return !IsWindowVisible(app.window()); }));
  PostMessageW(app.window(), WM_USER + 168, 1, WM_LBUTTONDOWN);
  EXPECT_TRUE(poll_until([&] { return IsWindowVisible(app.window()) != FALSE; }));
  EXPECT_TRUE(app.running());
}

TEST_F(CalculatorE2e, KeyFadesToItsHoverLookWhileTheMouseRestsOnIt) {
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(lcd_shows("0."));
  const POINT centre = FaceReader::key_centre("k5");
  const Capture before = app.capture();
  app.move_mouse(centre.x, centre.y);
  // The fade passes through blends and settles on the hover look, which differs from the
  // normal one at the key's centre area.
  EXPECT_TRUE(poll_until(
      [&] {
        const Capture now = app.capture();
        int differing = 0;
        for (int y = centre.y - 10; y < centre.y + 10; ++y) {
          for (int x = centre.x - 10; x < centre.x + 10; ++x) {
            differing += now.at(x, y) != before.at(x, y);
          }
        }
        return differing > 50;
      },
      3s));
  app.move_mouse(5, 505);
}

TEST_F(CalculatorE2e, EscapeAsksAndYesCloses) {
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(lcd_shows("0."));
  app.key(VK_ESCAPE);
  HWND ask = app.wait_window(L"提示", 5s);
  ASSERT_NE(ask, nullptr);
  ASSERT_TRUE(App::press_dialog_button(ask, L"是") || App::press_dialog_button(ask, L"Yes"));
  EXPECT_TRUE(app.wait_exit());
}

TEST_F(CalculatorE2e, SettingsPanelSwitchesScientificModeAndAPressOnTheFaceClosesIt) {
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(lcd_shows("0."));
  PostMessageW(app.window(), WM_COMMAND, win32::kMenuSettings, 0);
  const HWND science = app.wait_child(L"科学计算模式");
  ASSERT_NE(science, nullptr);
  PostMessageW(science, BM_CLICK, 0, 0);
  EXPECT_TRUE(poll_until([&] { return reader.indicator_visible(app.capture(), "KX_MODE"); }));
  EXPECT_EQ(read_setting(L"Setup", L"Device_Science_calc"), L"1");

  // A press on the face (outside the panel and the keys) closes it.
  const face::DisplayScale at(e2e_dpi());
  app.click(at(30), at(150));
  EXPECT_TRUE(poll_until([&] { return !IsWindowVisible(science); }));
  press_keys({"k1", "kadd", "k2", "ksum", "k3", "kdy"});
  EXPECT_TRUE(lcd_shows("7")) << reader.lcd_text(app.capture());
}

// Unticking and ticking "显示输入公式条" shows the bar again below the open panel.
TEST_F(CalculatorE2e, FormulaBarShownAgainStaysBelowTheSettingsPanel) {
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(lcd_shows("0."));
  const face::DisplayScale at(e2e_dpi());
  const POINT outside{at(50), at(113)};   // on the bar, left of the panel
  const POINT overlap{at(200), at(113)};  // on the bar and on the panel
  const HWND bar = ChildWindowFromPointEx(app.window(), outside, CWP_SKIPINVISIBLE);
  ASSERT_NE(bar, app.window());
  PostMessageW(app.window(), WM_COMMAND, win32::kMenuSettings, 0);
  const HWND box = app.wait_child(L"显示输入公式条");
  ASSERT_NE(box, nullptr);
  const HWND panel = GetParent(box);
  PostMessageW(box, BM_CLICK, 0, 0);
  ASSERT_TRUE(poll_until([&] { return !IsWindowVisible(bar); }));
  PostMessageW(box, BM_CLICK, 0, 0);
  ASSERT_TRUE(poll_until([&] { return IsWindowVisible(bar) != FALSE; }));
  EXPECT_EQ(ChildWindowFromPointEx(app.window(), overlap, CWP_SKIPINVISIBLE), panel)
      << "the bar lies above the panel";
  EXPECT_NE(GetWindowLongW(bar, GWL_STYLE) & WS_CLIPSIBLINGS, 0) << "the bar paints over it";
}

TEST_F(CalculatorE2e, FirstStartShowsTheTipTenSecondsLater) {
  ASSERT_TRUE(app.start());
  const auto tip_visible = [&] {
    const HWND button = App::find_child(app.window(), L"知道了");
    return button != nullptr && IsWindowVisible(button) != FALSE;
  };
  // On the program's clock: not after eight seconds (its start may have taken up to two), then
  // at ten at the latest.
  app.advance_clock(8000ms);
  app.wait_idle();
  EXPECT_FALSE(tip_visible());
  app.advance_clock(2000ms);
  ASSERT_TRUE(poll_until(tip_visible));
  PostMessageW(App::find_child(app.window(), L"知道了"), BM_CLICK, 0, 0);
  EXPECT_TRUE(poll_until([&] { return !tip_visible(); }));
}

}  // namespace
}  // namespace orvanta::e2e
