#pragma once

#include <cstdint>

// The UI framework's string: UTF-16, implicitly shared. A copy only adds a reference to the same
// block; a string about to change first gets a block of its own. Blocks come from the memory
// pool. NOTE: reference counts are not atomic; a KxString never crosses threads.
class KxString {
 public:
  // The shared null: creating and copying empty strings costs no allocation.
  KxString();
  // length -1: up to the terminating 0. A null text gives the null string.
  KxString(const wchar_t* text, int length = -1);
  explicit KxString(wchar_t c);
  KxString(const KxString& other);
  KxString& operator=(const KxString& other);
  KxString(KxString&& other) noexcept;
  KxString& operator=(KxString&& other) noexcept;
  ~KxString();

  // byteLength -1: up to the 0 byte. fromAnsi uses the system code page.
  static KxString fromAnsi(const char* text, int byteLength = -1);
  static KxString fromUtf8(const char* text, int byteLength = -1);
  // The digits of value in radix (2 to 36, else 10), lower case; other radices than 10 show the
  // value's 32 bits unsigned.
  static KxString number(int value, int radix = 10);

  int length() const { return d_->size; }
  int capacity() const { return d_->alloc; }
  bool isNull() const;
  bool isEmpty() const { return d_->size == 0; }
  // Always terminated; the block's own characters (a shared block is never written).
  const wchar_t* constData() const { return d_->data; }
  // The characters of a block of this string's own; null when no such block could be had.
  wchar_t* data();
  wchar_t at(int index) const { return d_->data[index]; }
  wchar_t operator[](int index) const { return d_->data[index]; }

  bool operator==(const KxString& other) const;
  bool operator!=(const KxString& other) const { return !(*this == other); }
  bool operator==(const wchar_t* text) const;
  bool operator!=(const wchar_t* text) const { return !(*this == text); }
  // Code units over the common length, then the shorter first.
  bool operator<(const KxString& other) const { return compare(other) < 0; }
  int compare(const KxString& other) const;

  // -1 when absent. A negative from counts from the end.
  int indexOf(wchar_t c, int from = 0) const;
  // -1 when absent, when this string is empty or when from is at or past its end.
  int indexOf(const KxString& text, int from = 0) const;
  // Searches backwards from from; a negative from counts from the end.
  int lastIndexOf(wchar_t c, int from = -1) const;

  // Appending to the null string shares the other's block; appending the null string changes
  // nothing.
  KxString& append(const KxString& text);
  KxString& append(wchar_t c);
  KxString& append(const wchar_t* text);
  KxString& operator+=(const KxString& text) { return append(text); }
  KxString& operator+=(wchar_t c) { return append(c); }
  KxString& operator+=(const wchar_t* text) { return append(text); }

  // The whole string, sharing its block, when n is negative or at least the length.
  KxString left(int n) const;
  KxString right(int n) const;
  // n negative: to the end. A negative position shortens n and starts at 0. A position at or
  // past the end gives the null string.
  KxString mid(int position, int n = -1) const;
  // Every occurrence of before, left to right; an empty before changes nothing.
  KxString& replace(const KxString& before, const KxString& after);
  KxString toUpper() const;
  // n <= 0 gives the shared empty string; new characters are 0.
  void resize(int n);
  // Back to the shared null.
  void clear();

  struct Data {
    int ref;
    int alloc;  // characters, without the terminating 0
    int size;
    wchar_t* data;
  };

 private:
  explicit KxString(Data* d) : d_(d) {}
  static Data* allocate(int capacity);
  static void release(Data* d);
  // Makes this string's block its own with room for n characters.
  bool reserveForChange(int n);
  bool reallocate(int capacity);
  bool isInline() const;

  Data* d_;
};

inline bool operator==(const wchar_t* text, const KxString& s) { return s == text; }
KxString operator+(const KxString& a, const KxString& b);
