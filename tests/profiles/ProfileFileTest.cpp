// IP.ini: our reader and writer, the platform's profile functions as the measure, and hostile files.
#include <gtest/gtest.h>
#include <windows.h>

#include <random>
#include <string>

#include "platform/CodePage.h"
#include "platform/Files.h"
#include "platform/Handles.h"
#include "profiles/IniFile.h"
#include "profiles/ProfileFile.h"
#include "support/TestFolder.h"

namespace quilnet {
namespace {

// The section and key names as GBK bytes, written out so that no converter of ours is the measure.
const char* const kSectionBytes[] = {"\xCD\xF8" "1", "\xCD\xF8" "2", "\xCD\xF8" "3", "\xCD\xF8" "4"};
const char* const kKeyBytes[] = {"\xC3\xFB\xB3\xC6", "ip\xB5\xD8\xD6\xB7", "\xD7\xD3\xCD\xF8\xD1\xDA\xC2\xEB",
                                 "\xC4\xAC\xC8\xCF\xCD\xF8\xB9\xD8", "\xCA\xD7\xD1\xA1" "DNS", "\xB1\xB8\xD3\xC3" "DNS"};

ProfileValues Sample() {
  ProfileValues v;
  const wchar_t* names[] = {L"你好", L"Lab 2", L"", L"家"};
  for (size_t p = 0; p < 4; ++p) {
    const std::wstring n = std::to_wstring(p + 1);
    v[p] = {names[p], L"192.168." + n + L".20", L"255.255.255.0", L"192.168." + n + L".1", L"8.8.8.8", L"10.1"};
  }
  return v;
}

std::string Gbk(const std::wstring& s) { return ToCodePage(s, kGbk); }

TEST(ProfileFile, WrittenFromScratchIsFourSectionsOfSixKeysInGbkWithCrLf) {
  test::TestFolder folder;
  const ProfileValues values = Sample();
  ASSERT_TRUE(SaveProfiles(folder.File(L"IP.ini"), values));
  const char* const valueBytes[4][6] = {
      {"\xC4\xE3\xBA\xC3", "192.168.1.20", "255.255.255.0", "192.168.1.1", "8.8.8.8", "10.1"},
      {"Lab 2", "192.168.2.20", "255.255.255.0", "192.168.2.1", "8.8.8.8", "10.1"},
      {"", "192.168.3.20", "255.255.255.0", "192.168.3.1", "8.8.8.8", "10.1"},
      {"\xBC\xD2", "192.168.4.20", "255.255.255.0", "192.168.4.1", "8.8.8.8", "10.1"}};
  std::string expected;
  for (int p = 0; p < 4; ++p) {
    expected += std::string("[") + kSectionBytes[p] + "]\r\n";
    for (int k = 0; k < 6; ++k) expected += std::string(kKeyBytes[k]) + "=" + valueBytes[p][k] + "\r\n";
  }
  EXPECT_EQ(folder.Read(L"IP.ini"), expected);
  EXPECT_EQ(LoadProfiles(folder.File(L"IP.ini")), values);
}

TEST(ProfileFile, MissingFileSectionOrKeyReadsAsTheKeyName) {
  test::TestFolder folder;
  ProfileValues defaults;
  for (auto& profile : defaults) {
    for (size_t k = 0; k < 6; ++k) profile[k] = kProfileKeys[k];
  }
  EXPECT_EQ(LoadProfiles(folder.File(L"IP.ini")), defaults);
  EXPECT_EQ(LoadProfiles(folder.File(L"no such folder\\IP.ini")), defaults);

  folder.Write(L"IP.ini", std::string("[") + kSectionBytes[1] + "]\r\n" + kKeyBytes[0] + "=\r\n" + kKeyBytes[1] +
                              "=10.0.0.2\r\n[other]\r\n" + kKeyBytes[2] + "=255.0.0.0\r\n");
  ProfileValues expected = defaults;
  expected[1][0] = L"";  // present and empty
  expected[1][1] = L"10.0.0.2";
  EXPECT_EQ(LoadProfiles(folder.File(L"IP.ini")), expected);
}

// Files that exercise the reading rules; each key is read by ours and by the platform's function.
const char* const kTrickyFiles[] = {
    "[\xCD\xF8" "1]\r\n  IP\xB5\xD8\xD6\xB7  =   10.0.0.1   \r\n",
    "[\xCD\xF8" "1]\n\xC3\xFB\xB3\xC6=\"  \xBC\xD2 \"\n\xD7\xD3\xCD\xF8\xD1\xDA\xC2\xEB='255.0.0.0'\n"
    "\xC4\xAC\xC8\xCF\xCD\xF8\xB9\xD8=\"10.0.0.1'\n\xCA\xD7\xD1\xA1" "dns=\"\"\n",
    "\xC3\xFB\xB3\xC6=before any section\r\n[ \xCD\xF8" "1 ]\r\n; \xC3\xFB\xB3\xC6=comment\r\n"
    "\xC3\xFB\xB3\xC6=first\r\n\xC3\xFB\xB3\xC6=second\r\n[\xCD\xF8" "1]\r\n\xB1\xB8\xD3\xC3" "DNS=later section\r\n",
    "[\xCD\xF8" "1]\r\n\xC3\xFB\xB3\xC6=     \r\n\xB1\xB8\xD3\xC3" "DNS=\t8.8.4.4\t\r\n[\xCD\xF8" "2]\r\n"
    "\xC3\xFB\xB3\xC6=no line end",
    // A lone CR ends a line, alone or mixed with the others.
    "[\xCD\xF8" "1]\r\xC3\xFB\xB3\xC6=cr only\r\xD7\xD3\xCD\xF8\xD1\xDA\xC2\xEB=255.0.0.0\r[\xCD\xF8" "2]\r"
    "IP\xB5\xD8\xD6\xB7=10.0.0.2\r",
    "[\xCD\xF8" "1]\r\r\n\xC3\xFB\xB3\xC6=mixed\n\r\xB1\xB8\xD3\xC3" "DNS=1.1.1.1\r\n\r[\xCD\xF8" "3]\n\r"
    "IP\xB5\xD8\xD6\xB7=10.0.0.3",
    // A line that opens a section but never closes it is no header: its keys stay in the section above.
    "[\xCD\xF8" "1]\r\n[\xCD\xF8" "2\r\n\xC3\xFB\xB3\xC6=unclosed\r\n[\xCD\xF8" "3=\xC3\xFB\xB3\xC6\r\n"
    "[\xCD\xF8" "4] trailing\r\nIP\xB5\xD8\xD6\xB7=10.0.0.4\r\n",
};

std::string PlatformRead(const std::wstring& path, const char* section, const char* key) {
  char buffer[256] = {};
  GetPrivateProfileStringA(section, key, "(default)", buffer, sizeof buffer, Gbk(path).c_str());
  return buffer;
}

TEST(ProfileFile, ReadsAsThePlatformReadsInItsOwnCodePage) {
  if (GetACP() != kGbk) GTEST_SKIP() << "the platform's functions read GBK only where it is the ANSI code page";
  test::TestFolder folder;
  const std::wstring path = folder.File(L"IP.ini");
  for (const char* text : kTrickyFiles) {
    SCOPED_TRACE(text);
    folder.Write(L"IP.ini", text);
    const IniFile ours(text);
    for (int p = 0; p < 4; ++p) {
      for (int k = 0; k < 6; ++k) {
        const std::wstring section = FromCodePage(kSectionBytes[p], kGbk), key = FromCodePage(kKeyBytes[k], kGbk);
        EXPECT_EQ(Gbk(ours.Read(section, key, 255).value_or(L"(default)")),
                  PlatformRead(path, kSectionBytes[p], kKeyBytes[k]))
            << p << " " << k;
      }
    }
    // A save replaces what the platform reads, in place, instead of adding a section it never reads.
    IniFile saved(text);
    saved.Write(FromCodePage(kSectionBytes[0], kGbk), FromCodePage(kKeyBytes[0], kGbk), L"saved");
    folder.Write(L"IP.ini", saved.Bytes());
    EXPECT_EQ(PlatformRead(path, kSectionBytes[0], kKeyBytes[0]), "saved");
  }
}

TEST(ProfileFile, LongValuesAreCutAt255BytesNeverInsideACharacter) {
  const std::string ascii(300, 'a');
  const IniFile a("[s]\r\nk=" + ascii + "\r\n");
  EXPECT_EQ(a.Read(L"s", L"k", 255), std::wstring(255, L'a'));
  // 254 bytes of ASCII, then 你: the character does not fit in the one byte left.
  const IniFile b("[s]\r\nk=" + std::string(254, 'b') + "\xC4\xE3\xBA\xC3\r\n");
  EXPECT_EQ(b.Read(L"s", L"k", 255), std::wstring(254, L'b'));
  const IniFile c("[s]\r\nk=" + std::string(253, 'c') + "\xC4\xE3\xBA\xC3\r\n");
  EXPECT_EQ(c.Read(L"s", L"k", 255), std::wstring(253, L'c') + L"你");
  // A zero byte ends a value, as it ends the platform's.
  const IniFile d(std::string("[s]\r\nk=ab\0cd\r\n", 14));
  EXPECT_EQ(d.Read(L"s", L"k", 255), L"ab");

  if (GetACP() != kGbk) return;
  test::TestFolder folder;
  folder.Write(L"IP.ini", "[s]\r\nk=" + ascii + "\r\n");
  EXPECT_EQ(PlatformRead(folder.File(L"IP.ini"), "s", "k"), std::string(255, 'a'));
}

TEST(ProfileFile, PlatformWrittenFileReadsBackAndOurSaveReplacesItsValuesInPlace) {
  if (GetACP() != kGbk) GTEST_SKIP() << "needs GBK as the ANSI code page";
  test::TestFolder folder;
  const std::wstring path = folder.File(L"IP.ini");
  const std::string ansiPath = Gbk(path);
  const ProfileValues values = Sample();
  for (int p = 0; p < 4; ++p) {
    for (int k = 0; k < 6; ++k) {
      ASSERT_TRUE(WritePrivateProfileStringA(kSectionBytes[p], kKeyBytes[k], Gbk(values[p][k]).c_str(), ansiPath.c_str()));
    }
  }
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, ansiPath.c_str());  // flush the platform's cache
  EXPECT_EQ(LoadProfiles(path), values);

