#include <tippaint/win/gdi_surface.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>
#include <vector>

namespace tippaint::win {

using namespace lexiton::win;
namespace {

// GDI counts string lengths in int.
int length_of(std::size_t n) { return int(std::min<std::size_t>(n, std::numeric_limits<int>::max())); }

const WCHAR* wide(std::u16string_view text) { return reinterpret_cast<const WCHAR*>(text.data()); }

// Draws with the item's colours, then gives the DC its colours and mode back.
class TextDrawing {
 public:
  TextDrawing(HDC dc, Colour text_colour, std::optional<Colour> background) : state_(dc) {
    SetTextColor(dc, text_colour);
    if (background) {
      SetBkMode(dc, OPAQUE);
      SetBkColor(dc, *background);
    } else {
      SetBkMode(dc, TRANSPARENT);
    }
  }

 private:
  TextStateGuard state_;
};

// Bits per pixel of what `dc` paints into: the selected bitmap of a memory DC, else the device.
int target_bits_per_pixel(HDC dc) {
  if (GetObjectType(dc) == OBJ_MEMDC) {
    BITMAP bitmap{};
    if (!GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof bitmap, &bitmap)) return 0;
    return bitmap.bmBitsPixel * bitmap.bmPlanes;
  }
  return GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
}

bool double_byte(int charset) {
  return charset == SHIFTJIS_CHARSET || charset == HANGUL_CHARSET || charset == JOHAB_CHARSET ||
         charset == GB2312_CHARSET || charset == CHINESEBIG5_CHARSET;
}

}  // namespace

LOGFONTA logfont_of(const FontSpec& spec) {
  LOGFONTA lf{};
  lf.lfHeight = spec.height;
  lf.lfWeight = spec.weight;
  lf.lfItalic = spec.italic ? TRUE : FALSE;
  lf.lfUnderline = spec.underline ? TRUE : FALSE;
  lf.lfStrikeOut = spec.strike_out ? TRUE : FALSE;
  lf.lfCharSet = BYTE(spec.charset);
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = BYTE(spec.pitch_and_family);
  const std::size_t n = std::min(spec.face.size(), std::size_t(LF_FACESIZE - 1));
  std::memcpy(lf.lfFaceName, spec.face.data(), n);
  return lf;
}

GdiSurface::GdiSurface(HDC dc) : dc_(dc) {
  caps_.dpi_x = GetDeviceCaps(dc, LOGPIXELSX);
  caps_.dpi_y = GetDeviceCaps(dc, LOGPIXELSY);
  caps_.screen_width = GetDeviceCaps(dc, HORZRES);
  caps_.screen_height = GetDeviceCaps(dc, VERTRES);
  caps_.palette = GetDeviceCaps(dc, NUMCOLORS) != -1;
  // A block of pixels is copied unscaled; per-pixel calls would follow another mapping mode.
  caps_.exact_colours = !caps_.palette && target_bits_per_pixel(dc) >= 24 && GetMapMode(dc) == MM_TEXT;
}

GdiSurface::~GdiSurface() { restore_font(); }

void GdiSurface::use_font(HFONT font) {
  if (!font) return restore_font();
  // Checked against the DC rather than remembered: code that shares the DC may select too.
  if (GetCurrentObject(dc_, OBJ_FONT) == font) return;
  const HGDIOBJ previous = SelectObject(dc_, font);
  if (!original_font_ && previous && previous != HGDI_ERROR) original_font_ = previous;
}

void GdiSurface::restore_font() {
  if (original_font_ && GetCurrentObject(dc_, OBJ_FONT) != original_font_) SelectObject(dc_, original_font_);
}

GdiSurface::CachedFont* GdiSurface::cached(FontId id) const {
  auto it = fonts_.find(id);
  return it == fonts_.end() ? nullptr : it->second;
}

HFONT GdiSurface::font(FontId id) const {
  const CachedFont* f = cached(id);
  return f ? f->font.get() : nullptr;
}

