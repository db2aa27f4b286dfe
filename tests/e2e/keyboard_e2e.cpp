// The keyboard, the clock and the alarms on the real window: real key input, the LCD read from
// its pixels, message boxes by caption, the power actions through their recorder.
#include <gtest/gtest.h>
#include <windows.h>
#include <windowsx.h>

#include <commctrl.h>

#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "face_reader.h"
#include "harness.h"
#include "tools/keyboard/key_bindings.h"
#include "win32/chrome/menu_ids.h"
#include "win32/features/keyboard/key_panel.h"

namespace orvanta::e2e {
namespace {

using namespace std::chrono_literals;

// A settled settings file, with `more` lines in its [Setup] section.
std::string settled(const std::string& more = "") {
  return "[Setup]\r\nDevice_AutoCopyTo=0\r\nDevice_find_windows=0\r\nDevice_gs3500=5000\r\n"
         "Device_point=-1\r\n" +
         more + "[Welcome]\r\nText=Orvanta\r\n";
}
const std::string kSettled = settled();

class KeyboardE2e : public ::testing::Test {
 protected:
  void SetUp() override { remove_settings(); }
  void TearDown() override {
    remove_settings();
    SetEnvironmentVariableW(L"ORVANTA_POWER_RECORDER", nullptr);
  }

  bool lcd_shows(const std::string& text) { return reader.lcd_shows(app, text); }
  void type(std::initializer_list<WORD> keys) {
    for (const WORD vk : keys) app.key(vk);
  }

