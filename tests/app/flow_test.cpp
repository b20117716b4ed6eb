// The picture flow driven headless: start-up order, seeding from the name,
// and the save, with a scripted prompt, a fixed clock and a temporary folder.
#include "app/flow.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/bmp.h"
#include "platform/rng.h"
#include "tests/app/flow_fixture.h"

namespace gc {
namespace {

namespace fs = std::filesystem;
using testing::FakeHost;

const std::string kPromptText =
    "enter your name and surname\rsmall letters (lowercase, no \xC4\x8D\xC5\xA1\xC5\xBE)";

// --- Seeding from the name ------------------------------------------------

struct SeedCase {
  const char* label;
  std::vector<std::string> answers;  // one per opening; beyond them: cancel
  int openings;
  double seed;
  std::string accepted;
};

std::vector<SeedCase> SeedCases() {
  const std::string a100(100, 'z'), a101(101, 'a');
  std::string c100;  // 100 characters, 200 bytes
  for (int k = 0; k < 100; ++k) c100 += "\xC4\x8D";
  return {
      {"empty", {""}, 1, 4396645, ""},
      {"cancelled", {}, 1, 4396645, ""},
      {"ana", {"ana"}, 1, 4397584, "ana"},
      {"naa same as ana", {"naa"}, 1, 4397584, "naa"},
      {"a space b", {"a b"}, 1, 4397353, "a b"},
      {"spaces count", {"  a  "}, 1, 4396645 + 5 * (97 + 4 * 32) + 125, "  a  "},
      {"100 letters z", {a100}, 1, 6616645, a100},
      {"101 letters", {a101, "ana"}, 2, 4397584, "ana"},
      {"101 letters then cancel", {a101}, 2, 4396645, ""},
      {"capital", {"Ana", "ana"}, 2, 4397584, "ana"},
      {"digit", {"ana1", "ana"}, 2, 4397584, "ana"},
      {"hyphen", {"ana-b", "ana"}, 2, 4397584, "ana"},
      {"apostrophe", {"o'neil", "ana"}, 2, 4397584, "ana"},
      {"c caron", {"\xC4\x8D", "ana"}, 2, 4397584, "ana"},
      {"s caron", {"ana \xC5\xA1", "ana"}, 2, 4397584, "ana"},
      {"z caron", {"\xC5\xBE" "ana", "ana"}, 2, 4397584, "ana"},
      {"100 c carons", {c100, "ana"}, 2, 4397584, "ana"},
      {"invalid byte", {"an\xFF" "a", "ana"}, 2, 4397584, "ana"},
      {"truncated sequence", {"ana\xC4", "ana"}, 2, 4397584, "ana"},
      {"overlong a", {"an\xC1\xA1", "ana"}, 2, 4397584, "ana"},
      {"overlong space", {"a\xC0\xA0" "b", "ana"}, 2, 4397584, "ana"},
      {"NUL", {std::string("an\0a", 4), "ana"}, 2, 4397584, "ana"},
      {"tab and newline", {"a\tb", "a\nb", "ana"}, 3, 4397584, "ana"},
      {"several rejections", {"A", "1", "-", "'", "ana"}, 5, 4397584, "ana"},
      {"megabytes pasted", {std::string(8 << 20, 'a'), "a b"}, 2, 4397353, "a b"},
  };
}

TEST(SeedFromName, SeedTable) {
  for (const SeedCase& c : SeedCases()) {
    SCOPED_TRACE(c.label);
    FakeHost h(c.answers);
    Form1& f = *h.form;
    f.st.t1 = "enter your name and surname";
    f.st.t2 = "small letters (lowercase, no \xC4\x8D\xC5\xA1\xC5\xBE)";
    f.rnd.Seed(1234.5f);
    f.rnd.Draw();

    SeedFromName(f);

    ASSERT_EQ(static_cast<int>(h.prompt.asked.size()), c.openings);
    for (const std::string& m : h.prompt.asked) EXPECT_EQ(m, kPromptText);
    EXPECT_EQ(f.st.seed, c.seed);
    EXPECT_EQ(f.st.t, c.accepted);
    EXPECT_EQ(f.st.dolz, static_cast<double>(c.accepted.size()));
    for (size_t k = 0; k < c.accepted.size(); ++k)
      EXPECT_EQ(f.st.codes[k + 1], static_cast<unsigned char>(c.accepted[k]));

    // The clock-seeded state is gone: only reset(-1) and the seed count.
    Rng ref;
    ref.Reset(-1);
    ref.Seed(c.seed);
    EXPECT_EQ(f.rnd.state(), ref.state());
    EXPECT_EQ(f.rnd.Draw(), ref.Draw());
  }
}

TEST(SeedFromName, LengthIsCountedInCharactersAndCheckedFirst) {
  std::string c100, c101;
  for (int k = 0; k < 100; ++k) c100 += "\xC4\x8D";
  c101 = c100 + "a";

  const NameCheck hundred = CheckName(c100);
  EXPECT_FALSE(hundred.ok);
  EXPECT_FALSE(hundred.too_long);
  EXPECT_EQ(hundred.length, 100u);
  EXPECT_EQ(hundred.position, 1u);
  EXPECT_EQ(hundred.character, U'\u010D');

  const NameCheck long_one = CheckName(c101);
  EXPECT_FALSE(long_one.ok);
  EXPECT_TRUE(long_one.too_long);
  EXPECT_EQ(long_one.position, 0u);  // nothing examined

  EXPECT_TRUE(CheckName(std::string(100, 'q')).ok);
  EXPECT_TRUE(CheckName(std::string(101, 'q')).too_long);
  EXPECT_EQ(CheckName("ab\xC1\xA1").character, U'\uFFFD');
  EXPECT_EQ(CountCharacters(std::string(5 << 20, 'x'), 100), 101u);
  EXPECT_EQ(CountCharacters("\xC5\xBE\xC5\xA1", 100), 2u);
}

// --- Start-up -------------------------------------------------------------

// Fakes that write every call into one log, so the order can be checked.
struct CallLog {
  std::vector<std::string> calls;
  int Index(const std::string& name) const {
    for (size_t k = 0; k < calls.size(); ++k)
      if (calls[k] == name) return static_cast<int>(k);
    return -1;
  }
};

class LoggingClock final : public Clock {
 public:
  LoggingClock(CallLog& log, float seconds) : log_(log), seconds_(seconds) {}
  float SecondsSinceMidnight() override {
    log_.calls.push_back("clock.seconds");
    return seconds_;
  }
  std::string DateText() override {
    log_.calls.push_back("clock.date");
    return "01-01-2011";
  }
  std::string TimeText() override {
    log_.calls.push_back("clock.time");
    return "00:00:00";
  }

