# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Questions about what is not on the table, asked straight over the accessibility bus."""

from gi.repository import Gio, GLib

from harness import accessibility_bus, check


def check_bounds(app, table, scores, stock, game):
    """Asks for what is not there, straight over the bus as any client may, and checks the
    game answers harmlessly and lives on."""
    bus = accessibility_bus()
    name = app.app.bus_name

    def call(accessible, interface, method, signature, *args):
        try:
            reply = bus.call_sync(name, accessible.path, "org.a11y.atspi." + interface, method,
                                  GLib.Variant(signature, args) if signature else None,
                                  None, 0, 5000)
            answer = repr(reply.unpack())
        except GLib.Error as error:
            answer = "error " + (Gio.DBusError.get_remote_error(error) or error.message)
        print(f"  {interface}.{method}{args} -> {answer}")
        check(game.poll() is None, f"the game died on {method}{args}")
        return answer

    print("bounds:")
    stock_before = stock.description
    answers = [
        call(scores, "Table", "GetRowDescription", "(i)", 99),
        call(scores, "Table", "GetRowDescription", "(i)", -1),
        call(scores, "Table", "GetColumnDescription", "(i)", -1),
        call(scores, "Table", "GetColumnDescription", "(i)", 2),
        call(scores, "Table", "GetAccessibleAt", "(ii)", 99, 99),
        call(scores, "Table", "GetColumnExtentAt", "(ii)", 99, 99),
        call(scores, "Table", "GetRowExtentAt", "(ii)", -1, 0),
        call(scores, "Table", "GetIndexAt", "(ii)", 99, 99),
        call(scores, "Table", "GetRowHeader", "(i)", 99),
        call(scores, "Table", "GetColumnHeader", "(i)", -1),
        call(scores, "Table", "IsSelected", "(ii)", 99, -1),
        call(scores, "Table", "GetRowColumnExtentsAtIndex", "(i)", 99),
        call(scores, "Table", "GetRowAtIndex", "(i)", 9999),
        call(scores, "Accessible", "GetChildAtIndex", "(i)", 9999),
        call(table, "Accessible", "GetChildAtIndex", "(i)", 9999),
        call(table, "Accessible", "GetChildAtIndex", "(i)", -1),
        call(table, "Component", "GetAccessibleAtPoint", "(iiu)", -5000, -5000, 0),
        call(stock, "Action", "DoAction", "(i)", 99),
        call(stock, "Action", "DoAction", "(i)", -1),
        call(stock, "Action", "GetName", "(i)", 99),
    ]
    check(answers[0] == "('',)" and answers[2] == "('',)", "no description for no row or column")
    check(answers[5] == "(0,)" and answers[6] == "(0,)", "no cell spans nothing")
    check(all(answer.startswith("error") for answer in answers[-3:]), "no action 99 or -1")
    check(table.name == "Card table" and table.childCount > 0, "the game still answers")
    check(stock.description == stock_before, "a refused action turned nothing")

