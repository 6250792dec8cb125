#!/usr/bin/env python3
"""Makes the golden project files under tests/data from the rules of the file layout alone.

Run once from the repository root; the outputs are committed. Every file is stored compressed in
the form qUncompress() reads: the length as a 4-byte big-endian number, then a zlib stream.

  project_new/expected.egd.z   what saving the editor's start document gives
  project_map/input.egd.z      format number 1 with a map block, odd values, Japanese names
  project_map/wrapped.egd.z    the same fields, rows wrapped, extra blanks, commas, LF and CR ends
  project_ver2/input.egd.z     format number 2: no map block is read, trailing lines are ignored
"""
import random
import struct
import zlib
from pathlib import Path

PAGES, WIDTH, HEIGHT = 32, 64, 256
PAL4 = [0, 3, 28, 224]
PAL16 = [255, 0, 128, 7, 8, 16, 17, 23, 24, 36, 38, 79, 42, 43, 44, 45]
DATA = Path(__file__).resolve().parent.parent / "data"


def num(v):
    """Integer form: sign position (blank or minus), digits, one trailing blank."""
    return ("-" if v < 0 else " ") + str(abs(v)) + " "


def start_pages():
    names = ["Chr%02d" % p for p in range(31)] + ["MapChip0"]
    return [dict(mode=3, name=names[p], sx=8, sy=8, count=0, out=0,
                 pal4=PAL4, pal8=[0] * 8, pal16=PAL16) for p in range(PAGES)]


def fields(ver, pixel, pages, mapcell):
    """The fields of a file in order, as ("n", value) or ("t", name)."""
    out = [("n", ver)]
    out += [("n", pixel(p, x, y)) for p in range(PAGES) for y in range(HEIGHT) for x in range(WIDTH)]
    for s in pages:
        out += [("n", s["mode"]), ("t", s["name"]), ("n", s["sx"]), ("n", s["sy"]),
                ("n", s["count"]), ("n", s["out"])]
        out += [("n", v) for v in s["pal4"] + s["pal8"] + s["pal16"]]
    if ver == 1:
        out += [("n", mapcell(p, x, y)) for p in range(PAGES) for y in range(HEIGHT) for x in range(WIDTH)]
    return out


def tidy(fs, ver):
    """The file as the layout lays it out: a row of 64 cells per line, one setting per line."""
    lines = [num(fs[0][1])]
    i = 1
    planes = 2 if ver == 1 else 1
    rows = PAGES * HEIGHT
    def plane():
        nonlocal i
        for _ in range(rows):
            lines.append("".join(num(v) for _, v in fs[i:i + WIDTH]).encode("ascii"))
            i += WIDTH
    lines = [lines[0].encode("ascii")]
    plane()
    for _ in range(PAGES * 34):
        kind, v = fs[i]
        lines.append(v.encode("cp932") if kind == "t" else num(v).encode("ascii"))
        i += 1
    if planes == 2:
        plane()
    assert i == len(fs)
    return b"".join(l + b"\r\n" for l in lines) + b"\r\n"


def loose(fs, rng):
    """The same fields written as sequential field input still reads them. The first pages, the
    settings and the first map page take random separators; elsewhere the separators cycle, which
    keeps the stored file small."""
    out = []
    plane = PAGES * HEIGHT * WIDTH
    settings_end = 1 + plane + PAGES * 34
    def is_random(j):
        return j < 1 + 2 * HEIGHT * WIDTH or plane < j < settings_end + HEIGHT * WIDTH
    ends = [b" ", b"  ", b",", b" , ", b"\r\n", b" \r\n", b"\n", b"\r", b" \r\n\r\n  ", b"   \n "]
    for j, (kind, v) in enumerate(fs):
        nxt = fs[j + 1][0] if j + 1 < len(fs) else "n"
        if kind == "t":
            out.append(b"  " + v.encode("cp932"))
            out.append(rng.choice([b"\r\n", b",", b"\n"]))
            continue
        if not is_random(j):
            out.append(str(v).encode("ascii") + ends[j % 7])
            continue
        if v > 0 and rng.random() < 0.1:
            text = "00" + str(v)
        elif v == 0 and rng.random() < 0.05:
            text = "-0"
        else:
            text = str(v)
        out.append(text.encode("ascii"))
        if nxt == "t":
            # The name starts right after the blanks and the one comma or line end of this number.
            out.append(rng.choice([b" \r\n", b",", b"  , ", b"\n", b"\r"]))
        else:
            out.append(rng.choice(ends))
    return b"".join(out) + b"\r\nnot read: anything after the last field\r\n"


def store(path, data):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(struct.pack(">I", len(data)) + zlib.compress(data, 9))


def map_pages():
    pages = start_pages()
    for p, s in enumerate(pages):
        s["mode"] = [3, 4, 0, 1, 2][p % 5]
        s["sx"] = [4, 8, 16, 20, 24, 32, 40, 48, 56, 64, 12][p % 11]
        s["sy"] = [8, 16, 20, 24, 32, 40, 48, 56, 64][p % 9]
        s["count"] = p * 3
        s["out"] = p % 2
        s["pal8"] = [p * 8 + i - 100 for i in range(8)]
    pages[1]["name"] = "キャラ一覧"
    pages[2]["name"] = "LongName_0123456789"
    pages[3]["name"] = ""
    pages[4]["name"] = "a b\tc "
    pages[5]["name"] = "ﾊﾝｶｸ＿ｶﾅ"
    pages[5]["count"] = 150
    pages[7]["count"] = -2
    pages[8]["sx"] = -32768
    pages[9]["sy"] = 32767
    return pages


def map_pixel(p, x, y):
    extremes = {(2, 0, 0): -32768, (2, 1, 0): 32767, (2, 2, 0): -1, (2, 3, 0): 10000}
    if (p, x, y) in extremes:
        return extremes[(p, x, y)]
    return ((p * 7 + x * 3 + y * 5) % 23) - 3 if y < 20 else 0


def map_chip(p, x, y):
    if (p, x, y) == (0, 0, 0):
        return 32767
    if (p, x, y) == (31, 63, 255):
        return -32768
    return (p * 31 + x + y * 64) % 300 - 20 if y < 12 else 0


def main():
    new = fields(0, lambda p, x, y: 0, start_pages(), None)
    store(DATA / "project_new" / "expected.egd.z", tidy(new, 0))

    with_map = fields(1, map_pixel, map_pages(), map_chip)
    store(DATA / "project_map" / "input.egd.z", tidy(with_map, 1))
    store(DATA / "project_map" / "wrapped.egd.z", loose(with_map, random.Random(932)))

    ver2 = fields(2, map_pixel, map_pages(), None)
    store(DATA / "project_ver2" / "input.egd.z",
          tidy(ver2, 2) + "".join(num(7) * WIDTH + "\r\n" for _ in range(40)).encode("ascii"))


if __name__ == "__main__":
    main()
