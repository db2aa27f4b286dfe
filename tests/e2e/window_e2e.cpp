#include <gtest/gtest.h>

#include "harness.h"

namespace orvanta::e2e {
namespace {

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

}  // namespace
}  // namespace orvanta::e2e
