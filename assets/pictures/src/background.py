#!/usr/bin/env python3
"""Writes background.svg: the window's background, a sunlit baroque fountain.

The picture is 1089 x 817 and is drawn unscaled behind the window's labels,
which are yellow, cyan, red and blue.  The tones are therefore planned
around where those labels sit (pixels from the top-left corner):

  * top rows (y < 190) and the whole left edge (x < 200): deep shade, for the
    yellow and cyan text there;
  * the headings row (y 215-335): shaded stone on the left, a sunlit niche
    with a white marble figure at x 490-670 for the blue heading and count;
  * the record line (y 440-500, x < 730): dark wet rocks;
  * the right-hand side and the bottom carry no text and hold the brightest
    parts: sea horses, cascades and the basin.

Sunlight comes from the upper right.  Run with no arguments; the SVG goes to
stdout.  Only the Python standard library is used, and the output is the
same on every run (the "random" detail uses a fixed seed).
"""

import math
import random

W, H = 1089, 817
AXIS = 580          # the facade's centre line
rng = random.Random(1737)

out = []


def emit(s):
    out.append(s)


def f(v):
    """Short, stable number formatting."""
    s = f"{v:.1f}"
    return s[:-2] if s.endswith(".0") else s


def pts(points):
    return " ".join(f"{f(x)},{f(y)}" for x, y in points)


def poly(points, fill, extra=""):
    emit(f'<polygon points="{pts(points)}" fill="{fill}" {extra}/>')


def rect(x, y, w, h, fill, extra=""):
    emit(f'<rect x="{f(x)}" y="{f(y)}" width="{f(w)}" height="{f(h)}" fill="{fill}" {extra}/>')


def path(d, fill="none", extra=""):
    emit(f'<path d="{d}" fill="{fill}" {extra}/>')


def limb(d, width, colour, outline="#6e6a66", ow=2.2):
    """A rounded limb or tail: a dark outline stroke under a lighter one."""
    emit(f'<path d="{d}" fill="none" stroke="{outline}" stroke-width="{f(width + ow)}" '
         f'stroke-linecap="round" stroke-linejoin="round"/>')
    emit(f'<path d="{d}" fill="none" stroke="{colour}" stroke-width="{f(width)}" '
         f'stroke-linecap="round" stroke-linejoin="round"/>')


# ---------------------------------------------------------------------------
# Gradients and filters
# ---------------------------------------------------------------------------

DEFS = """
<defs>
  <linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#12306a"/>
    <stop offset="1" stop-color="#2f5f9c"/>
  </linearGradient>
  <linearGradient id="wallShade" x1="0" y1="0" x2="1" y2="0">
    <stop offset="0" stop-color="#2c3240"/>
    <stop offset="1" stop-color="#434a58"/>
  </linearGradient>
  <linearGradient id="wallMid" x1="0" y1="0" x2="1" y2="0">
    <stop offset="0" stop-color="#454b58"/>
    <stop offset="1" stop-color="#5d6068"/>
  </linearGradient>
  <linearGradient id="wallLit" x1="0" y1="0" x2="1" y2="0">
    <stop offset="0" stop-color="#8a806c"/>
    <stop offset="1" stop-color="#bba882"/>
  </linearGradient>
  <linearGradient id="column" x1="0" y1="0" x2="1" y2="0">
    <stop offset="0" stop-color="#3e424c"/>
    <stop offset="0.45" stop-color="#6b6a68"/>
    <stop offset="0.8" stop-color="#b5ab94"/>
    <stop offset="1" stop-color="#8a8273"/>
  </linearGradient>
  <linearGradient id="columnLit" x1="0" y1="0" x2="1" y2="0">
    <stop offset="0" stop-color="#5b5d62"/>
    <stop offset="0.45" stop-color="#9a9282"/>
    <stop offset="0.8" stop-color="#d9ceb2"/>
    <stop offset="1" stop-color="#aaa08a"/>
  </linearGradient>
  <linearGradient id="cornice" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#8a8476"/>
    <stop offset="0.25" stop-color="#5c5c60"/>
    <stop offset="1" stop-color="#33384a"/>
  </linearGradient>
  <radialGradient id="dome" cx="0.5" cy="1" r="1" fx="0.7" fy="1">
    <stop offset="0" stop-color="#8e8472"/>
    <stop offset="0.6" stop-color="#4c4a4e"/>
    <stop offset="1" stop-color="#2a2d38"/>
  </radialGradient>
  <linearGradient id="nicheWall" x1="0" y1="0" x2="1" y2="0.3">
    <stop offset="0" stop-color="#b9ac90"/>
    <stop offset="0.55" stop-color="#ddd0b0"/>
    <stop offset="1" stop-color="#cfc09e"/>
  </linearGradient>
  <linearGradient id="sideNiche" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#1f232d"/>
    <stop offset="1" stop-color="#3a3d45"/>
  </linearGradient>
  <linearGradient id="marble" x1="0" y1="0" x2="1" y2="0">
    <stop offset="0" stop-color="#b9b5ad"/>
    <stop offset="0.6" stop-color="#f2efe8"/>
    <stop offset="1" stop-color="#ffffff"/>
  </linearGradient>
  <linearGradient id="marbleShade" x1="0" y1="0" x2="1" y2="0">
    <stop offset="0" stop-color="#807d79"/>
    <stop offset="0.7" stop-color="#bdb8ae"/>
    <stop offset="1" stop-color="#d8d2c6"/>
  </linearGradient>
  <linearGradient id="rock" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#4b4f4a"/>
    <stop offset="1" stop-color="#262a2a"/>
  </linearGradient>
  <linearGradient id="rockLit" x1="0" y1="0" x2="1" y2="1">
    <stop offset="0" stop-color="#9d9683"/>
    <stop offset="1" stop-color="#4c4d48"/>
  </linearGradient>
  <linearGradient id="fall" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#e9f6ff"/>
    <stop offset="0.5" stop-color="#a9d3e6"/>
    <stop offset="1" stop-color="#f4fbff"/>
  </linearGradient>
  <linearGradient id="pool" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#3d8aa0"/>
    <stop offset="0.5" stop-color="#22627a"/>
    <stop offset="1" stop-color="#153e52"/>
  </linearGradient>
  <linearGradient id="rim" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#d9ceb4"/>
    <stop offset="0.3" stop-color="#a89e88"/>
    <stop offset="1" stop-color="#4f4c46"/>
  </linearGradient>
  <linearGradient id="glass" x1="0" y1="0" x2="1" y2="1">
    <stop offset="0" stop-color="#1a2030"/>
    <stop offset="1" stop-color="#28324a"/>
  </linearGradient>
  <radialGradient id="sunGlow" cx="0.9" cy="0" r="0.9">
    <stop offset="0" stop-color="#fff2c8" stop-opacity="0.22"/>
    <stop offset="1" stop-color="#fff2c8" stop-opacity="0"/>
  </radialGradient>
  <linearGradient id="fadeDown" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0.75" stop-color="#fff"/>
    <stop offset="1" stop-color="#000"/>
  </linearGradient>
  <mask id="stoneOnly" maskUnits="userSpaceOnUse" x="0" y="74" width="1089" height="520">
    <rect x="0" y="74" width="1089" height="520" fill="url(#fadeDown)"/>
  </mask>
  <filter id="soft" x="-20%" y="-20%" width="140%" height="140%">
    <feGaussianBlur stdDeviation="6"/>
  </filter>
  <filter id="blur2" x="-10%" y="-10%" width="120%" height="120%">
    <feGaussianBlur stdDeviation="2"/>
  </filter>
  <filter id="grain" x="0" y="0" width="100%" height="100%">
    <feTurbulence type="fractalNoise" baseFrequency="0.9" numOctaves="2" seed="7"/>
    <feColorMatrix type="matrix" values="0 0 0 0 0.5  0 0 0 0 0.5  0 0 0 0 0.5  0 0 0 1.2 -0.35"/>
  </filter>
  <filter id="mottle" x="0" y="0" width="100%" height="100%">
    <feTurbulence type="fractalNoise" baseFrequency="0.035" numOctaves="3" seed="3"/>
    <feColorMatrix type="matrix" values="0 0 0 0 0.1  0 0 0 0 0.1  0 0 0 0 0.12  0 0 0 0.9 -0.25"/>
  </filter>
</defs>
"""

