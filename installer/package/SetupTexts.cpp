#include "installer/package/SetupTexts.h"

#include "installer/package/PackageReader.h"
#include "shared/Texts.h"

namespace package {

std::string GetText(std::string_view id, std::string_view defaultText) {
    return LookupText(Reader().LanguageTexts, id, defaultText);
}

std::string ResolveText(std::string_view value) {
    constexpr std::string_view Placeholder = "[LNG]";
    std::string result;
    for (size_t i = 0; i < value.size();) {
        if (SameTextAscii(value.substr(i, Placeholder.size()), Placeholder)) {
            result += Reader().LanguageCode;
            i += Placeholder.size();
        } else {
            result += value[i++];
        }
    }
    if (!result.empty() && result.front() == '#')
        return GetText(std::string_view(result).substr(1), result);
    return result;
}

} // namespace package
