#!/usr/bin/env python3
"""Draws the pictures of Tarvel Lab as SVG files under resources/icons/.

One style for all: rounded shapes, 3-unit strokes in dark slate, flat friendly colours, and the
variable chips in their own colours. Element layers are 80 x 112 and are stacked on a white card, so
every layer has a transparent background and keeps to its own region:
  frame: the border of the card; kind pictures: the centre (y 18..78); first operand chips: bottom
  left; second operand chips: bottom right; option badges: top right; targets: middle right.
"""
import math
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent / "resources" / "icons"
INK = "#37474F"
VARS = ["#E53935", "#1E88E5", "#43A047", "#EC407A", "#FB8C00"]  # Roja, Azul, Verde, Rosa, Naranja
CONST = "#78909C"
RANDOM = "#8E24AA"
W, H = 80, 112


def svg(body, w=W, h=H):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">'
            f'<g stroke-linecap="round" stroke-linejoin="round">{body}</g></svg>\n')


BODIES = {}


def write(folder, name, body, w=W, h=H):
    BODIES[(folder, str(name))] = body
    path = ROOT / folder / f"{name}.svg"
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_text(svg(body, w, h))


def text(x, y, s, size=14, fill=INK, weight="bold", anchor="middle"):
    return (f'<text x="{x}" y="{y}" font-family="DejaVu Sans, Arial, sans-serif" font-size="{size}" '
            f'font-weight="{weight}" text-anchor="{anchor}" fill="{fill}" stroke="none">{s}</text>')


def chip(n, cx, cy, r=10):
    """The chip of variable n: 1..5 colours, 6 constant, 7 random."""
    if 1 <= n <= 5:
        return (f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{VARS[n-1]}" stroke="{INK}" stroke-width="2"/>'
                f'<circle cx="{cx - r/3}" cy="{cy - r/3}" r="{r/3.5}" fill="white" opacity="0.5" stroke="none"/>')
    if n == 6:
        return (f'<rect x="{cx-r}" y="{cy-r}" width="{2*r}" height="{2*r}" rx="4" fill="{CONST}" stroke="{INK}" '
                f'stroke-width="2"/>' + text(cx, cy + r/2.2, "#", r*1.3, "white"))
    return (f'<rect x="{cx-r}" y="{cy-r}" width="{2*r}" height="{2*r}" rx="4" fill="{RANDOM}" stroke="{INK}" '
            f'stroke-width="2"/>' + text(cx, cy + r/2.2, "?", r*1.3, "white"))


def arrow(x1, y1, x2, y2, color=INK, width=3, head=6):
    a = math.atan2(y2 - y1, x2 - x1)
    p1 = (x2 - head * math.cos(a - 0.5), y2 - head * math.sin(a - 0.5))
    p2 = (x2 - head * math.cos(a + 0.5), y2 - head * math.sin(a + 0.5))
    return (f'<line x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}" stroke="{color}" stroke-width="{width}"/>'
            f'<polygon points="{x2},{y2} {p1[0]:.1f},{p1[1]:.1f} {p2[0]:.1f},{p2[1]:.1f}" fill="{color}" '
            f'stroke="{color}" stroke-width="1"/>')


def curved(cx, cy, r, start, end, color=INK, clockwise=True):
    """An arc with an arrow head at its end (angles in degrees, 0 = right, counter-clockwise up)."""
    def pt(deg):
        return cx + r * math.cos(math.radians(deg)), cy - r * math.sin(math.radians(deg))
    (x1, y1), (x2, y2) = pt(start), pt(end)
    sweep = 1 if clockwise else 0
    large = 1 if abs(end - start) > 180 else 0
    tangent = math.radians(end + (-90 if clockwise else 90))
    hx, hy = x2 + 7 * math.cos(tangent), y2 - 7 * math.sin(tangent)
    return (f'<path d="M{x1:.1f},{y1:.1f} A{r},{r} 0 {large} {sweep} {x2:.1f},{y2:.1f}" fill="none" '
            f'stroke="{color}" stroke-width="3.5"/>' + arrow(x2 - (hx - x2) * 0.1, y2 - (hy - y2) * 0.1, hx, hy, color, 1, 7))


# ---- element frames (transparent inside: the card is white) -------------------------------------
def frame_card(color, extra=""):
    return (f'<rect x="3" y="3" width="74" height="106" rx="10" fill="none" stroke="{color}" stroke-width="3"/>'
            f'<rect x="3" y="3" width="74" height="9" rx="4" fill="{color}" stroke="none" opacity="0.85"/>' + extra)


