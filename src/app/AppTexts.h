#pragma once
// Texts of the start of the program.

// String table: the header of the start-up warnings.
inline constexpr unsigned kStrStartupErrors = 57372;
// The settings file cannot be read; "%s" = its path.
inline constexpr unsigned kTxtSettingsDamaged = 503;
// A language catalog is missing or damaged.
inline constexpr unsigned kTxtCatalogDamaged = 504;
