// The LCD menu's output items, built in this process with orvanta.exe's own pictures: each shows
// one mark, its picture in the check mark's place, and is checked for whoever asks.
#include <windows.h>
// windows.h first
#include <gtest/gtest.h>

#include <string>

#include "harness.h"
#include "win32/chrome/menu_ids.h"
#include "win32/chrome/menus.h"

namespace orvanta::win32 {
namespace {

struct ItemMarks {
  bool checked = false;
  HBITMAP item_picture = nullptr;
  HBITMAP checked_mark = nullptr;
  HBITMAP unchecked_mark = nullptr;
};

ItemMarks marks_of(HMENU menu, UINT id) {
  MENUITEMINFOW mi{};
  mi.cbSize = sizeof mi;
  mi.fMask = MIIM_STATE | MIIM_BITMAP | MIIM_CHECKMARKS;
  EXPECT_TRUE(GetMenuItemInfoW(menu, id, FALSE, &mi));
  return {(mi.fState & MFS_CHECKED) != 0, mi.hbmpItem, mi.hbmpChecked, mi.hbmpUnchecked};
}

// The colour in the middle of a check-mark bitmap, which must have the check mark's size.
COLORREF centre_of(HBITMAP mark) {
  BITMAP info{};
  EXPECT_NE(GetObjectW(mark, sizeof info, &info), 0);
  EXPECT_EQ(info.bmWidth, GetSystemMetrics(SM_CXMENUCHECK));
  EXPECT_EQ(info.bmHeight, GetSystemMetrics(SM_CYMENUCHECK));
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, mark);
  const COLORREF colour = GetPixel(dc, info.bmWidth / 2, info.bmHeight / 2);
  SelectObject(dc, old);
  DeleteDC(dc);
  return colour;
}

bool greenish(COLORREF c) {
  return GetGValue(c) > GetRValue(c) + 40 && GetGValue(c) > GetBValue(c) + 20;
}
bool dark(COLORREF c) {
  return GetRValue(c) < 90 && GetGValue(c) < 90 && GetBValue(c) < 90;
}

class LcdMenuMarks : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::wstring exe = e2e::program_folder() + L"\\orvanta.exe";
    pictures_ = LoadLibraryExW(exe.c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(pictures_, nullptr);
    ASSERT_TRUE(menus_.create(pictures_, [](UINT) { return true; }));
  }
  void TearDown() override {
    if (pictures_ != nullptr) FreeLibrary(pictures_);
  }
  HMODULE pictures_ = nullptr;
  PopupMenus menus_;
};

TEST_F(LcdMenuMarks, AutomaticOutputShowsItsPictureAsItsOnlyMark) {
  const HMENU menu = menus_.lcd_menu();
  for (const bool on : {true, false}) {
    SCOPED_TRACE(on);
    menus_.show_auto_output(on);
    const ItemMarks marks = marks_of(menu, kMenuAutoOutput);
    EXPECT_EQ(marks.checked, on);
    EXPECT_EQ(marks.item_picture, nullptr) << "a picture beside the check mark";
    ASSERT_NE(marks.checked_mark, nullptr);
    ASSERT_NE(marks.unchecked_mark, nullptr);
    EXPECT_TRUE(greenish(centre_of(marks.checked_mark)));  // the white tick on green
    EXPECT_FALSE(greenish(centre_of(marks.unchecked_mark)));
  }
}

TEST_F(LcdMenuMarks, TheChosenOutputFormAloneShowsItsDot) {
  const HMENU menu = menus_.lcd_menu();
  menus_.show_auto_output(true);
  for (const OutputForm form : {OutputForm::Figures, OutputForm::MoneyFigures}) {
    menus_.show_output_form(form, true);
    const UINT chosen = kMenuFormFigures + static_cast<UINT>(form);
    for (UINT id = kMenuFormFigures; id <= kMenuFormRmbFigures; ++id) {
      SCOPED_TRACE(testing::Message() << "form " << static_cast<int>(form) << ", item " << id);
      const ItemMarks marks = marks_of(menu, id);
      EXPECT_EQ(marks.checked, id == chosen);
      EXPECT_EQ(marks.item_picture, nullptr) << "a picture beside the check mark";
      EXPECT_EQ(marks.unchecked_mark, nullptr);
      ASSERT_NE(marks.checked_mark, nullptr);
      EXPECT_TRUE(dark(centre_of(marks.checked_mark)));
    }
  }
}

}  // namespace
}  // namespace orvanta::win32
