#!/usr/bin/python3
"""Draws the game's pictures into assets/: the header picture of the main window (a GIF of
500 x 40, and 1000 x 80 for screens that double pixels) and the program's icon (4 x 4 balls on a
transparent ground: 16 and 32 pixels in 16 colours, 64, 128 and 256 pixels in full colour).
The header bears two words, "Счет" and "Осталось"; for every translation in translations/ that
has both, it is drawn again with the translated words as header-<lang>.gif (and @2x).

Everything is drawn here from fixed numbers and a fixed random seed, so running it again gives
the same files. Needs python3-pil (with libraqm, for the scripts that join and run right to left),
fonts-liberation, fonts-dejavu-core (Arabic, Persian, Hebrew) and fonts-noto-cjk (Japanese,
Korean, Chinese).

    scripts/make-assets.py [output-directory]
"""

import glob
import os
import random
import sys
import xml.etree.ElementTree as ElementTree

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

FONT_DIR = "/usr/share/fonts/truetype/liberation"
SERIF_BOLD = os.path.join(FONT_DIR, "LiberationSerif-Bold.ttf")
SANS_BOLD = os.path.join(FONT_DIR, "LiberationSans-Bold.ttf")
DEJAVU_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
CJK_BOLD = "/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc"
# The faces (path, index in the collection) of the two words, for the languages whose letters
# Liberation lacks; the CJK collection holds one face per region's forms of the characters.
LATIN_FACES = ((SERIF_BOLD, 0), (SANS_BOLD, 0))
FACES = {
    "ar": ((DEJAVU_BOLD, 0),) * 2,
    "fa": ((DEJAVU_BOLD, 0),) * 2,
    "he": ((DEJAVU_BOLD, 0),) * 2,
    "ja": ((CJK_BOLD, 0),) * 2,
    "ko": ((CJK_BOLD, 1),) * 2,
    "zh_CN": ((CJK_BOLD, 2),) * 2,
    "zh_TW": ((CJK_BOLD, 3),) * 2,
}

# The picture is 500 x 40, stretched over a header of 491: the score label stands at 136..217
# and the count label at 280..355 of the header, so the words keep clear of those places.
WIDTH, HEIGHT = 500, 40
LEFT_END = 134     # the dark part with "Счет"
RIGHT_START = 364  # the pale blue part with "Осталось"
BLEND = 10         # soft seams between the parts

BALL_COLOURS = [
    (0x00, 0x00, 0xFF),  # blue
    (0xFF, 0x00, 0x00),  # red
    (0x00, 0x80, 0x00),  # green
    (0xFF, 0xFF, 0x00),  # yellow
    (0x00, 0xFF, 0xFF),  # aqua
    (0xFF, 0x00, 0xFF),  # fuchsia
]
# The 4 x 4 balls of the icon, by index into BALL_COLOURS.
ICON_GRID = [
    [0, 1, 2, 3],
    [5, 4, 0, 1],
    [3, 2, 5, 4],
    [1, 0, 3, 2],
]


