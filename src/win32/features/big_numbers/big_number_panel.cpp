#include "win32/features/big_numbers/big_number_panel.h"

#include <atomic>
#include <new>
#include <stdexcept>
#include <thread>

#include "platform/wide.h"
#include "win32/panels/text_fields.h"
#include "win32/system/controls.h"

namespace orvanta::win32 {
namespace {

constexpr wchar_t kClassName[] = L"OrvantaBigNumberPanel";
constexpr int kFirstId = 500;
constexpr int kSecondId = 501;
constexpr int kResultId = 502;
constexpr int kPrecisionId = 503;
constexpr int kCloseId = 504;
constexpr int kAddId = 510;  // + - * / in BigOperation's order
constexpr UINT kJobDone = WM_APP + 40;
constexpr int kButtonHeight = 25;
constexpr int kButtonTop = 166;

struct OperationButton {
  const wchar_t* text;
  int left;
};

constexpr int kButtonWidth = 62;
constexpr OperationButton kButtons[] = {
    {L"+ 加法", 16}, {L"- 减法", 84}, {L"* 乘法", 152}, {L"/ 除法", 220}};
// The precision field holds its largest value, 2147483647, whole.
constexpr RECT kPrecisionLabel{284, 169, 340, 183};
constexpr RECT kPrecisionField{342, 167, 433, 167 + kFieldHeight};

}  // namespace

// One operation: its texts, run on a thread of its own. The panel may be gone when it ends (the
// calculator was closed meanwhile): the thread then only drops its share.
struct BigNumberPanel::Job {
  BigOperation op = BigOperation::Add;
  std::string first;
  std::string second;
  std::string precision;
  std::string result;
  bool out_of_memory = false;
  std::atomic<HWND> panel{nullptr};
};

BigNumberPanel::BigNumberPanel(PanelHost& host, FormulaLinks links, OnFinished on_finished)
    : Panel(host, {kClassName, L"超大数计算", RECT{kLeft, kTop, kLeft + kWidth, kTop + kHeight},
                   kColour, WS_CLIPCHILDREN, true}),
      links_(std::move(links)),
      on_finished_(std::move(on_finished)) {}

BigNumberPanel::~BigNumberPanel() {
  // A running thread keeps its job; its message to a window that is gone goes nowhere.
  if (job_) job_->panel = nullptr;
}

bool BigNumberPanel::create(HWND parent) {
  owner_ = GetAncestor(parent, GA_ROOT);
  if (!create_window(parent)) return false;
  const HFONT font = this->font(12);
  // Operands and results of a million digits: fields that draw only the part in view.
  first_ = create_labelled_field(hwnd_, scale(), L"值一：", 16, 32, 417, kFirstId, font, 0, [this] {
    if (links_.on_enter) links_.on_enter();
  });
  second_ =
      create_labelled_field(hwnd_, scale(), L"值二：", 16, 80, 417, kSecondId, font, 0, [this] {
        if (links_.on_enter) links_.on_enter();
      });
  // Read-only, but the result can be selected and copied.
  result_ = create_labelled_field(hwnd_, scale(), L"计算结果：", 16, 137, 417, kResultId, font,
                                  ES_READONLY);
  for (int i = 0; i < 4; ++i) {
    create_child(hwnd_, L"BUTTON", kButtons[i].text, BS_PUSHBUTTON | WS_TABSTOP,
                 at(RECT{kButtons[i].left, kButtonTop, kButtons[i].left + kButtonWidth,
                         kButtonTop + kButtonHeight}),
                 kAddId + i, font);
  }
  create_child(hwnd_, L"STATIC", L"除法精度:", SS_LEFT | SS_NOPREFIX, at(kPrecisionLabel), -1,
               font);
  precision_ = create_child(hwnd_, L"EDIT", L"10", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,
                            at(kPrecisionField), kPrecisionId, font);
  create_child(hwnd_, L"STATIC", L"理论上支持无限位数运算，只受字符内存大小限制。",
               SS_LEFT | SS_NOPREFIX, at(RECT{16, 216, 350, 230}), -1, font);
  create_child(hwnd_, L"BUTTON", L"关 闭", BS_PUSHBUTTON | WS_TABSTOP,
               at(RECT{355, 209, 355 + 78, 209 + kButtonHeight}), kCloseId, font);
  if (first_ == nullptr || second_ == nullptr || result_ == nullptr || precision_ == nullptr) {
    return false;
  }
  take_field_keys(precision_);
  return true;
}

void BigNumberPanel::run(BigOperation op) {
  if (job_) return;
  auto job = std::make_shared<Job>();
  job->op = op;
  job->first = window_text_utf8(first_);
  job->second = window_text_utf8(second_);
  // A field that is no number is said here; the result keeps what it showed.
  if (!big_operands_accepted(job->first, job->second, boxes_)) return;
  job->precision = window_text_utf8(precision_);
  job->panel = hwnd_;
  job_ = job;
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  try {
    std::thread([job] {
      try {
        job->result = big_panel_result(job->op, job->first, job->second, job->precision);
      } catch (const std::bad_alloc&) {
        job->out_of_memory = true;
      } catch (const std::length_error&) {
        job->out_of_memory = true;
      }
      if (const HWND panel = job->panel.load()) PostMessageW(panel, kJobDone, 0, 0);
    }).detach();
  } catch (const std::system_error&) {
    job_.reset();
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  }
}

void BigNumberPanel::finish() {
  if (!job_) return;
  const std::shared_ptr<Job> job = std::move(job_);
  POINT cursor;
  GetCursorPos(&cursor);
  SetCursorPos(cursor.x, cursor.y);  // the arrow comes back without waiting for a move
  if (job->out_of_memory) {
    boxes_.show(kBigPanelCaption, "内存不足，无法完成这次计算。", BoxIcon::Error, BoxButtons::Ok);
    return;
  }
  set_field_text(result_, to_wide(job->result));
  if (on_finished_) on_finished_(job->op, job->first, job->second, std::move(job->result));
}

// The field always holds the integer the division will use.
void BigNumberPanel::rewrite_precision() {
  if (rewriting_) return;
  const std::wstring now = window_text(precision_);
  const std::wstring wanted = to_wide(division_precision_field(window_text_utf8(precision_)));
  if (now == wanted) return;
  rewriting_ = true;
  set_field_text(precision_, wanted);
  SendMessageW(precision_, EM_SETSEL, wanted.size(), wanted.size());
  rewriting_ = false;
}

LRESULT BigNumberPanel::on_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND: {
      const int id = LOWORD(wp);
      const int code = HIWORD(wp);
      if (code == EN_CHANGE && (id == kFirstId || id == kSecondId) && links_.on_operand_change) {
        links_.on_operand_change();
      }
      if (code == EN_CHANGE && id == kResultId && links_.on_result_change)
        links_.on_result_change();
      if (code == EN_CHANGE && id == kPrecisionId) rewrite_precision();
      if (code == BN_CLICKED && id >= kAddId && id < kAddId + 4) {
        run(static_cast<BigOperation>(id - kAddId));
      }
      if (code == BN_CLICKED && id == kCloseId) hide();
      return 0;
    }
    case WM_SETCURSOR:
      if (job_) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case kJobDone:
      finish();
      return 0;
  }
  return default_proc(msg, wp, lp);
}

}  // namespace orvanta::win32
