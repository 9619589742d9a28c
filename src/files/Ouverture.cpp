#include "files/Ouverture.h"

#include "geomlib/Chemins.h"
#include "files/Ini.h"
#include "files/Simplification.h"
#include "geomlib/Tranchex.h"
#include "model/Extremes.h"
#include "model/NumericText.h"

#include <QCoreApplication>
#include <cmath>

namespace galbix {

namespace {


// Scales a side so that its chord becomes 100 mm; a side without chord keeps its size.
void NormaliserCorde(std::vector<PointProfil>& points, float largeur)
{
    if (!(largeur > 0.0f) || !std::isfinite(largeur))
        return;
    const double facteur = 100.0 / double(largeur);
    for (PointProfil& p : points) {
        p.X = float(double(p.X) * facteur);
        p.Y = float(double(p.Y) * facteur);
    }
}

bool ToutFini(const std::vector<PointProfil>& points)
{
    for (const PointProfil& p : points)
        if (!std::isfinite(p.X) || !std::isfinite(p.Y))
            return false;
    return true;
}

std::vector<PointProfil> PointsDuTampon(const std::vector<PointFichier>& tampon)
{
    std::vector<PointProfil> points(tampon.size());
    for (size_t i = 0; i < tampon.size(); ++i) {
        points[i].X = tampon[i].X;
        points[i].Y = tampon[i].Y;
    }
    return points;
}

// The .dat branch: chords of 100, points scaled, the header as a comment line.
void AppliquerDat(int cote, const TamponLecture& tampon, CoupleProfils& essai, ResultatOuverture& r)
{
    const QString cent = TexteChamp(100.0f);
    const float largeurE = essai.LargeurE, largeurS = essai.LargeurS;
    if (cote == CoteE) {
        r.Corde[CoteE] = cent;
        NormaliserCorde(essai.PointsE.Modifier(), largeurE);
        if (!(largeurE > 0.0f))
            r.Corde[CoteE] = TexteChamp(largeurE);
        r.RemplacerCommentaire = true;
        r.VoirCommentaires = true;
    }
    r.Corde[CoteS] = cent;
    NormaliserCorde(essai.PointsS.Modifier(), largeurS);
    if (!(largeurS > 0.0f))
        r.Corde[CoteS] = TexteChamp(largeurS);
    r.LigneCommentaire = ouverture::DebutCommentaire + tampon.EnTete + QStringLiteral("\r\n");
}

// The root's own steps once its points are in place: spacing from the chord and the
// dihedral and sweep labels.
void TerminerEmplanture(CoupleProfils& essai, ResultatOuverture& r)
{
    CalculerExtremes(essai);
    essai.EcartementZ = EcartementZDepuisCorde(essai.LargeurE);
    r.EcartementZ = TexteChamp(essai.EcartementZ);
    CalculerExtremes(essai);
    r.Diedre = TexteChamp(float(double(essai.YmaxE) - double(essai.YmaxS)));
    r.Fleche = TexteChamp(float(double(essai.XmaxE) - double(essai.XmaxS)));
    r.NouveauProjet = true;
}

} // namespace

QString SansEspacesAuxBouts(const QString& texte)
{
    qsizetype debut = 0, fin = texte.size();
    while (debut < fin && texte[debut] == u' ')
        ++debut;
    while (fin > debut && texte[fin - 1] == u' ')
        --fin;
    return texte.mid(debut, fin - debut);
}

bool PlusieursContours(const std::vector<PointFichier>& points)
{
    return !points.empty() && !MemeContour(points.front(), points.back());
}

bool LireTampon(const QString& chemin, TamponLecture& tampon, QString& erreur)
{
    LectureFichier lecture = LireFichierDetaille(chemin);
    if (!lecture.ok || lecture.points.empty()) {
        erreur = lecture.erreur.isEmpty() ? QCoreApplication::translate("galbix", "aucun point dans le fichier") : lecture.erreur;
        return false;
    }
    tampon = TamponDepuisLecture(std::move(lecture));
    return true;
}

TamponLecture TamponDepuisLecture(LectureFichier&& lecture)
{
    TamponLecture tampon;
    tampon.Points = std::move(lecture.points);
    tampon.XminFichier = lecture.Xmin;
    tampon.XmaxFichier = lecture.Xmax;
    tampon.YminFichier = lecture.Ymin;
    tampon.YmaxFichier = lecture.Ymax;
    tampon.EnTete = SansEspacesAuxBouts(lecture.enTete);
    return tampon;
}

float EcartementZDepuisCorde(float largeurE)
{
    if (largeurE < 6.0f)
        return 5.0f;
    if (largeurE < 11.0f)
        return 10.0f;
    if (largeurE < 51.0f)
        return 50.0f;
    return 100.0f;
}

QString TexteChamp(float valeur)
{
    return PointDecimal(FormaterNombre(double(valeur), u"#####0.0#"));
}

GenreProfil GenreDuFichier(const QString& chemin)
{
    const QString extension = ExtensionFichier(chemin);
    if (EstExtension(extension, QStringLiteral("dxf")) || EstExtension(extension, QStringLiteral("plt")))
        return GenreProfil::Dessin;
    return EstExtension(extension, QStringLiteral("dat")) ? GenreProfil::Dat : GenreProfil::Autre;
}

ResultatOuverture AppliquerTampon(int cote, const QString& chemin, TamponLecture& tampon,
                                  CoupleProfils& profils)
{
    return AppliquerTamponGenre(cote, GenreDuFichier(chemin), NomDuFichier(chemin), tampon, profils);
}

ResultatOuverture AppliquerTamponGenre(int cote, GenreProfil genre, const QString& nomFichier,
                                       TamponLecture& tampon, CoupleProfils& profils)
{
    ResultatOuverture r;
    r.Cote = cote;
    if (tampon.Points.empty()) {
        r.Erreur = QCoreApplication::translate("galbix", "aucun point dans le fichier");
        return r;
    }
    const bool dessin = genre == GenreProfil::Dessin;
    const bool dat = genre == GenreProfil::Dat;
    if (dessin) {
        const float t = ToleranceDeContour(tampon.XminFichier, tampon.XmaxFichier, tampon.YminFichier,
                                           tampon.YmaxFichier);
        SimplifierContour(tampon.Points, t);
        r.ToleranceContour = t;
    }

    CoupleProfils essai = profils;
    essai.PointsS = PointsDuTampon(tampon.Points);
    if (cote == CoteE)
        essai.PointsE = essai.PointsS;
    CalculerExtremes(essai);
    if (dat) {
        AppliquerDat(cote, tampon, essai, r);
    } else if (dessin) {
        if (cote == CoteE)
            r.Corde[CoteE] = TexteChamp(essai.LargeurE);
        r.Corde[CoteS] = TexteChamp(essai.LargeurS);
    }
    if (cote == CoteE)
        TerminerEmplanture(essai, r);
    else
        CalculerExtremes(essai);

    if (!ToutFini(essai.PointsE) || !ToutFini(essai.PointsS)) {
        r = ResultatOuverture{};
        r.Cote = cote;
        r.Erreur = QCoreApplication::translate("galbix", "coordonnées hors limites après mise à l'échelle");
        return r;
    }
    r.NomFichier = nomFichier;
    r.Issue = IssueOuverture::Charge;
    profils = std::move(essai);
    return r;
}

ResultatOuverture DebutOuverture(int cote, bool projetOuvert)
{
    ResultatOuverture r;
    r.Cote = cote;
    if (cote == CoteS && !projetOuvert) {
        r.Issue = IssueOuverture::Refus;
        r.Erreur = ouverture::TexteRefusSaumon;
    }
    return r;
}

ResultatOuverture OuvrirProfil(int cote, const QString& chemin, bool projetOuvert, CoupleProfils& profils)
{
    ResultatOuverture r = DebutOuverture(cote, projetOuvert);
    if (r.Issue == IssueOuverture::Refus)
        return r;
    if (cote == CoteE) {
        const QString extension = ExtensionFichier(chemin);
        if (EstExtension(extension, QStringLiteral("gbx"))) {
            r.Issue = IssueOuverture::Projet;
            return r;
        }
        if (EstExtension(extension, QStringLiteral("kf"))) {
            r.Issue = IssueOuverture::ProjetKerfex;
            return r;
        }
    }
    TamponLecture tampon;
    if (!LireTampon(chemin, tampon, r.Erreur))
        return r;
    // A drawing of several contours is taken here as one path, in file order; the editor's
    // open command sends it through the sequence window first (PlusieursContours).
    return AppliquerTampon(cote, chemin, tampon, profils);
}

QString RetenirDossierOuverture(const QString& chemin, const QString& fichierIni)
{
    const QString dossier = DossierDuChemin(chemin);
    EcrireIni(QStringLiteral("Fichiers"), QStringLiteral("Ouverture"), dossier, fichierIni);
    return dossier;
}

QStringList FiltresDialogue(const QString& filtre)
{
    const QStringList morceaux = filtre.split(u'|');
    QStringList filtres;
    for (qsizetype i = 0; i + 1 < morceaux.size(); i += 2) {
        const QString& description = morceaux[i];
        if (description.contains(u'('))
            filtres << description;
        else
            filtres << description + QStringLiteral(" (") + QString(morceaux[i + 1]).replace(u';', u' ') + u')';
    }
    return filtres;
}

} // namespace galbix
