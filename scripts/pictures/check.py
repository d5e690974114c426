#!/usr/bin/env python3
"""Checks the window pictures in the folder given as the argument: byte layouts, pixel sizes, file
sizes, bit depths, masks, the cursor's hot spot, the knob's cut-out colour and that every hover
picture is lighter than its normal one. Prints each problem; exits 1 if there is any."""
import struct
import subprocess
import sys
from pathlib import Path

# Picture button pictures: unit name → (width, height, normal size, hover size) in pixels / bytes.
BUTTONS = {
    "音频助手1": (130, 30, 2810, 2849),
    "录音软件1": (130, 30, 2842, 2895),
    "记事本1": (130, 30, 2661, 2715),
    "挂机工具1": (130, 30, 2788, 2858),
    "网址导航1": (130, 30, 2849, 2905),
    "置顶1": (30, 15, 1056, 1170),
    "隐藏1": (30, 15, 1058, 1185),
    "退出1": (30, 15, 1045, 1151),
}
MAIN_ICON_SIZES = (16, 24, 32, 48, 64, 72, 96, 128, 256)
MAGENTA = (255, 0, 255)
HOVER_LIGHTER_BY = 0.15  # mean grey level, 0..1


def jpeg_problems(data, width, height, size):
    """A baseline (SOF0), 8-bit, three-component JPEG of the given pixel and byte size."""
    problems = []
    if len(data) != size:
        problems.append(f"{len(data)} bytes, expected {size}")
    if data[:2] != b"\xff\xd8" or data[-2:] != b"\xff\xd9":
        return problems + ["no JPEG start or end marker"]
    pos, frame = 2, None
    while pos + 4 <= len(data) and data[pos] == 0xFF:
        marker = data[pos + 1]
        length = struct.unpack(">H", data[pos + 2:pos + 4])[0]
        if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
            if marker != 0xC0:
                problems.append(f"frame marker 0x{marker:02X} is not baseline (0xC0)")
            frame = struct.unpack(">BHHB", data[pos + 4:pos + 10])
        if marker == 0xDA:
            break
        pos += 2 + length
    else:
        return problems + ["segments broken before the scan"]
    if frame is None:
        return problems + ["no frame header"]
    precision, rows, columns, components = frame
    if (columns, rows) != (width, height):
        problems.append(f"{columns} × {rows} pixels, expected {width} × {height}")
    if precision != 8 or components != 3:
        problems.append(f"{precision}-bit, {components} components, expected 8-bit colour")
    return problems


def grey_mean(jpeg):
    out = subprocess.run(["convert", "jpg:-", "-colorspace", "Gray", "-format", "%[fx:mean]",
                          "info:"], input=jpeg, check=True, stdout=subprocess.PIPE).stdout
    return float(out)


def hover_problems(normal, hover):
    """The hover picture lights up: its mean grey level is clearly above the normal one's."""
    if grey_mean(hover) < grey_mean(normal) + HOVER_LIGHTER_BY:
        return ["not clearly lighter than the normal picture"]
    return []


