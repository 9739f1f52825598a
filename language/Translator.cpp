#include "language/Translator.h"

#include "language/CNumber.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace orvalde {
namespace {

// The form'th of the '\0'-separated forms; the first when there are fewer.
const char* Form(const CatalogEntry& entry, int form) {
    if (form < 0 || form >= entry.formCount) form = 0;
    const char* text = entry.forms;
    for (int i = 0; i < form; ++i) text += std::strlen(text) + 1;
    return text;
}

}  // namespace

bool Translator::select(std::string_view code) {
    for (const Catalog& c : Catalogs()) {
        if (code == c.code) {
            catalog_ = &c;
            return true;
        }
    }
    catalog_ = nullptr;
    return code == "en";
}

const CatalogEntry* Translator::find(std::string_view key) const {
    if (!catalog_) return nullptr;
    const auto entries = catalog_->entries;
    const auto at =
        std::lower_bound(entries.begin(), entries.end(), key,
                         [](const CatalogEntry& e, std::string_view k) { return std::string_view(e.key) < k; });
    return at != entries.end() && std::string_view(at->key) == key ? &*at : nullptr;
}

const char* Translator::tr(const char* msgid) const {
    const CatalogEntry* entry = find(msgid);
    return entry ? Form(*entry, 0) : msgid;
}

const char* Translator::trc(const char* context, const char* msgid) const {
    if (!catalog_) return msgid;
    const std::string key = std::string(context) + '\x04' + msgid;
    const CatalogEntry* entry = find(key);
    return entry ? Form(*entry, 0) : msgid;
}

const char* Translator::trn(const char* singular, const char* plural, unsigned long n) const {
    const CatalogEntry* entry = find(singular);
    if (!entry) return n == 1 ? singular : plural;
    return Form(*entry, catalog_->plural(n));
}

const char* Translator::name() const { return trc("the language's own name", "English"); }

const char* Translator::decimalSeparator() const { return trc("decimal separator", "."); }

std::string Translator::number(double value, int decimals) const {
    std::string text = PrintC(value, 'f', std::max(0, decimals));
    if (const auto dot = text.find('.'); dot != std::string::npos) text.replace(dot, 1, decimalSeparator());
    return text;
}

const Translator& Translator::english() {
    static const Translator english;
    return english;
}

std::vector<std::string> AvailableLanguages() {
    std::vector<std::string> codes{"en"};
    for (const Catalog& c : Catalogs()) codes.emplace_back(c.code);
    return codes;
}

std::string NextLanguage(std::string_view code) {
    const std::vector<std::string> all = AvailableLanguages();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i] == code) return all[(i + 1) % all.size()];
    }
    return all.front();
}

std::string Fill(std::string_view text, std::initializer_list<std::pair<std::string_view, std::string>> values) {
    std::string out;
    out.reserve(text.size() + 16);
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t open = text.find('{', i);
        if (open == std::string_view::npos) break;
        const std::size_t close = text.find('}', open);
        if (close == std::string_view::npos) break;
        out.append(text, i, open - i);
        const std::string_view name = text.substr(open + 1, close - open - 1);
        const auto value = std::find_if(values.begin(), values.end(), [&](const auto& v) { return v.first == name; });
        if (value != values.end()) {
            out += value->second;
        } else {
            out.append(text, open, close + 1 - open);
        }
        i = close + 1;
    }
    out.append(text, i);
    return out;
}

}  // namespace orvalde
