// Writing profiles (.dat, .dxf) and the 3D drawing (.dxf), and reading back what was written.

#include "common/TestMain.h"
#include "geomlib/Formats.h"
#include "model/Naca.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace galbix;

namespace {

/// A NACA profile of chord `corde`, moved by (dx, dy): the coordinates of a real drawing in mm.
std::vector<PointFichier> Profil(const QString& code, float corde, float dx, float dy, int nParSurface = 25)
{
    std::vector<PointFichier> points;
    for (const QPointF& q : ProfilNaca4(code, nParSurface)) {
        PointFichier p;
        p.X = float(q.x()) * corde + dx;
        p.Y = float(q.y()) * corde + dy;
        points.push_back(p);
    }
    return points;
}

/// The (code, value) groups of a DXF text.
QList<std::pair<int, QByteArray>> Groupes(const QByteArray& dxf)
{
    const QList<QByteArray> lignes = dxf.split('\n');
    QList<std::pair<int, QByteArray>> groupes;
    for (qsizetype i = 0; i + 1 < lignes.size(); i += 2)
        groupes.append({lignes[i].trimmed().toInt(), lignes[i + 1].chopped(lignes[i + 1].endsWith('\r') ? 1 : 0)});
    return groupes;
}

struct Minima {
    float x, y;
};

Minima MinimaDe(const std::vector<PointFichier>& points)
{
    Minima m{points[0].X, points[0].Y};
    for (const PointFichier& p : points)
        m = {std::min(m.x, p.X), std::min(m.y, p.Y)};
    return m;
}

} // namespace

class EcritureTest : public QObject {
    Q_OBJECT

private slots:
    void datEnTete_data();
    void datEnTete();
    void datEchelle_data();
    void datEchelle();
    void datFormat();
    void echangeAllerRetour();
    void dxfStructure();
    void dxf3DStructure_data();
    void dxf3DStructure();
    void dxfAllerRetour();

private:
    QTemporaryDir m_dossier;
};

void EcritureTest::datEnTete_data()
{
    QTest::addColumn<QString>("enTete");
    QTest::addColumn<QString>("relu");

    QTest::newRow("emplanture") << "Corde: 200.000" << "Corde: 200.000";
    QTest::newRow("saumon accentué") << "Corde: 180.000 Flèche: 12.500 Cale dièdre: 0.000"
                                     << "Corde: 180.000 Flèche: 12.500 Cale dièdre: 0.000";
    QTest::newRow("échange emplanture") << "E;200.000;00000.000;00000.000;00000.000;aile.dat"
                                        << "E;200.000;00000.000;00000.000;00000.000;aile.dat";
    QTest::newRow("échange saumon") << "S;150.000;12.000;3.000;600.000;C:\\profils\\saumon été.dat"
                                    << "S;150.000;12.000;3.000;600.000;C:\\profils\\saumon été.dat";
    QTest::newRow("vide") << "" << "";
    QTest::newRow("commençant par un nombre") << "2412 modifié" << "2412 modifié";
    QTest::newRow("blancs autour") << "   Clark Y   " << "Clark Y";
    QTest::newRow("saut de ligne") << "deux\nlignes" << "deux lignes";
}

void EcritureTest::datEnTete()
{
    QFETCH(QString, enTete);
    QFETCH(QString, relu);

    const QString chemin = m_dossier.filePath(QStringLiteral("profil.dat"));
    QCOMPARE(EcrireFichier(Profil("2412", 200, 0, 0), chemin, enTete), 1);
    std::vector<PointFichier> points;
    float xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    QString lu(260, QLatin1Char(' '));
    QCOMPARE(LireFichier(points, chemin, xmin, xmax, ymin, ymax, lu), 49);
    QCOMPARE(lu, relu);
}

// The coordinates written are relative to the smallest X and Y and divided by the first
// number of the header when it is positive, else by the X extent (1 when that is 0).
void EcritureTest::datEchelle_data()
{
    QTest::addColumn<QString>("enTete");
    QTest::addColumn<float>("corde");     // chord of the profile given, in mm
    QTest::addColumn<double>("diviseur"); // expected divisor

    QTest::newRow("corde annoncée") << "200 mm" << 200.0f << 200.0;
    QTest::newRow("corde annoncée autre que l'étendue") << "Corde: 100.000" << 200.0f << 100.0;
    QTest::newRow("décimale initiale") << "profil .5 m" << 1.0f << 0.5;
    QTest::newRow("sans nombre") << "profil" << 180.0f << 180.0;
    QTest::newRow("premier nombre nul") << "Corde: 0.000 Flèche: 5.000" << 180.0f << 180.0;
    QTest::newRow("premier nombre négatif") << "Décalage -5 puis 200" << 180.0f << 180.0;
    QTest::newRow("étendue nulle") << "" << 0.0f << 1.0;
}

