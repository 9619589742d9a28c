#include "editing/PressePapiers.h"

#include <QRegularExpression>
#include <QStringList>
#include <charconv>
#include <cmath>

namespace galbix {

namespace {

// Shortest digits that read back as the same float.
QString Nombre(float valeur)
{
    char tampon[32];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, valeur);
    return QString::fromLatin1(tampon, int(r.ptr - tampon));
}

// A whole field as a finite number ("." separator, or "," when `virgule`).
std::optional<float> LireChamp(QString champ, bool virgule)
{
    if (virgule)
        champ.replace(u',', u'.');
    bool ok = false;
    const double v = champ.toDouble(&ok); // QString::toDouble is locale-independent
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return float(v);
}

// The two numbers of a point line, when it is one.
std::optional<PointProfil> LireLigne(const QString& ligne)
{
    static const QRegularExpression separateurs(QStringLiteral("[\\t ;]+"));
    QStringList champs = ligne.split(separateurs, Qt::SkipEmptyParts);
    bool virgule = true;
    if (champs.size() == 1) {
        champs = ligne.split(u',', Qt::SkipEmptyParts);
        virgule = false;
    }
    if (champs.size() < 2)
        return std::nullopt;
    const auto x = LireChamp(champs[0].trimmed(), virgule);
    const auto y = LireChamp(champs[1].trimmed(), virgule);
    if (!x || !y)
        return std::nullopt;
    return PointProfil{*x, *y, EtatSelection};
}

} // namespace

QString TexteDuPressePapiers(const PressePapiers& pp)
{
    QString texte;
    for (int cote : {CoteE, CoteS}) {
        texte += (cote == CoteE ? EnteteTexteE : EnteteTexteS) + u'\n';
        for (const PointProfil& p : pp.Points(cote))
            texte += Nombre(p.X) + u'\t' + Nombre(p.Y) + u'\n';
    }
    return texte;
}

std::optional<PressePapiers> LireTextePoints(const QString& texte)
{
    PressePapiers pp;
    int cote = CoteE;
    const QStringList lignes = texte.split(QRegularExpression(QStringLiteral("\\r\\n|\\r|\\n")));
    for (const QString& brute : lignes) {
        const QString ligne = brute.trimmed();
        if (ligne.compare(EnteteTexteE, Qt::CaseInsensitive) == 0) {
            cote = CoteE;
        } else if (ligne.compare(EnteteTexteS, Qt::CaseInsensitive) == 0) {
            cote = CoteS;
        } else if (const auto p = LireLigne(ligne)) {
            pp.Points(cote).push_back(*p);
        }
    }
    if (pp.Vide())
        return std::nullopt;
    return pp;
}

} // namespace galbix
