// The panels at a display scale, built in this process on a window of the test's own: each one
// made at 200 % stands where its 100 % layout puts it, scaled, with fonts twice as high, and
// one made at 100 % and moved to 200 % (a monitor of another scale) is the same as one made
// there.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "harness.h"
#include "win32/features/alarms/alarm_panel.h"
#include "win32/features/big_numbers/big_number_panel.h"
#include "win32/features/constants/constants_grid.h"
#include "win32/features/formula/formula_panel_window.h"
#include "win32/features/keyboard/key_panel.h"
#include "win32/features/settings/settings_panel.h"
#include "win32/features/skin/skin_panel.h"
#include "win32/features/tip/tip_panel.h"

namespace orvanta::win32 {
namespace {

using e2e::rect_in;
using e2e::rect_text;

// A panel of one kind, made on `face` for `host`.
struct PanelKind {
  const char* name;
  std::function<std::unique_ptr<Panel>(PanelHost& host, HWND face)> make;
};

template <class P, class... Args>
std::function<std::unique_ptr<Panel>(PanelHost&, HWND)> maker(Args... args) {
  return [=](PanelHost& host, HWND face) -> std::unique_ptr<Panel> {
    auto panel = std::make_unique<P>(host, args...);
    if (!panel->create(face)) return nullptr;
    return panel;
  };
}

FormulaHost& no_formula_host() {
  static FormulaHost* none = nullptr;
  return *none;  // never asked: nothing is calculated here
}

const PanelKind kKinds[] = {
    {"Settings", maker<SettingsPanel>(SettingChanged([](SettingId, const Options&) {}))},
    {"Tip", maker<TipPanel>(std::function<void()>([] {}))},
    {"Alarms", maker<AlarmPanel>()},
    {"Skin", maker<SkinPanel>(std::function<void(int)>([](int) {}))},
    {"Keyboard", maker<KeyPanel>(std::function<void(bool)>([](bool) {}))},
    {"Constants", maker<ConstantsGrid>(std::function<void(int)>([](int) {}))},
    {"Formula", maker<FormulaPanelWindow>(std::function<FormulaHost&()>(no_formula_host),
                                          FormulaPanelWindow::OnResult{})},
    {"BigNumbers", maker<BigNumberPanel>(FormulaLinks{}, BigNumberPanel::OnFinished{})},
};

// What a control shows of its layout: its place in the panel and its font's height.
struct Placed {
  std::wstring window_class;
  RECT rect;
  LONG font_height;  // 0 without a font of its own
};

std::vector<Placed> controls_of(HWND panel) {
  std::vector<Placed> placed;
  for (HWND c = GetWindow(panel, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    Placed p{};
    wchar_t name[64] = {};
    GetClassNameW(c, name, 64);
    p.window_class = name;
    p.rect = rect_in(c);
    if (const auto font = reinterpret_cast<HFONT>(SendMessageW(c, WM_GETFONT, 0, 0))) {
      LOGFONTW lf{};
      if (GetObjectW(font, sizeof lf, &lf) != 0) p.font_height = lf.lfHeight;
    }
    placed.push_back(p);
  }
  return placed;
}

class PanelScale : public ::testing::TestWithParam<PanelKind> {
 protected:
  void SetUp() override {
    // The face at 200 %: panels over it must fit in it.
    face_ = e2e::make_test_window(L"PanelScaleFace", RECT{40, 40, 40 + 928, 40 + 1024});
    ASSERT_NE(face_, nullptr);
    at_200_.set_scale(face::DisplayScale(192));
    small = GetParam().make(at_100_, face_);
    large = GetParam().make(at_200_, face_);
    ASSERT_TRUE(small && large);
  }
  void TearDown() override {
    small.reset();
    large.reset();
    DestroyWindow(face_);
  }

  HWND face_ = nullptr;
  PanelHost at_100_;
  PanelHost at_200_;
  // The panel made at 100 % and the one made at 200 %.
  std::unique_ptr<Panel> small;
  std::unique_ptr<Panel> large;
};

TEST_P(PanelScale, MadeAtTwiceTheScaleEveryControlStandsAtItsScaledPlaceInThePanel) {
  const RECT s = rect_in(small->hwnd());
  const RECT l = rect_in(large->hwnd());
  EXPECT_EQ(rect_text(l), rect_text(RECT{2 * s.left, 2 * s.top, 2 * s.right, 2 * s.bottom}));
  RECT face{};
  GetClientRect(face_, &face);
  RECT inside{};
  EXPECT_TRUE(IntersectRect(&inside, &l, &face) && EqualRect(&inside, &l))
      << "the panel fits on the face: " << rect_text(l);

  const std::vector<Placed> before = controls_of(small->hwnd());
  const std::vector<Placed> after = controls_of(large->hwnd());
  ASSERT_EQ(before.size(), after.size());
  RECT client{};
  GetClientRect(large->hwnd(), &client);
  // Spin arrows are as wide as the system makes them and take that width off their field.
  std::vector<bool> spun(after.size(), false);
  for (size_t i = 0; i < after.size(); ++i) {
    if (after[i].window_class != L"msctls_updown32") continue;
    spun[i] = true;
    for (size_t j = 0; j < after.size(); ++j) {
      const RECT& arrows = after[i].rect;
      const RECT& field = after[j].rect;
      if (field.top == arrows.top && field.right >= arrows.left && field.right <= arrows.right) {
        spun[j] = true;
      }
    }
  }
  for (size_t i = 0; i < before.size(); ++i) {
    SCOPED_TRACE(testing::PrintToString(after[i].window_class) + " #" + std::to_string(i));
    const RECT& b = before[i].rect;
    const RECT& a = after[i].rect;
    if (!spun[i]) {
      EXPECT_EQ(rect_text(a), rect_text(RECT{2 * b.left, 2 * b.top, 2 * b.right, 2 * b.bottom}));
    }
    RECT within{};
    EXPECT_TRUE(IntersectRect(&within, &a, &client) && EqualRect(&within, &a))
        << rect_text(a) << " lies outside the panel's " << rect_text(client);
    EXPECT_EQ(after[i].font_height, 2 * before[i].font_height) << "fonts by point size";
  }
}

TEST_P(PanelScale, MovedToAMonitorOfTwiceTheScaleItIsLaidOutAsIfMadeThere) {
  small->show();
  at_100_.set_scale(face::DisplayScale(192));

  EXPECT_EQ(rect_text(rect_in(small->hwnd())), rect_text(rect_in(large->hwnd())));
  const std::vector<Placed> a = controls_of(small->hwnd());
  const std::vector<Placed> b = controls_of(large->hwnd());
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    SCOPED_TRACE(testing::PrintToString(a[i].window_class) + " #" + std::to_string(i));
    EXPECT_EQ(rect_text(a[i].rect), rect_text(b[i].rect));
    EXPECT_EQ(a[i].font_height, b[i].font_height);
  }
}

INSTANTIATE_TEST_SUITE_P(Panels, PanelScale, ::testing::ValuesIn(kKinds),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvanta::win32
