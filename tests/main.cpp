// The test program: the same tests run natively and, cross-compiled, under Wine.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/error_box.h"
#include "entries/date_settings.h"
#include "ui/application.h"

int main(int argc, char** argv) {
#ifndef _WIN32
  // Both builds read Japanese date settings, so that date texts look alike in every test.
  setenv("LC_ALL", "ja_JP.UTF-8", 1);
#endif
  ::testing::InitGoogleTest(&argc, argv);
  ReadDateSettings();
  ui::Application& application = ui::Application::Instance();
  application.SetTitle("Horodex");
  application.OnException = ShowErrorBox;
  return RUN_ALL_TESTS();
}
