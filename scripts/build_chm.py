#!/usr/bin/env python3
"""Compiles the Japanese help file Tessavar.chm from the UTF-8 sources in help/.

The HTML Help compiler and viewer read a Japanese help project in the ANSI code
page of its language (0x411, code page 932). The sources stay in UTF-8 so that
they remain readable in review; this script copies them into a staging folder
converted to CP932, checks that the project, the contents tree, the keyword
index and the topics agree with each other, and runs chmcmd.

Usage: build_chm.py [--chmcmd PATH] SOURCE_DIR STAGE_DIR OUTPUT_CHM
"""

import argparse
import html.parser
import os
import re
import shutil
import subprocess
import sys

HELP_CODEC = "cp932"
SOURCE_META = "charset=UTF-8"
STAGED_META = "charset=Shift_JIS"


class BuildError(Exception):
    pass


def read_utf8(path):
    with open(path, "r", encoding="utf-8", newline="") as f:
        return f.read()


def parse_project(text):
    """Returns the [OPTIONS] entries, the [FILES] list and the [WINDOWS]
    definitions (name to fields) of an .hhp project."""
    options, files, windows, section = {}, [], {}, None
    for raw in text.splitlines():
        line = raw.strip()
        if not line or line.startswith(";"):
            continue
        if line.startswith("[") and line.endswith("]"):
            section = line[1:-1].upper()
        elif section == "OPTIONS" and "=" in line:
            key, value = line.split("=", 1)
            options[key.strip()] = value.strip()
        elif section == "WINDOWS" and "=" in line:
            key, value = line.split("=", 1)
            windows[key.strip()] = [v.strip().strip('"') for v in value.split(",")]
        elif section == "FILES":
            files.append(line)
    return options, files, windows


class SitemapReader(html.parser.HTMLParser):
    """Collects the Local targets of a contents (.hhc) or index (.hhk) file."""

    def __init__(self):
        super().__init__()
        self.locals = []

    def handle_starttag(self, tag, attrs):
        if tag == "param":
            a = dict(attrs)
            if (a.get("name") or "").lower() == "local":
                self.locals.append(a.get("value") or "")


class TopicReader(html.parser.HTMLParser):
    """Collects the anchors a topic defines and the local pages it links to."""

    def __init__(self):
        super().__init__()
        self.anchors = set()
        self.links = []

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        for key in ("id", "name"):
            if a.get(key) and tag != "meta":
                self.anchors.add(a[key])
        if tag == "a" and a.get("href"):
            self.links.append(a["href"])
        if tag == "link" and a.get("href"):
            self.links.append(a["href"])


def split_target(target):
    page, _, anchor = target.partition("#")
    return page, anchor


def is_external(target):
    return re.match(r"^[a-zA-Z][a-zA-Z0-9+.-]*:", target) is not None


def check_targets(what, targets, files, anchors):
    for target in targets:
        if is_external(target):
            continue
        page, anchor = split_target(target)
        page = page or what
        if page and page not in files:
            raise BuildError(f"{what}: link to {target!r}, which is not in [FILES]")
        if anchor and anchor not in anchors.get(page, set()):
            raise BuildError(f"{what}: link to {target!r}, but that anchor does not exist")


def encode_cp932(path, text, allow_references):
    """Encodes text as CP932. HTML may fall back to character references for the
    few characters CP932 lacks; the sitemaps and the project may not."""
    for i, ch in enumerate(text):
        try:
            same = ch.encode(HELP_CODEC).decode(HELP_CODEC) == ch
        except UnicodeEncodeError:
            if allow_references:
                continue
            same = False
        if not same:
            # Characters such as U+2212 encode but read back as another one.
            line = text.count("\n", 0, i) + 1
            raise BuildError(f"{path}:{line}: {ch!r} (U+{ord(ch):04X}) has no exact CP932 form")
    return text.encode(HELP_CODEC, errors="xmlcharrefreplace")


def stage_sources(source_dir, stage_dir):
    """Converts the project into the staging folder and returns the project name."""
    projects = [n for n in os.listdir(source_dir) if n.endswith(".hhp")]
    if len(projects) != 1:
        raise BuildError(f"{source_dir}: expected exactly one .hhp project")
    project = projects[0]
    options, files, _ = parse_project(read_utf8(os.path.join(source_dir, project)))
    contents = options.get("Contents file")
    index = options.get("Index file")
    if not contents or not index:
        raise BuildError(f"{project}: Contents file and Index file must be set")
    if not options.get("Language", "").lower().startswith("0x411"):
        raise BuildError(f"{project}: Language must be 0x411 (Japanese)")

    topics = sorted(n for n in os.listdir(source_dir) if n.endswith(".html"))
    unlisted = [n for n in topics if n not in files]
    if unlisted:
        raise BuildError(f"{project}: topics missing from [FILES]: {', '.join(unlisted)}")
    missing = [n for n in files if not os.path.isfile(os.path.join(source_dir, n))]
    if missing:
        raise BuildError(f"{project}: [FILES] names absent files: {', '.join(missing)}")

    if os.path.isdir(stage_dir):
        shutil.rmtree(stage_dir)
    os.makedirs(stage_dir)

    anchors, links = {}, {}
    for name in files:
        path = os.path.join(source_dir, name)
        if name.endswith(".html"):
            text = read_utf8(path)
            if text.count(SOURCE_META) != 1:
                raise BuildError(f"{name}: needs exactly one meta {SOURCE_META}")
            reader = TopicReader()
            reader.feed(text)
            anchors[name], links[name] = reader.anchors, reader.links
            data = encode_cp932(name, text.replace(SOURCE_META, STAGED_META), True)
        elif name.endswith(".css"):
            text = read_utf8(path)
            if not text.isascii():
                raise BuildError(f"{name}: stylesheets must be plain ASCII")
            data = text.encode("ascii")
        else:
            with open(path, "rb") as f:
                data = f.read()
        with open(os.path.join(stage_dir, name), "wb") as f:
            f.write(data)

    for name, targets in links.items():
        check_targets(name, targets, files, anchors)
    for name in (contents, index):
        text = read_utf8(os.path.join(source_dir, name))
        reader = SitemapReader()
        reader.feed(text)
        if not reader.locals:
            raise BuildError(f"{name}: no entries")
        check_targets(name, reader.locals, files, anchors)
        with open(os.path.join(stage_dir, name), "wb") as f:
            f.write(encode_cp932(name, text, False))

    text = read_utf8(os.path.join(source_dir, project))
    with open(os.path.join(stage_dir, project), "wb") as f:
        f.write(encode_cp932(project, text, False))
    return project, options["Compiled file"]


def compile_chm(chmcmd, stage_dir, project, compiled, output):
    result = subprocess.run([chmcmd, project], cwd=stage_dir,
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    log = result.stdout.decode("utf-8", errors="replace")
    built = os.path.join(stage_dir, compiled)
    if result.returncode != 0 or not os.path.isfile(built) or re.search(r"(?i)\berror\b", log):
        raise BuildError(f"chmcmd failed (exit {result.returncode}):\n{log}")
    tmp = output + ".tmp"
    shutil.copyfile(built, tmp)
    os.replace(tmp, output)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--chmcmd", default="chmcmd")
    parser.add_argument("source_dir")
    parser.add_argument("stage_dir")
    parser.add_argument("output")
    args = parser.parse_args()
    try:
        project, compiled = stage_sources(args.source_dir, args.stage_dir)
        compile_chm(args.chmcmd, args.stage_dir, project, compiled, args.output)
    except BuildError as e:
        print(f"build_chm: {e}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
