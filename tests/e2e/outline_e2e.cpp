// The window's outline, its dragging with mini mode and docking, and the face colour, driven
// with real mouse input and read back from the window's region, position and pixels.
#include <windows.h>
// windows.h first
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "face/skin_colour.h"
#include "face/window_outline.h"
#include "face_reader.h"
#include "harness.h"
#include "win32/chrome/menu_ids.h"
#include "win32/chrome/menus.h"
#include "win32/features/skin/skin_panel.h"

namespace orvanta::e2e {
namespace {

using namespace std::chrono_literals;

constexpr POINT kOnLcd{200, 70};   // the LCD between its lights and its digits
constexpr POINT kOnFace{30, 135};  // bare face left of the brand name: no key, no strip

// The window's region in window coordinates (a fresh copy), or nullptr when it has none.
HRGN window_region(HWND window) {
  const HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(window, region) == ERROR) {
    DeleteObject(region);
    return nullptr;
  }
  return region;
}

bool region_is_rect(HWND window, const RECT& expected) {
  const HRGN region = window_region(window);
  if (region == nullptr) return false;
  RECT box{};
  const int type = GetRgnBox(region, &box);
  DeleteObject(region);
  return type == SIMPLEREGION && EqualRect(&box, &expected);
}

// The body outline's top row is the run 214..261 of the mask, nothing else (at 100 %; at another
// scale the crest is cut from that scale's mask, its middle inside and its ends outside).
bool region_is_body_outline(HWND window) {
  const HRGN region = window_region(window);
  if (region == nullptr) return false;
  const face::DisplayScale at(e2e_dpi());
  const bool top_run =
      at.dpi() == face::kBaseDpi
          ? PtInRegion(region, 214, 0) && PtInRegion(region, 261, 0) &&
                !PtInRegion(region, 213, 0) && !PtInRegion(region, 262, 0)
          : PtInRegion(region, at(238), at(1)) && !PtInRegion(region, at(150), at(1));
  const bool corners_cut = !PtInRegion(region, 0, 0) && !PtInRegion(region, at(463), at(511));
  const bool inside = PtInRegion(region, at(230), at(300)) != FALSE;
  DeleteObject(region);
  return top_run && corners_cut && inside;
}

class OutlineE2e : public ::testing::Test {
 protected:
  void SetUp() override { remove_settings(); }
  void TearDown() override { remove_settings(); }

  POINT top_left() const {
    const RECT r = app.window_rect();
    return {r.left, r.top};
  }
  bool window_at(int left, int top) const {
    return poll_until(
        [&] {
          const POINT p = top_left();
          return p.x == left && p.y == top;
        },
        3s);
  }

