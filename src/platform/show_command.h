// The show command a program is started with: how its main window first
// appears.
#pragma once

namespace dividir {

inline constexpr int kShowMaximized = 3;
// Minimised, without taking the activation.
inline constexpr int kShowMinimizedNoActivate = 7;
// What the starter gives when it asks for nothing in particular.
inline constexpr int kShowDefault = 10;

// The show command this process was started with. Linux keeps none for a
// new process, so it is kShowDefault, as for a start without one.
int StartupShowCommand() noexcept;

}  // namespace dividir
