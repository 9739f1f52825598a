#pragma once
// The translations as compiled into the program: one catalog per language,
// generated from po/<language>.po at build time. English is the messages'
// own text and has no catalog.

#include <cstddef>
#include <span>

namespace orvalde {

struct CatalogEntry {
    const char* key;        // msgid, or context "\x04" msgid
    const char* forms;      // the translations, '\0' between plural forms
    std::size_t formsSize;  // bytes in forms
    int formCount;
};

struct Catalog {
    const char* code;  // "el"
    int pluralCount;
    int (*plural)(unsigned long n);         // the catalog's Plural-Forms
    std::span<const CatalogEntry> entries;  // sorted by key, byte by byte
};

std::span<const Catalog> Catalogs();

}  // namespace orvalde
