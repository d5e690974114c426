#!/usr/bin/env python3
"""Draws the window pictures, icons and cursor into the folder given as the argument.

Drawing is done by ImageMagick's `convert` (shapes at several times the final size, then reduced
with a box filter, so edges are smooth); captions use WenQuanYi Micro Hei at the final size, so
they stay crisp. Icon, cursor and BMP files are laid out byte by byte here.
"""
import struct
import subprocess
import sys
from pathlib import Path

FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"

# Byte sizes the window descriptions give for each picture; every JPEG is padded to its size with
# a comment segment, so the embedded block weighs what the descriptions say.
JPEG_SIZES = {
    "音频助手1": (2810, 2849),
    "录音软件1": (2842, 2895),
    "记事本1": (2661, 2715),
    "挂机工具1": (2788, 2858),
    "网址导航1": (2849, 2905),
    "置顶1": (1056, 1170),
    "隐藏1": (1058, 1185),
    "退出1": (1045, 1151),
    "volume-bar": (9485,),
}
KNOB_FILE_SIZE = 792  # its window description's size: 790 bytes of BMP and two bytes of padding

# Two looks for every picture button: teal water at rest, lit-up water under the mouse.
LOOKS = {
    "normal": dict(top="#1f5f7a", bottom="#0b2f40", glyph="#9fe6ff", wave="#5fd0e0",
                   text="#f2f8ff", glow=None),
    "hover": dict(top="#46b4d8", bottom="#1b6f90", glyph="#ffe46b", wave="#c8f6ff",
                  text="#ffffff", glow="#fff3a0"),
}

# Pictograms in a 24 × 24 box, drawn with the glyph colour; "HOLE" is replaced by the background.
GLYPHS = {
    "音频助手1": """
        stroke none fill GLYPH polygon 1.5,8.5 5.5,8.5 10.5,4 10.5,20 5.5,15.5 1.5,15.5
        fill none stroke GLYPH stroke-width 1.8 stroke-linecap round
        path 'M13.8,9.2 Q15.8,12 13.8,14.8'
        path 'M17.6,5.6 Q22.4,12 17.6,18.4'""",
    "录音软件1": """
        stroke none fill GLYPH roundrectangle 8.5,2.5 15.5,14.5 3.5,3.5
        fill none stroke GLYPH stroke-width 2 stroke-linecap round
        path 'M5.5,10.5 Q5.5,17.5 12,17.5 Q18.5,17.5 18.5,10.5'
        line 12,17.5 12,21
        line 8,21.5 16,21.5""",
    "记事本1": """
        fill none stroke GLYPH stroke-width 2 stroke-linejoin round
        roundrectangle 4.5,2.5 19.5,21.5 2,2
        stroke-linecap round
        line 8,8 16,8
        line 8,12 16,12
        line 8,16 13,16""",
    "挂机工具1": """
        fill none stroke GLYPH stroke-width 2.2
        path 'M7.8,11 L7.8,7.8 Q7.8,3 12,3 Q16.2,3 16.2,7.8 L16.2,11'
        stroke none fill GLYPH roundrectangle 4.5,10 19.5,21.5 2,2
        fill HOLE circle 12,14.6 12,16.2
        stroke HOLE stroke-width 1.6 stroke-linecap round line 12,15 12,18.5""",
    "网址导航1": """
        fill none stroke GLYPH stroke-width 1.8
        circle 12,12 12,3
        ellipse 12,12 3.8,9 0,360
        line 3,12 21,12
        path 'M4.6,7.5 Q12,9.5 19.4,7.5'
        path 'M4.6,16.5 Q12,14.5 19.4,16.5'""",
}

CAPTIONS = {
    "音频助手1": "音频助手", "录音软件1": "录音软件", "记事本1": "记事本",
    "挂机工具1": "挂机工具", "网址导航1": "网址导航",
    "置顶1": "置顶", "隐藏1": "隐藏", "退出1": "退出",
}


def convert(*args):
    return subprocess.run(["convert", *args], check=True, stdout=subprocess.PIPE).stdout


