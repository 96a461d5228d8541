#pragma once

#include <QObject>
#include <QString>

class QClipboard;

// The system clipboard for QML (standard clipboard only, never the X11 selection).
// Content kinds answered by getImage/getTextType: 0 nothing readable, 1 missing or
// empty file, 2 HTML, 3 a picture, 4 text or a file that is not a picture.
class Clipboard : public QObject
{
    Q_OBJECT
public:
    enum ContentKind
    {
        KindNone = 0,
        KindMissingFile = 1,
        KindHtml = 2,
        KindPicture = 3,
        KindText = 4
    };

    explicit Clipboard(QObject* parent = nullptr);

    Q_INVOKABLE void setText(const QString& text);
    Q_INVOKABLE int getImage(int nValue = 0);
    Q_INVOKABLE void setImageByPath(const QString& qstrPath, int nValue = 0);
    Q_INVOKABLE int getTextType(const QString& qstrKey, int nValue = 0);
    Q_INVOKABLE bool isFileExist(const QString& filePath);
    Q_INVOKABLE bool isImage(const QString& filePath);

    // The local path that a text naming a file stands for: a "file:" URL (the first one
    // in the text, up to the end of its line) becomes its local path, anything else is
    // taken as a path already.
    static QString localPathFromText(const QString& qstrText);
    // Where pasted pictures are kept: "<program folder>/temp/cut/".
    static QString cutFolder();

signals:
    void signal_ChatCopyResult(int nType, QString qstrFileName, QString qstrFileUrl,
                               int nValue = 0);

private:
    int takePicture(int nValue);
    int takeTextFile(const QString& qstrText, int nValue);

    QClipboard* clipboard;
};
