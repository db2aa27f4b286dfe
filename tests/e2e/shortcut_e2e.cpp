// The desktop shortcut and the replacement of the system calculator, in this Wine prefix: the
// links are read back through the shell, the Calculator-key setting from the registry.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>

#include "harness.h"
#include "win32/chrome/menu_ids.h"
#include "win32/system/shell_link.h"

namespace orvanta::e2e {
namespace {

using namespace std::chrono_literals;

constexpr wchar_t kAppKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\AppKey\\18";
constexpr wchar_t kSystemCalculator[] = L"C:\\windows\\system32\\notepad.exe";

std::wstring known_folder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  std::wstring folder;
  if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) folder = path;
  CoTaskMemFree(path);
  return folder;
}

bool same_path(std::wstring a, std::wstring b) {
  for (std::wstring* s : {&a, &b}) {
    while (!s->empty() && s->back() == L'\\') s->pop_back();
  }
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

std::vector<std::wstring> files_in(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW data;
  const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(data.cFileName);
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return names;
}

std::wstring registry_text(HKEY root, const wchar_t* key, const wchar_t* value) {
  wchar_t text[MAX_PATH] = {};
  DWORD bytes = sizeof text;
  if (RegGetValueW(root, key, value, RRF_RT_REG_SZ, nullptr, text, &bytes) != ERROR_SUCCESS) {
    return L"<absent>";
  }
  return text;
}

constexpr wchar_t kUserShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// A value of the user's hive as stored (an expandable string left unexpanded); empty when absent.
std::wstring registry_raw(const wchar_t* key, const wchar_t* value) {
  wchar_t text[MAX_PATH] = {};
  DWORD bytes = sizeof text;
  if (RegGetValueW(HKEY_CURRENT_USER, key, value,
                   RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, text,
                   &bytes) != ERROR_SUCCESS) {
    return {};
  }
  return text;
}

// Where the shell finds this user's desktop (an empty folder removes the setting).
void set_desktop(const std::wstring& folder) {
  if (folder.empty()) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kUserShellFolders, L"Desktop");
    return;
  }
  RegSetKeyValueW(HKEY_CURRENT_USER, kUserShellFolders, L"Desktop", REG_EXPAND_SZ, folder.c_str(),
                  static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
}

class ShortcutE2e : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(com_.ok());
    remove_settings();
    write_settings(
        "[Setup]\r\nDevice_AutoCopyTo=0\r\nDevice_find_windows=1\r\nDevice_gs3500=5000\r\n"
        "Device_point=-1\r\nDevice_sound=0\r\n[Welcome]\r\nText=Orvanta\r\n");
    // The user's desktop may be a link to a folder outside the prefix: it is moved to a
    // folder of the test's own for the test's time.
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    desktop_ = std::wstring(temp) + L"orvanta-desktop";
    CreateDirectoryW(desktop_.c_str(), nullptr);
    old_desktop_ = registry_raw(kUserShellFolders, L"Desktop");
    set_desktop(desktop_);
    ASSERT_TRUE(same_path(known_folder(FOLDERID_Desktop), desktop_));
    user_accessories_ = known_folder(FOLDERID_Programs) + L"\\Accessories";
    common_accessories_ = known_folder(FOLDERID_CommonPrograms) + L"\\Accessories";
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kAppKey, L"ShellExecute");
  }
  void TearDown() override {
    for (const std::wstring& name : files_in(desktop_))
      DeleteFileW((desktop_ + L"\\" + name).c_str());
    RemoveDirectoryW(desktop_.c_str());
    set_desktop(old_desktop_);
    for (const std::wstring& link : planted_) DeleteFileW(link.c_str());
    for (const std::wstring& folder : made_folders_) RemoveDirectoryW(folder.c_str());
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kAppKey, L"ShellExecute");
    remove_settings();
  }

  // A calculator link of the system's in `folder`, which is made when missing.
  std::wstring plant(const std::wstring& folder, const wchar_t* name) {
    // The Start menu folders above it may not exist yet in a new prefix; they stay (as Wine
    // itself would make them), the accessories folder made here goes again.
    if (GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES &&
        SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr) == ERROR_SUCCESS) {
      made_folders_.insert(made_folders_.begin(), folder);
    }
    const std::wstring link = folder + L"\\" + name;
    EXPECT_EQ(win32::write_link_file(link, kSystemCalculator, L"C:\\windows\\system32\\"), S_OK);
    planted_.push_back(link);
    return link;
  }
  static win32::LinkFacts read(const std::wstring& link) {
    win32::LinkFacts facts;
    EXPECT_EQ(win32::read_link_file(link, facts), S_OK) << testing::PrintToString(link);
    return facts;
  }
  std::wstring program() const { return program_folder() + L"\\orvanta.exe"; }

  // Runs a menu command and answers each box by its caption, in order; returns the texts of
  // the boxes answered.
  std::vector<std::wstring> run_menu(UINT id, std::initializer_list<const wchar_t*> answers) {
    PostMessageW(app.window(), WM_COMMAND, id, 0);
    std::vector<std::wstring> texts;
    for (const wchar_t* answer : answers) {
      const HWND box = app.wait_window(L"提示", 5s);
      if (box == nullptr) {
        ADD_FAILURE() << "no box for the answer " << testing::PrintToString(std::wstring(answer));
        break;
      }
      std::wstring text;
      for (const std::wstring& t : App::child_texts(box)) text += t + L"|";
      texts.push_back(text);
      EXPECT_TRUE(App::press_dialog_button(box, answer));
      poll_until([&] { return !IsWindow(box); }, 5s);
    }
    return texts;
  }
  static bool says(const std::vector<std::wstring>& texts, size_t i, const wchar_t* part) {
    return i < texts.size() && texts[i].find(part) != std::wstring::npos;
  }

  win32::ComApartment com_;
  App app;
  std::wstring desktop_, old_desktop_, user_accessories_, common_accessories_;
  std::vector<std::wstring> planted_, made_folders_;
};

