#pragma once
// A feature of the calculator beyond its keypad (a tool, a panel, an exchange with other
// programs) plugs in here. Before the calculator exists it offers the core's ports and the
// services it implements; once the calculator has started it registers its menu items, face
// keys, timers, panel and the keys it holds back, all through one small context; afterwards it
// hears what happens to the window and to the options. The feature list
// (app/feature_list.cpp) names each feature once.
#include <windows.h>

#include <functional>
#include <map>
#include <string_view>
#include <typeindex>
#include <typeinfo>
#include <vector>

#include "engine/calculator.h"
#include "engine/mouse_button.h"
#include "face/display_scale.h"
#include "face/key_navigation.h"
#include "settings/settings_file.h"
#include "win32/panels/panel.h"
#include "win32/system/program_clock.h"
#include "win32/system/timer_table.h"

namespace orvanta::win32 {

class PopupMenus;

// What features offer the composition root and each other, by type: the core's ports they
// implement (ConverterRefresh, ResultOutput, ...) and the links between panels.
class Services {
 public:
  template <class T>
  void provide(T& service) {
    map_[std::type_index(typeid(T))] = &service;
  }
  // nullptr when no feature offers it.
  template <class T>
  T* find() const {
    const auto it = map_.find(std::type_index(typeid(T)));
    return it == map_.end() ? nullptr : static_cast<T*>(it->second);
  }
  // What several features take alike (the calculator's finished results): each adds its own.
  template <class T>
  void add(T& taker) {
    many_[std::type_index(typeid(T))].push_back(&taker);
  }
  template <class T>
  std::vector<T*> all() const {
    std::vector<T*> takers;
    const auto it = many_.find(std::type_index(typeid(T)));
    if (it != many_.end()) {
      for (void* t : it->second) takers.push_back(static_cast<T*>(t));
    }
    return takers;
  }

 private:
  std::map<std::type_index, void*> map_;
  std::map<std::type_index, std::vector<void*>> many_;
};

// The calculator's window as a feature may ask it.
class FaceWindow {
 public:
  virtual ~FaceWindow() = default;
  virtual HWND hwnd() const = 0;
  // Hidden to the notification area ("最小化", the hotkey).
  virtual bool hidden() const = 0;
  virtual void hide_to_tray() = 0;
  virtual void restore_from_tray() = 0;
  // Ends the program at once, without the close question (an alarm's action).
  virtual void quit_now() = 0;
  virtual bool mini_mode() const = 0;
  // The face's pictures recoloured by a hue shift; returns the shift applied (clamped).
  virtual int recolour(int shift) = 0;
  // A whole click played on a face key, as chosen from the keyboard.
  virtual void press_key(std::string_view name, MouseButton mouse) = 0;
  // The LCD's pop-up menu below the LCD.
  virtual void popup_lcd_menu() = 0;
  virtual void show_help() = 0;
  // The formula bar's control (the keyboard holds back while the user types in it).
  virtual HWND formula_bar() const = 0;
  // The keyboard's focus on the face keys (Tab, the arrows, Space and Enter).
  virtual bool key_focus_shown() const = 0;
  virtual void move_key_focus(face::KeyStep step) = 0;
  virtual void press_focused_key() = 0;
};

// The one context a feature registers through.
class FeatureContext {
 public:
  using MenuAction = std::function<void()>;
  using KeyAction = std::function<void(MouseButton)>;

  virtual ~FeatureContext() = default;
  virtual Calculator& calculator() = 0;
  // Stores an option as its control would and tells every feature.
  virtual void change_option(SettingId id, const SettingValue& value) = 0;
  virtual SettingsFile& settings() = 0;
  virtual MessageBoxes& boxes() = 0;
  virtual MessagePump& pump() = 0;
  virtual Services& services() = 0;
  virtual FaceWindow& window() = 0;
  virtual PanelHost& panels() = 0;
  virtual TimerTable& timers() = 0;
  virtual ProgramClock& clock() = 0;
  virtual PopupMenus& menus() = 0;
  // Whether this run began without a settings file.
  virtual bool first_start() const = 0;

  // A menu item of the LCD or tray menu (greyed until something registers it).
  virtual void menu(UINT id, MenuAction action) = 0;
  // A face key that is no calculator key.
  virtual void key(std::string_view name, KeyAction action) = 0;
  // The calculator's keyboard keys are held back while `open` says so (a panel with keys of its
  // own).
  virtual void holds_keys_while(std::function<bool()> open) = 0;
  // Whether a feature holds the keyboard keys back just now.
  virtual bool keys_held() const = 0;
};

class Feature {
 public:
  virtual ~Feature() = default;
  // Before the calculator exists: the ports and services this feature implements.
  virtual void provide(Services&) {}
  // Once the calculator has started: menu items, keys, timers, panels. `context` lives as long
  // as the feature.
  virtual void attach(FeatureContext& context) = 0;

  // What happens afterwards; each feature takes what concerns it.
  virtual void option_changed(SettingId, const Options&) {}
  virtual void first_shown() {}
  // The face or the LCD took a press that was no key's.
  virtual void face_pressed() {}
  // The grab hand on the LCD was clicked.
  virtual void hand_clicked() {}
  // The window was dragged by `offset` (without the docking jumps).
  virtual void window_dragged(POINT) {}
  virtual void mini_mode_changed(bool) {}
  // The window went to a monitor of another scale (the panels are laid out again already).
  virtual void scale_changed(const face::DisplayScale&) {}
  virtual void hidden_to_tray() {}
  // A window message no other part took (a hotkey, ...); true when taken.
  virtual bool window_message(UINT, WPARAM, LPARAM, LRESULT&) { return false; }
  // A keyboard message before it is translated (key preview); true when taken.
  virtual bool pre_translate(MSG&) { return false; }
  virtual void closing() {}
};

}  // namespace orvanta::win32
