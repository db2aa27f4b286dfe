#include "face/key_events.h"

#include <gtest/gtest.h>

namespace orvanta::face {
namespace {

using Phase = KeyMouse::Phase;

struct EventCase {
  KeyEvent event;
  // Whether the handler runs for: left down, right down, left up over the key, left up
  // outside it, right up over the key, right up outside it.
  bool left_down, right_down, left_up_over, left_up_outside, right_up_over, right_up_outside;
};

class KeyEvents : public ::testing::TestWithParam<EventCase> {};

TEST_P(KeyEvents, RunTheHandlerOnTheirOwnMouseEvents) {
  const EventCase& c = GetParam();
  EXPECT_EQ(runs_handler(c.event, {Phase::kDown, true}), c.left_down);
  EXPECT_EQ(runs_handler(c.event, {Phase::kDown, false}), c.right_down);
  EXPECT_EQ(runs_handler(c.event, {Phase::kUp, true, true}), c.left_up_over);
  EXPECT_EQ(runs_handler(c.event, {Phase::kUp, true, false}), c.left_up_outside);
  EXPECT_EQ(runs_handler(c.event, {Phase::kUp, false, true}), c.right_up_over);
  EXPECT_EQ(runs_handler(c.event, {Phase::kUp, false, false}), c.right_up_outside);
}

INSTANTIATE_TEST_SUITE_P(Cases, KeyEvents,
                         ::testing::Values(
                             // The keypad: on the button going down, whichever button (the right
                             // one picks the inverse functions); nothing on the way up.
                             EventCase{KeyEvent::kPress, true, true, false, false, false, false},
                             // kmin and kpower: on the way up, wherever the mouse is by then.
                             EventCase{KeyEvent::kRelease, false, false, true, true, true, true},
                             // The base buttons: a left click that ends over the key.
                             EventCase{KeyEvent::kClick, false, false, true, false, false, false},
                             // kdwhs: down and up alike.
                             EventCase{KeyEvent::kPressAndRelease, true, true, true, true, true,
                                       true}));

}  // namespace
}  // namespace orvanta::face
