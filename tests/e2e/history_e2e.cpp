// The history tape in the running calculator: calculations made on the face appear on its
// panel, a click brings one back, and the tape outlives a restart and a damaged or locked file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "face_reader.h"
#include "harness.h"
#include "tools/history/tape_record.h"
#include "win32/chrome/menu_ids.h"

namespace orvanta::e2e {
namespace {

using namespace std::chrono_literals;

const std::string kSettings =
    "[Setup]\r\nDevice_AutoCopyTo=0\r\nDevice_find_windows=0\r\nDevice_sound=0\r\n"
    "[Welcome]\r\nText=Orvanta\r\n";
constexpr int kLineHeight = 18;

// With ORVANTA_SHOTS set to a folder, a rectangle of the screen is kept there as NAME.bmp.
void keep_shot(const wchar_t* name, RECT screen) {
  wchar_t folder[MAX_PATH]{};
  if (GetEnvironmentVariableW(L"ORVANTA_SHOTS", folder, MAX_PATH) == 0) return;
  capture_screen_still(screen).save_bmp(std::wstring(folder) + L"\\" + name + L".bmp");
}

std::wstring tape_file() {
  return settings_folder() + L"\\Talvenor-history.txt";
}

void write_tape_file(const std::string& bytes) {
  CreateDirectoryW(settings_folder().c_str(), nullptr);
  const HANDLE file = CreateFileW(tape_file().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::string record(const char* calculation, const char* result) {
  TapeEntry entry;
  entry.time = "2024-05-01 08:30:05";
  entry.calculation = calculation;
  entry.result = entry.value = result;
  return tape_record(entry);
}

class HistoryE2e : public ::testing::Test {
 protected:
  void SetUp() override {
    remove_settings();
    write_settings(kSettings);
  }
  void TearDown() override {
    app.close();
    SetFileAttributesW(tape_file().c_str(), FILE_ATTRIBUTE_NORMAL);
    remove_settings();
  }

  HWND panel() const {
    return FindWindowExW(app.window(), nullptr, L"OrvantaHistoryPanel", nullptr);
  }
  HWND list() const { return GetDlgItem(panel(), 600); }
  void open_panel() {
    PostMessageW(app.window(), WM_COMMAND, win32::kMenuHistory, 0);
    ASSERT_TRUE(poll_until([&] { return panel() != nullptr && IsWindowVisible(panel()); }));
    app.wait_idle();
  }
  std::vector<std::wstring> lines() const {
    std::vector<std::wstring> out;
    const LRESULT count = SendMessageW(list(), LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      wchar_t text[256]{};
      if (SendMessageW(list(), LB_GETTEXTLEN, i, 0) < 256) {
        SendMessageW(list(), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
      }
      out.emplace_back(text);
    }
    return out;
  }
  bool lines_are(const std::vector<std::wstring>& wanted) const {
    return poll_until([&] { return lines() == wanted; }, 5s);
  }
  // The middle of a line in view, in the calculator's client coordinates.
  POINT line_point(int row) const {
    const LRESULT top = SendMessageW(list(), LB_GETTOPINDEX, 0, 0);
    POINT p{60, static_cast<int>((row - top) * kLineHeight + kLineHeight / 2)};
    ClientToScreen(list(), &p);
    ScreenToClient(app.window(), &p);
    return p;
  }
  std::wstring note() const {
    return App::text_of(GetWindow(GetDlgItem(panel(), 600), GW_HWNDNEXT));
  }
  void calculate(std::initializer_list<const char*> keys) {
    FaceReader::press_keys(app, {"c"});
    FaceReader::press_keys(app, keys);
  }

  App app;
  FaceReader reader;
};

TEST_F(HistoryE2e, CalculationsAppearInOrderAndOneComesBackToTheLcd) {
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(reader.lcd_shows(app, "0."));
  calculate({"k1", "kadd", "k2", "kdy"});
  calculate({"k7", "ksum", "k6", "kdy", "kdy"});  // equals again is no new line
  calculate({"k9", "ksub", "k4", "kdy"});
  ASSERT_TRUE(reader.lcd_shows(app, "5"));
  // The tape kept them while its panel did not exist.
  open_panel();
  ASSERT_TRUE(lines_are({L"1+2=3", L"7*6=42", L"9-4=5"}));
  EXPECT_EQ(SendMessageW(list(), LB_GETTOPINDEX, 0, 0), 0);
  keep_shot(L"history", [&] {
    RECT r{};
    GetWindowRect(app.window(), &r);
    return r;
  }());

  const POINT second = line_point(1);
  app.click(second.x, second.y);
  EXPECT_TRUE(reader.lcd_shows(app, "42"));

  // A double-click puts its formula into the formula panel.
  const POINT first = line_point(0);
  app.double_click(first.x, first.y);
  const auto formula_input = [&] {
    const HWND formula = FindWindowExW(app.window(), nullptr, L"OrvantaFormulaPanel", nullptr);
    return formula != nullptr && IsWindowVisible(formula) ? App::text_of(GetDlgItem(formula, 400))
                                                          : std::wstring();
  };
  EXPECT_TRUE(poll_until([&] { return formula_input() == L"1+2"; }));

  // A restart finds the tape in its file.
  app.close();
  ASSERT_TRUE(app.start());
  open_panel();
  EXPECT_TRUE(lines_are({L"1+2=3", L"7*6=42", L"9-4=5"}));
}

// Lines picked on the tape: Ctrl+C copies them as "calculation=result" lines, Del removes them
// from the tape and its file.
TEST_F(HistoryE2e, PickedLinesAreCopiedWithCtrlCAndRemovedWithDel) {
  write_tape_file(record("1+2", "3") + record("7*6", "42") + record("9-4", "5"));
  ASSERT_TRUE(app.start());
  open_panel();
  ASSERT_TRUE(lines_are({L"1+2=3", L"7*6=42", L"9-4=5"}));
  const POINT first = line_point(0);
  app.click(first.x, first.y);  // the list takes the focus
  app.wait_idle();
  SendMessageW(list(), LB_SETSEL, FALSE, -1);
  SendMessageW(list(), LB_SETSEL, TRUE, 0);
  SendMessageW(list(), LB_SETSEL, TRUE, 2);
  put_on_clipboard(L"");
  app.key_chord({VK_CONTROL}, 'C');
  EXPECT_TRUE(poll_until([&] { return clipboard_text() == L"1+2=3\r\n9-4=5\r\n"; }))
      << testing::PrintToString(clipboard_text());

  app.key(VK_DELETE);
  EXPECT_TRUE(lines_are({L"7*6=42"}));
  app.close();
  ASSERT_TRUE(app.start());
  open_panel();
  EXPECT_TRUE(lines_are({L"7*6=42"})) << "removed from the file too";
}

TEST_F(HistoryE2e, ATornLastLineIsSkippedAndTheRestLoads) {
  const std::string last = record("3+3", "6");
  write_tape_file(record("1+1", "2") + record("2+2", "4") + last.substr(0, last.size() / 2));
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(reader.lcd_shows(app, "0."));
  calculate({"k5", "kadd", "k5", "kdy"});
  ASSERT_TRUE(reader.lcd_shows(app, "10"));
  open_panel();
  EXPECT_TRUE(lines_are({L"1+1=2", L"2+2=4", L"5+5=10"}));
  EXPECT_EQ(note(), L"");
  // The new line stood on its own in the file, not glued to the torn one.
  app.close();
  ASSERT_TRUE(app.start());
  open_panel();
  EXPECT_TRUE(lines_are({L"1+1=2", L"2+2=4", L"5+5=10"}));
}

TEST_F(HistoryE2e, AnUnwritableFileStillRecordsInMemoryWithANote) {
  write_tape_file(record("1+1", "2"));
  ASSERT_TRUE(SetFileAttributesW(tape_file().c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(reader.lcd_shows(app, "0."));
  calculate({"k2", "ksum", "k3", "kdy"});
  ASSERT_TRUE(reader.lcd_shows(app, "6"));
  open_panel();
  EXPECT_TRUE(lines_are({L"1+1=2", L"2*3=6"}));
  EXPECT_NE(note().find(L"无法写入"), std::wstring::npos);
}

}  // namespace
}  // namespace orvanta::e2e
