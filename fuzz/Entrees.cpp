#include "Entrees.h"

#include "files/Echange.h"
#include "files/Ini.h"
#include "files/Ouverture.h"
#include "files/Projet.h"
#include "geomlib/Formats.h"
#include "model/NumericText.h"
#include "model/Types.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>

namespace galbix::fuzz {

namespace {

// Stops the run so that the fuzzer keeps the input (a crash in the replaying test).
void Exiger(bool condition)
{
    if (!condition)
        std::abort();
}

QByteArray Octets(const uint8_t* donnees, size_t taille)
{
    return QByteArray(reinterpret_cast<const char*>(donnees), qsizetype(taille));
}

QString Ecrire(const QString& nom, const QByteArray& contenu)
{
    const QString chemin = QDir(DossierDeTravail()).filePath(nom);
    QFile f(chemin);
    Exiger(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    Exiger(f.write(contenu) == contenu.size());
    return chemin;
}

bool PointsFinis(const std::vector<PointProfil>& points)
{
    for (const PointProfil& p : points)
        if (!std::isfinite(p.X) || !std::isfinite(p.Y))
            return false;
    return true;
}

// The open command on bytes already in memory: read, then what the command does with the
// buffer (thinning of drawings, scaling of profiles, metrics).
int Ouvrir(const uint8_t* donnees, size_t taille, const char* nom, LectureFichier (*lecteur)(std::string_view))
{
    LectureFichier lecture = lecteur(std::string_view(reinterpret_cast<const char*>(donnees), taille));
    formats::Finaliser(lecture);
    if (!lecture.ok) {
        Exiger(!lecture.erreur.isEmpty() && lecture.points.empty());
        return 0;
    }
    TamponLecture tampon = TamponDepuisLecture(std::move(lecture));
    CoupleProfils profils;
    const ResultatOuverture r = AppliquerTampon(CoteE, QString::fromLatin1(nom), tampon, profils);
    if (r.Issue == IssueOuverture::Charge) {
        Exiger(!profils.PointsE.empty() && profils.PointsE.size() == profils.PointsS.size());
        Exiger(PointsFinis(profils.PointsE));
    } else {
        Exiger(r.Issue == IssueOuverture::Echec);
    }
    return 0;
}

} // namespace

QString DossierDeTravail()
{
    // In memory where the system offers it: the project and exchange targets write every input.
    static QTemporaryDir dossier(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/galbix-fuzz-XXXXXX")
                                                                            : QDir::tempPath() + QStringLiteral("/galbix-fuzz-XXXXXX"));
    Exiger(dossier.isValid());
    return dossier.path();
}

int OuvrirDat(const uint8_t* donnees, size_t taille) { return Ouvrir(donnees, taille, "profil.dat", formats::LireDat); }
int OuvrirDxf(const uint8_t* donnees, size_t taille) { return Ouvrir(donnees, taille, "dessin.dxf", formats::LireDxf); }
int OuvrirPlt(const uint8_t* donnees, size_t taille) { return Ouvrir(donnees, taille, "trace.plt", formats::LirePlt); }

int LireIni(const uint8_t* donnees, size_t taille)
{
    FichierIni ini = FichierIni::DepuisOctets(Octets(donnees, taille));
    const QString valeur = ini.Lire(QStringLiteral("Fichiers"), QStringLiteral("Ouverture"), QString());
    Exiger(valeur.size() <= LongueurMaxValeurIni);
    ini.Ecrire(QStringLiteral("Fenêtre"), QStringLiteral("Largeur"), QStringLiteral("12000"));
    ini.ViderSection(QStringLiteral("Fichiers"));
    const FichierIni relu = FichierIni::DepuisOctets(ini.VersOctets());
    Exiger(relu.Lire(QStringLiteral("Fenêtre"), QStringLiteral("Largeur"), QString()) == QStringLiteral("12000"));
    Exiger(!relu.Contient(QStringLiteral("Fichiers"), QStringLiteral("Ouverture")));
    return 0;
}

int LireProjet(const uint8_t* donnees, size_t taille)
{
    const QString chemin = Ecrire(QStringLiteral("projet.gbx"), Octets(donnees, taille));
    DonneesProjet projet;
    const LectureProjet l = galbix::LireProjet(chemin, projet);
    if (l.Reussie())
        Exiger(projet.Omega >= 1.0f && projet.Omega <= 359.0f && projet.Alpha >= 1.0f && projet.Alpha <= 359.0f);
    return 0;
}

int ImporterEchange(const uint8_t* donnees, size_t taille)
{
    const QByteArray tout = Octets(donnees, taille);
    const qsizetype separation = tout.indexOf('\f');
    Ecrire(echange::NomFichierE, separation < 0 ? tout : tout.left(separation));
    Ecrire(echange::NomFichierS, separation < 0 ? tout : tout.mid(separation + 1));
    CoupleProfils profils;
    const ResultatImport r = galbix::ImporterEchange(DossierDeTravail(), profils);
    if (r.Issue == IssueImport::Importe)
        Exiger(PointsFinis(profils.PointsE) && PointsFinis(profils.PointsS));
    else
        Exiger(!r.Message.isEmpty());
    return 0;
}

int TexteNumerique(const uint8_t* donnees, size_t taille)
{
    const QByteArray octets = Octets(donnees, taille);
    const QString texte = QString::fromLatin1(octets);
    QString saisie = texte;
    EstNombreDecimal(saisie);
    const QString valeur = ValeurSaisie(texte);
    const float reel = ValeurSaisieReelle(texte);
    const double lu = LireNombreDebut(std::string_view(octets.constData(), size_t(octets.size())));
    const double luTexte = LireNombreDebut(QStringView(texte));
    for (const char* motif : {"#####0.0#", "#####0.0##", "#####0.00", "#####0.000", "#####0.000000"}) {
        const QString m = QString::fromLatin1(motif);
        const QString a = PointDecimal(FormaterNombre(lu, m));
        const QString b = PointDecimal(FormaterNombre(double(reel), m));
        const QString c = PointDecimal(FormaterNombre(luTexte, m));
        Exiger(!a.contains(u',') && !b.contains(u',') && !c.contains(u','));
    }
    for (const char c : octets) {
        int touche = static_cast<unsigned char>(c);
        FiltreToucheNombre(touche);
        touche = static_cast<unsigned char>(c);
        FiltreToucheNombreSigne(touche);
    }
    Exiger(!valeur.isEmpty());
    return 0;
}

const Cible* Cibles(size_t& nombre)
{
    static const Cible cibles[] = {
        {"dat", OuvrirDat},         {"dxf", OuvrirDxf},         {"plt", OuvrirPlt},
        {"ini", LireIni},           {"projet", LireProjet},     {"echange", ImporterEchange},
        {"nombres", TexteNumerique},
    };
    nombre = std::size(cibles);
    return cibles;
}

} // namespace galbix::fuzz
