// The settings file as an editor or an administrator may leave it: saved with a byte-order
// mark (read in its own encoding and written back in it), or in a folder that takes no new
// file (written in place).
#include <aclapi.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "face_reader.h"
#include "harness.h"
#include "platform/text_encoding.h"

namespace orvanta::e2e {
namespace {

using namespace std::chrono_literals;

std::string read_file_bytes(const std::wstring& path) {
  std::string bytes;
  FILE* f = _wfopen(path.c_str(), L"rb");
  if (!f) return bytes;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, f)) > 0;) bytes.append(buffer, n);
  fclose(f);
  return bytes;
}

std::string utf16le(std::u16string_view text) {
  std::string bytes;
  for (const char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

struct MarkedFile {
  const char* name;
  std::string mark;
  std::string (*encode)(std::u16string_view);
};

class MarkedSettingsFile : public ::testing::TestWithParam<MarkedFile> {
 protected:
  void SetUp() override { remove_settings(); }
  void TearDown() override { remove_settings(); }

  App app;
  FaceReader reader;
};

TEST_P(MarkedSettingsFile, IsReadAndWrittenInItsOwnEncoding) {
  const MarkedFile& file = GetParam();
  // Scientific mode and the welcome line (shown with a blank after it) come from the file;
  // voice off is written into it.
  write_settings(file.mark + file.encode(u"[Setup]\r\nDevice_Science_calc=1\r\n"
                                         u"[Welcome]\r\nText=你好，€\r\n"));
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(poll_until([&] { return reader.lcd_text(app.capture()) == "0."; }));
  EXPECT_TRUE(reader.indicator_visible(app.capture(), "KX_MODE"));
  EXPECT_TRUE(poll_until([&] { return app.text_at(46 + 20, 105 + 8) == L"你好，€ "; }, 5s))
      << testing::PrintToString(app.text_at(46 + 20, 105 + 8));

  const POINT voice = FaceReader::key_centre("voice");
  app.click(voice.x, voice.y);
  ASSERT_TRUE(poll_until([&] { return !reader.indicator_visible(app.capture(), "sound_on"); }));
  std::string bytes;
  ASSERT_TRUE(poll_until([&] {
    bytes = read_file_bytes(settings_file());
    return bytes.find(file.encode(u"Device_sound=0")) != std::string::npos;
  })) << "the file holds no Device_sound=0 in its own encoding";
  ASSERT_TRUE(bytes.starts_with(file.mark));
  // The whole file, what the start-up added included, is still text of that one encoding.
  const std::string body = bytes.substr(file.mark.size());
  if (file.mark.size() == 2) {
    ASSERT_EQ(body.size() % 2, 0u);
    std::u16string units;
    for (size_t i = 0; i < body.size(); i += 2) {
      units += static_cast<char16_t>(static_cast<unsigned char>(body[i]) |
                                     static_cast<unsigned char>(body[i + 1]) << 8);
    }
    EXPECT_NO_THROW(utf16_to_utf8(units));
  } else {
    EXPECT_NO_THROW(utf8_to_utf16(body));
  }
  EXPECT_NE(body.find(file.encode(u"Text=你好，€")), std::string::npos);
  EXPECT_NE(body.find(file.encode(u"Device_Science_calc=1")), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Marks, MarkedSettingsFile,
    ::testing::Values(MarkedFile{"Utf8", "\xEF\xBB\xBF",
                                 [](std::u16string_view t) { return utf16_to_utf8(t); }},
                      MarkedFile{"Utf16Le", "\xFF\xFE", utf16le}),
    [](const ::testing::TestParamInfo<MarkedFile>& info) { return std::string(info.param.name); });

// The settings folder takes no new file while its files stay writable. On Windows an ACE denies
// everyone adding a file; Wine does not enforce it, so there tests/e2e/sealed_folder.sh marks the
// folder immutable around the run and says so through ORVANTA_E2E_SEALED_FOLDER.
class FolderTakingNoNewFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = settings_folder();
    if (sealed_outside()) {
      write_settings("[Setup]\r\nDevice_sound=1\r\n");  // the file is there, so this rewrites it
      return;
    }
    remove_settings();
    write_settings("[Setup]\r\nDevice_sound=1\r\n");
    PACL old_acl = nullptr;
    ASSERT_EQ(GetNamedSecurityInfoW(folder_.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                                    nullptr, nullptr, &old_acl, nullptr, &descriptor_),
              ERROR_SUCCESS);
    EXPLICIT_ACCESSW deny{};
    deny.grfAccessPermissions = FILE_ADD_FILE;
    deny.grfAccessMode = DENY_ACCESS;
    deny.grfInheritance = NO_INHERITANCE;
    BuildTrusteeWithNameW(&deny.Trustee, const_cast<wchar_t*>(L"EVERYONE"));
    PACL new_acl = nullptr;
    ASSERT_EQ(SetEntriesInAclW(1, &deny, old_acl, &new_acl), ERROR_SUCCESS);
    old_acl_ = old_acl;
    const DWORD set =
        SetNamedSecurityInfoW(folder_.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, new_acl, nullptr);
    LocalFree(new_acl);
    ASSERT_EQ(set, ERROR_SUCCESS);
    denied_ = true;
  }
  void TearDown() override {
    if (denied_) {
      SetNamedSecurityInfoW(folder_.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                            nullptr, old_acl_, nullptr);
    }
    if (descriptor_) LocalFree(descriptor_);
    if (!sealed_outside()) remove_settings();
  }
  static bool sealed_outside() { return _wgetenv(L"ORVANTA_E2E_SEALED_FOLDER") != nullptr; }
  // Whether this system really refuses a new file here (it may not enforce the ACE).
  bool refuses_new_files() const {
    const std::wstring probe = folder_ + L"\\probe.tmp";
    const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return true;
    CloseHandle(file);
    DeleteFileW(probe.c_str());
    return false;
  }

  std::wstring folder_;
  PSECURITY_DESCRIPTOR descriptor_ = nullptr;
  PACL old_acl_ = nullptr;
  bool denied_ = false;
  App app;
  FaceReader reader;
};

TEST_F(FolderTakingNoNewFile, HasTheSettingsFileWrittenInPlaceWithoutAWarning) {
  if (sealed_outside()) {
    ASSERT_TRUE(refuses_new_files()) << "the folder was to be sealed by the script";
  } else if (!refuses_new_files()) {
    GTEST_SKIP() << "this system lets every file be added to the folder (ACL not enforced; "
                    "the ctest entry settings_sealed_folder_e2e covers it under Wine)";
  }
  ASSERT_TRUE(app.start());
  ASSERT_TRUE(poll_until([&] { return reader.lcd_text(app.capture()) == "0."; }));
  const POINT voice = FaceReader::key_centre("voice");
  app.click(voice.x, voice.y);
  EXPECT_TRUE(poll_until([&] { return read_setting(L"Setup", L"Device_sound") == L"0"; }));
  app.wait_idle();
  EXPECT_EQ(app.find_window(L"警告"), nullptr);
}

// A settings file that cannot be written: start-up writes back many values, yet the user sees
// the warning pair once; answering Yes keeps the warnings for later changes.
TEST(UnwritableSettingsFile, WarnsOnceAtStartUp) {
  remove_settings();
  write_settings("[Setup]\r\nDevice_sound=0\r\n");
  ASSERT_TRUE(SetFileAttributesW(settings_file().c_str(), FILE_ATTRIBUTE_READONLY));
  App app;
  ASSERT_TRUE(app.launch());
  int warnings = 0;
  const auto answer_boxes = [&] {
    bool answered = false;
    if (const HWND warning = app.find_window(L"警告")) {
      ++warnings;
      App::press_dialog_button(warning, L"确定") || App::press_dialog_button(warning, L"OK");
      poll_until([&] { return app.find_window(L"警告") != warning; }, 2s);
      answered = true;
    }
    if (const HWND ask = app.find_window(L"提示")) {
      App::press_dialog_button(ask, L"是") || App::press_dialog_button(ask, L"Yes");
      poll_until([&] { return app.find_window(L"提示") != ask; }, 2s);
      answered = true;
    }
    return answered;
  };
  // Until the window shows and, the program having taken everything sent to it, no box is open.
  EXPECT_TRUE(poll_until(
      [&] {
        answer_boxes();
        if (!app.main_shown()) return false;
        app.wait_idle();
        return app.find_window(L"警告") == nullptr && app.find_window(L"提示") == nullptr;
      },
      30s));
  ASSERT_TRUE(app.main_shown());
  EXPECT_EQ(warnings, 1) << "warning pairs at start-up";
  // A change after start-up warns again, as the answer Yes asked.
  const POINT voice = FaceReader::key_centre("voice");
  app.click(voice.x, voice.y);
  EXPECT_TRUE(poll_until([&] { return app.find_window(L"警告") != nullptr; }, 5s));
  answer_boxes();
  SetFileAttributesW(settings_file().c_str(), FILE_ATTRIBUTE_NORMAL);
  remove_settings();
}

}  // namespace
}  // namespace orvanta::e2e
