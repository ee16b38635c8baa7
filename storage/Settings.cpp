#include "storage/Settings.h"

#include "storage/StoredConditions.h"

#include "lang/Catalogue.h"
#include "numbers/Convert.h"
#include "numbers/EngineError.h"
#include "storage/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace TethrixSettings {

const char *const *const ConditionNames = StoredConditionNames;

namespace {

// The largest settings file the writer reads back to check it.
constexpr std::size_t MaxSettingsBytes = std::size_t(16) << 20;
// The largest settings file read at start-up, the same bound.
constexpr std::size_t MaxReadSettingsBytes = MaxSettingsBytes;

// The per-user store: the machine-wide one is not writable by an ordinary
// user on Linux, though QSettings still falls back to it for reading, so an
// administrator can preset the conditions there.
QSettings Store() { return QSettings(QSettings::UserScope, "Brelm", "Tethrix"); }

// The folder Qt keeps a scope's settings in, learnt from a store that no one
// has: making a QSettings reads its files at once, and one of ours may be a
// pipe that would never answer.
QString ScopeFolder(QSettings::Scope scope)
{
    const QSettings probe(scope, QStringLiteral("Tethrix.folder-probe"), QStringLiteral("probe"));
    return QFileInfo(QFileInfo(probe.fileName()).path()).path();
}

// Every file Qt would read for the store, fallbacks included: the user's and
// the system's files of the program and of the organization.
QStringList StoreFiles(const QString &userFolder)
{
    QStringList files;
    for (const QString &folder : {userFolder, ScopeFolder(QSettings::SystemScope)})
        files << folder + QStringLiteral("/Brelm/Tethrix.conf") << folder + QStringLiteral("/Brelm.conf");
    std::string user;
    for (const std::string &file : SettingsFiles(user))
        if (!files.contains(QString::fromStdString(file)))
            files << QString::fromStdString(file);
    return files;
}

// Why a file Qt would read for the store must not reach it (see
// UnsafeStore), or empty: every file, the fallbacks too, is checked before
// Qt opens any. userFile is the user's own (FileName()), whose folder is the
// user scope's.
QString UnsafeStore(const QString &path, std::string &content);
QString UnreadableFallback(const QString &userFile)
{
    std::string content;
    for (const QString &file : StoreFiles(QFileInfo(QFileInfo(userFile).path()).path()))
        if (file != userFile)  // checked on its own, before the fallbacks
            if (const QString why = UnsafeStore(file, content); !why.isEmpty())
                return QStringLiteral("%1: %2").arg(file, why);
    return QString();
}

// The text of a stored value, or why it is none.
std::optional<QString> StoredText(const QSettings &store, const QString &name, const QString &instead,
                                  QStringList &problems)
{
    const QVariant v = store.value(name);
    if (!v.isValid())
        return std::nullopt;
    if (v.typeId() != QMetaType::QString) {
        problems << QStringLiteral("Invalid data type for '%1': %2").arg(name, instead);
        return std::nullopt;
    }
    const QString text = v.toString();
    if (static_cast<std::size_t>(text.size()) > MaxStoredText) {
        problems << QStringLiteral("The stored '%1' is longer than %2 characters: %3").arg(name).arg(MaxStoredText).arg(instead);
        return std::nullopt;
    }
    return text;
}

// The character of the escape after a backslash at content[i], as Qt's
// reader decodes it, with i moved past it; false for one it drops.
bool Unescaped(const std::string &content, std::size_t &i, char32_t &code)
{
    const char e = content[i++];
    const auto digit = [&](int base) {
        const char d = i < content.size() ? content[i] : ' ';
        const int v = d >= '0' && d <= '9'   ? d - '0'
                      : d >= 'a' && d <= 'f' ? d - 'a' + 10
                      : d >= 'A' && d <= 'F' ? d - 'A' + 10
                                             : base;
        return v < base ? v : -1;
    };
    if (e == 'x' || (e >= '0' && e <= '7')) {
        const int base = e == 'x' ? 16 : 8;
        code = e == 'x' ? 0 : static_cast<char32_t>(e - '0');
        for (int v, n = 1; (v = digit(base)) >= 0 && (base == 16 || n < 3); ++i, ++n)
            code = code > 0xFFFFFF ? code : code * static_cast<char32_t>(base) + static_cast<char32_t>(v);
        return true;
    }
    switch (e) {
    case 'a': code = '\a'; return true;
    case 'b': code = '\b'; return true;
    case 'f': code = '\f'; return true;
    case 'n': code = '\n'; return true;
    case 'r': code = '\r'; return true;
    case 't': code = '\t'; return true;
    case 'v': code = '\v'; return true;
    case '"': case '\'': case '?': case '\\': code = static_cast<unsigned char>(e); return true;
    default: return false;
    }
}

// Whether Qt's reader would take a value in content for a serialized one:
// a value, or an element of it read as a list, that begins with "@Variant("
// or "@DateTime(" once its quotes and unquoted blanks are dropped and its escapes
// decoded ("\x40" is "@" too), a backslash at a line's end joining the next
// line. Only what follows a line's first "=" is a value ("\=" belongs to the
// key); inside a text, as in a path "/planes/x=@Variant(1).TQD", it is a
// text like any other, and Qt writes a text's own leading "@" as "@@".
bool HoldsSerializedValue(const std::string &content)
{
    static const std::string Serialized[] = {"@Variant(", "@DateTime("};
    const std::size_t size = content.size();
    const auto lineEnd = [&](std::size_t i) { return content[i] == '\n' || content[i] == '\r'; };
    // Past a backslash that joins the next line to this one, or i as it is.
    const auto joined = [&](std::size_t i) {
        while (i + 1 < size && content[i] == '\\' && lineEnd(i + 1))
            i += content.compare(i + 1, 2, "\r\n") == 0 ? 3 : 2;
        return i;
    };
    std::size_t i = 0;
    while (i < size) {
        // The key: up to the line's first "=".
        while ((i = joined(i)) < size && !lineEnd(i) && content[i] != '=')
            i += content[i] == '\\' && i + 1 < size && !lineEnd(i + 1) ? 2 : 1;  // "\=" is the key's
        if (i >= size || lineEnd(i)) {
            ++i;
            continue;
        }
        ++i;
        // The value, element by element, as the characters that count:
        // quotes and unquoted blanks dropped, escapes decoded.
        std::u32string element;
        bool quoted = false;
        while ((i = joined(i)) < size && !lineEnd(i)) {
            const char c = content[i++];
            if (c == '"') {
                quoted = !quoted;
                continue;
            }
            if ((c == ' ' || c == '\t') && !quoted)
                continue;
            if (c == ',' && !quoted) {
                element.clear();
                continue;
            }
            char32_t code = static_cast<unsigned char>(c);
            if (c == '\\' && i < size && !lineEnd(i) && !Unescaped(content, i, code))
                continue;  // an escape Qt drops
            if (element.size() < 10)
                element += code;
            for (const std::string &serialized : Serialized)
                if (element.size() == serialized.size() && std::equal(element.begin(), element.end(), serialized.begin()))
                    return true;
        }
    }
    return false;
}

// Why Qt must not parse the settings file at path (empty when it may, or
// when there is none): a file too large or not a regular file, or one that
// holds a serialized Qt value. The program never writes those, and a
// damaged one makes Qt's reader allocate without limit.
QString UnsafeStore(const QString &path, std::string &content)
{
    content.clear();
    if (!QFileInfo::exists(path))
        return QString();
    if (const std::string problem = ReadSmallFile(QFile::encodeName(path).toStdString(), MaxReadSettingsBytes, content);
        !problem.empty())
        return QString::fromLocal8Bit(problem.c_str());
    if (HoldsSerializedValue(content))
        return QStringLiteral("it holds a serialized value, which Tethrix never writes");
    return QString();
}

// Why the user's file at path, read safely as content, gives Tethrix nothing
// it can use, though it holds something (empty when it gives something,
// holds nothing but blanks, or is not there): text in UTF-16, or only
// settings of names Tethrix does not know. Written over, what it holds
// would be lost.
QString UnusableStore(const QString &path, const std::string &content)
{
    if (content.find_first_not_of(" \t\r\n") == std::string::npos)
        return QString();
    if (content.compare(0, 2, "\xFF\xFE") == 0 || content.compare(0, 2, "\xFE\xFF") == 0 ||
        content.find('\0') != std::string::npos)
        return QStringLiteral("it is written in UTF-16 or holds NUL bytes; Tethrix reads UTF-8 text");
    const QSettings own(path, QSettings::IniFormat);
    QStringList found;
    for (const QString &key : own.allKeys()) {
        if (KnownSettingName(key.toStdString()))
            return QString();
        if (found.size() < 3)
            found << "'" + (key.size() <= 40 ? key : key.left(40) + "...") + "'";
    }
    if (found.isEmpty())
        return QStringLiteral("it holds no settings, only other text");
    return (own.allKeys().size() > found.size()
                ? QStringLiteral("it holds no setting Tethrix keeps, only %1 and others")
                : QStringLiteral("it holds no setting Tethrix keeps, only %1"))
        .arg(found.join(", "));
}

// Why the user's file must be neither read nor written, or empty.
QString UnreadableStore(const QString &path)
{
    std::string content;
    const QString unsafe = UnsafeStore(path, content);
    return unsafe.isEmpty() ? UnusableStore(path, content) : unsafe;
}

[[noreturn]] void Refused(const QString &name, const QString &reason)
{
    throw SettingsError(QStringLiteral("Failed to set data for '%1': %2").arg(name, reason).toStdString());
}

bool IsLanguage(const QString &code)
{
    for (int i = 0; i < lang::LanguageCount; ++i)
        if (code == QLatin1String(lang::Languages[i].code))
            return true;
    return false;
}

}  // namespace

