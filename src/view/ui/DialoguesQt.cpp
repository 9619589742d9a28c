#include "view/ui/DialoguesQt.h"

#include "files/ExtensionFiltre.h"

#include <QCoreApplication>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTreeView>
#include <QUrl>

namespace galbix {

namespace {

// A description such as "DAO (*.dxf)" already names its patterns: keep it as it stands when
// the parenthesised part holds exactly the patterns, else append them.
QString FiltreUnique(QString description, const QString& motifs)
{
    const QString liste = QString(motifs).replace(u';', u' ').simplified();
    description = description.trimmed();
    const qsizetype ouvrante = description.lastIndexOf(u'(');
    if (ouvrante >= 0 && description.endsWith(u')')) {
        const QString dedans = description.mid(ouvrante + 1, description.size() - ouvrante - 2);
        if (QString(dedans).replace(u';', u' ').simplified() == liste)
            return description.left(ouvrante).trimmed() + QStringLiteral(" (") + liste + u')';
    }
    if (description.isEmpty())
        return liste;
    return description + QStringLiteral(" (") + liste + u')';
}

QMessageBox::Icon IconeQt(IconeMessage icone)
{
    switch (icone) {
    case IconeMessage::Critique: return QMessageBox::Critical;
    case IconeMessage::Question: return QMessageBox::Question;
    case IconeMessage::Exclamation: return QMessageBox::Warning;
    case IconeMessage::Information: return QMessageBox::Information;
    case IconeMessage::Aucune: break;
    }
    return QMessageBox::NoIcon;
}

struct OutilSysteme {
    QString programme;
    QStringList arguments;
};

// The system-information tools known on each platform, in order of preference.
std::vector<OutilSysteme> OutilsConnus()
{
#if defined(Q_OS_WIN)
    return {{QStringLiteral("msinfo32"), {}}};
#elif defined(Q_OS_MACOS)
    return {{QStringLiteral("open"), {QStringLiteral("-a"), QStringLiteral("System Information")}}};
#else
    return {{QStringLiteral("kinfocenter"), {}},
            {QStringLiteral("hardinfo2"), {}},
            {QStringLiteral("hardinfo"), {}},
            {QStringLiteral("gnome-control-center"), {QStringLiteral("info-overview")}},
            {QStringLiteral("xfce4-about"), {}},
            {QStringLiteral("gnome-system-monitor"), {}},
            {QStringLiteral("mate-system-monitor"), {}}};
#endif
}

// The box would wrap a long line at half the screen width: its text gets the width of its
// longest line (within the screen), so that each line of a notice reads unbroken.
void GarderLignesEntieres(QMessageBox& boite)
{
    auto* etiquette = boite.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!etiquette)
        return;
    int largeur = 0;
    for (const QString& ligne : boite.text().split(u'\n'))
        largeur = std::max(largeur, etiquette->fontMetrics().horizontalAdvance(ligne));
    const QScreen* ecran = boite.screen();
    const int limite = ecran ? ecran->availableGeometry().width() - 120 : largeur;
    etiquette->setMinimumWidth(std::min(largeur + 2 * etiquette->margin() + 2, limite));
}

// The file dialog opens in the detailed view, large enough for names, sizes and dates; the
// columns take the width of their contents once the folder is read.
void Dimensionner(QFileDialog& dialogue)
{
    dialogue.setViewMode(QFileDialog::Detail);
    QSize taille(960, 580);
    if (const QScreen* ecran = dialogue.screen())
        taille = taille.boundedTo(ecran->availableGeometry().size() * 0.9);
    dialogue.resize(taille);
    auto* liste = dialogue.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* modele = dialogue.findChild<QFileSystemModel*>();
    if (!liste || !modele)
        return;
    QObject::connect(modele, &QFileSystemModel::directoryLoaded, liste, [liste] {
        for (int colonne = 0; colonne < liste->header()->count(); ++colonne)
            liste->resizeColumnToContents(colonne);
    });
}

} // namespace

