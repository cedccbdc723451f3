#include "KxUrl.h"

#include "KxAssignLib.h"

namespace {

bool isAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }

}  // namespace

bool KxUrl::parse(const KxString& text) {
  *this = KxUrl();
  const KxString expanded = KxAssignLib::instance()->expand(text);
  const int colon = expanded.indexOf(L':');
  if (colon < 0 || (colon == 1 && isAsciiLetter(expanded.at(0)))) {
    scheme_ = KxString(L"file");
    path_ = expanded;
    valid_ = true;
    return true;
  }
  scheme_ = expanded.left(colon);
  if (expanded.mid(colon + 1, 2) != L"//") return false;
  const int authorityStart = colon + 3;
  const int slash = expanded.indexOf(L'/', authorityStart);
  if (slash < 0) {
    parseAuthority(expanded.mid(authorityStart));
  } else {
    parseAuthority(expanded.mid(authorityStart, slash - authorityStart));
    splitPath(expanded.mid(slash + 1));
  }
  valid_ = true;
  return true;
}

void KxUrl::parseAuthority(const KxString& authority) {
  const int at = authority.indexOf(L'@');
  KxString rest = authority;
  const int lastColon = rest.lastIndexOf(L':');
  if (at >= 0 && lastColon > at) {
    port_ = rest.mid(lastColon + 1);
    rest = rest.left(lastColon);
  }
  if (at >= 0) {
    user_ = rest.left(at);
    host_ = rest.mid(at + 1);
  } else {
    host_ = rest;
  }
}

void KxUrl::splitPath(KxString rest) {
  if (rest.isEmpty()) return;
  const int question = rest.indexOf(L'?');
  if (question >= 0) {
    query_ = rest.mid(question + 1);
    rest = rest.left(question);
  }
  const int hash = rest.indexOf(L'#');
  if (hash >= 0) {
    fragment_ = rest.mid(hash + 1);
    rest = rest.left(hash);
  }
  path_ = rest;
}

KxString KxUrl::toString() const {
  KxString s;
  if (!scheme_.isEmpty()) s.append(scheme_).append(L"://");
  if (!user_.isEmpty()) s.append(user_).append(L'@');
  s.append(host_);
  if (!port_.isEmpty()) s.append(L':').append(port_);
  if (!path_.isEmpty()) s.append(L'/').append(path_);
  if (!fragment_.isEmpty()) s.append(L'#').append(fragment_);
  if (!query_.isEmpty()) s.append(L'?').append(query_);
  return s;
}