def water(width, height, look, scale):
    """Arguments that draw the button background: gradient, top highlight, a wave and two stars."""
    w, h = width * scale, height * scale
    wave_y = h * 0.8
    step = w / 6
    wave = f"M0,{wave_y:.1f} " + " ".join(
        f"Q{step * (i + 0.5):.1f},{wave_y + (scale * 2.5 if i % 2 else -scale * 2.5):.1f} "
        f"{step * (i + 1):.1f},{wave_y:.1f}" for i in range(6))
    stars = "".join(
        f"circle {x * w:.1f},{y * h:.1f} {x * w + scale * 0.6:.1f},{y * h:.1f} "
        for x, y in ((0.93, 0.22), (0.86, 0.5)))
    return [
        "-size", f"{w}x{h}", f"gradient:{look['top']}-{look['bottom']}",
        "-draw", f"fill #ffffff fill-opacity 0.22 rectangle 0,0 {w},{scale - 1}",
        "-draw", f"fill none stroke {look['wave']} stroke-opacity 0.35 stroke-width {scale} "
                 f"path '{wave}'",
        "-draw", f"stroke none fill {look['wave']} fill-opacity 0.6 {stars}",
    ]


def caption(text, pointsize, x, look, width, height, effects):
    """Arguments that write the caption; with `effects`, a soft shadow at rest and a glow under the
    mouse (the small buttons go without, which keeps their captions sharp)."""
    args = ["-font", FONT, "-pointsize", str(pointsize), "-gravity", "Center"]
    if effects and look["glow"]:
        args += ["(", "-size", f"{width}x{height}", "xc:none", "-font", FONT,
                 "-pointsize", str(pointsize), "-fill", look["glow"],
                 "-annotate", f"+{x}+0", text, "-blur", "0x1.6", ")", "-composite"]
    elif effects:
        args += ["-fill", "#00000088", "-annotate", f"+{x + 1}+1", text]
    return args + ["-fill", look["text"], "-annotate", f"+{x}+0", text]


def button_picture(unit, state, quality):
    look = LOOKS[state]
    scale = 4
    if unit in GLYPHS:
        width, height, pointsize, text_x, effects = 130, 30, 15, 16, True
        glyph = GLYPHS[unit].replace("GLYPH", look["glyph"]).replace("HOLE", look["bottom"])
        # The 24-unit pictogram becomes 20 pixels at (8, 5).
        draw = ["-draw", f"translate {8 * scale},{5 * scale} scale {20 * scale / 24:.4f},"
                         f"{20 * scale / 24:.4f} {glyph}"]
    else:
        width, height, pointsize, text_x, effects = 30, 15, 12, 0, False
        draw = []
    return convert(*water(width, height, look, scale), *draw,
                   "-filter", "Box", "-resize", f"{width}x{height}!",
                   *caption(CAPTIONS[unit], pointsize, text_x, look, width, height, effects),
                   *jpeg_options(quality))


def volume_bar(quality):
    """A ramp that grows from left to right, green to red, on the audio window's white."""
    scale = 8
    w, h = 97 * scale, 12 * scale
    ramp = " ".join(f"{x * scale},{y * scale}"
                    for x, y in ((2, 10.5), (95, 10.5), (95, 1.5), (2, 9)))
    return convert(
        "-size", f"{w}x{h}", "xc:white",
        "(", "(", "-size", f"{h}x{w // 2}", "gradient:#3cc060-#f0d030", ")",
        "(", "-size", f"{h}x{w - w // 2}", "gradient:#f0d030-#e04030", ")",
        "-append", "-rotate", "-90",
        "(", "-size", f"{w}x{h}", "xc:black", "-fill", "white", "-draw", f"polygon {ramp}", ")",
        "-alpha", "off", "-compose", "CopyOpacity", "-composite", ")",
        "-compose", "Over", "-composite",
        "-draw", f"fill none stroke #4a6070 stroke-width {scale * 0.8} "
                 f"stroke-linejoin round polygon {ramp}",
        "-filter", "Box", "-resize", "97x12!", *jpeg_options(quality))


def jpeg_options(quality):
    """Baseline JPEG, full-resolution colour (crisp captions), no metadata."""
    return ["-strip", "-interlace", "none", "-sampling-factor", "1x1", "-quality", str(quality),
            "jpg:-"]


