#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "listedit/sort.h"
#include "platform/code_page.h"
#include "support/code_page_932.h"

namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

struct Case {
  std::string a, b;
  int sign;
};

void ExpectOrders(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(Sign(CompareCaseless(c.a, c.b)), c.sign) << c.a << " vs " << c.b;
    EXPECT_EQ(Sign(CompareCaseless(c.b, c.a)), -c.sign) << c.b << " vs " << c.a;
  }
}

TEST(CompareCaseless, OrdersTextsWithLettersFolded) {
  ExpectOrders({
      {"abc", "ABC", 0},
      {"a_", "aZ", 1},  // '_' lies above 'Z' once letters fold to upper case
      {"a[", "aZ", 1},
      {"a`", "az", 1},
      {"D:\\ab", "D:\\abc", -1},
      {"D:\\abc", "D:\\ab\\x", -1},  // 'c' folds to 0x43, below '\'
      {"", "", 0},
      {"", "a", -1},
      {"txt", "フォルダ", -1},
      {"2001/05/06 9:05:04", "2001/05/06 10:00:00", 1},
      {"2001/05/06", "2001/05/06 0:00:01", -1},
  });
}

// Linux: the code page is UTF-8, and texts sort by their code points, as their bytes do.
TEST(CompareCaseless, UnderUtf8SortsByCodePoints) {
  if (!platform::AnsiCodePageIsUtf8()) GTEST_SKIP() << "the code page is not UTF-8";
  ExpectOrders({{"一", "亜", -1}, {"ツ", "イ", 1}, {"ｱ", "遙", 1}, {"é", "ä", 1}});
}

// Code page 932: kanji by reading (its order), a letter in a second byte folded, and what the
// code page lacks after all of it, by code point.
TEST(CompareCaseless, UnderCodePage932SortsAsItsBytesWithOthersLast) {
  testsupport::CodePage932 cp932;
  if (!cp932.On()) GTEST_SKIP() << "code page 932 is not in force";
  ExpectOrders({
      {"亜", "一", -1},   // 88 9F before 88 EA (U+4E9C after U+4E00)
      {"ツ", "イ", 0},    // 83 63 and 83 43: the second byte folds
      {"ｱ", "遙", -1},    // B1 before EA A1
      {"x〜", "x～", 1},  // the wave dash (U+301C) is not in it; the fullwidth tilde is
      {"〜", "熙", 1},    // after the code page's last character
      {"한", "〜", 1},    // both outside: by code point
      {"😀", "한", 1},
      {"a¥b", "a\\b", 1},                // U+00A5 is not 0x5C
      {"ab\xE3x", "ab\xE3\x80\x9C", 1},  // a byte that starts no character goes last
  });
}

// The comparison of the earlier versions, over texts held as bytes of code page 932.
int OldCompare(const std::string& a, const std::string& b) {
  const auto fold = [](unsigned char c) {
    return static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 0x20 : c);
  };
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const unsigned char x = fold(a[i]), y = fold(b[i]);
    if (x != y) return x - y;
  }
  return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

// Random texts of code page 932 (kana, kanji of both levels, half-width katakana, ASCII in
// both cases, symbols), often sharing a start, order as their bytes did.
TEST(CompareCaseless, OrdersCodePage932TextsAsTheirBytesDid) {
  testsupport::CodePage932 cp932;
  if (!cp932.On()) GTEST_SKIP() << "code page 932 is not in force";
  std::mt19937 random(20240601);
  const auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  const auto character = [&]() -> std::string {
    switch (pick(0, 6)) {
      case 0:  // hiragana and katakana
        return {static_cast<char>(pick(0x82, 0x83)), static_cast<char>(pick(0x40, 0xFC))};
      case 1:  // kanji, level 1
        return {static_cast<char>(pick(0x88, 0x98)), static_cast<char>(pick(0x40, 0xFC))};
      case 2:  // kanji, level 2
        return {static_cast<char>(pick(0x99, 0xEA)), static_cast<char>(pick(0x40, 0xFC))};
      case 3:  // half-width katakana
        return std::string(1, static_cast<char>(pick(0xA1, 0xDF)));
      case 4:  // symbols
        return {static_cast<char>(0x81), static_cast<char>(pick(0x40, 0xFC))};
      default:  // ASCII, letters of both cases more often
        return std::string(1, static_cast<char>(pick(0, 1) ? pick('A', 'z') : pick(0x20, 0x7E)));
    }
  };
  // A text of the code page, from the first `shared` characters of `start` on: only
  // characters that convert back to their own bytes.
  const auto text = [&](const std::vector<std::string>& start, size_t shared) {
    std::vector<std::string> chars(start.begin(), start.begin() + std::min(shared, start.size()));
    const size_t length = chars.size() + pick(0, 5);
    while (chars.size() < length) {
      const std::string c = character();
      std::string back;
      if (platform::Utf8ToAnsi(platform::AnsiToUtf8(c), back) && back == c) chars.push_back(c);
    }
    return chars;
  };
  const auto join = [](const std::vector<std::string>& chars) {
    std::string bytes;
    for (const std::string& c : chars) bytes += c;
    return bytes;
  };
  for (int i = 0; i < 20000; ++i) {
    const std::vector<std::string> a = text({}, 0);
    const std::vector<std::string> b = text(a, pick(0, 1) ? pick(0, 6) : 0);
    const std::string bytesA = join(a), bytesB = join(b);
    const std::string utf8A = platform::AnsiToUtf8(bytesA), utf8B = platform::AnsiToUtf8(bytesB);
    ASSERT_EQ(Sign(CompareCaseless(utf8A, utf8B)), Sign(OldCompare(bytesA, bytesB)))
        << utf8A << " vs " << utf8B << " (" << testing::PrintToString(bytesA) << " vs "
        << testing::PrintToString(bytesB) << ")";
  }
}

}  // namespace
