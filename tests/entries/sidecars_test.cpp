// Where sidecars are found: every name that Takeout and the XMP writers give them, looked up in
// one search of each folder.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "entries/date_sources.h"
#include "entries/file_dates.h"
#include "entries/path_kind.h"
#include "entries/sidecars.h"
#include "entries/walk.h"
#include "platform/testing.h"
#include "support/local_dates.h"
#include "support/photo_bytes.h"
#include "support/temp_tree.h"

namespace {

constexpr uint16_t kOriginal = 0x9003;

std::string Found(SidecarFolders& folders, const std::string& path, const std::string& root) {
  const auto found = folders.Find(path);
  if (found.empty()) return "none";
  return found[0].first.substr(root.size() + 1) +
         (found[0].second == SidecarKind::Xmp ? " xmp" : " json");
}

TEST(Sidecars, AreFoundUnderEveryNameTheirWritersGive) {
  struct Case {
    std::string photo, sidecar, expected;
  };
  const std::string long46(46, 'b');
  const std::string long42(42, 'c');
  const Case cases[] = {
      {"IMG_1.jpg", "IMG_1.jpg.json", "IMG_1.jpg.json json"},
      {"IMG_2.jpg", "IMG_2.jpg.supplemental-metadata.json", ""},
      {"IMG_3.jpg", "IMG_3.jpg.supplemental-metad.json", ""},
      {"IMG_4.jpg", "IMG_4.jpg.suppl.json", ""},
      {"IMG_5.jpg", "IMG_5.jpg.s.json", ""},
      {"IMG_6.jpg", "IMG_6.json", ""},
      {"IMG_7(1).jpg", "IMG_7.jpg(1).json", ""},
      {"IMG_8(2).jpg", "IMG_8.jpg.supplemental-metadata(2).json", ""},
      {"IMG_9-edited.jpg", "IMG_9.jpg.json", ""},
      {"IMG_10-bearbeitet.jpg", "IMG_10.jpg.supplemental-metadata.json", ""},
      {"IMG_11-edited(1).jpg", "IMG_11.jpg(1).json", ""},
      {long46 + ".jpg", long46 + ".json", ""},
      {long42 + ".jpg", long42 + ".jpg.json", ""},
      {long42 + ".mp4", long42 + ".mp4.s.json", ""},
      {"IMG_12.JPG", "img_12.jpg.JSON", ""},
      {"IMG_13.CR2", "IMG_13.CR2.xmp", "IMG_13.CR2.xmp xmp"},
      {"IMG_14.nef", "IMG_14.xmp", "IMG_14.xmp xmp"},
      // Not its sidecar.
      {"IMG_15.jpg", "IMG_16.jpg.json", "none"},
      {"IMG_17.jpg", "IMG_17.jpg.supplemental-metadatax.json", "none"},
      {"IMG_18.jpg", "IMG_18.jpg.txt", "none"},
      {"IMG_19(a).jpg", "IMG_19.jpg(a).json", "none"},
      {"IMG_20.jpg.json", "IMG_20.jpg.json", "none"},
  };
  testsupport::TempTree tree;
  SidecarFolders folders;
  int folder = 0;
  for (const Case& c : cases) {
    const std::string dir = "f" + std::to_string(folder++) + "/";
    tree.AddFile(dir + c.photo, "photo");
    tree.AddFile(dir + c.sidecar, "{}");
    const std::string expected = c.expected.empty()     ? c.sidecar + " json"
                                 : c.expected == "none" ? "none"
                                                        : c.expected;
    EXPECT_EQ(Found(folders, tree.Path(dir + c.photo), tree.Path(dir.substr(0, dir.size() - 1))),
              expected)
        << c.photo;
  }
}

TEST(Sidecars, XmpComesFirstAndEditedCopiesTakeTheJsonOfTheirOriginal) {
  const std::string edited = "IMG-\xE7\xB7\xA8\xE9\x9B\x86\xE6\xB8\x88\xE3\x81\xBF.jpg";
  std::vector<std::string> names;
  for (const SidecarName& name : SidecarNames(edited)) names.push_back(name.name);
  ASSERT_GE(names.size(), 3u);
  EXPECT_EQ(names[0], edited + ".xmp");
  EXPECT_NE(std::find(names.begin(), names.end(), "IMG.jpg.json"), names.end());
  EXPECT_EQ(std::find(names.begin(), names.end(), "IMG.jpg.xmp"), names.end());

  testsupport::TempTree tree;
  tree.AddFile("p/IMG.jpg", "photo");
  tree.AddFile("p/IMG.jpg.json", "{}");
  tree.AddFile("p/IMG.jpg.xmp", "<x/>");
  SidecarFolders folders;
  EXPECT_EQ(Found(folders, tree.Path("p/IMG.jpg"), tree.Path("p")), "IMG.jpg.xmp xmp");
  // A name without an extension is its own stem: each sidecar is found once.
  tree.AddFile("p/scan", "photo");
  tree.AddFile("p/scan.xmp", "<x/>");
  tree.AddFile("p/scan.json", "{}");
  SidecarFolders again;
  const auto found = again.Find(tree.Path("p/scan"));
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].first, tree.Path("p/scan.xmp"));
  EXPECT_EQ(found[1].first, tree.Path("p/scan.json"));
}