  App app;
};

TEST_F(OutlineE2e, TheFaceAndTheLcdDragTheWindowByTheMousesOffset) {
  ASSERT_TRUE(app.start());
  EXPECT_TRUE(poll_until([&] { return region_is_body_outline(app.window()); }))
      << "the outline is cut from the mask at start-up";
  for (const POINT grip : {kOnFace, kOnLcd}) {
    const POINT from = top_left();
    ASSERT_TRUE(app.start_drag(grip.x, grip.y));
    // Screen points: on a busy machine the moves may arrive coalesced, and the window ends
    // where the last one puts it either way.
    const POINT cursor{from.x + grip.x, from.y + grip.y};
    app.move_mouse_on_screen({cursor.x + 20, cursor.y + 10});
    // Under Wine the display's own report of an earlier pointer place can reach the program
    // after a later move and take the window back there; the mouse held at its last place
    // moves again, as a hand on a real mouse would, until the window follows.
    for (int attempt = 0; attempt < 3; ++attempt) {
      app.move_mouse_on_screen({cursor.x + 45, cursor.y - 30});
      if (window_at(from.x + 45, from.y - 30)) break;
    }
    app.release_here();
    EXPECT_TRUE(window_at(from.x + 45, from.y - 30))
        << "grip " << grip.x << "," << grip.y << ": at " << top_left().x << "," << top_left().y;
  }
}

// At 200 % every place and distance is twice as large; the test runs at both scales.
TEST_F(OutlineE2e, DoubleClickOnTheLcdShrinksToItDocksAtTheTopAndComesBack) {
  const face::DisplayScale at(e2e_dpi());
  const POINT on_lcd{at(kOnLcd.x), at(kOnLcd.y)};
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(poll_until([&] { return region_is_body_outline(app.window()); }));
  app.double_click(on_lcd.x, on_lcd.y);
  const Rect mini = mini_outline(at.dpi());
  ASSERT_TRUE(poll_until([&] {
    return region_is_rect(app.window(), RECT{mini.left, mini.top, mini.right, mini.bottom});
  })) << "mini mode leaves exactly the LCD and its bezel";

  // Dragged by the LCD until the top passes −10: docked at −38.
  const POINT from = top_left();
  ASSERT_TRUE(app.start_drag(on_lcd.x, on_lcd.y));
  const POINT cursor{from.x + on_lcd.x, from.y + on_lcd.y};
  const int docked_cursor_y = cursor.y - (from.y + at(12));
  app.move_mouse_on_screen({cursor.x, docked_cursor_y});
  EXPECT_TRUE(window_at(from.x, at(-38)));
  // Docked, the window ignores the vertical pull until the mouse is more than 43 pixels below
  // the press point in the LCD. The dock itself moved the window 26 pixels up under the mouse.
  const int dock_jump = at(38) - at(12);
  app.move_mouse_on_screen({cursor.x, docked_cursor_y + at(40) - dock_jump});  // 40 below
  EXPECT_TRUE(window_at(from.x, at(-38)));
  // One pixel beyond the pull: released to 30.
  app.move_mouse_on_screen({cursor.x, docked_cursor_y + at(43) + 1 - dock_jump});
  EXPECT_TRUE(window_at(from.x, at(30)));
  // From there the window follows the mouse; the same place again moves nothing.
  app.move_mouse_on_screen({cursor.x, docked_cursor_y + at(43) + 11 - dock_jump});
  EXPECT_TRUE(window_at(from.x, at(30) + 10));
  app.move_mouse_on_screen({cursor.x, docked_cursor_y + at(43) + 11 - dock_jump});
  app.release_here();
  EXPECT_TRUE(window_at(from.x, at(30) + 10));

  app.double_click(on_lcd.x, on_lcd.y);
  // Leaving hides the window and shows it again in its restored outline.
  EXPECT_TRUE(poll_until([&] {
    return region_is_body_outline(app.window()) && IsWindowVisible(app.window());
  })) << "a second double-click restores the body outline";

  // Mini mode again: the LCD menu is its short form, whose first item "恢复" leaves it. Under
  // Wine without a window manager the focus news of a window just hidden and shown (or of a
  // menu just opened) reaches the program a moment late and can take a click with it: as a
  // user would, the test clicks again, once the last try has had three seconds.
  const auto until = [](const std::function<void()>& act, const std::function<bool()>& done) {
    for (int attempt = 0; attempt < 3; ++attempt) {
      act();
      if (poll_until(done, 3s)) return true;
    }
    return false;
  };
  ASSERT_TRUE(until(
      [&] { app.double_click(on_lcd.x, on_lcd.y); },
      [&] {
        return region_is_rect(app.window(), RECT{mini.left, mini.top, mini.right, mini.bottom});
      }));
  EXPECT_TRUE(until(
      [&] {
        app.click(on_lcd.x, on_lcd.y, Button::Right);
        const HWND menu = app.wait_menu();
        if (menu == nullptr) return;
        RECT box{};
        GetWindowRect(menu, &box);
        EXPECT_LT(box.bottom - box.top, at(100)) << "three items, not the full menu's twenty";
        // A click on the first item, a third of an item's height below the menu's top.
        POINT restore{box.left + 20, box.top + (box.bottom - box.top) / 9};
        ScreenToClient(app.window(), &restore);
        app.click(restore.x, restore.y);
      },
      [&] { return region_is_body_outline(app.window()); }))
      << "\"恢复\" restores the body outline";
}

// Docked at the bottom right in mini mode, the face comes back wholly on the work area.
TEST_F(OutlineE2e, LeavingMiniModeAtABottomRightDockBringsTheWholeFaceOnScreen) {
  const face::DisplayScale at(e2e_dpi());
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(poll_until([&] { return region_is_body_outline(app.window()); }));
  app.double_click(at(kOnLcd.x), at(kOnLcd.y));
  const Rect mini = mini_outline(at.dpi());
  ASSERT_TRUE(poll_until([&] {
    return region_is_rect(app.window(), RECT{mini.left, mini.top, mini.right, mini.bottom});
  }));
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(app.window(), MONITOR_DEFAULTTONEAREST), &monitor));
  const RECT work = monitor.rcWork;
  // The LCD in the work area's bottom-right corner, the rest of the face beyond it.
  SetWindowPos(app.window(), nullptr, work.right - mini.right, work.bottom - mini.bottom, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(window_at(work.right - mini.right, work.bottom - mini.bottom));
  PostMessageW(app.window(), WM_COMMAND, win32::kMenuRestore, 0);  // "恢复"
  ASSERT_TRUE(poll_until([&] { return region_is_body_outline(app.window()); }));
  RECT face{};
  EXPECT_TRUE(poll_until([&] {
    GetWindowRect(app.window(), &face);
    return face.left >= work.left && face.top >= work.top && face.right <= work.right &&
           face.bottom <= work.bottom;
  })) << "the face at "
      << face.left << "," << face.top << " - " << face.right << "," << face.bottom;
  EXPECT_EQ(face.right, work.right) << "moved back only as far as needed";
  EXPECT_EQ(face.bottom, work.bottom);
}

