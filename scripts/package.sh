#!/usr/bin/env bash
# Builds dist/Orvanta-1.5-win32.zip: the 32-bit program (statically linked,
# no DLL beyond the system's, no manifest), the user guide in Japanese
# (code page 932) and English, and the licence, all with CR LF line ends.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh >/dev/null
exe=build/win32/Orvanta.exe
dlls=$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print tolower($3)}')
for dll in $dlls; do
    case $dll in
        kernel32.dll|user32.dll|gdi32.dll|comctl32.dll|ole32.dll|oleaut32.dll|shell32.dll|advapi32.dll|msvcrt.dll) ;;
        *) echo "$exe needs $dll, which Windows does not bring" >&2; exit 1 ;;
    esac
done
# A manifest with a requested execution level would switch off the
# redirection that lets a standard user keep Orvanta.ini in the Windows folder.
if i686-w64-mingw32-objdump -h "$exe" | grep -q '\.rsrc' && strings "$exe" | grep -q 'requestedExecutionLevel'; then
    echo "$exe carries a manifest with an execution level" >&2; exit 1
fi
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$exe" "$stage/Orvanta.exe"
sed 's/$/\r/' docs/guide-en.md > "$stage/ReadMe-en.txt"
sed 's/$/\r/' docs/guide-ja.md | iconv -f UTF-8 -t CP932 > "$stage/ReadMe-ja.txt"
sed 's/$/\r/' LICENSE > "$stage/License.txt"
mkdir -p dist
rm -f dist/Orvanta-1.5-win32.zip
(cd "$stage" && zip -q -X "$OLDPWD/dist/Orvanta-1.5-win32.zip" Orvanta.exe ReadMe-ja.txt ReadMe-en.txt License.txt)
echo "dist/Orvanta-1.5-win32.zip"
unzip -l dist/Orvanta-1.5-win32.zip
