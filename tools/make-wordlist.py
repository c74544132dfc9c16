#!/usr/bin/env python3
"""Regenerates resources/biblewords.txt, the game's word list, and
resources/bibleverses.txt, one verse for every word of it.

The words come from the World English Bible as Debian ships it for SWORD
(package sword-text-web, module engWEB2015eb), dumped with mod2imp from
libsword-utils:

  * the 66 books of the Protestant canon (the module's deuterocanonical
    books are skipped);
  * verse text only: book and chapter introductions (verse 0 entries),
    footnotes, cross references, editorial section titles and the speaker
    labels of the Song of Solomon are dropped; the psalm superscriptions,
    which the module marks as canonical text, are kept;
  * whole words only: a word is a run of letters, and an apostrophe
    (typographic or plain) between two letters belongs to the word. A
    possessive ("barber's") counts as its word (BARBER); every other word
    with an apostrophe ("wasn't", "Tze'va'ot") is left out, and so is a
    word with a letter outside A to Z;
  * upper-cased, of 4 to 9 letters, sorted by byte value, without
    duplicates, each line ended by CR LF.

The verse file holds one line per listed word, in word-list order, ended by
LF: the word, a tab, the verse's reference ("John 11:35"), a tab, and the
verse's text as UTF-8 (the text the words were taken from, its spaces
collapsed). The verse of a word is the shortest verse in which it occurs as
a whole word; of verses of the same length, the first in canonical order.

Usage: tools/make-wordlist.py [wordlist [verses]]
           (default: resources/biblewords.txt resources/bibleverses.txt)
       tools/make-wordlist.py --check   (compare with the committed files)
Running it twice gives the same bytes.
"""
import collections
import os
import re
import subprocess
import sys

MODULE = "engWEB2015eb"

# The module's names for the 66 books, as mod2imp prints them in its
# English locale, in canonical order.
CANON = [
    "Genesis", "Exodus", "Leviticus", "Numbers", "Deuteronomy", "Joshua",
    "Judges", "Ruth", "I Samuel", "II Samuel", "I Kings", "II Kings",
    "I Chronicles", "II Chronicles", "Ezra", "Nehemiah", "Esther", "Job",
    "Psalms", "Proverbs", "Ecclesiastes", "Song of Solomon", "Isaiah",
    "Jeremiah", "Lamentations", "Ezekiel", "Daniel", "Hosea", "Joel", "Amos",
    "Obadiah", "Jonah", "Micah", "Nahum", "Habakkuk", "Zephaniah", "Haggai",
    "Zechariah", "Malachi",
    "Matthew", "Mark", "Luke", "John", "Acts", "Romans", "I Corinthians",
    "II Corinthians", "Galatians", "Ephesians", "Philippians", "Colossians",
    "I Thessalonians", "II Thessalonians", "I Timothy", "II Timothy", "Titus",
    "Philemon", "Hebrews", "James", "I Peter", "II Peter", "I John", "II John",
    "III John", "Jude", "Revelation of John",
]
assert len(CANON) == 66

KEY = re.compile(r"^(.+) (\d+):(\d+)$")
# Elements whose whole content is not verse text. None of them nests in
# itself in this module; the non-greedy match stops at its own end tag.
DROPPED = re.compile(
    r"<note\b[^>]*>.*?</note>"
    r"|<speaker\b[^>]*>.*?</speaker>"
    r"|<title\b(?![^>]*canonical=\"true\")[^>]*>.*?</title>",
    re.S)
# A book's closing marker: anything after it in the same entry (the
# glossary after the last verse of Revelation) belongs to no verse.
BOOK_END = re.compile(r"<div\b[^>]*\beID=\"[^\"]*\"[^>]*type=\"book\"[^>]*/>")
# Tags that break the text (paragraphs, poetry lines, titles, list items)
# stand for a space; every other tag (a word's markup, a quotation, a name)
# stands for nothing.
BREAK_TAG = re.compile(r"</?(?:div|l|lb|lg|list|item|title|chapter|milestone)\b[^>]*>")
TAG = re.compile(r"<[^>]*>")
SPACE_BEFORE_STOP = re.compile(r" +(?=[,.;:!?])")

APOSTROPHES = "'\u2019"
# A run of letters, with an apostrophe wherever one stands between two
# letters.
WORD = re.compile(r"[^\W\d_]+(?:[%s][^\W\d_]+)*" % APOSTROPHES)
POSSESSIVE = re.compile(r"^([^%s]+)[%s][sS]$" % (APOSTROPHES, APOSTROPHES))
PLAIN = re.compile(r"^[A-Za-z]+$")
MIN_LETTERS, MAX_LETTERS = 4, 9


