// The window on Qt's offscreen platform: layout, painting, the buttons
// around a picture in progress, the prompt and the error reports.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <functional>
#include <memory>
#include <thread>

#include "app/flow.h"
#include "app/main_window.h"
#include "app/name_prompt.h"
#include "app/qt_event_pump.h"
#include "tests/app/flow_fixture.h"

namespace gc {
namespace {

// Wraps the window's pump to watch the buttons at every yield.
class WatchingEvents final : public EventPump {
 public:
  void DoEvents() override {
    ++calls;
    if (window) {
      repeat_enabled |= window->repeat_button()->isEnabled();
      save_enabled |= window->save_button()->isEnabled();
      exit_enabled &= window->exit_button()->isEnabled();
    }
    real.DoEvents();
  }
  QtEventPump real;
  MainWindow* window = nullptr;
  int calls = 0;
  bool repeat_enabled = false, save_enabled = false, exit_enabled = true;
};

struct WindowHost {
  explicit WindowHost(std::vector<std::string> answers = {"ana"})
      : prompt(std::move(answers)),
        folder((tmp.path() / "wimgx").string() + "/"),
        form(std::make_unique<Form1>(Services{clock, events, prompt, files, folder})),
        window(*form) {
    events.window = &window;
    events.real.Attach(form.get(), [this] { window.RepaintNow(); });
    window.show();
  }
  testing::TempDir tmp;
  FixedClock clock;
  WatchingEvents events;
  ScriptedPrompt prompt;
  DiskFiles files;
  std::string folder;
  std::unique_ptr<Form1> form;
  MainWindow window;
};

// Runs `action` on the modal widget that opens next, from inside its loop.
void OnNextModal(std::function<void(QWidget*)> action) {
  auto* timer = new QTimer;
  timer->setInterval(1);
  QObject::connect(timer, &QTimer::timeout, [timer, action] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      timer->stop();
      timer->deleteLater();
      action(modal);
    }
  });
  timer->start();
}

QRect Rect(const ControlRect& r) { return {r.left, r.top, r.width, r.height}; }

TEST(Window, LayoutCaptionsAndTabOrder) {
  WindowHost h;
  MainWindow& w = h.window;
  EXPECT_EQ(w.windowTitle(), "Form1");
  EXPECT_EQ(w.size(), QSize(764, 665));
  EXPECT_EQ(w.picture1()->geometry(), QRect(32, 24, 700, 525));
  EXPECT_EQ(w.repeat_button()->geometry(), QRect(656, 576, 73, 17));
  EXPECT_EQ(w.save_button()->geometry(), QRect(616, 600, 113, 17));
  EXPECT_EQ(w.exit_button()->geometry(), QRect(696, 624, 33, 17));
  EXPECT_EQ(Rect(kPicture1Rect), w.picture1()->geometry());
  EXPECT_EQ(w.repeat_button()->text(), "repeat");
  EXPECT_EQ(w.save_button()->text(), "save on C:\\wimgx");
  EXPECT_EQ(w.exit_button()->text(), "exit");
  EXPECT_TRUE(w.save_button()->toolTip().contains(QString::fromStdString(h.folder)));
  // Picture1, exit, repeat, save.
  EXPECT_EQ(w.picture1()->nextInFocusChain(), w.exit_button());
  EXPECT_EQ(w.exit_button()->nextInFocusChain(), w.repeat_button());
  EXPECT_EQ(w.repeat_button()->nextInFocusChain(), w.save_button());
  // Only Picture1 and the three buttons: no second canvas anywhere.
  EXPECT_EQ(w.findChildren<CanvasView*>().size(), 1);
}

