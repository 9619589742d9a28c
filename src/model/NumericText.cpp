#include "model/NumericText.h"

#include "geomlib/Texte.h"

#include <QLocale>
#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>

namespace galbix {

namespace {

bool EstChiffre(char c) { return c >= '0' && c <= '9'; }
bool EstChiffre(QChar c) { return c >= u'0' && c <= u'9'; }

// ---------------------------------------------------------------- key filters

bool ToucheCommune(int touche)
{
    return (touche >= '0' && touche <= '9') || touche == ',' || touche == '.'
        || touche == ToucheRetourArriere || touche == ToucheEntree;
}

// ---------------------------------------------------------------- syntax check

// States of the check: 0 start, 1 integer digits, 2 after a sign, 3 after the point,
// 4 decimal digits, 5 invalid. States 2 and 3 step over characters they cannot use.
int Transition(int etat, QChar c)
{
    const bool chiffre = EstChiffre(c);
    const bool signe = c == u'-' || c == u'+';
    const bool point = c == u'.';
    switch (etat) {
    case 0: return chiffre ? 1 : signe ? 2 : point ? 3 : 5;
    case 1: return chiffre ? 1 : point ? 3 : 5;
    case 2: return chiffre ? 1 : point ? 3 : 2;
    case 3: return chiffre ? 4 : 3;
    case 4: return chiffre ? 4 : 5;
    default: return 5;
    }
}

// ---------------------------------------------------------------- tolerant parse

// Reads sign, digits, '.' and digits from the cleaned text; 0 when no digit is there.
// A value beyond the double range saturates, one below it reads as 0.
double LireNombrePropre(const std::string& propre)
{
    size_t i = 0;
    const bool negatif = !propre.empty() && propre[0] == '-';
    if (!propre.empty() && (propre[0] == '-' || propre[0] == '+'))
        i = 1;
    const size_t debut = i;
    bool entierNonNul = false;
    bool chiffre = false;
    for (; i < propre.size() && EstChiffre(propre[i]); ++i) {
        chiffre = true;
        entierNonNul = entierNonNul || propre[i] != '0';
    }
    if (i < propre.size() && propre[i] == '.')
        for (++i; i < propre.size() && EstChiffre(propre[i]); ++i)
            chiffre = true;
    if (!chiffre)
        return 0.0;
    double v = 0.0;
    const auto r = std::from_chars(propre.data() + debut, propre.data() + i, v, std::chars_format::fixed);
    if (r.ec == std::errc::result_out_of_range)
        v = entierNonNul ? DBL_MAX : 0.0;
    else if (r.ec != std::errc())
        return 0.0;
    if (v == 0.0)
        return 0.0; // never "-0"
    return negatif ? -v : v;
}

// True when `texte` holds `motif` at position `i` (a locale separator may be several characters).
bool SeparateurEn(QStringView texte, qsizetype i, const QString& motif)
{
    return !motif.isEmpty() && texte.mid(i).startsWith(motif);
}

// The typed text reduced to digits, signs and '.', up to the first character that is
// neither a number character, a decimal separator nor a digit-group separator.
std::string TexteNettoye(QStringView texte)
{
    const QLocale locale;
    const QString decimal = locale.decimalPoint();
    const QString groupe = locale.groupSeparator();
    std::string propre;
    qsizetype i = 0;
    while (i < texte.size()) {
        const QChar c = texte[i];
        if (EstChiffre(c) || c == u'-' || c == u'+') {
            propre += char(c.unicode());
            ++i;
        } else if (c == u',' || c == u'.') {
            propre += '.';
            ++i;
        } else if (SeparateurEn(texte, i, decimal)) {
            propre += '.';
            i += decimal.size();
        } else if (c == u' ' || c == QChar(0xA0)) {
            ++i;
        } else if (SeparateurEn(texte, i, groupe)) {
            i += groupe.size();
        } else {
            break;
        }
    }
    return propre;
}

double ValeurSaisieDouble(QStringView texte) { return LireNombrePropre(TexteNettoye(texte)); }

// ---------------------------------------------------------------- display patterns

struct Motif {
    int entiersObligatoires = 0;
    int decimales = 0;
    int decimalesObligatoires = 0;
};

constexpr int DecimalesMax = 30;

// '0' is a mandatory digit, '#' an optional one; every '0' makes the digits between it
// and the point mandatory too. Other characters are not part of the supported patterns.
Motif AnalyserMotif(QStringView motif)
{
    Motif m;
    const qsizetype point = motif.indexOf(u'.');
    const QStringView entier = point < 0 ? motif : motif.left(point);
    const QStringView fraction = point < 0 ? QStringView() : motif.mid(point + 1);
    int position = 0;
    for (qsizetype i = entier.size() - 1; i >= 0; --i) {
        if (entier[i] == u'0' || entier[i] == u'#')
            ++position;
        if (entier[i] == u'0')
            m.entiersObligatoires = position;
    }
    for (QChar c : fraction) {
        if (c == u'0' || c == u'#')
            ++m.decimales;
        if (c == u'0')
            m.decimalesObligatoires = m.decimales;
    }
    m.decimales = std::min(m.decimales, DecimalesMax);
    m.decimalesObligatoires = std::min(m.decimalesObligatoires, DecimalesMax);
    return m;
}

// True when a (>= 0) lies exactly half-way between two neighbours with `decimales` places:
// a = k + 0.5 units of the last place has exactly decimales + 1 places ending in 5, which
// for a binary value means a * 2^(decimales + 1) is an odd integer.
bool EstMilieuExact(double a, int decimales)
{
    const double t = std::ldexp(a, decimales + 1);
    return std::isfinite(t) && t == std::floor(t) && std::fmod(t, 2.0) == 1.0;
}

// Adds one unit of the last place to a non-negative decimal text.
void AjouterUnite(std::string& s)
{
    for (size_t i = s.size(); i-- > 0;) {
        if (s[i] == '.')
            continue;
        if (s[i] != '9') {
            ++s[i];
            return;
        }
        s[i] = '0';
    }
    s.insert(s.begin(), '1');
}

// |valeur| with exactly `decimales` places, rounded to nearest, exact halves away from zero.
std::string ArrondirAbsolu(double a, int decimales)
{
    char tampon[400]; // 309 integer digits, the point and at most DecimalesMax + 1 places
    if (!EstMilieuExact(a, decimales)) {
        const auto r = std::to_chars(tampon, tampon + sizeof tampon, a, std::chars_format::fixed, decimales);
        return std::string(tampon, r.ptr);
    }
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, a, std::chars_format::fixed, decimales + 1);
    std::string s(tampon, r.ptr - 1); // exact text, its last digit is the 5 to drop
    if (!s.empty() && s.back() == '.')
        s.pop_back();
    AjouterUnite(s);
    return s;
}

} // namespace

