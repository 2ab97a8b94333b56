#include "skin/data/SkinTabRes.h"

#include "skin/data/BitmapOps.h"
#include "skin/data/SkinReader.h"
#include "skin/data/SkinVocabulary.h"

namespace skin {

void TSkinTabRes::Turns::Set(const Bitmap& plain) {
    Plain = plain;
    Left = Turned(plain, RotateLeft);
    Bottom = Turned(plain, Rotate180);
    Right = Turned(plain, RotateRight);
}

// Readiness is not asked here: a reader without a skin simply gives empty pieces.
void TSkinTabRes::Update() {
    line_ = tabA_ = tabB_ = Turns();
    if (!Reader()) return;
    const Bitmap* line = Reader()->GetBitmap(bitmaps::TabControlLine);
    const Bitmap* tab = Reader()->GetBitmap(bitmaps::TabControl);
    Bitmap a, b;
    SliceBitmap(tab, a, 2, 2);
    SliceBitmap(tab, b, 2, 1);
    line_.Set(line ? *line : Bitmap());
    tabA_.Set(a);
    tabB_.Set(b);
}

}  // namespace skin