  App app;
  FaceReader reader;
};

TEST_F(KeyboardE2e, TypedDigitsOperatorsAndEnterCompute) {
  // Voice off: no read-out between the sums.
  write_settings(settled("Device_sound=0\r\n"));
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(lcd_shows("0."));
  type({'1', '2', VK_ADD, '7'});
  app.key_chord({VK_SHIFT}, '8');  // Shift+8 multiplies
  type({'2', VK_RETURN});
  EXPECT_TRUE(lcd_shows("38")) << reader.lcd_text(app.capture());

  type({VK_NUMPAD9, VK_NUMPAD9, VK_BACK, VK_DECIMAL, VK_NUMPAD5, VK_DIVIDE, '2', VK_RETURN});
  EXPECT_TRUE(lcd_shows("4.75")) << reader.lcd_text(app.capture());
}

TEST_F(KeyboardE2e, StoredBindingNeedsExactlyItsModifiers) {
  write_settings(kSettled + "[KeyBord]\r\nKey113=Sin\r\nKey113Ctrl=1\r\nKey53=Cos\r\n");
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(lcd_shows("0."));
  type({'3', '0', VK_F2});
  app.key_chord({VK_CONTROL, VK_SHIFT}, VK_F2);
  EXPECT_TRUE(lcd_shows("30"));
  app.key_chord({VK_CONTROL}, VK_F2);
  EXPECT_TRUE(lcd_shows("0.5")) << reader.lcd_text(app.capture());
  // 5 is bound to cos; Shift+5 still enters the digit.
  FaceReader::press_keys(app, {"c"});
  app.key_chord({VK_SHIFT}, '5');
  EXPECT_TRUE(lcd_shows("5")) << reader.lcd_text(app.capture());
}

TEST_F(KeyboardE2e, ClockShowsDateThenTimeThenTheNumberAndHoldsKeysBack) {
  write_settings(kSettled);
  ASSERT_TRUE(app.start());
  type({'4'});
  ASSERT_TRUE(lcd_shows("4"));
  FaceReader::press_keys(app, {"Ktime"});
  ASSERT_TRUE(poll_until([&] {
    const std::string text = reader.lcd_text(app.capture());
    return text.size() >= 10 && text[4] == '-' && text[7] == '-';
  })) << reader.lcd_text(app.capture());
  type({'7'});
  FaceReader::press_keys(app, {"Ktime"});
  ASSERT_TRUE(poll_until([&] {
    const std::string text = reader.lcd_text(app.capture());
    return text.size() >= 8 && text[2] == ':' && text[5] == ':';
  })) << reader.lcd_text(app.capture());
  FaceReader::press_keys(app, {"Ktime"});
  EXPECT_TRUE(lcd_shows("4")) << reader.lcd_text(app.capture());
}

// Voice on, as at a first start: equals reads 777777 out for about two seconds, while the
// keys below are pressed.
class ReadOutE2e : public KeyboardE2e {
 protected:
  void equals_reading_out() {
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(lcd_shows("0."));
    ASSERT_TRUE(reader.indicator_visible(app.capture(), "sound_on"));
    type({'1', '2', '3', '4', '5', '6', VK_ADD, '6', '5', '4', '3', '2', '1', VK_RETURN});
    ASSERT_TRUE(lcd_shows("777777"));
  }
  std::wstring formula_bar() const { return app.text_at(46 + 20, 105 + 8); }
};

TEST_F(ReadOutE2e, EveryKeyTypedDuringItArrives) {
  write_settings(kSettled);
  equals_reading_out();
  type({'9', '9', '9', '9', '9'});
  EXPECT_TRUE(lcd_shows("99999")) << reader.lcd_text(app.capture());
}

// The window's own keys stop it too, so they are handled as after any equals: the clock's
// third press brings the number back and the finished chain leaves the formula bar, as with
// the voice off. The first press comes from the face or from a key bound to "时钟" (the
// keyboard is held back while the clock shows).
TEST_F(ReadOutE2e, TheClockKeyStopsIt) {
  for (const bool from_keyboard : {false, true}) {
    SCOPED_TRACE(from_keyboard ? "keyboard" : "face");
    // F3 bound to "时钟", in the file's code page.
    write_settings(kSettled + "[KeyBord]\r\nKey114=\xCA\xB1\xD6\xD3\r\n");
    equals_reading_out();
    ASSERT_EQ(formula_bar(), L"123456+654321");
    if (from_keyboard) {
      type({VK_F3});
    } else {
      FaceReader::press_keys(app, {"Ktime"});
    }
    FaceReader::press_keys(app, {"Ktime", "Ktime"});
    EXPECT_TRUE(lcd_shows("777777")) << reader.lcd_text(app.capture());
    EXPECT_EQ(formula_bar(), L"");
    app.close();
  }
}

// An alarm two minutes ahead, stored as the panel stores it, with its time of day in seconds.
struct Alarm {
  std::string section;
  int at;
};

Alarm alarm_ahead(int action, const char* tip) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  const int at = (now.wHour * 3600 + now.wMinute * 60 + now.wSecond + 120) % 86400;
  char text[160];
  std::snprintf(text, sizeof text,
                "[Time1]\r\non=1\r\nTime=%02d:%02d:%02d\r\nTip=%s\r\nAction=%d\r\n", at / 3600,
                at / 60 % 60, at % 60, tip, action);
  return {text, at};
}

// How far the program's clock must move for an alarm at `at` to act: half a second past it.
std::chrono::milliseconds until(int at) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  const long long since_midnight =
      (now.wHour * 3600LL + now.wMinute * 60 + now.wSecond) * 1000 + now.wMilliseconds;
  long long ms = at * 1000LL + 500 - since_midnight;
  if (ms < 0) ms += 86400000;
  return std::chrono::milliseconds(ms);
}

int boxes_captioned(const App& app, const wchar_t* caption) {
  int n = 0;
  for (HWND w : top_level_windows(app.process_id())) {
    n += IsWindowVisible(w) && App::text_of(w) == caption;
  }
  return n;
}

