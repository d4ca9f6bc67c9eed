#!/usr/bin/python3
"""Builds resources/fonts/Lxdphone.ttf, the font Lexado draws phonetic transcriptions in.

The font is cut from Doulos SIL (Debian package fonts-sil-doulos), or from DejaVu Sans
(fonts-dejavu-core) when Doulos is not installed:

  * only the characters a transcription needs are kept, so the file stays small;
  * the family is renamed to "DARizaz LXD" (the SIL Open Font License does not let a
    modified font keep the reserved name "Doulos");
  * "2" and "3" are mapped to the "[" and "]" glyphs, because Lexado frames every
    transcription as " 2" + ipa + "3 ";
  * the head table's timestamps are pinned, so the same source font always gives the
    same bytes.

It also writes the source font's licence beside the output as <name>-LICENSE.txt.

Usage: scripts/make-phonetic-font.py [SOURCE.ttf [OUTPUT.ttf]]
Needs fontTools (Debian package python3-fonttools).
"""

import argparse
import sys
from pathlib import Path

from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "DARizaz LXD"
POSTSCRIPT_FAMILY = "DARizazLXD"

REPO = Path(__file__).resolve().parent.parent
DEFAULT_OUTPUT = REPO / "resources" / "fonts" / "Lxdphone.ttf"
SOURCE_CANDIDATES = [
    Path("/usr/share/fonts/truetype/doulos/DoulosSIL-Regular.ttf"),
    Path("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"),
]
# Where Debian keeps the licence of each font we know how to start from.
LICENSE_FILES = {
    "Doulos": Path("/usr/share/doc/fonts-sil-doulos/copyright"),
    "DejaVu": Path("/usr/share/doc/fonts-dejavu-core/copyright"),
}

# Characters kept in the font (inclusive ranges). Anything the source font lacks is skipped.
KEPT_RANGES = [
    (0x0020, 0x007E),  # Basic Latin
    (0x00A0, 0x00FF),  # Latin-1 Supplement
    (0x0100, 0x017F),  # Latin Extended-A
    (0x0180, 0x024F),  # Latin Extended-B
    (0x0250, 0x02AF),  # IPA Extensions
    (0x02B0, 0x02FF),  # Spacing Modifier Letters: ˈ ˌ ː ʰ ʲ, tone letters ˥..˩
    (0x0300, 0x036F),  # Combining Diacritical Marks: ̃ ̩ ̯ ͡ ...
    (0x1D00, 0x1DBF),  # Phonetic Extensions (+ Supplement): ᵻ ᵊ ᶑ ...
    (0x1DC0, 0x1DFF),  # Combining Diacritical Marks Supplement: contour tone marks
    (0xA700, 0xA71F),  # Modifier Tone Letters: ꜛ ꜜ
    (0x2010, 0x2027),  # dashes, quotes, ‖, ellipsis
    (0x200B, 0x200D),  # zero width space / non-joiner / joiner
]
KEPT_CHARS = [
    0x03B2,  # β
    0x03B8,  # θ
    0x03C7,  # χ
    0x203F,  # ‿ linking (liaison)
    0x2060,  # word joiner
    0x2191, 0x2193,  # ↑ ↓ upstep, downstep
    0x2197, 0x2198,  # ↗ ↘ global rise, global fall
    0x2C71,  # ⱱ labiodental flap
    0x25CC,  # ◌ dotted circle, drawn by the shaper under a stray combining mark
]

# name IDs carried over: copyright, family, style, unique id, full name, version,
# PostScript name, trademark, manufacturer, designer, vendor/designer URLs, licence text
# and URL, typographic family/style. The description (10) talks about the whole source
# font, so it goes.
KEPT_NAME_IDS = [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 16, 17]


def default_source():
    for path in SOURCE_CANDIDATES:
        if path.is_file():
            return path
    sys.exit("no source font: install fonts-sil-doulos (or fonts-dejavu-core), or pass a .ttf")


def kept_unicodes(font):
    wanted = set(KEPT_CHARS)
    for first, last in KEPT_RANGES:
        wanted.update(range(first, last + 1))
    return sorted(wanted & set(font.getBestCmap()))


def map_digits_to_brackets(font):
    """Lexado frames a transcription as " 2" + ipa + "3 "; here 2 and 3 draw as [ and ]."""
    for table in font["cmap"].tables:
        if not table.isUnicode() or table.format == 14:
            continue
        if 0x5B not in table.cmap or 0x5D not in table.cmap:
            sys.exit("the source font has no [ or ] glyph")
        table.cmap[0x32] = table.cmap[0x5B]
        table.cmap[0x33] = table.cmap[0x5D]


