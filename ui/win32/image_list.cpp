#include <stdexcept>

#include "ui/bars.h"
#include "ui/win32/native.h"

namespace ui {

namespace {
// The colour that the image strips use for transparent pixels.
constexpr COLORREF kMaskColour = RGB(255, 0, 255);
}  // namespace

ImageList::ImageList(Form& /*owner*/, int width, int height) : width_(width), height_(height) {
  win32::InitControls();
  native_ = ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 8, 4);
  if (!native_) throw std::runtime_error("ImageList_Create failed");
}

ImageList::~ImageList() { ImageList_Destroy(static_cast<HIMAGELIST>(native_)); }

void ImageList::AddStrip(const std::string& resourceName, int /*count*/) {
  // Only the program carries the strip; without it the list stays empty.
  const auto strip =
      static_cast<HBITMAP>(LoadImageW(win32::Instance(), win32::Wide(resourceName).c_str(),
                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!strip) return;
  ImageList_AddMasked(static_cast<HIMAGELIST>(native_), strip, kMaskColour);
  DeleteObject(strip);
  count_ = ImageList_GetImageCount(static_cast<HIMAGELIST>(native_));
}

}  // namespace ui
