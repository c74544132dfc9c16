#!/usr/bin/env python3
"""Regenerates resources/biblewords.txt, the game's word list.

The words come from the World English Bible as Debian ships it for SWORD
(package sword-text-web, module engWEB2015eb), dumped with mod2imp from
libsword-utils:

  * the 66 books of the Protestant canon (the module's deuterocanonical
    books are skipped);
  * verse text only: book and chapter introductions (verse 0 entries),
    footnotes, cross references, editorial section titles and the speaker
    labels of the Song of Solomon are dropped; the psalm superscriptions,
    which the module marks as canonical text, are kept;
  * every maximal run of ASCII letters, upper-cased, of 4 to 9 letters;
  * sorted by byte value, without duplicates, each line ended by CR LF.

Usage: tools/make-wordlist.py [output]   (default: resources/biblewords.txt)
       tools/make-wordlist.py --check    (compare with the committed file)
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
TAG = re.compile(r"<[^>]*>")
LETTERS = re.compile(r"[A-Za-z]+")


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
    end = BOOK_END.search(markup)
    if end:
        markup = markup[:end.start()]
    markup = DROPPED.sub(" ", markup)
    # Every remaining tag stands between words, never inside one.
    return TAG.sub(" ", markup)


def words(dump):
    canon = set(CANON)
    seen_books = set()
    found = set()
    for book, chapter, verse, markup in verses(dump):
        if book not in canon or chapter == 0 or verse == 0:
            continue
        seen_books.add(book)
        for run in LETTERS.findall(verse_text(markup)):
            if 4 <= len(run) <= 9:
                found.add(run.upper())
    missing = [b for b in CANON if b not in seen_books]
    if missing:
        sys.exit("make-wordlist: books missing from the module dump: "
                 + ", ".join(missing))
    return sorted(found, key=lambda w: w.encode("ascii"))


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    target = os.path.join(root, "resources", "biblewords.txt")
    args = sys.argv[1:]
    check = "--check" in args
    args = [a for a in args if a != "--check"]
    if args:
        target = args[0]
    listed = words(dump_module())
    data = b"".join(w.encode("ascii") + b"\r\n" for w in listed)
    counts = collections.Counter(len(w) for w in listed)
    summary = "%d words: %s" % (len(listed), ", ".join(
        "%d of %d letters" % (counts[n], n) for n in range(4, 10)))
    if check:
        with open(target, "rb") as f:
            same = f.read() == data
        print(("%s is up to date (%s)" if same else "%s differs from a fresh run (%s)")
              % (target, summary))
        return 0 if same else 1
    tmp = target + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, target)
    print("%s: %d bytes, %s" % (target, len(data), summary))
    return 0


if __name__ == "__main__":
    sys.exit(main())
