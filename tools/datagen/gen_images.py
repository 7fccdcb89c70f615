#!/usr/bin/env python3
"""Draws the program's pictures: the bitmaps it loads from images/ at run time
and the bitmaps and icon compiled into its resources.

Usage: gen_images.py OUTDIR
  OUTDIR/images/           logo, finish flag, scan and interface lamps (24-bit BMP)
  OUTDIR/resource-bitmaps/ button and menu bitmaps (24-bit BMP) and the icon (ICO)

Shapes are sampled 4 x 4 times per pixel, which gives clean anti-aliased
edges at these small sizes. Text in the logo is rendered by ImageMagick's
convert with a font that the setup script installs. A file newer than this
script is kept, so a second run costs nothing.
"""

import math
import os
import struct
import subprocess
import sys

SELF = os.path.abspath(__file__)

# Windows' button face and dialog background: the lamps and button glyphs sit
# on it, since DrawStateA and bitmap buttons paint a bitmap opaque.
FACE = (240, 240, 240)

ROBOTO = "/usr/share/fonts/truetype/roboto/unhinted"
FONT_BLACK = ROBOTO + "/RobotoTTF/Roboto-Black.ttf"
FONT_CONDENSED = ROBOTO + "/RobotoCondensed-Bold.ttf"

SUB = 4  # samples per pixel along each axis


# ---------------------------------------------------------------- drawing

class Canvas:
    """RGBA pixels as floats (0..255 colour, 0..1 alpha), row 0 at the top."""

    def __init__(self, width, height, background=None):
        self.width = width
        self.height = height
        if background is None:
            self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]
        else:
            r, g, b = background
            self.pixels = [[float(r), float(g), float(b), 1.0] for _ in range(width * height)]

    def blend(self, x, y, colour, alpha):
        if alpha <= 0.0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        p = self.pixels[y * self.width + x]
        out_a = alpha + p[3] * (1.0 - alpha)
        if out_a <= 0.0:
            return
        keep = p[3] * (1.0 - alpha)
        for i in range(3):
            p[i] = (colour[i] * alpha + p[i] * keep) / out_a
        p[3] = out_a

    def paint(self, shape, colour, opacity=1.0):
        """Fills a shape (inside test and bounding box) with a colour or a
        colour function of (x, y), averaged over the samples inside."""
        inside, (bx0, by0, bx1, by1) = shape
        x0, y0 = max(0, int(math.floor(bx0))), max(0, int(math.floor(by0)))
        x1, y1 = min(self.width, int(math.ceil(bx1))), min(self.height, int(math.ceil(by1)))
        offsets = [(i + 0.5) / SUB for i in range(SUB)]
        per_pixel = SUB * SUB
        varying = callable(colour)
        for y in range(y0, y1):
            for x in range(x0, x1):
                hits = 0
                acc = [0.0, 0.0, 0.0]
                for oy in offsets:
                    sy = y + oy
                    for ox in offsets:
                        sx = x + ox
                        if inside(sx, sy):
                            hits += 1
                            if varying:
                                c = colour(sx, sy)
                                acc[0] += c[0]
                                acc[1] += c[1]
                                acc[2] += c[2]
                if hits:
                    c = [v / hits for v in acc] if varying else colour
                    self.blend(x, y, c, opacity * hits / per_pixel)

    def paint_mask(self, mask, mask_w, mask_h, left, top, colour):
        """Blends a grey coverage mask (bytes, 0..255) in one colour."""
        for my in range(mask_h):
            for mx in range(mask_w):
                a = mask[my * mask_w + mx]
                if a:
                    self.blend(left + mx, top + my, colour, a / 255.0)

    def rgb_rows(self):
        return [[tuple(int(round(min(255.0, max(0.0, v)))) for v in self.pixels[y * self.width + x][:3])
                 for x in range(self.width)] for y in range(self.height)]


def circle(cx, cy, r):
    return (lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, (cx - r, cy - r, cx + r, cy + r))


def ellipse(cx, cy, rx, ry):
    return (lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0,
            (cx - rx, cy - ry, cx + rx, cy + ry))


def rect(x0, y0, x1, y1):
    return (lambda x, y: x0 <= x < x1 and y0 <= y < y1, (x0, y0, x1, y1))


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        dx = max(x0 + r - x, 0.0, x - (x1 - r))
        dy = max(y0 + r - y, 0.0, y - (y1 - r))
        return dx * dx + dy * dy <= r * r
    return (inside, (x0, y0, x1, y1))


