#pragma once
// Every value the calculator keeps in its settings file, described once: the start-up reader,
// the writers and the tests all walk these tables.
#include <array>
#include <string>
#include <string_view>
#include <variant>

#include "settings/options.h"

namespace orvanta {

inline constexpr std::string_view kSetupSection = "Setup";
inline constexpr std::string_view kWelcomeSection = "Welcome";
inline constexpr std::string_view kKeyBordSection = "KeyBord";

enum class SettingType {
  Text,
  Boolean,    // "1" or "0"; read as an integer, non-zero is true
  Integer,    // decimal; clamped to [min_value, max_value] where the control clamps
  Choice,     // exactly one of "1" .. max_value, compared as text; anything else is the default
  OnWhenOne,  // on exactly when the text is "1"
};

// What start-up does besides applying the stored value to its control.
enum class StartupWrite {
  None,         // no control of its own: nothing is written back
  WhenEmpty,    // absent or empty: the default is written
  WhenChanged,  // the control's change handler runs, and writes, when the value differs
                // from the control's state before the file is read
};

// Who acts on a changed option (everyone may read it).
enum class OptionOwner {
  Core,      // the calculator engine
  Window,    // the Windows front end
  Exchange,  // the exchange with the window below
  Tools,     // a tool window (the income-tax panel)
};

// The income-tax panel's tables as Device_gs_table stores them. A file without the key is on
// the law in force; a stored "1" keeps the old table.
inline constexpr int kTaxTable2011 = 1;        // the monthly brackets of 2011
inline constexpr int kTaxTable2019 = 2;        // the monthly brackets of 2019
inline constexpr int kTaxTableCumulative = 3;  // cumulative withholding, since 2019

// The base field's text that goes with a table: the monthly tax-free amount of its rules.
constexpr std::string_view tax_base_for_table(int table) {
  return table == kTaxTable2011 ? "3500" : "5000";
}

// The member of Options a setting is kept in.
using OptionField = std::variant<bool Options::*, int Options::*, std::string Options::*>;

enum class SettingId {
  DeviceAutoCopyTo,
  Device1000,
  DeviceWindowsTop,
  DeviceInputBds,
  DeviceInputSpace,
  DeviceInputEnter,
  DeviceInputClip,
  DeviceInputAutoclip,
  DeviceFindWindows,
  DeviceEscExit,
  DeviceInputShow,
  DeviceScienceCalc,
  DeviceSound,
  DeviceAngle,
  DeviceGs3500,
  DeviceGs0,
  DeviceGsTable,
  DeviceCapture,
  DeviceOutputType,
  ColorSkin,
  DevicePoint,
  WelcomeText,
};

struct SettingInfo {
  SettingId id;
  std::string_view section;
  std::string_view key;
  SettingType type;
  std::string_view default_value;  // as stored
  StartupWrite startup_write;
  std::string_view initial_state;  // the control's state before reading, as stored
  OptionField field;
  OptionOwner owner;
  int min_value = 0;
  int max_value = 0;
};

// Sections Setup and Welcome, in the order start-up reads them.
inline constexpr std::array kStartupSettings = {
    SettingInfo{SettingId::DeviceAutoCopyTo, kSetupSection, "Device_AutoCopyTo",
                SettingType::OnWhenOne, "0", StartupWrite::WhenEmpty, "0", &Options::auto_output,
                OptionOwner::Core},
    SettingInfo{SettingId::Device1000, kSetupSection, "Device_1000", SettingType::Boolean, "0",
                StartupWrite::WhenChanged, "0", &Options::thousands, OptionOwner::Core},
    SettingInfo{SettingId::DeviceWindowsTop, kSetupSection, "Device_Windows_Top",
                SettingType::Boolean, "1", StartupWrite::WhenChanged, "1", &Options::stay_on_top,
                OptionOwner::Window},
    SettingInfo{SettingId::DeviceInputBds, kSetupSection, "Device_input_bds", SettingType::Boolean,
                "0", StartupWrite::WhenChanged, "0", &Options::output_formula,
                OptionOwner::Exchange},
    SettingInfo{SettingId::DeviceInputSpace, kSetupSection, "Device_input_space",
                SettingType::Boolean, "0", StartupWrite::WhenChanged, "0", &Options::output_space,
                OptionOwner::Exchange},
    SettingInfo{SettingId::DeviceInputEnter, kSetupSection, "Device_input_enter",
                SettingType::Boolean, "0", StartupWrite::WhenChanged, "0", &Options::output_enter,
                OptionOwner::Exchange},
    SettingInfo{SettingId::DeviceInputClip, kSetupSection, "Device_input_clip",
                SettingType::Boolean, "0", StartupWrite::WhenChanged, "0",
                &Options::output_clipboard, OptionOwner::Exchange},
    SettingInfo{SettingId::DeviceInputAutoclip, kSetupSection, "Device_input_autoclip",
                SettingType::Boolean, "0", StartupWrite::WhenChanged, "0",
                &Options::result_to_clipboard, OptionOwner::Core},
    // Defaults to on but its box starts unticked, so a first start stores it.
    SettingInfo{SettingId::DeviceFindWindows, kSetupSection, "Device_find_windows",
                SettingType::Boolean, "1", StartupWrite::WhenChanged, "0", &Options::ignore_topmost,
                OptionOwner::Exchange},
    SettingInfo{SettingId::DeviceEscExit, kSetupSection, "Device_ESC_exit", SettingType::Boolean,
                "1", StartupWrite::WhenChanged, "1", &Options::close_prompt, OptionOwner::Window},
    SettingInfo{SettingId::DeviceInputShow, kSetupSection, "Device_input_show",
                SettingType::Boolean, "1", StartupWrite::WhenChanged, "1",
                &Options::formula_bar_shown, OptionOwner::Window},
    SettingInfo{SettingId::DeviceScienceCalc, kSetupSection, "Device_Science_calc",
                SettingType::Boolean, "0", StartupWrite::WhenChanged, "0", &Options::science_mode,
                OptionOwner::Core},
    SettingInfo{SettingId::DeviceSound, kSetupSection, "Device_sound", SettingType::Boolean, "1",
                StartupWrite::None, "", &Options::sound, OptionOwner::Core},
    SettingInfo{SettingId::DeviceAngle, kSetupSection, "Device_angle", SettingType::Boolean, "1",
                StartupWrite::None, "", &Options::degrees, OptionOwner::Core},
    // An empty field falls back to its table's base (settle_tax_base), so a first start stores
    // it.
    SettingInfo{SettingId::DeviceGs3500, kSetupSection, "Device_gs3500", SettingType::Text,
                tax_base_for_table(kTaxTable2019), StartupWrite::WhenChanged,
                tax_base_for_table(kTaxTable2019), &Options::tax_base, OptionOwner::Tools},
    SettingInfo{SettingId::DeviceGs0, kSetupSection, "Device_gs_0", SettingType::Text, "",
                StartupWrite::WhenChanged, "", &Options::tax_deductions, OptionOwner::Tools},
    SettingInfo{SettingId::DeviceGsTable, kSetupSection, "Device_gs_table", SettingType::Choice,
                "2", StartupWrite::WhenChanged, "2", &Options::tax_table, OptionOwner::Tools,
                kTaxTable2011, kTaxTableCumulative},
    SettingInfo{SettingId::DeviceCapture, kSetupSection, "Device_capture", SettingType::Choice, "1",
                StartupWrite::WhenChanged, "1", &Options::capture, OptionOwner::Exchange, 1, 4},
    SettingInfo{SettingId::DeviceOutputType, kSetupSection, "Device_output_type",
                SettingType::Choice, "1", StartupWrite::WhenChanged, "1", &Options::output_type,
                OptionOwner::Exchange, 1, 2},
    SettingInfo{SettingId::ColorSkin, kSetupSection, "ColorSkin", SettingType::Integer, "0",
                StartupWrite::WhenChanged, "0", &Options::skin_shift, OptionOwner::Window, -180,
                180},
    SettingInfo{SettingId::DevicePoint, kSetupSection, "Device_point", SettingType::Text, "-1",
                StartupWrite::WhenChanged, "-1", &Options::precision, OptionOwner::Core},
    SettingInfo{SettingId::WelcomeText, kWelcomeSection, "Text", SettingType::Text,
                kDefaultWelcomeText, StartupWrite::WhenEmpty, "", &Options::welcome_text,
                OptionOwner::Core},
};

const SettingInfo& setting_info(SettingId id);

// What the controls of the settings panel edit, one control (or group of radio buttons) each.
inline constexpr std::array kPanelSettings = {
    SettingId::DevicePoint,         SettingId::Device1000,        SettingId::DeviceWindowsTop,
    SettingId::DeviceInputBds,      SettingId::DeviceInputSpace,  SettingId::DeviceInputEnter,
    SettingId::DeviceInputClip,     SettingId::DeviceCapture,     SettingId::DeviceOutputType,
    SettingId::DeviceInputAutoclip, SettingId::DeviceScienceCalc, SettingId::DeviceEscExit,
    SettingId::DeviceInputShow,     SettingId::DeviceFindWindows, SettingId::WelcomeText,
};

// A key of an alarm section or of a key binding, with its default.
struct KeyInfo {
  std::string_view key;
  SettingType type;
  std::string_view default_value;
};

inline constexpr int kAlarmCount = 6;

// Sections Time1 .. Time6, one per alarm, keys in the order an alarm page writes them.
inline constexpr std::array kAlarmKeys = {
    KeyInfo{"on", SettingType::Boolean, "0"},
    KeyInfo{"Time", SettingType::Text, "00:00:00"},
    KeyInfo{"Tip", SettingType::Text, "您设定的时间已到，请注意！"},
    KeyInfo{"File", SettingType::Text, ""},
    KeyInfo{"show", SettingType::Boolean, "1"},
    KeyInfo{"Action", SettingType::Integer, "1"},
};

// "Time1" .. "Time6" for alarms 1 to 6.
std::string alarm_section(int alarm);

inline constexpr int kKeyCodeCount = 256;

// Section KeyBord: per key code n the group Key<n>, Key<n>Ctrl, Key<n>Shift, Key<n>Alt; the
// table gives the suffixes.
inline constexpr std::array kKeyBindingKeys = {
    KeyInfo{"", SettingType::Text, ""},
    KeyInfo{"Ctrl", SettingType::Boolean, "0"},
    KeyInfo{"Shift", SettingType::Boolean, "0"},
    KeyInfo{"Alt", SettingType::Boolean, "0"},
};

// "Key27", "Key27Ctrl", ...: the code in decimal, no leading zeros.
std::string key_binding_key(int key_code, std::string_view suffix);

// Written on the very first start: Esc presses the power key.
inline constexpr int kEscKeyCode = 27;
inline constexpr std::string_view kEscBinding = "电源";

}  // namespace orvanta
