"""Unit tests of the generator's paradigm building, on hand-made paradigms
(the whole source is checked by lexavar-dictcheck)."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import azdicts  # noqa: E402
import dictgen  # noqa: E402
import grammar  # noqa: E402


def paradigm(rows):
    """rows: (suffix, tag, prefix)."""
    return azdicts.Paradigm([r[0] for r in rows], [r[1] for r in rows], [r[2] for r in rows])


MAMA = paradigm(
    [
        ("а", "NOUN,anim,femn sing,nomn", ""),
        ("ы", "NOUN,anim,femn sing,gent", ""),
        ("е", "NOUN,anim,femn sing,datv", ""),
        ("у", "NOUN,anim,femn sing,accs", ""),
        ("е", "NOUN,anim,femn sing,loct", ""),
        ("ы", "NOUN,anim,femn plur,nomn", ""),
    ]
)


class ShapeTest(unittest.TestCase):
    def test_equal_endings_stand_together_in_source_order(self):
        s = dictgen.Shape(("mama", ""), MAMA, list(range(len(MAMA))))
        endings = [e.decode("cp1251") for e, _, _ in s.items]
        self.assertEqual(endings, sorted(endings))
        cases = [d[grammar.CASE - 2] for e, d, _ in s.items if e == "е".encode("cp1251")]
        self.assertEqual(cases, [3, 6])
        self.assertEqual([n for _, _, n in s.items].count(0), 1)

    def test_shared_lexeme_attributes_move_to_the_lemma(self):
        s = dictgen.Shape(("mama", ""), MAMA, list(range(len(MAMA))))
        self.assertEqual(s.type, 1)
        self.assertEqual(s.lemma[grammar.GENDER - 2], 2)
        self.assertEqual(s.lemma[grammar.ANIMACY - 2], 1)
        self.assertTrue(all(d[grammar.GENDER - 2] == 0 for _, d, _ in s.items))

    def test_yo_endings_also_stand_in_ye_with_the_normal_form_in_ye(self):
        p = paradigm(
            [
                ("ё", "NOUN,inan,neut sing,nomn", ""),
                ("я", "NOUN,inan,neut sing,gent", ""),
                ("ём", "NOUN,inan,neut sing,ablt", ""),
            ]
        )
        s = dictgen.Shape(("bytie", ""), p, [0, 1, 2])
        endings = {e.decode("cp1251"): n for e, _, n in s.items}
        self.assertEqual(set(endings), {"ё", "е", "я", "ём", "ем"})
        self.assertEqual(endings["е"], 0)
        self.assertNotEqual(endings["ё"], 0)
        self.assertEqual(s.normal_ending, "е".encode("cp1251"))

    def test_prefixed_group_has_its_first_form_as_normal_form(self):
        p = paradigm(
            [
                ("ий", "ADJF,Qual masc,sing,nomn", ""),
                ("ий", "ADJF,Supr,Qual masc,sing,nomn", "наи"),
                ("его", "ADJF,Supr,Qual masc,sing,gent", "наи"),
            ]
        )
        s = dictgen.Shape(("x", "наи"), p, [1, 2])
        self.assertEqual(s.normal_ending, "ий".encode("cp1251"))
        self.assertEqual(s.type, 5)

    def test_split_group_prefers_standard_nominative_singular(self):
        p = paradigm(
            [
                ("од", "NOUN,inan,masc sing,nomn", ""),
                ("г", "NOUN,inan,masc,Abbr plur,gent", ""),
                ("", "NOUN,inan,masc,Abbr,V-be sing,nomn", ""),
                ("", "NOUN,inan,masc,Abbr sing,nomn", ""),
            ]
        )
        s = dictgen.Shape(("g", ""), p, [1, 2, 3])
        # Form 3, not the variant form 2 nor the plural form 1, is the normal
        # form; form 2 reads the same and is not listed twice.
        self.assertEqual([(e, n) for e, _, n in s.items], [(b"", 0), ("г".encode("cp1251"), 1)])

class GrammarTest(unittest.TestCase):
    def test_type_codes(self):
        table = [
            ("NOUN,inan,masc sing,nomn", 1),
            ("NOUN,anim,femn,Name sing,nomn", 3),
            ("NOUN,anim,masc,Sgtm,Surn sing,nomn", 4),
            ("NOUN,anim,masc,Patr sing,nomn", 4),
            ("NOUN,inan,femn,Sgtm,Geox sing,nomn", 23),
            ("ADJF,Apro masc,sing,nomn", 21),
            ("ADJF,Qual masc,sing,nomn", 5),
            ("COMP,Qual", 5),
            ("INFN,perf,intr", 7),
            ("VERB,impf,intr,Impe sing,pres,indc", 0),
            ("PREP", 2),
            ("NPRO,1per sing,nomn", 20),
        ]
        for tag, code in table:
            self.assertEqual(grammar.type_code(tag), code, tag)

    def test_linked_words_get_their_own_class(self):
        self.assertNotEqual(grammar.lexeme_class("NOUN,anim,masc,Name sing,nomn"),
                            grammar.lexeme_class("NOUN,anim,masc,Patr sing,nomn"))
        self.assertNotEqual(grammar.lexeme_class("NUMR,Qual nomn"),
                            grammar.lexeme_class("ADJF,Anum masc,sing,nomn"))
        self.assertEqual(grammar.lexeme_class("INFN,perf,tran"),
                         grammar.lexeme_class("PRTF,perf,tran,past,actv masc,sing,nomn"))
        self.assertEqual(grammar.lexeme_class("ADJF,Qual masc,sing,nomn"), grammar.lexeme_class("COMP,Qual"))


if __name__ == "__main__":
    unittest.main()
