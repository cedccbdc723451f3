#pragma once

#include "base/KxString.h"

// A resource address such as "dll:///theme/gui/close_normal.png" or, before alias expansion,
// "kxgui:close_normal.png". Texts are expanded through the library aliases when parsed.
class KxUrl {
 public:
  KxUrl() = default;
  explicit KxUrl(const KxString& text) { parse(text); }
  explicit KxUrl(const wchar_t* text) { parse(KxString(text)); }
  // Narrow text in the system code page.
  explicit KxUrl(const char* text) { parse(KxString::fromAnsi(text)); }

  // Clears every field and reads text; a text without a scheme, or with a drive letter before
  // its first colon, is a file path. False for a scheme not followed by "//".
  bool parse(const KxString& text);
  bool isValid() const { return valid_; }

  const KxString& scheme() const { return scheme_; }
  const KxString& user() const { return user_; }
  const KxString& host() const { return host_; }
  const KxString& port() const { return port_; }
  // Without the "/" that starts it.
  const KxString& path() const { return path_; }
  const KxString& fragment() const { return fragment_; }
  const KxString& query() const { return query_; }

  // The fragment is written before the query, the order parse reads them back in.
  KxString toString() const;

 private:
  void parseAuthority(const KxString& authority);
  void splitPath(KxString rest);

  bool valid_ = false;
  KxString scheme_, user_, host_, port_, path_, fragment_, query_;
};
