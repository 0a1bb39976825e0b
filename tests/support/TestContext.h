#pragma once

#include "app/AppContext.h"
#include "app/LangText.h"
#include "app/SettingsStore.h"
#include "sequence/SequenceDocument.h"
#include "tests/support/ScriptedPrompter.h"

#include <QCoreApplication>
#include <QTemporaryDir>

// A complete program context over a temporary settings file, with the
// language files of the build beside the test executable.
struct TestContext
{
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath(QStringLiteral("settings.ini"))};
    LangText texts;
    ScriptedPrompter prompter;
    SequenceDocument document;
    AppContext ctx{settings, texts, prompter, document};

    TestContext()
    {
        ctx.programFolder = QCoreApplication::applicationDirPath();
        ctx.languageName = QStringLiteral("Deutsch");
    }
};
