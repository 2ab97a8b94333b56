#pragma once

#include <gtest/gtest.h>

#include <QMainWindow>
#include <QTest>
#include <memory>

#include "ProbeSkin.h"
#include "skin/controls/TSkinControl.h"
#include "skin/engine/TSkinEngine.h"
#include "skin/windows/TSkinWindow.h"

namespace skin::test {

// The skinner that serves `control` in the window, or null.
inline TSkinControl* SkinnerOf(TSkinWindow& window, const QWidget* control) {
    for (TSkinControl* skinner : window.Controls().Skinners()) {
        if (skinner->Control() == control) return skinner;
    }
    return nullptr;
}

// A main form carrying an engine with the probe skin, or the one `SkinData` gives, active and
// loaded.
struct SkinFixture : ::testing::Test {
    virtual QByteArray SkinData() const { return ProbeSkin(); }
    void SetUp() override {
        form = std::make_unique<QMainWindow>();
        form->setWindowTitle("Host");
        form->resize(300, 200);
        engine = new TSkinEngine(form.get());
        engine->SetSkinData(SkinData());
        engine->SetActive(true);
        engine->Loaded();
    }
    void TearDown() override { form.reset(); }

    TSkinWindow* SkinWindowOf(const QWidget* widget) const {
        return engine->FindSkinWindow(widget);
    }
    // The skinner of one of the form's controls, or null.
    TSkinControl* SkinnerOf(const QWidget* control) const {
        return test::SkinnerOf(*SkinWindowOf(form.get()), control);
    }

    std::unique_ptr<QMainWindow> form;
    TSkinEngine* engine = nullptr;
};

// Shows a window and waits until it is on screen.
inline bool ShowAndWait(QWidget* window) {
    window->show();
    return QTest::qWaitForWindowExposed(window);
}

}  // namespace skin::test
