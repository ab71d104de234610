#!/usr/bin/python3
"""Checks a screenshot of Ostrel's window taken at a scale factor of 2.

Usage: hidpi_check.py SCREENSHOT.ppm ICON64.rgba

Each control must sit at twice its place in the 450 x 461 design; the text must be drawn at the
screen's own density (text drawn at the design's size and then doubled is made of 2 x 2 blocks of
one colour each, crisp text is not); the button's face must show the 64-pixel icon (ICON64, raw
RGBA) as it is, not the 32-pixel one enlarged.
"""
import sys

SCALE = 2
BLACK = (0, 0, 0)


def read_ppm(path):
    with open(path, 'rb') as f:
        data = f.read()
    fields = data.split(maxsplit=4)
    assert fields[0] == b'P6' and fields[3] == b'255', 'an 8-bit binary PPM'
    width, height = int(fields[1]), int(fields[2])
    pixels = fields[4]
    return width, height, lambda x, y: tuple(pixels[(y * width + x) * 3:(y * width + x) * 3 + 3])


def main():
    width, height, at = read_ppm(sys.argv[1])
    failures = []

    def check(condition, message):
        if not condition:
            failures.append(message)

    check((width, height) == (450 * SCALE, 461 * SCALE), 'screenshot is %d x %d' % (width, height))
    if failures:
        return report(failures)

    def black(x, y):
        return at(x * SCALE, y * SCALE) == BLACK

    # The title label's black band: 32, 24, 385 x 29 in the design.
    check(black(32, 24) and black(416, 24) and black(32, 51) and black(416, 51),
          'the title band fills 64,48 - 833,103')
    check(not black(31, 30) and not black(417, 30) and not black(200, 23),
          'the title band ends at its edges')

    # The text box: 16, 52, 433 x 381; its frame is a device pixel wide, its margin black.
    for y in (60, 200, 400, 430):
        check(at(17 * SCALE + 2, y * SCALE) == BLACK, 'the text box is black at 36,%d' % (y * 2))
        check(not black(15, y), 'the window is not black left of the text box at y %d' % (y * 2))
    check(not black(200, 433), 'the text box ends at 866')

    # The number label, 44, 440, 221 x 17 in the design, writes dark text on the window.
    def dark(left, top, right, bottom):
        return sum(1 for y in range(top, bottom) for x in range(left, right) if max(at(x, y)) < 96)

    check(dark(88, 880, 530, 914) > 200, 'the number line is written from 88,880')
    check(dark(0, 870, 86, 922) == 0, 'nothing is written left of the number line')

    # The button's face, 418, 433 in the design, clipped by the window: the icon's black and
    # white halves lie left-below and right-above its middle.
    check(at(861, 905) == BLACK, 'the icon\'s black half at 861,905')
    check(at(877, 887) == (255, 255, 255), 'the icon\'s white half at 877,887')

    def fine_blocks(left, top, right, bottom):
        count = 0
        for y in range(top, bottom, SCALE):
            for x in range(left, right, SCALE):
                if len({at(x, y), at(x + 1, y), at(x, y + 1), at(x + 1, y + 1)}) > 1:
                    count += 1
        return count

    text = fine_blocks(34, 130, 866, 860)
    print('fine 2 x 2 blocks in the text: %d' % text)
    check(text >= 2000, 'the text is drawn at the screen\'s density (%d fine blocks)' % text)

    with open(sys.argv[2], 'rb') as f:
        icon = f.read()
    opaque = [(x, y, icon[(y * 64 + x) * 4]) for y in range(64) for x in range(64)
              if icon[(y * 64 + x) * 4 + 3] == 255]

    def icon_difference(left, top):
        """The mean difference of the opaque pixels' red from the icon placed at left, top."""
        shown = [(at(left + x, top + y)[0], red) for x, y, red in opaque
                 if left + x < width and top + y < height]
        return sum(abs(a - b) for a, b in shown) / len(shown)

    # The icon's 32 x 32 square starts at 419, 432 in the design, half a pixel from the middle
    # of the button, which the window clips.
    difference, left, top = min((icon_difference(x, y), x, y)
                                for y in range(864 - 3, 864 + 4) for x in range(838 - 3, 838 + 4))
    print('icon at %d,%d, mean difference %.1f' % (left, top, difference))
    check(difference <= 3, 'the button shows the 64-pixel icon (mean difference %.1f)' % difference)
    return report(failures)


def report(failures):
    for failure in failures:
        print('FAIL: ' + failure)
    if not failures:
        print('PASS: hidpi')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
