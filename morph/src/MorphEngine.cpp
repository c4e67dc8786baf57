#include "MorphEngine.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <unordered_set>

namespace lexavar {
namespace {

std::uint64_t HashBytes(std::string_view s) {
    std::uint64_t h = 1469598103934665603ull;
    for (unsigned char ch : s) {
        h ^= ch;
        h *= 1099511628211ull;
    }
    return h;
}

// Generations are unique across engines, so that a copy made from a released
// engine is never taken for a copy of its successor.
std::uint64_t NextGeneration() {
    static std::uint64_t counter = 0;
    return ++counter;
}

// The bytes of a token up to its first NUL, at most two of them.
void CopyCode(std::string_view token, char out[3]) {
    out[0] = out[1] = out[2] = '\0';
    for (std::size_t k = 0; k < token.size() && k < 2 && token[k] != '\0'; ++k)
        out[k] = token[k];
}

}  // namespace

CodeKey MakeCodeKey(std::string_view code) {
    std::size_t n = code.find('\0');
    if (n == std::string_view::npos)
        n = code.size();
    if (n > 2)
        return kNoCode;
    CodeKey k = 0;
    if (n > 0)
        k |= static_cast<unsigned char>(code[0]);
    if (n > 1)
        k |= static_cast<CodeKey>(static_cast<unsigned char>(code[1])) << 8;
    return k;
}

int ParseNumber(std::string_view t) {
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        negative = t[i++] == '-';
    long long v = 0;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) {
        v = v * 10 + (t[i] - '0');
        if (v > INT_MAX)
            v = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        v = -v;
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return static_cast<int>(v);
}

bool ReadLines(const char* path, std::vector<std::string>& lines) {
    lines.clear();
    std::FILE* f = path ? std::fopen(path, "rb") : nullptr;
    if (!f)
        return false;
    std::string data;
    char chunk[1 << 16];
    bool failed = false;
    for (;;) {
        std::size_t got = std::fread(chunk, 1, sizeof chunk, f);
        data.append(chunk, got);
        if (got < sizeof chunk) {
            failed = std::ferror(f) != 0;
            break;
        }
    }
    std::fclose(f);
    if (failed)
        return false;
    std::size_t pos = 0;
    while (pos < data.size()) {
        std::size_t lf = data.find('\n', pos);
        const bool last = lf == std::string::npos;
        std::size_t end = last ? data.size() : lf;
        std::size_t cut = end;
        if (!last && cut > pos && data[cut - 1] == '\r')
            --cut;
        std::string_view line(data.data() + pos, cut - pos);
        std::size_t nul = line.find('\0');
        if (nul != std::string_view::npos)
            line = line.substr(0, nul);
        lines.emplace_back(line);
        pos = last ? data.size() : lf + 1;
    }
    return true;
}

// ---------------------------------------------------------------- types table

void TypesTable::Clear() {
    entries_.clear();
    next_.clear();
    std::fill(head_.begin(), head_.end(), -1);
    std::fill(tail_.begin(), tail_.end(), -1);
}

void TypesTable::Add(const TypeEntry& entry) {
    const int k = static_cast<int>(entries_.size());
    entries_.push_back(entry);
    next_.push_back(-1);
    if (entry.key >= kNoCode)
        return;
    if (tail_[entry.key] < 0)
        head_[entry.key] = k;
    else
        next_[tail_[entry.key]] = k;
    tail_[entry.key] = k;
}

int TypesTable::First(CodeKey key) const {
    return key < kNoCode ? head_[key] : -1;
}

TypesTable& ProcessTypes() {
    static TypesTable table;
    return table;
}

TypeEntry ParseTypeLine(std::string_view line) {
    TypeEntry e;
    const std::size_t x = line.find('x');
    const std::string_view attributes = x == std::string_view::npos ? line : line.substr(x + 1);
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos || blank > 2 || attributes.size() > 19)
        return e;
    CopyCode(line.substr(0, blank), e.code);
    if (!attributes.empty())
        std::memcpy(e.attributes, attributes.data(), attributes.size());
    e.key = MakeCodeKey(line.substr(0, blank));
    return e;
}

