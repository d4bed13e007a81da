#!/usr/bin/python3
"""Reads the game's board over AT-SPI, as Orca does, and writes what it hears to OUT:
"cell INDEX NAME" for each cell of the board's table once it is found, "probed N" once it has
called N table, table-cell and child methods with rows, columns and indexes out of range, then one
line for each
event: "focus NAME" when an object takes the focus, "name NAME" when a cell is renamed, "say TEXT"
when a notification shows, and "text Trace" when the trace panel's text changes.
Usage: atspi_listen.py OUT"""
import sys
import time

import pyatspi

out = open(sys.argv[1], "w", buffering=1)


def find_board():
    for _ in range(200):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None:
                continue
            board = pyatspi.findDescendant(
                app, lambda a: a is not None and a.getRoleName() == "table"
                and a.name == "Quandrel board")
            if board is not None:
                return board
        time.sleep(0.05)
    raise SystemExit("no table named Quandrel board on the accessibility bus")


board = find_board()
table = board.queryTable()
out.write(f"table {table.nRows} {table.nColumns}\n")
for row in range(table.nRows):
    for column in range(table.nColumns):
        out.write(f"cell {row * table.nColumns + column} {table.getAccessibleAt(row, column).name}\n")


def probe():
    """Calls what a client may call with what it should not pass; each answer is ignored."""
    outside = [-1, 4, 5, 9, 20, 1000, -2147483648, 2147483647]
    calls = [lambda r, c: table.getAccessibleAt(r, c), lambda r, c: table.getIndexAt(r, c),
             lambda r, c: table.getRowExtentAt(r, c), lambda r, c: table.getColumnExtentAt(r, c),
             lambda r, c: table.isSelected(r, c), lambda r, c: table.getRowAtIndex(r),
             lambda r, c: table.getColumnAtIndex(c), lambda r, c: table.getRowDescription(r),
             lambda r, c: table.getColumnDescription(c), lambda r, c: table.getRowHeader(r),
             lambda r, c: table.getColumnHeader(c), lambda r, c: table.isRowSelected(r),
             lambda r, c: table.isColumnSelected(c), lambda r, c: table.addRowSelection(r),
             lambda r, c: table.addColumnSelection(c), lambda r, c: table.removeRowSelection(r),
             lambda r, c: table.removeColumnSelection(c),
             lambda r, c: table.getRowColumnExtentsAtIndex(r * 5 + c),
             lambda r, c: board.getChildAtIndex(r * 5 + c),
             lambda r, c: board.queryComponent().getAccessibleAtPoint(r * 1000, c * 1000, 0)]
    count = 0
    for row in outside:
        for column in outside + [0]:
            for call in calls:
                try:
                    call(row, column)
                except Exception:
                    pass
                count += 1
    for cell in [table.getAccessibleAt(4, 0), table.getAccessibleAt(0, 5)]:
        for name in ["columnSpan", "rowSpan", "position", "table"]:
            try:
                getattr(cell.queryTableCell(), name)
            except Exception:
                pass
            count += 1
    out.write(f"probed {count}\n")


probe()


def heard(event):
    source = event.source
    if source is None:
        return
    if event.type.startswith("object:text-changed"):
        if source.name == "Trace":
            out.write("text Trace\n")
    elif event.type == "object:state-changed:focused":
        if event.detail1 == 1:
            out.write(f"focus {source.name}\n")
    elif event.type == "object:state-changed:showing":
        if event.detail1 == 1 and source.getRoleName() == "notification":
            out.write(f"say {source.name}\n")
    elif event.type == "object:property-change:accessible-name":
        if source.parent is not None and source.parent.name == "Quandrel board":
            out.write(f"name {source.name}\n")


pyatspi.Registry.registerEventListener(
    heard, "object:state-changed:focused", "object:state-changed:showing",
    "object:property-change:accessible-name", "object:text-changed")
out.write("listening\n")
pyatspi.Registry.start()
