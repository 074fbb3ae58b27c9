#include "Encoding.h"

#include <QStringDecoder>
#include <array>

namespace platform {

namespace {

int CurrentDisplayCharset = 1;

using HighHalf = std::array<char16_t, 128>;

// Bytes 0x80..0xFF. Bytes a code page leaves undefined keep their own value, as the
// system's conversion does.
constexpr HighHalf Cp1250 = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, //
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, //
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, //
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, //
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, //
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, //
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, //
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, //
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, //
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, //
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, //
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, //
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

constexpr HighHalf Cp1252 = [] {
    HighHalf table{};
    for (int i = 0; i < 128; ++i)
        table[i] = char16_t(0x80 + i); // 0xA0..0xFF are Latin-1 as they stand
    constexpr char16_t low[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    for (int i = 0; i < 32; ++i)
        table[i] = low[i];
    return table;
}();

QString DecodeByTable(std::string_view bytes, const HighHalf& table) {
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (unsigned char b : bytes)
        *out++ = QChar(b < 0x80 ? char16_t(b) : table[b - 0x80]);
    return text;
}

} // namespace

int CodePageOfCharset(int charset) {
    switch (charset) {
    case 238:
        return 1250;
    case 204:
        return 1251;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 163:
        return 1258;
    case 222:
        return 874;
    case 128:
        return 932;
    case 134:
        return 936;
    case 129:
        return 949;
    case 136:
        return 950;
    default:
        return 1252;
    }
}

QString DecodeText(std::string_view bytes, int charset) {
    const int codePage = CodePageOfCharset(charset);
    if (codePage == 1250)
        return DecodeByTable(bytes, Cp1250);
    if (codePage != 1252) {
        const QByteArray name = "windows-" + QByteArray::number(codePage);
        QStringDecoder decoder(name.constData());
        if (decoder.isValid())
            return decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    }
    return DecodeByTable(bytes, Cp1252);
}

int DisplayCharset() {
    return CurrentDisplayCharset;
}

void SetDisplayCharset(int charset) {
    CurrentDisplayCharset = charset;
}

} // namespace platform
