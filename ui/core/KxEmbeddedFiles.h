#pragma once

// A table of files compiled into a program: names (such as "theme/gui/close_normal.png" or
// "res/main.png"), their bytes and byte counts. Build-generated tables are of this shape.
struct KxEmbeddedTable {
  int count;
  const wchar_t* const* names;
  const unsigned char* const* data;
  const int* sizes;
};

// Enters every file with a positive size into the "dll" mapping under "dll:///" + its name,
// binding the "dll" scheme first when it is not bound.
void registerEmbedded(int count, const wchar_t* const* names, const unsigned char* const* data,
                      const int* sizes);
inline void registerEmbedded(const KxEmbeddedTable& table) {
  registerEmbedded(table.count, table.names, table.data, table.sizes);
}
