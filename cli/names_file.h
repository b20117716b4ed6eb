// Reading a list of names, one a line, and checking each against the rule
// the name prompt applies. No Qt and no rendering here, so the fuzzer can
// take it on its own.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

#include "app/flow.h"

namespace gc::cli {

// One non-blank line of a names file.
struct ListedName {
  std::size_t line = 0;  // 1-based
  std::string text;      // the line without its line end; at most kKeptBytes
  bool cut = false;      // the line was longer than kKeptBytes
  NameCheck check;       // CheckName of the whole line
};

// A valid name has at most 100 one-byte characters. A line longer than
// this holds more than 100 characters whatever its bytes (a character is at
// most four bytes, an invalid byte counts as one), so its check does not
// depend on the rest and need not be kept in memory.
inline constexpr std::size_t kKeptBytes = 101 * 4;

// Reads lines one at a time: '\n' ends a line, one '\r' before it is
// dropped, a UTF-8 byte-order mark opening the file is dropped, and blank
// lines (empty, or only spaces and tabs) are skipped.
class NamesReader {
 public:
  explicit NamesReader(std::istream& in) : in_(in) {}
  // The next non-blank line, or false at the end of the input.
  bool Next(ListedName& out);

 private:
  std::istream& in_;
  std::size_t line_ = 0;
};

// A one-line explanation of why `check` refused the name, e.g.
// "character 'A' (U+0041) at position 1 is not allowed: only small letters a to z and spaces".
std::string DescribeProblem(const NameCheck& check);

// The name as a short, printable quotation: control characters, invalid
// UTF-8 and quotes escaped, cut after 40 characters.
std::string Quote(const std::string& text, bool cut = false);

}  // namespace gc::cli
