#!/usr/bin/python3
"""Asks an X window to close, as a window manager's close box would: sends it
WM_DELETE_WINDOW (bare Xvfb has no window manager to do it)."""
import sys

from Xlib import X, display, protocol

d = display.Display()
window = d.create_resource_object("window", int(sys.argv[1]))
protocols = d.intern_atom("WM_PROTOCOLS")
delete = d.intern_atom("WM_DELETE_WINDOW")
event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                     data=(32, [delete, X.CurrentTime, 0, 0, 0]))
window.send_event(event, event_mask=X.NoEventMask)
# A round trip, not a mere flush: a request still unread when this client
# disconnects can be dropped by the server, and the close request with it.
d.sync()
