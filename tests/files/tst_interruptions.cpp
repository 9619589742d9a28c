// Saves killed at random moments: galbix-cli writing a project, a profile or the exchange
// pair, and the settings file written as the main window does at exit, are run as separate
// programs and killed (SIGKILL) after random delays, most of them while the new file is
// being written. After every kill each target must hold its complete old content or its
// complete new content, byte for byte.
//
// The delays come from a seeded generator; the seed is printed and can be set with the
// environment variable GALBIX_GRAINE to replay a run.

#include "common/Emplacements.h"
#include "common/LanceurCli.h"
#include "common/Octets.h"
#include "common/Sauvegardes.h"
#include "common/Profils.h"
#include "common/TestMain.h"
#include "files/Projet.h"
#include "model/Naca.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstring>
#include <random>
#include <thread>

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

using namespace galbix;
using namespace galbix::tests;

namespace {

constexpr int Interruptions = 100;       // kills per kind of save
constexpr int PointsParSurface = 1500;   // size of the profiles saved

/// One kind of save: the program, its arguments and the files it replaces.
struct Sauvegarde {
    QString programme;
    QStringList arguments;
    QStringList cibles;
};

QStringList Temporaires(const QString& dossier) {
    return QDir(dossier).entryList({QStringLiteral(".~*")}, QDir::Files | QDir::Hidden);
}

void Effacer(const QString& dossier) {
    for (const QString& nom : Temporaires(dossier))
        QFile::remove(QDir(dossier).filePath(nom));
}

/// Tells when a temporary file is created in a folder, without polling the folder.
class Guet {
public:
    explicit Guet(const QString& dossier)
        : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        if (m_fd >= 0)
            ::inotify_add_watch(m_fd, QFile::encodeName(dossier).constData(), IN_CREATE);
    }
    ~Guet() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Guet(const Guet&) = delete;
    Guet& operator=(const Guet&) = delete;

    /// Forgets the creations seen so far.
    void Oublier() { Lire(); }

    /// Waits for a temporary file to be created or for the process to end.
    bool Attendre(QProcess& p) {
        while (p.state() != QProcess::NotRunning) {
            pollfd f{m_fd, POLLIN, 0};
            if (::poll(&f, 1, 2) > 0 && Lire())
                return true;
            p.waitForFinished(0);
        }
        return false;
    }

private:
    // Reads the pending events; true when one names a temporary file.
    bool Lire() {
        alignas(inotify_event) char tampon[4096];
        bool vu = false;
        for (;;) {
            const ssize_t n = ::read(m_fd, tampon, sizeof tampon);
            if (n <= 0)
                return vu;
            for (ssize_t i = 0; i < n;) {
                const auto* e = reinterpret_cast<const inotify_event*>(tampon + i);
                vu = vu || (e->len > 0 && std::strncmp(e->name, ".~", 2) == 0);
                i += ssize_t(sizeof(inotify_event) + e->len);
            }
        }
    }

    int m_fd;
};

} // namespace

