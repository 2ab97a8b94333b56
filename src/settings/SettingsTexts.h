#pragma once

#include <QString>

// The settings' own messages to the user.
namespace plivant::texts {

inline QString ApplicationTitle() { return QStringLiteral("Vetrasol Plivant"); }

// After the message that the registry file could not be read at start-up.
inline QString DefaultsInUse() {
    return QStringLiteral(
        "Программа работает с настройками по умолчанию. Пока файл не исправлен, "
        "настройки в него не записываются.");
}

inline QString CloseWithoutSavingQuestion() {
    return QStringLiteral(
        "Настройки не сохранены. Закрыть окно без сохранения? Изменения будут действовать "
        "до выхода из программы.");
}
inline QString CloseWithoutSaving() { return QStringLiteral("Закрыть без сохранения"); }
inline QString BackToSettings() { return QStringLiteral("Вернуться к настройкам"); }

}  // namespace plivant::texts
