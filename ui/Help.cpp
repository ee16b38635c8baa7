#include "ui/Help.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QVBoxLayout>

// The pages are compiled into a static library: register them before use.
static void EnsureHelpResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(help);
        return true;
    }();
    (void)registered;
}

QString HelpPagePath(int topic)
{
    EnsureHelpResources();
    const QString path = QStringLiteral(":/help/topic%1.html").arg(topic);
    return QFile::exists(path) ? path : QStringLiteral(":/help/contents.html");
}

QList<QPair<QString, QString>> HelpPages()
{
    EnsureHelpResources();
    QList<QPair<QString, QString>> pages;
    for (const char *page : {"contents", "topic2", "topic3", "topic4", "topic5", "topic6", "topic7", "topic8",
                             "topic10", "topic11", "topic12", "topic13", "topic14", "topic9"}) {  // About last
        const QString path = QStringLiteral(":/help/%1.html").arg(QLatin1String(page));
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QString html = QString::fromUtf8(f.readAll());
        const auto m = QRegularExpression("<title>(.*)</title>").match(html);
        pages.append({m.hasMatch() ? m.captured(1) : path, path});
    }
    return pages;
}

HelpViewer::HelpViewer(QWidget *parent)
    : QDialog(parent), searchBox(new QLineEdit(this)), results(new QListWidget(this)),
      browser(new QTextBrowser(this))
{
    setObjectName("HelpViewer");
    setWindowTitle(tr("Tethrix Help"));
    searchBox->setObjectName("HelpSearch");
    searchBox->setPlaceholderText(tr("Search the help"));
    results->setObjectName("HelpResults");
    browser->setObjectName("HelpBrowser");
    browser->setOpenExternalLinks(false);

    auto *side = new QVBoxLayout;
    side->addWidget(new QLabel(tr("Search:"), this));
    side->addWidget(searchBox);
    side->addWidget(results);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(side, 1);
    layout->addWidget(browser, 3);
    resize(760, 520);

    connect(searchBox, &QLineEdit::textChanged, this, &HelpViewer::search);
    connect(results, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { browser->setSource(QUrl("qrc" + item->data(Qt::UserRole).toString())); });
    connect(results, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { browser->setSource(QUrl("qrc" + item->data(Qt::UserRole).toString())); });
    connect(browser, &QTextBrowser::sourceChanged, this, &HelpViewer::highlightShownPage);
    search(QString());
}

void HelpViewer::showTopic(int topic, const QString &section)
{
    QUrl page("qrc" + HelpPagePath(topic));
    if (!section.isEmpty())
        page.setFragment(section);
    browser->setSource(page);
}

QString SearchForm(const QString &text)
{
    QStringList words = text.toLower().split(QRegularExpression("[^\\w]+"), Qt::SkipEmptyParts);
    for (QString &w : words) {
        // tensions, lines, boxes, densities: the word as one would look it up.
        if (w.size() > 4 && w.endsWith("ies"))
            w = w.left(w.size() - 3) + 'y';
        else if (w.size() > 3 && (w.endsWith("ches") || w.endsWith("shes") || w.endsWith("xes") || w.endsWith("sses")))
            w.chop(2);
        else if (w.size() > 3 && w.endsWith('s') && !w.endsWith("ss") && !w.endsWith("us"))
            w.chop(1);
    }
    return ' ' + words.join(' ') + ' ';
}

QString HelpViewer::currentPage() const { return browser->source().toString(); }

void HelpViewer::search(const QString &text)
{
    results->clear();
    for (const auto &page : HelpPages()) {
        QFile f(page.second);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        QString plain = QString::fromUtf8(f.readAll());
        plain.remove(QRegularExpression("<[^>]*>"));
        // Whole words, across hyphens and plural endings: "pull test" finds
        // "pull-test", "line" finds "lines".
        QString wanted = SearchForm(text);
        wanted.chop(1);  // a word still being typed matches the start of one
        if (wanted.trimmed().isEmpty() || SearchForm(plain).contains(wanted)) {
            auto *item = new QListWidgetItem(page.first, results);
            item->setData(Qt::UserRole, page.second);
        }
    }
    if (results->count() == 0) {
        // Said in words, not left as an empty list that looks broken.
        auto *none = new QListWidgetItem(tr("No pages found"), results);
        none->setFlags(Qt::NoItemFlags);
    }
    highlightShownPage(browser->source());
}

void HelpViewer::highlightShownPage(const QUrl &page)
{
    // The list marks the page on show, however it was reached.
    const QString shown = page.toString();
    for (int i = 0; i < results->count(); ++i)
        if (QListWidgetItem *item = results->item(i); "qrc" + item->data(Qt::UserRole).toString() == shown) {
            results->setCurrentItem(item);
            return;
        }
    results->setCurrentItem(nullptr);
}

void ShowHelpTopic(QWidget *parent, int topic, const QString &section)
{
    // The viewer belongs to the window that asked, so that a modal dialog
    // does not block its own help.
    QWidget *owner = parent ? parent->window() : nullptr;
    static QPointer<HelpViewer> viewer;
    if (!viewer.isNull() && viewer->parentWidget() != owner)
        delete viewer.data();
    if (viewer.isNull()) {
        viewer = new HelpViewer(owner);
        viewer->setAttribute(Qt::WA_DeleteOnClose);
    }
    viewer->showTopic(topic, section);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}
