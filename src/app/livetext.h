#pragma once
// Texts set in code that follow a change of language: each is stored untranslated with its target,
// and refresh() looks all of a window's up again.
#include <QByteArray>

class QObject;

namespace liveText
{
// Sets property (such as "text", "title" or "toolTip") of target to the translation of source in
// context, now and on every refresh().
void set(QObject *target, const char *property, const char *context, const char *source);
// Translates again every live text of root and of its descendants.
void refresh(QObject *root);
} // namespace liveText
