#!/usr/bin/env python3
"""Writes the program icon: a clock in front of a calendar page with one day marked in green.

Regenerate from the repository root (the build does not run this; the outputs are committed):
    python3 resources/icon/make_icon.py
`--check` only compares the committed files with what this script would write (the tests run it).
Add `--preview /tmp/quorlane-icon.png` for an enlarged contact sheet of the three sizes.

Each size is drawn by hand as a pixel map, because shrinking one drawing blurs a 16x16 icon.
resources/quorlane.ico holds them as 16-colour BMPs so that every Windows shell, down to the oldest,
shows them unchanged. The Linux desktop gets the same maps as hicolor theme PNGs, the larger sizes
enlarged by whole numbers so that they stay sharp, and as an SVG of one square per pixel.
"""

import argparse
import pathlib
import struct
import sys
import zlib

# The standard Windows 16-colour palette in VGA order; each letter names a colour in the maps.
PALETTE = (
    ("K", 0x000000),  # black
    ("m", 0x800000),  # maroon
    ("g", 0x008000),  # green
    ("o", 0x808000),  # olive
    ("n", 0x000080),  # navy
    ("p", 0x800080),  # purple
    ("t", 0x008080),  # teal
    ("s", 0xC0C0C0),  # silver
    ("d", 0x808080),  # grey
    ("R", 0xFF0000),  # red
    ("G", 0x00FF00),  # lime
    ("Y", 0xFFFF00),  # yellow
    ("B", 0x0000FF),  # blue
    ("F", 0xFF00FF),  # fuchsia
    ("A", 0x00FFFF),  # aqua
    ("W", 0xFFFFFF),  # white
)
TRANSPARENT = "."
INDEX = {letter: index for index, (letter, _) in enumerate(PALETTE)}

ICON_32 = """
................................
......KK.........KK.............
......KK.........KK.............
.dddddKKdddddddddKKddddd........
.dRRRRKKRRRRRRRRRKKRRRRd........
.dRRRRKKRRRRRRRRRKKRRRRd........
.dRRRRRRRRRRRRRRRRRRRRRd........
.dRRRRRRRRRRRRRRRRRRRRRd........
.dmmmmmmmmmmmmmmmmmmmmmd........
.dWWWWWWWWWWWWWWWWWWWWWd........
.dWsssWsssWsssWsssWsssWd........
.dWsssWsssWsssWsssWsssWd........
.dWsssWsssWsssWsssWsssWd........
.dWWWWWWWWWWWWWWWWWWKKKKK.......
.dWsssWgggWsssWsssKKnnnnnKK.....
.dWsssWgggWsssWsKKnnWWWWWnnKK...
.dWsssWgggWsssWKnnWWWWKWWWWnnK..
.dWWWWWWWWWWWWWKnWWWWWKWWWWWnK..
.dWsssWsssWsssKnWWWWWWWWWWWWWnK.
.dWsssWsssWsssKnWWWWWWKWWWWWWnK.
.dWsssWsssWssKnWWWWWWWKWWWWWWWnK
.dWWWWWWWWWWWKnWWWWWWWKWWWWWWWnK
.dWsssWsssWssKnWKKWWWWKKKKWKKWnK
.dWsssWsssWssKnWWWWWWWWWWWWWWWnK
.dWsssWsssWssKnWWWWWWWWWWWWWWWnK
.dWWWWWWWWWWWWKnWWWWWWWWWWWWWnK.
.dddddddddddddKnWWWWWWWWWWWWWnK.
...............KnWWWWWKWWWWWnK..
...............KnnWWWWKWWWWnnK..
................KKnnWWWWWnnKK...
..................KKnnnnnKK.....
....................KKKKK.......
"""

ICON_24 = """
....KK......KK..........
....KK......KK..........
ddddKKddddddKKdddd......
dRRRKKRRRRRRKKRRRd......
dRRRRRRRRRRRRRRRRd......
dRRRRRRRRRRRRRRRRd......
dmmmmmmmmmmmmmmmmd......
dWWWWWWWWWWWWWWWWd......
dWssWssWssWssWssWd......
dWssWssWssWssWKKKKK.....
dWWWWWWWWWWWKKnnnnnKK...
dWssWggWssWKnnWWKWWnnK..
dWssWggWssKnWWWWWWWWWnK.
dWWWWWWWWWKnWWWWKWWWWnK.
dWssWssWsKnWWWWWKWWWWWnK
dWssWssWsKnWWWWWKWWWWWnK
dWWWWWWWWKnKWWWWKKKWWKnK
dWssWssWsKnWWWWWWWWWWWnK
dWssWssWsKnWWWWWWWWWWWnK
dWWWWWWWWWKnWWWWWWWWWnK.
ddddddddddKnWWWWWWWWWnK.
...........KnnWWKWWnnK..
............KKnnnnnKK...
..............KKKKK.....
"""

ICON_16 = """
...K....K.......
dddKddddKddd....
dRRKRRRRKRRd....
dRRRRRRRRRRd....
dWWWWWWWWWWd....
dWssWggWssWd....
dWssWggWsKKKK...
dWWWWWWKKnnnnKK.
dWssWssKnWKWWnK.
dWssWsKnWWKWWWnK
dWWWWWKnWWKKKWnK
dWssWsKnWWWWWWnK
dWssWsKnWWWWWWnK
dddddddKnWWWWnK.
.......KKnnnnKK.
.........KKKK...
"""

MAPS = (ICON_32, ICON_24, ICON_16)


