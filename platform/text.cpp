#include "platform/text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <mutex>
#include <unordered_map>
#include <vector>

extern "C" const unsigned char gc_font_data[];
extern "C" const unsigned char gc_font_data_end[];

namespace gc {

std::u32string DecodeUtf8(std::string_view s) {
  std::u32string out;
  out.reserve(s.size());
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  size_t k = 0;
  while (k < s.size()) {
    const unsigned char b = byte(k);
    int extra;
    char32_t cp, min;
    if (b < 0x80) {
      out.push_back(b);
      ++k;
      continue;
    } else if ((b & 0xE0) == 0xC0) {
      extra = 1, cp = b & 0x1F, min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
      extra = 2, cp = b & 0x0F, min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
      extra = 3, cp = b & 0x07, min = 0x10000;
    } else {  // a stray continuation byte or an invalid lead byte
      out.push_back(0xFFFD);
      ++k;
      continue;
    }
    size_t used = 1;
    bool ok = true;
    for (int e = 0; e < extra; ++e, ++used) {
      if (k + used >= s.size() || (byte(k + used) & 0xC0) != 0x80) {
        ok = false;
        break;
      }
      cp = (cp << 6) | (byte(k + used) & 0x3F);
    }
    // Overlong forms, surrogates and values beyond U+10FFFF are invalid too.
    if (!ok || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      out.push_back(0xFFFD);
      k += used;  // the lead and the continuation bytes seen; a bad byte is read again
      continue;
    }
    out.push_back(cp);
    k += used;
  }
  return out;
}

namespace {

struct Glyph {
  int left = 0, top = 0;  // bitmap offset from the pen on the baseline (top: up)
  int advance = 0;        // whole pixels
  int width = 0, rows = 0, pitch = 0;
  std::vector<std::uint8_t> bits;
};

// One FreeType library and face for the process, used under a mutex (a
// face may not be shared between threads), with the rendered glyphs cached
// per size.
class FontEngine {
 public:
  static FontEngine& Get() {
    static FontEngine engine;
    return engine;
  }

  LineMetrics Metrics(double points) {
    std::lock_guard lock(mutex_);
    return SelectSize(points) ? metrics_ : LineMetrics{};
  }

  void Draw(const Painter& painter, std::int64_t left, std::int64_t top, double points,
            std::string_view utf8, std::uint32_t colour) {
    const std::u32string text = DecodeUtf8(utf8);
    std::lock_guard lock(mutex_);
    if (!SelectSize(points)) return;
    const std::int64_t baseline = top + metrics_.ascent;
    // Past this pen position no glyph can reach the surface any more.
    const std::int64_t pen_end = painter.width() + 2 * static_cast<std::int64_t>(size_px_) + 2;
    std::int64_t pen = left;
    for (const char32_t cp : text) {
      if (pen > pen_end) break;
      if (cp < 0x20 || cp == 0x7F) continue;
      const Glyph* g = Find(cp);
      if (g == nullptr) continue;
      if (g->width > 0 && g->rows > 0)
        painter.MonoBitmap(pen + g->left, baseline - g->top, g->bits.data(), g->pitch, g->width,
                           g->rows, colour);
      pen += g->advance;
    }
  }

 private:
  FontEngine() {
    if (FT_Init_FreeType(&library_) != 0) return;
    const auto size = static_cast<FT_Long>(gc_font_data_end - gc_font_data);
    if (FT_New_Memory_Face(library_, gc_font_data, size, 0, &face_) != 0) face_ = nullptr;
  }
  ~FontEngine() {
    if (face_ != nullptr) FT_Done_Face(face_);
    if (library_ != nullptr) FT_Done_FreeType(library_);
  }

  // Makes `points` the face's size; false if the face is unusable.
  bool SelectSize(double points) {
    if (face_ == nullptr) return false;
    if (!std::isfinite(points) || points < kMinPoints) points = kMinPoints;
    if (points > kMaxPoints) points = kMaxPoints;
    const auto size = static_cast<FT_F26Dot6>(std::lround(points * 64.0));
    if (size == size_) return true;
    if (FT_Set_Char_Size(face_, 0, size, 96, 96) != 0) {
      size_ = -1;
      return false;
    }
    size_ = size;
    const FT_Size_Metrics& m = face_->size->metrics;
    metrics_.ascent = static_cast<int>((m.ascender + 63) >> 6);
    metrics_.height = static_cast<int>((m.height + 32) >> 6);
    size_px_ = static_cast<int>((m.y_ppem));
    return true;
  }

  const Glyph* Find(char32_t cp) {
    const std::uint64_t key = (static_cast<std::uint64_t>(size_) << 32) | cp;
    if (auto it = cache_.find(key); it != cache_.end()) return &it->second;
    if (FT_Load_Char(face_, cp, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return nullptr;
    const FT_GlyphSlot slot = face_->glyph;
    const FT_Bitmap& bm = slot->bitmap;
    if (bm.pixel_mode != FT_PIXEL_MODE_MONO && bm.rows > 0 && bm.width > 0) return nullptr;
    Glyph g;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    g.width = static_cast<int>(bm.width);
    g.rows = static_cast<int>(bm.rows);
    g.pitch = bm.pitch < 0 ? -bm.pitch : bm.pitch;
    if (g.width > 0 && g.rows > 0) {
      g.bits.resize(static_cast<size_t>(g.pitch) * g.rows);
      for (int r = 0; r < g.rows; ++r) {
        // A negative pitch means the rows are stored bottom-up.
        const int src_row = bm.pitch < 0 ? g.rows - 1 - r : r;
        const unsigned char* src = bm.buffer + static_cast<std::ptrdiff_t>(src_row) * g.pitch;
        std::copy(src, src + g.pitch, g.bits.begin() + static_cast<std::ptrdiff_t>(r) * g.pitch);
      }
    }
    // Bound the cache: random sizes and characters must not grow it forever.
    cached_bytes_ += g.bits.size() + sizeof(Glyph);
    if (cached_bytes_ > kCacheBytes) {
      cache_.clear();
      cached_bytes_ = g.bits.size() + sizeof(Glyph);
    }
    return &cache_.emplace(key, std::move(g)).first->second;
  }

  static constexpr size_t kCacheBytes = 32u << 20;

  std::mutex mutex_;
  FT_Library library_ = nullptr;
  FT_Face face_ = nullptr;
  FT_F26Dot6 size_ = -1;
  int size_px_ = 0;
  LineMetrics metrics_;
  std::unordered_map<std::uint64_t, Glyph> cache_;
  size_t cached_bytes_ = 0;
};

}  // namespace

LineMetrics MetricsFor(double points) { return FontEngine::Get().Metrics(points); }

void DrawText(const Painter& painter, std::int64_t left, std::int64_t top, double points,
              std::string_view utf8, std::uint32_t colour) {
  FontEngine::Get().Draw(painter, left, top, points, utf8, colour);
}

}  // namespace gc
