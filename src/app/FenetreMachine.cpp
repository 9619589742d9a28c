#include "app/FenetreMachine.h"
#include "model/TexteTraduit.h"

#include "app/FabriqueControles.h"
#include "app/FenetreAPropos.h"
#include "app/FenetrePrincipale.h"
#include "app/PiloteDecoupe.h"
#include "files/ExtensionFiltre.h"
#include "files/GCode.h"
#include "files/Sauvegarde.h"
#include "geomlib/EcritureAtomique.h"
#include "model/NumericText.h"
#include "view/ui/Dialogues.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace galbix {

namespace {

constexpr TexteTraduit FiltreGCode{QT_TRANSLATE_NOOP("galbix",
    "Programme G-code (*.ngc)|*.ngc|Tous les fichiers (*.*)|*.*")};
constexpr TexteTraduit TitreMessage{QT_TRANSLATE_NOOP("galbix", "Programme G-code")};

QString Texte(double v)
{
    return FormaterNombre(v, u"#####0.0###");
}

QRadioButton* Option(const QString& nom, const QString& texte)
{
    auto* o = new QRadioButton(texte);
    o->setObjectName(nom);
    return o;
}

// The proposed file name: the root's name without its extension, ".ngc".
QString NomPropose(const QString& nomRacine)
{
    const QString base = QFileInfo(nomRacine).completeBaseName().trimmed();
    return (base.isEmpty() ? QStringLiteral("decoupe") : base) + QStringLiteral(".ngc");
}

QString Resume(const ProgrammeGCode& g, const MachineDecoupe& m, const QString& chemin)
{
    const auto etendue = [](const EtendueChariot& e, QChar h, QChar v) {
        return FenetreMachine::tr("%1 de %2 à %3 mm, %4 de %5 à %6 mm")
            .arg(QString(h), Texte(e.XMin), Texte(e.XMax), QString(v), Texte(e.YMin), Texte(e.YMax));
    };
    QString t = FenetreMachine::tr("Programme écrit dans %1 : %2 lignes, durée estimée %3.\n\nChariot gauche : %4\n"
                               "Chariot droit : %5")
                    .arg(chemin)
                    .arg(g.Lignes)
                    .arg(TexteDuree(g.Duree),
                         etendue(g.Gauche, LettreAxe(m, AxeGaucheH), LettreAxe(m, AxeGaucheV)),
                         etendue(g.Droite, LettreAxe(m, AxeDroitH), LettreAxe(m, AxeDroitV)));
    if (!g.HorsCourse.empty())
        t += QStringLiteral("\n\nAttention :\n") + TexteHorsCourse(g.HorsCourse);
    return t;
}

// The four travel fields, each after the letter of its axis.
QHBoxLayout* RangeeCourses(std::array<QLineEdit*, 4>& champs, std::array<QLabel*, 4>& lettres)
{
    auto* rangee = new QHBoxLayout;
    for (size_t i = 0; i < 4; ++i) {
        champs[i] = fabrique::ChampNombre(fabrique::NomIndexe(QStringLiteral("txtCourse"), int(i)),
                                          FenetreMachine::tr("Course de l'axe, à partir de 0"));
        lettres[i] = fabrique::Legende(QString(), champs[i]);
        rangee->addWidget(lettres[i]);
        rangee->addWidget(champs[i]);
    }
    return rangee;
}

} // namespace

FenetreMachine::FenetreMachine(FenetrePrincipale& fenetre) : QDialog(&fenetre), m_fenetre(fenetre)
{
    setObjectName(QStringLiteral("frmMachineDecoupe"));
    setWindowTitle(tr("Machine de découpe"));
    auto* pile = new QVBoxLayout(this);
    pile->addWidget(ConstruireChamps());
    auto* boutons = new QDialogButtonBox;
    auto* ecrire = boutons->addButton(tr("Écrire le programme…"), QDialogButtonBox::ActionRole);
    ecrire->setObjectName(QStringLiteral("cmdEcrireProgramme"));
    ecrire->setDefault(true);
    auto* fermer = boutons->addButton(tr("Fermer"), QDialogButtonBox::RejectRole);
    fermer->setObjectName(QStringLiteral("cmdFermerMachine"));
    pile->addWidget(boutons);
    connect(ecrire, &QPushButton::clicked, this, [this] {
        if (EcrireProgramme())
            accept();
    });
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Values closed with the dialog are kept when they are valid.
    connect(this, &QDialog::rejected, this, [this] {
        const MachineDecoupe m = Valeurs();
        if (!VerifierMachine(m))
            EcrireMachine(m_fenetre.FichierReglages(), m);
    });
    connect(m_axes, &QComboBox::currentIndexChanged, this, &FenetreMachine::NommerCourses);
    Afficher(LireMachine(m_fenetre.FichierReglages(), m_fenetre.Decoupe().Vitesse()));
}

