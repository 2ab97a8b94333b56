#include <gtest/gtest.h>

#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSizeGrip>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "FrameFixture.h"
#include "skin/data/ContainerWriter.h"
#include "skin/data/Sk2Archive.h"
#include "skin/values/SkinMarks.h"
#include "support/WaitFor.h"

namespace skin::test {
namespace {

using namespace probe;
using plivant::test::WaitFor;
using Adaptation = SkinFixture;

// Everything the skin changes on a window, to compare before and after.
struct Snapshot {
    QRect Geometry;
    Qt::WindowFlags Flags;
    QMargins Margins;
    QColor Window;
    bool OwnPalette;
    QSize Minimum;
    QSize Maximum;
    QRegion Mask;
    bool Tracking;
    std::vector<QPoint> Children;

    static Snapshot Of(QWidget& w) {
        Snapshot s{w.geometry(),
                   w.windowFlags(),
                   w.contentsMargins(),
                   w.palette().color(QPalette::Window),
                   w.testAttribute(Qt::WA_SetPalette),
                   w.minimumSize(),
                   w.maximumSize(),
                   w.mask(),
                   w.hasMouseTracking(),
                   {}};
        for (QWidget* child : w.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!w.layout()) s.Children.push_back(child->pos());  // hand-placed ones
        }
        return s;
    }
};

void ExpectSame(const Snapshot& a, const Snapshot& b) {
    EXPECT_EQ(a.Geometry, b.Geometry);
    EXPECT_EQ(a.Flags, b.Flags);
    EXPECT_EQ(a.Margins, b.Margins);
    EXPECT_EQ(a.Window, b.Window);
    EXPECT_EQ(a.OwnPalette, b.OwnPalette);
    EXPECT_EQ(a.Minimum, b.Minimum);
    EXPECT_EQ(a.Maximum, b.Maximum);
    EXPECT_EQ(a.Mask, b.Mask);
    EXPECT_EQ(a.Tracking, b.Tracking);
    EXPECT_EQ(a.Children, b.Children);
}

// A dialog of fixed size whose controls are placed by hand, as the program's dialogs are.
struct HandPlacedDialog : QDialog {
    HandPlacedDialog() {
        label = new QLabel("Label", this);
        label->setGeometry(10, 10, 100, 20);
        button = new QPushButton("OK", this);
        button->setGeometry(20, 40, 75, 25);
        setFixedSize(257, 120);
    }
    QLabel* label;
    QPushButton* button;
};

TEST_F(Adaptation, SkinOnOffAndOnAgainRestoresEverything) {
    HandPlacedDialog fixed;
    QWidget laidOut;
    auto* layout = new QVBoxLayout(&laidOut);
    auto* edit = new QLineEdit(&laidOut);
    layout->addWidget(edit);
    laidOut.resize(220, 90);
    for (QWidget* w : {static_cast<QWidget*>(&fixed), &laidOut}) w->move(50, 60);
    const Snapshot fixedBefore = Snapshot::Of(fixed);
    const Snapshot laidOutBefore = Snapshot::Of(laidOut);

    engine->RegisterWindow(&fixed, false);
    engine->RegisterWindow(&laidOut, false);
    const Snapshot fixedOn = Snapshot::Of(fixed);
    EXPECT_EQ(fixed.size(), QSize(257 + 2 * kBorder, 120 + kTitleHeight + kBottomHeight));
    EXPECT_EQ(fixed.label->pos(), QPoint(10 + kBorder, 10 + kTitleHeight));
    EXPECT_EQ(fixed.palette().color(QPalette::Window), Q(kForm));
    EXPECT_EQ(laidOut.size(), QSize(220 + 2 * kBorder, 90 + kTitleHeight + kBottomHeight));
    laidOut.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&laidOut));
    EXPECT_TRUE(laidOut.contentsRect().contains(edit->geometry()));
    laidOut.hide();

    engine->SetActive(false);
    ExpectSame(Snapshot::Of(fixed), fixedBefore);
    ExpectSame(Snapshot::Of(laidOut), laidOutBefore);
    engine->SetActive(true);
    ExpectSame(Snapshot::Of(fixed), fixedOn);
}

