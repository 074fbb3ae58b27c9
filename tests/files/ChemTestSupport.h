// Helpers of the .chem tests: loading a document given as one text, and switching the
// locale whose decimal separator the writer uses.
#pragma once

#include "editor/core/Molekula.h"
#include "editor/files/ChemReader.h"
#include "platform/TextFile.h"

#include <QLocale>
#include <string>

inline void LoadText(TMolekula& m, const std::string& text) {
    LoadFromStrings(m, platform::SplitLines(text));
}

// A document with the root and the given lines inside it.
inline std::string InRoot(const std::string& body) {
    return "<?xml version=\"1.0\"?>\n<tevanochem>\n" + body + "\n</tevanochem>\n";
}

class LocaleGuard {
public:
    explicit LocaleGuard(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(saved); }

private:
    QLocale saved;
};
