#!/usr/bin/env python3
"""Draws the skin images of the framework ("kxgui"), the installer and the uninstaller.

Run by hand from the repository root (python3 tools/skin/make-skin.py); the PNG files it writes
are committed. One flat palette throughout: a blue accent, white and light grey surfaces, grey
text and hairlines, red for closing. Sizes are the ones the windows' layouts rely on.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pngraster import (Image, circle, clamp, dgradient, mix, polyline, rgb, ring, round_rect,
                       segment, text_sdf, union, vgradient)

ACCENT = rgb('#2B7CE9')
ACCENT_LIGHT = rgb('#4C93F2')
ACCENT_DARK = rgb('#1C63C7')
ACCENT_PALE = rgb('#EAF2FE')
ACCENT_PALER = rgb('#DCEAFD')
INK = rgb('#3E3E3E')
MUTED = rgb('#8A94A3')
LINE = rgb('#C9D1DC')
LINE_SOFT = rgb('#DDE2E8')
WHITE = rgb('#FFFFFF')
SURFACE_ALT = rgb('#F4F6F9')
DISABLED_FILL = rgb('#EEF0F3')
DISABLED_LINE = rgb('#D3D8DF')
DISABLED_INK = rgb('#B8BFC9')
DANGER = rgb('#E5484D')
DANGER_DARK = rgb('#C8363B')
GREEN = rgb('#2EAD6B')
ORANGE = rgb('#F29C38')

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))


def save(folder, name, img):
    path = os.path.join(ROOT, folder, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as out:
        out.write(img.png())


def framed(w, h, fill, line, r=3, inset=0.0, width=1.0):
    """A rounded box with a hairline border, edges on pixel boundaries."""
    img = Image(w, h)
    outer = round_rect(inset, inset, w - inset, h - inset, r)
    img.shape(outer, line)
    img.shape(round_rect(inset + width, inset + width, w - inset - width, h - inset - width,
                         max(0.5, r - width)), fill)
    return img


def filled(w, h, fill, r=3):
    img = Image(w, h)
    img.shape(round_rect(0, 0, w, h, r), fill)
    return img


def glyph(img, kind, color, cx, cy, size, width=1.2):
    """Title-bar glyphs centred at (cx, cy): close, minimise, maximise."""
    s = size / 2
    if kind == 'close':
        img.shape(union(segment(cx - s, cy - s, cx + s, cy + s, width),
                        segment(cx - s, cy + s, cx + s, cy - s, width)), color)
    elif kind == 'min':
        img.shape(segment(cx - s, cy + 0.5, cx + s, cy + 0.5, width), color)
    elif kind == 'max':
        img.shape(ring(round_rect(cx - s, cy - s, cx + s, cy + s, 1), width), color)


def title_button(w, h, kind, state, on_dark=False, size=8):
    img = Image(w, h)
    if on_dark:
        back = {'normal': None, 'hover': rgb('#FFFFFF', 0.18), 'down': DANGER_DARK if kind == 'close'
                else rgb('#000000', 0.15)}[state]
        if kind == 'close' and state == 'hover':
            back = DANGER
        ink = WHITE
    else:
        back = {'normal': None, 'hover': DANGER if kind == 'close' else rgb('#000000', 0.07),
                'down': DANGER_DARK if kind == 'close' else rgb('#000000', 0.13)}[state]
        ink = WHITE if kind == 'close' and state != 'normal' else rgb('#5B6573')
    if back:
        img.shape(round_rect(0, 0, w, h, 0.01), back)
    if kind == 'restore':
        s = size / 2
        cx, cy = w / 2, h / 2
        img.shape(polyline([(cx - s + 2, cy - s + 2), (cx - s + 2, cy - s), (cx + s, cy - s),
                            (cx + s, cy + s - 2), (cx + s - 2, cy + s - 2)], 1.2), ink)
        img.shape(ring(round_rect(cx - s, cy - s + 2, cx + s - 2, cy + s, 0.8), 1.2), ink)
    else:
        glyph(img, kind, ink, w / 2, h / 2, size)
    return img


def check_mark(img, x0, y0, size, color, width=1.6):
    img.shape(polyline([(x0 + size * 0.2, y0 + size * 0.52), (x0 + size * 0.42, y0 + size * 0.74),
                        (x0 + size * 0.8, y0 + size * 0.3)], width), color)


def checkbox(checked, state):
    w = h = 14
    if checked:
        fill = {'normal': ACCENT, 'hover': ACCENT_LIGHT, 'pressdown': ACCENT_DARK,
                'disable': DISABLED_LINE}[state]
        img = filled(w, h, fill, 3)
        check_mark(img, 0, 0, 14, WHITE, 1.7)
    else:
        line = {'normal': LINE, 'hover': ACCENT, 'pressdown': ACCENT_DARK,
                'disable': DISABLED_LINE}[state]
        fill = {'normal': WHITE, 'hover': WHITE, 'pressdown': ACCENT_PALE,
                'disable': DISABLED_FILL}[state]
        img = framed(w, h, fill, line, 3)
    return img


def emblem(img, x, y, size, back=None, mark=WHITE):
    """The product's emblem: a rounded square with a "Z" stroke."""
    back = back or dgradient(ACCENT_LIGHT, ACCENT_DARK, x + size, y + size)
    img.shape(round_rect(x, y, x + size, y + size, size * 0.24), back, (x, y, x + size, y + size))
    m = size * 0.27
    img.shape(polyline([(x + m, y + m), (x + size - m, y + m), (x + m, y + size - m),
                        (x + size - m, y + size - m)], max(1.2, size * 0.11)), mark,
              (x, y, x + size, y + size))


