// Reader of the compiled OpenCorpora dictionary in the dicts/ folder of the
// npm package az 0.2.3, for checking the dictionary built from it.
//
// Reads words.dawg (a dawgdic automaton with its guide; every key is a word in
// Windows-1251, the byte 0x01 and four payload bytes giving a paradigm number
// and a form index), paradigms.array (uint16: count, then per paradigm 3N and
// N suffix ids, N tag ids, N prefix ids), suffixes.json and
// gramtab-opencorpora-int.json (arrays of strings). Strings are converted to
// Windows-1251 on reading.
//
// Every function throws std::runtime_error with a message naming the file
// when a file cannot be read or does not have this layout.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lexavar::dictcheck {

// The prefix ids of paradigms.array index these (Windows-1251) strings.
std::string_view prefixText(int id);

struct SourceParadigm {
    std::vector<int> suffix;  // per form: index into suffixes
    std::vector<int> tag;     // per form: index into tags
    std::vector<int> prefix;  // per form: prefix id
};

class AzSource {
  public:
    explicit AzSource(const std::string& folder);

    const std::vector<SourceParadigm>& paradigms() const { return paradigms_; }
    const std::string& suffix(int id) const { return suffixes_[id]; }
    const std::string& tag(int id) const { return tags_[id]; }
    int tagCount() const { return static_cast<int>(tags_.size()); }

    // Calls visit(word, paradigm, form) for every key, in key order. The word
    // view is valid only during the call.
    void forEachForm(const std::function<void(std::string_view, int, int)>& visit) const;

  private:
    std::vector<SourceParadigm> paradigms_;
    std::vector<std::string> suffixes_;
    std::vector<std::string> tags_;
    std::vector<std::uint32_t> units_;
    std::vector<std::uint8_t> guide_;  // two bytes per unit: child, sibling
};

// UTF-8 to Windows-1251 for Russian text (Cyrillic letters, ё/Ё, ASCII);
// returns false when a character has no Windows-1251 byte here.
bool utf8ToCp1251(std::string_view utf8, std::string& out);
// Windows-1251 to UTF-8 for printing (the same characters).
std::string cp1251ToUtf8(std::string_view cp);

// The type code the dictionary gives a lexeme whose normal form has this
// OpenCorpora tag (for example "NOUN,anim,masc,Name sing,nomn" gives 3).
int expectedType(std::string_view lemmaTag);

// The class that splits a source lexeme into lexemes of their own: the part
// of speech with verb forms joined ("V") and adjective forms joined ("A"),
// marked further by Patr, Anum, Abbr and Vpre. Patronymics, ordinals, abbreviations
// and preposition variants thus get their own normal form.
std::string lexemeClass(std::string_view tag);

// Rank of a form in the choice of the normal form of such a lexeme of its
// own (lowest wins, ties to the first form): standard spelling before a
// variant, informal, archaic or distorted one, then nominative or no case,
// then singular or no number.
int normalFormRank(std::string_view tag);

}  // namespace lexavar::dictcheck
