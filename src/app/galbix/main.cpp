// galbix: the desktop editor of root and tip profiles for hot-wire foam cutting.
#include "view/ui/DialoguesQt.h"
#include "app/FenetreAPropos.h"
#include "app/FenetrePrincipale.h"
#include "app/Icones.h"
#include "app/DemandeInstance.h"
#include "app/DossierProgramme.h"
#include "app/InstanceUnique.h"
#include "app/instance/RelaisInstance.h"
#include "app/LigneCommande.h"
#include "app/Traductions.h"
#include "app/OptionsProgramme.h"
#include "files/Reglages.h"

#include "editing/Transaction.h"

#include <QApplication>
#include <QFileInfo>
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

namespace {

/// How long a later start waits for the running copy to take its request.
constexpr int DelaiRelaisMs = 3000;

/// The argument string with a named project made absolute: the running copy works in
/// another folder.
QString ArgumentAbsolu(const QString& argument)
{
    const auto projet = galbix::ProjetDeLaLigneDeCommande(argument);
    if (!projet)
        return argument;
    return u'"' + QFileInfo(*projet).absoluteFilePath() + u'"';
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const std::optional<QString> code = galbix::ExtraireOptionLangue(arguments);
    if (code && !galbix::LangueDuCode(*code)) {
        std::fputs("galbix : --langue attend fr ou en\n", stderr);
        return 2;
    }
    // --help and --version answer before any window, so that they work without a display.
    {
        QCoreApplication noyau(argc, argv);
        galbix::InstallerLangue(noyau, galbix::LangueDemandee(code, QString()));
        if (const auto reponse = galbix::OptionsProgramme(arguments, galbix::VersionProgramme())) {
            std::fputs(reponse->texte.toLocal8Bit().constData(), stdout);
            return reponse->statut;
        }
    }

    ApplicationGalbix application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Galbix"));
    QApplication::setApplicationVersion(galbix::VersionProgramme());
    QApplication::setDesktopFileName(galbix::IdentifiantBureau);
    QApplication::setWindowIcon(galbix::Icone(galbix::IconeGalbix::Application));
    galbix::InstallerTraductions(application, galbix::LangueDemandee(
        code, galbix::CheminDansDossierProgramme(galbix::NomFichierReglages)));

    QStringList argumentsProgramme = QApplication::arguments();
    galbix::ExtraireOptionLangue(argumentsProgramme);
    const QString argument = galbix::ArgumentLigneCommande(argumentsProgramme);
    galbix::RelaisInstance relais(galbix::NomRelaisInstance(galbix::DossierProgramme()));
    galbix::InstanceUnique instance;
    if (!instance.Verrouiller()) {
        const bool transmis = relais.Transmettre(ArgumentAbsolu(argument), DelaiRelaisMs);
        std::fputs(qPrintable(transmis ? QCoreApplication::translate("galbix", "Galbix est déjà ouvert : la demande a été transmise à sa fenêtre.\n")
                                       : QCoreApplication::translate("galbix", "Galbix est déjà ouvert, mais sa fenêtre ne répond pas.\n")),
                   stderr);
        return 0;
    }

    galbix::DialoguesQt dialogues;
    application.dialogues = &dialogues;
    galbix::FenetrePrincipale fenetre(dialogues);
    relais.Ecouter();
    QObject::connect(&relais, &galbix::RelaisInstance::demande, &fenetre,
                     [&fenetre](const QString& demande) { galbix::RecevoirDemandeInstance(fenetre, demande); });
    fenetre.Charger(argument);
    fenetre.show();
    return QApplication::exec();
}
