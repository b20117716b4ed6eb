// A window without a screen for the render tests: a fixed clock, no files,
// and a prompt that answers with the given names.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/flow.h"
#include "app/form1.h"

namespace gc {

struct Headless {
  explicit Headless(std::vector<std::string> names = {}, EventPump* pump = nullptr)
      : prompt(std::move(names)), f(Services{clock, pump ? *pump : events, prompt, files, ""}) {
    SetGeometry(f.st);  // as start-up leaves it
  }
  FixedClock clock;
  NoEvents events;
  ScriptedPrompt prompt;
  NullFiles files;
  Form1 f;
  PictureState& s() { return f.st; }
};

inline std::vector<std::uint32_t> Pixels(const Canvas& c) {
  return {c.pixels(), c.pixels() + c.width() * c.height()};
}

}  // namespace gc
