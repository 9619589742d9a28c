// galbix: the desktop editor of root and tip profiles for hot-wire foam cutting.
#include "view/ui/DialoguesQt.h"
#include "app/FenetreAPropos.h"
#include "app/FenetrePrincipale.h"
#include "app/Icones.h"
#include "app/InstanceUnique.h"
#include "app/LigneCommande.h"
#include "app/Traductions.h"
#include "app/OptionsProgramme.h"

#include "editing/Transaction.h"

#include <QApplication>
#include <cstdio>
#include <new>

namespace {

// The last guard against a failed allocation: the commands restore the model themselves; any
// other handler that runs out of memory is stopped here, and the user is told.
class ApplicationGalbix : public QApplication {
public:
    using QApplication::QApplication;
    galbix::Dialogues* dialogues = nullptr;

    bool notify(QObject* objet, QEvent* evenement) override
    {
        try {
            return QApplication::notify(objet, evenement);
        } catch (const std::bad_alloc&) {
            if (dialogues)
                dialogues->Message(galbix::TitreMemoireInsuffisante, galbix::TexteMemoireInsuffisante,
                                   galbix::IconeMessage::Critique, galbix::BoutonsMessage::Ok);
            return false;
        }
    }
};

} // namespace

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

    ApplicationGalbix application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Galbix"));
    QApplication::setApplicationVersion(galbix::VersionProgramme());
    QApplication::setDesktopFileName(galbix::IdentifiantBureau);
    QApplication::setWindowIcon(galbix::Icone(galbix::IconeGalbix::Application));
    galbix::InstallerTraductionsQt(application);

    galbix::InstanceUnique instance;
    if (!instance.Verrouiller())
        return 0;

    galbix::DialoguesQt dialogues;
    application.dialogues = &dialogues;
    galbix::FenetrePrincipale fenetre(dialogues);
    fenetre.Charger(galbix::ArgumentLigneCommande(QApplication::arguments()));
    fenetre.show();
    return QApplication::exec();
}
