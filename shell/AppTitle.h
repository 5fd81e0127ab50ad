#pragma once

#include <QString>

// "Version 2.0.0 (Build 12)".
QString VersionText(int major, int minor, int fix, int build);

// "Zumblo", two blanks, then the version text.
QString ApplicationTitle(const QString& versionText);

// This build's version text.
QString CurrentVersionText();
