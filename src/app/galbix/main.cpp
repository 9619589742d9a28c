// galbix: the desktop editor of root and tip profiles for hot-wire foam cutting.
#include "app/DialoguesQt.h"
#include "app/FenetrePrincipale.h"
#include "app/Icones.h"
#include "app/InstanceUnique.h"
#include "app/LigneCommande.h"
#include "app/Traductions.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Galbix"));
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
