#!/usr/bin/python3
"""Sends a window clicks (click:X,Y, in the window's coordinates) and the window manager's close
request (close), in the order given and in one flush, so that the program receives them all
together: the last is already waiting when the first is handled."""
import sys

from Xlib import X, display
from Xlib.ext import xtest
from Xlib.protocol import event

d = display.Display()
root = d.screen().root
window = d.create_resource_object('window', int(sys.argv[1], 0))
for action in sys.argv[2:]:
    if action == 'close':
        protocols = d.intern_atom('WM_PROTOCOLS')
        delete = d.intern_atom('WM_DELETE_WINDOW')
        message = event.ClientMessage(window=window, client_type=protocols,
                                      data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(message, event_mask=X.NoEventMask)
    else:
        x, y = (int(v) for v in action.removeprefix('click:').split(','))
        at = root.translate_coords(window, x, y)
        xtest.fake_input(d, X.MotionNotify, x=at.x, y=at.y)
        xtest.fake_input(d, X.ButtonPress, 1)
        xtest.fake_input(d, X.ButtonRelease, 1)
d.flush()
