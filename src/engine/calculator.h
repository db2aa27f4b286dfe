#pragma once
// The calculator core: the state record, one handler per face key, `enter`, `qel_play` and
// the voice. Knows nothing of windows; everything outside goes through CalculatorPorts.
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "display/lcd_frame.h"
#include "display/output_form.h"
#include "engine/calc_state.h"
#include "engine/mouse_button.h"
#include "engine/ports/calculator_ports.h"
#include "engine/trig_functions.h"
#include "formula/formula_host.h"
#include "formula/formula_panel.h"
#include "settings/option_values.h"
#include "settings/settings_startup.h"

namespace orvanta {

inline constexpr std::string_view kErrorMark = "......";

class Calculator {
 public:
  explicit Calculator(const CalculatorPorts& ports);
  Calculator(const Calculator&) = delete;
  Calculator& operator=(const Calculator&) = delete;

  // Start-up, as the window and orvanta-sim run it: reads the options from the settings store
  // in the table's order, stores what start-up stores (on a first start also the Esc key's
  // binding) and takes the options. The first show then draws "0." and puts the welcome line in
  // the formula bar.
  const Options& start(const StartupContext& context);
  void first_show();

  CalcState& calc_state() { return state_; }
  const CalcState& calc_state() const { return state_; }
  // The one copy of the options: the window and the exchange read them here.
  const Options& options() const { return options_; }
  const LcdFrame& frame() const { return frame_; }
  // What the evaluator needs when the formula panel or the grab runs it.
  FormulaHost& formula_host() { return host_; }
  // The window's message boxes, shown after the LCD has caught up; the tools report here too.
  MessageBoxes& message_boxes() { return boxes_; }

  // An option changed (a control, a menu item, a key): it is stored, the core acts on its own
  // options, then every listener is told; this is the options' one writer.
  void change_option(SettingId id, const SettingValue& value);
  using OptionListener = std::function<void(SettingId id, const Options& now)>;
  void listen_options(OptionListener listener) { option_listeners_.push_back(std::move(listener)); }
  void science_mode_changed(bool on) { change_option(SettingId::DeviceScienceCalc, on); }
  void precision_changed(std::string_view text) {
    change_option(SettingId::DevicePoint, std::string(text));
  }
  void thousands_changed(bool on) { change_option(SettingId::Device1000, on); }
  void angle_setting_changed(bool degrees) { change_option(SettingId::DeviceAngle, degrees); }
  void sound_setting_changed(bool on) { change_option(SettingId::DeviceSound, on); }
  void result_to_clipboard_changed(bool on) { change_option(SettingId::DeviceInputAutoclip, on); }
  void auto_output_changed(bool on) { change_option(SettingId::DeviceAutoCopyTo, on); }
  // The same by settings key with the text as stored ("1", "0", "2", ...), read as start-up
  // reads it; false for a key that is no option.
  bool change_setting(std::string_view key, std::string_view value);

  // Entry keys.
  void k0(MouseButton b);
  void k1(MouseButton b);
  void k2(MouseButton b);
  void k3(MouseButton b);
  void k4(MouseButton b);
  void k5(MouseButton b);
  void k6(MouseButton b);
  void k7(MouseButton b);
  void k8(MouseButton b);
  void k9(MouseButton b);
  void ka(MouseButton b);
  void kb(MouseButton b);
  void kc(MouseButton b);
  void kd(MouseButton b);
  void ke(MouseButton b);
  void kf(MouseButton b);
  void kp(MouseButton b);
  void kzf(MouseButton b);
  void tg(MouseButton b);
  void ce(MouseButton b);
  void c(MouseButton b);

  // Operators and equals.
  void kadd(MouseButton b);
  void ksub(MouseButton b);
  void ksum(MouseButton b);
  void kdiv(MouseButton b);
  void kdy(MouseButton b);

  // Scientific functions and the angle unit.
  void Ksin(MouseButton b);
  void kcos(MouseButton b);
  void ktan(MouseButton b);
  void kcot(MouseButton b);
  void ksec(MouseButton b);
  void kcsc(MouseButton b);
  void ksinh(MouseButton b);
  void kcosh(MouseButton b);
  void ktanh(MouseButton b);
  void kcoth(MouseButton b);
  void ksech(MouseButton b);
  void kcsch(MouseButton b);
  void kpf(MouseButton b);
  void kycf(MouseButton b);
  void klog(MouseButton b);
  void kds(MouseButton b);
  void kjc(MouseButton b);
  void kbfh(MouseButton b);
  void kint(MouseButton b);
  void pi(MouseButton b);
  void jd_hd(MouseButton b);

