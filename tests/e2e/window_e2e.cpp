#include <windows.h>
// commctrl.h needs the types of windows.h first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "face/face_layout.h"
#include "harness.h"
#include "platform/wide.h"
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