TEST(Window, PaintsTheCanvasesPixelForPixel) {
  WindowHost h;
  Form1& f = *h.form;
  std::uint32_t* p = f.Picture1.pixels();
  for (std::uint32_t k = 0; k < 700u * 525u; ++k) p[k] = (k * 2654435761u) & 0xFFFFFF;
  f.surface.PSet(1, 1, 0xFFFFFF);
  f.surface.PSet(760, 660, 0x0000FF);  // pure red
  f.surface.pixels()[2] = 0xAB00FF00;   // a stray top byte must not show
  const QImage shot = h.window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shot.size(), QSize(764, 665));
  for (int y = 0; y < 525; ++y)
    for (int x = 0; x < 700; ++x) {
      const std::uint32_t v = p[y * 700 + x];
      ASSERT_EQ(shot.pixel(32 + x, 24 + y), qRgb(v & 0xFF, (v >> 8) & 0xFF, v >> 16)) << x << "," << y;
    }
  EXPECT_EQ(shot.pixel(1, 1), qRgb(255, 255, 255));
  EXPECT_EQ(shot.pixel(760, 660), qRgb(255, 0, 0));
  EXPECT_EQ(shot.pixel(2, 0), qRgb(0, 255, 0));
  EXPECT_EQ(shot.pixel(20, 560), qRgb(0, 0, 0));
}

