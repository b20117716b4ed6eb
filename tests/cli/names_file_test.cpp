#include "cli/names_file.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/file_names.h"

namespace gc::cli {
namespace {

struct Seen {
  std::size_t line;
  std::string text;
  bool ok;
  bool operator==(const Seen&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Seen& s) {
  return os << "{" << s.line << ", " << Quote(s.text) << ", " << s.ok << "}";
}

std::vector<Seen> Read(const std::string& bytes) {
  std::istringstream in(bytes);
  NamesReader reader(in);
  std::vector<Seen> out;
  for (ListedName n; reader.Next(n);) out.push_back({n.line, n.text, n.check.ok});
  return out;
}

TEST(NamesReader, SplitsLinesDropsCarriageReturnsAndSkipsBlankLines) {
  struct Case {
    const char* what;
    std::string bytes;
    std::vector<Seen> expected;
  };
  const std::vector<Case> cases = {
      {"plain", "ana\nbojan novak\n", {{1, "ana", true}, {2, "bojan novak", true}}},
      {"no final newline", "ana\nzala", {{1, "ana", true}, {2, "zala", true}}},
      {"CRLF", "ana\r\nzala\r\n", {{1, "ana", true}, {2, "zala", true}}},
      {"only one CR dropped", "ana\r\r\n", {{1, "ana\r", false}}},
      {"CR inside a line is kept", "a\rb\n", {{1, "a\rb", false}}},
      {"blank lines keep the numbering", "\n\r\n  \t \nana\n\n", {{4, "ana", true}}},
      {"byte-order mark", "\xEF\xBB\xBF" "ana\n", {{1, "ana", true}}},
      {"mark only on the first line", "ana\n\xEF\xBB\xBF" "b\n", {{1, "ana", true}, {2, "\xEF\xBB\xBF" "b", false}}},
      {"NUL byte", std::string("an\0a\n", 5), {{1, std::string("an\0a", 4), false}}},
      {"invalid UTF-8", "an\xC3\n", {{1, "an\xC3", false}}},
      {"spaces around a name count", " ana \n", {{1, " ana ", true}}},
      {"empty input", "", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.bytes), c.expected) << c.what;
}

TEST(NamesReader, LengthLimitAndHugeLines) {
  const std::string hundred(100, 'a');
  EXPECT_EQ(Read(hundred + "\r\n"), (std::vector<Seen>{{1, hundred, true}}));
  EXPECT_EQ(Read(hundred + "b\n"), (std::vector<Seen>{{1, hundred + "b", false}}));

  // A megabyte line is refused as too long without being kept, and the
  // lines after it are read as usual.
  std::istringstream in(std::string(1 << 20, 'a') + "\r\nzala\n");
  NamesReader reader(in);
  ListedName n;
  ASSERT_TRUE(reader.Next(n));
  EXPECT_TRUE(n.cut);
  EXPECT_EQ(n.text.size(), kKeptBytes);
  EXPECT_TRUE(n.check.too_long);
  ASSERT_TRUE(reader.Next(n));
  EXPECT_EQ(n.line, 2u);
  EXPECT_EQ(n.text, "zala");
  EXPECT_FALSE(reader.Next(n));

  // 101 four-byte characters are too long, not "a bad character at 1",
  // though their bytes run past what is kept.
  std::string wide;
  for (int k = 0; k < 101; ++k) wide += "\xF0\x9F\x98\x80";
  std::istringstream in2(wide + "\n");
  NamesReader reader2(in2);
  ASSERT_TRUE(reader2.Next(n));
  EXPECT_TRUE(n.check.too_long);
  // A line of exactly the kept length ending in CR is not cut.
  std::istringstream in3(std::string(kKeptBytes, 'a') + "\r\n");
  NamesReader reader3(in3);
  ASSERT_TRUE(reader3.Next(n));
  EXPECT_FALSE(n.cut);
  EXPECT_EQ(n.text, std::string(kKeptBytes, 'a'));
}

TEST(NamesReader, ProblemsNameTheCharacterAndItsPosition) {
  struct Case {
    std::string name;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"Ana", "character 'A' (U+0041) at position 1 is not allowed"},
      {"marko 2", "character '2' (U+0032) at position 7 is not allowed"},
      {"\xC4\x8Drt", "character '\xC4\x8D' (U+010D) at position 1 is not allowed"},
      {"ab\xC4", "a byte that is not valid UTF-8 at position 3 is not allowed"},
      // An overlong 'l' and an encoded surrogate are not UTF-8 either.
      {"\xC1\xAC" "ana", "a byte that is not valid UTF-8 at position 1 is not allowed"},
      {"a\xED\xA0\x80", "a byte that is not valid UTF-8 at position 2 is not allowed"},
      {"a\xF4\x90\x80\x80", "a byte that is not valid UTF-8 at position 2 is not allowed"},
      {std::string("a\0", 2), "character U+0000 at position 2 is not allowed"},
      {"a\tb", "character U+0009 at position 2 is not allowed"},
      {std::string(101, 'a'), "more than 100 characters"},
  };
  for (const auto& c : cases) {
    const NameCheck check = CheckName(c.name);
    ASSERT_FALSE(check.ok) << Quote(c.name);
    EXPECT_NE(DescribeProblem(check).find(c.expected), std::string::npos)
        << Quote(c.name) << " -> " << DescribeProblem(check);
  }
}

TEST(NamesReader, QuoteKeepsMessagesOnOneShortPrintableLine) {
  EXPECT_EQ(Quote("ana novak"), "\"ana novak\"");
  EXPECT_EQ(Quote("\xC4\x8Drt"), "\"\xC4\x8Drt\"");
  EXPECT_EQ(Quote(std::string("a\0\r\n\"\\\xFF", 7)), "\"a\\u{0000}\\u{000D}\\u{000A}\\\"\\\\\\xFF\"");
  EXPECT_EQ(Quote("\xC1\xAC" "b"), "\"\\xC1\\xACb\"");
  EXPECT_EQ(Quote(std::string(41, 'a')), "\"" + std::string(40, 'a') + "\"...");
  EXPECT_EQ(Quote("ab", true), "\"ab\"...");
}

TEST(CardFileNames, SpacesBecomeUnderscoresAndTheFormatGivesTheExtension) {
  EXPECT_EQ(CardFileName("ana novak", Format::Bmp), "ana_novak.bmp");
  EXPECT_EQ(CardFileName(" a  b ", Format::Png), "_a__b_.png");
  EXPECT_EQ(FormatOfPath("out/card.PNG"), Format::Png);
  EXPECT_EQ(FormatOfPath("card.bmp"), Format::Bmp);
  EXPECT_EQ(FormatOfPath("card.jpg"), std::nullopt);
  EXPECT_EQ(FormatOfPath("cards.png/card"), std::nullopt);
  EXPECT_EQ(FormatOfPath("card"), std::nullopt);
  EXPECT_EQ(FormatNamed("PNG"), Format::Png);
  EXPECT_EQ(FormatNamed("gif"), std::nullopt);
}

}  // namespace
}  // namespace gc::cli
