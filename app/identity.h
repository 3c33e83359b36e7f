#pragma once

// The program's identity: fixed texts that settings, paths, the window title and the
// updater all rely on.
namespace Identity {
inline constexpr char name[] = "Clipmoor";
inline constexpr char organization[] = "Quorvel";
inline constexpr char version[] = "2.0.023";
inline constexpr char buildDate[] = "25.0826";
inline constexpr unsigned versionNumber = 2023;
} // namespace Identity