 private:
  CallLog& log_;
  float seconds_;
};

class LoggingFiles final : public Files {
 public:
  explicit LoggingFiles(CallLog& log) : log_(log) {}
  FileResult CreateFolder(const std::string& path) override {
    log_.calls.push_back("files.mkdir");
    return disk_.CreateFolder(path);
  }
  FileResult WriteFileAtomically(const std::string& path,
                                 const std::vector<std::uint8_t>& bytes) override {
    log_.calls.push_back("files.write");
    return disk_.WriteFileAtomically(path, bytes);
  }

 private:
  CallLog& log_;
  DiskFiles disk_;
};

class LoggingPrompt final : public Prompt {
 public:
  LoggingPrompt(CallLog& log, std::string answer) : log_(log), answer_(std::move(answer)) {}
  std::string Ask(const std::string&, int left, int top) override {
    log_.calls.push_back("prompt.ask");
    EXPECT_EQ(left, 500);
    EXPECT_EQ(top, 8700);
    return answer_;
  }
  void ShowMessage(const std::string&) override { log_.calls.push_back("prompt.message"); }

 private:
  CallLog& log_;
  std::string answer_;
};

class LoggingEvents final : public EventPump {
 public:
  explicit LoggingEvents(CallLog& log) : log_(log) {}
  void DoEvents() override { log_.calls.push_back("events"); }