// The skin's bottom-right border resizes the window: a dialog's own size grips hide while the
// skin is on, also one that comes while it is, and a status bar keeps its grip.
TEST_F(Adaptation, SizeGripsHideWhileSkinned) {
    QDialog dialog;
    dialog.setSizeGripEnabled(true);
    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    QMainWindow main;
    main.statusBar();
    engine->RegisterWindow(&dialog, false);
    engine->RegisterWindow(&main, false);
    for (QWidget* w : std::initializer_list<QWidget*>{&dialog, &main, &files})
        ASSERT_TRUE(ShowAndWait(w));
    auto grip = [](QWidget& w) { return w.findChild<QSizeGrip*>(); };
    EXPECT_FALSE(grip(dialog)->isVisible());
    ASSERT_TRUE(IsSkinned(&files));
    EXPECT_FALSE(grip(files)->isVisible());
    EXPECT_TRUE(grip(main)->isVisible());
    dialog.setSizeGripEnabled(false);
    dialog.setSizeGripEnabled(true);
    EXPECT_TRUE(WaitFor([&] { return !grip(dialog)->isVisible(); }));
    engine->SetActive(false);
    EXPECT_TRUE(grip(dialog)->isVisible());
    EXPECT_TRUE(grip(main)->isVisible());
    engine->SetActive(true);
    EXPECT_FALSE(grip(dialog)->isVisible());
}

TEST_F(Adaptation, FormsWithoutLimitsGetRoomForTheFrame) {
    QWidget free;
    QWidget limited;
    limited.setMinimumSize(400, 300);
    engine->RegisterWindow(&free, false);
    engine->RegisterWindow(&limited, false);
    EXPECT_EQ(free.minimumSize(), QSize(engine->Skin().Metrics().MinFormWidth, kTitleHeight + 6));
    EXPECT_EQ(limited.minimumSize(), QSize(400, 300));
    engine->SetActive(false);
    EXPECT_EQ(free.minimumSize(), QSize(0, 0));
}

TEST_F(Adaptation, AMaximisedFormCoversTheWorkArea) {
    QWidget big;
    big.resize(300, 200);
    engine->RegisterWindow(&big, false);
    ASSERT_TRUE(ShowAndWait(&big));
    big.showMaximized();
    const QRect area = big.screen()->availableGeometry();
    EXPECT_TRUE(WaitFor([&] { return big.geometry() == area; }));
    big.showNormal();
    EXPECT_TRUE(WaitFor([&] { return big.size() == QSize(300 + 6, 200 + kTitleHeight + 4); }));
}

