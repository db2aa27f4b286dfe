#pragma once
// Everything the calculator core talks to outside itself. The window, orvanta-sim and the
// tests each provide one set.
#include "engine/ports/base_strip.h"
#include "engine/ports/clipboard.h"
#include "engine/ports/constants_table_view.h"
#include "engine/ports/converter_refresh.h"
#include "engine/ports/formula_bar.h"
#include "engine/ports/lcd_renderer.h"
#include "engine/ports/message_pump.h"
#include "engine/ports/result_output.h"
#include "engine/ports/voice_player.h"
#include "platform/message_boxes.h"
#include "settings/settings_store.h"

namespace orvanta {

struct CalculatorPorts {
  LcdRenderer& lcd;
  FormulaBar& formula_bar;
  VoicePlayer& voice;
  MessageBoxes& message_boxes;
  SettingsStore& settings;
  Clipboard& clipboard;
  ResultOutput& output;
  ConverterRefresh& converter;
  MessagePump& pump;
  BaseStrip& base_strip;
  ConstantsTableView& constants;
};

}  // namespace orvanta
