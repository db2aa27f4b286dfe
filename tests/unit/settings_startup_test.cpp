#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/settings_file.h"
#include "settings/settings_location.h"
#include "settings/settings_startup.h"
#include "settings_fakes.h"
#include "sim/recording_message_boxes.h"

namespace orvanta {
namespace {

using sim::RecordingMessageBoxes;
using testing::FakeFileSystem;

constexpr const char* kDir = "C:\\Data\\Talvenor";
constexpr const char* kPath = "C:\\Data\\Talvenor\\Talvenor.ini";

// What a first start leaves on disk, GBK bytes.
constexpr const char* kFirstStartFile =
    "[Setup]\r\n"
    "Device_AutoCopyTo=0\r\n"
    "Device_find_windows=1\r\n"
    "Device_gs3500=5000\r\n"
    "Device_point=-1\r\n"
    "[Welcome]\r\n"
    "Text=\xBB\xB6\xD3\xAD\xCA\xB9\xD3\xC3Orvanta \xD7\xF7\xD5\xDF:Brenic\r\n"
    "[KeyBord]\r\n"
    "Key27=\xB5\xE7\xD4\xB4\r\n";

class StartupTest : public ::testing::Test {
 protected:
  FakeFileSystem fs;
  RecordingMessageBoxes boxes;
  SettingsFile file{fs, boxes, kPath};
  std::vector<StartupValue> applied;

  void start(bool can_store = true) {
    const StartupContext context{!file.exists(), can_store};
    read_startup_settings(file, context, [&](const StartupValue& v) { applied.push_back(v); });
  }

  const SettingValue& applied_value(SettingId id) const {
    for (const StartupValue& v : applied) {
      if (v.id == id) return v.value;
    }
    throw std::logic_error("setting not applied");
  }
};

TEST_F(StartupTest, AFirstStartLeavesTheFirstStartFile) {
  ASSERT_TRUE(prepare_settings_dir(fs, boxes, kDir));
  start();
  EXPECT_EQ(fs.files[kPath], kFirstStartFile);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(StartupTest, ASecondStartWritesNothingNew) {
  start();
  const std::string first = fs.files[kPath];
  applied.clear();
  start();
  EXPECT_EQ(fs.files[kPath], first);
}

TEST_F(StartupTest, AppliesEverySettingInReadingOrderWithItsDefault) {
  start();
  ASSERT_EQ(applied.size(), kStartupSettings.size());
  for (size_t i = 0; i < applied.size(); ++i) {
    const SettingInfo& info = kStartupSettings[i];
    EXPECT_EQ(applied[i].id, info.id);
    const SettingValue& value = applied[i].value;
    switch (info.type) {
      case SettingType::Boolean:
      case SettingType::OnWhenOne:
        EXPECT_EQ(std::get<bool>(value), info.default_value == "1") << info.key;
        break;
      case SettingType::Integer:
      case SettingType::Choice:
        EXPECT_EQ(std::to_string(std::get<int>(value)), info.default_value) << info.key;
        break;
      case SettingType::Text:
        EXPECT_EQ(std::get<std::string>(value), info.default_value) << info.key;
        break;
    }
  }
}

struct StoredCase {
  const char* setup_line;  // one line of section Setup before start-up
  SettingId id;
  SettingValue applied;
  const char* stored_after;  // the same key's line afterwards
};

class StoredValues : public StartupTest, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(StoredValues, AreAppliedAndRewrittenAsTheControlsDo) {
  const StoredCase& c = GetParam();
  fs.files[kPath] = std::string("[Setup]\r\n") + c.setup_line + "\r\n";
  start();
  EXPECT_EQ(applied_value(c.id), c.applied) << c.setup_line;
  EXPECT_NE(fs.files[kPath].find(std::string("\r\n") + c.stored_after + "\r\n"), std::string::npos)
      << fs.files[kPath];
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoredValues,
    ::testing::Values(
        StoredCase{"Device_AutoCopyTo=yes", SettingId::DeviceAutoCopyTo, false,
                   "Device_AutoCopyTo=yes"},
        StoredCase{"Device_AutoCopyTo=1", SettingId::DeviceAutoCopyTo, true, "Device_AutoCopyTo=1"},
        StoredCase{"Device_AutoCopyTo=", SettingId::DeviceAutoCopyTo, false, "Device_AutoCopyTo=0"},
        StoredCase{"Device_Windows_Top=0", SettingId::DeviceWindowsTop, false,
                   "Device_Windows_Top=0"},
        StoredCase{"Device_1000=2", SettingId::Device1000, true, "Device_1000=1"},
        StoredCase{"Device_1000=0x1", SettingId::Device1000, true, "Device_1000=1"},
        StoredCase{"Device_ESC_exit=abc", SettingId::DeviceEscExit, true, "Device_ESC_exit=abc"},
        StoredCase{"Device_find_windows=0", SettingId::DeviceFindWindows, false,
                   "Device_find_windows=0"},
        StoredCase{"Device_sound=0", SettingId::DeviceSound, false, "Device_sound=0"},
        StoredCase{"ColorSkin=500", SettingId::ColorSkin, 180, "ColorSkin=180"},
        StoredCase{"ColorSkin=-200", SettingId::ColorSkin, -180, "ColorSkin=-180"},
        StoredCase{"ColorSkin=abc", SettingId::ColorSkin, 0, "ColorSkin=abc"},
        StoredCase{"Device_capture=5", SettingId::DeviceCapture, 1, "Device_capture=5"},
        StoredCase{"Device_capture=3", SettingId::DeviceCapture, 3, "Device_capture=3"},
        StoredCase{"Device_capture=03", SettingId::DeviceCapture, 1, "Device_capture=03"},
        StoredCase{"Device_output_type=2", SettingId::DeviceOutputType, 2, "Device_output_type=2"},
        // An empty base takes its table's; without a table the one in force, 2019's.
        StoredCase{"Device_gs3500=", SettingId::DeviceGs3500, std::string("5000"),
                   "Device_gs3500=5000"},
        StoredCase{"Device_gs3500=4200", SettingId::DeviceGs3500, std::string("4200"),
                   "Device_gs3500=4200"},
        StoredCase{"Device_gs_0=\"1200\"", SettingId::DeviceGs0, std::string("1200"),
                   "Device_gs_0=1200"},
        StoredCase{"Device_gs_table=2", SettingId::DeviceGsTable, 2, "Device_gs_table=2"},
        StoredCase{"Device_gs_table=3", SettingId::DeviceGsTable, 3, "Device_gs_table=3"},
        // No choice: the default, the table in force.
        StoredCase{"Device_gs_table=2019", SettingId::DeviceGsTable, 2, "Device_gs_table=2019"},
        StoredCase{"Device_point=4", SettingId::DevicePoint, std::string("4"), "Device_point=4"}));

TEST_F(StartupTest, AStoredWelcomeLineIsKept) {
  fs.files[kPath] = "[Welcome]\r\nText=Hello\r\n";
  start();
  EXPECT_EQ(applied_value(SettingId::WelcomeText), SettingValue(std::string("Hello")));
  EXPECT_NE(fs.files[kPath].find("[Welcome]\r\nText=Hello\r\n"), std::string::npos);
  EXPECT_EQ(fs.files[kPath].find("Key27"), std::string::npos) << "not a first start";
}

TEST_F(StartupTest, WithoutTheSettingsFolderRunsOnDefaultsAndReportsOnce) {
  fs.refuse_directories = true;
  const bool ready = prepare_settings_dir(fs, boxes, kDir);
  EXPECT_FALSE(ready);
  start(ready);

  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].caption, kSettingsDirErrorCaption);
  EXPECT_EQ(applied.size(), kStartupSettings.size());
  EXPECT_TRUE(fs.files.empty());

