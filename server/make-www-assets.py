"""Draws the pictures that the page of results refers to, into server/www/:
back.gif (the background tile), tr.gif (the title "Table of Records"), tn.gif and ts.gif (the
column heads "Name" and "Score"). Needs python3-pil and the DejaVu or Liberation fonts.
The results are committed; run this again only to change them:
    /usr/bin/python3 server/make-www-assets.py
"""
import os

from PIL import Image, ImageDraw, ImageFont

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "www")
PAGE = (0xFF, 0xF8, 0xDC)   # the page's BGCOLOR, cornsilk
TITLE = (0x64, 0x95, 0xED)  # the title row's BGCOLOR
# The game's ball colours.
BALLS = [(0x00, 0x00, 0xFF), (0xFF, 0x00, 0x00), (0x00, 0x80, 0x00), (0xFF, 0xFF, 0x00),
         (0x00, 0xFF, 0xFF), (0xFF, 0x00, 0xFF), (0x80, 0x00, 0x00), (0x00, 0xFF, 0x00)]
KEY = (0xFF, 0x00, 0xFE)  # stands for "transparent" until the GIF is written
SCALE = 4  # drawn larger, then reduced: smooth edges


def font(size):
    for path in ("/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf",
                 "/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf"):
        if os.path.exists(path):
            return ImageFont.truetype(path, size)
    raise SystemExit("no serif bold font: apt-get install fonts-dejavu-core")


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def save_gif(img, name, transparent=False):
    p = img.convert("RGB").quantize(colors=255 if transparent else 256, method=Image.Quantize.MEDIANCUT,
                                    dither=Image.Dither.NONE)
    kw = {}
    if transparent:
        palette = p.getpalette()[: 3 * 256]
        colours = [tuple(palette[i:i + 3]) for i in range(0, len(palette), 3)]
        kw["transparency"] = min(range(len(colours)),
                                 key=lambda i: sum((c - k) ** 2 for c, k in zip(colours[i], KEY)))
    p.save(os.path.join(OUT, name), optimize=True, **kw)


def ball(draw, cx, cy, r, colour):
    # A ball with a light spot, as on the board.
    draw.ellipse((cx - r, cy - r, cx + r, cy + r), fill=colour, outline=mix(colour, (0, 0, 0), 0.35),
                 width=max(1, r // 8))
    s = r // 3
    draw.ellipse((cx - r // 2 - s // 2, cy - r // 2 - s // 2, cx - r // 2 + s, cy - r // 2 + s),
                 fill=mix(colour, (255, 255, 255), 0.6))


def shadowed_text(draw, centre, text, size, colour, shadow, offset):
    f = font(size)
    x0, y0, x1, y1 = draw.textbbox((0, 0), text, font=f)
    x = centre[0] - (x1 - x0) / 2 - x0
    y = centre[1] - (y1 - y0) / 2 - y0
    draw.text((x + offset, y + offset), text, font=f, fill=shadow)
    draw.text((x, y), text, font=f, fill=colour)


def background():
    w = h = 120
    img = Image.new("RGB", (w * SCALE, h * SCALE), PAGE)
    d = ImageDraw.Draw(img)
    spots = [(15, 15, 0), (75, 15, 3), (45, 45, 1), (105, 45, 5), (15, 75, 2), (75, 75, 6),
             (45, 105, 4), (105, 105, 7)]
    for x, y, c in spots:
        ball(d, x * SCALE, y * SCALE, 9 * SCALE, mix(BALLS[c], PAGE, 0.82))
    save_gif(img.resize((w, h), Image.LANCZOS), "back.gif")


def title():
    w, h = 392, 46
    img = Image.new("RGB", (w * SCALE, h * SCALE), TITLE)
    d = ImageDraw.Draw(img)
    shadowed_text(d, (w * SCALE / 2, h * SCALE / 2), "Table of Records", 25 * SCALE, (0xFF, 0xFF, 0x00),
                  (0x10, 0x20, 0x60), 2 * SCALE)
    for i, c in enumerate((1, 3)):
        ball(d, (15 + 21 * i) * SCALE, h * SCALE // 2, 9 * SCALE, BALLS[c])
        ball(d, (w - 15 - 21 * i) * SCALE, h * SCALE // 2, 9 * SCALE, BALLS[(c + 4) % 8])
    save_gif(img.resize((w, h), Image.LANCZOS), "tr.gif")


def head(text, name):
    w, h = 180, 34
    top, bottom = (0x41, 0x69, 0xE1), (0x1E, 0x3A, 0x8A)
    img = Image.new("RGB", (w * SCALE, h * SCALE))
    d = ImageDraw.Draw(img)
    for y in range(img.height):
        d.line((0, y, img.width, y), fill=mix(top, bottom, y / img.height))
    shadowed_text(d, (w * SCALE / 2, h * SCALE / 2), text, 21 * SCALE, (0xFF, 0xFF, 0xFF), (0x0A, 0x14, 0x40),
                  2 * SCALE)
    # The rounded corners are cut after reducing, so no edge is blended with the transparent key.
    corners = Image.new("L", (w, h), 0)
    ImageDraw.Draw(corners).rounded_rectangle((0, 0, w - 1, h - 1), radius=12, fill=255)
    out = Image.new("RGB", (w, h), KEY)
    out.paste(img.resize((w, h), Image.LANCZOS), (0, 0), corners)
    save_gif(out, name, transparent=True)


def main():
    os.makedirs(OUT, exist_ok=True)
    background()
    title()
    head("Name", "tn.gif")
    head("Score", "ts.gif")


if __name__ == "__main__":
    main()
