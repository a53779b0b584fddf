#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
# SPDX-License-Identifier: MIT

# Walks the running gallery over AT-SPI, page by page and through every dialog its page buttons
# open, and reports operable controls that a screen reader cannot announce, and presses, toggles
# and selections made through AT-SPI that do not take. One line per failure; exits 1 on any.
import argparse, collections, re, sys, time
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


def descendants(node):
    state = node.getState()
    if not state.contains(pyatspi.STATE_SHOWING):
        return
    yield node
    if node.getRole() not in OPAQUE:
        for child in node:
            if child is not None:
                yield from descendants(child)


def act(node, name):
    a = node.queryAction()
    for i in range(a.nActions):
        if a.getName(i) == name:
            return a.doAction(i)
    raise LookupError(name)


def windows(app):
    return [w for w in app if w is not None and w.getState().contains(pyatspi.STATE_SHOWING)]


def snapshot(app, page):
    # What a reader could notice changing: the page's texts and the windows shown.
    return [n.name for n in descendants(page) if n.getRole() == pyatspi.ROLE_LABEL], len(windows(app))


def radio_group(radio, root):
    # The radios of the nearest container below root that holds more than this one: a tile's
    # radio sits alone in its tile, the tiles in their chooser.
    node = radio.parent
    while node is not None and node != root:
        group = [n for n in descendants(node) if n.getRole() == pyatspi.ROLE_RADIO_BUTTON]
        if len(group) > 1:
            return group
        node = node.parent
    return [radio]


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