void FiltreToucheNombre(int& touche)
{
    if (!ToucheCommune(touche))
        touche = 0;
}

void FiltreToucheNombreSigne(int& touche)
{
    if (!ToucheCommune(touche) && touche != '-')
        touche = 0;
}

QString PointDecimal(const QString& texte)
{
    const qsizetype i = texte.indexOf(u',');
    if (i < 0)
        return texte;
    QString resultat = texte;
    resultat[i] = u'.';
    return resultat;
}

bool EstNombreDecimal(QString& texte)
{
    if (texte.endsWith(u'.'))
        texte += u'0';
    int etat = 0;
    for (QChar c : std::as_const(texte)) {
        etat = Transition(etat, c);
        if (etat == 5)
            return false;
    }
    return etat == 1 || etat == 4;
}

QString ValeurSaisie(const QString& texte)
{
    const double v = ValeurSaisieDouble(texte);
    char tampon[400];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::fixed);
    return QString::fromLatin1(tampon, r.ptr - tampon);
}

float ValeurSaisieReelle(const QString& texte)
{
    const double v = ValeurSaisieDouble(texte);
    return float(std::clamp(v, double(-FLT_MAX), double(FLT_MAX)));
}

std::optional<double> ValeurSaisieFinie(const QString& texte)
{
    const double v = ValeurSaisieDouble(texte);
    if (!std::isfinite(v) || std::fabs(v) > double(FLT_MAX))
        return std::nullopt;
    return v;
}

// Ties of the decimal value are judged on the double's exact binary value: 0.625 is
// exactly half-way and gives 0.63, while 2.675 is stored as 2.67499999... and gives 2.67.
// A value that is not finite is written as zero: fields and files only hold numbers.
QString FormaterNombre(double valeur, QStringView motif)
{
    const Motif m = AnalyserMotif(motif);
    if (!std::isfinite(valeur))
        valeur = 0.0;
    std::string s = ArrondirAbsolu(std::fabs(valeur), m.decimales);

    const size_t point = s.find('.');
    if (point != std::string::npos) {
        size_t fin = s.size();
        while (fin > point + 1 + size_t(m.decimalesObligatoires) && s[fin - 1] == '0')
            --fin;
        if (fin == point + 1)
            fin = point; // no decimal left: no point either
        s.resize(fin);
    }
    const size_t entiers = std::min(s.find('.'), s.size());
    if (entiers < size_t(m.entiersObligatoires))
        s.insert(0, size_t(m.entiersObligatoires) - entiers, '0');
    const bool nonNul = std::any_of(s.begin(), s.end(), [](char c) { return c >= '1' && c <= '9'; });
    if (valeur < 0 && nonNul)
        s.insert(s.begin(), '-');
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

double LireNombreDebut(std::string_view texte)
{
    size_t i = 0;
    while (i < texte.size() && texte::EstBlanc(texte[i]))
        ++i;
    bool negatif = false;
    if (i < texte.size() && (texte[i] == '-' || texte[i] == '+')) {
        negatif = texte[i] == '-';
        ++i;
    }
    const bool chiffre = i < texte.size() && EstChiffre(texte[i]);
    const bool pointChiffre = i + 1 < texte.size() && texte[i] == '.' && EstChiffre(texte[i + 1]);
    if (!chiffre && !pointChiffre)
        return 0.0;
    double v = 0.0;
    const auto r = std::from_chars(texte.data() + i, texte.data() + texte.size(), v, std::chars_format::general);
    if (r.ec != std::errc() || v == 0.0)
        return 0.0; // out of the double range, or zero without its sign
    return negatif ? -v : v;
}

double LireNombreDebut(QStringView texte)
{
    qsizetype i = 0;
    while (i < texte.size() && texte[i].unicode() < 128 && texte::EstBlanc(char(texte[i].unicode())))
        ++i;
    std::string nombre;
    for (; i < texte.size(); ++i) {
        const char16_t c = texte[i].unicode();
        if (!((c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.' || c == u'e' || c == u'E'))
            break;
        nombre += char(c);
    }
    return LireNombreDebut(std::string_view(nombre));
}

} // namespace galbix
