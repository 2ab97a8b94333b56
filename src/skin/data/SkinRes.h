#pragma once

#include <array>

#include "skin/data/Bitmap.h"

namespace skin {

class TSkinReader;

// Pieces cut from skin bitmaps once per skin load, so that painters only place them.
class TSkinRes {
public:
    virtual ~TSkinRes() = default;

    // Stores the reader (not owned) and rebuilds every piece from it.
    void SetReader(const TSkinReader* reader);
    const TSkinReader* Reader() const { return reader_; }

    virtual void Update() {}

protected:
    // A reader that holds a loaded skin, or nullptr.
    const TSkinReader* ReadyReader() const;

private:
    const TSkinReader* reader_ = nullptr;
};

// Pieces numbered from 1, as painters name them; an index outside the set gives an empty bitmap.
template <int N>
class PieceSet {
public:
    const Bitmap& operator[](int index) const {
        static const Bitmap none;
        return index >= 1 && index <= N ? pieces_[index - 1] : none;
    }
    Bitmap& At(int index) { return pieces_.at(index - 1); }
    void Clear() { pieces_.fill(Bitmap()); }
    auto begin() { return pieces_.begin(); }
    auto end() { return pieces_.end(); }

private:
    std::array<Bitmap, N> pieces_;
};

// A copy of `source` turned by `turn` (RotateLeft, Rotate180 or RotateRight).
Bitmap Turned(const Bitmap& source, void (*turn)(Bitmap&));

}  // namespace skin
