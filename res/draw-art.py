#!/usr/bin/env python3
# Draws Quilnet's own icon (quilnet.ico: 48, 32 and 16 px, 8-bit) and the
# banner across the top of the main window (banner.bmp: 407x78, 8-bit).
# Standard library only and deterministic: every run writes the same bytes.
# Usage: python3 res/draw-art.py   (from the repo root or from res/)
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SS = 4  # subsamples per pixel axis for anti-aliasing


# ---------------------------------------------------------------- raster
class Canvas:
    """Premultiplied RGBA floats; shapes are composited with coverage."""

    def __init__(self, w, h, fill=(0, 0, 0, 0.0)):
        self.w, self.h = w, h
        r, g, b, a = fill
        self.px = [[r * a, g * a, b * a, a] for _ in range(w * h)]

    def paint(self, shape, colour, alpha=1.0):
        inside, (x0, y0, x1, y1) = shape
        x0, y0 = max(0, int(x0)), max(0, int(y0))
        x1, y1 = min(self.w, int(x1) + 1), min(self.h, int(y1) + 1)
        offs = [(i + 0.5) / SS for i in range(SS)]
        for y in range(y0, y1):
            for x in range(x0, x1):
                hits = sum(1 for dy in offs for dx in offs if inside(x + dx, y + dy))
                if hits:
                    c = colour(x, y) if callable(colour) else colour
                    self.blend(x, y, c, alpha * hits / (SS * SS))

    def blend(self, x, y, c, a):
        p = self.px[y * self.w + x]
        for i in range(3):
            p[i] = c[i] * a + p[i] * (1 - a)
        p[3] = a + p[3] * (1 - a)

    def rgb(self, x, y):
        r, g, b, a = self.px[y * self.w + x]
        if a <= 0:
            return None
        return tuple(min(255, max(0, round(v / a))) for v in (r, g, b))


def rrect(x0, y0, x1, y1, r=0.0):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside, (x0, y0, x1, y1)


def circle(cx, cy, r):
    return (lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r,
            (cx - r, cy - r, cx + r, cy + r))


def segment(ax, ay, bx, by, width):
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy
    h = width / 2

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / ll))
        return (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 <= h * h
    return inside, (min(ax, bx) - h, min(ay, by) - h, max(ax, bx) + h, max(ay, by) + h)


def polygon(pts):
    def inside(x, y):
        odd = False
        for (xa, ya), (xb, yb) in zip(pts, pts[1:] + pts[:1]):
            if (ya > y) != (yb > y) and x < xa + (y - ya) * (xb - xa) / (yb - ya):
                odd = not odd
        return odd
    xs, ys = [p[0] for p in pts], [p[1] for p in pts]
    return inside, (min(xs), min(ys), max(xs), max(ys))


def vgrad(top, bottom, y0, y1):
    def colour(_x, y):
        t = min(1.0, max(0.0, (y + 0.5 - y0) / (y1 - y0)))
        return tuple(a + (b - a) * t for a, b in zip(top, bottom))
    return colour


# ---------------------------------------------------------------- palette
def median_cut(counts, n=256):
    """counts: {rgb: pixels}. Returns at most n colours, deterministically."""
    boxes = [sorted(counts.items())]
    while len(boxes) < n:
        best, score = None, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            spread = max(max(c[k] for c, _ in box) - min(c[k] for c, _ in box)
                         for k in range(3))
            s = spread * sum(w for _, w in box) ** 0.5
            if s > score:
                best, score = i, s
        if best is None:
            break
        box = boxes.pop(best)
        axis = max(range(3), key=lambda k: max(c[k] for c, _ in box) - min(c[k] for c, _ in box))
        box.sort(key=lambda cw: (cw[0][axis], cw[0]))
        half, acc, cut = sum(w for _, w in box) / 2, 0, 1
        for cut, (_, w) in enumerate(box, 1):
            acc += w
            if acc >= half:
                break
        cut = min(max(cut, 1), len(box) - 1)
        boxes += [box[:cut], box[cut:]]
    pal = []
    for box in boxes:
        tot = sum(w for _, w in box)
        pal.append(tuple(round(sum(c[k] * w for c, w in box) / tot) for k in range(3)))
    return sorted(set(pal))


def quantise(rows, reserve_black=False):
    """rows: lists of rgb or None. Returns (palette of 256, index rows)."""
    counts = {}
    for row in rows:
        for c in row:
            if c is not None:
                counts[c] = counts.get(c, 0) + 1
    pal = median_cut(counts, 255 if reserve_black else 256)
    if reserve_black:
        pal = [(0, 0, 0)] + pal
    first = 1 if reserve_black else 0  # index 0 then stays for transparent pixels
    lut = {c: min(range(first, len(pal)), key=lambda i: sum((a - b) ** 2 for a, b in zip(c, pal[i])))
           for c in sorted(counts)}
    idx = [[0 if c is None else lut[c] for c in row] for row in rows]
    return pal + [(0, 0, 0)] * (256 - len(pal)), idx


def palette_bytes(pal):
    return b"".join(struct.pack("<4B", b, g, r, 0) for r, g, b in pal)


def dib_header(w, h, image_size):
    return struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, image_size, 2835, 2835, 256, 0)


