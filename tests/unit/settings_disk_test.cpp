// The settings file through the platform's real file system (Linux, or Windows under Wine).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "settings/settings_file.h"
#include "settings_fakes.h"
#include "sim/recording_message_boxes.h"

namespace orvanta {
namespace {

std::string utf8_path(const std::filesystem::path& path) {
  const auto text = path.u8string();
  return std::string(text.begin(), text.end());
}

class SettingsOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("orvanta-settings-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
           "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir);
    ASSERT_TRUE(fs->create_directory(utf8_path(dir)).ok);
    path = dir / "Talvenor.ini";
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(dir, ignored);
  }

  std::string bytes_on_disk() const {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  size_t files_in_dir() const {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
  }

  std::unique_ptr<FileSystem> fs = make_native_file_system();
  sim::RecordingMessageBoxes boxes;
  std::filesystem::path dir;
  std::filesystem::path path;
};

TEST_F(SettingsOnDisk, ChineseTextIsStoredAsGbkAndReadBack) {
  SettingsFile file(*fs, boxes, utf8_path(path));
  ASSERT_TRUE(file.write_text(kWelcomeSection, "Text", "欢迎使用"));
  ASSERT_TRUE(file.write_text(alarm_section(1), "Tip", "时间到"));

  EXPECT_EQ(bytes_on_disk(),
            "[Welcome]\r\nText=\xBB\xB6\xD3\xAD\xCA\xB9\xD3\xC3\r\n"
            "[Time1]\r\nTip=\xCA\xB1\xBC\xE4\xB5\xBD\r\n");
  EXPECT_EQ(file.read_text(kWelcomeSection, "Text", ""), "欢迎使用");
  EXPECT_EQ(file.read_text("time1", "tip", ""), "时间到");
  EXPECT_EQ(files_in_dir(), 1u) << "no temporary file left behind";
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SettingsOnDisk, AReadOnlyFileIsReportedAndKept) {
  SettingsFile file(*fs, boxes, utf8_path(path));
  ASSERT_TRUE(file.write_bool(SettingId::DeviceSound, true));
  std::filesystem::permissions(path,
                               std::filesystem::perms::owner_write |
                                   std::filesystem::perms::group_write |
                                   std::filesystem::perms::others_write,
                               std::filesystem::perm_options::remove);

  EXPECT_FALSE(file.write_bool(SettingId::DeviceSound, false));
  EXPECT_EQ(bytes_on_disk(), "[Setup]\r\nDevice_sound=1\r\n");
  EXPECT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(files_in_dir(), 1u);
}

TEST_F(SettingsOnDisk, AFolderThatTakesNoNewFileHasTheFileWrittenInPlace) {
  SettingsFile file(*fs, boxes, utf8_path(path));
  ASSERT_TRUE(file.write_bool(SettingId::DeviceSound, true));
  std::filesystem::permissions(dir,
                               std::filesystem::perms::owner_write |
                                   std::filesystem::perms::group_write |
                                   std::filesystem::perms::others_write,
                               std::filesystem::perm_options::remove);

  EXPECT_TRUE(file.write_bool(SettingId::DeviceSound, false));
  std::filesystem::permissions(dir, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
  EXPECT_EQ(bytes_on_disk(), "[Setup]\r\nDevice_sound=0\r\n");
  EXPECT_EQ(files_in_dir(), 1u);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SettingsOnDisk, TellsAMissingFileFromAFolderThatCannotBeMade) {
  EXPECT_FALSE(fs->file_exists(utf8_path(path)));
  EXPECT_EQ(fs->read_file(utf8_path(path)).status, ReadStatus::NotFound);
  EXPECT_TRUE(fs->create_directory(utf8_path(dir)).ok) << "an existing folder is fine";
  const FsResult nested = fs->create_directory(utf8_path(dir / "missing" / "child"));
  EXPECT_FALSE(nested.ok);
  EXPECT_FALSE(nested.error.empty());
}

}  // namespace
}  // namespace orvanta
