// Registering a file type under HKEY_CLASSES_ROOT: the three values read back (also from outside
// with Wine's own reg), the forms of the extension, values that must stay, and failing registry
// calls through a replaced call table, since a Wine prefix grants every write.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <set>
#include <vector>

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
        for (const std::string& key : {m_ext, "." + m_ext, ".." + m_ext, m_type}) DeleteKeyTree(HKEY_CLASSES_ROOT, key);
    }
    std::optional<std::string> Value(const std::string& key, const std::string& name = "") const {
        return ReadStringValue(HKEY_CLASSES_ROOT, key, name);
    }
    std::string Command() const { return m_type + "\\shell\\open\\command"; }

    const std::string m_ext = "sxtest" + std::to_string(GetCurrentProcessId());
    const std::string m_type = "SxTestFile" + std::to_string(GetCurrentProcessId());
};

TEST_F(RegisterFileTypeTest, WritesTheThreeUnnamedValues) {
    RegisterFileType(m_ext, m_type, "Sonpix Data", kProgram);
    EXPECT_EQ(Value("." + m_ext), m_type);
    EXPECT_EQ(Value(m_type), "Sonpix Data");
    EXPECT_EQ(Value(Command()), kCommand);
}

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

TEST_F(RegisterFileTypeTest, WinesOwnRegToolReadsTheValuesBack) {
    RegisterFileType(m_ext, m_type, "Sonpix Data", kProgram);
    const struct {
        std::string key, value;
    } cases[] = {{"." + m_ext, m_type}, {m_type, "Sonpix Data"}, {Command(), kCommand}};
    for (const auto& c : cases) {
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

TEST_F(RegisterFileTypeTest, AnEmptyExtensionTypeOrProgramWritesNothing) {
    RegisterFileType("", m_type, "Sonpix Data", kProgram);
    RegisterFileType(m_ext, "", "Sonpix Data", kProgram);
    RegisterFileType(m_ext, m_type, "Sonpix Data", "");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "." + m_ext));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, m_type));
}

TEST_F(RegisterFileTypeTest, RegisteringTwiceLeavesOtherValuesAndKeysAsTheyWere) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, ("." + m_ext).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    const char contentType[] = "image/x-sonpix";
    RegSetValueExA(key, "Content Type", 0, REG_SZ, reinterpret_cast<const BYTE*>(contentType), sizeof contentType);
    RegSetValueExA(key, "", 0, REG_SZ, reinterpret_cast<const BYTE*>("Old"), 4);
    RegCloseKey(key);
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, (m_type + "\\DefaultIcon").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);

    RegisterFileType(m_ext, m_type, "Sonpix Data", kProgram);
    RegisterFileType(m_ext, m_type, "Sonpix Data", kProgram);
    EXPECT_EQ(Value("." + m_ext), m_type);
    EXPECT_EQ(Value("." + m_ext, "Content Type"), "image/x-sonpix");
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, m_type + "\\DefaultIcon"));
    EXPECT_EQ(Value(m_type), "Sonpix Data");
    EXPECT_EQ(Value(Command()), kCommand);
}

// The system's registry calls with chosen ones failing, counting the keys left open.
struct TFaultyRegistry {
    std::set<std::string> failCreate, failOpen;
    bool failSet = false;
    int openKeys = 0;
    std::vector<std::string> written;  // the keys whose value was set, in order
    TRegistryApi Api() {
        const TRegistryApi& system = SystemRegistryApi();
        return TRegistryApi{
            [this, &system](HKEY root, const std::string& name, HKEY* key) {
                if (failCreate.count(name)) return LONG(ERROR_ACCESS_DENIED);
                const LONG result = system.CreateKey(root, name, key);
                if (result == ERROR_SUCCESS) ++openKeys;
                return result;
            },
            [this, &system](HKEY root, const std::string& name, HKEY* key) {
                if (failOpen.count(name)) return LONG(ERROR_ACCESS_DENIED);
                const LONG result = system.OpenKey(root, name, key);
                if (result == ERROR_SUCCESS) {
                    ++openKeys;
                    written.push_back(name);
                }
                return result;
            },
            [this, &system](HKEY key, const std::string& valueName, const std::string& text) {
                if (failSet) return LONG(ERROR_ACCESS_DENIED);
                return system.SetString(key, valueName, text);
            },
            [this, &system](HKEY key) {
                --openKeys;
                return system.CloseKey(key);
            },
        };
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
        registry.failCreate = {c.failing};
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

TEST_F(RegisterFileTypeTest, AKeyThatCannotBeOpenedIsPassedOverQuietly) {
    TFaultyRegistry registry;
    registry.failOpen = {m_type};
    const TRegistryApi api = registry.Api();
    EXPECT_EQ(ErrorOf([&] { RegisterFileType(m_ext, m_type, "Sonpix Data", kProgram, api); }), "(no error)");
    EXPECT_EQ(Value("." + m_ext), m_type);
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, m_type));
    EXPECT_FALSE(Value(m_type).has_value());
    EXPECT_EQ(Value(Command()), kCommand);
    EXPECT_EQ(registry.written, (std::vector<std::string>{"." + m_ext, Command()}));
    EXPECT_EQ(registry.openKeys, 0);
}

}  // namespace