def fit_jpeg(make, size):
    """Encodes at the best quality that fits `size`, then pads with a comment to exactly `size`."""
    for quality in range(95, 40, -5):
        data = make(quality)
        room = size - len(data)
        if room >= 4:
            assert data[2:4] == b"\xff\xe0", "expected a JFIF segment first"
            after_jfif = 4 + struct.unpack(">H", data[4:6])[0]
            note = b"lanxing".ljust(room - 4, b" ")
            comment = b"\xff\xfe" + struct.pack(">H", room - 2) + note
            return data[:after_jfif] + comment + data[after_jfif:]
    sys.exit(f"cannot fit a JPEG into {size} bytes")


def rgba(size, scale, commands):
    """Runs `commands`, which draw one image of size × scale, and reduces it to size × size RGBA."""
    return convert(*commands, "-filter", "Box", "-resize", f"{size}x{size}!", "-depth", "8",
                   "rgba:-")


def canvas(size, scale, fill="none"):
    return ["-size", f"{size * scale}x{size * scale}", f"xc:{fill}"]


def scaled(units, size, scale, mvg):
    """One -draw of MVG written in a units × units box, for a canvas of size × scale."""
    k = size * scale / units
    return ["-draw", f"scale {k:.5f},{k:.5f} {mvg}"]


def main_icon_image(size):
    """The wave star: a gold star over sea waves on a night-blue tile; simpler below 48 pixels."""
    scale = 8
    tile = "roundrectangle 8,8 248,248 52,52"
    if size >= 48:
        art = """
            fill #4fc3e8 fill-opacity 0.55 stroke none
            path 'M0,168 Q32,140 64,168 T128,168 T192,168 T256,168 L256,256 L0,256 Z'
            fill #bff0ff fill-opacity 0.9
            path 'M0,196 Q32,170 64,196 T128,196 T192,196 T256,196 L256,256 L0,256 Z'
            fill #ffffff fill-opacity 1
            path 'M0,224 Q32,202 64,224 T128,224 T192,224 T256,224 L256,256 L0,256 Z'
            fill #ffd84a stroke #e08a10 stroke-width 6 stroke-linejoin round
            polygon 128,22 151,82 214,84 165,123 182,184 128,149 74,184 91,123 42,84 105,82
            fill #fff6c0 stroke none circle 206,44 206,52
            circle 52,52 52,58"""
    else:
        art = """
            fill #cdf4ff stroke none
            path 'M0,180 Q32,146 64,180 T128,180 T192,180 T256,180 L256,256 L0,256 Z'
            fill #ffd84a stroke #e08a10 stroke-width 12 stroke-linejoin round
            polygon 128,14 154,86 232,88 170,134 192,210 128,166 64,210 86,134 24,88 102,86"""
    return rgba(size, scale, [
        "-size", f"{size * scale}x{size * scale}", "gradient:#143a78-#0a7fa6",
        *scaled(256, size, scale, art),
        *scaled(256, size, scale, f"fill none stroke #0a2550 stroke-width 5 {tile}"),
        "(", *canvas(size, scale, "black"), "-fill", "white", *scaled(256, size, scale, tile), ")",
        "-alpha", "off", "-compose", "CopyOpacity", "-composite"])


def recorder_icon_image():
    """A white microphone with a red recording light on a teal tile."""
    art = """
        fill #ffffff stroke none roundrectangle 11.5,3.5 20.5,18.5 4.5,4.5
        fill none stroke #ffffff stroke-width 2.4 stroke-linecap round
        path 'M8,14 Q8,23 16,23 Q24,23 24,14'
        line 16,23 16,27
        line 11,28 21,28
        stroke #9adff0 stroke-width 1.2 line 13.5,8 18.5,8 line 13.5,11 18.5,11 line 13.5,14 18.5,14
        fill #ff3b30 stroke #ffffff stroke-width 1 circle 26,6 26,9.2"""
    return rgba(32, 8, [
        *canvas(32, 8),
        *scaled(32, 32, 8, "fill #1b7a99 stroke #0d3f52 stroke-width 1 "
                           "roundrectangle 1,1 31,31 6,6"),
        *scaled(32, 32, 8, art)])


CURSOR_HOT_SPOT = (1, 1)