write("frame", 1, frame_card("#5C6BC0"))
write("frame", 2, frame_card("#26A69A", '<rect x="8" y="92" width="64" height="13" rx="4" fill="#E0F2F1" stroke="none"/>'))
write("frame", 3, frame_card("#29B6F6", curved(62, 96, 8, 200, 520 - 360 + 180, "#0288D1")))
write("frame", 4, frame_card("#FFA726", '<line x1="54" y1="96" x2="70" y2="96" stroke="#EF6C00" stroke-width="3"/>'
                             '<line x1="70" y1="89" x2="70" y2="103" stroke="#EF6C00" stroke-width="3"/>'))
DIAMOND = '<polygon points="40,6 76,50 40,94 4,50" fill="none" stroke="{c}" stroke-width="3"/>'
# Which way the flow continues and which way it jumps, in the corners beside the diamond.
write("frame", 5, DIAMOND.format(c="#7CB342") + text(70, 22, "SI", 10, "#558B2F") + text(10, 22, "NO", 10, "#C62828"))
write("frame", 6, DIAMOND.format(c="#E53935") + text(70, 22, "NO", 10, "#C62828") + text(10, 22, "SI", 10, "#558B2F"))

# ---- shared pictures -------------------------------------------------------------------------------
def robot(cx=40, cy=48, s=1.0, body="#FFCA28"):
    return (f'<rect x="{cx-18*s}" y="{cy-12*s}" width="{36*s}" height="{24*s}" rx="{6*s}" fill="{body}" '
            f'stroke="{INK}" stroke-width="2.5"/>'
            f'<circle cx="{cx-12*s}" cy="{cy+13*s}" r="{6*s}" fill="{INK}"/>'
            f'<circle cx="{cx+12*s}" cy="{cy+13*s}" r="{6*s}" fill="{INK}"/>'
            f'<circle cx="{cx-6*s}" cy="{cy-2*s}" r="{3*s}" fill="white" stroke="{INK}" stroke-width="1.5"/>'
            f'<circle cx="{cx+6*s}" cy="{cy-2*s}" r="{3*s}" fill="white" stroke="{INK}" stroke-width="1.5"/>')


def bulb(cx, cy, on=True):
    fill = "#FFEB3B" if on else "#CFD8DC"
    rays = "".join(f'<line x1="{cx + 15*math.cos(a):.1f}" y1="{cy - 4 + 15*math.sin(a):.1f}" '
                   f'x2="{cx + 20*math.cos(a):.1f}" y2="{cy - 4 + 20*math.sin(a):.1f}" stroke="#FBC02D" stroke-width="2.5"/>'
                   for a in [math.radians(d) for d in (200, 240, 270, 300, 340)]) if on else ""
    return (rays + f'<circle cx="{cx}" cy="{cy-4}" r="11" fill="{fill}" stroke="{INK}" stroke-width="2.5"/>'
            f'<rect x="{cx-6}" y="{cy+6}" width="12" height="8" rx="2" fill="#90A4AE" stroke="{INK}" stroke-width="2"/>')


def speaker(cx, cy, waves=2):
    w = "".join(f'<path d="M{cx+6+6*i},{cy-8-4*i} Q{cx+12+8*i},{cy} {cx+6+6*i},{cy+8+4*i}" fill="none" '
                f'stroke="{INK}" stroke-width="2.5"/>' for i in range(waves))
    return (f'<polygon points="{cx-14},{cy-6} {cx-6},{cy-6} {cx+4},{cy-14} {cx+4},{cy+14} {cx-6},{cy+6} {cx-14},{cy+6}" '
            f'fill="#7E57C2" stroke="{INK}" stroke-width="2.5"/>' + w)


def pc(cx, cy):
    return (f'<rect x="{cx-18}" y="{cy-14}" width="36" height="24" rx="3" fill="#B3E5FC" stroke="{INK}" stroke-width="2.5"/>'
            f'<line x1="{cx}" y1="{cy+10}" x2="{cx}" y2="{cy+16}" stroke="{INK}" stroke-width="3"/>'
            f'<line x1="{cx-10}" y1="{cy+17}" x2="{cx+10}" y2="{cy+17}" stroke="{INK}" stroke-width="3"/>')


def hand(cx, cy):
    return (f'<rect x="{cx-12}" y="{cy-2}" width="24" height="20" rx="6" fill="#FFCC80" stroke="{INK}" stroke-width="2.5"/>'
            f'<rect x="{cx-4}" y="{cy-20}" width="8" height="22" rx="4" fill="#FFCC80" stroke="{INK}" stroke-width="2.5"/>'
            f'<rect x="{cx-16}" y="{cy+20}" width="32" height="6" rx="2" fill="#8D6E63" stroke="{INK}" stroke-width="2"/>')