  // Memory register.
  void mdiv(MouseButton b);
  void msum(MouseButton b);
  void msub(MouseButton b);
  void madd(MouseButton b);
  void mc(MouseButton b);
  void mr(MouseButton b);
  void ms(MouseButton b);

  // Bit operations.
  void kmod(MouseButton b);
  void kand(MouseButton b);
  void kor(MouseButton b);
  void kxor(MouseButton b);
  void knot(MouseButton b);
  void k_shl(MouseButton b);
  void k_shr(MouseButton b);

  // Voice on/off.
  void voice(MouseButton b);

  // Base buttons and the four-position strip (y: click position inside the strip).
  void Khex_on(MouseButton b);
  void kden_on(MouseButton b);
  void kocx_on(MouseButton b);
  void kbin_on(MouseButton b);
  void Image5(MouseButton b, int y);

  // The formula bar typed into by the user: a key other than Enter (false when the bar is
  // read-only, after telling the user), then the change of its text that the key made.
  bool formula_bar_key();
  void formula_bar_changed(std::string_view text);
  // A text of the program's own in the formula bar (a grabbed formula, a message).
  void show_in_formula_bar(std::string_view text);
  // While set, a display leaves the formula bar as it is (a window below copying its selection
  // meanwhile, a grab's formula staying in view).
  void keep_formula_bar(bool keep) { state_.keep_formula_once = keep; }

  // The one way a number from outside the keypad (the formula panel, the constants table, a
  // grab, a line of the history) becomes the current entry in the current base, shown as a
  // result is. Outside decimal it is its integer part in the base's digits. In decimal `exact`,
  // when given, is the text to keep (the formula panel's digits) unless the value needs the
  // exponent form; without it the value is written plainly, or in the exponent form below
  // 0.0001 and from 1E15 up, where plain digits would be cut. `keep_formula_bar` leaves the
  // bar as it is (a grab's formula stays in view).
  void enter_number(Extended value, std::string_view exact = {}, bool keep_formula_bar = false);
  // The formula panel's finished number goes onto the LCD as the entry and, when the run
  // computed it, with `formula` (the panel's input) to the takers of finished results.
  void take_formula_result(const FormulaRun& run, std::string_view formula);
  // A calculation finished outside the keypad (the formula panel, a grab, the big-number panel)
  // goes to the takers of finished results, as the results of equals do.
  void report_result(const FinalResult& result) { ports_.output.send(result); }
  bool equals_busy() const { return state_.equals_busy; }

  // A fault that escaped a handler outside the calculator (a window's): the error display, as
  // a key's own fault shows it.
  void show_fault();

  // A key came in while equals speaks its result: the voice stops where it is and equals is
  // over, so the key is handled as after any equals (a second equals while equals speaks is
  // ignored before it gets here). Every key handler that acts calls it; the window calls it
  // for the keys it handles itself (clock, alarms, converter, menus).
  void stop_read_out();

  // Completes the pending operation.
  void enter();
  // What a text put on the LCD is: a number being typed shows as typed; results, recalls and
  // conversions take the precision and the thousands form.
  enum class Shown { Result, Typed };
  // Puts a display text on the LCD (precision, thousands separators, formula bar, clipboard,
  // output of a final result, tooltip, converter). Raises when a character has no glyph.
  void qel_play(std::string_view text, Shown kind = Shown::Result);
  // Plays one voice clip; callers check the sound option.
  void splay(std::string_view token);

  // The clock's texts go onto the LCD cells only: the number, its sign and point, the formula
  // bar, the clipboard and the output below stay as they are.
  void show_plain_text(std::string_view text);
  // The number the clock covered comes back (the entry, else the last result, "0." for
  // nothing), unless the entry is too long for the LCD.
  void show_number_again();
  // The welcome line goes into the formula bar when no number is being worked on.
  void show_welcome_if_idle();

 private:
  // The window's boxes, shown only after the LCD has caught up with the work so far.
  class Boxes : public MessageBoxes {
   public:
    explicit Boxes(Calculator& calc) : calc_(calc) {}
    BoxAnswer show(std::string_view caption, std::string_view text, BoxIcon icon,
                   BoxButtons buttons) override;

