// The menus and the toolbar that the command table builds.
#include <gtest/gtest.h>

#include "support/form_fixture.h"

namespace {

using Layout = testsupport::FormTest;

// One line per item, indented by its depth: caption, then its shortcut and mark.
void Lines(const ui::MenuItem& menu, const std::string& indent, std::string& out) {
  for (int i = 0; i < menu.Count(); ++i) {
    const ui::MenuItem& item = menu.Item(i);
    out += indent + item.Caption();
    if (!item.GetShortCut().Empty()) out += " " + ui::ShortCutText(item.GetShortCut());
    if (item.RadioItem()) {
      out += item.Checked() ? " (*)\n" : " ()\n";
    } else {
      out += item.Checked() ? " *\n" : "\n";
    }
    Lines(item, indent + "  ", out);
  }
}

std::string Lines(ui::MenuItem& menu) {
  std::string out;
  Lines(menu, "", out);
  return out;
}

TEST_F(Layout, MenusInTheirOrderWithShortcutsAndMarks) {
  EXPECT_EQ(Lines(form->MainMenu1.Items()), R"(ファイル(&F)
  開く(&O)... Ctrl+O
  保存(&S)... Ctrl+S
  -
  最近使ったファイル(&R)
  -
  終了(&X)
編集(&E)
  編集(&E) F2
  削除(&D) Del
  すべて選択(&A) Ctrl+A
  -
  置換(&R) Ctrl+R
表示(&V)
  ツールバー(&T) *
  ステータスバー(&S) *
  ウィンドウの位置とサイズ(&W)
  -
  表示する日時(&D)
    更新日時(&M) (*)
    作成日時(&C) ()
    アクセス日時(&A) ()
  ソート(&O)
    更新日時(&D)
    パス名(&P)
    種類(&E)
  -
  更新(&R) F5
ツール(&T)
  撮影日時にする(&P)
  ファイル名の日時にする(&N)
  日時をずらす(&S)...
  フォルダの日時を中身に合わせる(&F)
  -
  更新する日時(&U)
    作成日時(&C) *
    アクセス日時(&A) *
    更新日時(&M) *
    -
    変更した行だけ(&O)
  更新を元に戻す(&Z)
ヘルプ(&H)
  目次(&C)...
  -
  バージョン情報(&A)...
)");
  EXPECT_EQ(Lines(form->PopupMenu1.Items()), R"(編集(&E) F2
削除(&D) Del
すべて選択(&A) Ctrl+A
-
置換(&R) Ctrl+R
)");
  // The members name the items the menus hold.
  EXPECT_EQ(form->SortExt1, &form->Sort1->Item(2));
  EXPECT_EQ(form->Replace2, &form->PopupMenu1.Items().Item(4));
}

TEST_F(Layout, ToolbarButtonsLeftToRight) {
  std::vector<std::string> buttons;
  for (int i = 0; i < form->ToolBar1.Count(); ++i) {
    const ui::ToolButton& button = form->ToolBar1.Button(i);
    buttons.push_back(button.Style() == ui::ButtonStyle::Separator
                          ? "| " + std::to_string(button.SeparatorWidth())
                          : button.Hint() + " " + std::to_string(button.ImageIndex()));
  }
  EXPECT_EQ(buttons, (std::vector<std::string>{"開く 0", "保存 1", "| 8", "削除 2", "| 8", "置換 3",
                                               "| 8", "更新 4"}));
  EXPECT_EQ(form->ToolButton1->DropdownMenu(), &form->PopupMenu2);
  EXPECT_EQ(form->ToolButton8, &form->ToolBar1.Button(7));
}

}  // namespace
