// What another user's process could do to the elevated program through its folder, and failures that
// must show as failures.
#include <gtest/gtest.h>

#include <memory>
#include <new>

#include "app/Form1.h"
#include "app/Layout.h"
#include "support/FormFixture.h"
#include "support/Pump.h"

namespace quilnet {
namespace {

// Answers the window's own queries from the fake; its worker's client throws what the test chose.
class ThrowsOnWorker final : public Wmi {
 public:
  ThrowsOnWorker(Wmi& fake, std::exception_ptr thrown) : fake_(fake), thrown_(std::move(thrown)) {}
  std::unique_ptr<WmiService> Connect(const std::wstring& moniker) override { return fake_.Connect(moniker); }
  std::unique_ptr<Wmi> ForThisThread() override { std::rethrow_exception(thrown_); }

 private:
  Wmi& fake_;
  std::exception_ptr thrown_;
};

class SafetyTest : public test::WindowTest {
 protected:
  size_t Starts() const {
    size_t n = 0;
    for (const std::wstring& line : *log) n += line.rfind(L"Start ", 0) == 0;
    return n;
  }
  // What another process may do to HQ.bat: open it to write, delete it, put another file in its place.
  bool OthersCanChangeTheScript() const {
    const std::wstring path = folder.File(L"HQ.bat");
    const HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, 0, nullptr);
    const bool writable = h != INVALID_HANDLE_VALUE;
    if (writable) CloseHandle(h);
    folder.Write(L"other.bat", "echo other\r\n");
    const bool replaced = MoveFileExW(folder.File(L"other.bat").c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
    return writable || replaced || DeleteFileW(path.c_str());
  }

};

TEST_F(SafetyTest, TheScriptIsWrittenNewAndNobodyMayChangeItUntilItHasRun) {
  const std::string script = "echo whatever\r\n";
  folder.Write(L"HQ.bat", "echo planted\r\n");
  folder.Write(L"linked.txt", "someone else's file");
  folder.Write(L"network.txt", "left from before\r\n");
  // A hard link under the script's name: writing through it would change the other file.
  ASSERT_TRUE(DeleteFileW(folder.File(L"HQ.bat").c_str()));
  ASSERT_TRUE(CreateHardLinkW(folder.File(L"HQ.bat").c_str(), folder.File(L"linked.txt").c_str(), nullptr));
  Start();
  EXPECT_EQ(folder.Read(L"linked.txt"), "someone else's file");
  ASSERT_EQ(Starts(), 1u);
  EXPECT_FALSE(folder.Exists(L"network.txt"));  // the poll will not list it as this run's
  // Readable while it runs, however cmd opens it (also sharing nothing but reading), and nothing else.
  const HANDLE reader = CreateFileW(folder.File(L"HQ.bat").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(reader, INVALID_HANDLE_VALUE);
  if (reader != INVALID_HANDLE_VALUE) CloseHandle(reader);
  EXPECT_EQ(folder.Read(L"HQ.bat").value_or("").substr(0, 1), ":");
  EXPECT_FALSE(OthersCanChangeTheScript());

  starter.End(0, 0);
  SendMessageW(form->hwnd(), WM_TIMER, Form1::kTmrCheck, 0);  // the poll sees the end
  EXPECT_TRUE(OthersCanChangeTheScript());
}

TEST_F(SafetyTest, AScriptFileThisRunCouldNotWriteIsNotStarted) {
  folder.Write(L"HQ.bat", "echo planted\r\n");
  // Someone holds it open, and so keeps it from being removed or replaced.
  const HANDLE held = CreateFileW(folder.File(L"HQ.bat").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Start();
  CloseHandle(held);
  EXPECT_EQ(Starts(), 0u);
  EXPECT_EQ(folder.Read(L"HQ.bat"), "echo planted\r\n");
}

TEST_F(SafetyTest, AnApplyThatFailsInAnyWayShowsTheFailure) {
  const struct {
    std::exception_ptr thrown;
    const wchar_t* status;
  } cases[] = {
      {std::make_exception_ptr(std::bad_alloc()), L"名称切换失败！（0x8007000E）"},
      {std::make_exception_ptr(std::runtime_error("?")), L"名称切换失败！（0x8000FFFF）"},
      {std::make_exception_ptr(WmiError(0x80041008, "bad parameter")), L"名称切换失败！（0x80041008）"},
  };
  for (const auto& c : cases) {
    ThrowsOnWorker client(wmi, c.thrown);
    Start({&client});
    for (size_t k = 1; k < 6; ++k) form->SetText(kProfileControls[0].boxes[k], L"10.0.0.1");
    Click(L"Command10");
    EXPECT_TRUE(test::PumpUntil([&] { return form->Text(L"Label1") == c.status; }, 20000)) << form->Text(L"Label1").size();
    form.reset();
  }
}

}  // namespace
}  // namespace quilnet