def wordmark(img, text, x, y, height, color, stroke=None):
    sdf, end = text_sdf(text, x, y, height, stroke or max(1.0, height * 0.16))
    img.shape(sdf, color, (x, y, end, y + height))
    return end


def drop_shadow(w, h, margin, radius, strength=0.22):
    """A soft shadow ring for nine-patches: solid under the panel, fading outwards."""
    img = Image(w, h)
    box = round_rect(margin, margin, w - margin, h - margin, radius)
    for y in range(h):
        for x in range(w):
            d = box(x + 0.5, y + 0.5)
            if d < 0:
                a = strength
            else:
                t = clamp(d / margin)
                a = strength * (1 - t) ** 2
            img.blend(x, y, (0, 0, 0, 1), a)
    return img


def rounded_mask(w, h, r):
    return filled(w, h, WHITE, r)


# ---------------------------------------------------------------- framework skin ("kxgui")

def make_framework():
    d = 'ui/skin/theme/gui'
    for state, fill in (('normal', ACCENT), ('hover', ACCENT_LIGHT), ('pushed', ACCENT_DARK)):
        save(d, 'btn_4word_%s.png' % state, filled(60, 20, vgradient(
            mix(fill, WHITE, 0.08), fill, 0, 20), 3))
    buttons = {
        'normal': (vgradient(WHITE, SURFACE_ALT, 0, 22), LINE),
        'hover': (ACCENT_PALE, ACCENT_LIGHT),
        'pressdown': (ACCENT_PALER, ACCENT_DARK),
        'focus': (WHITE, ACCENT),
        'disable': (DISABLED_FILL, DISABLED_LINE),
    }
    for state, (fill, line) in buttons.items():
        save(d, 'button_%s.png' % state, framed(15, 22, fill, line, 3))
    for state in ('normal', 'hover', 'pressdown', 'disable'):
        save(d, 'checkbox_default_%s.png' % state, checkbox(False, state))
        save(d, 'checkbox_selected_%s.png' % state, checkbox(True, state))
    save(d, 'checkbox_normal.png', checkbox(False, 'normal'))
    save(d, 'checkbox_selected.png', checkbox(True, 'normal'))
    for kind, w in (('close', 44), ('max', 28), ('min', 28), ('restore', 28)):
        for state in ('normal', 'hover', 'down'):
            save(d, '%s_%s.png' % (kind, state), title_button(w, 22, kind, state, size=9))
    edits = {
        'normal': (WHITE, LINE),
        'hover': (WHITE, rgb('#9FB3CC')),
        'pressdown': (WHITE, ACCENT_DARK),
        'focus': (WHITE, ACCENT),
        'disable': (DISABLED_FILL, DISABLED_LINE),
    }
    for state, (fill, line) in edits.items():
        save(d, 'edit_%s.png' % state, framed(22, 22, fill, line, 3))

    # The title-bar head: a person on a round accent badge.
    head = Image(40, 40)
    head.shape(circle(20, 20, 20), dgradient(ACCENT_LIGHT, ACCENT_DARK, 40, 40))
    person = rgb('#FFFFFF', 0.95)
    head.shape(circle(20, 15.5, 6.5), person)
    head.shape(circle(20, 38, 13), person, (7, 25, 33, 40))
    save(d, 'head.png', clip_to_circle(head, 20, 20, 20))

    for state, a in (('hover', 0.10), ('pressdown', 0.18)):
        save(d, 'icon_background_%s.png' % state, filled(20, 20, rgb('#000000', a), 4))

    notice = Image(16, 16)
    notice.shape(circle(8, 8, 8), ORANGE)
    notice.shape(segment(8, 4.2, 8, 9, 1.8), WHITE)
    notice.shape(circle(8, 11.8, 1.1), WHITE)
    save(d, 'icon_notice.png', notice)

    icon = Image(16, 16)
    emblem(icon, 0, 0, 16)
    save(d, 'icon.png', icon)

    save(d, 'mask_dialog.png', rounded_mask(225, 225, 6))
    save(d, 'mask_mainframe.png', rounded_mask(210, 510, 6))
    save(d, 'mask_popup.png', rounded_mask(150, 150, 4))
    save(d, 'shadow.png', drop_shadow(60, 60, 12, 6))

    track = Image(12, 12)
    track.shape(round_rect(3.5, 0, 8.5, 12, 2.5), rgb('#000000', 0.06))
    save(d, 'scroll_bk.png', track)
    for state, color in (('normal', rgb('#B6C0CC')), ('hover', rgb('#97A3B2')),
                         ('pressdown', ACCENT)):
        thumb = Image(12, 21)
        thumb.shape(round_rect(3, 1, 9, 20, 3), color)
        save(d, 'slider_%s.png' % state, thumb)


