#!/usr/bin/python3
"""Converts Battle for Wesnoth art into Grimhollow's picture lists.

Called by tools/import-art with: IMAGES_DIR ASSETS_DIR DEB_NAME, where IMAGES_DIR
is data/core/images of the unpacked wesnoth-1.16-data package.

Every picture is made opaque on black, because the battlefield copies pictures
without blending: a unit picture covers its whole cell. Unit pictures lose their
team-colour magenta to a neutral grey ramp, and a mask beside each one remembers
where that magenta was, so the game can paint every owner's colour itself.
Every living unit also stands on a thin grey ring that the mask covers too, so
that the owner shows even on sprites with little or no team colour.
"""

import colorsys
import os
import sys

from PIL import Image, ImageChops, ImageDraw, ImageEnhance, ImageOps, ImageStat

PKG_PREFIX = "usr/share/games/wesnoth/1.16/data/core/images/"
LICENCE = "GPL-2.0-or-later, Battle for Wesnoth (wesnoth-1.16-data)"

# Wesnoth's team-colour source ramp (data/core/team-colors.cfg, "magenta").
MAGENTA_RAMP = [
    0xF49AC1, 0x3F0016, 0x55002A, 0x690039, 0x7B0045, 0x8C0051, 0x9E005D,
    0xB10069, 0xC30074, 0xD6007F, 0xEC008C, 0xEE3D96, 0xEF5BA1, 0xF172AC,
    0xF287B6, 0xF6ADCD, 0xF8C1D9, 0xFAD5E5, 0xFDE9F1,
]
MAGENTA_SET = {((c >> 16) & 255, (c >> 8) & 255, c & 255) for c in MAGENTA_RAMP}

SRC = 72     # Wesnoth's unit frame size
UNIT = 48    # one battlefield cell
SPELL = 64
ICON = 32
FACE = 97
SPLASH = (418, 306)
# HiDPI screens get the units, effects and portraits again at this multiple,
# made from the same sources, beside each picture as NAME@2x.png.
SHARP = 2

# The owner's ring on the ground under every living unit, in battlefield
# pixels: a thin ellipse centred across the cell. Many sprites carry only a few
# pixels of team colour and the demon none at all; the ring is what tells
# whose unit it is. It is grey at the reference level (see split_team_colour),
# so the tint turns it into exactly the owner's colour.
RING_SIZE = (36, 12)
RING_LINE = 2
RING_GREY = 125
RING_SUPERSAMPLE = 8

credits = []


def src_path(images, rel):
    return os.path.join(images, rel)


def load(images, rel):
    return Image.open(src_path(images, rel)).convert("RGBA")


def is_team_colour(r, g, b, loose):
    if (r, g, b) in MAGENTA_SET:
        return True
    if not loose:
        return False
    # Recoloured or hand-painted sprites stray from the exact ramp; a strongly
    # saturated pink-to-violet pixel is still team colour. Pale pinks (a bat's
    # wing skin) stay, because they are far less saturated.
    h, s, v = colorsys.rgb_to_hsv(r / 255.0, g / 255.0, b / 255.0)
    return 290.0 <= h * 360.0 <= 345.0 and s > 0.6 and v > 0.2 and g < min(r, b)


def split_team_colour(im, loose=True):
    """Returns (picture with the magenta turned to grey, mask of where it was).

    The grey keeps the ramp's brightness: (R+G+B)/3, which puts Wesnoth's
    reference magenta #EC008C at 125. The game tints with that reference in mind
    (ImageLists.cpp), so both sides must agree on it.
    """
    out = im.copy()
    mask = Image.new("L", im.size, 0)
    px, mpx = out.load(), mask.load()
    for y in range(im.size[1]):
        for x in range(im.size[0]):
            r, g, b, a = px[x, y]
            if a and is_team_colour(r, g, b, loose):
                s = (r + g + b) // 3
                px[x, y] = (s, s, s, a)
                mpx[x, y] = a
    return out, mask


