#include "skin/data/Sk2SkinFileReader.h"

#include "skin/data/ContainerWriter.h"
#include "skin/data/ExtractEntry.h"
#include "skin/data/Sk2Archive.h"
#include "skin/data/SkinError.h"

namespace skin {
namespace {

// All pictures of one skin together; a forged archive may repeat large pictures many times.
constexpr qint64 kMaxSkinPixels = qint64(1) << 26;

template <typename List>
auto FindByName(List& list, QByteArrayView name) -> decltype(&list.front()) {
    for (auto& entry : list) {
        if (qstrnicmp(entry.Name.data(), entry.Name.size(), name.data(), name.size()) == 0) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace

QByteArray ExtractSkinArchive(QByteArrayView container, QByteArrayView password) {
    QByteArray archive;
    switch (ExtractEntry(container, kSkinEntryName, password, archive)) {
        case erSuccess:
            break;
        case erWrongPassword:
            throw SkinError(kWrongPasswordMessage);
        case erFailed:
            throw SkinError(kFailedToReadMessage);
    }
    return archive;
}

std::string InvalidBitmapMessage(QByteArrayView name) {
    return "Bitmap \"" + name.toByteArray().toStdString() + "\" of the skin file is not valid!";
}

Tsk2SkinFileReader::Tsk2SkinFileReader(const QString& fileName, QByteArrayView password) {
    const auto container = ReadContainerFile(fileName);
    if (!container) throw SkinError(kFailedToReadMessage);
    LoadContainer(*container, password);
}

std::unique_ptr<Tsk2SkinFileReader> Tsk2SkinFileReader::FromContainer(QByteArrayView container,
                                                                      QByteArrayView password) {
    std::unique_ptr<Tsk2SkinFileReader> reader(new Tsk2SkinFileReader);
    reader->LoadContainer(container, password);
    return reader;
}

std::unique_ptr<Tsk2SkinFileReader> Tsk2SkinFileReader::FromArchive(QByteArrayView archive) {
    std::unique_ptr<Tsk2SkinFileReader> reader(new Tsk2SkinFileReader);
    reader->Load(archive);
    return reader;
}

void Tsk2SkinFileReader::LoadContainer(QByteArrayView container, QByteArrayView password) {
    Load(ExtractSkinArchive(container, password));
}

void Tsk2SkinFileReader::Load(QByteArrayView archive) {
    qint64 pixels = 0;
    for (SkinElement& element : ReadSk2Archive(archive)) {
        switch (element.Kind) {
            case ekBitmap: {
                auto picture = Bitmap::FromBmp(element.Data);
                if (!picture) throw SkinError(InvalidBitmapMessage(element.Name));
                pixels += qint64(picture->Width()) * picture->Height();
                if (pixels > kMaxSkinPixels) throw SkinError(kFailedToReadMessage);
                bitmaps_.push_back({std::move(element.Name), std::move(*picture)});
                break;
            }
            case ekInteger:
                integers_.push_back({element.Name, element.IntegerValue()});
                break;
            case ekBoolean:
                booleans_.push_back({element.Name, element.BooleanValue()});
                break;
            case ekString:
                strings_.push_back({element.Name, element.Data});
                break;
        }
    }
}

const Bitmap* Tsk2SkinFileReader::FindBitmap(QByteArrayView name) const {
    const NamedBitmap* entry = FindByName(bitmaps_, name);
    return entry ? &entry->Picture : nullptr;
}

Bitmap* Tsk2SkinFileReader::FindBitmap(QByteArrayView name) {
    NamedBitmap* entry = FindByName(bitmaps_, name);
    return entry ? &entry->Picture : nullptr;
}

int32_t Tsk2SkinFileReader::ReadInteger(QByteArrayView name) const {
    const NamedValue* entry = FindByName(integers_, name);
    return entry ? entry->Value : -1;
}

int Tsk2SkinFileReader::ReadBoolean(QByteArrayView name) const {
    const NamedValue* entry = FindByName(booleans_, name);
    return entry ? entry->Value : 0;
}

void Tsk2SkinFileReader::SetTransparentColor(ColorRef colour) {
    for (NamedBitmap& entry : bitmaps_) entry.Picture.SetTransparentColor(colour);
}

}  // namespace skin
