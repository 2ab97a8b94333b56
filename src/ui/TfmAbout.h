#pragma once

#include <QDialog>

class QLabel;

namespace plivant {

class LinkLabel;

// The About window: logo, version, the vendor's contacts as links, and an advertising line.
class TfmAbout : public QDialog {
public:
    explicit TfmAbout(QWidget* parent = nullptr);

    QLabel* VersionLabel() const { return stVersion_; }
    LinkLabel* SiteLabel() const { return staticText2_; }

protected:
    bool event(QEvent* event) override;

private:
    void FormCreate();
    void CentreVersion();
    void OpenSite();
    LinkLabel* AddLink(QWidget* parent, const QString& text, QRect place, QColor color, bool bold,
                       std::function<void()> onClick);
    QLabel* AddText(const QString& text, QPoint place);

    QLabel* stVersion_ = nullptr;
    LinkLabel* staticText2_ = nullptr;
    bool centring_ = false;  // a centring is queued
};

}  // namespace plivant