def fit_frame(im, size=SRC):
    """Puts a frame of any size onto a size x size canvas, centred the way
    Wesnoth centres it on the hex, pulling wide frames (a mage falling over)
    back inside rather than cutting them."""
    if im.size == (size, size):
        return im
    bbox = im.getchannel("A").getbbox() or (0, 0, 1, 1)
    content = im.crop(bbox)
    cw, ch = content.size
    if cw > size or ch > size:
        k = size / max(cw, ch)
        content = content.resize((max(1, round(cw * k)), max(1, round(ch * k))), Image.LANCZOS)
        cw, ch = content.size
    ox = (size - im.size[0]) // 2 + bbox[0]
    oy = (size - im.size[1]) // 2 + bbox[1]
    ox = min(max(ox, 0), size - cw)
    oy = min(max(oy, 0), size - ch)
    canvas = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    canvas.alpha_composite(content, (ox, oy))
    return canvas


def shifted(im, dx, dy):
    out = Image.new(im.mode, im.size, 0)
    out.paste(im, (dx, dy))
    return out


def flash(im, colour=(255, 70, 40), amount=0.35):
    """Wesnoth marks a hit with a red flash; frames without a defend pose get one."""
    rgb = im.convert("RGB")
    tint = Image.new("RGB", im.size, colour)
    mixed = Image.blend(rgb, tint, amount)
    mixed.putalpha(im.getchannel("A"))
    return mixed


def brightened(im, light, opacity):
    """The ghost is dark green smoke painted for a grass-green map; on a black
    battlefield it needs more light and less see-through to be seen at all."""
    rgb = ImageEnhance.Brightness(im.convert("RGB")).enhance(light)
    rgb.putalpha(im.getchannel("A").point(lambda v: min(255, int(v * opacity))))
    return rgb


def faded(im, amount):
    a = im.getchannel("A").point(lambda v: int(v * amount))
    out = im.copy()
    out.putalpha(a)
    return out


def laid_down(im, squash, bbox):
    """Flattens a floating body towards the ground, for creatures that have
    no corpse frame of their own. bbox is the sprite's, so that the picture
    and its mask move together."""
    w, h = im.size
    content = im.crop(bbox)
    nh = max(1, round(content.size[1] * squash))
    content = content.resize((content.size[0], nh), Image.LANCZOS)
    out = Image.new(im.mode, im.size, 0)
    out.paste(content, (bbox[0], min(h - nh, bbox[3] - nh + 4)))
    return out


def ground_ring(centre_y, size=UNIT):
    """The ring's coverage on a size x size picture: an anti-aliased ellipse
    outline centred across the cell, centre_y battlefield pixels from the top.
    Drawn at the picture's own size, not scaled with the sprite, so that its
    line stays crisp and exactly at the reference grey."""
    k = RING_SUPERSAMPLE
    s = size // UNIT
    w, h = RING_SIZE[0] * s * k, RING_SIZE[1] * s * k
    cx, cy = size * k / 2, centre_y * s * k
    ring = Image.new("L", (size * k, size * k), 0)
    ImageDraw.Draw(ring).ellipse((cx - w / 2, cy - h / 2, cx + w / 2 - 1, cy + h / 2 - 1),
                                 outline=255, width=RING_LINE * s * k)
    return ring.resize((size, size), Image.BOX)