TEST_F(KeyboardE2e, AlarmShowsItsTipOnce) {
  const Alarm alarm = alarm_ahead(2, "Meeting");
  write_settings(kSettled + alarm.section);
  ASSERT_TRUE(app.start());
  app.advance_clock(until(alarm.at));
  HWND box = app.wait_window(L"到点提示");
  ASSERT_NE(box, nullptr);
  bool has_tip = false;
  for (const std::wstring& text : App::child_texts(box)) has_tip |= text == L"Meeting";
  EXPECT_TRUE(has_tip);
  // Further ticks inside the alarm's five seconds open no second box.
  for (int second = 0; second < 3; ++second) app.advance_clock(1000ms);
  app.wait_idle();
  EXPECT_EQ(boxes_captioned(app, L"到点提示"), 1);
  App::press_dialog_button(box, L"确定") || App::press_dialog_button(box, L"OK");
  EXPECT_TRUE(poll_until([&] { return app.find_window(L"到点提示") == nullptr; }, 3s));
  app.advance_clock(1000ms);
  app.wait_idle();
  EXPECT_EQ(app.find_window(L"到点提示"), nullptr);
}

TEST_F(KeyboardE2e, AlarmQuitsTheCalculator) {
  const Alarm alarm = alarm_ahead(4, "x");
  write_settings(kSettled + alarm.section);
  ASSERT_TRUE(app.start());
  app.advance_clock(until(alarm.at));
  EXPECT_TRUE(app.wait_exit());
}

TEST_F(KeyboardE2e, PowerActionsReachOnlyTheRecorder) {
  wchar_t folder[MAX_PATH];
  ASSERT_GT(GetTempPathW(MAX_PATH, folder), 0u);
  const std::wstring record = std::wstring(folder) + L"orvanta_power_record.txt";
  DeleteFileW(record.c_str());
  SetEnvironmentVariableW(L"ORVANTA_POWER_RECORDER", record.c_str());
  const Alarm alarm = alarm_ahead(7, "x");
  write_settings(kSettled + alarm.section);
  ASSERT_TRUE(app.start());
  app.advance_clock(until(alarm.at));
  std::string recorded;
  EXPECT_TRUE(poll_until([&] {
    FILE* f = _wfopen(record.c_str(), L"rb");
    if (f == nullptr) return false;
    char buffer[64] = {};
    recorded.assign(buffer, std::fread(buffer, 1, sizeof buffer - 1, f));
    std::fclose(f);
    return !recorded.empty();
  }));
  EXPECT_EQ(recorded, "power_off\n");
  EXPECT_TRUE(app.running());
  DeleteFileW(record.c_str());
}

TEST_F(KeyboardE2e, HotkeyHidesAndBringsBack) {
  // "缩/弹" in GBK, as the settings file holds it.
  write_settings(kSettled +
                 "[KeyBord]\r\nKey75=\xCB\xF5/\xB5\xAF\r\nKey75Ctrl=1\r\nKey75Alt=1\r\n");
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(lcd_shows("0."));
  app.key_chord({VK_CONTROL, VK_MENU}, 'K');
  EXPECT_TRUE(poll_until([&] { return !IsWindowVisible(app.window()); }, 5s));
  app.key_chord({VK_CONTROL, VK_MENU}, 'K');
  EXPECT_TRUE(poll_until([&] { return IsWindowVisible(app.window()) != FALSE; }, 5s));
}

// A real click in the middle of a child control of the main window.
void click_child(App& app, HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ScreenToClient(app.window(), &centre);
  app.click(centre.x, centre.y);
}

// Starts the calculator and opens the alarm panel with its key; the page's "开启".
HWND open_alarm_panel(App& app, const FaceReader& reader) {
  if (!app.start() || !reader.lcd_shows(app, "0.")) return nullptr;
  FaceReader::press_keys(app, {"klz"});
  return app.wait_child(L"开启");
}

