// The recent-files list: one entry per path, newest first, at most ten, and its menu captions.
#include <gtest/gtest.h>

#include "shell/recent_files.h"

using corvex::TRecentFiles;

namespace {
std::string Path(int i) { return "/p/project" + std::to_string(i) + ".cx6d"; }
}  // namespace

TEST(RecentFiles, ReopeningAPathMovesItToTheTopWithoutDuplicating) {
  TRecentFiles list;
  list.PutOnTop(Path(1));
  list.PutOnTop(Path(2));
  list.PutOnTop(Path(3));
  list.PutOnTop(Path(1));  // entry 3 moves up; entries 1 and 2 move down one place
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Entry(1), Path(1));
  EXPECT_EQ(list.Entry(2), Path(3));
  EXPECT_EQ(list.Entry(3), Path(2));
  list.PutOnTop(Path(1));  // already at the top: nothing changes
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Entry(2), Path(3));
}

TEST(RecentFiles, AnEleventhPathDropsTheOldest) {
  TRecentFiles list;
  for (int i = 1; i <= 11; ++i) list.PutOnTop(Path(i));
  EXPECT_EQ(list.Count(), 10);
  EXPECT_EQ(list.Entry(1), Path(11));
  EXPECT_EQ(list.Entry(10), Path(2));
  // Moving the last entry up keeps all ten.
  list.PutOnTop(Path(2));
  EXPECT_EQ(list.Count(), 10);
  EXPECT_EQ(list.Entry(1), Path(2));
  EXPECT_EQ(list.Entry(2), Path(11));
  EXPECT_EQ(list.Entry(10), Path(3));
}

TEST(RecentFiles, ComparisonIsCaseSensitive) {
  TRecentFiles list;
  list.PutOnTop("/p/Pile.cx6d");
  list.PutOnTop("/p/pile.cx6d");
  EXPECT_EQ(list.Count(), 2);
}

TEST(RecentFiles, MenuCaptionDropsTheCurrentFolder) {
  TRecentFiles list;
  list.PutOnTop("/work/other/b.cx6d");
  list.PutOnTop("/work/jobs/a.cx6d");
  EXPECT_EQ(list.MenuCaption(1, "/work/jobs"), "1 a.cx6d");
  EXPECT_EQ(list.MenuCaption(2, "/work/jobs"), "2 /work/other/b.cx6d");
  EXPECT_EQ(list.MenuCaption(1, "/work/jobs/"), "1 a.cx6d");
}