def polygon(points):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    edges = list(zip(points, points[1:] + points[:1]))

    def inside(x, y):
        odd = False
        for (ax, ay), (bx, by) in edges:
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                odd = not odd
        return odd
    return (inside, (min(xs), min(ys), max(xs), max(ys)))


def line(ax, ay, bx, by, width):
    """A stroke with round caps."""
    h = width / 2.0
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy or 1e-9

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        px, py = ax + t * dx - x, ay + t * dy - y
        return px * px + py * py <= h * h
    return (inside, (min(ax, bx) - h, min(ay, by) - h, max(ax, bx) + h, max(ay, by) + h))


def arc(cx, cy, r, width, start_deg, end_deg):
    """A band of a ring between two angles (degrees, counter-clockwise from
    3 o'clock, y pointing down as on screen)."""
    r0, r1 = r - width / 2.0, r + width / 2.0

    def inside(x, y):
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        if not (r0 * r0 <= d2 <= r1 * r1):
            return False
        angle = math.degrees(math.atan2(cy - y, x - cx)) % 360.0
        return (angle - start_deg) % 360.0 <= (end_deg - start_deg) % 360.0
    return (inside, (cx - r1, cy - r1, cx + r1, cy + r1))


def minus(shape, hole):
    inside, box = shape
    hole_inside = hole[0]
    return (lambda x, y: inside(x, y) and not hole_inside(x, y), box)


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def vertical(top_colour, bottom_colour, y0, y1):
    return lambda x, y: mix(top_colour, bottom_colour, (y - y0) / (y1 - y0))


def radial(centre_colour, edge_colour, cx, cy, r):
    return lambda x, y: mix(centre_colour, edge_colour, math.hypot(x - cx, y - cy) / r)


def shade(colour, factor):
    return tuple(min(255.0, c * factor) for c in colour)


def glossy_disc(c, cx, cy, r, light, dark):
    """A domed disc: rim, radial body lit from the top left, soft highlight."""
    c.paint(circle(cx, cy, r), shade(dark, 0.75))
    c.paint(circle(cx, cy, r - 1.0), radial(light, dark, cx - r * 0.35, cy - r * 0.4, r * 1.6))
    c.paint(ellipse(cx, cy - r * 0.45, r * 0.6, r * 0.36), (255, 255, 255), 0.35)


# ------------------------------------------------------------ file formats

def bmp24(canvas):
    """A bottom-up 24-bit BMP with a BITMAPINFOHEADER, as LoadImageA reads."""
    stride = (canvas.width * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(canvas.rgb_rows()):
        line_bytes = bytearray()
        for r, g, b in row:
            line_bytes += bytes((b, g, r))
        body += line_bytes + bytes(stride - len(line_bytes))
    header = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0,
                         len(body), 2835, 2835, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 14 + 40 + len(body), 0, 0, 14 + 40) + header + body


