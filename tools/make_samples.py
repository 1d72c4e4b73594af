#!/usr/bin/env python3
"""Makes the data shipped beside the editor: the template file with the 14
built-in designs, the sample images and sounds they use, and the sample page.

Standard library only; run it from anywhere:

    python3 tools/make_samples.py [output folder, default: data/ of this repository]

Everything is drawn or synthesised here (GIF with its own LZW encoder, Sun .au
tones in 8 kHz mu-law), so the output is the same on every run.
"""

import math
import os
import random
import struct
import sys

# ---------------------------------------------------------------- GIF writer


def lzw_encode(indices, min_code_size):
    """GIF flavoured LZW: variable code width from min_code_size+1 up to 12."""
    clear, eoi = 1 << min_code_size, (1 << min_code_size) + 1
    out = bytearray()
    bits = nbits = 0

    def emit(code, width):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8

    def fresh():
        return {bytes([i]): i for i in range(clear)}, eoi + 1, min_code_size + 1

    table, next_code, width = fresh()
    emit(clear, width)
    word = bytes([indices[0]])
    for k in indices[1:]:
        longer = word + bytes([k])
        if longer in table:
            word = longer
            continue
        emit(table[word], width)
        table[longer] = next_code
        next_code += 1
        if next_code > (1 << width) and width < 12:
            width += 1
        if next_code == 4096:
            emit(clear, width)
            table, next_code, width = fresh()
        word = bytes([k])
    emit(table[word], width)
    emit(eoi, width)
    if nbits:
        out.append(bits & 0xFF)
    return bytes(out)


def lzw_decode(data, min_code_size, count):
    """The reading side, used only to prove every written image reads back."""
    clear, eoi = 1 << min_code_size, (1 << min_code_size) + 1
    pos = bits = nbits = 0
    out = []
    table = None
    prev = None
    width = min_code_size + 1
    while len(out) < count:
        while nbits < width:
            bits |= data[pos] << nbits
            pos += 1
            nbits += 8
        code = bits & ((1 << width) - 1)
        bits >>= width
        nbits -= width
        if code == clear:
            table = [[i] for i in range(clear)] + [None, None]
            width, prev = min_code_size + 1, None
            continue
        if code == eoi:
            break
        if prev is None:
            entry = table[code]
        else:
            entry = table[code] if code < len(table) else prev + prev[:1]
            table.append(prev + entry[:1])
            if len(table) == (1 << width) and width < 12:
                width += 1
        out.extend(entry)
        prev = entry
    return out


class Canvas:
    """A small picture of RGB pixels; None is transparent."""

    def __init__(self, width, height, fill=None):
        self.width, self.height = width, height
        self.pixels = [fill] * (width * height)

    def set(self, x, y, color):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = color

    def get(self, x, y):
        return self.pixels[y * self.width + x]

    def rect(self, x0, y0, x1, y1, color):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, color)

    def frame(self, x0, y0, x1, y1, color):
        for x in range(x0, x1 + 1):
            self.set(x, y0, color)
            self.set(x, y1, color)
        for y in range(y0, y1 + 1):
            self.set(x0, y, color)
            self.set(x1, y, color)

    def polygon(self, points, color):
        """Fills the pixels whose centres lie inside the polygon."""
        for y in range(self.height):
            for x in range(self.width):
                if inside(points, x + 0.5, y + 0.5):
                    self.set(x, y, color)

    def disc(self, cx, cy, r, color):
        for y in range(self.height):
            for x in range(self.width):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.set(x, y, color)


def inside(points, px, py):
    result = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
            result = not result
        j = i
    return result


def gif_bytes(canvas):
    colors = []
    for p in canvas.pixels:
        if p is not None and p not in colors:
            colors.append(p)
    transparent = None in canvas.pixels
    palette = ([(0, 0, 0)] if transparent else []) + colors
    assert len(palette) <= 256, "too many colours"
    depth = max(1, (len(palette) - 1).bit_length())
    palette += [(0, 0, 0)] * ((1 << depth) - len(palette))
    index = {c: i + (1 if transparent else 0) for i, c in enumerate(colors)}
    indices = [0 if p is None else index[p] for p in canvas.pixels]

    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", canvas.width, canvas.height, 0xF0 | (depth - 1), 0, 0)
    for r, g, b in palette:
        out += bytes((r, g, b))
    if transparent:
        out += bytes((0x21, 0xF9, 4, 1, 0, 0, 0, 0))
    out += b"\x2c" + struct.pack("<HHHHB", 0, 0, canvas.width, canvas.height, 0)
    min_code = max(2, depth)
    data = lzw_encode(indices, min_code)
    assert lzw_decode(data, min_code, len(indices)) == indices
    out.append(min_code)
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out.append(len(chunk))
        out += chunk
    out += b"\x00\x3b"
    return bytes(out)


def shade(color, factor):
    return tuple(max(0, min(255, int(round(c * factor)))) for c in color)


