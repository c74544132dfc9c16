"""A screen reader's view of the game over the AT-SPI bus.

    client.py buttons   finds the nine letters, enters a word of the puzzle
                        through the letter buttons' press actions, and reads
                        back the score, the count and the revealed word
    client.py typed     the same word typed with real key events (XTest)

The word is worked out from the word list beside the game, as a player
would: the tree itself must never name a word that has not been found.
Exit status 0 on success, 1 on a failure (printed).
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

FOLDER = os.environ["LUMORA_FOLDER"]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message)
    return condition


def pump(seconds):
    end = time.time() + seconds
    context = GLib.MainContext.default()
    while time.time() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(what, seconds=15.0):
    end = time.time() + seconds
    while time.time() < end:
        value = what()
        if value:
            return value
        pump(0.1)
    return what()


def walk(acc, depth=0):
    if acc is None or depth > 40:
        return
    yield acc
    for i in range(acc.childCount):
        yield from walk(acc.getChildAtIndex(i), depth + 1)


def window():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None or "lumora" not in (app.name or "").lower():
            continue
        for w in app:
            if w is not None and w.name.startswith("Lumora"):
                return w
    return None


def tree(root):
    return list(walk(root))


def states(acc):
    return acc.getState()


def is_checked(acc):
    return states(acc).contains(pyatspi.STATE_CHECKED)


def do_action(acc, name):
    action = acc.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == name.lower():
            return action.doAction(i)
    raise AssertionError("%s has no action %s" % (acc.name, name))


def letter_buttons(root):
    """The buttons of the cross: named by one letter (nothing before the
    first puzzle)."""
    return [a for a in tree(root)
            if a.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON) and len(a.name) <= 1]


def by_description(root, description):
    return next((a for a in tree(root) if a.description == description), None)


def fits(word, letters):
    if letters[0] not in word:
        return False
    places = list(letters)
    for ch in word:
        if ch not in places:
            return False
        places[places.index(ch)] = " "
    return True


def potential_words(letters):
    with open(os.path.join(FOLDER, "biblewords.txt"), encoding="latin-1") as f:
        words = [line.strip() for line in f if line.strip()]
    return [w for w in words if fits(w, letters)]


def puzzle(root):
    """The nine letters, crossing first, and the letter buttons in order."""
    buttons = letter_buttons(root)
    check(len(buttons) == 9, "nine letter buttons, found %d" % len(buttons))
    centre = [b for b in buttons if b.description == "center letter"]
    check(len(centre) == 1, "one letter button is described as the center letter")
    letters = centre[0].name + "".join(b.name for b in buttons if b is not centre[0])
    return letters, buttons


def plain_word(words):
    """A word none of whose beginnings is a potential word (it would be
    accepted first and clear the entry)."""
    found = set(words)
    for w in sorted(set(words), key=lambda w: (len(w), w)):
        if not any(w[:k] in found for k in range(1, len(w))):
            return w
    return None


def start_puzzle(root):
    new_puzzle = next((a for a in tree(root) if a.name == "New Puzzle"), None)
    if not check(new_puzzle is not None, "a button named New Puzzle"):
        return None
    do_action(new_puzzle, "Press")
    if not check(wait_for(lambda: [len(b.name) for b in letter_buttons(root)] == [1] * 9),
                 "after New Puzzle every letter button is named by one letter"):
        return None
    letters, buttons = puzzle(root)
    words = potential_words(letters)
    word = plain_word(words)
    check(word is not None, "the puzzle %s has a word to enter" % letters)
    return letters, words, word


def check_list(root, words, revealed):
    word_list = next((a for a in tree(root) if a.getRole() == pyatspi.ROLE_LIST
                      and a.name == "Potential Words"), None)
    if not check(word_list is not None, "a list named Potential Words"):
        return
    items = [word_list.getChildAtIndex(i).name for i in range(word_list.childCount)]
    check(len(items) == len(words), "the list has %d items, one per potential word (%d)" % (len(items), len(words)))
    hidden = ["hidden word, %d letters" % len(w) for w in sorted(words, key=len, reverse=True)
              if w not in revealed]
    check(sorted(i for i in items if i.startswith("hidden word")) == sorted(hidden),
          "the starred rows are spoken by their lengths only")
    for w in revealed:
        check(w in items, "the found word %s is a list item" % w)
    # Nothing anywhere in the tree names a word that has not been found.
    unfound = set(words) - set(revealed)
    named = {a.name for a in tree(root)}
    leaked = sorted(unfound & named)
    check(not leaked, "no unfound word is named in the tree (leaked: %s)" % leaked[:5])
    check(not any(n.startswith(("Words: ", "Passes: ", "Possible Words: ")) for n in named),
          "the hidden data labels are not in the tree")


def buttons_mode(root):
    for name, role in (("Close", pyatspi.ROLE_PUSH_BUTTON), ("Minimize", pyatspi.ROLE_PUSH_BUTTON),
                       ("Play Sounds", pyatspi.ROLE_CHECK_BOX), ("Clear Word", pyatspi.ROLE_PUSH_BUTTON)):
        check(any(a.name == name and a.getRole() == role for a in tree(root)),
              "a %s named %s" % (role, name))
    combo = next((a for a in tree(root) if a.getRole() == pyatspi.ROLE_COMBO_BOX), None)
    if check(combo is not None, "a combo box for the theme"):
        check(combo.description == "Theme" and combo.name in
              ("Luna", "Moonlight", "Obsidian", "Blue", "Chrome", "Olive", "Silver", "Sandy", "Flat"),
              "the combo box is named by the theme shown (%s)" % combo.name)

    heard = []
    pyatspi.Registry.registerEventListener(lambda e: heard.append(e.source), "object:property-change:accessible-name")

    started = start_puzzle(root)
    if not started:
        return
    letters, words, word = started
    print("puzzle", letters, "word", word, "of", len(words))
    check_list(root, words, [])
    for ch in word:
        up = [b for b in letter_buttons(root) if b.name == ch and not is_checked(b)]
        if not check(up, "an up button shows %s" % ch):
            return
        before = sum(is_checked(b) for b in letter_buttons(root))
        do_action(up[0], "Press")
        wait_for(lambda: sum(is_checked(b) for b in letter_buttons(root)) != before, 5)
    score = by_description(root, "Score")
    count = by_description(root, "Words found")
    check(wait_for(lambda: score.name == str(len(word))), "the score reads %d (%s)" % (len(word), score.name))
    check(count.name == "1", "the count of words found reads 1 (%s)" % count.name)
    check(not any(is_checked(b) for b in letter_buttons(root)), "every letter button is up after the word")
    check_list(root, words, [word])
    pump(1.0)
    names = set()
    for source in heard:
        try:
            names.add((source.description, source.name))
        except Exception:
            pass
    check(("Score", str(len(word))) in names, "the score's new name was announced (heard %s)" % sorted(names)[:8])
    check(any(n == word for _, n in names), "the revealed word was announced")


def typed_mode(root):
    started = start_puzzle(root)
    if not started:
        return 1
    letters, words, word = started
    current = by_description(root, "Current word")
    title = window().name
    found = subprocess.run(["xdotool", "search", "--name", "^" + title + "$"], capture_output=True, text=True)
    ids = found.stdout.split()
    if not check(ids, "xdotool finds the window %r" % title):
        return 1
    subprocess.run(["xdotool", "windowfocus", "--sync", ids[0]], check=False)
    pump(0.3)
    subprocess.run(["xdotool", "type", "--delay", "120", word[0]], check=True)
    if not check(wait_for(lambda: current.name == word[0], 3), "a typed %s pressed its letter button" % word[0]):
        return 1
    subprocess.run(["xdotool", "type", "--delay", "120", word[1:]], check=True)
    score = by_description(root, "Score")
    check(wait_for(lambda: score.name == str(len(word))), "the typed word scored %d (%s)" % (len(word), score.name))
    check_list(root, words, [word])
    return 0


def main():
    mode = sys.argv[1]
    root = wait_for(window, 30)
    if not check(root is not None, "the game's window is on the accessibility bus"):
        return 1
    status = buttons_mode(root) if mode == "buttons" else typed_mode(root)
    if status == 77:
        return 77
    if failures:
        print("%d failure(s)" % len(failures))
        return 1
    print("OK")
    return 0


sys.exit(main())
