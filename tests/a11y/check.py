#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
# SPDX-License-Identifier: MIT

# Walks the running gallery over AT-SPI, page by page, and reports operable controls that a
# screen reader cannot announce. One line per failure; exits 1 on any.
import argparse, re, sys, time
import pyatspi

BAD_NAMES = [(re.compile(r'STR_[A-Z0-9_]+'), 'name is a translation key'),
             (re.compile(r'^Q[A-Z][A-Za-z0-9]+$'), 'name is a class name'),
             (re.compile(r'^[a-z]+[A-Z_][A-Za-z0-9_]*$'), 'name is an object name')]
NO_ROLE = {pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_INVALID, pyatspi.ROLE_FILLER}
# Item views and combo lists are judged as a whole, not cell by cell.
OPAQUE = {pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_TREE, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TREE_TABLE}


def wait(condition, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    return None


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def actions(node):
    try:
        a = node.queryAction()
        return [a.getName(i) for i in range(a.nActions)]
    except NotImplementedError:
        return []


def select(view, row):
    # Through the view's Selection where it has one, else through the item's own action.
    try:
        view.querySelection().selectChild(row)
    except NotImplementedError:
        view[row].queryAction().doAction(0)


def operable(node, state):
    role = node.getRole()
    # Qt offers Increase/Decrease on any value, a progress bar's too, where they do nothing.
    if role == pyatspi.ROLE_PROGRESS_BAR and not state.contains(pyatspi.STATE_FOCUSABLE):
        return False
    # Qt's own colour wells (a stock QColorDialog's too) are fillers named by the label beside them.
    if role == pyatspi.ROLE_FILLER and node.name and node.childCount == 0:
        parent, index = node.parent, node.getIndexInParent()
        if index + 1 < parent.childCount and parent[index + 1].getRole() == pyatspi.ROLE_LABEL \
                and parent[index + 1].name == node.name:
            return False
    return state.contains(pyatspi.STATE_FOCUSABLE) or bool(actions(node))


def faults(node, path):
    state = node.getState()
    if not state.contains(pyatspi.STATE_SHOWING):
        return
    here = '%s/%s[%d]' % (path, node.getRoleName().replace(' ', '-'), node.getIndexInParent())
    if operable(node, state):
        name = node.name or ''
        if node.getRole() in NO_ROLE:
            yield here, 'no control role (%s)' % node.getRoleName()
        if not name.strip():
            yield here, 'empty name'
        for pattern, check in BAD_NAMES:
            if pattern.search(name):
                yield here, '%s "%s"' % (check, name)
    if node.getRole() in OPAQUE:
        return
    for child in node:
        if child is not None:
            yield from faults(child, here)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--language', required=True)
    parser.add_argument('--pid', type=int, required=True)
    args = parser.parse_args()
    app = wait(lambda: application(args.pid), 10)
    if app is None:
        print('a11y: %s: the gallery did not reach the accessibility bus' % args.language)
        return 3
    window = wait(lambda: app.childCount and app[0], 10)
    pages = pyatspi.findDescendant(window, lambda n: n.getRole() == pyatspi.ROLE_LIST and n.childCount > 2)
    failed = 0
    for row in range(pages.childCount):
        title = pages[row].name
        select(pages, row)
        stack = pyatspi.findDescendant(window, lambda n: n.getRole() == pyatspi.ROLE_LAYERED_PANE)
        page = wait(lambda: stack and stack.childCount > row and stack[row].getState().contains(pyatspi.STATE_SHOWING) and stack[row], 5)
        if not page:
            print('a11y: FAIL %s [%s] -: selecting the page through AT-SPI does not show it' % (args.language, title))
            failed += 1
            continue
        for path, check in faults(page, ''):
            print('a11y: FAIL %s [%s] %s: %s' % (args.language, title, path, check))
            failed += 1
    print('a11y: %s: %d pages, %d failures' % (args.language, pages.childCount, failed))
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
