#pragma once

#include <QString>

// The exchange directory is named by its Windows path, C:\Radod\instrumentos,
// in every document and class. This maps that literal path (and every path
// below it) to the real folder on this machine:
//  - on Windows, the literal path itself;
//  - elsewhere, the folder named by RADOD_EXCHANGE_DIR, or
//    $HOME/Radod/instrumentos when it is not set.
// Below the root, names match existing files and folders without regard to
// letter case, as they do on the Windows file system; "." and ".." are
// dropped, so a literal path never leads out of the folder. Paths outside the
// exchange directory pass through unchanged.
//
// Every class that touches the disk resolves its paths here.
class ExchangeDirectory
{
public:
    // The literal path used by documents and classes.
    static QString literalRoot();

    // The literal path of a file in the exchange directory ("lock.txt" ->
    // "C:\Radod\instrumentos\lock.txt").
    static QString literalPath(const QString &fileName);

    // The real folder that stands for the literal root.
    static QString root();

    // Points the literal root at another folder for this process (tests, the
    // bridge's --exchange option). An empty path restores the default.
    static void setRoot(const QString &realFolder);

    // True when the path lies in (or is) the exchange directory, whatever
    // its letter case and separators.
    static bool isExchangePath(const QString &path);

    // The real path for a literal one; other paths are returned unchanged.
    static QString resolve(const QString &path);

    // The folder that holds `realPath` when it exists, otherwise the nearest
    // existing folder above it ("" when there is none). Watching that folder
    // notices the moment the missing part is created.
    static QString nearestExistingFolder(const QString &realPath);

private:
    ExchangeDirectory() = delete;
};
