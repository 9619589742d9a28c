#include "geomlib/DxfDessin.h"

#include "geomlib/DxfAnalyseur.h"

namespace galbix::dxf {

namespace analyse {

bool Analyseur::Boucle()
{
    Groupe g;
    while (m_lecteur.Suivant(g)) {
        if (g.code == 999) {
            if (!m_d.commentaire)
                m_d.commentaire = g.valeur;
            continue;
        }
        if (m_attendNomSection) {
            if (g.code != 2)
                return Echec(QCoreApplication::translate("galbix", "nom de section attendu à la ligne ") + Ligne());
            m_attendNomSection = false;
            m_section = g.valeur == "HEADER" ? Section::EnTete
                : g.valeur == "ENTITIES"     ? Section::Entites
                : g.valeur == "BLOCKS"       ? Section::Blocs
                                             : Section::Autre;
            continue;
        }
        if (g.code == 0) {
            if (!Zero(g.valeur))
                return false;
            if (m_eof)
                return true;
            continue;
        }
        if (m_section == Section::Aucune)
            return Echec(QCoreApplication::translate("galbix", "structure DXF invalide à la ligne ") + Ligne());
        if (!Valeur(g))
            return false;
    }
    switch (m_lecteur.Defaut()) {
    case DefautGroupes::CodeInvalide:
        return Echec(QCoreApplication::translate("galbix", "code de groupe invalide à la ligne ") + Ligne());
    case DefautGroupes::ValeurManquante:
        return Echec(QCoreApplication::translate("galbix", "fichier DXF tronqué : valeur manquante après la ligne ") + Ligne());
    case DefautGroupes::Aucun: break;
    }
    if (!m_sectionVue)
        return Echec(QCoreApplication::translate("galbix", "aucune section DXF dans le fichier"));
    if (m_section != Section::Aucune || m_attendNomSection)
        return Echec(QCoreApplication::translate("galbix", "fichier DXF tronqué : section non terminée"));
    return true;
}

bool Analyseur::Zero(std::string_view type)
{
    Terminer();
    if (m_polyOuverte && type != "VERTEX")
        TerminerPolyligne();
    if (type == "SECTION") {
        if (m_section != Section::Aucune)
            return Echec(QCoreApplication::translate("galbix", "section non terminée avant la ligne ") + Ligne());
        m_attendNomSection = true;
        m_sectionVue = true;
        return true;
    }
    if (type == "EOF") {
        m_eof = true;
        return true;
    }
    if (m_section == Section::Aucune)
        return Echec(QCoreApplication::translate("galbix", "SECTION attendue à la ligne ") + Ligne());
    if (type == "ENDSEC") {
        m_section = Section::Aucune;
        m_bloc = -1;
        return true;
    }
    Commencer(type);
    return true;
}

void Analyseur::Commencer(std::string_view type)
{
    m_courante = Courante::Ignoree;
    m_papier = false;
    m_drapeaux = 0;
    if (m_section == Section::Blocs) {
        if (type == "BLOCK") {
            m_courante = Courante::EnTeteBloc;
            m_nom = {};
            m_base = {};
            return;
        }
        if (type == "ENDBLK")
            m_bloc = -1;
        if (m_bloc < 0)
            return;
    }
    if (m_section == Section::Entites || m_section == Section::Blocs)
        CommencerEntite(type);
}

void Analyseur::CommencerEntite(std::string_view type)
{
    if (type == "LINE") {
        m_ligne = {};
        m_courante = Courante::Ligne;
    } else if (type == "ARC" || type == "CIRCLE") {
        m_arc = {};
        m_arc.cercle = type == "CIRCLE";
        m_courante = Courante::Arc;
    } else if (type == "ELLIPSE") {
        m_ellipse = {};
        m_courante = Courante::Ellipse;
    } else if (type == "LWPOLYLINE") {
        m_poly = {};
        m_poly.debut = m_d.sommets.size();
        m_courante = Courante::LwPolyligne;
    } else if (type == "POLYLINE") {
        m_poly = {};
        m_sommets.clear();
        m_drapeauxSommets.clear();
        m_courante = Courante::Polyligne;
    } else if (type == "VERTEX" && m_polyOuverte) {
        m_sommet = {};
        m_courante = Courante::Sommet;
    } else if (type == "SPLINE") {
        m_spline = {};
        m_noeuds.clear();
        m_poids.clear();
        m_controle.clear();
        m_passage.clear();
        m_courante = Courante::Spline;
    } else if (type == "INSERT") {
        m_insert = {};
        m_nom = {};
        m_courante = Courante::Insert;
    }
}

bool Analyseur::Valeur(const Groupe& g)
{
    if (m_section == Section::EnTete)
        return ValeurEnTete(g);
    if (m_courante == Courante::Aucune || m_courante == Courante::Ignoree)
        return true;
    if (g.code == 67) {
        long long v = 0;
        if (!Entier(g, v))
            return false;
        m_papier = v != 0;
        return true;
    }
    if (g.code == 70 && m_courante != Courante::Insert)
        return Entier(g, m_drapeaux);
    switch (m_courante) {
    case Courante::EnTeteBloc:
        if (g.code == 2)
            m_nom = g.valeur;
        if (g.code == 10)
            return Reel(g, m_base.x);
        if (g.code == 20)
            return Reel(g, m_base.y);
        return true;
    case Courante::Ligne:
        if (g.code == 10 || g.code == 20 || g.code == 11 || g.code == 21) {
            Pt2& p = g.code % 10 == 0 ? m_ligne.a : m_ligne.b;
            return Reel(g, g.code < 20 ? p.x : p.y);
        }
        return true;
    case Courante::Arc:
    case Courante::Ellipse:
        return ValeurCourbe(g);
    case Courante::LwPolyligne:
    case Courante::Polyligne:
    case Courante::Sommet:
        return ValeurPolyligne(g);
    case Courante::Spline:
        return ValeurSpline(g);
    case Courante::Insert:
        return ValeurInsert(g);
    default:
        return true;
    }
}

bool Analyseur::ValeurEnTete(const Groupe& g)
{
    if (g.code == 9) {
        m_variable = g.valeur;
        return true;
    }
    if (g.code != 70)
        return true;
    if (m_variable == "$INSUNITS") {
        long long v = 0;
        if (!Entier(g, v))
            return false;
        m_d.insunits = v;
    } else if (m_variable == "$MEASUREMENT") {
        long long v = 0;
        if (!Entier(g, v))
            return false;
        m_d.measurement = v;
    }
    return true;
}
void Analyseur::Terminer()
{
    const Courante courante = m_courante;
    m_courante = Courante::Aucune;
    switch (courante) {
    case Courante::EnTeteBloc: {
        m_bloc = IndexBloc(m_d, m_nom);
        Bloc& bloc = m_d.blocs[size_t(m_bloc)];
        bloc.base = m_base;
        bloc.entites.clear();
        break;
    }
    case Courante::Ligne:
        m_d.lignes.push_back(m_ligne);
        Ranger(TypeEntite::Ligne, m_d.lignes.size() - 1, m_papier);
        break;
    case Courante::Arc:
        m_d.arcs.push_back(m_arc);
        Ranger(TypeEntite::Arc, m_d.arcs.size() - 1, m_papier);
        break;
    case Courante::Ellipse:
        m_d.ellipses.push_back(m_ellipse);
        Ranger(TypeEntite::Ellipse, m_d.ellipses.size() - 1, m_papier);
        break;
    case Courante::LwPolyligne:
        m_poly.nombre = m_d.sommets.size() - m_poly.debut;
        m_poly.ferme = (m_drapeaux & PolyFermee) != 0;
        m_d.polylignes.push_back(m_poly);
        Ranger(TypeEntite::Polyligne, m_d.polylignes.size() - 1, m_papier);
        break;
    case Courante::Polyligne:
        m_polyOuverte = true;
        m_polyPapier = m_papier;
        m_polyDrapeaux = m_drapeaux;
        break;
    case Courante::Sommet:
        m_sommets.push_back(m_sommet);
        m_drapeauxSommets.push_back(m_drapeaux);
        break;
    case Courante::Spline:
        TerminerSpline();
        break;
    case Courante::Insert:
        if (!m_nom.empty()) {
            m_insert.bloc = IndexBloc(m_d, m_nom);
            m_d.inserts.push_back(m_insert);
            Ranger(TypeEntite::Insert, m_d.inserts.size() - 1, m_papier);
        }
        break;
    case Courante::Aucune:
    case Courante::Ignoree:
        break;
    }
}

void Analyseur::Ranger(TypeEntite type, size_t indice, bool papier)
{
    const Entite e{type, uint32_t(indice)};
    if (m_section == Section::Blocs) {
        if (m_bloc >= 0)
            m_d.blocs[size_t(m_bloc)].entites.push_back(e);
    } else {
        (papier ? m_d.papier : m_d.modele).push_back(e);
    }
}

} // namespace analyse

int IndexBloc(Dessin& dessin, std::string_view nom)
{
    std::string cle(nom);
    for (char& c : cle)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    const auto [it, nouveau] = dessin.indexBlocs.try_emplace(std::move(cle), int(dessin.blocs.size()));
    if (nouveau)
        dessin.blocs.push_back(Bloc{std::string(nom), {}, {}});
    return it->second;
}

bool LireDessin(std::string_view texte, Dessin& dessin, QString& erreur)
{
    if (texte.substr(0, 18) == "AutoCAD Binary DXF") {
        erreur = QCoreApplication::translate("galbix", "DXF binaire non pris en charge");
        return false;
    }
    analyse::Analyseur analyseur(texte, dessin);
    return analyseur.Executer(erreur);
}

} // namespace galbix::dxf
