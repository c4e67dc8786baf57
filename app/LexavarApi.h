#pragma once
// The table of Lexavar entry points the program calls. It is filled once at
// start-up by binding libLexavar.so by name (LibraryBinding.h); every command
// calls the library only through it. Cores receive it by reference and never
// own the library.
//
// All strings crossing it are Windows-1251 bytes; a returned pointer stays
// valid only until the next call of the same entry, so callers copy it at once.

#include <QString>
#include <QStringList>

// Qt defines "slots" as a keyword macro, which would clash with the field of
// that name in LexavarMorphVariant.
#pragma push_macro("slots")
#undef slots
#include "lexavar.h"
#pragma pop_macro("slots")

namespace quillon {

struct LexavarApi {
    using StartFn = int (*)(const char*, const char*, const char*);
    using GrafAnalysFileFn = int (*)(const char*);
    using GetColSentsFn = int (*)();
    using GetSentFn = int (*)(int, int*);
    using GetSentTextFn = const char* (*)(int);
    using GetWordFn = const char* (*)(int);
    using NormolWordByNomFn = int (*)(int, int);
    using NormolWordFn = int (*)(const char*);
    using GetMainFormFn = const char* (*)(int);
    using GetTypeFn = int (*)(int);

    StartFn Start = nullptr;
    GrafAnalysFileFn GrafAnalysFile = nullptr;
    GetColSentsFn GetColSents = nullptr;
    GetSentFn GetSent = nullptr;
    GetSentTextFn GetSentText = nullptr;
    GetWordFn GetWord = nullptr;
    NormolWordByNomFn NormolWordByNom = nullptr;
    NormolWordFn NormolWord = nullptr;
    GetMainFormFn GetMainForm = nullptr;
    GetTypeFn GetType = nullptr;

    // True when every entry above is bound.
    bool complete() const {
        return Start && GrafAnalysFile && GetColSents && GetSent && GetSentText && GetWord &&
               NormolWordByNom && NormolWord && GetMainForm && GetType;
    }

    // The table filled from a library linked into this program (tests and
    // tools that link Lexavar directly instead of loading it).
    static LexavarApi linked() {
        LexavarApi api;
        api.Start = &::Start;
        api.GrafAnalysFile = &::GrafAnalysFile;
        api.GetColSents = &::GetColSents;
        api.GetSent = &::GetSent;
        api.GetSentText = &::GetSentText;
        api.GetWord = &::GetWord;
        api.NormolWordByNom = &::NormolWordByNom;
        api.NormolWord = &::NormolWord;
        api.GetMainForm = &::GetMainForm;
        api.GetType = &::GetType;
        return api;
    }
};

}  // namespace quillon
