#pragma once
// The group-code / value line pairs of ASCII DXF text, scanned in place without copies.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace galbix::dxf {

/// One group: its code and its value line without the blanks around it.
struct Groupe {
    int code = 0;
    std::string_view valeur;
};

enum class DefautGroupes {
    Aucun,
    CodeInvalide,    ///< a code line that is not an integer
    ValeurManquante, ///< the text ends after a code line
};

/// Blanks around a value or a code (spaces, tabs, the CR of CRLF line ends).
inline std::string_view SansBlancs(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

/// Reads a whole value as a finite real ('+' sign and leading '.' accepted).
inline bool LireReelDxf(std::string_view s, double& v)
{
    const char* p = s.data();
    const char* fin = p + s.size();
    if (p < fin && *p == '+')
        ++p;
    const auto r = std::from_chars(p, fin, v, std::chars_format::general);
    return r.ec == std::errc() && r.ptr == fin && std::isfinite(v);
}

/// Reads a whole value as an integer; a real with an integral value is accepted too.
inline bool LireEntierDxf(std::string_view s, long long& v)
{
    const char* p = s.data();
    const char* fin = p + s.size();
    if (p < fin && *p == '+')
        ++p;
    const auto r = std::from_chars(p, fin, v);
    if (r.ec == std::errc() && r.ptr == fin)
        return true;
    double d = 0.0;
    if (!LireReelDxf(s, d) || d != std::floor(d) || std::abs(d) > 9e15)
        return false;
    v = static_cast<long long>(d);
    return true;
}

/// Pairs of lines of DXF text: a code line, then a value line. Lines end with LF, CRLF or a
/// lone CR, in any mix; CRs just before an LF belong to that line end ("\r\r\n" is one).
class LecteurGroupes {
public:
    explicit LecteurGroupes(std::string_view texte)
        : m_p(texte.data()), m_fin(texte.data() + texte.size()), m_cr(m_p), m_lf(m_p), m_finSerieCr(m_p)
    {
        if (texte.size() >= 3 && texte.substr(0, 3) == "\xEF\xBB\xBF")
            m_p += 3;
    }

    /// Next pair; false at the end of the text (blank lines at the very end included) or on a
    /// malformed pair, which Defaut() then names.
    bool Suivant(Groupe& g)
    {
        std::string_view ligne;
        if (!Ligne(ligne))
            return false;
        m_ligneCode = m_ligne;
        ligne = SansBlancs(ligne);
        const char* fin = ligne.data() + ligne.size();
        const auto r = std::from_chars(ligne.data(), fin, g.code);
        if (ligne.empty() || r.ec != std::errc() || r.ptr != fin) {
            if (!ligne.empty() || !ResteBlanc())
                m_defaut = DefautGroupes::CodeInvalide;
            return false;
        }
        if (!Ligne(ligne)) {
            m_defaut = DefautGroupes::ValeurManquante;
            return false;
        }
        g.valeur = SansBlancs(ligne);
        return true;
    }

    DefautGroupes Defaut() const { return m_defaut; }
    /// 1-based number of the code line of the last pair read.
    long long NumeroLigne() const { return m_ligneCode; }

private:
    bool Ligne(std::string_view& ligne)
    {
        if (m_p >= m_fin)
            return false;
        const char* finLigne = std::min(Prochain(m_cr, '\r'), Prochain(m_lf, '\n'));
        ligne = std::string_view(m_p, size_t(finLigne - m_p));
        m_p = finLigne == m_fin ? m_fin : ApresFinDeLigne(finLigne);
        ++m_ligne;
        return true;
    }

    // Next `c` at or after the reading position (or the end), searched again only once passed.
    const char* Prochain(const char*& cache, char c) const
    {
        if (cache < m_p || (cache == m_p && *cache != c)) {
            const void* q = std::memchr(m_p, c, size_t(m_fin - m_p));
            cache = q ? static_cast<const char*>(q) : m_fin;
        }
        return cache;
    }

    // Position after the line end at `saut`: a run of CRs followed by an LF is one line end,
    // otherwise a CR ends its line alone. The end of a run is remembered, so that a long run of
    // lone CRs is scanned once.
    const char* ApresFinDeLigne(const char* saut)
    {
        if (*saut == '\n')
            return saut + 1;
        if (saut >= m_finSerieCr) {
            m_finSerieCr = saut;
            while (m_finSerieCr < m_fin && *m_finSerieCr == '\r')
                ++m_finSerieCr;
        }
        return m_finSerieCr < m_fin && *m_finSerieCr == '\n' ? m_finSerieCr + 1 : saut + 1;
    }

    bool ResteBlanc() const
    {
        for (const char* q = m_p; q < m_fin; ++q)
            if (*q != ' ' && *q != '\t' && *q != '\r' && *q != '\n')
                return false;
        return true;
    }

    const char* m_p;
    const char* m_fin;
    const char* m_cr;
    const char* m_lf;
    const char* m_finSerieCr;
    long long m_ligne = 0;
    long long m_ligneCode = 0;
    DefautGroupes m_defaut = DefautGroupes::Aucun;
};

} // namespace galbix::dxf
