#include "core/LangText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {
// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F.
constexpr char16_t kHighControls[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                        0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
} // namespace

QString LangText::decodeWindows1252(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out.append(b >= 0x80 && b < 0xA0 ? QChar(kHighControls[b - 0x80]) : QChar(b));
    }
    return out;
}

QByteArray LangText::encodeWindows1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u < 0x100)) {
            out.append(static_cast<char>(u));
            continue;
        }
        char replacement = '?';
        for (int i = 0; i < 32; ++i) {
            if (kHighControls[i] == u && u != 0xFFFD)
                replacement = static_cast<char>(0x80 + i);
        }
        out.append(replacement);
    }
    return out;
}

QStringList LangText::parse(const QByteArray& bytes)
{
    QStringList texts{QString()};
    const QString all = decodeWindows1252(bytes);
    QStringList lines = all.split(QLatin1Char('\n'));
    // A final line break does not start another line.
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    for (QString line : std::as_const(lines)) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        texts.append(line.mid(4));
    }
    if (texts.size() > 177)
        texts[177] = texts[177].mid(4);
    return texts;
}

const QStringList& LangText::builtinGerman()
{
    static const QStringList texts = [] {
        QFile file(QStringLiteral(":/lang/Deutsch.zfl"));
        if (!file.open(QIODevice::ReadOnly))
            return QStringList{QString()};
        return parse(file.readAll());
    }();
    return texts;
}

LangText::LangText()
{
    loadBuiltinGerman();
}

void LangText::loadBuiltinGerman()
{
    m_texts = builtinGerman();
}

bool LangText::load(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        loadBuiltinGerman();
        return false;
    }
    loadFromBytes(file.readAll());
    return true;
}

void LangText::loadFromBytes(const QByteArray& bytes)
{
    m_texts = parse(bytes);
}

QString LangText::text(int n) const
{
    if (n > 0 && n < m_texts.size())
        return m_texts.at(n);
    const QStringList& german = builtinGerman();
    if (n > 0 && n < german.size())
        return german.at(n);
    return QString();
}

QStringList scanLanguageNames(const QString& folder, int limit)
{
    QStringList names;
    const QStringList entries = QDir(folder).entryList(QDir::Files, QDir::Name);
    for (const QString& entry : entries) {
        if (names.size() >= limit)
            break;
        if (entry.right(4) == QLatin1String(".zfl"))
            names.append(entry.section(QLatin1Char('.'), 0, 0));
    }
    return names;
}

QLocale languageLocale(const QString& languageName)
{
    const QString name = languageName.trimmed();
    for (const QLocale& locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        const QLocale::Language language = locale.language();
        if (language == QLocale::C)
            continue;
        if (name.compare(QLocale::languageToString(language), Qt::CaseInsensitive) == 0 ||
            name.compare(locale.nativeLanguageName(), Qt::CaseInsensitive) == 0)
            return QLocale(language);
    }
    return QLocale(QLocale::English);
}

bool useQtTranslation(const QLocale& locale)
{
    static QPointer<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    if (!QCoreApplication::instance())
        return false;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}
