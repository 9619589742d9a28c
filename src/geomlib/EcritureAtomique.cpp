#include "geomlib/EcritureAtomique.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace galbix {

namespace {

namespace fs = std::filesystem;

// Attempts at finding a free temporary name before giving up.
constexpr int EssaisNomTemporaire = 16;
// Links followed before a chain counts as a loop (the system's own limit on Linux).
constexpr int SautsMaxLiens = 40;
// A temporary file unchanged for this long (seconds) may be a leftover; a save in progress
// writes to it, syncs it and renames it without such a pause.
constexpr qint64 AgeTemporaireAbandonne = 60;

fs::path CheminSysteme(const QString& chemin)
{
#ifdef Q_OS_WIN
    return fs::path(chemin.toStdWString());
#else
    return fs::path(QFile::encodeName(chemin).toStdString());
#endif
}

QString CheminQt(const fs::path& chemin)
{
#ifdef Q_OS_WIN
    return QString::fromStdWString(chemin.native());
#else
    return QFile::decodeName(QByteArray::fromStdString(chemin.native()));
#endif
}

// The path at the end of the chain of symbolic links that starts at `chemin` (a relative
// link counts from its own folder); empty for a loop or an unreadable link.
QString FinDesLiens(const QString& chemin)
{
    fs::path p = CheminSysteme(chemin);
    for (int saut = 0; saut <= SautsMaxLiens; ++saut) {
        std::error_code erreur;
        if (!fs::is_symlink(fs::symlink_status(p, erreur)))
            return CheminQt(p);
        const fs::path cible = fs::read_symlink(p, erreur);
        if (erreur)
            return {};
        p = cible.is_absolute() ? cible : p.parent_path() / cible;
    }
    return {};
}

// Pattern of the temporary names of `nom` (see NomTemporaire).
QRegularExpression MotifTemporaire(const QString& nom)
{
    return QRegularExpression(QStringLiteral("^\\.~") + QRegularExpression::escape(nom)
                              + QStringLiteral("-[0-9a-f]{1,8}$"));
}

// Takes the lock that tells other processes the temporary file is in use; -1 when the
// system has no such locks or refuses.
int Verrouiller(const QString& temporaire)
{
#ifdef Q_OS_WIN
    Q_UNUSED(temporaire);
    return -1;
#else
    const int d = ::open(QFile::encodeName(temporaire).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (d >= 0 && ::flock(d, LOCK_EX | LOCK_NB) != 0) {
        ::close(d);
        return -1;
    }
    return d;
#endif
}

void Deverrouiller(int& verrou)
{
#ifndef Q_OS_WIN
    if (verrou >= 0)
        ::close(verrou);
#endif
    verrou = -1;
}

// Removes one temporary file when no save holds it.
bool SupprimerSiLibre(const QString& temporaire)
{
#ifdef Q_OS_WIN
    return QFile::remove(temporaire);
#else
    int verrou = Verrouiller(temporaire);
    if (verrou < 0)
        return false;
    const bool supprime = ::unlink(QFile::encodeName(temporaire).constData()) == 0;
    Deverrouiller(verrou);
    return supprime;
#endif
}

// A hidden name next to the target: ".~name-1a2b3c4d".
QString NomTemporaire(const QString& cible)
{
    const QFileInfo info(cible);
    const QString suffixe = QString::number(QRandomGenerator::global()->generate(), 16);
    return info.dir().filePath(QStringLiteral(".~") + info.fileName() + u'-' + suffixe);
}

bool SynchroniserDescripteur(int descripteur)
{
    if (descripteur < 0)
        return false;
#ifdef Q_OS_WIN
    return _commit(descripteur) == 0;
#else
    int r;
    do
        r = ::fsync(descripteur);
    while (r != 0 && errno == EINTR);
    return r == 0;
#endif
}

// The folder's entry for the renamed file reaches the disk too. Some file systems refuse
// to sync a folder: the rename itself is done, so that is not a failure.
void SynchroniserDossier(const QString& fichier)
{
#ifndef Q_OS_WIN
    const QByteArray dossier = QFile::encodeName(QFileInfo(fichier).absolutePath());
    const int d = ::open(dossier.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d >= 0) {
        ::fsync(d);
        ::close(d);
    }
#else
    Q_UNUSED(fichier);
#endif
}

// Writes everything and flushes; false on the first failure.
bool EcrireTout(QFileDevice& fichier, const QByteArray& contenu)
{
    const char* donnees = contenu.constData();
    qint64 reste = contenu.size();
    while (reste > 0) {
        const qint64 ecrits = fichier.write(donnees, reste);
        if (ecrits <= 0)
            return false;
        donnees += ecrits;
        reste -= ecrits;
    }
    // The device may keep the bytes in its buffer: a full disk shows only now.
    return fichier.flush() && fichier.error() == QFileDevice::NoError;
}

// Writes everything, flushes and syncs; the device is closed in every case.
bool EcrireEtSynchroniser(QFileDevice& fichier, const QByteArray& contenu)
{
    const bool ecrit = EcrireTout(fichier, contenu) && SynchroniserDescripteur(fichier.handle());
    fichier.close();
    return ecrit && fichier.error() == QFileDevice::NoError;
}

// A character device takes the bytes as they come: nothing to sync, nothing to rename.
bool EcrirePeripherique(const QString& chemin, const QByteArray& contenu)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return false;
    const bool ecrit = EcrireTout(fichier, contenu);
    fichier.close();
    return ecrit && fichier.error() == QFileDevice::NoError;
}

} // namespace

