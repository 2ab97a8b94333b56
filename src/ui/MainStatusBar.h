#pragma once

#include <QStatusBar>
#include <array>

class QLabel;

namespace plivant {

class Lamp;

// The main window's status bar: four fixed-width panels and the connection lamp.
class MainStatusBar : public QStatusBar {
public:
    static constexpr int kPanels = 4;
    static constexpr std::array<int, kPanels> kWidths = {100, 100, 450, 50};

    explicit MainStatusBar(QWidget* parent = nullptr);

    void SetPanelText(int panel, const QString& text);
    QString PanelText(int panel) const;
    QLabel* Panel(int panel) const { return panels_[size_t(panel)]; }
    Lamp* ConnectionLamp() const { return lamp_; }

private:
    std::array<QLabel*, kPanels> panels_{};
    Lamp* lamp_ = nullptr;
};

// The round connection lamp: red until a server answers, dark green afterwards. Its accessible
// name says the same in words.
class Lamp : public QWidget {
public:
    explicit Lamp(QWidget* parent = nullptr);
    void SetColor(const QColor& color);
    QColor Color() const { return color_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor color_{Qt::red};
};

}  // namespace plivant
