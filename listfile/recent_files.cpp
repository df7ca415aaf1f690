// The recent files.
#include "app/form1.h"

void TForm1::AddRecentFile(const std::string&) {
  // The recent-files menus fill this.
}
