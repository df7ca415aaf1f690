// Tests call the main window's private operations through this.
#pragma once

#include "app/form1.h"

struct TForm1Access {
  static void CollectPath(TForm1& form, const std::string& path, CollectedPaths& list) {
    form.CollectPath(path, list);
  }
  static void AddCollectedRows(TForm1& form, CollectedPaths& list) {
    form.AddCollectedRows(form.ListView1, list);
  }
  static void LoadListFile(TForm1& form, const std::string& path) { form.LoadListFile(path); }
  static void UpdateCommands(TForm1& form) { form.UpdateCommands(); }
  static void UpdateStatusText(TForm1& form) { form.UpdateStatusText(); }
  static void AddRecentFile(TForm1& form, const std::string& path) { form.AddRecentFile(path); }
  static size_t UpdateRecordBytes(const TForm1& form) { return form.lastUpdate_.Bytes(); }
};
