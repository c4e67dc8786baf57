#pragma once
// The dictionary engine: the tables read from main.dic, end.mdl and
// types.chn, the stem trie over the dictionary, and the variant list that
// analyses append to.
//
// Layouts of the files (Windows-1251 text, lines end at LF, a CR before the LF
// is dropped, a NUL byte ends a line's content, tokens are separated by single
// blanks):
//   main.dic   "stem paradigm lemmacode" — one dictionary entry per line; the
//              0-based line number is the entry number GetID returns.
//   end.mdl    "ending code number ending code number ... " — one paradigm
//              per line, items as triples each followed by a blank (the blank
//              after the last number may be missing).
//   types.chn  "code description x<15 digits>" — the two-letter code and its
//              attribute string (type code in two digits, then 13 digits).
// Malformed lines keep their number and never match: a main.dic line with
// fewer than three tokens, an end.mdl line that is not a sequence of complete
// triples, a types.chn line without a blank, with a code longer than two
// bytes or an attribute string longer than 19 bytes. A paradigm number outside
// the paradigm table names a paradigm without items. main.dic need not be
// sorted: the engine orders the entries by stem itself.
//
// Words of more than kMaxWord bytes get no variant, and a variant whose
// normal form would be longer than kMaxWord bytes is not made: every variant
// fits the fixed fields of LexavarMorphVariant.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Segmenter.h"

namespace lexavar {

inline constexpr std::size_t kMaxWord = 199;
inline constexpr int kSlots = 14;

// A two-byte code (the bytes before a NUL, at most two) as a 16-bit key;
// kNoCode for a code longer than two bytes, which matches nothing.
using CodeKey = std::uint32_t;
inline constexpr CodeKey kNoCode = 0x10000;
CodeKey MakeCodeKey(std::string_view code);

struct TypeEntry {
    char code[3] = {};
    char attributes[20] = {};  // zero-padded
    CodeKey key = kNoCode;     // kNoCode for a malformed line
};

// The process-wide types table, filled once by the first Start that finds it
// empty.
class TypesTable {
  public:
    void Clear();
    void Add(const TypeEntry& entry);
    int count() const { return static_cast<int>(entries_.size()); }
    bool empty() const { return entries_.empty(); }
    const TypeEntry& entry(int k) const { return entries_[k]; }
    // Indexes of the entries with the given key, in table order (-1 ends).
    int First(CodeKey key) const;
    int Next(int k) const { return next_[k]; }

  private:
    std::vector<TypeEntry> entries_;
    std::vector<int> next_;
    std::vector<int> head_ = std::vector<int>(0x10000, -1);
    std::vector<int> tail_ = std::vector<int>(0x10000, -1);
};

TypesTable& ProcessTypes();

struct ParadigmItem {
    int formNumber = 0;
    std::string ending;
    char formCode[3] = {};
    CodeKey formKey = 0;
};

struct Paradigm {
    std::vector<ParadigmItem> items;
    // Ending of the last item with form number 0; empty when there is none.
    std::string normalEnding;
};

class DictEntry {
  public:
    virtual ~DictEntry() = default;
    virtual const char* Text() const { return stem.c_str(); }

    std::string stem;
    int paradigm = 0;
    char lemmaCode[3] = {};
    CodeKey lemmaKey = 0;
    bool wellFormed = false;
};

// One node of the stem trie. Its entries are order[begin .. end); those whose
// stem is exactly the path to this node come first (exactCount of them, in
// line order). Its children are nodes[firstChild .. firstChild + childCount),
// sorted by the byte that leads to them (childByte).
struct StemNode {
    std::uint32_t begin = 0;
    std::uint32_t end = 0;
    std::uint32_t exactCount = 0;
    std::uint32_t firstChild = 0;
    std::uint32_t childCount = 0;
};

// One reading of a word.
class MorphVariant : public TextItem {
  public:
    // The analysed word: case-folded for a dictionary reading, unchanged for
    // a pass-through.
    const char* Text() const override { return word.c_str(); }

    std::string word;
    int unitType = 2;
    int number = 0;
    int unitIndex = 0;
    int entry = -1;
    char formCode[3] = {};
    char lemmaCode[3] = {};
    std::string normalForm;
    int analysed = 1;
    int variantCount = 0;
    std::string_view stem;  // into the engine's dictionary, or empty
    short slots[kSlots] = {};
};

// Attribute slots of a form code and a lemma code, by one pass over the types
// table: the form code's string is copied, the lemma code's non-"0"
// characters are laid over it when the lemma's line comes later.
void DecodeAttributes(const TypesTable& types, CodeKey formKey, CodeKey lemmaKey,
                      short slots[kSlots]);

// Line readers, exposed for tests.
Paradigm ParseParadigmLine(std::string_view line);
DictEntry ParseDictLine(std::string_view line);
TypeEntry ParseTypeLine(std::string_view line);
// Reads the file's lines; false when it cannot be opened or read.
bool ReadLines(const char* path, std::vector<std::string>& lines);
// Number token: optionally signed decimal, stops at the first other byte,
// 0 when empty or not numeric (saturates instead of overflowing).
int ParseNumber(std::string_view token);

// Fills the process-wide table; false when the file cannot be read.
bool LoadTypes(const char* path, TypesTable& types);

class MorphEngine : public TextProcessor {
  public:
    // Reads the types table (when still empty), the paradigms and the
    // dictionary. Never fails: missing files leave their tables empty.
    MorphEngine(const char* dictionaryPath, const char* paradigmPath, const char* typesPath);

