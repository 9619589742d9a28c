#pragma once
// Fast, locale-independent scanning of text files in memory: lines and numbers.

#include <charconv>
#include <cmath>
#include <string_view>

namespace galbix::texte {

/// Splits text into lines; accepts LF, CRLF and lone CR line ends.
class Lignes {
public:
    explicit Lignes(std::string_view texte) : m_reste(texte) {}
    /// Next line without its line end; false at the end of the text.
    bool Suivante(std::string_view& ligne)
    {
        if (m_fini)
            return false;
        size_t i = 0;
        while (i < m_reste.size() && m_reste[i] != '\n' && m_reste[i] != '\r')
            ++i;
        ligne = m_reste.substr(0, i);
        if (i == m_reste.size()) {
            m_fini = true;
            return !ligne.empty() || m_numero == 0 ? (++m_numero, true) : false;
        }
        size_t saut = 1;
        if (m_reste[i] == '\r' && i + 1 < m_reste.size() && m_reste[i + 1] == '\n')
            saut = 2;
        m_reste.remove_prefix(i + saut);
        ++m_numero;
        return true;
    }
    /// 1-based number of the line last returned.
    int Numero() const { return m_numero; }

private:
    std::string_view m_reste;
    bool m_fini = false;
    int m_numero = 0;
};

/// True for space, tab and the other ASCII blanks.
inline bool EstBlanc(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n'; }

/// The text without leading and trailing blanks.
inline std::string_view Rogner(std::string_view s)
{
    while (!s.empty() && EstBlanc(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && EstBlanc(s.back()))
        s.remove_suffix(1);
    return s;
}

/// Reads a number at the start of `s` ('+' sign, leading '.', exponent accepted); on success
/// advances `s` past it and returns true. Fortran forms such as "1.5D-03" are read too.
inline bool LireReel(std::string_view& s, double& valeur)
{
    const char* debut = s.data();
    const char* fin = s.data() + s.size();
    const char* p = debut;
    if (p < fin && *p == '+')
        ++p;
    auto r = std::from_chars(p, fin, valeur, std::chars_format::general);
    if (r.ec != std::errc() || (p < fin && *p == '+' && r.ptr == p))
        return false;
    // "1.5D-03": Fortran double-precision exponent.
    if (r.ptr < fin && (*r.ptr == 'D' || *r.ptr == 'd')) {
        const char* q = r.ptr + 1;
        int exposant = 0;
        auto e = std::from_chars(q + (q < fin && *q == '+' ? 1 : 0), fin, exposant);
        if (e.ec == std::errc()) {
            valeur *= std::pow(10.0, exposant);
            r.ptr = e.ptr;
        }
    }
    s.remove_prefix(size_t(r.ptr - debut));
    return true;
}

/// Skips blanks and the separators `separateurs` at the start of `s`.
inline void SauterSeparateurs(std::string_view& s, std::string_view separateurs = ",;")
{
    while (!s.empty() && (EstBlanc(s.front()) || separateurs.find(s.front()) != std::string_view::npos))
        s.remove_prefix(1);
}

} // namespace galbix::texte
