// A view of a 32-bit pixel buffer: rows of `width` pixels, `stride` pixels
// apart. It knows nothing about figures or bounds checking; the painter does.
#pragma once

#include <cstddef>
#include <cstdint>

namespace gc {

struct Surface {
  std::uint32_t* data = nullptr;
  int width = 0, height = 0;
  std::ptrdiff_t stride = 0;  // pixels from one row to the next

  std::uint32_t* Row(int y) const { return data + y * stride; }
};

}  // namespace gc
