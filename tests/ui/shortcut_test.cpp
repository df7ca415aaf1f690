// Menu shortcuts: which item a key finds, and which key presses run it.
#include <gtest/gtest.h>

#include "list_form.h"
#include "ui/testing.h"

namespace {

using ui::Ctrl;
using ui::Key;

// File: Open (Ctrl+O), Recent > Newest (F5); Edit: Open again (Ctrl+O), Delete (Del).
struct MenuForm : uitest::ListForm {
  ui::MenuItem& file = AddItem(menu.Items(), "File", {});
  ui::MenuItem& open = AddItem(file, "Open", Ctrl('O'));
  ui::MenuItem& recent = AddItem(file, "Recent", {});
  ui::MenuItem& newest = AddItem(recent, "Newest", Key(ui::kKeyF5));
  ui::MenuItem& edit = AddItem(menu.Items(), "Edit", {});
  ui::MenuItem& openAgain = AddItem(edit, "Open again", Ctrl('O'));
  ui::MenuItem& remove = AddItem(edit, "Delete", Key(ui::kKeyDelete));
};

TEST(MenuShortCuts, FindSkipsDisabledItemsAndEverythingInDisabledSubmenus) {
  struct Case {
    const char* disabled;  // caption of the item switched off, or ""
    ui::ShortCut key;
    const char* found;  // caption of the item found, or ""
  };
  const Case cases[] = {
      {"", Ctrl('O'), "Open"},
      {"Open", Ctrl('O'), "Open again"},
      {"File", Ctrl('O'), "Open again"},
      {"Edit", Ctrl('O'), "Open"},
      {"", Key(ui::kKeyF5), "Newest"},
      {"Newest", Key(ui::kKeyF5), ""},
      {"Recent", Key(ui::kKeyF5), ""},
      {"File", Key(ui::kKeyF5), ""},
      {"", Key(ui::kKeyF2), ""},
      {"", Ctrl('D'), ""},
      {"", Key('O'), ""},  // without Ctrl
      {"", ui::ShortCut{}, ""},
  };
  for (const Case& c : cases) {
    MenuForm f;
    for (ui::MenuItem* item : {&f.file, &f.open, &f.recent, &f.newest, &f.edit, &f.openAgain}) {
      if (item->Caption() == c.disabled) item->SetEnabled(false);
    }
    const ui::MenuItem* found = f.menu.Items().FindShortCut(c.key);
    EXPECT_EQ(found ? found->Caption() : "", c.found)
        << "disabled " << c.disabled << ", key " << ui::ShortCutText(c.key);
  }
}

TEST(MenuShortCuts, AKeyRunsItsItemOnlyWhileEnabled) {
  MenuForm f;
  int clicks = 0;
  f.newest.OnClick = [&](ui::MenuItem& sender) {
    EXPECT_EQ(&sender, &f.newest);
    ++clicks;
  };
  ui::testing::PressKey(f.form, Key(ui::kKeyF5));
  EXPECT_EQ(clicks, 1);
  f.newest.SetEnabled(false);
  ui::testing::PressKey(f.form, Key(ui::kKeyF5));
  EXPECT_FALSE(f.form.IsShortCut(Key(ui::kKeyF5)));
  f.newest.SetEnabled(true);
  f.recent.SetEnabled(false);
  ui::testing::PressKey(f.form, Key(ui::kKeyF5));
  EXPECT_EQ(clicks, 1);
  f.recent.SetEnabled(true);
  EXPECT_TRUE(f.form.IsShortCut(Key(ui::kKeyF5)));
  EXPECT_EQ(clicks, 2);
}

TEST(MenuShortCuts, TheMainMenuComesBeforeTheListsContextMenu) {
  MenuForm f;
  ui::PopupMenu context(f.form);
  f.list.SetPopupMenu(&context);
  int mainClicks = 0, contextClicks = 0, contextOnlyClicks = 0;
  f.remove.OnClick = [&](ui::MenuItem&) { ++mainClicks; };
  ui::MenuItem& contextRemove =
      f.AddItem(context.Items(), "Delete", Key(ui::kKeyDelete), &contextClicks);
  f.AddItem(context.Items(), "Edit", Key(ui::kKeyF2), &contextOnlyClicks);

  ui::testing::PressKey(f.form, Key(ui::kKeyDelete));
  EXPECT_EQ(mainClicks, 1);
  EXPECT_EQ(contextClicks, 0);
  f.remove.SetEnabled(false);
  ui::testing::PressKey(f.form, Key(ui::kKeyDelete));
  EXPECT_EQ(contextClicks, 1);
  contextRemove.SetEnabled(false);
  ui::testing::PressKey(f.form, Key(ui::kKeyDelete));
  EXPECT_EQ(mainClicks + contextClicks, 2);
  ui::testing::PressKey(f.form, Key(ui::kKeyF2));
  EXPECT_EQ(contextOnlyClicks, 1);
}

}  // namespace
