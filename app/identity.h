#pragma once

// The program's identity: fixed texts that settings, paths, the window title and the
// updater all rely on.
namespace Identity {
inline constexpr char name[] = "Clipmoor";
inline constexpr char organization[] = "Quorvel";
// The version comes from the project's one version number.
inline constexpr char version[] = CLIPMOOR_VERSION_TEXT;
inline constexpr char buildDate[] = "25.0826";
inline constexpr unsigned versionNumber = CLIPMOOR_VERSION_NUMBER;
// The desktop's name for the program: its menu entry, icon and software-centre listing.
inline constexpr char applicationId[] = "com.quorvel.Clipmoor";
} // namespace Identity
