#include "app/cli/Json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include <QByteArray>

namespace galbix::cli {

void Json::Separateur()
{
    if (!m_premier)
        m_texte += ',';
    m_premier = false;
}

Json& Json::DebutObjet() { Separateur(); m_texte += '{'; m_premier = true; return *this; }
Json& Json::FinObjet() { m_texte += '}'; m_premier = false; return *this; }
Json& Json::DebutTableau() { Separateur(); m_texte += '['; m_premier = true; return *this; }
Json& Json::FinTableau() { m_texte += ']'; m_premier = false; return *this; }

Json& Json::Cle(const char* cle)
{
    Separateur();
    m_texte += '"';
    m_texte += cle;
    m_texte += "\":";
    m_premier = true;
    return *this;
}

Json& Json::Valeur(double v)
{
    Separateur();
    if (!std::isfinite(v)) {
        m_texte += "null";
        return *this;
    }
    char tampon[32];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v);
    m_texte.append(tampon, r.ptr);
    return *this;
}

Json& Json::Valeur(float v)
{
    Separateur();
    if (!std::isfinite(v)) {
        m_texte += "null";
        return *this;
    }
    char tampon[32];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v); // shortest form of the float
    m_texte.append(tampon, r.ptr);
    return *this;
}

Json& Json::Valeur(int v) { return Valeur(static_cast<long long>(v)); }

Json& Json::Valeur(long long v)
{
    Separateur();
    m_texte += std::to_string(v);
    return *this;
}

Json& Json::Valeur(bool v)
{
    Separateur();
    m_texte += v ? "true" : "false";
    return *this;
}

Json& Json::Valeur(const QString& v)
{
    Separateur();
    m_texte += '"';
    const QByteArray utf8 = v.toUtf8();
    for (char c : utf8) {
        switch (c) {
        case '"': m_texte += "\\\""; break;
        case '\\': m_texte += "\\\\"; break;
        case '\n': m_texte += "\\n"; break;
        case '\r': m_texte += "\\r"; break;
        case '\t': m_texte += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char tampon[8];
                std::snprintf(tampon, sizeof tampon, "\\u%04x", unsigned(c));
                m_texte += tampon;
            } else {
                m_texte += c;
            }
        }
    }
    m_texte += '"';
    return *this;
}

Json& Json::Nul()
{
    Separateur();
    m_texte += "null";
    return *this;
}

} // namespace galbix::cli
