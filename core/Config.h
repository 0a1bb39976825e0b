#pragma once

// The maker's contact addresses, shown in messages and the info dialog.
namespace Config {
inline constexpr const char* MakerWebAddress = "www.vantor.example";
inline constexpr const char* MakerMailAddress = "info@vantor.example";
// The title of the main window starts with this name.
inline constexpr const char* WindowTitlePrefix = "Quandor";
// The application's title: the name of the settings file and of the program.
inline constexpr const char* ApplicationTitle = "Vantor";
} // namespace Config
