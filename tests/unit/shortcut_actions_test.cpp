// The desktop shortcut and the replacement of the system calculator, over a shell of files
// and a Calculator-key setting kept in memory.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "sim/recording_message_boxes.h"
#include "tools/shell/shortcut_actions.h"

namespace orvanta {
namespace {

struct Link {
  std::string target;
  std::string working_folder;
  unsigned short hotkey = 0;
  bool operator==(const Link&) const = default;
};

constexpr char kProgram[] = "C:\\Tools\\Orvanta\\orvanta.exe";
constexpr char kUserLink[] =
    "C:\\Users\\li\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Accessories\\"
    "计算器.lnk";
constexpr char kAllUsersLink[] =
    "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Accessories\\Calculator.lnk";

struct FakeShell : DesktopShell {
  std::string program_path() override { return kProgram; }
  std::string known_desktop() override { return desktop; }
  std::string registry_desktop() override { return old_desktop; }
  StartMenuFolders start_menu_folders() override {
    return {"C:", "\\Users\\li", "C:\\ProgramData",
            "C:\\Users\\li\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs",
            "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs"};
  }
  bool file_exists(const std::string& path) override { return links.contains(path); }
  bool write_link(const std::string& path, const std::string& target,
                  const std::string& folder) override {
    if (read_only.contains(path)) return false;
    links[path] = {target, folder, 0};
    return true;
  }
  bool retarget_link(const std::string& path, const std::string& target,
                     unsigned short hotkey) override {
    if (read_only.contains(path)) return false;
    links[path].target = target;
    links[path].hotkey = hotkey;
    return true;
  }
  std::string calculator_key() override { return key; }
  bool set_calculator_key(const std::string& program) override {
    key = program;
    return true;
  }

  std::string desktop = "C:\\Users\\li\\Desktop";
  std::string old_desktop;
  std::map<std::string, Link> links;
  std::set<std::string> read_only;
  std::string key;
};

TEST(DesktopShortcut, OneLinkToTheProgramInItsFolderAndNoBox) {
  FakeShell shell;
  sim::RecordingMessageBoxes boxes;
  add_desktop_shortcut(shell, boxes);
  add_desktop_shortcut(shell, boxes);
  EXPECT_EQ(shell.links, (std::map<std::string, Link>{{"C:\\Users\\li\\Desktop\\Orvanta.lnk",
                                                       {kProgram, "C:\\Tools\\Orvanta\\", 0}}}));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST(DesktopShortcut, NoDesktopOrAFailedWriteIsSaidAndNothingLandsElsewhere) {
  FakeShell no_desktop;
  no_desktop.desktop.clear();
  FakeShell refused;
  refused.read_only.insert("C:\\Users\\li\\Desktop\\Orvanta.lnk");
  for (FakeShell* shell : {&no_desktop, &refused}) {
    sim::RecordingMessageBoxes boxes;
    add_desktop_shortcut(*shell, boxes);
    EXPECT_TRUE(shell->links.empty());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "提示");
  }
}

TEST(ReplaceCalculator, ThisUsersLinkChangesAndAllUsersStaysAlone) {
  FakeShell shell;
  const Link system{"C:\\Windows\\system32\\calc.exe", "", 0};
  shell.links = {{kUserLink, system}, {kAllUsersLink, system}};
  sim::RecordingMessageBoxes boxes;
  replace_system_calculator(shell, boxes);
  EXPECT_EQ(shell.links[kUserLink], (Link{kProgram, "", 0x0643}));
  EXPECT_EQ(shell.links[kAllUsersLink], system);
  EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"提示: 确认替换掉系统自带的简易计算器吗?",
                                                     "提示: 替换成功!"}));
}

TEST(ReplaceCalculator, AllUsersLinkWhenThisUserHasNone) {
  FakeShell shell;
  shell.links = {{kAllUsersLink, {"calc.exe", "", 0}}};
  sim::RecordingMessageBoxes boxes;
  replace_system_calculator(shell, boxes);
  EXPECT_EQ(shell.links[kAllUsersLink], (Link{kProgram, "", 0x0643}));
  // A link the user may not change (all users' without administrator rights) is said so.
  shell.read_only.insert(kAllUsersLink);
  sim::RecordingMessageBoxes refused;
  replace_system_calculator(shell, refused);
  ASSERT_EQ(refused.shown.size(), 2u);
  EXPECT_EQ(refused.shown[1].icon, BoxIcon::Error);
}

TEST(ReplaceCalculator, NoChangesNothing) {
  FakeShell shell;
  shell.links = {{kUserLink, {"calc.exe", "", 0}}};
  const auto before = shell.links;
  sim::RecordingMessageBoxes boxes;
  boxes.answer_yes = false;
  replace_system_calculator(shell, boxes);
  EXPECT_EQ(shell.links, before);
  EXPECT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(shell.key, "");
}

TEST(ReplaceCalculator, WithoutALinkTheCalculatorKeyIsOfferedAndTakenBack) {
  FakeShell shell;
  sim::RecordingMessageBoxes boxes;
  replace_system_calculator(shell, boxes);
  EXPECT_EQ(shell.key, kProgram);
  ASSERT_EQ(boxes.shown.size(), 3u);
  EXPECT_NE(boxes.shown[1].text.find("没有找到系统自带计算器的快捷方式"), std::string::npos);
  EXPECT_EQ(boxes.shown[1].buttons, BoxButtons::YesNo);
  // Asked again with the key already ours, the same item gives the key back to the system.
  sim::RecordingMessageBoxes again;
  replace_system_calculator(shell, again);
  EXPECT_EQ(shell.key, "");
  ASSERT_EQ(again.shown.size(), 3u);
  EXPECT_NE(again.shown[1].text.find("已经启动本计算器"), std::string::npos);
  EXPECT_TRUE(shell.links.empty());
}

}  // namespace
}  // namespace orvanta