   private:
    Calculator& calc_;
  };

  class Host : public FormulaHost {
   public:
    explicit Host(Calculator& calc) : calc_(calc) {}
    MessageBoxes& message_boxes() override { return calc_.boxes_; }
    void divide_by_zero_reset() override;
    bool angle_degrees() const override { return calc_.options_.degrees; }
    void let_messages_run() override;

   private:
    Calculator& calc_;
  };

  // Runs a key's work; any fault inside it ends in the error display.
  template <class Work>
  void guarded(Work&& work);
  // The same for a key handler that acts: a read-out still going stops first.
  template <class Work>
  void key_work(Work&& work) {
    stop_read_out();
    guarded(std::forward<Work>(work));
  }
  // The one error display: "se", the error mark, the calculation emptied.
  void error_step();
  // splay when voice is on.
  void say(std::string_view token);
  // Pushes the frame to the renderer when it changed since the last push.
  void flush_frame();
  void wait(int milliseconds);
  void show_welcome();
  void set_welcome_line(std::string_view text);
  void hide_operator_lights();
  void show_mode_lights();
  void show_angle_lights();
  void reset_calculation();
  void divide_by_zero_reset();
  // Runs `work` while other handlers may run inside it (a wait, a message box): what they draw
  // is never the result of an equals in progress.
  template <class Work>
  void reentrant(Work&& work);
  // The output of a final result: armed by equals, sent by the display of its own result.
  void arm_result_output(bool chain_is_result);
  // `full` is the result's text before the display formats it.
  void send_result(std::string_view shown, std::string_view value, std::string_view full);

  // Entry.
  void digit_key(MouseButton b, char digit);
  void hex_digit_key(MouseButton b, char digit);
  Extended entry_value() const;
  void finish_new_number();
  void start_new_entry();

  // Operators.
  void arithmetic_key(MouseButton b, PendingOp op);
  bool in_chain(PendingOp op) const;
  void operand_key(PendingOp op, bool rests_formula_bar);
  // After an operator: the number typed so far becomes the first operand and entry starts anew.
  void take_entry_as_operand();
  std::optional<Extended> scientific_value();
  void speak_result();

  // Functions.
  void trig_key(MouseButton b, TrigKey key);
  void show_result(Extended result);

  // Memory and bases.
  void memory_key(MouseButton b, PendingOp op);
  void base_button(MouseButton b, NumberBase base);
  void switch_base(NumberBase target);
  void strip_rest();
  void shift_key(MouseButton b, bool left);

  CalculatorPorts ports_;
  CalcState state_;
  Options options_;
  std::vector<OptionListener> option_listeners_;
  bool window_showing_ = false;
  LcdFrame frame_;
  LcdFrame pushed_frame_;
  bool frame_pushed_ = false;
  // A key was typed into the formula bar; its change goes to formula_head.
  bool bar_edit_pending_ = false;
  // What the formula bar shows: the chain, the welcome line, a message, or the user's edit.
  std::string bar_text_;
  // The bar shows the division-by-zero message (the next number's display replaces it).
  bool divide_by_zero_shown_ = false;
  Boxes boxes_{*this};
  // Raised while other handlers may run inside the current one.
  int reentry_depth_ = 0;
  // Armed by equals for the one display of its result, at the depth equals runs at.
  struct ResultToSend {
    int depth = 0;
    bool chain_is_result = false;
  };
  std::optional<ResultToSend> result_to_send_;
  // The formula bar's chain is the one whose value the last equals showed.
  bool chain_is_result_ = false;
  // An operation was computed since the last result went out (a result shown again is none).
  bool computed_since_result_ = false;
  // The last operation computed from two operands, as a tape writes it ("2^10", "7 Mod 3"):
  // what was calculated when the formula bar holds no chain of it.
  std::string last_operation_;
  // Equals speaking its result; a key coming in marks it stopped.
  struct ReadOut {
    bool stopped = false;
  };
  ReadOut* read_out_ = nullptr;
  Host host_{*this};
};

template <class Work>
void Calculator::reentrant(Work&& work) {
  struct Depth {
    int& depth;
    ~Depth() { --depth; }
  } depth{++reentry_depth_};
  work();
}

template <class Work>
void Calculator::guarded(Work&& work) {
  try {
    work();
  } catch (const std::exception&) {
    error_step();
  }
  flush_frame();
}

}  // namespace orvanta