TEST_F(KeyboardE2e, AlarmPanelStoresAtOnceAndHoldsKeysBack) {
  write_settings(kSettled);
  const HWND on = open_alarm_panel(app, reader);
  ASSERT_NE(on, nullptr);
  type({'7'});
  click_child(app, on);
  EXPECT_TRUE(poll_until([&] { return read_setting(L"Time1", L"on") == L"1"; }));
  EXPECT_EQ(read_setting(L"Time1", L"Time"), L"00:00:00");
  EXPECT_EQ(read_setting(L"Time1", L"Tip"), L"您设定的时间已到，请注意！");
  click_child(app, App::find_child(GetParent(on), L"确 定"));
  EXPECT_TRUE(poll_until([&] { return !IsWindowVisible(on); }));
  EXPECT_TRUE(lcd_shows("0.")) << reader.lcd_text(app.capture());
}

// The rectangle of each tab of the program's tab control, read through memory lent in its
// process (TCM_GETITEMRECT writes where its pointer says).
std::vector<RECT> tab_rects(const App& app, HWND tabs) {
  std::vector<RECT> rects;
  const HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, app.process_id());
  if (process == nullptr) return rects;
  void* lent = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
  const auto count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; lent != nullptr && i < count; ++i) {
    RECT item{};
    if (SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(lent)) != 0 &&
        ReadProcessMemory(process, lent, &item, sizeof item, nullptr) != 0)
      rects.push_back(item);
  }
  if (lent != nullptr) VirtualFreeEx(process, lent, 0, MEM_RELEASE);
  CloseHandle(process);
  return rects;
}

// "闹钟1" to "闹钟6" side by side in the tab control on the real window, none behind scroll
// arrows.
TEST_F(KeyboardE2e, AlarmPanelShowsAllSixTabs) {
  write_settings(kSettled);
  const HWND on = open_alarm_panel(app, reader);
  ASSERT_NE(on, nullptr);
  const HWND tabs = FindWindowExW(GetParent(on), nullptr, WC_TABCONTROLW, nullptr);
  ASSERT_NE(tabs, nullptr);
  RECT client{};
  GetClientRect(tabs, &client);
  const std::vector<RECT> rects = tab_rects(app, tabs);
  ASSERT_EQ(rects.size(), 6u);
  for (std::size_t i = 0; i < rects.size(); ++i) {
    EXPECT_GE(rects[i].left, client.left) << i;
    EXPECT_LE(rects[i].right, client.right) << i << ": " << rects[i].left << "-" << rects[i].right;
    EXPECT_EQ(rects[i].top, rects[0].top) << i << " on one row";
  }
  const HWND arrows = FindWindowExW(tabs, nullptr, UPDOWN_CLASSW, nullptr);
  EXPECT_TRUE(arrows == nullptr || !IsWindowVisible(arrows));
}

// The alarm's time field typed with real keys and left with Tab: digits fill hh:mm:ss, a ":"
// ends its pair; a time that is no time of day brings up the box and the page keeps its time,
// or, having none, is switched off.
TEST_F(KeyboardE2e, AlarmTimeFieldTakesTypedTimes) {
  struct Case {
    const char* stored;  // [Time1]
    const char* typed;
    const wchar_t* kept;  // the settings file's Time afterwards
    const wchar_t* shown;
    bool rejected;
    bool on_after;
  };
  const Case cases[] = {
      {"on=1\r\nTime=07:30:00\r\n", "08:30:00", L"08:30:00", L"08:30:00", false, true},
      {"on=1\r\nTime=07:30:00\r\n", "083000", L"08:30:00", L"08:30:00", false, true},
      {"on=1\r\nTime=07:30:00\r\n", "8:5", L"08:05:00", L"08:05:00", false, true},
      {"on=1\r\nTime=07:30:00\r\n", "25:00:00", L"07:30:00", L"07:30:00", true, true},
      {"on=1\r\n", "25:00:00", L"00:00:00", L"00:00:00", true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.stored) + " typed " + c.typed);
    write_settings(kSettled + "[Time1]\r\n" + c.stored);
    const HWND on = open_alarm_panel(app, reader);
    ASSERT_NE(on, nullptr);
    const HWND field = GetWindow(on, GW_HWNDNEXT);
    click_child(app, field);
    for (const char* ch = c.typed; *ch != 0; ++ch) {
      if (*ch == ':') {
        app.key_chord({VK_SHIFT}, VK_OEM_1);
      } else {
        app.key(static_cast<WORD>(*ch));
      }
    }
    app.key(VK_TAB);
    if (c.rejected) {
      const HWND box = app.wait_window(L"提示");
      ASSERT_NE(box, nullptr);
      bool said = false;
      for (const std::wstring& text : App::child_texts(box))
        said |= text == L"输入的时间错误，请检查！";
      EXPECT_TRUE(said);
      App::press_dialog_button(box, L"确定") || App::press_dialog_button(box, L"OK");
      EXPECT_TRUE(poll_until([&] { return app.find_window(L"提示") == nullptr; }));
    }
    EXPECT_TRUE(poll_until([&] { return App::text_of(field) == c.shown; }))
        << testing::PrintToString(App::text_of(field));
    // Stored when the field loses the focus: the Tab may still be on its way when the text shows.
    EXPECT_TRUE(poll_until([&] {
      return read_setting(L"Time1", L"Time") == c.kept &&
             read_setting(L"Time1", L"on") == (c.on_after ? L"1" : L"0");
    })) << testing::PrintToString(read_setting(L"Time1", L"Time"));
    EXPECT_EQ(SendMessageW(on, BM_GETCHECK, 0, 0) == BST_CHECKED, c.on_after);
    app.close();
  }
}

