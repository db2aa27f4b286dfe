// The settings panel, the first-run tip and the help window, built in this process on a window
// of the test's own and driven through their controls.
#include <windows.h>
// windows.h first
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "harness.h"
#include "platform/text_encoding.h"
#include "win32/features/alarms/alarm_panel.h"
#include "win32/features/settings/settings_panel.h"
#include "win32/features/tip/tip_panel.h"
#include "win32/windows/help_text.h"
#include "win32/windows/help_window.h"

namespace orvanta::win32 {
namespace {

using e2e::App;
using e2e::pump;
using e2e::rect_in;

// The panels' host as the main window has it (key preview on), counting what it is told.
struct Recorder : PanelHost {
  Recorder() { set_key_preview(true); }
  std::vector<std::pair<SettingId, Options>> changes;
  int shown = 0;
  int hidden = 0;
  int help = 0;
  void panel_shown(const Panel& panel) override {
    ++shown;
    PanelHost::panel_shown(panel);
  }
  void panel_hidden(const Panel& panel) override {
    ++hidden;
    PanelHost::panel_hidden(panel);
  }
  SettingChanged on_change() {
    return [this](SettingId id, const Options& now) { changes.emplace_back(id, now); };
  }
};

// A stand-in for the calculator's face: a plain window of the main window's size.
HWND make_face() {
  return e2e::make_test_window(L"PanelsTestFace", RECT{40, 40, 504, 552});
}

HWND child_of_class(HWND parent, const wchar_t* window_class) {
  HWND child = nullptr;
  while ((child = FindWindowExW(parent, child, window_class, nullptr)) != nullptr) {
    if (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) return child;
  }
  return nullptr;
}

void click(HWND control) {
  SendMessageW(control, BM_CLICK, 0, 0);
}

// Saves what the face shows when ORVANTA_SHOTS names a folder (to look at the layout).
void save_shot(HWND face, const wchar_t* name) {
  const wchar_t* folder = _wgetenv(L"ORVANTA_SHOTS");
  if (folder == nullptr) return;
  RedrawWindow(face, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  pump();
  RECT screen{};
  GetWindowRect(face, &screen);
  e2e::capture_screen_still(screen).save_bmp(std::wstring(folder) + L"\\" + name);
}

class SettingsPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    face_ = make_face();
    ASSERT_TRUE(panel_.create(face_));
    panel_.show();
  }
  void TearDown() override { DestroyWindow(face_); }

  HWND control(const std::wstring& text) {
    const HWND c = App::find_child(panel_.hwnd(), text);
    EXPECT_NE(c, nullptr) << "no control " << testing::PrintToString(text);
    return c;
  }
  HWND precision_field() { return GetDlgItem(panel_.hwnd(), 200); }
  std::string precision_text() {
    const std::wstring text = App::text_of(precision_field());
    return std::string(text.begin(), text.end());
  }
  // One click on the spin's upper or lower arrow.
  void spin(bool up) {
    const HWND spin = child_of_class(panel_.hwnd(), UPDOWN_CLASSW);
    RECT r;
    GetClientRect(spin, &r);
    const LPARAM at = MAKELPARAM(r.right / 2, up ? r.bottom / 4 : r.bottom * 3 / 4);
    SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(spin, WM_LBUTTONUP, 0, at);
  }

