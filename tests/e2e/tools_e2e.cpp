// The unit converter's window, the income-tax panel and the constants table in the running
// calculator, driven with real mouse input and read back from their windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "face_reader.h"
#include "harness.h"
#include "win32/chrome/menu_ids.h"

namespace orvanta::e2e {
namespace {

using namespace std::chrono_literals;

// A settled file: no first-run tip over the face.
const std::string kSettings =
    "[Setup]\r\nDevice_AutoCopyTo=0\r\nDevice_find_windows=0\r\nDevice_gs3500=5000\r\n"
    "Device_point=-1\r\n[Welcome]\r\nText=Orvanta\r\n";

constexpr POINT kGridOrigin{13, 23};  // the converter's grid in its client area
constexpr int kColumnStep = 151;      // 150 pixels and a grid line
constexpr int kRowStep = 21;
constexpr POINT kOnFace{30, 135};  // bare face: no key, no strip
constexpr POINT kOnLcd{200, 70};
constexpr COLORREF kRing = RGB(255, 100, 0);

// With ORVANTA_SHOTS set to a folder, a rectangle of the screen is kept there as NAME.bmp
// (the pictures of the help and the documentation come from these runs).
void keep_shot(const wchar_t* name, RECT screen) {
  wchar_t folder[MAX_PATH]{};
  if (GetEnvironmentVariableW(L"ORVANTA_SHOTS", folder, MAX_PATH) == 0) return;
  const Capture c = capture_screen_still(screen);
  c.save_bmp(std::wstring(folder) + L"\\" + name + L".bmp");
}

// The test-only query of a drawn grid (the converter's, the tax schedule's): a message of the
// given name answered with a global atom holding the cell's text.
std::wstring cell_text(HWND grid, const wchar_t* message_name, int column, int row) {
  const UINT message = RegisterWindowMessageW(message_name);
  const ATOM atom = static_cast<ATOM>(SendMessageW(grid, message, column, row));
  if (atom == 0) return L"";
  wchar_t text[256]{};
  GlobalGetAtomNameW(atom, text, 256);
  GlobalDeleteAtom(atom);
  return text;
}

RECT union_of(HWND a, HWND b) {
  RECT ra{}, rb{}, both{};
  GetWindowRect(a, &ra);
  if (b == nullptr) return ra;
  GetWindowRect(b, &rb);
  UnionRect(&both, &ra, &rb);
  return both;
}

class ToolsE2e : public ::testing::Test {
 protected:
  void SetUp() override {
    remove_settings();
    write_settings(kSettings);
  }
  void TearDown() override { remove_settings(); }

  void press_keys(std::initializer_list<const char*> names) { FaceReader::press_keys(app, names); }
  bool lcd_shows(const std::string& text) { return reader.lcd_shows(app, text); }