def clip_to_circle(img, cx, cy, r):
    sdf = circle(cx, cy, r)
    for y in range(img.h):
        for x in range(img.w):
            cov = clamp(0.5 - sdf(x + 0.5, y + 0.5))
            if cov < 1:
                img.erase(x, y, 1 - cov)
    return img


# ---------------------------------------------------------------- installer ("setup")

def header_band(img, w, y0, y1):
    img.shape(lambda x, y: max(y0 - y, y - y1), vgradient(ACCENT_LIGHT, ACCENT, y0, y1),
              (0, y0, w, y1), grow=0)


def make_setup():
    d = 'setup/skin/res'
    # Wizard background: rounded window, header, step band, white page, grey footer.
    w, h = 480, 360
    bk = Image(w, h)
    bk.shape(round_rect(0, 0, w, h, 5), LINE_SOFT)
    body = round_rect(1, 1, w - 1, h - 1, 4)
    bk.shape(body, WHITE)
    bk.shape(lambda x, y: max(body(x, y), y - 50), vgradient(ACCENT_LIGHT, ACCENT, 0, 50),
             (0, 0, w, 51), grow=0.5)
    bk.shape(lambda x, y: max(body(x, y), 310 - y), SURFACE_ALT, (0, 310, w, h), grow=0.5)
    bk.shape(lambda x, y: max(body(x, y), abs(y - 310.5) - 0.5), LINE_SOFT, (0, 309, w, 312),
             grow=0.5)
    for cx, cy, r, a in ((420, -10, 60, 0.10), (470, 40, 28, 0.08)):
        bk.shape(lambda x, y, c=circle(cx, cy, r): max(c(x, y), body(x, y), y - 50),
                 rgb('#FFFFFF', a), (cx - r, 0, cx + r, 51))
    save(d, 'setup_bk.png', bk)

    main = Image(120, 40)
    emblem(main, 2, 6, 28, back=rgb('#FFFFFF'), mark=ACCENT)
    wordmark(main, 'ORVIZELO', 38, 14, 12, WHITE, 1.7)
    save(d, 'main.png', main)

    app = Image(72, 24)
    emblem(app, 1, 3, 18, back=rgb('#FFFFFF'), mark=ACCENT)
    wordmark(app, 'ZELO', 25, 8, 8, WHITE, 1.4)
    save(d, 'app_logo.png', app)

    zelo = Image(32, 32)
    emblem(zelo, 0, 0, 32)
    save(d, 'Zelo.png', zelo)

    logo5 = Image(148, 28)
    emblem(logo5, 1, 2, 24)
    wordmark(logo5, 'ORVIZELO', 32, 8, 12, ACCENT, 1.8)
    save(d, 'Zelo5_logo.png', logo5)

    # Check window background, a nine-patch: 1-pixel sides, 33 header rows, white body.
    prompt = Image(4, 180)
    prompt.shape(lambda x, y: -1, LINE_SOFT, grow=0)
    prompt.shape(lambda x, y: max(1 - x, x - 3), WHITE, grow=0)
    prompt.shape(lambda x, y: y - 33, vgradient(ACCENT_LIGHT, ACCENT, 0, 33), (0, 0, 4, 34), grow=0)
    save(d, 'prompt_bk.png', prompt)

    checking = Image(44, 44)
    checking.shape(circle(22, 22, 21), ACCENT_PALE)
    checking.shape(ring(circle(22, 22, 16), 3), ACCENT_PALER)
    checking.shape(lambda x, y: max(ring(circle(22, 22, 16), 3)(x, y),
                                    -(math.atan2(y - 22, x - 22) + 0.6)), ACCENT)
    check_mark(checking, 12, 11, 20, ACCENT, 2.6)
    save(d, 'checking.png', checking)

    for state, name in (('normal', 'normal_close'), ('hover', 'hover_close'),
                        ('down', 'press_close')):
        save(d, name + '.png', title_button(28, 20, 'close', state, on_dark=True, size=8))
    for state, name in (('normal', 'min_normal'), ('hover', 'min_hover'), ('down', 'min_press')):
        save(d, name + '.png', title_button(24, 20, 'min', state, on_dark=True, size=8))

    buttons = {
        'button_normal': (vgradient(WHITE, SURFACE_ALT, 0, 32), LINE),
        'button_hover': (ACCENT_PALE, ACCENT_LIGHT),
        'button_click': (ACCENT_PALER, ACCENT_DARK),
        'button_foucs': (WHITE, ACCENT),
        'button_disable': (DISABLED_FILL, DISABLED_LINE),
    }
    for name, (fill, line) in buttons.items():
        save(d, name + '.png', framed(74, 32, fill, line, 4))

    band = Image(31, 24)
    band.shape(lambda x, y: -1, vgradient(ACCENT_DARK, mix(ACCENT_DARK, INK, 0.15), 0, 24), grow=0)
    band.shape(lambda x, y: abs(y - 23.5) - 0.5, rgb('#000000', 0.10), grow=0)
    save(d, 'progressbar_bk.png', band)
    fill = Image(23, 24)
    fill.shape(lambda x, y: -1, vgradient(ACCENT_LIGHT, ACCENT, 0, 24), grow=0)
    fill.shape(lambda x, y: abs(y - 0.5) - 0.5, rgb('#FFFFFF', 0.25), grow=0)
    save(d, 'progressbar.png', fill)

    for name, color in (('broswer_bk', MUTED), ('broswer_hover', ACCENT),
                        ('broswer_press', ACCENT_DARK)):
        folder = Image(20, 18)
        folder.shape(round_rect(2, 3, 9, 7, 1), color)
        folder.shape(round_rect(2, 5, 18, 15, 1.5), color)
        folder.shape(segment(4, 8.5, 16, 8.5, 1), rgb('#FFFFFF', 0.6))
        save(d, name + '.png', folder)

    edit = framed(410, 44, WHITE, LINE, 4, inset=4)
    save(d, 'edit_bk.png', edit)

    licence = framed(478, 211, rgb('#FAFBFC'), LINE_SOFT, 4)
    save(d, 'licence_bk.png', licence)

    for index, suffix in enumerate(('', '_2', '_3')):
        save(d, 'switch_in_decompress%s_zh-CN.png' % suffix, installing_picture(index))


