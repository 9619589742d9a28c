#include "files/Ini.h"

#include "geomlib/Cp1252.h"
#include "geomlib/EcritureAtomique.h"
#include "geomlib/LectureBornee.h"
#include "geomlib/Texte.h"

#include <QFile>
#include <QFileInfo>
#include <new>

namespace galbix {

namespace {

constexpr QStringView FinDeLigne = u"\r\n";

// Largest settings or project file read (bytes): a project of two 1 000 000-point sides
// takes about 60 MB, and a file held in memory takes several times its size.
constexpr qint64 TailleMaxIni = qint64(256) << 20;

bool EstBlancIni(QChar c) { return c == u' ' || c == u'\t'; }

// The text without the spaces and tabs around it.
QStringView Rogner(QStringView s)
{
    qsizetype debut = 0;
    qsizetype fin = s.size();
    while (debut < fin && EstBlancIni(s[debut]))
        ++debut;
    while (fin > debut && EstBlancIni(s[fin - 1]))
        --fin;
    return s.mid(debut, fin - debut);
}

// Section and key names are compared by their lower-case forms (accented letters too).
// Keys are mostly short ASCII texts such as point numbers: those skip Unicode case mapping.
QString Minuscules(QStringView nom)
{
    QString s(nom.size(), Qt::Uninitialized);
    QChar* d = s.data();
    for (qsizetype i = 0; i < nom.size(); ++i) {
        const char16_t c = nom[i].unicode();
        if (c >= 128)
            return nom.toString().toLower();
        d[i] = QChar(c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c);
    }
    return s;
}

QString Cle(QStringView nom) { return Minuscules(Rogner(nom)); }

constexpr QByteArrayView MarqueUtf8 = "\xEF\xBB\xBF";

// A second byte-order mark, as bytes or as the three Windows-1252 characters it reads as,
// written in UTF-8. Such a file is refused whole: its first line reads as no header, yet a
// save would turn it back into one, and keys that no reader saw would come back.
bool MarqueEnTrop(QByteArrayView texte)
{
    return texte.startsWith(MarqueUtf8) || texte.startsWith("\xC3\xAF\xC2\xBB\xC2\xBF");
}

// Name of a "[name]" header line; false for any other line.
bool LireEnTete(QStringView ligne, QString& nom)
{
    const QStringView r = Rogner(ligne);
    if (!r.startsWith(u'['))
        return false;
    const qsizetype fin = r.indexOf(u']');
    if (fin < 0)
        return false;
    nom = Rogner(r.mid(1, fin - 1)).toString();
    return true;
}

// Key of a "key=value" line; false for comments, blank lines and lines without a key.
bool LireCle(QStringView ligne, QStringView& cle)
{
    const QStringView r = Rogner(ligne);
    if (r.isEmpty() || r.front() == u';')
        return false;
    const qsizetype egal = r.indexOf(u'=');
    if (egal < 0)
        return false;
    cle = Rogner(r.left(egal));
    return !cle.isEmpty();
}

// A value, key or section name never spans lines in the file.
QString SurUneLigne(const QString& texte)
{
    if (!texte.contains(u'\r') && !texte.contains(u'\n'))
        return texte;
    QString s = texte;
    s.replace(u'\r', u' ');
    s.replace(u'\n', u' ');
    return s;
}

} // namespace

FichierIni FichierIni::DepuisOctets(const QByteArray& octets)
{
    FichierIni f;
    f.m_sections.emplace_back();
    if (octets.isEmpty())
        return f;
    // One encoding for the whole file; line ends are the same byte in both.
    QByteArrayView tout(octets);
    if (tout.startsWith(MarqueUtf8))
        tout = tout.sliced(3);
    if (MarqueEnTrop(tout))
        return f;
    const bool utf8 = cp1252::EstUtf8(tout);
    texte::Lignes lignes(std::string_view(tout.data(), size_t(tout.size())));
    std::string_view brute;
    QString nom;
    while (lignes.Suivante(brute)) {
        const QByteArrayView vue(brute.data(), qsizetype(brute.size()));
        QString ligne = utf8 ? QString::fromUtf8(vue) : cp1252::Decoder(vue);
        if (LireEnTete(ligne, nom)) {
            Section s;
            s.nom = nom;
            s.enTete = std::move(ligne);
            const QString cle = Minuscules(nom);
            f.m_indexSections.try_emplace(cle, int(f.m_sections.size())); // the first one counts
            f.m_sections.push_back(std::move(s));
            continue;
        }
        Section& s = f.m_sections.back();
        s.lignes.push_back(std::move(ligne));
        QStringView cle;
        if (LireCle(s.lignes.back(), cle)) {
            const int index = int(s.lignes.size()) - 1;
            const QString cleMinuscule = Minuscules(cle);
            s.cles.try_emplace(cleMinuscule, index); // the first of two equal keys is the one read
            s.derniereCle = index;
        }
    }
    return f;
}

FichierIni FichierIni::Charger(const QString& chemin, bool* lu)
{
    if (lu)
        *lu = true;
    const QFileInfo info(chemin);
    if (!info.exists())
        return DepuisOctets({});
    // Opening a pipe would wait for a writer; a folder, socket or block device holds no
    // document. A character device is read within the cap (/dev/null reads as empty).
    if (!info.isFile() && !EstPeripheriqueCaractere(chemin)) {
        if (lu)
            *lu = false;
        return DepuisOctets({});
    }
    QFile fichier(chemin);
    if (info.size() <= TailleMaxIni && fichier.open(QIODevice::ReadOnly)) {
        try {
            if (const ContenuFichier c = LireFichierBorne(chemin, TailleMaxIni); c.ok) return DepuisOctets(c.octets);
        } catch (const std::bad_alloc&) {
            // falls through: an unreadable file
        }
    }
    if (lu)
        *lu = false;
    return DepuisOctets({});
}

const FichierIni::Section* FichierIni::TrouverSection(const QString& section) const
{
    const auto it = m_indexSections.find(Cle(section));
    return it == m_indexSections.end() ? nullptr : &m_sections[size_t(it->second)];
}

FichierIni::Section* FichierIni::TrouverSection(const QString& section)
{
    const auto it = m_indexSections.find(Cle(section));
    return it == m_indexSections.end() ? nullptr : &m_sections[size_t(it->second)];
}

// A new section goes at the end of the file, after a blank line when the file holds
// anything and does not already end with a blank line.
FichierIni::Section& FichierIni::SectionOuNouvelle(const QString& section)
{
    if (Section* s = TrouverSection(section))
        return *s;
    if (m_sections.empty())
        m_sections.emplace_back();
    Section& derniere = m_sections.back();
    const bool vide = m_sections.size() == 1 && derniere.lignes.empty();
    const bool finBlanche = !derniere.lignes.empty() && Rogner(derniere.lignes.back()).isEmpty();
    if (!vide && !finBlanche)
        derniere.lignes.emplace_back();
    Section s;
    s.nom = SurUneLigne(Rogner(section).toString());
    s.enTete = u'[' + s.nom + u']';
    m_indexSections.emplace(Minuscules(s.nom), int(m_sections.size()));
    m_sections.push_back(std::move(s));
    return m_sections.back();
}

QString FichierIni::Lire(const QString& section, const QString& cle, const QString& defaut) const
{
    const Section* s = TrouverSection(section);
    if (!s)
        return defaut;
    const auto it = s->cles.find(Cle(cle));
    if (it == s->cles.end())
        return defaut;
    const QString& ligne = s->lignes[size_t(it->second)];
    QStringView valeur = Rogner(QStringView(ligne).mid(ligne.indexOf(u'=') + 1));
    const qsizetype nul = valeur.indexOf(QChar(0));
    if (nul >= 0)
        valeur = valeur.left(nul);
    return valeur.left(LongueurMaxValeurIni).toString();
}

bool FichierIni::Contient(const QString& section, const QString& cle) const
{
    const Section* s = TrouverSection(section);
    return s && s->cles.count(Cle(cle)) != 0;
}

bool FichierIni::Ecrire(const QString& section, const QString& cle, const QString& valeur)
{
    const QString nomCle = SurUneLigne(Rogner(cle).toString());
    if (nomCle.isEmpty())
        return false;
    Section& s = SectionOuNouvelle(section);
    const int position = s.derniereCle + 1;
    const auto [it, nouvelle] = s.cles.try_emplace(Minuscules(nomCle), position);
    if (!nouvelle) {
        // The key keeps the spelling it has in the file.
        QString& ligne = s.lignes[size_t(it->second)];
        QStringView ancienne;
        LireCle(ligne, ancienne);
        ligne = ancienne.toString() + u'=' + SurUneLigne(valeur);
        return true;
    }
    // Only blank lines and comments follow the last key, so no indexed line moves.
    s.lignes.insert(s.lignes.begin() + position, nomCle + u'=' + SurUneLigne(valeur));
    s.derniereCle = position;
    return true;
}

// The keys and comments go; a blank line that closed the section stays, so that the next
// section keeps its separation.
void FichierIni::ViderSection(const QString& section)
{
    Section& s = SectionOuNouvelle(section);
    const bool finBlanche = !s.lignes.empty() && Rogner(s.lignes.back()).isEmpty();
    s.lignes.clear();
    if (finBlanche)
        s.lignes.emplace_back();
    s.cles.clear();
    s.derniereCle = -1;
}

QByteArray FichierIni::VersOctets() const
{
    qsizetype taille = 0;
    for (const Section& s : m_sections) {
        taille += s.enTete.size() + 2;
        for (const QString& l : s.lignes)
            taille += l.size() + 2;
    }
    QString texte;
    texte.reserve(taille);
    for (size_t i = 0; i < m_sections.size(); ++i) {
        const Section& s = m_sections[i];
        if (i > 0) {
            texte += s.enTete;
            texte += FinDeLigne;
        }
        for (const QString& l : s.lignes) {
            texte += l;
            texte += FinDeLigne;
        }
    }
    return cp1252::EncoderFichier(texte, true);
}

bool FichierIni::Enregistrer(const QString& chemin) const
{
    try {
        return EcrireFichierAtomique(chemin, VersOctets());
    } catch (const std::bad_alloc&) {
        return false;
    }
}

int32_t EcrireIni(const QString& section, const QString& cle, const QString& valeur, const QString& fichier)
{
    bool lu = false;
    FichierIni ini = FichierIni::Charger(fichier, &lu);
    if (!lu || !ini.Ecrire(section, cle, valeur))
        return 0;
    return ini.Enregistrer(fichier) ? 1 : 0;
}

bool EcrireClesIni(const std::vector<CleIni>& cles, const QString& fichier)
{
    bool lu = false;
    FichierIni ini = FichierIni::Charger(fichier, &lu);
    if (!lu)
        return false;
    for (const CleIni& c : cles)
        if (!ini.Ecrire(c.section, c.cle, c.valeur))
            return false;
    return ini.Enregistrer(fichier);
}

QString LireIni(const QString& section, const QString& cle, const QString& fichier, const QString& defaut)
{
    return FichierIni::Charger(fichier).Lire(section, cle, defaut);
}

bool ViderSectionIni(const QString& section, const QString& fichier)
{
    bool lu = false;
    FichierIni ini = FichierIni::Charger(fichier, &lu);
    if (!lu)
        return false;
    ini.ViderSection(section);
    return ini.Enregistrer(fichier);
}

} // namespace galbix