  ProfileValues changed = values;
  changed[2][0] = L"实验室";
  changed[3][5] = L"223.5.5.5";
  ASSERT_TRUE(SaveProfiles(path, changed));
  for (int p = 0; p < 4; ++p) {
    for (int k = 0; k < 6; ++k) EXPECT_EQ(PlatformRead(path, kSectionBytes[p], kKeyBytes[k]), Gbk(changed[p][k]));
  }
}

TEST(ProfileFile, SaveKeepsForeignLinesAndLineEndsAndAddsWhatIsMissing) {
  test::TestFolder folder;
  const std::string before = std::string("; written by hand\n[\xCD\xF8" "1]\n") + kKeyBytes[1] +
                             " = 1.1.1.1\nextra=kept\n\n[tools]\r\npath=C:\\x\r\n[\xCD\xF8" "2]\r\n" + kKeyBytes[0] +
                             "=old";
  folder.Write(L"IP.ini", before);
  ASSERT_TRUE(SaveProfiles(folder.File(L"IP.ini"), Sample()));
  const std::string after = *folder.Read(L"IP.ini");

  // Replaced where it stood; the other keys of 网1 follow the last line of the section, before its blank line.
  const std::string section1 = std::string("; written by hand\n[\xCD\xF8" "1]\n") + kKeyBytes[1] +
                               "=192.168.1.20\nextra=kept\n" + kKeyBytes[0] + "=\xC4\xE3\xBA\xC3\r\n" + kKeyBytes[2] +
                               "=255.255.255.0\r\n";
  EXPECT_EQ(after.substr(0, section1.size()), section1);
  EXPECT_NE(after.find("\n\n[tools]\r\npath=C:\\x\r\n"), std::string::npos);
  EXPECT_NE(after.find(std::string("[\xCD\xF8" "2]\r\n") + kKeyBytes[0] + "=Lab 2\r\n"), std::string::npos);
  EXPECT_NE(after.find(std::string("[\xCD\xF8" "4]\r\n")), std::string::npos);
  EXPECT_EQ(LoadProfiles(folder.File(L"IP.ini")), Sample());
  EXPECT_EQ(IniFile(after).Read(L"TOOLS", L"PATH", 255), L"C:\\x");
}

bool OnlyFile(const test::TestFolder& folder, const wchar_t* name) {
  const std::vector<FolderEntry> entries = FolderEntries(folder.path());
  return entries.size() == 1 && entries[0].name == name;
}

TEST(ProfileFile, SaveThatCannotCompleteLeavesTheOldFileAsItWas) {
  test::TestFolder folder;
  const std::wstring path = folder.File(L"IP.ini");
  const std::string old = "[x]\r\nkeep=me\r\n";
  folder.Write(L"IP.ini", old);

  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(SaveProfiles(path, Sample()));
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(folder.Read(L"IP.ini"), old);
  EXPECT_TRUE(OnlyFile(folder, L"IP.ini")) << "the new file beside it was not removed";

  {
    // Held open by someone who lets nobody read it: rewriting it would lose what we could not read.
    const UniqueFile held(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    EXPECT_FALSE(SaveProfiles(path, Sample()));
  }
  EXPECT_EQ(folder.Read(L"IP.ini"), old);

  const std::string huge = old + std::string(kProfileFileMaxBytes, ';');
  folder.Write(L"IP.ini", huge);
  EXPECT_FALSE(SaveProfiles(path, Sample()));
  EXPECT_EQ(folder.Read(L"IP.ini")->size(), huge.size());

  EXPECT_FALSE(SaveProfiles(folder.File(L"no such folder\\IP.ini"), Sample()));
}

TEST(ProfileFile, RandomAndTruncatedFilesReadQuietlyKeepTheirBytesAndTakeASave) {
  test::TestFolder folder;
  const std::wstring path = folder.File(L"IP.ini");
  ASSERT_TRUE(SaveProfiles(path, Sample()));
  const std::string valid = *folder.Read(L"IP.ini");
  const std::string alphabet = std::string("[]=;\"' \t\r\n\r\nab") + kSectionBytes[0] + kKeyBytes[1] + "\x81\xFE\x80\x00";
  std::mt19937 random(20261208);
  for (int round = 0; round < 300; ++round) {
    std::string bytes;
    if (round % 3 == 0) {
      bytes = valid.substr(0, random() % (valid.size() + 1));
    } else {
      const size_t size = random() % 400;
      for (size_t i = 0; i < size; ++i) {
        bytes += round % 3 == 1 ? alphabet[random() % alphabet.size()] : static_cast<char>(random() & 0xFF);
      }
    }
    SCOPED_TRACE(round);
    EXPECT_EQ(IniFile(bytes).Bytes(), bytes);
    folder.Write(L"IP.ini", bytes);
    for (const auto& profile : LoadProfiles(path)) {
      for (const std::wstring& value : profile) EXPECT_LE(Gbk(value).size(), kProfileValueBytes);
    }
    ASSERT_TRUE(SaveProfiles(path, Sample()));
    EXPECT_EQ(LoadProfiles(path), Sample());
  }
}

}  // namespace
}  // namespace quilnet
