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
  const RECT r = app.window_rect();
  EXPECT_EQ(r.left, 199);
  EXPECT_EQ(r.top, 112);
  RECT client{};
  GetClientRect(app.window(), &client);
  EXPECT_EQ(client.right, 464);
  EXPECT_EQ(client.bottom, 512);
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
  const RECT hand = win32::indicator_rect("input_hand");
  app.move_mouse(10, 500);
  app.move_mouse((hand.left + hand.right) / 2, (hand.top + hand.bottom) / 2);
  std::wstring tip;
  EXPECT_TRUE(poll_until([&] { return (tip = shown_tip(app)) == hand_hint; }, 5s))
      << "the tip reads \"" << from_wide(tip) << "\"";
  // Elsewhere on the LCD the value shows.
  app.move_mouse(face::kLcdArea.left + 60, face::kLcdArea.top + 40);
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
