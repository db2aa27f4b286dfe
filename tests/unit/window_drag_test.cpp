#include "face/window_drag.h"

#include <gtest/gtest.h>

#include <ostream>

namespace orvanta {

void PrintTo(const Point& p, std::ostream* out) {
  *out << p.x << "," << p.y;
}

namespace {

constexpr Rect kScreen{0, 0, 1024, 768};  // W 1024, H 768
constexpr Point kOrigin{100, 40};         // drag_origin in the dragged component

struct EdgeCase {
  const char* rule;
  DragSource source;
  Point window;
  Point mouse;  // in the component; against kOrigin
  Point cursor;
  DockState dock_before;
  Point expected_window;
  DockState expected_dock;
};

constexpr DockState kFree{false, false};
constexpr DockState kVertical{true, false};
constexpr DockState kHorizontal{false, true};
constexpr DockState kBoth{true, true};
constexpr auto kFace = DragSource::kFace;
constexpr auto kLcd = DragSource::kLcd;

// Windows in the middle of the screen unless the rule needs an edge; cursor at 500, 400.
const EdgeCase kEdgeCases[] = {
    // 1: top dock at T (face −25, LCD −38) once the top reaches −10.
    {"top dock", kFace, {300, -10}, kOrigin, {500, 400}, kFree, {300, -25}, kVertical},
    {"top dock", kLcd, {300, -12}, kOrigin, {500, 400}, kFree, {300, -38}, kVertical},
    {"above -10 free", kFace, {300, -9}, kOrigin, {500, 400}, kFree, {300, -9}, kFree},
    // 1': released to 30 after a pull of more than D (face 25, LCD 43) with the cursor
    // higher than 92 above the bottom.
    {"top release", kFace, {300, -25}, {100, 66}, {500, 675}, kVertical, {300, 30}, kFree},
    {"top pull 25", kFace, {300, -25}, {100, 65}, {500, 400}, kVertical, {300, -25}, kVertical},
    {"top release", kLcd, {300, -38}, {100, 84}, {500, 675}, kVertical, {300, 30}, kFree},
    {"top pull 43", kLcd, {300, -38}, {100, 83}, {500, 400}, kVertical, {300, -38}, kVertical},
    {"top cursor low", kLcd, {300, -38}, {100, 90}, {500, 676}, kVertical, {300, -38}, kVertical},
    // 1' is skipped in the move that docked.
    {"dock then no release",
     kFace,
     {300, -40},
     {100, 200},
     {500, 10},
     kFree,
     {300, -25},
     kVertical},
    // 2: bottom dock at H − B (face 116, LCD 122) once the top reaches H − 135.
    {"bottom dock", kFace, {300, 633}, kOrigin, {500, 400}, kFree, {300, 652}, kVertical},
    {"bottom dock", kLcd, {300, 700}, kOrigin, {500, 400}, kFree, {300, 646}, kVertical},
    {"above H-135 free", kLcd, {300, 632}, kOrigin, {500, 400}, kFree, {300, 632}, kFree},
    // 2': released to H − 140 after a push of more than 25 up with the cursor below 92.
    {"bottom release", kFace, {300, 652}, {100, 14}, {500, 93}, kVertical, {300, 628}, kFree},
    {"bottom release", kLcd, {300, 646}, {100, 14}, {500, 93}, kVertical, {300, 628}, kFree},
    {"bottom push 25", kLcd, {300, 646}, {100, 15}, {500, 400}, kVertical, {300, 646}, kVertical},
    {"bottom cursor high",
     kFace,
     {300, 652},
     {100, 0},
     {500, 92},
     kVertical,
     {300, 652},
     kVertical},
    // 3: left dock at L (face −20, LCD −50) once the left reaches 0.
    {"left dock", kFace, {0, 300}, kOrigin, {500, 400}, kFree, {-20, 300}, kHorizontal},
    {"left dock", kLcd, {-7, 300}, kOrigin, {500, 400}, kFree, {-50, 300}, kHorizontal},
    {"left 1 free", kFace, {1, 300}, kOrigin, {500, 400}, kFree, {1, 300}, kFree},
    // 3': released to 30 after a pull of more than E (face 25, LCD 55) with the cursor left
    // of W − 388.
    {"left release", kFace, {-20, 300}, {126, 40}, {635, 400}, kHorizontal, {30, 300}, kFree},
    {"left pull 25",
     kFace,
     {-20, 300},
     {125, 40},
     {500, 400},
     kHorizontal,
     {-20, 300},
     kHorizontal},
    {"left release", kLcd, {-50, 300}, {156, 40}, {635, 400}, kHorizontal, {30, 300}, kFree},
    {"left pull 55", kLcd, {-50, 300}, {155, 40}, {500, 400}, kHorizontal, {-50, 300}, kHorizontal},
    {"left cursor right",
     kFace,
     {-20, 300},
     {200, 40},
     {636, 400},
     kHorizontal,
     {-20, 300},
     kHorizontal},
    // 4: right dock at W − 408 once the left reaches W − 430, both sources.
    {"right dock", kFace, {594, 300}, kOrigin, {500, 400}, kFree, {616, 300}, kHorizontal},
    {"right dock", kLcd, {800, 300}, kOrigin, {500, 400}, kFree, {616, 300}, kHorizontal},
    {"left of W-430 free", kFace, {593, 300}, kOrigin, {500, 400}, kFree, {593, 300}, kFree},
    // 4': released to W − 440 after a push of more than 25 left with the cursor right of 388.
    {"right release", kLcd, {616, 300}, {74, 40}, {389, 400}, kHorizontal, {584, 300}, kFree},
    {"right push 25",
     kFace,
     {616, 300},
     {75, 40},
     {500, 400},
     kHorizontal,
     {616, 300},
     kHorizontal},
    {"right cursor left",
     kLcd,
     {616, 300},
     {0, 40},
     {388, 400},
     kHorizontal,
     {616, 300},
     kHorizontal},
    // Both axes in one move.
    {"corner", kLcd, {-5, -20}, kOrigin, {500, 400}, kFree, {-50, -38}, kBoth},
};

TEST(EdgeRules, EachRuleAndReleaseWithBothConstantSets) {
  for (const EdgeCase& c : kEdgeCases) {
    DockState dock = c.dock_before;
    const Point got =
        apply_edge_rules(c.source, {c.window, c.mouse, kOrigin, c.cursor, kScreen}, dock);
    const char* source = c.source == kFace ? "face" : "LCD";
    EXPECT_EQ(got, c.expected_window) << c.rule << " (" << source << ")";
    EXPECT_EQ(dock, c.expected_dock) << c.rule << " (" << source << ")";
  }
}

TEST(EdgeRules, EdgesAreThoseOfTheWindowsMonitor) {
  // A second monitor right of the first and 200 pixels higher.
  const Rect second{1024, -200, 2944, 880};
  struct Case {
    Point window;
    Point mouse;
    Point cursor;
    DockState before;
    Point expected;
    DockState after;
  };
  const Case cases[] = {
      {{1500, -10}, kOrigin, {1600, 0}, kFree, {1500, -10}, kFree},  // inside: no dock
      {{1500, -210}, kOrigin, {1600, 0}, kFree, {1500, -225}, kVertical},
      {{1500, -225}, {100, 66}, {1600, 787}, kVertical, {1500, -170}, kFree},
      {{1500, 745}, kOrigin, {1600, 0}, kFree, {1500, 764}, kVertical},
      {{1500, 764}, {100, 14}, {1600, -107}, kVertical, {1500, 740}, kFree},
      {{1024, 300}, kOrigin, {1600, 0}, kFree, {1004, 300}, kHorizontal},
      {{1004, 300}, {126, 40}, {2555, 0}, kHorizontal, {1054, 300}, kFree},
      {{2514, 300}, kOrigin, {1600, 0}, kFree, {2536, 300}, kHorizontal},
      {{2536, 300}, {74, 40}, {1413, 0}, kHorizontal, {2504, 300}, kFree},
  };
  for (const Case& c : cases) {
    DockState dock = c.before;
    EXPECT_EQ(apply_edge_rules(kFace, {c.window, c.mouse, kOrigin, c.cursor, second}, dock),
              c.expected)
        << c.window.x << "," << c.window.y;
    EXPECT_EQ(dock, c.after) << c.window.x << "," << c.window.y;
  }
}

TEST(WindowDrag, MovesByTheMouseOffsetAndNeedsAPress) {
  WindowDrag drag;
  EXPECT_FALSE(drag.move(kFace, {100, 100}, {5, 5}, {0, 0}, kScreen));
  drag.press({10, 10});
  const auto step = drag.move(kFace, {100, 100}, {15, 7}, {0, 0}, kScreen);
  ASSERT_TRUE(step);
  EXPECT_EQ(step->window, (Point{105, 97}));
  EXPECT_EQ(step->converter_offset, (Point{5, -3}));
  drag.release();
  EXPECT_FALSE(drag.drag_active());
  EXPECT_FALSE(drag.move(kFace, {105, 97}, {50, 50}, {0, 0}, kScreen));
}

TEST(WindowDrag, OutsideMiniModeNoEdgeRuleApplies) {
  WindowDrag drag;
  drag.press({10, 10});
  for (Point window : {Point{200, -300}, Point{-300, 200}, Point{900, 700}}) {
    const auto step = drag.move(kLcd, window, {0, 0}, {0, 0}, kScreen);
    EXPECT_EQ(step->window, (Point{window.x - 10, window.y - 10}));
    EXPECT_EQ(drag.dock(), kFree);
  }
}

TEST(WindowDrag, MiniModeDocksAtTheTopAndReleasesAfterTheLcdsPull) {
  WindowDrag drag;
  drag.enter_mini();
  drag.press({100, 40});
  // Dragged up until the top passes −10: docked at −38; the converter moved only by the drag.
  auto step = drag.move(kLcd, {300, 5}, {100, 20}, {450, 60}, kScreen);
  EXPECT_EQ(step->window, (Point{300, -38}));
  EXPECT_EQ(step->converter_offset, (Point{0, -20}));
  EXPECT_TRUE(drag.dock().vertical);
  // Docked: vertical movement is ignored, horizontal still followed.
  step = drag.move(kLcd, {300, -38}, {110, 83}, {460, 40}, kScreen);
  EXPECT_EQ(step->window, (Point{310, -38}));
  EXPECT_EQ(step->converter_offset, (Point{10, 0}));
  // More than 43 below the press point, cursor higher than 92 above the bottom: top 30.
  step = drag.move(kLcd, {310, -38}, {100, 84}, {460, 41}, kScreen);
  EXPECT_EQ(step->window, (Point{310, 30}));
  EXPECT_FALSE(drag.dock().vertical);
}

TEST(KeepOnWorkArea, MovesTheFaceBackOntoTheWorkAreaOnlyWhereItSticksOut) {
  const Rect work{0, 0, 1280, 984};  // a taskbar below
  const Point face{464, 512};
  const struct {
    const char* name;
    Point window;
    Point expected;
  } cases[] = {
      {"inside stays", {100, 200}, {100, 200}}, {"docked bottom right", {864, 901}, {816, 472}},
      {"right only", {1000, 100}, {816, 100}},  {"bottom only", {10, 700}, {10, 472}},
      {"left and above", {-46, -35}, {0, 0}},   {"exactly at the corner", {816, 472}, {816, 472}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(keep_on_work_area(c.window, face, work), c.expected) << c.name;
  }
  // A second monitor to the right, and a work area smaller than the face.
  EXPECT_EQ(keep_on_work_area({2900, 10}, face, {1280, 0, 3200, 1080}), (Point{2736, 10}));
  EXPECT_EQ(keep_on_work_area({50, 50}, face, {0, 0, 400, 300}), (Point{0, 0}));
}

// The window and the mouse on the screen, as the window sees them in mini mode: each move reports
// the mouse in the window (the LCD taken at the window's top-left), and the window goes where
// the drag puts it.
class ScreenDrag {
 public:
  ScreenDrag(Point window, Point press_at) : window_(window) {
    drag_.enter_mini();
    drag_.press(in_window(press_at));
  }
  Point move(Point cursor) {
    if (const auto step = drag_.move(kLcd, window_, in_window(cursor), cursor, kScreen)) {
      window_ = step->window;
    }
    return window_;
  }

 private:
  Point in_window(Point cursor) const { return {cursor.x - window_.x, cursor.y - window_.y}; }
  WindowDrag drag_;
  Point window_;
};

// A busy machine delivers some of a drag's mouse positions, some of them twice: the window must
// stand where a drag in one-pixel steps puts it, docked and released alike.
TEST(WindowDrag, CoalescedOrRepeatedMovesEndWhereSmallStepsEnd) {
  constexpr Point kWindow{300, 200};
  constexpr Point kPress{400, 240};
  // Up past the top (dock), down past the pull (release) and on, left past the edge (dock),
  // right past the pull (release) and on, down to the bottom (dock), up past the push (release).
  const Point waypoints[] = {{400, 20},  {420, 100}, {430, 150}, {40, 160},
                             {200, 170}, {260, 720}, {250, 560}, {250, 500}};
  ScreenDrag steps(kWindow, kPress);
  ScreenDrag arrived(kWindow, kPress);
  Point cursor = kPress;
  for (const Point to : waypoints) {
    while (cursor != to) {
      cursor.x += (to.x > cursor.x) - (to.x < cursor.x);
      cursor.y += (to.y > cursor.y) - (to.y < cursor.y);
      steps.move(cursor);
    }
    const Point once = arrived.move(to);
    EXPECT_EQ(arrived.move(to), once) << "the same place again moves nothing";
    EXPECT_EQ(once, steps.move(to)) << "at " << to.x << "," << to.y;
  }
}

TEST(WindowDrag, AfterAReleaseTheWindowGoesOnFromWhereItWasPut) {
  ScreenDrag drag({300, 200}, {400, 240});
  EXPECT_EQ(drag.move({400, 20}), (Point{300, -38}));  // docked
  // 44 below the press point in the docked LCD: released to 30, and the mouse staying there or
  // moving on carries the window from 30, not back under the press point.
  EXPECT_EQ(drag.move({400, 46}), (Point{300, 30}));
  EXPECT_EQ(drag.move({400, 46}), (Point{300, 30}));
  EXPECT_EQ(drag.move({400, 50}), (Point{300, 34}));
}

TEST(WindowDrag, LeavingMiniModeClearsDocking) {
  WindowDrag drag;
  drag.enter_mini();
  drag.press({100, 40});
  drag.move(kFace, {0, 0}, {90, 20}, {0, 0}, kScreen);
  EXPECT_EQ(drag.dock(), kBoth);
  drag.leave_mini();
  EXPECT_FALSE(drag.mini_mode());
  EXPECT_EQ(drag.dock(), kFree);
  const auto step = drag.move(kFace, {-20, -25}, {90, 20}, {0, 0}, kScreen);
  EXPECT_EQ(step->window, (Point{-30, -45}));  // follows freely again
}

}  // namespace
}  // namespace orvanta
