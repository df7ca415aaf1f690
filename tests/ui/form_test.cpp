// The window: its size, show states, closing, and the layout of its bars and list.
#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/application.h"
#include "ui/bars.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/testing.h"

namespace {

struct Rect {
  int left, top, width, height;
};

struct BarsForm {
  ui::Form form;
  ui::ListView list{form};
  ui::StatusBar status{form};
  ui::MainMenu menu{form};
  ui::ToolBar tools{form};

  BarsForm() {
    form.SetDesignSize(455, 395);
    menu.Items().Add(std::make_unique<ui::MenuItem>()).SetCaption("File");
    menu.Attach();
    tools.AddButton("open", 0);
    tools.AddSeparator(8);
    form.Show(1);
  }
  Rect Client() const {
    Rect r{};
    form.ClientRect(r.left, r.top, r.width, r.height);
    return r;
  }
};

TEST(Form, TheDesignSizeIsTheOuterSize) {
  BarsForm f;
  EXPECT_EQ(f.form.Width(), 455);
  EXPECT_EQ(f.form.Height(), 395);
  f.form.SetLeft(100);
  f.form.SetTop(50);
  EXPECT_EQ(f.form.Left(), 100);
  EXPECT_EQ(f.form.Top(), 50);
  EXPECT_TRUE(f.form.Visible());
}

TEST(Form, TheListFillsWhatTheBarsLeave) {
  BarsForm f;
  EXPECT_EQ(f.status.Height(), 19);
  const Rect both = f.Client();
  EXPECT_EQ(both.left, 0);
  EXPECT_EQ(both.top, f.tools.Height());
  EXPECT_GT(both.height, 0);
  EXPECT_LT(both.width, f.form.Width());

  f.tools.SetVisible(false);
  const Rect noTools = f.Client();
  EXPECT_EQ(noTools.top, 0);
  EXPECT_EQ(noTools.height, both.height + f.tools.Height());
  EXPECT_EQ(noTools.width, both.width);

  f.status.SetVisible(false);
  const Rect neither = f.Client();
  EXPECT_EQ(neither.top, 0);
  EXPECT_EQ(neither.height, both.height + f.tools.Height() + f.status.Height());

  f.tools.SetVisible(true);
  f.status.SetVisible(true);
  const Rect again = f.Client();
  EXPECT_EQ(again.top, both.top);
  EXPECT_EQ(again.height, both.height);
}

TEST(LayOutDocks, TheBarsKeepTheirHeightsAndTheListNeverGoesBelowNothing) {
  struct Case {
    int width, height, toolBar, statusBar;
    ui::Bounds list, status;
  };
  const Case cases[] = {
      {300, 200, 28, 19, {0, 28, 300, 153}, {0, 181, 300, 19}},
      {300, 200, 0, 0, {0, 0, 300, 200}, {0, 200, 300, 0}},
      {300, 40, 28, 19, {0, 28, 300, 0}, {0, 21, 300, 19}},  // the bars overlap
      {0, 10, 28, 19, {0, 28, 0, 0}, {0, -9, 0, 19}},
  };
  for (const Case& c : cases) {
    const ui::DockLayout layout = ui::LayOutDocks(c.width, c.height, c.toolBar, c.statusBar);
    EXPECT_EQ(layout.toolBar, (ui::Bounds{0, 0, c.width, c.toolBar})) << c.height;
    EXPECT_EQ(layout.statusBar, c.status) << c.height;
    EXPECT_EQ(layout.list, c.list) << c.height;
  }
}

TEST(Form, AResizeLaysTheListOutAgain) {
  BarsForm f;
  const Rect before = f.Client();
  f.form.SetWidth(f.form.Width() + 40);
  f.form.SetHeight(f.form.Height() + 30);
  const Rect after = f.Client();
  EXPECT_EQ(after.width, before.width + 40);
  EXPECT_EQ(after.height, before.height + 30);
}

TEST(Form, TheStatusTextStaysWhileTheBarIsHidden) {
  BarsForm f;
  f.status.SetVisible(false);
  f.status.SetSimpleText("3 個のオブジェクト");
  EXPECT_EQ(f.status.SimpleText(), "3 個のオブジェクト");
  f.status.SetVisible(true);
  EXPECT_EQ(f.status.SimpleText(), "3 個のオブジェクト");
}

TEST(Form, ButtonsRunOnlyWhileEnabled) {
  BarsForm f;
  ui::ToolButton& button = f.tools.Button(0);
  int clicks = 0;
  button.OnClick = [&] { ++clicks; };
  button.Click();
  button.SetEnabled(false);
  button.Click();
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(button.Enabled());
  EXPECT_EQ(f.tools.Button(1).Style(), ui::ButtonStyle::Separator);
  EXPECT_EQ(f.tools.Button(1).SeparatorWidth(), 8);
}

TEST(Form, TheShowCommandSetsTheShowStateAndOnShowRunsOnce) {
  struct Case {
    int command;
    bool maximized, minimized;
  };
  const Case cases[] = {{1, false, false}, {3, true, false}, {7, false, true}};
  for (const Case& c : cases) {
    ui::Form form;
    form.SetDesignSize(300, 200);
    int shows = 0;
    form.OnShow = [&] { ++shows; };
    EXPECT_FALSE(form.Visible());
    form.Show(c.command);
    form.Show(c.command);
    EXPECT_TRUE(form.Visible()) << c.command;
    EXPECT_EQ(form.Maximized(), c.maximized) << c.command;
    EXPECT_EQ(form.Minimized(), c.minimized) << c.command;
    EXPECT_EQ(shows, 1) << c.command;
  }
}

TEST(Form, CloseRunsOnCloseAndHidesTheWindow) {
  BarsForm f;
  int closes = 0;
  f.form.OnClose = [&] { ++closes; };
  f.form.Close();
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(f.form.Visible());
}

TEST(Form, AFailingCloseHandlerIsReportedAndTheWindowStillGoes) {
  BarsForm f;
  f.form.OnClose = [] { throw std::runtime_error("cannot write"); };
  ui::testing::RecordBoxes(true);
  f.form.Close();
  const auto boxes = ui::testing::TakeBoxes();
  ui::testing::RecordBoxes(false);
  EXPECT_FALSE(f.form.Visible());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find("cannot write"), std::string::npos);
}

}  // namespace
