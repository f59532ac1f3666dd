// The files the authoring programs read and write: whole-file reading, path pieces, and new files that appear
// under their name only once they are complete. Every path is UTF-8, on Windows too.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "authoring/ByteSpan.h"

// Reads a whole file; false with a reason ("No such file or directory", ...) when it cannot, also
// when it is 2 GB or larger or shrinks while it is read.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& error);

// Reads a file from its start in pieces of at most pieceSize bytes, handing each to take in turn
// until the end or until take returns false, through one buffer of that size; false with a reason
// when the file cannot be read.
using TPieceTaker = std::function<bool(const std::uint8_t* piece, std::size_t size)>;
bool ReadFilePieces(const std::string& path, std::size_t pieceSize, const TPieceTaker& take, std::string& error);

// True when anything (a file, a folder, a link, even a broken one) has this name.
bool PathExists(const std::string& path);
bool IsFolder(const std::string& path);
// True when both names lead to one existing file.
bool SameFile(const std::string& a, const std::string& b);

// The last component of a path, and a folder joined with a name by the platform's separator.
std::string FileNamePart(const std::string& path);
std::string FolderPart(const std::string& path);  // "." when the path has no folder
std::string JoinPath(const std::string& folder, const std::string& name);

// When a new file is forced out to the disk before it takes its name. Forcing 100 MB out costs
// the disk's full write time, ten times the write itself, so it is done where a power cut would
// otherwise cost more than the new file.
enum class TFlush {
    beforeReplacing,  // when the new file replaces one: after a power cut the old or the new one is there
    always,           // also under a new name: for contents whose other copy the caller then deletes
};

// A new file under a temporary name in the folder of its final name; removed on destruction
// unless committed, so that no half-written file is ever left under the final name.
class TPendingFile {
public:
    explicit TPendingFile(const std::string& finalPath, TFlush flush = TFlush::beforeReplacing);
    ~TPendingFile();
    TPendingFile(const TPendingFile&) = delete;
    TPendingFile& operator=(const TPendingFile&) = delete;

    // Creates the temporary file and writes the pieces into it one after another; false with a reason.
    bool Write(const std::vector<TByteSpan>& pieces, std::string& error);
    bool Write(const std::vector<std::uint8_t>& bytes, std::string& error) {
        return Write({TByteSpan{bytes.data(), bytes.size()}}, error);
    }
    const std::string& TemporaryPath() const { return m_temporary; }
    // Gives the file its final name, forcing it to disk first as the flush rule says; without
    // replace, fails when that name is taken (checked atomically by the rename itself, so a file
    // appearing meanwhile is not overwritten either).
    bool Commit(bool replace, std::string& error);

private:
    std::string m_final;
    TFlush m_flush;
    std::string m_temporary;  // owned: removed by the destructor while not committed
    bool m_committed = false;
};