def icon_problems(data, kind, sizes, hot_spot_inside=False):
    """An icon (kind 1) or cursor (kind 2) file whose entries are uncompressed 32-bit DIBs of the
    given sizes, laid end to end, each with an AND mask that marks exactly its transparent pixels.
    For a cursor the hot spot must lie on a visible pixel."""
    if len(data) < 6:
        return ["shorter than its header"]
    reserved, file_kind, count = struct.unpack("<HHH", data[:6])
    if (reserved, file_kind, count) != (0, kind, len(sizes)):
        return [f"header says kind {file_kind} with {count} entries, "
                f"expected kind {kind} with {len(sizes)}"]
    problems = []
    expected_offset = 6 + 16 * count
    for index, size in enumerate(sizes):
        entry = data[6 + 16 * index:6 + 16 * index + 16]
        if len(entry) < 16:
            return problems + [f"entry {index} cut short"]
        w, h, colours, zero, planes_or_x, bits_or_y, length, offset = struct.unpack(
            "<BBBBHHII", entry)
        where = f"entry {index} ({size} px)"
        if (w or 256, h or 256, colours, zero) != (size, size, 0, 0):
            problems.append(f"{where}: directory says {w or 256} × {h or 256}")
        if kind == 1 and (planes_or_x, bits_or_y) != (1, 32):
            problems.append(f"{where}: directory says {planes_or_x} planes, {bits_or_y} bits")
        hot_x, hot_y = planes_or_x, bits_or_y
        if kind == 2 and not (hot_x < size and hot_y < size):
            problems.append(f"{where}: hot spot ({hot_x}, {hot_y}) outside the image")
        mask_row = (size + 31) // 32 * 4
        if length != 40 + size * size * 4 + mask_row * size or offset != expected_offset:
            problems.append(f"{where}: {length} bytes at {offset}, expected "
                            f"{40 + size * size * 4 + mask_row * size} at {expected_offset}")
            return problems
        expected_offset += length
        image = data[offset:offset + length]
        if len(image) != length:
            return problems + [f"{where}: image cut short"]
        header = struct.unpack("<IiiHHI", image[:20])
        if header != (40, size, 2 * size, 1, 32, 0):
            problems.append(f"{where}: image header {header} is not a {size} px 32-bit DIB")
        alpha = [image[40 + 4 * i + 3] for i in range(size * size)]  # bottom-up rows
        mask = image[40 + size * size * 4:]
        masked = [bool(mask[y * mask_row + x // 8] & (0x80 >> x % 8))
                  for y in range(size) for x in range(size)]
        if masked != [value == 0 for value in alpha]:
            problems.append(f"{where}: AND mask does not match the transparent pixels")
        if all(masked) or not any(masked):
            problems.append(f"{where}: image is all transparent or has no transparent pixel")
        if hot_spot_inside and hot_x < size and hot_y < size \
                and alpha[(size - 1 - hot_y) * size + hot_x] < 128:
            problems.append(f"{where}: hot spot ({hot_x}, {hot_y}) lies on a transparent pixel")
    if expected_offset != len(data):
        problems.append(f"{len(data)} bytes, images end at {expected_offset}")
    return problems


def knob_problems(data):
    """A bottom-up 24-bit 30 × 8 BMP, 792 bytes, magenta in its four corners, and no colour close
    to magenta anywhere else (such a fringe would show pink around the cut-out)."""
    if len(data) < 54 or data[:2] != b"BM":
        return ["not a BMP"]
    file_size, _, _, pixels_at = struct.unpack("<IHHI", data[2:14])
    info = struct.unpack("<IiiHHI", data[14:34])
    problems = []
    if (len(data), file_size) != (792, 792):
        problems.append(f"{len(data)} bytes, header says {file_size}, expected 792")
    if info != (40, 30, 8, 1, 24, 0) or pixels_at != 54:
        return problems + [f"header {info} at {pixels_at} is not bottom-up 24-bit 30 × 8"]
    row_bytes = 92
    if len(data) < 54 + 8 * row_bytes:
        return problems + ["pixels cut short"]

    def pixel(x, y):  # y counted from the top
        start = 54 + (7 - y) * row_bytes + 3 * x
        b, g, r = data[start:start + 3]
        return r, g, b

    corners = [pixel(x, y) for x in (0, 29) for y in (0, 7)]
    if any(c != MAGENTA for c in corners):
        problems.append(f"corners {corners} are not all magenta")
    if pixel(15, 4) == MAGENTA:
        problems.append("the knob's middle is cut out")
    near = [(x, y) for y in range(8) for x in range(30) if pixel(x, y) != MAGENTA
            and sum(abs(p - m) for p, m in zip(pixel(x, y), MAGENTA)) < 200]
    if near:
        problems.append(f"colours close to magenta at {near[:4]}")
    return problems


def folder_problems(folder):
    problems = []

    def report(name, found):
        problems.extend(f"{name}: {p}" for p in found)

    for unit, (width, height, normal_size, hover_size) in BUTTONS.items():
        normal = (folder / f"{unit}.normal.jpg").read_bytes()
        hover = (folder / f"{unit}.hover.jpg").read_bytes()
        report(f"{unit}.normal.jpg", jpeg_problems(normal, width, height, normal_size))
        report(f"{unit}.hover.jpg", jpeg_problems(hover, width, height, hover_size))
        report(f"{unit}.hover.jpg", hover_problems(normal, hover))
    report("volume-bar.jpg", jpeg_problems((folder / "volume-bar.jpg").read_bytes(), 97, 12, 9485))
    report("volume-knob.bmp", knob_problems((folder / "volume-knob.bmp").read_bytes()))
    main_icon = (folder / "main-icon.ico").read_bytes()
    report("main-icon.ico", icon_problems(main_icon, 1, MAIN_ICON_SIZES))
    if len(main_icon) != 432254:
        report("main-icon.ico", [f"{len(main_icon)} bytes, expected 432254"])
    for name, kind in (("recorder-icon.ico", 1), ("lock-cursor.cur", 2)):
        data = (folder / name).read_bytes()
        report(name, icon_problems(data, kind, (32,), hot_spot_inside=kind == 2))
        if len(data) != 4286:
            report(name, [f"{len(data)} bytes, expected 4286"])
    return problems


def main(folder):
    problems = folder_problems(folder)
    for problem in problems:
        print(problem)
    print(f"{len(problems)} problem(s) in {folder}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(Path(sys.argv[1])))
