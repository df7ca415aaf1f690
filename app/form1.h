// The main window: every component, and every handler and private operation of the program.
// The handlers are defined in the folder of their subsystem (app, entries, listedit,
// listfile, settings).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/long_work.h"
#include "entries/collected_paths.h"
#include "entries/date_sources.h"
#include "entries/path_times.h"
#include "entries/update_record.h"
#include "platform/process.h"
#include "ui/bars.h"
#include "ui/file_dialog.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/menu.h"

// The WM_DROPFILES message record: its first parameter is the drop handle.
struct TWMDropFiles {
  platform::DropHandle Drop;
};

class TForm1 : public ui::Form {
 public:
  TForm1();  // builds the window from its layout, then runs FormCreate
  ~TForm1() override;

  // Components, in their declared order.
  ui::ListView ListView1;
  ui::StatusBar StatusBar1;
  ui::OpenDialog OpenDialog1;
  ui::SaveDialog SaveDialog1;
  ui::ImageList ImageList1;
  ui::MainMenu MainMenu1;
  ui::ToolBar ToolBar1;
  ui::PopupMenu PopupMenu1;
  ui::PopupMenu PopupMenu2;

  // Menu items (owned by their menus), made from the command table (app/commands.cpp).
  ui::MenuItem* File1 = nullptr;
  ui::MenuItem* Open1 = nullptr;
  ui::MenuItem* Save1 = nullptr;
  ui::MenuItem* Recentry1 = nullptr;
  ui::MenuItem* Exit1 = nullptr;
  ui::MenuItem* Edit1 = nullptr;
  ui::MenuItem* Edit2 = nullptr;
  ui::MenuItem* Delete1 = nullptr;
  ui::MenuItem* SelectAll1 = nullptr;
  ui::MenuItem* Replace1 = nullptr;
  ui::MenuItem* Show1 = nullptr;
  ui::MenuItem* ShowToolBar1 = nullptr;
  ui::MenuItem* ShowStatusBar1 = nullptr;
  ui::MenuItem* ShowWindow1 = nullptr;
  ui::MenuItem* ShownTime1 = nullptr;
  ui::MenuItem* ShowWriteTime1 = nullptr;
  ui::MenuItem* ShowCreationTime1 = nullptr;
  ui::MenuItem* ShowAccessTime1 = nullptr;
  ui::MenuItem* Sort1 = nullptr;
  ui::MenuItem* SortDate1 = nullptr;
  ui::MenuItem* SortPath1 = nullptr;
  ui::MenuItem* SortExt1 = nullptr;
  ui::MenuItem* Rewrite1 = nullptr;
  ui::MenuItem* Tools1 = nullptr;
  ui::MenuItem* DateTaken1 = nullptr;
  ui::MenuItem* NameDate1 = nullptr;
  ui::MenuItem* ShiftDates1 = nullptr;
  ui::MenuItem* FolderDates1 = nullptr;
  ui::MenuItem* UpdateTimes1 = nullptr;
  ui::MenuItem* UpdateCreation1 = nullptr;
  ui::MenuItem* UpdateAccess1 = nullptr;
  ui::MenuItem* UpdateWrite1 = nullptr;
  ui::MenuItem* UpdateChanged1 = nullptr;
  ui::MenuItem* UndoUpdate1 = nullptr;
  ui::MenuItem* Help1 = nullptr;
  ui::MenuItem* Contents1 = nullptr;
  ui::MenuItem* About1 = nullptr;
  ui::MenuItem* Edit3 = nullptr;
  ui::MenuItem* Delete2 = nullptr;
  ui::MenuItem* SelectAll2 = nullptr;
  ui::MenuItem* Replace2 = nullptr;

  // Toolbar buttons (owned by the toolbar), made from the command table.
  ui::ToolButton* ToolButton1 = nullptr;
  ui::ToolButton* ToolButton2 = nullptr;
  ui::ToolButton* ToolButton3 = nullptr;
  ui::ToolButton* ToolButton4 = nullptr;
  ui::ToolButton* ToolButton5 = nullptr;
  ui::ToolButton* ToolButton6 = nullptr;
  ui::ToolButton* ToolButton7 = nullptr;
  ui::ToolButton* ToolButton8 = nullptr;

  // Start-up, shutdown, drop, help (app/).
  void FormCreate();
  void FormShow();
  void FormClose();
  void Exit1Click();
  void WMDropFiles(TWMDropFiles& message);
  void Contents1Click();
  void About1Click();

