#pragma once

#include "core/SafeSave.h"

#include <QString>

class LangText;

// Why a file could not be written, in the user's language, for the lines
// that follow a message's first line ("The animation could not be written:").
namespace SaveFailureText {

inline constexpr int DiskFullText = 350;
inline constexpr int NotRegularFileText = 351;
inline constexpr int CannotCreateText = 352;
inline constexpr int WriteErrorText = 353;
inline constexpr int OldFileKeptText = 354;

// The reason, and for every failure that left a file of that name as it was,
// a sentence saying so. A writer's own failure (ContentFailed) keeps its
// English reason; a cancel has none.
QString reason(const LangText& texts, const SafeSave::Result& result);

} // namespace SaveFailureText
