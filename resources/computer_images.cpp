#include "resources/computer_images.h"

namespace volmere {
namespace {

enum class Part { Body, Screen };

// Painted in order; a later rectangle covers an earlier one. Corners are
// inclusive-exclusive cells of the 58 x 58 grid.
struct Rectangle {
  int left, top, right, bottom;
  std::uint32_t rgb;
  Part part;
};

constexpr std::uint32_t kOutline = 0x404040;
constexpr std::uint32_t kCase = 0xE4E0D4;
constexpr std::uint32_t kCaseShade = 0xB8B3A4;

const Rectangle kComputer[] = {
    // Monitor.
    {2, 3, 45, 38, kOutline, Part::Body},
    {3, 4, 44, 37, kCase, Part::Body},
    {3, 34, 44, 37, kCaseShade, Part::Body},
    {7, 7, 40, 32, kOutline, Part::Body},
    {8, 8, 39, 31, 0x1E50C8, Part::Screen},
    {8, 8, 39, 14, 0x3C78E6, Part::Screen},
    {10, 10, 18, 12, 0x9CC4FF, Part::Screen},
    {37, 34, 40, 36, 0x30B030, Part::Body},
    // Stand.
    {19, 38, 28, 42, kOutline, Part::Body},
    {20, 38, 27, 42, kCaseShade, Part::Body},
    {12, 42, 35, 46, kOutline, Part::Body},
    {13, 43, 34, 45, kCase, Part::Body},
    // Tower.
    {46, 10, 57, 55, kOutline, Part::Body},
    {47, 11, 56, 54, kCase, Part::Body},
    {48, 14, 55, 17, kOutline, Part::Body},
    {48, 20, 55, 22, kCaseShade, Part::Body},
    {50, 46, 53, 49, 0x30B030, Part::Body},
    // Keyboard.
    {2, 48, 43, 56, kOutline, Part::Body},
    {3, 49, 42, 55, kCase, Part::Body},
    {5, 50, 40, 51, kCaseShade, Part::Body},
    {5, 52, 40, 53, kCaseShade, Part::Body},
};

std::uint32_t Grey(std::uint32_t rgb, Part part) {
  const std::uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  std::uint32_t level = (r * 30 + g * 59 + b * 11) / 100;
  // A switched-off screen: dark, whatever its colour.
  if (part == Part::Screen) level = 0x28 + level / 8;
  return (level << 16) | (level << 8) | level;
}

// The colour of one cell, with alpha; 0 for the background.
std::uint32_t Cell(ComputerPicture picture, int x, int y) {
  std::uint32_t colour = 0;
  for (const Rectangle& r : kComputer) {
    if (x < r.left || x >= r.right || y < r.top || y >= r.bottom) continue;
    colour = 0xFF000000u | (picture == ComputerPicture::Grey ? Grey(r.rgb, r.part) : r.rgb);
  }
  return colour;
}

}  // namespace

std::vector<std::uint32_t> RenderComputerImage(ComputerPicture picture, int size) {
  std::vector<std::uint32_t> pixels;
  if (size <= 0) return pixels;
  pixels.reserve(static_cast<std::size_t>(size) * static_cast<std::size_t>(size));
  const int samples = size == kComputerImageSize ? 1 : 4;
  const int grid = size * samples;
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      std::uint32_t a = 0, r = 0, g = 0, b = 0;
      for (int sy = 0; sy < samples; ++sy) {
        for (int sx = 0; sx < samples; ++sx) {
          const int x = (px * samples + sx) * kComputerImageSize / grid;
          const int y = (py * samples + sy) * kComputerImageSize / grid;
          const std::uint32_t c = Cell(picture, x, y);
          if (!(c >> 24)) continue;
          a += 255;
          r += (c >> 16) & 0xFF;
          g += (c >> 8) & 0xFF;
          b += c & 0xFF;
        }
      }
      const std::uint32_t covered = a / 255;
      if (!covered) {
        pixels.push_back(0);
        continue;
      }
      const std::uint32_t all = static_cast<std::uint32_t>(samples * samples);
      pixels.push_back(((a / all) << 24) | ((r / covered) << 16) | ((g / covered) << 8) |
                       (b / covered));
    }
  }
  return pixels;
}

}  // namespace volmere
