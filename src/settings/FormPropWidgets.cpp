#include "settings/FormPropWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace plivant {

namespace {

constexpr int kEditHeight = 21;  // one-line edits and combo boxes at 8 pt

template <typename W>
W* Place(QWidget* parent, const char* name, QRect place, const QString& text = {}) {
    W* widget = new W(parent);
    widget->setObjectName(name);
    widget->setGeometry(place);
    if constexpr (std::is_same_v<W, QGroupBox>) {
        widget->setTitle(text);
    } else if constexpr (requires { widget->setText(text); }) {
        widget->setText(text);
    }
    return widget;
}

// Labels take the size of their text.
QLabel* PlaceLabel(QWidget* parent, const char* name, QPoint at, const QString& text) {
    QLabel* label = Place<QLabel>(parent, name, QRect(at, QSize()), text);
    label->adjustSize();
    return label;
}

void SetUpDialog(QDialog& dialog) {
    dialog.setWindowTitle("Настройки:");
    // A fixed single border with the system menu only: no minimise, maximise or help box.
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
    dialog.setFixedSize(378, 234);
    dialog.setFont(QFont("MS Sans Serif", 8));
    dialog.setModal(true);
}

void BuildDisplayGroup(QDialog& dialog, FormPropWidgets& w) {
    w.GroupBox1 =
        Place<QGroupBox>(&dialog, "GroupBox1", {8, 8, 161, 131}, "Настройка строки вывода:");
    w.CheckBox1 = Place<QCheckBox>(w.GroupBox1, "CheckBox1", {16, 24, 97, 17}, "Вывод ID");
    w.CheckBox2 = Place<QCheckBox>(w.GroupBox1, "CheckBox2", {16, 47, 105, 17}, "Вывод Времени");
    w.CheckBox3 = Place<QCheckBox>(w.GroupBox1, "CheckBox3", {16, 73, 97, 17}, "Вывод Даты");
    w.CheckBox4 = Place<QCheckBox>(w.GroupBox1, "CheckBox4", {16, 96, 97, 17}, "Вывод Флагов");
}

void BuildConnectionGroup(QDialog& dialog, FormPropWidgets& w) {
    w.GroupBox2 = Place<QGroupBox>(&dialog, "GroupBox2", {175, 8, 193, 131}, "Настройка коннекта:");
    w.Label1 = PlaceLabel(w.GroupBox2, "Label1", {8, 16}, "Сервера:");
    w.mServers = Place<QPlainTextEdit>(w.GroupBox2, "mServers", {8, 30, 114, 66});
    w.mServers->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    w.mServers->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    w.mServers->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    w.mServers->setTabChangesFocus(true);  // Tab moves on, as in every other field
    w.ComboBox2 = Place<QComboBox>(w.GroupBox2, "ComboBox2", {128, 32, 57, kEditHeight});
    w.ComboBox2->setEditable(true);
    w.ComboBox2->addItem("2000");
    // The port is what the user types: no items added on Enter, no completion of typed digits.
    w.ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    w.ComboBox2->setCompleter(nullptr);
    w.Label2 = PlaceLabel(w.GroupBox2, "Label2", {10, 110}, "Количество новостей:");
    w.Edit1 = Place<QLineEdit>(w.GroupBox2, "Edit1", {128, 102, 57, kEditHeight});
}

void BuildBottom(QDialog& dialog, FormPropWidgets& w) {
    w.Label3 = PlaceLabel(&dialog, "Label3", {128, 153}, "Язык новостей:");
    w.cbLanguage = Place<QComboBox>(&dialog, "cbLanguage", {225, 150, 145, kEditHeight});
    w.cbLanguage->addItems({"Русский", "English"});
    w.Bevel1 = Place<QFrame>(&dialog, "Bevel1", {9, 185, 361, 2});
    w.Bevel1->setFrameShape(QFrame::HLine);
    w.Bevel1->setFrameShadow(QFrame::Sunken);
    // The caption is spelt so; the registry value "Подключаться при включении" differently.
    w.CheckBox5 =
        Place<QCheckBox>(&dialog, "CheckBox5", {8, 207, 169, 17}, "Подключатся при включении");
    w.Button1 = Place<QPushButton>(&dialog, "Button1", {295, 199, 75, 25}, "Закрыть");
    // Enter in a field must not close the dialog.
    w.Button1->setAutoDefault(false);
}

void SetTabOrder(const FormPropWidgets& w) {
    QWidget* order[] = {w.CheckBox1, w.CheckBox2, w.CheckBox3, w.CheckBox4, w.ComboBox2,
                        w.Edit1,     w.mServers,  w.Button1,   w.CheckBox5, w.cbLanguage};
    for (size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace

FormPropWidgets BuildFormPropWidgets(QDialog& dialog) {
    SetUpDialog(dialog);
    FormPropWidgets w{};
    BuildDisplayGroup(dialog, w);
    BuildConnectionGroup(dialog, w);
    BuildBottom(dialog, w);
    SetTabOrder(w);
    return w;
}

}  // namespace plivant