  HWND converter() const {
    // Hidden or shown: the converter is made hidden with the main window.
    for (HWND w : top_level_windows(app.process_id())) {
      wchar_t name[64]{};
      GetClassNameW(w, name, 64);
      if (std::wstring(name) == L"OrvantaConverter") return w;
    }
    return nullptr;
  }
  bool converter_showing() const {
    const HWND c = converter();
    return c != nullptr && IsWindowVisible(c) != FALSE;
  }
  std::wstring cell(int column, int row) const {
    return cell_text(converter(), L"OrvantaConverterCellText", column, row);
  }
  bool cell_reads(int column, int row, const std::wstring& text) const {
    return poll_until([&] { return cell(column, row) == text; }, 5s);
  }
  // A point of the converter's client area as a point of the calculator's.
  POINT from_converter(int x, int y) const {
    POINT p{x, y};
    ClientToScreen(converter(), &p);
    ScreenToClient(app.window(), &p);
    return p;
  }
  POINT cell_centre(int column, int row, int scrolled = 0) const {
    return from_converter(kGridOrigin.x + column * kColumnStep + 75 - scrolled,
                          kGridOrigin.y + row * kRowStep + 10);
  }
  void wheel(POINT at, int notches) {
    app.move_mouse(at.x, at.y);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_WHEEL;
    in.mi.mouseData = static_cast<DWORD>(-WHEEL_DELTA * notches);
    SendInput(1, &in, sizeof in);
    app.wait_idle();
  }
  bool ring_in(int column, int row, int scrolled = 0) const {
    const Capture c = capture_client(converter());
    const int left = kGridOrigin.x + column * kColumnStep - scrolled;
    const int top = kGridOrigin.y + row * kRowStep;
    const std::uint32_t ring =
        (GetRValue(kRing) << 16) | (GetGValue(kRing) << 8) | GetBValue(kRing);
    for (int y = top; y < top + 20; ++y) {
      for (int x = std::max(0, left); x < std::min(c.width, left + 150); ++x) {
        if (c.at(x, y) == ring) return true;
      }
    }
    return false;
  }
  // Mini mode cuts the window to its LCD: a region less than 100 pixels high.
  bool mini_mode() const {
    const HRGN region = CreateRectRgn(0, 0, 0, 0);
    RECT box{};
    const bool cut = GetWindowRgn(app.window(), region) != ERROR &&
                     GetRgnBox(region, &box) != ERROR && box.bottom - box.top < 100;
    DeleteObject(region);
    return cut;
  }
  void open_converter() {
    press_keys({"kdwhs"});
    ASSERT_TRUE(poll_until([&] { return converter_showing(); }));
  }
  App app;
  FaceReader reader;
};

TEST_F(ToolsE2e, ConverterFollowsTheDisplayAndTakesClickedMainUnits) {
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(lcd_shows("0."));
  EXPECT_FALSE(converter_showing()) << "closed by the first showing";
  open_converter();
  RECT main{}, conv{};
  GetWindowRect(app.window(), &main);
  GetWindowRect(converter(), &conv);
  EXPECT_EQ(conv.left, main.left + 462);
  RECT client{};
  GetClientRect(converter(), &client);
  EXPECT_EQ(client.right, 394);
  EXPECT_EQ(client.bottom, 452);

  press_keys({"k1"});
  EXPECT_TRUE(cell_reads(0, 1, L"1 米"));
  EXPECT_EQ(cell(0, 18), L"39370.0787401575 密耳MIL(PCB或晶片布局)");
  EXPECT_EQ(cell(9, 7), L"0.000000953674316 千兆字节(GB)");
  EXPECT_EQ(cell(0, 0), L"     长 度");
  EXPECT_TRUE(ring_in(0, 1)) << "the main unit's ring";

  // A click on 公斤 makes it the weight column's main unit.
  press_keys({"c", "k2"});
  const POINT kilograms = cell_centre(1, 2);
  app.click(kilograms.x, kilograms.y);
  EXPECT_TRUE(cell_reads(1, 2, L"2 公斤"));
  EXPECT_EQ(cell(1, 1), L"2000 克");

  press_keys({"c", "k5", "kp", "k3", "k3", "k4", "k5"});
  EXPECT_TRUE(cell_reads(10, 1, L" 5°20′4″"));
  EXPECT_EQ(cell(10, 2), L" 5.5625°");
  app.move_mouse(440, 20);
  keep_shot(L"converter", union_of(app.window(), converter()));
  // Nothing below the force column's four units: its main unit stays.
  const POINT empty_force = cell_centre(4, 5);
  app.click(empty_force.x, empty_force.y);
  EXPECT_TRUE(cell_reads(4, 2, L"11.7605593762523 磅(力)"));

  // Fahrenheit as the main unit, seven wheel notches to the right (150 pixels each).
  press_keys({"c", "k2", "k1", "k2"});
  wheel(from_converter(200, 200), 7);
  const POINT fahrenheit = cell_centre(8, 2, 1050);
  app.click(fahrenheit.x, fahrenheit.y);
  EXPECT_TRUE(cell_reads(8, 1, L"100 摄氏温度(℃)"));
  EXPECT_EQ(cell(8, 2), L"212 华氏温度(℉)");
  EXPECT_TRUE(poll_until([&] { return ring_in(8, 2, 1050); }));

  // Hexadecimal leaves the table as it was and hides the rings.
  press_keys({"Khex_on", "kf"});
  EXPECT_TRUE(poll_until([&] { return !ring_in(8, 2, 1050); }));
  EXPECT_EQ(cell(8, 1), L"100 摄氏温度(℃)");

  // The key closes it again.
  press_keys({"kdwhs"});
  EXPECT_TRUE(poll_until([&] { return !converter_showing(); }));
}

TEST_F(ToolsE2e, ConverterMovesWithTheCalculatorAndClosesForMiniModeAndMinimise) {
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(lcd_shows("0."));
  open_converter();
  RECT before{}, main_before{};
  GetWindowRect(converter(), &before);
  GetWindowRect(app.window(), &main_before);
  // Under Wine the first press on a window just shown can go to its activation: the drag is
  // tried again until the calculator follows the mouse.
  RECT main_after{};
  bool moved = false;
  for (int attempt = 0; attempt < 3 && !moved; ++attempt) {
    GetWindowRect(app.window(), &main_before);
    GetWindowRect(converter(), &before);
    POINT grip{kOnFace.x, kOnFace.y};
    ClientToScreen(app.window(), &grip);
    app.move_mouse(kOnFace.x, kOnFace.y);
    if (!app.start_drag(kOnFace.x, kOnFace.y)) {
      app.release_here();
      continue;
    }
    for (const POINT step : {POINT{20, 10}, POINT{40, 25}}) {
      app.move_mouse_on_screen({grip.x + step.x, grip.y + step.y});
    }
    app.release_here();
    moved = poll_until(
        [&] {
          GetWindowRect(app.window(), &main_after);
          return main_after.left == main_before.left + 40 && main_after.top == main_before.top + 25;
        },
        3s);
  }
  ASSERT_TRUE(moved) << "the calculator at " << main_after.left << "," << main_after.top;
  RECT now{};
  EXPECT_TRUE(poll_until([&] {
    GetWindowRect(converter(), &now);
    return now.left == before.left + 40 && now.top == before.top + 25;
  })) << "the converter from "
      << before.left << "," << before.top << " to " << now.left << "," << now.top;

  app.double_click(kOnLcd.x, kOnLcd.y);
  ASSERT_TRUE(poll_until([&] { return mini_mode(); }));
  EXPECT_TRUE(poll_until([&] { return !converter_showing(); })) << "mini mode closes it";
  app.double_click(kOnLcd.x, kOnLcd.y);
  ASSERT_TRUE(poll_until([&] { return !mini_mode() && IsWindowVisible(app.window()); }));
  // Under Wine the first click on the face just shown again can go to its activation; the
  // converter key is clicked until the converter is open.
  ASSERT_TRUE(lcd_shows("0."));
  ASSERT_TRUE(poll_until([&] {
    press_keys({"kdwhs"});
    return poll_until([&] { return converter_showing(); }, 1s);
  }));
  press_keys({"kmin"});
  EXPECT_TRUE(poll_until([&] { return !converter_showing(); })) << "minimising closes it";
}

class TaxE2e : public ToolsE2e {
 protected:
  HWND panel() const { return FindWindowExW(app.window(), nullptr, L"OrvantaTaxPanel", nullptr); }
  HWND field(int index) const { return GetDlgItem(panel(), 410 + index); }
  void open_panel() {
    PostMessageW(app.window(), WM_COMMAND, win32::kMenuIncomeTax, 0);
    ASSERT_TRUE(poll_until([&] { return panel() != nullptr && IsWindowVisible(panel()); }));
  }
  void type(int index, const wchar_t* text) {
    SendMessageW(field(index), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  }
  // The menu item with the cumulative table stored: its own page.
  void open_panel_page() {
    PostMessageW(app.window(), WM_COMMAND, win32::kMenuIncomeTax, 0);
    ASSERT_TRUE(poll_until([&] {
      const HWND page = FindWindowExW(app.window(), nullptr, L"OrvantaCumulativeTaxPanel", nullptr);
      return page != nullptr && IsWindowVisible(page);
    }));
  }
  void restart() {
    PostMessageW(app.window(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(app.wait_exit());
    ASSERT_TRUE(app.start());
    open_panel();
  }
};

TEST_F(TaxE2e, ComputesAndKeepsItsBaseAcrossARestart) {
  // Closing without the question, so the test can restart the calculator.
  write_settings(
      "[Setup]\r\nDevice_AutoCopyTo=0\r\nDevice_find_windows=0\r\nDevice_gs3500=3500\r\n"
      "Device_gs_table=1\r\nDevice_ESC_exit=0\r\nDevice_point=-1\r\n[Welcome]\r\n"
      "Text=Orvanta\r\n");
  ASSERT_TRUE(app.start());
  open_panel();
  EXPECT_EQ(App::text_of(field(1)), L"3500");
  type(0, L"10000");
  type(2, L"1000");
  PostMessageW(App::find_child(panel(), L"计  算"), BM_CLICK, 0, 0);
  EXPECT_TRUE(poll_until([&] { return App::text_of(field(3)) == L"9455"; }));
  EXPECT_EQ(App::text_of(field(4)), L"545");
  EXPECT_EQ(read_setting(L"Setup", L"Device_gs_0"), L"1000");
  keep_shot(L"tax", union_of(app.window(), nullptr));

  type(1, L"4200");
  EXPECT_EQ(read_setting(L"Setup", L"Device_gs3500"), L"4200");
  restart();
  EXPECT_EQ(App::text_of(field(1)), L"4200");
  type(1, L"");
  restart();
  EXPECT_EQ(App::text_of(field(1)), L"3500") << "an empty base comes back as 3500";

  // The table of 2019 proposes its own base for an untouched one.
  PostMessageW(App::find_child(panel(), L"2019版税率表"), BM_CLICK, 0, 0);
  EXPECT_TRUE(poll_until([&] { return App::text_of(field(1)) == L"5000"; }));
  EXPECT_EQ(read_setting(L"Setup", L"Device_gs_table"), L"2");
  PostMessageW(App::find_child(panel(), L"关  闭"), BM_CLICK, 0, 0);
  EXPECT_TRUE(poll_until([&] { return !IsWindowVisible(panel()); }));
}

// The cumulative page: its controls' ids, the schedule's columns and its one row height.
enum CumulativeControl {
  kSalary = 440,
  kInsurance = 441,
  kChildren = 444,
  kHousing = 448,
  kSummary = 451,
  kSchedule = 452,
  kBonus = 456,
  kBonusAlone = 457,
  kBonusAdded = 458,
  kCliff = 460,
};
constexpr int kScheduleWidths[] = {30, 98, 30, 66, 70, 70};
constexpr int kWithheldColumn = 3;
constexpr int kTotalRow = 13;
constexpr wchar_t kCumulativeCaption[] = L"累计预扣（2019年起）";

class CumulativeTaxE2e : public TaxE2e {
 protected:
  HWND page() const {
    return FindWindowExW(app.window(), nullptr, L"OrvantaCumulativeTaxPanel", nullptr);
  }
  bool page_showing() const { return page() != nullptr && IsWindowVisible(page()) != FALSE; }
  HWND control(int id) const { return GetDlgItem(page(), id); }
  HWND schedule() const { return control(kSchedule); }
  // The radio button of a table on whichever page shows.
  HWND table_button(const std::wstring& caption) const {
    return App::find_child(page_showing() ? page() : panel(), caption);
  }
  // Sent, not posted: it returns once the switch is whole (a posted click could still be halfway
  // through, a page already shown and its results not yet emptied, when the test looks).
  void choose(const std::wstring& caption) {
    DWORD_PTR ignored = 0;
    ASSERT_NE(
        SendMessageTimeoutW(table_button(caption), BM_CLICK, 0, 0, SMTO_NORMAL, 5000, &ignored), 0);
    app.wait_idle();
  }
  void set_field(int id, const wchar_t* text) {
    SendMessageW(control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  }
  // A list's entry picked as a user's pick is reported to the page.
  void pick(int id, int entry) {
    SendMessageW(control(id), CB_SETCURSEL, entry, 0);
    SendMessageW(page(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(control(id)));
  }
  void compute() {
    PostMessageW(App::find_child(page(), L"计  算"), BM_CLICK, 0, 0);
    app.wait_idle();
  }
  std::wstring cell(int column, int row) const {
    return cell_text(schedule(), L"OrvantaTaxCellText", column, row);
  }
  // A cell's centre in the calculator's client area: a grid line round every cell.
  POINT cell_centre(int column, int row) const {
    int x = 1;
    for (int c = 0; c < column; ++c) x += kScheduleWidths[c] + 1;
    POINT p{x + kScheduleWidths[column] / 2, 1 + row * 15 + 7};
    ClientToScreen(schedule(), &p);
    ScreenToClient(app.window(), &p);
    return p;
  }
  // The worked example of the help: 30,000 a month, 4,500 insurance, 3,000 special deductions
  // (a child at school and the interest of a first home's loan).
  void enter_worked_example() {
    set_field(kSalary, L"30000");
    set_field(kInsurance, L"4500");
    pick(kChildren, 1);
    pick(kHousing, 1);
    ASSERT_EQ(App::text_of(control(kSummary)), L"专项附加扣除每月 3,000.00 元");
    compute();
  }
};

TEST_F(CumulativeTaxE2e, WithholdsTheWorkedExampleMonthByMonth) {
  ASSERT_TRUE(app.start());
  open_panel();
  choose(kCumulativeCaption);
  ASSERT_TRUE(poll_until([&] { return page_showing(); }));
  EXPECT_FALSE(IsWindowVisible(panel())) << "one page at a time";
  EXPECT_EQ(read_setting(L"Setup", L"Device_gs_table"), L"3");
  enter_worked_example();

  const wchar_t* const withheld[12] = {L"525.00",   L"525.00",   L"1,680.00", L"1,750.00",
                                       L"1,750.00", L"1,750.00", L"1,750.00", L"1,750.00",
                                       L"3,100.00", L"3,500.00", L"3,500.00", L"3,500.00"};
  ASSERT_TRUE(poll_until([&] { return cell(kWithheldColumn, 1) == withheld[0]; }));
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(cell(kWithheldColumn, month), withheld[month - 1]) << "month " << month;
  }
  EXPECT_EQ(cell(0, kTotalRow), L"全年");
  EXPECT_EQ(cell(kWithheldColumn, kTotalRow), L"25,080.00");
  EXPECT_EQ(cell(4, 12), L"25,080.00") << "withheld so far by December";
  EXPECT_EQ(cell(1, 12), L"210,000.00");
  EXPECT_EQ(cell(2, 12), L"20%");

  // Ctrl+C on the table: the months and the total, tab-separated, as shown.
  const POINT heading = cell_centre(0, 0);
  app.click(heading.x, heading.y);
  put_on_clipboard(L"");
  app.key_chord({VK_CONTROL}, 'C');
  ASSERT_TRUE(poll_until([&] { return !clipboard_text().empty(); }));
  const std::wstring copied = clipboard_text();
  EXPECT_EQ(copied.substr(0, copied.find(L"\r\n")),
            L"月份\t累计应纳税所得额\t税率\t本月预扣\t累计预扣\t税后工资");
  EXPECT_NE(copied.find(L"\r\n3月\t52,500.00\t10%\t1,680.00\t2,730.00\t23,820.00\r\n"),
            std::wstring::npos)
      << copied;
  EXPECT_NE(copied.find(L"\r\n全年\t\t\t25,080.00\t\t"), std::wstring::npos) << copied;
}

// Taken on its own, a bonus one yuan past 36,000 falls into the 10% bracket whole.
TEST_F(CumulativeTaxE2e, ShowsTheBonusCliff) {
  write_settings(
      "[Setup]\r\nDevice_AutoCopyTo=0\r\nDevice_find_windows=0\r\nDevice_gs_table=3\r\n"
      "Device_point=-1\r\n[Welcome]\r\nText=Orvanta\r\n");
  ASSERT_TRUE(app.start());
  open_panel_page();
  enter_worked_example();
  const struct {
    const wchar_t* bonus;
    const wchar_t* alone;
    const wchar_t* added;
    bool cliff;
  } cases[] = {{L"36000", L"1,080.00", L"7,200.00", false},
               {L"36001", L"3,390.10", L"7,200.20", true}};
  for (const auto& c : cases) {
    set_field(kBonus, c.bonus);
    compute();
    EXPECT_TRUE(poll_until([&] { return App::text_of(control(kBonusAlone)) == c.alone; }))
        << c.bonus << ": " << App::text_of(control(kBonusAlone));
    EXPECT_EQ(App::text_of(control(kBonusAdded)), c.added) << c.bonus;
    EXPECT_EQ(App::text_of(control(kCliff)).starts_with(L"临界点"), c.cliff) << c.bonus;
  }
  EXPECT_EQ(App::text_of(control(kCliff)),
            L"临界点：超过 36,000.00 元 1.00 元，税多 2,310.10 元，到手少 2,309.10 元");
  keep_shot(L"tax_cumulative", union_of(app.window(), nullptr));
}

TEST_F(CumulativeTaxE2e, AClickedCellGoesToTheLcd) {
  write_settings(
      "[Setup]\r\nDevice_AutoCopyTo=0\r\nDevice_find_windows=0\r\nDevice_gs_table=3\r\n"
      "Device_point=-1\r\n[Welcome]\r\nText=Orvanta\r\n");
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(lcd_shows("0."));
  open_panel_page();
  enter_worked_example();
  ASSERT_TRUE(poll_until([&] { return cell(kWithheldColumn, 3) == L"1,680.00"; }));
  const POINT march = cell_centre(kWithheldColumn, 3);
  app.click(march.x, march.y);
  EXPECT_TRUE(lcd_shows("1680")) << reader.lcd_text(app.capture());
  const POINT total = cell_centre(5, kTotalRow);  // the year's pay after tax
  app.click(total.x, total.y);
  EXPECT_TRUE(lcd_shows("280920")) << reader.lcd_text(app.capture());
  const POINT name = cell_centre(0, 5);  // "5月" is no figure
  app.click(name.x, name.y);
  app.wait_idle();
  EXPECT_TRUE(lcd_shows("280920"));
}

TEST_F(CumulativeTaxE2e, SwitchingTablesEmptiesTheResults) {
  ASSERT_TRUE(app.start());
  open_panel();
  type(0, L"10000");
  PostMessageW(App::find_child(panel(), L"计  算"), BM_CLICK, 0, 0);
  ASSERT_TRUE(poll_until([&] { return !App::text_of(field(4)).empty(); }));
  choose(L"2011版税率表");
  EXPECT_TRUE(poll_until([&] { return App::text_of(field(4)).empty(); }));
  EXPECT_EQ(App::text_of(field(3)), L"");

  choose(kCumulativeCaption);
  ASSERT_TRUE(poll_until([&] { return page_showing(); }));
  enter_worked_example();
  set_field(kBonus, L"36001");
  compute();
  ASSERT_TRUE(poll_until([&] { return !cell(kWithheldColumn, 1).empty(); }));
  ASSERT_FALSE(App::text_of(control(kBonusAlone)).empty());
  choose(L"2019版税率表");
  ASSERT_TRUE(poll_until([&] { return !page_showing() && IsWindowVisible(panel()); }));
  EXPECT_EQ(App::text_of(field(4)), L"");
  choose(kCumulativeCaption);
  ASSERT_TRUE(poll_until([&] { return page_showing(); }));
  EXPECT_EQ(cell(kWithheldColumn, 1), L"");
  EXPECT_EQ(cell(kWithheldColumn, kTotalRow), L"");
  EXPECT_EQ(App::text_of(control(kBonusAlone)), L"");
  EXPECT_EQ(App::text_of(control(kCliff)), L"");
  EXPECT_EQ(App::text_of(control(kSalary)), L"30000") << "the figures typed stay";
}

// Tab walks the page from top to bottom, passing over what is disabled without a result, and
// round through the table choice; the calculator's keys stay with the page meanwhile.
TEST_F(CumulativeTaxE2e, TabWalksThePageTopToBottom) {
  write_settings(
      "[Setup]\r\nDevice_AutoCopyTo=0\r\nDevice_find_windows=0\r\nDevice_gs_table=3\r\n"
      "Device_point=-1\r\n[Welcome]\r\nText=Orvanta\r\n");
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(lcd_shows("0."));
  open_panel_page();
  const auto focus = [&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(app.window(), nullptr), &info);
    return info.hwndFocus;
  };
  ASSERT_TRUE(poll_until([&] { return focus() == control(kSalary); }));
  app.key('7');
  EXPECT_TRUE(poll_until([&] { return App::text_of(control(kSalary)) == L"7"; }));
  EXPECT_TRUE(lcd_shows("0.")) << "the key went to the page";
  // 441 to 449: insurance, base, 计算, the two counts, the two ticks, housing, parents; the
  // share stays disabled without siblings, 复制 and 输出 without a result.
  std::vector<int> order{441, 442,       443, 444,    445,         446,         447, 448,
                         449, kSchedule, 455, kBonus, kBonusAlone, kBonusAdded, 422, kSalary};
  for (const int id : order) {
    app.key(VK_TAB);
    EXPECT_TRUE(poll_until([&] { return focus() == control(id); }))
        << id << " expected, at " << GetDlgCtrlID(focus());
  }
}

// "输出": the table is typed into the window below as a result is, tabs and line ends and all.
// Wine's notepad stands beside the calculator (below it in the z-order) for the test's length.
TEST_F(CumulativeTaxE2e, SendsTheTableToTheWindowBelow) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION notepad{};
  wchar_t command[] = L"notepad.exe";
  ASSERT_TRUE(CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &notepad));
  const std::unique_ptr<void, void (*)(void*)> ends(&notepad, [](void* p) {
    const auto* n = static_cast<PROCESS_INFORMATION*>(p);
    TerminateProcess(n->hProcess, 0);
    WaitForSingleObject(n->hProcess, 5000);
    CloseHandle(n->hThread);
    CloseHandle(n->hProcess);
  });
  WaitForInputIdle(notepad.hProcess, 10000);
  HWND frame = nullptr;
  HWND edit = nullptr;
  ASSERT_TRUE(poll_until([&] {
    frame = find_window_of(notepad.dwProcessId, [](HWND) { return true; });
    edit = frame != nullptr ? FindWindowExW(frame, nullptr, L"Edit", nullptr) : nullptr;
    return edit != nullptr;
  }));
  write_settings(
      "[Setup]\r\nDevice_AutoCopyTo=0\r\nDevice_find_windows=1\r\nDevice_gs_table=3\r\n"
      "Device_point=-1\r\nDevice_sound=0\r\n[Welcome]\r\nText=Orvanta\r\n");
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(lcd_shows("0."));
  SetWindowPos(frame, HWND_TOP, 680, 80, 560, 420, 0);
  SetForegroundWindow(frame);
  ASSERT_TRUE(lcd_shows("0."));
  open_panel_page();
  enter_worked_example();
  ASSERT_TRUE(poll_until([&] { return !cell(kWithheldColumn, 1).empty(); }));
  // Line for line what "复制" puts on the clipboard; the last line end arrives last.
  put_on_clipboard(L"");
  PostMessageW(App::find_child(page(), L"复制"), BM_CLICK, 0, 0);
  ASSERT_TRUE(poll_until([&] { return !clipboard_text().empty(); }));
  const std::wstring table = clipboard_text();
  EXPECT_NE(table.find(L"\r\n12月\t210,000.00\t20%\t3,500.00\t25,080.00\t22,000.00\r\n全年\t\t\t"
                       L"25,080.00\t\t280,920.00\r\n"),
            std::wstring::npos)
      << testing::PrintToString(table);
  PostMessageW(App::find_child(page(), L"输出"), BM_CLICK, 0, 0);
  EXPECT_TRUE(poll_until([&] { return App::text_of(edit) == table; }, 30s))
      << testing::PrintToString(App::text_of(edit));
}

// The stored table picks the page and its button; a file without one starts on 2019's.
TEST_F(CumulativeTaxE2e, OpensOnTheStoredTable) {
  const struct {
    const char* stored;
    const wchar_t* checked;
    bool cumulative;
  } cases[] = {{"", L"2019版税率表", false},
               {"Device_gs_table=1\r\n", L"2011版税率表", false},
               {"Device_gs_table=3\r\n", kCumulativeCaption, true}};
  for (const auto& c : cases) {
    write_settings(std::string("[Setup]\r\nDevice_AutoCopyTo=0\r\nDevice_find_windows=0\r\n") +
                   c.stored + "Device_ESC_exit=0\r\n[Welcome]\r\nText=Orvanta\r\n");
    ASSERT_TRUE(app.start());
    PostMessageW(app.window(), WM_COMMAND, win32::kMenuIncomeTax, 0);
    ASSERT_TRUE(poll_until([&] {
      return c.cumulative ? page_showing() : panel() != nullptr && IsWindowVisible(panel());
    })) << c.stored;
    EXPECT_EQ(SendMessageW(table_button(c.checked), BM_GETCHECK, 0, 0), BST_CHECKED) << c.stored;
    PostMessageW(app.window(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(app.wait_exit());
  }
}

class ConstantsE2e : public ToolsE2e {
 protected:
  HWND grid() const {
    return FindWindowExW(app.window(), nullptr, L"OrvantaConstantsGrid", nullptr);
  }
  bool grid_showing() const { return grid() != nullptr && IsWindowVisible(grid()) != FALSE; }
  // The value cell of a row while the table shows its top: 180 + 1 pixels of names, rows of
  // 14 + 1 under the heading.
  static POINT value_cell(int row) { return {16 + 181 + 60, 151 + row * 15 + 7}; }
  void open_grid() {
    const POINT pi = FaceReader::key_centre("pi");
    app.click(pi.x, pi.y, Button::Right);
    ASSERT_TRUE(poll_until([&] { return grid_showing(); }));
  }
};

TEST_F(ConstantsE2e, PicksAValueInAnyBaseAndClosesWhenTheMouseLeaves) {
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(lcd_shows("0."));
  open_grid();
  const POINT atmosphere = value_cell(10);
  app.click(atmosphere.x, atmosphere.y);
  EXPECT_TRUE(lcd_shows("101325")) << reader.lcd_text(app.capture());
  EXPECT_TRUE(grid_showing()) << "stays open after a pick";
  keep_shot(L"constants", union_of(app.window(), nullptr));

  // Moving out closes it; a unit cell picks nothing.
  app.move_mouse(440, 60);
  EXPECT_TRUE(poll_until([&] { return !grid_showing(); }));

  press_keys({"Khex_on"});
  open_grid();
  const POINT pi_value = value_cell(1);
  app.click(pi_value.x, pi_value.y);
  EXPECT_TRUE(lcd_shows("3")) << "hexadecimal takes the integer part";
  const POINT unit = {16 + 181 + 121 + 30, 151 + 10 * 15 + 7};
  app.click(unit.x, unit.y);
  EXPECT_TRUE(lcd_shows("3"));
}

}  // namespace
}  // namespace orvanta::e2e
