#pragma once
// A stand-in for the morphology library that serves a text given unit by unit,
// each unit with the readings (normal form, type code) it should have. It
// puts the builders' rules under exact control: which readings a unit has,
// their order and their type codes. One text at a time, process-wide, as the
// real library keeps its state.

#include <string>
#include <utility>
#include <vector>

#include "app/LexavarApi.h"

namespace quillon::testing {

struct FakeUnit {
    std::string text;                                   // UTF-8
    std::vector<std::pair<std::string, int>> readings;  // normal form (UTF-8), type code
};
using FakeSentence = std::vector<FakeUnit>;

// Serves sentences as the text of every path except "missing", which reads as
// an unreadable file (0 units).
void setFakeText(std::vector<FakeSentence> sentences);
// The table of entry points of the stand-in.
LexavarApi fakeLexavar();

// A unit with readings written as "form:type form:type ..." (a blank or
// punctuation unit: no readings).
FakeUnit unit(const std::string& text, const std::string& readings = {});

}  // namespace quillon::testing