class Checker:
    def __init__(self, language, app):
        self.language, self.app, self.failed = language, app, 0
        self.done = collections.Counter()

    def fail(self, where, what):
        print('a11y: FAIL %s [%s] %s: %s' % (self.language, self.title, where, what))
        self.failed += 1

    def walk(self, node, where):
        for path, check in faults(node, where):
            self.fail(path, check)

    def dialog(self, window):
        self.done['dialogs'] += 1
        where = '%s "%s"' % (window.getRoleName(), window.name)
        for pattern, check in BAD_NAMES:
            if pattern.search(window.name or ''):
                self.fail(where, 'window title: %s' % check)
        # The gallery's second page opens message boxes, which readers announce as alerts.
        if self.row == 1 and window.getRole() != pyatspi.ROLE_ALERT:
            self.fail(where, 'a message box with the role %s' % window.getRoleName())
        self.walk(window, where)
        self.toggles(window, where)
        # The icon-only close button of a frameless dialog comes last; stock dialogs end with Cancel.
        buttons = [n for n in descendants(window) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and 'Press' in actions(n)]
        for button in reversed(buttons):
            try:
                act(button, 'Press')
            except Exception:
                pass  # the window went while its buttons were read
            if wait(lambda: window not in windows(self.app), 3):
                return
        self.fail(where, 'no button closes it')

    def press(self, page, node, where):
        self.done['presses'] += 1
        before = snapshot(self.app, page)
        shown = windows(self.app)
        act(node, 'Press')
        if not wait(lambda: snapshot(self.app, page) != before, 3):
            self.fail(where, 'Press "%s": nothing reacts' % node.name)
            return
        for window in windows(self.app):
            if window not in shown:
                try:
                    self.dialog(window)
                except Exception as e:  # a dialog that closes itself may go half-way
                    if window in windows(self.app):
                        self.fail(where, 'reading its dialog: %s' % e)

    def toggles(self, root, where):
        for node in list(descendants(root)):
            role, here = node.getRole(), '%s %s "%s"' % (where, node.getRoleName(), node.name)
            if 'Toggle' not in actions(node) or node.getState().contains(pyatspi.STATE_DEFUNCT):
                continue
            if role == pyatspi.ROLE_RADIO_BUTTON and not checked(node):
                group = radio_group(node, root)
                if len(group) < 2:
                    continue  # a lone tile: its owner decides what a click does
                act(node, 'Toggle')
                self.done['toggles'] += 1
                if not wait(lambda: checked(node) and sum(map(checked, group)) == 1, 3):
                    self.fail(here, 'Toggle: %d of %d checked, this one %s'
                              % (sum(map(checked, group)), len(group), 'too' if checked(node) else 'not'))
            elif role in (pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TOGGLE_BUTTON):
                was = checked(node)
                act(node, 'Toggle')
                self.done['toggles'] += 1
                if not wait(lambda: checked(node) != was, 3):
                    self.fail(here, 'Toggle leaves it %s' % ('checked' if was else 'unchecked'))
                # A password field's show toggle: the field is masked exactly while it is unchecked.
                texts = (pyatspi.ROLE_TEXT, pyatspi.ROLE_PASSWORD_TEXT)
                field = node.parent if node.parent.getRole() in texts else \
                    pyatspi.findDescendant(node.parent, lambda n: n.getRole() in texts)
                boxes = [n for n in node.parent if n is not None and n.getRole() == role]
                if field is not None and len(boxes) == 1 and (field.getRole() == pyatspi.ROLE_PASSWORD_TEXT) == checked(node):
                    self.fail(here, 'the field is %s while the toggle says %s'
                              % ('masked' if checked(node) else 'shown', 'shown' if checked(node) else 'hidden'))

    def selects(self, page):
        for combo in [n for n in descendants(page) if n.getRole() == pyatspi.ROLE_COMBO_BOX]:
            items = combo[0] if combo.childCount else None
            if items is None or items.childCount < 2 or not combo.getState().contains(pyatspi.STATE_ENABLED):
                continue
            target = items[items.childCount - 1]
            if target.name == combo.name:
                target = items[0]
            # As a reader does: open the list, then click the entry where the reader says it is
            # (Qt 5's lists offer no Selection, and a selected cell is no current entry). The list
            # may still be being placed when it says it is showing: a miss is tried again.
            self.done['selections'] += 1
            for attempt in range(3):
                act(combo, 'Press')
                if not wait(lambda: items.getState().contains(pyatspi.STATE_SHOWING), 3):
                    self.fail('combo-box "%s"' % combo.name, 'Press does not open its list')
                    break
                time.sleep(0.3)
                # Its row, across from the box's own middle: the list is at least as wide as the box.
                box = target.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                own = combo.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                pyatspi.Registry.generateMouseEvent(own.x + own.width // 2, box.y + box.height // 2, 'b1c')
                if wait(lambda: combo.name == target.name, 2):
                    break
            else:
                self.fail('combo-box "%s"' % combo.name, 'selecting "%s" leaves "%s"' % (target.name, combo.name))

    def page(self, page):
        self.walk(page, '')
        for node in list(descendants(page)):
            role = node.getRole()
            pressable = 'Press' in actions(node) and node.getState().contains(pyatspi.STATE_FOCUSABLE)
            if pressable and (role == pyatspi.ROLE_LABEL or (role == pyatspi.ROLE_PUSH_BUTTON and (
                    node.parent == page or any(c.getRole() == pyatspi.ROLE_LABEL and c.name == node.name for c in node)))):
                self.press(page, node, '%s "%s"' % (node.getRoleName(), node.name))
        self.toggles(page, '')
        self.selects(page)


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
    checker = Checker(args.language, app)
    for row in range(pages.childCount):
        checker.title, checker.row = pages[row].name, row
        select(pages, row)
        stack = pyatspi.findDescendant(window, lambda n: n.getRole() == pyatspi.ROLE_LAYERED_PANE)
        page = wait(lambda: stack and stack.childCount > row and stack[row].getState().contains(pyatspi.STATE_SHOWING) and stack[row], 5)
        if not page:
            checker.fail('-', 'selecting the page through AT-SPI does not show it')
            continue
        checker.page(page)
    done = ', '.join('%d %s' % (n, what) for what, n in sorted(checker.done.items()))
    print('a11y: %s: %d pages, %s, %d failures' % (args.language, pages.childCount, done, checker.failed))
    return 1 if checker.failed else 0


if __name__ == '__main__':
    sys.exit(main())
