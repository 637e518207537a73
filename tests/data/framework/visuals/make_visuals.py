#!/usr/bin/env python3
"""Writes the solid-colour PNG pictures the framework's visual tests draw (run it here)."""
import struct
import zlib


def png(name, width, height, pixel):
    """pixel(x, y) -> (r, g, b, a)"""
    rows = b"".join(b"\0" + b"".join(bytes(pixel(x, y)) for x in range(width)) for y in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    with open(name, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(rows, 9)))
        f.write(chunk(b"IEND", b""))


def solid(r, g, b):
    return lambda x, y: (r, g, b, 255)


# 4 x 2 cells of 64 x 64, frame i in these colours, row by row.
SHEET = [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 0), (0, 255, 255), (255, 0, 255), (255, 255, 255), (255, 128, 0)]

png("red64x32.png", 64, 32, solid(255, 0, 0))
png("sheet4x2.png", 256, 128, lambda x, y: SHEET[(y // 64) * 4 + x // 64] + (255,))
# Nine-piece frame: 16 x 16 corners, edges and middle, each its own colour.
png("ul16.png", 16, 16, solid(255, 0, 0))
png("ur16.png", 16, 16, solid(0, 255, 0))
png("dl16.png", 16, 16, solid(0, 0, 255))
png("dr16.png", 16, 16, solid(255, 255, 0))
png("up.png", 16, 16, solid(255, 0, 255))
png("dn.png", 16, 16, solid(0, 255, 255))
png("lt.png", 16, 16, solid(255, 128, 0))
png("rt.png", 16, 16, solid(128, 0, 255))
png("mid.png", 16, 16, solid(255, 255, 255))
# Corners of unequal heights.
png("top16x10.png", 16, 10, solid(255, 0, 0))
png("bottom16x20.png", 16, 20, solid(0, 0, 255))
