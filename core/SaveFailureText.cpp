#include "core/SaveFailureText.h"

#include "core/LangText.h"

namespace SaveFailureText {

QString reason(const LangText& texts, const SafeSave::Result& result)
{
    const auto kept = [&texts](int text) -> QString {
        return texts.text(text) + QLatin1Char(' ') + texts.text(OldFileKeptText);
    };
    switch (result.error) {
    case SafeSave::Error::None:
    case SafeSave::Error::Cancelled:
        return QString();
    case SafeSave::Error::NotRegularFile:
        return texts.text(NotRegularFileText);
    case SafeSave::Error::CannotCreate:
        return kept(CannotCreateText);
    case SafeSave::Error::DiskFull:
        return kept(DiskFullText);
    case SafeSave::Error::WriteFailed:
    case SafeSave::Error::CannotReplace:
        return kept(WriteErrorText);
    case SafeSave::Error::ContentFailed:
        return result.reason;
    }
    return result.reason;
}

} // namespace SaveFailureText
