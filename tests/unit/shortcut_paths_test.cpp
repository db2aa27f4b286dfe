// Where the desktop shortcut goes and where the system calculator's Start-menu link is looked
// for, from what the system answers.
#include <gtest/gtest.h>

#include "tools/shell/shortcut_paths.h"

namespace orvanta {
namespace {

using Paths = std::vector<std::string>;

TEST(ShortcutPaths, WorkingFolderIsTheProgramsFolderWithItsBackslash) {
  EXPECT_EQ(folder_of("C:\\Program Files\\Orvanta\\orvanta.exe"), "C:\\Program Files\\Orvanta\\");
  EXPECT_EQ(folder_of("D:\\orvanta.exe"), "D:\\");
  EXPECT_EQ(folder_of("orvanta.exe"), "");
}

TEST(ShortcutPaths, DesktopLinkPrefersTheKnownFolderAndNeverTheDriveRoot) {
  struct Case {
    std::string known, registry;
    std::optional<std::string> link;
  };
  const Case cases[] = {
      {"C:\\Users\\li\\Desktop", "C:\\Old\\Desktop", "C:\\Users\\li\\Desktop\\Orvanta.lnk"},
      {"C:\\Users\\li\\Desktop\\", "", "C:\\Users\\li\\Desktop\\Orvanta.lnk"},
      // The registry value only when the shell has no answer.
      {"", "C:\\Documents and Settings\\li\\桌面",
       "C:\\Documents and Settings\\li\\桌面\\Orvanta.lnk"},
      // Neither: no path at all rather than "\\Orvanta.lnk".
      {"", "", std::nullopt},
      {"\\", "", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(desktop_link_path(c.known, c.registry), c.link) << c.known << " | " << c.registry;
  }
}

TEST(ShortcutPaths, CalculatorLinksOfThisUserComeBeforeAllUsers) {
  const StartMenuFolders windows7{
      "C:", "\\Users\\li", "C:\\ProgramData",
      "C:\\Users\\li\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs",
      "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs"};
  EXPECT_EQ(
      calculator_link_candidates(windows7),
      (Paths{
          "C:\\Users\\li\\「开始」菜单\\程序\\附件\\计算器.lnk",
          "C:\\Users\\li\\AppData\\Roaming\\Microsoft\\Windows\\Start "
          "Menu\\Programs\\Accessories\\计算器.lnk",
          "C:\\Users\\li\\AppData\\Roaming\\Microsoft\\Windows\\Start "
          "Menu\\Programs\\Accessories\\Calculator.lnk",
          "C:\\ProgramData\\「开始」菜单\\程序\\附件\\计算器.lnk",
          "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Accessories\\计算器.lnk",
          "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Accessories\\Calculator.lnk",
      }));
}

TEST(ShortcutPaths, FoldersTheSystemDoesNotNameGiveNoCandidate) {
  struct Case {
    std::string name;
    StartMenuFolders folders;
    Paths candidates;
  };
  const Case cases[] = {
      // Windows XP: the known folders name the same Start menu as the environment.
      {"XpSamePlaceOnce",
       {"C:", "\\Documents and Settings\\li", "C:\\Documents and Settings\\All Users",
        "C:\\Documents and Settings\\li\\「开始」菜单\\程序",
        "C:\\Documents and Settings\\All Users\\「开始」菜单\\程序"},
       {"C:\\Documents and Settings\\li\\「开始」菜单\\程序\\附件\\计算器.lnk",
        "C:\\Documents and Settings\\li\\「开始」菜单\\程序\\Accessories\\计算器.lnk",
        "C:\\Documents and Settings\\li\\「开始」菜单\\程序\\Accessories\\Calculator.lnk",
        "C:\\Documents and Settings\\All Users\\「开始」菜单\\程序\\附件\\计算器.lnk",
        "C:\\Documents and Settings\\All Users\\「开始」菜单\\程序\\Accessories\\计算器.lnk",
        "C:\\Documents and Settings\\All Users\\「开始」菜单\\程序\\Accessories\\Calculator.lnk"}},
      // A home path without its drive is no profile (it would name a folder on any drive).
      {"HomePathAlone", {"", "\\Users\\li", "", "", ""}, {}},
      {"OnlyKnownFolders",
       {"", "", "", "P:\\Programs\\", "Q:\\Programs"},
       {"P:\\Programs\\Accessories\\计算器.lnk", "P:\\Programs\\Accessories\\Calculator.lnk",
        "Q:\\Programs\\Accessories\\计算器.lnk", "Q:\\Programs\\Accessories\\Calculator.lnk"}},
      {"Nothing", {}, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(calculator_link_candidates(c.folders), c.candidates) << c.name;
  }
}

}  // namespace
}  // namespace orvanta
