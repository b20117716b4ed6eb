// A Form1 wired to fakes: scripted prompt, fixed clock, a temporary save
// folder on disk, and an event pump that can run a hook on every yield.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/form1.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/files.h"
#include "platform/prompt.h"

namespace gc::testing {

class HookEvents final : public EventPump {
 public:
  void DoEvents() override {
    ++calls;
    if (hook) hook();
  }
  int calls = 0;
  std::function<void()> hook;
};

// A fresh, empty directory, removed with everything in it afterwards.
class TempDir {
 public:
  TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "gc_app_XXXXXX").string();
    path_ = ::mkdtemp(tmpl.data());
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

struct FakeHost {
  explicit FakeHost(std::vector<std::string> answers = {}, float seconds = 0.0f)
      : clock("01-01-2011", "00:00:00", seconds),
        prompt(std::move(answers)),
        folder((tmp.path() / "wimgx").string() + "/"),
        form(std::make_unique<Form1>(Services{clock, events, prompt, files, folder})) {}

  TempDir tmp;
  FixedClock clock;
  HookEvents events;
  ScriptedPrompt prompt;
  DiskFiles files;
  std::string folder;
  std::unique_ptr<Form1> form;  // big: keep it off the stack
};

}  // namespace gc::testing
