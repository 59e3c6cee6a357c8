#include <tippaint/win/gdi_surface.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

namespace tippaint::win {
namespace {

// GDI counts string lengths in int.
int length_of(std::size_t n) { return int(std::min<std::size_t>(n, std::numeric_limits<int>::max())); }

const WCHAR* wide(std::u16string_view text) { return reinterpret_cast<const WCHAR*>(text.data()); }

// Draws with the item's font and colours, then gives the DC back as it was.
class TextDrawing {
 public:
  TextDrawing(HDC dc, HFONT font, Colour text_colour, std::optional<Colour> background)
      : state_(dc), selection_(dc, font) {
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
  Selection selection_;
};

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
}

HFONT GdiSurface::font(FontId id) const {
  auto it = fonts_.find(id);
  return it == fonts_.end() ? nullptr : it->second.get();
}

FontId GdiSurface::create_font(const FontSpec& spec) {
  const LOGFONTA lf = logfont_of(spec);
  Font font(CreateFontIndirectA(&lf));
  if (!font) return kNoFont;
  const FontId id = next_font_++;
  if (next_font_ == kNoFont) ++next_font_;
  fonts_.emplace(id, std::move(font));
  return id;
}

void GdiSurface::delete_font(FontId id) { fonts_.erase(id); }

FontMetrics GdiSurface::metrics(FontId id) {
  Selection selection(dc_, font(id));
  TEXTMETRICA tm{};
  if (!GetTextMetricsA(dc_, &tm)) return {};
  return {int(tm.tmAscent), int(tm.tmDescent)};
}

int GdiSurface::text_fit(FontId id, std::string_view text, int max_width) {
  if (max_width < 1 || text.empty()) return 0;
  Selection selection(dc_, font(id));
  INT fit = 0;
  SIZE extent{};
  if (!GetTextExtentExPointA(dc_, text.data(), length_of(text.size()), max_width, &fit, nullptr, &extent))
    return 0;
  return fit;
}

int GdiSurface::text_width(FontId id, std::string_view text) {
  if (text.empty()) return 0;
  Selection selection(dc_, font(id));
  SIZE extent{};
  if (!GetTextExtentPoint32A(dc_, text.data(), length_of(text.size()), &extent)) return 0;
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
  TextDrawing drawing(dc_, f, text_colour, background);
  TextOutA(dc_, x, y, text.data(), length_of(text.size()));
}

void GdiSurface::draw_wide_text(FontId id, int x, int y, std::u16string_view text, Colour text_colour,
                                std::optional<Colour> background) {
  HFONT f = font(id);
  if (!f || text.empty()) return;
  TextDrawing drawing(dc_, f, text_colour, background);
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

Colour GdiSurface::get_pixel(int x, int y) { return GetPixel(dc_, x, y); }

void GdiSurface::set_pixel(int x, int y, Colour colour) { SetPixel(dc_, x, y, colour); }

Colour GdiSurface::nearest_colour(Colour colour) { return GetNearestColor(dc_, colour); }

}  // namespace tippaint::win
