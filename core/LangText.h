#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

// The table of user-interface texts, indexed by number. Text N is line N of
// the language file (lines counted from 1) without its four-character label.
// A number the loaded file does not reach falls back to the built-in German
// text of that number, so no caption or message is ever empty.
class LangText
{
public:
    // The highest text number the program uses; every language file must reach it.
    static constexpr int HighestTextNumber = 441;

    LangText();

    // Reads a language file; false when it cannot be opened (the table then
    // holds the built-in German texts).
    bool load(const QString& fileName);
    // Fills the table from the bytes of a language file (Windows-1252).
    void loadFromBytes(const QByteArray& bytes);
    void loadBuiltinGerman();

    // Text N; the built-in German text when the file has no line N.
    QString text(int n) const;
    QString operator()(int n) const { return text(n); }
    // Number of lines the loaded file had.
    int lineCount() const { return int(m_texts.size()) - 1; }
    bool isComplete() const { return lineCount() >= HighestTextNumber; }

    // The texts of a language file: label of four characters dropped from every
    // line, four more from line 177. Index 0 stays empty.
    static QStringList parse(const QByteArray& bytes);
    static QString decodeWindows1252(const QByteArray& bytes);
    static QByteArray encodeWindows1252(const QString& text);
    static const QStringList& builtinGerman();

private:
    QStringList m_texts;
};

// The language files in a folder: for every entry whose name ends in ".zfl",
// the part of its name before the first dot, in the order of the names.
QStringList scanLanguageNames(const QString& folder, int limit = 255);

// The locale of a language file's name, in the language's own name or in
// English ("Deutsch" and "German" give German); English when none matches.
QLocale languageLocale(const QString& languageName);

// Installs Qt's own translations (the buttons of message boxes, the file
// dialogs) for the locale in place of the ones installed before. False when
// Qt has none for it; Qt's built-in English then stands.
bool useQtTranslation(const QLocale& locale);
