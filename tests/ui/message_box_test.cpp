// Where a message box appears, and what recording keeps of it.
#include <gtest/gtest.h>

#include "ui/application.h"
#include "ui/testing.h"

namespace {

std::vector<ui::testing::ShownBox> Show(int x, int y) {
  ui::testing::RecordBoxes(true);
  ui::ShowMessageBox(nullptr, "line 1\r\n\r\nline 3", "情報", ui::BoxIcon::Information, x, y);
  auto boxes = ui::testing::TakeBoxes();
  ui::testing::RecordBoxes(false);
  return boxes;
}

TEST(MessageBox, EachAxisGivenAsNegativeKeepsTheCentredPlace) {
  const auto centred = Show(-1, -1);
  ASSERT_EQ(centred.size(), 1u);
  EXPECT_EQ(centred[0].caption, "情報");
  EXPECT_EQ(centred[0].text, "line 1\r\n\r\nline 3");
  EXPECT_EQ(centred[0].icon, ui::BoxIcon::Information);
  const int left = centred[0].left, top = centred[0].top;
  EXPECT_GT(left, 0);
  EXPECT_LT(left, ui::testing::ScreenWidth() / 2);
  EXPECT_GT(top, 0);
  EXPECT_LT(top, ui::testing::ScreenHeight() / 2);

  struct Case {
    int x, y, left, top;
  };
  const Case cases[] = {
      {213, 181, 213, 181}, {0, 0, 0, 0},         {100, -1, 100, top},
      {-1, 50, left, 50},   {-20, -5, left, top},
  };
  for (const Case& c : cases) {
    const auto boxes = Show(c.x, c.y);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].left, c.left) << c.x << "," << c.y;
    EXPECT_EQ(boxes[0].top, c.top) << c.x << "," << c.y;
  }
}

TEST(MessageBox, ShowsTextsBeyondTheCodePageAsThemselves) {
  ui::testing::RecordBoxes(true);
  ui::ShowMessageBox(nullptr, "emoji😀 Beyoncé 한글 メモ〜.txt", "Ünïcode ¥", ui::BoxIcon::Error);
  const auto boxes = ui::testing::TakeBoxes();
  ui::testing::RecordBoxes(false);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Ünïcode ¥");
  EXPECT_EQ(boxes[0].text, "emoji😀 Beyoncé 한글 メモ〜.txt");
}

}  // namespace