# ---------------------------------------------------------------------------
# Sky and the attic
# ---------------------------------------------------------------------------


def sky():
    rect(0, 0, W, 140, "url(#sky)")
    # heavy, soft clouds, kept dark so yellow text reads over them
    # a few fair-weather clouds, well away from the text at the top left
    emit('<g filter="url(#soft)" opacity="0.45">')
    for cx, cy, rx, ry in [(930, 22, 70, 12), (990, 14, 50, 10), (1050, 30, 60, 11),
                           (250, 12, 60, 6)]:
        emit(f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" fill="#b8c8e0"/>')
    emit('</g>')
    rect(0, 0, W, 140, "url(#sunGlow)")


def attic():
    # side attics with balustrades against the sky
    for x0, x1 in [(0, 360), (800, W)]:
        rect(x0, 52, x1 - x0, 24, "#3a404e")
        rect(x0, 46, x1 - x0, 7, "#6e6c68")
        rect(x0, 46, x1 - x0, 2, "#938b7a")
        x = x0 + 8
        while x < x1 - 8:
            # a baluster: swelling profile
            emit(f'<path d="M{f(x)},53 h7 q-2,4 0,8 q3,5 0,9 h-7 q-3,-4 0,-9 q2,-4 0,-8 Z" '
                 f'fill="#4f5360"/>')
            x += 14
        rect(x0, 70, x1 - x0, 4, "#2c313d")
    # central attic block, crowned by a cartouche
    rect(360, 14, 440, 62, "url(#wallMid)")
    rect(352, 8, 456, 8, "#74706a")
    rect(352, 8, 456, 2, "#a39a86")
    rect(420, 26, 320, 30, "#3b3f4b")       # inscription panel
    rect(424, 30, 312, 22, "#444956")
    for i in range(9):
        rect(436 + i * 33, 38, 22, 5, "#515665")  # weathered lettering
    emit('<ellipse cx="580" cy="6" rx="34" ry="16" fill="#8a8270"/>')
    emit('<ellipse cx="580" cy="6" rx="24" ry="11" fill="#5b5a5e"/>')
    for sx in (360, 800):
        rect(sx - 8, 14, 16, 62, "url(#column)")


# ---------------------------------------------------------------------------
# The facade
# ---------------------------------------------------------------------------

def facade():
    # wall planes: deep shade on the left wing, brighter towards the right
    rect(0, 74, 205, 360, "url(#wallShade)")
    rect(205, 74, 240, 360, "#363c4e")
    rect(445, 74, 270, 360, "#4d5160")
    rect(715, 74, 230, 360, "url(#wallLit)")
    rect(945, 74, W - 945, 360, "#a89878")

    # entablature
    rect(0, 74, W, 36, "url(#cornice)")
    rect(0, 74, W, 3, "#a39b88")
    rect(560, 74, W - 560, 3, "#e0cc9c")
    for x in range(2, W, 9):                       # dentils
        rect(x, 84, 5, 5, "#3b404c")
    rect(0, 98, W, 2, "#6c6a66")
    rect(0, 108, W, 3, "#2a2f3b")
    # the entablature breaks forward over the central columns
    for x0 in (435, 675):
        rect(x0, 70, 56, 44, "url(#cornice)")
        rect(x0, 70, 56, 3, "#d8c496" if x0 > AXIS else "#b2a890")

    # relief panels above the side niches
    for cx, lit in ((335, False), (830, True)):
        base = "#5c6170" if lit else "#363b48"
        rect(cx - 80, 132, 160, 62, "#2a2e38" if not lit else "#6b6558")
        rect(cx - 74, 138, 148, 50, base)
        # carved festoons: swags of leaves hanging from ribbons
        tone = "#a69e8a" if lit else "#4a5060"
        for dx in (-74, -24, 26):
            emit(f'<path d="M{cx + dx + 4},{146} q21,34 42,0" fill="none" stroke="{tone}" '
                 f'stroke-width="7" stroke-linecap="round"/>')
            emit(f'<path d="M{cx + dx + 4},{146} q21,34 42,0" fill="none" stroke="{base}" '
                 f'stroke-width="2" stroke-dasharray="3 4"/>')
        for dx in (-70, -20, 30, 70):
            emit(f'<path d="M{cx + dx},{144} l-4,22 M{cx + dx},{144} l4,18" stroke="{tone}" '
                 f'stroke-width="2" fill="none"/>')
            emit(f'<circle cx="{cx + dx}" cy="{144}" r="4" fill="{tone}"/>')
        emit(f'<ellipse cx="{cx}" cy="{176}" rx="12" ry="8" fill="{tone}" opacity="0.8"/>')

    # left wing window with a triangular pediment, glass in shadow
    window(100, 150, 92, 190)
    window(1030, 150, 92, 190, lit=True)

    side_niche(335, lit=False)
    side_niche(830, lit=True)

    # pilasters between the bays
    for x, grad in ((195, "url(#column)"), (935, "url(#columnLit)")):
        rect(x, 110, 30, 300, grad)
        capital(x - 4, 110, 38, dark=(x < AXIS))
        rect(x - 4, 398, 38, 14, "#5b5d62")

    central_niche()

    # the four columns flanking the central niche, two each side
    for x, grad in ((440, "url(#column)"), (472, "url(#column)"),
                    (684, "url(#columnLit)"), (716, "url(#columnLit)")):
        rect(x, 120, 26, 286, grad)
        for k in range(1, 4):                      # flutes
            emit(f'<line x1="{x + k * 6.5}" y1="124" x2="{x + k * 6.5}" y2="402" '
                 f'stroke="#000" stroke-opacity="0.12" stroke-width="1"/>')
        capital(x - 5, 110, 36, dark=(x < AXIS))
        rect(x - 4, 400, 34, 12, "#55575c")
        rect(x - 6, 410, 38, 8, "#46484e")


def capital(x, y, w, dark):
    c1, c2 = ("#5a5b60", "#7c776c") if dark else ("#9b927f", "#d0c4a6")
    rect(x, y, w, 6, c2)
    emit(f'<path d="M{f(x + 2)},{y + 6} h{f(w - 4)} l-4,16 h{f(-(w - 12))} Z" fill="{c1}"/>')
    # volutes and acanthus suggested by curls
    for vx in (x + 4, x + w - 4):
        emit(f'<circle cx="{f(vx)}" cy="{y + 10}" r="3.4" fill="none" stroke="{c2}" stroke-width="1.6"/>')
    for k in range(3):
        lx = x + w * (0.28 + 0.22 * k)
        emit(f'<path d="M{f(lx)},{y + 22} q-3,-8 0,-12 q3,4 0,12 Z" fill="{c2}" opacity="0.8"/>')


def window(cx, top, w, h, lit=False):
    frame = "#6c675e" if lit else "#3f4452"
    hi = "#a9a08c" if lit else "#585d6a"
    x = cx - w / 2
    poly([(x - 12, top - 4), (cx, top - 30), (x + w + 12, top - 4)], frame)
    poly([(x - 4, top - 8), (cx, top - 24), (x + w + 4, top - 8)], "#262b37" if not lit else "#514d46")
    rect(x - 10, top - 4, w + 20, 6, hi)
    rect(x - 8, top + 2, w + 16, h + 8, frame)
    rect(x, top + 8, w, h - 4, "url(#glass)")
    for k in (1, 2):                               # glazing bars
        rect(x + w * k / 3 - 1.5, top + 8, 3, h - 4, frame)
    for k in (1, 2, 3):
        rect(x, top + 8 + (h - 4) * k / 4 - 1.5, w, 3, frame)
    rect(x - 14, top + h + 10, w + 28, 8, hi)       # sill


def side_niche(cx, lit):
    top, bottom, r = 214, 398, 38
    emit(f'<path d="M{cx - r},{bottom} V{top + r} A{r},{r} 0 0 1 {cx + r},{top + r} V{bottom} Z" '
         f'fill="{"url(#sideNiche)" if not lit else "#4b4c50"}"/>')
    ring = "#5d6270" if not lit else "#b4aa92"
    emit(f'<path d="M{cx - r - 6},{bottom} V{top + r} A{r + 6},{r + 6} 0 0 1 {cx + r + 6},{top + r} V{bottom}" '
         f'fill="none" stroke="{ring}" stroke-width="5"/>')
    # shell carving in the half-dome
    for k in range(7):
        a = math.pi * (0.1 + 0.8 * k / 6)
        emit(f'<line x1="{cx}" y1="{top + r + 4}" x2="{f(cx - math.cos(a) * (r - 6))}" '
             f'y2="{f(top + r + 4 - math.sin(a) * (r - 6))}" stroke="{ring}" stroke-opacity="0.5" stroke-width="2"/>')
    rect(cx - r - 10, bottom, 2 * r + 20, 12, ring)
    statue(cx, bottom - 2, 150, lit=lit, mirror=(cx > AXIS))


def central_niche():
    x0, x1 = AXIS - 92, AXIS + 92
    spring = 206
    r = 92
    # back wall, lit by the sun coming in from the right
    rect(x0, spring, x1 - x0, 224, "url(#nicheWall)")
    # half-dome with coffers
    emit(f'<path d="M{x0},{spring} A{r},{r} 0 0 1 {x1},{spring} Z" fill="url(#dome)"/>')
    for ring_r in (34, 56, 78):
        emit(f'<path d="M{AXIS - ring_r},{spring} A{ring_r},{ring_r} 0 0 1 {AXIS + ring_r},{spring}" '
             f'fill="none" stroke="#2b2d36" stroke-opacity="0.55" stroke-width="3"/>')
    for k in range(1, 8):
        a = math.pi * k / 8
        emit(f'<line x1="{f(AXIS - math.cos(a) * 34)}" y1="{f(spring - math.sin(a) * 34)}" '
             f'x2="{f(AXIS - math.cos(a) * r)}" y2="{f(spring - math.sin(a) * r)}" '
             f'stroke="#2b2d36" stroke-opacity="0.55" stroke-width="3"/>')
    for ring_r, k in ((45, 8), (67, 8)):
        for i in range(k):
            a = math.pi * (i + 0.5) / k
            emit(f'<circle cx="{f(AXIS - math.cos(a) * ring_r)}" cy="{f(spring - math.sin(a) * ring_r)}" '
                 f'r="2.4" fill="#a99c80" opacity="0.55"/>')
    # cornice at the springing line of the dome
    rect(x0 - 2, spring - 2, x1 - x0 + 4, 7, "#8e8470")
    # soft shadow cast by the left jamb onto the back wall
    emit(f'<rect x="{x0}" y="{spring + 5}" width="26" height="220" fill="#5f5648" opacity="0.35" filter="url(#soft)"/>')
    # archivolt and keystone
    emit(f'<path d="M{x0 - 2},{spring + 4} A{r + 2},{r + 2} 0 0 1 {x1 + 2},{spring + 4}" '
         f'fill="none" stroke="#a89e88" stroke-width="9"/>')
    emit(f'<path d="M{x0 - 8},{spring + 4} A{r + 8},{r + 8} 0 0 1 {x1 + 8},{spring + 4}" '
         f'fill="none" stroke="#6a665e" stroke-width="3"/>')
    poly([(AXIS - 11, spring - r - 14), (AXIS + 11, spring - r - 14), (AXIS + 8, spring - r + 12),
          (AXIS - 8, spring - r + 12)], "#b3a88f")
    # the standing marble figure on its shell
    figure_in_niche()


def statue(cx, base, h, lit, mirror):
    """A draped statue standing in a side niche (about h pixels tall)."""
    s = h / 150.0
    sx = -1 if mirror else 1
    body = "url(#marble)" if lit else "url(#marbleShade)"
    edge = "#56544f" if not lit else "#7a766e"
    g = f'<g transform="translate({cx},{base}) scale({f(sx * s)},{f(s)})">'
    emit(g)
    rect(-20, -10, 40, 10, "#8d877a" if lit else "#5b5b5e")   # plinth
    # legs under the drapery, weight on one leg
    emit(f'<path d="M-14,-10 C-16,-50 -12,-80 -8,-96 L12,-96 C16,-70 18,-40 14,-10 Z" '
         f'fill="{body}" stroke="{edge}" stroke-width="1.5"/>')
    for k in range(4):                               # drapery folds
        emit(f'<path d="M{-8 + k * 6},-92 C{-10 + k * 6},-60 {-6 + k * 5},-40 {-9 + k * 7},-12" '
             f'fill="none" stroke="{edge}" stroke-opacity="0.6" stroke-width="1.2"/>')
    # torso
    emit(f'<path d="M-13,-96 C-16,-112 -15,-124 -12,-130 L12,-130 C14,-122 14,-110 12,-96 Z" '
         f'fill="{body}" stroke="{edge}" stroke-width="1.5"/>')
    # mantle over one shoulder
    emit(f'<path d="M-13,-128 C-4,-118 6,-104 14,-88 L18,-92 C12,-108 2,-124 -6,-131 Z" '
         f'fill="{body}" stroke="{edge}" stroke-width="1.2"/>')
    # arms: one raised holding a horn of plenty, one lowered
    limb("M-12,-126 C-22,-120 -24,-106 -20,-94", 7, "#d9d4ca" if lit else "#9f9b93", edge, 2)
    # a horn of plenty cradled in the other arm, fruit spilling from its mouth
    emit(f'<path d="M6,-92 C4,-104 10,-126 18,-140 C24,-146 32,-144 30,-136 C24,-124 16,-108 12,-92 Z" '
         f'fill="{body}" stroke="{edge}" stroke-width="1.2"/>')
    for fx, fy in ((22, -146), (28, -148), (25, -153), (18, -150)):
        emit(f'<circle cx="{fx}" cy="{fy}" r="3.2" fill="{body}" stroke="{edge}" stroke-width="0.9"/>')
    limb("M12,-126 C22,-122 22,-112 14,-106", 7, "#ece8e0" if lit else "#aaa69e", edge, 2)
    # head and hair
    emit(f'<ellipse cx="0" cy="-140" rx="7.5" ry="9" fill="{body}" stroke="{edge}" stroke-width="1.4"/>')
    emit(f'<path d="M-8,-142 C-8,-154 8,-154 8,-143 C4,-148 -4,-148 -8,-142 Z" fill="{edge}" opacity="0.6"/>')
    emit('</g>')


def figure_in_niche():
    """The central marble figure: a bearded sea god stepping forward on a
    shell, one arm stretched out over the waters, his mantle billowing."""
    cx, base = AXIS + 2, 404
    edge = "#7c776f"
    lit = "#f7f4ee"
    half = "#e2ddd3"
    emit(f'<g transform="translate({cx},{base})" stroke-linejoin="round">')
    # cast shadow on the back wall, to the left (sun from the right)
    emit('<path d="M-60,-10 C-76,-80 -66,-170 -40,-204 L-16,-204 C-28,-150 -30,-60 -24,-10 Z" '
         'fill="#7f735e" opacity="0.4" filter="url(#soft)"/>')
    # shell he stands on
    emit('<path d="M-62,8 C-50,-20 50,-20 62,8 C40,22 -40,22 -62,8 Z" fill="#9a917f" stroke="#5c574e" stroke-width="2"/>')
    for k in range(-4, 5):
        emit(f'<path d="M0,14 L{k * 13},-10" stroke="#5c574e" stroke-opacity="0.6" stroke-width="1.6"/>')
    # mantle: from the left shoulder down his back, billowing out to the left
    emit(f'<path d="M-18,-172 C-40,-170 -60,-150 -66,-120 C-72,-90 -64,-60 -50,-40 '
         f'C-46,-56 -40,-62 -30,-60 C-34,-80 -30,-110 -20,-130 Z" fill="url(#marbleShade)" '
         f'stroke="{edge}" stroke-width="1.6"/>')
    for d in ("M-30,-164 C-50,-150 -58,-120 -56,-80", "M-26,-150 C-40,-130 -44,-100 -42,-70"):
        emit(f'<path d="{d}" fill="none" stroke="{edge}" stroke-opacity="0.6" stroke-width="1.3"/>')
    # legs: the left straight, the right stepping forward and bent at the knee
    limb("M-10,-96 C-12,-62 -14,-34 -16,-6", 16, half, edge)
    limb("M10,-96 C18,-76 24,-56 22,-46 C22,-32 24,-20 26,-8", 16, lit, edge)
    # cloth wrapped round the hips
    emit(f'<path d="M-22,-112 C-28,-92 -36,-70 -42,-54 C-30,-58 -20,-62 -8,-66 '
         f'C2,-60 14,-62 30,-74 C28,-86 24,-100 22,-112 Z" fill="url(#marble)" stroke="{edge}" stroke-width="1.6"/>')
    for d in ("M-14,-106 C-20,-90 -26,-76 -32,-60", "M-2,-106 C-4,-90 -6,-78 -8,-68",
              "M12,-106 C14,-94 18,-84 24,-76"):
        emit(f'<path d="{d}" fill="none" stroke="{edge}" stroke-opacity="0.55" stroke-width="1.3"/>')
    # torso: broad chest narrowing to the waist
    emit(f'<path d="M-22,-110 C-26,-130 -28,-156 -24,-172 C-12,-178 12,-178 24,-172 '
         f'C28,-156 26,-130 22,-110 Z" fill="url(#marble)" stroke="{edge}" stroke-width="1.6"/>')
    emit(f'<path d="M-16,-152 q8,6 15,0 q8,6 15,0 M0,-148 v34 M-10,-132 q10,4 20,0 M-9,-120 q9,3 18,0" '
         f'fill="none" stroke="{edge}" stroke-opacity="0.45" stroke-width="1.2"/>')
    # arms: the right stretched out commanding the waters, the left gathering the mantle
    limb("M20,-168 C34,-172 46,-182 54,-198", 12, lit, edge)
    emit(f'<ellipse cx="57" cy="-203" rx="6" ry="7" fill="{lit}" stroke="{edge}" stroke-width="1.4"/>')
    limb("M-20,-166 C-30,-152 -34,-136 -28,-120", 12, half, edge)
    # neck and head
    rect(-6, -188, 12, 16, half, f'stroke="{edge}" stroke-width="1.2"')
    emit(f'<ellipse cx="2" cy="-199" rx="12.5" ry="14.5" fill="url(#marble)" stroke="{edge}" stroke-width="1.6"/>')
    # curly hair round the crown of the head
    for k in range(10):
        a = math.pi * (1.0 + k / 9)
        hx, hy = 2 + math.cos(a) * 12.5, -201 + math.sin(a) * 13
        emit(f'<circle cx="{f(hx)}" cy="{f(hy)}" r="4.4" fill="#ddd7cb" stroke="{edge}" stroke-width="1"/>')
    # full, wavy beard below the moustache
    emit(f'<path d="M-10,-196 C-12,-188 -8,-180 -3,-177 C-1,-179 0,-175 2,-176 C4,-175 5,-179 7,-177 '
         f'C12,-180 15,-188 14,-196 C10,-190 6,-192 2,-190 C-2,-192 -6,-190 -10,-196 Z" fill="#dcd5c8" '
         f'stroke="{edge}" stroke-width="1.2"/>')
    emit(f'<path d="M-5,-189 q1,4 0,8 M2,-188 q1,5 0,9 M8,-189 q-1,4 -1,7" fill="none" stroke="{edge}" '
         f'stroke-opacity="0.5" stroke-width="1"/>')
    # brow, eyes and nose
    emit(f'<path d="M-6,-204 q3,-2.5 6,0 M5,-204 q3,-2.5 6,0 M3,-203 l-1.5,7 l2.5,1" fill="none" '
         f'stroke="{edge}" stroke-width="1.2"/>')
    emit(f'<circle cx="-3" cy="-201" r="1.1" fill="{edge}"/><circle cx="8" cy="-201" r="1.1" fill="{edge}"/>')
    emit('</g>')


def rock_band():
    """Dark, wet rocks across the front of the facade (under the record line)."""
    # base mass
    top = [(0, 392), (60, 376), (130, 394), (210, 380), (300, 404), (380, 398), (440, 414),
           (520, 424), (640, 424), (720, 410), (790, 396), (860, 384), (940, 396), (1010, 380), (W, 390)]
    poly(top + [(W, 560), (0, 560)], "url(#rock)")
    # individual boulders, lit from the upper right
    for _ in range(70):
        x = rng.uniform(-20, W + 20)
        y = rng.uniform(400, 540)
        r = rng.uniform(18, 46)
        n = 7
        pts_ = []
        for k in range(n):
            a = 2 * math.pi * k / n + rng.uniform(-0.25, 0.25)
            rr = r * rng.uniform(0.7, 1.1)
            pts_.append((x + math.cos(a) * rr, y + math.sin(a) * rr * 0.7))
        light = x > 740 or y > 500
        shade = rng.choice(["#2f3431", "#363b37", "#3c403a", "#2a2f30"])
        poly(pts_, shade)
        # a lit facet on the upper-right side of each boulder
        facet = [pts_[5], pts_[6], pts_[0], (x + r * 0.2, y - r * 0.1)]
        poly(facet, "#7c7668" if light else "#4b4d48", 'opacity="0.8"')
        # moss
        if rng.random() < 0.4:
            emit(f'<ellipse cx="{f(x - r * 0.2)}" cy="{f(y + r * 0.3)}" rx="{f(r * 0.4)}" '
                 f'ry="{f(r * 0.14)}" fill="#3c4a30" opacity="0.8"/>')


def cascade(xa, xb, ytop, ybot, spread, breaks=3):
    """A sheet of water pouring from a scalloped lip, widening as it falls and
    broken by a few rocks on the way down into the basin."""
    hgt = ybot - ytop
    # the falling sheet
    emit(f'<path d="M{xa},{ytop} C{xa - spread * 0.2},{f(ytop + hgt * 0.4)} {xa - spread * 0.7},{f(ytop + hgt * 0.7)} '
         f'{xa - spread},{ybot} L{xb + spread},{ybot} C{xb + spread * 0.7},{f(ytop + hgt * 0.7)} '
         f'{xb + spread * 0.2},{f(ytop + hgt * 0.4)} {xb},{ytop} Z" fill="url(#fall)" opacity="0.95"/>')
    # streaks following the spread of the sheet
    n = int((xb - xa) / 3.2)
    for i in range(n):
        t = (i + rng.uniform(0, 1)) / n
        x0 = xa + (xb - xa) * t
        x1 = (xa - spread) + (xb - xa + 2 * spread) * t
        y0 = ytop + rng.uniform(0, 12)
        y1 = ybot - rng.uniform(0, 20)
        colour = rng.choice(["#ffffff", "#ffffff", "#8cc0d6", "#5d97b2", "#d6eef8"])
        dash = "" if rng.random() < 0.6 else f'stroke-dasharray="{f(rng.uniform(8, 30))} {f(rng.uniform(3, 10))}"'
        emit(f'<path d="M{f(x0)},{f(y0)} C{f(x0)},{f(y0 + hgt * 0.4)} {f(x1 - (x1 - x0) * 0.3)},{f(y1 - hgt * 0.3)} '
             f'{f(x1)},{f(y1)}" fill="none" stroke="{colour}" stroke-width="{f(rng.uniform(0.8, 2.4))}" '
             f'opacity="{f(rng.uniform(0.45, 0.85))}" {dash}/>')
    # a ledge half way down: the sheet breaks into a band of white water
    yb = ytop + hgt * 0.55
    a = xa - spread * 0.45
    b = xb + spread * 0.45
    emit(f'<path d="M{f(a)},{f(yb)} C{f(a + 30)},{f(yb - 8)} {f(b - 30)},{f(yb - 8)} {f(b)},{f(yb)} '
         f'L{f(b + 3)},{f(yb + 10)} C{f(b - 30)},{f(yb + 4)} {f(a + 30)},{f(yb + 4)} {f(a - 3)},{f(yb + 10)} Z" '
         f'fill="#f6fcff" opacity="0.9" filter="url(#blur2)"/>')
    for _ in range(breaks * 8):
        fx = rng.uniform(a, b)
        emit(f'<circle cx="{f(fx)}" cy="{f(yb + rng.uniform(-6, 8))}" r="{f(rng.uniform(2, 5))}" '
             f'fill="#ffffff" opacity="{f(rng.uniform(0.5, 0.9))}"/>')
    # dark rocks at the sides of the sheet
    for sx, sgn in ((a - 6, -1), (b + 6, 1)):
        r = 10 + (xb - xa) / 20
        pts_ = [(sx + sgn * r * 0.4 + math.cos(q) * r * rng.uniform(0.8, 1.1), yb + 6 + math.sin(q) * r * 0.6)
                for q in [2 * math.pi * k / 7 for k in range(7)]]
        poly(pts_, "#3c3f3c")
        poly([pts_[5], pts_[6], pts_[0], (sx, yb + 6)], "#6f6a5e")
    # the lip the water spills from
    emit(f'<path d="M{xa - 14},{ytop - 2} C{xa},{ytop - 14} {xb},{ytop - 14} {xb + 14},{ytop - 2} '
         f'L{xb + 10},{ytop + 6} C{xb},{ytop - 2} {xa},{ytop - 2} {xa - 10},{ytop + 6} Z" fill="#a59c88" '
         f'stroke="#5b574f" stroke-width="1.5"/>')
    emit(f'<path d="M{xa - 8},{ytop + 3} C{xa},{ytop - 6} {xb},{ytop - 6} {xb + 8},{ytop + 3}" fill="none" '
         f'stroke="#f4fbff" stroke-width="3"/>')
    # spray and foam where the sheet lands
    emit(f'<ellipse cx="{(xa + xb) / 2}" cy="{ybot}" rx="{f((xb - xa) / 2 + spread + 16)}" ry="12" '
         f'fill="#eef8ff" opacity="0.75" filter="url(#blur2)"/>')
    for _ in range(int((xb - xa + 2 * spread) / 4)):
        fx = rng.uniform(xa - spread - 10, xb + spread + 10)
        emit(f'<circle cx="{f(fx)}" cy="{f(ybot + rng.uniform(-8, 6))}" r="{f(rng.uniform(2, 7))}" '
             f'fill="#f6fcff" opacity="{f(rng.uniform(0.5, 0.95))}"/>')


def sea_horse(x, y, s, mirror, lit):
    """A rearing sea horse: a horse's forequarters ending in a coiled fish tail.

    Drawn facing left with the origin at the bottom of the chest."""
    sx = -1 if mirror else 1
    body = "url(#marble)" if lit else "url(#marbleShade)"
    edge = "#5e5a53"
    col = "#e9e4da" if lit else "#aba69c"
    col2 = "#d2ccc0" if lit else "#96918a"
    emit(f'<g transform="translate({x},{y}) scale({f(sx * s)},{f(s)})">')
    # the fish tail, coiling back and up behind the body, thinning to a fin
    for d, wdt in (("M10,40 C40,62 80,64 104,44", 34), ("M100,46 C124,26 124,-4 106,-14", 24),
                   ("M108,-12 C94,-22 82,-14 84,-2", 14)):
        limb(d, wdt, col2, edge, 3)
    emit(f'<path d="M84,0 C70,-6 58,-2 50,8 C62,10 70,16 74,26 C76,14 80,6 84,0 Z" fill="{body}" '
         f'stroke="{edge}" stroke-width="2"/>')
    for k in range(5):                                   # scales along the tail
        emit(f'<path d="M{30 + k * 15},{50 + (k % 2) * 3} q6,-6 12,0" fill="none" stroke="{edge}" '
             f'stroke-opacity="0.6" stroke-width="1.5"/>')
    # far foreleg, in shadow, folded at the knee
    limb("M-6,6 C-20,-2 -32,-12 -42,-20 C-44,-10 -46,0 -50,8", 11, "#8d8880" if not lit else "#bdb7ab", edge)
    # chest, neck and head in one outline
    emit(f'<path d="M-6,46 C-24,34 -32,14 -34,-6 C-36,-26 -38,-44 -44,-56 '
         f'C-52,-60 -62,-58 -72,-54 C-80,-50 -88,-52 -90,-58 C-92,-64 -90,-70 -86,-74 '
         f'C-76,-86 -62,-100 -50,-110 L-50,-124 L-43,-112 L-39,-122 L-35,-108 '
         f'C-22,-98 -8,-80 4,-60 C18,-36 34,-10 36,14 '
         f'C38,36 20,52 -6,46 Z" fill="{body}" stroke="{edge}" stroke-width="2.2" stroke-linejoin="round"/>')
    # face details: eye, nostril, mouth, cheek
    emit(f'<ellipse cx="-52" cy="-94" rx="3.4" ry="2.4" fill="{edge}" transform="rotate(-35 -52 -94)"/>')
    emit(f'<path d="M-58,-98 q6,-5 12,-2" fill="none" stroke="{edge}" stroke-width="1.4"/>')
    emit(f'<ellipse cx="-84" cy="-68" rx="2.4" ry="1.6" fill="{edge}"/>')
    emit(f'<path d="M-89,-58 q8,0 14,-5" fill="none" stroke="{edge}" stroke-width="1.6"/>')
    emit(f'<path d="M-44,-66 C-40,-76 -44,-86 -52,-86" fill="none" stroke="{edge}" stroke-opacity="0.6" stroke-width="1.4"/>')
    # neck muscles
    emit(f'<path d="M-30,-30 C-20,-40 -14,-56 -18,-70 M-20,0 C-10,-10 -4,-26 -6,-40" fill="none" '
         f'stroke="{edge}" stroke-opacity="0.45" stroke-width="1.4"/>')
    # mane flowing back in the wind: wavy locks along the crest
    for k in range(8):
        mx, my = -36 + k * 5.6, -104 + k * 11
        d = f"M{f(mx)},{f(my)} c8,-6 16,-2 20,4 c4,6 10,8 16,4"
        limb(d, 4.5, col2, edge, 1.6)
    # near foreleg pawing the air: forearm raised, cannon hanging from the knee
    limb("M-16,22 C-30,14 -42,2 -54,-8 C-56,4 -58,16 -62,26", 13, col, edge)
    emit(f'<path d="M-70,24 C-66,34 -58,36 -52,30 C-56,28 -60,26 -62,22 Z" fill="{body}" stroke="{edge}" stroke-width="1.6"/>')
    emit('</g>')


def basin():
    # water surface of the basin
    rect(0, 660, W, 130, "url(#pool)")
    # ripples and sky reflections
    for _ in range(160):
        y = rng.uniform(666, 786)
        x = rng.uniform(-20, W)
        w = rng.uniform(20, 90) * (0.6 + (y - 660) / 130)
        emit(f'<path d="M{f(x)},{f(y)} q{f(w / 2)},{f(rng.uniform(-3, -1))} {f(w)},0" fill="none" '
             f'stroke="{rng.choice(["#7fc3d6", "#bfe4ee", "#15455a", "#5aa5bc"])}" '
             f'stroke-width="{f(rng.uniform(1, 2.6))}" opacity="{f(rng.uniform(0.35, 0.8))}"/>')
    # rim of the basin in the foreground
    emit(f'<path d="M0,786 C300,776 800,776 {W},786 L{W},{H} L0,{H} Z" fill="url(#rim)"/>')
    emit(f'<path d="M0,786 C300,776 800,776 {W},786" fill="none" stroke="#ece3cb" stroke-width="3"/>')
    emit(f'<path d="M0,796 C300,787 800,787 {W},796" fill="none" stroke="#4a463f" stroke-width="2" opacity="0.7"/>')


def lower_scene():
    # the rocky shelf in front of the facade, lower and lighter towards the basin
    shelf = [(0, 540), (90, 528), (170, 548), (260, 534), (340, 552), (420, 540), (470, 520),
             (690, 520), (760, 540), (840, 528), (920, 546), (1000, 530), (W, 540),
             (W, 680), (0, 680)]
    poly(shelf, "url(#rockLit)")
    for _ in range(55):
        x = rng.uniform(-20, W + 20)
        y = rng.uniform(560, 680)
        r = rng.uniform(16, 40)
        pts_ = [(x + math.cos(a) * r * rng.uniform(0.7, 1.1),
                 y + math.sin(a) * r * 0.6 * rng.uniform(0.7, 1.1))
                for a in [2 * math.pi * k / 7 for k in range(7)]]
        poly(pts_, rng.choice(["#5b5a52", "#67655b", "#4b4c47", "#737062"]))
        poly([pts_[5], pts_[6], pts_[0], (x, y)], "#a59d88", 'opacity="0.7"')
    # agaves and tufts of grass growing from the rocks
    for gx, gy in ((40, 560), (150, 600), (380, 580), (790, 575), (960, 600), (1050, 570)):
        for k in range(7):
            a = math.pi * (0.15 + 0.7 * k / 6)
            emit(f'<path d="M{gx},{gy} q{f(math.cos(a) * 10)},{f(-math.sin(a) * 26)} {f(math.cos(a) * 24)},'
                 f'{f(-math.sin(a) * 30)}" fill="none" stroke="#4f6a3a" stroke-width="3" stroke-linecap="round"/>')

    # small cascades between the rocks
    cascade(132, 172, 566, 676, 14, breaks=1)
    cascade(936, 976, 556, 676, 14, breaks=1)
    # the great central cascade, spilling from the ledge under the figure
    cascade(490, 670, 508, 672, 40, breaks=4)

    # a sea horse rearing out of the rocks at either side, foam at their feet
    sea_horse(300, 610, 0.95, mirror=False, lit=False)
    sea_horse(860, 548, 1.15, mirror=True, lit=True)
    # boulders in front of their coils, so they rise out of the rock
    for cx, cy, spanw in ((330, 664, 150), (880, 628, 190)):
        for _ in range(9):
            x = cx + rng.uniform(-spanw / 2, spanw / 2)
            y = cy + rng.uniform(-12, 10)
            r = rng.uniform(14, 26)
            pts_ = [(x + math.cos(q) * r * rng.uniform(0.75, 1.1), y + math.sin(q) * r * 0.6)
                    for q in [2 * math.pi * k / 7 for k in range(7)]]
            poly(pts_, rng.choice(["#55554e", "#615f56", "#4a4b46"]))
            poly([pts_[5], pts_[6], pts_[0], (x, y)], "#a0987f", 'opacity="0.75"')

    # splashes where the water meets the basin
    for _ in range(90):
        x = rng.choice([rng.uniform(440, 720), rng.uniform(110, 200), rng.uniform(900, 1000)])
        y = rng.uniform(656, 690)
        emit(f'<circle cx="{f(x)}" cy="{f(y)}" r="{f(rng.uniform(2, 7))}" fill="#f4fbff" '
             f'opacity="{f(rng.uniform(0.4, 0.9))}"/>')


def finish():
    # a gentle vignette and stone grain for a photographic feel
    emit(f'<g mask="url(#stoneOnly)"><rect x="0" y="74" width="{W}" height="520" '
         f'filter="url(#mottle)" opacity="0.35"/></g>')
    emit(f'<rect width="{W}" height="{H}" filter="url(#grain)" opacity="0.08"/>')
    emit(f'<rect width="{W}" height="{H}" fill="none" stroke="#000" stroke-opacity="0.25" '
         f'stroke-width="60" filter="url(#soft)"/>')


def main():
    emit('<?xml version="1.0" encoding="UTF-8"?>')
    emit(f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" viewBox="0 0 {W} {H}">')
    emit('<!-- Generated by background.py: edit that script, not this file. -->')
    emit(DEFS)
    sky()
    attic()
    facade()
    rock_band()
    basin()
    lower_scene()
    finish()
    emit('</svg>')
    print("\n".join(out))


if __name__ == "__main__":
    main()
