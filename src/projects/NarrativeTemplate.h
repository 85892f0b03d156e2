#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The work order's narrative on disk: the saved template, and the copy that printing reads.
// Both hold the narrative's text as it stands followed by one line break; a template saved from
// a narrative that already ends with a line break takes no second one.

inline const QString NarrativeTemplatePath = QStringLiteral("/Templates/WONarrative.txt");
inline const QString NarrativeTempPath = QStringLiteral("/Templates/WONarrativeTEMP.txt");

// Replaces the template with the narrative and drops its backup copy; false when not written.
bool SaveNarrativeTemplate(const QString& narrative);
// The template as the narrative box takes it: each line followed by a line break; nothing when
// there is no template file.
std::optional<QString> LoadNarrativeTemplate();

// The printing copy: deleted, then written when the narrative is not empty. False when the old
// copy could not be deleted or the new one not written.
bool WriteNarrativeTemp(const QString& narrative);
// The lines of the printing copy; nothing when there is none.
std::optional<QStringList> ReadNarrativeTemp();
