// Saves on a disk without room: a small file system (tmpfs, in a private mount namespace so
// that nothing shows outside) receives the old files, is filled or is too small for the new
// ones, then galbix-cli or the settings helper saves over them. Each save must end with exit
// status 2 and one line on stderr, and leave every old file byte for byte, with no stray
// temporary file. Needs root and a working `unshare -m`; skipped otherwise.

#include "common/Emplacements.h"
#include "common/LanceurCli.h"
#include "common/Test.h"
#include "common/Sauvegardes.h"
#include "common/Profils.h"
#include "files/Projet.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <unistd.h>

using namespace galbix;
using namespace galbix::tests;

namespace {

// Mounts the small file system on $1, copies the old files from $2/ancien, fills it when $3
// is 1, runs the save, then copies the targets ($5, names separated by blanks) and the
// listing of the file system back to $2.
const char* const Script = R"(D=$1; S=$2; PLEIN=$3; TAILLE=$4; CIBLES=$5; shift 5
mount -t tmpfs -o size=$TAILLE tmpfs "$D" || exit 97
cp "$S"/ancien/* "$D"/ || exit 98
if [ "$PLEIN" = 1 ]; then dd if=/dev/zero of="$D/plein" bs=1k 2>/dev/null; fi
"$@" >/dev/null 2>"$S/erreurs"
statut=$?
mkdir -p "$S/apres"
for c in $CIBLES; do cat "$D/$c" > "$S/apres/$c"; done
ls -A "$D" > "$S/liste"
exit $statut
)";

bool EcrireProjetNaca(const QString& chemin, int parSurface) {
    DonneesProjet projet;
    projet.Profils.PointsE = tests::Naca("2412", parSurface, 220.0);
    projet.Profils.PointsS = tests::Naca("0012", parSurface, 160.0);
    projet.Profils.EcartementZ = 600.0f;
    projet.NomFichier[CoteE] = QStringLiteral("Œuvre.dat");
    return EcrireProjet(chemin, projet);
}

} // namespace

class TestDisquePlein : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (::geteuid() != 0)
            QSKIP("mounting a small file system needs root");
        if (QStandardPaths::findExecutable(QStringLiteral("unshare")).isEmpty())
            QSKIP("the unshare program is missing");
        QVERIFY(m_racine.isValid());
        const QString essai = m_racine.filePath(QStringLiteral("essai"));
        QDir().mkpath(essai);
        QProcess p;
        p.start(QStringLiteral("unshare"), {"-m", "sh", "-c", "mount -t tmpfs -o size=64k tmpfs \"$1\"", "sh", essai});
        if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            QSKIP("unshare -m with a tmpfs mount is not allowed here");
        m_sources = m_racine.filePath(QStringLiteral("sources"));
        QVERIFY(QDir().mkpath(m_sources));
        QVERIFY(EcrireProjetNaca(m_sources + QStringLiteral("/petit.gbx"), 40));
        QVERIFY(EcrireProjetNaca(m_sources + QStringLiteral("/grand.gbx"), 3000));
        QCOMPARE(LancerCli({"exporter", m_sources + QStringLiteral("/grand.gbx"), "--dossier", m_sources}).statut, 0);
    }
    void sauvegarde_data() {
        // commande: "cli" or "reglages", then the arguments; D is the small disk, SRC the sources
        tests::Colonnes<QStringList, QStringList, bool, QString>("commande", "cibles", "plein", "taille");
        const auto row = [](const char* nom, QStringList commande, QStringList cibles, bool plein, const char* taille) {
            QTest::newRow(nom) << commande << cibles << plein << taille;
        };
        const QStringList paire = {"TempE.dat", "TempS.dat"}, reglages = {"reglages", "D/Galbix.ini", "C:\\œ", "C:\\€"};
        row("projet (demo), disque plein", {"cli", "demo", "D/projet.gbx"}, {"projet.gbx"}, true, "1m");
        row("projet (importer) sans la place", {"cli", "importer", "--dossier", "SRC", "D/projet.gbx"}, {"projet.gbx"}, false,
            "128k");
        row("profil .dat (naca), disque plein", {"cli", "naca", "2412", "D/profil.dat"}, {"profil.dat"}, true, "1m");
        row("profil .dxf (convertir), disque plein", {"cli", "convertir", "SRC/TempE.dat", "D/profil.dxf"}, {"profil.dxf"},
            true, "1m");
        row("profil .dat sans la place", {"cli", "naca", "0012", "D/profil.dat", "--points", "20000"}, {"profil.dat"}, false,
            "256k");
        row("paire d'échange, disque plein", {"cli", "exporter", "SRC/petit.gbx", "--dossier", "D"}, paire, true, "1m");
        row("paire d'échange sans la place", {"cli", "exporter", "SRC/grand.gbx", "--dossier", "D"}, paire, false, "192k");
        row("réglages, disque plein", reglages, {"Galbix.ini"}, true, "1m");
        row("réglages sans la place", reglages, {"Galbix.ini"}, false, "256k");
    }
    void sauvegarde() {
        QFETCH(QStringList, commande);
        QFETCH(QStringList, cibles);
        QFETCH(bool, plein);
        QFETCH(QString, taille);
        const QString etape = m_racine.filePath(QString::number(++m_numero));
        const QString disque = etape + QStringLiteral("/disque");
        QVERIFY(QDir().mkpath(disque) && QDir().mkpath(etape + QStringLiteral("/ancien")));
        // Old files: a settings file large enough that a second copy does not fit, else bytes.
        QList<QByteArray> anciens;
        for (const QString& c : cibles) {
            anciens << (c == QLatin1String("Galbix.ini") ? ReglagesVolumineux(4000)
                                                          : QByteArray("ancien contenu de ") + c.toUtf8() + "\r\n");
            QVERIFY(EcrireOctets(etape + QStringLiteral("/ancien/") + c, anciens.back()));
        }
        QStringList args = {"-m", "sh", "-c", Script, "sh", disque, etape, plein ? "1" : "0", taille, cibles.join(u' ')};
        args << (commande[0] == QLatin1String("cli") ? ProgrammeCli() : ProgrammeReglages());
        for (QString a : commande.mid(1)) {
            a.replace(QRegularExpression(QStringLiteral("^D(?=/|$)")), disque);
            a.replace(QRegularExpression(QStringLiteral("^SRC")), m_sources);
            args << a;
        }
        QProcess p;
        p.start(QStringLiteral("unshare"), args);
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        const QByteArray erreurs = LireOctets(etape + QStringLiteral("/erreurs"));
        QCOMPARE(p.exitCode(), 2);
        QCOMPARE(erreurs.count('\n'), 1);
        QVERIFY2(erreurs.startsWith("galbix-"), erreurs.constData());
        for (int i = 0; i < cibles.size(); ++i)
            QCOMPARE(LireOctets(etape + QStringLiteral("/apres/") + cibles[i]), anciens[i]);
        QStringList attendus = cibles;
        if (plein)
            attendus << QStringLiteral("plein");
        attendus.sort();
        QStringList liste = QString::fromUtf8(LireOctets(etape + QStringLiteral("/liste"))).split(u'\n', Qt::SkipEmptyParts);
        liste.sort();
        QCOMPARE(liste, attendus);
    }

private:
    QTemporaryDir m_racine;
    QString m_sources;
    int m_numero = 0;
};

GALBIX_TEST_MAIN(TestDisquePlein)
#include "tst_disqueplein.moc"
