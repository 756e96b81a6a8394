#!/usr/bin/env python3
"""Reads the handheld's LCD from a screenshot, using the positions and pictures of Config.ini.

  lcd_probe.py panel SHOT BIN_DIR WIN_X WIN_Y      -> the four digit places, e.g. "_470"
  lcd_probe.py lit SHOT BIN_DIR WIN_X WIN_Y NAME..  -> "1" or "0" per image: is its segment dark?

A segment is lit where the screenshot is dark wherever the segment's picture has ink; digits are
recognised by comparing the dark pixels of a place with each digit picture's ink.
"""
import configparser
import os
import re
import subprocess
import sys


def skin_numbers(config_path):
    """The number of each image's section, by image name: skingen writes the name as a comment
    under each [ImageN] header of the Config.ini it generates, in the program's numbered order."""
    numbers, section = {}, None
    with open(config_path, encoding="utf-8") as config:
        for line in config:
            line = line.strip()
            header = re.fullmatch(r"\[Image(\d+)\]", line)
            if header:
                section = int(header.group(1))
                continue
            if section is not None and line.startswith(";"):
                numbers[line[1:].strip()] = section
            section = None
    if not numbers:
        sys.exit(f"lcd_probe: no named image sections in {config_path}")
    return numbers


def read_pnm(data):
    """Parses binary PGM/PPM output of ImageMagick: returns (width, height, channels, bytes)."""
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    channels = 3 if fields[0] == b"P6" else 1
    return int(fields[1]), int(fields[2]), channels, data[pos + 1:]


def convert(path, *args):
    return read_pnm(subprocess.run(["convert", path, *args], check=True, capture_output=True).stdout)


class Skin:
    def __init__(self, bin_dir):
        self.bin_dir = bin_dir
        self.config = configparser.ConfigParser(strict=False, interpolation=None)
        config_path = os.path.join(bin_dir, "Config.ini")
        self.config.read(config_path)
        self.numbers = skin_numbers(config_path)
        skin_dir = self.config.get("Common", "SkinDir", fallback="Graphics\\Skin\\")
        self.skin_dir = os.path.join(bin_dir, skin_dir.replace("\\", "/"))

    def section(self, name):
        return self.config["Image%d" % self.numbers[name]]

    def origin(self, name):
        s = self.section(name)
        return int(s.get("Left", "0")), int(s.get("Top", "0"))

    def ink_mask(self, name):
        """The set of (x, y) where the image's picture has ink (alpha above one half)."""
        file_name = self.section(name).get("Filename", "").strip('"')
        w, h, _, pixels = convert(os.path.join(self.skin_dir, file_name), "-alpha", "extract", "pgm:-")
        return {(i % w, i // w) for i in range(w * h) if pixels[i] > 127}


class Shot:
    def __init__(self, path, win_x, win_y):
        self.w, self.h, _, self.pixels = convert(path, "-colorspace", "gray", "pgm:-")
        self.win_x, self.win_y = win_x, win_y

    def dark(self, x, y):
        x, y = x + self.win_x, y + self.win_y
        if not (0 <= x < self.w and 0 <= y < self.h):
            return False
        return self.pixels[y * self.w + x] < 100


def dark_fraction(shot, origin, mask):
    if not mask:
        return 0.0
    ox, oy = origin
    return sum(shot.dark(ox + x, oy + y) for x, y in mask) / len(mask)


def read_place(shot, skin, place, digit_masks):
    origin = skin.origin(f"im_panel_digit_pos_{place}")
    union = set().union(*digit_masks.values())
    ox, oy = origin
    dark = {(x, y) for x, y in union if shot.dark(ox + x, oy + y)}
    if len(dark) < 0.05 * len(union):
        return "_"
    scores = {d: len(dark ^ mask) for d, mask in digit_masks.items()}
    return str(min(scores, key=scores.get))


def main():
    command, shot_path, bin_dir, win_x, win_y = sys.argv[1:6]
    skin = Skin(bin_dir)
    shot = Shot(shot_path, int(win_x), int(win_y))
    if command == "panel":
        masks = {d: skin.ink_mask(f"im_panel_number_{d}") for d in range(10)}
        print("".join(read_place(shot, skin, p, masks) for p in range(1, 5)))
    elif command == "lit":
        print(" ".join("1" if dark_fraction(shot, skin.origin(n), skin.ink_mask(n)) > 0.6 else "0"
                       for n in sys.argv[6:]))
    else:
        sys.exit("unknown command " + command)


if __name__ == "__main__":
    main()