QWidget* FenetreMachine::ConstruireChamps()
{
    using fabrique::ChampNombre;
    using fabrique::Legende;
    auto* champs = new QWidget;
    auto* g = new QGridLayout(champs);
    g->setContentsMargins(0, 0, 0, 0);
    int ligne = 0;
    const auto nombre = [&](QLineEdit*& champ, const QString& nom, const QString& texte, const QString& unite,
                            const QString& bulle) {
        champ = ChampNombre(nom, bulle);
        g->addWidget(Legende(texte, champ), ligne, 0);
        g->addWidget(champ, ligne, 1);
        g->addWidget(Legende(unite, champ), ligne++, 2);
    };
    const auto options = [&](std::array<QRadioButton*, 2>& o, const QString& texte) {
        auto* groupe = new QButtonGroup(champs); // each pair exclusive on its own
        groupe->addButton(o[0]);
        groupe->addButton(o[1]);
        auto* rangee = new QHBoxLayout;
        rangee->addWidget(o[0]);
        rangee->addWidget(o[1]);
        rangee->addStretch(1);
        g->addWidget(Legende(texte), ligne, 0);
        g->addLayout(rangee, ligne++, 1, 1, 3);
    };
    nombre(m_entreChariots, QStringLiteral("txtEntreChariots"), tr("Distance entre les chariots L"),
           QStringLiteral("mm"), tr("Distance entre les plans des deux chariots"));
    nombre(m_emplanture, QStringLiteral("txtEmplantureMachine"),
           tr("Du chariot gauche à l'emplanture D"), QStringLiteral("mm"),
           tr("Distance du chariot gauche à la face d'emplanture du bloc"));
    m_cote = {Option(QStringLiteral("optCoteEmplanture_0"), QStringLiteral("gauche")),
              Option(QStringLiteral("optCoteEmplanture_1"), QStringLiteral("droit"))};
    options(m_cote, tr("Emplanture du côté du chariot"));
    m_axes = new QComboBox;
    m_axes->setObjectName(QStringLiteral("cboAxes"));
    m_axes->addItems({QStringLiteral("X Y (gauche), U V (droit)"), QStringLiteral("X Y (gauche), Z A (droit)")});
    g->addWidget(Legende(tr("Axes des chariots"), m_axes), ligne, 0);
    g->addWidget(m_axes, ligne++, 1, 1, 3);
    g->addWidget(Legende(tr("Courses (mm)")), ligne, 0);
    g->addLayout(RangeeCourses(m_courses, m_nomsCourses), ligne++, 1, 1, 3);
    nombre(m_vitesse, QStringLiteral("txtVitesseMachine"), tr("Vitesse de coupe"),
           QStringLiteral("mm/s"), tr("Vitesse du point de profil le plus rapide"));
    m_avance = {Option(QStringLiteral("optAvance_0"), tr("temps inverse (G93)")),
                Option(QStringLiteral("optAvance_1"), tr("mm/min sur les 4 axes (G94)"))};
    options(m_avance, tr("Avance"));
    nombre(m_saignee, QStringLiteral("txtSaignee"), tr("Saignée du fil"), QStringLiteral("mm"),
           tr("Largeur fondue par le fil : chaque profil est décalé de la moitié vers l'extérieur"));
    nombre(m_entree, QStringLiteral("txtEntree"), tr("Entrée"), QStringLiteral("mm"),
           tr("Le fil part d'un point situé à cette distance avant la première paire et y revient"));
    const auto lignes = [&](QLineEdit*& champ, const QString& nom, const QString& texte) {
        champ = new QLineEdit;
        champ->setObjectName(nom);
        champ->setToolTip(tr("Lignes G-code séparées par |"));
        g->addWidget(Legende(texte, champ), ligne, 0);
        g->addWidget(champ, ligne++, 1, 1, 3);
    };
    lignes(m_debut, QStringLiteral("txtLignesDebut"), tr("Lignes avant la découpe"));
    lignes(m_fin, QStringLiteral("txtLignesFin"), tr("Lignes après la découpe"));
    g->setColumnStretch(3, 1);
    return champs;
}

void FenetreMachine::NommerCourses()
{
    const QString axes = AxesPossibles.value(m_axes->currentIndex(), AxesPossibles[0]);
    for (int i = 0; i < 4; ++i)
        m_nomsCourses[size_t(i)]->setText(QString(axes[i]));
}

