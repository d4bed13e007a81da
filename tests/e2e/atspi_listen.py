#!/usr/bin/python3
"""Reads the game's board over AT-SPI, as Orca does, and writes what it hears to OUT:
"cell INDEX NAME" for each cell of the board's table once it is found, then one line for each
event the board's cells send: "focus NAME", "name NAME", "description NAME: DESCRIPTION", and
"text Trace" when the trace panel's text changes.
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


def heard(event):
    source = event.source
    if source is not None and event.type.startswith("object:text-changed") and source.name == "Trace":
        out.write("text Trace\n")
    if source is None or source.getRoleName() != "table cell":
        return
    if event.type == "object:state-changed:focused" and event.detail1 == 1:
        out.write(f"focus {source.name}\n")
    elif event.type == "object:property-change:accessible-name":
        out.write(f"name {source.name}\n")
    elif event.type == "object:property-change:accessible-description":
        out.write(f"description {source.name}: {source.description}\n")


pyatspi.Registry.registerEventListener(
    heard, "object:state-changed:focused", "object:property-change:accessible-name",
    "object:property-change:accessible-description", "object:text-changed")
out.write("listening\n")
pyatspi.Registry.start()
