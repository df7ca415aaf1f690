#include "ui/bars.h"

namespace ui {

ImageList::ImageList(Form&, int width, int height)
    : width_(width), height_(height), shown_(width) {}

ImageList::~ImageList() = default;

// No pixels are kept: only the count of images matters without a screen.
void ImageList::AddStrip(const std::string&, int count) { count_ += count; }

void ImageList::Rescale() {}

}  // namespace ui
