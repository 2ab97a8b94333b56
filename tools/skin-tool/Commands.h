#pragma once

#include <QByteArray>
#include <QString>

// The commands of plivant-skin. Each throws on failure (skin::SkinError for a container that
// cannot be read, std::runtime_error otherwise); main reports the message.
namespace skintool {

// Lists the elements with their kind and their size or value.
void RunInfo(const QString& source, const QByteArray& password);
// Writes each bitmap as NAME.bmp and NAME.png, and the element list, into `folder`.
void RunUnpack(const QString& source, const QString& folder, const QByteArray& password);
// Makes a skin container from an unpacked folder, enciphered when a password is given.
void RunPack(const QString& folder, const QString& output, const QByteArray& password);
// Draws every bitmap, enlarged, with its name and size, into one PNG picture.
void RunSheet(const QString& source, const QString& output, const QByteArray& password);

}  // namespace skintool
