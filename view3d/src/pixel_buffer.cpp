#include "view3d/pixel_buffer.h"

#include <algorithm>

namespace view3d {

void PixelBuffer::Resize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  pixels_.assign(static_cast<std::size_t>(width_) * height_, 0);
}

void PixelBuffer::Fill(Pixel colour) { std::fill(pixels_.begin(), pixels_.end(), colour); }

}  // namespace view3d
