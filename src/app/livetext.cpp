#include "livetext.h"

#include <QCoreApplication>
#include <QObject>
#include <QVariant>
#include <QVariantList>

namespace
{
// On the target: a list of [property, context, source] triples.
const char *const sourcesProperty = "liveTextSources";

void apply(QObject *target)
{
    const QVariantList entries = target->property(sourcesProperty).toList();
    for (const QVariant &entry : entries) {
        const QVariantList parts = entry.toList();
        const QByteArray context = parts[1].toByteArray(), source = parts[2].toByteArray();
        target->setProperty(parts[0].toByteArray().constData(),
                            QCoreApplication::translate(context.constData(), source.constData()));
    }
}
} // namespace

void liveText::set(QObject *target, const char *property, const char *context, const char *source)
{
    QVariantList entries = target->property(sourcesProperty).toList();
    entries << QVariant(QVariantList{QByteArray(property), QByteArray(context), QByteArray(source)});
    target->setProperty(sourcesProperty, entries);
    apply(target);
}

void liveText::refresh(QObject *root)
{
    apply(root);
    for (QObject *child : root->findChildren<QObject *>())
        apply(child);
}