    // 0 when both main.dic and end.mdl could be read.
    int filesMissing() const { return filesMissing_; }

    // Appends the word's variants to the variant list (see the header).
    void AnalyseWord(std::string_view word, int unitIndex, int unitType);
    // First item of the paradigm whose ending is x, or -1; the normal-form
    // ending of the paradigm in normalEnding.
    // x is given by its id in the ending index (-1 when no paradigm has it).
    int FindEnding(int paradigm, int endingId, std::string_view& normalEnding) const;

    std::vector<MorphVariant>& variants() { return variants_; }
    const std::vector<MorphVariant>& variants() const { return variants_; }
    void ClearVariants();
    // Changes whenever the variant list changes; unique across engines.
    std::uint64_t generation() const { return generation_; }

    int entryCount() const { return static_cast<int>(entries_.size()); }
    int paradigmCount() const { return static_cast<int>(paradigms_.size()); }
    int nodeCount() const { return static_cast<int>(nodes_.size()); }
    std::size_t MemoryBytes() const;

  private:
    bool LoadParadigms(const char* path);
    bool LoadDictionary(const char* path);
    void BuildStemTrie();
    void BuildEndingIndex();
    void BuildGroupIndex();
    static std::uint64_t GroupKey(std::uint32_t node, int endingId) {
        return (static_cast<std::uint64_t>(node) << 32) | static_cast<std::uint32_t>(endingId);
    }
    static constexpr std::uint32_t kBigGroup = 8;
    int FindChild(std::uint32_t node, unsigned char byte) const;
    const short* Attributes(CodeKey formKey, CodeKey lemmaKey);

    // Distinct endings of all paradigms, each with an id: an open-addressing
    // table from the ending to its id; per id, a bitmap of the paradigms that
    // have the ending and the sorted (paradigm, first item) pairs.
    struct EndingSlot {
        std::uint32_t hash = 0;    // low bits of the ending's hash
        std::uint32_t offset = 0;  // ending in endingPool_
        std::uint32_t length = 0;
        std::int32_t id = -1;  // -1: empty slot
    };
    struct ParadigmFirst {
        std::uint32_t paradigm;
        std::int32_t item;
    };
    int EndingId(std::string_view x, std::uint64_t hash) const;
    int InsertEnding(std::string_view x, std::uint64_t hash);
    bool HasEnding(int endingId, std::uint32_t paradigm) const {
        return (paradigmBits_[endingId * bitWords_ + paradigm / 64] >> (paradigm % 64)) & 1;
    }

    struct AttributeCacheLine {
        std::uint64_t key = ~0ull;
        short slots[kSlots] = {};
    };

    std::vector<MorphVariant> variants_;
    std::uint64_t generation_ = 0;
    std::vector<DictEntry> entries_;
    std::vector<Paradigm> paradigms_;
    std::vector<std::uint32_t> order_;  // well-formed entries sorted by stem, then line
    // Paradigm number of each entry of order_, side by side for the walk
    // (numbers outside the paradigm table as kNoParadigm).
    std::vector<std::uint32_t> orderParadigm_;
    static constexpr std::uint32_t kNoParadigm = 0xFFFFFFFF;
    std::vector<StemNode> nodes_;  // nodes_[0] is the root
    std::vector<unsigned char> childByte_;
    std::uint32_t rootChild_[256] = {};  // 0: no child
    std::uint32_t cursor_ = 0;           // the node the current analysis is at
    std::string endingPool_;
    std::vector<EndingSlot> endingTable_;
    std::vector<std::uint32_t> endingListBegin_;  // per id, into endingLists_; one more at the end
    std::vector<ParadigmFirst> endingLists_;
    std::vector<std::uint64_t> paradigmBits_;
    // For nodes with at least kBigGroup exact entries: per (node, ending id)
    // the positions in order_ whose paradigm has the ending, in line order.
    std::unordered_map<std::uint64_t, std::pair<std::uint32_t, std::uint32_t>> groupMatches_;
    std::vector<std::uint32_t> groupPositions_;
    std::size_t bitWords_ = 0;
    std::size_t longestEnding_ = 0;
    std::vector<AttributeCacheLine> attributeCache_;
    int filesMissing_ = 2;
};

}  // namespace lexavar
