"""An assistive tool's view of the running program over AT-SPI (pyatspi):
finds the Yearnbox application and its table, prints what a screen reader
reads, then marks a row and sets a priority through the actions a
screen-reader user has. The calling script checks the saved profile.

Usage: grid_reader.py read | toggle ROW | rate ROW VALUE | press ROW | sort COLUMN |
       listen EVENT COMMAND... (the events heard while COMMAND runs, until EVENT) |
       walk (every showing control a screen reader cannot name or its user cannot see)
"""
import sys
import time

import pyatspi


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(100):
        for app in desktop:
            if app is not None and app.name.lower().startswith("yearnbox"):
                return app
        time.sleep(0.1)
    sys.exit("no Yearnbox application on the accessibility bus")


def table_of(node):
    # Breadth first, never into a table's cells.
    queue = [node]
    while queue:
        item = queue.pop(0)
        if item is None:
            continue
        if item.getRole() == pyatspi.ROLE_TABLE:
            return item
        queue.extend(item)
    sys.exit("no table in the Yearnbox window")


def cell(table, row, column):
    return table.queryTable().getAccessibleAt(row, column)


def column_of(table, name):
    grid = table.queryTable()
    for column in range(grid.nColumns):
        if grid.getColumnHeader(column).name == name:
            return column
    sys.exit("no column " + name)


def act(accessible, name):
    action = accessible.queryAction()
    for index in range(action.nActions):
        if action.getName(index) == name:
            action.doAction(index)
            return
    sys.exit("no action %s among %s" % (name, [action.getName(i) for i in range(action.nActions)]))


def extents(node):
    try:
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except NotImplementedError:
        return None
    return (box.x, box.y, box.x + box.width, box.y + box.height) if box.width > 0 else None


def walk():
    """Prints each control reported as showing that is focusable but has no
    name, or that lies wholly outside the control holding it; never into a
    table's cells, which the table answers for, nor into what is not showing
    (a closed drop-down's list), as a screen reader does not go there."""
    queue = [(node, None) for node in application()]
    while queue:
        node, outer = queue.pop(0)
        if node is None:
            continue
        states = node.getState()
        box = extents(node)
        if not states.contains(pyatspi.STATE_SHOWING):
            continue
        what = "%s %r" % (node.getRoleName(), node.name)
        if states.contains(pyatspi.STATE_FOCUSABLE) and not node.name.strip():
            print("nameless", what)
        if box and outer and (box[2] <= outer[0] or box[0] >= outer[2] or
                              box[3] <= outer[1] or box[1] >= outer[3]):
            print("showing but out of sight", what)
        if node.getRole() != pyatspi.ROLE_TABLE:
            queue.extend((child, box or outer) for child in node)


def listen(until, command):
    from gi.repository import GLib
    import subprocess

    heard = []
    kinds = {"object:state-changed:focused": "focus", "object:state-changed:checked": "checked",
             "object:property-change:accessible-name": "name",
             "object:property-change:accessible-value": "value"}

    def hear(event):
        kind = kinds.get(event.type)
        if kind and (kind != "focus" or event.detail1):
            heard.append("%s %s" % (kind, event.source.name))
            # What the same change tells after it has arrived too.
            if heard[-1] == until:
                GLib.timeout_add(500, pyatspi.Registry.stop)

    pyatspi.Registry.registerEventListener(hear, *kinds)
    # The program hears of a new listener a moment later.
    GLib.timeout_add(1000, lambda: subprocess.run(command) and False)
    GLib.timeout_add(20000, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    print("\n".join(heard))


def main():
    if sys.argv[1] == "listen":
        listen(sys.argv[2], sys.argv[3:])
        return
    if sys.argv[1] == "walk":
        walk()
        return
    table = table_of(application())
    grid = table.queryTable()
    command = sys.argv[1]
    if command == "read":
        print("rows", grid.nRows, "columns", grid.nColumns)
        print("headers", "|".join(grid.getColumnHeader(c).name for c in range(grid.nColumns)))
        for row in range(grid.nRows):
            print("row", row, "|".join(cell(table, row, c).name for c in range(grid.nColumns)))
    elif command == "toggle":
        act(cell(table, int(sys.argv[2]), column_of(table, "Marked")), "Toggle")
    elif command == "press":
        act(cell(table, int(sys.argv[2]), column_of(table, "Delete")), "Press")
    elif command == "sort":
        act(grid.getColumnHeader(column_of(table, sys.argv[2])), "Press")
    elif command == "rate":
        target = cell(table, int(sys.argv[2]), column_of(table, "Priority"))
        target.queryValue().currentValue = float(sys.argv[3])
        print(target.name)


main()