 private:
  CallLog& log_;
};

struct LoggingHost {
  LoggingHost(std::string name, float seconds, std::string folder_path)
      : clock(log, seconds), files(log), prompt(log, std::move(name)), events(log),
        form(std::make_unique<Form1>(Services{clock, events, prompt, files, folder_path})) {}
  CallLog log;
  LoggingClock clock;
  LoggingFiles files;
  LoggingPrompt prompt;
  LoggingEvents events;
  std::unique_ptr<Form1> form;
};

TEST(FormLoad, StepsRunInOrderAndSetTheGeometry) {
  testing::TempDir tmp;
  const std::string folder = (tmp.path() / "wimgx").string() + "/";
  LoggingHost h("ana", 43210.5f, folder);
  Form1& f = *h.form;
  f.Picture1.fill_style = FillStyle::Transparent;
  f.surface.SetBackColor(0x123456);

  Form_Load(f);

  const CallLog& log = h.log;
  ASSERT_EQ(log.Index("clock.seconds"), 0);
  EXPECT_EQ(log.Index("files.mkdir"), 1);
  EXPECT_EQ(log.Index("prompt.ask"), 2);
  ASSERT_GT(log.Index("events"), 2);  // the picture is built after seeding
  const int asks = static_cast<int>(std::count(log.calls.begin(), log.calls.end(), "prompt.ask"));
  EXPECT_EQ(asks, 1);
  for (const char* later : {"clock.date", "clock.time"}) {
    const int k = log.Index(later);
    if (k >= 0) {
      EXPECT_GT(k, 2) << later;
    }
  }
  EXPECT_TRUE(fs::is_directory(folder));

  EXPECT_EQ(f.st.t1, "enter your name and surname");
  EXPECT_EQ(f.st.t2, "small letters (lowercase, no \xC4\x8D\xC5\xA1\xC5\xBE)");
  EXPECT_EQ(f.st.sir, 700);
  EXPECT_EQ(f.st.vis, 525);
  EXPECT_EQ(f.st.polx, 6.0);
  EXPECT_EQ(f.st.poly, 4.5);
  EXPECT_EQ(f.st.dx, 58.333333333333336);
  EXPECT_EQ(f.st.dy, 58.333333333333336);
  EXPECT_EQ(f.st.t, "ana");
  EXPECT_EQ(f.st.seed, 4397584);
  EXPECT_EQ(f.surface.BackColor(), 0);
}

TEST(FormLoad, AnExistingFolderIsFineAndAMissingParentIsSkipped) {
  testing::TempDir tmp;
  const std::string folder = (tmp.path() / "wimgx").string() + "/";
  fs::create_directory(folder);
  LoggingHost existing("ana", 0, folder);
  Form_Load(*existing.form);
  EXPECT_EQ(existing.form->st.seed, 4397584);

  LoggingHost unreachable("ana", 0, (tmp.path() / "no" / "such" / "wimgx").string() + "/");
  Form_Load(*unreachable.form);
  EXPECT_EQ(unreachable.form->st.sir, 700);
  EXPECT_EQ(unreachable.form->st.seed, 4397584);
}

// Everything the generator gives after start-up follows from the name: the
// reset and seed come before any draw of the ramp or the picture, whatever
// the clock said.
TEST(FormLoad, GeneratorIsSeededFromTheNameBeforeTheFirstDraw) {
  testing::TempDir tmp;
  const std::string folder = (tmp.path() / "wimgx").string() + "/";
  LoggingHost morning("ana", 30000.25f, folder);
  LoggingHost evening("ana", 80000.75f, folder);
  Form_Load(*morning.form);
  Form_Load(*evening.form);
  const Form1& a = *morning.form;
  const Form1& b = *evening.form;

  Rng ref;
  ref.Seed(30000.25f);
  ref.Reset(-1);
  ref.Seed(4397584);
  while (ref.draws() < a.rnd.draws()) ref.Draw();
  EXPECT_EQ(a.rnd.state(), ref.state());
  EXPECT_GE(a.rnd.draws(), 1u + 3u);  // the reset's draw and the three discarded

  EXPECT_EQ(a.rnd.state(), b.rnd.state());
  EXPECT_EQ(a.rnd.draws(), b.rnd.draws());
  EXPECT_TRUE(std::equal(a.Picture1.pixels(), a.Picture1.pixels() + 700 * 525, b.Picture1.pixels()));
}

TEST(Handlers, RepeatWithTheSameNameRebuildsTheSamePicture) {
  FakeHost h({"ana", "ana"});
  Form1& f = *h.form;
  Form_Load(f);
  const std::vector<std::uint32_t> first(f.Picture1.pixels(), f.Picture1.pixels() + 700 * 525);
  const auto state = f.rnd.state();
  const int rows = h.events.calls;

  Command5_Click(f);

  EXPECT_EQ(h.prompt.asked.size(), 2u);
  EXPECT_EQ(f.rnd.state(), state);
  EXPECT_EQ(h.events.calls, 2 * rows);
  EXPECT_TRUE(std::equal(first.begin(), first.end(), f.Picture1.pixels()));
}

TEST(Handlers, ExitOnlyAsksTheHostToEnd) {
  FakeHost h({"ana"});
  Form1& f = *h.form;
  Form_Load(f);
  const auto state = f.rnd.state();
  EXPECT_FALSE(f.end_requested);
  Command2_Click(f);
  EXPECT_TRUE(f.end_requested);
  EXPECT_EQ(f.rnd.state(), state);
  EXPECT_EQ(h.prompt.asked.size(), 1u);
}

// --- Saving ---------------------------------------------------------------

std::vector<std::uint8_t> ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<fs::path> Entries(const fs::path& dir) {
  std::vector<fs::path> out;
  for (const auto& e : fs::directory_iterator(dir)) out.push_back(e.path());
  return out;
}

class Save : public ::testing::Test {
 protected:
  void SetUp() override {
    Form1& f = *h.form;
    f.st.sir = 700;
    f.st.vis = 525;
    f.st.imeslike = "T20110101123456";
    Paint(1);
    ASSERT_EQ(f.os.files.CreateFolder(f.os.folder).number, 0);
  }
  // A picture with every pixel different, standing in for field, ornaments
  // and caption alike.
  void Paint(std::uint32_t salt) {
    std::uint32_t* p = h.form->Picture1.pixels();
    for (std::uint32_t k = 0; k < 700u * 525u; ++k) p[k] = (k * 2654435761u + salt * 40503u) & 0xFFFFFF;
  }
  void ExpectFileHoldsPicture1(const fs::path& file) {
    const auto bmp = DecodeBmp(ReadFile(file));
    ASSERT_TRUE(bmp.has_value());
    ASSERT_EQ(bmp->width, 700);
    ASSERT_EQ(bmp->height, 525);
    const std::uint32_t* p = h.form->Picture1.pixels();
    for (size_t k = 0; k < bmp->pixels.size(); ++k)
      ASSERT_EQ(static_cast<std::uint32_t>(bmp->pixels[k]), p[k]) << "pixel " << k;
  }
  fs::path Target() const { return fs::path(h.folder) / "T20110101123456.bmp"; }