def parse_map(text):
    """Returns the rows of a square map as lists of palette indices, None where transparent."""
    rows = text.split()
    size = len(rows)
    for row in rows:
        if len(row) != size:
            raise ValueError(f"map of {size} rows has a row of {len(row)} pixels: {row}")
    try:
        return [[None if c == TRANSPARENT else INDEX[c] for c in row] for row in rows]
    except KeyError as error:
        raise ValueError(f"unknown colour letter {error}") from None


def padded_row(data):
    """BMP rows end on a 4-byte boundary."""
    return data + bytes(-len(data) % 4)


def bmp_image(pixels):
    """A BITMAPINFOHEADER image with its colour table, 4-bpp colour bits and 1-bpp AND mask."""
    size = len(pixels)
    colour_rows, mask_rows = [], []
    for row in reversed(pixels):  # bottom-up
        # Transparent pixels carry colour 0 so that the XOR pass leaves the screen as it was.
        indices = [0 if p is None else p for p in row]
        packed = bytes(high << 4 | low for high, low in zip(indices[::2], indices[1::2]))
        colour_rows.append(padded_row(packed))
        mask = 0
        for p in row:
            mask = mask << 1 | (p is None)
        mask_rows.append(padded_row(mask.to_bytes(size // 8, "big")))
    bits = b"".join(colour_rows) + b"".join(mask_rows)
    # The height counts both the colour and the mask halves.
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 4, 0, len(bits), 0, 0, 0, 0)
    colours = b"".join(struct.pack("<BBBB", rgb & 0xFF, rgb >> 8 & 0xFF, rgb >> 16, 0)
                       for _, rgb in PALETTE)
    return header + colours + bits


def ico_file(images):
    """An ICONDIR, one ICONDIRENTRY per image, then the images in the same order."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries, bodies = b"", b""
    for pixels in images:
        body = bmp_image(pixels)
        size = len(pixels)
        entries += struct.pack("<BBBBHHII", size, size, len(PALETTE), 0, 1, 4, len(body), offset)
        bodies += body
        offset += len(body)
    return directory + entries + bodies


def png_file(rows):
    """A minimal PNG of RGB or RGBA pixel tuples, written without third-party modules."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    height, width = len(rows), len(rows[0])
    colour_type = 6 if len(rows[0][0]) == 4 else 2
    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in rows)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def rgb(index):
    value = PALETTE[index][1]
    return value >> 16, value >> 8 & 0xFF, value & 0xFF


def enlarged_rgba(pixels, scale):
    """Each map pixel as a scale x scale square; transparent pixels get alpha 0."""
    rows = []
    for row in pixels:
        wide = [(0, 0, 0, 0) if p is None else rgb(p) + (255,) for p in row for _ in range(scale)]
        rows.extend([wide] * scale)
    return rows


def svg_file(pixels):
    """One rectangle per horizontal run of a colour, on the map's own grid."""
    size = len(pixels)
    rects = []
    for y, row in enumerate(pixels):
        x = 0
        while x < size:
            end = x
            while end < size and row[end] == row[x]:
                end += 1
            if row[x] is not None:
                rects.append(f'<rect x="{x}" y="{y}" width="{end - x}" height="1" '
                             f'fill="#{PALETTE[row[x]][1]:06x}"/>')
            x = end
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" '
            f'viewBox="0 0 {size} {size}" shape-rendering="crispEdges">\n'
            + "".join(f"  {rect}\n" for rect in rects) + "</svg>\n").encode()


# hicolor theme size: (map size, enlargement). 48 doubles the 24 map, the rest enlarge the 32.
HICOLOR = {16: (16, 1), 24: (24, 1), 32: (32, 1), 48: (24, 2), 64: (32, 2), 128: (32, 4),
           256: (32, 8)}


def outputs(resources, images):
    """Every committed file this script writes, by path."""
    by_size = {len(pixels): pixels for pixels in images}
    hicolor = resources / "icon" / "hicolor"
    files = {resources / "quorlane.ico": ico_file(images),
             hicolor / "scalable" / "apps" / "quorlane.svg": svg_file(by_size[32])}
    for size, (source, scale) in HICOLOR.items():
        path = hicolor / f"{size}x{size}" / "apps" / "quorlane.png"
        files[path] = png_file(enlarged_rgba(by_size[source], scale))
    return files


def contact_sheet(images, scale, margin=8):
    """The sizes side by side, enlarged, on a checkerboard that shows the transparent pixels."""
    largest = max(len(pixels) for pixels in images)
    width = margin + sum(len(pixels) * scale + margin for pixels in images)
    height = largest * scale + 2 * margin
    sheet = [[(255, 255, 255)] * width for _ in range(height)]
    left = margin
    for pixels in images:
        for y in range(len(pixels) * scale):
            for x in range(len(pixels) * scale):
                index = pixels[y // scale][x // scale]
                if index is None:
                    shade = 204 if (x // 4 + y // 4) % 2 else 153
                    colour = (shade, shade, shade)
                else:
                    colour = rgb(index)
                sheet[margin + y][left + x] = colour
        left += len(pixels) * scale + margin
    return sheet


def main():
    resources = pathlib.Path(__file__).resolve().parent.parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare, write nothing")
    parser.add_argument("--preview", type=pathlib.Path, help="also write an enlarged PNG here")
    parser.add_argument("--scale", type=int, default=8, help="preview enlargement")
    args = parser.parse_args()

    images = [parse_map(text) for text in MAPS]
    files = outputs(resources, images)
    if args.check:
        stale = [str(path) for path, data in files.items()
                 if not path.is_file() or path.read_bytes() != data]
        for path in stale:
            print(f"{path} differs from what {pathlib.Path(__file__).name} writes")
        return 1 if stale else 0
    for path, data in files.items():
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)
    if args.preview:
        args.preview.write_bytes(png_file(contact_sheet(images, args.scale)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
