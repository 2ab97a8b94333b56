#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "skin/data/Bitmap.h"

namespace skin {

// The elements of one skin in four name lists, in archive order; duplicates are kept and every
// lookup takes the first match of the name without regard to case.
class Tsk2SkinFileReader {
public:
    struct NamedBitmap {
        QByteArray Name;
        Bitmap Picture;
    };
    struct NamedValue {
        QByteArray Name;
        int32_t Value;
    };
    struct NamedText {
        QByteArray Name;
        QByteArray Text;
    };

    // Reads the skin container in `fileName`. Throws SkinError: "Wrong password!", "Failed to
    // read skin file!", or the invalid bitmap message.
    Tsk2SkinFileReader(const QString& fileName, QByteArrayView password);
    // The same over the bytes of a skin container (the built-in skin).
    static std::unique_ptr<Tsk2SkinFileReader> FromContainer(QByteArrayView container,
                                                             QByteArrayView password);
    // The same over an SK2 archive, the container's entry already extracted.
    static std::unique_ptr<Tsk2SkinFileReader> FromArchive(QByteArrayView archive);

    // The reader keeps the bitmap; callers copy it when they need their own.
    const Bitmap* FindBitmap(QByteArrayView name) const;
    Bitmap* FindBitmap(QByteArrayView name);
    // -1 when the name is missing.
    int32_t ReadInteger(QByteArrayView name) const;
    // 0 when the name is missing.
    int ReadBoolean(QByteArrayView name) const;
    // Gives every bitmap this transparent colour; it does not switch transparency on.
    void SetTransparentColor(ColorRef colour);

    const std::vector<NamedBitmap>& Bitmaps() const { return bitmaps_; }
    const std::vector<NamedValue>& Integers() const { return integers_; }
    const std::vector<NamedValue>& Booleans() const { return booleans_; }
    const std::vector<NamedText>& Strings() const { return strings_; }

private:
    Tsk2SkinFileReader() = default;
    void LoadContainer(QByteArrayView container, QByteArrayView password);
    void Load(QByteArrayView archive);

    std::vector<NamedBitmap> bitmaps_;
    std::vector<NamedValue> integers_;
    std::vector<NamedValue> booleans_;
    std::vector<NamedText> strings_;
};

// The SK2 archive inside a skin container. Throws SkinError: "Wrong password!" or "Failed to
// read skin file!".
QByteArray ExtractSkinArchive(QByteArrayView container, QByteArrayView password);

// The message of a bitmap element whose data is not a valid BMP file.
std::string InvalidBitmapMessage(QByteArrayView name);

}  // namespace skin