TEST_F(Adaptation, AFramelessPopupGetsTheColoursButNoFrame) {
    QWidget popup(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    popup.resize(177, 167);
    const Qt::WindowFlags flags = popup.windowFlags();
    engine->RegisterWindow(&popup, false);
    ASSERT_TRUE(ShowAndWait(&popup));
    EXPECT_EQ(popup.size(), QSize(177, 167));
    EXPECT_EQ(popup.contentsMargins(), QMargins());
    EXPECT_EQ(popup.windowFlags(), flags);
    EXPECT_TRUE(popup.mask().isEmpty());
    EXPECT_EQ(popup.palette().color(QPalette::Window), Q(kForm));
    EXPECT_FALSE(SkinWindowOf(&popup)->HasTitle());
}

TEST_F(Adaptation, DialogsCaughtWhileShownStayOpen) {
    QDialog dialog;  // a plain dialog, caught when shown
    dialog.resize(200, 80);
    bool skinned = false;
    QSize size;
    QTimer::singleShot(50, &dialog, [&] {
        skinned = IsSkinned(&dialog);
        size = dialog.size();
        dialog.accept();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_TRUE(skinned);
    EXPECT_EQ(size, QSize(200 + 2 * kBorder, 80 + kTitleHeight + kBottomHeight));
}

TEST_F(Adaptation, TheCloseButtonCancelsAMessageBox) {
    QMessageBox box(QMessageBox::Question, "Question", "Go on?",
                    QMessageBox::Yes | QMessageBox::No);
    QTimer::singleShot(50, &box, [&] {
        TSkinWindow* skin = SkinWindowOf(&box);
        ASSERT_NE(skin, nullptr);
        EXPECT_TRUE(skin->CloseButtonShown());
        EXPECT_FALSE(skin->MaxButtonShown() || skin->MinButtonShown());
        QWindow* handle = box.windowHandle();
        const QPoint close = skin->Geometry().Button(caption::kClose).center();
        QTest::mouseClick(handle, Qt::LeftButton, {}, close);
    });
    EXPECT_EQ(box.exec(), QMessageBox::No);
    EXPECT_EQ(box.clickedButton(), box.button(QMessageBox::No));
}

TEST_F(Adaptation, TheFormsMenusAreDrawnByTheSkinWhileItIsOn) {
    QMenu* file = form->menuBar()->addMenu("&File");
    QMenu* recent = file->addMenu("Recent");
    QMenu context(form.get());
    QMenu tagged(form.get());
    tagged.setProperty("tag", 9999);
    engine->SetActive(false);
    engine->SetActive(true);
    for (QMenu* menu : {file, recent, &context}) EXPECT_TRUE(engine->IsOwnerDrawn(menu));
    EXPECT_FALSE(engine->IsOwnerDrawn(&tagged));
    engine->SetActive(false);
    for (QMenu* menu : {file, recent, &context}) EXPECT_FALSE(engine->IsOwnerDrawn(menu));
}

TEST_F(Adaptation, TheMenuBarWearsTheSkinsMenuColours) {
    QMenuBar* bar = form->menuBar();
    QStyle* own = bar->style();
    QMenu* file = bar->addMenu("&File");
    file->addAction("Open", QKeySequence("Ctrl+O"));
    bar->addMenu("&Help")->setEnabled(false);
    engine->SetActive(false);
    engine->SetActive(true);
    engine->SetActive(true);  // on twice: the bar's own style is still the one kept
    ASSERT_TRUE(ShowAndWait(form.get()));
    EXPECT_NE(bar->style(), own);
    EXPECT_GE(bar->y(), kTitleHeight);
    const QImage shot = bar->grab().toImage();
    const int x = bar->width() - 5;
    EXPECT_EQ(shot.pixelColor(x, 0), Q(kMenu[menucolors::BarStart]));
    EXPECT_EQ(shot.pixelColor(x, bar->height() - 1), Q(kMenu[menucolors::BarEnd]));

    bar->setActiveAction(file->menuAction());
    ASSERT_TRUE(WaitFor([&] { return file->isVisible(); }));
    const QRect item = bar->actionGeometry(file->menuAction());
    const QImage open = bar->grab().toImage();
    EXPECT_EQ(open.pixelColor(item.topLeft()), Q(kMenu[menucolors::TopSelectedBorder]));
    EXPECT_EQ(open.pixelColor(item.left() + 2, item.bottom() - 2),
              Q(kMenu[menucolors::TopSelected]));
    file->hide();

    engine->SetActive(false);
    EXPECT_EQ(bar->style(), own);
}

TEST_F(Adaptation, MenusMadeOnTheSpotAreDrawnByTheSkin) {
    auto* edit = new QLineEdit(form.get());
    form->setCentralWidget(edit);
    ASSERT_TRUE(ShowAndWait(form.get()));
    QMenu* context = edit->createStandardContextMenu();  // a child of the edit
    context->popup(edit->mapToGlobal(QPoint(5, 5)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(context));
    EXPECT_TRUE(engine->IsOwnerDrawn(context));
    context->hide();
    QMenu loose;  // no parent in a skinned window: left alone
    loose.addAction("Item");
    loose.popup(QPoint(5, 5));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&loose));
    EXPECT_FALSE(engine->IsOwnerDrawn(&loose));
    delete context;
}

// A skin without frame pictures gives windows no frame, and nothing breaks.
TEST_F(Adaptation, ASkinWithoutFramePicturesLeavesNoFrame) {
    SkinElements colours;
    for (const SkinElement& e : ProbeSkinElements()) {
        if (e.Kind != ekBitmap) colours.push_back(e);
    }
    engine->SetSkinData(WriteSkinContainer(WriteSk2Archive(colours)));
    QWidget bare;
    bare.resize(200, 100);
    engine->RegisterWindow(&bare, false);
    ASSERT_TRUE(ShowAndWait(&bare));
    EXPECT_EQ(bare.size(), QSize(200, 100));
    EXPECT_EQ(bare.palette().color(QPalette::Window), Q(kForm));
    QTest::mouseMove(bare.windowHandle(), QPoint(100, 1));
    QTest::mouseClick(bare.windowHandle(), Qt::LeftButton, {}, QPoint(190, 5));
    EXPECT_FALSE(bare.grab().isNull());
    EXPECT_TRUE(bare.isVisible());
}

TEST_F(Adaptation, AnotherSkinReskinsEveryWindow) {
    QWidget other;
    other.resize(200, 100);
    engine->RegisterWindow(&other, false);
    int changed = 0;
    engine->OnSkinChanged = [&](TSkinEngine&) { ++changed; };
    const QByteArray wider = ProbeSkinWith({SkinElement::Bitmap("SKIN2_FORMLEFTBORDER", [] {
        Bitmap b(7, 10);
        b.Image().fill(Qt::red);
        return b.ToBmp();
    }())});
    engine->SetSkinData(wider);
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(other.contentsMargins().left(), 7);
    EXPECT_EQ(other.size(), QSize(200 + 7 + kBorder, 100 + kTitleHeight + kBottomHeight));
    EXPECT_EQ(form->contentsMargins().left(), 7);
}

}  // namespace
}  // namespace skin::test
