#pragma once

#include <QFont>
#include <QString>

// A font by the face name the layouts give ("MS Sans Serif", "Courier New", "Verdana",
// "Consolas"), mapped to what a Debian desktop has, at a character height in pixels (96 dpi).
QFont MakeFont(const QString& face, int pixelHeight, bool bold = false);

// The family that stands in for a layout face name on this machine.
QString MappedFamily(const QString& face);
