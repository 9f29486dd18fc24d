"""Draws the launcher's logo, as the quit window shows it, into a true-colour raster: a
crescent swoosh open to the right and the two lines CINDERMOOR and LAUNCHER, glowing yellow
on black. make_icon.py uses it for the installer's wizard picture.

The windows draw the same design with Windows' own fonts; here, where no font may be relied
on, the capitals are strokes of a small built-in alphabet, and every shape is antialiased by
its distance from the pixel's centre."""

import math

YELLOW = (232, 210, 0)
HALO_BRIGHTNESS = 0.35  # of the innermost halo ring, as the windows draw it

# The quit window's logo, in its own pixels (240 x 128).
LOGO_WIDTH, LOGO_HEIGHT = 240, 128
SWOOSH_CENTRE, SWOOSH_RADII = (120, 64), (116, 61)
SWOOSH_FROM, SWOOSH_TO, SWOOSH_WIDEST = 90, 240, 17  # degrees; the widest part of the band
CAPITAL, FIRST_LINE_TOP, LINE_GAP, TEXT_CENTRE_X, FIRST_LINE_WIDTH = 18, 41, 10, 130, 190
TEXT_HALO, SWOOSH_HALO = 2, 2

# The capitals as centre lines of strokes on a cell 10 units high (y downwards). A stroke is
# STROKE units wide, so the lines keep half of it clear of the cell's top and bottom.
STROKE = 1.7
TOP, BOTTOM = STROKE / 2, 10 - STROKE / 2
SPACING = 1.3


def arc(centre, radii, start, end, steps=12):
    """Points along an ellipse, angles in degrees counter-clockwise from the right."""
    points = []
    for step in range(steps + 1):
        angle = math.radians(start + (end - start) * step / steps)
        points.append((centre[0] + radii[0] * math.cos(angle),
                       centre[1] - radii[1] * math.sin(angle)))
    return points


def _glyphs():
    """Each capital: (cell width, polylines)."""
    left = STROKE / 2
    middle = 5.0
    bowl = (BOTTOM - TOP) / 2
    return {
        "A": (7.6, [[(left, BOTTOM), (3.8, TOP), (7.6 - left, BOTTOM)], [(1.9, 6.6), (5.7, 6.6)]]),
        "C": (7.4, [arc((4.0, middle), (3.15, bowl), 42, 318)]),
        "D": (7.4, [[(3.1, TOP), (left, TOP), (left, BOTTOM), (3.1, BOTTOM)]
                    + arc((3.1, middle), (3.45, bowl), -90, 90)]),
        "E": (6.4, [[(6.4 - left, TOP), (left, TOP), (left, BOTTOM), (6.4 - left, BOTTOM)],
                    [(left, middle), (5.4, middle)]]),
        "H": (7.2, [[(left, TOP), (left, BOTTOM)], [(7.2 - left, TOP), (7.2 - left, BOTTOM)],
                    [(left, middle), (7.2 - left, middle)]]),
        "I": (STROKE, [[(left, TOP), (left, BOTTOM)]]),
        "L": (6.0, [[(left, TOP), (left, BOTTOM), (6.0 - left, BOTTOM)]]),
        "M": (8.8, [[(left, BOTTOM), (left, TOP), (4.4, BOTTOM), (8.8 - left, TOP),
                     (8.8 - left, BOTTOM)]]),
        "N": (7.2, [[(left, BOTTOM), (left, TOP), (7.2 - left, BOTTOM), (7.2 - left, TOP)]]),
        "O": (8.0, [arc((4.0, middle), (4.0 - left, bowl), 0, 360, 24)]),
        "R": (7.2, [[(left, BOTTOM), (left, TOP), (3.9, TOP)]
                    + arc((3.9, (TOP + 5.4) / 2), (2.6, (5.4 - TOP) / 2), 90, -90)
                    + [(left, 5.4)], [(3.6, 5.4), (7.2 - left, BOTTOM)]]),
        "U": (7.2, [[(left, TOP)] + arc((3.6, 6.2), (3.6 - left, BOTTOM - 6.2), 180, 360)
                    + [(7.2 - left, TOP)]]),
    }


GLYPHS = _glyphs()


def natural_width(text):
    return sum(GLYPHS[letter][0] for letter in text) + SPACING * (len(text) - 1)


