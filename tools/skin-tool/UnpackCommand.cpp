#include <QDir>
#include <set>
#include <stdexcept>

#include "Commands.h"
#include "ElementList.h"
#include "Files.h"
#include "SkinSource.h"
#include "skin/data/Bitmap.h"

namespace skintool {
namespace {

// A file name from an element name that cannot leave the folder and that no other element of
// the skin has, even on a file system that ignores case.
QString FileBase(const QByteArray& name, std::set<QString>& taken) {
    QString base;
    for (char c : name) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '_' || c == '-';
        base += plain ? QChar::fromLatin1(c) : QChar('_');
    }
    if (base.isEmpty()) base = QStringLiteral("element");
    QString unique = base;
    for (int n = 2; !taken.insert(unique.toLower()).second; ++n) {
        unique = base + '~' + QString::number(n);
    }
    return unique;
}

}  // namespace

void RunUnpack(const QString& source, const QString& folder, const QByteArray& password) {
    const skin::SkinElements elements = LoadElements(source, password);
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        throw std::runtime_error("cannot create " + folder.toStdString());
    }
    std::vector<ListedElement> listed;
    std::set<QString> taken;
    for (const skin::SkinElement& element : elements) {
        QByteArray value = FormatValue(element);
        if (element.Kind == skin::ekBitmap) {
            const QString base = FileBase(element.Name, taken);
            WriteFile(dir.filePath(base + ".bmp"), element.Data);  // byte for byte as stored
            skin::Bitmap::FromBmp(element.Data)->Image().save(dir.filePath(base + ".png"));
            value = (base + ".bmp").toLatin1();
        }
        listed.push_back({element.Kind, element.Name, value});
    }
    WriteFile(dir.filePath(kElementListFile), WriteElementList(listed));
    std::printf("%zu elements unpacked into %s\n", elements.size(), qPrintable(folder));
}

}  // namespace skintool
