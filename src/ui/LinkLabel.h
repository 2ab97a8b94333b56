#pragma once

#include <QLabel>
#include <functional>

namespace plivant {

// A text or picture that acts as a link: hand cursor, an action on click. Assistive technology
// sees a link named by its text (or its accessible name) that it can press.
class LinkLabel : public QLabel {
public:
    LinkLabel(const QString& text, QWidget* parent, std::function<void()> onClick);

    // What a click does.
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> onClick_;
};

// Asks the desktop to open an address (a web page or a mailto: link), read as a user would type
// it: "www.example.ru" opens as a web page. The outcome is not checked.
void OpenAddress(const QString& address);

}  // namespace plivant
