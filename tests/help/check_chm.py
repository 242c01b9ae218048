#!/usr/bin/env python3
"""Checks the built help file Tessavar.chm against its UTF-8 sources.

Lists and extracts the CHM with chmls and verifies that every topic, the
contents tree and the keyword index are inside; that they decode from CP932 to
exactly the source texts; that the index names the keywords players look for;
that every contents and index entry leads to an existing page and anchor; and
that the #SYSTEM and #WINDOWS records name the Japanese language, the title and
the two navigation files that HH_DISPLAY_TOC and HH_DISPLAY_INDEX open.

Usage: check_chm.py [--chmls PATH] CHM SOURCE_DIR
"""

import argparse
import html
import html.parser
import os
import re
import struct
import subprocess
import sys
import tempfile

# The help compiler's own reading of the sources.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                "..", "..", "scripts"))
from build_chm import parse_project, read_utf8  # noqa: E402

CODEC = "cp932"
LCID_JAPANESE = 0x411

# What a player looks up in the keyword tab; every one must be an index entry.
REQUIRED_KEYWORDS = [
    "個体値", "努力値", "510（努力値の合計）", "性格", "性格の印", "能力値", "レベル",
    "ポケモン名", "フォルム", "判定対象ステータスリスト", "追加↓", "編集↑", "削除",
    "手がかり", "個性", "めざパタイプ", "ジャッジ", "いちばん いい かんじなのは",
    "めざめるパワー", "めざめるパワー計算機", "威力", "動作モード", "XY/ORASモード",
    "ポケモン名ソート順", "五十音順", "全国図鑑順", "結果が表示されない",
    "範囲が狭まらない", "次に調べるレベル", "メッセージ一覧", "ライセンス",
    "PokeAPI", "@pkmn/dex", "商標",
]


class Failures:
    def __init__(self):
        self.items = []

    def check(self, condition, message):
        if not condition:
            self.items.append(message)
        return condition


class SitemapReader(html.parser.HTMLParser):
    """Reads a contents or index sitemap: one record per OBJECT with the list
    of its Name values, its Local values and its nesting depth."""

    def __init__(self):
        super().__init__()
        self.entries = []
        self.depth = 0
        self.current = None

    def handle_starttag(self, tag, attrs):
        a = {k: v or "" for k, v in attrs}
        if tag == "ul":
            self.depth += 1
        elif tag == "object" and a.get("type", "").lower() == "text/sitemap":
            self.current = {"names": [], "locals": [], "depth": self.depth}
        elif tag == "param" and self.current is not None:
            key = a.get("name", "").lower()
            if key == "name":
                self.current["names"].append(a.get("value", ""))
            elif key == "local":
                self.current["locals"].append(a.get("value", ""))

    def handle_endtag(self, tag):
        if tag == "ul":
            self.depth -= 1
        elif tag == "object" and self.current is not None:
            self.entries.append(self.current)
            self.current = None


