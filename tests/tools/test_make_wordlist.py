#!/usr/bin/env python3
"""The word-list tool on a short sample text: which runs of letters become
words, and which verse each word gets. Runs without the Bible module: the
sample is a dump in mod2imp's form."""
import importlib.util
import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
TOOL = os.path.join(HERE, "..", "..", "tools", "make-wordlist.py")
spec = importlib.util.spec_from_file_location("make_wordlist", TOOL)
tool = importlib.util.module_from_spec(spec)
spec.loader.exec_module(tool)


def entry(key, markup):
    return "$$$%s\n%s\n" % (key, markup)


def sample_dump():
    """A dump of every canonical book, a few verses with something to say,
    one filler verse for each other book, and entries the tool must skip."""
    special = {
        # Out of canonical order in the dump, to show the order is canon's.
        "Exodus 2:1": '<w lemma="x">Moses</w> <w>rested</w>.',
        "Genesis 1:1": '<w>Aaron</w> <w>rested</w>.',
        "Genesis 1:2": ('<div type="x-p" sID="p1"/><w>The</w> <w>barber’s</w> <w>razor</w> '
                        "<w>wasn’t</w> <w>sharp</w>; the potter's wheel didn't "
                        "turn<note placement=\"foot\">Hebrew: <w>turned</w></note>. "
                        "Tze’va’ot, café, rock-badger, the brothers’ ‘kings’ "
                        "<title type=\"x-gen\">Heading</title>"),
        "Genesis 1:3": ('<l sID="l1"/>Poetry line<l eID="l1"/><l sID="l2"/>Second line<l eID="l2"/> '
                        "Aaron rested, and Moses rested, and the razor rested."),
        "Genesis 1:0": "Introduction words nowhere else.",
        "Genesis 0:0": "Bookintro",
        "I Samuel 3:4": "Yahweh called Samuel.",
        "Psalms 23:1": '<title canonical="true">A Psalm by David.</title> Yahweh shepherds.',
        "Revelation of John 22:21": 'Grace. <div eID="b66" type="book"/>Glossary terms afterwards.',
        "Tobit 1:1": "Deuterocanonical tobitword.",
    }
    dump = "".join(entry(k, v) for k, v in special.items())
    named = {k.rsplit(" ", 1)[0] for k in special}
    for book in tool.CANON:
        if book not in named:
            dump += entry(book + " 1:1", "Filler text here.")
    return dump


class WholeWords(unittest.TestCase):
    def test_apostrophes_possessives_and_other_letters(self):
        text = ("The barber’s razor wasn’t sharp; the potter's wheel didn't turn. "
                "Tze’va’ot, café, rock-badger, the brothers’ ‘kings’ SHALL")
        self.assertEqual(list(tool.whole_words(text)),
                         ["BARBER", "RAZOR", "SHARP", "POTTER", "WHEEL", "TURN", "ROCK",
                          "BADGER", "BROTHERS", "KINGS", "SHALL"])

    def test_verse_text_is_the_readable_text(self):
        markup = ('<w>word</w><note placement="foot">a note</note>. <l sID="a"/>one<l eID="a"/>'
                  '<l sID="b"/>two<l eID="b"/> <w>Joseph</w>’s <q marker="">“<w>Go</w>!”</q>')
        self.assertEqual(tool.verse_text(markup), "word. one two Joseph’s “Go!”")

    def test_the_word_list_of_the_sample(self):
        words, _, listed = tool.build(sample_dump())
        self.assertEqual(listed, sorted(listed))
        for present in ["AARON", "BARBER", "RAZOR", "POTTER", "WHEEL", "TURN", "BADGER",
                        "BROTHERS", "KINGS", "POETRY", "LINE", "SECOND", "PSALM", "DAVID",
                        "GRACE", "FILLER", "TEXT", "HERE", "MOSES", "RESTED"]:
            self.assertIn(present, listed)
        # Contractions and their pieces, non-ASCII words, footnotes, titles,
        # introductions, text after a book's end and other books are out.
        for absent in ["WASN", "DIDN", "TZEVAOT", "CAFE", "CAF", "TURNED", "HEADING",
                       "INTRODUCTION", "BOOKINTRO", "GLOSSARY", "TOBITWORD", "LINESECOND"]:
            self.assertNotIn(absent, listed)
        self.assertTrue(words.startswith(b"AARON\r\nBADGER\r\nBARBER\r\n"))


class VerseChoice(unittest.TestCase):
    def test_the_shortest_verse_first_in_canonical_order(self):
        _, verses, listed = tool.build(sample_dump())
        lines = verses.decode("utf-8").split("\n")
        self.assertEqual(lines[-1], "", "every line ends in LF")
        table = {}
        for line in lines[:-1]:
            word, ref, text = line.split("\t")
            table[word] = (ref, text)
        self.assertEqual(sorted(table), listed, "one verse per listed word, in list order")
        self.assertEqual([l.split("\t")[0] for l in lines[:-1]], listed)
        # The shortest verse holding the word, of equal ones the first in
        # canonical order (Genesis before Exodus though Exodus came first).
        self.assertEqual(table["RESTED"], ("Genesis 1:1", "Aaron rested."))
        self.assertEqual(table["MOSES"], ("Exodus 2:1", "Moses rested."))
        self.assertEqual(table["RAZOR"][0], "Genesis 1:3")
        # A possessive's verse holds the word as written.
        self.assertEqual(table["BARBER"][0], "Genesis 1:2")
        self.assertIn("barber’s razor", table["BARBER"][1])
        # References as they are usually written.
        self.assertEqual(table["SAMUEL"][0], "1 Samuel 3:4")
        self.assertEqual(table["PSALM"], ("Psalm 23:1", "A Psalm by David. Yahweh shepherds."))
        self.assertEqual(table["GRACE"], ("Revelation 22:21", "Grace."))

    def test_the_same_bytes_every_run(self):
        self.assertEqual(tool.build(sample_dump())[:2], tool.build(sample_dump())[:2])


if __name__ == "__main__":
    unittest.main()
