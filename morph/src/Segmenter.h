#pragma once
// Segmentation of a Windows-1251 text into units (words, numbers, runs of
// blanks, runs of punctuation) and sentence spans.
//
// A Segmenter owns one text buffer: the text bytes, one added space and a NUL.
// Segment() rewrites bytes of the buffer in place (bytes outside the character
// classes become spaces, "ё"/"Ё" become "е"/"Е"); units and spans point into
// the buffer and stay valid for the life of the segmenter.

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace lexavar {

// Common base of the segmenter and the dictionary engine.
class TextProcessor {
  public:
    virtual ~TextProcessor() = default;
    // The base version does nothing and returns 1.
    virtual int Run(int& /*arg*/) { return 1; }
};

// Common base of units, spans and variants: a pointer to their text.
class TextItem {
  public:
    TextItem() = default;
    explicit TextItem(const char* text) : text_(text) {}
    virtual const char* Text() const { return text_; }

  protected:
    // Not virtual: items are never deleted through a TextItem pointer, and
    // units and spans stay trivially destructible (a text has many).
    ~TextItem() = default;
    TextItem(const TextItem&) = default;
    TextItem& operator=(const TextItem&) = default;

    const char* text_ = nullptr;
};

// Unit types stored by the segmenter.
enum UnitType : int {
    kUnitEmpty = 0,
    kUnitBlanks = 1,
    kUnitSmallCyrillic = 2,
    kUnitSmallLatin = 4,
    kUnitNumber = 6,
    kUnitPunctuation = 7,
    kUnitSentenceEnd = 8,
    kUnitCapitalCyrillic = 9,
    kUnitTwoLetterCyrillic = 11,
    kUnitMixed = 13,
    kUnitMixedCaseCyrillic = 14,
    kUnitMixedCaseLatin = 15,
};

// One token of the text: its first byte in the buffer, its type and length.
class TextUnit : public TextItem {
  public:
    TextUnit(const char* text, int type, int length) : TextItem(text), type(type), length(length) {}
    std::string_view View() const { return {text_, static_cast<std::size_t>(length)}; }

    int type;
    int length;
};

// One sentence: where it starts in the buffer, its bytes, the unit count that
// GetSent reports, and its first unit.
class SentenceSpan : public TextItem {
  public:
    SentenceSpan(const char* text, int characters, int unitCount, int firstUnit)
        : TextItem(text), characters(characters), unitCount(unitCount), firstUnit(firstUnit) {}

    int characters;
    int unitCount;
    int firstUnit;
};

// Character class of a byte (1 blank, 2 small Cyrillic, 3 capital Cyrillic,
// 4 small Latin, 5 capital Latin, 6 digit, 7 punctuation, 8 sentence end).
// Rewrites the byte: unclassified bytes become a space, "ё" "е", "Ё" "Е".
int ClassifyChar(char& byte);
// The class of a byte without rewriting it.
int CharClass(unsigned char byte);

class Segmenter : public TextProcessor {
  public:
    // Takes a copy of the text. Texts longer than kMaxLength bytes are
    // treated as empty (unit indexes are ints).
    explicit Segmenter(std::string_view text);
    // Reads the whole file as raw bytes; a file that cannot be opened or read
    // is an empty text.
    static std::unique_ptr<Segmenter> FromFile(const char* path);

    // Takes over the unit and span storage of a segmenter being replaced, so
    // that segmenting text after text reuses the same memory.
    void Recycle(Segmenter& old);

    // Performs Segment(); the argument is ignored. Returns 1.
    int Run(int& arg) override;
    void Segment();

    const std::vector<TextUnit>& units() const { return units_; }
    const std::vector<SentenceSpan>& spans() const { return spans_; }
    int length() const { return length_; }
    // The buffer: length() text bytes, the added space, a NUL.
    const char* buffer() const { return buffer_.get(); }

    static constexpr std::size_t kMaxLength = 0x7FFFFFF0;

  private:
    Segmenter() = default;
    void Allocate(std::size_t length);
    void EmitUnit(int start, int length, int tokenClass, int caseChanges, bool mark);

    std::unique_ptr<char[]> buffer_;
    int length_ = 0;
    std::vector<TextUnit> units_;
    std::vector<SentenceSpan> spans_;
};

}  // namespace lexavar
