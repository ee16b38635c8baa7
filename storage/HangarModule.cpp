// The hangar module (libtethrix_hangar): the window's hangar store for
// tethrix-calc, which loads Qt SQL only through this.
#include "storage/HangarModule.h"
#include "storage/HangarStore.h"

#include <QCoreApplication>

namespace {

// The window's names, so that the data folder is the window's; tethrix-calc
// has no application object of its own.
QString WindowHangarPath()
{
    if (QCoreApplication::organizationName().isEmpty())
        QCoreApplication::setOrganizationName(QStringLiteral("Brelm"));
    if (QCoreApplication::applicationName().isEmpty())
        QCoreApplication::setApplicationName(QStringLiteral("Tethrix"));
    return HangarStore::DefaultPath();
}

std::string Sentence(const QString &text)
{
    std::string s = text.toStdString();
    if (!s.empty() && s.back() == '.')
        s.pop_back();
    return s;
}

std::string Read(Hangar &hangar, std::string &where)
{
    HangarStore store(WindowHangarPath());
    where = store.path().toStdString();
    if (store.access() == HangarStore::Access::Unavailable || !store.complete())
        return Sentence(store.problem());
    // A hangar that is only read-only is read whole.
    hangar = store.hangar();
    return {};
}

std::string Edit(const std::function<Result<>(Hangar &)> &edit, HangarChange &applied, std::string &where)
{
    HangarStore store(WindowHangarPath());
    where = store.path().toStdString();
    return Sentence(store.edit(edit, &applied));
}

const HangarModule Module = {&Read, &Edit};

}  // namespace

const HangarModule *TethrixHangarModule() { return &Module; }
