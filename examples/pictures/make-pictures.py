#!/usr/bin/env python3
"""Writes the example pictures byte by byte, with nothing but the Python standard library:

  open.ico  a folder icon: 32 x 32 and 16 x 16 entries, 16 colours, with AND masks (transparent)
  save.bmp  a 16 x 16 floppy disk, 16 colours, on the button face
  gear.png  a 24 x 24 gear with an alpha channel (soft edges, transparent hole)
  tile.bmp  a 10 x 10 brick tile, 24 bits, that repeats seamlessly

Run it in this folder: python3 make-pictures.py
"""
import math
import struct
import zlib

# The 16 colours of the standard VGA palette, as 0xRRGGBB.
VGA = [0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
       0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF]
BLACK, OLIVE, NAVY, SILVER, GREY, YELLOW, WHITE = 0, 3, 4, 7, 8, 11, 15
CLEAR = None  # a transparent icon pixel


def canvas(width, height, fill):
    return [[fill] * width for _ in range(height)]


def rect(img, left, top, right, bottom, colour):
    """Fills left..right-1, top..bottom-1."""
    for y in range(top, bottom):
        for x in range(left, right):
            img[y][x] = colour


def frame(img, left, top, right, bottom, colour):
    for x in range(left, right):
        img[top][x] = img[bottom - 1][x] = colour
    for y in range(top, bottom):
        img[y][left] = img[y][right - 1] = colour


def folder(size):
    """A yellow folder with its tab, lit from the top left, scaled to 32 or 16 pixels."""
    s = size / 32
    p = lambda v: int(round(v * s))
    img = canvas(size, size, CLEAR)
    # The tab at the back, then the body in front of it.
    rect(img, p(3), p(5), p(13), p(9), YELLOW)
    frame(img, p(3), p(5), p(13), p(9) + 1, BLACK)
    rect(img, p(4), p(6), p(12), p(6) + 1, WHITE)
    rect(img, p(1), p(9), p(31), p(28), YELLOW)
    frame(img, p(1), p(9), p(31), p(28), BLACK)
    rect(img, p(1) + 1, p(9) + 1, p(31) - 1, p(9) + 2, WHITE)
    rect(img, p(1) + 1, p(9) + 1, p(1) + 2, p(28) - 1, WHITE)
    rect(img, p(1) + 1, p(28) - 2, p(31) - 1, p(28) - 1, OLIVE)
    rect(img, p(31) - 2, p(9) + 2, p(31) - 1, p(28) - 1, OLIVE)
    # The front flap's fold, and a shadow under the folder.
    rect(img, p(2), p(13), p(30), p(13) + 1, OLIVE)
    rect(img, p(2), p(28), p(32), p(28) + 1, GREY)
    rect(img, p(31), p(10), p(32), p(28), GREY)
    return img


def floppy():
    """A 16 x 16 navy floppy disk with its metal shutter and white label, on the button face."""
    img = canvas(16, 16, SILVER)
    rect(img, 1, 1, 15, 15, NAVY)
    frame(img, 1, 1, 15, 15, BLACK)
    rect(img, 4, 1, 12, 6, SILVER)      # the shutter
    frame(img, 4, 1, 12, 6, BLACK)
    rect(img, 9, 2, 11, 5, NAVY)        # the window in the shutter
    rect(img, 3, 8, 13, 15, WHITE)      # the label
    frame(img, 3, 8, 13, 15, BLACK)
    for y in (10, 12):
        rect(img, 5, y, 11, y + 1, GREY)  # lines on the label
    img[2][2] = BLACK                   # the write-protect notch
    return img


def dib_rows_4bit(img, index_of):
    """Bottom-up rows of 4-bit indices, each padded to 4 bytes."""
    out = b''
    for row in reversed(img):
        nibbles = [index_of(c) for c in row]
        if len(nibbles) % 2:
            nibbles.append(0)
        data = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, len(nibbles), 2))
        out += data + bytes(-len(data) % 4)
    return out


