// A main window with a scratch folder, and the list-file commands as the user reaches them.
#pragma once

#include <string>
#include <vector>

#include "support/form_fixture.h"
#include "support/temp_tree.h"

namespace testsupport {

class ListFileTest : public FormTest {
 protected:
  void SetUp() override;
  // A new, empty main window.
  void Reopen();

  // Ctrl+S with the save dialog answered by this file of the tree ("": cancelled).
  void Save(const std::string& relative);
  // Ctrl+O with the open dialog answered by these files of the tree (none: cancelled).
  void Open(const std::vector<std::string>& relatives);
  // The texts of the boxes shown since the last call, joined by " / ".
  std::string BoxTexts();
  // The names in the tree's folder, sorted, joined by " ".
  std::string Listing(const std::string& folder = "");

  TempTree tree;
};

}  // namespace testsupport
