// The NACA buttons of the main window: the dialog filled from a script loads the computed
// profile as opening the same profile from a .dat file does; a tip load keeps the root and
// can be undone; the dialog refuses an unknown code; a tip before any root is refused.
#include "common/BancFenetre.h"
#include "common/TestMain.h"

#include "app/DialogueNaca.h"
#include "app/PiloteVue.h"
#include "model/Naca.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace galbix;
using galbix::tests::BancFenetre;

namespace {

// A Selig-style .dat file of the profile: its name, then unit-chord coordinates.
bool EcrireDat(const QString& chemin, const ProfilNacaCalcule& profil)
{
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QByteArray texte = profil.nom.toLatin1() + "\r\n";
    for (const QPointF& p : profil.points)
        texte += QByteArray::number(p.x(), 'f', 6) + ' ' + QByteArray::number(p.y(), 'f', 6) + "\r\n";
    return f.write(texte) == texte.size();
}

// The dialog as a user fills it: code typed, points set, "Charger" pressed when enabled.
std::function<void(DialogueNaca&)> Remplir(const QString& code, int parSurface)
{
    return [code, parSurface](DialogueNaca& d) {
        d.ChampCode()->setText(code);
        d.ChampPoints()->setValue(parSurface);
        QPushButton* charger = d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        if (charger->isEnabled())
            charger->click();
        else
            d.reject();
    };
}

} // namespace

class TestNacaFenetre : public QObject {
    Q_OBJECT
private slots:
    void commeUnDat_data();
    void commeUnDat();
    void saumonPuisUndo();
    void codeRefuse();
    void saumonAvantEmplanture();
};

void TestNacaFenetre::commeUnDat_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("parSurface");
    QTest::newRow("five digits") << "23012" << 41;
    QTest::newRow("modified, prefixed") << "NACA 0012-64" << 30;
}

// Every field, label and point the .dat open gives, except the file name shown.
void TestNacaFenetre::commeUnDat()
{
    QFETCH(QString, code);
    QFETCH(int, parSurface);
    const ProfilNacaCalcule profil = ProfilNaca(code, parSurface);
    BancFenetre naca, dat;
    naca.fenetre.ExecuterNaca = Remplir(code, parSurface);
    naca.Bouton(QStringLiteral("cmdNaca_0"))->click();
    const QString chemin = dat.Fichier(QStringLiteral("profil.dat"));
    QVERIFY(EcrireDat(chemin, profil));
    dat.dialogues.fichiers.push_back(ChoixFichier{false, chemin, 2});
    dat.Bouton(QStringLiteral("cmdOuvrirProfil_0"))->click();

    QCOMPARE(naca.C().lblNomFichier[CoteE]->text(), profil.nom);
    QCOMPARE(naca.C().lblNomFichier[CoteS]->text(), profil.nom);
    QCOMPARE(naca.fenetre.Vue().NomFichierCourant(CoteS), profil.nom);
    QCOMPARE(naca.fenetre.windowTitle(), QStringLiteral("Profils Galbix - Nouveau projet"));
    QCOMPARE(naca.C().txtCommentaire->toPlainText(), QStringLiteral("Commentaire profil: %1\n").arg(profil.nom));
    QVERIFY(naca.S().ProjetOuvert);
    QVERIFY(naca.dialogues.messages.empty());
    QCOMPARE(naca.S().Historique.Taille(), dat.S().Historique.Taille());
    for (const char* nom : {"txtCorde_0", "txtCorde_1", "txtEcartementZ", "txtCommentaire"}) {
        QWidget* a = naca.Controle(QString::fromLatin1(nom));
        QWidget* b = dat.Controle(QString::fromLatin1(nom));
        QCOMPARE(a->property("text").toString() + a->property("plainText").toString(),
                 b->property("text").toString() + b->property("plainText").toString());
    }
    QCOMPARE(naca.C().txtCorde[CoteE]->text(), QStringLiteral("100.0"));
    for (int cote : {CoteE, CoteS}) {
        const auto& a = naca.Profils().Points(cote);
        const auto& b = dat.Profils().Points(cote);
        QCOMPARE(a.size(), size_t(2 * parSurface - 1));
        QCOMPARE(a.size(), b.size());
        for (size_t i = 0; i < a.size(); ++i) {
            QVERIFY(std::abs(a[i].X - b[i].X) < 1e-3f && std::abs(a[i].Y - b[i].Y) < 1e-3f);
            QCOMPARE(a[i].Etat, b[i].Etat);
        }
    }
    QCOMPARE(naca.Profils().LargeurE, dat.Profils().LargeurE);
}

