#include "win32/features/tip/tip_panel.h"

#include "win32/system/controls.h"

namespace orvanta::win32 {
namespace {

constexpr wchar_t kClassName[] = L"OrvantaTipPanel";
constexpr wchar_t kCaption[] = L"首次运行提示！";
constexpr int kGotIt = 100;
constexpr int kHelp = 101;
constexpr int kLineTop = 24;
constexpr int kLinePitch = 14;

}  // namespace

const wchar_t* const TipPanel::kLines[TipPanel::kLineCount] = {
    L"1.计算模式分为普通和科学两种,默认为普通计算模式.", L"如:1+2*3,普通模式值为9,科学模式为7.",
    L"普通模式只按输入顺序计算.普通计算器大都为此类.",   L"2.如需键盘操作，请自定义键盘按钮功能！",
    L"弹出/缩小热键也在此定义,请根据习惯自定义键盘.",    L"3.平方根计算是在平方按钮上点右键.",
    L"三角函数的反函数同样也是在各函数按钮上点右键.",    L"4.用户可订制自己喜欢的界面颜色.",
    L"注:右键点击计算器液晶屏幕，弹出以上设置菜单.",
};

TipPanel::TipPanel(PanelHost& host, std::function<void()> on_help)
    : Panel(host, {kClassName, kCaption, RECT{kLeft, kTop, kLeft + kWidth, kTop + kHeight}, kColour,
                   WS_CLIPCHILDREN}),
      on_help_(std::move(on_help)) {}

bool TipPanel::create(HWND parent) {
  if (!create_window(parent)) return false;
  // The lines are labels, so that they can be read back like any control's text.
  for (int i = 0; i < kLineCount; ++i) {
    const int top = kLineTop + i * kLinePitch;
    const wchar_t* line = kLines[i];
    // Numbered lines start at the margin, their continuation lines are indented.
    const int left = (line[0] >= L'1' && line[0] <= L'9') || line[0] == L'注' ? 16 : 28;
    create_child(hwnd_, L"STATIC", line, SS_LEFT | SS_NOPREFIX,
                 at(RECT{left, top, kWidth - 12, top + kLinePitch}), -1, font(12));
  }
  create_child(hwnd_, L"BUTTON", L"知道了", BS_PUSHBUTTON | WS_TABSTOP,
               at(RECT{100, 153, 180, 177}), kGotIt, font(12));
  create_child(hwnd_, L"BUTTON", L"帮　助", BS_PUSHBUTTON | WS_TABSTOP,
               at(RECT{219, 153, 299, 177}), kHelp, font(12));
  return true;
}

void TipPanel::paint() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd_, &ps);
  {
    ScopedSelect caption_font(dc, font(14));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(128, 0, 0));
    RECT caption = at(RECT{0, 5, kWidth, 21});
    DrawTextW(dc, kCaption, -1, &caption, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  EndPaint(hwnd_, &ps);
}

LRESULT TipPanel::on_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED && LOWORD(wp) == kGotIt) hide();
      if (HIWORD(wp) == BN_CLICKED && LOWORD(wp) == kHelp) on_help_();
      return 0;
  }
  return default_proc(msg, wp, lp);
}

}  // namespace orvanta::win32
