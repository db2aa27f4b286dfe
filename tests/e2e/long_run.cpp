// The window's long run: a seeded random walk of real clicks on every face key (all three
// buttons) and real key presses through orvanta.exe, and every panel and menu opened and
// closed again and again. After every 100 steps the LCD must still decode and the process's
// GDI and USER object counts and its committed memory must stay within a small bound of where they
// settled: nothing the walk does may end the program or leak. Its own test program, as it runs
// for minutes.
#include <windows.h>
// psapi.h needs the types of windows.h first.
#include <gtest/gtest.h>
#include <psapi.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "engine/key_handlers.h"
#include "face/face_layout.h"
#include "face_reader.h"
#include "harness.h"
#include "win32/chrome/menu_ids.h"

namespace orvanta::e2e {
namespace {

using namespace std::chrono_literals;

// Objects a window may still create on its way (a cached brush, a tooltip): beyond this the
// counts grow with the walk, which is a leak.
constexpr DWORD kObjectSlack = 40;
// Wine counts no GDI or USER objects (GetGuiResources answers 0), so memory stands in there: a
// face-sized bitmap is about 0.6 MB, a leak per click or per panel grows far beyond this.
constexpr SIZE_T kMemorySlack = SIZE_T{8} << 20;

struct Objects {
  DWORD gdi = 0;
  DWORD user = 0;
  SIZE_T private_bytes = 0;
};

class LongRun : public ::testing::Test {
 protected:
  void SetUp() override {
    remove_settings();
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(reader.lcd_shows(app, "0."));
    process_ = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, app.process_id());
    ASSERT_NE(process_, nullptr);
  }
  void TearDown() override {
    if (process_) CloseHandle(process_);
    app.kill();
    remove_settings();
  }

  Objects objects() const {
    // The commit charge (private bytes on Windows; Wine leaves PrivateUsage at 0 but fills it).
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    EXPECT_TRUE(GetProcessMemoryInfo(process_, &memory, sizeof memory));
    return {GetGuiResources(process_, GR_GDIOBJECTS), GetGuiResources(process_, GR_USEROBJECTS),
            memory.PagefileUsage};
  }

  // Answers whatever box the walk raised (No where it asks, so the calculator stays open).
  void dismiss_boxes() {
    for (const wchar_t* caption : {L"提示", L"错误！", L"警告", L"错误"}) {
      for (int tries = 0; tries < 5; ++tries) {
        const HWND box = app.find_window(caption);
        if (box == nullptr) break;
        if (!App::press_dialog_button(box, L"否") && !App::press_dialog_button(box, L"No") &&
            !App::press_dialog_button(box, L"确定") && !App::press_dialog_button(box, L"OK")) {
          PostMessageW(box, WM_CLOSE, 0, 0);
        }
        poll_until([&] { return app.find_window(caption) != box; }, 2s);
      }
    }
  }

  // The LCD reads as characters with glyphs (no cell it cannot decode), within a few seconds
  // for an equals still reading out.
  void expect_lcd_decodes(const std::string& where) {
    std::string text;
    EXPECT_TRUE(poll_until(
        [&] {
          text = reader.lcd_text(app.capture());
          return !text.empty() && text.find('?') == std::string::npos;
        },
        5s))
        << where << ": the LCD reads \"" << text << "\"";
  }

  void expect_within(const Objects& settled, const std::string& where) {
    const Objects now = objects();
    EXPECT_LE(now.gdi, settled.gdi + kObjectSlack) << where << ": GDI objects grew";
    EXPECT_LE(now.user, settled.user + kObjectSlack) << where << ": USER objects grew";
    EXPECT_GT(now.private_bytes, 0u) << where << ": no memory figure";
    EXPECT_LE(now.private_bytes, settled.private_bytes + kMemorySlack)
        << where << ": committed memory grew from " << settled.private_bytes << " to "
        << now.private_bytes << " bytes";
  }

  void print_growth(const char* when, const Objects& settled) const {
    const Objects end = objects();
    std::printf("%s: GDI %lu / %lu, USER %lu / %lu, committed KiB %lu / %lu\n", when, settled.gdi,
                end.gdi, settled.user, end.user,
                static_cast<unsigned long>(settled.private_bytes >> 10),
                static_cast<unsigned long>(end.private_bytes >> 10));
  }

