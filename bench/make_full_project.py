#!/usr/bin/env python3
"""Writes the largest project a user exports: every character page marked for output in "256色",
99 patterns of 8 x 16 cells each, cell values 0 to 255. About 2.2 MB; the whole-process timings of
`vesk4 export` and `vesk4-editor --open` use it.

  bench/make_full_project.py OUT.egd

The cell values are those of fullProjectDocument() in bench/bench_document.h, so the file is what
saving that document writes.
"""
import sys

PAGES, WIDTH, HEIGHT = 32, 64, 256
CHARACTER_PAGES = 31
PATTERNS, PATTERN_W, PATTERN_H = 99, 8, 16
PAL4 = [0, 3, 28, 224]
PAL16 = [255, 0, 128, 7, 8, 16, 17, 23, 24, 36, 38, 79, 42, 43, 44, 45]


def num(v):
    return ("-" if v < 0 else " ") + str(abs(v)) + " "


def covered(x, y):
    """Whether cell (x, y) lies in one of the patterns: bands of PATTERN_H rows, 8 patterns each."""
    per_band = WIDTH // PATTERN_W
    p = (y // PATTERN_H) * per_band + x // PATTERN_W
    return p < PATTERNS


def cell(page, x, y):
    if page >= CHARACTER_PAGES or not covered(x, y):
        return 0
    return (page * 131 + x * 37 + y * 11 + (x * y) % 7) % 256


def main():
    lines = [num(0)]
    for page in range(PAGES):
        for y in range(HEIGHT):
            lines.append("".join(num(cell(page, x, y)) for x in range(WIDTH)))
    for page in range(PAGES):
        character = page < CHARACTER_PAGES
        name = "Chr%02d" % page if character else "MapChip0"
        settings = [0 if character else 3]
        lines += [num(settings[0]), name]
        lines += [num(v) for v in (PATTERN_W, PATTERN_H, PATTERNS if character else 0, 1 if character else 0)]
        lines += [num(v) for v in PAL4 + [0] * 8 + PAL16]
    with open(sys.argv[1], "wb") as f:
        f.write(("".join(l + "\r\n" for l in lines) + "\r\n").encode("ascii"))


if __name__ == "__main__":
    main()
