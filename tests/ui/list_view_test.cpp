// Where a row is after rows above it, or itself, are deleted.
#include <gtest/gtest.h>

#include <vector>

#include "ui/list_view.h"

namespace {

TEST(PositionAfterDeleting, ARowMovesUpByTheRowsDeletedAboveItOrIsGone) {
  const std::vector<int> deleted = {1, 3, 4};
  const int cases[][2] = {{0, 0}, {1, -2}, {2, 1}, {3, -2}, {4, -2}, {5, 2}, {9, 6}};
  for (const auto& [position, after] : cases) {
    EXPECT_EQ(ui::detail::PositionAfterDeleting(deleted, position, -2), after) << position;
  }
}

}  // namespace
