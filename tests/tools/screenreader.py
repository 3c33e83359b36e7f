#!/usr/bin/python3
# Listens on the session's accessibility bus as a screen reader does and prints one line
# per event that a screen reader speaks: focus moves, value changes (progress bars) and
# name changes, each as "kind|role|name|description|value". Prints "ready" once it
# listens; ends on SIGTERM.
import signal
import sys

import pyatspi


def say(kind, source):
    try:
        role = source.getRoleName()
        name = source.name or ""
        description = source.description or ""
        value = ""
        try:
            value = str(int(source.queryValue().currentValue))
        except Exception:
            pass
        print("|".join((kind, role, name, description, value)).replace("\n", " "), flush=True)
    except Exception as error:  # an object gone before it was read
        print("gone|" + str(error).replace("\n", " "), flush=True)


def on_event(event):
    if event.type.startswith("object:state-changed:focused"):
        if event.detail1:
            say("focus", event.source)
    elif event.type.startswith("object:property-change:accessible-value") or \
            event.type.startswith("object:value-changed"):
        say("value", event.source)
    elif event.type.startswith("object:property-change:accessible-name"):
        say("name", event.source)


def main():
    signal.signal(signal.SIGTERM, lambda *_: pyatspi.Registry.stop())
    for kind in ("object:state-changed:focused", "object:property-change:accessible-value",
                 "object:value-changed", "object:property-change:accessible-name"):
        pyatspi.Registry.registerEventListener(on_event, kind)
    print("ready", flush=True)
    pyatspi.Registry.start()


if __name__ == "__main__":
    sys.exit(main())
