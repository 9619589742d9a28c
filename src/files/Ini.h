#pragma once
// INI files with the semantics of the Windows private-profile functions: sections and keys
// matched case-insensitively, values cut at 254 characters, everything else in the file
// (other sections, keys, comments, line order) preserved, new sections appended,
// Latin-1 bytes on disk, CRLF line ends, atomic replacement on every write.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace galbix {

/// Longest value that LireIni returns (a 255-byte buffer cut at its NUL).
constexpr int LongueurMaxValeurIni = 254;

/// An INI file held in memory: many keys are read or written, then the file is saved once.
class FichierIni {
public:
    /// Reads `chemin`; a missing or unreadable file gives an empty document.
    static FichierIni Charger(const QString& chemin);
    /// Parses INI text (Latin-1 bytes).
    static FichierIni DepuisOctets(const QByteArray& octets);

    /// Value of the key, cut at 254 characters, or `defaut` when the section or key is missing.
    QString Lire(const QString& section, const QString& cle, const QString& defaut) const;
    /// True when the key exists.
    bool Contient(const QString& section, const QString& cle) const;
    /// Sets one key, adding the key at the end of its section or the section at the end of the file.
    void Ecrire(const QString& section, const QString& cle, const QString& valeur);
    /// Removes every key of the section and keeps it as an empty section (created when missing).
    void ViderSection(const QString& section);

    /// The document as Latin-1 bytes with CRLF line ends.
    QByteArray VersOctets() const;
    /// Replaces `chemin` atomically with the document; false (old file intact) on failure.
    bool Enregistrer(const QString& chemin) const;

private:
    struct Ligne {
        QString texte;      // raw line (without line end)
        QString section;    // section the line belongs to (empty before the first header)
        QString cle;        // key of a key line, empty otherwise
        bool enTete = false; // "[section]" line
    };
    int TrouverSection(const QString& section) const; // index of the header line, -1 when missing
    int TrouverCle(const QString& section, const QString& cle) const;
    int FinSection(int indexEnTete) const;             // index after the section's last non-blank line
    std::vector<Ligne> m_lignes;
};

/// Writes one key (creating the file and the section as needed); non-zero on success.
int32_t EcrireIni(const QString& section, const QString& cle, const QString& valeur, const QString& fichier);
/// Value of one key, or `defaut` when the key or the file is missing; at most 254 characters.
QString LireIni(const QString& section, const QString& cle, const QString& fichier, const QString& defaut);
/// Replaces the whole section by an empty one; true on success.
bool ViderSectionIni(const QString& section, const QString& fichier);

} // namespace galbix