def remote(cx, cy):
    return (f'<rect x="{cx-9}" y="{cy-10}" width="18" height="30" rx="4" fill="#546E7A" stroke="{INK}" stroke-width="2.5"/>'
            f'<circle cx="{cx}" cy="{cy-2}" r="3" fill="#EF5350"/><circle cx="{cx}" cy="{cy+8}" r="2.5" fill="#B0BEC5"/>'
            + "".join(f'<path d="M{cx-7-4*i},{cy-16-4*i} Q{cx},{cy-22-6*i} {cx+7+4*i},{cy-16-4*i}" fill="none" '
                      f'stroke="#EF5350" stroke-width="2.5"/>' for i in range(2)))


def mic(cx, cy):
    return (f'<rect x="{cx-7}" y="{cy-18}" width="14" height="24" rx="7" fill="#90A4AE" stroke="{INK}" stroke-width="2.5"/>'
            f'<path d="M{cx-12},{cy-2} Q{cx-12},{cy+12} {cx},{cy+12} Q{cx+12},{cy+12} {cx+12},{cy-2}" fill="none" '
            f'stroke="{INK}" stroke-width="2.5"/><line x1="{cx}" y1="{cy+12}" x2="{cx}" y2="{cy+20}" stroke="{INK}" stroke-width="2.5"/>')


def eye(cx, cy):
    return (f'<path d="M{cx-18},{cy} Q{cx},{cy-16} {cx+18},{cy} Q{cx},{cy+16} {cx-18},{cy}" fill="#FFF9C4" '
            f'stroke="{INK}" stroke-width="2.5"/><circle cx="{cx}" cy="{cy}" r="6" fill="#FBC02D" stroke="{INK}" stroke-width="2"/>')


def pulses(x, y):
    return (f'<polyline points="{x},{y} {x+5},{y} {x+5},{y-8} {x+10},{y-8} {x+10},{y} {x+15},{y} {x+15},{y-8} {x+20},{y-8} '
            f'{x+20},{y} {x+25},{y}" fill="none" stroke="#E65100" stroke-width="2.5"/>')


def clock(cx, cy, label):
    return (f'<circle cx="{cx}" cy="{cy}" r="17" fill="#E3F2FD" stroke="{INK}" stroke-width="2.5"/>'
            f'<line x1="{cx}" y1="{cy}" x2="{cx}" y2="{cy-11}" stroke="{INK}" stroke-width="3"/>'
            f'<line x1="{cx}" y1="{cy}" x2="{cx+8}" y2="{cy+4}" stroke="{INK}" stroke-width="3"/>'
            + text(cx, cy + 34, label, 12))


def leds(cx, cy, pattern="111"):
    out = f'<rect x="{cx-24}" y="{cy-12}" width="48" height="24" rx="5" fill="#263238" stroke="{INK}" stroke-width="2"/>'
    for i, on in enumerate(pattern):
        x = cx - 14 + 14 * i
        out += f'<circle cx="{x}" cy="{cy}" r="5" fill="{"#76FF03" if on == "1" else "#455A64"}" stroke="none"/>'
        out += text(x, cy + 22, "ABC"[i], 9)
    return out


# ---- motors (entries 1..8 = subtypes 10..17) -----------------------------------------------------------
write("motores", 1, robot(40, 52) + arrow(24, 26, 56, 26, "#43A047"))
write("motores", 2, robot(40, 52) + arrow(56, 26, 24, 26, "#E53935"))
write("motores", 3, robot(40, 56, 0.9) + curved(40, 40, 18, 20, 160, "#1E88E5", clockwise=False))
write("motores", 4, robot(40, 56, 0.9) + curved(40, 40, 18, 160, 20, "#1E88E5"))
write("motores", 5, robot(40, 48, 0.8) + curved(40, 48, 28, 300, 120, "#8E24AA", clockwise=False))
write("motores", 6, robot(40, 48, 0.8) + curved(40, 48, 28, 240, 60, "#8E24AA"))
write("motores", 7, '<polyline points="12,70 26,40 46,56 66,24" fill="none" stroke="#FB8C00" stroke-width="4" '
                    'stroke-dasharray="6 5"/>' + robot(62, 24, 0.45) + '<circle cx="12" cy="70" r="4" fill="#43A047"/>')
write("motores", 8, robot(40, 52) + '<rect x="30" y="18" width="20" height="12" rx="3" fill="#E53935" stroke="none"/>'
      + text(40, 28, "STOP", 7, "white"))