  // Command state and status line (app/).
  void ListView1Change(ui::ListView& sender, int item, ui::ItemChange change);
  void ShowToolBar1Click();
  void ShowStatusBar1Click();
  void ShowWindow1Click();
  // The time the rows show (表示する日時): the rows whose date text is unchanged read it anew.
  void ShowWriteTime1Click();
  void ShowCreationTime1Click();
  void ShowAccessTime1Click();
  RowTime ShownTime() const;  // from the radio items

  // Applying timestamps (entries/).
  void Rewrite1Click();
  // The Tools menu: dates of the selected rows from their photos, their names or an offset;
  // which times Update sets; Update undone.
  void DateTaken1Click();
  void NameDate1Click();
  void ShiftDates1Click();
  // Each selected folder row takes the newest date of the file rows beneath it.
  void FolderDates1Click();
  void UpdateCreation1Click();  // the three check items of 更新する日時
  void UpdateAccess1Click();
  void UpdateWrite1Click();
  void UpdateChanged1Click();  // Update sets only the rows it would change (the marked ones)
  void UndoUpdate1Click();
  bool UpdateToUndo() const { return !lastUpdate_.Empty(); }  // UndoUpdate1 applies
  StampTimes UpdateTimes() const;  // the times F5 sets, from the check items

  // Sorting (listedit/).
  void ListView1ColumnClick(ui::ListView& sender, int column);
  void SortDate1Click();
  void SortPath1Click();
  void SortExt1Click();
  void ListView1Compare(const ui::ListItem& item1, const ui::ListItem& item2, int data,
                        int& compare);

  // List files (listfile/).
  void Open1Click();
  void Save1Click();

  // Row commands (listedit/).
  void Edit2Click();
  void Delete1Click();
  void SelectAll1Click();
  void Replace1Click();
  void ListView1Edited(int item, const std::string* text);

  const std::string& GetAppDir() const { return AppDir; }

 private:
  friend struct TForm1Access;  // tests reach the private operations through it
  friend struct CommandTable;  // its commands may run private operations

  void BuildLayout();  // app/form1_layout.cpp
  void AddMenuItems(ui::MenuItem& menu, std::span<const MenuPlace> places);

  // Command state and status line (app/).
  void UpdateCommands();  // by the rules of the command table (app/commands.h)
  void UpdateStatusText();
  // The rows that show the time `time` once it is chosen, and the date column's caption.
  void ShowRowTime(RowTime time);
  // Checks the item of 表示する日時 and captions the date column; no row changes.
  void MarkShownTime(RowTime time);

  // Path collection and row building (entries/).
  void CollectPath(const std::string& path, CollectedPaths& list);
  // The paths move into the rows: the list is left empty.
  void AddCollectedRows(ui::ListView& list, CollectedPaths& paths);
  // What the walks of one drop (or of the command line) left out, shown once it is listed:
  // folders not read to their end.
  struct WalkTrouble {
    std::vector<std::string> cutShort;
  };
  WalkTrouble walkTrouble_;
  void ShowWalkTrouble();

  // Tools (entries/): each selected row's date text from `text`, which gives false for a row
  // that keeps its own; the rows left unchanged stay selected, and are said.
  using RowDateText = std::function<bool(const ui::ListItem& row, std::string& text)>;
  void SetSelectedDates(WorkStep step, const RowDateText& text);
  // One of the check items of 更新する日時 clicked.
  void ToggleUpdateTime(ui::MenuItem& item);
  // Selects exactly these rows, focuses the first and shows it.
  void SelectRows(const std::vector<int>& rows);

  // List files and recent files (listfile/).
  void LoadListFile(const std::string& path);
  void AddRecentFile(const std::string& path);
  void RecentFileClick(ui::MenuItem& sender);
  std::unique_ptr<ui::MenuItem> NewRecentItem(const std::string& caption);

  // Settings (settings/).
  void LoadSettings();
  void SaveSettings();
  void RestorePlacement();
  // A size in pixels at the window's DPI, at 96 dpi, and back.
  int At96Dpi(int pixels) const;
  int FromDpi96(int pixels) const;

  // Long work (app/long_work.h): the one running, and its progress. True once the user asked
  // it to stop.
  friend class LongWork;
  bool Progress(WorkStep step, uint64_t done, uint64_t total = 0);
  // Progress, for the core's long work.
  WorkProgress Watcher() {
    return [this](WorkStep step, uint64_t done, uint64_t total) {
      return Progress(step, done, total);
    };
  }
  LongWork* work_ = nullptr;

  // The times that the last Update of this session changed, as they were just before.
  UpdateRecord lastUpdate_;

  std::string AppDir;
};

extern TForm1* Form1;
