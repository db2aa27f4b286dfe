// The one options model: the table's defaults are the struct's, every control of the settings
// panel stores its own key with its own value, and start-up takes every key.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/calculator.h"
#include "numeric/profile_values.h"
#include "settings/option_values.h"
#include "sim/calculator_sim.h"

namespace orvanta {
namespace {

// A stored text for each key that is none of its defaults, and different from key to key where
// the type allows it, with the value start-up should make of it.
struct Distinct {
  std::string stored;
  SettingValue value;
};

Distinct distinct_value(const SettingInfo& info) {
  switch (info.type) {
    case SettingType::Boolean:
    case SettingType::OnWhenOne: {
      const bool on = info.default_value != "1";
      return {profile_text(on), on};
    }
    case SettingType::Integer:
    case SettingType::Choice:
      return {profile_text(info.max_value), info.max_value};
    case SettingType::Text: {
      const std::string text = std::to_string(20 + static_cast<int>(info.id));
      return {text, text};
    }
  }
  return {};
}

class OptionsTest : public ::testing::Test {
 protected:
  void start(const StartupContext& context = {}) {
    calc_ = std::make_unique<Calculator>(ports_.ports());
    calc_->start(context);
    calc_->first_show();
  }

  sim::RecordingPorts ports_;
  std::unique_ptr<Calculator> calc_;
};

TEST(OptionsTable, TheStructStartsWithTheFileDefaults) {
  for (const SettingInfo& info : kStartupSettings) {
    EXPECT_EQ(stored_text(option_value(Options{}, info.id)), info.default_value) << info.key;
  }
}

TEST(OptionsTable, EveryKeyIsFoundAndReadBackAsStored) {
  for (const SettingInfo& info : kStartupSettings) {
    ASSERT_EQ(find_setting(info.key), &info) << info.key;
    const Distinct d = distinct_value(info);
    Options options;
    set_option(options, info.id, d.value);
    EXPECT_EQ(option_value(options, info.id), d.value) << info.key;
    EXPECT_EQ(stored_text(option_value(options, info.id)), d.stored) << info.key;
  }
  EXPECT_EQ(find_setting("Device_nothing"), nullptr);
}

TEST(OptionsTable, InitialStateIsWhatThePanelShowsBeforeReading) {
  Options expected;
  expected.ignore_topmost = false;  // unticked, though the file's default is on
  expected.welcome_text.clear();
  EXPECT_EQ(initial_options(), expected);
}

TEST_F(OptionsTest, EachPanelControlStoresItsOwnKeyWithItsOwnValue) {
  start();
  for (const SettingId id : kPanelSettings) {
    const SettingInfo& info = setting_info(id);
    const Distinct d = distinct_value(info);
    ports_.settings.written.clear();
    calc_->change_option(id, d.value);
    const std::string expected =
        std::string(info.section) + "/" + std::string(info.key) + "=" + d.stored;
    EXPECT_EQ(ports_.settings.written, std::vector<std::string>{expected}) << info.key;
    EXPECT_EQ(option_value(calc_->options(), id), d.value) << info.key;
  }
}

TEST_F(OptionsTest, StartUpTakesEveryKey) {
  for (const SettingInfo& info : kStartupSettings) {
    ports_.settings.document.set(info.section, info.key, distinct_value(info).stored);
  }
  start();
  for (const SettingInfo& info : kStartupSettings) {
    EXPECT_EQ(option_value(calc_->options(), info.id), distinct_value(info).value) << info.key;
  }
  // The core acts on its own at once.
  EXPECT_TRUE(calc_->options().auto_output);
  EXPECT_FALSE(calc_->options().sound);
  EXPECT_FALSE(ports_.lcd.frame.lights.sound_on);
  EXPECT_FALSE(calc_->options().degrees);
  EXPECT_TRUE(ports_.lcd.frame.lights.angle_hd) << "radians";
  EXPECT_TRUE(ports_.lcd.frame.lights.kx_mode) << "scientific mode";
  EXPECT_EQ(ports_.formula_bar.bar,
            distinct_value(setting_info(SettingId::WelcomeText)).stored + " ");
}

TEST_F(OptionsTest, TheWelcomeLineEndsInOneBlankWhereverItComesFrom) {
  start();
  EXPECT_EQ(calc_->calc_state().welcome_text, std::string(kDefaultWelcomeText) + " ");
  calc_->change_option(SettingId::WelcomeText, std::string("你好"));
  EXPECT_EQ(calc_->calc_state().welcome_text, "你好 ");
  EXPECT_EQ(ports_.settings.value("Text"), "") << "kept in section Welcome";
  EXPECT_EQ(ports_.settings.document.get(kWelcomeSection, "Text"), "你好");
}

}  // namespace
}  // namespace orvanta