# ---- outputs ----------------------------------------------------------------------------------------
BADGE = '<circle cx="64" cy="26" r="10" fill="{c}" stroke="' + INK + '" stroke-width="2"/>'
write("salidas", 1, BADGE.format(c="#66BB6A") + '<path d="M60,22 L63,30 L69,20" fill="none" stroke="white" stroke-width="3"/>'
      if False else BADGE.format(c="#66BB6A") + text(64, 30, "I", 11, "white"))
write("salidas", 2, BADGE.format(c="#EF5350") + text(64, 30, "O", 11, "white"))
write("salidas", 3, BADGE.format(c="#AB47BC") + text(64, 30, "S", 11, "white"))
write("salidas", 4, bulb(34, 52))
write("salidas", 5, leds(36, 56))
write("salidas", 6, speaker(34, 50))
write("salidas", 7, speaker(30, 46, 1) + '<path d="M50,50 L56,58 L68,40" fill="none" stroke="#43A047" stroke-width="4"/>')
write("salidas", 8, speaker(30, 46, 1) + '<path d="M52,40 L66,56 M66,40 L52,56" stroke="#E53935" stroke-width="4"/>')
write("salidas", 9, '<ellipse cx="28" cy="60" rx="8" ry="6" fill="#7E57C2" stroke="' + INK + '" stroke-width="2"/>'
      '<ellipse cx="54" cy="54" rx="8" ry="6" fill="#7E57C2" stroke="' + INK + '" stroke-width="2"/>'
      f'<path d="M35,60 L35,28 L61,22 L61,54" fill="none" stroke="{INK}" stroke-width="3"/>'
      f'<line x1="35" y1="34" x2="61" y2="28" stroke="{INK}" stroke-width="3"/>')
write("salidas", 10, speaker(28, 44) + '<path d="M10,80 Q20,66 30,80 T50,80 T70,80" fill="none" stroke="#7E57C2" stroke-width="3"/>')
write("salidas", 11, pc(34, 50) + arrow(56, 74, 56, 56, "#1E88E5"))
write("salidas", 12, pc(34, 46) + '<rect x="20" y="64" width="40" height="12" rx="3" fill="#FFF59D" stroke="' + INK + '" stroke-width="2"/>'
      + text(40, 74, "abc", 10))

# ---- inputs (1..8) ----------------------------------------------------------------------------------
write("entradas", 1, eye(30, 44) + pulses(18, 72))
write("entradas", 2, eye(30, 44) + '<rect x="18" y="62" width="26" height="8" rx="2" fill="url(#g)" stroke="' + INK + '" stroke-width="1.5"/>'
      '<defs><linearGradient id="g"><stop offset="0" stop-color="#263238"/><stop offset="1" stop-color="#FFEB3B"/></linearGradient></defs>')
write("entradas", 3, hand(30, 50))
write("entradas", 4, remote(30, 50) + pulses(18, 84))
write("entradas", 5, remote(30, 50) + text(30, 86, "01", 11, "#E65100"))
write("entradas", 6, mic(30, 48) + pulses(18, 84))
write("entradas", 7, mic(30, 48) + '<path d="M14,84 Q20,74 26,84 T38,84 T50,84" fill="none" stroke="#E65100" stroke-width="2.5"/>')
write("entradas", 8, pc(30, 46) + arrow(30, 66, 30, 82, "#1E88E5"))

# ---- waits --------------------------------------------------------------------------------------------
write("esperas", 1, clock(40, 44, "1 s"))
write("esperas", 2, clock(40, 44, "0,1 s"))
for n in range(1, 6):
    write("esperas", n + 2, chip(n, 62, 84, 9))
write("esperas", 8, eye(40, 46))
write("esperas", 9, hand(40, 46))
write("esperas", 10, remote(40, 50))
write("esperas", 11, mic(40, 48))
write("esperas", 12, pc(40, 46) + '<rect x="30" y="66" width="20" height="12" rx="2" fill="#FFF59D" stroke="' + INK + '" stroke-width="2"/>')
write("esperas", 13, clock(40, 44, "0,01 s"))
write("esperas", 14, clock(40, 44, "1 ms"))

# ---- calculations: chips and operators ------------------------------------------------------------------
for n in range(1, 6):
    write("calculos", n, chip(n, 64, 26, 9))          # variable of an output
    write("calculos", n + 10, chip(n, 18, 84))        # first operand
    write("calculos", n + 15, chip(n, 62, 84))        # second operand
    write("calculos", n + 20, chip(n, 18, 48) + arrow(30, 48, 48, 48))  # source of a load
    write("calculos", n + 26, chip(n, 62, 48, 11))    # target of a load or an input
