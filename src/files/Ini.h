#pragma once
// INI files with the semantics of the Windows private-profile functions: sections and keys
// matched case-insensitively, values cut at 254 characters, everything else in the file
// (other sections, keys, comments, line order) preserved, new sections appended,
// Windows-1252 bytes on disk (UTF-8 with a byte-order mark when the text holds a character
// that code page lacks), CRLF line ends, atomic replacement on every write.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace galbix {

/// Longest value that LireIni returns (a 255-byte buffer cut at its NUL).
constexpr int LongueurMaxValeurIni = 254;

/// An INI file held in memory: many keys are read or written, then the file is saved once.
/// Reading, writing and inserting a key cost a hash look-up, so whole projects (one key
/// per point) load, change and save in linear time.
class FichierIni {
public:
    /// Reads `chemin`; a missing file gives an empty document. `lu` (optional) becomes false
    /// when the file exists but cannot be read, is too large or is neither a regular file
    /// nor a character device (folder, pipe...); the document is then empty.
    static FichierIni Charger(const QString& chemin, bool* lu = nullptr);
    /// Parses INI text (UTF-8 when the bytes are valid UTF-8, else Windows-1252; LF, CRLF
    /// or CR line ends). A text that opens with a second byte-order mark is refused as a
    /// whole and gives an empty document, so that a save replaces it entirely.
    static FichierIni DepuisOctets(const QByteArray& octets);

    /// Value of the key (blanks trimmed, cut at its first NUL and at 254 characters), or `defaut`.
    QString Lire(const QString& section, const QString& cle, const QString& defaut) const;
    /// True when the key exists.
    bool Contient(const QString& section, const QString& cle) const;
    /// Sets one key, adding it after the last key of its section or the section at the end
    /// of the file; false (nothing changed) when the key name is blank.
    bool Ecrire(const QString& section, const QString& cle, const QString& valeur);
    /// Removes every key and comment of the section and keeps it as an empty section
    /// (appended when missing).
    void ViderSection(const QString& section);

    /// The document as Windows-1252 bytes, or UTF-8 with a byte-order mark when a character
    /// has no Windows-1252 byte, with CRLF line ends.
    QByteArray VersOctets() const;
    /// Replaces `chemin` atomically with the document; false (old file intact) on failure.
    bool Enregistrer(const QString& chemin) const;

private:
    // FNV-1a over the UTF-16 units: keys are short, and this is several times faster than
    // the seeded string hash on the 200 000 look-ups of a project.
    struct Hachage {
        size_t operator()(const QString& s) const noexcept
        {
            uint64_t h = 14695981039346656037ull;
            for (QChar c : s)
                h = (h ^ c.unicode()) * 1099511628211ull;
            return size_t(h);
        }
    };
    using Index = std::unordered_map<QString, int, Hachage>;

    struct Section {
        QString nom;                 // name as first written ("" for the lines before any header)
        QString enTete;              // raw "[...]" line, empty for the leading lines
        std::vector<QString> lignes; // raw lines after the header, up to the next header
        Index cles;                  // lower-cased key -> index in `lignes` (first occurrence)
        int derniereCle = -1;        // index of the last key line, -1 when none
    };
    Section* TrouverSection(const QString& section);
    const Section* TrouverSection(const QString& section) const;
    Section& SectionOuNouvelle(const QString& section);

    std::vector<Section> m_sections;   // m_sections[0] holds the lines before the first header
    Index m_indexSections;             // lower-cased name -> index in m_sections (first occurrence)
};

/// One key of a write of several keys.
struct CleIni {
    QString section;
    QString cle;
    QString valeur;
};

/// Writes the keys in order (creating the file and the sections as needed) and replaces the
/// file once: all of them reach the disk, or none. True on success.
bool EcrireClesIni(const std::vector<CleIni>& cles, const QString& fichier);

/// Writes one key (creating the file and the section as needed); non-zero on success.
int32_t EcrireIni(const QString& section, const QString& cle, const QString& valeur, const QString& fichier);
/// Value of one key, or `defaut` when the key or the file is missing; at most 254 characters.
QString LireIni(const QString& section, const QString& cle, const QString& fichier, const QString& defaut);
/// Replaces the whole section by an empty one; true on success.
bool ViderSectionIni(const QString& section, const QString& fichier);

} // namespace galbix
