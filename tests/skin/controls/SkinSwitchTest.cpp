#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "ControlProbe.h"

namespace skin::test {
namespace {

// What a skin may change on a control, and what it looks like.
struct Looks {
    QPalette Palette;
    bool OwnPalette;
    bool OwnStyle;
    QStyle* Style;
    QImage Shot;

    bool operator==(const Looks&) const = default;
};

Looks LooksOf(QWidget* widget) {
    return {widget->palette(), widget->testAttribute(Qt::WA_SetPalette),
            widget->testAttribute(Qt::WA_SetStyle), widget->style(), Grab(widget)};
}

struct SkinSwitch : ControlFixture {
    void SetUp() override {
        ControlFixture::SetUp();
        engine->SetActive(false);
        ASSERT_TRUE(Show());
        Add(new QPushButton("Push", form.get()), {10, 10, 80, 26});
        Add(new QToolButton(form.get()), {100, 10, 40, 26});
        Add(new QCheckBox("Check", form.get()), {10, 40, 90, 22});
        Add(new QRadioButton("Radio", form.get()), {100, 40, 90, 22});
        auto* bar = Add(new QToolBar(form.get()), {10, 70, 200, 30});
        bar->addAction("Act");
        Add(new QStatusBar(form.get()), {0, 230, 360, 22});
        Add(new QGroupBox("Group", form.get()), {200, 10, 150, 60});
        auto* panel = Add(new QFrame(form.get()), {220, 100, 60, 40});
        QPalette yellow = panel->palette();
        yellow.setColor(QPalette::Window, Qt::yellow);
        panel->setPalette(yellow);
        panel->setAutoFillBackground(true);
        Add(new QLabel("Label", form.get()), {10, 110, 80, 20});
        QApplication::processEvents();
        Skin();
    }
    template <typename W>
    W* Add(W* widget, const QRect& place) {
        widget->setGeometry(place);
        widget->show();
        widgets.push_back(widget);
        return widget;
    }
    std::vector<Looks> Now() const {
        std::vector<Looks> looks;
        for (QWidget* w : widgets) looks.push_back(LooksOf(w));
        return looks;
    }
    std::vector<QWidget*> widgets;
};

TEST_F(SkinSwitch, OffGivesEveryControlItsOwnLookBackAndOnPutsTheSkinOnAgain) {
    const std::vector<Looks> own = Now();
    for (int round = 0; round < 2; ++round) {
        engine->SetActive(true);
        const std::vector<Looks> skinned = Now();
        for (size_t i = 0; i < widgets.size(); ++i) {
            EXPECT_NE(skinned[i].Shot, own[i].Shot)
                << widgets[i]->metaObject()->className() << " round " << round;
        }
        engine->SetActive(false);
        const std::vector<Looks> back = Now();
        for (size_t i = 0; i < widgets.size(); ++i) {
            EXPECT_TRUE(back[i] == own[i])
                << widgets[i]->metaObject()->className() << " round " << round;
        }
    }
}

}  // namespace
}  // namespace skin::test
