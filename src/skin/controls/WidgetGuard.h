#pragma once

#include <QPointer>
#include <QWidget>

namespace skin {

// A guarded pointer to a widget of type T that may be read at any time, also while the widget
// is being destroyed (its destructor still sends events and signals): it then reads as none.
// QPointer<T> of a derived type may not be read then, since the object is no longer a T.
template <typename T>
class WidgetGuard {
public:
    WidgetGuard(T* widget = nullptr) : widget_(widget) {}  // NOLINT: stands in for a pointer

    T* get() const { return qobject_cast<T*>(widget_.data()); }
    operator T*() const { return get(); }  // NOLINT: stands in for a pointer
    T* operator->() const { return get(); }
    // The object itself, whatever it still is: for comparing with what an event names.
    const QObject* object() const { return widget_.data(); }

private:
    QPointer<QWidget> widget_;
};

}  // namespace skin
