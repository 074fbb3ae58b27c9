#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

TestDir::TestDir() : hadRegistry(qEnvironmentVariableIsSet("TEVANO_REGISTRY")) {
    if (!dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
    savedRegistry = qgetenv("TEVANO_REGISTRY");
    qputenv("TEVANO_REGISTRY", QFile::encodeName(dir.filePath("registry.reg")));
}

TestDir::~TestDir() {
    if (hadRegistry)
        qputenv("TEVANO_REGISTRY", savedRegistry);
    else
        qunsetenv("TEVANO_REGISTRY");
}

std::string TestDir::Path(const std::string& name) const {
    if (name.empty())
        return QFile::encodeName(dir.path()).toStdString();
    return QFile::encodeName(dir.filePath(QFile::decodeName(name.c_str()))).toStdString();
}

std::string TestDir::Write(const std::string& name, const std::string& bytes) const {
    const std::string path = Path(name);
    QDir().mkpath(QFileInfo(QFile::decodeName(path.c_str())).path());
    QFile f(QFile::decodeName(path.c_str()));
    if (!f.open(QIODevice::WriteOnly) ||
        f.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        throw std::runtime_error("cannot write " + path);
    return path;
}

std::string TestDir::Read(const std::string& name) const {
    QFile f(QFile::decodeName(Path(name).c_str()));
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + name);
    return f.readAll().toStdString();
}

std::string TestData(const std::string& name) {
    return std::string(TEVANO_TEST_DATA_DIR) + "/" + name;
}
