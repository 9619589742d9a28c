// Project files and the exchange with the cutting program, for scripts: `projet-info`,
// `exporter`, `importer`, and `demo`, which writes the demo project bundled with the sources.
#include "app/cli/CommandesCli.h"

#include "app/cli/Json.h"
#include "files/Echange.h"
#include "files/Projet.h"
#include "model/Extremes.h"
#include "model/Naca.h"
#include "view/Projection.h"

#include <QCoreApplication>
#include <cstdio>

namespace galbix::cli {

namespace {

constexpr const char* UsageProjetInfo = "projet-info FICHIER.gbx";
constexpr const char* UsageExporter = "exporter FICHIER.gbx --dossier DOSSIER";
constexpr const char* UsageImporter = "importer --dossier DOSSIER SORTIE.gbx";
constexpr const char* UsageDemo = "demo SORTIE.gbx";


// Positional arguments and the value of "--dossier"; false on a malformed option.
bool Arguments(const QStringList& args, QStringList& positionnels, QString& dossier)
{
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--dossier")) {
            if (i + 1 >= args.size() || !dossier.isEmpty())
                return false;
            dossier = args[++i];
        } else if (args[i].startsWith(QLatin1String("--"))) {
            return false;
        } else {
            positionnels << args[i];
        }
    }
    return true;
}

// Reads a project as the open command does; prints the reason when it stops.
bool Lire(const QString& chemin, DonneesProjet& projet)
{
    const LectureProjet lecture = LireProjet(chemin, projet);
    if (!lecture.Reussie())
        Erreur(lecture.Erreur);
    return lecture.Reussie();
}

void Points(Json& json, const std::vector<PointProfil>& points)
{
    json.DebutTableau();
    for (const PointProfil& p : points)
        json.DebutTableau().Valeur(p.X).Valeur(p.Y).Valeur(int(p.Etat)).FinTableau();
    json.FinTableau();
}

std::vector<PointProfil> Naca(const QString& code, int parSurface, double corde)
{
    const std::vector<QPointF> unite = ProfilNaca4(code, parSurface);
    std::vector<PointProfil> points(unite.size());
    for (size_t i = 0; i < unite.size(); ++i) {
        points[i].X = float(unite[i].x() * corde);
        points[i].Y = float(unite[i].y() * corde);
    }
    // Synchronisation points: the trailing edge at both ends and the leading edge.
    for (size_t i : {size_t(0), size_t(parSurface - 1), points.size() - 1})
        PoserEtat(points[i], EtatSynchro);
    return points;
}

// The demo wing: root NACA 2412 of chord 220, tip NACA 0012 of chord 160, same point counts,
// trailing edges aligned by the sweep switch, tip 12 mm higher, 600 mm apart.
DonneesProjet ProjetDemo()
{
    constexpr int parSurface = 41;
    constexpr float diedreMm = 12.0f;
    DonneesProjet projet;
    CoupleProfils& p = projet.Profils;
    p.PointsE = Naca(QStringLiteral("2412"), parSurface, 220.0);
    p.PointsS = Naca(QStringLiteral("0012"), parSurface, 160.0);
    p.EcartementZ = 600.0f;
    CalculerExtremes(p);
    // What "Aligner les BF" and a typed dihedral height of 12 do to the tip.
    const double fleche = double(p.LargeurE) - double(p.LargeurS);
    for (PointProfil& s : p.PointsS.Modifier()) {
        s.X = float(double(s.X) - p.XminS + p.XminE + fleche);
        s.Y = float(double(s.Y) - p.YminS + p.YminE + diedreMm);
    }
    CalculerExtremes(p);
    projet.NomFichier[CoteE] = QStringLiteral("NACA 2412");
    projet.NomFichier[CoteS] = QStringLiteral("NACA 0012");
    projet.BoutonFleche = 2;
    projet.Commentaire = QStringLiteral(
        "Projet de démonstration\r\n"
        "Emplanture NACA 2412, corde 220 mm, saumon NACA 0012, corde 160 mm\r\n"
        "Bords de fuite alignés, dièdre 12 mm, écartement 600 mm\r\n"
        "Points de synchro aux bords d'attaque et de fuite");
    // Side view: both sections drawn over each other, the view the editing is done in.
    CadrerProjet(projet, VueDeCote);
    return projet;
}

} // namespace

