"""Just enough PNG reading to compare pictures: 8-bit RGB or RGBA, not
interlaced, as Qt and Chromium write them."""

import struct
import zlib


class Picture:
    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb  # rgb: bytes, 3 per pixel

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.rgb[i:i + 3])


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    pos, idat = 8, []
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or colour not in (2, 6) or interlace:
                raise ValueError("unsupported PNG: depth %d colour %d interlace %d" % (depth, colour, interlace))
        elif kind == b"IDAT":
            idat.append(body)
        pos += 12 + length
    channels = 3 if colour == 2 else 4
    raw = zlib.decompress(b"".join(idat))
    stride = width * channels
    previous = bytearray(stride)
    rgb = bytearray()
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        if kind == 1:
            for i in range(channels, stride):
                line[i] = (line[i] + line[i - channels]) & 255
        elif kind == 2:
            for i in range(stride):
                line[i] = (line[i] + previous[i]) & 255
        elif kind == 3:
            for i in range(stride):
                left = line[i - channels] if i >= channels else 0
                line[i] = (line[i] + ((left + previous[i]) >> 1)) & 255
        elif kind == 4:
            for i in range(stride):
                left = line[i - channels] if i >= channels else 0
                upper_left = previous[i - channels] if i >= channels else 0
                line[i] = (line[i] + _paeth(left, previous[i], upper_left)) & 255
        previous = line
        if channels == 3:
            rgb += line
        else:
            for i in range(0, stride, 4):
                rgb += line[i:i + 3]
    return Picture(width, height, bytes(rgb))


def differences(a, b, tile=32):
    """Differing pixels grouped into regions: a list of (count, left, top,
    right, bottom), joining pixels whose tiles touch."""
    if (a.width, a.height) != (b.width, b.height):
        raise ValueError("sizes differ: %dx%d and %dx%d" % (a.width, a.height, b.width, b.height))
    tiles = {}
    w = a.width
    ra, rb = a.rgb, b.rgb
    for y in range(a.height):
        row = 3 * w * y
        if ra[row:row + 3 * w] == rb[row:row + 3 * w]:
            continue
        for x in range(w):
            i = row + 3 * x
            if ra[i:i + 3] != rb[i:i + 3]:
                key = (x // tile, y // tile)
                c, l, t, r, btm = tiles.get(key, (0, x, y, x, y))
                tiles[key] = (c + 1, min(l, x), min(t, y), max(r, x), max(btm, y))
    regions, seen = [], set()
    for key in tiles:
        if key in seen:
            continue
        stack, group = [key], []
        seen.add(key)
        while stack:
            k = stack.pop()
            group.append(tiles[k])
            for dx in (-1, 0, 1):
                for dy in (-1, 0, 1):
                    n = (k[0] + dx, k[1] + dy)
                    if n in tiles and n not in seen:
                        seen.add(n)
                        stack.append(n)
        regions.append((sum(g[0] for g in group), min(g[1] for g in group), min(g[2] for g in group),
                        max(g[3] for g in group), max(g[4] for g in group)))
    return sorted(regions, key=lambda r: (r[2], r[1]))
