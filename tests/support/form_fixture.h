// A fresh main window for each test, with message boxes recorded instead of waited for and
// file dialogs answered (cancelled unless a test gives answers).
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/form1.h"
#include "support/temp_tree.h"
#include "ui/testing.h"

namespace testsupport {

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A new main window started with these arguments on its command line. The program lies
  // in a scratch folder of its own, where its settings file goes.
  void Restart(const std::string& arguments);
  static void DrainMessages();
  // The settings file beside the program.
  std::string SettingsPath() const { return programFolder.Path("horodex.ini"); }

  // The rows as "caption|path|kind" lines, top to bottom.
  std::vector<std::string> Rows() const;
  std::vector<std::string> Paths() const;        // sub-item 0 of every row
  int RowOfPath(const std::string& path) const;  // -1 when no row names it
  // Appends rows (caption, path, kind) in one bulk update, as a load does.
  struct Row {
    std::string caption, path, kind;
  };
  void AddRows(const std::vector<Row>& rows);
  // Selects exactly these rows.
  void Select(const std::vector<int>& rows);
  std::vector<std::string> Captions() const;
  // The boxes shown since the last call.
  std::vector<ui::testing::ShownBox> Boxes();

  testsupport::TempTree programFolder;
  std::unique_ptr<TForm1> form;
};

}  // namespace testsupport
