#pragma once

#include "sequence/SequenceFile.h"

#include <QList>
#include <QStringList>
#include <QTextStream>

// One zfxtool command: "zfxtool NAME ARGS...".
struct Command
{
    // Results of run(): success, a failure that was reported on err in one
    // line, and a call with the wrong arguments.
    enum Exit
    {
        Success = 0,
        Failure = 1,
        Usage = 2
    };

    const char* name;
    const char* arguments; // for the usage text, e.g. "FILE"
    const char* summary;
    int (*run)(const QStringList& args, QTextStream& out, QTextStream& err);
};

// All commands, in the order the usage text lists them.
const QList<Command>& commands();

// Writes "zfxtool: " + message as one line on err.
void reportError(QTextStream& err, const QString& message);
// Reports why a sequence file was not read; every command gives the same reason.
void reportReadFailure(QTextStream& err, const QString& fileName, const SequenceFile::ReadResult& result);

// The commands' entry points (one source file each).
int runDump(const QStringList& args, QTextStream& out, QTextStream& err);
int runPack(const QStringList& args, QTextStream& out, QTextStream& err);
int runImage(const QStringList& args, QTextStream& out, QTextStream& err);
int runUpload(const QStringList& args, QTextStream& out, QTextStream& err);
int runAnimate(const QStringList& args, QTextStream& out, QTextStream& err);
int runLibrary(const QStringList& args, QTextStream& out, QTextStream& err);
int runAdapt(const QStringList& args, QTextStream& out, QTextStream& err);
int runVideo(const QStringList& args, QTextStream& out, QTextStream& err);
int runFind(const QStringList& args, QTextStream& out, QTextStream& err);
