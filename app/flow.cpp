#include "app/flow.h"

#include <cstdint>
#include <string_view>

#include "overlays/overlays.h"
#include "params/params.h"
#include "platform/bmp.h"
#include "render/render.h"

namespace gc {
namespace {

constexpr Colour kWhite = 0xFFFFFF;

// Decodes the next UTF-8 character of `s` at `pos`; an invalid byte counts as
// one character of its own.
char32_t NextChar(std::string_view s, size_t& pos) {
  const auto b0 = static_cast<unsigned char>(s[pos]);
  int len = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
  if (len == 0 || pos + len > s.size()) {
    ++pos;
    return 0xFFFD;
  }
  char32_t c = len == 1 ? b0 : b0 & (0x7F >> len);
  for (int k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(s[pos + k]);
    if ((b & 0xC0) != 0x80) {
      ++pos;
      return 0xFFFD;
    }
    c = (c << 6) | (b & 0x3F);
  }
  // Overlong forms (which would let e.g. C1 A1 pass for 'a'), surrogates and
  // values past U+10FFFF are not UTF-8 either.
  static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kMin[len] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++pos;
    return 0xFFFD;
  }
  pos += len;
  return c;
}

// The character's code in a single-byte character set: ASCII and Latin-1 keep
// their code; anything else has none and reads as '?'.
std::int16_t SingleByteCode(char32_t c) { return c < 256 ? static_cast<std::int16_t>(c) : 63; }

}  // namespace

std::size_t CountCharacters(std::string_view utf8, std::size_t stop_after) {
  std::size_t count = 0;
  for (size_t pos = 0; pos < utf8.size() && count <= stop_after; ++count) NextChar(utf8, pos);
  return count;
}

NameCheck CheckName(std::string_view utf8) {
  NameCheck c;
  c.length = CountCharacters(utf8, 100);
  if (c.length > 100) {
    c.ok = false;
    c.too_long = true;
    return c;
  }
  size_t pos = 0;
  for (std::size_t k = 1; k <= c.length; ++k) {
    const char32_t ch = NextChar(utf8, pos);
    if (ch != U' ' && (ch < U'a' || ch > U'z')) {
      c.ok = false;
      c.position = k;
      c.character = ch;
      return c;
    }
  }
  return c;
}

void SetGeometry(PictureState& s) {
  s.sir = 700;
  s.vis = 525;
  // The world window is 12 by 9 units.
  s.polx = 12.0 / 2;
  s.poly = 9.0 / 2;
  s.dx = s.sir / 12;
  s.dy = s.vis / 9;
}

void Form_Load(Form1& f) {
  PictureState& s = f.st;
  f.rnd.Seed(f.os.clock.SecondsSinceMidnight());
  // From here on a failing step is skipped and start-up goes on.
  f.os.files.CreateFolder(f.os.folder);  // an existing folder is fine
  s.t1 = "enter your name and surname";
  s.t2 = "small letters (lowercase, no čšž)";
  f.surface.Cls();
  f.Picture1.fill_style = FillStyle::Solid;
  f.surface.SetBackColor(0);
  SetGeometry(s);
  SkipFailure([&] { SeedFromName(f); });
  SkipFailure([&] { BuildRamp(f); });
  SkipFailure([&] { NewPicture(f); });
}

void NewPicture(Form1& f) {
  f.Picture1.fill_style = FillStyle::Solid;
  DrawParameters(f);
  for (int k = 0; k < 3; ++k) f.rnd.Draw();  // advances the sequence only
  RenderField(f);
  ReadBackPass(f);
  DrawOrnaments(f);
  PrintGreeting(f);
}

void SeedFromName(Form1& f) {
  PictureState& s = f.st;
  for (;;) {
    bool rejected = false;
    double sum = 0;
    s.t = f.os.prompt.Ask(s.t1 + "\r" + s.t2, 500, 8700);
    // Counting stops past 100, so a huge paste is refused without a full scan.
    s.dolz = static_cast<double>(CountCharacters(s.t, 100));
    if (s.dolz > 100) continue;
    size_t pos = 0;
    for (int k = 1; k <= s.dolz; ++k) {
      const char32_t c = NextChar(s.t, pos);
      s.codes[k] = SingleByteCode(c);
      if (c != U' ' && (c < U'a' || c > U'z')) rejected = true;
    }
    if (rejected) continue;
    s.seed = 4396645;
    for (int k = 1; k <= s.dolz; ++k) sum = sum + s.codes[k] + s.dolz;
    s.seed = s.seed + sum * s.dolz;
    f.rnd.Reset(-1);
    f.rnd.Seed(s.seed);
    return;
  }
}

std::string SavePath(const Form1& f) { return f.os.folder + f.st.imeslike + ".bmp"; }

void SavePictureFile(Form1& f) {
  PictureState& s = f.st;
  for (s.i = 0; s.i <= s.sir; ++s.i) {
    const auto x = static_cast<float>(s.i);
    for (s.j = 0; s.j <= s.vis; ++s.j) {
      s.col = f.Picture1.Point(x, static_cast<float>(s.j));
      f.Picture2.PSet(x, static_cast<float>(s.j), static_cast<Colour>(s.col));
    }
    f.surface.Line(x + 31, 560, x + 31, 567, kWhite);
    f.surface.Line(x + 29, 560, x + 29, 567, 0);
  }
  // A save that cannot be written is reported and the program goes on with
  // its picture; the folder is made again if it went missing meanwhile.
  const std::string path = SavePath(f);
  f.os.files.CreateFolder(f.os.folder);
  const FileResult written = f.os.files.WriteFileAtomically(path, EncodeBmp(f.Picture2));
  if (!written.ok()) {
    f.os.prompt.ShowMessage("The picture could not be saved.\n\nFile: " + path + "\nError " +
                            std::to_string(written.number) + ": " + written.description);
  }
}

void Command5_Click(Form1& f) {
  SeedFromName(f);
  BuildRamp(f);
  NewPicture(f);
}

void Command3_Click(Form1& f) { SavePictureFile(f); }

void Command2_Click(Form1& f) { f.end_requested = true; }

}  // namespace gc
