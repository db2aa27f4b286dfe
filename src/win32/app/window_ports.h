#pragma once
// The main window's implementations of the calculator core's ports.
#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "engine/ports/calculator_ports.h"
#include "settings/settings_store.h"
#include "tools/exchange_output.h"
#include "tools/unit_converter.h"
#include "win32/chrome/formula_bar.h"
#include "win32/system/message_boxes.h"
#include "win32/system/window_exchange.h"

namespace orvanta::win32 {

class Tcomputer_qel;

class WindowLcd : public LcdRenderer {
 public:
  explicit WindowLcd(Tcomputer_qel& w) : w_(w) {}
  void show(const LcdFrame& frame) override;

 private:
  Tcomputer_qel& w_;
};

class WindowVoice : public VoicePlayer {
 public:
  explicit WindowVoice(Tcomputer_qel& w) : w_(w) {}
  void play(std::string_view token) override;

 private:
  Tcomputer_qel& w_;
};

class WindowClipboard : public Clipboard {
 public:
  explicit WindowClipboard(HWND* owner) : owner_(owner) {}
  void set_text(std::string_view text) override;

 private:
  HWND* owner_;
};

class WindowFacePanels : public FacePanels {
 public:
  explicit WindowFacePanels(Tcomputer_qel& w) : w_(w) {}
  void show_base_strip(NumberBase base) override;
  void show_constants_table() override;
  void hide_constants_table() override;

 private:
  Tcomputer_qel& w_;
};

// Holds one of each port for the main window.
struct WindowPorts {
  WindowPorts(Tcomputer_qel& w, HWND* owner, MessagePump& pump)
      : lcd(w),
        voice(w),
        boxes(owner),
        clipboard(owner),
        exchange(owner, pump),
        face(w),
        pump(pump) {}

  CalculatorPorts ports() {
    return {lcd, formula_bar, voice, boxes, *settings, clipboard, output, converter, pump, face};
  }

  WindowLcd lcd;
  FormulaBarControl formula_bar;
  WindowVoice voice;
  WindowMessageBoxes boxes;
  WindowClipboard clipboard;
  WindowExchange exchange;          // the window below: typing into it, copying from it
  ExchangeOutput output{exchange};  // results in their output form, to the window below
  // The converter's grid; its window TForm2 draws it.
  UnitConverter converter;
  WindowFacePanels face;
  SettingsStore* settings = nullptr;  // the settings file, once open
  MessagePump& pump;
};

}  // namespace orvanta::win32
