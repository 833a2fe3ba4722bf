#!/usr/bin/env bash
# The Windows leg of the tests.
#
# Cross-builds bcdunpack.exe with MinGW-w64 for i686 (the shipped 32-bit
# program, in build-win32/) and x86_64 (in build-win64/), checks that both are
# console programs that need no DLL beyond the system's own, and runs the
# end-to-end suite of the Linux build (build/tests/e2e_tests) against the
# x86_64 exe under Wine with a Japanese ANSI code page. The i686 exe is only
# inspected: these machines cannot run 32-bit code.
#
# Installs what it needs when that is missing and it runs as root; otherwise it
# says what is missing and fails. Arguments are passed on to the e2e binary
# (e.g. --gtest_filter=...).
set -euo pipefail

cd "$(dirname "$0")/.."
repo=$PWD
jobs=${BCD_JOBS:-2}
linux_build=${BCD_LINUX_BUILD:-$repo/build}
win32_build=$repo/build-win32
win64_build=$repo/build-win64

say() { printf 'test-windows: %s\n' "$*"; }
fail() {
  say "FAILED: $*" >&2
  exit 1
}

mingw_compiler() {
  local triple=$1 name
  for name in "$triple-g++-posix" "$triple-g++-win32" "$triple-g++"; do
    command -v "$name" && return 0
  done
  return 1
}

# Debian ships the 64-bit loader as wine64 on some releases and behind the
# wine wrapper on others.
wine_runner() {
  command -v wine64 || command -v wine
}

has_japanese_locale() {
  locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$'
}

missing_packages() {
  local missing=()
  { mingw_compiler i686-w64-mingw32 && mingw_compiler x86_64-w64-mingw32; } >/dev/null ||
    missing+=(mingw-w64)
  { wine_runner && command -v wineboot && command -v wineserver; } >/dev/null ||
    missing+=(wine64 wine)
  { command -v localedef >/dev/null && [ -e /usr/share/i18n/locales/ja_JP ]; } ||
    missing+=(locales)
  command -v cmake >/dev/null || missing+=(cmake)
  echo "${missing[*]}"
}

apt_install() {
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@"
}

install_tools() {
  local missing
  missing=$(missing_packages)
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null; then
    fail "missing packages: $missing. Install them (Debian: apt-get install $missing) or run this script as root."
  fi
  say "installing $missing"
  # shellcheck disable=SC2086 # one word per package
  apt_install $missing || { apt-get update -qq && apt_install $missing; } ||
    fail "could not install $missing"
  missing=$(missing_packages)
  [ -z "$missing" ] || fail "still missing after the install: $missing"
}

# Wine takes its ANSI code page from the locale, but only from one that
# exists; without it, it silently falls back to code page 1252.
install_locale() {
  has_japanese_locale && return 0
  [ "$(id -u)" -eq 0 ] ||
    fail "the locale ja_JP.UTF-8 is missing; as root: localedef -i ja_JP -f UTF-8 ja_JP.UTF-8"
  say "generating the locale ja_JP.UTF-8"
  localedef -i ja_JP -f UTF-8 ja_JP.UTF-8 || fail "localedef could not make ja_JP.UTF-8"
  has_japanese_locale || fail "ja_JP.UTF-8 is still not listed by locale -a"
}

build_windows() {
  local dir=$1 toolchain=$2
  say "building $dir"
  mkdir -p "$dir"
  cmake -S "$repo" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchains/$toolchain.cmake" \
    -DBCD_TESTS=OFF >"$dir/configure.log" 2>&1 ||
    { cat "$dir/configure.log" >&2; fail "configuring $dir"; }
  cmake --build "$dir" -j "$jobs" || fail "building $dir"
}

# The header says what kind of program it is; the import table says which
# DLLs it needs at run time: only the system's own may appear there.
check_exe() {
  local exe=$1 triple=$2 magic=$3 dump imports dll objdump=objdump
  command -v "$triple-objdump" >/dev/null && objdump=$triple-objdump
  dump=$("$objdump" -p "$exe") || fail "$objdump cannot read $exe"
  grep -qE "^Magic[[:space:]]+[0-9a-f]+[[:space:]]+\(${magic/+/\\+}\)" <<<"$dump" ||
    fail "$exe is not $magic"
  grep -qE '^Subsystem[[:space:]].*\(Windows CUI\)' <<<"$dump" ||
    fail "$exe is not a console program"
  imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump")
  for dll in $imports; do
    case "${dll,,}" in
      kernel32.dll | msvcrt.dll | ucrtbase.dll | api-ms-win-*.dll | ntdll.dll | advapi32.dll | \
        user32.dll | shell32.dll) ;;
      *) fail "$exe needs $dll, which Windows does not ship" ;;
    esac
  done
  say "$exe: $magic, console, imports only $(tr '\n' ' ' <<<"$imports")"
}

build_linux_e2e() {
  if [ ! -f "$linux_build/CMakeCache.txt" ]; then
    mkdir -p "$linux_build"
    cmake -S "$repo" -B "$linux_build" >"$linux_build/configure.log" 2>&1 ||
      { cat "$linux_build/configure.log" >&2; fail "configuring $linux_build"; }
  fi
  cmake --build "$linux_build" -j "$jobs" --target e2e_tests bcdunpack ||
    fail "building the end-to-end tests in $linux_build"
}

start_wine() {
  export WINEPREFIX=$win64_build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
  export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
  mkdir -p "$WINEPREFIX"
  trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
  # One server for the whole suite instead of one per case; it may be up
  # already from an earlier run that was cut short.
  wineserver -p 2>/dev/null || true
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    say "initialising the Wine prefix $WINEPREFIX"
    wineboot -i >"$win64_build/wineboot.log" 2>&1 ||
      { cat "$win64_build/wineboot.log" >&2; fail "wineboot could not set up $WINEPREFIX"; }
  fi
}

# A member named in Shift_JIS must come out under its UTF-8 name: proof that
# the ANSI code page is 932, which the suite's Japanese cases rely on.
check_code_page() {
  local runner=$1 dir=$win64_build/acp-check
  rm -rf "$dir"
  mkdir -p "$dir/src" "$dir/work"
  printf '[BinaryCombineData]\ncheck.bcd\n[\x83e\x83X\x83g]\n0\n1\n' >"$dir/src/check.bcl"
  printf 'x' >"$dir/src/check.bcd"
  (cd "$dir/work" && "$runner" "$win64_build/bcdunpack.exe" '..\src' >/dev/null) ||
    fail "the x86_64 exe did not run under $runner"
  [ -f "$dir/work/check/テスト" ] ||
    fail "Wine's ANSI code page is not 932 (found: $(ls "$dir/work/check" 2>/dev/null)); is ja_JP.UTF-8 in locale -a?"
  rm -rf "$dir"
  say "Wine runs with ANSI code page 932"
}

install_tools
install_locale
build_windows "$win32_build" mingw-i686
build_windows "$win64_build" mingw-x86_64
check_exe "$win32_build/bcdunpack.exe" i686-w64-mingw32 PE32
check_exe "$win64_build/bcdunpack.exe" x86_64-w64-mingw32 PE32+
build_linux_e2e
runner=$(wine_runner)
start_wine
check_code_page "$runner"
say "end-to-end suite against $win64_build/bcdunpack.exe under $runner"
BCDUNPACK=$win64_build/bcdunpack.exe BCDUNPACK_RUNNER=$runner "$linux_build/tests/e2e_tests" "$@" ||
  fail "the end-to-end suite under Wine"
say "all passed"
