#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <memory>

#include "skin/data/Bitmap.h"
#include "skin/data/Sk2SkinFileReader.h"

namespace skin {

// The loaded skin as painters see it: elements by group index (SkinVocabulary.h). Missing
// elements are no error: bitmaps come back as none, colours and metrics as -1, flags as 0.
class TSkinReader {
public:
    // Not ready, with no skin: the engine creates its reader so.
    TSkinReader() = default;
    // LoadSkin(fileName, password) at once; an error of it leaves the constructor.
    TSkinReader(const QString& fileName, QByteArrayView password);

    // Loads the skin container in `fileName`. A missing file is no error: the reader becomes not
    // ready. An unreadable one throws SkinError and leaves the reader not ready without a skin,
    // and OnLoaded is not called; otherwise OnLoaded is called at the end.
    void LoadSkin(const QString& fileName, QByteArrayView password);
    // The same over the bytes of a skin container (the built-in skin), which are never missing.
    void LoadSkinData(QByteArrayView container, QByteArrayView password);

    bool Ready() const { return ready_; }
    const Tsk2SkinFileReader* FileReader() const { return fileReader_.get(); }

    const Bitmap* GetBitmap(int index) const;
    int32_t GetColor(int index) const;
    int32_t GetMetric(int index) const;
    int GetBoolean(int index) const;

    std::function<void(TSkinReader&)> OnLoaded;

private:
    void Adopt(std::unique_ptr<Tsk2SkinFileReader> fileReader);
    void Finish();

    std::unique_ptr<Tsk2SkinFileReader> fileReader_;
    bool ready_ = false;
};

}  // namespace skin
