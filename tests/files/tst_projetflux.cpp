// Project files read and written in one pass: the bytes written are those of the key-by-key
// INI writer, and a file reads the same whether its point keys come in order (one pass) or
// not (general reader).
#include "common/Emplacements.h"
#include "common/Test.h"
#include "files/Ini.h"
#include "files/Projet.h"
#include "files/ProjetPoints.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cmath>
#include <cstring>

using namespace galbix;
using galbix::tests::EcrireOctets;
using galbix::tests::LireOctets;

namespace {

// The writer key by key through the INI document: the reference the one-pass writer matches.
QByteArray EcritureReference(const QByteArray& existant, const DonneesProjet& p) {
    using namespace projet;
    FichierIni ini = FichierIni::DepuisOctets(existant);
    for (const QString& s : {SectionEmplanture, SectionSaumon, SectionPosition, SectionAffichage})
        ini.ViderSection(s);
    const std::vector<PointProfil>* cotes[2] = {&p.Profils.PointsE.Lire(), &p.Profils.PointsS.Lire()};
    for (int c : {CoteE, CoteS}) {
        const QString& section = c == CoteE ? SectionEmplanture : SectionSaumon;
        ini.Ecrire(section, CleNomFichier, p.NomFichier[c]);
        ini.Ecrire(section, CleNombrePoints, QString::number(cotes[c]->size()));
        for (size_t i = 0; i < cotes[c]->size(); ++i) {
            const PointProfil& q = (*cotes[c])[i];
            ini.Ecrire(section, QString::number(i + 1),
                       TexteReelProjet(q.X) + u':' + TexteReelProjet(q.Y) + u':' + QString::number(q.Etat));
        }
    }
    for (const auto& [cle, valeur] : {std::pair{CleEcartement, TexteReelProjet(p.Profils.EcartementZ)},
                                      {CleBoutonFleche, QString::number(p.BoutonFleche)},
                                      {CleBoutonDiedre, QString::number(p.BoutonDiedre)},
                                      {CleBoutonAligner, QString::number(p.Aligner ? 1 : -1)}})
        ini.Ecrire(SectionPosition, cle, valeur);
    for (const auto& [cle, v] : {std::pair{CleCoeffZoom, p.CoeffZoom}, {CleXCentreZoom, p.XCentreZoom},
                                 {CleYCentreZoom, p.YCentreZoom}, {CleOmega, p.Omega}, {CleAlpha, p.Alpha}})
        ini.Ecrire(SectionAffichage, cle, TexteReelProjet(v));
    ini.Ecrire(SectionAffichage, CleCommentaire, CommentaireVersValeur(p.Commentaire));
    return ini.VersOctets();
}

// Random coordinates of every magnitude, with the cases of rounding: exact binary halves of
// the sixth decimal, tiny negatives that print as zero, the float extremes.
DonneesProjet ProjetAleatoire(int n) {
    QRandomGenerator alea(23);
    DonneesProjet p;
    const float speciaux[] = {0.0078125f, -0.0078125f, 2.5e-7f, -2.5e-7f, -0.0f, 3.0e38f, -3.0e38f, 0.5f, 1e-7f};
    for (int c : {CoteE, CoteS}) {
        auto& v = c == CoteE ? p.Profils.PointsE : p.Profils.PointsS;
        for (int i = 0; i < n; ++i) {
            const double e = std::pow(10.0, -8.0 + 14.0 * alea.generateDouble()) * (alea.bounded(2) ? 1 : -1);
            float x = float(e * alea.generateDouble()), y = float(1000.0 * alea.generateDouble() - 500.0);
            if (i % 17 == 0)
                x = speciaux[(i / 17) % std::size(speciaux)];
            if (i % 29 == 0)
                y = float(alea.bounded(-100000, 100000)) / 128.0f;
            v.push_back({x, y, int16_t(alea.bounded(-300, 300))});
        }
    }
    p.NomFichier[CoteE] = QStringLiteral("racine é.dat");
    p.NomFichier[CoteS] = QStringLiteral("Œuvre ☃.dxf"); // a character beyond Windows-1252: UTF-8
    p.Profils.EcartementZ = 123.25f;
    p.BoutonFleche = 2;
    p.Aligner = true;
    p.Commentaire = QStringLiteral("ligne 1\r\nligne 2");
    return p;
}

// The point lines of both sides in reverse order: the same keys, out of order.
QByteArray PointsRenverses(const QByteArray& octets) {
    QList<QByteArray> lignes = octets.split('\n');
    for (qsizetype i = 0, j = 0; i < lignes.size(); i = ++j) {
        while (j < lignes.size() && !lignes[j].isEmpty() && lignes[j][0] >= '1' && lignes[j][0] <= '9')
            ++j;
        std::reverse(lignes.begin() + i, lignes.begin() + j);
    }
    return lignes.join('\n');
}

bool MemesDonnees(const DonneesProjet& a, const DonneesProjet& b) {
    auto memes = [](const std::vector<PointProfil>& u, const std::vector<PointProfil>& v) {
        return std::equal(u.begin(), u.end(), v.begin(), v.end(), [](const PointProfil& p, const PointProfil& q) {
            return std::memcmp(&p.X, &q.X, 4) == 0 && std::memcmp(&p.Y, &q.Y, 4) == 0 && p.Etat == q.Etat;
        });
    };
    return memes(a.Profils.PointsE, b.Profils.PointsE) && memes(a.Profils.PointsS, b.Profils.PointsS)
        && a.NomFichier[0] == b.NomFichier[0] && a.NomFichier[1] == b.NomFichier[1]
        && a.Profils.EcartementZ == b.Profils.EcartementZ && a.BoutonFleche == b.BoutonFleche
        && a.BoutonDiedre == b.BoutonDiedre && a.Aligner == b.Aligner && a.CoeffZoom == b.CoeffZoom
        && a.Omega == b.Omega && a.Alpha == b.Alpha && a.Commentaire == b.Commentaire;
}

const QByteArray Petit = "[Emplanture]\r\nNomFichier=e.dat\r\nNombrePoints=3\r\n1=0.000000:0.000000:4\r\n"
                         "2=10.000000:1.500000:3\r\n3=1:2:3\r\n[Saumon]\r\nNomFichier=s.dat\r\nNombrePoints=2\r\n"
                         "1=2.000000:-1.000000:0\r\n2=5:5:5\r\n[Affichage]\r\nOmega=90\r\nAlpha=180\r\n";

} // namespace

