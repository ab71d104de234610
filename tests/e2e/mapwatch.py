#!/usr/bin/python3
"""Prints a line for every top-level window mapped on the display, with its size, until killed."""
import sys

from Xlib import X, display, error

d = display.Display()
root = d.screen().root
root.change_attributes(event_mask=X.SubstructureNotifyMask)
d.sync()
print('ready', flush=True)
while True:
    e = d.next_event()
    if e.type != X.MapNotify:
        continue
    try:
        g = e.window.get_geometry()
        size = f'{g.width}x{g.height}'
    except error.XError:
        size = 'gone'
    print(f'map {e.window.id:#x} {size}', flush=True)
