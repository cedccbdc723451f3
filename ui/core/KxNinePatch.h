#pragma once

#include "KxGeometry.h"

#include <vector>

// One piece of a nine-patch: a source rectangle of the image copied unscaled to the target.
struct KxPatchPiece {
  int targetX;
  int targetY;
  int sourceX;
  int sourceY;
  int width;
  int height;
};

// The border pieces of a nine-patch drawn into target (inclusive corners) from an image of
// imageWidth x imageHeight with the given border margins: the four corners, then the top and
// bottom edges, then the left and right edges. Edges are tiled with whole copies of the image's
// inner edge and one partial copy, never stretched. The centre is not part of it.
std::vector<KxPatchPiece> kxNinePatchPieces(const KxRect& target, int imageWidth,
                                            int imageHeight, const KxMargins& margins);
