// Marked rows of the list drawn in bold: a change of weight, not of colour, so that it shows
// in high-contrast themes too.
#pragma once

#include "ui/win32/native.h"

namespace ui {
class ListView;
namespace win32 {

class MarkFont {
 public:
  MarkFont() = default;
  ~MarkFont();
  MarkFont(const MarkFont&) = delete;
  MarkFont& operator=(const MarkFont&) = delete;
  // NM_CUSTOMDRAW of the list control: a marked row is drawn with the bold form of the
  // list's font, made again whenever the list's font changes (another DPI).
  LRESULT CustomDraw(NMLVCUSTOMDRAW& draw, const ListView& list, HWND hwnd);

 private:
  HFONT from_ = nullptr;
  HFONT bold_ = nullptr;
};

}  // namespace win32
}  // namespace ui
