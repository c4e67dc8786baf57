// The C entry points of libLexavar.so and the process-wide state they share:
// the current engine, the current segmenter, the result record that
// GetMainForm and DivWord fill, the word and sentence buffers, and the
// variant copy that GetMorf reads.
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "MorphEngine.h"
#include "Segmenter.h"
#include "lexavar.h"

namespace lexavar {
namespace {

struct LibraryState {
    std::unique_ptr<MorphEngine> engine;
    std::unique_ptr<Segmenter> segmenter;
    // The result record: the fields GetMainForm and DivWord hand out.
    char normalForm[LEXAVAR_FIELD_SIZE] = {};
    char stem[LEXAVAR_FIELD_SIZE] = {};
    std::string word;
    std::string sentence;
    // The variant copy; it owns the words its records point to.
    std::vector<LexavarMorphVariant> copy;
    std::vector<std::string> copyWords;
    const MorphEngine* copyEngine = nullptr;
    std::uint64_t copyGeneration = ~0ull;
};

LibraryState& State() {
    static LibraryState state;
    return state;
}

const char kError[] = "Error";

void CopyField(char (&out)[LEXAVAR_FIELD_SIZE], std::string_view s) {
    const std::size_t n = s.size() < sizeof out ? s.size() : sizeof out - 1;
    if (n)
        std::memcpy(out, s.data(), n);
    out[n] = '\0';
}

const MorphVariant* Variant(int v) {
    const LibraryState& s = State();
    if (!s.engine || v < 0)
        return nullptr;
    const auto& list = s.engine->variants();
    return static_cast<std::size_t>(v) < list.size() ? &list[v] : nullptr;
}

const TextUnit* Unit(int u) {
    const LibraryState& s = State();
    if (!s.segmenter || u < 0)
        return nullptr;
    const auto& units = s.segmenter->units();
    return static_cast<std::size_t>(u) < units.size() ? &units[u] : nullptr;
}

const SentenceSpan* Span(int sIndex) {
    const LibraryState& s = State();
    if (!s.segmenter || sIndex < 0)
        return nullptr;
    const auto& spans = s.segmenter->spans();
    return static_cast<std::size_t>(sIndex) < spans.size() ? &spans[sIndex] : nullptr;
}

int Slot(int v, int slot) {
    const MorphVariant* m = Variant(v);
    return m ? m->slots[slot - 1] : 0;
}

int Segmented(std::unique_ptr<Segmenter> segmenter) {
    LibraryState& s = State();
    if (s.segmenter)
        segmenter->Recycle(*s.segmenter);
    int arg = 1;
    segmenter->Run(arg);
    s.segmenter = std::move(segmenter);
    return static_cast<int>(s.segmenter->units().size());
}

void RefreshCopy() {
    LibraryState& s = State();
    if (s.copyEngine == s.engine.get() && s.engine && s.copyGeneration == s.engine->generation())
        return;
    s.copy.clear();
    s.copyWords.clear();
    s.copyEngine = s.engine.get();
    if (!s.engine)
        return;
    s.copyGeneration = s.engine->generation();
    const auto& list = s.engine->variants();
    s.copyWords.reserve(list.size());
    s.copy.resize(list.size());
    for (std::size_t k = 0; k < list.size(); ++k) {
        const MorphVariant& m = list[k];
        s.copyWords.push_back(m.word);
        LexavarMorphVariant& c = s.copy[k];
        std::memset(&c, 0, sizeof c);
        c.unitType = m.unitType;
        c.number = m.number;
        c.unitIndex = m.unitIndex;
        c.entry = m.entry;
        std::memcpy(c.formCode, m.formCode, 3);
        std::memcpy(c.lemmaCode, m.lemmaCode, 3);
        CopyField(c.normalForm, m.normalForm);
        c.analysed = m.analysed;
        c.variantCount = m.variantCount;
        CopyField(c.stem, m.stem);
        std::memcpy(c.slots, m.slots, sizeof c.slots);
    }
    for (std::size_t k = 0; k < list.size(); ++k)
        s.copy[k].text = s.copyWords[k].c_str();
}

}  // namespace
}  // namespace lexavar

using namespace lexavar;

