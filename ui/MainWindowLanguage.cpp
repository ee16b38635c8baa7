// The window's language: Advanced > Language, kept in the settings as
// `Language` and taken at the next start (every text of the window is made
// once, in the language in force).
#include "ui/MainWindow.h"
#include "ui/Seams.h"
#include "storage/Settings.h"
#include "ui/WindowLanguage.h"

#include "lang/Catalogue.h"

#include <QActionGroup>
#include <QMenu>

void MainWindow::CreateLanguageMenu(QMenu *advanced)
{
    QMenu *menu = advanced->addMenu(tr("L&anguage"));
    menu->setObjectName("Language1");
    auto *group = new QActionGroup(this);
    const QString stored = TethrixSettings::StoredLanguage();
    QAction *system = menu->addAction(tr("The System's"));
    system->setObjectName("LanguageSystem");
    system->setCheckable(true);
    system->setChecked(stored.isEmpty());
    group->addAction(system);
    connect(system, &QAction::triggered, this, [this] { Guarded(this, [&] { ChooseLanguage(QString()); }); });
    menu->addSeparator();
    for (int i = 0; i < lang::LanguageCount; ++i) {
        const QString code = QString::fromLatin1(lang::Languages[i].code);
        // Each in its own words, so that a flier finds theirs in any language.
        QAction *a = menu->addAction(QString::fromUtf8(lang::Languages[i].nativeName));
        a->setObjectName(QStringLiteral("Language_") + code);
        a->setCheckable(true);
        a->setChecked(stored == code);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, code] { Guarded(this, [&] { ChooseLanguage(code); }); });
    }
}

void MainWindow::ChooseLanguage(const QString &code)
{
    TethrixSettings::Write({{TethrixSettings::LanguageName, code}});
    const QString now = code.isEmpty() ? CurrentLanguage() : code;
    if (now == CurrentLanguage())
        return;
    QString name = now;
    for (int i = 0; i < lang::LanguageCount; ++i)
        if (now == QLatin1String(lang::Languages[i].code))
            name = QString::fromUtf8(lang::Languages[i].nativeName);
    UiSeams().message(this, tr("Language"), tr("Tethrix will speak %1 from its next start.").arg(name),
                      QMessageBox::Information, {});
}
