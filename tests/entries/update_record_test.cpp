// The record of an Update: every entry back as it went in, in little memory.
#include "entries/update_record.h"

#include <gtest/gtest.h>

namespace {

TEST(UpdateRecord, GivesEachEntryBackAndHolds100000RowsInUnder10Megabytes) {
  UpdateRecord record;
  constexpr size_t kRows = 100000;
  record.Begin({true, false, true}, kRows + 5);
  const std::string folder(50, 'f');
  for (size_t i = 0; i < kRows; ++i) {
    const uint64_t t = 1000 * i;
    record.Add(folder + "\\" + std::to_string(i) + ".jpg", i % 3 == 0, {{t + 1}, {t + 2}, {t + 3}});
  }
  record.Finish();
  EXPECT_LT(record.Bytes(), 10u << 20);
  EXPECT_EQ(record.Times(), (StampTimes{true, false, true}));
  ASSERT_EQ(record.Size(), kRows);
  for (size_t i : {size_t{0}, size_t{1}, size_t{77777}, kRows - 1}) {
    const UpdateRecord::Entry entry = record.At(i);
    EXPECT_EQ(entry.path, folder + "\\" + std::to_string(i) + ".jpg");
    EXPECT_EQ(entry.folder, i % 3 == 0);
    EXPECT_EQ(entry.before.creation.ticks, 1000 * i + 1);
    EXPECT_EQ(entry.before.lastAccess.ticks, 1000 * i + 2);
    EXPECT_EQ(entry.before.lastWrite.ticks, 1000 * i + 3);
  }
  record.Clear();
  EXPECT_TRUE(record.Empty());
}

}  // namespace
