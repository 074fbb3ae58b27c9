#include "Fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>
#include <cmath>

namespace platform {

namespace {

const char* const WineFontFolder = "/usr/share/wine/fonts/";

void RegisterWineFonts() {
    static const bool done = [] {
        for (const char* file : {"tahoma.ttf", "tahomabd.ttf", "small_fonts.ttf", "wingding.ttf"})
            QFontDatabase::addApplicationFont(QString(WineFontFolder) + file);
        return true;
    }();
    (void)done;
}

bool HasFamily(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

QString FindFamily(std::string_view name) {
    const QString wanted = QString::fromLatin1(name.data(), qsizetype(name.size())).toLower();
    QStringList candidates;
    if (wanted == "arial")
        candidates = {"Liberation Sans", "Arimo"};
    else if (wanted == "courier new")
        candidates = {"Liberation Mono", "Cousine", "DejaVu Sans Mono"};
    else if (wanted == "tahoma")
        candidates = {"Tahoma"};
    else if (wanted == "small fonts")
        candidates = {"Small Fonts"};
    else if (wanted == "wingdings")
        candidates = {"Wingdings"};
    else
        candidates = {QString::fromLatin1(name.data(), qsizetype(name.size()))};
    RegisterWineFonts();
    for (const QString& family : candidates)
        if (HasFamily(family))
            return family;
    return "DejaVu Sans";
}

// Families found so far, by the name asked for: pictures ask for the same few fonts on
// every frame.
QString FamilyFor(std::string_view name) {
    static std::vector<std::pair<std::string, QString>> found;
    for (const auto& [asked, family] : found)
        if (asked == name)
            return family;
    found.emplace_back(std::string(name), FindFamily(name));
    return found.back().second;
}

} // namespace

QFont FontFor(std::string_view family, int points, bool bold) {
    QFont font(FamilyFor(family));
    font.setPixelSize(std::max(1, int(std::lround(points * 96.0 / 72.0))));
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QString SymbolText(QFont& font, unsigned char code) {
    if (font.family().compare("Wingdings", Qt::CaseInsensitive) == 0) {
        // Symbol fonts map their codes into the private-use page.
        const QFontMetrics metrics(font);
        for (const char16_t c : {char16_t(0xF000 + code), char16_t(code)})
            if (metrics.inFont(QChar(c)))
                return QString(QChar(c));
        font.setFamily("DejaVu Sans");
    }
    switch (code) {
    case 199: return QStringLiteral(u"\u21E6"); // leftwards white arrow
    case 200: return QStringLiteral(u"\u21E8");
    case 201: return QStringLiteral(u"\u21E7");
    case 202: return QStringLiteral(u"\u21E9"); // downwards white arrow
    default: return QString(QChar(char16_t(code)));
    }
}

} // namespace platform
