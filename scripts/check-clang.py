#!/usr/bin/env python3
"""Checks that the product's sources compile with clang as well as with gcc.

Runs `clang++ -fsyntax-only` over every product source of a build folder's
compile_commands.json, with the flags the build gives it, and prints what clang says of the
sources it refuses. Exits 1 when any is refused.
"""

import concurrent.futures
import json
import os
import pathlib
import shlex
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
PRODUCT_FOLDERS = ("strings", "app", "controls", "library", "speech", "recitation", "settings",
                   "commands", "companion", "memory")


def is_product_source(path):
    try:
        relative = pathlib.Path(path).resolve().relative_to(ROOT)
    except ValueError:
        return False
    return relative.parts[0] in PRODUCT_FOLDERS


def clang_arguments(entry):
    """The build's arguments for one source, with clang in place of the compiler (and of a
    launcher before it) and syntax checking in place of compiling."""
    arguments = entry.get("arguments") or shlex.split(entry["command"])
    while not arguments[0].endswith(("c++", "g++", "clang++")):
        arguments = arguments[1:]
    result = ["clang++", "-fsyntax-only"]
    skip = False
    for argument in arguments[1:]:
        if skip:
            skip = False
        elif argument == "-o":
            skip = True
        elif argument != "-c":
            result.append(argument)
    return result


def check(entry):
    process = subprocess.run(clang_arguments(entry), cwd=entry["directory"], capture_output=True,
                             text=True)
    return entry["file"], process.returncode, process.stderr


def main():
    build = pathlib.Path(sys.argv[1])
    entries = [entry for entry in json.loads((build / "compile_commands.json").read_text())
               if is_product_source(entry["file"])]
    refused = 0
    with concurrent.futures.ThreadPoolExecutor(os.cpu_count()) as pool:
        for source, code, messages in pool.map(check, entries):
            if code != 0:
                refused += 1
                print(f"clang refuses {source}:\n{messages}")
    print(f"{len(entries)} sources checked with clang, {refused} refused")
    return 1 if refused or not entries else 0


if __name__ == "__main__":
    sys.exit(main())
