// The recent list files: two menus (File > recent files, and the Open button's drop-down)
// changed together by the same steps, newest first.
#include <functional>
#include <memory>

#include "app/form1.h"
#include "listfile/recent_items.h"
#include "ui/bulk_update.h"

namespace {

constexpr int kMostRecentItems = 16;

// Both menus' steps: the path comes off every item that names it and goes to the top, and
// the captions are numbered again.
void PutOnTop(ui::MenuItem& menu, const std::string& path,
              const std::function<std::unique_ptr<ui::MenuItem>(const std::string&)>& make) {
  for (int i = 0; i < menu.Count();) {
    ui::MenuItem& item = menu.Item(i);
    item.SetCaption(RecentItemPath(item.Caption()));
    if (item.Caption() == path) {
      menu.Delete(i);  // the next item moves into its place and is visited next
    } else {
      ++i;
    }
  }
  menu.Insert(0, make(path));
  for (int i = 0; i < menu.Count(); ++i) {
    ui::MenuItem& item = menu.Item(i);
    item.SetCaption(RecentItemIndex(i) + " " + item.Caption());
  }
  while (menu.Count() > kMostRecentItems) menu.Delete(menu.Count() - 1);
}

}  // namespace

std::unique_ptr<ui::MenuItem> TForm1::NewRecentItem(const std::string& caption) {
  auto item = std::make_unique<ui::MenuItem>();
  item->SetCaption(caption);
  item->SetAccessKeyFirst(true);
  item->OnClick = [this](ui::MenuItem& sender) { RecentFileClick(sender); };
  return item;
}

void TForm1::AddRecentFile(const std::string& path) {
  auto make = [this](const std::string& caption) { return NewRecentItem(caption); };
  PutOnTop(*Recentry1, path, make);
  PutOnTop(PopupMenu2.Items(), path, make);
}

// The clicked item goes with the AddRecentFile below; the menu keeps it alive until the
// click returns.
void TForm1::RecentFileClick(ui::MenuItem& sender) {
  const std::string path = RecentItemPath(sender.Caption());
  LongWork work(*this);
  {
    BulkUpdate bulk(ListView1);
    LoadListFile(path);  // a failure leaves the entry where it is
  }
  if (!work.Stopped()) AddRecentFile(path);
}