for n, symbol in zip(range(6, 11), ["+", "\u2212", "O", "Y", "OX"]):
    size = 34 if len(symbol) == 1 else 22
    write("calculos", n, f'<circle cx="40" cy="46" r="20" fill="#FFF8E1" stroke="{INK}" stroke-width="2.5"/>' +
          text(40, 46 + size / 2.8, symbol, size, "#6D4C41"))
write("calculos", 26, chip(7, 18, 48) + arrow(30, 48, 48, 48))

# ---- decisions ------------------------------------------------------------------------------------------
for n in range(1, 6):
    write("decisiones", n, chip(n, 20, 50, 9))
    write("decisiones", n + 5, chip(n, 60, 50, 9))
    write("decisiones", n + 21, curved(40, 50, 16, 330, 30, "#8E24AA", clockwise=False) + chip(n, 40, 50, 8))
for n, symbol in zip(range(16, 22), ["=", "\u2260", "&gt;", "&lt;", "\u2265", "\u2264"]):
    write("decisiones", n, text(40, 58, symbol, 24, "#33691E"))
write("decisiones", 11, eye(40, 50))
write("decisiones", 12, hand(40, 44))
write("decisiones", 13, remote(40, 50))
write("decisiones", 14, mic(40, 48))
write("decisiones", 15, text(40, 60, "!", 34, "#C62828") + f'<polygon points="40,28 58,64 22,64" fill="none" stroke="#C62828" stroke-width="3"/>')

# ---- structure ----------------------------------------------------------------------------------------
def flag(color, incoming):
    line = f'<line x1="40" y1="0" x2="40" y2="22" stroke="{INK}" stroke-width="3"/>' if incoming else ""
    return (line + f'<rect x="10" y="22" width="60" height="56" rx="12" fill="#F1F8E9" stroke="{color}" stroke-width="3"/>'
            f'<line x1="30" y1="68" x2="30" y2="32" stroke="{INK}" stroke-width="3"/>'
            f'<polygon points="30,32 54,38 30,46" fill="{color}" stroke="{INK}" stroke-width="2"/>')


write("saltos", 1, flag("#43A047", False))
write("saltos", 2, flag("#43A047", True))
write("saltos", 3, f'<rect x="10" y="22" width="60" height="56" rx="12" fill="#E3F2FD" stroke="#1E88E5" stroke-width="3"/>'
      + arrow(22, 64, 22, 36) + arrow(22, 36, 58, 36, INK))
write("saltos", 4, f'<rect x="10" y="22" width="60" height="56" rx="12" fill="#E8F5E9" stroke="#2E7D32" stroke-width="3"/>'
      + text(40, 58, "SUB", 16, "#2E7D32"))
write("saltos", 5, f'<rect x="10" y="22" width="60" height="56" rx="12" fill="#FFF3E0" stroke="#EF6C00" stroke-width="3"/>'
      + arrow(18, 50, 44, 50) + f'<rect x="46" y="40" width="16" height="20" rx="3" fill="#FFCC80" stroke="{INK}" stroke-width="2"/>')
write("saltos", 6, f'<rect x="10" y="22" width="60" height="56" rx="12" fill="#E8F5E9" stroke="#2E7D32" stroke-width="3"/>'
      + curved(40, 50, 14, 300, 60, "#2E7D32", clockwise=False))
write("saltos", 7, f'<rect x="10" y="22" width="60" height="56" rx="12" fill="#FFEBEE" stroke="#C62828" stroke-width="3"/>'
      + '<rect x="28" y="38" width="24" height="24" rx="4" fill="#C62828" stroke="none"/>')

# ---- empty cell ---------------------------------------------------------------------------------------
write("vacio", 1, '<rect x="6" y="6" width="68" height="100" rx="10" fill="none" stroke="#CFD8DC" stroke-width="2" '
      'stroke-dasharray="5 5"/>')

# ---- toolbar (32 x 32): 1 new .. 17, the brick pictures in colour (on) and grey (off) -----------------
T = 32


def tb(n, body):
    write("toolbar", n, body, T, T)


def brick(color):
    return (f'<rect x="4" y="9" width="24" height="18" rx="3" fill="{color}" stroke="{INK}" stroke-width="2"/>'
            f'<circle cx="10" cy="9" r="3" fill="{color}" stroke="{INK}" stroke-width="1.5"/>'
            f'<circle cx="22" cy="9" r="3" fill="{color}" stroke="{INK}" stroke-width="1.5"/>')


