// The two pictures of the computer list, as data: a desktop computer drawn
// from rectangles on a 58 x 58 grid, rendered at any size. The program
// renders them for the list; the icon generator renders the program's icon
// from the same drawing.
#pragma once

#include <cstdint>
#include <vector>

namespace volmere {

constexpr int kComputerImageSize = 58;

enum class ComputerPicture {
  Colour,  // a computer that answered: colours and a blue screen
  Grey,    // the same picture in greys with a dark screen
};

// size x size pixels 0xAARRGGBB, row by row from the top; alpha 0 is the
// background. At kComputerImageSize every pixel is one cell of the grid;
// other sizes average several samples per pixel.
std::vector<std::uint32_t> RenderComputerImage(ComputerPicture picture, int size);

}  // namespace volmere
