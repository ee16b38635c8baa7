// The help that ships inside the program: pages addressed by topic number,
// a contents page, and a search over all of them.
#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

class QLineEdit;
class QListWidget;
class QTextBrowser;

// The page of a topic (":/help/topicN.html"); the contents for 0 or an
// unknown topic.
QString HelpPagePath(int topic);
// Every help page's title and path, contents first.
QList<QPair<QString, QString>> HelpPages();

class HelpViewer : public QDialog {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget *parent = nullptr);
    // section: an anchor on the topic's page, scrolled to; empty for the top.
    void showTopic(int topic, const QString &section = QString());
    QString currentPage() const;

private:
    void search(const QString &text);
    void highlightShownPage(const QUrl &page);
    QLineEdit *searchBox;
    QListWidget *results;
    QTextBrowser *browser;
};

// Opens (or raises) the one help window at a topic, or at one section of it.
void ShowHelpTopic(QWidget *parent, int topic, const QString &section = QString());

// A text as the help's search compares it: lower case, hyphens and other
// marks as spaces, single spaces, each word without a plural ending.
QString SearchForm(const QString &text);
