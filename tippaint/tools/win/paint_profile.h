// Where TipPaint's time goes on the RTF path: the same steps the painter DLL takes, called one
// by one from the painter's own objects with a clock around each, and the surface calls inside
// the layout sorted into fonts, measuring and drawing.
#pragma once

#include "sample_tooltips.h"

#include <windows.h>

#include <chrono>
#include <vector>

namespace tippaint::win {

class Stopwatch {
 public:
  double milliseconds() const {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count();
  }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// Paints every RTF sample `runs` times into `dc` step by step and prints each step's median.
// `module` is the painter DLL, for its logo bitmaps.
void print_paint_profile(HMODULE module, HDC dc, const std::vector<SampleTooltip>& samples, int runs);

}  // namespace tippaint::win