def installing_picture(index):
    """The installing page's pictures: one scene in three steps of completion."""
    w, h = 480, 246
    img = Image(w, h)
    img.shape(lambda x, y: -1, vgradient(WHITE, ACCENT_PALE, 0, h), grow=0)
    for cx, cy, r, a in ((60, 200, 90, 0.05), (430, 40, 70, 0.06), (400, 230, 40, 0.05)):
        img.shape(circle(cx, cy, r), rgb('#2B7CE9', a), (cx - r, cy - r, cx + r, cy + r))
    # A window card with an emblem and three feature rows that fill up step by step.
    x0, y0, x1, y1 = 140, 40, 340, 200
    img.shape(round_rect(x0 + 2, y0 + 5, x1 + 2, y1 + 5, 10), rgb('#1C3F73', 0.10),
              (x0, y0, x1 + 4, y1 + 8))
    img.shape(round_rect(x0, y0, x1, y1, 10), WHITE, (x0, y0, x1, y1))
    img.shape(lambda x, y: max(round_rect(x0, y0, x1, y1, 10)(x, y), y - (y0 + 26)),
              vgradient(ACCENT_LIGHT, ACCENT, y0, y0 + 26), (x0, y0, x1, y0 + 27))
    for i in range(3):
        img.shape(circle(x0 + 14 + i * 11, y0 + 13, 3), rgb('#FFFFFF', 0.8))
    emblem(img, x0 + 16, y0 + 42, 44)
    colors = (ACCENT, GREEN, ORANGE)
    for row in range(3):
        ry = y0 + 48 + row * 18
        img.shape(round_rect(x0 + 74, ry, x1 - 18, ry + 8, 4), LINE_SOFT,
                  (x0 + 74, ry, x1 - 18, ry + 8))
        if row <= index:
            img.shape(round_rect(x0 + 74, ry, x1 - 18 - (2 - row) * 18, ry + 8, 4), colors[row],
                      (x0 + 74, ry, x1 - 18, ry + 8))
    # The progress line under the card.
    py = y1 - 28
    img.shape(round_rect(x0 + 16, py, x1 - 16, py + 6, 3), LINE_SOFT, (x0, py, x1, py + 6))
    img.shape(round_rect(x0 + 16, py, x0 + 16 + (x1 - x0 - 32) * (index + 1) / 3, py + 6, 3),
              ACCENT, (x0, py, x1, py + 6))
    # Floating badges around the card.
    badges = ((380, 90, GREEN), (100, 120, ORANGE), (370, 160, ACCENT_LIGHT))
    for i, (bx, by, color) in enumerate(badges):
        if i > index:
            continue
        img.shape(circle(bx, by, 16), color, (bx - 16, by - 16, bx + 16, by + 16))
        check_mark(img, bx - 10, by - 10, 20, WHITE, 2.4)
    return img


