// galbix-captures: writes PNG pictures of the main window (empty, with profiles, enlarged)
// and of the about box into the folder given as argument, on the offscreen platform.
#include "app/Dialogues.h"
#include "app/DossierProgramme.h"
#include "app/FenetreAPropos.h"
#include "app/FenetrePrincipale.h"
#include "app/Icones.h"
#include "model/Extremes.h"
#include "model/Naca.h"
#include "model/NumericText.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cstdio>

namespace {

using namespace galbix;

// Answers every question with its cautious choice and opens nothing.
class DialoguesSilencieux : public Dialogues {
public:
    ReponseMessage Message(const QString&, const QString&, IconeMessage, BoutonsMessage boutons) override
    {
        return boutons == BoutonsMessage::Ok ? ReponseMessage::Ok : ReponseMessage::Non;
    }
    ChoixFichier Ouvrir(const DemandeFichier&) override { return {}; }
    ChoixFichier Enregistrer(const DemandeFichier&) override { return {}; }
    bool OuvrirDocument(const QString&) override { return false; }
    bool LancerInformationsSysteme() override { return false; }
};

bool Enregistrer(QWidget& fenetre, const QDir& dossier, const QString& nom)
{
    QApplication::processEvents();
    const QString chemin = dossier.filePath(nom);
    const bool ok = fenetre.grab().save(chemin);
    std::printf("%s %s\n", ok ? "ecrit" : "ECHEC", qPrintable(chemin));
    return ok;
}

std::vector<PointProfil> PointsNaca(const QString& code, double corde, double decalageX, double decalageY)
{
    std::vector<PointProfil> points;
    for (const QPointF& p : ProfilNaca4(code, 40))
        points.push_back({float(p.x() * corde + decalageX), float(p.y() * corde + decalageY), 0});
    return points;
}

// Shows the five rows around point `courant` as the point lists will, selected rows in green.
void RemplirListe(const ControlesFenetre& c, const std::vector<PointProfil>& points, int cote, int courant)
{
    for (int rang = 0; rang < 5; ++rang) {
        const int n = courant + rang - 2;
        const bool existe = n >= 1 && n <= int(points.size());
        const bool choisi = existe && AEtat(points[size_t(n - 1)], EtatSelection);
        QLabel* etiquettes[3] = {c.lblNumPt[cote][rang], c.lblCoordPt[cote][rang], c.lblCoordPt[cote][rang + 5]};
        for (QLabel* e : etiquettes) {
            QPalette palette = e->palette();
            palette.setColor(QPalette::Window, choisi ? QColor(0, 176, 10) : palette.color(QPalette::Button));
            palette.setColor(QPalette::WindowText, choisi ? Qt::white : Qt::black);
            e->setPalette(palette);
        }
        if (!existe)
            continue;
        const PointProfil& p = points[size_t(n - 1)];
        etiquettes[0]->setText(QString::number(n));
        etiquettes[1]->setText(PointDecimal(FormaterNombre(p.X, u"#####0.00")));
        etiquettes[2]->setText(PointDecimal(FormaterNombre(p.Y, u"#####0.00")));
    }
    c.vscPoints[cote][0]->show();
    c.vscPoints[cote][0]->setRange(1, int(points.size()));
    c.vscPoints[cote][0]->setValue(courant);
}

// A wing panel: NACA 2412 root of 200 mm, NACA 2410 tip of 150 mm behind it, some points selected.
void RemplirModele(FenetrePrincipale& fenetre)
{
    SessionEdition& session = fenetre.Session();
    session.Profils.PointsE = PointsNaca(QStringLiteral("2412"), 200.0, 0.0, 0.0);
    session.Profils.PointsS = PointsNaca(QStringLiteral("2410"), 150.0, 25.0, 4.0);
    session.Profils.EcartementZ = 600.0f;
    for (int i = 10; i < 14; ++i)
        session.Profils.PointsE[size_t(i)].Etat = EtatSelection;
    CalculerExtremes(session.Profils);
    session.ProjetOuvert = true;
    const ControlesFenetre& c = fenetre.Controles();
    fenetre.ActiverCommandes();
    const auto nombre = [](double v) { return PointDecimal(FormaterNombre(v, u"#####0.0#")); };
    c.lblNomFichier[CoteE]->setText(QStringLiteral("naca2412.dat"));
    c.lblNomFichier[CoteS]->setText(QStringLiteral("naca2410.dat"));
    c.txtCorde[CoteE]->setText(nombre(session.Profils.LargeurE));
    c.txtCorde[CoteS]->setText(nombre(session.Profils.LargeurS));
    c.txtEcartementZ->setText(nombre(session.Profils.EcartementZ));
    c.txtFleche->setText(nombre(session.Profils.FlecheBA));
    c.lblFleche->setText(nombre(session.Profils.XmaxE - session.Profils.XmaxS));
    c.txtDiedreMm->setText(nombre(session.Profils.DiedreMm));
    c.txtDiedreDeg->setText(nombre(session.Profils.DiedreDeg));
    c.lblDiedre->setText(nombre(session.Profils.YmaxE - session.Profils.YmaxS));
    RemplirListe(c, session.Profils.PointsE, CoteE, 12);
    RemplirListe(c, session.Profils.PointsS, CoteS, 1);
    c.panneauxEtat[0]->setText(QStringLiteral(": %1 points     Sél.: 4 pts    X:12.3mm   Y:4.1mm  D:13.0mm")
                                   .arg(session.Profils.NbPointsE()));
    c.panneauxEtat[1]->setText(QStringLiteral(": %1 points     Sél.: 0 pts    X:0.0mm   Y:0.0mm  D:0.0mm")
                                   .arg(session.Profils.NbPointsS()));
    c.panneauxEtat[2]->setText(QStringLiteral("Dist. Sel."));
    c.txtCommentaire->setPlainText(QStringLiteral("Commentaire profil: NACA 2412\r\nAile de démonstration."));
    c.chkVoirCommentaires->setChecked(true);
    fenetre.setWindowTitle(QStringLiteral("Profils Galbix - Nouveau projet"));
}

// Every icon at 24 and 48 pixels, normal and disabled, to check their drawing.
bool PlancheIcones(const QDir& dossier)
{
    constexpr int nombre = int(IconeGalbix::Perspective) + 1;
    QImage planche(nombre * 52 + 8, 4 * 52 + 8, QImage::Format_ARGB32);
    planche.fill(QColor(240, 240, 240));
    QPainter p(&planche);
    for (int i = 0; i < nombre; ++i) {
        const QIcon icone = Icone(IconeGalbix(i));
        p.drawPixmap(8 + i * 52, 8, icone.pixmap(24, 24));
        p.drawPixmap(8 + i * 52, 40, icone.pixmap(24, 24, QIcon::Disabled));
        p.drawPixmap(8 + i * 52, 72, icone.pixmap(48, 48));
        p.drawPixmap(8 + i * 52, 124, icone.pixmap(48, 48, QIcon::Disabled));
    }
    p.end();
    return planche.save(dossier.filePath(QStringLiteral("icones.png")));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: galbix-captures <dossier>\n");
        return 1;
    }
    const QDir dossier(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dossier.absolutePath())) {
        std::fprintf(stderr, "impossible de créer %s\n", argv[1]);
        return 1;
    }
    QTemporaryDir programme;  // a settings file of its own, so that nothing real is touched
    qputenv(VariableDossierProgramme, programme.path().toLocal8Bit());

    DialoguesSilencieux dialogues;
    bool ok = true;
    {
        FenetrePrincipale fenetre(dialogues);
        fenetre.Charger(QString());
        fenetre.show();
        ok &= Enregistrer(fenetre, dossier, QStringLiteral("fenetre_vide.png"));
        RemplirModele(fenetre);
        ok &= Enregistrer(fenetre, dossier, QStringLiteral("fenetre_profils.png"));
        fenetre.resize(fenetre.size() + QSize(300, 160));
        ok &= Enregistrer(fenetre, dossier, QStringLiteral("fenetre_agrandie.png"));
        fenetre.close();
    }
    {
        FenetreAPropos apropos(dialogues);
        apropos.show();
        ok &= Enregistrer(apropos, dossier, QStringLiteral("apropos.png"));
    }
    ok &= PlancheIcones(dossier);
    return ok ? 0 : 1;
}
