// Every command of the main window, and where it sits.
#include "app/commands.h"

#include "app/form1.h"

namespace {

using F = TForm1;
using ui::Ctrl;
using ui::Key;

// Menus that only hold other items.
constexpr Command kFile{"ファイル(&F)"};
constexpr Command kRecent{"最近使ったファイル(&R)"};  // filled with the recent files
constexpr Command kEdit{"編集(&E)"};
constexpr Command kShow{"表示(&V)"};
constexpr Command kSort{"ソート(&O)", {}, nullptr, Enabling::WithRows};
constexpr Command kTools{"ツール(&T)"};
constexpr Command kUpdateTimes{"更新する日時(&U)"};
constexpr Command kHelp{"ヘルプ(&H)"};

constexpr Command kOpen{"開く(&O)...", Ctrl('O'), &F::Open1Click, Enabling::Always, nullptr,
                        "開く",        0};
constexpr Command kSave{"保存(&S)...", Ctrl('S'), &F::Save1Click, Enabling::WithRows, nullptr,
                        "保存",        1};
constexpr Command kExit{"終了(&X)", {}, &F::Exit1Click};
constexpr Command kEditRow{"編集(&E)", Key(ui::kKeyF2), &F::Edit2Click, Enabling::WithSelection};
constexpr Command kDelete{
    "削除(&D)", Key(ui::kKeyDelete), &F::Delete1Click, Enabling::WithSelection, nullptr, "削除", 2};
constexpr Command kSelectAll{"すべて選択(&A)", Ctrl('A'), &F::SelectAll1Click, Enabling::WithRows};
constexpr Command kReplace{
    "置換(&R)", Ctrl('R'), &F::Replace1Click, Enabling::WithSelection, nullptr, "置換", 3};
constexpr Command kShowToolBar{"ツールバー(&T)", {}, &F::ShowToolBar1Click};
constexpr Command kShowStatusBar{"ステータスバー(&S)", {}, &F::ShowStatusBar1Click};
constexpr Command kShowWindow{"ウィンドウの位置とサイズ(&W)", {}, &F::ShowWindow1Click};
constexpr Command kShownTime{"表示する日時(&D)"};
constexpr Command kShowWriteTime{"更新日時(&M)", {}, &F::ShowWriteTime1Click};
constexpr Command kShowCreationTime{"作成日時(&C)", {}, &F::ShowCreationTime1Click};
constexpr Command kShowAccessTime{"アクセス日時(&A)", {}, &F::ShowAccessTime1Click};
constexpr Command kSortDate{"更新日時(&D)", {}, &F::SortDate1Click};
constexpr Command kSortPath{"パス名(&P)", {}, &F::SortPath1Click};
constexpr Command kSortExt{"種類(&E)", {}, &F::SortExt1Click};
constexpr Command kRewrite{
    "更新(&R)", Key(ui::kKeyF5), &F::Rewrite1Click, Enabling::WithRows, nullptr, "更新", 4};
constexpr Command kDateTaken{
    "撮影日時にする(&P)", {}, &F::DateTaken1Click, Enabling::WithSelection};
constexpr Command kNameDate{
    "ファイル名の日時にする(&N)", {}, &F::NameDate1Click, Enabling::WithSelection};
constexpr Command kShiftDates{
    "日時をずらす(&S)...", {}, &F::ShiftDates1Click, Enabling::WithSelection};
constexpr Command kFolderDates{
    "フォルダの日時を中身に合わせる(&F)", {}, &F::FolderDates1Click, Enabling::WithSelection};
constexpr Command kUpdateCreation{"作成日時(&C)", {}, &F::UpdateCreation1Click};
constexpr Command kUpdateAccess{"アクセス日時(&A)", {}, &F::UpdateAccess1Click};
constexpr Command kUpdateWrite{"更新日時(&M)", {}, &F::UpdateWrite1Click};
constexpr Command kUpdateChanged{"変更した行だけ(&O)", {}, &F::UpdateChanged1Click};
// Ctrl+Z belongs to the in-place editor.
constexpr Command kUndoUpdate{
    "更新を元に戻す(&Z)", {}, &F::UndoUpdate1Click, Enabling::Own, &F::UpdateToUndo};
constexpr Command kContents{"目次(&C)...", {}, &F::Contents1Click};
constexpr Command kAbout{"バージョン情報(&A)...", {}, &F::About1Click};

constexpr MenuPlace kSeparator0{0};
constexpr MenuPlace kSeparator1{1};
constexpr MenuPlace kSeparator2{2};

constexpr MenuPlace kMainMenu[] = {
    {0, &F::File1, &kFile},
    {1, &F::Open1, &kOpen},
    {1, &F::Save1, &kSave},
    kSeparator1,
    {1, &F::Recentry1, &kRecent},
    kSeparator1,
    {1, &F::Exit1, &kExit},
    {0, &F::Edit1, &kEdit},
    {1, &F::Edit2, &kEditRow},
    {1, &F::Delete1, &kDelete},
    {1, &F::SelectAll1, &kSelectAll},
    kSeparator1,
    {1, &F::Replace1, &kReplace},
    {0, &F::Show1, &kShow},
    {1, &F::ShowToolBar1, &kShowToolBar, true},
    {1, &F::ShowStatusBar1, &kShowStatusBar, true},
    {1, &F::ShowWindow1, &kShowWindow},
    kSeparator1,
    {1, &F::ShownTime1, &kShownTime},
    {2, &F::ShowWriteTime1, &kShowWriteTime, true, true},
    {2, &F::ShowCreationTime1, &kShowCreationTime, false, true},
    {2, &F::ShowAccessTime1, &kShowAccessTime, false, true},
    {1, &F::Sort1, &kSort},
    {2, &F::SortDate1, &kSortDate},
    {2, &F::SortPath1, &kSortPath},
    {2, &F::SortExt1, &kSortExt},
    kSeparator1,
    {1, &F::Rewrite1, &kRewrite},
    {0, &F::Tools1, &kTools},
    {1, &F::DateTaken1, &kDateTaken},
    {1, &F::NameDate1, &kNameDate},
    {1, &F::ShiftDates1, &kShiftDates},
    {1, &F::FolderDates1, &kFolderDates},
    kSeparator1,
    {1, &F::UpdateTimes1, &kUpdateTimes},
    {2, &F::UpdateCreation1, &kUpdateCreation, true},
    {2, &F::UpdateAccess1, &kUpdateAccess, true},
    {2, &F::UpdateWrite1, &kUpdateWrite, true},
    kSeparator2,
    {2, &F::UpdateChanged1, &kUpdateChanged},
    {1, &F::UndoUpdate1, &kUndoUpdate},
    {0, &F::Help1, &kHelp},
    {1, &F::Contents1, &kContents},
    kSeparator1,
    {1, &F::About1, &kAbout},
};

constexpr MenuPlace kContextMenu[] = {
    {0, &F::Edit3, &kEditRow},        {0, &F::Delete2, &kDelete},
    {0, &F::SelectAll2, &kSelectAll}, kSeparator0,
    {0, &F::Replace2, &kReplace},
};

constexpr ButtonPlace kToolBar[] = {
    {&F::ToolButton1, &kOpen, &F::PopupMenu2},
    {&F::ToolButton2, &kSave},
    {&F::ToolButton3},
    {&F::ToolButton4, &kDelete},
    {&F::ToolButton5},
    {&F::ToolButton6, &kReplace},
    {&F::ToolButton7},
    {&F::ToolButton8, &kRewrite},
};

}  // namespace

std::span<const MenuPlace> CommandTable::MainMenu() { return kMainMenu; }
std::span<const MenuPlace> CommandTable::ContextMenu() { return kContextMenu; }
std::span<const ButtonPlace> CommandTable::ToolBar() { return kToolBar; }