  // A button of any visible window of the program, found by its text.
  HWND find_button(const std::wstring& label) const {
    HWND found = nullptr;
    find_window_of(app.process_id(), [&](HWND top) {
      const HWND button = App::find_child(top, label);
      if (button != nullptr && IsWindowVisible(button)) found = button;
      return found != nullptr;
    });
    return found;
  }

  App app;
  FaceReader reader;
  HANDLE process_ = nullptr;
};

TEST_F(LongRun, TwoThousandClicksAndKeysLeaveADecodingLcdAndNoLeak) {
  const auto keys = key_table();
  // Keys a user types: digits, operators, point, equals, Backspace, Enter, Delete.
  const WORD typed[] = {'0',         '1',         '5',         '9',        VK_ADD,
                        VK_SUBTRACT, VK_MULTIPLY, VK_DIVIDE,   VK_DECIMAL, VK_RETURN,
                        VK_BACK,     VK_DELETE,   VK_OEM_PLUS, 'A',        'F'};
  std::mt19937 random(20261210);
  Objects settled;
  for (int step = 1; step <= 2000; ++step) {
    if (random() % 4 == 0) {
      app.key(typed[random() % std::size(typed)]);
    } else {
      const KeyEntry& key = keys[random() % keys.size()];
      const POINT p = FaceReader::key_centre(std::string(key.name));
      const Button button = random() % 5 == 0 ? Button::Right : Button::Left;
      app.click(p.x, p.y, button);
    }
    dismiss_boxes();
    ASSERT_TRUE(app.running()) << "the program ended at step " << step;
    if (step % 100 == 0) {
      const std::string where = "step " + std::to_string(step);
      expect_lcd_decodes(where);
      // The first hundred steps settle what the window creates once (pictures, the tooltip).
      if (step == 100) settled = objects();
      expect_within(settled, where);
    }
  }
  print_growth("after step 100 / 2000", settled);
}

TEST_F(LongRun, PanelsAndMenusOpenedAndClosedTwentyTimesLeakNothing) {
  struct PanelCycle {
    UINT menu;
    const wchar_t* close;  // the button that closes it; none: a press on the face
  };
  const PanelCycle panels[] = {
      {win32::kMenuFormula, L"关 闭"},    {win32::kMenuBigNumbers, L"关 闭"},
      {win32::kMenuIncomeTax, L"关  闭"}, {win32::kMenuSkin, L"确 定"},
      {win32::kMenuKeyboard, L"取 消"},   {win32::kMenuSettings, nullptr},
  };
  const RECT lcd{face::kLcdArea.left, face::kLcdArea.top,
                 face::kLcdArea.left + face::kLcdArea.width,
                 face::kLcdArea.top + face::kLcdArea.height};
  Objects settled;
  for (int round = 1; round <= 20; ++round) {
    const std::string where = "round " + std::to_string(round);
    for (const PanelCycle& panel : panels) {
      PostMessageW(app.window(), WM_COMMAND, panel.menu, 0);
      if (panel.close != nullptr) {
        HWND button = nullptr;
        EXPECT_TRUE(poll_until([&] { return (button = find_button(panel.close)) != nullptr; }))
            << where << ": panel of menu item " << panel.menu << " did not show its button";
        if (button != nullptr) PostMessageW(button, BM_CLICK, 0, 0);
      } else {
        poll_until([&] { return find_button(L"科学计算模式") != nullptr; });
        app.click(30, 150);
      }
      dismiss_boxes();
    }
    // The LCD's pop-up menu, opened by the right button and closed by Escape.
    app.click((lcd.left + lcd.right) / 2, (lcd.top + lcd.bottom) / 2, Button::Right);
    app.wait_menu();
    app.key(VK_ESCAPE);
    dismiss_boxes();
    ASSERT_TRUE(app.running()) << where;
    expect_lcd_decodes(where);
    if (round == 1) settled = objects();
    expect_within(settled, where);
  }
  print_growth("after round 1 / 20", settled);
}

}  // namespace
}  // namespace orvanta::e2e
