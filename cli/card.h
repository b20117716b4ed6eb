// One card: the picture the window shows for a name as its first picture
// after start-up, made headless from a fresh window state.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/file_names.h"
#include "platform/canvas.h"

namespace gc::cli {

// The complete card for `name`, which must pass CheckName (throws
// std::invalid_argument otherwise: the prompt would ask again).
Canvas RenderCard(const std::string& name);

// The card's picture as a file of `format`: 24-bit BMP as the window saves
// it, or 24-bit PNG with the same pixels.
std::vector<std::uint8_t> EncodeCard(const Canvas& card, Format format);

// The parameters that shape the card for `name`, drawn exactly as the
// picture draws them, without rendering anything.
struct CardInfo {
  std::string name;
  double seed = 0;
  double tip1 = 0, tip2 = 0, tip3 = 0, pozic0 = 0, fi0 = 0, r0 = 0;
  double fak1 = 0, fak2 = 0, fak3 = 0, rr = 0, nac = 0;
};
CardInfo DrawCardInfo(const std::string& name);
// One JSON object; numbers round-trip.
std::string InfoJson(const CardInfo& info);

}  // namespace gc::cli
