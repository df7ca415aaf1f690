// The main window's layout: caption, size, font, columns, menus and toolbar.
#include <memory>

#include "app/form1.h"

namespace {

ui::MenuItem* AddItem(ui::MenuItem& parent, const char* caption, ui::ShortCut shortcut = {},
                      std::function<void()> click = {}) {
  auto item = std::make_unique<ui::MenuItem>();
  item->SetCaption(caption);
  item->SetShortCut(shortcut);
  if (click) item->OnClick = [click](ui::MenuItem&) { click(); };
  return &parent.Add(std::move(item));
}

void AddSeparator(ui::MenuItem& parent) { AddItem(parent, "-"); }

}  // namespace

void TForm1::BuildLayout() {
  SetCaption("Horodex");
  SetDesignSize(455, 395);
  SetFont("MS UI Gothic", 12, 128);  // Shift-JIS character set

  ListView1.AddColumn("更新日時", 120);
  ListView1.AddColumn("パス名", 230);
  ListView1.AddColumn("種類", 70);
  ListView1.SetPopupMenu(&PopupMenu1);
  ListView1.OnChange = [this](int item, ui::ItemChange change) {
    ListView1Change(ListView1, item, change);
  };
  ListView1.OnDeleted = [this] { UpdateCommands(); };
  ListView1.OnColumnClick = [this](int column) { ListView1ColumnClick(ListView1, column); };
  ListView1.OnCompare = [this](const ui::ListItem& a, const ui::ListItem& b) {
    int compare = 0;
    ListView1Compare(a, b, 0, compare);
    return compare;
  };
  ListView1.OnEdited = [this](int item, const std::string* text) { ListView1Edited(item, text); };
  ListView1.SetSortType(ui::SortType::Text);

  ui::MenuItem& bar = MainMenu1.Items();
  File1 = AddItem(bar, "ファイル(&F)");
  Open1 = AddItem(*File1, "開く(&O)...", ui::Ctrl('O'), [this] { Open1Click(); });
  Save1 = AddItem(*File1, "保存(&S)...", ui::Ctrl('S'), [this] { Save1Click(); });
  AddSeparator(*File1);
  Recentry1 = AddItem(*File1, "最近使ったファイル(&R)");
  AddSeparator(*File1);
  Exit1 = AddItem(*File1, "終了(&X)", {}, [this] { Exit1Click(); });

  Edit1 = AddItem(bar, "編集(&E)");
  Edit2 = AddItem(*Edit1, "編集(&E)", ui::Key(ui::kKeyF2), [this] { Edit2Click(); });
  Delete1 = AddItem(*Edit1, "削除(&D)", ui::Key(ui::kKeyDelete), [this] { Delete1Click(); });
  SelectAll1 = AddItem(*Edit1, "すべて選択(&A)", ui::Ctrl('A'), [this] { SelectAll1Click(); });
  AddSeparator(*Edit1);
  Replace1 = AddItem(*Edit1, "置換(&R)", ui::Ctrl('R'), [this] { Replace1Click(); });

  Show1 = AddItem(bar, "表示(&V)");
  ShowToolBar1 = AddItem(*Show1, "ツールバー(&T)", {}, [this] { ShowToolBar1Click(); });
  ShowToolBar1->SetChecked(true);
  ShowStatusBar1 = AddItem(*Show1, "ステータスバー(&S)", {}, [this] { ShowStatusBar1Click(); });
  ShowStatusBar1->SetChecked(true);
  ShowWindow1 = AddItem(*Show1, "ウィンドウの位置とサイズ(&W)", {}, [this] { ShowWindow1Click(); });
  AddSeparator(*Show1);
  Sort1 = AddItem(*Show1, "ソート(&O)");
  SortDate1 = AddItem(*Sort1, "更新日時(&D)", {}, [this] { SortDate1Click(); });
  SortPath1 = AddItem(*Sort1, "パス名(&P)", {}, [this] { SortPath1Click(); });
  SortExt1 = AddItem(*Sort1, "種類(&E)", {}, [this] { SortExt1Click(); });
  AddSeparator(*Show1);
  Rewrite1 = AddItem(*Show1, "更新(&R)", ui::Key(ui::kKeyF5), [this] { Rewrite1Click(); });

  Tools1 = AddItem(bar, "ツール(&T)");
  DateTaken1 = AddItem(*Tools1, "撮影日時にする(&P)", {}, [this] { DateTaken1Click(); });
  NameDate1 = AddItem(*Tools1, "ファイル名の日時にする(&N)", {}, [this] { NameDate1Click(); });
  ShiftDates1 = AddItem(*Tools1, "日時をずらす(&S)...", {}, [this] { ShiftDates1Click(); });
  AddSeparator(*Tools1);
  UpdateTimes1 = AddItem(*Tools1, "更新する日時(&U)");
  UpdateCreation1 = AddItem(*UpdateTimes1, "作成日時(&C)", {}, [this] { UpdateCreation1Click(); });
  UpdateAccess1 = AddItem(*UpdateTimes1, "アクセス日時(&A)", {}, [this] { UpdateAccess1Click(); });
  UpdateWrite1 = AddItem(*UpdateTimes1, "更新日時(&M)", {}, [this] { UpdateWrite1Click(); });
  for (ui::MenuItem* item : {UpdateCreation1, UpdateAccess1, UpdateWrite1}) item->SetChecked(true);
  UndoUpdate1 = AddItem(*Tools1, "更新を元に戻す(&Z)", {}, [this] { UndoUpdate1Click(); });

  Help1 = AddItem(bar, "ヘルプ(&H)");
  Contents1 = AddItem(*Help1, "目次(&C)...", {}, [this] { Contents1Click(); });
  AddSeparator(*Help1);
  About1 = AddItem(*Help1, "バージョン情報(&A)...", {}, [this] { About1Click(); });

  ui::MenuItem& context = PopupMenu1.Items();
  Edit3 = AddItem(context, "編集(&E)", ui::Key(ui::kKeyF2), [this] { Edit2Click(); });
  Delete2 = AddItem(context, "削除(&D)", ui::Key(ui::kKeyDelete), [this] { Delete1Click(); });
  SelectAll2 = AddItem(context, "すべて選択(&A)", ui::Ctrl('A'), [this] { SelectAll1Click(); });
  AddSeparator(context);
  Replace2 = AddItem(context, "置換(&R)", ui::Ctrl('R'), [this] { Replace1Click(); });

  OpenDialog1.SetFilter("テキスト|*.txt");
  OpenDialog1.SetDefaultExt("txt");
  OpenDialog1.SetOptions({.allowMultiSelect = true, .hideReadOnly = true, .enableSizing = true});
  SaveDialog1.SetFilter("テキスト|*.txt");
  SaveDialog1.SetDefaultExt("txt");
  SaveDialog1.SetOptions({.hideReadOnly = true, .enableSizing = true});

  ImageList1.AddStrip("TOOLBAR", 5);  // Open, Save, Delete, Replace, Update
  ToolBar1.SetBorderWidth(1);
  ToolBar1.SetImages(&ImageList1);
  ToolButton1 = &ToolBar1.AddDropDownButton("開く", 0, &PopupMenu2);
  ToolButton1->OnClick = [this] { Open1Click(); };
  ToolButton2 = &ToolBar1.AddButton("保存", 1);
  ToolButton2->OnClick = [this] { Save1Click(); };
  ToolButton3 = &ToolBar1.AddSeparator(8);
  ToolButton4 = &ToolBar1.AddButton("削除", 2);
  ToolButton4->OnClick = [this] { Delete1Click(); };
  ToolButton5 = &ToolBar1.AddSeparator(8);
  ToolButton6 = &ToolBar1.AddButton("置換", 3);
  ToolButton6->OnClick = [this] { Replace1Click(); };
  ToolButton7 = &ToolBar1.AddSeparator(8);
  ToolButton8 = &ToolBar1.AddButton("更新", 4);
  ToolButton8->OnClick = [this] { Rewrite1Click(); };

  MainMenu1.Attach();

  OnShow = [this] { FormShow(); };
  OnClose = [this] { FormClose(); };
  OnDropFiles = [this](platform::DropHandle drop) {
    TWMDropFiles message{drop};
    WMDropFiles(message);
  };
}
