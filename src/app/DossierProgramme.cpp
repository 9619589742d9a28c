#include "app/DossierProgramme.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace galbix {

namespace {

QString SansSeparateurFinal(QString dossier)
{
    dossier = QDir::toNativeSeparators(dossier);
    while (dossier.size() > 1 && (dossier.endsWith(u'/') || dossier.endsWith(u'\\')))
        dossier.chop(1);
    return dossier;
}

} // namespace

QString ChoisirDossierProgramme(const QString& dossierVariable, const QString& dossierExecutable,
                                const QString& dossierUtilisateur,
                                const std::function<bool(const QString&)>& utilisable)
{
    if (!dossierVariable.isEmpty())
        return SansSeparateurFinal(dossierVariable);
    if (utilisable(dossierExecutable))
        return SansSeparateurFinal(dossierExecutable);
    return SansSeparateurFinal(dossierUtilisateur);
}

bool DossierInscriptible(const QString& dossier)
{
    if (!QFileInfo(dossier).isDir())
        return false;
    QTemporaryFile essai(QDir(dossier).filePath(QStringLiteral(".galbix-essai-XXXXXX")));
    return essai.open();
}

bool EstDossierInstalle(const QString& dossierExecutable)
{
    const QDir dossier(dossierExecutable);
    return dossier.dirName() == QLatin1String("bin")
           && QFileInfo(dossier.filePath(QStringLiteral("../share/galbix"))).isDir();
}

QString CheminProjetDemo(const QString& dossierExecutable)
{
    const QString relatif = QStringLiteral("share/galbix/demo.gbx");
    const QStringList candidats = {QDir(dossierExecutable).filePath(QStringLiteral("../") + relatif),
                                   QStringLiteral("/usr/local/") + relatif, QStringLiteral("/usr/") + relatif};
    for (const QString& chemin : candidats)
        if (QFileInfo(chemin).isFile())
            return QDir::cleanPath(chemin);
    return {};
}

QString DossierConfigurationUtilisateur()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(base.isEmpty() ? QDir::homePath() : base).filePath(QStringLiteral("Galbix"));
}

QString DossierProgramme()
{
    const QString utilisateur = DossierConfigurationUtilisateur();
    const QString dossier = ChoisirDossierProgramme(
        qEnvironmentVariable(VariableDossierProgramme), QCoreApplication::applicationDirPath(), utilisateur,
        [](const QString& d) { return !EstDossierInstalle(d) && DossierInscriptible(d); });
    if (dossier == QDir::toNativeSeparators(utilisateur))
        QDir().mkpath(utilisateur);
    return dossier;
}

QString CheminDansDossierProgramme(const QString& nom)
{
    const QString dossier = DossierProgramme();
    if (dossier.endsWith(u'/') || dossier.endsWith(u'\\'))
        return dossier + nom;
    return dossier + QDir::separator() + nom;
}

QString DossierInitialOuverture(const QString& dernier, const QString& dossierReglages, const QString& accueil)
{
    // The settings of an installed program live in a hidden folder that holds no profile.
    const QString cache = QDir::cleanPath(DossierConfigurationUtilisateur());
    const QString d = QDir::cleanPath(QDir::fromNativeSeparators(dernier));
    if (dernier.isEmpty() || !QFileInfo(d).isDir() ||
        (d == QDir::cleanPath(QDir::fromNativeSeparators(dossierReglages)) && d == cache))
        return accueil;
    return dernier;
}

} // namespace galbix
