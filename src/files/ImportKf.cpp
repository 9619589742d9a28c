#include "files/ImportKf.h"

#include "geomlib/LectureBornee.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringDecoder>
#include <charconv>
#include <cmath>
#include <limits>

namespace galbix {

namespace {

using namespace kerfex;

QString Decoder(const QByteArray& contenu)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texte = utf8.decode(contenu);
    if (utf8.hasError())
        texte = QString::fromLatin1(contenu);
    if (texte.startsWith(QChar(0xFEFF)))
        texte.remove(0, 1);
    return texte;
}

// A piece of the file as an error line quotes it: control characters shown as "?", at most
// 40 characters, so that a binary file never sends raw bytes to a terminal.
QString Extrait(QStringView texte)
{
    constexpr qsizetype LongueurMax = 40;
    QString extrait;
    for (QChar c : texte.trimmed().left(LongueurMax))
        extrait += c.isPrint() ? c : QChar(u'?');
    if (texte.trimmed().size() > LongueurMax)
        extrait += QStringLiteral("…");
    return extrait;
}

bool EstChiffre(QChar c) { return c >= u'0' && c <= u'9'; }

// Length of the run of digits of `t` from `i`.
qsizetype Chiffres(QStringView t, qsizetype i)
{
    qsizetype n = 0;
    while (i + n < t.size() && EstChiffre(t[i + n]))
        ++n;
    return n;
}

// The whole of `t` has the form of a number: sign, digits, ".", digits, exponent.
bool FormeNombre(QStringView t)
{
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    const qsizetype entiers = Chiffres(t, i);
    i += entiers;
    qsizetype decimales = 0;
    if (i < t.size() && t[i] == u'.') {
        ++i;
        decimales = Chiffres(t, i);
        i += decimales;
    }
    if (entiers + decimales == 0)
        return false;
    if (i < t.size() && (t[i] == u'e' || t[i] == u'E')) {
        ++i;
        if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
            ++i;
        const qsizetype exposant = Chiffres(t, i);
        if (exposant == 0)
            return false;
        i += exposant;
    }
    return i == t.size();
}

// Reads a number of the file; false with `erreur` naming the text otherwise.
bool Nombre(QStringView texte, double& v, QString& erreur)
{
    const std::optional<double> n = NombreKerfex(texte);
    if (!n)
        erreur = QCoreApplication::translate("galbix", "« %1 » n'est pas un nombre").arg(Extrait(texte));
    else
        v = *n;
    return n.has_value();
}

// Reads the value "x;y" of a point line into `points`; false with `erreur` set otherwise.
bool LirePoint(const QString& valeur, std::vector<PointProfil>& points, QString& erreur)
{
    const qsizetype pv = valeur.indexOf(u';');
    double x = 0.0, y = 0.0;
    if (pv < 0) {
        erreur = QCoreApplication::translate("galbix", "point sans « ; » : « %1 »").arg(Extrait(valeur));
        return false;
    }
    if (!Nombre(QStringView(valeur).left(pv), x, erreur) || !Nombre(QStringView(valeur).mid(pv + 1), y, erreur))
        return false;
    points.push_back({float(x), float(y), 0});
    return true;
}

// Reads one line into `projet`; false with `erreur` set on a value that is not a number.
// `fin` is set by the key "in".
bool LireLigne(const QString& ligne, ProjetKerfex& projet, bool& fin, QString& erreur)
{
    const qsizetype egal = ligne.indexOf(u'=');
    const QString valeur = egal < 0 ? QString() : ligne.mid(egal + 1);
    if (ligne.startsWith(CleCommentaire)) {
        projet.Commentaire += valeur + QStringLiteral("\r\n");
        return true;
    }
    const int cote = ligne.front() == u'E' ? CoteE : CoteS;
    const QString cle = (egal < 0 ? ligne.mid(1) : ligne.mid(1, egal - 1)).trimmed();
    auto nombre = [&](QStringView texte, double& v) { return Nombre(texte, v, erreur); };
    double v = 0.0;
    if (cle == CleFin) {
        fin = true;
    } else if (!cle.isEmpty() && FormeNombre(cle)) {
        return LirePoint(valeur, projet.Points[cote], erreur);
    } else if (cle == CleHauteur) {
        if (!nombre(valeur, v))
            return false;
        projet.Hauteur[cote] = float(v);
    } else if (cle == CleMiroirVertical || cle == CleMiroirHorizontal) {
        const bool oui = valeur.trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
        (cle == CleMiroirVertical ? projet.MiroirVertical : projet.MiroirHorizontal)[cote] = oui;
    } else if (cle == CleVrillage) {
        if (!nombre(valeur, v))
            return false;
        projet.Vrillage[cote] = float(v);
    } else if (cle == CleEnvergure) {
        if (!nombre(valeur, v))
            return false;
        projet.Envergure = float(v);
    } else if (cle == CleFlecheBA) {
        if (!nombre(valeur, v))
            return false;
        if (cote == CoteS)
            projet.FlecheBA = v;
    } else if (cle == CleDecalage) {
        if (!nombre(valeur, v))
            return false;
        projet.DecalagePresent = true;
        if (cote == CoteS)
            projet.Decalage = v;
    } else if (cle == CleMDessous) {
        if (!nombre(valeur, v))
            return false;
        projet.MDessous[cote] = v;
    } else if (cle == CleFichier) {
        projet.Fichier[cote] = valeur;
    }
    return true;
}

} // namespace

