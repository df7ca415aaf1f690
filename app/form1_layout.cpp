// The main window's layout: caption, size, font, columns, and the menus and toolbar of the
// command table.
#include <memory>
#include <vector>

#include "app/form1.h"
#include "entries/entry_row.h"

// Menu items in the order of their places; each place gets its member pointed at it.
void TForm1::AddMenuItems(ui::MenuItem& menu, std::span<const MenuPlace> places) {
  std::vector<ui::MenuItem*> parents{&menu};  // the menu that takes the items of each depth
  for (const MenuPlace& place : places) {
    parents.resize(place.depth + 1);
    auto item = std::make_unique<ui::MenuItem>();
    if (const Command* command = place.command) {
      item->SetCaption(command->caption);
      item->SetShortCut(command->shortcut);
      item->SetChecked(place.checked);
      item->SetRadioItem(place.radio);
      if (auto handler = command->handler) {
        item->OnClick = [this, handler](ui::MenuItem&) { (this->*handler)(); };
      }
    } else {
      item->SetCaption("-");
    }
    ui::MenuItem& added = parents.back()->Add(std::move(item));
    if (place.item) this->*place.item = &added;
    parents.push_back(&added);
  }
}

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
  ListView1.OnMark = [](const ui::ListItem& row) { return RowChanged(row); };
  ListView1.SetSortType(ui::SortType::Text);

  AddMenuItems(MainMenu1.Items(), CommandTable::MainMenu());
  AddMenuItems(PopupMenu1.Items(), CommandTable::ContextMenu());

  OpenDialog1.SetFilter("テキスト|*.txt");
  OpenDialog1.SetDefaultExt("txt");
  OpenDialog1.SetOptions({.allowMultiSelect = true, .hideReadOnly = true, .enableSizing = true});
  SaveDialog1.SetFilter("テキスト|*.txt");
  SaveDialog1.SetDefaultExt("txt");
  SaveDialog1.SetOptions({.hideReadOnly = true, .enableSizing = true});

  ImageList1.AddStrip("TOOLBAR", 5);  // Open, Save, Delete, Replace, Update
  ToolBar1.SetBorderWidth(1);
  ToolBar1.SetImages(&ImageList1);
  for (const ButtonPlace& place : CommandTable::ToolBar()) {
    const Command* command = place.command;
    ui::ToolButton& button =
        !command ? ToolBar1.AddSeparator(CommandTable::kSeparatorWidth)
        : place.dropdown
            ? ToolBar1.AddDropDownButton(command->hint, command->image, &(this->*place.dropdown))
            : ToolBar1.AddButton(command->hint, command->image);
    if (command && command->handler) {
      button.OnClick = [this, handler = command->handler] { (this->*handler)(); };
    }
    this->*place.button = &button;
  }

  MainMenu1.Attach();

  OnShow = [this] { FormShow(); };
  OnClose = [this] { FormClose(); };
  OnDropFiles = [this](platform::DropHandle drop) {
    TWMDropFiles message{drop};
    WMDropFiles(message);
  };
}
