#pragma once
// Subcommands of galbix-cli. Each takes its arguments (after the subcommand name) and
// returns the exit status: 0 success, 1 usage error, 2 a file could not be read or written.

#include "app/cli/OptionsCli.h"
#include "files/Projet.h"
#include "view/EtatVue.h"

#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace galbix::cli {

struct Commande {
    const char* nom;
    const char* usage;
    std::function<int(const QStringList&)> executer;
    /// One or two sentences for `galbix-cli --help` and `galbix-cli NOM --help` (UTF-8).
    const char* description = nullptr;
    /// The options the subcommand accepts; unknown ones are then refused before it runs.
    /// When not given, the subcommand checks its own arguments (only --help is common).
    std::optional<OptionsCli> options = std::nullopt;
    /// Further lines of `galbix-cli NOM --help` (the verbs of `editer`); none when null.
    QString (*complement)() = nullptr;
};

/// The view of `projet` fitted at `angles` to the drawing area of the main window at its designed size,
/// as a project written by the command line stores it.
void CadrerProjet(DonneesProjet& projet, AnglesVue angles = VuePerspective);

/// Prints "usage: galbix-cli `usage`" on stderr; returns the usage error status, 1.
int Usage(const char* usage);
/// Prints "galbix-cli: `message`" on stderr; returns the status of a file error, 2.
int Erreur(const QString& message);

/// Every subcommand, in the order of the help text.
const std::vector<Commande>& Commandes();

/// `info FICHIER`: format, header, point count, declared units, extents and contours as JSON.
int CommandeInfo(const QStringList& args);
/// `convertir ENTREE SORTIE [--en-tete TEXTE]`: reads ENTREE and writes SORTIE in the format of its extension.
int CommandeConvertir(const QStringList& args);
/// `ouvrir FICHIER`: loads FICHIER as the root's open command does; points, chord, spacing and thinning tolerance as JSON.
int CommandeOuvrir(const QStringList& args);
/// `naca CODE SORTIE [--points N]`: writes a NACA profile (four-digit, five-digit or modified four-digit code) of unit chord (N points per surface).
int CommandeNaca(const QStringList& args);
/// `projet-info FICHIER.gbx`: reads a project as the open command does; points, spacing, switches, view and comment as JSON.
int CommandeProjetInfo(const QStringList& args);
/// `exporter FICHIER.gbx --dossier DOSSIER`: writes the project's exchange pair TempE.dat / TempS.dat into DOSSIER.
int CommandeExporter(const QStringList& args);
/// `importer --dossier DOSSIER SORTIE.gbx`: imports the exchange pair of DOSSIER and saves the wing as a project.
int CommandeImporter(const QStringList& args);
/// `demo SORTIE.gbx`: writes the demo project (NACA 2412 root, NACA 0012 tip, placed, synchronised, commented).
int CommandeDemo(const QStringList& args);
/// `synchro RACINE SAUMON [--sortie-e FICHIER] [--sortie-s FICHIER]`: loads both sides, synchronises them
/// between their ends, writes each side where asked; both point lists with their states as JSON.
int CommandeSynchro(const QStringList& args);
/// `editer FICHIER.gbx SORTIE.gbx VERBE [ARGUMENTS] ...`: runs editing commands on a project and saves the result.
int CommandeEditer(const QStringList& args);
/// `intermediaire FICHIER.gbx DISTANCE SORTIE`: writes the intermediate profile at DISTANCE from the root
/// and its report SORTIE_datas.txt; exit 2 with the window's refusal when the distance is refused.
int CommandeIntermediaire(const QStringList& args);
/// `importer-kf FICHIER.kf SORTIE.gbx`: imports a cutting-program project and saves it as a project.
int CommandeImportKf(const QStringList& args);
/// `assembler FICHIER SORTIE --ordre LISTE`: cuts FICHIER into contours, chains the listed ones
/// (1-based, "r" after a number reverses it) each inserted after the previous, writes SORTIE; contours as JSON.
int CommandeAssembler(const QStringList& args);
/// `parcours FICHIER.gbx [--vitesse MM_S]`: the cut of a synchronised project (duration, path lengths,
/// largest ratio departure and the segments to check) as JSON.
int CommandeParcours(const QStringList& args);
/// `gcode FICHIER.gbx SORTIE.ngc --entre-chariots L --emplanture D [...]`: writes the G-code program of a
/// synchronised project for a 4-axis hot-wire machine; lines, duration, carriage extents and axes out of travel as JSON.
int CommandeGCode(const QStringList& args);

} // namespace galbix::cli