// Also: the keyboard works at once after "确 定", whose button had the focus.
TEST_F(KeyboardE2e, EditorBindsARealKeyPressAndOkStoresIt) {
  write_settings(kSettled);
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(lcd_shows("0."));
  PostMessageW(app.window(), WM_COMMAND, win32::kMenuKeyboard, 0);
  HWND panel = nullptr;
  ASSERT_TRUE(poll_until([&] {
    panel = FindWindowExW(app.window(), nullptr, L"OrvantaKeyPanel", nullptr);
    return panel != nullptr && IsWindowVisible(panel);
  }));
  const HWND list = FindWindowExW(panel, nullptr, L"OrvantaKeyList", nullptr);
  ASSERT_NE(list, nullptr);
  // The row of "Sin": its key cell, then its Ctrl box, where the list says they are.
  int row = 0;
  while (row < kKeyFunctionCount && kKeyFunctions[static_cast<size_t>(row)].caption != "Sin") ++row;
  ASSERT_LT(row, kKeyFunctionCount);
  const auto part_on_face = [&](int part) {
    const LRESULT at = SendMessageW(list, win32::KeyPanel::list_part_message(),
                                    static_cast<WPARAM>(row * 4 + part), 0);
    POINT p{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    MapWindowPoints(list, app.window(), &p, 1);
    return p;
  };
  const POINT key_cell = part_on_face(0);
  app.click(key_cell.x, key_cell.y);
  const HWND field = FindWindowExW(list, nullptr, L"Edit", nullptr);
  ASSERT_NE(field, nullptr);
  ASSERT_TRUE(poll_until([&] { return IsWindowVisible(field) != FALSE; }));
  app.key(VK_F2);
  // The field moves on to the next row; back on Sin's cell it shows the key just bound.
  app.click(key_cell.x, key_cell.y);
  EXPECT_TRUE(poll_until([&] { return App::text_of(field) == L"F2键"; }))
      << testing::PrintToString(App::text_of(field));
  const POINT ctrl = part_on_face(1);
  app.click(ctrl.x, ctrl.y);
  click_child(app, App::find_child(panel, L"确 定"));
  EXPECT_TRUE(poll_until([&] { return read_setting(L"KeyBord", L"Key113") == L"Sin"; }));
  EXPECT_EQ(read_setting(L"KeyBord", L"Key113Ctrl"), L"1");
  type({'3', '0'});
  app.key_chord({VK_CONTROL}, VK_F2);
  EXPECT_TRUE(lcd_shows("0.5")) << reader.lcd_text(app.capture());
}

}  // namespace
}  // namespace orvanta::e2e
