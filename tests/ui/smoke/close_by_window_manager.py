#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Starts the real vistrel on an X display, finds its window by its title, asks it to close the
way a window manager's close box does (WM_DELETE_WINDOW), and checks that the program ends with
exit code 0 and has saved every section of its settings file.

    close_by_window_manager.py VISTREL [--installed]

Run it under xvfb-run: it needs $DISPLAY. The program runs with a temporary HOME and --ini, or,
with --installed, without --ini: an installed copy saves in the user's configuration folder.
"""
import os
import subprocess
import sys
import tempfile
import time

from Xlib import X, display, protocol

TITLE = "Vistrel !!"
SECTIONS = ["General"] + [f"Page{n}" for n in range(1, 7)]


def window_titled(screen_display, title):
    utf8 = screen_display.intern_atom("UTF8_STRING")
    net_name = screen_display.intern_atom("_NET_WM_NAME")
    pending = [screen_display.screen().root]
    while pending:
        window = pending.pop()
        try:
            name = window.get_full_property(net_name, utf8)
            if name is not None and name.value.decode("utf-8", "replace") == title:
                return window
            if window.get_wm_name() == title:
                return window
            pending.extend(window.query_tree().children)
        except Exception:  # a window that went away meanwhile
            continue
    return None


def wait_for(condition, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = condition()
        if found:
            return found
        time.sleep(0.1)
    return None


def main():
    if len(sys.argv) not in (2, 3) or sys.argv[2:] not in ([], ["--installed"]):
        print(__doc__, file=sys.stderr)
        return 2
    program = sys.argv[1]
    installed = sys.argv[2:] == ["--installed"]
    with tempfile.TemporaryDirectory(prefix="vistrel-smoke-") as home:
        environment = dict(os.environ, HOME=home)
        environment.pop("QT_QPA_PLATFORM", None)
        environment.pop("XDG_CONFIG_HOME", None)
        if installed:
            ini = os.path.join(home, ".config", "vistrel", "vistrel.ini")
            process = subprocess.Popen([program], env=environment)
        else:
            ini = os.path.join(home, "vistrel.ini")
            process = subprocess.Popen([program, "--ini", ini], env=environment)
        try:
            screen_display = display.Display()
            window = wait_for(lambda: window_titled(screen_display, TITLE), 60)
            if window is None:
                print(f"no window titled {TITLE!r} appeared", file=sys.stderr)
                return 1
            protocols = screen_display.intern_atom("WM_PROTOCOLS")
            delete = screen_display.intern_atom("WM_DELETE_WINDOW")
            request = protocol.event.ClientMessage(
                window=window, client_type=protocols,
                data=(32, [delete, X.CurrentTime, 0, 0, 0]))
            window.send_event(request, event_mask=X.NoEventMask)
            screen_display.flush()
            exit_code = process.wait(timeout=60)
        finally:
            if process.poll() is None:
                process.kill()
        if exit_code != 0:
            print(f"vistrel ended with exit code {exit_code}", file=sys.stderr)
            return 1
        with open(ini, "rb") as saved:
            text = saved.read().decode("cp932")
        missing = [s for s in SECTIONS if f"[{s}]" not in text]
        if missing:
            print(f"the settings file lacks {missing}", file=sys.stderr)
            return 1
    print("vistrel closed by WM_DELETE_WINDOW and saved every section")
    return 0


if __name__ == "__main__":
    sys.exit(main())