# ---------------------------------------------------------------- icon
NAVY = (20, 62, 122)
NODE_TOP, NODE_BOT = (104, 184, 248), (36, 118, 212)
SOCKET = (240, 248, 255)
ARROW_A, ARROW_B = (40, 142, 238), (22, 82, 168)

# Per size: arrow band height, shaft thickness, head length, arrow x-span,
# node top/bottom, node width, outline, corner radius, link thickness.
ICON_GEOMETRY = {
    48: dict(ah=12, st=4, hl=6, ax=(5, 42), ny=(15, 33), nw=18, ot=2, r=4, lt=4),
    32: dict(ah=9, st=3, hl=4.5, ax=(3, 28), ny=(10, 22), nw=12, ot=1, r=2.5, lt=2),
}

# At 16 px every pixel counts, so this size is drawn by hand.
ICON16 = """
..........A.....
..........AA....
..AAAAAAAAAAA...
..........AA....
..........A.....
.DDDD......DDDD.
DLLLLD....DLLLLD
DLWWLDDDDDDLWWLD
DMWWMDDDDDDMWWMD
DMMMMD....DMMMMD
.DDDD......DDDD.
.....B..........
....BB..........
...BBBBBBBBBBB..
....BB..........
.....B..........
"""
ICON16_KEYS = {"D": NAVY, "L": (92, 172, 244), "M": (44, 126, 218), "W": SOCKET,
               "A": ARROW_A, "B": ARROW_B}


def draw_icon(size):
    if size == 16:
        return [[ICON16_KEYS.get(ch) for ch in line] for line in ICON16.split()]
    g = ICON_GEOMETRY[size]
    cv = Canvas(size, size)
    ah, st, hl, (ax0, ax1) = g["ah"], g["st"], g["hl"], g["ax"]
    cy = ah / 2
    arrow = [(ax0, cy - st / 2), (ax1 - hl, cy - st / 2), (ax1 - hl, 0), (ax1, cy),
             (ax1 - hl, ah), (ax1 - hl, cy + st / 2), (ax0, cy + st / 2)]
    cv.paint(polygon(arrow), ARROW_A)
    cv.paint(polygon([(size - x, size - y) for x, y in arrow]), ARROW_B)  # turned 180 degrees

    ny0, ny1 = g["ny"]
    nw, ot, r, lt = g["nw"], g["ot"], g["r"], g["lt"]
    mid = (ny0 + ny1) / 2
    cv.paint(rrect(nw - ot, mid - lt / 2, size - nw + ot, mid + lt / 2), NAVY)
    for nx in (0 if size == 32 else 1, size - nw - (0 if size == 32 else 1)):
        cv.paint(rrect(nx, ny0, nx + nw, ny1, r), NAVY)
        cv.paint(rrect(nx + ot, ny0 + ot, nx + nw - ot, ny1 - ot, max(0, r - ot)),
                 vgrad(NODE_TOP, NODE_BOT, ny0 + ot, ny1 - ot))
        # An RJ45-style socket: a wide opening with a narrower latch slot below.
        sw, sh = round(nw * 0.45), round((ny1 - ny0) * 0.3)
        sx, sy = nx + (nw - sw) / 2, round(mid - sh / 2 - ot / 2)
        cv.paint(rrect(sx, sy, sx + sw, sy + sh), SOCKET)
        tw = sw / 2
        cv.paint(rrect(sx + (sw - tw) / 2, sy + sh, sx + (sw + tw) / 2, sy + sh + ot + 1), SOCKET)
    # Outer edges stay hard (the AND mask is 1-bit); inner edges keep their blending.
    return [[cv.rgb(x, y) if cv.px[y * size + x][3] >= 0.5 else None for x in range(size)]
            for y in range(size)]