std::unique_ptr<QFileDevice> OuvrirFichierTemporaire(const QString& cheminTemporaire)
{
    auto fichier = std::make_unique<QFile>(cheminTemporaire);
    if (!fichier->open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return nullptr;
    return fichier;
}

bool EstPeripheriqueCaractere(const QString& chemin)
{
    std::error_code erreur;
    return fs::is_character_file(CheminSysteme(chemin), erreur);
}

int SupprimerTemporairesAbandonnes(const QString& chemin)
{
    const QFileInfo info(chemin);
    const QDir dossier = info.dir();
    const QRegularExpression motif = MotifTemporaire(info.fileName());
    const QDateTime limite = QDateTime::currentDateTimeUtc().addSecs(-AgeTemporaireAbandonne);
    int supprimes = 0;
    const QStringList noms = dossier.entryList({QStringLiteral(".~*")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& nom : noms) {
        const QFileInfo temporaire(dossier.filePath(nom));
        if (motif.match(nom).hasMatch() && !temporaire.isSymLink() && temporaire.lastModified().toUTC() < limite)
            supprimes += SupprimerSiLibre(temporaire.filePath()) ? 1 : 0;
    }
    return supprimes;
}

RemplacementFichier::RemplacementFichier(const QString& cible, OuvrirTemporaire ouvrir)
    : m_cible(FinDesLiens(cible)), m_ouvrir(std::move(ouvrir))
{
}

RemplacementFichier::~RemplacementFichier()
{
    Abandonner();
}

void RemplacementFichier::Abandonner()
{
    if (!m_temporaire.isEmpty())
        QFile::remove(m_temporaire);
    m_temporaire.clear();
    Deverrouiller(m_verrou);
    m_prepare = false;
    m_peripherique = false;
    m_direct.clear();
}

bool RemplacementFichier::Preparer(const QByteArray& contenu)
{
    Abandonner();
    if (!m_ouvrir || m_cible.isEmpty())
        return false;
    std::error_code erreur;
    const fs::file_type genre = fs::status(CheminSysteme(m_cible), erreur).type();
    if (genre == fs::file_type::character) {
        m_peripherique = m_prepare = true;
        m_direct = contenu;
        return true;
    }
    if (genre != fs::file_type::regular && genre != fs::file_type::not_found)
        return false;
    SupprimerTemporairesAbandonnes(m_cible);
    std::unique_ptr<QFileDevice> fichier;
    for (int essai = 0; essai < EssaisNomTemporaire && !fichier; ++essai) {
        const QString nom = NomTemporaire(m_cible);
        if (QFileInfo::exists(nom))
            continue;
        fichier = m_ouvrir(nom);
        if (fichier)
            m_temporaire = nom;
    }
    if (!fichier)
        return false;
    m_verrou = Verrouiller(m_temporaire);
    // A replaced file keeps its permissions.
    if (QFileInfo::exists(m_cible))
        QFile::setPermissions(m_temporaire, QFile::permissions(m_cible));
    if (!EcrireEtSynchroniser(*fichier, contenu)) {
        Abandonner();
        return false;
    }
    m_prepare = true;
    return true;
}

bool RemplacementFichier::Remplacer()
{
    if (!m_prepare)
        return false;
    if (m_peripherique) {
        const bool ecrit = EcrirePeripherique(m_cible, m_direct);
        Abandonner();
        return ecrit;
    }
    std::error_code erreur;
    std::filesystem::rename(CheminSysteme(m_temporaire), CheminSysteme(m_cible), erreur);
    if (erreur) {
        Abandonner();
        return false;
    }
    m_temporaire.clear();
    m_prepare = false;
    Deverrouiller(m_verrou);
    SynchroniserDossier(m_cible);
    return true;
}

bool EcrireFichierAtomique(const QString& chemin, const QByteArray& contenu)
{
    return EcrireFichierAtomique(chemin, contenu, OuvrirFichierTemporaire);
}

bool EcrireFichierAtomique(const QString& chemin, const QByteArray& contenu, const OuvrirTemporaire& ouvrir)
{
    RemplacementFichier remplacement(chemin, ouvrir);
    return remplacement.Preparer(contenu) && remplacement.Remplacer();
}

bool EcrireFichiersAtomiques(const std::vector<std::pair<QString, QByteArray>>& fichiers,
                             const OuvrirTemporaire& ouvrir)
{
    std::vector<std::unique_ptr<RemplacementFichier>> remplacements;
    remplacements.reserve(fichiers.size());
    for (const auto& [chemin, contenu] : fichiers) {
        remplacements.push_back(std::make_unique<RemplacementFichier>(chemin, ouvrir));
        if (!remplacements.back()->Preparer(contenu))
            return false;
    }
    bool tout = true;
    for (auto& r : remplacements)
        tout = r->Remplacer() && tout;
    return tout;
}

} // namespace galbix
