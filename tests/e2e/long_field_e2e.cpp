// The big-number panel's long field on a window of the test's own: editing, undo, the clipboard
// and the mouse as in an edit control, the read-only result, and a text of a million characters
// drawn in place.
#include <windows.h>
// windows.h first
#include <gtest/gtest.h>
#include <imm.h>
#include <oleacc.h>

#include <string>

#include "harness.h"
#include "win32/panels/long_field.h"
#include "win32/panels/text_fields.h"

namespace orvanta::win32 {
namespace {

using e2e::App;
using e2e::clipboard_text;
using e2e::pump;
using e2e::put_on_clipboard;

int g_changes = 0;  // EN_CHANGE from the fields

LRESULT CALLBACK parent_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COMMAND && HIWORD(wp) == EN_CHANGE) ++g_changes;
  return DefWindowProcW(hwnd, msg, wp, lp);
}

void set(HWND f, const wchar_t* text) {
  SendMessageW(f, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}
void select(HWND f, int start, int end) {
  SendMessageW(f, EM_SETSEL, start, end);
}
std::pair<DWORD, DWORD> selection(HWND f) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(f, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}
void type(HWND f, const std::wstring& text) {
  for (const wchar_t c : text) SendMessageW(f, WM_CHAR, c, 0);
}
void key(HWND f, WPARAM vk) {
  SendMessageW(f, WM_KEYDOWN, vk, 0);
}

class LongFieldTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parent_ = e2e::make_test_window(L"LongFieldTestParent", RECT{60, 60, 520, 180}, parent_proc);
    ASSERT_NE(parent_, nullptr);
    font_ = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"宋体");
    field_ = create_labelled_field(parent_, {}, L"值一：", 16, 24, 417, 1, font_, 0,
                                   [this] { ++enters_; });
    result_ = create_labelled_field(parent_, {}, L"计算结果：", 16, 72, 417, 2, font_, ES_READONLY);
    ASSERT_NE(field_, nullptr);
    ASSERT_NE(result_, nullptr);
    SetForegroundWindow(parent_);
    SetFocus(field_);
    g_changes = 0;
  }
  void TearDown() override {
    DestroyWindow(parent_);
    DeleteObject(font_);
  }

  HWND parent_ = nullptr;
  HFONT font_ = nullptr;
  HWND field_ = nullptr;
  HWND result_ = nullptr;
  int enters_ = 0;
};

TEST_F(LongFieldTest, EditsLikeAnEditControl) {
  set(field_, L"12345");
  EXPECT_EQ(g_changes, 1);
  EXPECT_EQ(selection(field_), (std::pair<DWORD, DWORD>{0, 0}));  // a new text: caret at 0
  struct Step {
    const char* what;
    void (*act)(HWND);
    const wchar_t* text;
    std::pair<DWORD, DWORD> selection;
  };
  const Step steps[] = {
      {"type over a selection", [](HWND f) { select(f, 1, 3), type(f, L"9"); }, L"1945", {2, 2}},
      {"backspace", [](HWND f) { type(f, L"\b"); }, L"145", {1, 1}},
      {"delete", [](HWND f) { key(f, VK_DELETE); }, L"15", {1, 1}},
      // The character brought back is selected, as an edit control does.
      {"undo the delete", [](HWND f) { SendMessageW(f, WM_UNDO, 0, 0); }, L"145", {1, 2}},
      {"a typed run", [](HWND f) { select(f, 3, -1), type(f, L"678"); }, L"145678", {6, 6}},
      {"undoes at once", [](HWND f) { SendMessageW(f, EM_UNDO, 0, 0); }, L"145", {3, 3}},
      {"control characters are not text", [](HWND f) { type(f, L"\x01\r\x1b"); }, L"145", {3, 3}},
      {"full-width digits are", [](HWND f) { type(f, L"１２"); }, L"145１２", {5, 5}},
      {"replace the selection",
       [](HWND f) {
         select(f, 0, 1);
         SendMessageW(f, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(L"-7"));
       },
       L"-745１２",
       {2, 2}},
      {"paste stops at a line break",
       [](HWND f) {
         put_on_clipboard(L"42\r\n99");
         select(f, 0, -1);
         SendMessageW(f, WM_PASTE, 0, 0);
       },
       L"42",
       {2, 2}},
      {"cut", [](HWND f) { select(f, 1, 2), SendMessageW(f, WM_CUT, 0, 0); }, L"4", {1, 1}},
  };
  for (const Step& s : steps) {
    s.act(field_);
    EXPECT_EQ(App::text_of(field_), s.text) << s.what;
    EXPECT_EQ(selection(field_), s.selection) << s.what;
  }
  EXPECT_EQ(clipboard_text(), L"2");  // what was cut
  EXPECT_GE(g_changes, 11);
  key(field_, VK_RETURN);
  EXPECT_EQ(enters_, 1);
}

TEST_F(LongFieldTest, TheReadOnlyResultSelectsAndCopiesButTakesNothing) {
  set(result_, L"121932631112635269");
  EXPECT_NE(GetWindowLongW(result_, GWL_STYLE) & ES_READONLY, 0);
  put_on_clipboard(L"5");
  type(result_, L"7\b");
  SendMessageW(result_, WM_PASTE, 0, 0);
  SendMessageW(result_, WM_CUT, 0, 0);
  key(result_, VK_DELETE);
  EXPECT_EQ(App::text_of(result_), L"121932631112635269");
  select(result_, 3, 6);
  SendMessageW(result_, WM_COPY, 0, 0);
  EXPECT_EQ(clipboard_text(), L"932");
  // Ctrl+A and a double-click take the whole number.
  select(result_, 0, 0);
  SendMessageW(result_, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(40, 10));
  EXPECT_EQ(selection(result_), (std::pair<DWORD, DWORD>{0, 18}));
}

