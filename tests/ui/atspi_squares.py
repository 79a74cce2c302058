"""Finds the duel's squares by name through AT-SPI, as a screen reader does.

Run by atspi_squares.sh with the game already started: the title's "ゲーム説明" button is pressed
through its accessible action, and the tutorial's board must then be a list named "盤" of the 13
squares of the diamond, each named "<column>列<row>行：...", which follow the cards as the
tutorial places them (its button pressed through AT-SPI as well).
"""
import re
import sys
import time

import pyatspi


def wait_for(what, find, timeout=30):
    end = time.time() + timeout
    while time.time() < end:
        try:
            found = find()
        except Exception:  # the tree changes under us while windows open
            found = None
        if found:
            return found
        time.sleep(0.3)
    sys.exit(f"atspi: no {what} within {timeout} s")


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == name:
            return app
    return None


def descendants(acc, depth=0):
    if acc is None or depth > 15:
        return
    yield acc
    for i in range(acc.childCount):
        yield from descendants(acc.getChildAtIndex(i), depth + 1)


def first(app, role, name):
    for acc in descendants(app):
        if acc.getRoleName() == role and acc.name == name:
            return acc
    return None


def main():
    app = wait_for("application korvane", lambda: application("korvane"))
    rules = wait_for("button ゲーム説明", lambda: first(app, "push button", "ゲーム説明"))
    action = rules.queryAction()
    action.doAction(0)

    def squares():
        # The board's own items; a widget lying on the board may come before them.
        board = first(app, "list", "盤")
        if board is None:
            return None
        items = [board.getChildAtIndex(i) for i in range(board.childCount)]
        items = [i for i in items if i is not None and i.getRoleName() == "list item"]
        return items if len(items) == 13 else None

    names = [square.name for square in wait_for("board of 13 squares", squares)]
    pattern = re.compile(r"^[1-5]列[1-5]行：")
    bad = [n for n in names if not pattern.match(n)]
    if bad:
        sys.exit(f"atspi: squares without their names: {bad}")
    if not any(n.startswith("3列3行：") for n in names):
        sys.exit("atspi: no square 3列3行")
    print("atspi: the board's squares:", " / ".join(names))

    def placed():
        now = [square.name for square in squares() or []]
        return [n for n in now if "あなたの" in n.split("、")[0] or "相手の" in n.split("、")[0]]

    def go_on():
        # The tutorial places its cards as its button "ふむふむ" is pressed.
        found = placed()
        if not found:
            button = first(app, "push button", "ふむふむ")
            if button is not None:
                button.queryAction().doAction(0)
        return found

    cards = wait_for("card on the board", go_on, timeout=60)
    print("atspi: a card placed by the tutorial:", cards[0])


if __name__ == "__main__":
    main()
