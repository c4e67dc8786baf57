/*
 * Lexavar: segmentation and morphological analysis of Russian text.
 *
 * The plain C interface of libLexavar.so. Every string passed in or returned
 * is a NUL-terminated Windows-1251 string. Returned strings belong to the
 * library; the caller never frees them and copies them at once, because each
 * stays valid only until the next call of the same function (see each entry).
 *
 * The library keeps one process-wide state: the dictionary engine built by
 * Start, the text segmented by the last GrafAnalysFile or GrafAnalys, and the
 * variant list of the analyses since it was last emptied. Calls must come from
 * one thread at a time.
 *
 * Calls in the wrong order or with an index out of range are safe: they return
 * an empty string, 0 or -1 (GetMainForm returns "Error", DivWord a null
 * pointer), as each entry says.
 */
#ifndef LEXAVAR_H
#define LEXAVAR_H

#if defined(_WIN32)
#define LEXAVAR_API __declspec(dllexport)
#elif defined(__GNUC__)
#define LEXAVAR_API __attribute__((visibility("default")))
#else
#define LEXAVAR_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Width of the normal-form and stem fields of a variant, NUL included. */
#define LEXAVAR_FIELD_SIZE 200
/* Number of attribute slots of a variant: slot 1 is the part-of-speech type
 * code (0 to 99), slots 2 to 14 one digit each. */
#define LEXAVAR_SLOTS 14

/* One reading of a word, as GetMorf hands it out. */
typedef struct LexavarMorphVariant {
    const char* text;      /* the analysed word (case-folded for a dictionary reading) */
    int unitType;          /* unit type passed to the analysis (2 for an ordinary word) */
    int number;            /* running number within its analysis; 1 for a pass-through */
    int unitIndex;         /* unit index passed to the analysis */
    int entry;             /* 0-based main.dic line the reading comes from; -1 pass-through */
    char formCode[3];      /* paradigm item's two-byte code, NUL-terminated */
    char lemmaCode[3];     /* dictionary entry's two-byte lemma code, NUL-terminated */
    char normalForm[LEXAVAR_FIELD_SIZE]; /* what GetMainForm returns */
    int analysed;          /* always 1 */
    int variantCount;      /* number of variants its analysis appended; 0 pass-through */
    char stem[LEXAVAR_FIELD_SIZE]; /* the entry's stem; what DivWord returns */
    short slots[LEXAVAR_SLOTS];    /* attribute slots 1..14 at indexes 0..13 */
} LexavarMorphVariant;

/* Lifecycle ------------------------------------------------------------- */

/* Builds a new engine from the dictionary, paradigm and types files and makes
 * it current (the previous engine and its variants are released). Returns 1
 * when the dictionary and paradigm files could be read, 0 otherwise; the
 * types file does not count. The types table is process-wide and read only by
 * the first Start that finds it empty. Malformed lines keep their line number
 * and never match; main.dic need not be sorted. */
LEXAVAR_API int Start(const char* dictionaryPath, const char* paradigmPath, const char* typesPath);

/* Segmentation ---------------------------------------------------------- */

/* Segments the whole file; returns its number of units. A file that cannot be
 * read segments as an empty text (0). The space added behind the text ends its
 * last token, so the last word stays whole; the final unit (that space, with
 * the text's last blank when the text ends in one) is not counted in the last
 * span. */
LEXAVAR_API int GrafAnalysFile(const char* path);
/* Segments the given text; returns its number of units. */
LEXAVAR_API int GrafAnalys(const char* text);
/* Number of sentence spans of the current text (0 before any segmenting). */
LEXAVAR_API int GetColSents(void);
/* Unit count of span s; its first unit index is written through first (when
 * first is not null). Out of range: returns 0 and writes 0. */
LEXAVAR_API int GetSent(int s, int* first);
/* Text of span s, valid until the next GetSentText. Out of range: "". */
LEXAVAR_API const char* GetSentText(int s);
/* Characters of unit u, valid until the next GetWord. Out of range: "". */
LEXAVAR_API const char* GetWord(int u);
/* 1 when unit u starts with a capital Cyrillic letter, else 0. */
LEXAVAR_API int GetBig(int u);

/* Analysis -------------------------------------------------------------- */

/* Analyses unit u. Flag 1 empties the variant list first; flag 2 passes the
 * unit's own type (punctuation then yields one pass-through variant). Returns
 * the size of the variant list. */
LEXAVAR_API int NormolWordByNom(int u, int flags);
/* Empties the variant list and analyses word; returns the list's size, 0 when
 * no engine exists. */
LEXAVAR_API int NormolWord(const char* word);
/* Like NormolWord, then returns the stem of the first variant (valid until
 * the next GetMainForm or DivWord); "" when the word has no variant, a null
 * pointer when no engine exists. Words longer than LEXAVAR_FIELD_SIZE - 1
 * bytes get no variant; neither does a reading whose normal form would not
 * fit the field. */
LEXAVAR_API const char* DivWord(const char* word);
/* Number of variants; refreshes the copy that GetMorf reads. */
LEXAVAR_API int GetVecLen(void);
/* Variant v of the copy made by the last GetVecLen or GetMorf, valid until
 * the next of either; a null pointer when v is out of range. */
LEXAVAR_API const LexavarMorphVariant* GetMorf(int v);

/* Variant readers ------------------------------------------------------- */

/* Normal form of variant v, valid until the next GetMainForm or DivWord;
 * "Error" when v is out of range. */
LEXAVAR_API const char* GetMainForm(int v);
/* main.dic line of variant v; -1 for a pass-through and out of range. */
LEXAVAR_API int GetID(int v);
/* Attribute slots of variant v; 0 when v is out of range. */
LEXAVAR_API int GetType(int v);
LEXAVAR_API int GetRod(int v);
LEXAVAR_API int GetChislo(int v);
LEXAVAR_API int GetPadezh(int v);
LEXAVAR_API int GetOdush(int v);
LEXAVAR_API int GetPril(int v);
LEXAVAR_API int GetVrem(int v);
LEXAVAR_API int GetGlag(int v);
LEXAVAR_API int GetLico(int v);
LEXAVAR_API int GetDeist(int v);
LEXAVAR_API int GetVid(int v);
LEXAVAR_API int GetPereh(int v);
LEXAVAR_API int GetProch(int v);
LEXAVAR_API int GetProch2(int v);
/* Slot number slot (1 to 14) of variant v; any other slot number is returned
 * unchanged. */
LEXAVAR_API int GetByNom(int v, int slot);

#ifdef __cplusplus
}
#endif

#endif /* LEXAVAR_H */