bool LoadTypes(const char* path, TypesTable& types) {
    std::vector<std::string> lines;
    if (!ReadLines(path, lines))
        return false;
    types.Clear();
    for (const std::string& line : lines)
        types.Add(ParseTypeLine(line));
    return true;
}

void DecodeAttributes(const TypesTable& types, CodeKey f, CodeKey l, short slots[kSlots]) {
    char buffer[20] = {};
    int a = types.First(f);
    int b = f == l ? -1 : types.First(l);
    // Merge the entries of both codes in table order.
    while (a >= 0 || b >= 0) {
        int k;
        if (b < 0 || (a >= 0 && a < b)) {
            k = a;
            a = types.Next(a);
        } else {
            k = b;
            b = types.Next(b);
        }
        const TypeEntry& e = types.entry(k);
        if (e.key == f)
            std::memcpy(buffer, e.attributes, std::strlen(e.attributes) + 1);
        if (e.key == l && buffer[0] != '\0') {
            for (int pos = 0; pos < 15; ++pos)
                if (e.attributes[pos] != '0')
                    buffer[pos] = e.attributes[pos];
        }
    }
    // Slot 1: characters 1 and 2 as a decimal number.
    int p = 0;
    bool negative = false;
    if (buffer[0] == '-' || buffer[0] == '+')
        negative = buffer[p++] == '-';
    int type = 0;
    for (; p < 2 && buffer[p] >= '0' && buffer[p] <= '9'; ++p)
        type = type * 10 + (buffer[p] - '0');
    slots[0] = static_cast<short>(negative ? -type : type);
    for (int s = 1; s < kSlots; ++s) {
        const char ch = buffer[s + 1];
        slots[s] = static_cast<short>(ch >= '0' && ch <= '9' ? ch - '0' : 0);
    }
}

// ---------------------------------------------------------------- line readers

Paradigm ParseParadigmLine(std::string_view line) {
    Paradigm p;  // returned without items when the line is malformed
    std::vector<ParadigmItem> items;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const std::size_t b1 = line.find(' ', pos);
        if (b1 == std::string_view::npos)
            return Paradigm{};  // an ending without code
        const std::size_t b2 = line.find(' ', b1 + 1);
        if (b2 == std::string_view::npos)
            return Paradigm{};  // a code without number
        std::size_t b3 = line.find(' ', b2 + 1);
        if (b3 == std::string_view::npos) {
            // The blank after the last number may be missing, not the number.
            if (b2 + 1 == line.size())
                return Paradigm{};
            b3 = line.size();
        }
        const std::string_view number = line.substr(b2 + 1, b3 - b2 - 1);
        ParadigmItem item;
        item.ending.assign(line.substr(pos, b1 - pos));
        const std::string_view code = line.substr(b1 + 1, b2 - b1 - 1);
        CopyCode(code, item.formCode);
        item.formKey = MakeCodeKey(item.formCode);
        item.formNumber = ParseNumber(number);
        if (item.formNumber == 0) {
            p.normalEnding = item.ending;
        }
        items.push_back(std::move(item));
        pos = b3 + 1;
    }
    p.items = std::move(items);
    return p;
}

DictEntry ParseDictLine(std::string_view line) {
    DictEntry e;
    const std::size_t b1 = line.find(' ');
    if (b1 == std::string_view::npos)
        return e;
    const std::size_t b2 = line.find(' ', b1 + 1);
    if (b2 == std::string_view::npos)
        return e;
    std::size_t b3 = line.find(' ', b2 + 1);
    if (b3 == std::string_view::npos)
        b3 = line.size();  // the blank appended behind the line
    e.stem.assign(line.substr(0, b1));
    e.paradigm = ParseNumber(line.substr(b1 + 1, b2 - b1 - 1));
    CopyCode(line.substr(b2 + 1, b3 - b2 - 1), e.lemmaCode);
    e.lemmaKey = MakeCodeKey(e.lemmaCode);
    e.wellFormed = true;
    return e;
}

// ---------------------------------------------------------------- engine