def ico(canvases):
    """An icon file with one 32-bit (alpha) image per canvas, each with the
    AND mask that older readers still expect."""
    images = []
    for c in canvases:
        xor = bytearray()
        mask_stride = ((c.width + 31) // 32) * 4
        mask = bytearray()
        for y in reversed(range(c.height)):
            bits = bytearray(mask_stride)
            for x in range(c.width):
                r, g, b, a = c.pixels[y * c.width + x]
                alpha = int(round(a * 255))
                xor += bytes((int(round(b)), int(round(g)), int(round(r)), alpha))
                if alpha == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        header = struct.pack("<IiiHHIIiiII", 40, c.width, c.height * 2, 1, 32, 0,
                             len(xor) + len(mask), 0, 0, 0, 0)
        images.append((c.width, c.height, header + xor + mask))
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for w, h, data in images:
        entries += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return directory + entries + b"".join(d for _, _, d in images)


def text_mask(text, font, points, spacing=0):
    """Renders text with ImageMagick into a tight grey coverage mask."""
    if not os.path.exists(font):
        sys.exit(f"gen_images: font {font} is missing (run scripts/setup)")
    command = ["convert", "-background", "black", "-fill", "white", "-font", font,
               "-pointsize", str(points), "-kerning", str(spacing), "label:" + text,
               "-trim", "+repage", "-depth", "8", "pgm:-"]
    try:
        data = subprocess.run(command, check=True, capture_output=True).stdout
    except (OSError, subprocess.CalledProcessError) as error:
        sys.exit(f"gen_images: ImageMagick's convert failed: {error}")
    fields = data.split(maxsplit=4)  # P5, width, height, maxval, pixels
    width, height = int(fields[1]), int(fields[2])
    return fields[4][-width * height:], width, height


# ---------------------------------------------------------------- pictures

def draw_checker_flag(c, x0, y0, x1, y1, columns, rows, wave):
    """A chequered flag cloth filling a box, rippling with a sine wave."""
    w, h = x1 - x0, y1 - y0

    def colour(x, y):
        u = (x - x0) / w
        v = (y - y0 - wave * math.sin(u * 2.0 * math.pi * 1.1)) / h
        light = 0.82 + 0.18 * math.cos(u * 2.0 * math.pi * 1.1 - 0.6)
        black = (int(u * columns) + int(math.floor(v * rows))) % 2 == 1
        return shade((28, 28, 32) if black else (250, 250, 250), light)

    def inside(x, y):
        u = (x - x0) / w
        dy = wave * math.sin(u * 2.0 * math.pi * 1.1)
        return x0 <= x < x1 and y0 + dy <= y < y1 + dy
    c.paint((inside, (x0, y0 - abs(wave), x1, y1 + abs(wave))), colour)


def logo():
    """196 x 50: the program's name beside a waving chequered flag on a night
    blue plate with an amber racing stripe."""
    w, h = 196, 50
    c = Canvas(w, h, (10, 24, 46))
    c.paint(rect(0, 0, w, h), vertical((22, 52, 96), (6, 16, 34), 0, h))
    # Speed streaks across the plate.
    for i, (y, length, alpha) in enumerate(((9, 70, 0.10), (21, 110, 0.07), (37, 90, 0.09))):
        c.paint(line(w - length, y, w - 6 - 8 * i, y, 1.2), (120, 170, 230), alpha)
    # Flag on its pole.
    c.paint(line(9.5, 6, 9.5, 45, 2.2), (196, 200, 210))
    c.paint(circle(9.5, 5.5, 1.8), (255, 196, 40))
    draw_checker_flag(c, 10.5, 8, 44, 30, 6, 4, 2.0)
    # Amber stripe under the name.
    c.paint(polygon([(52, 29), (190, 29), (187, 32), (49, 32)]), (255, 176, 0))
    mask, mw, mh = text_mask("ZELQUAN ORLA", FONT_BLACK, 18)
    left = 51 + max(0, (138 - mw) // 2)
    c.paint_mask(mask, mw, mh, left + 1, 9, (0, 0, 0))  # drop shadow
    c.paint_mask(mask, mw, mh, left, 8, (255, 255, 255))
    mask, mw, mh = text_mask("SEQUENT", FONT_CONDENSED, 14, spacing=4)
    c.paint_mask(mask, mw, mh, 51 + max(0, (138 - mw) // 2), 36, (255, 196, 60))
    # Thin frame so the plate reads as one piece on any background.
    c.paint(minus(rect(0, 0, w, h), rect(1, 1, w - 1, h - 1)), (2, 8, 18))
    return c


def finish_flag():
    """25 x 16, the size the board draws it at on the 1600 x 900 screen (it is
    stretched to W/64 x 16): a waving chequered flag filling the cell."""
    c = Canvas(25, 16, (250, 250, 250))
    draw_checker_flag(c, 0, 0, 25, 16, 5, 4, 0.0)
    c.paint(minus(rect(0, 0, 25, 16), rect(1, 1, 24, 15)), (60, 60, 66), 0.8)
    return c


def scan_lamp(phase):
    """45 x 35 (the pilot dialog's lamp rectangle): a transponder whose radio
    waves grow one ring per phase, its light blinking with the cycle."""
    c = Canvas(45, 35, FACE)
    # Transponder body with its lead.
    c.paint(line(6, 26, 6, 33, 1.6), (70, 70, 80))
    c.paint(rounded_rect(2, 9, 15, 27, 2.5), (38, 42, 52))
    c.paint(rounded_rect(3, 10, 14, 18, 1.5), vertical((92, 100, 118), (52, 58, 72), 10, 18))
    lit = phase % 2 == 0
    c.paint(circle(8.5, 22.5, 2.3), (60, 230, 90) if lit else (24, 90, 40))
    if lit:
        c.paint(circle(8.5, 22.5, 3.8), (90, 255, 120), 0.25)
    # Waves to the right of the transponder.
    for ring in range(phase - 1):
        radius = 7.0 + ring * 7.0
        strength = 1.0 - ring * 0.18
        c.paint(arc(14.5, 18, radius, 2.6, -38, 38), mix(FACE, (20, 110, 220), strength))
    return c


def status_lamp(light, dark):
    """40 x 40 (the interface dialog's lamp rectangle): a round indicator
    light in a metal bezel."""
    c = Canvas(40, 40, FACE)
    c.paint(circle(20, 20.6, 18.2), (150, 150, 150), 0.35)  # soft shadow
    c.paint(circle(20, 20, 18), vertical((235, 235, 240), (110, 112, 120), 2, 38))
    c.paint(circle(20, 20, 15), vertical((90, 92, 100), (215, 215, 222), 5, 35))
    c.paint(circle(20, 20, 13.2), radial(light, dark, 17, 16, 16))
    c.paint(ellipse(17, 13.5, 7.0, 4.2), (255, 255, 255), 0.55)
    c.paint(circle(24.5, 26, 2.2), light, 0.45)
    return c


def button_start():
    """32 x 32 on the button face: a green disc with a play triangle."""
    c = Canvas(32, 32, FACE)
    glossy_disc(c, 16, 16, 14.5, (110, 220, 120), (20, 130, 50))
    c.paint(polygon([(12.5, 9), (24, 16), (12.5, 23)]), (255, 255, 255))
    return c


def button_stop():
    """32 x 32 on the button face: a red disc with a stop square."""
    c = Canvas(32, 32, FACE)
    glossy_disc(c, 16, 16, 14.5, (250, 110, 100), (180, 20, 20))
    c.paint(rounded_rect(10.5, 10.5, 21.5, 21.5, 1.2), (255, 255, 255))
    return c


def button_clear():
    """32 x 32 on the button face: a blue disc with a reset arrow."""
    c = Canvas(32, 32, FACE)
    glossy_disc(c, 16, 16, 14.5, (110, 170, 250), (20, 70, 170))
    c.paint(arc(16, 16.5, 6.8, 2.8, 120, 60), (255, 255, 255))
    # Arrow head at the open end (about 60 degrees), pointing clockwise.
    tip_angle = math.radians(60)
    ex, ey = 16 + 6.8 * math.cos(tip_angle), 16.5 - 6.8 * math.sin(tip_angle)
    c.paint(polygon([(ex - 4.2, ey - 3.4), (ex + 2.6, ey - 0.6), (ex - 2.4, ey + 4.4)]), (255, 255, 255))
    return c


def menu_tile(colour):
    """13 x 13 (the menu check-mark size): a coloured tile that the glyph is
    drawn on in white. It fills the whole bitmap, so it looks the same on any
    menu colour."""
    c = Canvas(13, 13, colour)
    c.paint(rect(0, 0, 13, 13), vertical(shade(colour, 1.18), shade(colour, 0.85), 0, 13))
    c.paint(minus(rect(0, 0, 13, 13), rect(1, 1, 12, 12)), shade(colour, 0.65))
    return c


WHITE = (255, 255, 255)


def menu_pilots():
    c = menu_tile((30, 100, 190))
    c.paint(circle(6.5, 4.4, 2.2), WHITE)
    c.paint(minus(ellipse(6.5, 11.6, 4.4, 4.4), rect(0, 11, 13, 13)), WHITE)
    return c


def menu_options():
    c = menu_tile((40, 140, 70))
    for y, knob in ((3.5, 8.5), (6.5, 4.5), (9.5, 7.5)):
        c.paint(rect(2, y - 0.5, 11, y + 0.5), WHITE)
        c.paint(circle(knob, y, 1.6), WHITE)
    return c


def menu_sounds():
    c = menu_tile((225, 120, 20))
    c.paint(polygon([(1.5, 5), (3.5, 5), (6.5, 2.2), (6.5, 10.8), (3.5, 8), (1.5, 8)]), WHITE)
    c.paint(arc(6.3, 6.5, 2.4, 1.1, -50, 50), WHITE)
    c.paint(arc(6.3, 6.5, 4.3, 1.1, -50, 50), WHITE)
    return c


def menu_display():
    c = menu_tile((120, 60, 170))
    c.paint(minus(rect(2, 2.5, 11, 8.5), rect(3, 3.5, 10, 7.5)), WHITE)
    c.paint(rect(3, 3.5, 10, 7.5), WHITE, 0.35)
    c.paint(rect(6, 8.5, 7, 10), WHITE)
    c.paint(rect(4, 10, 9, 11), WHITE)
    return c


def menu_interface():
    # A serial connector seen from the front, pins on the pixel grid.
    c = menu_tile((70, 85, 100))
    c.paint(polygon([(1, 3), (12, 3), (10.5, 10), (2.5, 10)]), WHITE)
    for x in (3, 5, 7, 9):
        c.paint(rect(x, 5, x + 1, 6), (50, 62, 76))
    for x in (4, 6, 8):
        c.paint(rect(x, 7, x + 1, 8), (50, 62, 76))
    return c


def stopwatch(size):
    """The program icon at one size: a stopwatch with a red hand and, from
    32 pixels up, a chequered flag at its foot. Drawn on a 48-unit grid."""
    c = Canvas(size, size)
    k = size / 48.0
    small = size < 24
    ring = 4.5 if small else 3.2
    cx, cy, r = 24 * k, 27 * k, 19.5 * k
    c.paint(rounded_rect(19.5 * k, 1.5 * k, 28.5 * k, 7.5 * k, 1.5 * k), (70, 76, 90))
    c.paint(rect(22 * k, 6 * k, 26 * k, 10 * k), (70, 76, 90))
    c.paint(line(36 * k, 9 * k, 39.5 * k, 12.5 * k, 3.4 * k), (70, 76, 90))
    c.paint(circle(cx, cy, r), vertical((96, 104, 122), (40, 44, 56), cy - r, cy + r))
    face = r - ring * k
    c.paint(circle(cx, cy, face), radial((255, 255, 255), (214, 220, 232), cx - 4 * k, cy - 5 * k, face * 1.6))
    if not small:
        for tick in range(12):
            if size < 40 and tick % 3:
                continue  # at 32 px the minute ticks are only noise
            a = math.radians(tick * 30)
            inner = face - (4.2 if tick % 3 == 0 else 2.6) * k
            c.paint(line(cx + inner * math.sin(a), cy - inner * math.cos(a),
                         cx + (face - 1.2 * k) * math.sin(a), cy - (face - 1.2 * k) * math.cos(a),
                         1.7 * k), (60, 66, 80))
    hand = math.radians(52)
    c.paint(line(cx, cy, cx + (face - 3 * k) * math.sin(hand), cy - (face - 3 * k) * math.cos(hand),
                 (3.4 if small else 2.4) * k), (214, 32, 32))
    c.paint(circle(cx, cy, (3.2 if small else 2.4) * k), (214, 32, 32))
    if not small:
        # Squares on whole pixels (2 px at 32, 3 px at 48) keep the flag crisp.
        square = size // 16
        fx1, fy1 = size - 1, size - 2
        fx0, fy0 = fx1 - 6 * square, fy1 - 4 * square
        c.paint(rect(fx0 - 1, fy0 - 1, fx1 + 1, fy1 + 1), (30, 30, 36))
        draw_checker_flag(c, fx0, fy0, fx1, fy1, 6, 4, 0.0)
    return c


# ------------------------------------------------------------------ output

IMAGES = {
    "logo.bmp": logo,
    "drapeauArrivee.bmp": finish_flag,
    "voyantScanPuce1.bmp": lambda: scan_lamp(1),
    "voyantScanPuce2.bmp": lambda: scan_lamp(2),
    "voyantScanPuce3.bmp": lambda: scan_lamp(3),
    "voyantScanPuce4.bmp": lambda: scan_lamp(4),
    "voyantRouge.bmp": lambda: status_lamp((255, 120, 100), (170, 10, 10)),
    "voyantVert.bmp": lambda: status_lamp((140, 255, 140), (10, 130, 40)),
}

RESOURCE_BITMAPS = {
    "start.bmp": button_start,
    "stop.bmp": button_stop,
    "clear.bmp": button_clear,
    "menu_pilots.bmp": menu_pilots,
    "menu_options.bmp": menu_options,
    "menu_sounds.bmp": menu_sounds,
    "menu_display.bmp": menu_display,
    "menu_interface.bmp": menu_interface,
}


def write_if_stale(path, make_bytes):
    if os.path.exists(path) and os.path.getmtime(path) > os.path.getmtime(SELF):
        return
    data = make_bytes()
    temporary = path + ".tmp"
    with open(temporary, "wb") as f:
        f.write(data)
    os.replace(temporary, path)


def main(argv):
    if len(argv) != 2:
        print(f"usage: {argv[0]} OUTDIR", file=sys.stderr)
        return 2
    images = os.path.join(argv[1], "images")
    resources = os.path.join(argv[1], "resource-bitmaps")
    os.makedirs(images, exist_ok=True)
    os.makedirs(resources, exist_ok=True)
    for name, draw in IMAGES.items():
        write_if_stale(os.path.join(images, name), lambda: bmp24(draw()))
    for name, draw in RESOURCE_BITMAPS.items():
        write_if_stale(os.path.join(resources, name), lambda: bmp24(draw()))
    write_if_stale(os.path.join(resources, "main.ico"),
                   lambda: ico([stopwatch(16), stopwatch(32), stopwatch(48)]))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
