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
#include "common/Test.h"
#include "common/Sauvegardes.h"
#include "common/Profils.h"
#include "files/Projet.h"

#include <QDir>
#include <QProcess>

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
using Horloge = std::chrono::steady_clock;

QStringList Temporaires(const QString& dossier) {
    return QDir(dossier).entryList({QStringLiteral(".~*")}, QDir::Files | QDir::Hidden);
}

/// Tells when a temporary file is created in a folder, without polling the folder.
class Guet {
public:
    explicit Guet(const QString& dossier) : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        if (m_fd >= 0)
            ::inotify_add_watch(m_fd, QFile::encodeName(dossier).constData(), IN_CREATE);
    }
    ~Guet() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Guet(const Guet&) = delete;
    Guet& operator=(const Guet&) = delete;

    /// Waits for a temporary file to be created or for the process to end.
    bool Attendre(QProcess& p) {
        while (p.state() != QProcess::NotRunning) {
            pollfd f{m_fd, POLLIN, 0};
            if (::poll(&f, 1, 2) > 0 && Oublier())
                return true;
            p.waitForFinished(0);
        }
        return false;
    }

    /// Reads (and so forgets) the creations seen so far; true when one names a temporary file.
    bool Oublier() {
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

private:
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
    // One kind of save: the program, its arguments and the files it replaces.
    void interruptions_data() {
        tests::Colonnes<QString, QStringList, QStringList>("programme", "arguments", "cibles");
        QString d;
        const auto dossier = [&](const char* genre) { return QDir().mkpath(d = m_racine.filePath(genre)); };
        const QString cli = ProgrammeCli();
        dossier("projet");
        QTest::newRow("projet (importer)") << cli << QStringList{"importer", "--dossier", m_sources, d + "/projet.gbx"}
                                           << QStringList{d + "/projet.gbx"};
        dossier("profil");
        QTest::newRow("profil (naca)") << cli << QStringList{"naca", "2412", d + "/profil.dat", "--points",
                                                             QString::number(2 * PointsParSurface)}
                                       << QStringList{d + "/profil.dat"};
        dossier("echange");
        QTest::newRow("paire d'échange (exporter)") << cli << QStringList{"exporter", m_sources + "/grand.gbx", "--dossier", d}
                                                    << QStringList{d + "/TempE.dat", d + "/TempS.dat"};
        dossier("reglages");
        QTest::newRow("réglages (sortie de la fenêtre)")
            << ProgrammeReglages() << QStringList{d + "/Galbix.ini", "C:\\Ailes\\nouveau œuvre", "C:\\Profils\\5 €"}
            << QStringList{d + "/Galbix.ini"};
    }
    void interruptions() {
        QFETCH(QString, programme);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, cibles);
        const QString dossier = QFileInfo(cibles[0]).absolutePath();
        Guet guet(dossier);
        // The old contents: arbitrary bytes, or for the settings a file the write must keep.
        QList<QByteArray> anciens;
        for (int i = 0; i < cibles.size(); ++i)
            anciens << (cibles[i].endsWith(".ini") ? ReglagesVolumineux(30000) : QByteArray(200000 + 1000 * i, char('a' + i)));
        const auto remettre = [&] {
            bool ok = true;
            for (const QString& nom : Temporaires(dossier))
                QFile::remove(QDir(dossier).filePath(nom));
            for (int i = 0; i < cibles.size(); ++i)
                ok = EcrireOctets(cibles[i], anciens[i]) && ok;
            guet.Oublier();
            return ok;
        };
        // One uninterrupted run gives the new contents and the time the program takes.
        QVERIFY(remettre());
        QProcess reference;
        const auto ecoule = [debut = Horloge::now()] { return qint64((Horloge::now() - debut) / std::chrono::microseconds(1)); };
        reference.start(programme, arguments);
        QVERIFY(reference.waitForStarted());
        const bool vu = guet.Attendre(reference);
        const qint64 debutEcriture = ecoule();
        QVERIFY(reference.waitForFinished(60000));
        const qint64 total = ecoule();
        QCOMPARE(reference.exitCode(), 0);
        QList<QByteArray> nouveaux;
        for (const QString& c : cibles)
            QVERIFY(!anciens.contains(nouveaux.emplace_back(LireOctets(c))));
        const qint64 ecriture = vu ? std::max<qint64>(total - debutEcriture, 200) : total;
        int enCours = 0; // kills that left a temporary file behind: they came mid-write
        for (int essai = 0; essai < Interruptions; ++essai) {
            QVERIFY(remettre());
            QProcess p;
            p.start(programme, arguments);
            QVERIFY(p.waitForStarted());
            // A quarter of the kills at any moment of the run, the others while the files are written.
            const bool nImporteQuand = std::uniform_int_distribution<int>(0, 3)(m_hasard) == 0;
            if (!nImporteQuand)
                guet.Attendre(p);
            const qint64 attente = std::uniform_int_distribution<qint64>(0, nImporteQuand ? total : ecriture)(m_hasard);
            std::this_thread::sleep_for(std::chrono::microseconds(attente));
            p.kill(); // a no-op on a finished process
            QVERIFY(p.waitForFinished(60000) || p.state() == QProcess::NotRunning);
            // Each target whole, old or new (a pair may mix an old and a new file).
            for (int i = 0; i < cibles.size(); ++i) {
                const QByteArray apres = LireOctets(cibles[i]);
                QVERIFY2(apres == anciens[i] || apres == nouveaux[i],
                         qPrintable(QStringLiteral("seed %1, kill %2 after %3 µs: %4 holds %5 bytes, neither the old (%6) "
                                                   "nor the new (%7) content").arg(m_graine).arg(essai).arg(attente)
                                        .arg(cibles[i]).arg(apres.size()).arg(anciens[i].size()).arg(nouveaux[i].size())));
            }
            enCours += !Temporaires(dossier).isEmpty();
        }
        qInfo("%s: %d kills, %d mid-write (run %lld µs, write %lld µs)", QTest::currentDataTag(), Interruptions, enCours,
              static_cast<long long>(total), static_cast<long long>(ecriture));
    }

private:
    QTemporaryDir m_racine;
    QString m_sources;
    std::mt19937_64 m_hasard;
    quint64 m_graine = 0;
};

GALBIX_TEST_MAIN(TestInterruptions)
#include "tst_interruptions.moc"
