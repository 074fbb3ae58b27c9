// Field tokenizer: splits one line at a single delimiter character and hands the fields
// out one at a time, optionally as an integer or a number.
//
// Two variants share the class and differ only in how NextField treats quotes:
// - editor: a field loses one leading '#' or '\'' and then one trailing '#' or '\''
//   (the element definition file wraps "#RRGGBB" colours in apostrophes for this reason);
// - installer: a quote character (none by default) protects delimiters inside a quoted
//   stretch, and a field that begins with it loses its first and last character.
// There is no escape for the quote and no trimming of spaces in either variant.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class TpLoader {
public:
    enum class TVariant { Editor, Installer };

    // A zero delimiter stands for '^'.
    explicit TpLoader(char delimiter, TVariant variant = TVariant::Editor);

    // Sets the quote character and so selects the installer variant.
    void SetQuoteChar(char quote);

    void SetLine(std::string_view text);
    // The next field; empty once the line is used up.
    std::string NextField();
    bool HasMore() const { return Position < Line.size(); }
    // The next field as a decimal integer (leading spaces and a sign allowed), else 0.
    int32_t NextInt();
    // The next field as a number (a comma counts as the decimal point), else 0.
    double NextFloat();

private:
    std::string NextPlainField();
    std::string NextQuotedField();

    char Delimiter;
    TVariant Variant;
    bool HasQuote = false;
    char Quote = 0;
    std::string Line;
    size_t Position = 0; // index of the next character to examine
};