# ---------------------------------------------------------------- uninstaller ("uninstall")

def make_uninstall():
    d = 'uninstall/skin/res'
    bk = Image(520, 326)
    body = round_rect(1, 1, 519, 325, 4)
    bk.shape(round_rect(0, 0, 520, 326, 5), LINE_SOFT)
    bk.shape(body, vgradient(WHITE, ACCENT_PALE, 0, 326))
    bk.shape(lambda x, y: max(body(x, y), y - 30), vgradient(ACCENT_LIGHT, ACCENT, 0, 30),
             (0, 0, 520, 31), grow=0.5)
    save(d, 'background.png', bk)

    prompt = Image(340, 200)
    pbody = round_rect(1, 1, 339, 199, 4)
    prompt.shape(round_rect(0, 0, 340, 200, 5), LINE_SOFT)
    prompt.shape(pbody, WHITE)
    prompt.shape(lambda x, y: max(pbody(x, y), y - 24), vgradient(ACCENT_LIGHT, ACCENT, 0, 24),
                 (0, 0, 340, 25), grow=0.5)
    save(d, 'prompt_bk.png', prompt)

    title = Image(35, 10)
    wordmark(title, 'ZELO', 1, 1, 8, WHITE, 1.3)
    save(d, 'title.png', title)

    for state, fill in (('button_normal', ACCENT), ('button_hover', ACCENT_LIGHT),
                        ('button_click', ACCENT_DARK), ('button_disable', DISABLED_LINE)):
        save(d, state + '.png', filled(37, 30, fill, 4))
    for state, fill in (('cancel_normal', rgb('#9AA5B4')), ('cancel_hover', rgb('#8893A3')),
                        ('cancel_down', rgb('#737E8E')), ('cancel_disable', DISABLED_LINE)):
        save(d, state + '.png', filled(39, 30, fill, 4))
    for state, name in (('normal', 'normal_close'), ('hover', 'hover_close'),
                        ('down', 'press_close')):
        save(d, name + '.png', title_button(30, 30, 'close', state, on_dark=True, size=9))
    for state, name in (('normal', 'min_normal'), ('hover', 'min_hover'), ('down', 'min_press')):
        save(d, name + '.png', title_button(30, 30, 'min', state, on_dark=True, size=9))

    bar_bk = Image(34, 2)
    bar_bk.shape(lambda x, y: -1, LINE_SOFT, grow=0)
    save(d, 'progressbar_bk.png', bar_bk)
    bar = Image(24, 2)
    bar.shape(lambda x, y: -1, ACCENT, grow=0)
    save(d, 'progressbar.png', bar)

    retry = Image(64, 64)
    retry.shape(circle(32, 32, 31), ACCENT_PALE)
    arc = ring(circle(32, 32, 18), 4)
    retry.shape(lambda x, y: max(arc(x, y), -(y - 32) - (x - 32) * 0.2 if x > 32 else arc(x, y)),
                ACCENT)
    retry.shape(polyline([(44, 20), (52, 30), (41, 31)], 3.2), ACCENT)
    save(d, 'retry_icon.png', retry)

    save(d, 'recycle.png', bin_picture(240, 250, 0.10, lid_open=False, faded=True))
    save(d, 'confirm_uninstall.png', bin_picture(182, 157, 1.0, lid_open=True))
    save(d, 'uninstalling.png', bin_picture(176, 157, 1.0, lid_open=True, motion=True))
    done = bin_picture(162, 156, 1.0, lid_open=False)
    done.shape(circle(122, 112, 22), GREEN, (98, 88, 146, 136))
    check_mark(done, 106, 96, 32, WHITE, 3.4)
    save(d, 'uninstall_done.png', done)


