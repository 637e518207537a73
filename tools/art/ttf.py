"""Reads which characters a TrueType font maps (its 'cmap' table), so that a bitmap font holds
only glyphs the font really draws instead of its empty-box stand-in."""
import struct


def mapped_codes(path):
    """The set of code points the font maps to a glyph other than .notdef."""
    with open(path, "rb") as f:
        data = f.read()
    num_tables = struct.unpack_from(">H", data, 4)[0]
    cmap = None
    for i in range(num_tables):
        tag, _, offset, _ = struct.unpack_from(">4sIII", data, 12 + 16 * i)
        if tag == b"cmap":
            cmap = offset
    if cmap is None:
        raise ValueError(path + ": no cmap table")
    count = struct.unpack_from(">H", data, cmap + 2)[0]
    subtables = {}
    for i in range(count):
        platform, encoding, offset = struct.unpack_from(">HHI", data, cmap + 4 + 8 * i)
        subtables[(platform, encoding)] = cmap + offset
    # Prefer the full-repertoire table, else the BMP one.
    for key in ((3, 10), (0, 4), (3, 1), (0, 3)):
        if key in subtables:
            table = subtables[key]
            fmt = struct.unpack_from(">H", data, table)[0]
            if fmt == 12:
                return _format12(data, table)
            if fmt == 4:
                return _format4(data, table)
    raise ValueError(path + ": no usable cmap subtable")


def _format12(data, table):
    groups = struct.unpack_from(">I", data, table + 12)[0]
    codes = set()
    for i in range(groups):
        start, end, glyph = struct.unpack_from(">III", data, table + 16 + 12 * i)
        for c in range(start, end + 1):
            if glyph + (c - start) != 0:
                codes.add(c)
    return codes


def _format4(data, table):
    segx2 = struct.unpack_from(">H", data, table + 6)[0]
    n = segx2 // 2
    ends = struct.unpack_from(">%dH" % n, data, table + 14)
    starts = struct.unpack_from(">%dH" % n, data, table + 16 + segx2)
    deltas = struct.unpack_from(">%dh" % n, data, table + 16 + 2 * segx2)
    range_base = table + 16 + 3 * segx2
    offsets = struct.unpack_from(">%dH" % n, data, range_base)
    codes = set()
    for i in range(n):
        for c in range(starts[i], ends[i] + 1):
            if c == 0xFFFF:
                continue
            if offsets[i] == 0:
                glyph = (c + deltas[i]) & 0xFFFF
            else:
                addr = range_base + 2 * i + offsets[i] + 2 * (c - starts[i])
                glyph = struct.unpack_from(">H", data, addr)[0]
                if glyph:
                    glyph = (glyph + deltas[i]) & 0xFFFF
            if glyph:
                codes.add(c)
    return codes
