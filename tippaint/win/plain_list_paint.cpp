// Plain lists ("HVR2", "QX2L"): a headword and lines or headings of texts that a producer in
// this process points to, placed one below the other with DrawTextA, with optional icons.
#include <tippaint/win/painter_paths.h>

#include <tippaint/layout.h>
#include <lexiton/win/gdi_handles.h>
#include <tippaint/win/gdi_surface.h>
#include <tippaint/win/painter_module.h>
#include <tippaint/win/resource_logos.h>
#include <lexiton/painter_exports.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>

namespace tippaint::win {

using namespace lexiton::win;
namespace {

constexpr int kListTop = 33;
constexpr int kMinLineHeight = 12;
constexpr int kHeadwordMinWidth = 120;
constexpr int kTextLeft = 3;
constexpr int kPlainLineLeft = 7;
constexpr int kStyledLineLeft = 40;
constexpr int kStyledLineIconLeft = 22;
constexpr int kHeadingWithIconLeft = 22;
constexpr int kHeadingIconLeft = 4;
// The list stops with "..." when the next entry would start this close to the screen bottom.
constexpr int kBottomReserve = 36;

std::string_view text_at(std::uint64_t word) {
  const char* text = reinterpret_cast<const char*>(static_cast<std::uintptr_t>(word));
  if (!text) return {};
  return std::string_view(text, strnlen(text, kMaxPlainListText));
}

class SavedFont {
 public:
  explicit SavedFont(HDC dc) : dc_(dc), font_(GetCurrentObject(dc, OBJ_FONT)) {}
  ~SavedFont() {
    if (font_) SelectObject(dc_, font_);
  }
  SavedFont(const SavedFont&) = delete;
  SavedFont& operator=(const SavedFont&) = delete;

 private:
  HDC dc_;
  HGDIOBJ font_;
};

class ListPainter {
 public:
  ListPainter(HDC dc, int dpi_y)
      : dc_(dc), normal_(make_font(dpi_y, false)), bold_(make_font(dpi_y, true)), saved_font_(dc) {
    if (bold_) SelectObject(dc_, bold_.get());
  }

  HFONT normal() const { return normal_.get(); }
  HFONT bold() const { return bold_.get(); }
  const RECT& box() const { return box_; }
  void grow_bottom(int by) { box_.bottom += by; }
  void grow_right(int by) { box_.right += by; }

  // Text in `font` at (x + 3, y), at least min_width wide and min_height high; returns the
  // rectangle it took and adds it to the bounding box.
  RECT place(HFONT font, int x, int y, int min_width, int min_height, std::string_view text) {
    // Selecting a font costs more than placing a short line: only when it changes.
    if (font && GetCurrentObject(dc_, OBJ_FONT) != font) SelectObject(dc_, font);
    const DWORD extent = GetTabbedTextExtentA(dc_, text.data(), int(text.size()), 0, nullptr);
    const int width = LOWORD(extent), height = HIWORD(extent);
    RECT rect{x + 3, y, x + std::max(min_width, width + 6), y + std::max(min_height, height)};
    DrawTextA(dc_, text.data(), int(text.size()), &rect, DT_EXPANDTABS);
    box_.left = std::min(box_.left, rect.left);
    box_.top = std::min(box_.top, rect.top);
    box_.right = std::max(box_.right, rect.right);
    box_.bottom = std::max(box_.bottom, rect.bottom);
    return rect;
  }

  void icon(HBITMAP bitmap, int x, int y) {
    if (!bitmap) return;
    // Made at the first icon: most lists have none, and a DC is not free to make.
    if (!icons_) icons_ = std::make_unique<MemoryDc>(dc_);
    if (!*icons_) return;
    Selection selection(icons_->get(), bitmap);
    if (selection.ok()) BitBlt(dc_, x, y, kListIconWidth, kListIconHeight, icons_->get(), 0, 0, SRCCOPY);
  }

 private:
  static Font make_font(int dpi_y, bool bold) {
    const LOGFONTA lf = logfont_of(painter_font_spec(dpi_y, bold));
    return Font(CreateFontIndirectA(&lf));
  }

  HDC dc_;
  Font normal_;
  Font bold_;
  std::unique_ptr<MemoryDc> icons_;
  // Declared last: the DC gets its own font back before the painter's fonts are deleted, also
  // when the painter's bold font could not be made and only the entries' fonts were selected.
  SavedFont saved_font_;
  RECT box_{0, 0, 0, 0};
};

}  // namespace

int paint_plain_list(HDC dc, const PaintableChunk& chunk, const TipPaintOutput& out, COLORREF background,
                     const char* title) noexcept {
  try {
    const auto words = read_plain_list_words(chunk.data, chunk.size, LX_PLAIN_LIST_WORD_SIZE);
    if (!words) return 0;
    GdiSurface surface(dc);
    const DeviceCaps caps = surface.caps();
    surface.fill_rect({0, 0, caps.screen_width, caps.screen_height}, background);

    ListPainter list(dc, caps.dpi_y);
    int y = kListTop;
    const std::string_view title_text =
        title ? std::string_view(title, strnlen(title, kMaxPlainListText)) : "";
    if (!title_text.empty()) {
      list.place(list.normal(), kTextLeft, kListTop, 0, kMinLineHeight, title_text);
      list.grow_bottom(2);
      y = list.box().bottom + 1;  // 3 below the title's own bottom
    }
    const RECT headword =
        list.place(list.bold(), kTextLeft, y, kHeadwordMinWidth, kMinLineHeight, text_at(words->headword));
    list.grow_bottom(2);
    const int rule_y = headword.bottom + 1;
    y = headword.bottom + 3;

    const bool styled = chunk.kind == ResultKind::StyledPlainList;
    for (const PlainListEntry& entry : words->entries) {
      if (y > caps.screen_height - kBottomReserve) {
        list.place(list.bold(), kTextLeft, y, 0, kMinLineHeight, "...");
        list.grow_bottom(2);
        break;
      }
      ListStyle style{nullptr, list.normal(), list.bold()};
      if (styled) {
        // A producer's null style falls back to the painter's own fonts and no icon.
        if (const auto* given = reinterpret_cast<const ListStyle*>(static_cast<std::uintptr_t>(entry.style)))
          style = *given;
      } else {
        style.icon = reinterpret_cast<HBITMAP>(static_cast<std::uintptr_t>(entry.style));
      }
      if (!entry.heading) {
        if (styled) {
          list.place(style.normal_font, kStyledLineLeft, y, 0, kMinLineHeight, text_at(entry.text));
          list.icon(style.icon, kStyledLineIconLeft, y);
        } else {
          list.place(list.normal(), kPlainLineLeft, y, 0, kMinLineHeight, text_at(entry.text));
        }
        y = list.box().bottom + 1;
      } else {
        if (style.icon) {
          list.place(style.bold_font, kHeadingWithIconLeft, y, 0, kMinLineHeight, text_at(entry.text));
          list.icon(style.icon, kHeadingIconLeft, y);
        } else {
          list.place(style.normal_font, kTextLeft, y, 0, kMinLineHeight, text_at(entry.text));
        }
        y = list.box().bottom + 2;
      }
    }

    ResourceLogos logos(painter_module());
    FrameRequest request;
    request.content = {list.box().right, list.box().bottom};
    request.path = frame::FramePath::PlainList;
    request.pointer_x = *out.x;
    request.pointer_y = *out.y;
    request.background = background;
    request.rule_y = rule_y;
    deliver_frame(finish_frame(surface, logos, request, system_family()), out);
    return 1;
  } catch (...) {
    return 0;
  }
}

}  // namespace tippaint::win
