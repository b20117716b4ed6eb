// greetcard-render run as a program, the way people and scripts run it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "tests/cli/helpers.h"

namespace gc::cli {
namespace {

namespace fs = std::filesystem;
using namespace testing;

struct Result {
  int status = -1;  // exit status, or 128 + signal
  std::string out, err;
};

std::string Slurp(const fs::path& p) {
  const auto b = ReadBytes(p.string());
  return {b.begin(), b.end()};
}

class RenderTool : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/greetcard-render-test-XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs the tool with `args` and no terminal, so no progress bar.
  Result Run(const std::vector<std::string>& args) {
    const fs::path out = dir_ / "stdout.txt", err = dir_ / "stderr.txt";
    const pid_t pid = Start(args, out, err);
    int ws = 0;
    ::waitpid(pid, &ws, 0);
    return {WIFEXITED(ws) ? WEXITSTATUS(ws) : 128 + WTERMSIG(ws), Slurp(out), Slurp(err)};
  }
  pid_t Start(const std::vector<std::string>& args, const fs::path& out, const fs::path& err) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      if (!std::freopen(out.c_str(), "w", stdout) || !std::freopen(err.c_str(), "w", stderr)) _exit(99);
      std::vector<char*> argv{const_cast<char*>(GREETCARD_RENDER)};
      for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      ::unsetenv("DISPLAY");
      ::unsetenv("QT_QPA_PLATFORM");
      ::unsetenv("WAYLAND_DISPLAY");
      ::execv(GREETCARD_RENDER, argv.data());
      _exit(98);
    }
    return pid;
  }
  std::string WriteNames(const std::string& content) {
    const fs::path p = dir_ / "names.txt";
    std::ofstream(p, std::ios::binary) << content;
    return p.string();
  }
  // Every regular file in `d`, by name.
  static std::set<std::string> Files(const fs::path& d) {
    std::set<std::string> out;
    if (fs::is_directory(d))
      for (const auto& e : fs::directory_iterator(d)) out.insert(e.path().filename().string());
    return out;
  }

  fs::path dir_;
};

TEST_F(RenderTool, BmpAndPngCardsAreThePictureTheWindowShows) {
  for (const auto& name : NamesWithDifferentBrushes(2)) {
    SCOPED_TRACE(name);
    const std::string bmp = (dir_ / "card.bmp").string(), png = (dir_ / "card.PNG").string();
    ASSERT_EQ(Run({name, "-o", bmp}).status, 0);
    const Result r = Run({name, "--output", png});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto bmp_bytes = ReadBytes(bmp), png_bytes = ReadBytes(png);
    ASSERT_GT(png_bytes.size(), 8u);
    EXPECT_EQ(png_bytes[25], 2) << "PNG colour type: 8-bit RGB, no alpha";
    EXPECT_EQ(bmp_bytes[28], 24) << "BMP bits per pixel";
    const auto expected = FlowPicture(name);
    EXPECT_TRUE(DecodeCard(bmp_bytes) == expected);
    EXPECT_TRUE(DecodeCard(png_bytes) == expected);
  }
}

TEST_F(RenderTool, InfoPrintsTheParametersAsRoundTrippingJson) {
  const std::string name = NamesWithDifferentBrushes(2).at(1);
  const Result r = Run({"--info", name});
  ASSERT_EQ(r.status, 0) << r.err;
  const CardInfo info = DrawCardInfo(name);
  EXPECT_EQ(r.out.rfind("{\"name\": \"" + name + "\", \"seed\": ", 0), 0u) << r.out;
  EXPECT_EQ(r.out.substr(r.out.size() - 2), "}\n");
  const std::pair<const char*, double> fields[] = {
      {"seed", info.seed}, {"tip1", info.tip1}, {"tip2", info.tip2}, {"tip3", info.tip3},
      {"pozic0", info.pozic0}, {"fi0", info.fi0}, {"r0", info.r0}, {"fak1", info.fak1},
      {"fak2", info.fak2}, {"fak3", info.fak3}, {"rr", info.rr}, {"nac", info.nac}};
  for (const auto& [key, value] : fields) {
    const std::string tag = std::string("\"") + key + "\": ";
    const auto at = r.out.find(tag);
    ASSERT_NE(at, std::string::npos) << key;
    EXPECT_EQ(std::strtod(r.out.c_str() + at + tag.size(), nullptr), value) << key;
  }
  EXPECT_EQ(Run({"--info", "Ana"}).status, 1);
}

