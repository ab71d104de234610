#!/usr/bin/python3
"""Reads Ostrel's window as a screen reader does, through AT-SPI, and counts what it announces.

Usage: atspi_check.py PROGRAM

Starts PROGRAM, finds its window in the accessibility tree, checks that every control can be
read, presses the draw button through its accessible action, and listens to the name changes
that the draw announces: at most one a frame (draw time / 16 ms + 10), the last ones carrying
the final chapter's number line and title line.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

CAPTION = 'Tao T\u00e9 Ching - Kel Ombra'
NUMBER_LINE = 'Tao T\u00e9 Ching - chapter n\u00b0 '

events = []          # (time, role name, accessible name) of every name change from the program
failures = []
state = {}


def check(condition, message):
    if not condition:
        failures.append(message)


def on_name_change(event):
    try:
        if event.source.getApplication().name != state.get('app_name'):
            return
        events.append((time.monotonic(), event.source.getRoleName(), event.source.name))
    except Exception:
        pass


def find_window():
    for app in pyatspi.Registry.getDesktop(0):
        if app is None:
            continue
        for window in app:
            if window is not None and window.name == CAPTION:
                return app, window
    return None, None


def controls(window):
    """The window's controls by role: the labels, the text box and the button."""
    found = {'label': [], 'text': [], 'button': []}
    for child in window:
        role = child.getRoleName()
        if role in ('label', 'static'):
            found['label'].append(child)
        elif role in ('text', 'editbar', 'paragraph'):
            found['text'].append(child)
        elif role == 'push button':
            found['button'].append(child)
    return found


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


def read_display(window):
    found = controls(window)
    labels = sorted(label.name for label in found['label'])
    number = [name for name in labels if name.startswith(NUMBER_LINE)]
    title = [name for name in labels if name.startswith(' chapter ')]
    return (number[0] if number else None, title[0] if title else None,
            text_of(found['text'][0]) if found['text'] else None)


def step_start():
    app, window = find_window()
    if window is None:
        if time.monotonic() - state['started'] > 20:
            failures.append('no window captioned %r in the accessibility tree' % CAPTION)
            pyatspi.Registry.stop()
            return False
        return True
    state['app_name'] = app.name
    state['window'] = window
    found = controls(window)
    check(len(found['label']) == 2, 'two labels, found %d' % len(found['label']))
    check(len(found['text']) == 1, 'one text box, found %d' % len(found['text']))
    check(len(found['button']) == 1, 'one button, found %d' % len(found['button']))
    if failures:
        pyatspi.Registry.stop()
        return False
    button = found['button'][0]
    check('draw' in button.name.lower(), 'the button\'s name %r tells that it draws' % button.name)
    check(button.description != '', 'the button has an accessible description')
    # Keyboard users reach the text box and the button, and nothing else.
    for control in found['text'] + found['button'] + found['label']:
        focusable = control.getState().contains(pyatspi.STATE_FOCUSABLE)
        check(focusable == (control.getRoleName() != 'label'),
              'the %s is %sfocusable' % (control.getRoleName(), '' if focusable else 'not '))
    number, title, text = read_display(window)
    check_chapter('after start-up', number, title, text)
    print('button: %r (%s)' % (button.name, button.description))
    print('start-up: %r / %r' % (number, title))

    # Press the button as a screen reader would, through its action.
    events.clear()
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    state['pressed'] = time.monotonic()
    action.doAction(names.index('Press') if 'Press' in names else 0)
    GLib.timeout_add(100, step_after_draw)
    return False


def check_chapter(when, number, title, text):
    check(number is not None and number[len(NUMBER_LINE):].isdigit(),
          '%s: number line %r' % (when, number))
    if number is None or title is None:
        failures.append('%s: a label is unreadable' % when)
        return
    key = number[len(NUMBER_LINE):]
    check(title.startswith(' chapter %s : ' % key), '%s: title line %r is not chapter %s' % (when, title, key))
    check(text is not None and text.startswith('\n') and len(text) > 20,
          '%s: the text box holds %r' % (when, (text or '')[:40]))


def step_after_draw():
    # The draw is over once no name change has come for a second.
    if not events or time.monotonic() - events[-1][0] < 1.0:
        if time.monotonic() - state['pressed'] > 60:
            failures.append('no end of the draw was announced')
            pyatspi.Registry.stop()
            return False
        return True
    window = state['window']
    number, title, text = read_display(window)
    check_chapter('after a draw', number, title, text)
    draw_ms = (events[-1][0] - state['pressed']) * 1000
    numbers = [e for e in events if e[2].startswith(NUMBER_LINE)]
    bound = draw_ms / 16 + 10
    print('draw: %.0f ms, %d name changes (%d of the number label), bound %.0f'
          % (draw_ms, len(events), len(numbers), bound))
    check(len(events) <= bound, '%d name changes in a draw of %.0f ms' % (len(events), draw_ms))
    last_names = [e[2] for e in events]
    check(number in last_names[-3:], 'the final number line %r was announced last' % number)
    check(title in last_names[-3:], 'the final title line %r was announced last' % title)
    pyatspi.Registry.stop()
    return False


def main():
    program = sys.argv[1]
    pyatspi.Registry.registerEventListener(on_name_change, 'object:property-change:accessible-name')
    child = subprocess.Popen([program])
    state['started'] = time.monotonic()
    GLib.timeout_add(100, step_start)
    GLib.timeout_add_seconds(90, lambda: (failures.append('timed out'), pyatspi.Registry.stop()))
    pyatspi.Registry.start()
    child.terminate()
    child.wait(10)
    for failure in failures:
        print('FAIL: ' + failure)
    if not failures:
        print('PASS: atspi')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