QStringList FiltresQt(const QString& filtre)
{
    QStringList resultat;
    const QStringList morceaux = filtre.split(u'|');
    for (qsizetype i = 0; i + 1 < morceaux.size(); i += 2)
        resultat << FiltreUnique(morceaux[i], morceaux[i + 1]);
    return resultat;
}

ReponseMessage DialoguesQt::Message(const QString& titre, const QString& texte, IconeMessage icone,
                                    BoutonsMessage boutons)
{
    QMessageBox boite(IconeQt(icone), titre, QString(texte).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                      QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton* ok = nullptr;
    QPushButton* oui = nullptr;
    QPushButton* non = nullptr;
    QPushButton* annuler = nullptr;
    if (boutons == BoutonsMessage::Ok || boutons == BoutonsMessage::OkAnnuler)
        ok = boite.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    if (boutons == BoutonsMessage::OuiNon || boutons == BoutonsMessage::OuiNonAnnuler) {
        oui = boite.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
        non = boite.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
    }
    if (boutons == BoutonsMessage::OkAnnuler || boutons == BoutonsMessage::OuiNonAnnuler)
        annuler = boite.addButton(QCoreApplication::translate("galbix", "Annuler"), QMessageBox::RejectRole);
    GarderLignesEntieres(boite);
    boite.setDefaultButton(ok ? ok : oui);
    if (annuler)
        boite.setEscapeButton(annuler);
    else
        boite.setEscapeButton(ok ? ok : non);
    boite.exec();
    const auto* clique = boite.clickedButton();
    if (clique == oui)
        return ReponseMessage::Oui;
    if (clique == non)
        return ReponseMessage::Non;
    if (clique == ok)
        return ReponseMessage::Ok;
    if (annuler)
        return ReponseMessage::Annuler;
    return ok ? ReponseMessage::Ok : ReponseMessage::Non;
}

ChoixFichier DialoguesQt::Executer(const DemandeFichier& demande, bool enregistrer)
{
    QFileDialog dialogue(QApplication::activeWindow(), demande.titre, demande.dossierInitial);
    dialogue.setAcceptMode(enregistrer ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogue.setFileMode(enregistrer ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (enregistrer && !demande.confirmerEcrasement)
        dialogue.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filtres = FiltresQt(demande.filtre);
    if (!filtres.isEmpty()) {
        dialogue.setNameFilters(filtres);
        const int index = qBound(1, demande.indexFiltre, int(filtres.size()));
        dialogue.selectNameFilter(filtres[index - 1]);
    }
    if (!demande.nomPropose.isEmpty())
        dialogue.selectFile(demande.nomPropose);
    if (enregistrer) {
        // A name typed without extension gets the selected filter's, as the command adds it;
        // the overwrite question then names the file really written.
        const auto suffixe = [&dialogue, &filtres, &demande](const QString& filtre) {
            dialogue.setDefaultSuffix(ExtensionDuFiltre(demande.filtre, int(filtres.indexOf(filtre)) + 1));
        };
        suffixe(dialogue.selectedNameFilter());
        QObject::connect(&dialogue, &QFileDialog::filterSelected, &dialogue, suffixe);
    }
    Dimensionner(dialogue);
    ChoixFichier choix;
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return choix;
    choix.annule = false;
    choix.chemin = QDir::toNativeSeparators(dialogue.selectedFiles().constFirst());
    choix.indexFiltre = int(filtres.indexOf(dialogue.selectedNameFilter())) + 1;
    return choix;
}

ChoixFichier DialoguesQt::Ouvrir(const DemandeFichier& demande)
{
    return Executer(demande, false);
}

ChoixFichier DialoguesQt::Enregistrer(const DemandeFichier& demande)
{
    return Executer(demande, true);
}

bool DialoguesQt::OuvrirDocument(const QString& chemin)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(chemin).absoluteFilePath()));
}

bool DialoguesQt::LancerInformationsSysteme()
{
    for (const OutilSysteme& outil : OutilsConnus()) {
        const QString executable = QStandardPaths::findExecutable(outil.programme);
        if (!executable.isEmpty() && QProcess::startDetached(executable, outil.arguments))
            return true;
    }
    return false;
}

} // namespace galbix
