#!/usr/bin/env bash
# Builds dist/Orvanta-<version>-win32.zip: the 32-bit program (statically
# linked, importing only DLLs that every Windows 10/11 holds, with its
# version information), the user guide in Japanese (code page 932) and
# English, and the licence, all with CR LF line ends. The version is the
# build's own (the top CMakeLists.txt). The zip is checked before it is
# kept; the test command runs this too, so that the release cannot break
# unseen.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh win32 >/dev/null
exe=build/win32/Orvanta.exe
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/win32/CMakeCache.txt)
zip=dist/Orvanta-$version-win32.zip
fail() { echo "package: $*" >&2; exit 1; }

# The imports as the built file lists them, against the committed list.
known=$(grep -v '^#' scripts/windows-dlls.txt)
for dll in $(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print tolower($3)}'); do
    grep -qxF "$dll" <<<"$known" || fail "$exe needs $dll, which is not in scripts/windows-dlls.txt"
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$exe" "$stage/Orvanta.exe"
# The guides' pictures are for the web page; the text files leave them out.
sed '/^!\[/d; s/$/\r/' docs/guide-en.md > "$stage/ReadMe-en.txt"
sed '/^!\[/d; s/$/\r/' docs/guide-ja.md | iconv -f UTF-8 -t CP932 > "$stage/ReadMe-ja.txt"
sed 's/$/\r/' LICENSE > "$stage/License.txt"
mkdir -p dist
rm -f "$zip"
(cd "$stage" && zip -q -X "$OLDPWD/$zip" Orvanta.exe ReadMe-ja.txt ReadMe-en.txt License.txt)

# What the zip holds, read back: the four files, and the program with its
# version information and its manifest.
check=$(mktemp -d)
trap 'rm -rf "$stage" "$check"' EXIT
unzip -q "$zip" -d "$check"
[ "$(cd "$check" && ls | sort | tr '\n' ' ')" = "License.txt Orvanta.exe ReadMe-en.txt ReadMe-ja.txt " ] ||
    fail "$zip holds $(cd "$check" && ls | tr '\n' ' ')"
# grep reads its input whole (no -q): stopping at the first match would end
# the writer with SIGPIPE, which pipefail takes for a failure.
i686-w64-mingw32-objdump -f "$check/Orvanta.exe" | grep 'file format pei-i386' >/dev/null || fail "the program in $zip is not the 32-bit one"
strings -el "$check/Orvanta.exe" | grep -x 'ProductVersion' >/dev/null || fail "the program in $zip has no version information"
# The manifest (resource type 24, id 1) asks for visual styles, the
# program's own scaling and the user's own rights (asInvoker).
manifest=$(wrestool -x --raw --type=24 --name=1 "$check/Orvanta.exe" 2>/dev/null || true)
grep -q 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' <<<"$manifest" ||
    fail "the program in $zip has no manifest asking for Common Controls 6"
grep -q '>PerMonitorV2, PerMonitor<' <<<"$manifest" || fail "the program in $zip is not aware of each monitor's DPI"
grep -q 'requestedExecutionLevel level="asInvoker"' <<<"$manifest" || fail "the program in $zip does not run as its invoker"
echo "$zip"
unzip -l "$zip"
