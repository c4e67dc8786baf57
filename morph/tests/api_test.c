/* Drives the C interface of libLexavar.so end to end, compiled as C. */
#include <stdio.h>
#include <string.h>

#include "lexavar.h"

static int failures = 0;
#define CHECK(cond)                                                    \
    do {                                                               \
        if (!(cond)) {                                                 \
            fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #cond); \
            ++failures;                                                \
        }                                                              \
    } while (0)

int main(int argc, char** argv) {
    char dic[4096], mdl[4096], chn[4096];
    const LexavarMorphVariant* m;
    int first = -1, n, v;
    if (argc < 2)
        return 2;
    snprintf(dic, sizeof dic, "%s/main.dic", argv[1]);
    snprintf(mdl, sizeof mdl, "%s/end.mdl", argv[1]);
    snprintf(chn, sizeof chn, "%s/types.chn", argv[1]);

    /* Before Start. */
    CHECK(NormolWord("\xEC\xE0\xEC\xE0") == 0);
    CHECK(DivWord("\xEC\xE0\xEC\xE0") == NULL);
    CHECK(strcmp(GetMainForm(0), "Error") == 0);
    CHECK(GetID(0) == -1);
    CHECK(GetColSents() == 0);
    CHECK(strcmp(GetWord(0), "") == 0);

    CHECK(Start(dic, mdl, chn) == 1);
    /* "Мамы мыли." */
    n = GrafAnalys("\xCC\xE0\xEC\xFB \xEC\xFB\xEB\xE8.");
    CHECK(n == 5);
    CHECK(GetColSents() == 1);
    CHECK(GetSent(0, &first) == 4 && first == 0);
    CHECK(strcmp(GetWord(0), "\xCC\xE0\xEC\xFB") == 0);
    CHECK(GetBig(0) == 1);
    CHECK(NormolWordByNom(0, 1) == 3);
    CHECK(strcmp(GetMainForm(0), "\xEC\xE0\xEC\xE0") == 0);
    CHECK(GetType(0) == 1 && GetRod(0) == 2 && GetChislo(0) == 1 && GetPadezh(0) == 2);
    CHECK(GetID(2) == 7);
    CHECK(GetVecLen() == 3);
    m = GetMorf(1);
    CHECK(m != NULL && m->entry == 6 && strcmp(m->formCode, "\xE0\xE2") == 0);
    CHECK(m != NULL && m->slots[0] == 1 && m->variantCount == 3 && m->number == 1);
    CHECK(m != NULL && strcmp(m->stem, "\xEC\xE0\xEC") == 0 &&
          strcmp(m->text, "\xEC\xE0\xEC\xFB") == 0);
    CHECK(GetMorf(3) == NULL);
    CHECK(NormolWordByNom(3, 3) == 1 && GetID(0) == -1 && strcmp(GetMainForm(0), ".") == 0);
    CHECK(strcmp(DivWord("\xEA\xEE\xF2\xE0"), "\xEA\xEE\xF2") == 0); /* кота -> кот */
    for (v = 1; v <= 14; ++v)
        CHECK(GetByNom(0, v) == GetByNom(0, v));
    CHECK(GetByNom(0, 15) == 15);
    CHECK(GrafAnalysFile("/nonexistent/file.txt") == 0 && GetColSents() == 0);

    if (failures)
        fprintf(stderr, "%d failures\n", failures);
    return failures ? 1 : 0;
}