QString RecentName(int index) { return QString::fromLatin1(StoredRecentPrefix) + QString::number(index + 1); }

const char *const UnitsName = StoredUnitsName;
const char *const LanguageName = StoredLanguageName;

QString FileName() { return ScopeFolder(QSettings::UserScope) + QStringLiteral("/Brelm/Tethrix.conf"); }

Loaded Load(const std::array<float, ConditionCount> &defaults)
{
    Loaded loaded;
    const QString path = FileName();
    QString unsafe = UnreadableStore(path);
    if (unsafe.isEmpty())
        unsafe = UnreadableFallback(path);
    if (!unsafe.isEmpty()) {
        loaded.refused = true;
        loaded.problems << QStringLiteral("The settings file %1 cannot be read (%2): it is kept as it is; the "
                                          "built-in conditions and units are used, and nothing is stored until it "
                                          "is mended or removed")
                               .arg(path, unsafe);
        for (int i = 0; i < RecentCount; ++i)
            loaded.recentFiles << QString();
        return loaded;
    }
    QSettings store = Store();
    if (store.status() != QSettings::NoError)
        loaded.problems << QStringLiteral("The settings file %1 cannot be read: the stored values it holds are "
                                          "not used")
                               .arg(store.fileName());
    for (int i = 0; i < ConditionCount; ++i)
        loaded.hasConditions = loaded.hasConditions || store.contains(ConditionNames[i]);
    if (QFileInfo(path).isFile()) {
        const QSettings own(path, QSettings::IniFormat);
        for (int i = 0; i < ConditionCount; ++i)
            loaded.conditionsBase[i] = own.value(ConditionNames[i]);
    }

    std::vector<std::string> problems;
    for (int i = 0; loaded.hasConditions && i < ConditionCount; ++i) {
        const QVariant v = store.value(ConditionNames[i]);
        const StoredKind kind = !v.isValid()                           ? StoredKind::Missing
                                : v.typeId() != QMetaType::QString     ? StoredKind::NotText
                                                                       : StoredKind::Text;
        loaded.conditions[i] =
            CheckStoredCondition(ConditionNames[i], defaults[i], kind, v.toString().toStdString(), problems);
    }
    for (const std::string &p : problems)
        loaded.problems << QString::fromStdString(p);
    for (int i = 0; i < RecentCount; ++i) {
        const std::optional<QString> text =
            StoredText(store, RecentName(i), QStringLiteral("the entry is dropped"), loaded.problems);
        loaded.recentFiles << text.value_or(QString());
    }
    const QString unitsInstead = QStringLiteral("imperial units are shown");
    if (const std::optional<QString> units = StoredText(store, UnitsName, unitsInstead, loaded.problems);
        units && !ParseDisplayUnits(units->toStdString(), loaded.units))
        loaded.problems << QStringLiteral("Invalid value for '%1': '%2' is neither Imperial nor Metric; %3")
                               .arg(UnitsName, *units, unitsInstead);
    loaded.hasUnits = store.contains(UnitsName);
    const QString languageInstead = QStringLiteral("the system's language is used");
    if (const std::optional<QString> language = StoredText(store, LanguageName, languageInstead, loaded.problems)) {
        if (language->isEmpty() || IsLanguage(*language))
            loaded.language = *language;
        else
            loaded.problems << QStringLiteral("Invalid value for '%1': '%2' is no language of Tethrix; %3")
                                   .arg(LanguageName, *language, languageInstead);
    }
    return loaded;
}

