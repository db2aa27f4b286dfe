#pragma once
// Recording stand-ins for every port of the calculator core: orvanta-sim prints from them and
// the unit tests read them. Header-only so the tests can use them without the sim program.
#include <functional>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "display/voice_tokens.h"
#include "engine/ports/calculator_ports.h"
#include "sim/recording_message_boxes.h"
#include "tools/units/unit_converter.h"

namespace orvanta::sim {

struct RecordingLcd : LcdRenderer {
  void show(const LcdFrame& f) override {
    frame = f;
    ++shows;
  }
  LcdFrame frame;
  int shows = 0;
};

struct RecordingFormulaBar : FormulaBar {
  void set_text(std::string_view t) override { bar = t; }
  void set_read_only(bool r) override { read_only = r; }
  std::string bar;
  bool read_only = true;
};

// Keeps the tokens that have a clip, as a listener hears them.
struct RecordingVoice : VoicePlayer {
  void play(std::string_view token) override {
    if (!voice_clip_resource(token).empty()) said.emplace_back(token);
  }
  std::vector<std::string> said;
};

// The settings file kept in memory.
struct MemorySettings : SettingsStore {
  std::optional<IniDocument> read_document() override { return document; }
  bool write_values(std::string_view section, std::span<const SettingEntry> entries) override {
    for (const SettingEntry& entry : entries) {
      document.set(section, entry.key, entry.value);
      written.push_back(std::string(section) + "/" + entry.key + "=" + entry.value);
    }
    return true;
  }
  void report_failure() override {}
  // The stored text of a key of section Setup, empty when absent.
  std::string value(std::string_view key) const {
    return document.get(kSetupSection, key).value_or("");
  }
  IniDocument document;
  std::vector<std::string> written;  // "section/key=value", in order
};

struct RecordingClipboard : Clipboard {
  void set_text(std::string_view t) override { text = t; }
  std::string text;
};

struct RecordingOutput : ResultOutput {
  void send(const FinalResult& result) override {
    sent.push_back(result);
    if (next != nullptr) next->send(result);
  }
  std::vector<FinalResult> sent;
  ResultOutput* next = nullptr;  // another taker (the sim's history tape)
};

// Waits take no time; `during_wait` stands for the key presses the user makes meanwhile.
struct RecordingPump : MessagePump {
  void wait(int milliseconds) override {
    waits.push_back(milliseconds);
    if (during_wait) during_wait(milliseconds);
  }
  std::vector<int> waits;
  std::function<void(int)> during_wait;
};

// The base strip and the constants table beside the keys.
struct RecordingFace : BaseStrip, ConstantsTableView {
  void show_base_strip(NumberBase base) override { strip = base; }
  void show_constants_table() override { constants_shown = true; }
  void hide_constants_table() override { constants_shown = false; }
  NumberBase strip = NumberBase::Dec;
  bool constants_shown = false;
};

// One full set of recording ports.
struct RecordingPorts {
  RecordingLcd lcd;
  RecordingFormulaBar formula_bar;
  RecordingVoice voice;
  RecordingMessageBoxes message_boxes;
  MemorySettings settings;
  RecordingClipboard clipboard;
  RecordingOutput output;
  // The real grid: it holds nothing but texts.
  UnitConverter converter;
  RecordingPump pump;
  RecordingFace face;

  CalculatorPorts ports() {
    return {lcd,    formula_bar, voice, message_boxes, settings, clipboard,
            output, converter,   pump,  face,          face};
  }
};

}  // namespace orvanta::sim
