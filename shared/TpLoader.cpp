#include "TpLoader.h"

#include "platform/Numbers.h"

TpLoader::TpLoader(char delimiter, TVariant variant)
    : Delimiter(delimiter == 0 ? '^' : delimiter), Variant(variant) {}

void TpLoader::SetQuoteChar(char quote) {
    Variant = TVariant::Installer;
    HasQuote = true;
    Quote = quote;
}

void TpLoader::SetLine(std::string_view text) {
    Line.assign(text);
    Position = 0;
}

std::string TpLoader::NextField() {
    if (!HasMore())
        return {};
    return Variant == TVariant::Editor ? NextPlainField() : NextQuotedField();
}

std::string TpLoader::NextPlainField() {
    size_t end = Line.find(Delimiter, Position);
    if (end == std::string::npos)
        end = Line.size();
    std::string field = Line.substr(Position, end - Position);
    Position = end < Line.size() ? end + 1 : end;

    auto isMark = [](char c) { return c == '#' || c == '\''; };
    if (!field.empty() && isMark(field.front()))
        field.erase(0, 1);
    if (!field.empty() && isMark(field.back()))
        field.pop_back();
    return field;
}

std::string TpLoader::NextQuotedField() {
    bool inQuote = false;
    size_t i = Position;
    for (; i < Line.size(); ++i) {
        if (HasQuote && Line[i] == Quote)
            inQuote = !inQuote;
        else if (Line[i] == Delimiter && !inQuote)
            break;
    }
    std::string field = Line.substr(Position, i - Position);
    Position = i < Line.size() ? i + 1 : i;

    if (HasQuote && !field.empty() && field.front() == Quote)
        field = field.size() >= 2 ? field.substr(1, field.size() - 2) : std::string();
    return field;
}

int32_t TpLoader::NextInt() {
    return platform::IntOr(NextField(), 0);
}

double TpLoader::NextFloat() {
    double value = 0;
    return platform::ParseNumber(NextField(), value) ? value : 0;
}
