// A bare window holding a three-column list and a main menu, recording what the list raises.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/menu.h"

namespace uitest {

using Change = std::pair<int, ui::ItemChange>;
using Edit = std::pair<int, std::optional<std::string>>;

struct ListForm {
  ui::Form form;
  ui::ListView list{form};
  ui::MainMenu menu{form};
  std::vector<Change> changes;
  std::vector<Edit> edits;

  ListForm() {
    form.SetDesignSize(455, 395);
    list.AddColumn("date", 120);
    list.AddColumn("path", 230);
    list.AddColumn("kind", 70);
    menu.Attach();
    list.OnChange = [this](int index, ui::ItemChange change) {
      changes.emplace_back(index, change);
    };
    list.OnEdited = [this](int index, const std::string* text) {
      edits.emplace_back(index, text ? std::optional<std::string>(*text) : std::nullopt);
    };
    form.Show(1);  // a real list edits labels only in a visible window
  }

  // Appends rows with these captions, then forgets the notifications that raised.
  void AddRows(const std::vector<std::string>& captions) {
    for (const std::string& caption : captions) list.SetCaption(list.Add(), caption);
    changes.clear();
  }

  std::vector<std::string> Captions() const {
    std::vector<std::string> result;
    for (int i = 0; i < list.Count(); ++i) result.push_back(list.Item(i).caption);
    return result;
  }

  std::vector<int> SelectedRows() const {
    std::vector<int> result;
    for (int i = list.NextSelected(-1); i != -1; i = list.NextSelected(i)) result.push_back(i);
    return result;
  }

  // A menu item with a shortcut under `parent`, counting its clicks.
  ui::MenuItem& AddItem(ui::MenuItem& parent, const std::string& caption, ui::ShortCut key,
                        int* clicks = nullptr) {
    ui::MenuItem& item = parent.Add(std::make_unique<ui::MenuItem>());
    item.SetCaption(caption);
    item.SetShortCut(key);
    if (clicks) item.OnClick = [clicks](ui::MenuItem&) { ++*clicks; };
    return item;
  }
};

}  // namespace uitest