def lock_cursor_image():
    """An arrow whose tip is the hot spot, with a padlock at its lower right."""
    art = """
        fill #ffffff stroke #000000 stroke-width 1.2 stroke-linejoin round
        polygon 1.6,1.6 1.6,20 6,15.8 9.2,22.6 12,21.4 8.8,14.8 14.6,14.6
        fill none stroke #3a3a3a stroke-width 2.4
        path 'M18.5,21 L18.5,18 Q18.5,13.6 23,13.6 Q27.5,13.6 27.5,18 L27.5,21'
        fill #f2c230 stroke #5a4100 stroke-width 1.2 roundrectangle 14.8,20.4 31,31 2,2
        fill #3a2a00 stroke none circle 22.9,24.6 22.9,26.2
        stroke #3a2a00 stroke-width 1.4 stroke-linecap round line 22.9,25 22.9,28.4"""
    return rgba(32, 8, [*canvas(32, 8), *scaled(32, 32, 8, art)])


def dib(size, pixels):
    """The icon-resource form of one RGBA image: header, bottom-up BGRA rows, AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = [pixels[y * size * 4:(y + 1) * size * 4] for y in range(size)]
    colour = bytearray()
    mask = bytearray()
    mask_row_bytes = (size + 31) // 32 * 4
    for row in reversed(rows):
        bits = bytearray(mask_row_bytes)
        for x in range(size):
            r, g, b, a = row[4 * x:4 * x + 4]
            colour += bytes((b, g, r, a)) if a else bytes(4)
            if not a:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + mask


def icon_file(images, kind=1, hot_spot=(0, 0)):
    """An icon (kind 1) or cursor (kind 2) file from (size, RGBA) pairs."""
    dibs = [dib(size, pixels) for size, pixels in images]
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for (size, _), data in zip(images, dibs):
        planes_or_x, bits_or_y = (1, 32) if kind == 1 else hot_spot
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, planes_or_x, bits_or_y,
                           len(data), offset)
        offset += len(data)
    return out + b"".join(dibs)


def volume_knob():
    """A 30 × 8 steel pill, bottom-up 24-bit BMP; magenta outside the rounded outline."""
    width, height, radius = 30, 8, 4
    grips = {x: (70, 120, 140) for x in (11, 14, 17)} | {x: (250, 252, 255) for x in (12, 15, 18)}
    magenta, outline = (255, 0, 255), (45, 85, 102)

    def inside(x, y):
        cx = min(max(x + 0.5, radius), width - radius)
        cy = min(max(y + 0.5, radius), height - radius)
        return (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= radius ** 2

    def colour(x, y):
        if not inside(x, y):
            return magenta
        edge = any(not (0 <= nx < width and 0 <= ny < height and inside(nx, ny))
                   for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)))
        if edge:
            return outline
        if x in grips and 2 <= y <= 5:
            return grips[x]
        light = 1 - y / (height - 1)
        return tuple(round(lo + (hi - lo) * light) for lo, hi in zip((122, 166, 189),
                                                                    (232, 244, 250)))

    row_bytes = (width * 3 + 3) // 4 * 4
    pixels = bytearray()
    for y in reversed(range(height)):
        row = b"".join(bytes(reversed(colour(x, y))) for x in range(width))
        pixels += row.ljust(row_bytes, b"\0")
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    data = b"BM" + struct.pack("<IHHI", KNOB_FILE_SIZE, 0, 0, 54) + info + pixels
    return data.ljust(KNOB_FILE_SIZE, b"\0")


def main(out):
    if not Path(FONT).exists():
        sys.exit(f"missing {FONT} (Debian package fonts-wqy-microhei)")
    out.mkdir(parents=True, exist_ok=True)
    for unit in CAPTIONS:
        for state, size in zip(("normal", "hover"), JPEG_SIZES[unit]):
            data = fit_jpeg(lambda q: button_picture(unit, state, q), size)
            (out / f"{unit}.{state}.jpg").write_bytes(data)
    (out / "volume-bar.jpg").write_bytes(fit_jpeg(volume_bar, JPEG_SIZES["volume-bar"][0]))
    (out / "volume-knob.bmp").write_bytes(volume_knob())
    sizes = (16, 24, 32, 48, 64, 72, 96, 128, 256)
    (out / "main-icon.ico").write_bytes(icon_file([(s, main_icon_image(s)) for s in sizes]))
    (out / "recorder-icon.ico").write_bytes(icon_file([(32, recorder_icon_image())]))
    (out / "lock-cursor.cur").write_bytes(
        icon_file([(32, lock_cursor_image())], kind=2, hot_spot=CURSOR_HOT_SPOT))


if __name__ == "__main__":
    main(Path(sys.argv[1]))
