#pragma once

#include <QHash>
#include <QTranslator>

// Marks every text of the "Quilbex" context as «text», or gives a fixed translation, so a
// test sees which texts were re-applied after a language change.
class MarkingTranslator : public QTranslator
{
public:
    QHash<QString, QString> fixed;

    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (qstrcmp(context, "Quilbex") != 0)
            return QString();
        const QString source = QString::fromUtf8(sourceText);
        return fixed.value(source, QStringLiteral("«%1»").arg(source));
    }
    bool isEmpty() const override { return false; }
};
