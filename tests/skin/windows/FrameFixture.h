#pragma once

#include <QPixmap>
#include <QWindow>

#include "SkinFixture.h"
#include "skin/windows/TSkinWindow.h"

namespace skin::test {

// A plain window with a green icon, skinned with the probe skin and shown: 200 x 100 inside
// the frame.
struct FrameFixture : SkinFixture {
    void SetUp() override {
        SkinFixture::SetUp();
        window = std::make_unique<QWidget>();
        window->setWindowTitle("Probe");
        QPixmap icon(16, 16);
        icon.fill(Qt::green);
        window->setWindowIcon(QIcon(icon));
        window->resize(200, 100);
        window->move(100, 100);
        engine->RegisterWindow(window.get(), false);
        ASSERT_TRUE(ShowAndWait(window.get()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override {
        window.reset();
        SkinFixture::TearDown();
    }

    TSkinWindow& Skin() const { return *SkinWindowOf(window.get()); }
    QWindow* Handle() const { return window->windowHandle(); }
    QImage Shot() const { return window->grab().toImage(); }
    int W() const { return window->width(); }
    int H() const { return window->height(); }
    QPoint Centre(int element) const { return Skin().Geometry().Button(element).center(); }

    std::unique_ptr<QWidget> window;
};

}  // namespace skin::test
