#include "FakeLexavar.h"

#include <sstream>

#include "store/Cp1251.h"

namespace quillon::testing {
namespace {

struct State {
    std::vector<FakeSentence> text;
    // Segmented: every unit in order, with the first unit of each sentence.
    std::vector<FakeUnit> units;  // Windows-1251
    std::vector<int> firsts;
    std::vector<std::pair<std::string, int>> variants;
    std::string wordBuffer, sentBuffer, formBuffer;
};

State& state() {
    static State s;
    return s;
}

std::string cp(const std::string& utf8) {
    return toCp1251String(QString::fromStdString(utf8));
}

int start(const char*, const char*, const char*) {
    return 1;
}

int segment(const char* path) {
    State& s = state();
    s.units.clear();
    s.firsts.clear();
    s.variants.clear();
    if (std::string(path) == "missing") {
        return 0;
    }
    for (const FakeSentence& sentence : s.text) {
        s.firsts.push_back(static_cast<int>(s.units.size()));
        for (const FakeUnit& u : sentence) {
            FakeUnit converted{cp(u.text), {}};
            for (const auto& [form, type] : u.readings) {
                converted.readings.emplace_back(cp(form), type);
            }
            s.units.push_back(std::move(converted));
        }
    }
    return static_cast<int>(s.units.size());
}

int colSents() {
    return static_cast<int>(state().firsts.size());
}

int sentCount(int i) {
    const State& s = state();
    const int end = i + 1 < static_cast<int>(s.firsts.size()) ? s.firsts[i + 1]
                                                              : static_cast<int>(s.units.size());
    return end - s.firsts[i];
}

int getSent(int i, int* first) {
    if (i < 0 || i >= colSents()) {
        if (first) {
            *first = 0;
        }
        return 0;
    }
    if (first) {
        *first = state().firsts[i];
    }
    return sentCount(i);
}

const char* getSentText(int i) {
    State& s = state();
    s.sentBuffer.clear();
    if (i >= 0 && i < colSents()) {
        for (int u = s.firsts[i]; u < s.firsts[i] + sentCount(i); ++u) {
            s.sentBuffer += s.units[u].text;
        }
    }
    return s.sentBuffer.c_str();
}

const char* getWord(int u) {
    State& s = state();
    s.wordBuffer = u >= 0 && u < static_cast<int>(s.units.size()) ? s.units[u].text : std::string();
    return s.wordBuffer.c_str();
}

int normolWordByNom(int u, int flags) {
    State& s = state();
    if (flags & 1) {
        s.variants.clear();
    }
    if (u >= 0 && u < static_cast<int>(s.units.size())) {
        for (const auto& r : s.units[u].readings) {
            s.variants.push_back(r);
        }
    }
    return static_cast<int>(s.variants.size());
}

int normolWord(const char*) {
    return 0;
}

const char* getMainForm(int v) {
    State& s = state();
    if (v < 0 || v >= static_cast<int>(s.variants.size())) {
        return "Error";
    }
    s.formBuffer = s.variants[v].first;
    return s.formBuffer.c_str();
}

int getType(int v) {
    const State& s = state();
    return v >= 0 && v < static_cast<int>(s.variants.size()) ? s.variants[v].second : 0;
}

}  // namespace

void setFakeText(std::vector<FakeSentence> sentences) {
    state().text = std::move(sentences);
}

LexavarApi fakeLexavar() {
    LexavarApi api;
    api.Start = &start;
    api.GrafAnalysFile = &segment;
    api.GetColSents = &colSents;
    api.GetSent = &getSent;
    api.GetSentText = &getSentText;
    api.GetWord = &getWord;
    api.NormolWordByNom = &normolWordByNom;
    api.NormolWord = &normolWord;
    api.GetMainForm = &getMainForm;
    api.GetType = &getType;
    return api;
}

FakeUnit unit(const std::string& text, const std::string& readings) {
    FakeUnit u{text, {}};
    std::istringstream in(readings);
    std::string item;
    while (in >> item) {
        const auto colon = item.rfind(':');
        u.readings.emplace_back(item.substr(0, colon), std::stoi(item.substr(colon + 1)));
    }
    return u;
}

}  // namespace quillon::testing
