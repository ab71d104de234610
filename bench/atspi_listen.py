#!/usr/bin/python3
"""Listens on the accessibility bus, as a screen reader does, and prints one line for each name
change that any program announces: 'event SECONDS ROLE'. The benchmark counts them."""
import sys
import time

import pyatspi


def on_name_change(event):
    try:
        role = event.source.getRoleName()
    except Exception:
        role = '?'
    print('event %.6f %s' % (time.monotonic(), role.replace(' ', '-')), flush=True)


pyatspi.Registry.registerEventListener(on_name_change, 'object:property-change:accessible-name')
print('listening', flush=True)
pyatspi.Registry.start()
