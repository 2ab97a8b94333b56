// Combo boxes, a font combo box, date and time editors and spin boxes.
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTimeEdit>

#include "../GalleryPages.h"

namespace gallery {
namespace {

constexpr QSize kPageSize{640, 330};

QComboBox* Combo(bool editable, bool enabled, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->addItems({"Russian", "English"});
    combo->setEditable(editable);
    combo->setEnabled(enabled);
    return combo;
}

QSpinBox* Spin(bool enabled, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(1, 1000);
    spin->setValue(100);
    spin->setEnabled(enabled);
    return spin;
}

QDateEdit* Date(bool popup, int tag, QWidget* parent) {
    auto* date = new QDateEdit(QDate(2024, 3, 15), parent);
    date->setCalendarPopup(popup);
    if (tag) date->setProperty("tag", tag);
    return date;
}

}  // namespace

QWidget* MakeCombosPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setMinimumSize(kPageSize);
    auto* grid = new QGridLayout(page);
    auto* left = new QFormLayout;
    left->addRow("List:", Combo(false, true, page));
    left->addRow("Editable:", Combo(true, true, page));
    left->addRow("Disabled:", Combo(false, false, page));
    left->addRow("Editable, disabled:", Combo(true, false, page));
    left->addRow("Font:", new QFontComboBox(page));
    auto* right = new QFormLayout;
    right->addRow("Date, calendar:", Date(true, 0, page));
    right->addRow("Date, spin:", Date(false, 0, page));
    right->addRow("Native spin (9998):", Date(false, 9998, page));
    right->addRow("Time:", new QTimeEdit(QTime(12, 30), page));
    right->addRow("Spin box:", Spin(true, page));
    right->addRow("Double:", new QDoubleSpinBox(page));
    right->addRow("Disabled spin:", Spin(false, page));
    grid->addLayout(left, 0, 0);
    grid->addLayout(right, 0, 1);
    grid->setRowStretch(1, 1);
    return page;
}

}  // namespace gallery
