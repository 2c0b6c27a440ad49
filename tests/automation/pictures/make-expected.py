#!/usr/bin/python3
"""Writes the pictures that no Debian package ships, then what every picture in this folder
should look like once loaded, as decoded by Pillow (Debian's python3-pil), into expected/NAME.png.

Run by hand when a picture is added or changed (python3-pil is needed here only, never by the
tests):  tests/automation/pictures/make-expected.py

An expected file is 8-bit RGBA without colour chunks:
  - a bitmap picture (BMP, PNG, GIF, JPEG): RGB is the bitmap's pixel, A is 0 where a GIF's
    transparent pixels leave the background unpainted and 255 elsewhere. PNG alpha is blended over
    the button face (192, 192, 192) as the loader does: (c x a + b x (255 - a) + 127) // 255.
  - an icon picture (ICO): the icon drawn over ICON_BACKGROUND, A = 255. A 32-bit or PNG entry is
    blended with its alpha as above; any other depth is drawn as the platform draws it, the AND mask
    then the XOR image, so a masked pixel that is not black inverts the background's bits.
"""

import io
import os
import struct
import zlib

from PIL import Image, IcoImagePlugin, PngImagePlugin

HERE = os.path.dirname(os.path.abspath(__file__))
EXPECTED = os.path.join(HERE, "expected")
BUTTON_FACE = (192, 192, 192)
ICON_BACKGROUND = (60, 120, 180)


def blend(c, a, b):
    return (c * a + b * (255 - a) + 127) // 255


def blended(rgba, back):
    r, g, b, a = rgba
    return (blend(r, a, back[0]), blend(g, a, back[1]), blend(b, a, back[2]), 255)


def rgba_pixels(image):
    """Pillow's RGBA for any mode, 16-bit grey cut to its high byte as the loader cuts it."""
    if image.mode in ("I", "I;16", "I;16B"):
        grey = [v >> 8 for v in image.getdata()]
        return [(v, v, v, 255) for v in grey]
    return list(image.convert("RGBA").getdata())


def save_expected(name, size, pixels):
    out = Image.new("RGBA", size)
    out.putdata(pixels)
    out.save(os.path.join(EXPECTED, name + ".png"), optimize=True)


def expect_bitmap(name, image):
    """A PNG or JPEG: the bitmap holds alpha blended over the button face."""
    save_expected(name, image.size, [blended(p, BUTTON_FACE) for p in rgba_pixels(image)])


def expect_gif(name, image):
    """A GIF: transparent pixels are left unpainted (A = 0); the bitmap holds the button face there."""
    pixels = [(r, g, b, 255) if a == 255 else BUTTON_FACE + (0,) for r, g, b, a in rgba_pixels(image)]
    save_expected(name, image.size, pixels)


def icon_entry_depth(data, size):
    """The bit depth of the directory entry of `size` as its image says it (a PNG image is 32)."""
    for i in range(struct.unpack("<H", data[4:6])[0]):
        width, height, _, _, _, _, length, offset = struct.unpack("<BBBBHHII", data[6 + 16 * i:22 + 16 * i])
        if (width or 256, height or 256) == size:
            image = data[offset:offset + length]
            return 32 if image[:4] == b"\x89PNG" else struct.unpack("<H", image[14:16])[0]
    raise ValueError("no entry of size %s" % (size,))


def expect_icon(name, path):
    """An ICO: the entry nearest 32 x 32 drawn over ICON_BACKGROUND."""
    data = open(path, "rb").read()
    ico = IcoImagePlugin.IcoFile(io.BytesIO(data))
    size = sorted(ico.sizes(), key=lambda s: (abs(s[0] - 32) + abs(s[1] - 32), s[0] * s[1]))[0]
    image = ico.getimage(size)
    if icon_entry_depth(data, size) == 32:
        pixels = [blended(p, ICON_BACKGROUND) for p in rgba_pixels(image)]
    else:
        back = ICON_BACKGROUND
        pixels = [(r, g, b, 255) if a else (back[0] ^ r, back[1] ^ g, back[2] ^ b, 255)
                  for r, g, b, a in rgba_pixels(image)]
    save_expected(name, image.size, pixels)


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def write_png(path, width, height, depth, colour_type, rows, extra=b""):
    """A PNG written chunk by chunk: Pillow cannot write 16-bit colour or every ancillary chunk."""
    raw = b"".join(b"\0" + row for row in rows)
    ihdr = struct.pack(">IIBBBBB", width, height, depth, colour_type, 0, 0, 0)
    data = b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", ihdr) + extra
    data += png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


