// The one whole-file reader and writer: whole contents, missing files, files cut short meanwhile.
#include <gtest/gtest.h>
#include <windows.h>

#include "sys/FileBytes.h"
#include "sys/SysError.h"
#include "sys/UniqueHandle.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestFolder.h"

TEST(FileBytes, ReadsBackWhatWasWrittenAndRefusesMissingFiles) {
    TTestFolder folder("file_bytes");
    TBytes bytes(70000);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
    for (const TBytes& content : {TBytes{}, TBytes{0x42}, bytes}) {
        WriteFileBytes(folder / "f.bin", content);
        EXPECT_EQ(ReadFileBytes(folder / "f.bin"), content);
        EXPECT_EQ(ReadBytesFile(folder / "f.bin"), content);
    }
    try {
        ReadFileBytes(folder / "missing.bin");
        FAIL() << "no error for a missing file";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Cannot open file \"" + folder / "missing.bin" + "\". ", 0), 0u)
            << error.what();
    }
}

// Another handle cuts the file short after its size was taken: the read is an error, never a
// shorter copy that a caller would take for the whole file.
TEST(FileBytes, FileTruncatedByAnotherHandleWhileReadIsAnError) {
    TTestFolder folder("file_bytes");
    const std::string path = folder / "shrinks.bin";
    ASSERT_TRUE(WriteBytesFile(path, TBytes(5000, 0x5A)));
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
    UniqueHandle reader(CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr));
    UniqueHandle writer(CreateFileA(path.c_str(), GENERIC_WRITE, share, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(reader.Valid() && writer.Valid());
    LARGE_INTEGER size;
    ASSERT_TRUE(GetFileSizeEx(reader.Get(), &size));
    SetFilePointer(writer.Get(), 100, nullptr, FILE_BEGIN);
    ASSERT_TRUE(SetEndOfFile(writer.Get()));
    EXPECT_THROW(ReadOpenFileBytes(reader.Get(), static_cast<std::uint64_t>(size.QuadPart), path), EFOpenError);

    // A file held open for writing cannot be read as a whole at all.
    EXPECT_THROW(ReadFileBytes(path), EFOpenError);
}
