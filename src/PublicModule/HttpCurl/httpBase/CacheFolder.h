#pragma once

#include <QString>

#include <sys/types.h>

struct stat;

// A folder downloaded files are kept in, held open so that nothing done in it follows a
// link. The folders on its way below the program folder (below its parent for a folder
// elsewhere) are taken without following links and must be this user's: a link planted
// there leads nowhere. Names taken by the members must pass isFileName; any other name
// does nothing.
class CacheFolder
{
public:
    // The name every cache keeps the file of an address under: the text after its last
    // "/". Empty, which no cache takes, when that does not pass isFileName.
    static QString fileNameOf(const QString& qstrAddress);
    // A name that stays inside its folder: not empty, ".", "..", and without "/" or NUL
    // (which would cut the name short on its way to the system).
    static bool isFileName(const QString& qstrName);
    // Whether the folder lies below the program folder, where the caches are: the folders
    // a CacheFolder takes there are walked from the program folder itself.
    static bool isBelowProgram(const QString& qstrFolder);
    // The name a download into the name is kept under until it is complete: "<name>.part",
    // or, when that would pass the system's limit on a name, one of a fixed length made
    // from the name, so that every name that fits can be downloaded and resumed.
    static QString partNameOf(const QString& qstrName);

    // Without bMake, a folder on the way that is missing or not a folder of this user
    // leaves this closed, so nothing is looked at or removed through it. With it (to write
    // in the folder), such a folder is replaced by a new one of this user (0700) first.
    explicit CacheFolder(const QString& qstrFolder, bool bMake = false);
    ~CacheFolder();
    CacheFolder(const CacheFolder&) = delete;
    CacheFolder& operator=(const CacheFolder&) = delete;

    // False when the folder could not be had; then nothing is done in it.
    bool isOpen() const { return m_fd >= 0; }
    // What stands at the name, a link itself and not what it leads to.
    bool look(const QString& qstrName, struct stat& info) const;
    // Removes what stands at the name, a folder with all it holds, without following a
    // link and without changing any mode. True when nothing stands there any more.
    bool remove(const QString& qstrName) const;
    // open(2) of the name in the folder, never through a link; -1 on failure.
    int open(const QString& qstrName, int nFlags, mode_t nMode = 0) const;
    bool rename(const QString& qstrFrom, const QString& qstrTo) const;
    // Replaces what stands at the name (a link itself, never what it leads to) by a file
    // of the content and mode, only once every byte is written: a failed write leaves what
    // was there as it was.
    bool write(const QString& qstrName, const QByteArray& content, mode_t nMode) const;

private:
    bool takes(const QString& qstrName) const;

    int m_fd = -1;
};
