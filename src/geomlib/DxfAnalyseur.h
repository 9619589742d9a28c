#pragma once
// The reader of the groups of a DXF text into a Dessin: the state between two 0 groups.
// Private to the DXF reader (DxfDessin.cpp for the sections and the entity boundaries,
// DxfEntites.cpp for the groups of each entity).

#include "geomlib/DxfDessin.h"
#include "geomlib/DxfGroupes.h"

#include <QCoreApplication>
#include <QString>

namespace galbix::dxf::analyse {

enum class Section { Aucune, EnTete, Entites, Blocs, Autre };

/// What the groups after the last 0 group describe.
enum class Courante {
    Aucune, Ignoree, EnTeteBloc, Ligne, Arc, Ellipse, LwPolyligne, Polyligne, Sommet, Spline, Insert
};

// POLYLINE flags.
constexpr long long PolyFermee = 1;
constexpr long long PolyLissageSpline = 4;
constexpr long long Poly3D = 8;
constexpr long long PolyMaillages = 16 | 64;
// VERTEX flags.
constexpr long long SommetDeSpline = 8;
constexpr long long SommetDeCadre = 16;

/// True when the code is base, base + 10 or base + 20 (x, y or z of a point).
inline bool EstCoordonnee(int code, int base) { return code == base || code == base + 10 || code == base + 20; }

/// The x, y or z of `p` that the code base, base + 10 or base + 20 gives.
inline double& Composante(Pt3& p, int code, int base)
{
    return code == base ? p.x : code == base + 10 ? p.y : p.z;
}

// Reads the pairs in order: a 0 group ends the entity being read (Terminer) and starts the
// next one (Commencer); the other groups fill the entity being read (Valeur...).
class Analyseur {
public:
    Analyseur(std::string_view texte, Dessin& dessin) : m_lecteur(texte), m_d(dessin) {}

    /// Reads the whole text into the drawing; false with a one-line reason on malformed text.
    bool Executer(QString& erreur)
    {
        const bool ok = Boucle();
        if (!ok)
            erreur = m_erreur;
        return ok;
    }

private:
    bool Boucle();
    /// A 0 group: section boundaries, end of file, or the next entity.
    bool Zero(std::string_view type);
    void Commencer(std::string_view type);
    void CommencerEntite(std::string_view type);
    bool Valeur(const Groupe& g);
    bool ValeurEnTete(const Groupe& g);
    bool ValeurCourbe(const Groupe& g);
    bool ValeurPolyligne(const Groupe& g);
    bool ValeurSpline(const Groupe& g);
    bool ValeurInsert(const Groupe& g);
    void Terminer();
    void TerminerSpline();
    void TerminerPolyligne();
    void Ranger(TypeEntite type, size_t indice, bool papier);

    bool Echec(const QString& raison)
    {
        m_erreur = raison;
        return false;
    }
    QString Ligne() const { return QString::number(m_lecteur.NumeroLigne()); }
    bool Reel(const Groupe& g, double& v)
    {
        return LireReelDxf(g.valeur, v)
            || Echec(QCoreApplication::translate("galbix", "valeur numérique invalide à la ligne %1").arg(m_lecteur.NumeroLigne() + 1));
    }
    bool Entier(const Groupe& g, long long& v)
    {
        return LireEntierDxf(g.valeur, v)
            || Echec(QCoreApplication::translate("galbix", "valeur entière invalide à la ligne %1").arg(m_lecteur.NumeroLigne() + 1));
    }

    LecteurGroupes m_lecteur;
    Dessin& m_d;
    QString m_erreur;

    Section m_section = Section::Aucune;
    bool m_attendNomSection = false;
    bool m_sectionVue = false;
    bool m_eof = false;
    std::string_view m_variable; ///< header variable whose values follow
    int m_bloc = -1;             ///< block whose definition is being read

    // The entity being read.
    Courante m_courante = Courante::Aucune;
    bool m_papier = false;
    long long m_drapeaux = 0;
    std::string_view m_nom;
    Pt2 m_base;
    LigneDxf m_ligne;
    ArcDxf m_arc;
    EllipseDxf m_ellipse;
    PolyligneDxf m_poly;
    SplineDxf m_spline;
    InsertDxf m_insert;
    SommetDxf m_sommet;

    // A POLYLINE whose VERTEX entities are being read.
    bool m_polyOuverte = false;
    bool m_polyPapier = false;
    long long m_polyDrapeaux = 0;
    std::vector<SommetDxf> m_sommets;
    std::vector<long long> m_drapeauxSommets;

    // Arrays of the SPLINE being read.
    std::vector<double> m_noeuds, m_poids;
    std::vector<Pt2> m_controle, m_passage;
};

} // namespace galbix::dxf::analyse
