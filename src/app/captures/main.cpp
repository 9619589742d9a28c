// galbix-captures: writes PNG pictures of the main window (empty, with a wing loaded in
// perspective and in side view, enlarged), of the sequence window, of the NACA dialog
// and of the about box and the help window into the folder given as argument, on the offscreen
// platform unless another one is asked for.
#include "view/ui/Dialogues.h"
#include "app/DialogueNaca.h"
#include "app/DossierProgramme.h"
#include "app/FenetreAPropos.h"
#include "app/FenetreMachine.h"
#include "view/ui/FenetreAide.h"
#include "app/FenetrePrincipale.h"
#include "app/Icones.h"
#include "app/PiloteVue.h"
#include "geomlib/Tranchex.h"
#include "model/Naca.h"
#include "sequences/ui/FenetreSequences.h"
#include "SchemaMachine.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QToolButton>
#include <cstdio>
#include <cmath>
#include <deque>
#include <numbers>

namespace {

using namespace galbix;

// Answers every question with its cautious choice and opens nothing.
class DialoguesSilencieux : public Dialogues {
public:
    ReponseMessage Message(const QString&, const QString&, IconeMessage, BoutonsMessage boutons) override
    {
        return boutons == BoutonsMessage::Ok ? ReponseMessage::Ok : ReponseMessage::Non;
    }
    /// Files given to the next open dialogs, in order; cancelled when none is left.
    std::deque<QString> chemins;
    ChoixFichier Ouvrir(const DemandeFichier&) override
    {
        ChoixFichier choix;
        if (chemins.empty())
            return choix;
        choix.annule = false;
        choix.chemin = chemins.front();
        chemins.pop_front();
        return choix;
    }
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

std::vector<PointFichier> EnregistrementsNaca(const QString& code, double corde)
{
    std::vector<PointFichier> points;
    for (const QPointF& p : ProfilNaca4(code, 40)) {
        PointFichier f;
        f.X = float(p.x() * corde);
        f.Y = float(p.y() * corde);
        points.push_back(f);
    }
    return points;
}

// A wing panel loaded through the open command: a NACA 2412 root from a .dat file (scaled to
// a chord of 100 mm) and a NACA 2410 tip of 70 mm from a drawing, a few root points selected.
bool ChargerAile(FenetrePrincipale& fenetre, DialoguesSilencieux& dialogues, const QDir& fichiers)
{
    const QString racine = fichiers.filePath(QStringLiteral("naca2412.dat"));
    const QString saumon = fichiers.filePath(QStringLiteral("naca2410.dxf"));
    if (EcrireFichier(EnregistrementsNaca(QStringLiteral("2412"), 1.0), racine, QStringLiteral("NACA 2412")) != 1 ||
        EcrireFichier(EnregistrementsNaca(QStringLiteral("2410"), 70.0), saumon, QStringLiteral("NACA 2410")) != 1)
        return false;
    dialogues.chemins = {racine, saumon};
    fenetre.Vue().OuvrirProfil(CoteE);
    fenetre.Vue().OuvrirProfil(CoteS);
    SessionEdition& session = fenetre.Session();
    if (session.Profils.NbPointsE() < 14)
        return false;
    for (size_t i = 10; i < 14; ++i)
        session.Profils.PointsE.Modifier()[i].Etat = EtatSelection;
    session.Edition.PointCourantE = 12;
    fenetre.Vue().PlacerListe(CoteE);
    fenetre.Vue().RafraichirVue();
    return true;
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

// A wing rib as a drawing of several contours: a NACA 2412 outline of chord 200 and three
// round lightening holes.
TamponLecture Nervure()
{
    TamponLecture t;
    auto ajouter = [&t](double x, double y, int contour) {
        PointFichier f;
        f.X = float(x);
        f.Y = float(y);
        PoserCodeContour(f, contour);
        t.Points.push_back(f);
    };
    for (const QPointF& p : ProfilNaca4(QStringLiteral("2412"), 60))
        ajouter(p.x() * 200.0, p.y() * 200.0, 0);
    const double trous[3][3] = {{45, 4, 9}, {95, 3, 8}, {140, 1.5, 5}};
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i <= 36; ++i) {
            const double a = 2.0 * std::numbers::pi * (i % 36) / 36.0;
            ajouter(trous[k][0] + trous[k][2] * std::cos(a), trous[k][1] + trous[k][2] * std::sin(a), k + 1);
        }
    return t;
}

// The sequence window on the rib: as opened, then with the rib and its holes chained in the
// assembly, directions shown, and the mouse help.
bool CapturesSequences(DialoguesSilencieux& dialogues, const QDir& dossier)
{
    TamponLecture tampon = Nervure();
    FenetreSequences fenetre(dialogues, tampon, CoteE, QString(), QString());
    fenetre.show();
    bool ok = Enregistrer(fenetre, dossier, QStringLiteral("sequences_ouverture.png"));
    const ControlesSequences& c = fenetre.Controles();
    c.cmdSelectionSequence[0]->click();
    c.cmdInsererSequence[0]->click();
    c.chkVisuSens->setChecked(true);
    c.chkAideSequences->setChecked(true);
    ok &= Enregistrer(fenetre, dossier, QStringLiteral("sequences_assemblage.png"));
    // The commands of the assembly at their real size: the whole window, shrunk to the
    // manual's width, leaves their captions too small to read.
    if (QWidget* commandes = fenetre.findChild<QWidget*>(QStringLiteral("frmCommandesAssemblage"))) {
        c.cmdSelectionSequenceFinal[0]->click();
        ok &= Enregistrer(*commandes, dossier, QStringLiteral("sequences_commandes.png"));
    }
    fenetre.close();
    return ok;
}

// The dialog "Machine de découpe" with a typical machine, and the picture of the machine.
bool CaptureMachine(FenetrePrincipale& principale, const QDir& dossier)
{
    MachineDecoupe machine;
    machine.EntreChariots = 1000.0;
    machine.Emplanture = 250.0;
    machine.Saignee = 1.2;
    machine.LignesDebut = QStringLiteral("M3 S40|G4 P2");
    FenetreMachine fenetre(principale);
    fenetre.Afficher(machine);
    fenetre.show();
    bool ok = Enregistrer(fenetre, dossier, QStringLiteral("machine_decoupe.png"));
    fenetre.close();
    const QString schema = dossier.filePath(QStringLiteral("schema_machine.png"));
    const bool ecrit = captures::SchemaMachine().save(schema);
    std::printf("%s %s\n", ecrit ? "ecrit" : "ECHEC", qPrintable(schema));
    return ok && ecrit;
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
        ok &= ChargerAile(fenetre, dialogues, QDir(programme.path()));
        ok &= Enregistrer(fenetre, dossier, QStringLiteral("fenetre_profils.png"));
        fenetre.Controles().cmdRAZVueCote->click();
        ok &= Enregistrer(fenetre, dossier, QStringLiteral("fenetre_vue_cote.png"));
        fenetre.Controles().cmdRAZPerspective->click();
        fenetre.resize(fenetre.size() + QSize(300, 160));
        ok &= Enregistrer(fenetre, dossier, QStringLiteral("fenetre_agrandie.png"));
        ok &= CaptureMachine(fenetre, dossier);
        fenetre.close();
    }
    {
        FenetreAPropos apropos(dialogues);
        apropos.show();
        ok &= Enregistrer(apropos, dossier, QStringLiteral("apropos.png"));
    }
    ok &= CapturesSequences(dialogues, dossier);
    {
        DialogueNaca naca(CoteE, QStringLiteral("23012"), 61);
        naca.show();
        ok &= Enregistrer(naca, dossier, QStringLiteral("naca.png"));
    }
    {
        FenetreAide aide;
        aide.Afficher(SectionAideFenetrePrincipale + QStringLiteral("#frmEtirer"));
        aide.show();
        ok &= Enregistrer(aide, dossier, QStringLiteral("aide.png"));
    }
    ok &= PlancheIcones(dossier);
    return ok ? 0 : 1;
}
