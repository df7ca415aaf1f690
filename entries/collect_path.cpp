// Walking named paths into the collected path list: the window passes over a folder that
// cannot be listed without a word.
#include "app/form1.h"
#include "entries/walk.h"

void TForm1::CollectPath(const std::string& path, CollectedPaths& list) {
  WalkPath(path, list, Watcher());
}
