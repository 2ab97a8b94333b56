// Painting skinned controls against the same controls unskinned: a push button (face composed
// off screen each paint), a check box (its own painting and the glyph over it) and a tool bar
// with a hot button. Arg 0: skin off; arg 1: skin on.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QImage>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

#include "skin/builtin/BuiltinSkin.h"
#include "skin/engine/TSkinEngine.h"

namespace {

using namespace skin;

// A form holding the controls, its skin on or off.
struct SkinnedForm {
    explicit SkinnedForm(bool skinned) {
        form.resize(400, 200);
        button = new QPushButton("Закрыть", &form);
        button->setGeometry(10, 10, 75, 25);
        check = new QCheckBox("Подключатся при включении", &form);
        check->setGeometry(10, 50, 169, 17);
        check->setChecked(true);
        bar = new QToolBar(&form);
        bar->setGeometry(0, 100, 400, 30);
        for (const char* text : {"Refresh", "Tray", "Settings", "About"}) bar->addAction(text);
        engine = new TSkinEngine(&form);
        engine->SetSkinData(BuiltinSkinData());
        engine->SetActive(skinned);
        engine->Loaded();
        form.show();
        const QPointF at(2, 2);
        QEnterEvent enter(at, at, at);
        QApplication::sendEvent(bar->widgetForAction(bar->actions().first()), &enter);
    }
    QWidget form;
    QPushButton* button;
    QCheckBox* check;
    QToolBar* bar;
    TSkinEngine* engine;
};

void Render(benchmark::State& state, QWidget* (*pick)(SkinnedForm&)) {
    SkinnedForm f(state.range(0) != 0);
    QWidget* widget = pick(f);
    QImage target(widget->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        widget->render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}

void BM_PushButtonPaint(benchmark::State& state) {
    Render(state, [](SkinnedForm& f) -> QWidget* { return f.button; });
}
void BM_CheckBoxPaint(benchmark::State& state) {
    Render(state, [](SkinnedForm& f) -> QWidget* { return f.check; });
}
void BM_ToolBarPaint(benchmark::State& state) {
    Render(state, [](SkinnedForm& f) -> QWidget* { return f.bar; });
}

BENCHMARK(BM_PushButtonPaint)->Arg(0)->Arg(1);
BENCHMARK(BM_CheckBoxPaint)->Arg(0)->Arg(1);
BENCHMARK(BM_ToolBarPaint)->Arg(0)->Arg(1);

}  // namespace
