#!/usr/bin/env python3
"""Builds the Lexavar dictionary (main.dic, end.mdl, types.chn and README)
from the compiled OpenCorpora dictionary in az 0.2.3's dicts/ folder.

    python3 tools/dictgen/dictgen.py --az <dicts folder> --out data

(tools/dictgen/generate.sh fetches the package and runs exactly this.)

How a source lexeme becomes dictionary lines:
- A source word is prefix + stem + suffix of one form of its paradigm. The
  forms without prefix make one main.dic entry (stem, paradigm, lemma code)
  whose paradigm lists their endings and form codes; the normal form is the
  stem and the ending of form 0.
- Forms with the prefix "по" or "наи" (comparatives such as «побольше»,
  superlatives such as «наибольший») cannot be forms of an entry whose normal
  form lacks the prefix, so they become words of their own: an entry with the
  stem prefix + stem, whose normal form is the first of those forms (by
  grammar.normal_form_rank: standard spelling, nominative, singular first).
- Forms of another lexeme class than the normal form (grammar.lexeme_class:
  patronymics among a first name's forms, ordinals among a numeral's,
  abbreviations) are split off the same way, with the normal form chosen
  the same way.
- Within a paradigm the items are sorted by ending, so that the analysis,
  which takes only the first run of an ending, reaches every reading.
- The analysed text has ё turned into е, so every ending with ё is also
  listed with е (the normal-form item then in its е spelling), and every stem
  with ё gets a second entry spelled with е.
- Attributes that every form of a lexeme shares (gender, animacy, aspect,
  transitivity) and the type code travel in the lemma code; the form codes
  carry the rest. Lemma-code lines follow all form-code lines in types.chn,
  so the library lays their digits over the form's.

Exit status 0 on success; 1 with a message on stderr when the source cannot
be read or the result would not fit the file layouts.
"""

import argparse
import collections
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import azdicts  # noqa: E402
import grammar  # noqa: E402

YO, YE = 0xB8, 0xE5  # ё and е in Windows-1251
FIELD = 200  # stem and normal form fields of a variant, NUL included

# Two-byte codes: form codes start with a small Cyrillic letter, lemma codes
# with a capital one, so the two sets never meet. No byte is a blank, "x" or
# a line end, which the types.chn reader would misread.
_SMALL = bytes(range(0xE0, 0x100))
_CAPITAL = bytes(range(0xC0, 0xE0))


class GenerationError(Exception):
    pass


def code_alphabet(first):
    return [bytes((a, b)) for a in first for b in _SMALL + _CAPITAL]


def cp1251(text):
    try:
        return text.encode("cp1251")
    except UnicodeEncodeError:
        raise GenerationError("not representable in Windows-1251: %r" % text)


def yo_to_ye(b):
    return b.replace(bytes((YO,)), bytes((YE,)))


def usable_stem(b):
    """A stem the analysis can match: no small Latin letter (the analysis
    gives such words no reading), no "q" (the trie's end marker), no blank or
    control byte (the line layout), and short enough for the fields."""
    if len(b) >= FIELD:
        return False
    return not any(c <= 0x20 or 0x61 <= c <= 0x7A for c in b)


class Shape:
    """What one group of a source paradigm's forms (one prefix, one class)
    turns into: paradigm items and the lemma attributes."""

    def __init__(self, key, paradigm, forms):
        """forms: the group's form indexes in source order. The normal form
        is form 0 for the group that holds it, else the form that ranks
        first by grammar.normal_form_rank."""
        self.key = key
        if forms[0] == 0:
            first = 0
        else:
            first = min(forms, key=lambda f: (grammar.normal_form_rank(paradigm.tags[f]), f))
            forms = [first] + [f for f in forms if f != first]
        self.type = grammar.type_code(paradigm.tags[first])
        digits = {f: grammar.form_digits(paradigm.tags[f]) for f in forms}
        self.lemma = [0] * 13
        for slot in grammar.LEMMA_SLOTS:
            i = slot - 2
            values = {d[i] for d in digits.values()}
            if len(values) == 1 and 0 not in values:
                self.lemma[i] = values.pop()
                for d in digits.values():
                    d[i] = 0
        # Items as (ending, digits, number, order); order keeps the source's
        # form order among equal endings.
        items = []
        seen = {}
        for f in forms:
            key = (cp1251(paradigm.suffixes[f]), tuple(digits[f]))
            if key in seen:
                continue
            seen[key] = len(items)
            items.append([key[0], key[1], 0 if f == first else f, (f, 0)])
        for item in list(items):
            if YO not in item[0]:
                continue
            key = (yo_to_ye(item[0]), item[1])
            normal = item[2] == 0
            if key in seen:
                if normal:
                    items[seen[key]][2] = 0
                    item[2] = len(paradigm)
                continue
            seen[key] = len(items)
            items.append([key[0], key[1], item[2], (item[3][0], 1)])
            if normal:
                item[2] = len(paradigm)
        items.sort(key=lambda it: (it[0], it[3]))
        self.items = [(e, d, n) for e, d, n, _ in items]
        self.normal_ending = next(e for e, _, n in self.items if n == 0)


