#pragma once
// The about box "formAbout": program title and version, geometry library version, and a
// button that starts the system-information tool.

#include <QDialog>

namespace galbix {

class Dialogues;

/// Program title shown in captions.
inline const QString TitreProgramme = QStringLiteral("Galbix");

/// The program version as "major.minor.revision".
QString VersionProgramme();
/// The machine and toolkit versions, shown when no system-information tool can be started.
QString TexteInformationsSysteme();
/// The line that names the geometry library's version, "Version de Tranchex.dll : 0.0.N".
QString LigneVersionBibliotheque(int version);

class FenetreAPropos : public QDialog {
    Q_OBJECT

public:
    /// Builds the box; `dialogues` starts the system-information tool and shows its failure.
    explicit FenetreAPropos(Dialogues& dialogues, QWidget* parent = nullptr);

private:
    void InformationsSysteme();

    Dialogues& m_dialogues;
};

} // namespace galbix
