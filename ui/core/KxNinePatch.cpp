#include "KxNinePatch.h"

namespace {

// Covers span pixels from start with whole copies of a period-long source run and one partial
// copy; emit(offset, sourceOffset, length) places one copy.
template <typename Emit>
void tile(int span, int period, Emit emit) {
  if (span <= 0 || period <= 0) return;
  int offset = 0;
  for (int i = 0; i < span / period; ++i, offset += period) emit(offset, period);
  if (span % period > 0) emit(offset, span % period);
}

}  // namespace

std::vector<KxPatchPiece> kxNinePatchPieces(const KxRect& target, int imageWidth,
                                            int imageHeight, const KxMargins& m) {
  std::vector<KxPatchPiece> pieces;
  const int L = target.left, T = target.top, R = target.right, B = target.bottom;
  const int l = m.left, t = m.top, r = m.right, b = m.bottom;
  const int e = imageWidth - r - l;   // inner source width
  const int q = imageHeight - b - t;  // inner source height
  const int rightX = R - r + 1, bottomY = B - b + 1;

  if (l >= 1 && t >= 1) pieces.push_back({L, T, 0, 0, l, t});
  if (r > 0 && t >= 1) pieces.push_back({rightX, T, l + e, 0, r, t});
  if (l >= 1 && b >= 1) pieces.push_back({L, bottomY, 0, t + q, l, b});
  if (r > 0 && b >= 1) pieces.push_back({rightX, bottomY, l + e, t + q, r, b});

  if (e > 0 && (t > 0 || b > 0)) {
    const int span = R - L - r - l + 1;
    if (t >= 1)
      tile(span, e, [&](int off, int len) { pieces.push_back({L + l + off, T, l, 0, len, t}); });
    if (b >= 1)
      tile(span, e, [&](int off, int len) {
        pieces.push_back({L + l + off, bottomY, l, t + q, len, b});
      });
  }
  if (q >= 1 && (l > 0 || r > 0)) {
    const int span = B - T - b - t + 1;
    if (l >= 1)
      tile(span, q, [&](int off, int len) { pieces.push_back({L, T + t + off, 0, t, l, len}); });
    if (r >= 1)
      tile(span, q, [&](int off, int len) {
        pieces.push_back({rightX, T + t + off, l + e, t, r, len});
      });
  }
  return pieces;
}
