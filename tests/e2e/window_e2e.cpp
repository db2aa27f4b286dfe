#include <windows.h>
// commctrl.h needs the types of windows.h first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "face/face_layout.h"
#include "face_reader.h"
#include "harness.h"
#include "platform/wide.h"
#include "win32/chrome/menu_ids.h"
#include "win32/features/skin/skin_panel.h"
#include "win32/system/geometry.h"

namespace orvanta::e2e {
namespace {

using namespace std::chrono_literals;

// The text of the calculator's tooltip that is showing, empty while none shows.
std::wstring shown_tip(const App& app) {
  const HWND tip = find_window_of(app.process_id(), [](HWND w) {
    wchar_t name[64]{};
    GetClassNameW(w, name, 64);
    return lstrcmpiW(name, TOOLTIPS_CLASSW) == 0;
  });
  if (tip == nullptr) return {};
  wchar_t text[256]{};
  SendMessageW(tip, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
  return text;
}

TEST(MainWindow, AppearsBorderlessOnTopAtItsPlace) {
  App app;
  ASSERT_TRUE(app.start());
  // At 200 % the face is twice its size, from its place twice as far from the corner.
  const face::DisplayScale at(e2e_dpi());
  const RECT r = app.window_rect();
  EXPECT_EQ(r.left, at(199));
  EXPECT_EQ(r.top, at(112));
  RECT client{};
  GetClientRect(app.window(), &client);
  EXPECT_EQ(client.right, at.client_width());
  EXPECT_EQ(client.bottom, at.client_height());
  EXPECT_EQ(GetWindowLongW(app.window(), GWL_STYLE) & WS_CAPTION, 0);
  const LONG ex = GetWindowLongW(app.window(), GWL_EXSTYLE);
  EXPECT_NE(ex & WS_EX_TOPMOST, 0) << "stays on top";
  EXPECT_NE(ex & WS_EX_TOOLWINDOW, 0) << "no taskbar button";
}

// Moved to a monitor of another scale (200 % from 100 %, 100 % from 200 %), as Windows tells it
// with WM_DPICHANGED and a suggested place: the face is drawn at the new scale there, the LCD
// reads as before, and the open panel and the unit converter are laid out at the new scale.
TEST(MainWindow, MovedToAMonitorOfAnotherScaleRedrawsFaceAndPanelsThere) {
  remove_settings();
  App app;
  ASSERT_TRUE(app.start());
  FaceReader reader;
  ASSERT_TRUE(reader.lcd_shows(app, "0."));
  PostMessageW(app.window(), WM_COMMAND, win32::kMenuSkin, 0);
  const HWND box = app.wait_child(L"确 定");
  ASSERT_NE(box, nullptr);
  const HWND panel = GetParent(box);
  // The unit converter, a window beside the face; its key is the lowest, on the screen also at
  // 200 % once the face stands at the top.
  SetWindowPos(app.window(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(wait_idle_window(app.window()));
  FaceReader::press_keys(app, {"kdwhs"});
  HWND converter = nullptr;
  ASSERT_TRUE(poll_until([&] {
    converter = find_window_of(app.process_id(), [](HWND w) {
      wchar_t name[64]{};
      GetClassNameW(w, name, 64);
      return std::wstring(name) == L"OrvantaConverter" && IsWindowVisible(w);
    });
    return converter != nullptr;
  }));

  const face::DisplayScale to(e2e_dpi() == 192 ? 96 : 192);
  const RECT suggested{100, 50, 100 + to.client_width(), 50 + to.client_height()};
  // The suggested place is read in the program's memory, as Windows hands it over.
  const HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, app.process_id());
  ASSERT_NE(process, nullptr);
  void* remote = VirtualAllocEx(process, nullptr, sizeof suggested, MEM_COMMIT, PAGE_READWRITE);
  ASSERT_NE(remote, nullptr);
  ASSERT_TRUE(WriteProcessMemory(process, remote, &suggested, sizeof suggested, nullptr));
  SendMessageW(app.window(), WM_DPICHANGED, MAKEWPARAM(to.dpi(), to.dpi()),
               reinterpret_cast<LPARAM>(remote));
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);

  const RECT r = app.window_rect();
  EXPECT_EQ(r.left, suggested.left);
  EXPECT_EQ(r.top, suggested.top);
  RECT client{};
  GetClientRect(app.window(), &client);
  EXPECT_EQ(client.right, to.client_width());
  EXPECT_EQ(client.bottom, to.client_height());
  EXPECT_TRUE(reader.lcd_shows(app, "0.")) << reader.lcd_text(app.capture());
  const RECT place = rect_in(panel, app.window());
  using win32::SkinPanel;
  const RECT want{to(SkinPanel::kLeft), to(SkinPanel::kTop),
                  to(SkinPanel::kLeft + SkinPanel::kWidth),
                  to(SkinPanel::kTop + SkinPanel::kHeight)};
  EXPECT_TRUE(EqualRect(&place, &want));
  EXPECT_TRUE(IsWindowVisible(box));
  RECT table{};
  GetClientRect(converter, &table);
  EXPECT_EQ(table.right, to(394));
  EXPECT_EQ(table.bottom, to(452));
  GetWindowRect(converter, &table);
  EXPECT_EQ(table.left, suggested.left + to(462)) << "still beside the face";
}

// The grab hand lies on the LCD, yet shows its own hint, not the LCD's value.
TEST(MainWindow, GrabHandShowsItsOwnHint) {
  remove_settings();
  App app;
  ASSERT_TRUE(app.start());
  const std::wstring hand_hint = to_wide(face::kInputHandHint);
  const face::DisplayScale at(e2e_dpi());
  const RECT hand = win32::indicator_rect("input_hand", at);
  app.move_mouse(at(10), at(500));
  app.move_mouse((hand.left + hand.right) / 2, (hand.top + hand.bottom) / 2);
  std::wstring tip;
  EXPECT_TRUE(poll_until([&] { return (tip = shown_tip(app)) == hand_hint; }, 5s))
      << "the tip reads \"" << from_wide(tip) << "\"";
  // Elsewhere on the LCD the value shows.
  const face::Rect lcd = at.lcd_area();
  app.move_mouse(lcd.left + at(60), lcd.top + at(40));
  EXPECT_TRUE(poll_until(
      [&] {
        tip = shown_tip(app);
        return !tip.empty() && tip != hand_hint;
      },
      5s))
      << "the tip reads \"" << from_wide(tip) << "\"";
}

}  // namespace
}  // namespace orvanta::e2e
