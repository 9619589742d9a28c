#include "app/FenetreAPropos.h"

#include "view/ui/Dialogues.h"
#include "app/Icones.h"
#include "geomlib/Tranchex.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>

#ifndef GALBIX_VERSION
#define GALBIX_VERSION "0.0.0"
#endif

namespace galbix {

namespace {

QLabel* Texte(const QString& nom, const QString& texte)
{
    auto* etiquette = new QLabel(texte);
    etiquette->setObjectName(nom);
    etiquette->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return etiquette;
}

} // namespace

QString VersionProgramme()
{
    return QStringLiteral(GALBIX_VERSION);
}

QString TexteInformationsSysteme()
{
    return FenetreAPropos::tr("Système : ") + QSysInfo::prettyProductName() + u'\n'
           + FenetreAPropos::tr("Noyau : ") + QSysInfo::kernelType() + u' ' + QSysInfo::kernelVersion() + u'\n'
           + FenetreAPropos::tr("Processeur : ") + QSysInfo::currentCpuArchitecture() + u'\n'
           + FenetreAPropos::tr("Qt : ") + QString::fromLatin1(qVersion()) + FenetreAPropos::tr(" (construit avec ")
           + QStringLiteral(QT_VERSION_STR) + u')' + u'\n'
           + FenetreAPropos::tr("Galbix : ") + VersionProgramme();
}

QString LigneVersionBibliotheque(int version)
{
    return FenetreAPropos::tr("Version de Tranchex.dll : 0.0.") + QString::number(version);
}

FenetreAPropos::FenetreAPropos(Dialogues& dialogues, QWidget* parent)
    : QDialog(parent)
    , m_dialogues(dialogues)
{
    setObjectName(QStringLiteral("formAbout"));
    setWindowTitle(tr("À propos de ") + TitreProgramme);
    setModal(true);

    auto* icone = new QLabel;
    icone->setObjectName(QStringLiteral("imgIcone"));
    icone->setPixmap(Icone(IconeGalbix::Application).pixmap(QSize(64, 64), devicePixelRatioF()));
    icone->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* titre = Texte(QStringLiteral("lblTitre"), TitreProgramme);
    QFont police = titre->font();
    police.setPointSizeF(police.pointSizeF() * 1.8);
    police.setBold(true);
    titre->setFont(police);
    auto* version = Texte(QStringLiteral("lblVersion"), tr("Version ") + VersionProgramme());
    auto* bibliotheque = Texte(QStringLiteral("lblVersionTranchex"), LigneVersionBibliotheque(Version()));
    auto* description = Texte(QStringLiteral("lblDescription"),
        tr("Préparation des profils d'emplanture et de saumon pour la découpe au fil chaud "
                       "des ailes et des volumes réglés."));
    description->setWordWrap(true);
    auto* ligne = new QFrame;
    ligne->setFrameShape(QFrame::HLine);
    ligne->setFrameShadow(QFrame::Sunken);

    auto* boutons = new QDialogButtonBox;
    auto* ok = boutons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* systeme = boutons->addButton(tr("Infos système..."), QDialogButtonBox::ActionRole);
    systeme->setObjectName(QStringLiteral("cmdInfosSysteme"));
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(systeme, &QPushButton::clicked, this, &FenetreAPropos::InformationsSysteme);

    auto* grille = new QGridLayout(this);
    grille->setContentsMargins(18, 18, 18, 12);
    grille->setHorizontalSpacing(18);
    grille->setVerticalSpacing(6);
    grille->addWidget(icone, 0, 0, 4, 1);
    grille->addWidget(titre, 0, 1);
    grille->addWidget(version, 1, 1);
    grille->addWidget(bibliotheque, 2, 1);
    grille->addWidget(description, 3, 1);
    grille->addWidget(ligne, 4, 0, 1, 2);
    grille->addWidget(boutons, 5, 0, 1, 2);
    grille->setColumnMinimumWidth(1, 340);
    setSizeGripEnabled(false);
    setFixedSize(sizeHint());
}

void FenetreAPropos::InformationsSysteme()
{
    if (m_dialogues.LancerInformationsSysteme())
        return;
    m_dialogues.Message(windowTitle(),
                        tr("Les informations système ne sont pas disponibles actuellement") +
                            QStringLiteral("\n\n") + TexteInformationsSysteme(),
                        IconeMessage::Information, BoutonsMessage::Ok);
}

} // namespace galbix
