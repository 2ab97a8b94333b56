#pragma once

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

class QPainter;

namespace skin {

class SkinValues;

// The side of the page the tabs stand on.
enum class TabSide { Top, Bottom, Left, Right };

// One tab where the control has laid it out.
struct TabItem {
    QRect Rect;
    QString Text;
    QIcon Icon;
    bool Selected = false;
    bool Enabled = true;
};

// What one paint of a tab control shows, in the coordinates of the picture.
struct TabScene {
    QSize Size;
    TabSide Side = TabSide::Top;
    // The page's frame: the display area grown by 2 pixels. A bare tab bar has no page.
    std::optional<QRect> Page;
    // The rectangle whose edge on the tabs' side carries the tab line; none without a line.
    std::optional<QRect> LineBase;
    QRect TabArea;  // the tabs are cut to it, and to the outside of the page
    std::vector<TabItem> Tabs;
    QFont Font;
    QSize IconSize;
};

// Composes the whole picture of a tab control from the skin: the form colour, the page frame in
// the control border colour, each tab from its frame of "SKIN2_TABCONTROL" with its caption kept
// upright or turned as the tab is, and the tab line turned for the side. Every tab is built anew
// on each paint; the pieces themselves are the skin resource's, cut once per skin.
class TabPainter {
public:
    explicit TabPainter(const SkinValues& skin) : skin_(skin) {}

    QImage Compose(const TabScene& scene) const;
    // One tab as it is drawn at its place (already turned for the side).
    QImage PaintTab(const TabItem& tab, TabSide side, const QFont& font,
                    const QSize& iconSize) const;

private:
    QImage TabBody(const TabItem& tab, const QSize& size) const;
    void DrawCaption(QImage& body, const TabItem& tab, TabSide side, const QFont& font,
                     const QSize& iconSize) const;
    void DrawPageFrame(QPainter& painter, const QRect& page) const;
    void DrawLine(QPainter& painter, const QRect& base, TabSide side) const;

    const SkinValues& skin_;
};

}  // namespace skin