tb(1, f'<path d="M8,3 L20,3 L26,9 L26,29 L8,29 Z" fill="white" stroke="{INK}" stroke-width="2"/>'
   '<path d="M20,3 L20,9 L26,9" fill="none" stroke="#37474F" stroke-width="2"/>' + text(16, 24, "+", 14, "#43A047"))
tb(2, f'<path d="M3,9 L12,9 L15,12 L28,12 L28,27 L3,27 Z" fill="#FFD54F" stroke="{INK}" stroke-width="2"/>')
tb(3, f'<rect x="4" y="4" width="24" height="24" rx="3" fill="#42A5F5" stroke="{INK}" stroke-width="2"/>'
   '<rect x="9" y="4" width="14" height="9" fill="white" stroke="none"/><rect x="9" y="18" width="14" height="10" fill="#BBDEFB" stroke="none"/>')
tb(4, brick("#FFCA28") + text(16, 23, "01", 9))
tb(5, brick("#FFCA28") + arrow(16, 3, 16, 14, "#1E88E5", 2.5, 5))
tb(6, brick("#FFCA28") + '<polygon points="13,13 22,18 13,23" fill="#43A047" stroke="none"/>' + text(27, 8, "*", 10, "#1E88E5"))
tb(7, brick("#FFCA28") + '<polygon points="12,12 22,18 12,24" fill="#43A047" stroke="none"/>')
tb(8, brick("#FFCA28") + '<path d="M12,18 L15,21 L21,14" fill="none" stroke="#1E88E5" stroke-width="2.5"/>')
tb(9, f'<path d="M4,16 L12,16 M20,16 L28,16" stroke="#43A047" stroke-width="3"/><rect x="11" y="10" width="10" height="12" rx="2" fill="#43A047" stroke="{INK}" stroke-width="2"/>')
tb(10, pc(16, 15).replace("18", "12"))
tb(11, brick("#FFCA28") + '<polygon points="12,12 22,18 12,24" fill="#43A047" stroke="none"/>')
tb(12, f'<rect x="6" y="4" width="20" height="24" rx="3" fill="#546E7A" stroke="{INK}" stroke-width="2"/>'
    '<circle cx="16" cy="12" r="3" fill="#EF5350"/><rect x="10" y="18" width="12" height="5" rx="1" fill="#B0BEC5"/>')
tb(13, f'<path d="M4,16 L11,16 M21,16 L28,16" stroke="#90A4AE" stroke-width="3"/><rect x="11" y="10" width="10" height="12" rx="2" fill="#CFD8DC" stroke="#90A4AE" stroke-width="2"/>')
tb(14, brick("#E0E0E0") + '<polygon points="12,12 22,18 12,24" fill="#BDBDBD" stroke="none"/>')
tb(15, brick("#E0E0E0") + text(16, 23, "01", 9, "#9E9E9E"))
tb(16, brick("#E0E0E0") + arrow(16, 3, 16, 14, "#9E9E9E", 2.5, 5))
tb(17, brick("#E0E0E0") + '<polygon points="13,13 22,18 13,23" fill="#BDBDBD" stroke="none"/>')

# ---- toolbox buttons (56 x 56): at rest 1, pressed 2 ---------------------------------------------------
TOOLS = {"imlstMotores": robot(28, 26, 0.8), "imlstSalidas": bulb(28, 30), "imlstEntradas": eye(28, 28),
         "imlstEsperas": clock(28, 24, "").replace("r=\"17\"", "r=\"15\""),
         "imlstCalculo": text(28, 38, "+\u2212", 22, "#6D4C41"),
         "imlstDecisiones": '<polygon points="28,6 50,28 28,50 6,28" fill="#DCEDC8" stroke="#7CB342" stroke-width="3"/>' + text(28, 35, "?", 20, "#33691E"),
         "imlstSaltos": f'<line x1="20" y1="46" x2="20" y2="12" stroke="{INK}" stroke-width="3"/>'
                        f'<polygon points="20,12 42,18 20,26" fill="#43A047" stroke="{INK}" stroke-width="2"/>'
                        + arrow(30, 44, 46, 44, "#1E88E5")}
for name, body in TOOLS.items():
    write("toolbox", f"{name}_1", f'<rect x="2" y="2" width="52" height="52" rx="10" fill="#FAFAFA" stroke="#90A4AE" stroke-width="2"/>' + body, 56, 56)
    write("toolbox", f"{name}_2", f'<rect x="2" y="2" width="52" height="52" rx="10" fill="#FFF59D" stroke="#F9A825" stroke-width="3"/>' + body, 56, 56)

