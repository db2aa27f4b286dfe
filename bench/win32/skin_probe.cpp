// The cost of one step of the skin slider as the user drags its thumb: the real calculator
// window, created in this process, with its colour panel shown; each step puts the slider at a
// new position and sends the panel the slider's notification, which recolours the three faces,
// redraws the face around the LCD, paints, lets messages run and stores `ColorSkin`. After each
// step a pixel of the "=" key must show what the colour shift makes of the unrecoloured face.
//
//   skin_probe [steps]     (720 by default, after 60 untimed ones)
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "face/skin_colour.h"
#include "face_reader.h"
#include "harness.h"
#include "probe_clock.h"
#include "probe_messages.h"
#include "win32/app/app.h"
#include "win32/chrome/menu_ids.h"

namespace orvanta::probe {
namespace {

constexpr POINT kSample{381, 392};  // the "=" key below the panel

void print_row(const char* what, const std::vector<double>& ms) {
  const Summary s = summarise(ms);
  std::printf("| %s | %zu | %.3f | %.3f | %.3f | %.3f | %.3f | %.3f |\n", what, s.count, s.median,
              s.p90, s.p99, s.min, s.max, s.mean);
}

// The thumb swept back and forth over the whole range, 7 steps of hue at a time, so that every
// range of the shift comes up and no two neighbouring positions are equal.
int position(int step) {
  constexpr int kSpan = 2 * kSkinShiftMax;
  const int travelled = (step * 7) % (2 * kSpan);
  return travelled <= kSpan ? kSkinShiftMin + travelled : kSkinShiftMax - (travelled - kSpan);
}

int run(int steps) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  e2e::write_settings("[Setup]\r\nDevice_sound=0\r\n");
  SetCursorPos(0, 0);  // no hover fades meanwhile

  win32::App window(GetModuleHandleW(nullptr));
  if (!window.create()) return 1;
  window.show();
  const HWND hwnd = window.hwnd();
  SendMessageW(hwnd, WM_COMMAND, win32::kMenuSkin, 0);
  run_pending_messages();
  const HWND panel = FindWindowExW(hwnd, nullptr, L"OrvantaSkinPanel", nullptr);
  const HWND slider = panel ? FindWindowExW(panel, nullptr, TRACKBAR_CLASSW, nullptr) : nullptr;
  if (slider == nullptr || !IsWindowVisible(slider)) {
    std::fprintf(stderr, "the skin panel's slider is not shown\n");
    return 1;
  }

  const e2e::FaceReader reader;
  const std::uint32_t original = reader.resource_pixel("Image2", kSample.x, kSample.y);
  const Rgb source{static_cast<int>(original >> 16 & 0xFF), static_cast<int>(original >> 8 & 0xFF),
                   static_cast<int>(original & 0xFF)};

  const int warm_up = 60;
  std::vector<double> timed;
  int wrong = 0;
  for (int i = 0; i < warm_up + steps; ++i) {
    const int shift = position(i + 1);
    SendMessageW(slider, TBM_SETPOS, TRUE, shift);
    const double t0 = now_ms();
    SendMessageW(panel, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, shift),
                 reinterpret_cast<LPARAM>(slider));
    GdiFlush();
    const double t1 = now_ms();
    if (i >= warm_up) timed.push_back(t1 - t0);

    const Rgb p = ColourShift(shift)(source);
    const auto expected = static_cast<std::uint32_t>(p.r << 16 | p.g << 8 | p.b);
    const std::uint32_t shown = e2e::capture_client(hwnd).at(kSample.x, kSample.y);
    if (shown != expected && ++wrong <= 5) {
      std::fprintf(stderr, "at %d the key shows %06x, the shift gives %06x\n", shift, shown,
                   expected);
    }
    run_pending_messages();
  }
  DestroyWindow(hwnd);
  run_pending_messages();
  e2e::remove_settings();

  // The recolouring alone, in this build: three pictures of random colours (the worst case)
  // shifted over the same positions.
  std::mt19937 random(7);
  std::vector<BgrImage> originals, pictures;
  for (int k = 0; k < 3; ++k) {
    BgrImage image(463, 511);
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const auto c = random();
        image.set_pixel(x, y, c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF);
      }
    }
    originals.push_back(image);
    pictures.push_back(image);
  }
  std::vector<double> recolour_only;
  for (int i = 0; i < steps; ++i) {
    const double t0 = now_ms();
    const ColourShift colour(position(i + 1));
    for (int k = 0; k < 3; ++k) colour.apply(originals[k].view(), pictures[k].view());
    recolour_only.push_back(now_ms() - t0);
  }

  std::printf("| stretch | steps | median ms | p90 ms | p99 ms | min ms | max ms | mean ms |\n");
  std::printf("|---|---:|---:|---:|---:|---:|---:|---:|\n");
  print_row("slider step: three faces recoloured, face redrawn and painted, ColorSkin stored",
            timed);
  print_row("recolouring alone: three 463 x 511 pictures of random colours", recolour_only);
  if (wrong > 0) {
    std::fprintf(stderr, "%d steps left the face unlike the colour shift\n", wrong);
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace orvanta::probe

int main(int argc, char** argv) {
  const int steps = argc > 1 ? std::atoi(argv[1]) : 720;
  if (steps < 1) {
    std::fprintf(stderr, "usage: skin_probe [steps]\n");
    return 2;
  }
  return orvanta::probe::run(steps);
}
