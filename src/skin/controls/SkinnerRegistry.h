#pragma once

#include <QByteArray>
#include <QHash>
#include <functional>
#include <memory>
#include <span>
#include <vector>

class QWidget;

namespace skin {

class TSkinControl;
class SkinnerHost;

// One row of the registry: widgets of this Qt class (or inheriting it) are served by the
// skinner class of that name.
struct SkinnerRow {
    const char* QtClass;
    const char* Skinner;
};

using SkinnerFactory = std::function<std::unique_ptr<TSkinControl>(QWidget*, SkinnerHost&)>;

// Which skinner serves which widget. Rows are searched from the last to the first and the first
// whose class the widget belongs to wins, so later rows and more specific classes come after
// their ancestors. A row counts once its skinner class has a factory: the control families
// register theirs, and rows of families not built do not match.
class SkinnerRegistry {
public:
    SkinnerRegistry() = default;
    explicit SkinnerRegistry(std::span<const SkinnerRow> rows) { RegisterSkinners(rows); }

    // The program's registry: the built-in table with the families that exist.
    static SkinnerRegistry& Instance();

    void RegisterSkinners(std::span<const SkinnerRow> rows);
    void RegisterSkinnerClass(const QByteArray& skinner, SkinnerFactory factory);
    void UnregisterSkinnerClass(const QByteArray& skinner);

    // The skinner class of the widget, empty when no active row matches.
    QByteArray FindSkinnerClass(const QWidget* widget) const;
    // A new skinner for the widget, or none.
    std::unique_ptr<TSkinControl> FindSkinner(QWidget* widget, SkinnerHost& window) const;

private:
    void FindActiveRows();

    std::vector<SkinnerRow> rows_;
    std::vector<SkinnerRow> active_;  // the rows whose skinner has a factory, in order
    QHash<QByteArray, SkinnerFactory> factories_;
};

// The built-in table: the roles of the standard controls, played by Qt's widget classes.
std::span<const SkinnerRow> BuiltinSkinnerRows();

// Gives every control family that exists its factories (ControlFamilies.cpp).
void RegisterControlFamilies(SkinnerRegistry& registry);

}  // namespace skin
