// The list's image list: the two computer pictures of resources/, rendered
// into bitmaps, the background masked out.
#include "resources/computer_images.h"

#include "platform/win32/ui_state.h"

namespace volmere {
namespace {

static_assert(OnlineImage == 0 && PendingImage == 1, "the images go in by index");

constexpr COLORREF kMaskColour = RGB(255, 0, 255);

HBITMAP BitmapOf(ComputerPicture picture) {
  const int size = kComputerImageSize;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  const std::vector<std::uint32_t> pixels = RenderComputerImage(picture, size);
  auto* out = static_cast<std::uint32_t*>(bits);
  // The masked list takes opaque pixels; the background becomes the mask
  // colour, stored as 0x00RRGGBB like every other pixel of the section.
  for (std::size_t i = 0; i < pixels.size(); ++i)
    out[i] = (pixels[i] >> 24) ? (pixels[i] & 0xFFFFFF) : 0xFF00FF;
  return bitmap;
}

}  // namespace

HIMAGELIST CreateComputerImageList() {
  HIMAGELIST images =
      ImageList_Create(kComputerImageSize, kComputerImageSize, ILC_COLOR24 | ILC_MASK, 2, 0);
  if (!images) return nullptr;
  // Added in the order of their indexes: OnlineImage, then PendingImage.
  for (ComputerPicture picture : {ComputerPicture::Colour, ComputerPicture::Grey}) {
    HBITMAP bitmap = BitmapOf(picture);
    ImageList_AddMasked(images, bitmap, kMaskColour);
    DeleteObject(bitmap);
  }
  return images;
}

}  // namespace volmere