class Raster:
    """Brightness 0..1 of the logo colour per pixel, on black."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.levels = [[0.0] * width for _ in range(height)]

    def shade(self, box, distance, halo):
        """Lights the pixels of box (left, top, right, bottom) by a shape's signed distance
        from each pixel's centre: full inside, fading over the edge's pixel, then a halo
        ring halo pixels wide, dimmer further out."""
        left, top, right, bottom = box
        for y in range(max(0, int(top - halo - 1)), min(self.height, int(bottom + halo + 2))):
            row = self.levels[y]
            for x in range(max(0, int(left - halo - 1)), min(self.width, int(right + halo + 2))):
                d = distance(x + 0.5, y + 0.5)
                level = min(1.0, max(0.0, 0.5 - d))
                if 0 < d <= halo + 0.5:
                    level = max(level, HALO_BRIGHTNESS / max(1.0, d + 0.5))
                row[x] = max(row[x], level)

    def rgb_rows(self, colour):
        """The rows top first, each a list of (red, green, blue)."""
        return [[tuple(round(channel * level) for channel in colour) for level in row]
                for row in self.levels]


def segment_distance(px, py, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    length = dx * dx + dy * dy
    t = 0.0 if length == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def inside(px, py, polygon):
    crossings = False
    for (ax, ay), (bx, by) in zip(polygon, polygon[1:] + polygon[:1]):
        if (ay > py) != (by > py) and px < ax + (py - ay) * (bx - ax) / (by - ay):
            crossings = not crossings
    return crossings


def draw_text(raster, text, centre_x, top, capital, width_scale, halo):
    """One line of capitals capital pixels high, centred on centre_x."""
    unit = capital / 10
    x = centre_x - natural_width(text) * unit * width_scale / 2
    for letter in text:
        cell, lines = GLYPHS[letter]
        segments = [((x + px * unit * width_scale, top + py * unit),
                     (x + qx * unit * width_scale, top + qy * unit))
                    for line in lines for (px, py), (qx, qy) in zip(line, line[1:])]
        half = STROKE * unit / 2
        box = (x, top, x + cell * unit * width_scale, top + capital)
        raster.shade(box, lambda px, py, s=segments, h=half:
                     min(segment_distance(px, py, a, b) for a, b in s) - h, halo)
        x += (cell + SPACING) * unit * width_scale


def swoosh_outline(scale, offset):
    """The band along the ellipse from straight above its centre round the left side to the
    lower left, swelling on the inside of the curve from nothing at the tips."""
    steps = 40
    (cx, cy), (rx, ry) = SWOOSH_CENTRE, SWOOSH_RADII

    def point(along, inset):
        angle = math.radians(SWOOSH_FROM + (SWOOSH_TO - SWOOSH_FROM) * along)
        return (offset[0] + (cx + (rx - inset) * math.cos(angle)) * scale,
                offset[1] + (cy - (ry - inset) * math.sin(angle)) * scale)

    outer = [point(step / steps, 0) for step in range(steps + 1)]
    inner = [point(step / steps, SWOOSH_WIDEST * math.sin(math.pi * step / steps))
             for step in range(steps, -1, -1)]
    return outer + inner


def draw_logo(raster, scale, offset):
    """The quit window's logo at scale, its top left corner at offset."""
    polygon = swoosh_outline(scale, offset)
    edges = list(zip(polygon, polygon[1:] + polygon[:1]))
    xs, ys = [p[0] for p in polygon], [p[1] for p in polygon]

    def swoosh_distance(px, py):
        edge = min(segment_distance(px, py, a, b) for a, b in edges)
        return -edge if inside(px, py, polygon) else edge

    raster.shade((min(xs), min(ys), max(xs), max(ys)), swoosh_distance, SWOOSH_HALO * scale)
    capital = CAPITAL * scale
    width_scale = FIRST_LINE_WIDTH / (natural_width("CINDERMOOR") * CAPITAL / 10)
    centre_x = offset[0] + TEXT_CENTRE_X * scale
    first_top = offset[1] + FIRST_LINE_TOP * scale
    for row, text in enumerate(("CINDERMOOR", "LAUNCHER")):
        draw_text(raster, text, centre_x, first_top + row * (capital + LINE_GAP * scale), capital,
                  width_scale, TEXT_HALO * scale)


def wizard_picture(width, height):
    """The installer's welcome and finish page picture: the logo across the width, centred a
    third of the way down, on black."""
    raster = Raster(width, height)
    margin = 2
    scale = (width - 2 * margin) / LOGO_WIDTH
    draw_logo(raster, scale, (margin, round(height / 3 - LOGO_HEIGHT * scale / 2)))
    return raster
