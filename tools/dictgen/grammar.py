"""The part-of-speech type codes and the attribute digits of the Lexavar
dictionary, computed from OpenCorpora tags.

An attribute string has 15 digits: two for the type code (attribute slot 1),
then one for each of the slots 2 to 14. data/README documents every value;
this module is where they are decided, and the README table is generated from
the same lists (see readme_tables) so the two cannot drift apart.
"""

# Slot numbers as the library's readers name them.
GENDER, NUMBER, CASE, ANIMACY, ADJ_FORM, TENSE, VERB_FORM, PERSON, VOICE, ASPECT, TRANSITIVITY, CLASS, USAGE = range(2, 15)

# Slots that belong to the lexeme rather than to one form when a lexeme's
# forms agree on them; they then travel in the lemma code. The subclass and
# usage marks are nearly always the lexeme's; leaving them in the form codes
# would multiply the form codes by their combinations.
LEMMA_SLOTS = (GENDER, ANIMACY, ASPECT, TRANSITIVITY, CLASS, USAGE)

SLOT_NAMES = {
    GENDER: "gender (GetRod)",
    NUMBER: "number (GetChislo)",
    CASE: "case (GetPadezh)",
    ANIMACY: "animacy (GetOdush)",
    ADJ_FORM: "adjective form (GetPril)",
    TENSE: "tense (GetVrem)",
    VERB_FORM: "verb form (GetGlag)",
    PERSON: "person (GetLico)",
    VOICE: "voice (GetDeist)",
    ASPECT: "aspect (GetVid)",
    TRANSITIVITY: "transitivity (GetPereh)",
    CLASS: "subclass (GetProch)",
    USAGE: "usage mark (GetProch2)",
}

# Per slot: (digit, OpenCorpora grammemes that give it, Russian label). The
# first row whose grammemes the tag carries wins, so the order is a priority.
# Labels stand in types.chn between the code and the "x" before the digits,
# so they are Cyrillic only (no Latin x, no blank).
_SLOT_VALUES = {
    GENDER: [
        (1, ("masc",), "м"),
        (2, ("femn",), "ж"),
        (3, ("neut",), "ср"),
        (4, ("Ms-f",), "мж"),
    ],
    NUMBER: [
        (1, ("sing",), "ед"),
        (2, ("plur",), "мн"),
    ],
    CASE: [
        (1, ("nomn",), "им"),
        (2, ("gent", "gen1"), "рд"),
        (3, ("datv",), "дт"),
        (4, ("accs", "acc2"), "вн"),
        (5, ("ablt",), "тв"),
        (6, ("loct", "loc1"), "пр"),
        (7, ("voct",), "зв"),
        (8, ("gen2",), "рд2"),
        (9, ("loc2",), "пр2"),
    ],
    ANIMACY: [
        (1, ("anim",), "од"),
        (2, ("inan",), "неод"),
        (3, ("Inmx",), "однеод"),
    ],
    ADJ_FORM: [
        (4, ("Supr",), "прев"),
        (1, ("ADJF", "PRTF"), "полн"),
        (2, ("ADJS", "PRTS"), "кр"),
        (3, ("COMP",), "сравн"),
    ],
    TENSE: [
        (1, ("past",), "прош"),
        (2, ("pres",), "наст"),
        (3, ("futr",), "буд"),
    ],
    VERB_FORM: [
        (2, ("impr",), "пов"),
        (1, ("VERB",), "изъяв"),
        (3, ("INFN",), "инф"),
        (4, ("PRTF", "PRTS"), "прич"),
        (5, ("GRND",), "деепр"),
    ],
    PERSON: [
        (1, ("1per", "incl"), "1л"),
        (2, ("2per", "excl"), "2л"),
        (3, ("3per",), "3л"),
    ],
    VOICE: [
        (1, ("actv",), "действ"),
        (2, ("pssv",), "страд"),
    ],
    ASPECT: [
        (1, ("perf",), "сов"),
        (2, ("impf",), "несов"),
    ],
    TRANSITIVITY: [
        (1, ("tran",), "перех"),
        (2, ("intr",), "неперех"),
    ],
    CLASS: [
        (1, ("Qual",), "кач"),
        (2, ("Apro",), "мест"),
        (3, ("Anum",), "порядк"),
        (4, ("Poss",), "притяж"),
        (5, ("Anph",), "анаф"),
        (6, ("Ques",), "вопр"),
        (7, ("Dmns",), "указ"),
        (8, ("Coll",), "собир"),
        (9, ("Prnt",), "вводн"),
    ],
    USAGE: [
        (1, ("Abbr",), "аббр"),
        (2, ("Init",), "инициал"),
        (3, ("Fixd",), "неизм"),
        (4, ("Sgtm",), "едт"),
        (5, ("Pltm",), "мнт"),
        (6, ("Infr", "Slng"), "разг"),
        (7, ("Arch", "Litr"), "устар"),
        (8, ("Erro", "Dist"), "искаж"),
        (9, ("V-ey", "V-oy", "V-ej", "V-be", "V-en", "V-ie", "V-bi", "V-sh", "Cmp2"), "вар"),
    ],
}

