// The core's catalogues, compiled into tethrix-calc (made at build time by
// EmbedCatalogues.cmake).
#pragma once

struct CalcCatalogue {
    const char *language;
    const char *text;
};
extern const CalcCatalogue CalcCatalogues[];
extern const int CalcCatalogueCount;
