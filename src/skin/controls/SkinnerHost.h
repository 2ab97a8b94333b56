#pragma once

class QWidget;

namespace skin {

class SkinValues;

// What a skinner asks of the skin window that owns it: the skin, whether the window wears it,
// and whether a form is drawn active. Skin windows serve it; skinners see nothing more of them.
class SkinnerHost {
public:
    virtual const SkinValues& Skin() const = 0;
    // The window wants the skin's look; the engine may still not be skinning.
    virtual bool Skinned() const = 0;
    // Whether the form that holds `control` is drawn active.
    virtual bool IsFormActive(const QWidget* control) const = 0;

protected:
    ~SkinnerHost() = default;
};

}  // namespace skin
