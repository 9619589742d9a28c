#pragma once
// The options of the desktop program itself, handled before any window exists: --help and
// --version print their text and stop; everything else goes on to the program (the project
// path, the toolkit's own options).

#include <QString>
#include <QStringList>
#include <optional>

namespace galbix {

/// Identifier of the program on the desktop (menu entry, icon, window grouping).
inline const QString IdentifiantBureau = QStringLiteral("org.galbix.Galbix");

/// What to print on stdout and the exit status when the options end the program at once.
struct ReponseOptions {
    int statut = 0;
    QString texte;
};

/// The answer to --help / -h or --version / -v among `arguments` (without the program name);
/// nothing when the program must start normally.
std::optional<ReponseOptions> OptionsProgramme(const QStringList& arguments, const QString& version);

} // namespace galbix
