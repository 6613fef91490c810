// Writes the program's icon file from the computer picture: one 32-bit image
// with its transparency mask for each size Windows asks for.
//   make_icon <output.ico>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "resources/computer_images.h"

namespace {

using volmere::ComputerPicture;
using volmere::RenderComputerImage;

constexpr int kSizes[] = {16, 32, 48};

void Put16(std::vector<std::uint8_t>& out, unsigned value) {
  out.push_back(value & 0xFF);
  out.push_back((value >> 8) & 0xFF);
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// BITMAPINFOHEADER (height doubled for the mask), the pixels bottom row
// first as BGRA, then the 1-bit mask, rows padded to 32 bits.
std::vector<std::uint8_t> IconImage(int size) {
  const std::vector<std::uint32_t> pixels = RenderComputerImage(ComputerPicture::Colour, size);
  const int maskRow = ((size + 31) / 32) * 4;
  std::vector<std::uint8_t> out;
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(size));
  Put32(out, static_cast<std::uint32_t>(size * 2));
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 0);
  Put32(out, static_cast<std::uint32_t>(size * size * 4 + maskRow * size));
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  for (int y = size - 1; y >= 0; --y) {
    for (int x = 0; x < size; ++x) {
      const std::uint32_t p = pixels[static_cast<std::size_t>(y * size + x)];
      out.push_back(p & 0xFF);
      out.push_back((p >> 8) & 0xFF);
      out.push_back((p >> 16) & 0xFF);
      out.push_back(p >> 24);
    }
  }
  for (int y = size - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(static_cast<std::size_t>(maskRow), 0);
    for (int x = 0; x < size; ++x)
      if (!(pixels[static_cast<std::size_t>(y * size + x)] >> 24))
        row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon <output.ico>\n");
    return 2;
  }
  const int count = static_cast<int>(sizeof kSizes / sizeof kSizes[0]);
  std::vector<std::vector<std::uint8_t>> images;
  for (int size : kSizes) images.push_back(IconImage(size));
  std::vector<std::uint8_t> file;
  Put16(file, 0);
  Put16(file, 1);
  Put16(file, static_cast<unsigned>(count));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(count);
  for (int i = 0; i < count; ++i) {
    file.push_back(static_cast<std::uint8_t>(kSizes[i]));
    file.push_back(static_cast<std::uint8_t>(kSizes[i]));
    file.push_back(0);
    file.push_back(0);
    Put16(file, 1);
    Put16(file, 32);
    Put32(file, static_cast<std::uint32_t>(images[static_cast<std::size_t>(i)].size()));
    Put32(file, offset);
    offset += static_cast<std::uint32_t>(images[static_cast<std::size_t>(i)].size());
  }
  for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());
  std::FILE* out = std::fopen(argv[1], "wb");
  if (!out) return 1;
  const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
  return std::fclose(out) == 0 && written ? 0 : 1;
}
