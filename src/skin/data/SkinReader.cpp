#include "skin/data/SkinReader.h"

#include <QFileInfo>

#include "skin/data/BitmapOps.h"
#include "skin/data/SkinVocabulary.h"

namespace skin {

TSkinReader::TSkinReader(const QString& fileName, QByteArrayView password) {
    LoadSkin(fileName, password);
}

void TSkinReader::LoadSkin(const QString& fileName, QByteArrayView password) {
    fileReader_.reset();
    ready_ = false;
    if (QFileInfo(fileName).isFile()) {
        Adopt(std::make_unique<Tsk2SkinFileReader>(fileName, password));
    }
    Finish();
}

void TSkinReader::LoadSkinData(QByteArrayView container, QByteArrayView password) {
    fileReader_.reset();
    ready_ = false;
    Adopt(Tsk2SkinFileReader::FromContainer(container, password));
    Finish();
}

// The skin's transparent colour goes on every bitmap; the track bar channel shows the form colour
// where the skin left it transparent, so that it sits on the form without a mask.
void TSkinReader::Adopt(std::unique_ptr<Tsk2SkinFileReader> fileReader) {
    fileReader_ = std::move(fileReader);
    const ColorRef transparent = GetColor(colors::TransColor);
    fileReader_->SetTransparentColor(transparent);
    const char* trackBar = ElementName(ElementGroup::Bitmap, bitmaps::TrackBar);
    if (Bitmap* channel = fileReader_->FindBitmap(trackBar)) {
        ReplaceColor(*channel, transparent, GetColor(colors::FormColor));
    }
    ready_ = true;
}

void TSkinReader::Finish() {
    if (OnLoaded) OnLoaded(*this);
}

const Bitmap* TSkinReader::GetBitmap(int index) const {
    const char* name = ElementName(ElementGroup::Bitmap, index);
    return fileReader_ && name ? fileReader_->FindBitmap(name) : nullptr;
}

int32_t TSkinReader::GetColor(int index) const {
    const char* name = ElementName(ElementGroup::Color, index);
    return fileReader_ && name ? fileReader_->ReadInteger(name) : -1;
}

int32_t TSkinReader::GetMetric(int index) const {
    const char* name = ElementName(ElementGroup::Metric, index);
    return fileReader_ && name ? fileReader_->ReadInteger(name) : -1;
}

int TSkinReader::GetBoolean(int index) const {
    const char* name = ElementName(ElementGroup::Flag, index);
    return fileReader_ && name ? fileReader_->ReadBoolean(name) : 0;
}

}  // namespace skin
