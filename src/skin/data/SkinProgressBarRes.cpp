#include "skin/data/SkinProgressBarRes.h"

#include "skin/data/BitmapOps.h"
#include "skin/data/SkinReader.h"
#include "skin/data/SkinVocabulary.h"

namespace skin {

void TSkinProgressBarRes::Update() {
    horz_.Clear();
    vert_.Clear();
    startWidth_ = endWidth_ = 0;
    const TSkinReader* reader = ReadyReader();
    if (!reader) return;
    for (int i = 1; i <= 4; ++i) {
        if (const Bitmap* piece = reader->GetBitmap(bitmaps::ProgressBar1 + i - 1)) {
            horz_.At(i) = *piece;
        }
        vert_.At(i) = Turned(horz_[i], RotateLeft);
    }
    startWidth_ = horz_[1].Width();
    endWidth_ = horz_[4].Width();
}

}  // namespace skin
