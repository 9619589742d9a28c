#include "geomlib/EcritureAtomique.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace galbix {

namespace {

// Attempts at finding a free temporary name before giving up.
constexpr int EssaisNomTemporaire = 16;

std::filesystem::path CheminSysteme(const QString& chemin)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(chemin.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(chemin).toStdString());
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

// Writes everything, flushes and syncs; the device is closed in every case.
bool EcrireEtSynchroniser(QFileDevice& fichier, const QByteArray& contenu)
{
    const char* donnees = contenu.constData();
    qint64 reste = contenu.size();
    while (reste > 0) {
        const qint64 ecrits = fichier.write(donnees, reste);
        if (ecrits <= 0) {
            fichier.close();
            return false;
        }
        donnees += ecrits;
        reste -= ecrits;
    }
    // The device may keep the bytes in its buffer: a full disk shows only now.
    if (!fichier.flush() || fichier.error() != QFileDevice::NoError || !SynchroniserDescripteur(fichier.handle())) {
        fichier.close();
        return false;
    }
    fichier.close();
    return fichier.error() == QFileDevice::NoError;
}

} // namespace

std::unique_ptr<QFileDevice> OuvrirFichierTemporaire(const QString& cheminTemporaire)
{
    auto fichier = std::make_unique<QFile>(cheminTemporaire);
    if (!fichier->open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return nullptr;
    return fichier;
}

RemplacementFichier::RemplacementFichier(const QString& cible, OuvrirTemporaire ouvrir)
    : m_cible(cible), m_ouvrir(std::move(ouvrir))
{
    const QFileInfo info(cible);
    if (info.isSymLink())
        m_cible = info.symLinkTarget();
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
    m_prepare = false;
}

bool RemplacementFichier::Preparer(const QByteArray& contenu)
{
    Abandonner();
    if (!m_ouvrir || m_cible.isEmpty() || QFileInfo(m_cible).isDir())
        return false;
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
    std::error_code erreur;
    std::filesystem::rename(CheminSysteme(m_temporaire), CheminSysteme(m_cible), erreur);
    if (erreur) {
        Abandonner();
        return false;
    }
    m_temporaire.clear();
    m_prepare = false;
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
