#pragma once
// The project option word: thirteen members, member k being bit 1 << k. The
// order is the one the configuration image uses; project files store the same
// options in another bit order.

#include <cstdint>

namespace lir {

enum TProjectOption : std::uint16_t {
  poSmartSO = 0x0001,          // "Умные" светофоры
  poQuickStart = 0x0002,       // Быстрый запуск
  poQuickCall = 0x0004,        // Быстрый переход в ТВП
  poCalcTProm = 0x0008,        // Универсальные промтакты
  poSeasonTimeOff = 0x0010,    // Отключить сезонный перевод времени
  poOffFilterASUDD = 0x0020,   // Отключить фильтр
  poSaveBitDU = 0x0040,        // Запоминать бит ДУ
  poAssUdSystem = 0x0080,      // management logic "АСС-УД (Омск)" (clear: "Велмира АСУДД-ВМ")
  poSpecPhases = 0x0100,       // Спецфазы
  poLampsHeating = 0x0200,     // Все светофоры — ламповые
  poExpandYearPlan = 0x0400,   // Расширенный годовой план
  poAdaptive = 0x0800,         // Адаптивное управление
  poLedLight = 0x1000,         // Светильник
};

using TProjectOptions = std::uint16_t;

// A new main-controller project has only the season-time switch-off on.
inline constexpr TProjectOptions kNewProjectOptions = poSeasonTimeOff;

}  // namespace lir
