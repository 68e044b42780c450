#!/usr/bin/env bash
# Makes the Wine prefix that every Wine test copies: fonts set up as on a
# Windows system with Japanese fonts installed, nothing else changed.
# A prefix made before is kept while it was made by this very script, with
# the same Wine, font file and language (a hash of them in .orvanta-ready);
# otherwise it is made anew.
set -euo pipefail
prefix=$1
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LANG=${LANG_OVERRIDE:-ja_JP.UTF-8}
marlett=/usr/share/wine/fonts/marlett.ttf
stamp=$({ cat "${BASH_SOURCE[0]}" "$marlett"; wine --version 2>/dev/null; echo "LANG=$LANG"; } | sha256sum | cut -d' ' -f1)
if [ "$(cat "$prefix/.orvanta-ready" 2>/dev/null)" = "$stamp" ]; then exit 0; fi
# Every step's output goes to a log that is shown when a step fails: Wine
# now and then fails to start a program on a loaded machine, so a failed
# making is tried once more from the start.
make_prefix() {
    rm -rf "$prefix" || return 1
    wine wineboot -i || return 1
    # Wine's own fonts (Marlett draws the caption buttons) are not found in
    # Debian's data folder; the prefix's font folder is always searched.
    cp "$marlett" "$prefix/drive_c/windows/Fonts/" || return 1
    local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' face
    for face in "ＭＳ Ｐゴシック" "ＭＳ ゴシック" "MS UI Gothic" "MS Shell Dlg"; do
        wine reg add "$key" /v "$face" /d "IPAPGothic" /f || return 1
    done
    # Window captions are drawn with Tahoma, which has no Japanese; Windows
    # links a Japanese font to it, so does this prefix (under any code page).
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Tahoma /d IPAPGothic /f || return 1
    # Tests run on Xvfb without a window manager: every program runs in a
    # Wine desktop of its own, where Wine itself minimises and restores
    # windows instead of waiting for a window manager that is not there.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f || return 1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f || return 1
    # Wine records a user's choice for "http" links naming the protocol's
    # own class; the template has none, as Windows before 8 had none, and
    # a test that wants a machine of today sets it.
    wine reg delete 'HKCU\Software\Microsoft\Windows\Shell\Associations\UrlAssociations' /f || return 1
    # A program that crashes ends at once, as a test's failure, instead of
    # waiting in Wine's debugger until the test's time is up.
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d "" /f || return 1
    # A URL that reaches Wine's own handler must never start a browser of
    # the machine the tests run on.
    wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "" /f || return 1
    wineserver -w
    # The last setting is in the registry file once the server has ended;
    # a start-up of Wine still running in the background would have
    # overwritten the user's registry.
    grep -q '^"Browsers"=""' "$prefix/user.reg"
}
mkdir -p "$(dirname "$prefix")"
log=$prefix.log
for attempt in 1 2; do
    if make_prefix >"$log" 2>&1; then
        break
    fi
    echo "make-prefix: making $prefix failed (try $attempt); its output:" >&2
    tail -n 40 "$log" >&2
    wineserver -k 2>/dev/null || true
    [ "$attempt" -eq 2 ] && exit 1
done
echo "$stamp" > "$prefix/.orvanta-ready"
echo "prefix ready: $prefix"
