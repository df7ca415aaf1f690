// The native menus follow their item trees entry by entry.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ui/form.h"
#include "ui/menu.h"
#include "ui/win32/native.h"

namespace {

struct MenuForm {
  ui::Form form;
  ui::MainMenu menu{form};
  ui::MenuItem& file = Add(menu.Items(), "File(&F)");
  ui::MenuItem& open = Add(file, "Open(&O)...", ui::Ctrl('O'));
  ui::MenuItem& line = Add(file, "-");
  ui::MenuItem& recent = Add(file, "Recent(&R)");
  ui::MenuItem& edit = Add(menu.Items(), "Edit(&E)");
  ui::MenuItem& remove = Add(edit, "Delete(&D)", ui::Key(ui::kKeyDelete));
  int clicks = 0;

  MenuForm() {
    open.OnClick = [this](ui::MenuItem&) { ++clicks; };
    menu.Attach();
  }

  static ui::MenuItem& Add(ui::MenuItem& parent, const std::string& caption,
                           ui::ShortCut key = {}) {
    ui::MenuItem& item = parent.Add(std::make_unique<ui::MenuItem>());
    item.SetCaption(caption);
    item.SetShortCut(key);
    return item;
  }

  HMENU Bar() const { return GetMenu(ui::win32::Hwnd(form)); }
  HMENU FileMenu() const { return GetSubMenu(Bar(), 0); }
  std::string Text(HMENU menu, int position) const {
    wchar_t text[128] = {};
    GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    return ui::win32::Narrow(text);
  }
  UINT State(HMENU menu, int position) const { return GetMenuState(menu, position, MF_BYPOSITION); }
  void Command(const ui::MenuItem& item) {
    SendMessageW(ui::win32::Hwnd(form), WM_COMMAND, static_cast<WPARAM>(item.nativeId), 0);
  }
};

TEST(MenuNative, EntriesShowCaptionsShortcutsAndSeparators) {
  MenuForm f;
  ASSERT_NE(f.Bar(), nullptr);
  EXPECT_EQ(GetMenuItemCount(f.Bar()), 2);
  EXPECT_EQ(f.Text(f.Bar(), 1), "Edit(&E)");
  ASSERT_NE(f.FileMenu(), nullptr);
  EXPECT_EQ(GetMenuItemCount(f.FileMenu()), 3);
  EXPECT_EQ(f.Text(f.FileMenu(), 0), "Open(&O)...\tCtrl+O");
  EXPECT_TRUE(f.State(f.FileMenu(), 1) & MF_SEPARATOR);
  EXPECT_EQ(f.Text(f.FileMenu(), 2), "Recent(&R)");
  EXPECT_EQ(f.Text(GetSubMenu(f.Bar(), 1), 0), "Delete(&D)\tDel");
}

TEST(MenuNative, CaptionsShowAsThemselvesWhateverTheCodePage) {
  MenuForm f;
  f.file.SetCaption("ファイル(&F)");
  MenuForm::Add(f.recent, "1 C:\\旅行\\emoji😀 Beyoncé 한글.txt");
  EXPECT_EQ(f.Text(f.Bar(), 0), "ファイル(&F)");
  EXPECT_EQ(f.Text(GetSubMenu(f.FileMenu(), 2), 0), "1 C:\\旅行\\emoji😀 Beyoncé 한글.txt");
}

TEST(MenuNative, ChangesReachTheirEntryAtOnce) {
  MenuForm f;
  f.open.SetEnabled(false);
  f.remove.SetChecked(true);
  f.edit.SetEnabled(false);
  f.open.SetCaption("Load(&L)...");
  EXPECT_TRUE(f.State(f.FileMenu(), 0) & MF_GRAYED);
  EXPECT_EQ(f.Text(f.FileMenu(), 0), "Load(&L)...\tCtrl+O");
  EXPECT_TRUE(f.State(GetSubMenu(f.Bar(), 1), 0) & MF_CHECKED);
  EXPECT_TRUE(f.State(f.Bar(), 1) & MF_GRAYED);  // a disabled submenu
  f.open.SetEnabled(true);
  f.open.SetShortCut({});
  EXPECT_FALSE(f.State(f.FileMenu(), 0) & MF_GRAYED);
  EXPECT_EQ(f.Text(f.FileMenu(), 0), "Load(&L)...");
}

TEST(MenuNative, AnItemBecomesASubmenuWithItsFirstChildAndPlainWithoutItsLast) {
  MenuForm f;
  EXPECT_EQ(GetSubMenu(f.FileMenu(), 2), nullptr);
  ui::MenuItem& second = MenuForm::Add(f.recent, "2 b.txt");
  f.recent.Insert(0, std::make_unique<ui::MenuItem>()).SetCaption("1 a.txt");
  const HMENU recent = GetSubMenu(f.FileMenu(), 2);
  ASSERT_NE(recent, nullptr);
  EXPECT_EQ(GetMenuItemCount(recent), 2);
  EXPECT_EQ(f.Text(recent, 0), "1 a.txt");
  EXPECT_EQ(f.Text(recent, 1), "2 b.txt");
  second.SetCaption("2 c.txt");
  EXPECT_EQ(f.Text(recent, 1), "2 c.txt");
  f.recent.Delete(0);
  EXPECT_EQ(f.Text(recent, 0), "2 c.txt");
  f.recent.Delete(0);
  EXPECT_EQ(GetSubMenu(f.FileMenu(), 2), nullptr);
  EXPECT_EQ(GetMenuItemCount(f.FileMenu()), 3);
}

TEST(MenuNative, CommandsRunTheirItemOnlyWhileItIsThereAndEnabled) {
  MenuForm f;
  f.Command(f.open);
  EXPECT_EQ(f.clicks, 1);
  f.open.SetEnabled(false);
  f.Command(f.open);
  EXPECT_EQ(f.clicks, 1);
  f.open.SetEnabled(true);
  const auto id = f.open.nativeId;
  ui::MenuItem& other = MenuForm::Add(f.edit, "Other");
  int otherClicks = 0;
  other.OnClick = [&](ui::MenuItem&) { ++otherClicks; };
  EXPECT_NE(other.nativeId, id);
  f.file.Delete(0);  // Open goes, and its id with it
  SendMessageW(ui::win32::Hwnd(f.form), WM_COMMAND, static_cast<WPARAM>(id), 0);
  EXPECT_EQ(f.clicks, 1);
  f.Command(other);
  EXPECT_EQ(otherClicks, 1);
}

TEST(MenuNative, AHandlerMayDeleteItsOwnItem) {
  MenuForm f;
  ui::MenuItem& item = MenuForm::Add(f.recent, "1 a.txt");
  const std::string caption = "seen";
  std::string seen;
  item.OnClick = [&f, &seen, caption](ui::MenuItem& sender) {
    f.recent.Delete(sender.IndexInParent());
    seen = caption + " " + sender.Caption();  // the handler and its item are still there
  };
  f.Command(item);
  EXPECT_EQ(seen, "seen 1 a.txt");
  EXPECT_EQ(f.recent.Count(), 0);
}

TEST(MenuNative, AnItemMayTakeItsFirstCharacterAsItsAccessKey) {
  MenuForm f;
  ui::MenuItem& item = MenuForm::Add(f.recent, "A C:\\R&D\\list.txt");
  item.SetAccessKeyFirst(true);
  EXPECT_EQ(f.Text(GetSubMenu(f.FileMenu(), 2), 0), "&A C:\\R&&D\\list.txt");
  EXPECT_EQ(item.Caption(), "A C:\\R&D\\list.txt");
}

}  // namespace
