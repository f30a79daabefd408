#!/usr/bin/env python3
# Generator of the picture test files in this folder: python3 make_test_pictures.py (needs
# ImageMagick's convert). The pixel patterns below are the ones tests/picture/test_patterns.h
# checks; change both together. Files ImageMagick cannot write (RLE4, 16-bit and plain 32-bit
# bitmaps, hand-made icons, metafile headers) are built here byte by byte.
import os
import struct
import subprocess
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
CONVERT = "/usr/bin/convert"
W, H = 13, 7  # odd width: every bit depth needs row padding


def full_colour(x, y):
    return ((x * 40 + 10) & 255, (y * 60 + 5) & 255, ((x + y) * 25) & 255)


def alpha_of(x, y):
    return (x * 20 + y * 30) % 256


def palette_colour(i):
    return ((i * 53 + 7) & 255, (i * 101 + 3) & 255, (i * 29 + 200) & 255)


def palette_index(x, y, n):
    return (x + 3 * y) % n


def block_colour(x, y):
    # 16 x 16 in four flat 8 x 8 blocks: red, green / blue, white (JPEG-friendly).
    return [[(255, 0, 0), (0, 255, 0)], [(0, 0, 255), (255, 255, 255)]][y // 8][x // 8]


def write_png(path, width, height, rgba_at):
    raw = b"".join(b"\0" + b"".join(bytes(rgba_at(x, y)) for x in range(width)) for y in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def convert(args, out):
    subprocess.run([CONVERT] + args + [out], check=True)


def out(*parts):
    path = os.path.join(HERE, *parts)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    return path


def bmp_header_values(path):
    data = open(path, "rb").read()
    return struct.unpack_from("<H", data, 28)[0], struct.unpack_from("<I", data, 30)[0]


def expect_bmp(path, bits, compression):
    got = bmp_header_values(path)
    assert got == (bits, compression), f"{path}: {got} is not {(bits, compression)}"


def bmp_file(info_header, palette, pixels):
    offset = 14 + len(info_header) + len(palette)
    size = offset + len(pixels)
    return b"BM" + struct.pack("<IHHI", size, 0, 0, offset) + info_header + palette + pixels


def info_header(width, height, bits, compression, image_size, colours=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, image_size, 2835, 2835, colours, 0)


def palette_bytes(n):
    return b"".join(bytes((b, g, r, 0)) for r, g, b in (palette_colour(i) for i in range(n)))


def padded(row):
    return row + b"\0" * ((-len(row)) % 4)


def rle4_bitmap():
    # Each row: an encoded run of 4 pixels alternating the row's first two pattern indices, an
    # absolute run of the other 9 pattern pixels (padded to 16 bits), end-of-line; then
    # end-of-bitmap. Pixels 2 and 3 therefore repeat pixels 0 and 1.
    data = b""
    for y in reversed(range(H)):  # bottom row first
        indices = [palette_index(x, y, 12) for x in range(W)]
        data += bytes((4, (indices[0] << 4) | indices[1]))
        rest = indices[4:]
        packed = bytes(((rest[i] << 4) | (rest[i + 1] if i + 1 < len(rest) else 0)) for i in range(0, len(rest), 2))
        data += bytes((0, len(rest))) + packed + b"\0" * (len(packed) % 2)
        data += b"\0\0"
    data += b"\0\1"
    return data


def write_rle4():
    pixels = rle4_bitmap()
    return bmp_file(info_header(W, H, 4, 2, len(pixels), 12), palette_bytes(12), pixels)


def write_rle8():
    # Each row: an encoded run of 3 pixels of the row's first pattern index, an absolute run of
    # the other 10 pattern pixels, end-of-line; then end-of-bitmap.
    data = b""
    for y in reversed(range(H)):
        indices = [palette_index(x, y, 40) for x in range(W)]
        data += bytes((3, indices[0], 0, W - 3)) + bytes(indices[3:]) + b"\0\0"
    data += b"\0\1"
    return bmp_file(info_header(W, H, 8, 1, len(data), 40), palette_bytes(40), data)


def write_rle8_with_delta():
    # 8 x 4, 8-bit RLE, rows counted from the bottom: row 0 a run of 8 x index 1, end-of-line;
    # row 1 an absolute run 2, 3, 4 (padded), a run of 5 x index 5, end-of-line; then a delta of
    # (2 right, 1 up) to row 3 x 2, a run of 6 x index 6, end-of-bitmap. Row 2 and the first two
    # pixels of row 3 stay index 0.
    data = bytes((8, 1, 0, 0))
    data += bytes((0, 3, 2, 3, 4, 0, 5, 5, 0, 0))
    data += bytes((0, 2, 2, 1, 6, 6, 0, 1))
    return bmp_file(info_header(8, 4, 8, 1, len(data), 8), palette_bytes(8), data)


def write_bmp16():
    rows = b""
    for y in reversed(range(H)):
        row = b""
        for x in range(W):
            r, g, b = full_colour(x, y)
            row += struct.pack("<H", ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3))
        rows += padded(row)
    return bmp_file(info_header(W, H, 16, 0, len(rows)), b"", rows)


def write_bmp32_plain(top_down=False):
    # BI_RGB 32-bit: the fourth byte is left zero, as most writers do.
    order = range(H) if top_down else reversed(range(H))
    rows = b"".join(b"".join(bytes((b, g, r, 0)) for r, g, b in (full_colour(x, y) for x in range(W))) for y in order)
    return bmp_file(info_header(W, -H if top_down else H, 32, 0, len(rows)), b"", rows)


def icon_dib(width, height, bits, index_at, n, mask_at):
    # BITMAPINFOHEADER with doubled height, palette, colour rows, AND mask rows (bottom-up).
    colour_rows = b""
    mask_rows = b""
    for y in reversed(range(height)):
        indices = [index_at(x, y) for x in range(width)]
        if bits == 8:
            row = bytes(indices)
        else:
            row = bytes(((indices[i] << 4) | (indices[i + 1] if i + 1 < width else 0)) for i in range(0, width, 2))
        colour_rows += padded(row)
        bits_row = bytearray((width + 7) // 8)
        for x in range(width):
            if mask_at(x, y):
                bits_row[x // 8] |= 0x80 >> (x % 8)
        mask_rows += padded(bytes(bits_row))
    header = info_header(width, height * 2, bits, 0, len(colour_rows) + len(mask_rows), n)[0:40]
    return header + palette_bytes(n) + colour_rows + mask_rows


def icon_file(entries):
    # entries: (width, height, colour count, bits, data)
    directory = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    body = b""
    for width, height, colours, bits, data in entries:
        directory += struct.pack("<BBBBHHII", width & 255, height & 255, colours & 255, 0, 1, bits, len(data), offset + len(body))
        body += data
    return directory + body


def mask_pattern(x, y):
    return x == y or x == 7


def main():
    tmp = tempfile.mkdtemp()
    full = os.path.join(tmp, "full.png")
    alpha = os.path.join(tmp, "alpha.png")
    blocks = os.path.join(tmp, "blocks.png")
    binary = os.path.join(tmp, "binary.png")
    write_png(full, W, H, lambda x, y: full_colour(x, y) + (255,))
    write_png(alpha, W, H, lambda x, y: full_colour(x, y) + (alpha_of(x, y),))
    write_png(blocks, 16, 16, lambda x, y: block_colour(x, y) + (255,))
    # Binary transparency for GIF and palette PNG: pixels with x + y divisible by 4 are transparent.
    write_png(binary, W, H, lambda x, y: palette_colour(palette_index(x, y, 12)) + (0 if (x + y) % 4 == 0 else 255,))
    pal = {}
    for n in (2, 12, 40):
        pal[n] = os.path.join(tmp, f"pal{n}.png")
        write_png(pal[n], W, H, lambda x, y, n=n: palette_colour(palette_index(x, y, n)) + (255,))

    # Bitmaps.
    convert([pal[2], "-type", "Palette", "-compress", "None"], out("bmp", "indexed1.bmp"))
    expect_bmp(out("bmp", "indexed1.bmp"), 1, 0)
    convert([pal[12], "-type", "Palette", "-compress", "None"], out("bmp", "indexed4.bmp"))
    expect_bmp(out("bmp", "indexed4.bmp"), 4, 0)
    convert([pal[40], "-type", "Palette", "-compress", "None"], out("bmp", "indexed8.bmp"))
    expect_bmp(out("bmp", "indexed8.bmp"), 8, 0)
    # ImageMagick's RLE8 rows run on into the row padding (16 pixels for a width of 13).
    convert([pal[40], "-type", "Palette", "-compress", "RLE"], "BMP3:" + out("bmp", "rle8_padded_rows.bmp"))
    expect_bmp(out("bmp", "rle8_padded_rows.bmp"), 8, 1)
    convert([full, "-type", "TrueColor"], "BMP3:" + out("bmp", "rgb24.bmp"))
    expect_bmp(out("bmp", "rgb24.bmp"), 24, 0)
    convert([alpha, "-type", "TrueColorAlpha"], "BMP:" + out("bmp", "argb32.bmp"))
    expect_bmp(out("bmp", "argb32.bmp"), 32, 3)
    open(out("bmp", "rgb16.bmp"), "wb").write(write_bmp16())
    open(out("bmp", "rgb32.bmp"), "wb").write(write_bmp32_plain())
    open(out("bmp", "rgb32_topdown.bmp"), "wb").write(write_bmp32_plain(top_down=True))
    open(out("bmp", "rle4.bmp"), "wb").write(write_rle4())
    open(out("bmp", "rle8.bmp"), "wb").write(write_rle8())
    open(out("bmp", "rle8_delta.bmp"), "wb").write(write_rle8_with_delta())

    # JPEG.
    convert([blocks, "-quality", "100"], out("jpeg", "blocks.jpg"))
    convert([blocks, "-quality", "100", "-interlace", "JPEG"], out("jpeg", "progressive.jpg"))
    convert([blocks, "-quality", "100", "-colorspace", "Gray"], out("jpeg", "grey.jpg"))
    convert([blocks, "-quality", "100", "-colorspace", "CMYK"], out("jpeg", "cmyk.jpg"))

    # PNG.
    convert([alpha, "-strip"], "PNG32:" + out("png", "rgba.png"))
    convert([binary, "-strip"], "PNG8:" + out("png", "palette_trns.png"))
    convert([full, "-strip", "-interlace", "PNG"], "PNG24:" + out("png", "interlaced.png"))
    convert([blocks, "-strip", "-colorspace", "Gray", "-depth", "16"], "PNG:" + out("png", "grey16.png"))

    # GIF: binary transparency, interlaced, and a frame placed inside a larger logical screen
    # followed by a second frame that must not show.
    convert([binary], out("gif", "transparent.gif"))
    convert([binary, "-interlace", "GIF"], out("gif", "interlaced.gif"))
    small = os.path.join(tmp, "small.png")
    write_png(small, 4, 3, lambda x, y: (255, 0, 0, 255))
    convert(["-dispose", "none", "-page", "10x8+3+2", small, "-page", "10x8+0+0", full], out("gif", "offset_frame.gif"))

    # Icons: ImageMagick writes 32-bit entries with an AND mask below 256 pixels and PNG entries
    # at 256; the hand-made ones carry 8- and 4-bit entries and a PNG entry.
    convert([alpha], out("ico", "argb32.ico"))
    big = os.path.join(tmp, "big.png")
    write_png(big, 256, 256, lambda x, y: (0, 128, 255, 255 if x < 128 else 0))
    convert([big, full], out("ico", "mixed.ico"))
    entry8 = icon_dib(8, 8, 8, lambda x, y: palette_index(x, y, 40), 40, mask_pattern)
    entry4 = icon_dib(8, 8, 4, lambda x, y: palette_index(x, y, 12), 12, lambda x, y: False)
    open(out("ico", "indexed.ico"), "wb").write(icon_file([(8, 8, 16, 4, entry4), (8, 8, 0, 8, entry8)]))
    png_entry = open(out("png", "rgba.png"), "rb").read()
    open(out("ico", "png_entry.ico"), "wb").write(icon_file([(8, 8, 16, 4, entry4), (W, H, 0, 32, png_entry)]))

    # Metafiles: a placeable WMF header with an empty record list, and an EMF header record.
    wmf = struct.pack("<IHhhhhHIH", 0x9AC6CDD7, 0, 0, 0, 100, 100, 1440, 0, 0)
    checksum = 0
    for (word,) in struct.iter_unpack("<H", wmf[:20]):
        checksum ^= word
    wmf = wmf[:20] + struct.pack("<H", checksum)
    wmf += struct.pack("<HHHIHIH", 1, 9, 0x0300, 12, 0, 3, 0) + struct.pack("<IH", 3, 0)
    open(out("metafile", "placeable.wmf"), "wb").write(wmf)
    emf = struct.pack("<II", 1, 88) + b"\0" * 32 + b" EMF" + b"\0" * 44
    open(out("metafile", "header.emf"), "wb").write(emf)


if __name__ == "__main__":
    main()
