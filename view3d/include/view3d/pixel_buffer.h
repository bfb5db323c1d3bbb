#pragma once
// The view's off-screen image: 32-bit pixels 0x00RRGGBB, rows top to bottom,
// no padding (the layout of QImage::Format_RGB32, so a widget can show it
// without conversion).
#include <cstdint>
#include <vector>

namespace view3d {

using Pixel = std::uint32_t;

// The scene's packed colours are 0xBBGGRR; the image stores 0xRRGGBB.
inline Pixel PixelFromPacked(std::int32_t bbggrr) {
  const auto p = static_cast<std::uint32_t>(bbggrr);
  return ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
}

class PixelBuffer {
 public:
  PixelBuffer() = default;
  PixelBuffer(int width, int height) { Resize(width, height); }

  // Contents are black after a resize.
  void Resize(int width, int height);
  void Fill(Pixel colour);

  int width() const { return width_; }
  int height() const { return height_; }
  Pixel* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const Pixel* row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  Pixel at(int x, int y) const { return row(y)[x]; }
  Pixel* data() { return pixels_.data(); }
  const Pixel* data() const { return pixels_.data(); }
  const std::vector<Pixel>& pixels() const { return pixels_; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Pixel> pixels_;
};

}  // namespace view3d
