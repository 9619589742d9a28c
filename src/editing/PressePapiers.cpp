#include "editing/PressePapiers.h"

#include <QList>
#include <QStringView>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>

namespace galbix {

namespace {

// Shortest digits that read back as the same float, appended to `sortie`.
void Nombre(std::string& sortie, float valeur)
{
    char tampon[32];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, valeur);
    sortie.append(tampon, size_t(r.ptr - tampon));
}

// A whole field as a finite number ("." separator, or "," when `virgule`); a number beyond the
// float range sets `horsLimites`.
std::optional<float> LireChamp(QStringView champ, bool virgule, bool& horsLimites)
{
    bool ok = false;
    // QStringView::toDouble is locale-independent; a decimal comma needs a copy.
    const double v = virgule && champ.contains(u',') ? champ.toString().replace(u',', u'.').toDouble(&ok)
                                                     : champ.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    if (std::fabs(v) > double(FLT_MAX)) {
        horsLimites = true;
        return std::nullopt;
    }
    return float(v);
}

bool EstSeparateur(QChar c) { return c == u'\t' || c == u' ' || c == u';'; }

// The two numbers of a point line, when it is one.
std::optional<PointProfil> LireLigne(QStringView ligne, bool& horsLimites)
{
    QStringView champs[2];
    int n = 0;
    qsizetype i = 0;
    while (i < ligne.size() && n < 2) {
        while (i < ligne.size() && EstSeparateur(ligne[i]))
            ++i;
        const qsizetype debut = i;
        while (i < ligne.size() && !EstSeparateur(ligne[i]))
            ++i;
        if (i > debut)
            champs[n++] = ligne.mid(debut, i - debut);
    }
    while (i < ligne.size() && EstSeparateur(ligne[i]))
        ++i;
    if (i < ligne.size())
        return std::nullopt; // a third field: "1 234,5<tab>6" is no point (1, 234.5)
    bool virgule = true;
    if (n == 1) {
        const qsizetype v = champs[0].indexOf(u',');
        if (v <= 0)
            return std::nullopt;
        const QStringView tout = champs[0];
        champs[0] = tout.left(v);
        champs[1] = tout.mid(v + 1);
        virgule = false;
    } else if (n < 2) {
        return std::nullopt;
    }
    const auto x = LireChamp(champs[0], virgule, horsLimites);
    const auto y = LireChamp(champs[1], virgule, horsLimites);
    if (!x || !y)
        return std::nullopt;
    return PointProfil{*x, *y, EtatSelection};
}

// A line that starts like a number ("12", "-3", ".5", ",5") is meant as a point line.
bool CommenceParNombre(QStringView ligne)
{
    qsizetype i = 0;
    if (i < ligne.size() && (ligne[i] == u'-' || ligne[i] == u'+'))
        ++i;
    if (i < ligne.size() && (ligne[i] == u'.' || ligne[i] == u','))
        ++i;
    return i < ligne.size() && ligne[i].isDigit();
}

} // namespace

QString TexteDuPressePapiers(const PressePapiers& pp)
{
    std::string texte;
    texte.reserve(32 * (pp.PointsE.size() + pp.PointsS.size()) + 32);
    for (int cote : {CoteE, CoteS}) {
        texte += (cote == CoteE ? EnteteTexteE : EnteteTexteS).toStdString();
        texte += '\n';
        for (const PointProfil& p : pp.Points(cote)) {
            Nombre(texte, p.X);
            texte += '\t';
            Nombre(texte, p.Y);
            texte += '\n';
        }
    }
    return QString::fromLatin1(texte.data(), qsizetype(texte.size()));
}

std::optional<PressePapiers> LireTextePoints(const QString& texte, bool* horsLimites, int* ligneIllisible)
{
    if (ligneIllisible)
        *ligneIllisible = 0;
    bool horsPlage = false;
    int numero = 0;
    PressePapiers pp;
    int cote = CoteE;
    // Lines end with LF or CR LF, or with CR alone when the text holds no LF.
    const QChar finLigne = texte.contains(u'\n') ? QChar(u'\n') : QChar(u'\r');
    for (QStringView brute : QStringView(texte).split(finLigne)) {
        ++numero;
        const QStringView ligne = brute.trimmed();
        if (ligne.compare(EnteteTexteE, Qt::CaseInsensitive) == 0) {
            cote = CoteE;
        } else if (ligne.compare(EnteteTexteS, Qt::CaseInsensitive) == 0) {
            cote = CoteS;
        } else if (const auto p = LireLigne(ligne, horsPlage)) {
            pp.Points(cote).push_back(*p);
        } else if (!horsPlage && CommenceParNombre(ligne)) {
            if (ligneIllisible)
                *ligneIllisible = numero;
            return std::nullopt;
        }
    }
    if (horsLimites)
        *horsLimites = horsPlage;
    if (horsPlage || pp.Vide())
        return std::nullopt;
    return pp;
}

} // namespace galbix
