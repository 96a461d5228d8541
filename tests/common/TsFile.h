#pragma once

// The messages of a Qt Linguist .ts file, as the translation tests read them.
#include <QFile>
#include <QString>
#include <QVector>
#include <QXmlStreamReader>

struct TsMessage
{
    QString context;
    QString source;
    QString comment;
    // "" for a finished translation, else "unfinished", "vanished" or "obsolete".
    QString type;
    QString translation;

    bool finished() const { return type.isEmpty(); }
    // A vanished or obsolete message is kept for the translators only: no source has it.
    bool current() const { return type != QLatin1String("vanished") && type != QLatin1String("obsolete"); }
};

// Empty when the file cannot be read.
inline QVector<TsMessage> readTsFile(const QString& qstrPath)
{
    QVector<TsMessage> messages;
    QFile file(qstrPath);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString qstrContext;
    TsMessage message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            qstrContext = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = TsMessage{qstrContext, {}, {}, {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            messages.append(message);
        }
    }
    return messages;
}