def rename(font):
    """Gives the font its own family name; copyright and licence records stay as they are."""
    names = font["name"]
    old_family = (names.getDebugName(16) or names.getDebugName(1)).strip()
    style = (names.getDebugName(17) or names.getDebugName(2) or "Regular").strip()
    version = (names.getDebugName(5) or "").replace("Version", "").split(";")[0].strip()
    for record in names.names:
        text = record.toUnicode()
        if record.nameID in (1, 4, 16):
            record.string = text.replace(old_family, FAMILY)
            if FAMILY not in record.toUnicode():
                record.string = FAMILY if record.nameID != 4 else f"{FAMILY} {style}"
        elif record.nameID == 6:
            suffix = text.partition("-")[2]
            record.string = f"{POSTSCRIPT_FAMILY}-{suffix}" if suffix else POSTSCRIPT_FAMILY
        elif record.nameID == 3:
            record.string = f"Lexado: {FAMILY} {style}: {version}".rstrip(": ")
    return old_family


def make_font(source, output):
    # recalcTimestamp=False keeps save() from stamping the current time into head.modified.
    font = TTFont(str(source), recalcTimestamp=False)
    copyright_line = (font["name"].getDebugName(0) or "").strip()
    created, modified = font["head"].created, font["head"].modified

    map_digits_to_brackets(font)

    options = subset.Options()
    options.name_IDs = KEPT_NAME_IDS
    options.notdef_outline = True  # keep the visible box for missing characters
    options.glyph_names = False  # post format 3: glyph names are dead weight here
    options.recalc_timestamp = False
    # Tables the subsetter cannot cut down (SIL's Silt and Graphite, FontForge's FFTM) would
    # be dropped with a warning anyway; drop them quietly.
    options.drop_tables += ["Silt", "Silf", "Glat", "Gloc", "Feat", "Sill", "FFTM"]
    subsetter = subset.Subsetter(options=options)
    subsetter.populate(unicodes=kept_unicodes(font))
    subsetter.subset(font)

    old_family = rename(font)

    # Take the timestamps from the source, not from the clock: reruns give identical bytes.
    font["head"].created = created
    font["head"].modified = modified

    output.parent.mkdir(parents=True, exist_ok=True)
    font.save(str(output))
    return old_family, copyright_line


def debian_license_text(copyright_file):
    """The licence of the "Files: *" paragraph of a Debian machine-readable copyright file."""
    paragraphs = [p for p in copyright_file.read_text(encoding="utf-8").split("\n\n") if p.strip()]

    def fields(paragraph):
        result, key = {}, None
        for line in paragraph.splitlines():
            if line[:1] in (" ", "\t") and key:
                result[key].append(line)
            elif ":" in line:
                key, _, value = line.partition(":")
                result[key] = [value.strip()]
        return result

    def unfold(lines):
        return "\n".join("" if line.strip() == "." else line[1:].rstrip() for line in lines)

    parsed = [fields(p) for p in paragraphs]
    for files in parsed:
        if files.get("Files", [""])[0] != "*" or "License" not in files:
            continue
        short_name, *body = files["License"]
        if body:
            return short_name, unfold(body)
        for standalone in parsed:
            lines = standalone.get("License", [])
            if "Files" not in standalone and lines[:1] == [short_name] and lines[1:]:
                return short_name, unfold(lines[1:])
    return None, None


def write_license(output, old_family, copyright_line):
    license_path = output.with_name(output.stem + "-LICENSE.txt")
    copyright_file = next((f for key, f in LICENSE_FILES.items() if key in old_family), None)
    if copyright_file is None or not copyright_file.is_file():
        print(f"warning: no licence text found for {old_family}; {license_path.name} not written",
              file=sys.stderr)
        return None
    short_name, text = debian_license_text(copyright_file)
    if text is None:
        print(f"warning: could not read the licence from {copyright_file}", file=sys.stderr)
        return None
    header = (
        f"{output.name} (family \"{FAMILY}\") is derived from {old_family} by "
        f"scripts/make-phonetic-font.py.\n"
        f"Original copyright: {copyright_line}\n"
        f"Licence ({short_name}), as shipped in {copyright_file}:\n"
    )
    license_path.write_text(f"{header}\n{text.rstrip()}\n", encoding="utf-8")
    return license_path


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("source", nargs="?", type=Path, help="source .ttf (default: Doulos SIL)")
    parser.add_argument("output", nargs="?", type=Path, default=DEFAULT_OUTPUT,
                        help=f"output .ttf (default: {DEFAULT_OUTPUT.relative_to(REPO)})")
    args = parser.parse_args()
    source = args.source or default_source()

    old_family, copyright_line = make_font(source, args.output)
    license_path = write_license(args.output, old_family, copyright_line)
    print(f"{args.output}: {args.output.stat().st_size} bytes, from {source}")
    if license_path:
        print(f"{license_path}: licence of {old_family}")


if __name__ == "__main__":
    main()