void EcritureTest::datEchelle()
{
    QFETCH(QString, enTete);
    QFETCH(float, corde);
    QFETCH(double, diviseur);

    const std::vector<PointFichier> points = Profil("4415", corde, 35.0f, -12.0f);
    const Minima m = MinimaDe(points);
    const QByteArray texte = formats::EcrireDat(points, enTete);
    const LectureFichier l = formats::LireDat(std::string_view(texte.constData(), size_t(texte.size())));
    QVERIFY2(l.erreur.isEmpty(), qPrintable(l.erreur));
    QCOMPARE(l.points.size(), points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        QVERIFY(std::abs(l.points[i].X - (points[i].X - m.x) / diviseur) < 1e-6);
        QVERIFY(std::abs(l.points[i].Y - (points[i].Y - m.y) / diviseur) < 1e-6);
    }
}

void EcritureTest::datFormat()
{
    const QByteArray texte = formats::EcrireDat(Profil("0012", 200, -40, 7), QStringLiteral("Corde: 200.000"));
    QVERIFY(texte.startsWith("Corde: 200.000\r\n"));
    const QList<QByteArray> lignes = texte.split('\n');
    QCOMPARE(lignes.size(), 51);   // header, 49 points, nothing after the last line end
    const QRegularExpression forme(QStringLiteral("^\\d\\.\\d{6} \\d\\.\\d{6}\\r$"));
    for (qsizetype i = 1; i < 50; ++i)
        QVERIFY2(forme.match(QString::fromLatin1(lignes[i])).hasMatch(), lignes[i].constData());
    // Trailing edge at chord 1, leading edge at 0, both on the chord line of the symmetric profile.
    QVERIFY(lignes[1].startsWith("1.000000 "));
    QVERIFY(lignes[25].startsWith("0.000000 "));
    QCOMPARE(lignes[1].mid(9), lignes[25].mid(9));
}

// Export then import of the exchange files: each side's points divided by its chord, the tip's
// offsets against the root carried in its header, multiplied back on import, give the same
// wing moved so that the root's smallest X and Y are 0.
void EcritureTest::echangeAllerRetour()
{
    const std::vector<PointFichier> racine = Profil("2412", 200.0f, 10.0f, -3.0f);
    const std::vector<PointFichier> saumon = Profil("0009", 150.0f, 40.0f, 5.0f);
    const Minima mr = MinimaDe(racine), ms = MinimaDe(saumon);
    const float fleche = ms.x - mr.x, diedre = ms.y - mr.y;
    const QString cheminE = m_dossier.filePath(QStringLiteral("TempE.dat"));
    const QString cheminS = m_dossier.filePath(QStringLiteral("TempS.dat"));
    QCOMPARE(EcrireFichier(racine, cheminE, QStringLiteral("E;200.000;00000.000;00000.000;00000.000;r.dat")), 1);
    QCOMPARE(EcrireFichier(saumon, cheminS, QStringLiteral("S;150.000;%1;%2;600.000;s.dat")
                                                .arg(fleche, 0, 'f', 3).arg(diedre, 0, 'f', 3)), 1);

    const LectureFichier lr = LireFichierDetaille(cheminE);
    const LectureFichier ls = LireFichierDetaille(cheminS);
    QVERIFY(lr.ok && ls.ok);
    QCOMPARE(lr.points.size(), racine.size());
    QCOMPARE(ls.points.size(), saumon.size());
    for (size_t i = 0; i < racine.size(); ++i) {
        QVERIFY(std::abs(lr.points[i].X * 200.0f - (racine[i].X - mr.x)) < 1e-3f);
        QVERIFY(std::abs(lr.points[i].Y * 200.0f - (racine[i].Y - mr.y)) < 1e-3f);
        QVERIFY(std::abs(ls.points[i].X * 150.0f + fleche - (saumon[i].X - mr.x)) < 1e-3f);
        QVERIFY(std::abs(ls.points[i].Y * 150.0f + diedre - (saumon[i].Y - mr.y)) < 1e-3f);
    }
}