def build(source, log):
    shapes = {}  # (paradigm number, group) -> Shape
    groups = {}  # paradigm number -> per form its group (prefix, class)

    def group_of(p):
        g = groups.get(p)
        if g is None:
            par = source.paradigms[p]
            g = groups[p] = [(par.prefixes[f], grammar.lexeme_class(par.tags[f])) for f in range(len(par))]
            if g[0][0]:
                raise GenerationError("paradigm %d: form 0 has a prefix" % p)
        return g

    def shape(p, group):
        key = (p, group)
        if key not in shapes:
            par = source.paradigms[p]
            forms = [f for f, g in enumerate(group_of(p)) if g == group]
            shapes[key] = Shape(key, par, forms)
        return shapes[key]

    stats = collections.Counter()
    lexemes = set()
    prefix_bytes = {p: cp1251(p) for p in azdicts.PREFIXES}
    suffix_cache = {}
    for word, p, f in source.forms():
        stats["source forms"] += 1
        par = source.paradigms[p]
        prefix = par.prefixes[f]
        suffix = suffix_cache.get(par.suffixes[f])
        if suffix is None:
            suffix = suffix_cache[par.suffixes[f]] = cp1251(par.suffixes[f])
        pb = prefix_bytes[prefix]
        if not word.startswith(pb) or not word.endswith(suffix) or len(word) < len(pb) + len(suffix):
            raise GenerationError("word %r does not fit form %d of paradigm %d" % (word, f, p))
        stem = word[len(pb) : len(word) - len(suffix)]
        group = group_of(p)[f]
        if prefix:
            stats["source forms with a prefix"] += 1
        elif group != group_of(p)[0]:
            stats["source forms split off their lemma"] += 1
        lexemes.add((pb + stem, p, group))

    entries = []  # (stem, shape, lemma key)
    for stem, p, group in lexemes:
        s = shape(p, group)
        if not usable_stem(stem) or len(stem) + max(len(e) for e, _, _ in s.items) >= FIELD:
            stats["lexemes left out (Latin, blank or overlong)"] += 1
            continue
        lemma = (s.type, tuple(s.lemma))
        entries.append((stem, s, lemma))
        stats["lexemes"] += 1
        if group[0]:
            stats["lexemes of prefixed forms"] += 1
        elif group != group_of(p)[0]:
            stats["lexemes split off their lemma"] += 1
        if YO in stem:
            entries.append((yo_to_ye(stem), s, lemma))
            stats["stems with ё, added in е"] += 1
        if stem == b"" or (YO in stem and yo_to_ye(stem) == b""):
            stats["entries with an empty stem"] += 1

    # Codes: digit strings sorted, then numbered along the code alphabet.
    form_digit_sets = sorted({d for s in shapes.values() for _, d, _ in s.items})
    lemma_keys = sorted({lemma for _, _, lemma in entries})
    form_alphabet, lemma_alphabet = code_alphabet(_SMALL), code_alphabet(_CAPITAL)
    if len(form_digit_sets) > len(form_alphabet) or len(lemma_keys) > len(lemma_alphabet):
        raise GenerationError("too many distinct codes: %d form, %d lemma" % (len(form_digit_sets), len(lemma_keys)))
    form_code = dict(zip(form_digit_sets, form_alphabet))
    lemma_code = dict(zip(lemma_keys, lemma_alphabet))

    # Paradigm lines, shared by every shape that yields the same text.
    line_of_shape = {}
    for key, s in shapes.items():
        parts = []
        for ending, digits, number in s.items:
            parts.append(b"%s %s %d " % (ending, form_code[digits], number))
        line_of_shape[key] = b"".join(parts)
    use = collections.Counter(line_of_shape[s.key] for _, s, _ in entries)
    lines = sorted(use, key=lambda t: (-use[t], t))
    number_of_line = {t: i for i, t in enumerate(lines)}

    dic = sorted(
        {
            (stem, number_of_line[line_of_shape[s.key]], lemma_code[lemma])
            for stem, s, lemma in entries
        }
    )
    stats["main.dic lines"] = len(dic)
    stats["end.mdl lines"] = len(lines)
    stats["form codes"] = len(form_code)
    stats["lemma codes"] = len(lemma_code)

    types = []
    for digits in form_digit_sets:
        types.append(_types_line(form_code[digits], None, digits))
    for t, digits in lemma_keys:
        types.append(_types_line(lemma_code[(t, digits)], t, digits))
    for key, value in stats.items():
        log("%s: %d" % (key, value))
    return dic, lines, types, stats


def _types_line(code, type_code, digits):
    head = "00" if type_code is None else "%02d" % type_code
    attributes = head + "".join(str(d) for d in digits)
    text = grammar.describe(type_code, digits)
    if "x" in text or " " in text:
        raise GenerationError("description %r would break the types layout" % text)
    return code + b" " + cp1251(text) + b" x" + attributes.encode("ascii")


def write(out, dic, lines, types):
    os.makedirs(out, exist_ok=True)

    def put(name, rows):
        path = os.path.join(out, name)
        tmp = path + ".tmp"
        with open(tmp, "wb") as f:
            for row in rows:
                f.write(row + b"\n")
        os.replace(tmp, path)
        return os.path.getsize(path)

    sizes = {
        "main.dic": put("main.dic", (b"%s %d %s" % row for row in dic)),
        "end.mdl": put("end.mdl", lines),
        "types.chn": put("types.chn", types),
    }
    return sizes


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--az", required=True, help="the dicts/ folder of az 0.2.3")
    ap.add_argument("--out", required=True, help="folder to write the dictionary to")
    args = ap.parse_args(argv)
    log = lambda s: print(s, flush=True)  # noqa: E731
    try:
        source = azdicts.Source(args.az)
        dic, lines, types, stats = build(source, log)
        sizes = write(args.out, dic, lines, types)
    except (azdicts.FormatError, GenerationError) as e:
        print("dictgen: %s" % e, file=sys.stderr)
        return 1
    for name, size in sizes.items():
        log("%s: %d bytes" % (name, size))
    import readme

    readme.write(os.path.join(args.out, "README"), stats, sizes)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
