#include <gtest/gtest.h>

#include <array>
#include <string>

#include "settings/settings_file.h"
#include "settings_fakes.h"
#include "sim/recording_message_boxes.h"

namespace orvanta {
namespace {

using sim::RecordingMessageBoxes;
using testing::FakeFileSystem;

constexpr const char* kPath = "C:\\Data\\Talvenor\\Talvenor.ini";

class SettingsFileTest : public ::testing::Test {
 protected:
  FakeFileSystem fs;
  RecordingMessageBoxes boxes;
  SettingsFile file{fs, boxes, kPath};

  size_t warnings() const {
    size_t count = 0;
    for (const auto& box : boxes.shown) count += box.text == kSettingsWarningText;
    return count;
  }
};

TEST_F(SettingsFileTest, ReadsDefaultsWhenThereIsNoFile) {
  EXPECT_EQ(file.read_text("Welcome", "Text", "x"), "x");
  EXPECT_TRUE(file.read_bool("Setup", "Device_sound", true));
  EXPECT_EQ(file.read_int("Setup", "ColorSkin", 0), 0);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SettingsFileTest, StoresGbkAndReadsUtf8) {
  ASSERT_TRUE(file.write_text("KeyBord", "Key27", "电源"));
  EXPECT_EQ(fs.files[kPath], "[KeyBord]\r\nKey27=\xB5\xE7\xD4\xB4\r\n");
  EXPECT_EQ(file.read_text("KeyBord", "Key27", ""), "电源");
}

TEST_F(SettingsFileTest, KeepsWhatAnotherRunningCopyWrote) {
  ASSERT_TRUE(file.write_bool(SettingId::DeviceSound, false));
  // The other copy adds a key and a section of its own after this copy last touched the file.
  fs.files[kPath] += "[Time1]\r\non=1\r\n";
  fs.files[kPath].insert(fs.files[kPath].find("\r\n") + 2, "Device_1000=1\r\n");

  ASSERT_TRUE(file.write_int(SettingId::ColorSkin, -20));
  EXPECT_EQ(fs.files[kPath],
            "[Setup]\r\nDevice_1000=1\r\nDevice_sound=0\r\nColorSkin=-20\r\n[Time1]\r\non=1\r\n");
}

TEST_F(SettingsFileTest, WritesAGroupInOneReplacement) {
  const std::array<SettingEntry, 2> entries{{{"on", "1"}, {"Time", "07:30:00"}}};
  ASSERT_TRUE(file.write_values("Time2", entries));
  EXPECT_EQ(fs.files[kPath], "[Time2]\r\non=1\r\nTime=07:30:00\r\n");
}

TEST_F(SettingsFileTest, AFailedWriteLeavesTheOldFileWhole) {
  fs.files[kPath] = "[Setup]\r\nDevice_sound=1\r\n";
  fs.disk_full_after = 10;

  EXPECT_FALSE(file.write_text(kWelcomeSection, "Text", "a long welcome line that does not fit"));
  EXPECT_EQ(fs.files[kPath], "[Setup]\r\nDevice_sound=1\r\n");
  EXPECT_EQ(fs.files.count(std::string(kPath) + ".tmp"), 0u) << "partial temporary file left";
  EXPECT_EQ(warnings(), 1u);
}

TEST_F(SettingsFileTest, AFolderThatTakesNoNewFileHasTheFileWrittenInPlace) {
  fs.files[kPath] = "[Setup]\r\nDevice_sound=1\r\n";
  fs.refuse_new_files = true;

  EXPECT_TRUE(file.write_bool(SettingId::DeviceSound, false));
  EXPECT_EQ(fs.files[kPath], "[Setup]\r\nDevice_sound=0\r\n");
  EXPECT_EQ(fs.files.size(), 1u);
  EXPECT_EQ(warnings(), 0u);

  // Without a file to change, or with a read-only one, there is nothing to write in place.
  fs.read_only.insert(kPath);
  EXPECT_FALSE(file.write_bool(SettingId::DeviceSound, true));
  EXPECT_EQ(fs.files[kPath], "[Setup]\r\nDevice_sound=0\r\n");
  fs.read_only.clear();
  fs.files.clear();
  EXPECT_FALSE(file.write_bool(SettingId::DeviceSound, true));
  EXPECT_TRUE(fs.files.empty());
  EXPECT_EQ(warnings(), 2u);
}

TEST_F(SettingsFileTest, AnUnreadableFileIsNotOverwritten) {
  fs.files[kPath] = "[Setup]\r\nDevice_sound=0\r\n";
  fs.unreadable.insert(kPath);

  EXPECT_FALSE(file.write_bool(SettingId::Device1000, true));
  EXPECT_EQ(fs.files[kPath], "[Setup]\r\nDevice_sound=0\r\n");
  EXPECT_EQ(warnings(), 1u);
  EXPECT_TRUE(file.read_bool("Setup", "Device_sound", true)) << "unreadable gives the default";
}

TEST_F(SettingsFileTest, WarnsWithThePairUntilTheUserAnswersNo) {
  fs.files[kPath] = "";
  fs.read_only.insert(kPath);

  boxes.answer_yes = true;
  EXPECT_FALSE(file.write_bool(SettingId::DeviceSound, false));
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].caption, "警告");
  EXPECT_EQ(boxes.shown[0].text, "软件参数设置失败!\n\r错误产生原因可能是系统操作员权限不足!");
  EXPECT_EQ(boxes.shown[1].caption, "提示");
  EXPECT_EQ(boxes.shown[1].text, "是否继续提示该警告信息!");
  EXPECT_EQ(boxes.shown[0].icon, BoxIcon::Warning);
  EXPECT_EQ(boxes.shown[1].buttons, BoxButtons::YesNo);
  EXPECT_TRUE(file.warn_on_write_failure());

  boxes.answer_yes = false;
  EXPECT_FALSE(file.write_bool(SettingId::DeviceSound, true));
  EXPECT_EQ(boxes.shown.size(), 4u);
  EXPECT_FALSE(file.warn_on_write_failure());

  EXPECT_FALSE(file.write_bool(SettingId::DeviceAngle, false));
  EXPECT_EQ(boxes.shown.size(), 4u) << "silenced for the rest of the run";
}

TEST_F(SettingsFileTest, StartUpShowsTheWarningPairOnceThenTheFlagRulesAgain) {
  fs.files[kPath] = "";
  fs.read_only.insert(kPath);
  boxes.answer_yes = true;
  {
    const SettingsFile::StartUp starting(file);
    EXPECT_FALSE(file.write_bool(SettingId::DeviceSound, false));
    EXPECT_FALSE(file.write_bool(SettingId::DeviceAngle, false));
    EXPECT_FALSE(file.write_text(SettingId::WelcomeText, "Orvanta"));
    EXPECT_EQ(boxes.shown.size(), 2u) << "one pair for the whole start-up";
  }
  EXPECT_FALSE(file.write_bool(SettingId::Device1000, true));
  EXPECT_EQ(boxes.shown.size(), 4u) << "a later failure warns again";
}

}  // namespace
}  // namespace orvanta
