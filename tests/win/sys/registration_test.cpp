// Registering a file type under HKEY_CLASSES_ROOT: the three values read back (also from outside
// with Wine's own reg), the forms of the extension, values that must stay, and failing registry
// calls through a replaced call table, since a Wine prefix grants every write.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

#include "sys/FileTypeRegistration.h"
#include "sys/mysys.h"
#include "tests/support/RegistryValues.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestFolder.h"

namespace {

const char kProgram[] = "C:\\Program Files\\Sonpix Viewer\\SonpixViewer.exe";
const char kCommand[] = "\"C:\\Program Files\\Sonpix Viewer\\SonpixViewer.exe\" \"%1\"";

// Key names of this test program's own, so that nothing of the prefix is touched; removed before
// and after each test.
class RegisterFileTypeTest : public testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    void Clean() {
        for (const std::string& key : {m_ext, "." + m_ext, ".." + m_ext, "..." + m_ext, m_type})
            DeleteKeyTree(HKEY_CLASSES_ROOT, key);
    }
    std::optional<std::string> Value(const std::string& key, const std::string& name = "") const {
        return ReadStringValue(HKEY_CLASSES_ROOT, key, name);
    }
    std::string Command() const { return m_type + "\\shell\\open\\command"; }

    const std::string m_ext = "sxtest" + std::to_string(GetCurrentProcessId());
    const std::string m_type = "SxTestFile" + std::to_string(GetCurrentProcessId());
};

// Runs a console command line and returns what it wrote to its standard output.
std::string OutputOf(const std::string& commandText) {
    TTestFolder folder("reg");
    const std::string outputPath = folder / "out.txt";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE output = CreateFileA(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    if (output == INVALID_HANDLE_VALUE) return "cannot create " + outputPath;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = output;
    PROCESS_INFORMATION info{};
    std::string commandLine = commandText;
    const bool started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                        nullptr, &startup, &info);
    CloseHandle(output);
    if (!started) return "cannot start " + commandText;
    WaitForSingleObject(info.hProcess, 30000);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    const std::optional<TBytes> bytes = ReadBytesFile(outputPath);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

TEST_F(RegisterFileTypeTest, WritesTheThreeUnnamedValuesThatWinesRegToolReadsBack) {
    RegisterFileType(m_ext, m_type, "Sonpix Data", kProgram);
    const struct {
        std::string key, value;
    } cases[] = {{"." + m_ext, m_type}, {m_type, "Sonpix Data"}, {Command(), kCommand}};
    for (const auto& c : cases) {
        EXPECT_EQ(Value(c.key), c.value);
        const std::string output = OutputOf("reg.exe query \"HKCR\\" + c.key + "\" /ve");
        EXPECT_NE(output.find("REG_SZ    " + c.value + "\r\n"), std::string::npos) << c.key << ":\n" << output;
    }
}

TEST_F(RegisterFileTypeTest, AFullStopIsPutInFrontOnlyWhenTheFirstCharacterIsNone) {
    const struct {
        std::string ext, key;
    } cases[] = {{m_ext, "." + m_ext}, {"." + m_ext, "." + m_ext}, {".." + m_ext, ".." + m_ext}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ext);
        Clean();
        RegisterFileType(c.ext, m_type, "Sonpix Data", kProgram);
        EXPECT_EQ(Value(c.key), m_type);
        // No other form of the key appears.
        for (const std::string& other : {m_ext, "." + m_ext, ".." + m_ext, "..." + m_ext})
            if (other != c.key) {
                EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, other)) << other;
            }
    }
}

TEST_F(RegisterFileTypeTest, AnEmptyDescriptionGivesTheTypeName) {
    RegisterFileType(m_ext, m_type, "", kProgram);
    EXPECT_EQ(Value(m_type), m_type);
}