QString StoredLanguage()
{
    // A file that must not be read (a FIFO, one too large) is not opened here either.
    if (!UnreadableStore(FileName()).isEmpty() || !UnreadableFallback(FileName()).isEmpty())
        return {};
    const QSettings store = Store();
    const QVariant v = store.value(LanguageName);
    return v.typeId() == QMetaType::QString && IsLanguage(v.toString()) ? v.toString() : QString();
}

QStringList MergeRecentFiles(const QStringList &base, const QStringList &mine, const QStringList &stored)
{
    QStringList theirs;
    for (const QString &file : stored)
        if (!file.isEmpty() && !base.contains(file) && !mine.contains(file))
            theirs.append(file);
    if (theirs.isEmpty())
        return mine;  // nobody else wrote: the list as this instance has it
    QStringList merged;
    for (const QString &file : mine)
        if (!file.isEmpty() && !base.contains(file))
            merged.append(file);
    merged += theirs;
    for (const QString &file : mine)
        if (!file.isEmpty() && !merged.contains(file))
            merged.append(file);
    while (merged.size() > RecentCount)
        merged.removeLast();
    while (merged.size() < RecentCount)
        merged.append(QString());
    return merged;
}

namespace {

using Entries = QList<QPair<QString, QVariant>>;

// Reads the user's file, merges in what valuesFor gives for what it holds,
// and replaces it, all under a lock on its folder. name is the setting that
// failure messages name.
void WriteMerged(const QString &name,
                 const std::function<QList<QPair<QString, QString>>(const Entries &)> &valuesFor);

}  // namespace

