#pragma once

#include <QSize>
#include <cstdint>
#include <span>

#include "skin/data/SkinElement.h"

namespace skin::builtin {

// One element of the built-in skin: a bitmap of `Size`, or an integer or flag of `Value`.
struct ElementSpec {
    const char* Name;
    ElementKind Kind;
    QSize Size;
    int32_t Value;
};

// The 80 elements of the built-in skin, in archive order: 28 bitmaps, 43 integers (32 colours,
// 9 metrics and two colours nothing reads), 9 flags.
std::span<const ElementSpec> Elements();

}  // namespace skin::builtin