  // A later change still tries, and warns as usual.
  fs.read_only.insert(kPath);
  EXPECT_FALSE(file.write_bool(SettingId::DeviceSound, false));
  EXPECT_EQ(boxes.shown.size(), 3u);
}

TEST_F(StartupTest, AnUnreadableFileGivesTheDefaultsAndIsLeftAlone) {
  fs.files[kPath] = "[Setup]\r\nDevice_sound=0\r\n";
  fs.unreadable.insert(kPath);
  start();
  EXPECT_EQ(applied_value(SettingId::DeviceSound), SettingValue(true));
  EXPECT_EQ(boxes.shown.size(), 2u) << "one warning pair";
  EXPECT_EQ(fs.files[kPath], "[Setup]\r\nDevice_sound=0\r\n");
}

TEST(SettingsLocation, UsesTheAllUsersFolderOrTheSystemFolder) {
  EXPECT_EQ(settings_dir(std::string("C:\\ProgramData"), "C:\\Windows\\system32"),
            "C:\\ProgramData\\Talvenor");
  EXPECT_EQ(settings_dir(std::string("C:\\ProgramData\\"), "C:\\Windows\\system32"),
            "C:\\ProgramData\\Talvenor");
  EXPECT_EQ(settings_dir(std::nullopt, "C:\\Windows\\system32"), "C:\\Windows\\system32\\Talvenor");
  EXPECT_EQ(settings_dir(std::nullopt, "C:\\"), "C:\\Talvenor");
  EXPECT_EQ(settings_file("C:\\ProgramData\\Talvenor"), "C:\\ProgramData\\Talvenor\\Talvenor.ini");
}

}  // namespace
}  // namespace orvanta
