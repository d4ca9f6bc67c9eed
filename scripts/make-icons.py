#!/usr/bin/python3
"""Draws Lexado's icon for the hicolor theme: resources/icons/lexado.svg and one PNG per size in
resources/icons/<N>x<N>/lexado.png.

The icon is the picture of resources/pictures/lexado.png redrawn as shapes on a 128-unit
square: a blue rounded card with a darker rim, a white "Lx" and a red line under it. The same
shapes give the SVG and, drawn by ImageMagick at each size, the PNGs, so every size is sharp
rather than scaled from another.

Usage: scripts/make-icons.py
Needs ImageMagick's convert (Debian package imagemagick).
"""

import pathlib
import subprocess

REPO = pathlib.Path(__file__).resolve().parent.parent
ICONS = REPO / "resources" / "icons"
SIZES = (16, 22, 24, 32, 48, 64, 128, 256, 512)
UNITS = 128

RIM = "#005bb5"
CARD = "#0080ff"
LETTERS = "#ffffff"
LINE = "#ff0000"

# (colour, kind, numbers): "rect" is x, y, width, height, corner radius; "polygon" is x, y pairs.
SHAPES = (
    (RIM, "rect", (4, 16, 120, 96, 14)),
    (CARD, "rect", (9, 21, 110, 86, 9)),
    (LETTERS, "polygon", (33.5, 36, 44.5, 36, 44.5, 67.5, 61.5, 67.5, 61.5, 75, 33.5, 75)),
    (LETTERS, "polygon", (63.5, 46, 75, 46, 97, 75, 85.5, 75)),
    (LETTERS, "polygon", (85, 46, 96.5, 46, 74.5, 75, 63, 75)),
    (LINE, "rect", (22, 89, 63, 7, 0)),
)


def number(value):
    return f"{value:g}"


def svg_shape(colour, kind, values):
    if kind == "rect":
        x, y, width, height, radius = map(number, values)
        return (f'  <rect x="{x}" y="{y}" width="{width}" height="{height}" rx="{radius}" '
                f'fill="{colour}"/>')
    points = " ".join(f"{number(values[i])},{number(values[i + 1])}"
                      for i in range(0, len(values), 2))
    return f'  <polygon points="{points}" fill="{colour}"/>'


def svg():
    shapes = "\n".join(svg_shape(*shape) for shape in SHAPES)
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{UNITS}" height="{UNITS}" '
            f'viewBox="0 0 {UNITS} {UNITS}">\n{shapes}\n</svg>\n')


def drawing(size):
    """The shapes in ImageMagick's drawing language, scaled to a size x size picture."""
    commands = [f"scale {number(size / UNITS)},{number(size / UNITS)}"]
    for colour, kind, values in SHAPES:
        commands.append(f"fill '{colour}'")
        if kind == "rect":
            x, y, width, height, radius = values
            corners = f"{number(x)},{number(y)} {number(x + width)},{number(y + height)}"
            if radius:
                commands.append(f"roundrectangle {corners} {number(radius)},{number(radius)}")
            else:
                commands.append(f"rectangle {corners}")
        else:
            points = " ".join(f"{number(values[i])},{number(values[i + 1])}"
                              for i in range(0, len(values), 2))
            commands.append(f"polygon {points}")
    return " ".join(commands)


def main():
    ICONS.mkdir(exist_ok=True)
    (ICONS / "lexado.svg").write_text(svg(), encoding="utf-8")
    for size in SIZES:
        folder = ICONS / f"{size}x{size}"
        folder.mkdir(exist_ok=True)
        # -strip and a fixed PNG format keep the bytes the same from run to run.
        subprocess.run(["convert", "-size", f"{size}x{size}", "xc:none", "-draw", drawing(size),
                        "-strip", "-define", "png:exclude-chunks=date,time",
                        f"PNG32:{folder / 'lexado.png'}"], check=True)


if __name__ == "__main__":
    main()
