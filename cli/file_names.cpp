#include "cli/file_names.h"

#include <algorithm>
#include <cctype>

namespace gc::cli {
namespace {

bool SameWord(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == y;
         });
}

}  // namespace

const char* Extension(Format format) { return format == Format::Png ? ".png" : ".bmp"; }

std::optional<Format> FormatNamed(std::string_view word) {
  if (SameWord(word, "bmp")) return Format::Bmp;
  if (SameWord(word, "png")) return Format::Png;
  return std::nullopt;
}

std::optional<Format> FormatOfPath(std::string_view path) {
  const auto dot = path.rfind('.');
  const auto slash = path.rfind('/');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return std::nullopt;
  return FormatNamed(path.substr(dot + 1));
}

std::string CardFileName(std::string_view name, Format format) {
  std::string file(name);
  std::replace(file.begin(), file.end(), ' ', '_');
  return file + Extension(format);
}

}  // namespace gc::cli
