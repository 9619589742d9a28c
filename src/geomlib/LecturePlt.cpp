// HPGL and HP-GL/2 plots: pen moves in plotter units (40 per mm), optionally in user units
// through SC and IP. Each pen-down run becomes one contour, starting at the pen-up position
// where the run began.

#include "geomlib/Formats.h"
#include "geomlib/HpglEchelle.h"
#include "geomlib/Tolerances.h"

#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <exception>

namespace galbix::formats {

namespace {

constexpr char TerminateurEtiquetteParDefaut = '\x03';
constexpr char Echappement = '\x1b';

bool EstLettre(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool EstChiffre(char c) { return c >= '0' && c <= '9'; }
char Majuscule(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

/// Reading position in the plot text.
class Curseur {
public:
    explicit Curseur(std::string_view texte) : m_texte(texte) {}
    bool Fini() const { return m_pos >= m_texte.size(); }
    char Courant() const { return m_pos < m_texte.size() ? m_texte[m_pos] : '\0'; }
    char Suivant() const { return m_pos + 1 < m_texte.size() ? m_texte[m_pos + 1] : '\0'; }
    void Avancer(size_t n = 1) { m_pos = std::min(m_texte.size(), m_pos + n); }

    /// Skips to just after the next `c`, or to the end.
    void SauterApres(char c)
    {
        const size_t i = m_texte.find(c, m_pos);
        m_pos = i == std::string_view::npos ? m_texte.size() : i + 1;
    }

    /// Next parameter of the current instruction. Blanks and commas separate parameters; the
    /// instruction ends at ';' (consumed), at a letter (the next mnemonic) or at anything else.
    bool Parametre(double& valeur)
    {
        while (!Fini()) {
            const char c = Courant();
            if (c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n') {
                Avancer();
                continue;
            }
            if (c == ';') {
                Avancer();
                return false;
            }
            if (!(EstChiffre(c) || c == '-' || c == '+' || c == '.'))
                return false;
            const char* debut = m_texte.data() + m_pos;
            const char* fin = m_texte.data() + m_texte.size();
            const auto r = std::from_chars(debut + (c == '+' ? 1 : 0), fin, valeur, std::chars_format::fixed);
            if (r.ec == std::errc()) {
                Avancer(size_t(r.ptr - debut));
                return true;
            }
            // A lone sign or dot, or a number out of range: dropped.
            Avancer(r.ec == std::errc::result_out_of_range ? size_t(r.ptr - debut) : 1);
        }
        return false;
    }

    /// Skips the parameters of an instruction that is not interpreted: up to ';' or the next
    /// letter, quoted strings included.
    void SauterParametres()
    {
        while (!Fini()) {
            const char c = Courant();
            if (c == ';') {
                Avancer();
                return;
            }
            if (EstLettre(c) || c == Echappement)
                return;
            if (c == '"') {
                Avancer();
                SauterApres('"');
            } else {
                Avancer();
            }
        }
    }

    /// Skips a PCL escape sequence: two-character ones ("ESC E"), "ESC %" ones ("ESC %0B",
    /// "ESC %-12345X") and parameterised ones ("ESC &l1O", "ESC *p0x0Y").
    void SauterEchappement()
    {
        Avancer();   // ESC
        const char c = Courant();
        Avancer();
        if (c == '%') {
            while (!Fini() && (EstChiffre(Courant()) || Courant() == '-' || Courant() == '+'))
                Avancer();
            Avancer();   // A, B or X
        } else if (c >= '!' && c <= '/') {
            Avancer();   // group character
            while (!Fini()) {
                while (!Fini() && (EstChiffre(Courant()) || Courant() == '-' || Courant() == '+'
                                   || Courant() == '.'))
                    Avancer();
                const char terme = Courant();
                Avancer();
                if (!(terme >= 'a' && terme <= 'z'))
                    break;   // upper-case terminator ends the sequence; lower case combines
            }
        }
    }

private:
    std::string_view m_texte;
    size_t m_pos = 0;
};

/// The plotter's state and the contours drawn so far.
class Traceur {
public:
    std::vector<PointFichier> points;
    char terminateur = TerminateurEtiquetteParDefaut;   ///< ends LB label text (DT)

    void Initialiser()
    {
        Lever();
        m_relatif = false;
        m_x = m_y = 0.0;
        m_echelle = hpgl::Echelle();
        terminateur = TerminateurEtiquetteParDefaut;
    }
    void ParDefaut()
    {
        m_relatif = false;
        m_echelle.ArreterEchelle();
        terminateur = TerminateurEtiquetteParDefaut;
    }
    void Lever() { m_baisse = false; m_enCours = false; }
    void Baisser() { m_baisse = true; }
    void Relatif(bool relatif) { m_relatif = relatif; }
    hpgl::Echelle& Echelle() { return m_echelle; }

    /// Moves to (u, v), in user units when scaling is on; draws when the pen is down.
    void Deplacer(double u, double v)
    {
        const hpgl::Transformation t = m_echelle.Courante();
        const double x = m_relatif ? m_x + t.ax * u : t.ax * u + t.bx;
        const double y = m_relatif ? m_y + t.ay * v : t.ay * v + t.by;
        if (m_baisse) {
            if (!m_enCours) {
                Ajouter(m_x, m_y);
                m_enCours = true;
            }
            Ajouter(x, y);
        }
        m_x = x;
        m_y = y;
    }

private:
    void Ajouter(double x, double y)
    {
        if (!m_enCours)
            ++m_contour;
        PointFichier p;
        p.X = float(x / tol::UnitesTraceurParMm);
        p.Y = float(y / tol::UnitesTraceurParMm);
        PoserCodeContour(p, m_contour);
        points.push_back(p);
    }

    hpgl::Echelle m_echelle;
    double m_x = 0.0, m_y = 0.0;
    bool m_baisse = false, m_relatif = false, m_enCours = false;
    int m_contour = -1;
};

void Deplacements(Curseur& c, Traceur& t)
{
    double u = 0.0, v = 0.0;
    while (c.Parametre(u)) {
        if (!c.Parametre(v))
            return;   // an odd coordinate is dropped
        t.Deplacer(u, v);
    }
}

/// Reads up to `max` parameters into `valeurs`; returns how many.
int Parametres(Curseur& c, double* valeurs, int max)
{
    int n = 0;
    double v = 0.0;
    while (c.Parametre(v)) {
        if (n < max)
            valeurs[n] = v;
        ++n;
    }
    return std::min(n, max);
}

void Executer(char a, char b, Curseur& c, Traceur& t)
{
    double valeurs[8] = {};
    switch (a << 8 | b) {
    case 'I' << 8 | 'N': t.Initialiser(); c.SauterParametres(); break;
    case 'D' << 8 | 'F': t.ParDefaut(); c.SauterParametres(); break;
    case 'S' << 8 | 'P': t.Lever(); c.SauterParametres(); break;
    case 'P' << 8 | 'U': t.Lever(); Deplacements(c, t); break;
    case 'P' << 8 | 'D': t.Baisser(); Deplacements(c, t); break;
    case 'P' << 8 | 'A': t.Relatif(false); Deplacements(c, t); break;
    case 'P' << 8 | 'R': t.Relatif(true); Deplacements(c, t); break;
    case 'S' << 8 | 'C': t.Echelle().Echelonner(valeurs, Parametres(c, valeurs, 7)); break;
    case 'I' << 8 | 'P': t.Echelle().PointsP1P2(valeurs, Parametres(c, valeurs, 4)); break;
    case 'L' << 8 | 'B':
    case 'B' << 8 | 'L':
    case 'W' << 8 | 'D': c.SauterApres(t.terminateur); break;
    case 'D' << 8 | 'T':
        // DT sets the label terminator; "DT;" restores the default one.
        t.terminateur = c.Fini() || c.Courant() == ';' ? TerminateurEtiquetteParDefaut : c.Courant();
        c.Avancer();
        c.SauterParametres();
        break;
    case 'S' << 8 | 'M':   // symbol mode: one character, which may be a letter
        if (c.Courant() != ';')
            c.Avancer();
        c.SauterParametres();
        break;
    case 'P' << 8 | 'E': c.SauterApres(';'); break;   // encoded polylines are not read
    default: c.SauterParametres(); break;
    }
}

LectureFichier Lire(std::string_view texte)
{
    Curseur c(texte);
    Traceur t;
    t.Initialiser();
    while (!c.Fini()) {
        const char a = c.Courant();
        if (a == Echappement) {
            c.SauterEchappement();
        } else if (EstLettre(a) && EstLettre(c.Suivant())) {
            const char b = c.Suivant();
            c.Avancer(2);
            Executer(Majuscule(a), Majuscule(b), c, t);
        } else {
            c.Avancer();
        }
    }
    LectureFichier lecture;
    lecture.points = std::move(t.points);
    if (lecture.points.empty())
        lecture.erreur = QCoreApplication::translate("galbix", "aucun tracé plume baissée (PD) dans le fichier HPGL");
    return lecture;
}

} // namespace

// Memory exhaustion is turned into a failed read by LireFichierDetaille.
LectureFichier LirePlt(std::string_view texte)
{
    return Lire(texte);
}

} // namespace galbix::formats
