// The bars and the list as real child windows: where they sit, what they show.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ui/application.h"
#include "ui/bars.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/win32/list_native.h"
#include "ui/win32/native.h"

namespace {

struct BarsForm {
  ui::Form form;
  ui::ListView list{form};
  ui::StatusBar status{form};
  ui::ImageList images{form, 16, 16};
  ui::ToolBar tools{form};
  ui::PopupMenu dropdown{form};

  BarsForm() {
    form.SetDesignSize(455, 395);
    list.AddColumn("date", 120);
    images.AddStrip("TOOLBAR", 5);
    tools.SetImages(&images);
    tools.AddDropDownButton("open", 0, &dropdown);
    tools.AddButton("save", 1);
    tools.AddSeparator(8);
    tools.AddButton("削除 😀", 2);
    form.Show(1);
  }

  HWND ToolHwnd() const { return static_cast<HWND>(tools.NativeHandle()); }
  HWND StatusHwnd() const { return static_cast<HWND>(status.NativeHandle()); }
  HWND ListHwnd() const { return ui::win32::ListNativeOf(list).Hwnd(); }
  // A child's rectangle in the form's client coordinates.
  RECT Place(HWND child) const {
    RECT rc{};
    GetWindowRect(child, &rc);
    MapWindowPoints(HWND_DESKTOP, ui::win32::Hwnd(form), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
  }
  RECT Client() const {
    RECT rc{};
    GetClientRect(ui::win32::Hwnd(form), &rc);
    return rc;
  }
};

TEST(BarsNative, TheBarsTakeTopAndBottomAndTheListTheRest) {
  BarsForm f;
  const RECT client = f.Client();
  const RECT tools = f.Place(f.ToolHwnd());
  const RECT status = f.Place(f.StatusHwnd());
  const RECT list = f.Place(f.ListHwnd());
  EXPECT_EQ(tools.top, 0);
  EXPECT_EQ(tools.bottom - tools.top, ui::win32::Scale(28));
  EXPECT_EQ(tools.right, client.right);
  EXPECT_EQ(status.bottom, client.bottom);
  EXPECT_EQ(status.bottom - status.top, ui::win32::Scale(19));
  EXPECT_EQ(list.top, tools.bottom);
  EXPECT_EQ(list.bottom, status.top);
  EXPECT_EQ(list.right - list.left, client.right);

  f.tools.SetVisible(false);
  f.status.SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(f.ToolHwnd()));
  EXPECT_FALSE(IsWindowVisible(f.StatusHwnd()));
  const RECT whole = f.Place(f.ListHwnd());
  EXPECT_EQ(whole.top, 0);
  EXPECT_EQ(whole.bottom, client.bottom);
  f.tools.SetVisible(true);
  EXPECT_EQ(f.Place(f.ListHwnd()).top, tools.bottom);