TEST(Sidecars, EachFolderIsSearchedOnceForACommand) {
  testsupport::TempTree tree;
  tree.AddFile("p/a.jpg", "photo");
  tree.AddFile("p/b.jpg", "photo");
  tree.AddFile("p/a.jpg.json", "{}");
  SidecarFolders folders;
  EXPECT_EQ(Found(folders, tree.Path("p/a.jpg"), tree.Path("p")), "a.jpg.json json");
  // Written after the folder was searched: the command does not see it; the next one does.
  tree.AddFile("p/b.jpg.json", "{}");
  EXPECT_EQ(Found(folders, tree.Path("p/b.jpg"), tree.Path("p")), "none");
  SidecarFolders next;
  EXPECT_EQ(Found(next, tree.Path("p/b.jpg"), tree.Path("p")), "b.jpg.json json");
}

// A walk hands over each folder that it listed to its end, with the names of its files, and
// the sidecars are taken from that listing: a sidecar written after the walk is not seen.
TEST(Sidecars, AreTakenFromTheFoldersThatAWalkListedWhole) {
  testsupport::TempTree tree;
  tree.AddFile("p/a.jpg", "photo");
  tree.AddFile("p/a.jpg.json", "{}");
  tree.AddFile("p/sub/b.jpg", "photo");
  tree.AddFile("p/sub/b.jpg.xmp", "<x/>");
  tree.AddFile("q/c.jpg", "photo");
  tree.AddFile("q/d.jpg", "photo");
  tree.AddFile("q/f.jpg", "photo");
  SidecarFolders folders;
  std::map<std::string, std::set<std::string>> listed;
  WalkReports reports;
  reports.listed = [&](const std::string& prefix, const std::vector<std::string>& files) {
    listed[prefix] = std::set<std::string>(files.begin(), files.end());
    folders.Listed(prefix, files);
  };
  CollectedPaths collected;
  WalkPath(tree.Path("p"), collected, {}, reports);
  const std::string p = PathDirectory(tree.Path("p/a.jpg")),
                    sub = PathDirectory(tree.Path("p/sub/b.jpg"));
  EXPECT_EQ(listed, (std::map<std::string, std::set<std::string>>{{p, {"a.jpg", "a.jpg.json"}},
                                                                  {sub, {"b.jpg", "b.jpg.xmp"}}}));
  tree.AddFile("p/e.jpg", "photo");
  tree.AddFile("p/e.jpg.json", "{}");
  EXPECT_EQ(Found(folders, tree.Path("p/a.jpg"), tree.Path("p")), "a.jpg.json json");
  EXPECT_EQ(Found(folders, tree.Path("p/sub/b.jpg"), tree.Path("p/sub")), "b.jpg.xmp xmp");
  EXPECT_EQ(Found(folders, tree.Path("p/e.jpg"), tree.Path("p")), "none");

  // A walk that breaks off hands over nothing: the folder is searched when a file asks.
  listed.clear();
  platform::testing::FailSearchesAfter(4);  // ".", ".." and two files
  WalkPath(tree.Path("q"), collected, {}, reports);
  platform::testing::FailSearchesAfter(std::nullopt);
  EXPECT_TRUE(listed.empty());
  tree.AddFile("q/d.jpg.json", "{}");
  EXPECT_EQ(Found(folders, tree.Path("q/d.jpg"), tree.Path("q")), "d.jpg.json json");
}