# Type codes: (code, Russian label, meaning, OpenCorpora rule).
TYPES = [
    (0, "проч", "not classified", "any lemma the rows below leave"),
    (1, "сущ", "common noun", "NOUN without Name, Surn, Patr, Geox, Orgn, Trad"),
    (2, "предл", "preposition", "PREP"),
    (3, "имя", "first name", "NOUN with Name"),
    (4, "фам", "surname or patronymic", "NOUN with Surn or Patr (and without Name)"),
    (5, "прил", "adjective", "ADJF without Apro, ADJS, COMP"),
    (7, "гл", "verb (all its forms: finite, infinitive, participles, gerunds)", "INFN"),
    (8, "нар", "adverb", "ADVB"),
    (9, "числ", "numeral", "NUMR"),
    (10, "предик", "predicative", "PRED"),
    (17, "союз", "conjunction", "CONJ"),
    (18, "част", "particle", "PRCL"),
    (19, "межд", "interjection", "INTJ"),
    (20, "мест", "pronoun", "NPRO"),
    (21, "местприл", "pronominal adjective", "ADJF with Apro"),
    (23, "геогр", "place or organisation name", "NOUN with Geox, Orgn or Trad (and without Name, Surn, Patr)"),
]
TYPE_LABELS = {code: label for code, label, _, _ in TYPES}

_SIMPLE_TYPES = {
    "PREP": 2,
    "ADJS": 5,
    "COMP": 5,
    "INFN": 7,
    "ADVB": 8,
    "NUMR": 9,
    "PRED": 10,
    "CONJ": 17,
    "PRCL": 18,
    "INTJ": 19,
    "NPRO": 20,
}


def grammemes(tag):
    """The grammemes of an OpenCorpora tag string such as
    "NOUN,anim,masc sing,nomn"; the part of speech comes first."""
    return tag.replace(" ", ",").split(",")


def type_code(lemma_tag):
    """The type code of a lexeme, from the tag of its normal form."""
    g = grammemes(lemma_tag)
    pos, marks = g[0], set(g[1:])
    if pos == "NOUN":
        if "Name" in marks:
            return 3
        if marks & {"Surn", "Patr"}:
            return 4
        if marks & {"Geox", "Orgn", "Trad"}:
            return 23
        return 1
    if pos == "ADJF":
        return 21 if "Apro" in marks else 5
    return _SIMPLE_TYPES.get(pos, 0)


_VERBAL = {"INFN", "VERB", "PRTF", "PRTS", "GRND"}
_ADJECTIVAL = {"ADJF", "ADJS", "COMP"}


def lexeme_class(tag):
    """Forms of one source lexeme that differ in this class are split into
    lexemes of their own, each with its own normal form.

    The source joins some words to another lemma: patronymics to the first
    name (иванович to иван), ordinals to the cardinal (первый to один),
    abbreviations to the full word and back (г to год, месяц to мес), and
    preposition variants to the preposition (во to в). The type codes treat
    patronymics and ordinals as words of their own (4 and 5), so they are
    split off. A verb keeps its participles and gerunds, an adjective its
    short, comparative and superlative forms."""
    g = grammemes(tag)
    pos, marks = g[0], set(g[1:])
    cls = "V" if pos in _VERBAL else "A" if pos in _ADJECTIVAL else pos
    for mark in ("Patr", "Anum", "Abbr", "Vpre"):
        if mark in marks:
            cls += "-" + mark
    return cls


_VARIANT_MARKS = {"Infr", "Slng", "Arch", "Erro", "Dist"}


def normal_form_rank(tag):
    """Orders the forms of a split-off or prefixed lexeme for the choice of
    its normal form, lowest first: a standard spelling before a variant
    (юрьевич before юриевич), the nominative (or a form without case) before
    the other cases, the singular (or a form without number) before the
    plural (г before гг)."""
    g = set(grammemes(tag))
    variant = any(m.startswith("V-") for m in g) or bool(g & _VARIANT_MARKS)
    cased = bool(g & {"gent", "datv", "accs", "ablt", "loct", "voct", "gen1", "gen2", "acc2", "loc1", "loc2"})
    plural = "plur" in g
    return (variant, cased, plural)


def form_digits(tag):
    """The 13 attribute digits (slots 2 to 14) of one form's tag."""
    g = set(grammemes(tag))
    digits = []
    for slot in range(GENDER, USAGE + 1):
        value = 0
        for digit, names, _ in _SLOT_VALUES[slot]:
            if g.intersection(names):
                value = digit
                break
        digits.append(value)
    return digits


def describe(type_digits, digits):
    """A Russian description of an attribute string for types.chn."""
    parts = []
    if type_digits is not None:
        parts.append(TYPE_LABELS[type_digits])
    for slot, value in zip(range(GENDER, USAGE + 1), digits):
        if value:
            parts.append(next(label for d, _, label in _SLOT_VALUES[slot] if d == value))
    return ",".join(parts) if parts else "-"


def readme_tables():
    """Markdown tables of every type code and attribute digit."""
    lines = ["| type code | label | lemma's part of speech | OpenCorpora |", "|---|---|---|---|"]
    for code, label, meaning, rule in TYPES:
        lines.append("| %d | %s | %s | %s |" % (code, label, meaning, rule))
    lines.append("")
    lines.append("| slot | digit | label | OpenCorpora grammemes |")
    lines.append("|---|---|---|---|")
    for slot in range(GENDER, USAGE + 1):
        lines.append("| %d %s | 0 | | none of the below |" % (slot, SLOT_NAMES[slot]))
        for digit, names, label in _SLOT_VALUES[slot]:
            lines.append("| | %d | %s | %s |" % (digit, label, ", ".join(names)))
    return "\n".join(lines)
