// The real calculator's panels at the run's display scale (100 %, and 200 % in the e2e_face_200
// run): each opens at its scaled place on the face, and every control of it, with its text in
// the panel's font, fits inside.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "face/display_scale.h"
#include "harness.h"
#include "win32/chrome/menu_ids.h"
#include "win32/features/big_numbers/big_number_panel.h"
#include "win32/features/formula/formula_panel_window.h"
#include "win32/features/history/history_panel.h"
#include "win32/features/keyboard/key_panel.h"
#include "win32/features/settings/settings_panel.h"
#include "win32/features/skin/skin_panel.h"
#include "win32/features/tax/tax_panel.h"
#include "win32/system/geometry.h"

namespace orvanta::e2e {
namespace {

struct MenuPanel {
  const char* name;
  UINT menu;
  RECT place;  // at 100 %
};

template <class P>
constexpr RECT place_of() {
  return {P::kLeft, P::kTop, P::kLeft + P::kWidth, P::kTop + P::kHeight};
}

const MenuPanel kPanels[] = {
    {"Formula", win32::kMenuFormula, place_of<win32::FormulaPanelWindow>()},
    {"BigNumbers", win32::kMenuBigNumbers, place_of<win32::BigNumberPanel>()},
    {"IncomeTax", win32::kMenuIncomeTax, place_of<win32::TaxPanel>()},
    {"Settings", win32::kMenuSettings, place_of<win32::SettingsPanel>()},
    {"Keyboard", win32::kMenuKeyboard, place_of<win32::KeyPanel>()},
    {"Skin", win32::kMenuSkin, place_of<win32::SkinPanel>()},
    {"History", win32::kMenuHistory, place_of<win32::HistoryPanel>()},
};

bool contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

std::wstring class_of(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

// How wide a label's or button's text is in the panels' font at `scale` ("宋体", 9 points).
int text_width(const std::wstring& s, const face::DisplayScale& scale) {
  const HDC dc = GetDC(nullptr);
  const HFONT font = CreateFontW(-scale(12), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                 GB2312_CHARSET, 0, 0, 0, 0, L"宋体");
  const HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, s.c_str(), static_cast<int>(s.size()), &size);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  return size.cx;
}

class PanelFitE2e : public ::testing::TestWithParam<MenuPanel> {
 protected:
  void SetUp() override { remove_settings(); }
  void TearDown() override { remove_settings(); }
  App app;
};

TEST_P(PanelFitE2e, OpensAtItsScaledPlaceWithEveryControlAndTextInside) {
  ASSERT_TRUE(app.start());
  const face::DisplayScale at(e2e_dpi());
  PostMessageW(app.window(), WM_COMMAND, GetParam().menu, 0);
  const RECT want = win32::scaled(at, GetParam().place);
  HWND panel = nullptr;
  ASSERT_TRUE(poll_until([&] {
    for (HWND c = GetWindow(app.window(), GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
      const RECT r = rect_in(c, app.window());
      if (IsWindowVisible(c) && EqualRect(&want, &r)) panel = c;
    }
    return panel != nullptr;
  })) << "no panel at "
      << rect_text(want);
  ASSERT_TRUE(wait_idle_window(app.window()));

  RECT face{};
  GetClientRect(app.window(), &face);
  EXPECT_TRUE(contains(face, want)) << rect_text(want) << " on the face " << rect_text(face);
  RECT client{};
  GetClientRect(panel, &client);
  for (HWND c = GetWindow(panel, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    if (!IsWindowVisible(c)) continue;
    const RECT r = rect_in(c, panel);
    const std::wstring kind = class_of(c);
    const std::wstring caption = App::text_of(c);
    SCOPED_TRACE(testing::PrintToString(kind) + " " + testing::PrintToString(caption));
    EXPECT_TRUE(contains(client, r)) << rect_text(r) << " outside " << rect_text(client);
    if (caption.empty() || (kind != L"Button" && kind != L"Static")) continue;
    const LONG style = GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK;
    if (kind == L"Button" && style == BS_GROUPBOX) continue;
    // A check box or radio button draws its box and a gap before its text.
    const bool boxed = kind == L"Button" && style != BS_PUSHBUTTON && style != BS_DEFPUSHBUTTON;
    const int room = (r.right - r.left) - (boxed ? at(16) : 0);
    EXPECT_LE(text_width(caption, at), room) << "the text is cut";
  }
}

INSTANTIATE_TEST_SUITE_P(Menus, PanelFitE2e, ::testing::ValuesIn(kPanels),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvanta::e2e
