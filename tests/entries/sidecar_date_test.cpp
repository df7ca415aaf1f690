// The dates of sidecars: Google Takeout's JSON and XMP, the samples that exiftool wrote among
// them.
#include <gtest/gtest.h>

#include "entries/sidecar_date.h"
#include "support/embedded_files.h"
#include "support/photo_bytes.h"

namespace {

using testsupport::EmbeddedFile;

std::string Takeout(const std::string& text) {
  ExifDate date;
  return ReadTakeoutDate(text, date) ? testsupport::ExifDateText(date) : "none";
}

std::string Xmp(const std::string& text) {
  ExifDate date;
  return ReadXmpDate(text, date) ? testsupport::ExifDateText(date) : "none";
}

TEST(TakeoutDate, TakesThePhotoTakenTimeElseTheCreationTime) {
  struct Case {
    std::string json, expected;
  };
  const std::string taken = R"("photoTakenTime": {"timestamp": "1673745630", "formatted": "x"})";
  const std::string created = R"("creationTime": {"timestamp": "1000000000"})";
  const Case cases[] = {
      {"{" + taken + "," + created + "}", "2023:01:15 01:20:30 +00:00"},
      {"{" + created + "," + taken + "}", "2023:01:15 01:20:30 +00:00"},
      {"{" + created + "}", "2001:09:09 01:46:40 +00:00"},
      {R"({"title": "a\"b\\c\u00e9", "photoTakenTime": {"timestamp": 1673745630}})",
       "2023:01:15 01:20:30 +00:00"},
      {"\xEF\xBB\xBF {\"geoData\": [1.5, -2e3, true, null, {}], " + taken + "}\r\n",
       "2023:01:15 01:20:30 +00:00"},
      {R"({"photoTakenTime": {"timestamp": "0"}, )" + created + "}", "2001:09:09 01:46:40 +00:00"},
      // Nested deeper, or outside the object: not the photo's.
      {R"({"x": {"photoTakenTime": {"timestamp": "1673745630"}}})", "none"},
      {R"({"photoTakenTime": {"y": {"timestamp": "1673745630"}}})", "none"},
      {R"({"photoTakenTime": {"timestamp": "1673745630x"}})", "none"},
      {R"({"photoTakenTime": {"timestamp": "-1"}})", "none"},
      {R"({"photoTakenTime": {"timestamp": "9999999999999"}})", "none"},
      {R"({"photoTakenTime": {"timestamp": 1.5}})", "none"},
      // It does not parse: no date, whatever it holds.
      {"{" + taken + "", "none"},
      {"{" + taken + ",}", "none"},
      {"{" + taken + "} x", "none"},
      {"{" + taken + ", \"a\": 01}", "none"},
      {"{" + taken + ", \"a\": \"\x01\"}", "none"},
      {"{" + taken + ", \"a\": [1 2]}", "none"},
      {"[" + taken + "]", "none"},
      {std::string(100, '[') + std::string(100, ']'), "none"},
      {"", "none"},
  };
  for (const Case& c : cases) EXPECT_EQ(Takeout(c.json), c.expected) << c.json;
  // Cut anywhere: no date.
  const std::string whole = "{" + taken + "}";
  for (size_t size = 0; size < whole.size(); ++size) {
    EXPECT_EQ(Takeout(whole.substr(0, size)), "none") << size;
  }
}

TEST(XmpDate, TakesTheDatesInOrderWhateverTheirPrefixesAndForms) {
  struct Case {
    std::string xmp, expected;
  };
  auto description = [](const std::string& inside) {
    return "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF "
           "xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>" +
           inside + "</rdf:RDF></x:xmpmeta>";
  };
  const std::string exif = "xmlns:exif='http://ns.adobe.com/exif/1.0/'";
  const std::string xmp = "xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\"";
  const Case cases[] = {
      {EmbeddedFile("exiftool-exif.xmp"), "2023:01:15 10:20:30 +09:00"},
      {EmbeddedFile("exiftool-photoshop.xmp"), "2021:06:07 08:09:10"},
      {EmbeddedFile("exiftool-attribute.xmp"), "2019:02:03 04:05:00"},
      {description("<rdf:Description " + xmp + " xmp:CreateDate='2001-01-01T00:00:00Z' " + exif +
                   " exif:DateTimeOriginal='2020-02-03T04:05:06.789-05:30'/>"),
       "2020:02:03 04:05:06 -05:30"},
      {description("<rdf:Description xmlns:e='http://ns.adobe.com/exif/1.0/'><e:DateTimeOriginal>"
                   "<![CDATA[2020-02-03T04:05:06]]></e:DateTimeOriginal></rdf:Description>"),
       "2020:02:03 04:05:06"},
      // The first that is a date: a date alone is none.
      {description("<rdf:Description " + exif + " " + xmp +
                   " exif:DateTimeOriginal='2020-02-03' xmp:CreateDate='2001-01-01T00:00'/>"),
       "2001:01:01 00:00:00"},
      {description("<!-- exif:DateTimeOriginal='2020-02-03T04:05:06' --><rdf:Description " + xmp +
                   "><xmp:CreateDate>\n  2001-01-01T00:00:00+01:00\n</xmp:CreateDate>"
                   "</rdf:Description>"),
       "2001:01:01 00:00:00 +01:00"},
      // A prefix of another namespace, or none declared.
      {description("<rdf:Description xmlns:exif='http://example.com/' "
                   "exif:DateTimeOriginal='2020-02-03T04:05:06'/>"),
       "none"},
      {description("<rdf:Description exif:DateTimeOriginal='2020-02-03T04:05:06'/>"), "none"},
      {description("<rdf:Description " + exif +
                   "/><rdf:Description "
                   "exif:DateTimeOriginal='2020-02-03T04:05:06'/>"),
       "none"},
      // It does not parse: no date.
      {description("<rdf:Description " + exif + " exif:DateTimeOriginal='2020-02-03T04:05:06'>"),
       "none"},
      {description("<rdf:Description " + exif +
                   " exif:DateTimeOriginal='2020-02-03T04:05:06'/></rdf:Other>"),
       "none"},
      {description("<rdf:Description " + exif + " exif:DateTimeOriginal=2020-02-03T04:05:06/>"),
       "none"},
      {description("<rdf:Description " + exif + " exif:DateTimeOriginal='2020-02-03T04:05:06'/>") +
           "<x/>",
       "none"},
      {"text " + description("<rdf:Description " + exif +
                             " exif:DateTimeOriginal='2020-02-03T04:05:06'/>"),
       "none"},
      {"<a><b></a></b>", "none"},
      {"", "none"},
  };
  for (const Case& c : cases) EXPECT_EQ(Xmp(c.xmp), c.expected) << c.xmp;
  std::string deep;
  for (int i = 0; i < 300; ++i) deep += "<a>";
  EXPECT_EQ(Xmp(deep + description("<rdf:Description " + exif +
                                   " exif:DateTimeOriginal='2020-02-03T04:05:06'/>")),
            "none");
  const std::string& whole = EmbeddedFile("exiftool-exif.xmp");
  for (size_t size = 0; size + 20 < whole.size(); ++size) {
    EXPECT_EQ(Xmp(whole.substr(0, size)), "none") << size;
  }
}

}  // namespace