FontId GdiSurface::create_font(const FontSpec& spec) {
  auto it = std::find_if(font_cache_.begin(), font_cache_.end(),
                         [&](const CachedFont& f) { return f.spec == spec; });
  if (it == font_cache_.end()) {
    const LOGFONTA lf = logfont_of(spec);
    Font font(CreateFontIndirectA(&lf));
    if (!font) return kNoFont;
    font_cache_.push_back({spec, std::move(font), std::nullopt, 0});
    it = std::prev(font_cache_.end());
  } else {
    font_cache_.splice(font_cache_.end(), font_cache_, it);  // most recently used last
  }
  const FontId id = next_font_++;
  if (next_font_ == kNoFont) ++next_font_;
  ++it->users;
  fonts_.emplace(id, &*it);
  return id;
}

void GdiSurface::delete_font(FontId id) {
  auto it = fonts_.find(id);
  if (it == fonts_.end()) return;
  --it->second->users;
  fonts_.erase(it);
  drop_unused_fonts();
}

void GdiSurface::drop_unused_fonts() {
  std::size_t unused = 0;
  for (const CachedFont& f : font_cache_) unused += f.users == 0;
  // A font that the last text call left selected goes out of the DC before it is deleted.
  for (auto it = font_cache_.begin(); unused > kMaxUnusedFonts && it != font_cache_.end();) {
    if (it->users == 0) {
      if (GetCurrentObject(dc_, OBJ_FONT) == it->font.get()) restore_font();
      for (MeasuredText& m : measured_)
        if (m.font == it->font.get()) m = {};
      if (fitted_.font == it->font.get()) fitted_ = {};
      it = font_cache_.erase(it);
      --unused;
    } else {
      ++it;
    }
  }
}

FontMetrics GdiSurface::metrics(FontId id) {
  CachedFont* f = cached(id);
  if (f && f->metrics) return *f->metrics;
  use_font(f ? f->font.get() : nullptr);
  TEXTMETRICA tm{};
  if (!GetTextMetricsA(dc_, &tm)) return {};
  const FontMetrics m{int(tm.tmAscent), int(tm.tmDescent)};
  if (f) f->metrics = m;
  return m;
}

int GdiSurface::text_fit(FontId id, std::string_view text, int max_width) {
  if (max_width < 1 || text.empty()) return 0;
  const CachedFont* f = cached(id);
  use_font(f ? f->font.get() : nullptr);
  INT fit = 0;
  SIZE extent{};
  // Double-byte character sets count extents per character, not per byte: no prefixes kept.
  const bool keep_prefixes = f && !double_byte(f->spec.charset);
  std::vector<INT> extents(keep_prefixes ? text.size() : 0);
  if (!GetTextExtentExPointA(dc_, text.data(), length_of(text.size()), max_width, &fit,
                             keep_prefixes ? extents.data() : nullptr, &extent))
    return 0;
  if (keep_prefixes) {
    extents.resize(std::size_t(std::clamp<INT>(fit, 0, INT(extents.size()))));
    fitted_ = {f->font.get(), std::string(text.substr(0, extents.size())), std::move(extents)};
  }
  return fit;
}

int GdiSurface::text_width(FontId id, std::string_view text) {
  if (text.empty()) return 0;
  const HFONT f = font(id);
  if (f && f == fitted_.font && text.size() <= fitted_.extents.size() && fitted_.text.starts_with(text))
    return fitted_.extents[text.size() - 1];
  for (const MeasuredText& m : measured_)
    if (m.font == f && f && m.text == text) return m.width;
  use_font(f);
  SIZE extent{};
  if (!GetTextExtentPoint32A(dc_, text.data(), length_of(text.size()), &extent)) return 0;
  // Fonts live as long as the surface unless dropped unused; a dropped font's handle could be
  // reused, so only fonts still in the cache are remembered with their widths.
  if (f) {
    measured_[next_measured_] = {f, std::string(text), int(extent.cx)};
    next_measured_ = (next_measured_ + 1) % kMeasuredTexts;
  }
  return extent.cx;
}

int GdiSurface::wide_text_width(FontId id, std::u16string_view text) {
  if (text.empty()) return 0;
  // Measured by drawing with the current position updated: what a wide run advances by when
  // painted, kerning and all, in a scratch context so nothing shows.
  if (!scratch_ || !*scratch_) scratch_.emplace(dc_);
  const HDC scratch = scratch_->get();
  if (!scratch) return 0;
  Selection selection(scratch, font(id));
  SetTextAlign(scratch, TA_UPDATECP);
  MoveToEx(scratch, 0, 0, nullptr);
  ExtTextOutW(scratch, 0, 0, 0, nullptr, wide(text), UINT(length_of(text.size())), nullptr);
  POINT at{};
  GetCurrentPositionEx(scratch, &at);
  return at.x;
}

