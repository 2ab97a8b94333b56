#include "settings/ServersFile.h"

#include <QDir>
#include <QFile>

#include "core/TextCodec.h"
#include "settings/AtomicFile.h"
#include "settings/SettingsError.h"
#include "settings/TextLines.h"

namespace plivant {

ServersFile::ServersFile(std::string path) : path_(std::move(path)) {}

bool ServersFile::Exists() const { return QFile::exists(QString::fromStdString(path_)); }

std::string ServersFile::Load() const {
    QFile file(QString::fromStdString(path_));
    if (!file.open(QIODevice::ReadOnly)) {
        throw SettingsError(
            QString("Cannot open file \"%1\". %2").arg(file.fileName(), file.errorString()));
    }
    QByteArray bytes = file.readAll();
    return AdjustLineBreaks(std::string_view(bytes.constData(), size_t(bytes.size())));
}

void ServersFile::Save(const std::string& text) const {
    try {
        ReplaceFileAtomically(path_, text);
    } catch (const FileReplaceError& e) {
        throw SettingsError(
            QString("Cannot create file \"%1\". %2")
                .arg(QString::fromStdString(path_), QString::fromLocal8Bit(e.what())));
    }
}

std::string ServersFilePath(const QString& folder) {
    return QDir(folder).filePath("servers.ini").toStdString();
}

std::string AdjustLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c != '\r' && c != '\n') {
            out += c;
            continue;
        }
        char pair = c == '\r' ? '\n' : '\r';
        if (i + 1 < text.size() && text[i + 1] == pair) ++i;
        out += "\r\n";
    }
    return out;
}

std::vector<std::string> ServerEntries(std::string_view text) {
    std::vector<std::string> entries;
    for (std::string_view line : SplitLines(text, "\r\n")) entries.emplace_back(line);
    return entries;
}

QString EditorText(std::string_view crlfBytes) {
    QString text = FromWire(crlfBytes);
    text.replace("\r\n", "\n");
    return text;
}

std::string CrLfBytes(const QString& editorText) {
    QString text = editorText;
    text.replace('\n', "\r\n");
    return ToWire(text);
}

}  // namespace plivant
