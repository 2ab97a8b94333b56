#include "skin/values/SkinValues.h"

#include "skin/data/SkinVocabulary.h"
#include "skin/draw/BitmapOps.h"
#include "skin/draw/SystemFonts.h"
#include "skin/values/CheckMark.h"
#include "skin/values/SkinMarks.h"

namespace skin {

SkinValues::SkinValues() {
    reader_.OnLoaded = [this](TSkinReader&) {
        Refresh();
        if (OnLoaded) OnLoaded();
    };
    menuLook_.CheckMark = BuiltinCheckMark();
    AssignMenuFont(menuLook_.Font);
    AssignCaptionFont(captionFont_);
    captionMetrics_.emplace(captionFont_);
}

bool SkinValues::HasDisabledTag(const QObject* object) const {
    return disabledTag_ != 0 && TagOf(object) == disabledTag_;
}

bool SkinValues::GetElementFrame(int bitmap, Bitmap& destination, int frameIndex,
                                 int frameCount) const {
    const Bitmap* element = reader_.GetBitmap(bitmap);
    if (!element) return false;
    destination =
        frameIndex != 0 && frameCount != 0 ? FrameOf(*element, frameCount, frameIndex) : *element;
    return true;
}

void SkinValues::LoadSkin(const QString& fileName, const QByteArray& password) {
    reader_.LoadSkin(fileName, password);
}

void SkinValues::LoadSkinData(const QByteArray& container, const QByteArray& password) {
    reader_.LoadSkinData(container, password);
}

void SkinValues::Refresh() {
    ++generation_;
    metrics_ = SkinMetrics::FromReader(reader_);
    pieces_ = FramePieces::FromReader(reader_);
    resources_.SetReader(&reader_);
    menuLook_.Colors = metrics_.MenuColors;
    const Bitmap* check = reader_.GetBitmap(bitmaps::CheckedMenuIcon);
    menuLook_.CheckMark = check && !check->IsEmpty() ? SkinCheckMark(*check, metrics_.TransColor)
                                                     : BuiltinCheckMark();
}

}  // namespace skin
