#include "app/DialoguesQt.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
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
        annuler = boite.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
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