void CadrerProjet(DonneesProjet& projet, AnglesVue angles)
{
    // About the drawing area of the main window on a 1024 x 768 screen (twips), the smallest
    // screen it is laid out for: the framed profiles stay within any larger drawing.
    constexpr float LargeurDessinNominale = 6900.0f;
    constexpr float HauteurDessinNominale = 7500.0f;
    EtatVue vue;
    vue.Omega = angles.Omega;
    vue.Alpha = angles.Alpha;
    vue.DefinirTailleDessin(LargeurDessinNominale, HauteurDessinNominale);
    // A comment is shown at opening, over the drawing's lower left corner.
    if (!projet.Commentaire.isEmpty()) {
        vue.ReserveLargeur = LargeurCommentaireNominale;
        vue.ReserveHauteur = HauteurCommentaireNominale;
    }
    AjusterVue(projet.Profils, vue, nullptr);
    projet.CoeffZoom = vue.CoeffZoom;
    projet.XCentreZoom = vue.XCentreZoom;
    projet.YCentreZoom = vue.YCentreZoom;
    projet.Omega = vue.Omega;
    projet.Alpha = vue.Alpha;
}

int CommandeProjetInfo(const QStringList& args)
{
    if (args.size() != 1 || args[0].startsWith(QLatin1String("--")))
        return Usage(UsageProjetInfo);
    DonneesProjet projet;
    if (!Lire(args[0], projet))
        return 2;
    const CoupleProfils& p = projet.Profils;
    Json json;
    json.Reserver((p.PointsE.size() + p.PointsS.size()) * 32 + 4096); // "[X,Y,Etat]," per point
    json.DebutObjet();
    json.Cle("nombre_points_e").Valeur(int(p.NbPointsE()));
    json.Cle("nombre_points_s").Valeur(int(p.NbPointsS()));
    json.Cle("points_e");
    Points(json, p.PointsE);
    json.Cle("points_s");
    Points(json, p.PointsS);
    json.Cle("ecartement_z").Valeur(p.EcartementZ);
    json.Cle("bouton_fleche").Valeur(projet.BoutonFleche);
    json.Cle("bouton_diedre").Valeur(projet.BoutonDiedre);
    json.Cle("bouton_aligner").Valeur(projet.Aligner ? 1 : -1);
    json.Cle("coeff_zoom").Valeur(projet.CoeffZoom);
    json.Cle("x_centre_zoom").Valeur(projet.XCentreZoom);
    json.Cle("y_centre_zoom").Valeur(projet.YCentreZoom);
    json.Cle("omega").Valeur(projet.Omega);
    json.Cle("alpha").Valeur(projet.Alpha);
    json.Cle("commentaire").Valeur(projet.Commentaire);
    json.FinObjet();
    std::fwrite(json.Texte().data(), 1, json.Texte().size(), stdout);
    std::fputc('\n', stdout);
    return 0;
}

int CommandeExporter(const QStringList& args)
{
    QStringList positionnels;
    QString dossier;
    if (!Arguments(args, positionnels, dossier) || positionnels.size() != 1 || dossier.isEmpty())
        return Usage(UsageExporter);
    DonneesProjet projet;
    if (!Lire(positionnels[0], projet))
        return 2;
    if (!ExporterEchange(dossier, projet.Profils, projet.NomFichier))
        return Erreur(QCoreApplication::translate("galbix-cli", "écriture impossible de %1 et %2 dans %3")
                          .arg(echange::NomFichierE, echange::NomFichierS, dossier));
    return 0;
}

int CommandeImporter(const QStringList& args)
{
    QStringList positionnels;
    QString dossier;
    if (!Arguments(args, positionnels, dossier) || positionnels.size() != 1 || dossier.isEmpty())
        return Usage(UsageImporter);
    DonneesProjet projet;
    const ResultatImport r = ImporterEchange(dossier, projet.Profils);
    if (r.Issue == IssueImport::Introuvables)
        return Erreur(echange::TexteIntrouvables + QStringLiteral(" dans ") + dossier);
    if (r.Issue != IssueImport::Importe)
        return Erreur(r.Message);
    projet.NomFichier[CoteE] = echange::NomFichierE;
    projet.NomFichier[CoteS] = echange::NomFichierS;
    CadrerProjet(projet);
    if (!EcrireProjet(positionnels[0], projet))
        return Erreur(QCoreApplication::translate("galbix-cli", "écriture impossible : ") + positionnels[0]);
    return 0;
}

int CommandeDemo(const QStringList& args)
{
    if (args.size() != 1 || args[0].startsWith(QLatin1String("--")))
        return Usage(UsageDemo);
    DonneesProjet projet = ProjetDemo();
    if (!EcrireProjet(args[0], projet))
        return Erreur(QCoreApplication::translate("galbix-cli", "écriture impossible : ") + args[0]);
    return 0;
}

} // namespace galbix::cli
