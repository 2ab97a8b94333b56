#include "settings/SettingsPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "settings/SettingsTexts.h"

namespace plivant {

QWidget* MessageBoxPrompter::Owner() const {
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : parent_;
}

void MessageBoxPrompter::ShowError(const QString& text) {
    QMessageBox::critical(Owner(), texts::ApplicationTitle(), text);
}

bool MessageBoxPrompter::AskCloseWithoutSaving(const QString& error) {
    QMessageBox box(QMessageBox::Critical, texts::ApplicationTitle(),
                    error + "\n\n" + texts::CloseWithoutSavingQuestion(), QMessageBox::NoButton,
                    Owner());
    QPushButton* close = box.addButton(texts::CloseWithoutSaving(), QMessageBox::DestructiveRole);
    QPushButton* back = box.addButton(texts::BackToSettings(), QMessageBox::RejectRole);
    box.setDefaultButton(back);
    box.setEscapeButton(back);
    box.exec();
    return box.clickedButton() == close;
}

}  // namespace plivant