TEST_F(RenderTool, BatchRendersTheValidNamesOnceAndReportsTheRest) {
  const std::string names = WriteNames(
      "ana\r\n"
      "\n"
      "bojan novak\n"
      "Ana\n"
      "ana\n"
      "   \n"
      "marko 2\n"
      "\xC4\x8Drt\n" +
      std::string(101, 'z') + "\n" +
      "zala");
  const fs::path out = dir_ / "new" / "cards";
  const Result r = Run({"--names", names, "-d", out.string(), "-j", "2"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(Files(out), (std::set<std::string>{"ana.bmp", "bojan_novak.bmp", "zala.bmp"}));
  for (const char* problem : {"line 4: \"Ana\": character 'A' (U+0041) at position 1",
                              "line 7: \"marko 2\": character '2' (U+0032) at position 7",
                              "line 8: \"\xC4\x8Drt\": character '\xC4\x8D' (U+010D) at position 1",
                              "line 9: ", "more than 100 characters", "line 5: \"ana\" repeats line 1"})
    EXPECT_NE(r.err.find(problem), std::string::npos) << problem << "\n" << r.err;
  EXPECT_TRUE(DecodeCard(ReadBytes((out / "bojan_novak.bmp").string())) == FlowPicture("bojan novak"));
}

TEST_F(RenderTool, TwoWorkersWriteTheSameFilesAsOne) {
  std::string list;
  for (const auto& name : NamesWithDifferentBrushes(4)) list += name + " x\n";
  const std::string names = WriteNames(list);
  for (const char* jobs : {"1", "2"}) {
    const Result r = Run({"--names", names, "-d", (dir_ / jobs).string(), "-j", jobs, "--format", "png"});
    ASSERT_EQ(r.status, 0) << r.err;
  }
  const auto one = Files(dir_ / "1");
  ASSERT_EQ(one.size(), 4u);
  EXPECT_EQ(Files(dir_ / "2"), one);
  for (const auto& f : one) EXPECT_TRUE(ReadBytes((dir_ / "1" / f).string()) == ReadBytes((dir_ / "2" / f).string())) << f;
}

TEST_F(RenderTool, UnwritableOutputsFailCleanly) {
  const fs::path plain = dir_ / "plain-file";
  std::ofstream(plain) << "x";
  const std::string names = WriteNames("ana\nzala\n");

  // A single card under a regular file: the path, the reason, no file.
  const std::string target = (plain / "ana.bmp").string();
  Result r = Run({"ana", "-o", target});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find(target + ": Not a directory"), std::string::npos) << r.err;

  // A batch folder under a regular file.
  r = Run({"--names", names, "-d", (plain / "cards").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find((plain / "cards").string()), std::string::npos) << r.err;
  EXPECT_EQ(Slurp(plain), "x");

  // One card's place taken by a folder: the other cards are still made, and
  // no temporary file is left behind.
  const fs::path cards = dir_ / "cards";
  fs::create_directories(cards / "ana.bmp");
  r = Run({"--names", names, "-d", cards.string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("cannot write " + (cards / "ana.bmp").string()), std::string::npos) << r.err;
  EXPECT_EQ(Files(cards), (std::set<std::string>{"ana.bmp", "zala.bmp"}));
  EXPECT_TRUE(fs::is_directory(cards / "ana.bmp"));

  // A names file that cannot be read.
  EXPECT_EQ(Run({"--names", (dir_ / "missing.txt").string(), "-d", cards.string()}).status, 1);
  EXPECT_EQ(Run({"--names", dir_.string(), "-d", cards.string()}).status, 1);
}

TEST_F(RenderTool, UsageErrorsExitWithStatusTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"ana"},
      {"ana", "-o", "card.jpg"},
      {"ana", "-o", "card"},
      {"--names", "x.txt"},
      {"--names", "x.txt", "-d", "out", "-j", "0"},
      {"--names", "x.txt", "-d", "out", "--format", "gif"},
      {"--names", "x.txt", "-d", "out", "ana"},
      {"--info"},
      {"--info", "ana", "-o", "card.bmp"},
      {"ana", "-o", "card.bmp", "-j", "2"},
      {"--frobnicate"},
  };
  for (const auto& args : cases) {
    std::string shown;
    for (const auto& a : args) shown += a + " ";
    const Result r = Run(args);
    EXPECT_EQ(r.status, 2) << shown;
    EXPECT_NE(r.err, "") << shown;
  }
  const Result help = Run({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--names"), std::string::npos);
  const Result version = Run({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("greetcard-render ", 0), 0u);
}

TEST_F(RenderTool, SkipExistingRendersOnlyWhatIsMissing) {
  const std::string names = WriteNames("ana\nzala\nbojan\n");
  const fs::path cards = dir_ / "cards";
  ASSERT_EQ(Run({"--names", names, "-d", cards.string(), "-q"}).status, 0);
  const auto zala = ReadBytes((cards / "zala.bmp").string());
  fs::remove(cards / "zala.bmp");
  std::ofstream(cards / "ana.bmp") << "kept";
  const Result r = Run({"--names", names, "-d", cards.string(), "--skip-existing"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Slurp(cards / "ana.bmp"), "kept");
  EXPECT_TRUE(ReadBytes((cards / "zala.bmp").string()) == zala);
}

TEST_F(RenderTool, InterruptedBatchLeavesOnlyCompleteCards) {
  std::string list;
  for (char a = 'a'; a <= 'z'; ++a)
    for (char b = 'a'; b <= 'c'; ++b) list += std::string{a, ' ', b} + "\n";
  const std::string names = WriteNames(list);
  const fs::path cards = dir_ / "cards";
  const pid_t pid = Start({"--names", names, "-d", cards.string(), "-j", "2"}, dir_ / "o", dir_ / "e");
  // Interrupt once the first card is there, while others are in progress.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
  bool seen = false;
  while (!seen && std::chrono::steady_clock::now() < deadline) {
    for (const auto& f : Files(cards)) seen = seen || (f.size() > 4 && f.substr(f.size() - 4) == ".bmp");
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ASSERT_TRUE(seen);
  ::kill(pid, SIGINT);
  int ws = 0;
  ::waitpid(pid, &ws, 0);
  ASSERT_TRUE(WIFEXITED(ws)) << "ended by signal " << WTERMSIG(ws);
  EXPECT_EQ(WEXITSTATUS(ws), 130) << Slurp(dir_ / "e");
  EXPECT_NE(Slurp(dir_ / "e").find("interrupted"), std::string::npos);
  const auto files = Files(cards);
  EXPECT_LT(files.size(), 78u);
  for (const auto& f : files) {
    ASSERT_EQ(f.size(), 7u) << "not a card: " << f;  // "x_y.bmp"; temporary files have a suffix
    EXPECT_EQ(DecodeCard(ReadBytes((cards / f).string())).size(), 700u * 525u) << f;
  }
}

}  // namespace
}  // namespace gc::cli
