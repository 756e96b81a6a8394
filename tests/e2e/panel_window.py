#!/usr/bin/env python3
"""A desktop panel for the tests: a dock window that reserves a strip at the bottom of the screen
(_NET_WM_STRUT and _NET_WM_STRUT_PARTIAL) in a solid colour, as a task bar does. It stays until
it is killed. Usage: panel_window.py HEIGHT RRGGBB"""
import ctypes
import ctypes.util
import signal
import sys
import time

PROP_MODE_REPLACE = 0
XA_ATOM = 4
XA_CARDINAL = 6


def main():
    height = int(sys.argv[1])
    colour = int(sys.argv[2], 16)
    x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDefaultScreen.argtypes = [ctypes.c_void_p]
    x11.XRootWindow.restype = ctypes.c_ulong
    x11.XRootWindow.argtypes = [ctypes.c_void_p, ctypes.c_int]
    for name in ("XDisplayWidth", "XDisplayHeight"):
        getattr(x11, name).argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XCreateSimpleWindow.restype = ctypes.c_ulong
    x11.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                        ctypes.c_int, ctypes.c_uint, ctypes.c_uint,
                                        ctypes.c_uint, ctypes.c_ulong, ctypes.c_ulong]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XChangeProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong,
                                    ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                    ctypes.c_void_p, ctypes.c_int]
    x11.XMapWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    x11.XMoveWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int]
    x11.XFlush.argtypes = [ctypes.c_void_p]

    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("no X display")
    screen = x11.XDefaultScreen(display)
    width = x11.XDisplayWidth(display, screen)
    screen_height = x11.XDisplayHeight(display, screen)
    window = x11.XCreateSimpleWindow(display, x11.XRootWindow(display, screen), 0,
                                     screen_height - height, width, height, 0, colour, colour)

    def atom(name):
        return x11.XInternAtom(display, name, 0)

    def set_longs(name, kind, values):
        data = (ctypes.c_long * len(values))(*values)
        x11.XChangeProperty(display, window, atom(name), kind, 32, PROP_MODE_REPLACE,
                            data, len(values))

    set_longs(b"_NET_WM_WINDOW_TYPE", XA_ATOM, [atom(b"_NET_WM_WINDOW_TYPE_DOCK")])
    set_longs(b"_NET_WM_STRUT", XA_CARDINAL, [0, 0, 0, height])
    set_longs(b"_NET_WM_STRUT_PARTIAL", XA_CARDINAL,
              [0, 0, 0, height, 0, 0, 0, 0, 0, 0, 0, width - 1])
    x11.XMapWindow(display, window)
    x11.XFlush(display)
    # A window manager places a new window where it likes; the panel then moves itself home.
    time.sleep(0.3)
    x11.XMoveWindow(display, window, 0, screen_height - height)
    x11.XFlush(display)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    while True:
        time.sleep(3600)


if __name__ == "__main__":
    main()