def dump_module():
    env = dict(os.environ, LC_ALL="C", LANG="C", LANGUAGE="")
    try:
        out = subprocess.run(["mod2imp", MODULE], check=True, env=env,
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    except FileNotFoundError:
        sys.exit("make-wordlist: mod2imp not found; install libsword-utils "
                 "and sword-text-web")
    except subprocess.CalledProcessError as e:
        sys.exit("make-wordlist: mod2imp %s failed: %s"
                 % (MODULE, e.stderr.decode("utf-8", "replace").strip()))
    return out.stdout.decode("utf-8")


def verses(dump):
    """Yields (book, chapter, verse, markup) for every entry of the dump."""
    key, body = None, []
    for line in dump.split("\n"):
        if line.startswith("$$$"):
            if key is not None:
                yield key + ("\n".join(body),)
            m = KEY.match(line[3:])
            key = (m.group(1), int(m.group(2)), int(m.group(3))) if m else ("", 0, 0)
            body = []
        elif key is not None:
            body.append(line)
    if key is not None:
        yield key + ("\n".join(body),)


def verse_text(markup):
    """The readable text of a verse's markup, on one line."""
    end = BOOK_END.search(markup)
    if end:
        markup = markup[:end.start()]
    markup = DROPPED.sub(" ", markup)
    markup = BREAK_TAG.sub(" ", markup)
    text = " ".join(TAG.sub("", markup).split())
    # A dropped footnote leaves a space before the punctuation after it.
    return SPACE_BEFORE_STOP.sub("", text)


def whole_words(text):
    """The words of a text that the list can hold, upper-cased, in order."""
    for m in WORD.finditer(text):
        word = m.group(0)
        possessive = POSSESSIVE.match(word)
        if possessive:
            word = possessive.group(1)
        if PLAIN.match(word) and MIN_LETTERS <= len(word) <= MAX_LETTERS:
            yield word.upper()


def reference(book, chapter, verse):
    """The usual English reference: "1 Samuel 3:4", "Psalm 23:1"."""
    numeral, _, rest = book.partition(" ")
    if numeral in ("I", "II", "III") and rest:
        book = "%d %s" % (len(numeral), rest)
    book = {"Psalms": "Psalm", "Revelation of John": "Revelation"}.get(book, book)
    return "%s %d:%d" % (book, chapter, verse)


def canon_verses(dump):
    """(reference, text) of every verse of the 66 books, in canonical order."""
    canon = {book: i for i, book in enumerate(CANON)}
    found = []
    for book, chapter, verse, markup in verses(dump):
        if book not in canon or chapter == 0 or verse == 0:
            continue
        found.append((canon[book], chapter, verse, book, markup))
    missing = sorted(set(CANON) - {v[3] for v in found}, key=canon.get)
    if missing:
        sys.exit("make-wordlist: books missing from the module dump: "
                 + ", ".join(missing))
    found.sort(key=lambda v: v[:3])
    return [(reference(book, chapter, verse), verse_text(markup))
            for _, chapter, verse, book, markup in found]


def word_verses(verse_list):
    """{word: (reference, text)}: each word's shortest verse, the first of
    equal ones in the order given."""
    chosen = {}
    for ref, text in verse_list:
        for word in set(whole_words(text)):
            best = chosen.get(word)
            if best is None or len(text) < len(best[1]):
                chosen[word] = (ref, text)
    return chosen


def word_list_bytes(words):
    return b"".join(w.encode("ascii") + b"\r\n" for w in words)


def verse_file_bytes(words, chosen):
    return b"".join(("%s\t%s\t%s\n" % (w, chosen[w][0], chosen[w][1])).encode("utf-8")
                    for w in words)


def build(dump):
    """The bytes of the word list and of the verse file, and the words."""
    chosen = word_verses(canon_verses(dump))
    words = sorted(chosen, key=lambda w: w.encode("ascii"))
    return word_list_bytes(words), verse_file_bytes(words, chosen), words


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    targets = [os.path.join(root, "resources", "biblewords.txt"),
               os.path.join(root, "resources", "bibleverses.txt")]
    args = sys.argv[1:]
    check = "--check" in args
    args = [a for a in args if a != "--check"]
    targets[:len(args)] = args[:2]
    word_bytes, verse_bytes, listed = build(dump_module())
    counts = collections.Counter(len(w) for w in listed)
    summary = "%d words: %s" % (len(listed), ", ".join(
        "%d of %d letters" % (counts[n], n) for n in range(MIN_LETTERS, MAX_LETTERS + 1)))
    status = 0
    for target, data in zip(targets, (word_bytes, verse_bytes)):
        if check:
            try:
                with open(target, "rb") as f:
                    same = f.read() == data
            except OSError:
                same = False
            print(("%s is up to date (%s)" if same else "%s differs from a fresh run (%s)")
                  % (target, summary))
            status = status or (0 if same else 1)
            continue
        tmp = target + ".tmp"
        with open(tmp, "wb") as f:
            f.write(data)
        os.replace(tmp, target)
        print("%s: %d bytes, %s" % (target, len(data), summary))
    return status


if __name__ == "__main__":
    sys.exit(main())
