#!/usr/bin/env python3
"""Read a tag data file the way the editor reads it and check its structure.

    python3 tools/vocabulary/check_tagfile.py [data/Data/Tags.txt]

The reader below follows the editor's line-by-line state machine (top level,
tag body, argument body; keyword tests in the editor's order), so a file that
passes here means the same to the editor. On top of reading it checks what the
editor does not: every tag and argument has a name in upper case and an info
text (event handlers may go without), names are unique, at most 10 "(WITHIN)" lines, parents exist, "ROOT"
only first, and no argument lost its kind. When the file is the generated
default vocabulary it is also compared, tag by tag, with the table it was
generated from. Exit status 1 on any finding.
"""

import os
import sys
from dataclasses import dataclass, field

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_FILE = os.path.join(HERE, "..", "..", "data", "Data", "Tags.txt")
FLAG_KEYWORDS = {"(PERCENT)": "percent", "(COLOR)": "color", "(IMAGE)": "image",
                 "(JAVASCRIPT)": "javascript", "(STRING)": "string",
                 "(WINDOWNAME)": "windowname", "(URL)": "url", "(FONT)": "font",
                 "(LINK)": "link"}
MAX_WITHIN = 10


@dataclass
class Arg:
    name: str = ""
    flags: set = field(default_factory=set)
    values: list = field(default_factory=list)
    info: str = ""


@dataclass
class Tag:
    name: str = ""
    open: bool = False
    suspend: bool = False
    total_suspend: bool = False
    within: list = field(default_factory=list)
    group: str = ""
    info: str = ""
    args: list = field(default_factory=list)


class Reader:
    """The editor's three-level reader: top level, tag body, argument body."""

    def __init__(self):
        self.tags, self.groups = [], []
        self.level = "top"
        self.pending_tag = self.pending_arg = ""
        self.current_tag, self.current_arg = Tag(), Arg()

    def line(self, line):
        {"top": self.top_line, "tag": self.tag_line, "arg": self.arg_line}[self.level](line)

    def finish(self):
        if self.level == "arg":
            self.close_arg()
        if self.level == "tag":
            self.close_tag()

    def top_line(self, line):
        if line == "{":
            self.current_tag.name, self.level = self.pending_tag, "tag"
        else:
            self.pending_tag = line

    def tag_line(self, line):
        # A line may match several of these tests, as in the editor.
        tag = self.current_tag
        if line == "(OPEN)":
            tag.open = True
        if line.startswith("(WITHIN)"):
            tag.within.append(line[len("(WITHIN)"):].strip())
        if line.startswith("(GROUP)"):
            tag.group = line[len("(GROUP)"):].strip()
            if tag.group not in self.groups:
                self.groups.append(tag.group)
        if line == "(SUSPEND)":
            tag.suspend = True
        if line == "(TOTALSUSPEND)":
            tag.total_suspend = True
        if line.startswith("(INFO)"):
            tag.info = line[len("(INFO)"):]
        if line == "{":
            self.current_arg.name, self.level = self.pending_arg, "arg"
        elif line == "}":
            self.close_tag()
        else:
            self.pending_arg = line

    def arg_line(self, line):
        arg = self.current_arg
        if line == "}":
            self.close_arg()
        elif line.startswith("(INTEGER)"):
            arg.flags.add("integer")
        elif line in FLAG_KEYWORDS:
            arg.flags.add(FLAG_KEYWORDS[line])
        elif line.startswith("(INFO)"):
            arg.info = line[len("(INFO)"):]
        else:
            arg.values.append(line)

    def close_arg(self):
        self.current_tag.args.append(self.current_arg)
        self.current_arg, self.level = Arg(), "tag"

    def close_tag(self):
        self.tags.append(self.current_tag)
        self.current_tag, self.level = Tag(), "top"


def read_tag_file(text):
    reader = Reader()
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    for raw in lines:
        reader.line(raw.strip(" \t\r\n\v\f"))
    reader.finish()
    return reader


def structure_findings(reader):
    findings = []
    names = [tag.name for tag in reader.tags]
    known = set(names)
    for name in sorted({n for n in names if names.count(n) > 1}):
        findings.append(f"{name}: defined twice")
    for tag in reader.tags:
        findings += tag_findings(tag, known)
    return findings


def is_event_handler(arg):
    # Only the common handlers carry an info line; the rest are left bare.
    return arg.name.startswith("ON") and arg.flags == {"javascript"}


def tag_findings(tag, known):
    where, found = tag.name or "<empty name>", []
    if not tag.name or tag.name != tag.name.upper():
        found.append(f"{where}: name is empty or not upper case")
    if not tag.info.strip():
        found.append(f"{where}: no info text")
    if not tag.group:
        found.append(f"{where}: no group (not in the Insert Tag tree)")
    if not tag.within:
        found.append(f"{where}: no (WITHIN) line, the checker rejects it everywhere")
    if len(tag.within) > MAX_WITHIN:
        found.append(f"{where}: more than {MAX_WITHIN} (WITHIN) lines")
    found += [f"{where}: (WITHIN) {p} is not a tag" for p in tag.within
              if p != "ROOT" and p not in known]
    if "ROOT" in tag.within[1:]:
        found.append(f"{where}: ROOT after the first (WITHIN) line counts as a tag name")
    arg_names = [arg.name for arg in tag.args]
    found += [f"{where}: argument {n} twice" for n in sorted(set(arg_names))
              if arg_names.count(n) > 1]
    for arg in tag.args:
        if not arg.name or arg.name != arg.name.upper():
            found.append(f"{where} {arg.name!r}: argument name empty or not upper case")
        if not arg.info.strip() and not is_event_handler(arg):
            found.append(f"{where} {arg.name}: no info text")
        if "" in arg.values:
            found.append(f"{where} {arg.name}: a blank line became an empty value")
    return found


def table_findings(reader):
    """Compare the file with the table it is generated from."""
    sys.path.insert(0, os.path.join(HERE, ".."))
    import gen_tags  # noqa: E402
    from model import BOOL, KEYWORDS  # noqa: E402
    expected = gen_tags.file_order()
    if [t.name for t in reader.tags] != [el.name for el in expected]:
        return ["tag list differs from the table: run tools/gen_tags.py"]
    findings = []
    for tag, element in zip(reader.tags, expected):
        want = (element.group, list(element.within), element.void, element.suspend, element.info)
        have = (tag.group, tag.within, tag.open, tag.suspend, tag.info)
        if want != have:
            findings.append(f"{tag.name}: tag keywords differ from the table")
        attrs = gen_tags.all_attrs(element)
        if [arg.name for arg in tag.args] != [attr.name for attr in attrs]:
            findings.append(f"{tag.name}: argument list differs from the table")
            continue
        for arg, attr in zip(tag.args, attrs):
            flags = {FLAG_KEYWORDS.get(k, "integer") for k in KEYWORDS[attr.kind]}
            values = [attr.name] if attr.kind == BOOL else list(attr.values)
            if arg.flags != flags or arg.values != values:
                findings.append(f"{tag.name} {arg.name}: kind or values differ from the table")
    return findings


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_FILE
    with open(path, encoding="utf-8") as handle:
        reader = read_tag_file(handle.read())
    findings = structure_findings(reader)
    if os.path.samefile(path, DEFAULT_FILE):
        findings += table_findings(reader)
    args = sum(len(tag.args) for tag in reader.tags)
    print(f"{path}: {len(reader.tags)} tags, {args} arguments, {len(reader.groups)} groups "
          f"({', '.join(reader.groups)})")
    for finding in findings:
        print(finding)
    print("structure ok" if not findings else f"{len(findings)} findings")
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main())
