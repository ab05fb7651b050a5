#pragma once
// String-table text: the program's name, the caption of every message box.
inline constexpr unsigned kStrAppName = 57344;
