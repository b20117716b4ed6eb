// The per-picture parameter draw and the file name stem.
#include <string>

#include "params/params.h"

namespace gc {
namespace {

// Characters `start` (counted from 1) to start + count - 1 of `text`; a text
// too short for them gives what there is, possibly nothing.
std::string Piece(const std::string& text, std::size_t start, std::size_t count) {
  if (start < 1 || start > text.size()) return {};
  return text.substr(start - 1, count);
}

}  // namespace

void DrawComposition(PictureState& s, const DrawSource& draw) {
  // Each statement skips its own failure.
  LetSng(s.tip1, Floor(Num(draw()) * 15 + 1));
  LetSng(s.tip2, Floor(Num(draw()) * 3 + 1));
  LetSng(s.tip3, Floor(Num(draw()) * 4 + 1));
  LetSng(s.pozic0, Floor(Num(draw()) * 300 + 5));
  Let(s.fi0, Num(draw()) * 6.283);
  s.fi1 = 0;
  LetSng(s.r0, Num(draw()) * 3 + 1);
  s.korakfi1 = 0.00002;
  LetSng(s.fak1, Num(draw()) * 10 + 10);
  LetSng(s.fak2, Num(draw()) * 10 + 10);
  LetSng(s.fak3, Num(draw()) * 10 + 10);
}

std::string FileStem(const std::string& date, const std::string& time) {
  // date is mm-dd-yyyy, time hh:mm:ss; the stem reads Tyyyymmddhhmmss.
  return "T" + Piece(date, 7, 4) + Piece(date, 1, 2) + Piece(date, 4, 2) + Piece(time, 1, 2) +
         Piece(time, 4, 2) + Piece(time, 7, 2);
}

void DrawParameters(Form1& f) {
  const std::string date = f.os.clock.DateText();
  const std::string time = f.os.clock.TimeText();
  f.st.imeslike = FileStem(date, time);
  DrawComposition(f.st, [&f] { return f.rnd.Draw(); });
}

}  // namespace gc
