#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "SettingsHarness.h"

namespace plivant {
namespace {

TEST(FormPropLayout, ControlsStandAtTheirPlaces) {
    test::FormPropHarness h;
    TFormProp& form = h.Create();
    EXPECT_EQ(form.windowTitle(), "Настройки:");
    EXPECT_EQ(form.minimumSize(), QSize(378, 234));
    EXPECT_EQ(form.maximumSize(), QSize(378, 234));
    EXPECT_EQ(form.font().family(), "MS Sans Serif");
    EXPECT_EQ(form.font().pointSize(), 8);
    EXPECT_FALSE(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                                       Qt::WindowContextHelpButtonHint));
    const struct {
        const char* name;
        const char* parent;
        QRect place;
    } places[] = {
        {"GroupBox1", "", {8, 8, 161, 131}},
        {"CheckBox2", "GroupBox1", {16, 47, 105, 17}},
        {"CheckBox4", "GroupBox1", {16, 96, 97, 17}},
        {"GroupBox2", "", {175, 8, 193, 131}},
        {"mServers", "GroupBox2", {8, 30, 114, 66}},
        {"ComboBox2", "GroupBox2", {128, 32, 57, 21}},
        {"Edit1", "GroupBox2", {128, 102, 57, 21}},
        {"cbLanguage", "", {225, 150, 145, 21}},
        {"Bevel1", "", {9, 185, 361, 2}},
        {"CheckBox5", "", {8, 207, 169, 17}},
        {"Button1", "", {295, 199, 75, 25}},
    };
    for (const auto& p : places) {
        auto* widget = form.findChild<QWidget*>(p.name);
        ASSERT_NE(widget, nullptr) << p.name;
        EXPECT_EQ(widget->geometry(), p.place) << p.name;
        EXPECT_EQ(widget->parentWidget()->objectName(), p.parent) << p.name;
    }
    const std::pair<const char*, QPoint> labels[] = {
        {"Label1", {8, 16}}, {"Label2", {10, 110}}, {"Label3", {128, 153}}};
    for (const auto& [name, at] : labels) {
        EXPECT_EQ(form.findChild<QLabel*>(name)->pos(), at) << name;
    }
    const FormPropWidgets& ui = form.Widgets();
    EXPECT_EQ(ui.CheckBox5->text(), "Подключатся при включении");
    EXPECT_EQ(ui.mServers->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(ui.mServers->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(ui.ComboBox2->isEditable());
    EXPECT_EQ(ui.ComboBox2->count(), 1);
    EXPECT_FALSE(ui.cbLanguage->isEditable());
    EXPECT_EQ(ui.cbLanguage->itemText(1), "English");
}

TEST(FormPropLayout, TabWalksTheControlsInOrder) {
    test::FormPropHarness h;
    TFormProp& form = h.Create();
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    const FormPropWidgets& ui = form.Widgets();
    ui.CheckBox1->setFocus();
    std::vector<QString> walked;
    for (int i = 0; i < 10; ++i) {
        QWidget* focus = QApplication::focusWidget();
        // The editable combo box's own line edit takes the focus for it.
        if (qobject_cast<QLineEdit*>(focus) && focus->parentWidget() == ui.ComboBox2) {
            focus = ui.ComboBox2;
        }
        walked.push_back(focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(walked,
              (std::vector<QString>{"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "ComboBox2",
                                    "Edit1", "mServers", "Button1", "CheckBox5", "cbLanguage"}));
    EXPECT_EQ(QApplication::focusWidget(), ui.CheckBox1);
}

TEST(FormPropLayout, OpensCentredOnTheMainWindow) {
    QWidget mainWindow;
    mainWindow.setGeometry(100, 120, 800, 600);
    mainWindow.show();
    test::FormPropHarness h;
    TFormProp form({h.settings, h.store, ServersFile(h.serversPath), h.feed, h.prompter},
                   &mainWindow);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QPoint offset = form.frameGeometry().center() - mainWindow.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << "," << offset.y();
}

}  // namespace
}  // namespace plivant