// A tip from its code replaces the tip only; "Undo" brings the previous tip back.
void TestNacaFenetre::saumonPuisUndo()
{
    BancFenetre b;
    b.fenetre.ExecuterNaca = Remplir(QStringLiteral("23012"), 41);
    b.Bouton(QStringLiteral("cmdNaca_0"))->click();
    const std::vector<PointProfil> racine = b.Profils().PointsE;
    b.fenetre.ExecuterNaca = [](DialogueNaca& d) {
        QCOMPARE(d.ChampCode()->text(), QStringLiteral("23012")); // the last code loaded
        QCOMPARE(d.ChampPoints()->value(), 41);
        QCOMPARE(d.windowTitle(), QStringLiteral("Profil NACA - Saumon"));
        Remplir(QStringLiteral("0012-64"), 25)(d);
    };
    b.Bouton(QStringLiteral("cmdNaca_1"))->click();
    QCOMPARE(b.C().lblNomFichier[CoteE]->text(), QStringLiteral("NACA 23012"));
    QCOMPARE(b.C().lblNomFichier[CoteS]->text(), QStringLiteral("NACA 0012-64"));
    QCOMPARE(b.Profils().PointsS.size(), size_t(49));
    QCOMPARE(galbix::tests::Etats(b.Profils().PointsE), galbix::tests::Etats(racine));
    QCOMPARE(b.Profils().PointsE.front().Y, racine.front().Y);
    QVERIFY(b.C().txtCommentaire->toPlainText().endsWith(QStringLiteral("Commentaire profil: NACA 23012\n"
                                                                        "Commentaire profil: NACA 0012-64\n")));
    b.Bouton(QStringLiteral("cmdUndo_0"))->click();
    QCOMPARE(b.Profils().PointsS.size(), size_t(81));
}

// An unknown code keeps "Charger" disabled and shows the reason; closing the dialog then
// leaves the window as it was.
void TestNacaFenetre::codeRefuse()
{
    BancFenetre b;
    const int historique = b.S().Historique.Taille();
    QString etat;
    bool chargerActif = true;
    size_t apercu = 1;
    b.fenetre.ExecuterNaca = [&](DialogueNaca& d) {
        d.ChampCode()->setText(QStringLiteral("26012"));
        chargerActif = d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled();
        etat = d.Etat()->text();
        apercu = d.findChild<ApercuNaca*>()->Points().size();
        d.ChampCode()->setText(QStringLiteral("26012-64")); // still refused: the mean line is unknown
        d.reject();
    };
    b.Bouton(QStringLiteral("cmdNaca_0"))->click();
    QVERIFY(!chargerActif);
    QCOMPARE(etat, QStringLiteral("Code NACA « 26012 » refusé : le deuxième chiffre (position de la cambrure) "
                                  "doit être de 1 à 5."));
    QCOMPARE(apercu, size_t(0));
    QVERIFY(b.Profils().PointsE.empty());
    QVERIFY(b.C().lblNomFichier[CoteE]->text().isEmpty());
    QVERIFY(!b.S().ProjetOuvert);
    QCOMPARE(b.S().Historique.Taille(), historique);
}

void TestNacaFenetre::saumonAvantEmplanture()
{
    BancFenetre b;
    bool montre = false;
    b.fenetre.ExecuterNaca = [&](DialogueNaca& d) {
        montre = true;
        d.accept();
    };
    QVERIFY(!b.C().cmdNaca[CoteS]->isEnabled());
    b.fenetre.Vue().OuvrirNaca(CoteS); // the button is disabled with its frame: the command itself
    QVERIFY(!montre);
    QCOMPARE(b.dialogues.messages.size(), size_t(1));
    QCOMPARE(b.dialogues.messages[0].titre, QStringLiteral("Action impossible"));
    QCOMPARE(b.dialogues.messages[0].texte, QStringLiteral("Il faut d'abord charger un profil d'emplanture."));
    QVERIFY(b.Profils().PointsS.empty());
}

GALBIX_GUI_TEST_MAIN(TestNacaFenetre)
#include "tst_naca_fenetre.moc"
