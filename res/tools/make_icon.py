#!/usr/bin/env python3
"""Regenerate res/corvella.ico: a beamed music note on a gold luggage tag.

The 32x32 image is rendered from shapes with supersampling; the 16x16 image
is hand-placed pixel art, because a downscaled 32x32 turns to mush at that size.
Standard library only, so it runs wherever python3 does.

Usage: make_icon.py [output.ico]   (default: ../corvella.ico next to this script)
"""
import math
import os
import struct
import sys

TRANSPARENT = (0, 0, 0, 0)
NAVY = (24, 44, 104, 255)
BROWN = (122, 66, 16, 255)
GOLD_TOP = (255, 222, 120)
GOLD_BOTTOM = (240, 160, 44)

# Tag outline in 32x32 pixel space (pixel i covers [i, i+1)), clockwise.
TAG_CORNERS = [(1.0, 16.0), (12.0, 5.0), (29.0, 5.0), (31.0, 7.0),
               (31.0, 25.0), (29.0, 27.0), (12.0, 27.0)]
TAG_BORDER = 1.25
HOLE_CENTRE = (7.5, 16.0)
HOLE_RADIUS = 1.6
HOLE_RING = 1.3

HEAD_RADII = (3.3, 2.3)
HEAD_TILT = math.radians(-22)
HEAD_CENTRES = [(14.6, 22.2), (24.6, 20.2)]
STEM_WIDTH = 1.6
BEAM_THICKNESS = 3.2
BEAM_TOPS = (8.2, 6.2)   # beam top edge y at the left and right stem
SUPERSAMPLE = 8

# 16x16 pixel art. G is the tag's gold, shaded by row like the 32x32 gradient;
# the other letters are in PALETTE_16.
ART_16 = [
    "................",
    "......BBBBBBBBB.",
    ".....BGGGGGGGGGB",
    "....BGGGGGGGNNNB",
    "...BGGGGGNNNNNNB",
    "..BGGGGGGNNNGGNB",
    ".BGGGGGGGNGGGGNB",
    "BGGBBGGGGNGGGGNB",
    "BGGBBGGGGNGGGGNB",
    ".BGGGGGGGNGGNNNB",
    "..BGGGGNNNGNNNNB",
    "...BGGNNNNGNNNGB",
    "....BGNNNGGGGGGB",
    ".....BGGGGGGGGGB",
    "......BBBBBBBBB.",
    "................",
]
PALETTE_16 = {
    ".": TRANSPARENT,
    "B": BROWN,
    "N": NAVY,
}


# ---- geometry -------------------------------------------------------------

def edge_distances(polygon, x, y):
    """Signed distance from (x, y) to each edge line; all positive means inside
    a clockwise convex polygon (y grows downward)."""
    result = []
    for (x0, y0), (x1, y1) in zip(polygon, polygon[1:] + polygon[:1]):
        dx, dy = x1 - x0, y1 - y0
        length = math.hypot(dx, dy)
        result.append(((y - y0) * dx - (x - x0) * dy) / length)
    return result


def hole_distance(x, y):
    return math.hypot(x - HOLE_CENTRE[0], y - HOLE_CENTRE[1])


def inside_head(cx, cy, x, y):
    c, s = math.cos(HEAD_TILT), math.sin(HEAD_TILT)
    u = (x - cx) * c + (y - cy) * s
    v = -(x - cx) * s + (y - cy) * c
    return (u / HEAD_RADII[0]) ** 2 + (v / HEAD_RADII[1]) ** 2 <= 1


def stem_x(head_centre):
    # Tucked slightly inside the head's right edge so the joint has no notch.
    return head_centre[0] + HEAD_RADII[0] - 0.3 - STEM_WIDTH


def beam_span():
    return stem_x(HEAD_CENTRES[0]), stem_x(HEAD_CENTRES[-1]) + STEM_WIDTH


def beam_top(x):
    left, right = beam_span()
    t = (x - left) / (right - left)
    return BEAM_TOPS[0] + t * (BEAM_TOPS[1] - BEAM_TOPS[0])


def inside_note(x, y):
    if any(inside_head(cx, cy, x, y) for cx, cy in HEAD_CENTRES):
        return True
    for centre in HEAD_CENTRES:
        left = stem_x(centre)
        if left <= x < left + STEM_WIDTH and beam_top(x) <= y <= centre[1]:
            return True
    left, right = beam_span()
    return left <= x < right and beam_top(x) <= y < beam_top(x) + BEAM_THICKNESS


def gold_at(y):
    t = min(max((y - 5) / 22, 0), 1)
    return tuple(round(a + t * (b - a)) for a, b in zip(GOLD_TOP, GOLD_BOTTOM)) + (255,)


def colour_at(x, y):
    """Colour of the 32x32 artwork at a continuous point."""
    depth = min(edge_distances(TAG_CORNERS, x, y))
    hole = hole_distance(x, y)
    if depth <= 0 or hole < HOLE_RADIUS:
        return TRANSPARENT
    if depth < TAG_BORDER or hole < HOLE_RADIUS + HOLE_RING:
        return BROWN
    if inside_note(x, y):
        return NAVY
    return gold_at(y)


# ---- rasterising ----------------------------------------------------------

def average_samples(samples):
    """Alpha-weighted average so transparent samples do not darken edges."""
    alpha = sum(s[3] for s in samples)
    if alpha == 0:
        return TRANSPARENT
    rgb = tuple(round(sum(s[i] * s[3] for s in samples) / alpha) for i in range(3))
    return rgb + (round(alpha / len(samples)),)


def render_32():
    step = 1 / SUPERSAMPLE
    offsets = [(i + 0.5) * step for i in range(SUPERSAMPLE)]
    return [[average_samples([colour_at(px + dx, py + dy)
                              for dy in offsets for dx in offsets])
             for px in range(32)]
            for py in range(32)]


def render_16():
    return [[gold_at(2 * y + 1) if ch == "G" else PALETTE_16[ch] for ch in row]
            for y, row in enumerate(ART_16)]


# ---- ICO container --------------------------------------------------------

def and_mask(pixels):
    """1 bpp mask, bottom-up, rows padded to 32 bits; set bits are transparent."""
    size = len(pixels)
    stride = ((size + 31) // 32) * 4
    out = bytearray()
    for row in reversed(pixels):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bits
    return bytes(out)


def dib(pixels):
    """32 bpp BGRA DIB with the doubled height that icons require."""
    size = len(pixels)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for r, g, b, a in row)
    mask = and_mask(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def ico(images):
    blobs = [dib(pixels) for pixels in images]
    offset = 6 + 16 * len(blobs)
    directory = struct.pack("<HHH", 0, 1, len(blobs))
    for pixels, blob in zip(images, blobs):
        size = len(pixels)
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32,
                                 len(blob), offset)
        offset += len(blob)
    return directory + b"".join(blobs)


def main():
    default = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "corvella.ico")
    target = sys.argv[1] if len(sys.argv) > 1 else default
    with open(target, "wb") as f:
        f.write(ico([render_32(), render_16()]))


if __name__ == "__main__":
    main()
