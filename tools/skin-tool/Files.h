#pragma once

#include <QByteArray>
#include <QString>

namespace skintool {

// Whole-file reads and writes; both throw std::runtime_error naming the file.
QByteArray ReadFile(const QString& path);
void WriteFile(const QString& path, const QByteArray& bytes);

}  // namespace skintool
