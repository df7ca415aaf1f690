// Help, About and what start-up leaves behind.
#include <gtest/gtest.h>

#include <algorithm>

#include "entries/path_kind.h"
#include "platform/process.h"
#include "support/form_fixture.h"
#include "support/temp_tree.h"

namespace {

class HelpAbout : public testsupport::FormTest {};

TEST_F(HelpAbout, AboutShowsTheVersionAtAQuarterAndAThirdOfTheWindow) {
  form->Show(1);
  form->SetLeft(100);
  form->SetTop(50);
  form->SetWidth(455);
  form->SetHeight(395);
  form->About1->Click();
  const auto boxes = Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "情報");
  EXPECT_EQ(boxes[0].icon, ui::BoxIcon::Information);
  EXPECT_EQ(boxes[0].text.rfind("Horodex2.02\r\n\r\n", 0), 0u) << boxes[0].text;
  EXPECT_EQ(boxes[0].left, 213);
  EXPECT_EQ(boxes[0].top, 181);
}

TEST_F(HelpAbout, ANegativeCoordinateKeepsTheCentredPlaceOnThatAxis) {
  form->Show(1);
  form->SetLeft(-2000);
  form->SetTop(60);
  form->About1Click();
  auto boxes = Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  const int centredLeft = boxes[0].left;
  EXPECT_GE(centredLeft, 0);
  EXPECT_EQ(boxes[0].top, 60 + form->Height() / 3);

  form->SetTop(-2000);
  form->About1Click();
  boxes = Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].left, centredLeft);
  EXPECT_GE(boxes[0].top, 0);
}

TEST_F(HelpAbout, ContentsAsksTheShellToOpenTheHelpBesideTheProgram) {
  platform::testing::RecordShellRequests(true);
  form->Contents1->Click();
  const auto requests = platform::testing::TakeShellRequests();
  platform::testing::RecordShellRequests(false);
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].owner, form->Handle());
  EXPECT_EQ(requests[0].operation, "open");
  EXPECT_EQ(requests[0].file, "readme.html");
  EXPECT_EQ(requests[0].parameters, "");
  EXPECT_EQ(requests[0].show, platform::kSwShow);
  EXPECT_EQ(requests[0].directory, form->GetAppDir());
  EXPECT_EQ(PathDirectory(platform::ModuleFileName()), form->GetAppDir());
  EXPECT_TRUE(EndsWithDelimiter(form->GetAppDir()));
}

TEST_F(HelpAbout, StartingWithAFolderAndAFileListsBothInOneBatch) {
  testsupport::TempTree tree;
  tree.AddFile("folder/inner.txt");
  tree.AddFile("my file.txt");
  Restart(tree.Path("folder") + "  \"" + tree.Path("my file.txt") + "\"");
  EXPECT_EQ(form->ListView1.Count(), 3);
  EXPECT_EQ(form->StatusBar1.SimpleText(), "3 個のオブジェクト");
  std::vector<std::string> paths = Paths();
  std::sort(paths.begin(), paths.end());
  EXPECT_EQ(paths, (std::vector<std::string>{tree.Path("folder"), tree.Path("folder/inner.txt"),
                                             tree.Path("my file.txt")}));
}

}  // namespace
