#include "tooltip/win/tooltip_surface.h"

#include <lexiton/ui_resources.h>

#include <vector>

#include "tooltip/placement.h"

namespace lexiton::host {

namespace {

TooltipSurface* objectOf(HWND window) {
  return reinterpret_cast<TooltipSurface*>(GetWindowLongPtrA(window, DWLP_USER));
}

// A dialog procedure's answer with a result of its own.
INT_PTR answer(HWND window, LRESULT result) {
  SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
  return TRUE;
}

// `region` as the union of its rectangles, one at a time (null when it cannot be made).
HRGN rebuiltRegion(HRGN region) {
  const DWORD size = region ? GetRegionData(region, 0, nullptr) : 0;
  if (!size) return nullptr;
  std::vector<uint8_t> storage(size);
  auto* data = reinterpret_cast<RGNDATA*>(storage.data());
  if (!GetRegionData(region, size, data)) return nullptr;
  HRGN rebuilt = CreateRectRgn(0, 0, 0, 0);
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  for (DWORD i = 0; rebuilt && i < data->rdh.nCount; ++i) {
    win::Region one(CreateRectRgnIndirect(&rects[i]));
    if (one) CombineRgn(rebuilt, rebuilt, one.get(), RGN_OR);
  }
  return rebuilt;
}

}  // namespace

COLORREF tooltipBackground(uint32_t configured) {
  return configured ? static_cast<COLORREF>(configured) : GetSysColor(COLOR_INFOBK);
}

MonitorArea SystemMonitors::at(ScreenPoint point) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  HMONITOR monitor = MonitorFromPoint(POINT{point.x, point.y}, MONITOR_DEFAULTTONEAREST);
  if (!monitor || !GetMonitorInfoA(monitor, &info))
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
}

TooltipSurface::~TooltipSurface() {
  // The role's part of this object is gone: the window's last messages find no object.
  if (window_) SetWindowLongPtrA(window_.get(), DWLP_USER, 0);
  window_.reset();
  releaseBitmap();
}

bool TooltipSurface::createWindow(HINSTANCE program) {
  window_.reset(CreateDialogParamA(program, MAKEINTRESOURCEA(LXR_DIALOG_TOOLTIP), nullptr, &procedure,
                                   reinterpret_cast<LPARAM>(this)));
  return window_ && memory_ && bitmap_;
}

void TooltipSurface::initialise(HWND window) {
  window_.reset(window);
  // Once, at the screen's size: painting never allocates a bitmap.
  win::WindowDc screen(nullptr);
  memory_ = CreateCompatibleDC(screen.get());
  if (!memory_) return;
  bitmap_.reset(CreateCompatibleBitmap(screen.get(), GetDeviceCaps(screen.get(), HORZRES),
                                       GetDeviceCaps(screen.get(), VERTRES)));
  if (bitmap_) previousBitmap_ = SelectObject(memory_, bitmap_.get());
  SetBkMode(memory_, TRANSPARENT);
  SetTextColor(memory_, RGB(0, 0, 0));
}

void TooltipSurface::releaseBitmap() {
  if (!memory_) return;
  if (previousBitmap_) SelectObject(memory_, previousBitmap_);
  previousBitmap_ = nullptr;
  bitmap_.reset();
  DeleteDC(memory_);
  memory_ = nullptr;
}

bool TooltipSurface::paint(const std::vector<uint8_t>& list, ScreenPoint pointer, uint32_t colour) {
  region_.reset();
  rect_ = RECT{};
  position_ = pointer;
  if (!memory_ || !bitmap_ || !painter_ || list.empty()) return false;

  LxByteArray array{const_cast<uint8_t*>(list.data()), static_cast<uint32_t>(list.size()),
                    static_cast<uint32_t>(list.size())};
  const COLORREF background = tooltipBackground(colour);
  // The painter places the tooltip on a screen of its DC's size with its corner at (0, 0): it is
  // given the pointer in the coordinates of the monitor under it.
  const MonitorArea monitor = monitors_.at(pointer);
  const Size painterScreen{GetDeviceCaps(memory_, HORZRES), GetDeviceCaps(memory_, VERTRES)};
  auto run = [&](ScreenPoint input, ScreenPoint& output) {
    HDC dc = memory_;
    RECT rect{};
    HRGN region = nullptr;
    int x = input.x, y = input.y;
    const int painted = painter_(&array, &dc, &rect, &region, &x, &y, background, nullptr);
    region_.reset(region);
    rect_ = rect;
    output = {x, y};
    return painted != 0;
  };
  const ScreenPoint input{pointer.x - monitor.left, pointer.y - monitor.top};
  ScreenPoint output;
  bool painted = run(input, output);
  const MonitorPlan plan = planOnMonitor(input, output, paintedSize(), monitor, painterScreen);
  if (plan.repaintInput) painted = run(*plan.repaintInput, output);
  position_ = plan.position;
  return painted;
}

void TooltipSurface::show() {
  HWND window = window_.get();
  if (!window) return;
  // The shape first, so the window never shows as a rectangle; from here the window owns the
  // region. A null region makes it a rectangle again.
  handRegion(window);
  SetWindowPos(window, HWND_TOPMOST, position_.x, position_.y, rect_.right - rect_.left + 1,
               rect_.bottom - rect_.top + 1, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(window, nullptr, FALSE);
}

void TooltipSurface::handRegion(HWND window) {
  if (SetWindowRgn(window, region_.get(), TRUE)) {
    region_.release();
    return;
  }
  // Wine refuses a region whose rectangles touch within a row, as its own polygon regions can
  // have: the same shape rebuilt rectangle by rectangle is merged and taken.
  win::Region rebuilt(rebuiltRegion(region_.get()));
  if (rebuilt && SetWindowRgn(window, rebuilt.get(), TRUE)) {
    rebuilt.release();
    region_.reset();
  }
}

void TooltipSurface::hide() {
  if (window_) ShowWindow(window_.get(), SW_HIDE);
}

void TooltipSurface::paintWindow() {
  HWND window = window_.get();
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  if (dc && memory_)
    BitBlt(dc, 0, 0, rect_.right - rect_.left + 1, rect_.bottom - rect_.top + 1, memory_, 0, 0, SRCCOPY);
  EndPaint(window, &ps);
}

INT_PTR CALLBACK TooltipSurface::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    reinterpret_cast<TooltipSurface*>(lParam)->initialise(window);
    return FALSE;  // no focus for anything
  }
  TooltipSurface* self = objectOf(window);
  if (!self) return FALSE;
  switch (message) {
    case WM_PAINT:
      self->paintWindow();
      return TRUE;
    case WM_ERASEBKGND:
      return answer(window, 1);  // the bitmap covers it all
    case WM_MOUSEACTIVATE:
      return answer(window, MA_NOACTIVATE);
    case WM_DESTROY:
      self->releaseBitmap();
      self->region_.reset();
      return FALSE;
    case WM_NCDESTROY:
      SetWindowLongPtrA(window, DWLP_USER, 0);
      return FALSE;
  }
  LRESULT result = 0;
  if (self->roleMessage(message, wParam, lParam, result)) return answer(window, result);
  return FALSE;
}

}  // namespace lexiton::host
