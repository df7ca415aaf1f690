#include <stdexcept>

#include "ui/bars.h"
#include "ui/win32/dpi.h"
#include "ui/win32/native.h"

namespace ui {

namespace {

// The colour that the image strips use for transparent pixels.
constexpr COLORREF kMaskColour = RGB(255, 0, 255);

HIMAGELIST NewList(int size) {
  const HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 8, 4);
  if (!list) throw std::runtime_error("ImageList_Create failed");
  return list;
}

// Only the program carries the strips; without one the list stays as it is.
void AddStripOf(HIMAGELIST list, const std::string& resourceName, int size, int designSize) {
  std::wstring name = win32::Wide(resourceName);
  if (size != designSize) name += std::to_wstring(size);
  const auto strip = static_cast<HBITMAP>(
      LoadImageW(win32::Instance(), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!strip) return;
  ImageList_AddMasked(list, strip, kMaskColour);
  DeleteObject(strip);
}

}  // namespace

ImageList::ImageList(Form& /*owner*/, int width, int height)
    : width_(width), height_(height), shown_(win32::ToolBarImageSize(win32::Dpi())) {
  win32::InitControls();
  native_ = NewList(shown_);
}

ImageList::~ImageList() { ImageList_Destroy(static_cast<HIMAGELIST>(native_)); }

void ImageList::AddStrip(const std::string& resourceName, int /*count*/) {
  strips_.push_back(resourceName);
  AddStripOf(static_cast<HIMAGELIST>(native_), resourceName, shown_, width_);
  count_ = ImageList_GetImageCount(static_cast<HIMAGELIST>(native_));
}

void ImageList::Rescale() {
  const int size = win32::ToolBarImageSize(win32::Dpi());
  if (size == shown_) return;
  const HIMAGELIST list = NewList(size);
  for (const std::string& strip : strips_) AddStripOf(list, strip, size, width_);
  ImageList_Destroy(static_cast<HIMAGELIST>(native_));
  native_ = list;
  shown_ = size;
  count_ = ImageList_GetImageCount(list);
}

}  // namespace ui
