#include "GalleryForm.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "GalleryPages.h"
#include "resources/Images.h"
#include "skin/builtin/BuiltinSkin.h"
#include "skin/engine/TSkinEngine.h"

namespace gallery {

using plivant::images::MenuImage;
namespace img = plivant::images;

GalleryForm::GalleryForm(const QString& skinFile, bool skinned) {
    setWindowTitle("Plivant Gallery");
    setWindowIcon(img::ProgramIcon());
    BuildMenu();
    setCentralWidget(BuildPages());
    resize(480, 260);
    engine_ = new skin::TSkinEngine(this);
    engine_->SetSkinData(skin::BuiltinSkinData());
    if (!skinFile.isEmpty()) engine_->SetSkinFile(skinFile);
    engine_->SetActive(skinned);
    engine_->Loaded();
}

void GalleryForm::BuildMenu() {
    QMenu* file = menuBar()->addMenu("&File");
    file->addAction(MenuImage(img::kGlobeRefreshImage), "&Refresh", QKeySequence(Qt::Key_F5));
    QAction* checked = file->addAction("Show &grid lines");
    checked->setCheckable(true);
    checked->setChecked(true);
    QAction* disabled =
        file->addAction(MenuImage(img::kStopImage), "&Stop", QKeySequence("Ctrl+S"));
    disabled->setEnabled(false);
    QMenu* recent = file->addMenu(MenuImage(img::kArrowDownLeftImage), "Recent &skins");
    recent->addAction("builtin.ssk");
    recent->addAction("probe.ssk");
    file->addSeparator();
    file->addAction(MenuImage(img::kPowerImage), "E&xit", QKeySequence("Ctrl+F4"), this,
                    &QWidget::close);
    QMenu* windows = menuBar()->addMenu("&Windows");
    windows->addAction(MenuImage(img::kGearImage), "&Dialog...", QKeySequence("Ctrl+D"), this,
                       [this] { ShowDialog(); });
    windows->addAction(MenuImage(img::kInfoImage), "&Message...", QKeySequence("Ctrl+M"), this,
                       [this] { ShowMessage(); });
    menuBar()->addMenu("&Help")->addAction("&About");
}

QWidget* GalleryForm::BuildPages() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    pages_ = new QStackedWidget(central);
    pageChooser_ = new QComboBox(central);
    pageChooser_->setObjectName("PageChooser");
    for (const GalleryPage& page : GalleryPages()) {
        QWidget* made = page.Make(pages_);
        made->setObjectName(page.Name);
        pages_->addWidget(made);
        pageChooser_->addItem(page.Name);
    }
    connect(pageChooser_, &QComboBox::currentIndexChanged, pages_,
            &QStackedWidget::setCurrentIndex);
    layout->addWidget(pages_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel("Page:", central));
    buttons->addWidget(pageChooser_);
    auto* dialog = new QPushButton("Dialog...", central);
    auto* message = new QPushButton("Message...", central);
    connect(dialog, &QPushButton::clicked, this, [this] { ShowDialog(); });
    connect(message, &QPushButton::clicked, this, [this] { ShowMessage(); });
    buttons->addStretch();
    buttons->addWidget(dialog);
    buttons->addWidget(message);
    layout->addLayout(buttons);
    return central;
}

bool GalleryForm::ShowPage(const QString& name) {
    const int index = pageChooser_->findText(name);
    if (index < 0) return false;
    pageChooser_->setCurrentIndex(index);
    return true;
}

void GalleryForm::ShowDialog() {
    QDialog dialog(this);
    dialog.setWindowTitle("Gallery Dialog");
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel("A modal dialog of the program, skinned when shown.", &dialog));
    layout->addWidget(new QLineEdit("Some text", &dialog));
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(box);
    dialog.exec();
}

void GalleryForm::ShowMessage() {
    QMessageBox::information(this, "Gallery Message",
                             "A message box, caught by the skin engine when it is shown.");
}

}  // namespace gallery
