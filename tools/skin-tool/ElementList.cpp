#include "ElementList.h"

#include <QList>
#include <optional>
#include <stdexcept>

namespace skintool {
namespace {

constexpr char kHeader[] =
    "# plivant-skin element list, in archive order: kind, name, value (a bitmap: its BMP file)\n";

std::optional<skin::ElementKind> KindFromName(const QByteArray& word) {
    for (auto kind : {skin::ekBitmap, skin::ekInteger, skin::ekBoolean, skin::ekString}) {
        if (word == skin::KindName(kind)) return kind;
    }
    return std::nullopt;
}

std::runtime_error LineError(int line, const std::string& what) {
    return std::runtime_error(std::string(kElementListFile) + " line " + std::to_string(line) +
                              ": " + what);
}

}  // namespace

QByteArray FormatValue(const skin::SkinElement& element) {
    switch (element.Kind) {
        case skin::ekInteger:
            // Colours read best as 0x00BBGGRR, metrics as plain numbers.
            if (element.Name.toUpper().contains("COLOR")) {
                return "0x" + QByteArray::number(uint32_t(element.IntegerValue()), 16)
                                  .toUpper()
                                  .rightJustified(8, '0');
            }
            return QByteArray::number(element.IntegerValue());
        case skin::ekBoolean:
            return QByteArray::number(element.BooleanValue());
        case skin::ekString:
            return element.Data.toPercentEncoding(" ");
        default:
            return {};
    }
}

QByteArray WriteElementList(const std::vector<ListedElement>& elements) {
    QByteArray text = kHeader;
    for (const ListedElement& e : elements) {
        text += QByteArray(skin::KindName(e.Kind)) + '\t' + e.Name.toPercentEncoding() + '\t' +
                e.Value + '\n';
    }
    return text;
}

std::vector<ListedElement> ParseElementList(const QByteArray& text) {
    std::vector<ListedElement> elements;
    const QList<QByteArray> lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].endsWith('\r') ? lines[i].chopped(1) : lines[i];
        if (line.trimmed().isEmpty() || line.startsWith('#')) continue;
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 3) throw LineError(i + 1, "expected kind, name and value");
        const auto kind = KindFromName(fields[0]);
        if (!kind) throw LineError(i + 1, "unknown kind " + fields[0].toStdString());
        elements.push_back({*kind, QByteArray::fromPercentEncoding(fields[1]), fields[2]});
    }
    return elements;
}

skin::SkinElement ValueElement(const ListedElement& listed) {
    bool ok = false;
    const QByteArray& v = listed.Value;
    switch (listed.Kind) {
        case skin::ekInteger: {
            // Hexadecimal is a bit pattern (colours); decimal may be negative (metrics).
            const qint64 value =
                v.startsWith("0x") ? qint64(v.mid(2).toUInt(&ok, 16)) : qint64(v.toInt(&ok, 10));
            if (ok) return skin::SkinElement::Integer(listed.Name, int32_t(value));
            break;
        }
        case skin::ekBoolean: {
            const uint value = v.toUInt(&ok);
            if (ok && value <= 255) return skin::SkinElement::Boolean(listed.Name, uint8_t(value));
            break;
        }
        case skin::ekString:
            return skin::SkinElement::String(listed.Name, QByteArray::fromPercentEncoding(v));
        default:
            break;
    }
    throw std::runtime_error("bad value \"" + v.toStdString() + "\" of " +
                             listed.Name.toStdString());
}

}  // namespace skintool