def lerp(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def vertical_gradient(size, stops):
    """An RGB image whose rows run through the colour stops [(position 0..1, colour), ...]."""
    w, h = size
    img = Image.new("RGB", size)
    px = img.load()
    for y in range(h):
        t = y / max(1, h - 1)
        for i in range(len(stops) - 1):
            (p0, c0), (p1, c1) = stops[i], stops[i + 1]
            if p0 <= t <= p1:
                c = lerp(c0, c1, (t - p0) / max(1e-9, p1 - p0))
                break
        else:
            c = stops[-1][1]
        for x in range(w):
            px[x, y] = c
    return img


def text_mask(size, text, font, centre_x, baseline_shift=0):
    """A greyscale mask with `text` centred at centre_x and in the middle of the height."""
    mask = Image.new("L", size, 0)
    d = ImageDraw.Draw(mask)
    left, top, right, bottom = d.textbbox((0, 0), text, font=font)
    x = centre_x - (right - left) / 2 - left
    y = (size[1] - (bottom - top)) / 2 - top + baseline_shift
    d.text((x, y), text, font=font, fill=255)
    return mask


def missing_letters(font, text):
    """The letters of `text` that `font` draws as its box for a missing letter."""
    box = font.getmask("\uffff")
    missing = []
    for c in set(text):
        if c.isspace() or c in "\u200c\u200d":
            continue
        mask = font.getmask(c)
        if mask.size == box.size and bytes(mask) == bytes(box):
            missing.append(c)
    return sorted(missing)


def fitting_font(face, size, text, width):
    """The font at `size`, or smaller until `text` is at most `width` wide: a longer word of a
    translation keeps to its part of the picture."""
    path, index = face
    lacking = missing_letters(ImageFont.truetype(path, size, index=index), text)
    if lacking:
        sys.exit(f"{path} has no letters {''.join(lacking)} of {text!r}: name a face for the language in FACES")
    while True:
        font = ImageFont.truetype(path, size, index=index)
        left, _, right, _ = font.getbbox(text)
        if right - left <= width or size <= 8:
            return font
        size -= 1


def draw_header(scale, words=("Счет", "Осталось"), faces=LATIN_FACES):
    w, h = WIDTH * scale, HEIGHT * scale
    rnd = random.Random(1999)

    # Middle: streaks of orange running along the band.
    middle = Image.new("RGB", (w, h))
    mp = middle.load()
    streaks = [rnd.uniform(-1.0, 1.0) for _ in range(h)]
    for y in range(h):
        # Neighbouring rows are alike, so the streaks are a few pixels thick.
        s = (streaks[y] + streaks[max(0, y - 1)] + streaks[min(h - 1, y + 1)]) / 3
        glow = 1.0 - abs(y / (h - 1) - 0.45) * 0.9
        for x in range(w):
            wave = 0.08 * ((x * 7 + y * 13) % (23 * scale)) / (23 * scale)
            t = max(0.0, min(1.0, 0.55 + 0.35 * s + wave - 0.1))
            base = lerp((0xC8, 0x50, 0x00), (0xFF, 0xB0, 0x30), t)
            mp[x, y] = lerp((0x60, 0x20, 0x00), base, min(1.0, 0.45 + glow * 0.7))

    # Left: a dark night with points of light.
    left = vertical_gradient((w, h), [(0.0, (0x10, 0x12, 0x30)), (0.5, (0x04, 0x04, 0x10)),
                                       (1.0, (0x14, 0x10, 0x28))])
    stars = Image.new("L", (w, h), 0)
    sd = ImageDraw.Draw(stars)
    for _ in range(70):
        x = rnd.uniform(0, (LEFT_END + BLEND) * scale)
        y = rnd.uniform(0, h)
        r = rnd.choice([0.5, 0.5, 0.8, 1.2]) * scale
        sd.ellipse((x - r, y - r, x + r, y + r), fill=rnd.randint(150, 255))
    glow = stars.filter(ImageFilter.GaussianBlur(1.2 * scale))
    left = Image.composite(Image.new("RGB", (w, h), (0xFF, 0xF4, 0xD0)), left,
                           ImageChops.add(stars, glow))

    # Right: pale blue.
    right = vertical_gradient((w, h), [(0.0, (0xE6, 0xF2, 0xFF)), (0.5, (0xC4, 0xDE, 0xFA)),
                                        (1.0, (0xDA, 0xEA, 0xFF))])

    # Put the three together with soft seams.
    seam = Image.new("L", (w, h))
    sp = seam.load()
    for x in range(w):
        a = max(0.0, min(1.0, (x - (LEFT_END - BLEND / 2) * scale) / (BLEND * scale)))
        for y in range(h):
            sp[x, y] = int(a * 255)
    img = Image.composite(middle, left, seam)
    for x in range(w):
        a = max(0.0, min(1.0, (x - (RIGHT_START - BLEND / 2) * scale) / (BLEND * scale)))
        for y in range(h):
            sp[x, y] = int(a * 255)
    img = Image.composite(right, img, seam)

    # "Счет" in metallic letters: a bright-dark-bright gradient, a dark rim, a light edge above.
    font = fitting_font(faces[0], 34 * scale, words[0], (LEFT_END - 12) * scale)
    mask = text_mask((w, h), words[0], font, (LEFT_END / 2 - 2) * scale, 1 * scale)
    metal = vertical_gradient((w, h), [(0.0, (0xFF, 0xFF, 0xFF)), (0.32, (0xD0, 0xD6, 0xE0)),
                                        (0.52, (0x6A, 0x72, 0x80)), (0.62, (0x9A, 0xA2, 0xB0)),
                                        (1.0, (0xF0, 0xF4, 0xFA))])
    rim = mask.filter(ImageFilter.MaxFilter(3 if scale == 1 else 5))
    img = Image.composite(Image.new("RGB", (w, h), (0x20, 0x22, 0x2A)), img, rim)
    img = Image.composite(metal, img, mask)
    edge = ImageChops.subtract(mask, ImageChops.offset(mask, 0, scale))
    img = Image.composite(Image.new("RGB", (w, h), (0xFF, 0xFF, 0xFF)), img,
                          edge.point(lambda v: v * 0.7))

    # "Осталось" in bluish letters, with a soft darker shadow.
    font = fitting_font(faces[1], 23 * scale, words[1], (WIDTH - RIGHT_START - 8) * scale)
    centre = (RIGHT_START + WIDTH) / 2 + 2
    mask = text_mask((w, h), words[1], font, centre * scale, 0)
    shadow = ImageChops.offset(mask, scale, scale).filter(ImageFilter.GaussianBlur(0.8 * scale))
    img = Image.composite(Image.new("RGB", (w, h), (0x70, 0x8C, 0xB8)), img, shadow.point(lambda v: v * 0.6))
    blue = vertical_gradient((w, h), [(0.0, (0x40, 0x70, 0xE0)), (0.55, (0x10, 0x38, 0xA8)),
                                       (1.0, (0x30, 0x5C, 0xD0))])
    img = Image.composite(blue, img, mask)
    return img


def save_gif(img, path):
    # GIF holds 256 colours; a fixed adaptive palette keeps the output the same run after run.
    img.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.FLOYDSTEINBERG).save(
        path, format="GIF", optimize=False)


