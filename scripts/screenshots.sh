#!/usr/bin/env bash
# Takes the pictures in docs/: each window of the program on a virtual
# display under Wine, with a sample settings file. LANG chooses the system's
# code page (ja_JP.UTF-8 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh >/dev/null
export WINEPREFIX=$PWD/build/shots-prefix WINEDEBUG=-all LANG=${LANG_SHOTS:-ja_JP.UTF-8}
suffix=${SHOT_SUFFIX:-}
tests/wine/make-prefix.sh "$WINEPREFIX" >/dev/null
. scripts/xshot.sh
start_xvfb
trap 'wineserver -k 2>/dev/null; stop_xvfb' EXIT
windir=$WINEPREFIX/drive_c/windows
# Group names in code page 932: ニュース and 仕事.
printf '[Orvanta]\r\nG_NUM=1 2\r\nG_PREV=1\r\nXPOS=20\r\nYPOS=20\r\n[G1]\r\nGNAME=\x83\x6a\x83\x85\x81\x5b\x83\x58\r\nURL_Num=2\r\nUL1=NN http://www.example.com/\r\nUL2=IE http://www.example.org/\r\n[G2]\r\nGNAME=\x8e\x64\x8e\x96\r\nURL_Num=0\r\n' > "$windir/Orvanta.ini"
poke() { wine explorer /desktop=Orvanta,640x480 build/win64/poke.exe "$@" || echo "poke $* failed: $?" >&2; }

wine explorer /desktop=Orvanta,640x480 build/win64/Orvanta.exe &
shoot_window "<Orvanta>" "docs/launcher$suffix.png"
poke syscmd "<Orvanta>" 16
shoot_window "ﾊﾞｰｼﾞｮﾝ情報 Orvanta" "docs/about$suffix.png"
poke click "ﾊﾞｰｼﾞｮﾝ情報 Orvanta" 1
poke click "<Orvanta>" 1001
shoot_window "Orvanta設定" "docs/settings-options$suffix.png"
poke page "Orvanta設定" 1
shoot_window "Orvanta設定" "docs/settings-urls$suffix.png"
poke click "Orvanta設定" 1072
shoot_window "グループ名設定" "docs/group-name$suffix.png"
echo "pictures in docs/"