void Write(const QList<QPair<QString, QString>> &values)
{
    if (!values.isEmpty())
        WriteMerged(values.first().first, [&](const Entries &) { return values; });
}

std::array<QString, ConditionCount> WriteConditions(ConditionsBase &base, const std::array<QString, ConditionCount> &texts,
                                                    const std::array<bool, ConditionCount> &changed)
{
    std::array<QString, ConditionCount> kept;
    WriteMerged(ConditionNames[0], [&](const Entries &entries) {
        QList<QPair<QString, QString>> values;
        for (int i = 0; i < ConditionCount; ++i) {
            kept[i] = QString();
            auto it = std::find_if(entries.begin(), entries.end(),
                                   [&](const auto &e) { return e.first == ConditionNames[i]; });
            const QVariant stored = it != entries.end() ? it->second : QVariant();
            std::vector<std::string> problems;
            if (!changed[i] && stored != base[i] && stored.typeId() == QMetaType::QString &&
                CheckStoredCondition(ConditionNames[i], 0, StoredKind::Text, stored.toString().toStdString(), problems))
                kept[i] = stored.toString();  // another instance's, since this one read the file
            else
                values.append({ConditionNames[i], texts[i]});
        }
        return values;
    });
    for (int i = 0; i < ConditionCount; ++i)
        base[i] = kept[i].isNull() ? texts[i] : kept[i];
    return kept;
}

QStringList WriteRecentFiles(const QStringList &base, const QStringList &mine)
{
    QStringList merged;
    WriteMerged(RecentName(0), [&](const Entries &entries) {
        QStringList stored;
        for (int i = 0; i < RecentCount; ++i) {
            auto it = std::find_if(entries.begin(), entries.end(),
                                   [&](const auto &e) { return e.first == RecentName(i); });
            if (it != entries.end() && it->second.typeId() == QMetaType::QString)
                stored.append(it->second.toString());
        }
        merged = MergeRecentFiles(base, mine, stored);
        QList<QPair<QString, QString>> values;
        for (int i = 0; i < RecentCount; ++i)
            values.append({RecentName(i), merged.value(i)});
        return values;
    });
    return merged;
}

