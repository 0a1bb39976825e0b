#pragma once

#include "shell/LinkTarget.h"

#include <QStringList>
#include <QUrl>

// Stands in for the desktop: records what would have been opened or started.
class RecordingLauncher final : public LinkLauncher
{
public:
    QList<QUrl> opened;
    QStringList chosen;
    QStringList started;
    bool openSucceeds = true;
    bool startSucceeds = true;

    bool openUrl(const QUrl& url) override
    {
        opened.append(url);
        return openSucceeds;
    }
    bool chooseProgramFor(const QString& path) override
    {
        chosen.append(path);
        return true;
    }
    bool startDetached(const QString& program, const QString& workingFolder) override
    {
        started.append(program + QLatin1Char('|') + workingFolder);
        return startSucceeds;
    }
};
