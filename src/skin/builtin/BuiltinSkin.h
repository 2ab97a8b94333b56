#pragma once

#include <QByteArray>

namespace skin {

// The skin container the program carries built in (made by plivant-skin-generator at build time).
QByteArray BuiltinSkinData();

}  // namespace skin
