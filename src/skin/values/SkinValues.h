#pragma once

#include <QByteArray>
#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <functional>
#include <optional>

#include "skin/data/SkinReader.h"
#include "skin/data/SkinResources.h"
#include "skin/values/ElementFrames.h"
#include "skin/values/FramePieces.h"
#include "skin/values/MenuLook.h"
#include "skin/values/SkinMetrics.h"

class QObject;

namespace skin {

// The loaded skin as every painter reads it: the reader and its three resources, the values and
// pictures cut from it once per load, the looks of menus and captions, and the engine's switches
// that decide whether the skin is drawn at all. The engine owns and fills it; skinners, skin
// windows and menus hold it by const reference.
class SkinValues {
public:
    SkinValues();
    SkinValues(const SkinValues&) = delete;
    SkinValues& operator=(const SkinValues&) = delete;

    // Nothing of the skin is drawn unless skinning is on and a skin is loaded.
    bool IsSkinning() const { return active_ && reader_.Ready(); }
    bool Ready() const { return reader_.Ready(); }
    bool Active() const { return active_; }
    // A form or control whose Tag equals it is never skinned.
    int DisabledTag() const { return disabledTag_; }
    // The object carries the DisabledTag, and the tag is not 0, which every untagged object has.
    bool HasDisabledTag(const QObject* object) const;
    // Off, scroll bars keep their own pictures.
    bool DrawScrollBar() const { return drawScrollBar_; }

    // A copy of bitmap element `bitmap`, or its frame `frameIndex` of `frameCount` when both are
    // non-zero; false when the skin lacks the element.
    bool GetElementFrame(int bitmap, Bitmap& destination, int frameIndex, int frameCount) const;
    const Bitmap* GetSkinBitmap(int bitmap) const { return reader_.GetBitmap(bitmap); }
    ColorRef GetSkinColor(int colour) const { return reader_.GetColor(colour); }
    int GetSkinBool(int flag) const { return reader_.GetBoolean(flag); }
    const TSkinReader& Reader() const { return reader_; }
    const SkinResources& Resources() const { return resources_; }
    const SkinMetrics& Metrics() const { return metrics_; }
    const FramePieces& Pieces() const { return pieces_; }
    const MenuLook& Menus() const { return menuLook_; }
    const ElementFrames& Frames() const { return frames_; }
    // The window system's caption font and its measures, looked up once.
    const QFont& CaptionFont() const { return captionFont_; }
    const QFontMetrics& CaptionMetrics() const { return *captionMetrics_; }
    // Counts the skins loaded, so that kept pictures know when they are out of date.
    int SkinGeneration() const { return generation_; }

    // The engine's side.
    void SetActive(bool on) { active_ = on; }
    void SetDisabledTag(int tag) { disabledTag_ = tag; }
    void SetDrawScrollBar(bool on) { drawScrollBar_ = on; }
    // Load a skin container file or its bytes (SkinReader.h); after a load the values are cut
    // anew and OnLoaded runs.
    void LoadSkin(const QString& fileName, const QByteArray& password);
    void LoadSkinData(const QByteArray& container, const QByteArray& password);
    std::function<void()> OnLoaded;

private:
    void Refresh();

    TSkinReader reader_;
    SkinResources resources_;
    SkinMetrics metrics_;
    FramePieces pieces_;
    MenuLook menuLook_;
    ElementFrames frames_{*this};
    QFont captionFont_;
    std::optional<QFontMetrics> captionMetrics_;
    int generation_ = 0;
    bool active_ = false;
    int disabledTag_ = 9999;
    bool drawScrollBar_ = true;
};

}  // namespace skin