  FakeHost h;
};

TEST_F(Save, FileHoldsPicture1AndTheCountersEndPastTheirLoops) {
  Form1& f = *h.form;
  EXPECT_EQ(SavePath(f), h.folder + "T20110101123456.bmp");
  SavePictureFile(f);
  ExpectFileHoldsPicture1(Target());
  EXPECT_EQ(f.st.i, 701);
  EXPECT_EQ(f.st.j, 526);
  EXPECT_EQ(f.st.col, -1);  // the last read lies outside the canvas
  EXPECT_TRUE(h.prompt.messages.empty());
}

TEST_F(Save, ProgressMarkRestsAtTheEndOfTheStrip) {
  Form1& f = *h.form;
  SavePictureFile(f);
  const Canvas& s = f.surface;
  for (int y = 560; y <= 566; ++y) {
    EXPECT_EQ(s.Point(730, y), 0xFFFFFF) << y;
    EXPECT_EQ(s.Point(731, y), 0xFFFFFF) << y;
    for (int x = 0; x < 730; ++x) ASSERT_EQ(s.Point(x, y), 0) << x << "," << y;
    EXPECT_EQ(s.Point(732, y), 0) << y;
  }
}

TEST_F(Save, SecondSaveReplacesTheFirst) {
  Form1& f = *h.form;
  SavePictureFile(f);
  Paint(2);
  SavePictureFile(f);
  EXPECT_EQ(Entries(h.folder), std::vector<fs::path>{Target()});
  ExpectFileHoldsPicture1(Target());
}

TEST_F(Save, AMissingFolderIsMadeAgain) {
  fs::remove_all(h.folder);
  SavePictureFile(*h.form);
  ExpectFileHoldsPicture1(Target());
  EXPECT_TRUE(h.prompt.messages.empty());
}

// Tests run as root, so permissions do not stop a write; a folder that has
// become a regular file does.
TEST_F(Save, AnUnwritableFolderIsReportedAndTheProgramGoesOn) {
  Form1& f = *h.form;
  fs::remove_all(h.folder);
  { std::ofstream(fs::path(h.folder).parent_path()) << "not a folder"; }
  const std::vector<std::uint32_t> before(f.Picture1.pixels(), f.Picture1.pixels() + 700 * 525);

  SavePictureFile(f);

  ASSERT_EQ(h.prompt.messages.size(), 1u);
  const std::string& m = h.prompt.messages[0];
  EXPECT_NE(m.find(SavePath(f)), std::string::npos) << m;
  EXPECT_NE(m.find(std::to_string(ENOTDIR)), std::string::npos) << m;
  EXPECT_NE(m.find(std::strerror(ENOTDIR)), std::string::npos) << m;
  EXPECT_TRUE(std::equal(before.begin(), before.end(), f.Picture1.pixels()));
  EXPECT_EQ(f.st.i, 701);  // the copy and its mark ran to the end first
  EXPECT_EQ(f.surface.Point(731, 563), 0xFFFFFF);
  EXPECT_EQ(ReadFile(fs::path(h.folder).parent_path()), std::vector<std::uint8_t>({'n', 'o', 't', ' ', 'a', ' ', 'f', 'o', 'l', 'd', 'e', 'r'}));
}

// A disk that fills up mid-write: the file-size limit makes write() fail
// with EFBIG after part of the picture is out.
TEST_F(Save, AWriteFailingMidwayKeepsTheEarlierFile) {
  Form1& f = *h.form;
  SavePictureFile(f);
  const std::vector<std::uint8_t> earlier = ReadFile(Target());
  Paint(3);

  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 100000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  SavePictureFile(f);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, old_handler);

  ASSERT_EQ(h.prompt.messages.size(), 1u);
  EXPECT_NE(h.prompt.messages[0].find(std::strerror(EFBIG)), std::string::npos) << h.prompt.messages[0];
  EXPECT_EQ(ReadFile(Target()), earlier);
  EXPECT_EQ(Entries(h.folder), std::vector<fs::path>{Target()});  // no partial file left
}

}  // namespace
}  // namespace gc