TEST_F(ShortcutE2e, DesktopLinkStartsTheProgramInItsFolderAndTwiceIsOneFile) {
  ASSERT_TRUE(app.start());
  for (int i = 0; i < 2; ++i) {
    // Sent, not posted: it returns once the link is written (no box shows when it works).
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(SendMessageTimeoutW(app.window(), WM_COMMAND, win32::kMenuDesktopShortcut, 0,
                                    SMTO_NORMAL, 10000, &ignored));
  }
  EXPECT_EQ(files_in(desktop_), std::vector<std::wstring>{L"Orvanta.lnk"});
  const win32::LinkFacts link = read(desktop_ + L"\\Orvanta.lnk");
  EXPECT_TRUE(same_path(link.target, program())) << testing::PrintToString(link.target);
  EXPECT_TRUE(same_path(link.working_folder, program_folder()))
      << testing::PrintToString(link.working_folder);
  EXPECT_EQ(app.find_window(L"提示"), nullptr);  // no box when it worked
}

TEST_F(ShortcutE2e, ReplacementChangesThisUsersLinkOnly) {
  const std::wstring mine = plant(user_accessories_, L"计算器.lnk");
  const std::wstring everyones = plant(common_accessories_, L"计算器.lnk");
  ASSERT_TRUE(app.start());
  const auto boxes = run_menu(win32::kMenuDefaultCalculator, {L"是", L"确定"});
  EXPECT_TRUE(says(boxes, 0, L"确认替换掉系统自带的简易计算器吗?"));
  EXPECT_TRUE(says(boxes, 1, L"替换成功!"));
  const win32::LinkFacts changed = read(mine);
  EXPECT_TRUE(same_path(changed.target, program())) << testing::PrintToString(changed.target);
  EXPECT_EQ(changed.hotkey, 0x0643);
  const win32::LinkFacts kept = read(everyones);
  EXPECT_TRUE(same_path(kept.target, kSystemCalculator)) << testing::PrintToString(kept.target);
  EXPECT_EQ(kept.hotkey, 0);
}

TEST_F(ShortcutE2e, NoChangesNothing) {
  const std::wstring mine = plant(user_accessories_, L"计算器.lnk");
  ASSERT_TRUE(app.start());
  run_menu(win32::kMenuDefaultCalculator, {L"否"});
  app.wait_idle();
  EXPECT_EQ(app.find_window(L"提示"), nullptr);
  const win32::LinkFacts kept = read(mine);
  EXPECT_TRUE(same_path(kept.target, kSystemCalculator));
  EXPECT_EQ(kept.hotkey, 0);
}

TEST_F(ShortcutE2e, WithoutALinkTheCalculatorKeyIsSetForThisUserAndTakenBack) {
  ASSERT_TRUE(app.start());
  const auto set = run_menu(win32::kMenuDefaultCalculator, {L"是", L"是", L"确定"});
  EXPECT_TRUE(says(set, 1, L"没有找到系统自带计算器的快捷方式"));
  EXPECT_TRUE(same_path(registry_text(HKEY_CURRENT_USER, kAppKey, L"ShellExecute"), program()));
  EXPECT_EQ(registry_text(HKEY_LOCAL_MACHINE, kAppKey, L"ShellExecute"), L"<absent>");
  const auto undone = run_menu(win32::kMenuDefaultCalculator, {L"是", L"是", L"确定"});
  EXPECT_TRUE(says(undone, 1, L"已经启动本计算器"));
  EXPECT_EQ(registry_text(HKEY_CURRENT_USER, kAppKey, L"ShellExecute"), L"<absent>");
}

}  // namespace
}  // namespace orvanta::e2e