// The skin panel's slider, a child of the panel in the calculator's window.
HWND skin_slider(HWND main) {
  const HWND panel = FindWindowExW(main, nullptr, L"OrvantaSkinPanel", nullptr);
  return panel == nullptr ? nullptr : FindWindowExW(panel, nullptr, TRACKBAR_CLASSW, nullptr);
}

TEST_F(OutlineE2e, TheSliderRecoloursTheFaceAndARestartKeepsTheColour) {
  // A pixel of the orange "=" key below the panel, and what each shift makes of it.
  const face::DisplayScale at(e2e_dpi());
  const POINT kSample{at(381), at(392)};
  FaceReader reader;
  const std::uint32_t original = reader.resource_pixel("Image2", kSample.x, kSample.y);
  const Rgb source{static_cast<int>(original >> 16 & 0xFF), static_cast<int>(original >> 8 & 0xFF),
                   static_cast<int>(original & 0xFF)};
  ASSERT_FALSE(source.r == source.g && source.g == source.b) << "a grey pixel never changes";
  const auto shown_as = [&](const App& shown, int shift) {
    const Rgb p = ColourShift(shift)(source);
    const auto expected = static_cast<std::uint32_t>(p.r << 16 | p.g << 8 | p.b);
    return poll_until([&] { return shown.capture().at(kSample.x, kSample.y) == expected; }, 5s);
  };

  // A stored shift beyond the slider's end is taken as the end.
  write_settings("[Setup]\r\nColorSkin=500\r\n");
  ASSERT_TRUE(app.start());
  EXPECT_TRUE(shown_as(app, 180)) << std::hex << app.capture().at(kSample.x, kSample.y);
  EXPECT_EQ(read_setting(L"Setup", L"ColorSkin"), L"180");

  // The menu item shows the panel; a click on the track left of the thumb pages it down (held
  // a little longer, the track repeats the page).
  PostMessageW(app.window(), WM_COMMAND, win32::kMenuSkin, 0);
  HWND slider = nullptr;
  ASSERT_TRUE(poll_until(
      [&] { return (slider = skin_slider(app.window())) != nullptr && IsWindowVisible(slider); }));
  RECT track{};
  GetWindowRect(slider, &track);
  MapWindowPoints(nullptr, app.window(), reinterpret_cast<POINT*>(&track), 2);
  app.click(track.left + at(100), (track.top + track.bottom) / 2);
  ASSERT_TRUE(app.wait_capture_released());
  int shift = 180;
  ASSERT_TRUE(poll_until(
      [&] {
        shift = static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0));
        return shift < 180 && read_setting(L"Setup", L"ColorSkin") == std::to_wstring(shift);
      },
      5s))
      << "stored on every change: " << shift;
  EXPECT_EQ((180 - shift) % 30, 0) << "moved by whole pages";
  EXPECT_TRUE(shown_as(app, shift)) << std::hex << app.capture().at(kSample.x, kSample.y);

  app.kill();
  App again;
  ASSERT_TRUE(again.start());
  EXPECT_TRUE(shown_as(again, shift)) << "a restart keeps the colour";
  // The panel, made when first opened, starts at the stored shift.
  PostMessageW(again.window(), WM_COMMAND, win32::kMenuSkin, 0);
  ASSERT_TRUE(poll_until([&] {
    return (slider = skin_slider(again.window())) != nullptr && IsWindowVisible(slider);
  }));
  EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), shift);
}

