// Every UTF-16 name has one UTF-8 form and comes back as itself, lone surrogates included.
#include <gtest/gtest.h>

#include "platform/utf.h"

namespace {

TEST(Utf, EachUtf16TextHasOneFormThatComesBack) {
  const struct {
    std::u16string wide;
    std::string utf8;
  } cases[] = {
      {u"", ""},
      {u"a\\b.txt", "a\\b.txt"},
      {u"Beyonc\u00e9.mp3", "Beyonc\xc3\xa9.mp3"},
      {u"\u30e1\u30e2\u301c.txt", "\xe3\x83\xa1\xe3\x83\xa2\xe3\x80\x9c.txt"},
      {u"emoji\U0001F600.txt", "emoji\xf0\x9f\x98\x80.txt"},
      {std::u16string{0xD800, u'x'}, "\xed\xa0\x80x"},  // a lone high surrogate
      {std::u16string{u'x', 0xDFFF}, "x\xed\xbf\xbf"},  // a lone low surrogate
      {std::u16string{0xDC00, 0xD800},
       "\xed\xb0\x80\xed\xa0\x80"},  // low before high: two lone ones
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::Utf16ToUtf8(c.wide), c.utf8);
    bool exact = false;
    EXPECT_EQ(platform::Utf8ToUtf16(c.utf8, &exact), c.wide);
    EXPECT_TRUE(exact);
    EXPECT_TRUE(platform::IsUtf8(c.utf8));
  }
  EXPECT_FALSE(platform::IsUtf8("\xed\xa0\x80", false));
}

TEST(Utf, InvalidBytesNeverReadAsAnotherCharacter) {
  const char* const invalid[] = {
      "\xff",                      // starts no character
      "\xc0\xaf",                  // an overlong '/'
      "\xe0\x80\xaf",              // an overlong '/' in three bytes
      "\xc3",                      // cut short
      "\xe3\x83",                  // cut short
      "\xf4\x90\x80\x80",          // past U+10FFFF
      "\xed\xa0\xbd\xed\xb8\x80",  // a pair written as two sequences
      "a\x80z",                    // a lone continuation byte
  };
  for (const char* text : invalid) {
    bool exact = true;
    const std::u16string wide = platform::Utf8ToUtf16(text, &exact);
    EXPECT_FALSE(exact) << text;
    EXPECT_FALSE(platform::IsUtf8(text)) << text;
    EXPECT_NE(wide.find(u'\uFFFD'), std::u16string::npos) << text;
    EXPECT_EQ(wide.find(u'/'), std::u16string::npos) << text;
  }
}

}  // namespace