class TestInterruptions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(m_racine.isValid());
        const QByteArray graine = qgetenv("GALBIX_GRAINE");
        m_graine = graine.isEmpty() ? quint64(std::random_device{}()) : graine.toULongLong();
        m_hasard.seed(m_graine);
        qInfo("seed %llu (set GALBIX_GRAINE to replay)", static_cast<unsigned long long>(m_graine));

        // A large project, and its exchange pair as the import's input.
        m_sources = m_racine.filePath(QStringLiteral("sources"));
        QVERIFY(QDir().mkpath(m_sources));
        DonneesProjet projet;
        projet.Profils.PointsE = tests::Naca("2412", PointsParSurface, 220.0);
        projet.Profils.PointsS = tests::Naca("0012", PointsParSurface, 160.0);
        projet.Profils.EcartementZ = 600.0f;
        projet.NomFichier[CoteE] = QStringLiteral("Œuvre 2412 à 5 €.dat");
        projet.NomFichier[CoteS] = QStringLiteral("l’aile 0012.dat");
        QVERIFY(EcrireProjet(m_sources + QStringLiteral("/grand.gbx"), projet));
        QCOMPARE(LancerCli({"exporter", m_sources + QStringLiteral("/grand.gbx"), "--dossier", m_sources}).statut, 0);
    }
    void interruptions_data() {
        QTest::addColumn<QString>("genre");
        QTest::newRow("projet (importer)") << "projet";
        QTest::newRow("profil (naca)") << "profil";
        QTest::newRow("paire d'échange (exporter)") << "echange";
        QTest::newRow("réglages (sortie de la fenêtre)") << "reglages";
    }
    void interruptions() {
        QFETCH(QString, genre);
        const Sauvegarde s = Preparer(genre);
        const QString dossier = QFileInfo(s.cibles[0]).absolutePath();
        Guet guet(dossier);

        // The old contents: arbitrary bytes, or for the settings a file the write must keep.
        QList<QByteArray> anciens;
        for (int i = 0; i < s.cibles.size(); ++i)
            anciens << (genre == QLatin1String("reglages") ? ReglagesVolumineux(30000)
                                                           : QByteArray(200000 + 1000 * i, char('a' + i)));
        const auto remettre = [&] {
            Effacer(dossier);
            bool ok = true;
            for (int i = 0; i < s.cibles.size(); ++i)
                ok = EcrireOctets(s.cibles[i], anciens[i]) && ok;
            return ok;
        };

        // One uninterrupted run gives the new contents and the time the program takes.
        QVERIFY(remettre());
        guet.Oublier();
        QElapsedTimer chrono;
        QProcess reference;
        chrono.start();
        reference.start(s.programme, s.arguments);
        QVERIFY(reference.waitForStarted());
        const bool vu = guet.Attendre(reference);
        const qint64 debutEcriture = chrono.nsecsElapsed() / 1000;
        QVERIFY(reference.waitForFinished(60000));
        const qint64 total = chrono.nsecsElapsed() / 1000;
        QCOMPARE(reference.exitCode(), 0);
        QList<QByteArray> nouveaux;
        for (const QString& c : s.cibles) {
            nouveaux << LireOctets(c);
            QVERIFY(!anciens.contains(nouveaux.back()));
        }
        const qint64 ecriture = vu ? std::max<qint64>(total - debutEcriture, 200) : total;

        int enCours = 0; // kills that left a temporary file behind: they came mid-write
        for (int essai = 0; essai < Interruptions; ++essai) {
            QVERIFY(remettre());
            guet.Oublier();
            QProcess p;
            p.start(s.programme, s.arguments);
            QVERIFY(p.waitForStarted());
            // A quarter of the kills at any moment of the run, the others while the files are written.
            qint64 attente = 0;
            if (std::uniform_int_distribution<int>(0, 3)(m_hasard) == 0) {
                attente = std::uniform_int_distribution<qint64>(0, total)(m_hasard);
            } else {
                guet.Attendre(p);
                attente = std::uniform_int_distribution<qint64>(0, ecriture)(m_hasard);
            }
            std::this_thread::sleep_for(std::chrono::microseconds(attente));
            if (p.state() != QProcess::NotRunning) {
                p.kill();
                p.waitForFinished(60000);
            }
            QCOMPARE(p.state(), QProcess::NotRunning);

            // Each target whole, old or new (a pair may mix an old and a new file).
            for (int i = 0; i < s.cibles.size(); ++i) {
                const QByteArray apres = LireOctets(s.cibles[i]);
                if (apres != anciens[i] && apres != nouveaux[i])
                    QFAIL(qPrintable(QStringLiteral("seed %1, kill %2 after %3 µs: %4 holds %5 bytes, neither the old "
                                                    "(%6) nor the new (%7) content")
                                         .arg(m_graine).arg(essai).arg(attente).arg(s.cibles[i])
                                         .arg(apres.size()).arg(anciens[i].size()).arg(nouveaux[i].size())));
            }
            enCours += !Temporaires(dossier).isEmpty();
        }
        qInfo("%s: %d kills, %d mid-write (run %lld µs, write %lld µs)", qPrintable(genre), Interruptions, enCours,
              static_cast<long long>(total), static_cast<long long>(ecriture));
    }

private:
    Sauvegarde Preparer(const QString& genre) {
        const QString d = m_racine.filePath(genre);
        QDir().mkpath(d);
        const QString cli = ProgrammeCli();
        if (genre == QLatin1String("projet"))
            return {cli, {"importer", "--dossier", m_sources, d + "/projet.gbx"}, {d + "/projet.gbx"}};
        if (genre == QLatin1String("profil"))
            return {cli, {"naca", "2412", d + "/profil.dat", "--points", QString::number(2 * PointsParSurface)},
                    {d + "/profil.dat"}};
        if (genre == QLatin1String("echange"))
            return {cli, {"exporter", m_sources + "/grand.gbx", "--dossier", d}, {d + "/TempE.dat", d + "/TempS.dat"}};
        return {ProgrammeReglages(), {d + "/Galbix.ini", "C:\\Ailes\\nouveau œuvre", "C:\\Profils\\5 €"},
                {d + "/Galbix.ini"}};
    }

    QTemporaryDir m_racine;
    QString m_sources;
    std::mt19937_64 m_hasard;
    quint64 m_graine = 0;
};

GALBIX_TEST_MAIN(TestInterruptions)
#include "tst_interruptions.moc"