  // A border keeps room around the buttons inside the same band.
  f.tools.SetBorderWidth(1);
  const int border = ui::win32::Scale(1);
  const RECT inset = f.Place(f.ToolHwnd());
  EXPECT_EQ(inset.left, border);
  EXPECT_EQ(inset.top, border);
  EXPECT_EQ(inset.right, client.right - border);
  EXPECT_EQ(inset.bottom, tools.bottom - border);
  EXPECT_EQ(f.Place(f.ListHwnd()).top, tools.bottom);
}

TEST(BarsNative, ButtonsFollowTheirStateAndRunFromTheirCommand) {
  BarsForm f;
  EXPECT_EQ(SendMessageW(f.ToolHwnd(), TB_BUTTONCOUNT, 0, 0), f.tools.Count());
  int clicks = 0;
  f.tools.Button(1).OnClick = [&] { ++clicks; };
  TBBUTTON save{};
  SendMessageW(f.ToolHwnd(), TB_GETBUTTON, 1, reinterpret_cast<LPARAM>(&save));
  const auto command = [&] {
    SendMessageW(ui::win32::Hwnd(f.form), WM_COMMAND, save.idCommand,
                 reinterpret_cast<LPARAM>(f.ToolHwnd()));
  };
  command();
  EXPECT_EQ(clicks, 1);
  f.tools.Button(1).SetEnabled(false);
  EXPECT_FALSE(SendMessageW(f.ToolHwnd(), TB_ISBUTTONENABLED, save.idCommand, 0));
  command();
  EXPECT_EQ(clicks, 1);
  f.tools.Button(1).SetEnabled(true);
  EXPECT_TRUE(SendMessageW(f.ToolHwnd(), TB_ISBUTTONENABLED, save.idCommand, 0));

  TBBUTTON separator{};
  SendMessageW(f.ToolHwnd(), TB_GETBUTTON, 2, reinterpret_cast<LPARAM>(&separator));
  EXPECT_TRUE(separator.fsStyle & BTNS_SEP);
  TBBUTTON open{};
  SendMessageW(f.ToolHwnd(), TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&open));
  EXPECT_TRUE(open.fsStyle & BTNS_DROPDOWN);
}

TEST(BarsNative, TooltipsShowTheHints) {
  BarsForm f;
  const auto tips = reinterpret_cast<HWND>(SendMessageW(f.ToolHwnd(), TB_GETTOOLTIPS, 0, 0));
  ASSERT_NE(tips, nullptr);
  TBBUTTON remove{};
  SendMessageW(f.ToolHwnd(), TB_GETBUTTON, 3, reinterpret_cast<LPARAM>(&remove));
  // What the tip control itself asks for and would show.
  wchar_t shown[80] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = f.ToolHwnd();
  tool.uId = remove.idCommand;
  tool.lpszText = shown;
  SendMessageW(tips, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
  EXPECT_EQ(ui::win32::Narrow(shown), "削除 😀");
}

TEST(BarsNative, TheStatusTextReachesTheControlAlsoWhileHidden) {
  BarsForm f;
  const auto shown = [&] {
    ui::Application::Instance().ProcessMessages();
    wchar_t text[64] = {};
    // A simple status bar answers for its text as part 0.
    SendMessageW(f.StatusHwnd(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    return ui::win32::Narrow(text);
  };
  f.status.SetSimpleText("1 個のオブジェクト");
  f.status.SetSimpleText("2 個のオブジェクト");
  EXPECT_EQ(shown(), "2 個のオブジェクト");
  f.status.ShowProgress("C:\\旅行\\emoji😀.txt");
  EXPECT_EQ(shown(), "C:\\旅行\\emoji😀.txt");
  f.status.EndProgress();
  EXPECT_EQ(shown(), "2 個のオブジェクト");
  f.status.SetVisible(false);
  f.status.SetSimpleText("3 個のオブジェクト");
  EXPECT_EQ(shown(), "3 個のオブジェクト");
}

TEST(BarsNative, WithoutTheProgramsResourcesTheWindowGetsTheSystemIconAndNoImages) {
  BarsForm f;  // the test program carries neither the icon nor the image strip
  EXPECT_EQ(f.images.Count(), 0);
  EXPECT_NE(GetClassLongPtrW(ui::win32::Hwnd(f.form), GCLP_HICON), 0u);
}

TEST(BarsNative, TheFontGoesToTheList) {
  BarsForm f;
  f.form.SetFont("MS UI Gothic", 12, 128);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(f.ListHwnd(), WM_GETFONT, 0, 0));
  ASSERT_NE(font, nullptr);
  LOGFONTW described{};
  GetObjectW(font, sizeof described, &described);
  EXPECT_EQ(described.lfHeight, -ui::win32::Scale(12));
  EXPECT_EQ(described.lfCharSet, 128);
  EXPECT_STREQ(described.lfFaceName, L"MS UI Gothic");
}

}  // namespace