std::optional<double> NombreKerfex(QStringView texte)
{
    const QStringView t = texte.trimmed();
    if (!FormeNombre(t))
        return std::nullopt;
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v) || std::fabs(v) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return v;
}

LectureKerfex AnalyserProjetKerfex(const QByteArray& contenu, ProjetKerfex& projet)
{
    projet = ProjetKerfex{};
    LectureKerfex lecture;
    const QString texte = Decoder(contenu);
    qsizetype debut = 0;
    int numero = 0;
    bool fin = false;
    while (debut < texte.size() && !fin) {
        qsizetype bout = debut;
        while (bout < texte.size() && texte[bout] != u'\r' && texte[bout] != u'\n')
            ++bout;
        const QString ligne = texte.mid(debut, bout - debut);
        ++numero;
        debut = bout + (bout + 1 < texte.size() && texte[bout] == u'\r' && texte[bout + 1] == u'\n' ? 2 : 1);
        if (ligne.trimmed().isEmpty())
            continue;
        QString erreur;
        if (!LireLigne(ligne, projet, fin, erreur)) {
            projet = ProjetKerfex{};
            lecture.Ligne = numero;
            lecture.Erreur = QStringLiteral("ligne %1 : %2").arg(numero).arg(erreur);
            return lecture;
        }
    }
    projet.Termine = fin;
    // At the end of the file the last comment line loses its line end; after "in" it keeps it.
    if (!fin && projet.Commentaire.size() > 2)
        projet.Commentaire.chop(2);
    for (std::vector<PointProfil>& points : projet.Points) {
        if (points.size() < 2)
            points.resize(points.size() + 1);
    }
    lecture.Reussie = true;
    return lecture;
}

// Read through the capped reader, as every file: a device or an endless file is refused.
LectureKerfex LireProjetKerfex(const QString& chemin, ProjetKerfex& projet)
{
    const ContenuFichier contenu = LireFichierBorne(chemin);
    if (!contenu.ok) {
        LectureKerfex lecture;
        lecture.Erreur = (contenu.tropVolumineux ? QCoreApplication::translate("galbix", "fichier trop volumineux : ")
                                                 : QCoreApplication::translate("galbix", "lecture impossible : "))
                         + chemin;
        return lecture;
    }
    return AnalyserProjetKerfex(contenu.octets, projet);
}

// Seven significant digits hide the float rounding of a product (1.2 x 100 types "120");
// values that would need an exponent are written out in full instead.
QString TexteSaisieKerfex(double valeur)
{
    const float f = float(valeur);
    if (f == 0.0f)
        return QStringLiteral("0");
    QString texte = QString::number(double(f), 'g', 7);
    if (!texte.contains(u'e'))
        return texte;
    char tampon[80];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, f, std::chars_format::fixed);
    return QString::fromLatin1(tampon, r.ec == std::errc() ? qsizetype(r.ptr - tampon) : 0);
}

std::vector<EtapeKerfex> EtapesPlacementKerfex(const ProjetKerfex& projet)
{
    std::vector<EtapeKerfex> etapes;
    for (int cote : {CoteE, CoteS})
        if (projet.Hauteur[cote] && *projet.Hauteur[cote] != 1.0f)
            etapes.push_back({ActionKerfex::EtirerY, cote, TexteSaisieKerfex(double(*projet.Hauteur[cote]) * 100.0)});
    for (const bool* miroir : {projet.MiroirVertical, projet.MiroirHorizontal})
        for (int cote : {CoteE, CoteS})
            if (miroir[cote])
                etapes.push_back({ActionKerfex::MiroirVertical, cote, QString()});
    for (int cote : {CoteE, CoteS})
        if (projet.Vrillage[cote] != 0.0f)
            etapes.push_back({ActionKerfex::Tourner, cote, TexteSaisieKerfex(-double(projet.Vrillage[cote]))});
    etapes.push_back({ActionKerfex::Fleche, std::nullopt, TexteSaisieKerfex(projet.FlecheBA)});
    const double diedre = projet.DecalagePresent ? projet.Decalage : projet.MDessous[CoteS] - projet.MDessous[CoteE];
    etapes.push_back({ActionKerfex::DiedreMm, std::nullopt, TexteSaisieKerfex(diedre)});
    return etapes;
}

} // namespace galbix
