#pragma once

#include <QObject>
#include <QVariant>

// Marks the skin leaves on widgets, as dynamic properties: a form's or control's Tag, and the
// sign that a skin window or skinner has taken the widget over.
namespace skin {

inline constexpr char kTagProperty[] = "tag";
inline constexpr char kSkinnedProperty[] = "skinSkinned";
// Widgets the skin itself made or drives (a form's skinned menu bar): never given a skinner.
inline constexpr char kInternalProperty[] = "skinInternal";

// A dynamic property of the object; none without looking through its class's properties when
// the object has no dynamic properties at all, as most widgets have not.
inline QVariant Mark(const QObject* object, const char* name) {
    if (!object || object->dynamicPropertyNames().isEmpty()) return {};
    return object->property(name);
}

// Sets a dynamic property of the object; an invalid value takes it away.
inline void SetMark(QObject* object, const char* name, const QVariant& value) {
    if (object) object->setProperty(name, value);
}

// The object's Tag; 0 when it has none.
inline int TagOf(const QObject* object) { return Mark(object, kTagProperty).toInt(); }

inline bool IsSkinned(const QObject* object) { return Mark(object, kSkinnedProperty).toBool(); }

// Set while a skin window or skinner holds the widget; removed when it lets go.
inline void SetSkinnedMark(QObject* object, bool on) {
    SetMark(object, kSkinnedProperty, on ? QVariant(true) : QVariant());
}

inline bool IsSkinInternal(const QObject* object) {
    return Mark(object, kInternalProperty).toBool();
}

}  // namespace skin