extern "C" {

int Start(const char* dictionaryPath, const char* paradigmPath, const char* typesPath) {
    LibraryState& s = State();
    s.engine = std::make_unique<MorphEngine>(dictionaryPath, paradigmPath, typesPath);
    return s.engine->filesMissing() == 0 ? 1 : 0;
}

int GrafAnalysFile(const char* path) {
    return Segmented(Segmenter::FromFile(path));
}

int GrafAnalys(const char* text) {
    return Segmented(
        std::make_unique<Segmenter>(text ? std::string_view(text) : std::string_view()));
}

int GetColSents(void) {
    const LibraryState& s = State();
    return s.segmenter ? static_cast<int>(s.segmenter->spans().size()) : 0;
}

int GetSent(int sIndex, int* first) {
    const SentenceSpan* span = Span(sIndex);
    if (first)
        *first = span ? span->firstUnit : 0;
    return span ? span->unitCount : 0;
}

const char* GetSentText(int sIndex) {
    LibraryState& s = State();
    const SentenceSpan* span = Span(sIndex);
    s.sentence.clear();
    if (!span)
        return s.sentence.c_str();
    const auto& units = s.segmenter->units();
    const char* buffer = s.segmenter->buffer();
    const char* end = buffer + s.segmenter->length() + 1;  // the added space included
    const std::size_t last = static_cast<std::size_t>(span->firstUnit) + span->unitCount;
    const bool lastSpan = static_cast<std::size_t>(sIndex) + 1 >= s.segmenter->spans().size();
    if (!lastSpan && last < units.size())
        end = units[last].Text() + units[last].length;
    const char* from = static_cast<std::size_t>(span->firstUnit) < units.size()
                           ? units[span->firstUnit].Text()
                           : span->Text();
    if (from < end)
        s.sentence.assign(from, end);
    return s.sentence.c_str();
}

const char* GetWord(int u) {
    LibraryState& s = State();
    const TextUnit* unit = Unit(u);
    if (unit)
        s.word.assign(unit->View());
    else
        s.word.clear();
    return s.word.c_str();
}

int GetBig(int u) {
    const TextUnit* unit = Unit(u);
    if (!unit || unit->length <= 0)
        return 0;
    const unsigned char first = static_cast<unsigned char>(unit->Text()[0]);
    return first >= 0xC0 && first <= 0xDF ? 1 : 0;
}

int NormolWordByNom(int u, int flags) {
    LibraryState& s = State();
    if (!s.engine)
        return 0;
    if (flags & 1)
        s.engine->ClearVariants();
    if (const TextUnit* unit = Unit(u))
        s.engine->AnalyseWord(unit->View(), u, (flags & 2) ? unit->type : 2);
    return static_cast<int>(s.engine->variants().size());
}

int NormolWord(const char* word) {
    LibraryState& s = State();
    if (!s.engine)
        return 0;
    s.engine->ClearVariants();
    if (word)
        s.engine->AnalyseWord(word, 0, 2);
    return static_cast<int>(s.engine->variants().size());
}

const char* DivWord(const char* word) {
    LibraryState& s = State();
    if (!s.engine)
        return nullptr;
    NormolWord(word);
    const MorphVariant* m = Variant(0);
    CopyField(s.normalForm, m ? std::string_view(m->normalForm) : std::string_view());
    CopyField(s.stem, m ? m->stem : std::string_view());
    return s.stem;
}

int GetVecLen(void) {
    RefreshCopy();
    return static_cast<int>(State().copy.size());
}

const LexavarMorphVariant* GetMorf(int v) {
    RefreshCopy();
    const LibraryState& s = State();
    if (v < 0 || static_cast<std::size_t>(v) >= s.copy.size())
        return nullptr;
    return &s.copy[v];
}

const char* GetMainForm(int v) {
    LibraryState& s = State();
    const MorphVariant* m = Variant(v);
    if (!m)
        return kError;
    CopyField(s.normalForm, m->normalForm);
    CopyField(s.stem, m->stem);
    return s.normalForm;
}

int GetID(int v) {
    const MorphVariant* m = Variant(v);
    return m ? m->entry : -1;
}

int GetType(int v) {
    return Slot(v, 1);
}
int GetRod(int v) {
    return Slot(v, 2);
}
int GetChislo(int v) {
    return Slot(v, 3);
}
int GetPadezh(int v) {
    return Slot(v, 4);
}
int GetOdush(int v) {
    return Slot(v, 5);
}
int GetPril(int v) {
    return Slot(v, 6);
}
int GetVrem(int v) {
    return Slot(v, 7);
}
int GetGlag(int v) {
    return Slot(v, 8);
}
int GetLico(int v) {
    return Slot(v, 9);
}
int GetDeist(int v) {
    return Slot(v, 10);
}
int GetVid(int v) {
    return Slot(v, 11);
}
int GetPereh(int v) {
    return Slot(v, 12);
}
int GetProch(int v) {
    return Slot(v, 13);
}
int GetProch2(int v) {
    return Slot(v, 14);
}

int GetByNom(int v, int slot) {
    if (slot < 1 || slot > LEXAVAR_SLOTS)
        return slot;
    return Slot(v, slot);
}

}  // extern "C"
