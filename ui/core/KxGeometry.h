#pragma once

// Plain geometry values carried by KxVariant.
struct KxPointF {
  double x = 0;
  double y = 0;
};

struct KxPoint {
  int x = 0;
  int y = 0;
};

struct KxSizeF {
  double width = 0;
  double height = 0;
};

struct KxSize {
  int width = 0;
  int height = 0;
};

struct KxRectF {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
};

// Inclusive edges: width is right - left + 1.
struct KxRect {
  int left = 0;
  int top = 0;
  int right = -1;
  int bottom = -1;
};

// Widths of the four borders of a nine-patch image, in pixels.
struct KxMargins {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};
