#pragma once

#include "KxVariant.h"

#include <map>
#include <string>

// The properties of one object that have no registered accessor, by name.
class KxDynamicProperties {
 public:
  void set(const std::string& name, const KxVariant& value) { values_[name] = value; }
  bool contains(const std::string& name) const { return values_.count(name) != 0; }
  // An empty variant for an unknown name.
  KxVariant value(const std::string& name) const;

 private:
  std::map<std::string, KxVariant> values_;
};
