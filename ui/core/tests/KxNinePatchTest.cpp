#include "ui/core/KxNinePatch.h"

#include <gtest/gtest.h>

#include <vector>

// In the pieces' own (global) namespace, where the comparisons look for them.
static bool operator==(const KxPatchPiece& a, const KxPatchPiece& b) {
  return a.targetX == b.targetX && a.targetY == b.targetY && a.sourceX == b.sourceX &&
         a.sourceY == b.sourceY && a.width == b.width && a.height == b.height;
}

static std::ostream& operator<<(std::ostream& os, const KxPatchPiece& p) {
  return os << "{" << p.targetX << "," << p.targetY << " from " << p.sourceX << "," << p.sourceY
            << " " << p.width << "x" << p.height << "}";
}

namespace {

struct Case {
  const char* name;
  KxRect target;
  int imageWidth, imageHeight;
  KxMargins margins;
  std::vector<KxPatchPiece> pieces;
};

}  // namespace

TEST(KxNinePatch, PiecesTileTheBordersWithoutStretching) {
  const Case cases[] = {
      {"target the image size draws the eight borders at their source places",
       {0, 0, 9, 9}, 10, 10, {2, 3, 4, 1},
       {{0, 0, 0, 0, 2, 3}, {6, 0, 6, 0, 4, 3}, {0, 9, 0, 9, 2, 1}, {6, 9, 6, 9, 4, 1},
        {2, 0, 2, 0, 4, 3}, {2, 9, 2, 9, 4, 1}, {0, 3, 0, 3, 2, 6}, {6, 3, 6, 3, 4, 6}}},
      {"one pixel wider adds a one-pixel partial copy of the edges",
       {0, 0, 10, 9}, 10, 10, {2, 3, 4, 1},
       {{0, 0, 0, 0, 2, 3}, {7, 0, 6, 0, 4, 3}, {0, 9, 0, 9, 2, 1}, {7, 9, 6, 9, 4, 1},
        {2, 0, 2, 0, 4, 3}, {6, 0, 2, 0, 1, 3}, {2, 9, 2, 9, 4, 1}, {6, 9, 2, 9, 1, 1},
        {0, 3, 0, 3, 2, 6}, {7, 3, 6, 3, 4, 6}}},
      {"a tall target tiles the side edges twice and a half, at an offset",
       {10, 20, 13, 35}, 4, 6, {1, 1, 1, 1},
       {{10, 20, 0, 0, 1, 1}, {13, 20, 3, 0, 1, 1}, {10, 35, 0, 5, 1, 1}, {13, 35, 3, 5, 1, 1},
        {11, 20, 1, 0, 2, 1}, {11, 35, 1, 5, 2, 1},
        {10, 21, 0, 1, 1, 4}, {10, 25, 0, 1, 1, 4}, {10, 29, 0, 1, 1, 4}, {10, 33, 0, 1, 1, 2},
        {13, 21, 3, 1, 1, 4}, {13, 25, 3, 1, 1, 4}, {13, 29, 3, 1, 1, 4}, {13, 33, 3, 1, 1, 2}}},
      {"side margins only, like the check window's background",
       {0, 0, 371, 185}, 4, 180, {1, 33, 1, 0},
       {{0, 0, 0, 0, 1, 33}, {371, 0, 3, 0, 1, 33},
        // 370 / 2 = 185 whole copies of the 2-pixel top edge: checked apart below.
       }},
      {"no margins draw nothing", {0, 0, 99, 99}, 10, 10, {0, 0, 0, 0}, {}},
  };
  for (const Case& c : cases) {
    std::vector<KxPatchPiece> got =
        kxNinePatchPieces(c.target, c.imageWidth, c.imageHeight, c.margins);
    if (c.margins.top == 33) {
      // Corners, 185 top-edge copies, and per side one copy of 147 rows and 6 rows more.
      ASSERT_EQ(got.size(), 2u + 185u + 2u * 2u) << c.name;
      EXPECT_EQ(got[0], c.pieces[0]) << c.name;
      EXPECT_EQ(got[1], c.pieces[1]) << c.name;
      EXPECT_EQ(got[186], (KxPatchPiece{369, 0, 1, 0, 2, 33})) << c.name;
      EXPECT_EQ(got[187], (KxPatchPiece{0, 33, 0, 33, 1, 147})) << c.name;
      EXPECT_EQ(got[188], (KxPatchPiece{0, 180, 0, 33, 1, 6})) << c.name;
      continue;
    }
    EXPECT_EQ(got, c.pieces) << c.name;
  }
}