// What the screen gets (the backing store), not a fresh render of the
// widgets: a picture painted inside a handler must reach it, during the
// scan's yields and when the handler ends.
QImage OnScreen(MainWindow& w) {
  QCoreApplication::processEvents();
  return w.screen()->grabWindow(w.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

QImage during_scan;
void PaintAndYield(Form1& f) {
  std::fill(f.Picture1.pixels(), f.Picture1.pixels() + 700 * 525, 0x00FF00u);  // green
  f.surface.PSet(1, 1, 0xFFFFFF);
  std::this_thread::sleep_for(QtEventPump::kRepaintInterval * 2);
  f.os.events.DoEvents();
  during_scan = OnScreen(*static_cast<MainWindow*>(QApplication::topLevelWidgets().value(0)));
  std::fill(f.Picture1.pixels(), f.Picture1.pixels() + 700 * 525, 0xFF0000u);  // blue
}

TEST(Window, PicturesReachTheScreen) {
  WindowHost h;
  ASSERT_EQ(OnScreen(h.window).pixel(100, 100), qRgb(0, 0, 0));
  EXPECT_EQ(h.window.Run(&PaintAndYield), std::nullopt);
  const QImage after = OnScreen(h.window);
  ASSERT_EQ(during_scan.size(), QSize(764, 665));
  EXPECT_EQ(during_scan.pixel(100, 100), qRgb(0, 255, 0));
  EXPECT_EQ(after.pixel(100, 100), qRgb(0, 0, 255));
  EXPECT_EQ(after.pixel(1, 1), qRgb(255, 255, 255));
  EXPECT_EQ(after.pixel(10, 10), qRgb(0, 0, 0));
}

TEST(Window, ButtonsWhileAPictureIsBuilt) {
  WindowHost h;
  // Clicks that arrive during the picture: repeat and save are disabled.
  QTimer::singleShot(0, [&] {
    h.window.repeat_button()->click();
    h.window.save_button()->click();
  });
  EXPECT_EQ(h.window.Start(), std::nullopt);
  EXPECT_GT(h.events.calls, 0);
  EXPECT_FALSE(h.events.repeat_enabled);
  EXPECT_FALSE(h.events.save_enabled);
  EXPECT_TRUE(h.events.exit_enabled);
  EXPECT_EQ(h.prompt.asked.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(SavePath(*h.form)));
  EXPECT_TRUE(h.window.repeat_button()->isEnabled());
  EXPECT_TRUE(h.window.save_button()->isEnabled());

  // Idle: repeat asks again; save writes the file.
  h.window.repeat_button()->click();
  EXPECT_EQ(h.prompt.asked.size(), 2u);
  h.window.save_button()->click();
  EXPECT_TRUE(std::filesystem::exists(SavePath(*h.form)));
}

TEST(Window, ExitOrCloseDuringAPictureEndsAtOnce) {
  for (const bool close : {false, true}) {
    SCOPED_TRACE(close ? "close" : "exit");
    WindowHost h;
    QTimer::singleShot(0, [&] {
      if (close)
        h.window.close();
      else
        h.window.exit_button()->click();
    });
    EXPECT_EQ(h.window.Start(), std::optional<int>(0));
    EXPECT_EQ(h.events.calls, 1);  // the first yield ended the picture
    EXPECT_TRUE(h.form->end_requested);
  }
}

void Overflow(Form1&) { throw RuntimeError(kErrOverflow, "Overflow"); }

TEST(Window, RuntimeErrorIsReportedAndEndsTheProgram) {
  WindowHost h;
  QString text;
  OnNextModal([&](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) text = box->text();
    modal->close();
  });
  EXPECT_EQ(h.window.Run(&Overflow), std::optional<int>(1));
  EXPECT_EQ(text, "Run-time error '6':\n\nOverflow");
}

TEST(NamePrompt, OpensEmptyWithTwoLinesAndCutsAFloodShort) {
  QtPrompt prompt;
  const std::string message = "enter your name and surname\rsmall letters (lowercase, no \xC4\x8D\xC5\xA1\xC5\xBE)";
  QString label, title, initial;
  QPoint at;
  int max_length = 0;
  OnNextModal([&](QWidget* modal) {
    auto* d = qobject_cast<NamePromptDialog*>(modal);
    ASSERT_NE(d, nullptr);
    label = d->label()->text();
    title = d->windowTitle();
    initial = d->field()->text();
    max_length = d->field()->maxLength();
    at = d->frameGeometry().topLeft();
    d->field()->insert(QString(8 << 20, QLatin1Char('a')));  // a pasted flood
    d->accept();
  });
  const std::string flood = prompt.Ask(message, 500, 8700);
  EXPECT_EQ(label, QString::fromUtf8("enter your name and surname\nsmall letters (lowercase, no čšž)"));
  EXPECT_EQ(title, QApplication::applicationDisplayName());
  EXPECT_TRUE(initial.isEmpty());
  EXPECT_EQ(max_length, 101);
  EXPECT_EQ(at.x(), 33);
  EXPECT_LE(at.y(), 580);  // moved up only if the screen is shorter
  EXPECT_EQ(flood.size(), 101u);
  EXPECT_TRUE(CheckName(flood).too_long);

  // The next opening is empty again; Cancel gives the empty name.
  OnNextModal([&](QWidget* modal) {
    auto* d = qobject_cast<NamePromptDialog*>(modal);
    ASSERT_NE(d, nullptr);
    initial = d->field()->text();
    d->field()->setText(QString::fromUtf8("čšž"));
    d->reject();
  });
  EXPECT_EQ(prompt.Ask(message, 500, 8700), "");
  EXPECT_TRUE(initial.isEmpty());

  // Confirmed text comes back as UTF-8.
  OnNextModal([&](QWidget* modal) {
    qobject_cast<NamePromptDialog*>(modal)->field()->setText(QString::fromUtf8("ana č"));
    qobject_cast<QDialog*>(modal)->accept();
  });
  EXPECT_EQ(prompt.Ask(message, 500, 8700), "ana \xC4\x8D");
}

TEST(NamePrompt, MessageBoxShowsTheText) {
  QtPrompt prompt;
  QString text;
  OnNextModal([&](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) text = box->text();
    modal->close();
  });
  prompt.ShowMessage("The picture could not be saved.\n\nFile: /x/T1.bmp\nError 20: Not a directory");
  EXPECT_EQ(text, "The picture could not be saved.\n\nFile: /x/T1.bmp\nError 20: Not a directory");
}

TEST(SaveFolder, HomeWimgx) {
  const QByteArray old = qgetenv("HOME");
  qputenv("HOME", "/some/home");
  EXPECT_EQ(DefaultSaveFolder(), "/some/home/wimgx/");
  qputenv("HOME", "/some/home/");
  EXPECT_EQ(DefaultSaveFolder(), "/some/home/wimgx/");
  qputenv("HOME", old);
}

}  // namespace
}  // namespace gc

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName("greetcard");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
