// Owners for GDI handles (the painters', the host's splash), and a guard for one DC selection.
// Owners are move-only and free with the one call that matches how the handle was made; an
// object that is selected into a DC must be selected out (the guard does that) before its owner
// dies.
#pragma once

#include <windows.h>

#include <utility>

namespace lexiton::win {

// A pen, brush, font, bitmap or region from a Create* call (DeleteObject).
template <class Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { reset(); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }

  explicit operator bool() const { return handle_ != nullptr; }
  Handle get() const { return handle_; }
  // Gives the handle away (a region handed to the host).
  Handle release() { return std::exchange(handle_, nullptr); }
  void reset(Handle handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

using Pen = GdiObject<HPEN>;
using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;
using Region = GdiObject<HRGN>;

// A memory DC from CreateCompatibleDC (DeleteDC).
class MemoryDc {
 public:
  // Compatible with `dc`, or with the screen when `dc` is null.
  explicit MemoryDc(HDC dc) : dc_(CreateCompatibleDC(dc)) {}
  ~MemoryDc() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  MemoryDc(MemoryDc&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
  MemoryDc& operator=(MemoryDc&&) = delete;

  explicit operator bool() const { return dc_ != nullptr; }
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// A DC of a window or of the screen from GetDC (ReleaseDC with the same window).
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

  explicit operator bool() const { return dc_ != nullptr; }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// An enhanced metafile from SetEnhMetaFileBits or SetWinMetaFileBits (DeleteEnhMetaFile).
class EnhMetafile {
 public:
  explicit EnhMetafile(HENHMETAFILE handle) : handle_(handle) {}
  ~EnhMetafile() {
    if (handle_) DeleteEnhMetaFile(handle_);
  }
  EnhMetafile(const EnhMetafile&) = delete;
  EnhMetafile& operator=(const EnhMetafile&) = delete;

  explicit operator bool() const { return handle_ != nullptr; }
  HENHMETAFILE get() const { return handle_; }

 private:
  HENHMETAFILE handle_;
};

// Selects an object into a DC for one scope and selects the previous one back. A null object
// selects nothing; ok() says whether the selection took.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
  ~Selection() {
    if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

  bool ok() const { return previous_ && previous_ != HGDI_ERROR; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Keeps a DC's text colour, background colour and background mode for one scope.
class TextStateGuard {
 public:
  explicit TextStateGuard(HDC dc)
      : dc_(dc), text_(GetTextColor(dc)), back_(GetBkColor(dc)), mode_(GetBkMode(dc)) {}
  ~TextStateGuard() {
    SetTextColor(dc_, text_);
    SetBkColor(dc_, back_);
    SetBkMode(dc_, mode_);
  }
  TextStateGuard(const TextStateGuard&) = delete;
  TextStateGuard& operator=(const TextStateGuard&) = delete;

 private:
  HDC dc_;
  COLORREF text_;
  COLORREF back_;
  int mode_;
};

}  // namespace lexiton::win
