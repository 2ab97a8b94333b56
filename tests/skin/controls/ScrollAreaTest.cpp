#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeView>
#include <QTreeWidget>
#include <functional>

#include "ScrollingProbe.h"
#include "skin/controls/TSkinGrid.h"
#include "skin/controls/TSkinListView.h"
#include "skin/values/SkinMarks.h"
#include "support/WaitFor.h"

namespace skin::test::scrolling {
namespace {

using plivant::test::WaitFor;
using ScrollAreas = ScrollingFixture;

QString LongLines(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i) lines << QString("Line %1 of a memo wider than itself").arg(i);
    return lines.join('\n');
}

QPlainTextEdit* Memo() {
    auto* memo = new QPlainTextEdit(LongLines(40));
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    return memo;
}

QRect GeometryIn(const QWidget* widget, const QWidget* ancestor) {
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

// A part of one of the area's bars, in the area's coordinates.
QRect PartIn(const QScrollBar* bar, QStyle::SubControl part, const QWidget* area) {
    return BarPart(bar, part).translated(bar->mapTo(area, QPoint(0, 0)));
}

TEST_F(ScrollAreas, AMemoGetsTheBorderAndItsOwnBarsPaintedFromTheSkin) {
    auto* memo = Add(Memo(), QRect(10, 10, 200, 120));
    SkinAndShow();
    ASSERT_NE(dynamic_cast<TSkinScrollWinControl*>(SkinnerOf(memo)), nullptr);
    const QImage image = memo->grab().toImage();
    EXPECT_EQ(At(image, {0, 0}), Q(kBorder));
    EXPECT_EQ(At(image, {199, 60}), Q(kBorder));
    EXPECT_EQ(At(image, {1, 60}), memo->viewport()->palette().color(QPalette::Base));
    QScrollBar* v = memo->verticalScrollBar();
    QScrollBar* h = memo->horizontalScrollBar();
    EXPECT_EQ(At(image, PartIn(v, QStyle::SC_ScrollBarSubLine, memo).center()), Q(kUp[0]));
    EXPECT_EQ(At(image, PartIn(h, QStyle::SC_ScrollBarAddLine, memo).center()), Q(kDown[0]));
    const QPoint corner(GeometryIn(v, memo).center().x(), GeometryIn(h, memo).center().y());
    EXPECT_EQ(At(image, corner), Q(probe::kForm));
    // The bars are the memo's parts, not controls of their own.
    for (QScrollBar* bar : {v, h}) {
        EXPECT_EQ(SkinnerOf(bar), nullptr);
        EXPECT_TRUE(IsSkinInternal(bar));
    }
}

TEST_F(ScrollAreas, OnlyControlsWithAFrameGetTheBorder) {
    const std::pair<std::function<QWidget*()>, bool> cases[] = {
        {[] { return new QLineEdit("Edit"); }, true},
        {[] { return new QTextEdit("Text"); }, true},
        {[] { return new QListWidget; }, true},
        {[] {
             auto* edit = new QLineEdit("Edit");
             edit->setFrame(false);
             return edit;
         },
         false},
        {[] {
             auto* memo = new QPlainTextEdit("Memo");
             memo->setFrameShape(QFrame::NoFrame);
             return memo;
         },
         false},
    };
    std::vector<QWidget*> controls;
    int y = 5;
    for (const auto& [make, bordered] : cases) {
        controls.push_back(Add(make(), QRect(5, y, 150, 40)));
        y += 45;
    }
    SkinAndShow();
    for (size_t i = 0; i < controls.size(); ++i) {
        const QImage image = controls[i]->grab().toImage();
        EXPECT_EQ(At(image, {0, 20}) == Q(kBorder), cases[i].second)
            << controls[i]->metaObject()->className() << " " << i;
    }
}

TEST_F(ScrollAreas, AListShowsItsSkinnedBarOnceItsItemsNeedOne) {
    auto* list = Add(new QListWidget, QRect(10, 10, 150, 100));
    list->addItems({"One", "Two"});
    SkinAndShow();
    QScrollBar* bar = list->verticalScrollBar();
    EXPECT_FALSE(bar->isVisibleTo(list));
    for (int i = 0; i < 30; ++i) list->addItem(QString("Item %1").arg(i));
    ASSERT_TRUE(WaitFor([&] { return bar->isVisibleTo(list); }));
    const QImage image = list->grab().toImage();
    EXPECT_EQ(At(image, PartIn(bar, QStyle::SC_ScrollBarSubLine, list).center()), Q(kUp[0]));
}

TEST_F(ScrollAreas, TheMemoScrollsThroughItsSkinnedBars) {
    auto* memo = Add(Memo(), QRect(10, 10, 200, 120));
    SkinAndShow();
    QScrollBar* v = memo->verticalScrollBar();
    QTest::mouseClick(v, Qt::LeftButton, {}, BarPart(v, QStyle::SC_ScrollBarAddLine).center());
    EXPECT_EQ(v->value(), 1);
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_PageDown);
    EXPECT_GT(v->value(), 1);
}

TEST_F(ScrollAreas, ABarGivenInPlaceOfAnotherIsTakenOver) {
    auto* memo = Add(Memo(), QRect(10, 10, 200, 120));
    SkinAndShow();
    auto* replacement = new QScrollBar;
    memo->setVerticalScrollBar(replacement);
    memo->repaint();
    EXPECT_NE(replacement->style(), QApplication::style());
    EXPECT_TRUE(IsSkinInternal(replacement));
    EXPECT_EQ(SkinnerOf(replacement), nullptr);
}

TEST_F(ScrollAreas, SwitchingTheSkinOffTakesBorderAndBarsAwayAndOnPutsThemBack) {
    auto* memo = Add(Memo(), QRect(10, 10, 200, 120));
    SkinAndShow();
    QScrollBar* v = memo->verticalScrollBar();
    const QPoint arrow = PartIn(v, QStyle::SC_ScrollBarSubLine, memo).center();
    engine->SetActive(false);
    EXPECT_EQ(v->style(), QApplication::style());
    EXPECT_FALSE(v->testAttribute(Qt::WA_SetStyle));
    QImage image = memo->grab().toImage();
    EXPECT_NE(At(image, {0, 0}), Q(kBorder));
    EXPECT_NE(At(image, arrow), Q(kUp[0]));
    engine->SetActive(true);
    image = memo->grab().toImage();
    EXPECT_EQ(At(image, {0, 0}), Q(kBorder));
    EXPECT_EQ(At(image, arrow), Q(kUp[0]));
}

// Column headers: flat sections in the form's colour, border-coloured separators and bottom
// line, captions in the control font colour placed by their alignment.
TEST_F(ScrollAreas, ATreeHeaderIsPaintedFromTheSkin) {
    auto* tree = Add(new QTreeWidget, QRect(10, 10, 380, 150));
    tree->setHeaderLabels({"Left", "Centre", "Right"});
    tree->headerItem()->setTextAlignment(1, Qt::AlignHCenter | Qt::AlignVCenter);
    tree->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    QHeaderView* header = tree->header();
    header->setStretchLastSection(false);
    for (int i = 0; i < 3; ++i) header->resizeSection(i, 100);
    SkinAndShow();
    ASSERT_NE(dynamic_cast<TSkinListView*>(SkinnerOf(tree)), nullptr);
    EXPECT_EQ(SkinnerOf(header), nullptr);
    const QImage image = header->grab().toImage();
    const int bottom = header->height() - 1;
    EXPECT_EQ(At(image, {2, 2}), Q(probe::kForm));
    EXPECT_EQ(At(image, {99, 2}), Q(kBorder));
    EXPECT_EQ(At(image, {50, bottom}), Q(kBorder));
    EXPECT_EQ(At(image, {340, 2}), Q(probe::kForm));  // right of the last column
    EXPECT_EQ(At(image, {340, bottom}), Q(kBorder));
    // Where each caption lies within its section: from its first to its last inked column.
    const std::pair<int, int> spans[] = {{4, 8}, {40, 60}, {85, 96}};
    for (int i = 0; i < 3; ++i) {
        const QRect section(i * 100, 0, 99, bottom);
        EXPECT_GT(CountColour(image, Q(kControlFont), section), 0) << i;
        std::vector<int> inked;
        for (int x = section.left(); x < section.right(); ++x) {
            const QRect column(x, 0, 1, bottom);
            if (CountColour(image, Q(probe::kForm), column) < bottom)
                inked.push_back(x - section.left());
        }
        ASSERT_FALSE(inked.empty()) << i;
        const int at = i == 0   ? inked.front()
                       : i == 1 ? (inked.front() + inked.back()) / 2
                                : inked.back();
        EXPECT_GE(at, spans[i].first) << i;
        EXPECT_LE(at, spans[i].second) << i;
    }
}

TEST_F(ScrollAreas, ATableShowsItsHeadersInTheFormColourUntilTheSkinGoesOff) {
    auto* table = Add(new QTableWidget(20, 5), QRect(10, 10, 300, 150));
    const QColor own = table->palette().color(QPalette::Button);
    SkinAndShow();
    ASSERT_NE(dynamic_cast<TSkinGrid*>(SkinnerOf(table)), nullptr);
    for (QHeaderView* header : {table->horizontalHeader(), table->verticalHeader()}) {
        EXPECT_EQ(SkinnerOf(header), nullptr);
        EXPECT_EQ(header->palette().color(QPalette::Button), Q(probe::kForm));
    }
    engine->SetActive(false);
    EXPECT_EQ(table->horizontalHeader()->palette().color(QPalette::Button), own);
    EXPECT_FALSE(table->testAttribute(Qt::WA_SetPalette));
}

TEST_F(ScrollAreas, EveryTreeViewIsAListViewWithItsHeaderSkinned) {
    auto* view = Add(new QTreeView, QRect(10, 10, 200, 100));
    SkinAndShow();
    EXPECT_NE(dynamic_cast<TSkinListView*>(SkinnerOf(view)), nullptr);
    EXPECT_NE(view->header()->style(), QApplication::style());
    engine->SetActive(false);
    EXPECT_EQ(view->header()->style(), QApplication::style());
}

}  // namespace
}  // namespace skin::test::scrolling
