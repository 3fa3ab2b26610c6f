# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader keeps of the table, its children and the score cells: read once and
then kept up to date by the events alone. A name or description it is told changed is read
again when next asked, a state is set or cleared as the event says, and a child that joined is
read when next asked. Without an event, what it keeps goes stale."""

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

from harness import accessibility_bus  # noqa: E402


class KeptCopy:
    def __init__(self, app, table):
        self.bus = accessibility_bus()
        self.bus_name = app.app.bus_name
        self.table = table
        self.kept = self.fresh_tree()

    def fresh(self, path, what):
        """A property read straight from the game, past any cache."""
        def call(interface, method, args, reply):
            return self.bus.call_sync(self.bus_name, path, interface, method, args,
                                      GLib.VariantType(reply), 0, 5000).unpack()[0]
        if what == "states":
            words = call("org.a11y.atspi.Accessible", "GetState", None, "(au)")
            return {Atspi.StateType(32 * w + bit).value_nick for w, word in enumerate(words)
                    for bit in range(32) if word >> bit & 1}
        if what == "children":
            return [child for _, child in call("org.a11y.atspi.Accessible", "GetChildren", None,
                                               "(a(so))")]
        return call("org.freedesktop.DBus.Properties", "Get",
                    GLib.Variant("(ss)", ("org.a11y.atspi.Accessible", what)), "(v)")

    def fresh_tree(self):
        """Each thing's name, description and states by its path, and whose child it is."""
        table = self.table.path
        parents = {table: None} | {child: table for child in self.fresh(table, "children")}
        parents |= {cell: path for path in list(parents)
                    if self.fresh(path, "Name") == "Score table"
                    for cell in self.fresh(path, "children")}
        return {path: {what: self.fresh(path, what) for what in ("Name", "Description", "states")}
                | {"parent": parent} for path, parent in parents.items()}

    def keep(self, event):
        """Takes in an event as a screen reader's cache does."""
        kept = self.kept
        what = kept.get(event.source.path)
        if event.type.startswith("object:children-changed") and isinstance(event.any_data,
                                                                           Atspi.Accessible):
            child = event.any_data.path
            if event.type.endswith(":add"):
                kept[child] = {"parent": event.source.path}
            else:  # with its cells, if it is the score table
                for path in [path for path, what in kept.items()
                             if child in (path, what.get("parent"))]:
                    del kept[path]
        elif what is None:
            return
        elif event.type.startswith("object:state-changed:"):
            if "states" in what:
                nick = event.type.split(":")[2]
                (what["states"].add if event.detail1 else what["states"].discard)(nick)
        elif event.type.startswith("object:property-change:accessible-"):
            what.pop(event.type.split("-")[-1].capitalize(), None)

    def stale(self):
        """What the kept copy says that the game no longer does."""
        kept, now = self.kept, self.fresh_tree()
        # A score table that joined is read whole, its cells with it.
        kept.update({path: {"parent": now[path]["parent"]} for path in now.keys() - kept.keys()
                     if now[path]["parent"] in kept and now[path]["parent"] != self.table.path})
        differ = [f"{path} joined unheard" for path in now.keys() - kept.keys()]
        differ += [f"{path} left unheard" for path in kept.keys() - now.keys()]
        for path in now.keys() & kept.keys():
            for what, value in now[path].items():
                if kept[path].setdefault(what, value) != value:
                    differ.append(f"{now[path]['Name']!r} keeps {what} {kept[path][what]!r}, "
                                  f"not {value!r}")
        return differ