# ---- example and help pictures ---------------------------------------------------------------------------
ROBOTS = [("Tesmo", "#4DB6AC"), ("Arandel", "#F06292"), ("Robot", "#FFCA28")]
for i, (name, color) in enumerate(ROBOTS):
    base = robot(28, 30, 0.9, color) + text(28, 54, name, 8)
    write("robotcenter", i + 1, f'<rect x="2" y="2" width="52" height="52" rx="10" fill="white" stroke="#90A4AE" stroke-width="2"/>' + base, 56, 56)
    write("robotcenter", i + 4, f'<rect x="2" y="2" width="52" height="52" rx="10" fill="#FFF59D" stroke="#F9A825" stroke-width="3"/>' + base, 56, 56)
BOOK = (f'<rect x="12" y="10" width="32" height="36" rx="3" fill="#5C6BC0" stroke="{INK}" stroke-width="2"/>'
        '<rect x="16" y="14" width="24" height="28" fill="white" stroke="none"/>')
write("robotcentsmall", 1, f'<rect x="2" y="2" width="52" height="52" rx="10" fill="white" stroke="#90A4AE" stroke-width="2"/>' + BOOK + text(28, 34, "Ej", 11), 56, 56)
write("robotcentsmall", 2, f'<rect x="2" y="2" width="52" height="52" rx="10" fill="#FFF59D" stroke="#F9A825" stroke-width="3"/>' + BOOK + text(28, 34, "Ej", 11), 56, 56)
write("robotcentsmall", 3, f'<circle cx="28" cy="28" r="22" fill="#ECEFF1" stroke="#B0BEC5" stroke-width="3"/>' + text(28, 37, "?", 26, "#B0BEC5"), 56, 56)
write("robotcentsmall", 4, f'<circle cx="28" cy="28" r="22" fill="#E3F2FD" stroke="#1E88E5" stroke-width="3"/>' + text(28, 37, "?", 26, "#1E88E5"), 56, 56)
write("robotcentsmall", 5, f'<circle cx="28" cy="28" r="22" fill="#FFF59D" stroke="#F9A825" stroke-width="3"/>' + text(28, 37, "?", 26, "#F57F17"), 56, 56)

# ---- interface mode (full, reduced) ---------------------------------------------------------------------
write("mode", 1, "".join(f'<rect x="{4 + 9*(i%3)}" y="{6 + 9*(i//3)}" width="7" height="7" rx="2" fill="#5C6BC0"/>' for i in range(9)), 36, 36)
write("mode", 2, "".join(f'<rect x="{4 + 9*(i%3)}" y="{6 + 9*(i//3)}" width="7" height="7" rx="2" fill="{"#5C6BC0" if i in (0, 4, 8) else "#CFD8DC"}"/>' for i in range(9)), 36, 36)

# ---- web banner and the welcome / about pictures ----------------------------------------------------------
write("misc", 1, f'<rect x="1" y="1" width="345" height="30" rx="8" fill="#E8EAF6" stroke="#5C6BC0" stroke-width="2"/>'
      + robot(22, 14, 0.5) + text(190, 22, "Tarvel Lab en la Web", 15, "#3949AB"), 347, 32)
INTRO = (f'<rect x="0" y="0" width="480" height="260" fill="#E8EAF6" stroke="none"/>'
         + '<rect x="0" y="200" width="480" height="60" fill="#C5CAE9" stroke="none"/>'
         + robot(120, 150, 3.0) + text(320, 110, "Tarvel Lab", 44, "#3949AB")
         + text(320, 150, "Programas de flujo para el Ladrillo", 16, "#5C6BC0", "normal")
         + '<polyline points="230,220 270,200 310,215 350,190 390,205" fill="none" stroke="#FB8C00" stroke-width="5" stroke-dasharray="10 8"/>')
write("intro", 1, INTRO, 480, 260)
write("intro", 2, INTRO, 480, 260)
# ---- picker pictures (imlstTeclas, 48 x 32) ---------------------------------------------------------------
K = (48, 32)


def key(n, body):
    write("teclas", n, f'<rect x="1" y="1" width="46" height="30" rx="6" fill="white" stroke="#B0BEC5" stroke-width="1.5"/>' + body, *K)


for n in range(1, 8):
    key(n, chip(n, 24, 16, 10))
for n, symbol in zip(range(8, 13), ["+", "\u2212", "O", "Y", "OX"]):
    key(n, text(24, 24 if len(symbol) == 1 else 22, symbol, 22 if len(symbol) == 1 else 15, "#6D4C41"))
