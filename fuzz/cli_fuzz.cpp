// Arbitrary bytes as a names file and as a single name: the reader and the
// name check must not crash, and what they accept must make a safe file
// name.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "cli/file_names.h"
#include "cli/names_file.h"

namespace {

void Require(bool ok) {
  if (!ok) __builtin_trap();
}

bool Printable(const std::string& s) {
  return std::none_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

void CheckOne(const std::string& text, const gc::NameCheck& check) {
  if (check.ok) {
    Require(text.size() <= 100);
    Require(std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || (c >= 'a' && c <= 'z'); }));
    const std::string file = gc::cli::CardFileName(text, gc::cli::Format::Png);
    Require(file.size() == text.size() + 4 && file.find_first_of(std::string("/ \0", 3)) == std::string::npos);
  } else if (!check.too_long) {
    Require(check.position >= 1 && check.position <= check.length && check.length <= 100);
  }
  const std::string problem = gc::cli::DescribeProblem(check), quoted = gc::cli::Quote(text);
  Require(Printable(problem) && Printable(quoted) && quoted.size() <= 2 + 40 * 10 + 3);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  CheckOne(bytes, gc::CheckName(bytes));

  std::istringstream in(bytes);
  gc::cli::NamesReader reader(in);
  const auto lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
  std::size_t last = 0;
  for (gc::cli::ListedName entry; reader.Next(entry);) {
    Require(entry.line > last && entry.line <= lines);
    last = entry.line;
    Require(entry.text.size() <= gc::cli::kKeptBytes && entry.text.find('\n') == std::string::npos);
    if (entry.cut) {
      Require(entry.check.too_long);
    } else {
      const gc::NameCheck again = gc::CheckName(entry.text);
      Require(again.ok == entry.check.ok && again.position == entry.check.position);
    }
    CheckOne(entry.text, entry.check);
  }
  return 0;
}
