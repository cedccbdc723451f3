#include "KxDynamicProperties.h"

KxVariant KxDynamicProperties::value(const std::string& name) const {
  auto it = values_.find(name);
  return it == values_.end() ? KxVariant() : it->second;
}
