#include "ResourceFiles.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace platform {

namespace {

// Upper-case base name -> resource path, built once from the whole resource tree.
const QHash<QString, QString>& Index() {
    static const QHash<QString, QString> index = [] {
        QHash<QString, QString> h;
        QDirIterator it(QStringLiteral(":/"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QString path = it.next();
            QFileInfo info(path);
            h.insert(info.fileName().toUpper(), path);
            h.insert(info.completeBaseName().toUpper(), path);
        }
        return h;
    }();
    return index;
}

} // namespace

QString FindResource(const std::string& name) {
    return Index().value(QString::fromLocal8Bit(name.data(), static_cast<qsizetype>(name.size())).toUpper());
}

std::optional<std::string> ReadResourceBytes(const std::string& name) {
    QString path = FindResource(name);
    if (path.isEmpty())
        return std::nullopt;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = f.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace platform
