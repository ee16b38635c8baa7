// A made-up language for the widget tests: every text about 40 % longer,
// accented and in brackets ("Line Tension" -> "[Ļíñé Ţéñšíóñ ~~~~~]"), its
// placeholders (%1, %n), accelerators (&O) and tags kept working. The
// window's own texts are translated where a catalogue can hold them, as
// lupdate finds them in the sources (translatable_texts.py), so that a
// tr() lupdate cannot see shows in English and a test sees it; the core's,
// every one handed to Said, whole.
#pragma once

#include "ui/WindowLanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>

#include <cmath>
#include <string>

inline QString Pseudo(const QString &english)
{
    static const QString lower = QString::fromUtf8("áƀçðéƒĝĥíĵķļɱñóþǫŕšţúṽŵẋýž");
    static const QString upper = QString::fromUtf8("ÅƁÇÐÉƑĜĤÍĴĶĻṀÑÖÞǪŔŠŢÛṼŴẊÝŽ");
    static const QRegularExpression kept(
        "%L?[1-9n]"                              // placeholders
        "|&(?:#?[A-Za-z0-9]+;|&|.)"              // entities, a literal &, an accelerator and its letter
        "|</?[a-z][a-z0-9]*(?:\\s[^<>]*)?/?>");  // tags, not "<Enter>"
    QString out;
    for (int i = 0; i < english.size();) {
        if (const auto m = kept.match(english, i, QRegularExpression::NormalMatch,
                                      QRegularExpression::AnchorAtOffsetMatchOption);
            m.hasMatch()) {
            out += m.captured();
            i += int(m.capturedLength());
            continue;
        }
        const QChar c = english[i++];
        out += c >= 'a' && c <= 'z' ? lower[c.unicode() - 'a'] : c >= 'A' && c <= 'Z' ? upper[c.unicode() - 'A'] : c;
    }
    // The padding in words of up to ten, as a language's long words are.
    QString padding;
    for (int left = std::max(1, int(std::lround(0.4 * english.size()))); left > 0; left -= 10)
        padding += ' ' + QString(std::min(left, 10), '~');
    // Rich text stays rich: the brackets inside its outer tags.
    const auto outer = QRegularExpression("^(\\s*<[^>]*>)?(.*?)(<[^>]*>\\s*)?$",
                                          QRegularExpression::DotMatchesEverythingOption)
                           .match(out);
    return outer.captured(1) + '[' + outer.captured(2) + padding + ']' + outer.captured(3);
}

// The window's own texts: those of its contexts that lupdate finds; Qt's
// (a dialog button box's Close), whose catalogues Qt brings, all.
class PseudoTranslator : public QTranslator {
public:
    explicit PseudoTranslator(const QJsonArray &window)
    {
        for (const QJsonValue &m : window) {
            contexts.insert(m[0].toString());
            texts.insert(m[0].toString() + '\x04' + m[1].toString());
        }
    }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        const QString c = QString::fromUtf8(context), s = QString::fromUtf8(source);
        if (s.isEmpty() || (contexts.contains(c) && !texts.contains(c + '\x04' + s)))
            return QString();
        return Pseudo(s);
    }

private:
    QSet<QString> contexts, texts;
};

// The made-up language in force, in the window (tr) and in the core's
// texts (Said), until it goes out of scope.
class PseudoLanguage {
public:
    PseudoLanguage()
    {
        QFile f(QStringLiteral(TETHRIX_TRANSLATABLE_TEXTS));
        if (!f.open(QIODevice::ReadOnly))
            qFatal("no %s", TETHRIX_TRANSLATABLE_TEXTS);
        translator = std::make_unique<PseudoTranslator>(QJsonDocument::fromJson(f.readAll()).array());
        QCoreApplication::installTranslator(translator.get());
        TransformCoreTexts([](const std::string &english) {
            return english.empty() ? english : Pseudo(QString::fromStdString(english)).toStdString();
        });
    }
    ~PseudoLanguage()
    {
        QCoreApplication::removeTranslator(translator.get());
        TransformCoreTexts(nullptr);
    }

private:
    std::unique_ptr<PseudoTranslator> translator;
};