for n, symbol in zip(range(13, 19), ["=", "\u2260", "&gt;", "&lt;", "\u2265", "\u2264"]):
    key(n, text(24, 24, symbol, 22, "#33691E"))
key(19, pulses(11, 22))
key(20, '<rect x="8" y="11" width="32" height="10" rx="2" fill="url(#k)" stroke="#37474F" stroke-width="1.5"/>'
        '<defs><linearGradient id="k"><stop offset="0" stop-color="#263238"/><stop offset="1" stop-color="#FFEB3B"/></linearGradient></defs>')
key(21, text(24, 23, "01", 16, "#E65100"))
key(22, '<path d="M8,16 Q14,4 20,16 T32,16 T44,16" fill="none" stroke="#E65100" stroke-width="2.5"/>')
key(23, '<circle cx="24" cy="16" r="10" fill="#66BB6A" stroke="#37474F" stroke-width="2"/>' + text(24, 21, "I", 12, "white"))
key(24, '<circle cx="24" cy="16" r="10" fill="#EF5350" stroke="#37474F" stroke-width="2"/>' + text(24, 21, "O", 12, "white"))
key(25, arrow(10, 16, 38, 16))
key(26, curved(24, 16, 9, 200, 160 + 360 - 20, "#0288D1").replace("stroke-width=\"3.5\"", "stroke-width=\"2.5\""))
key(27, '<line x1="10" y1="16" x2="34" y2="16" stroke="#EF6C00" stroke-width="3"/>'
        '<line x1="36" y1="7" x2="36" y2="25" stroke="#EF6C00" stroke-width="3"/>')
key(28, '<path d="M14,16 L21,23 L34,9" fill="none" stroke="#43A047" stroke-width="4"/>')
key(29, '<path d="M15,8 L33,24 M33,8 L15,24" stroke="#E53935" stroke-width="4"/>')
key(30, text(24, 22, "abc", 13))
key(31, '<path d="M6,16 Q11,6 16,16 T26,16" fill="none" stroke="#7E57C2" stroke-width="2.5"/>' + chip(1, 36, 16, 8))

# ---- palette items: entry 2i+3 at rest, 2i+4 pressed, from the element pictures (65 x 65) ---------------
PALETTE_ITEMS = {
    "imlstMotores": [("motores", n) for n in range(1, 9)],
    "imlstSalidas": [("salidas", 5), ("salidas", 4), ("salidas", 6), ("salidas", 9), ("salidas", 11)],
    "imlstEntradas": [("entradas", 2), ("entradas", 3), ("entradas", 5), ("entradas", 6), ("entradas", 8)],
    "imlstEsperas": [("esperas", 1), ("esperas", 8), ("esperas", 9), ("esperas", 10), ("esperas", 11), ("esperas", 12)],
    "imlstCalculo": [("calculos", 6), ("calculos", 8), ("calculos", 21)],
    "imlstDecisiones": [("decisiones", 11), ("decisiones", 12), ("decisiones", 13), ("decisiones", 14),
                        ("decisiones", 16), ("decisiones", 15)],
    "imlstSaltos": [("saltos", 2), ("saltos", 3), ("saltos", 4), ("saltos", 5), ("saltos", 6), ("decisiones", 22),
                    ("saltos", 7)],
}
for name, items in PALETTE_ITEMS.items():
    for i, (folder, n) in enumerate(items):
        body = BODIES[(folder, str(n))]
        if (folder, n) == ("calculos", 21):
            body += BODIES[("calculos", "27")]
        inner = f'<g transform="translate(-2,-10) scale(0.85)">{body}</g>'
        write("toolbox", f"{name}_{2 * i + 3}", f'<rect x="2" y="2" width="61" height="61" rx="10" fill="white" '
              f'stroke="#90A4AE" stroke-width="2"/>' + inner, 65, 65)
        write("toolbox", f"{name}_{2 * i + 4}", f'<rect x="2" y="2" width="61" height="61" rx="10" fill="#FFF59D" '
              f'stroke="#F9A825" stroke-width="3"/>' + inner, 65, 65)

# ---- the resource list ------------------------------------------------------------------------------------
files = sorted(p.relative_to(ROOT.parent).as_posix() for p in ROOT.rglob("*.svg"))
(ROOT.parent / "icons.qrc").write_text('<!DOCTYPE RCC>\n<RCC version="1.0">\n<qresource prefix="/">\n'
                                       + "".join(f"  <file>{f}</file>\n" for f in files)
                                       + "</qresource>\n</RCC>\n")
print("icons written to", ROOT)
