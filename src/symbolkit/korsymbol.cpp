#include "korsymbol.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <shared_mutex>

namespace Symbology {

namespace {

struct Registry
{
    std::shared_mutex mutex;
    std::map<std::string, KorSymbolType, std::less<>> types;
};

Registry &registry()
{
    static Registry s;
    return s;
}

bool isLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool allLetters(const std::string &text, std::size_t from, std::size_t to)
{
    return std::all_of(text.begin() + from, text.begin() + to, isLetter);
}

bool isFuture(const std::string &name)
{
    const std::size_t n = name.size();
    if (n < 4 || n > 6 || !isDigit(name[n - 1]) || !isDigit(name[n - 2]))
        return false;
    const char month = name[n - 3];
    return month != '\0' && std::strchr("FGHJKMNQUVXZ", month) != nullptr && allLetters(name, 0, n - 3);
}

bool isStock(const std::string &name)
{
    const std::size_t dot = name.find('.');
    const std::size_t rootLength = dot == std::string::npos ? name.size() : dot;
    if (rootLength < 1 || rootLength > 5 || !allLetters(name, 0, rootLength))
        return false;
    if (dot == std::string::npos)
        return true;
    const std::size_t classLength = name.size() - dot - 1;
    return classLength >= 1 && classLength <= 2 && allLetters(name, dot + 1, name.size());
}

KorSymbolType bySyntax(const std::string &name)
{
    if (name.empty())
        return symbolTypeUndefined;
    switch (name.front()) {
    case '=':
        return name.size() > 1 ? symbolTypeDictionary : symbolTypeUndefined;
    case '$':
        return name.size() > 1 ? symbolTypeIndex : symbolTypeUndefined;
    case '@':
        return name.size() > 1 && allLetters(name, 1, name.size()) ? symbolTypeFutureContinuous : symbolTypeUndefined;
    default:
        break;
    }
    if (name.size() == 7 && name[3] == '/' && allLetters(name, 0, 3) && allLetters(name, 4, 7))
        return symbolTypeForex;
    const std::size_t dash = name.find('-');
    if (dash != std::string::npos) {
        const std::string left = name.substr(0, dash);
        const std::string right = name.substr(dash + 1);
        const bool futures = isFuture(left) && isFuture(right);
        const bool stocks = isStock(left) && isStock(right);
        return futures || stocks ? symbolTypeSpread : symbolTypeUndefined;
    }
    const std::size_t space = name.find(' ');
    if (space != std::string::npos) {
        if (space + 1 >= name.size())
            return symbolTypeUndefined;
        const std::string underlying = name.substr(0, space);
        if (isFuture(underlying))
            return symbolTypeFutureOption;
        return isStock(underlying) ? symbolTypeStockOption : symbolTypeUndefined;
    }
    if (isFuture(name))
        return symbolTypeFuture;
    return isStock(name) ? symbolTypeStock : symbolTypeUndefined;
}

} // namespace

KorSymbolType KorSymbol::typeOf(const std::string &name)
{
    Registry &all = registry();
    {
        const std::shared_lock<std::shared_mutex> lock(all.mutex);
        const auto found = all.types.find(name);
        if (found != all.types.end())
            return found->second;
    }
    return bySyntax(name);
}

void KorSymbol::registerName(const std::string &name, KorSymbolType type)
{
    Registry &all = registry();
    const std::unique_lock<std::shared_mutex> lock(all.mutex);
    all.types[name] = type;
}

void KorSymbol::unregisterName(const std::string &name)
{
    Registry &all = registry();
    const std::unique_lock<std::shared_mutex> lock(all.mutex);
    all.types.erase(name);
}

} // namespace Symbology