def unit_frame(images, recipe, ring_y=None):
    """recipe: (source, {ops}); ring_y: where the ground ring's centre goes, or
    None for no ring. Returns ((48x48 RGB picture, 48x48 L mask, 48x48 L
    cover), the same at twice the size for HiDPI screens, sources). The cover
    is how much of each pixel the unit hides: the picture is the unit laid on
    black, so picture and cover together are the unit with its alpha, to be
    laid on the ground."""
    rel, ops = recipe
    sources = [rel]
    im = fit_frame(load(images, rel))
    pic, mask = split_team_colour(im, loose=True)

    def both(fn):
        nonlocal pic, mask
        pic, mask = fn(pic), fn(mask)

    if ops.get("flip"):
        both(ImageOps.mirror)
    if "rotate" in ops:
        both(lambda i: i.rotate(ops["rotate"], resample=Image.BICUBIC))
    if "squash" in ops:
        bbox = pic.getchannel("A").getbbox() or (0, 0, SRC, SRC)
        both(lambda i: laid_down(i, ops["squash"], bbox))
    if "shift" in ops:
        dx, dy = ops["shift"]
        both(lambda i: shifted(i, dx, dy))
    if "bright" in ops:
        pic = brightened(pic, *ops["bright"])
    if ops.get("flash"):
        pic = flash(pic)
    if "fade" in ops:
        pic = faded(pic, ops["fade"])

    # The mask only counts where the sprite itself is seen on black.
    alpha = pic.getchannel("A")
    mask = ImageChops.multiply(mask, alpha)

    canvas = Image.new("RGBA", (SRC, SRC), (0, 0, 0, 255))
    cover = alpha
    if "halo" in ops:
        halo = fit_frame(load(images, ops["halo"]))
        canvas.alpha_composite(halo)
        cover = ImageChops.screen(cover, halo.getchannel("A"))
        sources.append(ops["halo"])
    canvas.alpha_composite(pic)
    flat = canvas.convert("RGB")

    def at(size):
        out = flat.resize((size, size), Image.LANCZOS)
        m = mask.resize((size, size), Image.LANCZOS)
        c = cover.resize((size, size), Image.LANCZOS)
        if ring_y is not None:
            # The ring lies behind the halo and the sprite: on black, whatever
            # of it they leave uncovered adds its grey to the picture and its
            # weight to the mask.
            seen = ImageChops.multiply(ground_ring(ring_y, size), ImageChops.invert(c))
            grey = seen.point(lambda v: (v * RING_GREY + 127) // 255)
            out = ImageChops.add(out, Image.merge("RGB", (grey, grey, grey)))
            m = ImageChops.add(m, seen)
            c = ImageChops.add(c, seen)
        return out, m, c

    return at(UNIT), at(SHARP * UNIT), sources


FW = "units/monsters/firewraith/firewraith"
SK = "units/undead-skeletal/skeleton/skeleton"
MG = "units/human-magi/mage"
BT = "units/undead/bat-se-"
NC = "units/undead-necromancers/necromancer"
AR = "units/elves-wood/archer+female"
GH = "units/undead/ghost-s-"
HALO = {"halo": FW + "-halo.png"}
G = {"flip": True, "bright": (1.6, 1.5)}

# Nine frames per creature type: idle x3, strike x4, struck, corpse.
# Sprites face right; the game mirrors them for facing left.
UNITS = [
    # 1 Демон: the fire wraith; its attack is a flare of its own halo.
    [(FW + "-s1.png", {}), (FW + "-s3.png", {}), (FW + "-s5.png", {}),
     (FW + "-s2.png", dict(HALO, shift=(2, 0))), (FW + "-s4.png", dict(HALO, shift=(5, 0))),
     (FW + "-s6.png", dict(HALO, shift=(7, 0))), (FW + "-s8.png", dict(HALO, shift=(3, 0))),
     (FW + "-defend1.png", {}), ("units/monsters/fireghost-death4.png", {})],
    # 10 Скелет: picture 18 is everybody's bones, so it is a plain heap of them.
    [(SK + "-idle-1.png", {}), (SK + "-idle-2.png", {}), (SK + "-idle-3.png", {}),
     (SK + "-se-melee3.png", {}), (SK + "-se-melee5.png", {}), (SK + "-se-melee6.png", {}),
     (SK + "-se-melee8.png", {}), (SK + "-se-defend1.png", {}), ("items/bones.png", {})],
    # 19 Маг
    [(MG + ".png", {}), (MG + "-idle-1.png", {}), (MG + "-idle-3.png", {}),
     (MG + "-attack-magic1.png", {}), (MG + "-attack-magic2.png", {}),
     (MG + "-attack-staff1.png", {}), (MG + "-attack-staff2.png", {}),
     (MG + "-defend.png", {}), (MG + "-die-16.png", {})],
    # 28 Летучая мышь-вампир: only five wing beats exist, so the bite is a lunge
    # and the dead bat is a beat turned belly up on the ground.
    [(BT + "1.png", {}), (BT + "2.png", {}), (BT + "3.png", {}),
     (BT + "4.png", {"shift": (3, 1)}), (BT + "5.png", {"shift": (6, 3)}),
     (BT + "1.png", {"shift": (8, 4)}), (BT + "2.png", {"shift": (4, 2)}),
     (BT + "3.png", {"flash": True, "shift": (-2, 0)}),
     (BT + "5.png", {"rotate": 180, "squash": 0.7, "fade": 0.8})],
    # 37 Некромант: no idle frames, so he breathes by a pixel.
    [(NC + ".png", {}), (NC + ".png", {"shift": (0, -1)}), (NC + "-magic-1.png", {}),
     (NC + "-magic-1.png", {}), (NC + "-magic-2.png", {}), (NC + "-magic-3.png", {}),
     (NC + "-magic-2.png", {}), (NC + "-defend.png", {}),
     ("units/undead-necromancers/adept-die8.png", {})],
    # 46 Лучница
    [(AR + ".png", {}), (AR + ".png", {"shift": (0, -1)}), (AR + "-bow.png", {}),
     (AR + "-bow-attack1.png", {}), (AR + "-bow-attack2.png", {}),
     (AR + "-bow-attack3.png", {}), (AR + "-bow-attack4.png", {}),
     (AR + "-bow-defend.png", {}), (AR + "-die4.png", {})],
    # 55 Привидение: Wesnoth's ghost reaches to the left, unlike everyone else,
    # so it is turned round; it leaves nothing but a fading smudge.
    [(GH + "1.png", G), (GH + "2.png", G), (GH + "3.png", G),
     (GH + "attack-1.png", G), (GH + "attack-2.png", G), (GH + "attack-3.png", G),
     (GH + "attack-2.png", G), (GH + "2.png", dict(G, flash=True, shift=(-2, 0))),
     (GH + "3.png", dict(G, squash=0.45, fade=0.55))],
]

# Where each type's ground ring sits (centre, battlefield pixels from the top):
# under the feet of those who stand, at the bottom of the cell, like a shadow,
# for the bat and the ghost, which hover.
RING_Y = [41, 39, 39, 41, 41, 39, 41]
assert len(RING_Y) == len(UNITS)

SPELLS = [
    [f"halo/lightning-bolt-1-{i}.png" for i in range(1, 5)],
    [f"halo/undead/black-magic-{i}.png" for i in range(1, 5)],
]

ICONS = [
    "icons/scroll_red.png",                 # 1 main menu
    "icons/book2.png",                      # 2 magic
    "icons/letter_and_ale.png",             # 3 diplomacy
    "themes/sand-clock.png",                # 4 end turn
    "items/orcish-flag.png",                # 5 surrender
    "icons/crossed_sword_and_hammer.png",   # 6 settings
    "icons/book.png",                       # 7 help
    "icons/potion_red_small.png",           # 8 spare
]

# (source, crop box or None)
FACES = [
    ("portraits/monsters/fire_wraith_A.png", None),       # 1 demon
    ("portraits/humans/mage.png", None),                  # 2 mage
    ("portraits/undead/skeleton.png", None),              # 3 skeleton
    ("portraits/undead/lich.png", (95, 120, 295, 320)),   # 4 remains: a bare skull
    ("portraits/monsters/bat.png", None),                 # 5 vampire bat
    ("portraits/humans/necromancer.png", None),           # 6 necromancer
    ("portraits/elves/archer+female.png", None),          # 7 archeress
    ("portraits/undead/ghost.png", None),                 # 8 ghost
]

# The splash is a window onto this picture: zoomed in, and slid right and to
# the top so the black title stands on bright sky, the grey "Beta-version" on
# white cloud and the white credit lines on the dark grass, all of them clear
# of the birds.
SPLASH_SOURCE = "story/landscape-battlefield_nohumans.jpg"
SPLASH_ZOOM = 1.5
SPLASH_ALIGN = (0.75, 0.0)  # share of the spare width and height left of / above the window


# The ground under the units during a match: Wesnoth's flat terrain, one hex
# per picture, which the game lays out in Wesnoth's own hex rows under the
# square cells (battlefield/qt/Terrain.cpp). The groups and their order are
# what the game expects: grass first, then dry grass, then earth.
GROUND_HEXES = (
    [f"terrain/grass/green{n}.png" for n in ("", 2, 3, 4, 5, 6, 7, 8)]
    + [f"terrain/grass/dry{n}.png" for n in ("", 2, 3, 4, 5, 6)]
    + [f"terrain/flat/dirt{n}.png" for n in ("", 2, 3, 4, 5, 6, 7)]
)
# Small things lying on the grass here and there: flowers, then stones.
GROUND_BITS = (
    ["terrain/embellishments/flowers-mixed-small.png",
     "terrain/embellishments/flowers-mixed-small2.png"]
    + [f"terrain/embellishments/stones-small{n}.png" for n in ("", 2, 3, 4, 5, 6)]
)
HEX = 48  # a hex picture on a field of 48-pixel cells: 2/3 of Wesnoth's 72


def write_ground(images, assets):
    """A hex's pictures come out opaque: the hex laid on its own mean colour,
    so that the game, which cuts the hexes apart itself, never sees the
    transparent corners even where smoothing reaches past the hex's edge.
    Bits keep their alpha: the game lays them on the ground."""
    for n, rel in enumerate(GROUND_HEXES, 1):
        im = load(images, rel)
        # The mean of the hex alone, not of its transparent corners.
        mean = tuple(round(v) for v in ImageStat.Stat(im.convert("RGB"), im.getchannel("A")).mean)
        back = Image.new("RGBA", im.size, mean + (255,))
        back.alpha_composite(im)
        for size, suffix in ((HEX, ""), (SHARP * HEX, "@2x")):
            save(back.convert("RGB").resize((size, size), Image.LANCZOS),
                 os.path.join(assets, "ground", f"{n:02d}{suffix}.png"), f"ground/{n:02d}{suffix}.png", [rel])
    for n, rel in enumerate(GROUND_BITS, 1):
        im = load(images, rel)
        for size, suffix in ((HEX, ""), (SHARP * HEX, "@2x")):
            save(im.resize((size, size), Image.LANCZOS),
                 os.path.join(assets, "ground", f"bit{n}{suffix}.png"), f"ground/bit{n}{suffix}.png", [rel])


def on_black(im):
    canvas = Image.new("RGBA", im.size, (0, 0, 0, 255))
    canvas.alpha_composite(im)
    return canvas.convert("RGB")


def fit_into(im, w, h, align_bottom=False):
    k = min(w / im.size[0], h / im.size[1])
    nw, nh = max(1, round(im.size[0] * k)), max(1, round(im.size[1] * k))
    # Small pixel art doubled exactly stays crisp; anything else is smoothed.
    resample = Image.NEAREST if k == int(k) and k > 1 else Image.LANCZOS
    im = im.resize((nw, nh), resample)
    canvas = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    canvas.alpha_composite(im, ((w - nw) // 2, h - nh if align_bottom else (h - nh) // 2))
    return canvas


def save(im, path, rel_out, sources):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    # Some sources carry a broken sRGB profile that libpng complains about at
    # every load; the pictures are plain sRGB anyway.
    im.info.pop("icc_profile", None)
    im.save(path, optimize=True)
    credits.append((rel_out, sources))


def main():
    images, assets, deb = sys.argv[1], sys.argv[2], sys.argv[3]

    n = 0
    for block, ring_y in zip(UNITS, RING_Y):
        assert len(block) == 9
        for offset, recipe in enumerate(block):
            n += 1
            # Every frame of a living unit wears its owner's ring; the dead
            # (offset 8) belong to nobody.
            small, sharp, sources = unit_frame(images, recipe, ring_y if offset < 8 else None)
            for (pic, mask, cover), suffix in ((small, ""), (sharp, "@2x")):
                save(pic, os.path.join(assets, "unit", f"{n:02d}{suffix}.png"),
                     f"unit/{n:02d}{suffix}.png", sources)
                save(mask, os.path.join(assets, "unit", f"{n:02d}_mask{suffix}.png"),
                     f"unit/{n:02d}_mask{suffix}.png", sources)
                save(cover, os.path.join(assets, "unit", f"{n:02d}_cover{suffix}.png"),
                     f"unit/{n:02d}_cover{suffix}.png", sources)
    assert n == 63

    n = 0
    for run in SPELLS:
        frames = [load(images, rel) for rel in run]
        # One crop for all four frames, so the effect does not jump about.
        boxes = [f.getchannel("A").getbbox() for f in frames]
        box = (min(b[0] for b in boxes), min(b[1] for b in boxes),
               max(b[2] for b in boxes), max(b[3] for b in boxes))
        for rel, f in zip(run, frames):
            n += 1
            for size, suffix in ((SPELL, ""), (SHARP * SPELL, "@2x")):
                fitted = fit_into(f.crop(box), size, size)
                save(on_black(fitted),
                     os.path.join(assets, "spell", f"{n}{suffix}.png"), f"spell/{n}{suffix}.png", [rel])
                save(fitted.getchannel("A"), os.path.join(assets, "spell", f"{n}_cover{suffix}.png"),
                     f"spell/{n}_cover{suffix}.png", [rel])

    for n, rel in enumerate(ICONS, 1):
        im = load(images, rel)
        if rel.startswith("items/"):
            # Item pictures sit small in a 72 px hex; crop to the object itself.
            im = im.crop(im.getchannel("A").getbbox())
        save(on_black(fit_into(im, ICON, ICON)),
             os.path.join(assets, "icons", f"{n}.png"), f"icons/{n}.png", [rel])

    for n, (rel, box) in enumerate(FACES, 1):
        im = load(images, rel)
        if box:
            im = im.crop(box)
        im, _ = split_team_colour(im, loose=False)
        for size, suffix in ((FACE, ""), (SHARP * FACE, "@2x")):
            save(on_black(fit_into(im, size, size, align_bottom=box is None)),
                 os.path.join(assets, "face", f"{n}{suffix}.png"), f"face/{n}{suffix}.png", [rel])

    write_ground(images, assets)

    im = Image.open(src_path(images, SPLASH_SOURCE)).convert("RGB")
    k = max(SPLASH[0] / im.size[0], SPLASH[1] / im.size[1]) * SPLASH_ZOOM
    im = im.resize((round(im.size[0] * k), round(im.size[1] * k)), Image.LANCZOS)
    left = int((im.size[0] - SPLASH[0]) * SPLASH_ALIGN[0])
    top = int((im.size[1] - SPLASH[1]) * SPLASH_ALIGN[1])
    im = im.crop((left, top, left + SPLASH[0], top + SPLASH[1]))
    save(im, os.path.join(assets, "splash.png"), "splash.png", [SPLASH_SOURCE])

    write_credits(assets, deb)


def write_credits(assets, deb):
    lines = [
        "Grimhollow: sources and licences of the bundled assets",
        "=====================================================",
        "",
        "Pictures were converted by tools/import-art from the Debian package",
        f"{deb} (Battle for Wesnoth art), licensed GPL-2.0-or-later.",
        "The team-colour magenta of unit pictures was replaced by grey, and a",
        "mask of its place written beside each (NN_mask.png); living units were",
        "given a grey ground ring, also in the mask; all pictures were scaled",
        "and flattened onto black, the units and effects with a cover beside",
        "each (NAME_cover.png) saying how much of each pixel they hide. The",
        "ground (ground/) is Wesnoth's grass, dry grass and earth hexes, laid",
        "on their own mean colour, and small flowers and stones that keep",
        "their alpha. Units, effects, portraits and the ground were also made",
        "at twice the size (NAME@2x.png) for HiDPI screens, from the same",
        "sources. Paths below are inside that package.",
        "",
        "Pictures",
        "--------",
    ]
    for out, sources in credits:
        src = " + ".join(PKG_PREFIX + s for s in sources)
        lines.append(f"{out}: {src} ({LICENCE})")
    lines += [
        "",
        "Fonts",
        "-----",
        "fonts/LiberationSans-Regular.ttf, fonts/LiberationSans-Bold.ttf: Liberation Sans,",
        "  from Debian's fonts-liberation2, SIL Open Font License 1.1.",
        "fonts/ComicNeue-Regular.otf, fonts/ComicNeue-Bold.otf: Comic Neue,",
        "  from Debian's fonts-comic-neue, SIL Open Font License 1.1.",
        "The licence texts are fonts/COPYING-LiberationSans and fonts/COPYING-ComicNeue.",
        "",
        "Translations",
        "------------",
        "i18n/qtbase_ru.qm: Qt's Russian translation, from Debian's qt6-translations-l10n,",
        "  licensed LGPL-3.0-only or GPL-2.0-or-later or GPL-3.0-only (The Qt Company).",
        "",
    ]
    # The sounds' part is tools/import-sound's: kept as it is.
    path = os.path.join(assets, "CREDITS")
    sounds = ""
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            old = f.read()
        start = old.find("Sounds\n------\n")
        if start >= 0:
            sounds = "\n" + old[start:]
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + sounds)


if __name__ == "__main__":
    main()
