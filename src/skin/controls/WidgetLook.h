#pragma once

#include <QPalette>
#include <QPointer>
#include <QStyle>
#include <QWidget>
#include <optional>
#include <vector>

namespace skin {

// What a skin changes on one widget, saved before the first change and put back exactly:
// palette, background filling, style and attributes. Each part is saved once however often it
// is changed; Restore puts back only what was saved, and nothing on a widget that is gone.
class WidgetLook {
public:
    explicit WidgetLook(QWidget* widget = nullptr) : widget_(widget) {}

    QWidget* Widget() const { return widget_; }
    bool IsSaved() const;

    // Sets one colour role of the widget's palette (all colour groups).
    void SetColor(QPalette::ColorRole role, const QColor& colour);
    // Takes a role out of the widget's own palette so that it shows its parent's colour.
    void InheritColor(QPalette::ColorRole role);
    void SetAutoFillBackground(bool on);
    void SetStyle(QStyle* style);
    void SetAttribute(Qt::WidgetAttribute attribute, bool on);

    void Restore();

private:
    void SavePalette();

    struct SavedPalette {
        QPalette Palette;
        bool Own;
    };
    struct SavedStyle {
        QPointer<QStyle> Style;  // none when the widget used the application's
    };

    QPointer<QWidget> widget_;
    std::optional<SavedPalette> palette_;
    std::optional<bool> autoFill_;
    std::optional<SavedStyle> style_;
    std::vector<std::pair<Qt::WidgetAttribute, bool>> attributes_;
};

}  // namespace skin