class TestProjetFlux : public QObject {
    Q_OBJECT
private slots:
    void memesOctets_data() {
        tests::Colonnes<QByteArray, int>("existant", "projet"); // projet: 0 demo, 1 random, 2 empty tip
        const QByteArray demo = LireOctets(tests::DossierSources() + QStringLiteral("/data/demo/demo.gbx"));
        QTest::newRow("demo, new file") << QByteArray() << 0;
        QTest::newRow("demo over itself") << demo << 0;
        QTest::newRow("random, new file") << QByteArray() << 1;
        QTest::newRow("random over the demo") << demo << 1;
        QTest::newRow("other sections and comments kept") << QByteArray(
            "; tête\r\n[Autre]\r\nCle=valeur\r\n\r\n[emplanture]\r\n; note\r\n1=1:2:3\r\n2=4:5:6\r\n[Fin]\r\nA=b") << 1;
        QTest::newRow("section closed by a blank line") << QByteArray("[Emplanture]\nNombrePoints=1\n1=1:1:1\n\n[X]\nY=1\n") << 1;
        QTest::newRow("points out of order") << PointsRenverses(demo) << 1;
        QTest::newRow("marker text already there") << QByteArray("[Autre]\r\n1=\x01points de l'emplanture\x01\r\n") << 1;
        QTest::newRow("UTF-8 with its mark") << QByteArray("\xEF\xBB\xBF[Note]\r\nT=\xE2\x98\x83\r\n") << 0;
        QTest::newRow("empty tip") << QByteArray("[Saumon]\r\n1=1:1:1\r\n") << 2;
    }
    void memesOctets() {
        QFETCH(QByteArray, existant);
        QFETCH(int, projet);
        DonneesProjet p = projet == 0 ? DonneesProjet() : ProjetAleatoire(projet == 1 ? 3000 : 5);
        QVERIFY(projet != 0 || LireProjet(tests::DossierSources() + QStringLiteral("/data/demo/demo.gbx"), p).Reussie());
        if (projet == 2)
            p.Profils.PointsS.clear();
        QVERIFY(!p.Profils.PointsE.empty());
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("p.gbx"));
        if (!existant.isEmpty())
            QVERIFY(EcrireOctets(chemin, existant));
        QVERIFY(EcrireProjet(chemin, p));
        const QByteArray ecrits = LireOctets(chemin);
        QCOMPARE(ecrits, EcritureReference(existant, p));
        projet::PointsEnFlux flux; // what was written reads in one pass
        QVERIFY(projet::SeparerPoints(ecrits, flux));
        QVERIFY(flux.Points[CoteE].size() == p.Profils.PointsE.size() && flux.Points[CoteS].size() == p.Profils.PointsS.size());
        // Read back: the demo (six decimals at most) exactly, any project as it was written.
        DonneesProjet relu;
        QCOMPARE(LireProjet(chemin, relu).Reussie(), projet != 2);
        if (projet == 0)
            QVERIFY(MemesDonnees(relu, p));
        if (projet == 1)
            QCOMPARE(EcritureReference(existant, relu), ecrits);
    }
    void memeLecture_data() {
        tests::Colonnes<QByteArray, int>("octets", "arret"); // arret: EtapeProjet
        auto remplacer = [](const char* avant, const QByteArray& apres) { return QByteArray(Petit).replace(avant, apres); };
        const auto complete = int(EtapeProjet::Complete), emplanture = int(EtapeProjet::Emplanture),
                   saumon = int(EtapeProjet::Saumon);
        QTest::newRow("valid") << Petit << complete;
        QTest::newRow("point missing") << remplacer("2=10.000000:1.500000:3\r\n", "") << emplanture;
        QTest::newRow("two pieces") << remplacer("2=5:5:5", "2=5:5") << saumon;
        QTest::newRow("state beyond 16 bits") << remplacer("3=1:2:3", "3=1:2:40000") << emplanture;
        QTest::newRow("bad point past the count") << remplacer("NombrePoints=3", "NombrePoints=2") << complete;
        QTest::newRow("fewer points than the count") << remplacer("NombrePoints=2", "NombrePoints=3") << saumon;
        QTest::newRow("repeated key, the first counts") << remplacer("3=1:2:3", "3=1:2:3\r\n;\r\n2=9:9:9") << complete;
        QTest::newRow("blanks, tabs, NUL, long value")
            << remplacer("3=1:2:3", " 3 \t=  1 2.5 : -2 :3" + QByteArray(1, '\0') + ":9" + QByteArray(300, '7'))
            << complete;
        QTest::newRow("key with a leading zero") << remplacer("3=1:2:3", "03=1:2:3") << emplanture;
        QTest::newRow("section named in capitals") << remplacer("[Saumon]", "[ SAUMON ]") << complete;
        QTest::newRow("section twice") << Petit + "[Emplanture]\r\n1=7:7:7\r\n" << complete;
        QTest::newRow("byte beyond ASCII") << remplacer("3=1:2:3", "3=1\xE9:2:3") << complete;
        QTest::newRow("exponent, sign") << remplacer("3=1:2:3", "3=+1e2:-.5:2.5") << complete;
        QTest::newRow("lone CR ends, mark") << "\xEF\xBB\xBF" + QByteArray(Petit).replace("\r\n", "\r") << complete;
        QTest::newRow("no count") << remplacer("NombrePoints=3\r\n", "") << emplanture;
    }
    void memeLecture() {
        QFETCH(QByteArray, octets);
        QFETCH(int, arret);
        QTemporaryDir dossier;
        const QString enOrdre = dossier.filePath(QStringLiteral("a.gbx")), desordre = dossier.filePath(QStringLiteral("b.gbx"));
        QVERIFY(EcrireOctets(enOrdre, octets) && EcrireOctets(desordre, PointsRenverses(octets)));
        DonneesProjet a, b;
        const LectureProjet la = LireProjet(enOrdre, a), lb = LireProjet(desordre, b);
        QCOMPARE(QList<int>({int(la.Arret), int(lb.Arret)}), QList<int>({arret, arret}));
        QCOMPARE(la.Erreur, lb.Erreur);
        QVERIFY(MemesDonnees(a, b));
    }
};

GALBIX_TEST_MAIN(TestProjetFlux)
#include "tst_projetflux.moc"