MorphEngine::MorphEngine(const char* dictionaryPath, const char* paradigmPath,
                         const char* typesPath) {
    generation_ = NextGeneration();
    TypesTable& types = ProcessTypes();
    if (types.empty())
        LoadTypes(typesPath, types);
    if (LoadParadigms(paradigmPath))
        --filesMissing_;
    if (LoadDictionary(dictionaryPath))
        --filesMissing_;
    BuildEndingIndex();
    BuildStemTrie();
    BuildGroupIndex();
    attributeCache_.resize(16384);
}

bool MorphEngine::LoadParadigms(const char* path) {
    std::vector<std::string> lines;
    if (!ReadLines(path, lines))
        return false;
    paradigms_.reserve(lines.size());
    for (const std::string& line : lines)
        paradigms_.push_back(ParseParadigmLine(line));
    return true;
}

bool MorphEngine::LoadDictionary(const char* path) {
    std::vector<std::string> lines;
    if (!ReadLines(path, lines))
        return false;
    entries_.reserve(lines.size());
    for (const std::string& line : lines)
        entries_.push_back(ParseDictLine(line));
    return true;
}

int MorphEngine::InsertEnding(std::string_view x, std::uint64_t hash) {
    const std::size_t mask = endingTable_.size() - 1;
    for (std::size_t s = hash & mask;; s = (s + 1) & mask) {
        EndingSlot& slot = endingTable_[s];
        if (slot.id < 0) {
            slot.hash = static_cast<std::uint32_t>(hash);
            slot.offset = static_cast<std::uint32_t>(endingPool_.size());
            slot.length = static_cast<std::uint32_t>(x.size());
            slot.id = static_cast<std::int32_t>(endingListBegin_.size());
            endingListBegin_.push_back(0);
            endingPool_.append(x);
            return slot.id;
        }
        if (slot.hash == static_cast<std::uint32_t>(hash) &&
            std::string_view(endingPool_.data() + slot.offset, slot.length) == x)
            return slot.id;
    }
}

int MorphEngine::EndingId(std::string_view x, std::uint64_t hash) const {
    const std::size_t mask = endingTable_.size() - 1;
    for (std::size_t s = hash & mask;; s = (s + 1) & mask) {
        const EndingSlot& slot = endingTable_[s];
        if (slot.id < 0)
            return -1;
        if (slot.hash == static_cast<std::uint32_t>(hash) && slot.length == x.size() &&
            (x.empty() || std::memcmp(endingPool_.data() + slot.offset, x.data(), x.size()) == 0))
            return slot.id;
    }
}

void MorphEngine::BuildEndingIndex() {
    // Sized for the distinct endings (far fewer than items), so that the
    // table stays in the cache.
    std::unordered_set<std::string_view> distinct;
    for (const Paradigm& p : paradigms_)
        for (const ParadigmItem& i : p.items)
            distinct.insert(i.ending);
    std::size_t size = 16;
    while (size < distinct.size() + distinct.size() / 2 + 16)
        size <<= 1;
    endingTable_.assign(size, EndingSlot{});
    endingListBegin_.clear();
    // (ending id, paradigm, first item), one per distinct ending of a paradigm.
    std::vector<std::pair<std::uint32_t, ParadigmFirst>> pairs;
    for (std::size_t k = 0; k < paradigms_.size(); ++k) {
        const auto& list = paradigms_[k].items;
        for (std::size_t i = 0; i < list.size(); ++i) {
            const std::string& x = list[i].ending;
            const int id = InsertEnding(x, HashBytes(x));
            pairs.push_back({static_cast<std::uint32_t>(id),
                             {static_cast<std::uint32_t>(k), static_cast<std::int32_t>(i)}});
            longestEnding_ = std::max(longestEnding_, x.size());
        }
    }
    // Sorted by ending, paradigm and item: the first pair of each (ending,
    // paradigm) holds the first item with that ending.
    std::sort(pairs.begin(), pairs.end(), [](const auto& x, const auto& y) {
        if (x.first != y.first)
            return x.first < y.first;
        if (x.second.paradigm != y.second.paradigm)
            return x.second.paradigm < y.second.paradigm;
        return x.second.item < y.second.item;
    });
    const std::size_t endings = endingListBegin_.size();
    bitWords_ = (paradigms_.size() + 63) / 64;
    paradigmBits_.assign(endings * bitWords_, 0);
    endingLists_.clear();
    endingListBegin_.assign(endings + 1, 0);
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        const auto& [id, pf] = pairs[k];
        if (k > 0 && pairs[k - 1].first == id && pairs[k - 1].second.paradigm == pf.paradigm)
            continue;
        endingLists_.push_back(pf);
        ++endingListBegin_[id + 1];
        paradigmBits_[id * bitWords_ + pf.paradigm / 64] |= std::uint64_t{1} << (pf.paradigm % 64);
    }
    for (std::size_t id = 0; id < endings; ++id)
        endingListBegin_[id + 1] += endingListBegin_[id];
}

