#!/usr/bin/env bash
# Takes the pictures in docs/: each window of the program on a virtual
# display under Wine, with a sample settings file, in Wine's "Light" visual
# style. LANG_SHOTS chooses the system's language and code page
# (ja_JP.UTF-8 by default; on any other the program speaks English),
# SHOT_DPI the display's scale (96 by default: 100 %; 192: 200 %).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh win64 Orvanta show_picker poke >/dev/null
export LANG=${LANG_SHOTS:-ja_JP.UTF-8} WINEDEBUG=-all
# A prefix per language: Wine resets its font substitutes when the code page changes.
export WINEPREFIX=$PWD/build/shots-prefix-${LANG%%.*}
suffix=${SHOT_SUFFIX:-}
tests/wine/make-prefix.sh "$WINEPREFIX" >/dev/null
# At 200 % the settings sheet alone is 1100 pixels wide: the screen and
# Wine's desktop grow with the scale.
dpi=${SHOT_DPI:-96}
screen=$((1024 * dpi / 96))x$((768 * dpi / 96))
export XVFB_SCREEN=${screen}x24
. scripts/xshot.sh
start_xvfb
trap 'wineserver -k 2>/dev/null; stop_xvfb' EXIT
themes='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
wine reg add "$themes" /v ThemeActive /d 1 /f >/dev/null
wine reg add "$themes" /v DllName /d 'C:\windows\resources\themes\light\light.msstyles' /f >/dev/null
wine reg add "$themes" /v ColorName /d Blue /f >/dev/null
wine reg add "$themes" /v SizeName /d NormalSize /f >/dev/null
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$screen" /f >/dev/null
# Wine's desktop, started by the first of these, takes its new size when
# started again.
wineserver -k 2>/dev/null || true
wineserver -w
# The user's settings file, in the roaming application data folder.
settings=$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/AppData/Roaming/Orvanta
mkdir -p "$settings"
# Group names as a user types them: ニュース and 仕事 on code page 932, whose
# file keeps them in the code page; on 1252 names in scripts it lacks, which
# the file keeps in UTF-16.
case $LANG in
    ja*) names=(ニュース 仕事) form=CP932 wall=ダッシュボード ;;
    *) names=('Новости ニュース' 'Café 📰') form=UTF-16LE wall=Dashboard ;;
esac
# The windows' titles in the program's language.
case $LANG in
    ja*) sheet=Orvanta設定 about="ﾊﾞｰｼﾞｮﾝ情報 Orvanta" favorites=IEのお気に入りから選択 bookmarks=NNのBookMarkから選択
         group=グループ名設定 browser=ブラウザの設定 pick_prefix="" pick_suffix=から選択 ;;
    *) sheet="Orvanta Settings" about="About Orvanta" favorites="Choose from IE's Favorites"
       bookmarks="Choose from NN's bookmarks" group="Group name" browser=Browser pick_prefix="Choose from " pick_suffix="" ;;
esac
encode() { [ $form = CP932 ] || printf '\xff\xfe'; iconv -f UTF-8 -t $form; }
printf "[Orvanta]\r\nG_NUM=1 2\r\nG_PREV=1\r\nXPOS=20\r\nYPOS=20\r\n[G1]\r\nGNAME=${names[0]}\r\nURL_Num=4\r\nUL1=NN http://www.example.com/\r\nUL2=IE http://www.example.org/\r\nUL3=B1 https://www.example.net/\r\nUL4=DEF https://news.example.jp/\r\n[G2]\r\nGNAME=${names[1]}\r\nURL_Num=0\r\n[Browser1]\r\nName=Google Chrome\r\nProgram=C:\\\\Program Files\\\\Google\\\\Chrome\\\\Application\\\\chrome.exe\r\n[Browser2]\r\nName=Mozilla Firefox - work\r\nProgram=C:\\\\Program Files\\\\Mozilla Firefox\\\\firefox.exe\r\nProfile=work\r\n[Browser3]\r\nName=Microsoft Edge - ${wall}\r\nProgram=C:\\\\Program Files (x86)\\\\Microsoft\\\\Edge\\\\Application\\\\msedge.exe\r\nWindow=app\r\nMonitor=\\\\\\\\.\\\\DISPLAY1\r\n" | encode > "$settings/Orvanta.ini"
# Browsers as Windows lists them, for the browsers page.
clients='HKLM\Software\Clients\StartMenuInternet'
wine reg add "$clients\Google Chrome" /ve /d 'Google Chrome' /f >/dev/null
wine reg add "$clients\Google Chrome\shell\open\command" /ve /d '"C:\Program Files\Google\Chrome\Application\chrome.exe"' /f >/dev/null
wine reg add "$clients\Microsoft Edge" /ve /d 'Microsoft Edge' /f >/dev/null
wine reg add "$clients\Microsoft Edge\shell\open\command" /ve /d '"C:\Program Files (x86)\Microsoft\Edge\Application\msedge.exe"' /f >/dev/null
poke() { wine build/win64/poke.exe "$@" || echo "poke $* failed: $?" >&2; }