void FenetreMachine::Afficher(const MachineDecoupe& m)
{
    m_entreChariots->setText(Texte(m.EntreChariots));
    m_emplanture->setText(Texte(m.Emplanture));
    m_cote[m.EmplantureADroite ? 1 : 0]->setChecked(true);
    m_axes->setCurrentIndex(std::max<int>(0, int(AxesPossibles.indexOf(m.Axes))));
    for (size_t i = 0; i < 4; ++i)
        m_courses[i]->setText(Texte(m.Courses[i]));
    m_vitesse->setText(Texte(m.Vitesse));
    m_avance[m.Avance == ModeAvance::ParMinute ? 1 : 0]->setChecked(true);
    m_saignee->setText(Texte(m.Saignee));
    m_entree->setText(Texte(m.Entree));
    m_debut->setText(m.LignesDebut);
    m_fin->setText(m.LignesFin);
    NommerCourses();
}

MachineDecoupe FenetreMachine::Valeurs() const
{
    const auto v = [](const QLineEdit* champ) { return double(LireNombreDebut(PointDecimal(champ->text()))); };
    MachineDecoupe m;
    m.EntreChariots = v(m_entreChariots);
    m.Emplanture = v(m_emplanture);
    m.EmplantureADroite = m_cote[1]->isChecked();
    m.Axes = AxesPossibles.value(m_axes->currentIndex(), AxesPossibles[0]);
    for (size_t i = 0; i < 4; ++i)
        m.Courses[i] = v(m_courses[i]);
    m.Vitesse = v(m_vitesse);
    m.Avance = m_avance[1]->isChecked() ? ModeAvance::ParMinute : ModeAvance::TempsInverse;
    m.Saignee = v(m_saignee);
    m.Entree = v(m_entree);
    m.LignesDebut = m_debut->text();
    m.LignesFin = m_fin->text();
    return m;
}

std::optional<MachineDecoupe> FenetreMachine::LireChamps()
{
    std::vector<QLineEdit*> champs = {m_entreChariots, m_emplanture, m_vitesse, m_saignee, m_entree};
    champs.insert(champs.end(), m_courses.begin(), m_courses.end());
    for (QLineEdit* champ : champs) {
        QString texte = PointDecimal(champ->text().trimmed());
        if (!EstNombreDecimal(texte)) {
            m_fenetre.Dialogue().Message(TitreErreurSaisie, TexteErreurSaisie, IconeMessage::Critique,
                                         BoutonsMessage::Ok);
            champ->setFocus();
            champ->selectAll();
            return std::nullopt;
        }
    }
    const MachineDecoupe m = Valeurs();
    if (const auto refus = VerifierMachine(m)) {
        m_fenetre.Dialogue().Message(refus->Titre, refus->Texte, IconeMessage::Critique, BoutonsMessage::Ok);
        return std::nullopt;
    }
    return m;
}

bool FenetreMachine::EcrireProgramme()
{
    const std::optional<MachineDecoupe> m = LireChamps();
    if (!m)
        return false;
    EcrireMachine(m_fenetre.FichierReglages(), *m);
    const ControlesFenetre& c = m_fenetre.Controles();
    SessionEdition& session = m_fenetre.Session();
    const InfosProgramme infos{TitreProgramme + u' ' + VersionProgramme(),
                               c.lblNomFichier[CoteE]->text() + QStringLiteral(" / ") + c.lblNomFichier[CoteS]->text(),
                               QDateTime::currentDateTime()};
    const ProgrammeGCode programme = GenererGCode(session.Profils, *m, infos);
    Dialogues& d = m_fenetre.Dialogue();
    if (programme.Refus) {
        d.Message(programme.Refus->Titre, programme.Refus->Texte, IconeMessage::Critique, BoutonsMessage::Ok);
        return false;
    }
    DemandeFichier demande;
    demande.titre = tr("Enregistrer le programme G-code");
    demande.filtre = FiltreGCode;
    demande.nomPropose = NomPropose(c.lblNomFichier[CoteE]->text());
    demande.dossierInitial = session.DossierSauvegarde;
    demande.confirmerEcrasement = true;
    const ChoixFichier choix = d.Enregistrer(demande);
    if (choix.annule || choix.chemin.isEmpty())
        return false;
    const QString chemin = AvecExtensionDuFiltre(choix.chemin, demande.filtre, choix.indexFiltre);
    session.DossierSauvegarde = RetenirDossierSauvegarde(chemin, m_fenetre.FichierReglages());
    if (!EcrireFichierAtomique(chemin, programme.Texte)) {
        d.Message(TitreMessage, tr("Le programme n'a pas pu être écrit dans %1.").arg(chemin),
                  IconeMessage::Critique, BoutonsMessage::Ok);
        return false;
    }
    d.Message(TitreMessage, Resume(programme, *m, chemin),
              programme.HorsCourse.empty() ? IconeMessage::Information : IconeMessage::Exclamation,
              BoutonsMessage::Ok);
    return true;
}

void OuvrirMachineDecoupe(FenetrePrincipale& fenetre)
{
    FenetreMachine machine(fenetre);
    machine.exec();
}

} // namespace galbix