int MorphEngine::FindEnding(int paradigm, int endingId, std::string_view& normalEnding) const {
    if (paradigm < 0 || static_cast<std::size_t>(paradigm) >= paradigms_.size())
        return -1;
    normalEnding = paradigms_[paradigm].normalEnding;
    const std::uint32_t p = static_cast<std::uint32_t>(paradigm);
    if (endingId < 0 || !HasEnding(endingId, p))
        return -1;
    const ParadigmFirst* first = endingLists_.data() + endingListBegin_[endingId];
    const ParadigmFirst* last = endingLists_.data() + endingListBegin_[endingId + 1];
    const ParadigmFirst* it = std::lower_bound(
        first, last, p, [](const ParadigmFirst& pf, std::uint32_t q) { return pf.paradigm < q; });
    return it != last && it->paradigm == p ? it->item : -1;
}

// Breadth first over the entries sorted by stem: the children of a node are
// made one after another, so they lie side by side in nodes_.
void MorphEngine::BuildStemTrie() {
    order_.clear();
    for (std::size_t e = 0; e < entries_.size(); ++e)
        if (entries_[e].wellFormed && entries_[e].stem.size() <= kMaxWord)
            order_.push_back(static_cast<std::uint32_t>(e));
    auto less = [this](std::uint32_t x, std::uint32_t y) {
        const int c = entries_[x].stem.compare(entries_[y].stem);
        return c < 0 || (c == 0 && x < y);
    };
    if (!std::is_sorted(order_.begin(), order_.end(), less))
        std::sort(order_.begin(), order_.end(), less);

    orderParadigm_.resize(order_.size());
    for (std::size_t k = 0; k < order_.size(); ++k) {
        const int p = entries_[order_[k]].paradigm;
        orderParadigm_[k] = p >= 0 && static_cast<std::size_t>(p) < paradigms_.size()
                                ? static_cast<std::uint32_t>(p)
                                : kNoParadigm;
    }
    nodes_.clear();
    childByte_.clear();
    std::vector<std::uint16_t> depth;
    nodes_.push_back(StemNode{0, static_cast<std::uint32_t>(order_.size()), 0, 0, 0});
    childByte_.push_back(0);
    depth.push_back(0);
    for (std::size_t k = 0; k < nodes_.size(); ++k) {
        const std::uint32_t begin = nodes_[k].begin, end = nodes_[k].end;
        const std::size_t d = depth[k];
        std::uint32_t i = begin;
        while (i < end && entries_[order_[i]].stem.size() == d)
            ++i;
        nodes_[k].exactCount = i - begin;
        nodes_[k].firstChild = static_cast<std::uint32_t>(nodes_.size());
        while (i < end) {
            const unsigned char ch = static_cast<unsigned char>(entries_[order_[i]].stem[d]);
            std::uint32_t j = i + 1;
            while (j < end && static_cast<unsigned char>(entries_[order_[j]].stem[d]) == ch)
                ++j;
            nodes_.push_back(StemNode{i, j, 0, 0, 0});
            childByte_.push_back(ch);
            depth.push_back(static_cast<std::uint16_t>(d + 1));
            i = j;
        }
        nodes_[k].childCount = static_cast<std::uint32_t>(nodes_.size()) - nodes_[k].firstChild;
    }
    std::fill(std::begin(rootChild_), std::end(rootChild_), 0);
    const StemNode& root = nodes_[0];
    for (std::uint32_t c = root.firstChild; c < root.firstChild + root.childCount; ++c)
        rootChild_[childByte_[c]] = c;
    nodes_.shrink_to_fit();
    childByte_.shrink_to_fit();
}

