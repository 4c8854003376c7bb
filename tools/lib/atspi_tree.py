"""Prints what a screen reader finds of a program over the accessibility bus (AT-SPI).

Usage: atspi_tree.py APPLICATION [SECONDS]
Waits up to SECONDS (10) for the application to show a window, then prints each of its
objects on one line, indented by depth: role, name in quotes, then what else a reader says
of it: "desc=" its description, "text=" the text of a field that holds one, "value=", the
states that matter ([selected], [focused], [checked], [offscreen], [disabled]), its actions
with their keys ("actions=Press(Ctrl+M)") and the label it is labelled by. Exit status 1 when
the application never showed up.
"""
import sys
import time

import pyatspi


def find_application(name, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name and app.childCount > 0:
                return app
        time.sleep(0.2)
    return None


def states_of(node):
    states = node.getState()
    said = []
    for state, word in ((pyatspi.STATE_SELECTED, "selected"), (pyatspi.STATE_FOCUSED, "focused"),
                        (pyatspi.STATE_CHECKED, "checked"), (pyatspi.STATE_PRESSED, "pressed")):
        if states.contains(state):
            said.append(word)
    if not states.contains(pyatspi.STATE_SHOWING):
        said.append("offscreen")
    if not states.contains(pyatspi.STATE_ENABLED):
        said.append("disabled")
    return said


def line_of(node):
    parts = [node.getRoleName(), '"%s"' % node.name]
    if node.description:
        parts.append('desc="%s"' % node.description)
    try:
        text = node.queryText()
        if node.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY):
            parts.append('text="%s"' % text.getText(0, -1))
    except NotImplementedError:
        pass
    try:
        parts.append("value=%g" % node.queryValue().currentValue)
    except NotImplementedError:
        pass
    parts.extend("[%s]" % state for state in states_of(node))
    try:
        action = node.queryAction()
        names = ["%s(%s)" % (action.getName(i), action.getKeyBinding(i))
                 if action.getKeyBinding(i) else action.getName(i)
                 for i in range(action.nActions)]
        if names:
            parts.append("actions=" + ",".join(names))
    except NotImplementedError:
        pass
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            parts.append('labelled-by="%s"' % relation.getTarget(0).name)
    return " ".join(parts)


def dump(node, depth):
    print("  " * depth + line_of(node))
    for child in node:
        if child is not None:
            dump(child, depth + 1)


def main():
    name = sys.argv[1]
    seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 10
    app = find_application(name, seconds)
    if app is None:
        print("atspi_tree: no application %s on the accessibility bus" % name, file=sys.stderr)
        return 1
    dump(app, 0)
    return 0


if __name__ == "__main__":
    sys.exit(main())