TEST_F(RegisterFileTypeTest, RegisteringTwiceLeavesOtherValuesAndKeysAsTheyWere) {
    const char contentType[] = "image/x-sonpix";
    ASSERT_EQ(RegSetKeyValueA(HKEY_CLASSES_ROOT, ("." + m_ext).c_str(), "Content Type", REG_SZ, contentType,
                              sizeof contentType),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetKeyValueA(HKEY_CLASSES_ROOT, ("." + m_ext).c_str(), "", REG_SZ, "Old", 4), ERROR_SUCCESS);
    ASSERT_EQ(RegSetKeyValueA(HKEY_CLASSES_ROOT, (m_type + "\\DefaultIcon").c_str(), "", REG_SZ, "x.ico", 6),
              ERROR_SUCCESS);

    RegisterFileType(m_ext, m_type, "Sonpix Data", kProgram);
    RegisterFileType(m_ext, m_type, "Sonpix Data", kProgram);
    EXPECT_EQ(Value("." + m_ext), m_type);
    EXPECT_EQ(Value("." + m_ext, "Content Type"), "image/x-sonpix");
    EXPECT_EQ(Value(m_type + "\\DefaultIcon"), "x.ico");
    EXPECT_EQ(Value(m_type), "Sonpix Data");
    EXPECT_EQ(Value(Command()), kCommand);
}

// The system's registry calls with one key's creation or every value write refused, counting the
// keys left open.
struct TFaultyRegistry {
    std::string failCreate;
    bool failSet = false;
    int openKeys = 0;
    TRegistryApi Api() {
        const TRegistryApi& system = SystemRegistryApi();
        TRegistryApi api = system;
        api.CreateKey = [this, &system](HKEY root, const std::string& name, HKEY* key) {
            if (name == failCreate) return LONG(ERROR_ACCESS_DENIED);
            return Opened(system.CreateKey(root, name, key));
        };
        api.OpenKey = [this, &system](HKEY root, const std::string& name, HKEY* key) {
            return Opened(system.OpenKey(root, name, key));
        };
        api.SetString = [this, &system](HKEY key, const std::string& valueName, const std::string& text) {
            return failSet ? LONG(ERROR_ACCESS_DENIED) : system.SetString(key, valueName, text);
        };
        api.CloseKey = [this, &system](HKEY key) {
            --openKeys;
            return system.CloseKey(key);
        };
        return api;
    }
    LONG Opened(LONG result) {
        if (result == ERROR_SUCCESS) ++openKeys;
        return result;
    }
};

std::string ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const ERegistryException& error) {
        return error.what();
    }
    return "(no error)";
}

TEST_F(RegisterFileTypeTest, AKeyThatCannotBeCreatedStopsTheWorkWithItsName) {
    const struct {
        std::string failing;
        bool extWritten, typeWritten;
    } cases[] = {{"." + m_ext, false, false}, {m_type, true, false}, {m_type + "\\shell\\open\\command", true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failing);
        Clean();
        TFaultyRegistry registry;
        registry.failCreate = c.failing;
        const TRegistryApi api = registry.Api();
        EXPECT_EQ(ErrorOf([&] { RegisterFileType(m_ext, m_type, "Sonpix Data", kProgram, api); }),
                  "Failed to create key " + c.failing);
        EXPECT_EQ(Value("." + m_ext).has_value(), c.extWritten);
        EXPECT_EQ(Value(m_type).has_value(), c.typeWritten);
        EXPECT_FALSE(Value(Command()).has_value());
        EXPECT_EQ(registry.openKeys, 0);
    }
}

TEST_F(RegisterFileTypeTest, AValueThatCannotBeSetStopsTheWorkWithAnEmptyName) {
    TFaultyRegistry registry;
    registry.failSet = true;
    const TRegistryApi api = registry.Api();
    EXPECT_EQ(ErrorOf([&] { RegisterFileType(m_ext, m_type, "Sonpix Data", kProgram, api); }),
              "Failed to set data for ''");
    // The first key was made before its value failed; the later ones were never reached.
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "." + m_ext));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, m_type));
    EXPECT_EQ(registry.openKeys, 0) << "the key open when the error came was not closed";
}

}  // namespace
