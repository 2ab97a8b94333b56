#pragma once

#include <QLabel>
#include <functional>

namespace plivant {

// A text or picture that acts as a link: hand cursor, an action on click.
class LinkLabel : public QLabel {
public:
    LinkLabel(const QString& text, QWidget* parent, std::function<void()> onClick);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> onClick_;
};

// Asks the desktop to open an address (a web page or a mailto: link); the outcome is not checked.
void OpenAddress(const QString& address);

}  // namespace plivant
