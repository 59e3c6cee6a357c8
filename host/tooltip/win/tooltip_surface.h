// What both tooltip windows are made of: a dialog from the program's empty template 113 that
// never activates, an off-screen bitmap as large as the screen in a memory DC (transparent
// background, black text) that a painter draws into, and the painter's rectangle, position and
// region. The window shows the painted part of the bitmap in the painter's shape. The region
// is the host's until the window is shown with it, the window's from then on; one the window
// never got is deleted when the next painting replaces it or the window goes.
#pragma once

#include <windows.h>

#include <lexiton/painter_exports.h>
#include <lexiton/win/gdi_handles.h>
#include <lexiton/win/window_owner.h>

#include <optional>

#include "tooltip/tooltip_pair.h"

namespace lexiton::host {

class TooltipSurface : public TooltipWindow {
 public:
  TooltipSurface(TipPaintFn painter, Monitors& monitors) : painter_(painter), monitors_(monitors) {}
  ~TooltipSurface() override;
  TooltipSurface(const TooltipSurface&) = delete;
  TooltipSurface& operator=(const TooltipSurface&) = delete;

  HWND handle() const { return window_.get(); }
  void destroy() { window_.reset(); }

  // TooltipWindow
  bool paint(const std::vector<uint8_t>& list, ScreenPoint pointer, uint32_t colour) override;
  ScreenPoint position() const override { return position_; }
  Size paintedSize() const override { return {rect_.right, rect_.bottom}; }
  void moveTo(ScreenPoint position) override { position_ = position; }
  void show() override;
  void hide() override;
  bool visible() const override { return window_ && IsWindowVisible(window_.get()); }
  void discardRegion() override { region_.reset(); }

 protected:
  // Creates the window hidden, with this object as its creation parameter.
  bool createWindow(HINSTANCE program);
  // A message of the window's own role; true when it was handled, with its result.
  virtual bool roleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;

 private:
  static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void initialise(HWND window);
  void paintWindow();
  // Gives the window the painter's region (or none).
  void handRegion(HWND window);
  void releaseBitmap();

  TipPaintFn painter_;
  Monitors& monitors_;
  win::WindowOwner window_;
  HDC memory_ = nullptr;
  win::Bitmap bitmap_;
  HGDIOBJ previousBitmap_ = nullptr;
  RECT rect_{};
  ScreenPoint position_;
  win::Region region_;  // a region the window has not got (yet)
};

// The monitors of the desktop.
class SystemMonitors final : public Monitors {
 public:
  MonitorArea at(ScreenPoint point) override;
};

// [dict] TTColor as the painters take it: 0 is the system's tooltip colour.
COLORREF tooltipBackground(uint32_t configured);

}  // namespace lexiton::host
