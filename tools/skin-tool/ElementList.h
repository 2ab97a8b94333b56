#pragma once

#include <QByteArray>
#include <vector>

#include "skin/data/SkinElement.h"

// The text file that an unpacked skin folder keeps beside its pictures: one element a line, in
// archive order, as kind, name and value separated by tabs. A bitmap's value is its BMP file in
// the folder; names and texts are percent-encoded, integers decimal or 0x hexadecimal.
namespace skintool {

inline constexpr char kElementListFile[] = "elements.txt";

struct ListedElement {
    skin::ElementKind Kind;
    QByteArray Name;
    QByteArray Value;
};

// The value as the list and `info` show it; bitmaps have none.
QByteArray FormatValue(const skin::SkinElement& element);

QByteArray WriteElementList(const std::vector<ListedElement>& elements);
// Throws std::runtime_error naming the line of a malformed entry.
std::vector<ListedElement> ParseElementList(const QByteArray& text);

// The element a listed integer, flag or text stands for; throws std::runtime_error when its
// value is malformed.
skin::SkinElement ValueElement(const ListedElement& listed);

}  // namespace skintool