def mix(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


# ----------------------------------------------------------- sample pictures


def arrow(direction, color):
    c = Canvas(12, 12)
    if direction == "right":
        c.polygon([(3, 1), (10, 6), (3, 11)], color)
    else:
        c.polygon([(1, 3), (11, 3), (6, 10)], color)
    return c


def bullet(color):
    c = Canvas(10, 10)
    c.disc(5, 5, 4.6, shade(color, 0.6))
    c.disc(5, 5, 3.8, color)
    c.disc(3.8, 3.6, 1.4, mix(color, (255, 255, 255), 0.7))
    return c


def folder(open_):
    body, edge = (240, 200, 80), (150, 110, 20)
    c = Canvas(16, 14)
    c.rect(1, 2, 6, 3, edge)
    c.rect(1, 3, 14, 12, edge)
    c.rect(2, 4, 13, 11, body)
    if open_:
        c.polygon([(1, 12.5), (4, 6), (15.5, 6), (13, 12.5)], mix(body, (255, 255, 255), 0.35))
    return c


def page():
    c = Canvas(12, 14)
    c.rect(1, 0, 10, 13, (120, 120, 120))
    c.rect(2, 1, 9, 12, (255, 255, 255))
    for y in (4, 6, 8, 10):
        c.rect(3, y, 8, y, (150, 170, 210))
    return c


def box():
    c = Canvas(16, 16)
    c.polygon([(1, 5), (8, 2), (15, 5), (8, 8)], (230, 190, 130))
    c.polygon([(1, 5), (8, 8), (8, 15), (1, 12)], (200, 150, 90))
    c.polygon([(8, 8), (15, 5), (15, 12), (8, 15)], (160, 110, 60))
    c.rect(8, 8, 8, 14, (110, 70, 30))
    return c


def star(color):
    c = Canvas(14, 14)
    points = []
    for i in range(10):
        r = 6.5 if i % 2 == 0 else 2.8
        a = -math.pi / 2 + i * math.pi / 5
        points.append((7 + r * math.cos(a), 7.3 + r * math.sin(a)))
    c.polygon(points, shade(color, 0.75))
    inner = [(7 + (x - 7) * 0.7, 7.3 + (y - 7.3) * 0.7) for x, y in points]
    c.polygon(inner, color)
    return c


def bar():
    c = Canvas(120, 4)
    for x in range(120):
        color = mix((20, 60, 140), (140, 200, 255), x / 119)
        color = tuple(v // 16 * 16 for v in color)
        for y in range(4):
            c.set(x, y, shade(color, 1.0 if y in (1, 2) else 0.8))
    return c


def hotspot_background():
    """A small harbour map: sky, hills, water and a few spots."""
    w, h = 160, 120
    c = Canvas(w, h)
    for y in range(h):
        if y < 40:
            color = mix((40, 70, 140), (120, 170, 220), y / 39)
        else:
            color = mix((20, 60, 110), (10, 30, 70), (y - 40) / 79)
        color = tuple(v // 12 * 12 for v in color)
        c.rect(0, y, w - 1, y, color)
    for cx, r, tone in ((30, 32, (40, 90, 50)), (95, 26, (50, 110, 60)), (150, 30, (35, 80, 45))):
        for y in range(18, 48):
            for x in range(w):
                if (x - cx) ** 2 + ((y - 48) * 1.6) ** 2 <= r * r:
                    c.set(x, y, tone)
    c.rect(0, 46, w - 1, 48, (200, 190, 140))
    for x, y in ((28, 70), (80, 88), (128, 64)):
        c.disc(x, y, 5, (255, 210, 60))
        c.disc(x, y, 2.2, (255, 120, 40))
    return c


def snow_tile():
    c = Canvas(32, 32, (120, 10, 20))
    rng = random.Random(7)
    for _ in range(9):
        x, y = rng.randrange(32), rng.randrange(32)
        for dx, dy in ((0, 0), (1, 0), (-1, 0), (0, 1), (0, -1)):
            c.set((x + dx) % 32, (y + dy) % 32, (255, 255, 255) if (dx, dy) == (0, 0) else (220, 200, 200))
    return c


IMAGES = {
    "arrow_right.gif": lambda: arrow("right", (100, 100, 100)),
    "arrow_hot.gif": lambda: arrow("right", (230, 110, 0)),
    "arrow_down.gif": lambda: arrow("down", (200, 60, 0)),
    "bullet_blue.gif": lambda: bullet((60, 110, 220)),
    "bullet_gold.gif": lambda: bullet((235, 180, 30)),
    "bullet_red.gif": lambda: bullet((210, 40, 40)),
    "folder.gif": lambda: folder(False),
    "folder_open.gif": lambda: folder(True),
    "page.gif": page,
    "box.gif": box,
    "star.gif": lambda: star((255, 200, 0)),
    "star_white.gif": lambda: star((255, 250, 220)),
    "bar.gif": bar,
    "harbour.gif": hotspot_background,
    "snow.gif": snow_tile,
}

# ------------------------------------------------------------- sample sounds

RATE = 8000


def mulaw(sample):
    """One linear sample in -1..1 as a G.711 mu-law byte."""
    value = int(max(-1.0, min(1.0, sample)) * 32635)
    sign = 0x80 if value < 0 else 0
    value = min(abs(value), 32635) + 0x84
    exponent = 7
    while exponent > 0 and not value & (0x4000 >> (7 - exponent)):
        exponent -= 1
    mantissa = (value >> (exponent + 3)) & 0x0F
    return ~(sign | (exponent << 4) | mantissa) & 0xFF


def au_bytes(samples):
    data = bytes(mulaw(s) for s in samples)
    return struct.pack(">4sIIIII", b".snd", 24, len(data), 1, RATE, 1) + data


def tone(partials, seconds, decay, attack=0.004):
    n = int(RATE * seconds)
    out = []
    for i in range(n):
        t = i / RATE
        env = min(1.0, t / attack) * math.exp(-t * decay)
        out.append(env * sum(a * math.sin(2 * math.pi * f * t) for f, a in partials))
    return out


def click():
    rng = random.Random(3)
    n = int(RATE * 0.03)
    return [math.exp(-i / 25.0) * (0.5 * rng.uniform(-1, 1) + 0.5 * math.sin(i * 0.9)) for i in range(n)]


def sweep(f0, f1, seconds):
    n = int(RATE * seconds)
    out, phase = [], 0.0
    for i in range(n):
        f = f0 + (f1 - f0) * i / n
        phase += 2 * math.pi * f / RATE
        out.append(0.6 * math.sin(phase) * math.sin(math.pi * i / n))
    return out


def jingle():
    out = []
    bell = [(1.0, 0.45), (2.76, 0.2), (5.4, 0.08)]
    for note, length in ((659, 0.18), (659, 0.18), (659, 0.36), (659, 0.18), (659, 0.18), (659, 0.36)):
        out += tone([(note * r, a) for r, a in bell], length, 9.0)
    return out


SOUNDS = {
    "click.au": click,
    "tick.au": lambda: tone([(3000, 0.5)], 0.02, 200),
    "blip.au": lambda: sweep(600, 1300, 0.07),
    "chime.au": lambda: tone([(880, 0.4), (1320, 0.25), (2640, 0.08)], 0.45, 8.0),
    "bell.au": lambda: tone([(1046, 0.4), (2.76 * 1046, 0.2), (5.4 * 1046, 0.08)], 0.5, 7.0),
    "jingle.au": jingle,
}

# ------------------------------------------------------------------ designs


def rgb(r, g, b):
    """A colour reference as the project file writes it: 0x00BBGGRR, decimal."""
    return r | (g << 8) | (b << 16)


WHITE, BLACK = rgb(255, 255, 255), rgb(0, 0, 0)


def state(back, font, back_style=1, effect=0, font_name=1, size=12, style=0, image_align=0,
          text_align=0, image_offset=0, text_offset=0, gradient=1, border=0):
    return [back, font, back_style, effect, font_name, size, style, image_align, text_align,
            image_offset, text_offset, gradient, border]


class Look:
    """The look of the menus of one depth: geometry, background, three states."""

    def __init__(self, normal, over, click, background=WHITE, back_style=0, indent=40, width=100,
                 height=20, gap=2, border_thick=0):
        self.background, self.back_style = background, back_style
        self.indent, self.width, self.height, self.gap = indent, width, height, gap
        self.border_thick = border_thick
        self.states = (normal, over, click)


class Design:
    def __init__(self, name, title, tops, looks, media=None, **applet):
        self.name, self.tops, self.looks = name, tops, looks
        self.media = media or (lambda depth, has_children: ("", "", "", "", ""))
        self.applet = dict(title=title, align=0, background=WHITE, image="", image_mode=0, image_x=0,
                           image_y=0, audio="", show_selection=1, open_speed=5, close_speed=5,
                           show_all=0, lines=0, border=0, back_style=0, gradient=1, line_indent=0,
                           line_thick=0, line_color=BLACK, display_from_y=4)
        self.applet.update(applet)

    def look(self, depth):
        return self.looks[min(depth, len(self.looks) - 1)]


# Item: (label, link, description, children); a target "_blank" for outside links.
def item(label, link="", description="", children=(), target=""):
    return dict(label=label, link=link, description=description, children=list(children),
                target=target)


SITE = [
    item("Home", "index.htm", "Back to the front page"),
    item("Products", "products.htm", "What we make", [
        item("Software", "software.htm", "Programs for work and play", [
            item("Office Suite", "office.htm", "Letters and sheets and slides"),
            item("Photo Studio", "photo.htm", "Touch up your pictures")]),
        item("Hardware", "hardware.htm", "Machines and parts"),
        item("Services", "services.htm", "Help from our people", [
            item("Consulting", "consulting.htm", "Plans for your project"),
            item("Training", "training.htm", "Courses and workshops")])]),
    item("Support", "support.htm", "Answers and downloads", [
        item("FAQ", "faq.htm", "Frequently asked questions"),
        item("Downloads", "downloads.htm", "Updates and drivers"),
        item("Contact Us", "mailto:support@example.com", "Write to our support team")]),
    item("About Us", "about.htm", "Who we are", [
        item("Company", "company.htm", "Our story"),
        item("News", "news.htm", "The latest announcements"),
        item("Careers", "careers.htm", "Work with us")]),
]

LINKS = [
    item("Resources", "resources.htm", "Useful places", [
        item("Web Standards", "http://www.w3.org/", "Specifications of the web", target="_blank"),
        item("Example Site", "http://www.example.com/", "A site for examples", target="_blank")]),
    item("Site Map", "sitemap.htm", "Every page at a glance"),
]

SHOP = [
    item("Shop", "shop.htm", "Our online store", [
        item("New Arrivals", "new.htm", "Just in this week"),
        item("Best Sellers", "best.htm", "What others buy"),
        item("Special Offers", "offers.htm", "Prices cut this month")]),
    item("My Account", "account.htm", "Orders and settings", [
        item("Order Status", "orders.htm", "Where is my parcel?"),
        item("Wish List", "wishlist.htm", "Things to buy later")]),
    item("Shopping Cart", "cart.htm", "Review and check out"),
    item("Help", "help.htm", "Shipping and returns", [
        item("Shipping", "shipping.htm", "Delivery times and costs"),
        item("Returns", "returns.htm", "Send it back within 30 days")]),
]

GUIDE = [
    item("Getting Started", "start.htm", "Install and run", [
        item("Installation", "install.htm", "Setting up on your computer"),
        item("First Steps", "first.htm", "A tour in ten minutes")]),
    item("User Guide", "guide.htm", "Every feature explained", [
        item("Menus", "menus.htm", "Top-level menus and sub-menus", [
            item("Adding Items", "add.htm", "Insert and arrange items"),
            item("Styles", "styles.htm", "Colours and fonts and borders")]),
        item("Images and Sounds", "media.htm", "Pictures and audio for items"),
        item("Publishing", "publish.htm", "Put the page on your site")]),
    item("Reference", "reference.htm", "All settings in one place", [
        item("Applet Settings", "applet.htm", "Size and background and speed"),
        item("Item Settings", "items.htm", "Labels and links and targets")]),
    item("Glossary", "glossary.htm", "Words used in this guide"),
]

PRODUCTS = [
    item("All Products", "catalog.htm", "The complete catalogue", [
        item("Desktop PCs", "desktops.htm", "Power for home and office", [
            item("Home Series", "home-pc.htm", "Quiet and affordable"),
            item("Office Series", "office-pc.htm", "Built for business"),
            item("Gaming Series", "gaming-pc.htm", "Fast graphics")]),
        item("Notebooks", "notebooks.htm", "Computing on the move", [
            item("Ultra Light", "ultralight.htm", "Under one kilogram"),
            item("Workstation", "mobile-ws.htm", "Desktop power to go")]),
        item("Printers", "printers.htm", "Paper in colour", [
            item("Laser", "laser.htm", "Crisp pages fast"),
            item("Inkjet", "inkjet.htm", "Photos at home")]),
        item("Monitors", "monitors.htm", "Flat screens in all sizes"),
        item("Accessories", "accessories.htm", "Cables and bags and mice")]),
    item("Price List", "prices.htm", "Current prices"),
    item("Dealers", "dealers.htm", "Where to buy"),
]

GARDEN = [
    item("Flowers", "flowers.htm", "Colour for every season", [
        item("Roses", "roses.htm", "Climbing and shrub roses"),
        item("Tulips", "tulips.htm", "Spring bulbs"),
        item("Sunflowers", "sunflowers.htm", "Tall and bright")]),
    item("Vegetables", "vegetables.htm", "Grow your own food", [
        item("Tomatoes", "tomatoes.htm", "Sun-ripened"),
        item("Herbs", "herbs.htm", "Basil and thyme and mint")]),
    item("Tools", "tools.htm", "For every job in the garden"),
    item("Calendar", "calendar.htm", "What to do each month"),
]

LIBRARY = [
    item("Fiction", "fiction.htm", "Novels and stories", [
        item("Mystery", "mystery.htm", "Who did it?", [
            item("Classics", "mystery-classics.htm", "The great detectives"),
            item("New Titles", "mystery-new.htm", "This year's cases")]),
        item("Science Fiction", "scifi.htm", "Other worlds"),
        item("Poetry", "poetry.htm", "Verse old and new")]),
    item("Non-Fiction", "nonfiction.htm", "Facts and ideas", [
        item("History", "history.htm", "The past explained"),
        item("Science", "science.htm", "How things work"),
        item("Cooking", "cooking.htm", "Recipes from around the world")]),
    item("Children", "children.htm", "Books for young readers"),
    item("Opening Hours", "hours.htm", "When we are open"),
]

MUSIC = [
    item("Concerts", "concerts.htm", "Dates and venues", [
        item("This Season", "season.htm", "The programme"),
        item("Tickets", "tickets.htm", "Book your seats")]),
    item("Recordings", "recordings.htm", "Our albums", [
        item("Organ Works", "organ.htm", "Preludes and fugues"),
        item("Choral Music", "choral.htm", "Voices in the nave"),
        item("Listen", "listen.htm", "Short samples")]),
    item("The Instrument", "instrument.htm", "Pipes and stops and history"),
    item("Contact", "contact.htm", "Write to the organist"),
]

WORLD = [
    item("World", "world.htm", "All regions", [
        item("Europe", "europe.htm", "From the Atlantic to the Urals", [
            item("Germany", "germany.htm", "Sixteen states", [
                item("Bavaria", "bavaria.htm", "Mountains and lakes", [
                    item("Munich", "munich.htm", "The capital of Bavaria"),
                    item("Nuremberg", "nuremberg.htm", "The old town")]),
                item("Saxony", "saxony.htm", "Art and music", [
                    item("Dresden", "dresden.htm", "On the Elbe")])]),
            item("France", "france.htm", "Thirteen regions", [
                item("Provence", "provence.htm", "Lavender fields", [
                    item("Marseille", "marseille.htm", "Port city")])])]),
        item("Americas", "americas.htm", "North and South", [
            item("Canada", "canada.htm", "Ten provinces", [
                item("Quebec", "quebec.htm", "French-speaking", [
                    item("Montreal", "montreal.htm", "Island city")])])]),
        item("Asia", "asia.htm", "The largest continent", [
            item("Japan", "japan.htm", "Four main islands", [
                item("Kansai", "kansai.htm", "The western region", [
                    item("Kyoto", "kyoto.htm", "Temples and gardens")])])])]),
]

CITY = [
    item("Sights", "sights.htm", "What to see", [
        item("Old Harbour", "harbour.htm", "Ships and the lighthouse"),
        item("Castle Hill", "castle.htm", "The view over the bay"),
        item("Museums", "museums.htm", "Art and maritime history")]),
    item("Hotels", "hotels.htm", "Where to stay", [
        item("By the Sea", "seaside.htm", "Rooms with a view"),
        item("In Town", "town.htm", "Close to the market")]),
    item("Eating Out", "food.htm", "Fish and more", [
        item("Restaurants", "restaurants.htm", "From cafe to fine dining"),
        item("Markets", "markets.htm", "Fresh every morning")]),
    item("Getting Here", "travel.htm", "By train and boat and road"),
]

XMAS = [
    item("Advent Calendar", "advent.htm", "A door for every day", [
        item("Today", "today.htm", "Open today's door"),
        item("All Doors", "doors.htm", "Every surprise so far")]),
    item("Recipes", "recipes.htm", "Festive baking", [
        item("Gingerbread", "gingerbread.htm", "Spiced and sweet"),
        item("Mulled Punch", "punch.htm", "Warm and fruity"),
        item("Cookies", "cookies.htm", "Stars and moons and bells")]),
    item("Gift Ideas", "gifts.htm", "Something for everyone"),
    item("Carols", "carols.htm", "Songs to sing together", [
        item("Lyrics", "lyrics.htm", "All the verses"),
        item("Sheet Music", "sheets.htm", "Print and play")]),
    item("Greeting Cards", "cards.htm", "Send a card"),
]


def tree_media(leaf, branch, branch_open):
    def media(depth, has_children):
        if has_children:
            return (branch, branch, branch_open, "", "")
        return (leaf, leaf, leaf, "", "")
    return media


def same_media(normal, over, click, over_audio="", click_audio=""):
    return lambda depth, has_children: (normal, over, click, over_audio, click_audio)


NAVY, STEEL = rgb(20, 40, 100), rgb(70, 110, 180)


def designs():
    tree_text = dict(back_style=0, font_name=1, size=12, image_offset=2, text_offset=18)
    return [
        Design("Normal", "My Tavelina", [SITE], [
            Look(state(NAVY, WHITE, size=12, style=1, text_offset=6),
                 state(STEEL, WHITE, size=12, style=1, text_offset=6),
                 state(rgb(10, 20, 60), rgb(255, 220, 120), size=12, style=1, text_offset=6),
                 indent=30, width=120, height=22, gap=2)],
            background=rgb(235, 240, 250)),

        Design("solid button", "Solid Buttons", [SITE, LINKS], [
            Look(state(rgb(192, 192, 192), BLACK, style=1, text_align=1, border=1),
                 state(rgb(224, 224, 224), NAVY, style=1, text_align=1, border=1),
                 state(rgb(160, 160, 160), BLACK, style=1, text_align=1, border=2),
                 indent=40, width=120, height=24, gap=3),
            Look(state(rgb(208, 208, 208), BLACK, text_align=1, border=1),
                 state(rgb(232, 232, 232), NAVY, text_align=1, border=1),
                 state(rgb(176, 176, 176), BLACK, text_align=1, border=2),
                 indent=30, width=120, height=22, gap=2)],
            background=rgb(128, 128, 128), border=1,
            media=same_media("", "", "", "", "click.au")),

        Design("flat button", "Flat Buttons", [SITE], [
            Look(state(WHITE, rgb(60, 60, 60), text_offset=8),
                 state(rgb(220, 235, 250), NAVY, text_offset=8),
                 state(rgb(180, 210, 240), NAVY, style=1, text_offset=8),
                 indent=24, width=130, height=20, gap=1)],
            background=rgb(245, 245, 245)),

        Design("Color Button", "Color Buttons", [SHOP], [
            Look(state(rgb(0, 128, 128), WHITE, style=1, text_align=1, border=1),
                 state(rgb(255, 140, 0), BLACK, style=1, text_align=1, border=1),
                 state(rgb(128, 0, 128), WHITE, style=1, text_align=1, border=2),
                 indent=36, width=120, height=24, gap=3),
            Look(state(rgb(0, 160, 160), WHITE, text_align=1, border=1),
                 state(rgb(255, 180, 40), BLACK, text_align=1, border=1),
                 state(rgb(160, 40, 160), WHITE, text_align=1, border=2),
                 indent=36, width=120, height=22, gap=2)],
            background=rgb(250, 250, 230),
            media=same_media("", "", "", "tick.au", "click.au")),

        Design("standard tree", "Standard Tree", [GUIDE], [
            Look(state(WHITE, BLACK, **tree_text),
                 state(WHITE, rgb(0, 0, 200), **tree_text),
                 state(rgb(0, 0, 128), WHITE, **dict(tree_text, back_style=1)),
                 indent=18, width=150, height=18, gap=1)],
            media=tree_media("page.gif", "folder.gif", "folder_open.gif")),

        Design("Arrowhead Tree", "Arrowhead Tree", [SITE], [
            Look(state(WHITE, rgb(50, 50, 50), **dict(tree_text, text_offset=16)),
                 state(WHITE, rgb(230, 110, 0), **dict(tree_text, text_offset=16)),
                 state(WHITE, rgb(200, 60, 0), **dict(tree_text, text_offset=16, style=1)),
                 indent=16, width=140, height=18, gap=2)],
            media=same_media("arrow_right.gif", "arrow_hot.gif", "arrow_down.gif")),

        Design("products tree", "Product Catalogue", [PRODUCTS], [
            Look(state(rgb(0, 100, 60), WHITE, **dict(tree_text, back_style=1, style=1)),
                 state(rgb(0, 140, 90), WHITE, **dict(tree_text, back_style=1, style=1)),
                 state(rgb(0, 70, 40), rgb(255, 240, 160), **dict(tree_text, back_style=1, style=1)),
                 indent=18, width=150, height=20, gap=1),
            Look(state(WHITE, rgb(0, 80, 50), **tree_text),
                 state(rgb(220, 245, 230), rgb(0, 80, 50), **dict(tree_text, back_style=1)),
                 state(rgb(190, 230, 205), BLACK, **dict(tree_text, back_style=1, style=1)),
                 indent=18, width=150, height=18, gap=1)],
            media=same_media("box.gif", "box.gif", "box.gif")),

        Design("Line Tree", "Line Tree", [GUIDE], [
            Look(state(WHITE, BLACK, back_style=0, font_name=1, text_offset=4),
                 state(WHITE, NAVY, back_style=0, font_name=1, style=1, text_offset=4),
                 state(rgb(220, 220, 220), NAVY, font_name=1, style=1, text_offset=4),
                 indent=16, width=150, height=18, gap=1)],
            lines=1, line_color=rgb(128, 128, 128), line_indent=8, line_thick=1),

        Design("decoration tree", "Garden Decorations", [GARDEN], [
            Look(state(rgb(250, 245, 225), rgb(80, 60, 20), **dict(tree_text, back_style=1,
                                                                   font_name=0, size=14, text_offset=16)),
                 state(rgb(255, 235, 170), rgb(120, 60, 0), **dict(tree_text, back_style=1,
                                                                    font_name=0, size=14, text_offset=16)),
                 state(rgb(240, 210, 120), rgb(150, 20, 20), **dict(tree_text, back_style=1, font_name=0,
                                                                     size=14, style=2, text_offset=16)),
                 indent=20, width=140, height=20, gap=2)],
            background=rgb(255, 252, 240), image="bar.gif", image_y=0, display_from_y=8,
            media=same_media("bullet_blue.gif", "bullet_gold.gif", "bullet_red.gif", "chime.au", "")),

        Design("Color Tree", "Color Tree", [LIBRARY], [
            Look(state(WHITE, rgb(160, 20, 20), back_style=0, style=1, text_offset=4),
                 state(rgb(255, 225, 225), rgb(160, 20, 20), style=1, text_offset=4),
                 state(rgb(160, 20, 20), WHITE, style=1, text_offset=4),
                 indent=16, width=150, height=18, gap=1),
            Look(state(WHITE, rgb(0, 120, 40), back_style=0, text_offset=4),
                 state(rgb(220, 250, 225), rgb(0, 120, 40), text_offset=4),
                 state(rgb(0, 120, 40), WHITE, text_offset=4),
                 indent=16, width=150, height=18, gap=1),
            Look(state(WHITE, rgb(20, 40, 170), back_style=0, style=2, text_offset=4),
                 state(rgb(225, 230, 255), rgb(20, 40, 170), style=2, text_offset=4),
                 state(rgb(20, 40, 170), WHITE, style=2, text_offset=4),
                 indent=16, width=150, height=18, gap=1)],
            lines=1, line_color=rgb(200, 200, 200), line_indent=6, line_thick=1),

        Design("organ tree", "Organ Pipes", [MUSIC], [
            Look(state(rgb(200, 160, 60), rgb(255, 245, 210), back_style=6, effect=4, style=1,
                       text_align=1, gradient=1, border=1),
                 state(rgb(230, 190, 80), BLACK, back_style=9, style=1, text_align=1, gradient=1, border=1),
                 state(rgb(160, 110, 30), WHITE, back_style=8, style=1, text_align=1, gradient=1, border=2),
                 indent=30, width=130, height=24, gap=2),
            Look(state(rgb(170, 130, 50), rgb(255, 245, 210), back_style=6, text_align=1, gradient=1),
                 state(rgb(210, 170, 70), BLACK, back_style=9, text_align=1, gradient=1),
                 state(rgb(140, 95, 25), WHITE, back_style=8, text_align=1, gradient=1, border=2),
                 indent=30, width=130, height=22, gap=2)],
            background=rgb(90, 40, 20), back_style=3, gradient=1, border=2),

        Design("Appending Tree", "Appending Tree", [WORLD], [
            Look(state(rgb(60 + 30 * d, 90 + 25 * d, 140 + 20 * d), WHITE, style=1 if d == 0 else 0,
                       size=12 - min(d, 2), text_offset=4 + 2 * d),
                 state(rgb(250, 200, 80), BLACK, size=12 - min(d, 2), text_offset=4 + 2 * d),
                 state(rgb(200, 120, 20), WHITE, size=12 - min(d, 2), text_offset=4 + 2 * d, border=2),
                 indent=14, width=130 - 6 * d, height=18, gap=1)
            for d in range(5)],
            background=rgb(240, 244, 250), lines=1, line_color=rgb(150, 170, 200), line_indent=6,
            line_thick=1),

        Design("Hot Spot", "Harbour Guide", [CITY], [
            Look(state(BLACK, WHITE, back_style=0, style=1, effect=4, text_offset=6),
                 state(rgb(255, 210, 60), BLACK, style=1, text_offset=6, border=1),
                 state(rgb(255, 120, 40), WHITE, style=1, text_offset=6, border=2),
                 indent=20, width=120, height=20, gap=3)],
            background=rgb(20, 60, 110), image="harbour.gif", image_mode=0, display_from_y=10,
            media=same_media("", "", "", "blip.au", "")),

        Design("X'mas", "Merry Christmas", [XMAS], [
            Look(state(rgb(0, 100, 0), rgb(255, 215, 0), style=1, text_offset=18, image_offset=2,
                       font_name=0, size=14, border=1),
                 state(rgb(200, 0, 0), WHITE, style=1, text_offset=18, image_offset=2, font_name=0,
                       size=14, border=1),
                 state(rgb(255, 215, 0), rgb(140, 0, 0), style=1, text_offset=18, image_offset=2,
                       font_name=0, size=14, border=2),
                 indent=30, width=150, height=22, gap=3),
            Look(state(rgb(0, 130, 0), rgb(255, 230, 120), text_offset=18, image_offset=2, font_name=0,
                       size=13, border=1),
                 state(rgb(220, 30, 30), WHITE, text_offset=18, image_offset=2, font_name=0, size=13,
                       border=1),
                 state(rgb(255, 215, 0), rgb(140, 0, 0), text_offset=18, image_offset=2, font_name=0,
                       size=13, border=2),
                 indent=30, width=150, height=20, gap=2)],
            background=rgb(120, 10, 20), image="snow.gif", image_mode=1, audio="jingle.au",
            media=same_media("star.gif", "star_white.gif", "star.gif", "bell.au", "click.au")),
    ]


# ------------------------------------------------------------ section writer


class Menu:
    def __init__(self, look, items, top):
        self.look, self.items, self.top = look, items, top
        self.number = 0


class Entry:
    def __init__(self, fields, sub):
        self.fields, self.sub = fields, sub


def build_menu(design, items, depth, top):
    entries = []
    for it in items:
        media = design.media(depth, bool(it["children"]))
        for name in media:
            assert not name or name in IMAGES or name in SOUNDS, name
        sub = build_menu(design, it["children"], depth + 1, False)
        entries.append(Entry([it["label"], it["description"], it["link"], it["target"]] +
                             list(media), sub))
    return Menu(design.look(depth), entries, top)


def number_menus(tops):
    order = []

    def visit(menu):
        menu.number = len(order)
        order.append(menu)
        for entry in menu.items:
            visit(entry.sub)
    for top in tops:
        visit(top)
    return order


def recommended_size(tops, display_from_y):
    extent = {"width": 0, "height": display_from_y}

    def accumulate(menu, x):
        if not menu.items:
            return
        look = menu.look
        b = 1 if look.back_style & 15 == 2 else 0
        extent["width"] = max(extent["width"], x + look.indent + look.width + b)
        extent["height"] += len(menu.items) * (look.height + look.gap) - look.gap + b
        for entry in menu.items:
            accumulate(entry.sub, x + look.indent)
    for top in tops:
        accumulate(top, 0)
    return extent["width"] + 4, extent["height"] + 4


def check_text(text):
    for bad in (",", "\r", "\n", "|_#", "[", "]"):
        assert bad not in text, "%r holds %r" % (text, bad)
    return text


def section(design):
    tops = [build_menu(design, items, 0, True) for items in design.tops]
    order = number_menus(tops)
    a = design.applet
    width, height = recommended_size(tops, a["display_from_y"])
    for name in (a["image"], a["audio"]):
        assert not name or name in IMAGES or name in SOUNDS, name
    applet = [check_text(a["title"]), a["align"], width, height, a["background"], a["background"],
              a["image"], a["image_mode"], a["image_x"], a["image_y"], a["audio"], a["show_selection"],
              a["open_speed"], a["close_speed"], a["show_all"], a["lines"], a["border"], a["back_style"],
              a["gradient"], a["line_indent"], a["line_thick"], a["line_color"], a["display_from_y"]]
    lines = ["[%s]" % design.name, "ApStyle=" + ",".join(str(v) for v in applet)]
    written = []
    for menu in order:
        m, look = menu.number, menu.look
        name = "top-level Tavelina" if menu.top else "Menu"
        start = a["display_from_y"] if m == 0 else 0
        values = [look.background, look.back_style, 0, 0, look.indent, start, look.width, look.height,
                  look.gap, look.border_thick, name, 1]
        lines.append("MStyle-%d=%s" % (m, ",".join(str(v) for v in values)))
        lines.append("IStyle-%d=%s" % (m, "".join(",".join(str(v) for v in s) + ",,," for s in look.states)))
        for j, entry in enumerate(menu.items, 1):
            fields = [check_text(f) for f in entry.fields] + ["1"]
            lines.append("I%d-%d=%s" % (m, j, ",".join(fields)))
            written.append(entry)
    misc = "%d," % len(order) + "".join("%d," % len(menu.items) for menu in order)
    misc += "".join("-%d," % top.number for top in tops)
    misc += "".join("%d-%d," % (i, entry.sub.number) for i, entry in enumerate(written))
    lines.append("Misc=" + misc)
    return lines


# ------------------------------------------------------------- sample page


def sample_page():
    rows = []
    for name in sorted(IMAGES):
        rows.append('<tr><td><img src="Image/%s" alt="%s"></td><td><a href="Image/%s">%s</a></td></tr>'
                    % (name, name, name, name))
    sounds = "".join('<li><a href="Audio/%s">%s</a></li>\r\n' % (n, n) for n in sorted(SOUNDS))
    return ("<html>\r\n<head><title>Applet Tavelina Wizard Samples</title></head>\r\n<body>\r\n"
            "<h1>Samples</h1>\r\n"
            "<p>These pictures and sounds come with Applet Tavelina Wizard. The built-in templates use "
            "them; you may use them in your own menus as item images and sounds or as the applet "
            "background. The pictures lie in the folder Image and the sounds in the folder Audio "
            "beside this page.</p>\r\n"
            '<p><img src="Image/bar.gif" alt=""></p>\r\n'
            "<h2>Images</h2>\r\n<table>\r\n" + "\r\n".join(rows) + "\r\n</table>\r\n"
            "<h2>Sounds</h2>\r\n<p>Short sounds in the Sun audio format (8 kHz mu-law).</p>\r\n<ul>\r\n"
            + sounds + "</ul>\r\n</body>\r\n</html>\r\n")


# ------------------------------------------------------------------- main


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data")
    for name, draw in IMAGES.items():
        write(os.path.join(root, "Sample", "Image", name), gif_bytes(draw()))
    for name, make in SOUNDS.items():
        data = au_bytes(make())
        assert len(data) < 16384, name
        write(os.path.join(root, "Sample", "Audio", name), data)
    write(os.path.join(root, "Sample", "Samples.htm"), sample_page().encode("latin-1"))
    lines = []
    for design in designs():
        lines += section(design)
    write(os.path.join(root, "AppletTavelinWizard.tpl"),
          "".join(line + "\r\n" for line in lines).encode("latin-1"))


if __name__ == "__main__":
    main()
