#!/usr/bin/env python3
"""Checks that the help quotes the program's own texts.

The help names labels, buttons, menu items, status-bar help lines and message
box texts exactly as the program shows them. This check looks each of them up
in the program's resource scripts and sources, so a text renamed on one side
only is caught:

- every text marked class="ui" in a topic (labels, buttons, menu items);
- every row of the menu tables in menus.html (item and its help line);
- the menu items and status-bar names in modes.html and sortorder.html, and
  the status-bar names of the generation 7 to 9 modes in gen79.html;
- every message in the first column of messages.html.

A menu item as the help shows it, "設定(O)", is the resource text "設定(&O)",
with or without the shortcut key that follows a tab ("開く(&O)...\tCtrl+O").

Usage: check_ui_texts.py HELP_DIR REPO_ROOT
"""

import glob
import html.parser
import os
import re
import sys


class CellReader(html.parser.HTMLParser):
    """Collects the texts of class="ui" elements and the rows of each table."""

    def __init__(self):
        super().__init__()
        self.ui_texts = []
        self.rows = []
        self.stack = []  # [tag, is_ui, text]
        self.row = None

    def handle_starttag(self, tag, attrs):
        if tag in ("br", "meta", "link"):
            return
        a = dict(attrs)
        if tag == "tr":
            self.row = []
        self.stack.append([tag, a.get("class") == "ui", ""])

    def handle_endtag(self, tag):
        while self.stack:
            open_tag, is_ui, text = self.stack.pop()
            if self.stack:
                self.stack[-1][2] += text
            if is_ui:
                self.ui_texts.append(text.strip())
            if open_tag in ("td", "th") and self.row is not None:
                self.row.append(text.strip())
            if open_tag == "tr" and self.row is not None:
                self.rows.append(self.row)
                self.row = None
            if open_tag == tag:
                break

    def handle_data(self, data):
        if self.stack:
            self.stack[-1][2] += data


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def resource_forms(text):
    """The resource spellings of a text the help shows: "設定(O)" -> "設定(&O)"."""
    text = text.strip("「」")
    forms = {text}
    m = re.match(r"^(.*)\((.)\)(\.\.\.)?$", text)
    if m:
        forms.add(f"{m.group(1)}(&{m.group(2)}){m.group(3) or ''}")
    return forms


def main():
    help_dir, root = sys.argv[1], sys.argv[2]
    program = ""
    # The engine holds the judge's verdicts, the document the copy line's words.
    for pattern in ("res/*.rc", "ui/*.cpp", "ui/*.h", "tools/*.cpp", "tools/*.h",
                    "data/*.cpp", "engine/*.cpp", "document/*.cpp"):
        for path in sorted(glob.glob(os.path.join(root, pattern))):
            program += read(path)
    quoted = set(re.findall(r'"((?:[^"\\]|\\.)*)"', program))
    # A menu item's shortcut key follows a tab: "開く(&O)...\tCtrl+O".
    quoted |= {text.split("\\t")[0] for text in quoted}

    def known(text):
        return any(form in quoted for form in resource_forms(text))

    failures, checked = [], 0

    def expect(where, text):
        nonlocal checked
        checked += 1
        if not known(text):
            failures.append(f"{where}: '{text}' is not a text of the program")

    readers = {}
    for path in sorted(glob.glob(os.path.join(help_dir, "*.html"))):
        reader = CellReader()
        reader.feed(read(path))
        readers[os.path.basename(path)] = reader
        for text in reader.ui_texts:
            expect(os.path.basename(path), text)

    for row in readers["menus.html"].rows:
        if len(row) == 2 and row[0] != "項目":
            expect("menus.html", row[0])
            expect("menus.html", row[1])
    for row in readers["modes.html"].rows:
        if len(row) >= 2 and re.search(r"\(.\)$", row[0]):
            expect("modes.html", row[0])
            expect("modes.html", row[1])
    for row in readers["gen79.html"].rows[1:4]:
        expect("gen79.html", row[0])
    for row in readers["sortorder.html"].rows[1:]:
        expect("sortorder.html", row[0])
    for row in readers["messages.html"].rows[1:]:
        expect("messages.html", row[0])

    for failure in failures:
        print("FAIL:", failure)
    if failures or checked == 0:
        return 1
    print(f"ok: {checked} quoted program texts found in the resources and sources")
    return 0


if __name__ == "__main__":
    sys.exit(main())