std::string TakenText(const std::string& path, SidecarFolders& folders) {
  std::string text;
  return SourceDateText(DateSource::Exif, path, text, folders) ? text : "none";
}

TEST(Sidecars, GiveTheDateBeforeThePhotosOwnUnlessTheyHoldNone) {
  const std::string photo = testsupport::JpegBytes(
      testsupport::TiffBytes({false, {}, {{kOriginal, "2024:01:02 03:04:05"}}}));
  const std::string json = R"({"photoTakenTime": {"timestamp": "1673745630"}})";
  const std::string xmp =
      "<x:xmpmeta xmlns:x='adobe:ns:meta/' xmlns:xmp='http://ns.adobe.com/xap/1.0/'>"
      "<xmp:CreateDate>2019-02-03T04:05:06</xmp:CreateDate></x:xmpmeta>";
  platform::FileTime takeout;
  platform::UtcToLocalTime(testsupport::UtcFileTime(2023, 1, 15, 1, 20, 30), takeout);
  testsupport::TempTree tree;
  tree.AddFile("p/json.jpg", photo);
  tree.AddFile("p/json.jpg.json", json);
  tree.AddFile("p/xmp.jpg", photo);
  tree.AddFile("p/xmp.jpg.xmp", xmp);
  tree.AddFile("p/xmp.jpg.json", json);
  tree.AddFile("p/broken.jpg", photo);
  tree.AddFile("p/broken.jpg.xmp", xmp.substr(0, xmp.size() - 1));
  tree.AddFile("p/broken.jpg.json", R"({"creationTime": {"formatted": "x"}})");
  // Read whole over many reads; over 4 MiB, no sidecar.
  tree.AddFile("p/padded.jpg", photo);
  tree.AddFile("p/padded.jpg.xmp", std::string(100 * 1024, ' ') + xmp);
  tree.AddFile("p/huge.jpg", photo);
  tree.AddFile("p/huge.jpg.xmp", std::string(4 << 20, ' ') + xmp);
  tree.AddFile("p/video.mp4", "no video");
  tree.AddFile("p/video.mp4.supplemental-metadata.json", json);
  SidecarFolders folders;
  EXPECT_EQ(TakenText(tree.Path("p/json.jpg"), folders), LocalTimeDateText(takeout));
  EXPECT_EQ(TakenText(tree.Path("p/xmp.jpg"), folders), "2019/02/03 4:05:06");
  EXPECT_EQ(TakenText(tree.Path("p/broken.jpg"), folders), "2024/01/02 3:04:05");
  EXPECT_EQ(TakenText(tree.Path("p/padded.jpg"), folders), "2019/02/03 4:05:06");
  EXPECT_EQ(TakenText(tree.Path("p/huge.jpg"), folders), "2024/01/02 3:04:05");
  EXPECT_EQ(TakenText(tree.Path("p/video.mp4"), folders), LocalTimeDateText(takeout));
  // A sidecar itself is no photo, and a photo alone has its own date.
  EXPECT_EQ(TakenText(tree.Path("p/json.jpg.json"), folders), "none");
  tree.AddFile("q/alone.jpg", photo);
  EXPECT_EQ(TakenText(tree.Path("q/alone.jpg"), folders), "2024/01/02 3:04:05");
}

}  // namespace
