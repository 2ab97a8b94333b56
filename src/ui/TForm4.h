#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace plivant {

// The details window: the full text of one news item, shown without being modal and hidden by
// its close box.
class TForm4 : public QWidget {
public:
    explicit TForm4(QWidget* parent = nullptr);

    // Puts the text into the memo and shows the window in front.
    void ShowText(const QString& text);
    // Puts the text into the memo, leaving the window where it is.
    void ReplaceText(const QString& text);
    QPlainTextEdit* Memo1() const { return memo_; }

private:
    QPlainTextEdit* memo_;
};

}  // namespace plivant
