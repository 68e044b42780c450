#!/usr/bin/env python3
# Writes the Chromium profile layouts and bookmark files the unit tests
# read, as Chrome writes them (keys sorted, three-space indent, ids, GUIDs
# and dates the reader ignores). Run from this folder; the output is
# committed beside it.
import json
import os
import shutil

GUID = "00000000-0000-4000-8000-%012d"
counter = [0]


def node(kind, name, **extra):
    counter[0] += 1
    n = {"date_added": "13300000000000000", "date_last_used": "0", "guid": GUID % counter[0],
         "id": str(counter[0]), "name": name, "type": kind}
    n.update(extra)
    return n


def url(name, address):
    return node("url", name, url=address, meta_info={"last_visited_desktop": "13300000000000001"})


def folder(name, children):
    return node("folder", name, children=children, date_modified="13300000000000002")


def bookmarks(bar, other, synced):
    return {"checksum": "0123456789abcdef0123456789abcdef",
            "roots": {"bookmark_bar": folder("Bookmarks bar", bar), "other": folder("Other bookmarks", other),
                      "synced": folder("Mobile bookmarks", synced)},
            "version": 1}


def write(path, value, indent=3):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        if isinstance(value, str):
            f.write(value)
        else:
            json.dump(value, f, ensure_ascii=False, indent=indent, sort_keys=True)


def local_state(names):
    return {"browser": {"enabled_labs_experiments": []},
            "profile": {"info_cache": {d: {"name": n, "avatar_icon": "chrome://theme/IDR_PROFILE_AVATAR_26",
                                           "is_using_default_name": False} for d, n in names.items()},
                        "last_used": list(names)[0]}}


def profile(root, vendor, dirs, names=None):
    user_data = os.path.join(root, vendor, "User Data")
    for d, content in dirs.items():
        if content is None:
            write(os.path.join(user_data, d, "Preferences"), {"profile": {"name": d}})
        else:
            write(os.path.join(user_data, d, "Bookmarks"), content)
    if names is not None:
        write(os.path.join(user_data, "Local State"), local_state(names))


for d in ("default-only", "several", "account", "no-local-state"):
    shutil.rmtree(d, ignore_errors=True)

# One profile, as a fresh Chrome leaves it: a bar, other bookmarks, no mobile ones.
profile("default-only", "Google/Chrome", {
    "Default": bookmarks([url("Example", "https://example.com/"),
                          folder("ニュース", [url("NHK ニュース", "https://www3.nhk.or.jp/news/"),
                                              url("Le Monde – À la une", "https://www.lemonde.fr/")])],
                         [url("Debian", "https://www.debian.org/")], [])},
    {"Default": "Taro"})

# Several browsers and profiles; "Profile 2" has no bookmarks, the guest and
# system profiles are not the user's.
profile("several", "Google/Chrome", {
    "Default": bookmarks([url("Home", "https://home.example/")], [], []),
    "Profile 1": bookmarks([url("Work mail", "https://mail.work.example/")], [], []),
    "Profile 10": bookmarks([url("Ten", "https://ten.example/")], [], []),
    "Profile 2": None,
    "Guest Profile": bookmarks([url("Guest", "https://guest.example/")], [], []),
    "System Profile": bookmarks([], [], []),
}, {"Default": "Taro", "Profile 1": "仕事", "Profile 10": "Ten"})
profile("several", "Microsoft/Edge", {
    "Default": bookmarks([url("Bing", "https://www.bing.com/")], [], []),
}, {"Default": "Profile 1"})
profile("several", "BraveSoftware/Brave-Browser", {"Default": bookmarks([], [], [])}, {"Default": "Brave user"})
profile("several", "Vivaldi", {"Default": bookmarks([], [], [])}, {"Default": "Vivaldi user"})
profile("several", "Chromium", {"Default": bookmarks([], [], [])}, {"Default": "Chromium user"})

# The account's bookmarks beside the profile's own.
profile("account", "Google/Chrome", {
    "Default": bookmarks([url("Local", "https://local.example/")], [], []),
}, {"Default": "Taro"})
write("account/Google/Chrome/User Data/Default/AccountBookmarks",
      bookmarks([url("Synced", "https://account.example/")], [url("Phone", "https://phone.example/")], []))

# No "Local State": the profiles go by their directories' names.
profile("no-local-state", "Google/Chrome", {
    "Default": bookmarks([url("A", "https://a.example/")], [], []),
    "Profile 3": bookmarks([url("B", "https://b.example/")], [], []),
})

# Files that are not what they should be.
good = json.dumps(bookmarks([url("One", "https://one.example/"), folder("F", [url("Two", "https://two.example/")])],
                            [url("Three", "https://three.example/")], []), ensure_ascii=False, indent=3,
                  sort_keys=True)
write("files/not-json", "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p><DT><A HREF=\"http://x/\">x</A></DL>\n")
write("files/cut", good[: good.index("Three") + 8])
write("files/empty", "")
# Every value of an unexpected type somewhere: roots a list, a root a string,
# children an object, a name a number, a url an object, a type a number.
write("files/wrong-types", {"roots": {
    "bookmark_bar": {"type": "folder", "name": "bar", "children": [
        {"type": "url", "name": 5, "url": "https://nameless.example/"},
        {"type": "url", "name": "Object URL", "url": {"href": "https://x.example/"}},
        {"type": 1, "name": "Type number", "url": "https://typeless.example/"},
        "a string child",
        ["an", "array", "child"],
        None,
        {"type": "folder", "name": "Children object", "children": {"a": 1}},
        {"type": "url", "name": "Kept", "url": "https://kept.example/"},
    ]},
    "other": "not an object",
    "synced": {"type": "folder", "name": "s", "children": None},
}})
write("files/roots-list", {"roots": [1, 2, 3], "version": 1})
write("files/top-array", [{"roots": {}}])


# 300 folders, each inside the one before, each with one entry.
def deep(level):
    children = [url("Level %d" % level, "https://deep.example/%d" % level)]
    if level < 300:
        children.append(deep(level + 1))
    return {"children": children, "name": "D%d" % level, "type": "folder"}


write("files/deep", {"roots": {"bookmark_bar": {"children": [deep(1)], "name": "b", "type": "folder"}}}, None)
# Nesting far past anything a parser should follow by recursion.
write("files/very-deep", '{"roots":{"bookmark_bar":{"type":"folder","children":' + "[" * 100000 + "]" * 100000 + "}}}")