wine build/win64/Orvanta.exe &
app=$!
shoot_window "<Orvanta>" "docs/launcher$suffix.png"
poke syscmd "<Orvanta>" 16
shoot_window "$about" "docs/about$suffix.png"

# The bookmark picker on sample Favorites and a sample bookmark file (found
# through the registry, as Netscape Navigator 4.08 keeps it), named in the
# system's language; on 1252 a folder of the Favorites in scripts its code
# page lacks, while Navigator's file holds the code page's own.
case $LANG in
    ja*) codepage=CP932 home="Orvanta ホーム" search=検索 news=ニュース flash=ニュース速報 weather=天気予報
         sports=スポーツ work=仕事 portal=社内ポータル guide=表計算ガイド expense=経費精算 samples=表示サンプル
         papers=資料 hobby=趣味 travel=旅行 owner=Taroのブックマーク ;;
    *) codepage=CP1252 home="Orvanta home" search=Search news=News flash="Headlines" weather=Weather
       sports=Sports work="Работа 仕事" portal="Intranet portal" guide="Spreadsheet guide" expense=Expenses samples=Samples
       papers=Papers hobby=Hobbies travel="Cafés and travel" owner="Taro's bookmarks" ;;
esac
fav=$WINEPREFIX/drive_c/favorites
rm -rf "$fav" && mkdir -p "$fav/$news" "$fav/$work/$samples" "$fav/$hobby"
shortcut() { printf '[InternetShortcut]\r\nURL=%s\r\n' "$2" > "$fav/$1.url"; }
shortcut "$home" http://www.example.com/orvanta/
shortcut "$search" http://search.example.com/
shortcut "$news/$flash" http://news.example.jp/
shortcut "$news/$weather" http://weather.example.jp/
shortcut "$work/$portal" http://portal.example.co.jp/
shortcut "$work/$guide" http://sheets.example.co.jp/guide/
shortcut "$work/$expense" http://expense.example.co.jp/
shortcut "$work/$samples/$papers" http://docs.example.co.jp/
shortcut "$hobby/$travel" http://travel.example.jp/
wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' /v Favorites /d 'C:\favorites' /f >/dev/null
profile=$WINEPREFIX/drive_c/netscape/taro
mkdir -p "$profile"
iconv -f UTF-8 -t $codepage > "$profile/bookmark.htm" <<HTM
<!DOCTYPE NETSCAPE-Bookmark-file-1>
<TITLE>Bookmarks for Taro</TITLE>
<H1>$owner</H1>
<DL><p>
    <DT><A HREF="http://www.example.com/">Example</A>
    <DT><H3>$news</H3>
    <DL><p>
        <DT><A HREF="http://news.example.jp/">$flash</A>
        <DT><A HREF="http://weather.example.jp/">$weather</A>
        <DT><A HREF="http://sports.example.jp/">$sports</A>
    </DL><p>
    <DT><H3>$hobby</H3>
    <DL><p>
        <DT><A HREF="http://travel.example.jp/">$travel</A>
    </DL><p>
</DL><p>
HTM
navigator='HKLM\SOFTWARE\Netscape\Netscape Navigator'
wine reg add "$navigator" /v CurrentVersion /d '4.08 (ja)' /f >/dev/null
wine reg add "$navigator\Users" /v CurrentUser /d taro /f >/dev/null
wine reg add "$navigator\Users\taro" /v DirRoot /d 'C:\netscape\taro' /f >/dev/null
picker() { wine build/win64/show_picker.exe "$@"; }
picker ie "$work" 0 2 &
shoot_window "$favorites" "docs/picker-favorites$suffix.png"
poke click "$favorites" 2
picker nn "$news" 1 &
shoot_window "$bookmarks" "docs/picker-bookmarks$suffix.png"
poke click "$bookmarks" 2
poke click "$about" 1
poke click "<Orvanta>" 1001
shoot_window "$sheet" "docs/settings-options$suffix.png"
poke page "$sheet" 1
shoot_window "$sheet" "docs/settings-urls$suffix.png"
# Chrome and Edge profiles in the user's local application data folder,
# named and filled in the system's language (the files are UTF-8, as
# Chromium writes them), for the third import button's menu and the picker.
case $LANG in
    ja*) taro=Taro work_profile=仕事 mail=社内メール wiki=社内Wiki bank=ネット銀行 weather_jp=天気予報 ;;
    *) taro=Taro work_profile="Работа" mail="Почта" wiki="社内Wiki" bank="Bank (Café branch)" weather_jp=Weather ;;
