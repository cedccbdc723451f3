#pragma once

#include "KxRttiObject.h"
#include "KxUrl.h"

#include "base/KxByteArray.h"
#include "base/KxString.h"

#include <map>

// Resource bytes by URL, for one scheme: a table of entries keyed by the URL's string form.
// Subclasses decide where bytes come from when the table has none.
class KxResourceMapping : public KxRttiObject {
  KX_CLASS(KxResourceMapping)

 public:
  virtual bool contains(const KxUrl& url) const;
  // Empty when absent.
  virtual KxByteArray get(const KxUrl& url) const;
  virtual void add(const KxUrl& url, const KxByteArray& bytes);

 protected:
  const KxByteArray* find(const KxUrl& url) const;

 private:
  std::map<KxString, KxByteArray> entries_;
};
