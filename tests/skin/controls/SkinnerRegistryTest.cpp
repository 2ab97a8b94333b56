#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCommandLinkButton>
#include <QDateEdit>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include "skin/controls/SkinnerRegistry.h"
#include "skin/controls/TSkinControl.h"

namespace skin {
namespace {

SkinnerFactory Nothing() {
    return [](QWidget*, SkinnerHost&) { return std::unique_ptr<TSkinControl>(); };
}

// Every skinner class of the built-in table, as if all families were built.
SkinnerRegistry Complete() {
    SkinnerRegistry registry(BuiltinSkinnerRows());
    for (const SkinnerRow& row : BuiltinSkinnerRows()) {
        registry.RegisterSkinnerClass(row.Skinner, Nothing());
    }
    return registry;
}

TEST(SkinnerRegistry, EachControlGetsTheSkinnerOfItsRole) {
    const SkinnerRegistry registry = Complete();
    const std::pair<std::function<QWidget*()>, const char*> cases[] = {
        {[] { return new QPushButton; }, "TSkinButton"},
        {[] { return new QCommandLinkButton; }, "TSkinButton"},
        {[] { return new QCheckBox; }, "TSkinCheckBox"},
        {[] { return new QRadioButton; }, "TSkinRadioButton"},
        {[] { return new QToolButton; }, "TSkinSpeedButton"},
        {[] { return new QComboBox; }, "TSkinComboBox"},
        {[] { return new QFontComboBox; }, "TSkinComboBoxEx"},
        {[] { return new QTableWidget; }, "TSkinGrid"},
        {[] { return new QListWidget; }, "TSkinListView"},
        {[] { return new QTreeWidget; }, "TSkinListView"},
        {[] { return new QPlainTextEdit; }, "TSkinScrollWinControl"},
        {[] { return new QLineEdit; }, "TSkinScrollWinControl"},
        {[] { return new QLabel; }, "TSkinLabel"},
        {[] { return new QFrame; }, "TSkinPanel"},
        {[] { return new QGroupBox; }, "TSkinGroupBox"},
        {[] { return new QDateEdit; }, "TSkinDateTimePicker"},
        {[] { return new QSpinBox; }, "TSkinUpDown"},
        {[] { return new QScrollBar; }, "TSkinScrollBar"},
        {[] { return new QSlider; }, "TSkinTrackBar"},
        {[] { return new QProgressBar; }, "TSkinProgressBar"},
        {[] { return new QTabWidget; }, "TSkinTabControl"},
        {[] { return new QStatusBar; }, "TSkinStatusBar"},
        {[] { return new QToolBar; }, "TSkinToolBar"},
        {[] { return new QWidget; }, ""},
    };
    for (const auto& [make, skinner] : cases) {
        std::unique_ptr<QWidget> widget(make());
        EXPECT_EQ(registry.FindSkinnerClass(widget.get()), QByteArray(skinner))
            << widget->metaObject()->className();
    }
}

TEST(SkinnerRegistry, OnlyRowsOfRegisteredSkinnersCount) {
    SkinnerRegistry registry(BuiltinSkinnerRows());
    QLabel label;
    QPushButton button;
    EXPECT_EQ(registry.FindSkinnerClass(&label), "");
    registry.RegisterSkinnerClass("TSkinPanel", Nothing());
    EXPECT_EQ(registry.FindSkinnerClass(&label), "TSkinPanel");  // a label is a frame
    EXPECT_EQ(registry.FindSkinnerClass(&button), "");
    const SkinnerRow mine[] = {{"QLabel", "MyLabel"}};
    registry.RegisterSkinners(mine);
    registry.RegisterSkinnerClass("MyLabel", Nothing());
    EXPECT_EQ(registry.FindSkinnerClass(&label), "MyLabel");  // later rows win
    registry.UnregisterSkinnerClass("MyLabel");
    EXPECT_EQ(registry.FindSkinnerClass(&label), "TSkinPanel");
}

TEST(SkinnerRegistry, TheProgramRegistersOnlyTheFamiliesThatExist) {
    QPushButton button;
    QWidget plain;
    EXPECT_EQ(SkinnerRegistry::Instance().FindSkinnerClass(&button), "TSkinButton");
    EXPECT_EQ(SkinnerRegistry::Instance().FindSkinnerClass(&plain), "");
}

}  // namespace
}  // namespace skin
