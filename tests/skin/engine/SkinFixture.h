#pragma once

#include <gtest/gtest.h>

#include <QMainWindow>
#include <QTest>
#include <memory>

#include "ProbeSkin.h"
#include "skin/engine/TSkinEngine.h"

namespace skin::test {

// A main form carrying an engine with the probe skin, active and loaded.
struct SkinFixture : ::testing::Test {
    void SetUp() override {
        form = std::make_unique<QMainWindow>();
        form->setWindowTitle("Host");
        form->resize(300, 200);
        engine = new TSkinEngine(form.get());
        engine->SetSkinData(ProbeSkin());
        engine->SetActive(true);
        engine->Loaded();
    }
    void TearDown() override { form.reset(); }

    TSkinWindow* SkinWindowOf(const QWidget* widget) const {
        return engine->FindSkinWindow(widget);
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
