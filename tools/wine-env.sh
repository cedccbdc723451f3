# Sourced by the project's scripts: the Wine environment of the build tree's own sandboxed prefix.
# The prefix has no drive for the host's "/", and the build's test folder is drive T:.
zelo_top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
zelo_build=${ZELO_BUILD_DIR:-$zelo_top/build}
zelo_testdrive=$zelo_build/testdrive
export WINEPREFIX=$zelo_build/wineprefix
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
# No desktop entries exported to the host, and no Mono or Gecko installer prompts.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
export HOME=$zelo_build/home
mkdir -p "$HOME" "$zelo_testdrive"
