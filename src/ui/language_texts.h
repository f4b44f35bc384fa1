#pragma once
// The captions and hints of the windows as the language files see them: read
// for a template, and replaced from the records of a language, visiting the
// windows and their controls in the order they were made.
#include <QList>
#include <QStringList>

#include "i18n/language_files.h"

class QObject;
class QWidget;

namespace kw {

// The property names of a control's tag and of its font's character set.
inline constexpr char kTagProperty[] = "tag";
inline constexpr char kCharsetProperty[] = "charset";

void setTag(QObject* control, int tag);

// The texts of the windows and of their listed controls, in visiting order.
QList<ControlTexts> collectTexts(const QList<QWidget*>& windows);
// Gives every window and control whose record is found the texts of its record.
void applyTexts(const QList<QWidget*>& windows, RecordLookup& lookup);

}  // namespace kw
