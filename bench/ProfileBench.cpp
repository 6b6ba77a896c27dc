// Reading and writing IP.ini with our profile code against the platform's profile functions, on the same
// file in the same run: ratios, not milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "Timing.h"
#include "profiles/ProfileFile.h"

namespace {

using namespace quilnet;

// Median milliseconds of one run of `work`.
template <class F>
double Median(int rounds, F&& work) {
  return bench::MedianPerCall(rounds, 1, work) / 1000.0;
}

ProfileValues Sample() {
  ProfileValues v;
  for (size_t p = 0; p < 4; ++p) v[p] = {L"办公室", L"192.168.1.20", L"255.255.255.0", L"192.168.1.1", L"223.5.5.5", L"8.8.8.8"};
  return v;
}

}  // namespace

int wmain() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring path = std::wstring(temp) + L"quilnet-bench-" + std::to_wstring(GetCurrentProcessId()) + L".ini";
  const std::string ansiPath = ToCodePage(path, kGbk);
  const ProfileValues values = Sample();
  if (!SaveProfiles(path, values)) {
    std::fprintf(stderr, "cannot write %s\n", ansiPath.c_str());
    return 1;
  }
  constexpr int kRounds = 200;
  const double oursRead = Median(kRounds, [&] { LoadProfiles(path); });
  const double theirsRead = Median(kRounds, [&] {
    char buffer[256];
    for (const wchar_t* section : kProfileSections) {
      for (const wchar_t* key : kProfileKeys) {
        const std::string k = ToCodePage(key, kGbk);
        GetPrivateProfileStringA(ToCodePage(section, kGbk).c_str(), k.c_str(), k.c_str(), buffer, 256, ansiPath.c_str());
      }
    }
  });
  const double oursWrite = Median(kRounds, [&] { SaveProfiles(path, values); });
  const double theirsWrite = Median(kRounds, [&] {
    for (size_t p = 0; p < 4; ++p) {
      for (size_t k = 0; k < 6; ++k) {
        WritePrivateProfileStringA(ToCodePage(kProfileSections[p], kGbk).c_str(), ToCodePage(kProfileKeys[k], kGbk).c_str(),
                                   ToCodePage(values[p][k], kGbk).c_str(), ansiPath.c_str());
      }
    }
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, ansiPath.c_str());  // to the disk, as a save must
  });
  DeleteFileW(path.c_str());
  std::printf("profile load: ours %.3f ms, platform %.3f ms (24 reads), ratio %.2f\n", oursRead, theirsRead,
              oursRead / theirsRead);
  std::printf("profile save: ours %.3f ms, platform %.3f ms (24 writes), ratio %.2f\n", oursWrite, theirsWrite,
              oursWrite / theirsWrite);
  return 0;
}