def make_generated():
    """The cases no package ships, made from the Debian pictures beside them where they need content."""
    rose = Image.open(os.path.join(HERE, "im-rose.jpg")).convert("RGB")
    # A progressive JPEG with 4:2:0 chroma (the ImageMagick thumbnail is progressive 4:4:4).
    rose.save(os.path.join(HERE, "gen-progressive-420.jpg"), quality=80, progressive=True, subsampling=2)
    # CMYK, as Pillow writes it: Adobe marker and inverted values.
    rose.convert("CMYK").save(os.path.join(HERE, "gen-cmyk-adobe.jpg"), quality=90)
    # A 16-bit RGB PNG whose samples are the three values a washed-out loader got wrong
    # (244 -> 250, 128 -> 186, 10 -> 59), each with a low byte that must not round it up.
    rows = []
    for y in range(4):
        row = b""
        for x in range(6):
            high = (244, 128, 10, 255, 0, 77)[(x + y) % 6]
            row += struct.pack(">HHH", high * 256 + 255, high * 256 + 128, high * 256 + x * 40)
        rows.append(row)
    write_png(os.path.join(HERE, "gen-rgb16.png"), 6, 4, 16, 2, rows)
    # 8-bit RGB from the rose with a gAMA chunk of 1.0 (100000): the samples are shown as they are.
    small = rose.crop((10, 5, 42, 29))
    rows = [small.tobytes()[y * 32 * 3:(y + 1) * 32 * 3] for y in range(24)]
    write_png(os.path.join(HERE, "gen-gamma1.png"), 32, 24, 8, 2, rows,
              png_chunk(b"gAMA", struct.pack(">I", 100000)))
    # 16-bit greyscale with alpha and a 16-bit greyscale without.
    grey = list(rose.convert("L").crop((0, 0, 20, 12)).getdata())
    rows = [b"".join(struct.pack(">HH", v * 256 + 200, x * 13 * 256 + 99)
                     for x, v in enumerate(grey[y * 20:(y + 1) * 20])) for y in range(12)]
    write_png(os.path.join(HERE, "gen-grey-alpha16.png"), 20, 12, 16, 4, rows)
    rows = [b"".join(struct.pack(">H", v * 256 + (x * 17) % 256)
                     for x, v in enumerate(grey[y * 20:(y + 1) * 20])) for y in range(12)]
    write_png(os.path.join(HERE, "gen-grey16.png"), 20, 12, 16, 0, rows)
    # An interlaced GIF with a transparent colour, from the ImageMagick wand's alpha.
    wand = Image.open(os.path.join(HERE, "im-wand.png")).convert("RGBA").resize((40, 40), Image.NEAREST)
    paletted = wand.convert("RGB").quantize(colors=63, method=Image.MEDIANCUT, dither=Image.NONE)
    mask = [a < 128 for a in wand.getchannel("A").getdata()]
    paletted.putdata([63 if m else v for v, m in zip(paletted.getdata(), mask)])
    palette = paletted.getpalette()[:63 * 3] + [255, 0, 255]
    paletted.putpalette(palette)
    paletted.save(os.path.join(HERE, "gen-transparent-interlaced.gif"), transparency=63, interlace=True)
    # An icon of PNG-compressed entries (Pillow writes ICO entries as PNG), from the wand.
    wand = Image.open(os.path.join(HERE, "im-wand.png")).convert("RGBA")
    wand.save(os.path.join(HERE, "gen-png-entries.ico"), sizes=[(16, 16), (32, 32)])


def main():
    os.makedirs(EXPECTED, exist_ok=True)
    make_generated()
    for name in sorted(os.listdir(HERE)):
        path = os.path.join(HERE, name)
        extension = os.path.splitext(name)[1].lower()
        if extension == ".ico":
            expect_icon(name, path)
        elif extension == ".gif":
            expect_gif(name, Image.open(path))
        elif extension in (".png", ".jpg"):
            expect_bitmap(name, Image.open(path))


if __name__ == "__main__":
    main()