void GdiSurface::draw_text(FontId id, int x, int y, std::string_view text, Colour text_colour,
                           std::optional<Colour> background) {
  HFONT f = font(id);
  if (!f || text.empty()) return;
  use_font(f);
  TextDrawing drawing(dc_, text_colour, background);
  TextOutA(dc_, x, y, text.data(), length_of(text.size()));
}

void GdiSurface::draw_wide_text(FontId id, int x, int y, std::u16string_view text, Colour text_colour,
                                std::optional<Colour> background) {
  HFONT f = font(id);
  if (!f || text.empty()) return;
  use_font(f);
  TextDrawing drawing(dc_, text_colour, background);
  TextOutW(dc_, x, y, wide(text), length_of(text.size()));
}

bool GdiSurface::fill_rect(const Rect& rect, Colour colour) {
  Brush brush(CreateSolidBrush(colour));
  if (!brush) return false;
  const RECT r{rect.left, rect.top, rect.right, rect.bottom};
  FillRect(dc_, &r, brush.get());
  return true;
}

void GdiSurface::draw_line(Point from, Point to, Colour colour) {
  Pen pen(CreatePen(PS_INSIDEFRAME, 1, colour));
  Selection selection(dc_, pen.get());
  POINT previous{};
  MoveToEx(dc_, from.x, from.y, &previous);
  LineTo(dc_, to.x, to.y);
  MoveToEx(dc_, previous.x, previous.y, nullptr);
}

void GdiSurface::polyline(std::span<const Point> points, std::optional<Colour> colour) {
  std::vector<POINT> gdi;
  gdi.reserve(points.size());
  for (const Point& p : points) gdi.push_back({p.x, p.y});
  Pen pen(colour ? CreatePen(PS_INSIDEFRAME, 1, *colour) : nullptr);
  Selection selection(dc_, pen.get());
  Polyline(dc_, gdi.data(), length_of(gdi.size()));
}

bool GdiSurface::play_metafile(const MetafileRef& metafile, const Rect& dest) {
  if (metafile.data.empty()) return false;
  const UINT bytes = UINT(std::min<std::size_t>(metafile.data.size(), std::numeric_limits<UINT>::max()));
  HENHMETAFILE handle = nullptr;
  if (metafile.enhanced) {
    handle = SetEnhMetaFileBits(bytes, metafile.data.data());
  } else {
    METAFILEPICT pict{};
    pict.mm = metafile.mapping_mode;
    pict.xExt = metafile.pic_width;
    pict.yExt = metafile.pic_height;
    handle = SetWinMetaFileBits(bytes, metafile.data.data(), dc_, &pict);
  }
  EnhMetafile emf(handle);
  if (!emf) return false;
  const RECT r{dest.left, dest.top, dest.right, dest.bottom};
  return PlayEnhMetaFile(dc_, emf.get(), &r) != FALSE;
}

void GdiSurface::draw_pixels(const Rect& rect, std::span<const Colour> pixels) {
  const int width = rect.width(), height = rect.height();
  if (width <= 0 || height <= 0 || pixels.size() < std::size_t(width) * std::size_t(height)) return;
  // A top-down 32-bit DIB holds 0x00RRGGBB where a COLORREF holds 0x00BBGGRR.
  std::vector<std::uint32_t> bits(pixels.size());
  std::transform(pixels.begin(), pixels.end(), bits.begin(), [](Colour c) {
    return std::uint32_t(GetRValue(c)) << 16 | std::uint32_t(GetGValue(c)) << 8 | GetBValue(c);
  });
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc_, rect.left, rect.top, DWORD(width), DWORD(height), 0, 0, 0, UINT(height), bits.data(),
                    &info, DIB_RGB_COLORS);
}

Colour GdiSurface::get_pixel(int x, int y) { return GetPixel(dc_, x, y); }

void GdiSurface::set_pixel(int x, int y, Colour colour) { SetPixel(dc_, x, y, colour); }

Colour GdiSurface::nearest_colour(Colour colour) { return GetNearestColor(dc_, colour); }

}  // namespace tippaint::win
