#pragma once
// A small streaming JSON writer: fast on arrays of a million points, no intermediate tree.

#include <QString>
#include <string>

namespace galbix::cli {

class Json {
public:
    Json& DebutObjet();
    Json& FinObjet();
    Json& DebutTableau();
    Json& FinTableau();
    /// Key of the next value inside an object.
    Json& Cle(const char* cle);
    Json& Valeur(double v);
    Json& Valeur(float v);
    Json& Valeur(int v);
    Json& Valeur(long long v);
    Json& Valeur(bool v);
    Json& Valeur(const QString& v);
    Json& Nul();
    const std::string& Texte() const { return m_texte; }
    /// Room for `octets` bytes of text, so that a large document is built without growing.
    void Reserver(size_t octets) { m_texte.reserve(octets); }

private:
    void Separateur();
    std::string m_texte;
    bool m_premier = true; // no comma before the next value
};

} // namespace galbix::cli
