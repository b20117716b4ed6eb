#include "cli/names_file.h"

#include <cstdio>

namespace gc::cli {
namespace {

constexpr char32_t kInvalid = 0xFFFFFFFF;

// The next character of `s` at `pos`, by the rules of the name check: an
// invalid, overlong, surrogate or out-of-range sequence is kInvalid and
// takes one byte.
char32_t DecodeUtf8(const std::string& s, std::size_t& pos) {
  const auto b0 = static_cast<unsigned char>(s[pos]);
  const int n = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
  bool valid = n > 0 && pos + n <= s.size();
  for (int k = 1; valid && k < n; ++k) valid = (static_cast<unsigned char>(s[pos + k]) & 0xC0) == 0x80;
  char32_t c = 0;
  if (valid) {
    c = n == 1 ? b0 : b0 & (0x7F >> n);
    for (int k = 1; k < n; ++k) c = (c << 6) | (static_cast<unsigned char>(s[pos + k]) & 0x3F);
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    valid = c >= kSmallest[n] && !(c >= 0xD800 && c < 0xE000) && c <= 0x10FFFF;
  }
  if (!valid) {
    ++pos;
    return kInvalid;
  }
  pos += n;
  return c;
}

bool IsBlank(const std::string& s) {
  for (const char c : s)
    if (c != ' ' && c != '\t') return false;
  return true;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string CodePoint(char32_t c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c));
  return buf;
}

// Printable: not a C0/C1 control, not DEL, not a surrogate or beyond Unicode.
bool Printable(char32_t c) {
  return c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0) && !(c >= 0xD800 && c < 0xE000) &&
         c <= 0x10FFFF && c != 0xFFFD;
}

}  // namespace

bool NamesReader::Next(ListedName& out) {
  std::streambuf* sb = in_.rdbuf();
  constexpr int kEof = std::char_traits<char>::eof();
  while (sb->sgetc() != kEof) {
    ++line_;
    out.line = line_;
    out.text.clear();
    // Keep one byte beyond the limit, so that a '\r' ending a line of exactly
    // kKeptBytes is still seen and dropped.
    std::size_t length = 0;
    bool ends_in_cr = false;
    for (int c = sb->sbumpc(); c != kEof && c != '\n'; c = sb->sbumpc()) {
      if (out.text.size() <= kKeptBytes) out.text += static_cast<char>(c);
      ++length;
      ends_in_cr = c == '\r';
    }
    if (ends_in_cr && length-- == out.text.size()) out.text.pop_back();
    out.cut = length > kKeptBytes;
    if (out.cut) out.text.resize(kKeptBytes);
    if (line_ == 1 && out.text.compare(0, 3, "\xEF\xBB\xBF") == 0) out.text.erase(0, 3);
    if (!out.cut && IsBlank(out.text)) continue;
    out.check = CheckName(out.text);
    return true;
  }
  return false;
}

std::string DescribeProblem(const NameCheck& check) {
  if (check.ok) return "valid";
  if (check.too_long) return "more than 100 characters (at most 100 are allowed)";
  std::string what;
  if (check.character == 0xFFFD) {
    what = "a byte that is not valid UTF-8";
  } else {
    what = "character ";
    if (Printable(check.character)) {
      what += '\'';
      AppendUtf8(what, check.character);
      what += "' (" + CodePoint(check.character) + ")";
    } else {
      what += CodePoint(check.character);
    }
  }
  return what + " at position " + std::to_string(check.position) +
         " is not allowed: only small letters a to z and spaces";
}

std::string Quote(const std::string& text, bool cut) {
  constexpr std::size_t kShown = 40;
  std::string out = "\"";
  std::size_t pos = 0, shown = 0;
  while (pos < text.size() && shown < kShown) {
    const std::size_t before = pos;
    const char32_t c = DecodeUtf8(text, pos);
    ++shown;
    if (c == kInvalid) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", static_cast<unsigned char>(text[before]));
      out += buf;
      continue;
    }
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (Printable(c)) {
      AppendUtf8(out, c);
    } else {
      out += "\\u{" + CodePoint(c).substr(2) + "}";
    }
  }
  out += '"';
  if (pos < text.size() || cut) out += "...";
  return out;
}

}  // namespace gc::cli
