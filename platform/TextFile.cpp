#include "TextFile.h"

#include <QFile>
#include <QSaveFile>

namespace platform {

namespace {

QString HostName(const std::string& path) {
    return QFile::decodeName(path.c_str());
}

void SetError(std::string* error, const QString& message) {
    if (error)
        *error = message.toStdString();
}

} // namespace

Lines SplitLines(const std::string& bytes) {
    Lines lines;
    size_t start = 0;
    size_t i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(bytes, start, i - start);
            i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < bytes.size())
        lines.emplace_back(bytes, start, bytes.size() - start);
    return lines;
}

std::string JoinLines(const Lines& lines) {
    size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 2;
    std::string out;
    out.reserve(size);
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string* error) {
    QFile file(HostName(path));
    if (!file.open(QIODevice::ReadOnly)) {
        SetError(error, file.errorString());
        return false;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        SetError(error, file.errorString());
        return false;
    }
    bytes.assign(data.constData(), size_t(data.size()));
    return true;
}

bool ReadFileLines(const std::string& path, Lines& lines, std::string* error) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes, error))
        return false;
    lines = SplitLines(bytes);
    return true;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes, std::string* error) {
    QSaveFile file(HostName(path));
    if (!file.open(QIODevice::WriteOnly)) {
        SetError(error, file.errorString());
        return false;
    }
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
        SetError(error, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        SetError(error, file.errorString());
        return false;
    }
    return true;
}

bool WriteFileLines(const std::string& path, const Lines& lines, std::string* error) {
    return WriteFileBytes(path, JoinLines(lines), error);
}

} // namespace platform
