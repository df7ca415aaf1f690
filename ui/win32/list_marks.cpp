#include "ui/win32/list_marks.h"

#include "ui/list_view.h"

namespace ui::win32 {

MarkFont::~MarkFont() {
  if (bold_) DeleteObject(bold_);
}

LRESULT MarkFont::CustomDraw(NMLVCUSTOMDRAW& draw, const ListView& list, HWND hwnd) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return list.MarkedCount() > 0 ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
    case CDDS_ITEMPREPAINT: {
      const auto row = static_cast<int>(draw.nmcd.dwItemSpec);
      if (row < 0 || row >= list.Count() || !list.Item(row).marked) return CDRF_DODEFAULT;
      const auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
      if (font != from_ || !bold_) {
        LOGFONTW face{};
        if (!GetObjectW(font ? font : GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face))
          return CDRF_DODEFAULT;
        face.lfWeight = FW_BOLD;
        if (bold_) DeleteObject(bold_);
        bold_ = CreateFontIndirectW(&face);
        from_ = font;
      }
      if (!bold_) return CDRF_DODEFAULT;
      SelectObject(draw.nmcd.hdc, bold_);
      return CDRF_NEWFONT;
    }
  }
  return CDRF_DODEFAULT;
}

}  // namespace ui::win32
