// The C entry points of libLexavar.so and the process-wide state they share:
// the current engine, the current segmenter with its unit list, the result
// record of GetMainForm/DivWord, the word and sentence buffers and the variant
// copy that GetMorf hands out.
//
// Every entry checks its indexes and its state: out of range or before its
// state exists it returns "", 0, -1, "Error" or a null pointer as lexavar.h
// says, never reads past a table.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "MorphEngine.h"
#include "Segmenter.h"
#include "lexavar.h"

namespace lexavar {
namespace {

struct State {
    std::unique_ptr<MorphEngine> engine;
    std::uint64_t engineSerial = 0;  // changes with every Start
    std::unique_ptr<Segmenter> segmenter;
    std::vector<TextUnit> units;  // copy of the segmenter's units
    LexavarMorphVariant result{};
    std::string word;
    std::string sentence;
    // The variant copy, its own words, and which list state it mirrors.
    std::vector<LexavarMorphVariant> copy;
    std::vector<std::string> copyWords;
    std::uint64_t copySerial = ~0ull;
    std::uint64_t copyGeneration = ~0ull;
};

State& state() {
    static State s;
    return s;
}

void CopyField(char* field, std::string_view text) {
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(LEXAVAR_FIELD_SIZE - 1));
    std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

void Export(const MorphVariant& v, LexavarMorphVariant& out, const char* text) {
    out.text = text;
    out.unitType = v.unitType;
    out.number = v.number;
    out.unitIndex = v.unitIndex;
    out.entry = v.entry;
    std::memcpy(out.formCode, v.formCode, 3);
    std::memcpy(out.lemmaCode, v.lemmaCode, 3);
    CopyField(out.normalForm, v.normalForm);
    out.analysed = v.analysed;
    out.variantCount = v.variantCount;
    CopyField(out.stem, v.stem);
    for (int k = 0; k < LEXAVAR_SLOTS; ++k)
        out.slots[k] = v.slots[k];
}

// The variant v, or null when there is no engine or v is out of range.
const MorphVariant* Variant(int v) {
    const State& s = state();
    if (!s.engine)
        return nullptr;
    const auto& list = s.engine->variants();
    if (static_cast<unsigned>(v) >= list.size())
        return nullptr;
    return &list[static_cast<std::size_t>(v)];
}

const TextUnit* Unit(int u) {
    const State& s = state();
    if (static_cast<unsigned>(u) >= s.units.size())
        return nullptr;
    return &s.units[static_cast<std::size_t>(u)];
}

const SentenceSpan* Span(int sIndex) {
    const State& s = state();
    if (!s.segmenter)
        return nullptr;
    const auto& spans = s.segmenter->spans();
    if (static_cast<unsigned>(sIndex) >= spans.size())
        return nullptr;
    return &spans[static_cast<std::size_t>(sIndex)];
}

// Replaces the variant copy with the current list, unless it mirrors it.
void RefreshCopy() {
    State& s = state();
    if (!s.engine) {
        s.copy.clear();
        s.copyWords.clear();
        s.copySerial = s.copyGeneration = ~0ull;
        return;
    }
    if (s.copySerial == s.engineSerial && s.copyGeneration == s.engine->generation())
        return;
    const auto& list = s.engine->variants();
    s.copyWords.resize(list.size());
    for (std::size_t k = 0; k < list.size(); ++k)
        s.copyWords[k] = list[k].word;
    s.copy.resize(list.size());
    for (std::size_t k = 0; k < list.size(); ++k)
        Export(list[k], s.copy[k], s.copyWords[k].c_str());
    s.copySerial = s.engineSerial;
    s.copyGeneration = s.engine->generation();
}

int Segmented(std::unique_ptr<Segmenter> segmenter) {
    State& s = state();
    int arg = 1;
    segmenter->Run(arg);
    s.units = segmenter->units();
    s.segmenter = std::move(segmenter);
    return static_cast<int>(s.units.size());
}

int Slot(int v, int slot) {
    const MorphVariant* m = Variant(v);
    return m ? m->slots[slot - 1] : 0;
}

}  // namespace
}  // namespace lexavar

using namespace lexavar;

extern "C" {

int Start(const char* dictionaryPath, const char* paradigmPath, const char* typesPath) {
    State& s = state();
    auto engine = std::make_unique<MorphEngine>(dictionaryPath, paradigmPath, typesPath);
    const int ok = engine->filesMissing() == 0 ? 1 : 0;
    s.engine = std::move(engine);
    ++s.engineSerial;
    return ok;
}

int GrafAnalysFile(const char* path) {
    return Segmented(Segmenter::FromFile(path));
}

int GrafAnalys(const char* text) {
    return Segmented(
        std::make_unique<Segmenter>(text ? std::string_view(text) : std::string_view()));
}

int GetColSents(void) {
    const State& s = state();
    return s.segmenter ? static_cast<int>(s.segmenter->spans().size()) : 0;
}

int GetSent(int sIndex, int* first) {
    const SentenceSpan* span = Span(sIndex);
    if (first)
        *first = span ? span->firstUnit : 0;
    return span ? span->unitCount : 0;
}

const char* GetSentText(int sIndex) {
    State& s = state();
    const SentenceSpan* span = Span(sIndex);
    const TextUnit* first = span ? Unit(span->firstUnit) : nullptr;
    if (!first)
        return "";
    const char* begin = first->Text();
    const char* bufferEnd = s.segmenter->buffer() + s.segmenter->length() + 1;
    const char* end = bufferEnd;
    if (static_cast<std::size_t>(sIndex) + 1 < s.segmenter->spans().size()) {
        if (const TextUnit* last = Unit(span->firstUnit + span->unitCount))
            end = last->Text() + last->length;
    }
    if (end < begin)
        end = begin;
    s.sentence.assign(begin, end);
    return s.sentence.c_str();
}

const char* GetWord(int u) {
    State& s = state();
    const TextUnit* unit = Unit(u);
    if (!unit)
        return "";
    s.word.assign(unit->View());
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
    State& s = state();
    if (!s.engine)
        return 0;
    if (flags & 1)
        s.engine->ClearVariants();
    if (const TextUnit* unit = Unit(u))
        s.engine->AnalyseWord(unit->View(), u, (flags & 2) ? unit->type : 2);
    return static_cast<int>(s.engine->variants().size());
}

int NormolWord(const char* word) {
    State& s = state();
    if (!s.engine)
        return 0;
    s.engine->ClearVariants();
    s.engine->AnalyseWord(word ? std::string_view(word) : std::string_view(), 0, 2);
    return static_cast<int>(s.engine->variants().size());
}

const char* DivWord(const char* word) {
    State& s = state();
    if (!s.engine)
        return nullptr;
    s.engine->ClearVariants();
    s.engine->AnalyseWord(word ? std::string_view(word) : std::string_view(), 0, 2);
    const MorphVariant* v = Variant(0);
    if (!v) {
        s.result.stem[0] = '\0';
        return s.result.stem;
    }
    Export(*v, s.result, nullptr);
    return s.result.stem;
}

int GetVecLen(void) {
    RefreshCopy();
    return static_cast<int>(state().copy.size());
}

const LexavarMorphVariant* GetMorf(int v) {
    RefreshCopy();
    const auto& copy = state().copy;
    if (static_cast<unsigned>(v) >= copy.size())
        return nullptr;
    return &copy[static_cast<std::size_t>(v)];
}

const char* GetMainForm(int v) {
    State& s = state();
    const MorphVariant* m = Variant(v);
    if (!m)
        return "Error";
    CopyField(s.result.normalForm, m->normalForm);
    return s.result.normalForm;
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
