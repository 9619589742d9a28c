// Replacing files: every failure of the write, the flush, the sync, the creation of the
// temporary file or the rename leaves the previous file as it was and no stray file behind.

#include "common/Test.h"
#include "geomlib/EcritureAtomique.h"

#include <QDir>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using namespace galbix;
using galbix::tests::EcrireOctets;
using galbix::tests::LireOctets;

namespace {

/// A file that refuses every byte past the first `limite` ones, as a disk that fills up.
class FichierLimite : public QFile {
public:
    FichierLimite(const QString& nom, qint64 limite) : QFile(nom), m_reste(limite) {}

protected:
    qint64 writeData(const char* donnees, qint64 taille) override {
        return taille > m_reste ? -1 : (m_reste -= taille, QFile::writeData(donnees, taille));
    }

private:
    qint64 m_reste;
};

enum class Panne { Aucune, Creation, Ecriture, Vidage, Synchronisation };

/// Creates the temporary file for real (so that its removal is checked), then hands back a
/// device that fails the way `panne` says.
OuvrirTemporaire Ouvrir(Panne panne, int* appels = nullptr, int panneAuAppel = 1) {
    return [=](const QString& chemin) -> std::unique_ptr<QFileDevice> {
        const int appel = appels ? ++*appels : 1;
        const Panne ici = appel == panneAuAppel ? panne : Panne::Aucune;
        if (ici == Panne::Creation)
            return nullptr;
        auto fichier = ici == Panne::Ecriture ? std::make_unique<FichierLimite>(chemin, 100)
                                              : std::make_unique<QFile>(chemin);
        if (!fichier->open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return nullptr;
        if (ici != Panne::Vidage && ici != Panne::Synchronisation)
            return fichier;
        // /dev/full accepts bytes into the buffer and fails the flush with "no space left";
        // /dev/null takes everything but cannot be synced.
        auto peripherique = std::make_unique<QFile>(ici == Panne::Vidage ? "/dev/full" : "/dev/null");
        return peripherique->open(QIODevice::WriteOnly) ? std::move(peripherique) : nullptr;
    };
}

// Makes a node of kind `genre` at `chemin`: 'c' the null character device, 'b' a block
// device, 'p' a named pipe, 's' a socket, 'f' a regular file. False when the system refuses.
bool CreerNoeud(char genre, const QString& chemin) {
    const QByteArray nom = QFile::encodeName(chemin);
    switch (genre) {
    case 'c': return ::mknod(nom.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    case 'b': return ::mknod(nom.constData(), S_IFBLK | 0600, makedev(7, 250)) == 0;
    case 'p': return ::mkfifo(nom.constData(), 0600) == 0;
    case 's': {
        sockaddr_un adresse{};
        adresse.sun_family = AF_UNIX;
        qstrncpy(adresse.sun_path, nom.constData(), sizeof adresse.sun_path);
        const int d = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool lie = d >= 0 && ::bind(d, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) == 0;
        ::close(d);
        return lie;
    }
    default: return EcrireOctets(chemin, "ancien");
    }
}

QStringList Fichiers(const QString& dossier) {
    return QDir(dossier).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::Dirs | QDir::NoDotAndDotDot,
                                   QDir::Name);
}

} // namespace


class TestEcritureAtomique : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_racine.isValid()); m_dossier = m_racine.filePath(QString::number(++m_numero)); QDir().mkpath(m_dossier); }

    void panne_data() {
        tests::Colonnes<Panne, int>("panne", "taille");
        QTest::newRow("creation du fichier temporaire") << Panne::Creation << 1000;
        QTest::newRow("ecriture refusee, petit contenu") << Panne::Ecriture << 1000;
        QTest::newRow("ecriture refusee, gros contenu") << Panne::Ecriture << 200000;
        QTest::newRow("disque plein au vidage, petit contenu") << Panne::Vidage << 1000;
        QTest::newRow("disque plein, gros contenu") << Panne::Vidage << 200000;
        QTest::newRow("synchronisation refusee") << Panne::Synchronisation << 1000;
    }

    void panne() {
        QFETCH(Panne, panne);
        QFETCH(int, taille);
        const QString cible = m_dossier + QStringLiteral("/profil.dat");
        QVERIFY(EcrireOctets(cible, "ancien contenu\r\n"));
        QVERIFY(!EcrireFichierAtomique(cible, QByteArray(taille, 'n'), Ouvrir(panne)));
        QCOMPARE(LireOctets(cible), QByteArray("ancien contenu\r\n"));
        QCOMPARE(Fichiers(m_dossier), QStringList{QStringLiteral("profil.dat")});
        // Without a panne the same call replaces the file.
        QVERIFY(EcrireFichierAtomique(cible, QByteArray(taille, 'n'), Ouvrir(Panne::Aucune)));
        QCOMPARE(LireOctets(cible), QByteArray(taille, 'n'));
        QCOMPARE(Fichiers(m_dossier), QStringList{QStringLiteral("profil.dat")});
    }

    // A failure on any file of a group leaves every target as it was.
    void groupe_data() {
        tests::Colonnes<Panne, int>("panne", "appel");
        QTest::newRow("premier fichier, disque plein") << Panne::Vidage << 1;
        QTest::newRow("second fichier, disque plein") << Panne::Vidage << 2;
    }

    void groupe() {
        QFETCH(Panne, panne);
        QFETCH(int, appel);
        const QString e = m_dossier + QStringLiteral("/TempE.dat"), s = m_dossier + QStringLiteral("/TempS.dat");
        QVERIFY(EcrireOctets(e, "ancien E") && EcrireOctets(s, "ancien S"));
        int appels = 0;
        QVERIFY(!EcrireFichiersAtomiques({{e, QByteArray(500, 'e')}, {s, QByteArray(500, 's')}},
                                         Ouvrir(panne, &appels, appel)));
        QCOMPARE(LireOctets(e) + LireOctets(s), QByteArray("ancien Eancien S"));
        QCOMPARE(Fichiers(m_dossier), (QStringList{QStringLiteral("TempE.dat"), QStringLiteral("TempS.dat")}));
        QVERIFY(EcrireFichiersAtomiques({{e, "nouveau E"}, {s, "nouveau S"}}));
        QCOMPARE(LireOctets(e) + LireOctets(s), QByteArray("nouveau Enouveau S"));
    }

    // The target turns into a folder between the write and the rename: the rename fails and
    // the temporary file goes.
    void renommageRefuse() {
        const QString cible = m_dossier + QStringLiteral("/projet.gbx");
        {
            RemplacementFichier r(cible);
            QVERIFY(r.Preparer("contenu"));
            QVERIFY(QDir().mkpath(cible + QStringLiteral("/occupe")));
            QVERIFY(!r.Remplacer());
        }
        QCOMPARE(Fichiers(m_dossier), QStringList{QStringLiteral("projet.gbx")});
        QVERIFY(QFileInfo(cible).isDir());
        QVERIFY(!EcrireFichierAtomique(cible, "contenu"));
        QVERIFY(!EcrireFichierAtomique(m_dossier + QStringLiteral("/absent/projet.gbx"), "contenu"));
    }

    // What a path finally names, through a chain of links (the middle one relative): a
    // regular file is replaced, a character device written to, any other node refused.
    // Every node and link stays what it was.
    void cibleSpeciale_data() {
        tests::Colonnes<char, bool>("genre", "liens");
        QTest::newRow("fichier par deux liens") << 'f' << true;
        QTest::newRow("périphérique caractère par deux liens") << 'c' << true;
        QTest::newRow("périphérique bloc") << 'b' << false;
        QTest::newRow("tube nommé par deux liens") << 'p' << true;
        QTest::newRow("socket") << 's' << false;
    }

    void cibleSpeciale() {
        QFETCH(char, genre);
        QFETCH(bool, liens);
        const QString noeud = m_dossier + QStringLiteral("/noeud.gbx");
        if (!CreerNoeud(genre, noeud))
            QSKIP("this node cannot be made here (device nodes need root)");
        struct stat avant {};
        QCOMPARE(::stat(QFile::encodeName(noeud).constData(), &avant), 0);
        const QString milieu = m_dossier + QStringLiteral("/milieu.gbx"), lien = m_dossier + QStringLiteral("/lien.gbx");
        QVERIFY(!liens || (QFile::link(QStringLiteral("noeud.gbx"), milieu) && QFile::link(milieu, lien)));
        const bool accepte = genre == 'f' || genre == 'c';
        QCOMPARE(EcrireFichierAtomique(liens ? lien : noeud, "contenu"), accepte);
        struct stat apres {};
        QCOMPARE(::stat(QFile::encodeName(noeud).constData(), &apres), 0);
        QVERIFY((apres.st_mode & S_IFMT) == (avant.st_mode & S_IFMT) && apres.st_rdev == avant.st_rdev);
        QVERIFY(!liens || (QFileInfo(milieu).isSymLink() && QFileInfo(lien).isSymLink()));
        if (genre == 'f')
            QCOMPARE(LireOctets(noeud), QByteArray("contenu"));
        QVERIFY(Fichiers(m_dossier).filter(QStringLiteral(".~")).isEmpty());
    }

    // A save removes the temporary files of its target that a killed save left, and only
    // those: one that changed lately or that a running save holds locked stays.
    void temporairesAbandonnes_data() {
        tests::Colonnes<QString, int, bool, bool>("nom", "age", "verrouille", "supprime"); // age: seconds since changed
        QTest::newRow("abandonné") << ".~profil.dat-1a2b3c4d" << 120 << false << true;
        QTest::newRow("récent") << ".~profil.dat-5e6f" << 5 << false << false;
        QTest::newRow("verrouillé par une sauvegarde") << ".~profil.dat-9abc" << 3600 << true << false;
        QTest::newRow("autre cible") << ".~profil.dat.bak-12" << 3600 << false << false;
        QTest::newRow("pas un nom temporaire") << ".~profil.dat-xyz" << 3600 << false << false;
    }

    void temporairesAbandonnes() {
        QFETCH(QString, nom);
        QFETCH(int, age);
        QFETCH(bool, verrouille);
        QFETCH(bool, supprime);
        const QString cible = m_dossier + QStringLiteral("/profil.dat"), temporaire = m_dossier + u'/' + nom;
        QVERIFY(EcrireOctets(cible, "ancien") && EcrireOctets(temporaire, "moitié"));
        const timespec dates[2] = {{0, UTIME_OMIT}, {::time(nullptr) - age, 0}}; // access time kept
        QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(temporaire).constData(), dates, 0) == 0);
        const int verrou = ::open(QFile::encodeName(temporaire).constData(), O_RDONLY);
        QVERIFY(verrou >= 0 && (!verrouille || ::flock(verrou, LOCK_EX | LOCK_NB) == 0));
        QVERIFY(EcrireFichierAtomique(cible, "nouveau"));
        ::close(verrou);
        QCOMPARE(QFileInfo::exists(temporaire), !supprime);
        QCOMPARE(LireOctets(cible), QByteArray("nouveau"));
    }

    // A replaced file keeps its permissions; a symbolic link stays a link to the new content.
    void permissionsEtLiens() {
        const QString cible = m_dossier + QStringLiteral("/reglages.ini");
        QVERIFY(EcrireOctets(cible, "ancien"));
        const QFileDevice::Permissions droits = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
        QVERIFY(QFile::setPermissions(cible, droits));
        QVERIFY(EcrireFichierAtomique(cible, "nouveau"));
        const QFileDevice::Permissions utilisateur = QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
        QCOMPARE(QFile::permissions(cible) & ~utilisateur, droits);

        const QString lien = m_dossier + QStringLiteral("/lien.ini");
        QVERIFY(QFile::link(cible, lien));
        QVERIFY(EcrireFichierAtomique(lien, "par le lien"));
        QVERIFY(QFileInfo(lien).isSymLink());
        QCOMPARE(LireOctets(cible), QByteArray("par le lien"));

        const QString neuf = m_dossier + QStringLiteral("/neuf.dat");
        QVERIFY(EcrireFichierAtomique(neuf, QByteArray()));
        QVERIFY(QFileInfo(neuf).isFile());
        QCOMPARE(QFileInfo(neuf).size(), 0);
    }

private:
    QTemporaryDir m_racine;
    QString m_dossier;
    int m_numero = 0;
};

GALBIX_TEST_MAIN(TestEcritureAtomique)
#include "tst_ecritureatomique.moc"