struct ShiftRecorder : win32::PanelHost {
  std::vector<int> shifts;
};

TEST(SkinPanel, ReportsEachNewShiftOnceAndItsButtonHidesIt) {
  const HWND face = CreateWindowExW(0, L"STATIC", L"face", WS_POPUP | WS_VISIBLE, 40, 40, 464, 512,
                                    nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ShiftRecorder host;
  {
    win32::SkinPanel panel(host, [&host](int shift) { host.shifts.push_back(shift); });
    ASSERT_TRUE(panel.create(face));
    EXPECT_FALSE(panel.visible());
    panel.show();
    ASSERT_TRUE(panel.visible());
    const HWND hwnd = panel.hwnd();
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, face, reinterpret_cast<POINT*>(&r), 2);
    const RECT place{19, 200, 19 + 425, 200 + 129};
    EXPECT_TRUE(EqualRect(&r, &place));

    const HWND slider = FindWindowExW(hwnd, nullptr, TRACKBAR_CLASSW, nullptr);
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(SendMessageW(slider, TBM_GETRANGEMIN, 0, 0), -180);
    EXPECT_EQ(SendMessageW(slider, TBM_GETRANGEMAX, 0, 0), 180);
    EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 0);
    GetWindowRect(slider, &r);
    EXPECT_EQ(r.right - r.left, 393);
    for (const wchar_t* label : {L"自定义皮肤颜色", L"0", L"确 定"}) {
      EXPECT_NE(e2e::App::find_child(hwnd, label), nullptr) << testing::PrintToString(label);
    }

    // The keys a user would press on the focused slider; End twice moves it once.
    for (const WPARAM key : {VK_RIGHT, VK_END, VK_END, VK_HOME})
      SendMessageW(slider, WM_KEYDOWN, key, 0);
    EXPECT_EQ(host.shifts, (std::vector<int>{1, 180, -180}));

    // Start-up sets the stored shift, clamped, and reports nothing.
    panel.set_shift(500);
    EXPECT_EQ(panel.shift(), 180);
    EXPECT_EQ(host.shifts.size(), 3u);

    SendMessageW(e2e::App::find_child(hwnd, L"确 定"), BM_CLICK, 0, 0);
    EXPECT_FALSE(panel.visible());
  }
  DestroyWindow(face);
}

TEST(MiniMenu, OffersOnlyRestoreMinimiseAndClose) {
  const win32::UniqueMenu menu = win32::create_mini_menu();
  ASSERT_TRUE(menu);
  std::vector<std::pair<UINT, std::wstring>> items;
  for (int i = 0; i < GetMenuItemCount(menu.get()); ++i) {
    wchar_t text[64] = {};
    GetMenuStringW(menu.get(), static_cast<UINT>(i), text, 64, MF_BYPOSITION);
    items.emplace_back(GetMenuItemID(menu.get(), i), text);
  }
  const std::vector<std::pair<UINT, std::wstring>> expected{{win32::kMenuRestore, L"恢复"},
                                                            {win32::kMenuMinimise, L"最小化"},
                                                            {win32::kMenuClose, L"关闭计算器"}};
  EXPECT_EQ(items, expected);
}

}  // namespace
}  // namespace orvanta::e2e
