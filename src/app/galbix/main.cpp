// galbix: the desktop editor of root and tip profiles for hot-wire foam cutting.
#include "view/ui/DialoguesQt.h"
#include "app/FenetreAPropos.h"
#include "app/FenetrePrincipale.h"
#include "app/Icones.h"
#include "app/InstanceUnique.h"
#include "app/LigneCommande.h"
#include "app/Traductions.h"
#include "app/OptionsProgramme.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    // --help and --version answer before any window, so that they work without a display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const auto reponse = galbix::OptionsProgramme(arguments, galbix::VersionProgramme())) {
        std::fputs(reponse->texte.toLocal8Bit().constData(), stdout);
        return reponse->statut;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Galbix"));
    QApplication::setApplicationVersion(galbix::VersionProgramme());
    QApplication::setDesktopFileName(galbix::IdentifiantBureau);
    QApplication::setWindowIcon(galbix::Icone(galbix::IconeGalbix::Application));
    galbix::InstallerTraductionsQt(application);

    galbix::InstanceUnique instance;
    if (!instance.Verrouiller())
        return 0;

    galbix::DialoguesQt dialogues;
    galbix::FenetrePrincipale fenetre(dialogues);
    fenetre.Charger(galbix::ArgumentLigneCommande(QApplication::arguments()));
    fenetre.show();
    return QApplication::exec();
}
