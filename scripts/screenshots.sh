#!/usr/bin/env bash
# Takes the pictures in docs/: each window of the program on a virtual
# display under Wine, with a sample settings file. LANG chooses the system's
# code page (ja_JP.UTF-8 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh >/dev/null
export LANG=${LANG_SHOTS:-ja_JP.UTF-8} WINEDEBUG=-all
# A prefix per language: Wine resets its font substitutes when the code page changes.
export WINEPREFIX=$PWD/build/shots-prefix-${LANG%%.*}
suffix=${SHOT_SUFFIX:-}
tests/wine/make-prefix.sh "$WINEPREFIX" >/dev/null
. scripts/xshot.sh
start_xvfb
trap 'wineserver -k 2>/dev/null; stop_xvfb' EXIT
windir=$WINEPREFIX/drive_c/windows
# Group names as a user types them, in the system's code page: ニュース and
# 仕事 in code page 932, Café and Work in 1252.
case $LANG in
    ja*) names=('\x83\x6a\x83\x85\x81\x5b\x83\x58' '\x8e\x64\x8e\x96') ;;
    *) names=('Caf\xe9' 'Work') ;;
esac
printf "[Orvanta]\r\nG_NUM=1 2\r\nG_PREV=1\r\nXPOS=20\r\nYPOS=20\r\n[G1]\r\nGNAME=${names[0]}\r\nURL_Num=2\r\nUL1=NN http://www.example.com/\r\nUL2=IE http://www.example.org/\r\n[G2]\r\nGNAME=${names[1]}\r\nURL_Num=0\r\n" > "$windir/Orvanta.ini"
poke() { wine build/win64/poke.exe "$@" || echo "poke $* failed: $?" >&2; }

wine build/win64/Orvanta.exe &
shoot_window "<Orvanta>" "docs/launcher$suffix.png"
poke syscmd "<Orvanta>" 16
shoot_window "ﾊﾞｰｼﾞｮﾝ情報 Orvanta" "docs/about$suffix.png"

# The bookmark picker on sample Favorites and a sample bookmark file (found
# through the registry, as Netscape Navigator 4.08 keeps it).
fav=$WINEPREFIX/drive_c/favorites
rm -rf "$fav" && mkdir -p "$fav/ニュース" "$fav/仕事/表示サンプル" "$fav/趣味"
shortcut() { printf '[InternetShortcut]\r\nURL=%s\r\n' "$2" > "$fav/$1.url"; }
shortcut "Orvanta ホーム" http://www.example.com/orvanta/
shortcut "検索" http://search.example.com/
shortcut "ニュース/ニュース速報" http://news.example.jp/
shortcut "ニュース/天気予報" http://weather.example.jp/
shortcut "仕事/社内ポータル" http://portal.example.co.jp/
shortcut "仕事/表計算ガイド" http://sheets.example.co.jp/guide/
shortcut "仕事/経費精算" http://expense.example.co.jp/
shortcut "仕事/表示サンプル/資料" http://docs.example.co.jp/
shortcut "趣味/旅行" http://travel.example.jp/
wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' /v Favorites /d 'C:\favorites' /f >/dev/null
profile=$WINEPREFIX/drive_c/netscape/taro
mkdir -p "$profile"
iconv -f UTF-8 -t CP932 > "$profile/bookmark.htm" <<'HTM'
<!DOCTYPE NETSCAPE-Bookmark-file-1>
<TITLE>Bookmarks for Taro</TITLE>
<H1>Taroのブックマーク</H1>
<DL><p>
    <DT><A HREF="http://www.example.com/">Example</A>
    <DT><H3>ニュース</H3>
    <DL><p>
        <DT><A HREF="http://news.example.jp/">ニュース速報</A>
        <DT><A HREF="http://weather.example.jp/">天気予報</A>
        <DT><A HREF="http://sports.example.jp/">スポーツ</A>
    </DL><p>
    <DT><H3>趣味</H3>
    <DL><p>
        <DT><A HREF="http://travel.example.jp/">旅行</A>
    </DL><p>
</DL><p>
HTM
navigator='HKLM\SOFTWARE\Netscape\Netscape Navigator'
wine reg add "$navigator" /v CurrentVersion /d '4.08 (ja)' /f >/dev/null
wine reg add "$navigator\Users" /v CurrentUser /d taro /f >/dev/null
wine reg add "$navigator\Users\taro" /v DirRoot /d 'C:\netscape\taro' /f >/dev/null
picker() { wine build/win64/show_picker.exe "$@"; }
picker ie 仕事 0 2 &
shoot_window "IEのお気に入りから選択" "docs/picker-favorites$suffix.png"
poke click "IEのお気に入りから選択" 2
picker nn ニュース 1 &
shoot_window "NNのBookMarkから選択" "docs/picker-bookmarks$suffix.png"
poke click "NNのBookMarkから選択" 2
poke click "ﾊﾞｰｼﾞｮﾝ情報 Orvanta" 1
poke click "<Orvanta>" 1001
shoot_window "Orvanta設定" "docs/settings-options$suffix.png"
poke page "Orvanta設定" 1
shoot_window "Orvanta設定" "docs/settings-urls$suffix.png"
poke click "Orvanta設定" 1072
shoot_window "グループ名設定" "docs/group-name$suffix.png"
echo "pictures in docs/"
