#pragma once
// The extension a save dialog's filter stands for, added to a name typed without one.

#include <QString>

namespace galbix {

/// Extension (without the dot) of filter `indexFiltre` (1-based) of a '|'-separated list of
/// description and pattern pairs, when its pattern is one "*.ext"; empty otherwise ("*.*",
/// several patterns, no such filter).
QString ExtensionDuFiltre(const QString& filtres, int indexFiltre);

/// `chemin` with "." and the extension of the selected filter appended when its file name
/// has no extension; any other path unchanged.
QString AvecExtensionDuFiltre(const QString& chemin, const QString& filtres, int indexFiltre);

} // namespace galbix