def icon_image(size):
    rows = draw_icon(size)
    pal, idx = quantise(rows, reserve_black=True)
    xor_stride, and_stride = (size + 3) & ~3, ((size + 31) // 32) * 4
    xor, mask = b"", b""
    for y in reversed(range(size)):  # DIB rows run bottom-up
        xor += bytes(idx[y]) + b"\0" * (xor_stride - size)
        bits = bytearray(and_stride)
        for x in range(size):
            if rows[y][x] is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return dib_header(size, size * 2, len(xor) + len(mask)) + palette_bytes(pal) + xor + mask


def write_ico(path, sizes=(48, 32, 16)):
    images = [icon_image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, img in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 8, len(img), offset)
        offset += len(img)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


# ---------------------------------------------------------------- banner
# Title glyphs: bold 2-pixel strokes, baseline under row 9, Q's tail below it.
TITLE_FONT = {
    "Q": [".######.", "########", "##....##", "##....##", "##....##", "##....##",
          "##..#.##", "##..####", "########", ".#######", "......##"],
    "u": ["", "", "", "##...##", "##...##", "##...##", "##...##", "##..###", "#######", ".###.##"],
    "i": ["##", "##", "", "##", "##", "##", "##", "##", "##", "##"],
    "l": ["##", "##", "##", "##", "##", "##", "##", "##", "##", "##"],
    "n": ["", "", "", "######.", "#######", "##...##", "##...##", "##...##", "##...##", "##...##"],
    "e": ["", "", "", ".#####.", "#######", "##...##", "#######", "##.....", "#######", ".######"],
    "t": ["", ".##..", ".##..", "#####", "#####", ".##..", ".##..", ".##..", ".####", "..###"],
}
# Tagline glyphs: 5x7, lowercase x-height of five rows.
SMALL_FONT = {
    "I": ["###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "4": ["...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."],
    "v": ["", "", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "o": ["", "", ".###.", "#...#", "#...#", "#...#", ".###."],
    "n": ["", "", "####.", "#...#", "#...#", "#...#", "#...#"],
    "e": ["", "", ".###.", "#...#", "#####", "#....", ".###."],
    "c": ["", "", ".####", "#....", "#....", "#....", ".####"],
    "l": ["##.", ".#.", ".#.", ".#.", ".#.", ".#.", "###"],
    "i": [".#.", "", "##.", ".#.", ".#.", ".#.", "###"],
    "k": ["#....", "#....", "#..#.", "#.#..", "##...", "#.#..", "#..#."],
    "s": ["", "", ".####", "#....", ".###.", "....#", "####."],
    "w": ["", "", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#."],
    "t": [".#...", ".#...", "####.", ".#...", ".#...", ".#..#", "..##."],
    "h": ["#....", "#....", "####.", "#...#", "#...#", "#...#", "#...#"],
    "-": ["", "", "", "####", "", "", ""],
    " ": ["...", "", "", "", "", "", ""],
}


def text_pixels(font, text, scale, gap):
    """Yields the top-left corners of the lit pixels of text at (0, 0), and its width."""
    pts, x = [], 0
    for ch in text:
        glyph = font[ch]
        width = max(len(row) for row in glyph)
        for gy, row in enumerate(glyph):
            pts += [(x + gx * scale, gy * scale) for gx, c in enumerate(row) if c == "#"]
        x += (width + gap) * scale
    return pts, x - gap * scale


def draw_text(cv, font, text, x0, y0, scale, gap, colour, shadow=None, drop=0):
    pts, _ = text_pixels(font, text, scale, gap)
    for dx, dy, col, a in ([(drop, drop) + shadow] if shadow else []) + [(0, 0, colour, 1.0)]:
        for px, py in pts:
            cv.paint(rrect(x0 + px + dx, y0 + py + dy, x0 + px + dx + scale, y0 + py + dy + scale),
                     col, a)


def draw_banner(w=407, h=78):
    cv = Canvas(w, h, (0, 0, 0, 1.0))
    cv.paint(rrect(0, 0, w, h), vgrad((170, 214, 244), (106, 170, 222), 0, h))
    cv.paint(rrect(0, 0, w, 1), (255, 255, 255), 0.45)      # top highlight
    cv.paint(rrect(0, h - 1, w, h), (46, 104, 160), 0.55)   # bottom edge
    # Faint wide rings behind everything give the background some depth.
    for cx, cy, r in ((64, 39, 58), (380, -20, 90)):
        ring = circle(cx, cy, r)
        hole = circle(cx, cy, r - 1.5)[0]
        cv.paint((lambda x, y, o=ring[0], i=hole: o(x, y) and not i(x, y), ring[1]),
                 (255, 255, 255), 0.22)

    # Network motif: a hub with five hosts around it, and a couple of peer links.
    hub = (64, 39)
    hosts = [(24, 18), (20, 58), (104, 16), (110, 56), (66, 66)]
    links = [(hub, p) for p in hosts] + [(hosts[0], hosts[1]), (hosts[2], hosts[3])]
    for (ax, ay), (bx, by) in links:
        cv.paint(segment(ax, ay, bx, by, 2.2), (255, 255, 255), 0.75)
    for x, y in hosts:
        cv.paint(circle(x, y, 6.5), (38, 104, 178))
        cv.paint(circle(x, y, 4.5), vgrad((255, 255, 255), (214, 234, 250), y - 4, y + 4))
    hx, hy = hub
    cv.paint(circle(hx, hy, 13), (24, 70, 134))
    cv.paint(circle(hx, hy, 11), vgrad((80, 164, 238), (34, 112, 204), hy - 11, hy + 11))
    # The hub carries the switch arrows: right over left.
    for sgn, dy in ((1, -3), (-1, 3)):
        tip = hx + 6 * sgn
        cv.paint(rrect(min(hx - 6 * sgn, tip - 3 * sgn), hy + dy - 1,
                       max(hx - 6 * sgn, tip - 3 * sgn), hy + dy + 1), (255, 255, 255))
        cv.paint(polygon([(tip - 4 * sgn, hy + dy - 3.5), (tip, hy + dy),
                          (tip - 4 * sgn, hy + dy + 3.5)]), (255, 255, 255))

    draw_text(cv, TITLE_FONT, "Quilnet", 150, 11, 3, 1, (255, 255, 255),
              shadow=((30, 80, 140), 0.55), drop=2)
    draw_text(cv, SMALL_FONT, "IPv4 one-click switch", 153, 53, 1, 1, (26, 72, 132))
    return [[cv.rgb(x, y) for x in range(w)] for y in range(h)]


def write_bmp(path):
    rows = draw_banner()
    h, w = len(rows), len(rows[0])
    pal, idx = quantise(rows)
    stride = (w + 3) & ~3
    bits = b"".join(bytes(idx[y]) + b"\0" * (stride - w) for y in reversed(range(h)))
    offset = 14 + 40 + 1024
    head = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(head + dib_header(w, h, len(bits)) + palette_bytes(pal) + bits)


if __name__ == "__main__":
    write_ico(os.path.join(HERE, "quilnet.ico"))
    write_bmp(os.path.join(HERE, "banner.bmp"))