class TopicReader(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.anchors = set()
        self.title = None
        self.in_title = False

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if a.get("id"):
            self.anchors.add(a["id"])
        if tag == "title":
            self.in_title = True
            self.title = ""

    def handle_endtag(self, tag):
        if tag == "title":
            self.in_title = False

    def handle_data(self, data):
        if self.in_title:
            self.title += data


def run_chmls(chmls, *args):
    result = subprocess.run([chmls, *args], stdout=subprocess.PIPE,
                            stderr=subprocess.STDOUT, check=False)
    return result.returncode, result.stdout.decode("latin-1")


def list_chm(chmls, chm):
    code, out = run_chmls(chmls, "-n", "-p", "list", chm)
    if code != 0:
        raise SystemExit(f"chmls list failed:\n{out}")
    return {line.strip()[1:] for line in out.splitlines()
            if line.startswith("/") and line.strip() != "/"}


def read_system(data):
    """Decodes the #SYSTEM records that the viewer reads: code -> raw bytes."""
    records, pos = {}, 4
    while pos + 4 <= len(data):
        code, length = struct.unpack_from("<HH", data, pos)
        records[code] = data[pos + 4:pos + 4 + length]
        pos += 4 + length
    return records


def c_string(raw):
    return raw.split(b"\0", 1)[0]


def read_windows(windows, strings):
    count, size = struct.unpack_from("<II", windows, 0)
    result = []
    for i in range(count):
        base = 8 + i * size
        fields = {}
        for name, offset in (("type", 0x08), ("caption", 0x14), ("toc", 0x60),
                             ("index", 0x64), ("default", 0x68), ("home", 0x6C)):
            (at,) = struct.unpack_from("<I", windows, base + offset)
            fields[name] = c_string(strings[at:]) if at else b""
        result.append(fields)
    return result


def strict_decode(failures, what, raw):
    try:
        return raw.decode(CODEC)
    except UnicodeDecodeError as e:
        failures.check(False, f"{what}: not valid CP932 at byte {e.start}")
        return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--chmls", default="chmls")
    parser.add_argument("chm")
    parser.add_argument("source_dir")
    args = parser.parse_args()
    f = Failures()

    projects = [n for n in os.listdir(args.source_dir) if n.endswith(".hhp")]
    options, files, windows = parse_project(
        read_utf8(os.path.join(args.source_dir, projects[0])))
    contents_name, index_name = options["Contents file"], options["Index file"]
    topics = [n for n in files if n.endswith(".html")]
    f.check(topics, "the project lists no topics")

    names = list_chm(args.chmls, args.chm)
    for name in files + [contents_name, index_name, "#SYSTEM", "#WINDOWS", "#STRINGS"]:
        f.check(name in names, f"{name} is missing from the CHM")

    with tempfile.TemporaryDirectory() as out:
        code, log = run_chmls(args.chmls, "extractall", args.chm, out)
        if not f.check(code == 0, f"chmls extractall failed:\n{log}"):
            return report(f)

        def raw(name):
            with open(os.path.join(out, name), "rb") as fh:
                return fh.read()

        def decoded(wanted):
            """Those of `wanted` that the CHM holds in valid CP932: name,
            text and the UTF-8 source."""
            for name in wanted:
                text = strict_decode(f, name, raw(name)) if name in names else None
                if text is not None:
                    yield name, text, read_utf8(os.path.join(args.source_dir, name))

        # Topics: CP932 with a matching meta charset, same text as the source.
        anchors, titles = {}, {}
        for name, text, source in decoded(topics):
            f.check("charset=Shift_JIS" in text, f"{name}: no Shift_JIS meta charset")
            f.check(html.unescape(text.replace("charset=Shift_JIS", "charset=UTF-8"))
                    == html.unescape(source),
                    f"{name}: text in the CHM differs from the source")
            reader = TopicReader()
            reader.feed(text)
            anchors[name], titles[name] = reader.anchors, reader.title
            f.check(reader.title, f"{name}: no title")

        # Contents and index: CP932, same text as the source, valid targets.
        sitemaps = {}
        for name, text, source in decoded((contents_name, index_name)):
            f.check(text == source,
                    f"{name}: text in the CHM differs from the source")
            reader = SitemapReader()
            reader.feed(text)
            sitemaps[name] = reader.entries
            f.check(reader.entries, f"{name}: no entries")
            for entry in reader.entries:
                f.check(entry["names"], f"{name}: an entry without a name")
                for target in entry["locals"]:
                    page, _, anchor = target.partition("#")
                    f.check(page in names, f"{name}: {target} is not in the CHM")
                    if anchor:
                        f.check(anchor in anchors.get(page, set()),
                                f"{name}: {target} names a missing anchor")

        toc = sitemaps.get(contents_name, [])
        for name, title in titles.items():
            f.check(any(title in e["names"] and name in e["locals"] for e in toc),
                    f"{contents_name}: no entry '{title}' for {name}")

        keywords = {e["names"][0] for e in sitemaps.get(index_name, []) if e["names"]}
        for keyword in REQUIRED_KEYWORDS:
            f.check(keyword in keywords, f"{index_name}: keyword '{keyword}' is missing")
        for entry in sitemaps.get(index_name, []):
            f.check(entry["locals"], f"{index_name}: keyword '{entry['names'][0]}' leads nowhere")
            # A keyword with several topics names each topic by its title.
            if len(entry["locals"]) > 1:
                f.check(len(entry["names"]) == len(entry["locals"]) + 1,
                        f"{index_name}: '{entry['names'][0]}' needs one title per topic")

        # #SYSTEM: Japanese language, title and navigation files of the project.
        system = read_system(raw("#SYSTEM"))
        lcid = struct.unpack_from("<I", system.get(4, b"\0" * 4))[0]
        f.check(lcid == LCID_JAPANESE, f"#SYSTEM: language {lcid:#x}, expected 0x411")
        title = strict_decode(f, "#SYSTEM title", c_string(system.get(3, b"")))
        f.check(title == options["Title"], f"#SYSTEM: title {title!r}, expected {options['Title']!r}")
        f.check(c_string(system.get(0, b"")).decode(CODEC) == contents_name,
                "#SYSTEM: contents file does not match the project")
        f.check(c_string(system.get(1, b"")).decode(CODEC) == index_name,
                "#SYSTEM: index file does not match the project")
        default_topic = c_string(system.get(2, b"")).decode(CODEC)
        f.check(default_topic in names, f"#SYSTEM: default topic {default_topic} is not in the CHM")

        # #WINDOWS: the default window shows the contents and index tabs.
        wanted = options.get("Default Window")
        found = [w for w in read_windows(raw("#WINDOWS"), raw("#STRINGS"))
                 if w["type"].decode(CODEC) == wanted]
        if f.check(found, f"#WINDOWS: no window '{wanted}'"):
            window = found[0]
            caption = strict_decode(f, "#WINDOWS caption", window["caption"])
            f.check(caption == windows[wanted][0],
                    f"#WINDOWS: caption {caption!r}, expected {windows[wanted][0]!r}")
            f.check(window["toc"].decode(CODEC) == contents_name, "#WINDOWS: wrong contents file")
            f.check(window["index"].decode(CODEC) == index_name, "#WINDOWS: wrong index file")
            f.check(window["default"].decode(CODEC) in names, "#WINDOWS: default page missing")

    return report(f, len(topics), len(keywords))


def report(f, topics=0, keywords=0):
    for item in f.items:
        print("FAIL:", item)
    if f.items:
        return 1
    print(f"ok: {topics} topics, {keywords} index keywords, contents and index in CP932")
    return 0


if __name__ == "__main__":
    sys.exit(main())