def draw_icon_smooth(size):
    """The icon in full colour, antialiased: shaded balls with a highlight."""
    big = size * 4
    img = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    cell = big / 4
    for r, row in enumerate(ICON_GRID):
        for c, colour in enumerate(row):
            base = BALL_COLOURS[colour]
            x0, y0 = c * cell, r * cell
            inset = cell * 0.04
            ball = Image.new("RGBA", (big, big), (0, 0, 0, 0))
            d = ImageDraw.Draw(ball)
            d.ellipse((x0 + inset, y0 + inset, x0 + cell - inset, y0 + cell - inset),
                      fill=lerp(base, (0, 0, 0), 0.35) + (255,))
            steps = 24
            for i in range(steps):
                t = i / steps
                rr = (cell / 2 - inset) * (1 - t * 0.85)
                cx = x0 + cell / 2 - t * cell * 0.12
                cy = y0 + cell / 2 - t * cell * 0.12
                colour_t = lerp(lerp(base, (0, 0, 0), 0.3), base, min(1.0, t * 2)) if t < 0.5 else \
                    lerp(base, (0xFF, 0xFF, 0xFF), (t - 0.5) * 1.3)
                d.ellipse((cx - rr, cy - rr, cx + rr, cy + rr), fill=colour_t + (255,))
            img = Image.alpha_composite(img, ball)
    return img.resize((size, size), Image.Resampling.LANCZOS)


def draw_icon_16_colours(size):
    """The same drawing in at most 16 colours, one of them transparent: each pixel of the smooth
    rendering takes the nearest colour of a fixed palette (two shades a ball colour, a rim, white)."""
    palette = []
    for base in BALL_COLOURS:
        palette.append(base)
        palette.append(lerp(base, (0xFF, 0xFF, 0xFF), 0.55))
    palette += [lerp(c, (0, 0, 0), 0.45) for c in BALL_COLOURS[:2]]
    palette.append((0xFF, 0xFF, 0xFF))
    transparent = len(palette)
    palette.append((0, 0, 0))
    assert len(palette) <= 16

    smooth = draw_icon_smooth(size)
    img = Image.new("P", (size, size), transparent)
    flat = [v for colour in palette for v in colour]
    img.putpalette(flat + [0, 0, 0] * (16 - len(palette)))
    src, dst = smooth.load(), img.load()
    for y in range(size):
        for x in range(size):
            r, g, b, a = src[x, y]
            if a < 128:
                continue
            dst[x, y] = min(range(transparent),
                            key=lambda i: (palette[i][0] - r) ** 2 + (palette[i][1] - g) ** 2 +
                            (palette[i][2] - b) ** 2)
    return img, transparent


def translated_words(root):
    """{language: (score word, count word)} of every translation that has finished both."""
    found = {}
    for ts in sorted(glob.glob(os.path.join(root, "translations", "kvelli99_*.ts"))):
        tree = ElementTree.parse(ts)
        words = {}
        for context in tree.getroot().iter("context"):
            if context.findtext("name") != "kv::ui::TForm1":
                continue
            for message in context.iter("message"):
                translation = message.find("translation")
                if translation is not None and not translation.get("type") and translation.text:
                    words[message.findtext("source")] = translation.text
        if "Счет" in words and "Осталось" in words:
            found[tree.getroot().get("language")] = (words["Счет"], words["Осталось"])
    return found


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "assets")
    os.makedirs(out, exist_ok=True)

    save_gif(draw_header(1), os.path.join(out, "header.gif"))
    save_gif(draw_header(2), os.path.join(out, "header@2x.gif"))
    for language, words in translated_words(root).items():
        faces = FACES.get(language, LATIN_FACES)
        save_gif(draw_header(1, words, faces), os.path.join(out, "header-%s.gif" % language))
        save_gif(draw_header(2, words, faces), os.path.join(out, "header-%s@2x.gif" % language))

    for size in (16, 32):
        img, transparent = draw_icon_16_colours(size)
        img.save(os.path.join(out, "icon-%d.png" % size), format="PNG", transparency=transparent, bits=4,
                 optimize=False)
    for size in (64, 128, 256):
        draw_icon_smooth(size).save(os.path.join(out, "icon-%d.png" % size), format="PNG", optimize=False)


if __name__ == "__main__":
    main()
