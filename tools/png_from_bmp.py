#!/usr/bin/env python3
"""Converts uncompressed 24- and 32-bit BMP files to PNG with the standard
library only, so the demo script needs no imaging package.

usage: png_from_bmp.py INPUT.bmp OUTPUT.png [INPUT.bmp OUTPUT.png ...]
"""
import struct
import sys
import zlib


def read_bmp(path):
    with open(path, "rb") as f:
        data = f.read()
    if len(data) < 54 or data[:2] != b"BM":
        raise ValueError(f"{path}: not a BMP file")
    offset = struct.unpack_from("<I", data, 10)[0]
    header_size, width, height, planes, bpp, compression = struct.unpack_from("<IiiHHI", data, 14)
    if header_size < 40 or planes != 1 or bpp not in (24, 32) or compression not in (0, 3):
        raise ValueError(f"{path}: only uncompressed 24- or 32-bit BMP files are supported")
    bottom_up = height > 0
    height = abs(height)
    if width <= 0 or height == 0:
        raise ValueError(f"{path}: empty image")
    step = bpp // 8
    stride = (width * step + 3) & ~3
    if offset + stride * height > len(data):
        raise ValueError(f"{path}: truncated pixel data")
    rows = []
    for y in range(height):
        src = height - 1 - y if bottom_up else y
        start = offset + src * stride
        line = data[start:start + width * step]
        rgb = bytearray(width * 3)
        # BMP stores blue, green, red (and an unused byte at 32 bits).
        rgb[0::3] = line[2::step]
        rgb[1::3] = line[1::step]
        rgb[2::3] = line[0::step]
        rows.append(bytes(rgb))
    return width, height, rows


def chunk(kind, payload):
    body = kind + payload
    return struct.pack(">I", len(payload)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_png(path, width, height, rows):
    raw = b"".join(b"\x00" + row for row in rows)  # filter type 0 on every row
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def main(argv):
    if len(argv) < 2 or len(argv) % 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    for src, dst in zip(argv[0::2], argv[1::2]):
        try:
            write_png(dst, *read_bmp(src))
        except (OSError, ValueError) as e:
            print(f"png_from_bmp: {e}", file=sys.stderr)
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
