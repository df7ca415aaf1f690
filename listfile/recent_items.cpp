#include "listfile/recent_items.h"

std::string RecentItemIndex(int index) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text;
  auto value = static_cast<unsigned>(index);
  do {
    text.insert(text.begin(), kDigits[value % 16]);
    value /= 16;
  } while (value != 0);
  return text;
}

std::string RecentItemPath(const std::string& caption) {
  const size_t blank = caption.find(' ');
  return blank == std::string::npos ? caption : caption.substr(blank + 1);
}
