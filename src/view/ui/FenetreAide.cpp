#include "view/ui/FenetreAide.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace galbix {

namespace {

const QString RacineManuel = QStringLiteral("qrc:/manuel/");

// The pages in reading order; each page's title and sections come from the page itself.
const QStringList OrdrePages = {
    QStringLiteral("index.html"),          QStringLiteral("travail-type.html"),
    QStringLiteral("fenetre-principale.html"), QStringLiteral("souris-clavier.html"),
    QStringLiteral("sequences.html"),      QStringLiteral("fichiers.html"),
    QStringLiteral("gcode.html"),
    QStringLiteral("ligne-de-commande.html"), QStringLiteral("installation.html"),
};

QString TexteRessource(const QString& fichier)
{
    QFile f(QStringLiteral(":/manuel/") + fichier);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

QString SansBalises(QString html)
{
    static const QRegularExpression balise(QStringLiteral("<[^>]*>"));
    QTextDocument document;
    document.setHtml(html.remove(balise));
    return document.toPlainText().simplified();
}

QToolButton* Bouton(const QString& nom, QStyle::StandardPixmap image, const QString& texte, const QString& bulle)
{
    auto* bouton = new QToolButton;
    bouton->setObjectName(nom);
    bouton->setIcon(QApplication::style()->standardIcon(image));
    bouton->setText(texte);
    bouton->setToolTip(bulle);
    bouton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bouton->setAutoRaise(true);
    return bouton;
}

} // namespace

QList<PageManuel> PagesManuel()
{
    static const QRegularExpression titre(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression section(
        QStringLiteral("<h2[^>]*>\\s*<a name=\"([^\"]+)\"[^>]*>(.*?)</a>"),
        QRegularExpression::DotMatchesEverythingOption);
    QList<PageManuel> pages;
    for (const QString& fichier : OrdrePages) {
        const QString html = TexteRessource(fichier);
        if (html.isEmpty())
            continue;
        PageManuel page{fichier, SansBalises(titre.match(html).captured(1)), {}};
        for (auto it = section.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            page.sections.append({m.captured(1), SansBalises(m.captured(2))});
        }
        pages.append(page);
    }
    return pages;
}

QUrl AdresseManuel(const QString& section)
{
    return QUrl(RacineManuel + (section.isEmpty() ? OrdrePages.constFirst() : section));
}

QString SectionAideContexte(const QWidget* fenetre, const QString& page)
{
    static const QRegularExpression indice(QStringLiteral("_\\d+$"));
    for (const QWidget* w = fenetre ? fenetre->focusWidget() : nullptr; w && w != fenetre; w = w->parentWidget())
        if (w->objectName().startsWith(QLatin1String("frm")))
            return page + u'#' + QString(w->objectName()).remove(indice);
    return page;
}

FenetreAide::FenetreAide(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_pages(PagesManuel())
{
    setObjectName(QStringLiteral("formAide"));
    setWindowTitle(tr("Aide de Galbix"));
    if (parent)
        setWindowIcon(parent->windowIcon());

    QToolButton* accueil = nullptr;
    auto* barre = ConstruireBarre(accueil);

    m_sommaire = new QTreeWidget;
    m_sommaire->setObjectName(QStringLiteral("lstSommaire"));
    m_sommaire->setHeaderHidden(true);
    m_sommaire->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The entry of the section shown stays marked while the reader works in the text.
    QPalette couleurs = m_sommaire->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        couleurs.setColor(QPalette::Inactive, role, couleurs.color(QPalette::Active, role));
    m_sommaire->setPalette(couleurs);
    m_texte = new QTextBrowser;
    m_texte->setObjectName(QStringLiteral("txtAide"));
    m_texte->setOpenExternalLinks(true);
    auto* separation = new QSplitter;
    separation->addWidget(m_sommaire);
    separation->addWidget(m_texte);
    separation->setStretchFactor(1, 1);
    separation->setSizes({300, 680});

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(2, 2, 2, 2);
    // Translated interfaces open with a line saying that the manual itself is in French.
    static const char* const avisLangue = QT_TR_NOOP("Le manuel est en français.");
    if (tr(avisLangue) != QString::fromUtf8(avisLangue)) {
        auto* avis = new QLabel(tr(avisLangue));
        avis->setObjectName(QStringLiteral("lblLangueManuel"));
        avis->setContentsMargins(4, 4, 4, 0);
        colonne->addWidget(avis);
    }
    colonne->addLayout(barre);
    colonne->addWidget(separation, 1);
    ConstruireSommaire();
    resize(980, 700);

    Relier(accueil);
}

QHBoxLayout* FenetreAide::ConstruireBarre(QToolButton*& accueil)
{
    m_precedent = Bouton(QStringLiteral("cmdPrecedent"), QStyle::SP_ArrowBack, tr("Précédent"),
                         tr("Page précédente (Alt+Gauche)"));
    m_suivant = Bouton(QStringLiteral("cmdSuivant"), QStyle::SP_ArrowForward, tr("Suivant"),
                       tr("Page suivante (Alt+Droite)"));
    accueil = Bouton(QStringLiteral("cmdSommaire"), QStyle::SP_DirHomeIcon, tr("Sommaire"),
                     tr("Première page du manuel"));
    m_recherche = new QLineEdit;
    m_recherche->setObjectName(QStringLiteral("txtRecherche"));
    m_recherche->setPlaceholderText(tr("Rechercher dans le manuel (Ctrl+F)"));
    m_recherche->setClearButtonEnabled(true);
    m_recherche->setMinimumWidth(240);
    m_resultat = new QLabel;
    m_resultat->setObjectName(QStringLiteral("lblRecherche"));

    auto* barre = new QHBoxLayout;
    barre->setContentsMargins(4, 4, 4, 0);
    barre->addWidget(m_precedent);
    barre->addWidget(m_suivant);
    barre->addWidget(accueil);
    barre->addStretch(1);
    barre->addWidget(m_resultat);
    barre->addWidget(m_recherche);
    return barre;
}

void FenetreAide::Relier(QToolButton* accueil)
{
    m_precedent->setEnabled(false);
    m_suivant->setEnabled(false);
    connect(m_precedent, &QToolButton::clicked, m_texte, &QTextBrowser::backward);
    connect(m_suivant, &QToolButton::clicked, m_texte, &QTextBrowser::forward);
    connect(accueil, &QToolButton::clicked, this, [this] { Afficher(QString()); });
    connect(m_texte, &QTextBrowser::backwardAvailable, m_precedent, &QToolButton::setEnabled);
    connect(m_texte, &QTextBrowser::forwardAvailable, m_suivant, &QToolButton::setEnabled);
    connect(m_texte, &QTextBrowser::sourceChanged, this, &FenetreAide::MarquerSommaire);
    connect(m_texte->verticalScrollBar(), &QScrollBar::valueChanged, this, &FenetreAide::SuivreDefilement);
    connect(m_sommaire, &QTreeWidget::itemClicked, this, &FenetreAide::SuivreSommaire);
    connect(m_sommaire, &QTreeWidget::itemActivated, this, &FenetreAide::SuivreSommaire);
    connect(m_recherche, &QLineEdit::returnPressed, this, &FenetreAide::RechercheDemandee);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        m_recherche->setFocus();
        m_recherche->selectAll();
    });
    connect(new QShortcut(QKeySequence::FindNext, this), &QShortcut::activated, this, &FenetreAide::RechercheDemandee);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

void FenetreAide::ConstruireSommaire()
{
    for (const PageManuel& page : m_pages) {
        auto* element = new QTreeWidgetItem(m_sommaire, {page.titre});
        element->setData(0, Qt::UserRole, page.fichier);
        for (const auto& [ancre, titre] : page.sections) {
            auto* sous = new QTreeWidgetItem(element, {titre});
            sous->setData(0, Qt::UserRole, page.fichier + u'#' + ancre);
        }
    }
}

void FenetreAide::SuivreSommaire(QTreeWidgetItem* element)
{
    if (element)
        Afficher(element->data(0, Qt::UserRole).toString());
}

// Highlights the table-of-contents entry of the page and anchor shown, and opens its sections.
void FenetreAide::MarquerSommaire()
{
    const QUrl adresse = m_texte->source();
    const QString fichier = adresse.fileName();
    MarquerSection(adresse.hasFragment() ? fichier + u'#' + adresse.fragment() : fichier);
}

// `section`: "page.html" or "page.html#ancre"; the page's entry when the anchor has none.
void FenetreAide::MarquerSection(const QString& section)
{
    const QString fichier = section.section(u'#', 0, 0);
    QTreeWidgetItem* choisi = nullptr;
    for (int i = 0; i < m_sommaire->topLevelItemCount(); ++i) {
        QTreeWidgetItem* page = m_sommaire->topLevelItem(i);
        const bool courante = page->data(0, Qt::UserRole).toString() == fichier;
        page->setExpanded(courante);
        if (!courante)
            continue;
        choisi = page;
        for (int j = 0; j < page->childCount(); ++j)
            if (page->child(j)->data(0, Qt::UserRole).toString() == section)
                choisi = page->child(j);
    }
    const QSignalBlocker blocage(m_sommaire);
    m_sommaire->setCurrentItem(choisi);
    if (choisi)
        m_sommaire->scrollToItem(choisi);
}

// While the reader scrolls, the entry follows the section at the top of the text: the last one
// whose heading has reached it (at the end of the page, the upper half of the text).
void FenetreAide::SuivreDefilement()
{
    const QTextDocument* document = m_texte->document();
    const QScrollBar* barre = m_texte->verticalScrollBar();
    const double limite = barre->value() + (barre->value() >= barre->maximum() && barre->maximum() > 0
                                                ? m_texte->viewport()->height() / 2.0
                                                : double(m_texte->fontMetrics().height()));
    const QString fichier = m_texte->source().fileName();
    QStringList connues;
    for (const PageManuel& page : m_pages)
        if (page.fichier == fichier)
            for (const auto& ancreTitre : page.sections)
                connues << ancreTitre.first;
    QString section = fichier;
    for (QTextBlock bloc = document->begin(); bloc.isValid(); bloc = bloc.next()) {
        if (document->documentLayout()->blockBoundingRect(bloc).top() > limite)
            break;
        for (auto it = bloc.begin(); !it.atEnd(); ++it)
            for (const QString& ancre : it.fragment().charFormat().anchorNames())
                if (connues.contains(ancre))
                    section = fichier + u'#' + ancre;
    }
    MarquerSection(section);
}

void FenetreAide::Afficher(const QString& section)
{
    m_texte->setSource(AdresseManuel(section));
    MarquerSommaire();
}

QUrl FenetreAide::Adresse() const
{
    return m_texte->source();
}

void FenetreAide::RechercheDemandee()
{
    const QString texte = m_recherche->text().trimmed();
    if (texte.isEmpty()) {
        m_resultat->clear();
        return;
    }
    const bool trouve = Rechercher(texte);
    m_resultat->setText(trouve ? QString() : tr("Aucun résultat pour « ") + texte + QStringLiteral(" »"));
}

bool FenetreAide::Rechercher(const QString& texte)
{
    if (texte.isEmpty())
        return false;
    if (m_texte->find(texte))
        return true;
    const QString courante = m_texte->source().fileName();
    qsizetype index = 0;
    for (qsizetype i = 0; i < m_pages.size(); ++i)
        if (m_pages[i].fichier == courante)
            index = i;
    // The following pages in turn, then the current one again from its top.
    for (qsizetype k = 1; k <= m_pages.size(); ++k) {
        const PageManuel& page = m_pages[(index + k) % m_pages.size()];
        QTextDocument document;
        document.setHtml(TexteRessource(page.fichier));
        if (!document.toPlainText().contains(texte, Qt::CaseInsensitive))
            continue;
        m_texte->setSource(AdresseManuel(page.fichier));
        m_texte->moveCursor(QTextCursor::Start);
        return m_texte->find(texte);
    }
    return false;
}

FenetreAide* OuvrirAide(QWidget* depuis, const QString& section)
{
    QWidget* hote = depuis ? depuis->window() : nullptr;
    FenetreAide* aide = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* trouvee = qobject_cast<FenetreAide*>(w))
            aide = trouvee;
    if (!aide) {
        aide = new FenetreAide(hote);
    } else if (aide->parentWidget() != hote) {
        // Over a modal window the help must belong to it to stay usable.
        const QRect geometrie = aide->geometry();
        aide->setParent(hote, Qt::Window);
        aide->setGeometry(geometrie);
    }
    aide->Afficher(section);
    aide->show();
    aide->raise();
    aide->activateWindow();
    return aide;
}

} // namespace galbix
