#!/usr/bin/env python3
"""Checks that every library's CMake links match what its sources include.

For each static library of the product (the add_library calls outside tests/ and bench/), the
project libraries it links must be exactly those whose headers its sources include: no link
without an include, no include without a link. Prints each mismatch and exits 1 when there is
one.
"""

import pathlib
import re
import sys

ROOT = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
PRODUCT_FOLDERS = ("strings", "app", "controls", "library", "speech", "recitation", "settings",
                   "commands", "companion", "memory")


def cmake_calls(text, name):
    """The argument lists of every call `name(...)` in a CMake file, comments removed."""
    text = re.sub(r"#[^\n]*", "", text)
    for match in re.finditer(name + r"\(([^)]*)\)", text):
        yield match.group(1).split()


def read_targets():
    """Each library's folder, source files and linked project libraries."""
    targets = {}
    for cmake in ROOT.glob("*/**/CMakeLists.txt"):
        folder = cmake.parent
        if folder.relative_to(ROOT).parts[0] not in PRODUCT_FOLDERS:
            continue
        text = cmake.read_text()
        for args in cmake_calls(text, "add_library"):
            name, sources = args[0], [a for a in args[1:] if a not in ("STATIC", "SHARED", "MODULE")]
            targets[name] = {"folder": folder, "sources": sources, "links": set()}
        for args in cmake_calls(text, "target_link_libraries"):
            if args[0] in targets:
                targets[args[0]]["links"] = {a for a in args[1:]
                                             if a not in ("PUBLIC", "PRIVATE", "INTERFACE")}
    return targets


def main():
    targets = read_targets()
    owner = {}
    for name, target in targets.items():
        for source in target["sources"]:
            path = (target["folder"] / source).relative_to(ROOT).as_posix()
            owner[path] = name
    failures = []
    for name, target in sorted(targets.items()):
        included = set()
        for source in target["sources"]:
            path = target["folder"] / source
            if not path.exists():
                continue
            for header in re.findall(r'^#include "([^"]+)"', path.read_text(), re.M):
                if header in owner and owner[header] != name:
                    included.add(owner[header])
        linked = {link for link in target["links"] if link in targets}
        for missing in sorted(included - linked):
            failures.append(f"{name} includes from {missing} without linking it")
        for unused in sorted(linked - included):
            failures.append(f"{name} links {unused} without including from it")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
