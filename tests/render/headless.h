// A window without a screen for the render tests: a fixed clock, no files,
// and a prompt that answers with the given names.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/flow.h"
#include "app/form1.h"

namespace gc {

class NoFiles final : public Files {
 public:
  FileResult CreateFolder(const std::string&) override { return {}; }
  FileResult WriteFileAtomically(const std::string&, const std::vector<std::uint8_t>&) override {
    return {};
  }
};

struct Headless {
  explicit Headless(std::vector<std::string> names = {}, EventPump* pump = nullptr)
      : prompt(std::move(names)), f(Services{clock, pump ? *pump : events, prompt, files, ""}) {
    // The fixed geometry that start-up sets.
    f.st.sir = 700;
    f.st.vis = 525;
    f.st.polx = 12.0 / 2;
    f.st.poly = 9.0 / 2;
    f.st.dx = f.st.sir / 12;
    f.st.dy = f.st.vis / 9;
  }
  FixedClock clock;
  NoEvents events;
  ScriptedPrompt prompt;
  NoFiles files;
  Form1 f;
  PictureState& s() { return f.st; }
};

inline std::vector<std::uint32_t> Pixels(const Canvas& c) {
  return {c.pixels(), c.pixels() + c.width() * c.height()};
}

}  // namespace gc