void MorphEngine::BuildGroupIndex() {
    groupMatches_.clear();
    groupPositions_.clear();
    // Distinct ending ids of every paradigm.
    std::vector<std::vector<int>> paradigmEndings(paradigms_.size());
    for (std::size_t k = 0; k < paradigms_.size(); ++k) {
        auto& ids = paradigmEndings[k];
        for (const ParadigmItem& i : paradigms_[k].items)
            ids.push_back(EndingId(i.ending, HashBytes(i.ending)));
        std::sort(ids.begin(), ids.end());
        ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    }
    for (std::uint32_t n = 0; n < nodes_.size(); ++n) {
        const StemNode& node = nodes_[n];
        if (node.exactCount < kBigGroup)
            continue;
        std::vector<std::pair<int, std::uint32_t>> pairs;  // (ending id, position)
        for (std::uint32_t k = node.begin; k < node.begin + node.exactCount; ++k)
            if (orderParadigm_[k] != kNoParadigm)
                for (int id : paradigmEndings[orderParadigm_[k]])
                    pairs.push_back({id, k});
        std::stable_sort(pairs.begin(), pairs.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (std::size_t a = 0; a < pairs.size();) {
            std::size_t b = a;
            const auto begin = static_cast<std::uint32_t>(groupPositions_.size());
            while (b < pairs.size() && pairs[b].first == pairs[a].first)
                groupPositions_.push_back(pairs[b++].second);
            groupMatches_[GroupKey(n, pairs[a].first)] = {
                begin, static_cast<std::uint32_t>(groupPositions_.size())};
            a = b;
        }
    }
}

int MorphEngine::FindChild(std::uint32_t node, unsigned char byte) const {
    if (node == 0)
        return rootChild_[byte] ? static_cast<int>(rootChild_[byte]) : -1;
    const StemNode& n = nodes_[node];
    const unsigned char* first = childByte_.data() + n.firstChild;
    const unsigned char* last = first + n.childCount;
    if (n.childCount <= 8) {
        for (const unsigned char* p = first; p != last; ++p)
            if (*p == byte)
                return static_cast<int>(n.firstChild + (p - first));
        return -1;
    }
    const unsigned char* p = std::lower_bound(first, last, byte);
    return p != last && *p == byte ? static_cast<int>(n.firstChild + (p - first)) : -1;
}

const short* MorphEngine::Attributes(CodeKey f, CodeKey l) {
    const std::uint64_t key = (static_cast<std::uint64_t>(f) << 32) | l;
    AttributeCacheLine& line = attributeCache_[(f * 31 + l * 131) & (attributeCache_.size() - 1)];
    if (line.key != key) {
        DecodeAttributes(ProcessTypes(), f, l, line.slots);
        line.key = key;
    }
    return line.slots;
}

void MorphEngine::ClearVariants() {
    variants_.clear();
    generation_ = NextGeneration();
}

void MorphEngine::AnalyseWord(std::string_view w, int unitIndex, int unitType) {
    generation_ = NextGeneration();
    const std::size_t before = variants_.size();
    if (w.size() > kMaxWord)
        return;

    if (unitType == 7 || unitType == 8) {
        MorphVariant& v = variants_.emplace_back();
        v.word.assign(w);
        v.unitType = unitType;
        v.number = 1;
        v.unitIndex = unitIndex;
        v.entry = -1;
        v.normalForm.assign(w);
        v.variantCount = 0;
        std::memcpy(v.slots, Attributes(0, 0), sizeof v.slots);
        return;
    }

    char folded[kMaxWord + 1];
    const std::size_t len = w.size();
    for (std::size_t k = 0; k < len; ++k) {
        unsigned char ch = static_cast<unsigned char>(w[k]);
        if (ch >= 0xC0 && ch <= 0xDF)
            ch += 0x20;
        if (ch >= 'a' && ch <= 'z')
            return;
        folded[k] = static_cast<char>(ch);
    }
    folded[len] = '\0';
    const std::string_view word(folded, len);
    if (nodes_.empty())
        return;

    int added = 0;
    cursor_ = 0;
    for (std::size_t p = 0;; ++p) {
        const StemNode& node = nodes_[cursor_];
        const std::size_t rest = len - p;
        if (node.exactCount && rest <= longestEnding_) {
            const std::string_view x = word.substr(p);
            const int endingId = EndingId(x, HashBytes(x));
            if (endingId >= 0) {
                auto emit = [&](std::uint32_t k) {
                    const std::uint32_t e = order_[k];
                    const DictEntry& entry = entries_[e];
                    std::string_view normalEnding;
                    const int m = FindEnding(entry.paradigm, endingId, normalEnding);
                    if (m < 0 || p + normalEnding.size() > kMaxWord)
                        return;
                    const auto& items = paradigms_[entry.paradigm].items;
                    for (std::size_t j = m; j < items.size() && items[j].ending == x; ++j) {
                        MorphVariant& v = variants_.emplace_back();
                        v.word.assign(word);
                        v.unitType = unitType;
                        v.number = added;
                        v.unitIndex = unitIndex;
                        v.entry = static_cast<int>(e);
                        std::memcpy(v.formCode, items[j].formCode, 3);
                        std::memcpy(v.lemmaCode, entry.lemmaCode, 3);
                        v.normalForm.assign(word.substr(0, p));
                        v.normalForm.append(normalEnding);
                        v.stem = entry.stem;
                        std::memcpy(v.slots, Attributes(items[j].formKey, entry.lemmaKey),
                                    sizeof v.slots);
                        ++added;
                    }
                };
                if (node.exactCount >= kBigGroup) {
                    // Large groups (short stems of many lines): the entries
                    // whose paradigm has the ending are listed in advance.
                    const auto it = groupMatches_.find(GroupKey(cursor_, endingId));
                    if (it != groupMatches_.end())
                        for (std::uint32_t q = it->second.first; q < it->second.second; ++q)
                            emit(groupPositions_[q]);
                } else {
                    for (std::uint32_t k = node.begin; k < node.begin + node.exactCount; ++k) {
                        const std::uint32_t paradigm = orderParadigm_[k];
                        if (paradigm != kNoParadigm && HasEnding(endingId, paradigm))
                            emit(k);
                    }
                }
            }
        }
        if (p == len)
            break;
        const int child = FindChild(cursor_, static_cast<unsigned char>(word[p]));
        if (child < 0)
            break;
        cursor_ = static_cast<std::uint32_t>(child);
    }
    for (std::size_t k = before; k < variants_.size(); ++k)
        variants_[k].variantCount = added;
}

std::size_t MorphEngine::MemoryBytes() const {
    std::size_t bytes = sizeof *this;
    bytes += entries_.capacity() * sizeof(DictEntry);
    for (const DictEntry& e : entries_)
        if (e.stem.capacity() > 15)
            bytes += e.stem.capacity() + 1;
    bytes += paradigms_.capacity() * sizeof(Paradigm);
    for (const Paradigm& p : paradigms_) {
        bytes += p.items.capacity() * sizeof(ParadigmItem);
        for (const ParadigmItem& i : p.items)
            if (i.ending.capacity() > 15)
                bytes += i.ending.capacity() + 1;
    }
    bytes += (order_.capacity() + orderParadigm_.capacity()) * sizeof(std::uint32_t);
    bytes += nodes_.capacity() * sizeof(StemNode) + childByte_.capacity();
    bytes += endingPool_.capacity() + endingTable_.capacity() * sizeof(EndingSlot);
    bytes += endingListBegin_.capacity() * sizeof(std::uint32_t);
    bytes += endingLists_.capacity() * sizeof(ParadigmFirst);
    bytes += paradigmBits_.capacity() * sizeof(std::uint64_t);
    bytes += groupPositions_.capacity() * sizeof(std::uint32_t) + groupMatches_.size() * 32;
    bytes += attributeCache_.capacity() * sizeof(AttributeCacheLine);
    return bytes;
}

}  // namespace lexavar
