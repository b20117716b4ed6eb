// greetcard: asks for a name and paints its picture in a window.
#include <QApplication>
#include <memory>

#include "app/form1.h"
#include "app/main_window.h"
#include "app/name_prompt.h"
#include "app/qt_event_pump.h"
#include "platform/clock.h"
#include "platform/files.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("greetcard"));

  gc::SystemClock clock;
  gc::QtEventPump events;
  gc::QtPrompt prompt;
  gc::DiskFiles files;
  auto form = std::make_unique<gc::Form1>(
      gc::Services{clock, events, prompt, files, gc::DefaultSaveFolder()});
  gc::MainWindow window(*form);
  events.Attach(form.get(), [&window] { window.RepaintNow(); });
  prompt.SetParent(&window);

  window.show();
  if (const auto status = window.Start()) return *status;
  return app.exec();
}