// The real mouse, at a point of the field's client area; `button` presses or releases the left
// button there (0 only moves).
void mouse_at(HWND field, int x, int y, DWORD button = 0) {
  POINT p{x, y};
  ClientToScreen(field, &p);
  SetCursorPos(p.x, p.y);
  if (button != 0) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = button;
    SendInput(1, &in, sizeof in);
  }
  pump();
}

TEST_F(LongFieldTest, AMouseDragSelectsAndScrollsOnPastTheEdge) {
  const std::wstring digits(1000, L'3');
  set(field_, digits.c_str());
  mouse_at(field_, 2, 10, MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(e2e::poll_until([&] {
    pump();
    return GetCapture() == field_;
  }));
  EXPECT_EQ(selection(field_), (std::pair<DWORD, DWORD>{0, 0}));
  mouse_at(field_, 200, 10);
  EXPECT_TRUE(e2e::poll_until([&] {
    pump();
    return selection(field_).second > 10;
  }));
  // Held still past the right edge, the selection grows on by itself, to the end.
  mouse_at(field_, 500, 10);
  EXPECT_TRUE(e2e::poll_until([&] {
    pump();
    return selection(field_).second == digits.size();
  }));
  EXPECT_EQ(selection(field_).first, 0u);
  // Back inside, then up: the selection ends where the mouse was and grows no more.
  mouse_at(field_, 200, 10);
  mouse_at(field_, 200, 10, MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(e2e::poll_until([&] {
    pump();
    return GetCapture() == nullptr;
  }));
  const DWORD end = selection(field_).second;
  EXPECT_LT(end, digits.size());
  SendMessageW(field_, WM_COPY, 0, 0);
  EXPECT_EQ(clipboard_text(), digits.substr(0, end));
  // Past the edge again with the button up, and a tick of the scroll timer (id 1) as if one
  // were still running: nothing grows.
  mouse_at(field_, 500, 10);
  SendMessageW(field_, WM_TIMER, 1, 0);
  pump();
  EXPECT_EQ(selection(field_).second, end);
}

TEST_F(LongFieldTest, AnInputMethodComposesAtTheCaret) {
  set(field_, L"1+2");
  select(field_, 3, 3);
  POINT caret{};
  GetCaretPos(&caret);
  ASSERT_GT(caret.x, 2);
  SendMessageW(field_, WM_IME_STARTCOMPOSITION, 0, 0);
  const HIMC context = ImmGetContext(field_);
  ASSERT_NE(context, nullptr);
  COMPOSITIONFORM form{};
  EXPECT_TRUE(ImmGetCompositionWindow(context, &form));
  ImmReleaseContext(field_, context);
  EXPECT_EQ(form.dwStyle, static_cast<DWORD>(CFS_POINT));
  EXPECT_EQ(form.ptCurrentPos.x, caret.x);
  EXPECT_EQ(form.ptCurrentPos.y, caret.y);
}

// Role, value and read-only state as an edit control reports them; the name is the label's.
TEST_F(LongFieldTest, ScreenReadersSeeATextFieldWithItsValue) {
  set(field_, L"12+34");
  set(result_, L"121932631112635269");
  struct Case {
    HWND field;
    const wchar_t* name;
    const wchar_t* value;
    bool read_only;
  };
  for (const Case& c : {Case{field_, L"值一：", L"12+34", false},
                        Case{result_, L"计算结果：", L"121932631112635269", true}}) {
    IAccessible* accessible = nullptr;
    ASSERT_TRUE(SUCCEEDED(AccessibleObjectFromWindow(c.field, OBJID_CLIENT, IID_IAccessible,
                                                     reinterpret_cast<void**>(&accessible))));
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role{};
    EXPECT_TRUE(SUCCEEDED(accessible->get_accRole(self, &role)));
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_TEXT);
    BSTR name = nullptr;
    EXPECT_EQ(accessible->get_accName(self, &name), S_OK);
    EXPECT_EQ(std::wstring(name == nullptr ? L"" : name), c.name);
    SysFreeString(name);
    BSTR value = nullptr;
    EXPECT_TRUE(SUCCEEDED(accessible->get_accValue(self, &value)));
    EXPECT_EQ(std::wstring(value == nullptr ? L"" : value), c.value);
    SysFreeString(value);
    VARIANT state{};
    EXPECT_TRUE(SUCCEEDED(accessible->get_accState(self, &state)));
    EXPECT_EQ((state.lVal & STATE_SYSTEM_READONLY) != 0, c.read_only);
    accessible->Release();
  }
}

// A million digits: set, drawn at the end with the selection highlighted, copied whole.
TEST_F(LongFieldTest, AMillionDigitsAreShownSelectedAndCopied) {
  std::wstring digits(1'000'000, L'8');
  digits.back() = L'1';
  set(field_, digits.c_str());
  EXPECT_EQ(SendMessageW(field_, WM_GETTEXTLENGTH, 0, 0), 1'000'000);
  SetFocus(field_);
  SendMessageW(field_, WM_KEYDOWN, VK_END, 0);
  select(field_, 0, -1);
  UpdateWindow(field_);
  pump();
  const e2e::Capture shown = e2e::capture_client(field_);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  const std::uint32_t wanted =
      GetRValue(highlight) << 16 | GetGValue(highlight) << 8 | GetBValue(highlight);
  int highlighted = 0;
  for (int x = 0; x < shown.width; ++x) highlighted += shown.at(x, shown.height / 2) == wanted;
  EXPECT_GT(highlighted, shown.width / 4) << "the selection is drawn";
  SendMessageW(field_, WM_COPY, 0, 0);
  EXPECT_EQ(clipboard_text(), digits);
}

}  // namespace
}  // namespace orvanta::win32
