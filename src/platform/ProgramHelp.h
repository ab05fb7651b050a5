#pragma once
#include <QString>

class CPlatform;

// The help file every help request opens: the "HelpFile" setting, or the
// help shipped in the data folder when the settings hold none (a start with
// a list file writes no settings of its own).
QString ProgramHelpFile();

// Opens the program's help at a topic of HelpTopics.h.
void ShowProgramHelp(CPlatform& platform, unsigned topic);
