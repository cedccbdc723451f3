#pragma once

// Byte data of the UI framework (resources, images), implicitly shared like KxString: copies
// share one pool block, which is copied before a change. NOTE: counts are not atomic.
class KxByteArray {
 public:
  // The shared null.
  KxByteArray();
  // size -1: up to the 0 byte. Null data gives the null array, empty data the shared empty one.
  KxByteArray(const char* data, int size = -1);
  KxByteArray(const KxByteArray& other);
  KxByteArray& operator=(const KxByteArray& other);
  KxByteArray(KxByteArray&& other) noexcept;
  KxByteArray& operator=(KxByteArray&& other) noexcept;
  ~KxByteArray();

  int size() const { return d_->size; }
  int capacity() const { return d_->alloc; }
  bool isNull() const;
  bool isEmpty() const { return d_->size == 0; }
  // Always followed by a 0 byte.
  const char* constData() const { return d_->data; }
  // The bytes of a block of this array's own; null when no such block could be had.
  char* data();
  char at(int index) const { return d_->data[index]; }

  bool operator==(const KxByteArray& other) const;
  bool operator!=(const KxByteArray& other) const { return !(*this == other); }

  KxByteArray& append(const char* data, int size);
  KxByteArray& append(const KxByteArray& other);
  KxByteArray& append(char c) { return append(&c, 1); }

  // n <= 0 gives the shared empty array. A shared or too small block, or a length below both
  // the current length and half the capacity, gets a new block; new bytes are 0.
  void resize(int n);
  void clear();

  struct Data {
    int ref;
    int alloc;
    int size;
    char* data;
  };

 private:
  static Data* allocate(int capacity);
  static void release(Data* d);
  bool isInline() const;
  bool reallocate(int capacity);

  Data* d_;
};
