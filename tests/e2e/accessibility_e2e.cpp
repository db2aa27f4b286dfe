// The face as a screen reader sees it, asked through oleacc as one asks: every key a push button
// with its spoken name, the LCD a static text whose value follows the keys, keys that do nothing
// in the base unavailable, and the keyboard's focus walking the keys.
#include <windows.h>
// windows.h first
#include <gtest/gtest.h>
#include <oleacc.h>

#include <string>
#include <vector>

#include "engine/key_handlers.h"
#include "face/face_layout.h"
#include "face/key_names.h"
#include "face/key_navigation.h"
#include "face_reader.h"
#include "harness.h"
#include "platform/wide.h"

namespace orvanta::e2e {
namespace {

using namespace std::chrono_literals;

VARIANT child(LONG id) {
  VARIANT v{};
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

std::wstring take(BSTR text) {
  std::wstring s = text == nullptr ? L"" : text;
  SysFreeString(text);
  return s;
}

int key_index(std::string_view name) {
  for (size_t i = 0; i < face::kFaceKeys.size(); ++i) {
    if (face::kFaceKeys[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

class AccessibilityE2e : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(nullptr);
    remove_settings();
    write_settings("[Setup]\r\nDevice_sound=0\r\n[Welcome]\r\nText=Orvanta\r\n");
  }
  void TearDown() override {
    if (face_ != nullptr) face_->Release();
    app.close();
    remove_settings();
    CoUninitialize();
  }

  // The face's accessible object, as a screen reader gets it.
  IAccessible* face() {
    if (face_ == nullptr) {
      EXPECT_TRUE(SUCCEEDED(AccessibleObjectFromWindow(app.window(), OBJID_CLIENT, IID_IAccessible,
                                                       reinterpret_cast<void**>(&face_))));
    }
    return face_;
  }
  LONG lcd_id() const { return static_cast<LONG>(face::kFaceKeys.size()) + 1; }
  std::wstring value(LONG id) {
    BSTR text = nullptr;
    face()->get_accValue(child(id), &text);
    return take(text);
  }
  std::wstring name(LONG id) {
    BSTR text = nullptr;
    face()->get_accName(child(id), &text);
    return take(text);
  }
  LONG role(LONG id) {
    VARIANT r{};
    face()->get_accRole(child(id), &r);
    return r.vt == VT_I4 ? r.lVal : -1;
  }
  LONG state(LONG id) {
    VARIANT s{};
    face()->get_accState(child(id), &s);
    return s.vt == VT_I4 ? s.lVal : 0;
  }
  LONG focused() {
    VARIANT f{};
    if (FAILED(face()->get_accFocus(&f)) || f.vt != VT_I4) return -1;
    return f.lVal;
  }

  App app;
  FaceReader reader;
  IAccessible* face_ = nullptr;
};

TEST_F(AccessibilityE2e, EveryKeyIsANamedButtonAndTheLcdShowsItsValue) {
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(reader.lcd_shows(app, "0."));
  ASSERT_NE(face(), nullptr);
  LONG count = 0;
  ASSERT_TRUE(SUCCEEDED(face()->get_accChildCount(&count)));
  ASSERT_EQ(count, lcd_id());
  std::vector<VARIANT> children(static_cast<size_t>(count));
  LONG got = 0;
  ASSERT_TRUE(SUCCEEDED(AccessibleChildren(face(), 0, count, children.data(), &got)));
  ASSERT_EQ(got, count);
  for (LONG id = 1; id < lcd_id(); ++id) {
    const face::FaceKey& key = face::kFaceKeys[static_cast<size_t>(id - 1)];
    EXPECT_EQ(name(id), to_wide(face::key_spoken_name(key.name))) << key.name;
    EXPECT_EQ(role(id), ROLE_SYSTEM_PUSHBUTTON) << key.name;
  }
  EXPECT_EQ(name(lcd_id()), L"液晶屏");
  EXPECT_EQ(role(lcd_id()), ROLE_SYSTEM_STATICTEXT);
  EXPECT_EQ(value(lcd_id()), L"0.");

  // The value follows a key pressed with the mouse, and a key pressed through its default action.
  FaceReader::press_keys(app, {"k7"});
  EXPECT_TRUE(poll_until([&] { return value(lcd_id()) == L"7"; }));
  EXPECT_TRUE(SUCCEEDED(face()->accDoDefaultAction(child(key_index("k5") + 1))));
  EXPECT_TRUE(poll_until([&] { return value(lcd_id()) == L"75"; }));

  // In binary the digits 2 to 9 and the functions do nothing: unavailable.
  FaceReader::press_keys(app, {"kbin_on"});
  EXPECT_TRUE(poll_until([&] { return (state(key_index("k2") + 1) & STATE_SYSTEM_UNAVAILABLE); }));
  EXPECT_FALSE(state(key_index("k1") + 1) & STATE_SYSTEM_UNAVAILABLE);
  EXPECT_TRUE(state(key_index("Ksin") + 1) & STATE_SYSTEM_UNAVAILABLE);
}

TEST_F(AccessibilityE2e, TabWalksTheKeysAndSpacePressesTheFocusedOne) {
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(reader.lcd_shows(app, "0."));
  ASSERT_NE(face(), nullptr);
  const Capture before = app.capture();
  app.key(VK_TAB);
  const LONG first = face::keys_in_reading_order().front() + 1;
  EXPECT_TRUE(poll_until([&] { return focused() == first; }));
  EXPECT_TRUE(state(first) & STATE_SYSTEM_FOCUSED);
  // The mark is drawn around the key.
  const RECT r{face::kFaceKeys[static_cast<size_t>(first - 1)].rect.left - 1,
               face::kFaceKeys[static_cast<size_t>(first - 1)].rect.top - 1, 0, 0};
  EXPECT_TRUE(poll_until([&] {
    return app.capture().at(r.left, r.top) != before.at(r.left, r.top);
  })) << "no focus mark at the key's corner";
  // Tab on until the focus is on 7, then Space presses it.
  const LONG seven = key_index("k7") + 1;
  for (int step = 0; step < static_cast<int>(face::kFaceKeys.size()) && focused() != seven;
       ++step) {
    app.key(VK_TAB);
  }
  ASSERT_EQ(focused(), seven);
  app.key(VK_SPACE);
  EXPECT_TRUE(reader.lcd_shows(app, "7"));
  // An arrow moves on to the key beside it; Enter presses it.
  app.key(VK_RIGHT);
  EXPECT_EQ(focused(), key_index("k8") + 1);
  app.key(VK_RETURN);
  EXPECT_TRUE(reader.lcd_shows(app, "78"));
}

}  // namespace
}  // namespace orvanta::e2e