def bin_picture(w, h, alpha, lid_open, motion=False, faded=False):
    """A recycle bin, the uninstaller's motif."""
    img = Image(w, h)
    s = min(w / 182.0, h / 157.0)
    cx = w / 2
    top = h * 0.30
    bw, bh = 70 * s, 92 * s
    body_color = rgb('#2B7CE9', alpha * (0.35 if faded else 1))
    lid_color = rgb('#1C63C7', alpha * (0.35 if faded else 1))
    img.shape(round_rect(cx - bw / 2 + 6 * s, top + bh + 2 * s, cx + bw / 2 - 6 * s,
                         top + bh + 8 * s, 3 * s), rgb('#1C3F73', 0.08 * (alpha + 0.3)))
    body = round_rect(cx - bw / 2, top, cx + bw / 2, top + bh, 8 * s)
    img.shape(body, body_color)
    for i in (-1, 0, 1):
        x = cx + i * bw * 0.24
        img.shape(segment(x, top + 16 * s, x, top + bh - 14 * s, 5 * s),
                  rgb('#FFFFFF', 0.35 * alpha + 0.05))
    lw = bw + 20 * s
    if lid_open:
        ang = -0.35
        ox, oy = cx + lw / 2 - 4 * s, top - 6 * s
        dx, dy = math.cos(ang), math.sin(ang)
        ax, ay = ox - lw * dx, oy - lw * dy
        img.shape(segment(ax, ay, ox, oy, 9 * s), lid_color)
        mx, my = (ax + ox) / 2, (ay + oy) / 2
        img.shape(segment(mx - 8 * s * dx, my - 8 * s * dy - 7 * s, mx + 8 * s * dx,
                          my + 8 * s * dy - 7 * s, 5 * s), lid_color)
    else:
        img.shape(round_rect(cx - lw / 2, top - 12 * s, cx + lw / 2, top - 3 * s, 4 * s),
                  lid_color)
        img.shape(round_rect(cx - 10 * s, top - 19 * s, cx + 10 * s, top - 10 * s, 3 * s),
                  lid_color)
    if motion:
        for i, (px, py, r) in enumerate(((cx - 30 * s, top - 40 * s, 6 * s),
                                         (cx + 2 * s, top - 56 * s, 8 * s),
                                         (cx + 34 * s, top - 36 * s, 5 * s))):
            img.shape(round_rect(px - r, py - r, px + r, py + r, 2 * s),
                      (ORANGE, GREEN, ACCENT_LIGHT)[i])
    return img


def main():
    make_framework()
    make_setup()
    make_uninstall()


if __name__ == '__main__':
    main()
