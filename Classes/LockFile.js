.pragma library

// The lock files as the documents' keys work them (lock.txt, lockGeral.txt):
// texts are compared whole, so only exactly "1" locks and only exactly "0"
// unlocks. `files` is the file service; without one nothing is read or
// written.
//
//   import "qrc:/Classes/LockFile.js" as LockFile
//   if (LockFile.reads(files, lockPath, "0")) save()
//   LockFile.toggle(files, lockPath)   // the L key

// True when the lock file reads exactly `text`.
function reads(files, path, text) {
    return files !== null && files !== undefined && files.readTextFromFile(path) === text
}

// "1" becomes "0" and "0" becomes "1"; any other text (a missing or empty
// file too) stays as it is.
function toggle(files, path) {
    if (files === null || files === undefined)
        return
    var t = files.readTextFromFile(path)
    if (t === "1" || t === "0")
        files.writeFile(t === "1" ? "0" : "1", path)
}
