#include "win32/features/formula/formula_panel_window.h"

#include <cstdint>

#include "platform/wide.h"
#include "win32/panels/text_fields.h"
#include "win32/system/clipboard_text.h"
#include "win32/system/controls.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

constexpr wchar_t kClassName[] = L"OrvantaFormulaPanel";
constexpr int kInputId = 400;
constexpr int kOutputId = 401;
constexpr int kCalculateId = 402;
constexpr int kSingleStepId = 403;
constexpr int kCloseId = 404;
constexpr int kButtonHeight = 25;

struct Line {
  int left;
  int top;
  const wchar_t* text;
};

constexpr Line kLines[] = {
    {107, 10, L"例: 2+(18-10)/7^2+sin(1)+sqrt(sqrt(5),3)*2"},
    {5, 136, L"运算符：加(+)、减(-)、乘(*)、除(/)、左括号（、右括号）、乘方(^)"},
    {5, 152, L"函  数：正弦SIN( )、余弦COS( )、正切TAN( )、余切COT( )"},
    {53, 168, L"正割SEC( )、余割CSC( )、反正弦SINA( )、反余弦COSA( )"},
    {53, 183, L"反正切TANA( )、反余切COTA( )、反正割SECA( )、反余割CSCA( )"},
    {53, 198, L"x次方根SQRT(A，x)去x为开平方、自然对数LN( )、绝对值ABS( )"},
    {53, 215, L"以10为底的常用对数LG( )"},
};

}  // namespace

FormulaPanelWindow::FormulaPanelWindow(PanelHost& host, std::function<FormulaHost&()> formula_host,
                                       OnResult on_result)
    : Panel(host,
            {kClassName, L"表达式（公式）计算", RECT{kLeft, kTop, kLeft + kWidth, kTop + kHeight},
             kColour, WS_CLIPCHILDREN, true}),
      formula_host_(std::move(formula_host)),
      on_result_(std::move(on_result)) {}

bool FormulaPanelWindow::create(HWND parent) {
  field_brush_ = UniqueBrush(CreateSolidBrush(GetSysColor(COLOR_INFOBK)));
  if (!create_window(parent)) return false;
  const HFONT font = this->font(12);
  for (const Line& line : kLines) {
    create_child(hwnd_, L"STATIC", line.text, SS_LEFT | SS_NOPREFIX,
                 at(RECT{line.left, line.top, kWidth - 4, line.top + kLabelHeight}), -1, font);
  }
  // Long fields, as in the big-number panel: a big result copied there may be pasted here.
  input_ = create_labelled_field(hwnd_, scale(), L"输入公式:", 8, 24, 398, kInputId, font, 0,
                                 [this] { calculate(); });
  // Made in the order Tab walks them: top to bottom.
  create_child(hwnd_, L"BUTTON", L"计 算", BS_PUSHBUTTON | WS_TABSTOP,
               at(RECT{160, 56, 160 + 81, 56 + kButtonHeight}), kCalculateId, font);
  single_step_ = create_child(hwnd_, L"BUTTON", L"单步求解", BS_AUTOCHECKBOX | WS_TABSTOP,
                              at(RECT{336, 52, 336 + 73, 52 + 17}), kSingleStepId, font);
  output_ = create_labelled_field(hwnd_, scale(), L"计算结果：", 8, 89, 398, kOutputId, font);
  create_child(hwnd_, L"BUTTON", L"关 闭", BS_PUSHBUTTON | WS_TABSTOP,
               at(RECT{332, 211, 332 + 78, 211 + kButtonHeight}), kCloseId, font);
  if (input_ == nullptr || output_ == nullptr || single_step_ == nullptr) return false;
  return true;
}

void FormulaPanelWindow::open() {
  show();
  paste_clipboard();
  SetFocus(input_);
  SendMessageW(input_, EM_SETSEL, 0, -1);
}

void FormulaPanelWindow::open_with(std::string_view formula) {
  show();
  set_field_text(input_, to_wide(formula));
  SetFocus(input_);
  SendMessageW(input_, EM_SETSEL, 0, -1);
}

void FormulaPanelWindow::paste_clipboard() {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return;
  if (const auto text = read_clipboard_wide(hwnd_, SIZE_MAX)) {
    // The selection is replaced, as a paste does.
    SendMessageW(input_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text->c_str()));
  }
}

void FormulaPanelWindow::calculate() {
  if (evaluating_) return;
  evaluating_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{evaluating_};
  const bool single_step = SendMessageW(single_step_, BM_GETCHECK, 0, 0) == BST_CHECKED;
  const FormulaRun run = panel_.calculate(single_step, formula_host_());
  if (!run.evaluated) return;
  set_field_text(output_, to_wide(run.out_text));
  // Showing the text fed the working formula from the result field; it is the same text.
  panel_.set_working_formula(run.out_text);
  on_result_(run, window_text_utf8(input_));
}

void FormulaPanelWindow::follow_input() {
  panel_.set_working_formula(window_text_utf8(input_));
}

void FormulaPanelWindow::follow_output() {
  const std::string out = window_text_utf8(output_);
  panel_.set_working_formula(out.empty() ? window_text_utf8(input_) : out);
}

LRESULT FormulaPanelWindow::on_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CTLCOLOREDIT: {
      const auto dc = reinterpret_cast<HDC>(wp);
      SetBkColor(dc, GetSysColor(COLOR_INFOBK));
      SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
      return reinterpret_cast<LRESULT>(field_brush_.get());
    }
    case WM_COMMAND: {
      const int id = LOWORD(wp);
      const int code = HIWORD(wp);
      if (code == EN_CHANGE && id == kInputId) follow_input();
      if (code == EN_CHANGE && id == kOutputId) follow_output();
      if (code == BN_CLICKED && id == kCalculateId) calculate();
      if (code == BN_CLICKED && id == kSingleStepId) follow_input();
      if (code == BN_CLICKED && id == kCloseId) hide();
      return 0;
    }
  }
  return default_proc(msg, wp, lp);
}

}  // namespace orvanta::win32
