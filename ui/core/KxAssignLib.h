#pragma once

#include "KxRttiObject.h"

#include "base/KxString.h"

#include <map>

// The library aliases of resource names: "kxgui:close_normal.png" stands for
// "dll:///theme/gui/close_normal.png". Process-wide, created on first use with the default
// entries "home", "bin", "root" and "kxgui"; programs add their own ("setup", "uninstall").
// UI thread only.
class KxAssignLib : public KxRttiObject {
  KX_CLASS(KxAssignLib)

 public:
  static KxAssignLib* instance();
  // Creates the instance with its default entries (the application does so at start-up).
  static void fillDefaultAliases();
  // Destroys the instance and its entries (the application does so at exit); the next use
  // starts again from the defaults.
  static void releaseAliases();

  // Adds or replaces an entry.
  void assign(const KxString& name, const KxString& value);
  bool contains(const KxString& name) const { return entries_.count(name) != 0; }
  // The value of name; the null string when it is unknown.
  KxString value(const KxString& name) const;

  // Replaces a known name and its colon at the start of text by its value, as long as the
  // result starts with a known name again (at most kMaxPasses times, so that aliases naming
  // each other in a circle still end); then turns "\" into "/" and drops trailing "/".
  KxString expand(const KxString& text);

  static constexpr int kMaxPasses = 16;

 private:
  void fillDefaults();

  bool filled_ = false;
  std::map<KxString, KxString> entries_;
};