def mask_rows(img):
    """Bottom-up AND-mask rows: 1 where the background shows through, padded to 4 bytes."""
    out = b''
    for row in reversed(img):
        bits = [1 if c is CLEAR else 0 for c in row]
        bits += [0] * (-len(bits) % 8)
        data = bytes(sum(b << (7 - i) for i, b in enumerate(bits[k:k + 8])) for k in range(0, len(bits), 8))
        out += data + bytes(-len(data) % 4)
    return out


def palette_bytes():
    return b''.join(struct.pack('<BBBB', c & 255, (c >> 8) & 255, c >> 16, 0) for c in VGA)


def info_header(width, height, bits, image_bytes, colours):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, image_bytes, 2835, 2835, colours, 0)


def icon_image(img):
    size = len(img)
    # A transparent pixel is black in the colour image, so the masked drawing leaves the background.
    xor = dib_rows_4bit(img, lambda c: BLACK if c is CLEAR else c)
    andm = mask_rows(img)
    return info_header(size, 2 * size, 4, len(xor) + len(andm), 16) + palette_bytes() + xor + andm


def ico_file(images):
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for img in images:
        data = icon_image(img)
        out += struct.pack('<BBBBHHII', len(img), len(img), 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b''.join(icon_image(img) for img in images)


def bmp_file(header_and_palette, pixels):
    offset = 14 + len(header_and_palette)
    return b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset) + header_and_palette + pixels


def bmp_4bit(img):
    pixels = dib_rows_4bit(img, lambda c: c)
    return bmp_file(info_header(len(img[0]), len(img), 4, len(pixels), 16) + palette_bytes(), pixels)


def bricks():
    """A 10 x 10 tile: two courses of bricks with mortar, offset by half a brick."""
    brick, dark, mortar = (0xB0, 0x48, 0x28), (0x90, 0x38, 0x20), (0xD8, 0xD0, 0xC0)
    img = canvas(10, 10, brick)
    for y in (0, 5):
        rect(img, 0, y, 10, y + 1, mortar)
    rect(img, 0, 1, 1, 5, mortar)
    rect(img, 5, 6, 6, 10, mortar)
    for y in (4, 9):                    # the lower edge of each course is a little darker
        for x in range(10):
            if img[y][x] == brick:
                img[y][x] = dark
    return img


def bmp_24bit(img):
    pixels = b''
    for row in reversed(img):
        data = b''.join(bytes((b, g, r)) for r, g, b in row)
        pixels += data + bytes(-len(data) % 4)
    return bmp_file(info_header(len(img[0]), len(img), 24, len(pixels), 0), pixels)


def gear_rgba(size=24, teeth=8, samples=4):
    """A steel gear with rounded teeth and a hole, anti-aliased by supersampling into the alpha."""
    c = size / 2
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            hits, shade = 0, 0.0
            for sy in range(samples):
                for sx in range(samples):
                    px = x + (sx + 0.5) / samples - c
                    py = y + (sy + 0.5) / samples - c
                    r = math.hypot(px, py)
                    a = math.atan2(py, px)
                    tooth = 0.5 + 0.5 * math.cos(a * teeth)
                    outer = 8.2 + 2.8 * min(1.0, max(0.0, (tooth - 0.35) * 3))
                    if 3.0 <= r <= outer:
                        hits += 1
                        shade += 0.5 - 0.5 * (px + py) / (size * 0.75)  # lit from the top left
            if hits == 0:
                row.append((0, 0, 0, 0))
                continue
            light = shade / hits
            grey = int(round(96 + 120 * light))
            row.append((grey - 10, grey, min(255, grey + 18), int(round(255 * hits / samples ** 2))))
        rows.append(row)
    return rows


def png_file(rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body) & 0xFFFFFFFF)
    height, width = len(rows), len(rows[0])
    raw = b''.join(b'\x00' + b''.join(bytes(p) for p in row) for row in rows)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


if __name__ == '__main__':
    open('open.ico', 'wb').write(ico_file([folder(32), folder(16)]))
    open('save.bmp', 'wb').write(bmp_4bit(floppy()))
    open('gear.png', 'wb').write(png_file(gear_rgba()))
    open('tile.bmp', 'wb').write(bmp_24bit(bricks()))
