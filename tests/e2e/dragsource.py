"""A drag source for end-to-end tests: a small GTK window at the top-left corner of the screen that offers the
paths given on the command line as text/uri-list, so that xdotool can drag them onto a window. It prints
"ready" once it is shown, "data-sent" each time the target has asked for the paths, "drag-end" when a drag is
over (dropped, refused or failed), and quits after the given number of seconds."""
import sys

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("Gdk", "3.0")
from gi.repository import GLib, Gdk, Gtk  # noqa: E402


def main():
    seconds = int(sys.argv[1])
    uris = [GLib.filename_to_uri(path, None) for path in sys.argv[2:]]

    def send(_widget, _context, data, _info, _time):
        data.set_uris(uris)
        print("data-sent", flush=True)

    def ended(*_):
        print("drag-end", flush=True)

    window = Gtk.Window(title="dragsource")
    button = Gtk.Button(label="drag")
    button.drag_source_set(Gdk.ModifierType.BUTTON1_MASK, [], Gdk.DragAction.COPY)
    button.drag_source_add_uri_targets()
    button.connect("drag-data-get", send)
    button.connect("drag-end", ended)
    window.add(button)
    window.set_default_size(80, 80)
    window.move(0, 0)

    def ready(*_):
        print("ready", flush=True)
        return False

    # Mapped is not yet ready to start a drag: let GTK settle its input handling first.
    window.connect("map-event", lambda *_: GLib.timeout_add(500, ready))
    window.connect("destroy", Gtk.main_quit)
    GLib.timeout_add_seconds(seconds, Gtk.main_quit)
    window.show_all()
    Gtk.main()


if __name__ == "__main__":
    main()