namespace {

void WriteMerged(const QString &first,
                 const std::function<QList<QPair<QString, QString>>(const Entries &)> &valuesFor)
{
    const QString path = FileName();
    // One writer at a time, program or instance: the file is read, merged
    // and replaced under a lock on its folder, so that another instance's
    // values written in between are kept, not reverted.
    QDir().mkpath(QFileInfo(path).path());
    struct FolderLock {
        int fd;
        ~FolderLock()
        {
            if (fd >= 0)
                ::close(fd);  // releases the lock
        }
    } lock{::open(QFile::encodeName(QFileInfo(path).path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (lock.fd >= 0)
        ::flock(lock.fd, LOCK_EX);

    // The user's own file only, not the administrator's defaults under it.
    // A file that was not read is never replaced: what it holds would be lost.
    if (const QString unsafe = UnreadableStore(path); !unsafe.isEmpty())
        Refused(first, QStringLiteral("the settings file cannot be read (%1) and is kept as it is").arg(unsafe));
    if (const QString unsafe = UnreadableFallback(path); !unsafe.isEmpty())
        Refused(first, unsafe);
    Entries entries;
    if (QFileInfo(path).isFile()) {
        const QSettings current(path, QSettings::IniFormat);
        for (const QString &key : current.allKeys())
            entries.append({key, current.value(key)});
    }
    bool changed = false;
    for (const QPair<QString, QString> &value : valuesFor(entries)) {
        const QString &name = value.first, &text = value.second;
        auto it = std::find_if(entries.begin(), entries.end(), [&](const auto &e) { return e.first == name; });
        if (it == entries.end()) {
            entries.append({name, text});
            changed = true;
        } else if (it->second != QVariant(text)) {
            it->second = text;
            changed = true;
        }
    }
    if (!changed && QFileInfo(path).isFile())
        return;

    // Qt's own writer makes the file's text in a scratch copy; the copy is
    // read back and checked, then replaces the store through the safe writer.
    QTemporaryDir scratchDir;
    if (!scratchDir.isValid())
        Refused(first, scratchDir.errorString());
    const QString scratch = scratchDir.filePath("Tethrix.conf");
    {
        QSettings out(scratch, QSettings::IniFormat);
        for (const auto &[key, value] : entries)
            out.setValue(key, value);
        out.sync();
        if (out.status() != QSettings::NoError) {
            // QSettings does not say why; a file of the same size written
            // in the same place does.
            qsizetype size = 0;
            for (const auto &[key, value] : entries)
                size += key.size() + value.toString().size() + 4;
            const std::string why = WriteFileSafely(QFile::encodeName(scratchDir.filePath("probe")).toStdString(),
                                                    std::string(static_cast<std::size_t>(size), ' '));
            Refused(first, why.empty() ? QStringLiteral("the settings could not be prepared")
                                       : QString::fromLocal8Bit(why.c_str()));
        }
    }
    std::string bytes;
    if (const std::string problem = ReadSmallFile(QFile::encodeName(scratch).toStdString(), MaxSettingsBytes, bytes);
        !problem.empty())
        Refused(first, QString::fromLocal8Bit(problem.c_str()));
    {
        // Qt reports a short write as success and keeps its own copy of a
        // file it wrote: the bytes read back are parsed from a file of their
        // own, which Qt has never seen, so that a cut file is found.
        const QString checkPath = scratchDir.filePath("check.conf");
        if (const std::string problem = WriteFileSafely(QFile::encodeName(checkPath).toStdString(), bytes);
            !problem.empty())
            Refused(first, QString::fromLocal8Bit(problem.c_str()));
        const QSettings check(checkPath, QSettings::IniFormat);
        for (const auto &[key, value] : entries)
            if (check.value(key) != value)
                Refused(first, QStringLiteral("the settings could not be written completely"));
    }
    if (const std::string problem = WriteFileSafely(QFile::encodeName(path).toStdString(), bytes); !problem.empty())
        Refused(first, QString::fromLocal8Bit(problem.c_str()));
}

}  // namespace

}  // namespace TethrixSettings