  HWND face_ = nullptr;
  Recorder host_;
  SettingsPanel panel_{host_, host_.on_change()};
};

TEST_F(SettingsPanelTest, ShowsAtItsPlaceWithEveryControlInOrder) {
  const RECT r = rect_in(panel_.hwnd());
  EXPECT_EQ(r.left, 64);
  EXPECT_EQ(r.top, 64);
  EXPECT_EQ(r.right - r.left, 337);
  EXPECT_EQ(r.bottom - r.top, 377);
  EXPECT_EQ(host_.shown, 1);
  EXPECT_FALSE(host_.key_preview()) << "its text fields take the keys";

  // Group boxes are windows, so screen readers name the group a control is in.
  const std::vector<std::wstring> expected = {L"参数设置",
                                              L"显示设置",
                                              L"小数位精度设置",
                                              L"-1",
                                              L"显示千位分隔符",
                                              L"窗口总在最前面",
                                              L"数据自动输出下层软件窗口设置",
                                              L"连同公式一起输出",
                                              L"输出时末尾加空格",
                                              L"输出后自动换行",
                                              L"复制到系统剪贴板",
                                              L"抓取公式数据设置",
                                              L"离散数据自动求和",
                                              L"离散数据自动求差",
                                              L"离散数据自动求积",
                                              L"离散数据自动求商",
                                              L"采用何种方式输出数据到下层软件窗口?",
                                              L"按字符方式输出",
                                              L"整体输出",
                                              L"其它设置",
                                              L"计算结果存入剪贴板",
                                              L"科学计算模式",
                                              L"关闭提示",
                                              L"显示输入公式条",
                                              L"搜索下层窗口时忽略置顶窗口",
                                              L"",
                                              L"确 定"};
  std::vector<std::wstring> texts = App::child_texts(panel_.hwnd());
  texts.resize(expected.size());  // the spin control (no text) comes last
  EXPECT_EQ(texts, expected);
  EXPECT_EQ(panel_.values(), initial_options()) << "initial state";

  // Every control lies inside the panel.
  RECT panel_client;
  GetClientRect(panel_.hwnd(), &panel_client);
  for (HWND c = GetWindow(panel_.hwnd(), GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    const RECT cr = rect_in(c);
    EXPECT_TRUE(cr.left >= 0 && cr.top >= 0 && cr.right <= panel_client.right &&
                cr.bottom <= panel_client.bottom)
        << testing::PrintToString(App::text_of(c));
  }
  save_shot(face_, L"settings_panel.bmp");
}

TEST_F(SettingsPanelTest, EachCheckBoxReportsItsNewStateAtOnce) {
  struct Case {
    const wchar_t* text;
    SettingId id;
    bool Options::*field;
  };
  const Case cases[] = {
      {L"显示千位分隔符", SettingId::Device1000, &Options::thousands},
      {L"窗口总在最前面", SettingId::DeviceWindowsTop, &Options::stay_on_top},
      {L"连同公式一起输出", SettingId::DeviceInputBds, &Options::output_formula},
      {L"输出时末尾加空格", SettingId::DeviceInputSpace, &Options::output_space},
      {L"输出后自动换行", SettingId::DeviceInputEnter, &Options::output_enter},
      {L"复制到系统剪贴板", SettingId::DeviceInputClip, &Options::output_clipboard},
      {L"计算结果存入剪贴板", SettingId::DeviceInputAutoclip, &Options::result_to_clipboard},
      {L"科学计算模式", SettingId::DeviceScienceCalc, &Options::science_mode},
      {L"关闭提示", SettingId::DeviceEscExit, &Options::close_prompt},
      {L"显示输入公式条", SettingId::DeviceInputShow, &Options::formula_bar_shown},
      {L"搜索下层窗口时忽略置顶窗口", SettingId::DeviceFindWindows, &Options::ignore_topmost},
  };
  const Options initial = initial_options();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
    for (const bool expected : {!(initial.*c.field), initial.*c.field}) {
      host_.changes.clear();
      click(control(c.text));
      ASSERT_EQ(host_.changes.size(), 1u);
      EXPECT_EQ(host_.changes[0].first, c.id);
      EXPECT_EQ(host_.changes[0].second.*c.field, expected);
    }
  }
}

TEST_F(SettingsPanelTest, RadioButtonsReportOnlyANewChoice) {
  click(control(L"离散数据自动求积"));
  click(control(L"离散数据自动求积"));
  click(control(L"整体输出"));
  click(control(L"离散数据自动求和"));
  ASSERT_EQ(host_.changes.size(), 3u);
  EXPECT_EQ(host_.changes[0].first, SettingId::DeviceCapture);
  EXPECT_EQ(host_.changes[0].second.capture, 3) << "product";
  EXPECT_EQ(host_.changes[1].first, SettingId::DeviceOutputType);
  EXPECT_EQ(host_.changes[1].second.output_type, 2) << "whole";
  EXPECT_EQ(host_.changes[2].second.capture, 1) << "sum";
  EXPECT_EQ(SendMessageW(control(L"离散数据自动求积"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(SettingsPanelTest, TypedTextsReportEveryChangeButAnEmptyWelcomeLine) {
  const HWND welcome = App::find_child(panel_.hwnd(), L"");
  SetWindowTextW(precision_field(), L"3");
  SetWindowTextW(precision_field(), L"");
  SetWindowTextW(welcome, L"你好 Orvanta");
  SetWindowTextW(welcome, L"");
  ASSERT_EQ(host_.changes.size(), 3u);
  EXPECT_EQ(host_.changes[0].first, SettingId::DevicePoint);
  EXPECT_EQ(host_.changes[0].second.precision, "3");
  EXPECT_EQ(host_.changes[1].second.precision, "");
  EXPECT_EQ(host_.changes[2].first, SettingId::WelcomeText);
  EXPECT_EQ(host_.changes[2].second.welcome_text, "你好 Orvanta");
}

TEST_F(SettingsPanelTest, WelcomeFieldGetsItsTooltipWhenTheMouseFirstComesOverIt) {
  const HWND welcome = App::find_child(panel_.hwnd(), L"");
  // The texts the thread's tooltips give for the field.
  const auto tips = [&] {
    std::vector<std::wstring> texts;
    for (HWND w = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); w != nullptr;
         w = FindWindowExW(nullptr, w, TOOLTIPS_CLASSW, nullptr)) {
      wchar_t text[64] = {};
      TTTOOLINFOW info{};
      info.cbSize = sizeof info;
      info.hwnd = panel_.hwnd();
      info.uId = reinterpret_cast<UINT_PTR>(welcome);
      info.lpszText = text;
      SendMessageW(w, TTM_GETTEXTW, sizeof text / sizeof text[0], reinterpret_cast<LPARAM>(&info));
      if (text[0] != L'\0') texts.emplace_back(text);
    }
    return texts;
  };
  EXPECT_TRUE(tips().empty()) << "not made before it is needed";
  for (int i = 0; i < 2; ++i) {  // the second time finds it made
    SendMessageW(welcome, WM_SETCURSOR, reinterpret_cast<WPARAM>(welcome),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(tips(), std::vector<std::wstring>{L"编辑欢迎条（数据输入条）"});
  }
}

TEST_F(SettingsPanelTest, EachSpinClickStepsTheFieldByOneAtOnce) {
  // From "-1": every click moves by one, also on a change of direction; -1 is the floor.
  const struct {
    bool up;
    const char* field;
  } steps[] = {{true, "0"}, {true, "1"},  {true, "2"},   {false, "1"},  {false, "0"},
               {true, "1"}, {false, "0"}, {false, "-1"}, {false, "-1"}, {true, "0"}};
  for (const auto& s : steps) {
    spin(s.up);
    EXPECT_EQ(precision_text(), s.field);
    EXPECT_EQ(std::to_string(panel_.spin_position()), s.field);
  }
  ASSERT_EQ(host_.changes.size(), 9u) << "only clicks that change the field report";
  EXPECT_EQ(host_.changes[0].second.precision, "0");
  EXPECT_EQ(host_.changes[7].second.precision, "-1");
}

TEST_F(SettingsPanelTest, SpinStepsFromATypedValue) {
  SetWindowTextW(precision_field(), L"7");
  spin(true);
  EXPECT_EQ(precision_text(), "8");
  spin(false);
  spin(false);
  EXPECT_EQ(precision_text(), "6");
}

TEST_F(SettingsPanelTest, SpinStopsAtFifteen) {
  panel_.apply([] {
    Options v = initial_options();
    v.precision = "15";
    return v;
  }());
  spin(true);
  spin(true);
  EXPECT_EQ(precision_text(), "15");
  EXPECT_EQ(panel_.spin_position(), 15);
}

TEST_F(SettingsPanelTest, ApplyingStoredValuesReportsWhatDiffersFromTheInitialState) {
  Options stored =
      initial_options();         // as read from a settings file with a few keys changed or absent
  stored.ignore_topmost = true;  // absent key: its default differs from the unticked box
  stored.stay_on_top = false;
  stored.capture = 4;     // quotient
  stored.precision = "";  // absent: the field gets "-1" again
  stored.welcome_text = "欢迎使用Orvanta 作者:Brenic";
  panel_.apply(stored);

  std::vector<SettingId> ids;
  for (const auto& c : host_.changes) ids.push_back(c.first);
  EXPECT_EQ(ids, (std::vector<SettingId>{SettingId::DeviceWindowsTop, SettingId::DeviceFindWindows,
                                         SettingId::DeviceCapture, SettingId::DevicePoint,
                                         SettingId::DevicePoint, SettingId::WelcomeText}));
  EXPECT_EQ(host_.changes[3].second.precision, "");
  EXPECT_EQ(host_.changes[4].second.precision, "-1");
  Options expected = stored;
  expected.precision = "-1";
  EXPECT_EQ(panel_.values(), expected);

  host_.changes.clear();
  panel_.apply(expected);
  EXPECT_TRUE(host_.changes.empty()) << "nothing differs any more";
  panel_.apply(initial_options(), false);
  EXPECT_TRUE(host_.changes.empty());
  EXPECT_EQ(panel_.values().ignore_topmost, false);
}

// Made in a state, the panel shows what applying that state to a new panel shows, and reports
// nothing.
TEST(SettingsPanelMadeInAState, ShowsWhatApplyingItShows) {
  const struct {
    const char* precision;
    int capture;
    int output_type;
  } cases[] = {{"4", 4, 2}, {"", 2, 1}, {"15", 1, 2}, {"20", 3, 1}, {"x", 1, 1}};
  const HWND face = make_face();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.precision);
    Options state = initial_options();
    state.ignore_topmost = true;
    state.stay_on_top = false;
    state.thousands = true;
    state.capture = c.capture;
    state.output_type = c.output_type;
    state.precision = c.precision;
    state.welcome_text = "欢迎使用 Orvanta";
    Recorder made_host;
    SettingsPanel made(made_host, made_host.on_change());
    ASSERT_TRUE(made.create(face, state));
    Recorder applied_host;
    SettingsPanel applied(applied_host, applied_host.on_change());
    ASSERT_TRUE(applied.create(face));
    applied.apply(state, false);

    EXPECT_EQ(made.values(), applied.values());
    EXPECT_EQ(made.spin_position(), applied.spin_position());
    EXPECT_EQ(App::child_texts(made.hwnd()), App::child_texts(applied.hwnd()));
    EXPECT_TRUE(made_host.changes.empty());
  }
  DestroyWindow(face);
}

TEST_F(SettingsPanelTest, AppliedPrecisionIsWhereTheSpinStarts) {
  Options stored = initial_options();
  stored.precision = "4";
  panel_.apply(stored);
  spin(true);
  EXPECT_EQ(precision_text(), "5");
  spin(true);
  EXPECT_EQ(precision_text(), "6");
}

TEST_F(SettingsPanelTest, DismissedByItsButtonOrTheRightButtonAndShownAgainAtItsPlace) {
  click(control(L"确 定"));
  EXPECT_FALSE(panel_.visible());
  EXPECT_EQ(host_.hidden, 1);
  EXPECT_TRUE(host_.key_preview()) << "key preview back on";
  panel_.hide();
  EXPECT_EQ(host_.hidden, 1) << "hiding a hidden panel changes nothing";

  panel_.show();
  EXPECT_EQ(host_.shown, 2);
  SendMessageW(panel_.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  EXPECT_FALSE(panel_.visible());
  EXPECT_EQ(host_.hidden, 2);
}

TEST_F(SettingsPanelTest, LeftButtonDragMovesThePanelByTheMouseMovement) {
  SendMessageW(panel_.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  SendMessageW(panel_.hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30, 5));
  SendMessageW(panel_.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(30, 5));
  RECT r = rect_in(panel_.hwnd());
  EXPECT_EQ(r.left, 84);
  EXPECT_EQ(r.top, 59);
  SendMessageW(panel_.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(60, 60));
  r = rect_in(panel_.hwnd());
  EXPECT_EQ(r.left, 84) << "no drag after the button is up";

  panel_.hide();
  panel_.show();
  EXPECT_EQ(rect_in(panel_.hwnd()).left, 64);
}

TEST(TipPanel, ShowsItsLinesAndButtons) {
  const HWND face = make_face();
  Recorder host;
  TipPanel tip(host, [&host] { ++host.help; });
  ASSERT_TRUE(tip.create(face));
  EXPECT_FALSE(tip.visible());
  tip.show();
  EXPECT_TRUE(host.key_preview()) << "the tip takes no typing";
  const RECT r = rect_in(tip.hwnd());
  EXPECT_EQ(r.left, 34);
  EXPECT_EQ(r.top, 126);
  EXPECT_EQ(r.right - r.left, 399);
  EXPECT_EQ(r.bottom - r.top, 187);
  EXPECT_EQ(App::text_of(tip.hwnd()), L"首次运行提示！");

  const std::vector<std::wstring> expected = {L"1.计算模式分为普通和科学两种,默认为普通计算模式.",
                                              L"如:1+2*3,普通模式值为9,科学模式为7.",
                                              L"普通模式只按输入顺序计算.普通计算器大都为此类.",
                                              L"2.如需键盘操作，请自定义键盘按钮功能！",
                                              L"弹出/缩小热键也在此定义,请根据习惯自定义键盘.",
                                              L"3.平方根计算是在平方按钮上点右键.",
                                              L"三角函数的反函数同样也是在各函数按钮上点右键.",
                                              L"4.用户可订制自己喜欢的界面颜色.",
                                              L"注:右键点击计算器液晶屏幕，弹出以上设置菜单.",
                                              L"知道了",
                                              L"帮　助"};
  EXPECT_EQ(App::child_texts(tip.hwnd()), expected);
  save_shot(face, L"tip_panel.bmp");
  const e2e::Capture shot = e2e::capture_client(tip.hwnd());
  EXPECT_EQ(shot.at(5, 100), 0xA6CAF0u) << "sky blue";

  click(App::find_child(tip.hwnd(), L"帮　助"));
  EXPECT_EQ(host.help, 1);
  EXPECT_TRUE(tip.visible());
  click(App::find_child(tip.hwnd(), L"知道了"));
  EXPECT_FALSE(tip.visible());
  DestroyWindow(face);
}

// The alarm time field keeps its 62 pixels and shows "00:00:00" whole.
TEST(AlarmPanelLayout, TheTimeFieldShowsItsSecondsWhole) {
  const HWND face = make_face();
  PanelHost host;
  AlarmPanel alarms(host);
  ASSERT_TRUE(alarms.create(face));
  alarms.show();
  const HWND time = GetWindow(App::find_child(alarms.hwnd(), L"开启"), GW_HWNDNEXT);
  ASSERT_NE(time, nullptr);
  RECT room{};
  SendMessageW(time, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
  const HDC dc = GetDC(time);
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(time, WM_GETFONT, 0, 0)));
  SIZE text{};
  GetTextExtentPoint32W(dc, L"00:00:00", 8, &text);
  SelectObject(dc, old);
  ReleaseDC(time, dc);
  EXPECT_LE(text.cx, room.right - room.left);
  DestroyWindow(face);
}

TEST(HelpText, LineEndsBecomeCrLfAndAByteOrderMarkIsDropped) {
  EXPECT_EQ(help_text_for_edit("\xEF\xBB\xBF"
                               "帮助\na\r\nb\n"),
            L"帮助\r\na\r\nb\r\n");
  EXPECT_EQ(help_text_for_edit(""), L"");
  EXPECT_THROW(help_text_for_edit("\xC3"), orvanta::EncodingError);
}

class OrvantaResources : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::wstring exe = e2e::program_folder() + L"\\orvanta.exe";
    module_ = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module_, nullptr);
  }
  void TearDown() override { FreeLibrary(module_); }
  HMODULE module_ = nullptr;
};