esac
local=$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/AppData/Local
chromium_bookmarks() {
    mkdir -p "$1"
    printf '{"roots":{"bookmark_bar":{"type":"folder","name":"Bookmarks bar","children":[%s]},"other":{"type":"folder","name":"Other bookmarks","children":[{"type":"url","name":"Example","url":"https://www.example.com/"}]},"synced":{"type":"folder","name":"Mobile bookmarks","children":[]}},"version":1}' "$2" > "$1/Bookmarks"
}
chrome="$local/Google/Chrome/User Data"
chromium_bookmarks "$chrome/Default" '{"type":"url","name":"Orvanta","url":"https://www.example.com/orvanta/"}'
chromium_bookmarks "$chrome/Profile 1" "{\"type\":\"url\",\"name\":\"$mail\",\"url\":\"https://mail.example.co.jp/\"},{\"type\":\"url\",\"name\":\"$wiki\",\"url\":\"https://wiki.example.co.jp/\"},{\"type\":\"folder\",\"name\":\"$news\",\"children\":[{\"type\":\"url\",\"name\":\"$flash\",\"url\":\"https://news.example.jp/\"}]},{\"type\":\"url\",\"name\":\"$bank\",\"url\":\"https://bank.example.jp/\"},{\"type\":\"url\",\"name\":\"$weather_jp\",\"url\":\"https://weather.example.jp/\"}"
printf '{"profile":{"info_cache":{"Default":{"name":"%s"},"Profile 1":{"name":"%s"}}}}' "$taro" "$work_profile" > "$chrome/Local State"
chromium_bookmarks "$local/Microsoft/Edge/User Data/Default" '{"type":"url","name":"Bing","url":"https://www.bing.com/"}'
poke click "$sheet" 1073
poke wait "#32768"
shoot_window "$sheet" "docs/settings-urls-other$suffix.png"
# Down twice to the second profile, then into the picker; in the tree,
# open the root and go down to the bookmark bar.
poke keys "#32768" 0 0x28 0x28 0x0d
poke keys "${pick_prefix}Google Chrome - ${work_profile}${pick_suffix}" 1065 0x27 0x28
shoot_window "${pick_prefix}Google Chrome - ${work_profile}${pick_suffix}" "docs/picker-chromium$suffix.png"
poke click "${pick_prefix}Google Chrome - ${work_profile}${pick_suffix}" 2
poke click "$sheet" 1072
shoot_window "$group" "docs/group-name$suffix.png"
poke click "$group" 2
poke page "$sheet" 2
shoot_window "$sheet" "docs/settings-browsers$suffix.png"
# The last browser, an app window on the first monitor, in its dialog.
poke keys "$sheet" 1081 0x23
poke click "$sheet" 1083
shoot_window "$browser" "docs/browser$suffix.png"
poke click "$browser" 2

# The launch's notification icon, its menu and tooltip, while a group runs
# with a long delay: its pages are for a browser of the list that is not
# installed here, so nothing opens and the launch steps on.
poke click "$sheet" 2
poke syscmd "<Orvanta>" 0xF060
wait "$app"
printf "[Orvanta]\r\nG_NUM=1\r\nG_PREV=1\r\nDelay=30\r\n[G1]\r\nGNAME=${names[0]}\r\nURL_Num=3\r\nUL1=B1 https://news.example.jp/\r\nUL2=B1 https://weather.example.jp/\r\nUL3=B1 https://sports.example.jp/\r\n[Browser1]\r\nName=Google Chrome\r\nProgram=C:\\\\Program Files\\\\Google\\\\Chrome\\\\Application\\\\chrome.exe\r\n" | encode > "$settings/Orvanta.ini"
wine build/win64/Orvanta.exe -start &
app=$!
# A picture of the area of the screen poke names (WxH+X+Y).
shoot_area() { [ -n "$1" ] && import -window root -crop "$1" +repage "$2"; }
shoot_area "$(wine build/win64/poke.exe traymenu "<Orvanta>" | tr -d '\r')" "docs/notify-menu$suffix.png"
poke keys "#32768" 0 0x1b
shoot_area "$(wine build/win64/poke.exe traytip "<Orvanta>" | tr -d '\r')" "docs/notify-tip$suffix.png"
poke syscmd "<Orvanta>" 0x30
echo "pictures in docs/"
