// The name of a card's file: the name with each space replaced by '_', plus
// the extension of the format.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace gc::cli {

enum class Format { Bmp, Png };

// ".bmp" or ".png".
const char* Extension(Format format);
// The format named by "bmp" or "png" (any case).
std::optional<Format> FormatNamed(std::string_view word);
// The format a path's extension asks for (".bmp" or ".png", any case).
std::optional<Format> FormatOfPath(std::string_view path);

// For a name that passed CheckName (a to z and spaces only) the result is a
// plain file name: distinct names give distinct files, and it never holds a
// separator.
std::string CardFileName(std::string_view name, Format format);

}  // namespace gc::cli
