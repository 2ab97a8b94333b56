#pragma once

#include <QString>
#include <stdexcept>

namespace plivant {

// An error of the settings stores. `Text` is the message as the user sees it first; `Detail`,
// when present, says why (the file and the system's reason).
class SettingsError : public std::runtime_error {
public:
    explicit SettingsError(const QString& text, const QString& detail = {})
        : std::runtime_error(text.toStdString()), text_(text), detail_(detail) {}

    const QString& Text() const { return text_; }
    const QString& Detail() const { return detail_; }
    // Text and detail as one message.
    QString FullText() const { return detail_.isEmpty() ? text_ : text_ + "\n\n" + detail_; }

private:
    QString text_;
    QString detail_;
};

}  // namespace plivant
