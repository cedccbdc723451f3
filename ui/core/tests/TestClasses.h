#pragma once

#include "ui/core/KxRttiObject.h"

// A small hierarchy of framework classes for the object model's tests.
class TestShape : public KxRttiObject {
  KX_CLASS(TestShape)
 public:
  int corners = 0;
};

class TestCircle : public TestShape {
  KX_CLASS(TestCircle)
 public:
  double radius = 1.5;
};

class TestSquare : public TestShape {
  KX_CLASS(TestSquare)
 public:
  TestSquare() { corners = 4; }
};

// Without a factory, like the framework's abstract classes.
class TestAbstract : public TestShape {
  KX_CLASS(TestAbstract)
};

// Two classes with automatic codes, registered one after the other.
class TestAutoFirst : public KxRttiObject {
  KX_CLASS(TestAutoFirst)
};

class TestAutoSecond : public KxRttiObject {
  KX_CLASS(TestAutoSecond)
};
