#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/registry.h"
#include "support/game_run.h"

namespace {

const char kKey[] = "Software\\Brightleaf Works\\Vocabuloon Spanish Demo\\1.00.000";

class RegistryFile : public ::testing::Test {
  protected:
    void SetUp() override { setenv("VOCABULOON_REGISTRY", file().c_str(), 1); }
    void TearDown() override { unsetenv("VOCABULOON_REGISTRY"); }
    std::string file() const { return temp.path() + "/registry.reg"; }
    void Write(const std::string& text) { testing_support::WriteTextFile(file(), text); }

    // Reads "Path" with a buffer of the given size; answers the result code.
    LONG Query(DWORD bufferSize, std::string* value = nullptr, DWORD* sizeOut = nullptr) {
        HKEY key = nullptr;
        LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_QUERY_VALUE, &key);
        if (result != ERROR_SUCCESS)
            return result;
        std::string buffer(bufferSize, '\0');
        DWORD size = bufferSize;
        result = RegQueryValueExA(key, "Path", nullptr, nullptr,
                                  reinterpret_cast<LPBYTE>(buffer.data()), &size);
        RegCloseKey(key);
        if (value)
            *value = buffer.c_str();
        if (sizeOut)
            *sizeOut = size;
        return result;
    }

    testing_support::TempDir temp;
};

TEST_F(RegistryFile, ReadsAnExportedValueWithItsEscapes) {
    Write("Windows Registry Editor Version 5.00\r\n\r\n"
          "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brightleaf Works\\Vocabuloon Spanish Demo\\1.00.000]\r\n"
          "\"path\"=\"/home/ana/with \\\"quotes\\\" and \\\\ slash\"\r\n");
    std::string value;
    DWORD size = 0;
    EXPECT_EQ(Query(60, &value, &size), ERROR_SUCCESS);
    EXPECT_EQ(value, "/home/ana/with \"quotes\" and \\ slash");
    EXPECT_EQ(size, value.size() + 1);
}

TEST_F(RegistryFile, ValueThatDoesNotFitWithItsNulAsksForMore) {
    Write(std::string("[HKEY_LOCAL_MACHINE\\") + kKey + "]\n\"Path\"=\"" + std::string(59, 'a') +
          "\"\n");
    EXPECT_EQ(Query(60), ERROR_SUCCESS);
    DWORD size = 0;
    EXPECT_EQ(Query(59, nullptr, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 60u);
}

TEST_F(RegistryFile, AnythingNotWellFormedAnswersAsAMissingKey) {
    const char* broken[] = {
        "",                                                         // no key at all
        "[HKEY_LOCAL_MACHINE\\Software\\Other]\n\"Path\"=\"/x\"\n", // another key
        "[HKEY_LOCAL_MACHINE\\Software\\Brightleaf Works\\Vocabuloon Spanish Demo\\1.00.000\n",
        "[HKEY_LOCAL_MACHINE\\Software\\Brightleaf Works\\Vocabuloon Spanish Demo\\1.00.000]\n"
        "\"Path\"=\"/x\n", // unterminated value
        "[HKEY_LOCAL_MACHINE\\Software\\Brightleaf Works\\Vocabuloon Spanish Demo\\1.00.000]\n"
        "\"Path\"=dword:00000001\n",
        "\x89PNG\r\n\x1a\n\x01\x02\x03",
    };
    for (const char* text : broken) {
        Write(text);
        EXPECT_EQ(Query(60), ERROR_FILE_NOT_FOUND) << text;
    }
    std::remove(file().c_str());
    EXPECT_EQ(Query(60), ERROR_FILE_NOT_FOUND);
}

TEST(SystemTexts, FormatMessageGivesTheSystemTextsOfTheRegistryCodes) {
    char* text = nullptr;
    DWORD flags =
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    ASSERT_GT(FormatMessageA(flags, nullptr, ERROR_FILE_NOT_FOUND, 0x400,
                             reinterpret_cast<LPSTR>(&text), 0, nullptr),
              0u);
    EXPECT_STREQ(text, "The system cannot find the file specified.");
    LocalFree(reinterpret_cast<HLOCAL>(text));
    ASSERT_GT(FormatMessageA(flags, nullptr, ERROR_MORE_DATA, 0x400, reinterpret_cast<LPSTR>(&text),
                             0, nullptr),
              0u);
    EXPECT_STREQ(text, "More data is available.");
    LocalFree(reinterpret_cast<HLOCAL>(text));
}

TEST(SystemTexts, VersionIsWindowsXpInBothStructureSizes) {
    OSVERSIONINFOEXA extended{};
    extended.dwOSVersionInfoSize = 156;
    ASSERT_TRUE(GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&extended)));
    EXPECT_EQ(extended.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
    EXPECT_EQ(extended.dwMajorVersion, 5u);
    EXPECT_EQ(extended.dwMinorVersion, 1u);
    OSVERSIONINFOA plain{};
    plain.dwOSVersionInfoSize = 148;
    EXPECT_TRUE(GetVersionExA(&plain));
    plain.dwOSVersionInfoSize = 100;
    EXPECT_FALSE(GetVersionExA(&plain));
}

} // namespace
