#pragma once

class QCheckBox;
class QComboBox;
class QDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace plivant {

// The settings dialog's controls, placed by hand at fixed places in a 378 x 234 client area.
// Object names are the controls' names, for tests and for the skin engine.
struct FormPropWidgets {
    QGroupBox* GroupBox1;
    QCheckBox* CheckBox1;  // "Вывод ID"
    QCheckBox* CheckBox2;  // "Вывод Времени"
    QCheckBox* CheckBox3;  // "Вывод Даты"
    QCheckBox* CheckBox4;  // "Вывод Флагов"
    QGroupBox* GroupBox2;
    QLabel* Label1;
    QPlainTextEdit* mServers;
    QComboBox* ComboBox2;  // the port
    QLabel* Label2;
    QLineEdit* Edit1;  // the news count
    QLabel* Label3;
    QComboBox* cbLanguage;
    QFrame* Bevel1;
    QCheckBox* CheckBox5;  // connect at start
    QPushButton* Button1;
};

// Sets the dialog's caption, frame, size and font and creates its controls, empty.
FormPropWidgets BuildFormPropWidgets(QDialog& dialog);

}  // namespace plivant
