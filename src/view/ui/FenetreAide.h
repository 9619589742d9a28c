#pragma once
// The help window "formAide": the user manual bundled in the program, with its table of
// contents, back and forward, and a search over every page. F1 opens it at the section of the
// window (and of the frame) where it was pressed.

#include <QString>
#include <QStringList>
#include <QWidget>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace galbix {

/// The manual's page that describes the main window.
inline const QString SectionAideFenetrePrincipale = QStringLiteral("fenetre-principale.html");
/// The manual's page that describes the sequence window "Choix de séquences".
inline const QString SectionAideSequences = QStringLiteral("sequences.html");

/// One page of the manual: its file in the resources and the titled sections inside it.
struct PageManuel {
    QString fichier;                        ///< e.g. "fichiers.html"
    QString titre;                          ///< the page's <title>
    QList<QPair<QString, QString>> sections;  ///< anchor and title of each second-level heading
};

/// The manual's pages in reading order, read from the resources.
QList<PageManuel> PagesManuel();

/// URL of a section of the manual: "page.html" or "page.html#ancre".
QUrl AdresseManuel(const QString& section);

/// `page` followed by "#frmXxx" when the focus of `fenetre` lies inside a frame whose object name
/// starts with "frm" (without its "_N" index), so that F1 opens the manual at that frame's paragraph.
QString SectionAideContexte(const QWidget* fenetre, const QString& page);

class FenetreAide : public QWidget {
    Q_OBJECT

public:
    explicit FenetreAide(QWidget* parent = nullptr);

    /// Shows `section` ("page.html" or "page.html#ancre").
    void Afficher(const QString& section);
    /// Finds the next occurrence of `texte`, in this page first, then in the following pages.
    /// False when the manual holds it nowhere.
    bool Rechercher(const QString& texte);

    /// The page and anchor shown.
    QUrl Adresse() const;

private:
    QHBoxLayout* ConstruireBarre(QToolButton*& accueil);
    void ConstruireSommaire();
    void Relier(QToolButton* accueil);
    void SuivreSommaire(QTreeWidgetItem* element);
    void MarquerSommaire();
    void MarquerSection(const QString& section);
    void SuivreDefilement();
    void RechercheDemandee();

    QTextBrowser* m_texte = nullptr;
    QTreeWidget* m_sommaire = nullptr;
    QLineEdit* m_recherche = nullptr;
    QLabel* m_resultat = nullptr;
    QToolButton* m_precedent = nullptr;
    QToolButton* m_suivant = nullptr;
    QList<PageManuel> m_pages;
};

/// Opens the help window at `section`, over the window `depuis` (which may be modal): the window
/// already open is brought forward and moved there, else a new one is made. Returns it.
FenetreAide* OuvrirAide(QWidget* depuis, const QString& section);

} // namespace galbix