TEST_F(OrvantaResources, HelpTextCoversTheCalculatorInCrLfLines) {
  const std::wstring text = load_help_text(module_);
  ASSERT_GT(text.size(), 5000u);
  for (size_t i = text.find(L'\n'); i != std::wstring::npos; i = text.find(L'\n', i + 1)) {
    ASSERT_TRUE(i > 0 && text[i - 1] == L'\r') << "lone line feed at " << i;
  }
  for (const wchar_t* topic : {L"科学计算模式",
                               L"普通计算模式",
                               L"进制",
                               L"存储",
                               L"公式",
                               L"超大数",
                               L"单位换算",
                               L"常数",
                               L"个人所得税",
                               L"闹钟",
                               L"数据自动输入其它窗口",
                               L"抓取",
                               L"自定义键盘",
                               L"热键",
                               L"皮肤颜色",
                               L"迷你",
                               L"参数设置",
                               L"桌面快捷方式",
                               L"默认计算器",
                               L"人民币中文大写形式",
                               L"语音"}) {
    EXPECT_NE(text.find(topic), std::wstring::npos) << testing::PrintToString(std::wstring(topic));
  }
}

TEST_F(OrvantaResources, HelpWindowShowsTheTextMaximisedOnTop) {
  HelpWindow help;
  ASSERT_TRUE(help.create(module_));
  EXPECT_FALSE(IsWindowVisible(help.hwnd()));
  RECT r;
  GetWindowRect(help.hwnd(), &r);
  EXPECT_EQ(r.right - r.left, 696);
  EXPECT_EQ(r.bottom - r.top, 568);
  const LONG style = GetWindowLongW(help.edit(), GWL_STYLE);
  EXPECT_EQ(style & (ES_MULTILINE | ES_READONLY | WS_VSCROLL),
            ES_MULTILINE | ES_READONLY | WS_VSCROLL);

  help.show_help();
  // The beginning first, whole lines of it; the rest follows once the window has painted, with
  // the view still at the top.
  const std::wstring text = load_help_text(module_);
  const std::wstring first = App::text_of(help.edit());
  ASSERT_FALSE(first.empty());
  EXPECT_LT(first.size(), text.size());
  EXPECT_EQ(text.compare(0, first.size(), first), 0);
  EXPECT_EQ(first.back(), L'\n');
  pump();
  EXPECT_EQ(App::text_of(help.edit()), text);
  EXPECT_EQ(SendMessageW(help.edit(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  DWORD start = 1, end = 1;
  SendMessageW(help.edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 0u);
  EXPECT_TRUE(IsWindowVisible(help.hwnd()));
  EXPECT_TRUE(IsZoomed(help.hwnd()));
  EXPECT_NE(GetWindowLongW(help.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_EQ(App::text_of(help.hwnd()), L"Orvanta");
  RECT client, edit;
  GetClientRect(help.hwnd(), &client);
  GetWindowRect(help.edit(), &edit);
  EXPECT_EQ(edit.right - edit.left, client.right) << "the text fills the window";
  save_shot(help.hwnd(), L"help_window.bmp");

  SendMessageW(help.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(help.hwnd()));
  EXPECT_TRUE(IsWindow(help.hwnd())) << "closing only hides it";
}

}  // namespace
}  // namespace orvanta::win32
