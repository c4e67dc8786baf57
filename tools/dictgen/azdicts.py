"""Reader of the compiled OpenCorpora dictionary shipped in the dicts/ folder
of the npm package az 0.2.3.

Only three of its files are read:

words.dawg
    A dawgdic automaton: a little-endian uint32 count of units, the units
    (uint32 each), a uint32 count of guide entries, then two bytes per guide
    entry (label of the first child, label of the next sibling). Every key is
    a lower-case word in Windows-1251 (with its ё), the byte 0x01 and four
    payload bytes, which give a paradigm number and a form index.
paradigms.array
    Little-endian uint16: the number of paradigms, then for each its length
    3N followed by N suffix ids, N tag ids and N prefix ids.
suffixes.json, gramtab-opencorpora-int.json
    The suffix strings and the tag strings those ids index.

The reader raises FormatError on anything that does not fit these layouts
instead of returning partial data.
"""

import json
import os
import struct

# The prefix ids of paradigms.array index this list.
PREFIXES = ("", "по", "наи")

_SEPARATOR = 0x01
_PAYLOAD_BYTES = 4


class FormatError(Exception):
    """The dictionary files do not have the layout this reader expects."""


class Dawg:
    """A dawgdic automaton with its guide, walked key by key."""

    def __init__(self, data):
        if len(data) < 4:
            raise FormatError("words.dawg: file too short")
        (count,) = struct.unpack_from("<I", data, 0)
        end = 4 + 4 * count
        if end + 4 > len(data):
            raise FormatError("words.dawg: unit table truncated")
        self.units = struct.unpack_from("<%dI" % count, data, 4)
        (guide_count,) = struct.unpack_from("<I", data, end)
        if guide_count != count or end + 4 + 2 * guide_count > len(data):
            raise FormatError("words.dawg: guide table does not match the units")
        self.guide = data[end + 4 : end + 4 + 2 * guide_count]

    def _child(self, index, label):
        """The node reached from index by label, or -1."""
        unit = self.units[index]
        nxt = index ^ ((unit >> 10) << ((unit & 0x200) >> 6)) ^ label
        if nxt >= len(self.units) or (self.units[nxt] & 0x800000FF) != label:
            return -1
        return nxt

    def _has_leaf(self, index):
        return (self.units[index] >> 8) & 1

    def _children(self, index):
        """(label, node) of every child of index, in guide order."""
        label = self.guide[2 * index]
        while label:
            node = self._child(index, label)
            if node < 0:
                raise FormatError("words.dawg: guide names a missing child")
            yield label, node
            label = self.guide[2 * node + 1]

    def _payloads(self, index, memo):
        """Every payload completing the key below the separator node index.

        Many words share their payload sets, and the automaton shares the
        nodes that hold them, so the sets are kept per node."""
        found = memo.get(index)
        if found is not None:
            return found
        found = []
        stack = [(index, b"")]
        while stack:
            node, acc = stack.pop()
            if len(acc) == _PAYLOAD_BYTES:
                if self._has_leaf(node):
                    found.append(acc)
                continue
            for label, child in self._children(node):
                stack.append((child, acc + bytes((label,))))
        found.reverse()
        memo[index] = found
        return found

    def keys(self):
        """Yields (word bytes, payload bytes) for every key."""
        memo = {}
        stack = [(0, b"")]
        while stack:
            node, word = stack.pop()
            children = list(self._children(node))
            for label, child in reversed(children):
                if label == _SEPARATOR:
                    for payload in self._payloads(child, memo):
                        yield word, payload
                else:
                    stack.append((child, word + bytes((label,))))


def decode_payload(payload):
    """(paradigm number, form index) of one key's four payload bytes."""
    b0, b1, b2, b3 = payload
    return ((b0 ^ 1) << 6) + (b1 >> 1), ((b2 ^ 1) << 6) + (b3 >> 1)


class Paradigm:
    """One paradigm: per form its suffix, tag and prefix (strings)."""

    __slots__ = ("suffixes", "tags", "prefixes")

    def __init__(self, suffixes, tags, prefixes):
        self.suffixes = suffixes
        self.tags = tags
        self.prefixes = prefixes

    def __len__(self):
        return len(self.suffixes)


def read_paradigms(data, suffixes, tags):
    if len(data) < 2:
        raise FormatError("paradigms.array: file too short")
    (count,) = struct.unpack_from("<H", data, 0)
    pos = 2
    result = []
    for number in range(count):
        if pos + 2 > len(data):
            raise FormatError("paradigms.array: truncated at paradigm %d" % number)
        (length,) = struct.unpack_from("<H", data, pos)
        pos += 2
        if length % 3 or pos + 2 * length > len(data):
            raise FormatError("paradigms.array: bad length of paradigm %d" % number)
        ids = struct.unpack_from("<%dH" % length, data, pos)
        pos += 2 * length
        n = length // 3
        try:
            result.append(
                Paradigm(
                    [suffixes[i] for i in ids[:n]],
                    [tags[i] for i in ids[n : 2 * n]],
                    [PREFIXES[i] for i in ids[2 * n :]],
                )
            )
        except IndexError:
            raise FormatError("paradigms.array: id out of range in paradigm %d" % number)
    if pos != len(data):
        raise FormatError("paradigms.array: trailing bytes")
    return result


class Source:
    """The whole source dictionary: paradigms and the word keys."""

    def __init__(self, folder):
        def read(name):
            path = os.path.join(folder, name)
            try:
                with open(path, "rb") as f:
                    return f.read()
            except OSError as e:
                raise FormatError("cannot read %s: %s" % (path, e.strerror))

        try:
            suffixes = json.loads(read("suffixes.json").decode("utf-8"))
            tags = json.loads(read("gramtab-opencorpora-int.json").decode("utf-8"))
        except ValueError as e:
            raise FormatError("malformed JSON: %s" % e)
        self.paradigms = read_paradigms(read("paradigms.array"), suffixes, tags)
        self.dawg = Dawg(read("words.dawg"))

    def forms(self):
        """Yields (word bytes, paradigm number, form index) for every key."""
        for word, payload in self.dawg.keys():
            paradigm, form = decode_payload(payload)
            if paradigm >= len(self.paradigms) or form >= len(self.paradigms[paradigm]):
                raise FormatError("words.dawg: key %r points past its paradigm" % word)
            yield word, paradigm, form