// The header as a 999 comment, an R12 file, the points in order in plain decimal notation.
void EcritureTest::dxfStructure()
{
    const std::vector<PointFichier> points{{1.5f, -2.25f}, {1e-7f, 3e5f}, {-48.125f, 0.0f}};
    const auto g = Groupes(formats::EcrireDxf(points, QStringLiteral("Flèche")));
    QCOMPARE(g.first(), std::make_pair(999, QByteArray("Fl\xE8" "che"))); // Windows-1252
    QCOMPARE(g.last(), std::make_pair(0, QByteArray("EOF")));
    QVERIFY(g.contains(std::make_pair(1, QByteArray("AC1009"))));
    QCOMPARE(g.count(std::make_pair(0, QByteArray("POLYLINE"))), 1);
    size_t n = 0;
    for (qsizetype i = 0; i < g.size(); ++i) {
        if (g[i] != std::make_pair(0, QByteArray("VERTEX")))
            continue;
        QCOMPARE(g[i + 2], std::make_pair(10, g[i + 2].second));
        QCOMPARE(g[i + 2].second.toFloat(), points[n].X);
        QCOMPARE(g[i + 3], std::make_pair(20, g[i + 3].second));
        QCOMPARE(g[i + 3].second.toFloat(), points[n].Y);
        QVERIFY(!g[i + 2].second.contains('e'));
        ++n;
    }
    QCOMPARE(n, points.size());
}

void EcritureTest::dxf3DStructure_data()
{
    QTest::addColumn<int>("nParSurface");
    QTest::addColumn<float>("ecartement");

    QTest::newRow("aile") << 20 << 600.0f;
    QTest::newRow("écartement décimal") << 4 << 12.5f;
}

void EcritureTest::dxf3DStructure()
{
    QFETCH(int, nParSurface);
    QFETCH(float, ecartement);

    const std::vector<PointFichier> racine = Profil("2412", 200, 0, 0, nParSurface);
    const std::vector<PointFichier> saumon = Profil("0012", 120, 30, 8, nParSurface);
    const auto g = Groupes(formats::EcrireDxf3D(racine, saumon, ecartement));
    QCOMPARE(g.last(), std::make_pair(0, QByteArray("EOF")));
    QCOMPARE(g.count(std::make_pair(0, QByteArray("POLYLINE"))), 2);
    QCOMPARE(g.count(std::make_pair(0, QByteArray("VERTEX"))), qsizetype(2 * racine.size()));

    // Each face joins points i and i + 1 of the root (z = 0) to the same points of the tip.
    size_t face = 0;
    for (qsizetype i = 0; i < g.size(); ++i) {
        if (g[i] != std::make_pair(0, QByteArray("3DFACE")))
            continue;
        QHash<int, float> v;
        for (qsizetype j = i + 1; j < g.size() && g[j].first != 0; ++j)
            v[g[j].first] = g[j].second.toFloat();
        const PointFichier* coins[4] = {&racine[face], &racine[face + 1], &saumon[face + 1], &saumon[face]};
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(v.value(10 + k), coins[k]->X);
            QCOMPARE(v.value(20 + k), coins[k]->Y);
            QCOMPARE(v.value(30 + k), k < 2 ? 0.0f : ecartement);
        }
        ++face;
    }
    QCOMPARE(face, racine.size() - 1);
}

// Needs the DXF reader: the points and the header written come back as they were given.
void EcritureTest::dxfAllerRetour()
{
    const std::vector<PointFichier> points = Profil("2412", 200, -50, 3);
    const QString chemin = m_dossier.filePath(QStringLiteral("profil.DXF"));
    const QString enTete = QStringLiteral("Corde: 180.000 Flèche: 12.500 Cale dièdre: 0.000");
    QCOMPARE(EcrireFichier(points, chemin, enTete), 1);
    const LectureFichier l = LireFichierDetaille(chemin);
    QVERIFY2(l.ok, qPrintable(l.erreur));
    QCOMPARE(l.enTete, enTete);
    QCOMPARE(l.points.size(), points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        QCOMPARE(l.points[i].X, points[i].X);
        QCOMPARE(l.points[i].Y, points[i].Y);
    }
}

GALBIX_TEST_MAIN(EcritureTest)
#include "tst_ecriture.moc"
